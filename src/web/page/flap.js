// Analysis › Plain Flap…: the hinge and the deflection, Apply through the window's handler, and
// after a deflected flap the reminder and the whole flapped mean line beside the one read.
'use strict';

function applyFlap() {
  const argument = JSON.stringify({ hinge: $('Text_Hinge').value, deflection: $('Text_Deflection').value });
  return handler('Cmnd_FlapApply_Click', argument);
}

// What the session says of the flap after any action, Cancel's replay included.
function showFlapState(lessons) {
  for (const element of [$('Lbl_FlapNote'), $('Lbl_FlapPicture'), $('Picture_Flap').parentElement]) {
    element.hidden = !lessons.flapShown;
  }
}

function setUpFlap() {
  SecondaryWindows.setUp('PlainFlapPanel', repaintAll);
  $('Cmnd_FlapApply').addEventListener('click', applyFlap);
  // Apply is the panel's default button.
  for (const box of ['Text_Hinge', 'Text_Deflection']) {
    $(box).addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      applyFlap();
    });
  }
}

function openFlapPanel() {
  SecondaryWindows.show('PlainFlapPanel');
  $('Text_Hinge').focus();
}
