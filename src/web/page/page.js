// The main window in the browser: places the controls from their twips, forwards every event to
// the window's own handlers in the worker, and shows what they leave in the controls.
'use strict';

const kTwipsPerPixel = 15;
const kDesign = { width: 9540, height: 6960 };
const kPictures = ['Picture_Airfoil', 'Picture_Camber', 'Picture_Load', 'Picture_Cmx', 'Picture_CL'];
const kTextBoxes = ['Text_Alfa0', 'Text_CmAC', 'Text_CL', 'Text_Cmx', 'Text_Alfa', 'Text_xM', 'Text_N'];
// Pictures are saved at the size the batch tool saves them: twice the designed pixels.
const kSavedSize = {
  Picture_Airfoil: [800, 200], Picture_Camber: [806, 338], Picture_Load: [802, 338],
  Picture_Cmx: [418, 322], Picture_CL: [418, 306],
};
const kFormFontPixels = 8.4;
const $ = (id) => document.getElementById(id);

// --- The worker ---------------------------------------------------------------------------

function startWorker() {
  const inline = document.getElementById('inlineWorker');
  if (inline) {
    const blob = new Blob([inline.textContent], { type: 'text/javascript' });
    return new Worker(URL.createObjectURL(blob));
  }
  return new Worker('worker.js');
}

const kNoWorker = 'The page cannot start its worker here. Serve the folder (make web-serve) ' +
    'or open standalone.html, which also works from a file.';
const link = new WorkerLink({
  startWorker,
  failure: kNoWorker,
  onProgress: (fraction) => { if (!cancelling) showProgress('Computing…', fraction); },
  onRestore: (fraction) => showProgress('Cancelling…', fraction),
});

function ask(kind, args = {}, transfer = []) {
  return link.ask(kind, args, transfer);
}

// --- Progress and Cancel --------------------------------------------------------------------

// Work shorter than this ends before the progress box would be worth reading.
const kQuietStart = 300;
let progressTimer;
let progressShown = false;
let cancelling = false;

// The fraction done, as the desktop's progress dialog shows it; without one, a moving bar.
function showProgress(caption, fraction) {
  const bar = $('progressBar');
  if (fraction === undefined) {
    bar.removeAttribute('value');
    $('progressText').textContent = caption;
  } else {
    bar.value = fraction;
    $('progressText').textContent = `${caption} ${Math.floor(fraction * 100)}%`;
  }
}

function openProgress() {
  progressShown = true;
  for (const scrollBar of scrollBars.values()) scrollBar.stopRepeating();
  $('progressBox').showModal();
  // Cancel does not keep the focus the box gave it, so a key still being typed cancels nothing.
  $('progressCancel').blur();
}

function cancelWork() {
  if (cancelling || !link.cancel()) return;
  cancelling = true;
  $('progressCancel').disabled = true;
  showProgress('Cancelling…', 0);
}

// An action's work with the progress box shown once it has run for a moment; a cancelled
// action leaves the page showing the state it had before.
async function busy(work, onCancelled) {
  showProgress('Computing…');
  progressTimer = setTimeout(openProgress, kQuietStart);
  document.body.dataset.busy = 'true';
  try {
    return await work();
  } catch (error) {
    if (!(error instanceof Cancelled)) throw error;
    if (onCancelled) onCancelled();
    return await ask('state');
  } finally {
    clearTimeout(progressTimer);
    if (progressShown) $('progressBox').close();
    progressShown = false;
    cancelling = false;
    $('progressCancel').disabled = false;
    delete document.body.dataset.busy;
  }
}

// --- Layout from twips ----------------------------------------------------------------------

let scale = 1;

function twipsOf(element) {
  return element.dataset.twips.split(',').map(Number);
}

function placeByTwips(element, originScale) {
  const [left, top, width, height] = twipsOf(element);
  const px = (twips) => Math.round((twips * originScale) / kTwipsPerPixel);
  // Edges are rounded, not sizes, so neighbouring controls stay flush at any scale.
  element.style.left = `${px(left)}px`;
  element.style.top = `${px(top)}px`;
  element.style.width = `${px(left + width) - px(left)}px`;
  element.style.height = `${px(top + height) - px(top)}px`;
}

function layOut() {
  const surface = $('Form1Surface');
  const design = { width: kDesign.width / kTwipsPerPixel, height: kDesign.height / kTwipsPerPixel };
  scale = Math.max(1e-3, Math.min(surface.clientWidth / design.width, surface.clientHeight / design.height));
  const form = $('Form1');
  placeByTwips(form, scale);
  form.style.left = `${Math.max(0, Math.floor((surface.clientWidth - design.width * scale) / 2))}px`;
  form.style.top = `${Math.max(0, Math.floor((surface.clientHeight - design.height * scale) / 2))}px`;
  // The window's 8.25 pt system font is narrower than the fonts a browser has everywhere, so the
  // page's is set smaller, for the captions to fit the controls' designed widths.
  form.style.fontSize = `${kFormFontPixels * scale}px`;
  for (const element of form.querySelectorAll('[data-twips]')) placeByTwips(element, scale);
  layOutAbout();
  for (const bar of scrollBars.values()) bar.place();
  repaintAll();
}

function layOutAbout() {
  const body = document.querySelector('.about-body');
  const [width, height] = body.dataset.about.split(',').map(Number);
  body.style.width = `${Math.round((width * scale) / kTwipsPerPixel)}px`;
  body.style.height = `${Math.round((height * scale) / kTwipsPerPixel)}px`;
  for (const label of body.querySelectorAll('[data-twips]')) {
    placeByTwips(label, scale);
    label.style.fontSize = `${(Number(label.dataset.pt) * 96 / 72) * scale}px`;
  }
}

// --- Pictures -----------------------------------------------------------------------------

const painted = new Map();  // picture name -> "revision@width x height" last painted

function backingSize(canvas) {
  const ratio = window.devicePixelRatio || 1;
  const box = canvas.getBoundingClientRect();
  return [Math.max(1, Math.round(box.width * ratio)), Math.max(1, Math.round(box.height * ratio))];
}

async function repaint(name, revision) {
  const canvas = $(name);
  const [width, height] = backingSize(canvas);
  const key = `${revision}@${width}x${height}`;
  if (painted.get(name) === key) return;
  painted.set(name, key);
  const { picture } = await ask('picture', { name, width, height });
  if (painted.get(name) !== key) return;  // a newer paint is on its way
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  Painter.paint(canvas.getContext('2d'), picture, width, height);
  canvas.dataset.revision = String(revision);
}

let revisions = {};
function repaintAll() {
  return Promise.all(kPictures.map((name) => repaint(name, revisions[name] ?? 0)));
}

// --- State from the handlers ----------------------------------------------------------------

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
  $('Frame_IOWindow').hidden = !state.frames.Frame_IOWindow;
  $('Frame_LeastSquares').hidden = !state.frames.Frame_LeastSquares;
  if (!inputAhead.get('ends')) $(state.withEnd ? 'Opt_WithEnd' : 'Opt_WithOutEnd').checked = true;
  revisions = state.revisions;
  reports = reply.reports || reports;
  for (const [name, button] of [['Vantrel.txt', 'Vantrel'], ['Poly5.txt', 'Poly5']]) {
    $(`view${button}`).disabled = !reports[name];
    $(`download${button}`).disabled = !reports[name];
  }
  document.body.dataset.fileLoaded = String(state.fileLoaded);
  // How long the module took over the last handler, for the benchmark.
  if (reply.elapsed !== undefined) document.body.dataset.handlerMilliseconds = reply.elapsed.toFixed(1);
  await repaintAll();
  actionShown();
  return showMessages(state.messages);
}

// --- The modal message box ------------------------------------------------------------------

let messageChain = Promise.resolve();

function showMessages(messages) {
  if (messages.length) for (const bar of scrollBars.values()) bar.stopRepeating();
  for (const message of messages) messageChain = messageChain.then(() => showMessage(message));
  return messageChain;
}

function showMessage(message) {
  return new Promise((resolve) => {
    const box = $('messageBox');
    $('messageText').textContent = message;
    const close = () => {
      box.removeEventListener('close', close);
      resolve();
    };
    box.addEventListener('close', close);
    box.showModal();
  });
}

// --- Actions ------------------------------------------------------------------------------

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

async function openFile(file) {
  const bytes = await file.arrayBuffer();
  return perform('Reading', async () => fileReadShown(await ask('open', { name: file.name, bytes }, [bytes]), null));
}

// --- Menus --------------------------------------------------------------------------------

function closeMenus() {
  for (const open of document.querySelectorAll('#menuBar .open')) open.classList.remove('open');
}

function setUpMenus() {
  const commands = {
    Mn_Airfoil: () => handler('Mn_Airfoil_Click'),
    Mn_Polynomial: () => handler('Mn_Polynomial_Click'),
    Mn_Numerical: () => handler('Mn_Numerical_Click'),
    Mn_LumpVM: () => handler('Mn_LumpVM_Click'),
    Mn_About: () => showAbout(),
  };
  for (const [id, command] of Object.entries(commands)) {
    const item = $(id);
    const run = (event) => {
      event.stopPropagation();
      closeMenus();
      command();
    };
    item.addEventListener('click', run);
    item.addEventListener('keydown', (event) => { if (event.key === 'Enter' || event.key === ' ') run(event); });
  }
  for (const id of ['Mn_Analysis', 'Mn_Vantrel']) {
    const item = $(id);
    item.addEventListener('click', (event) => {
      event.stopPropagation();
      if (id === 'Mn_Analysis' && item.classList.contains('open')) closeMenus();
      else item.classList.add('open');
    });
    item.addEventListener('pointerenter', () => {
      if (id === 'Mn_Vantrel' || document.querySelector('#menuBar .open')) item.classList.add('open');
    });
    item.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === 'ArrowDown' || event.key === 'ArrowRight') item.classList.add('open');
      if (event.key === 'Escape') closeMenus();
    });
  }
  // A finger leaves the item as it lifts, before its tap lands on the submenu: only a mouse
  // moving away closes it.
  $('Mn_Vantrel').addEventListener('pointerleave', (event) => {
    if (event.pointerType === 'mouse') $('Mn_Vantrel').classList.remove('open');
  });
  document.addEventListener('click', closeMenus);
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape' || document.querySelector('dialog[open]')) return;
    closeMenus();
    $('pictureMenu').hidden = true;
    $('About').hidden = true;
  });
}

function showAbout() {
  const about = $('About');
  about.hidden = false;
  about.style.zIndex = '30';
  layOutAbout();
}

// --- Controls -----------------------------------------------------------------------------

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

// The sample whose airfoil is on screen; null for none or a file of the user's.
let sampleShown = null;

// The list highlights the airfoil on screen, also after a read that failed.
function fileReadShown(reply, sample) {
  if (reply.read) sampleShown = sample;
  const list = $('File1');
  if (sampleShown) list.value = sampleShown;
  else list.selectedIndex = -1;
  return reply;
}

function readSample(name) {
  return perform('File1_Click', async () =>
    fileReadShown(await ask('act', { handler: 'File1_Click', argument: `/samples/${name}` }), name));
}

function setUpFiles(samples) {
  const list = $('File1');
  for (const name of samples) list.add(new Option(name, name));
  // A click reads the sample clicked, also the one already highlighted (as the window's list
  // does); the keyboard reads each sample it moves to.
  let pointerPicking = false;
  list.addEventListener('pointerdown', () => { pointerPicking = true; });
  list.addEventListener('change', () => {
    if (!pointerPicking && list.value) readSample(list.value);
  });
  list.addEventListener('click', (event) => {
    pointerPicking = false;
    if (event.target instanceof HTMLOptionElement) readSample(event.target.value);
  });
  $('airfoilFile').addEventListener('change', () => {
    const file = $('airfoilFile').files[0];
    if (file) openFile(file);
    $('airfoilFile').value = '';
  });
  let dragDepth = 0;
  window.addEventListener('dragenter', (event) => { event.preventDefault(); dragDepth++; $('dropZone').hidden = false; });
  window.addEventListener('dragleave', () => { if (--dragDepth <= 0) { dragDepth = 0; $('dropZone').hidden = true; } });
  window.addEventListener('dragover', (event) => event.preventDefault());
  window.addEventListener('drop', (event) => {
    event.preventDefault();
    dragDepth = 0;
    $('dropZone').hidden = true;
    const file = event.dataTransfer.files[0];
    if (file) openFile(file);
  });
}

// --- Reports and saved pictures -----------------------------------------------------------

function download(bytes, fileName, type) {
  const url = URL.createObjectURL(new Blob([bytes], { type }));
  const link = document.createElement('a');
  link.href = url;
  link.download = fileName;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(url), 10000);
}

async function reportBytes(name) {
  const { bytes } = await ask('report', { name });
  return bytes;
}

// The reports are Windows-1254 text with CR LF; a very long one is shown in part.
const kShownBytes = 2 * 1024 * 1024;
async function viewReport(name) {
  const bytes = await reportBytes(name);
  if (!bytes) return;
  const shown = bytes.byteLength > kShownBytes ? bytes.slice(0, kShownBytes) : bytes;
  let text = new TextDecoder('windows-1254').decode(shown);
  if (shown !== bytes) text += `\n… (the first 2 MB of ${bytes.byteLength} bytes; download it for the whole file)`;
  $('reportTitle').textContent = name;
  $('reportText').textContent = text;
  $('reportBox').showModal();
}

function setUpReports() {
  for (const [name, button] of [['Vantrel.txt', 'Vantrel'], ['Poly5.txt', 'Poly5']]) {
    $(`view${button}`).addEventListener('click', () => viewReport(name));
    $(`download${button}`).addEventListener('click', async () => {
      const bytes = await reportBytes(name);
      if (bytes) download(bytes, name, 'text/plain;charset=windows-1254');
    });
  }
  $('reportClose').addEventListener('click', () => $('reportBox').close());
}

async function savePicture(name, kind) {
  const [width, height] = kSavedSize[name];
  const { picture } = await ask('picture', { name, width, height });
  if (kind === 'svg') {
    download(Painter.svg(picture, width, height), `${name}.svg`, 'image/svg+xml');
    return;
  }
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  Painter.paint(canvas.getContext('2d'), picture, width, height);
  canvas.toBlob((blob) => download(blob, `${name}.png`, 'image/png'), 'image/png');
}

function setUpPictureMenu() {
  const menu = $('pictureMenu');
  let target = null;
  for (const name of kPictures) {
    $(name).parentElement.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      target = name;
      menu.hidden = false;
      menu.style.left = `${event.clientX}px`;
      menu.style.top = `${event.clientY}px`;
      menu.dataset.picture = name;
    });
  }
  $('savePng').addEventListener('click', () => { menu.hidden = true; if (target) savePicture(target, 'png'); });
  $('saveSvg').addEventListener('click', () => { menu.hidden = true; if (target) savePicture(target, 'svg'); });
  document.addEventListener('click', (event) => { if (!menu.contains(event.target)) menu.hidden = true; });
}

// --- Start ----------------------------------------------------------------------------------

async function start() {
  setUpMenus();
  setUpControls();
  setUpReports();
  setUpPictureMenu();
  let reply;
  try {
    reply = await ask('start');
  } catch (error) {
    await showMessages([error.message]);
    return;
  }
  setUpFiles(reply.samples);
  layOut();
  new ResizeObserver(() => layOut()).observe($('Form1Surface'));
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => layOut());
  await showState(reply);
  document.body.dataset.ready = 'true';
}

start();
