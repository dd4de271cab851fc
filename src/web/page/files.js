// The file panel: the bundled samples, a file of the user's chosen or dropped on the page.
'use strict';

async function openFile(file) {
  const bytes = await file.arrayBuffer();
  return perform('Reading', async () => fileReadShown(await ask('open', { name: file.name, bytes }, [bytes]), null));
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
