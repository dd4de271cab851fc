// Thickness and Pressure: the panel method beside thin-airfoil theory for the airfoil on screen.
// The worker solves it once and keeps the solution; the window follows the main window's α after
// every action by sums alone, and solves again once another airfoil has been read.
'use strict';

const panelOpen = () => SecondaryWindows.isOpen('PanelWindow');

function panelPictureSize() {
  const [width, height] = backingSize($('Picture_Pressure'));
  return { width, height, scale: designScale('Picture_Pressure', width, height) };
}

// Runs in turn with the window's actions, so the table is taken at the α they leave.
function panelStep(step) {
  document.body.dataset.pending = String(++actionsPending);
  actionChain = actionChain.then(step).catch((error) => {
    console.error(error);
    return showMessages([`The page could not complete "Thickness and Pressure": ${error.message}`]);
  }).finally(actionShown);
  return actionChain;
}

async function computePanel(open) {
  // The window opens first, so that its picture has a size to be solved for.
  if (open) SecondaryWindows.show('PanelWindow');
  const { panel } = await ask('panel', { open, ...panelPictureSize() });
  if (panel.panel === null) {
    // Nothing to show for this airfoil: the messages say why.
    SecondaryWindows.close('PanelWindow');
  } else {
    showPanel(panel.panel);
  }
  return showMessages(panel.messages);
}

function showPanel(lesson) {
  $('Lbl_PanelCaption').textContent = lesson.caption;
  $('Table_Panel').tBodies[0].replaceChildren(...lesson.rows.map((cells) => {
    const tr = document.createElement('tr');
    cells.forEach((text, i) => { tr.insertCell().textContent = text; if (i > 0) tr.cells[i].className = 'number'; });
    return tr;
  }));
  $('PanelWindow').dataset.alfa = $('Text_Alfa').value;
  const canvas = $('Picture_Pressure');
  const { width, height } = panelPictureSize();
  if (width < 1 || height < 1) return;
  canvas.width = width;
  canvas.height = height;
  Painter.paint(canvas.getContext('2d'), lesson.picture, width, height);
}

function openPanelWindow() {
  panelStep(() => computePanel(true));
}

// Called after each of the main window's actions.
function followAlfaInPanel() {
  if (panelOpen()) panelStep(() => computePanel(false));
}

function setUpPanel() {
  SecondaryWindows.setUp('PanelWindow');
  new ResizeObserver(() => followAlfaInPanel()).observe($('Picture_Pressure'));
}
