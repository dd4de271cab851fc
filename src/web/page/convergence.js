// Analysis › Convergence Study…: the range of panels and the angle, Run (with the progress box
// and Cancel), then the table (N first in each row) and the log-log plot, each of which can be
// saved. It studies the airfoil on screen when the window opened, a flap included, or a NACA
// section typed in it.
'use strict';

let studyCsv = '';
let studyCaptions = null;

// The caption names what the next run takes and, after a run, what the table shows.
function showStudyCaption() {
  if (!studyCaptions) return;
  const { onScreen, naca, slot } = studyCaptions;
  $('Lbl_StudyCaption').textContent = $('Opt_StudyNaca').checked
    ? naca.replace(slot, $('Text_StudyNaca').value.trim()) : onScreen;
}

function prepareStudy() {
  return perform('Mn_Converge_Click', async () => {
    const reply = await ask('act', { handler: 'Mn_Converge_Click' });
    if (reply.converge) {
      const { label, alfa, captions, studied } = reply.converge;
      $('Lbl_StudyOnScreen').textContent = `The airfoil on screen: ${label}`;
      $('Text_StudyAlfa').value = alfa;
      studyCaptions = captions;
      if (!studied) forgetStudy();
      showStudyCaption();
      SecondaryWindows.show('ConvergenceWindow');
    }
    return reply;
  });
}

function forgetStudy() {
  $('Table_Convergence').tHead.replaceChildren();
  $('Table_Convergence').tBodies[0].replaceChildren();
  $('Cmnd_SaveTable').disabled = true;
  $('Cmnd_SavePlot').disabled = true;
  studyCsv = '';
}

function showStudy({ headers, rows, csv, captions, explanation }) {
  const table = $('Table_Convergence');
  const head = table.tHead;
  head.replaceChildren();
  const headRow = head.insertRow();
  for (const header of headers) {
    const th = document.createElement('th');
    th.textContent = header;
    headRow.append(th);
  }
  const body = table.tBodies[0];
  body.replaceChildren();
  for (const cells of rows) {
    const row = body.insertRow();
    for (const text of cells) tableCell(row, text, 'number');
  }
  studyCsv = csv;
  studyCaptions = captions;
  showStudyCaption();
  $('Lbl_StudyExplanation').textContent = explanation;
  $('Cmnd_SaveTable').disabled = false;
  $('Cmnd_SavePlot').disabled = false;
}

function runStudy() {
  const argument = JSON.stringify({
    from: $('Text_From').value, to: $('Text_To').value, alfa: $('Text_StudyAlfa').value,
    naca: $('Opt_StudyNaca').checked, designation: $('Text_StudyNaca').value,
  });
  return perform('Cmnd_Run_Click', async () => {
    const reply = await ask('act', { handler: 'Cmnd_Run_Click', argument });
    if (reply.study) showStudy(reply.study);
    return reply;
  });
}

function setUpConvergence() {
  SecondaryWindows.setUp('ConvergenceWindow', repaintAll);
  $('Cmnd_Run').addEventListener('click', runStudy);
  $('Cmnd_SaveTable').addEventListener('click', () => download(studyCsv, 'convergence.csv', 'text/csv;charset=utf-8'));
  // Values, titles and the legend are what makes the plot readable: a saved picture always has them.
  $('Cmnd_SavePlot').addEventListener('click', () =>
    savePictureChosen('Picture_Convergence', { defaultWidth: 1800, axesFixed: true, fileName: 'convergence' }));
  for (const id of ['Opt_StudyOnScreen', 'Opt_StudyNaca']) $(id).addEventListener('change', showStudyCaption);
  $('Text_StudyNaca').addEventListener('input', showStudyCaption);
  new ResizeObserver(() => repaintAll()).observe($('Picture_Convergence'));
}
