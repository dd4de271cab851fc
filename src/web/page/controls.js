// The text boxes, the least-squares options and button, the two scroll bars and the dialogs' buttons.
'use strict';

const kTextBoxes = ['Text_Alfa0', 'Text_CmAC', 'Text_CL', 'Text_Cmx', 'Text_Alfa', 'Text_xM', 'Text_N'];

const scrollBars = new Map();

function setUpControls() {
  for (const box of kTextBoxes) {
    $(box).addEventListener('input', () => {
      const text = $(box).value;
      sendInput(box, () => ask('setText', { box, text }));
    });
  }
  for (const option of ['Opt_WithEnd', 'Opt_WithOutEnd']) {
    $(option).addEventListener('change', () => {
      if ($(option).checked) sendInput('ends', () => ask('select', { option }));
    });
  }
  for (const [box, bar] of [['Text_Alfa', 'HScroll_Alfa'], ['Text_xM', 'HScroll_xM']]) {
    $(box).addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      enterTyped(box, bar);
    });
  }
  $('Cmnd_LSQM').addEventListener('click', () => handler('Cmnd_LSQM_Click'));
  // The positions as the handlers read them: α = (value − 100)/10 degrees, xM/c = value/100.
  const meaning = {
    HScroll_Alfa: (value) => `α = ${(value - 100) / 10}°`,
    HScroll_xM: (value) => `xM/c = ${value / 100}`,
  };
  for (const name of ['HScroll_Alfa', 'HScroll_xM']) {
    const bar = new ScrollBar($(name), (value, previous) =>
      handler(`${name}_Change`, value, () => bar.putBackIfAt(value, previous)), meaning[name]);
    scrollBars.set(name, bar);
  }
  $('progressCancel').addEventListener('click', cancelWork);
  $('progressBox').addEventListener('cancel', (event) => {
    event.preventDefault();
    cancelWork();
  });
  $('messageOk').addEventListener('click', () => $('messageBox').close());
  $('aboutClose').addEventListener('click', () => { $('About').hidden = true; });
}
