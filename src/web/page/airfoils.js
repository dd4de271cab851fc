// Compare Airfoils: two to eight airfoils side by side. The list is held here and sent whole to
// the worker at every change, which reads each airfoil and returns the table and the three
// overlaid pictures; a Cancel that replaces the worker loses nothing of it. The table follows the
// main window's α after every action.
'use strict';

const kAirfoilPictures = ['Picture_MeanLines', 'Picture_Thickness', 'Picture_LiftLines'];
// The size the pictures are laid out for, and the size they are saved at.
const kAirfoilsDesign = [440, 300];
const kAirfoilsSaved = [880, 600];
const kAirfoilColumns = ['camber', 'x_camber', 'thickness', 'x_thickness', 'Alfa0', 'CmAC', 'CL',
  'panel_CL', 'panel_CLalpha'];
const kAirfoilDecimals = [4, 3, 4, 3, 3, 4, 4, 4, 3];

let airfoilEntries = [];  // { source, bytes?, airfoil? } in the list's order
let airfoilsReply = null;

const airfoilsOpen = () => !$('AirfoilsWindow').hidden;

// Runs in turn with the window's actions, so the table is taken at the α they leave.
function airfoilsStep(label, step) {
  document.body.dataset.pending = String(++actionsPending);
  actionChain = actionChain.then(step).catch((error) => {
    console.error(error);
    return showMessages([`The page could not complete "${label}": ${error.message}`]);
  }).finally(actionShown);
  return actionChain;
}

// A value that rounds to zero shows as zero, without the sign of a tiny negative value.
function cellText(value, decimals) {
  if (value === null) return '';
  const text = value.toFixed(decimals);
  return /^-[0.]*$/.test(text) ? text.slice(1) : text;
}

function pictureSize() {
  const [width, height] = backingSize($(kAirfoilPictures[0]));
  return { width, height, scale: Math.min(width / kAirfoilsDesign[0], height / kAirfoilsDesign[1]) };
}

// Asks for the list as it would be; a refusal (a ninth airfoil, a repeat) keeps the list as it was.
async function computeAirfoils(entries) {
  const { airfoils } = await ask('airfoils', { entries, ...pictureSize() });
  if (airfoils.refused !== null) return showMessages([airfoils.refused]);
  airfoilEntries = entries;
  airfoilsReply = airfoils;
  showAirfoils();
}

function showAirfoils() {
  const reply = airfoilsReply;
  const list = $('List_Airfoils');
  const selected = list.selectedIndex;
  list.replaceChildren(...reply.members.map((member) => {
    const option = new Option(member.read ? member.label : `${member.label} (cannot be read)`);
    option.style.color = `rgb(${member.color.join(',')})`;
    return option;
  }));
  list.selectedIndex = Math.min(selected, list.length - 1);
  const { width, height } = pictureSize();
  for (const name of kAirfoilPictures) {
    const canvas = $(name);
    canvas.width = width;
    canvas.height = height;
    Painter.paint(canvas.getContext('2d'), reply.pictures[name], width, height);
  }
  const body = $('Table_Airfoils').tBodies[0];
  body.replaceChildren(...reply.rows.map((row, i) => {
    const tr = document.createElement('tr');
    const cells = [reply.members[i].label,
      ...kAirfoilColumns.map((column, c) => cellText(row[column], kAirfoilDecimals[c])), row.message];
    for (const text of cells) tr.insertCell().textContent = text;
    return tr;
  }));
  const count = reply.members.length;
  const alfa = $('Text_Alfa').value;
  $('Lbl_AirfoilsCaption').textContent =
    `Thin-airfoil theory by numerical integration at the main window's α (${alfa || 0}°); ` +
    'the panel method on 160 panels.' +
    (count < 2 ? ` Add ${count === 0 ? 'two' : 'one more'} airfoils to compare (8 at most).` : '');
  for (const id of ['Cmnd_RemoveAirfoil', 'Cmnd_SaveAirfoilsTable', 'Cmnd_SaveAirfoilsPicture']) {
    $(id).disabled = count === 0;
  }
  $('AirfoilsWindow').dataset.rows = String(count);
}

function addAirfoils(label, entries) {
  return airfoilsStep(label, async () => computeAirfoils([...airfoilEntries, ...(await entries())]));
}

async function screenEntry() {
  const { airfoil } = await ask('screenAirfoil');
  return airfoil ? [{ source: airfoil.source, airfoil: airfoil.airfoil }] : [];
}

// The table follows the main window's α; called after each of its actions.
function followAlfaInAirfoils() {
  if (airfoilsOpen() && airfoilsReply) airfoilsStep('Compare Airfoils', () => computeAirfoils(airfoilEntries));
}

function openAirfoilsWindow() {
  const window = $('AirfoilsWindow');
  window.hidden = false;
  // The airfoil on screen is offered first: it heads an empty list.
  airfoilsStep('Compare Airfoils', async () =>
    computeAirfoils(airfoilEntries.length ? airfoilEntries : await screenEntry()));
}

async function saveAirfoilsPicture() {
  const name = kAirfoilPictures[$('Combo_AirfoilsPicture').selectedIndex];
  const [width, height] = kAirfoilsSaved;
  const { airfoils } = await ask('airfoils', { entries: airfoilEntries, width, height, scale: width / kAirfoilsDesign[0] });
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  Painter.paint(canvas.getContext('2d'), airfoils.pictures[name], width, height);
  canvas.toBlob((blob) => download(blob, `${name}.png`, 'image/png'), 'image/png');
}

function setUpAirfoils(samples) {
  const combo = $('Combo_Samples');
  for (const name of samples) combo.add(new Option(name, `/samples/${name}`));
  const addNaca = () => addAirfoils('Add NACA', async () => [{ source: $('Text_AirfoilNaca').value.trim() }]);
  $('Cmnd_AddNaca').addEventListener('click', addNaca);
  $('Text_AirfoilNaca').addEventListener('keydown', (event) => { if (event.key === 'Enter') addNaca(); });
  $('Cmnd_AddSample').addEventListener('click', () =>
    addAirfoils('Add Sample', async () => (combo.value ? [{ source: combo.value }] : [])));
  $('Cmnd_AddOnScreen').addEventListener('click', () => addAirfoils('Add the Airfoil on Screen', screenEntry));
  $('Cmnd_AddFile').addEventListener('click', () => $('airfoilsFile').click());
  $('airfoilsFile').addEventListener('change', (event) => {
    const files = [...event.target.files];
    event.target.value = '';
    addAirfoils('Add File', () => Promise.all(files.map(async (file) => ({ source: file.name, bytes: await file.arrayBuffer() }))));
  });
  $('Cmnd_RemoveAirfoil').addEventListener('click', () => {
    const index = $('List_Airfoils').selectedIndex;
    if (index < 0) return;
    airfoilsStep('Remove', () => computeAirfoils(airfoilEntries.filter((_, i) => i !== index)));
  });
  $('Cmnd_SaveAirfoilsTable').addEventListener('click', () => {
    if (airfoilsReply) download(airfoilsReply.csv, 'airfoils.csv', 'text/csv');
  });
  $('Cmnd_SaveAirfoilsPicture').addEventListener('click', () => saveAirfoilsPicture());
  $('airfoilsClose').addEventListener('click', () => { $('AirfoilsWindow').hidden = true; });
  new ResizeObserver(() => { if (airfoilsOpen() && airfoilsReply) followAlfaInAirfoils(); })
    .observe($('Picture_MeanLines'));
}
