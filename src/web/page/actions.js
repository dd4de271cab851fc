// Runs the window's handlers in the worker strictly in order, and shows what they leave in the
// controls.
'use strict';

let reports = {};

async function showState(reply) {
  const { state } = reply;
  // What the user typed or chose after this action is on its way to the worker and stays shown.
  for (const box of kTextBoxes) {
    const input = $(box);
    if (!inputAhead.get(box) && input.value !== state.texts[box]) input.value = state.texts[box];
  }
  for (const [name, label] of Object.entries(state.labels)) {
    $(name).textContent = label.caption;
    $(name).hidden = !label.visible;
  }
  framesInSession = { ...state.frames };
  // A panel closed since (Escape) stays closed.
  for (const [frame, shown] of Object.entries(state.frames)) {
    if ($(frame) && !inputAhead.get(frame)) $(frame).hidden = !shown;
  }
  if (!inputAhead.get('ends')) $(state.withEnd ? 'Opt_WithEnd' : 'Opt_WithOutEnd').checked = true;
  const { pictureVersion } = state.lessons;
  revisions = { ...state.revisions, Picture_Flap: pictureVersion, Picture_Convergence: pictureVersion };
  showStatus(state.StatusLine);
  showFlapState(state.lessons);
  reports = reply.reports || reports;
  for (const [name, button] of [['Vantrel.txt', 'Vantrel'], ['Poly5.txt', 'Poly5']]) {
    $(`view${button}`).disabled = !reports[name];
    $(`download${button}`).disabled = !reports[name];
  }
  document.body.dataset.fileLoaded = String(state.fileLoaded);
  // How long the module took over the last handler, for the benchmark.
  if (reply.elapsed !== undefined) document.body.dataset.handlerMilliseconds = reply.elapsed.toFixed(1);
  await repaintAll();
  followAlfaInAirfoils();
  followAlfaInPanel();
  actionShown();
  return showMessages(state.messages);
}

// Actions run strictly in order, each after the messages of the one before have been closed.
// The body's data-pending counts those not yet shown, for anyone waiting on the page.
let actionChain = Promise.resolve();
let actionsPending = 0;
document.body.dataset.pending = '0';

function actionShown() {
  actionsPending = Math.max(0, actionsPending - 1);
  document.body.dataset.pending = String(actionsPending);
}

function perform(label, request, onCancelled) {
  document.body.dataset.pending = String(++actionsPending);
  actionChain = actionChain.then(() => busy(request, onCancelled)).then(showState, (error) => {
    console.error(error);
    actionShown();
    return showMessages([`The page could not complete "${label}": ${error.message}`]);
  });
  return actionChain;
}

function handler(name, argument, onCancelled) {
  return perform(name, () => ask('act', { handler: name, argument }), onCancelled);
}

// Typing and option changes take their turn behind the actions before them, as the window takes
// its events: CALCULATE clicked before "Without End conditions" is chosen fits with them.
// inputAhead counts, per text box (and 'ends' for the options), the input not yet handed over,
// so the state of an earlier action does not put back what the user has since typed.
const inputAhead = new Map();

function sendInput(key, request) {
  inputAhead.set(key, (inputAhead.get(key) || 0) + 1);
  document.body.dataset.pending = String(++actionsPending);
  actionChain = actionChain.then(request).catch((error) => console.error(error)).finally(() => {
    inputAhead.set(key, inputAhead.get(key) - 1);
    actionShown();
  });
  return actionChain;
}

// Enter in a text box: the handler computes at the typed value and says where the bar goes.
function enterTyped(box, bar) {
  return perform(`${box}_Enter`, async () => {
    const reply = await ask('act', { handler: `${box}_Enter` });
    if (reply.position !== undefined) scrollBars.get(bar).showAt(reply.position);
    return reply;
  });
}
