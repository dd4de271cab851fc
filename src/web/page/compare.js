// Analysis › Compare Methods: every method on the airfoil on screen at the angle and reference
// point of the text boxes, one row a method, rounded as the window rounds them; a row whose method
// cannot represent the mean line is greyed with its reason. The table as CSV, saved or copied.
'use strict';

let comparisonCsv = '';

function tableCell(row, text, className) {
  const td = row.insertCell();
  td.textContent = text;
  if (className) td.className = className;
  return td;
}

function showComparison({ caption, rows, csv }) {
  comparisonCsv = csv;
  $('Lbl_CompareCaption').textContent = caption;
  const body = $('Table_Compare').tBodies[0];
  body.replaceChildren();
  for (const result of rows) {
    const row = body.insertRow();
    tableCell(row, result.method);
    if (result.message !== undefined) {
      tableCell(row, result.message).colSpan = 4;
    } else {
      for (const text of result.cells) tableCell(row, text, 'number');
    }
    tableCell(row, result.caution ?? '');
    if (result.caution !== undefined) {
      row.classList.add('caution');
      row.title = result.caution;
    }
  }
  SecondaryWindows.show('CompareWindow');
}

function compareMethods() {
  return perform('Mn_Compare_Click', async () => {
    const reply = await ask('act', { handler: 'Mn_Compare_Click' });
    if (reply.compare) showComparison(reply.compare);
    return reply;
  });
}

async function copyText(text, what) {
  try {
    await navigator.clipboard.writeText(text);
    document.body.dataset.copiedText = what;
  } catch (error) {
    await showMessages([`This browser does not let the page copy the ${what} here: use Save Table as CSV… instead.`]);
  }
}

function setUpCompare() {
  SecondaryWindows.setUp('CompareWindow');
  $('Cmnd_SaveCompare').addEventListener('click', () => download(comparisonCsv, 'methods.csv', 'text/csv;charset=utf-8'));
  $('Cmnd_CopyCompare').addEventListener('click', () => copyText(comparisonCsv, 'table'));
}
