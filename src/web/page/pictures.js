// The five pictures: painted from the worker's display lists at the canvas's device pixels, and
// saved as PNG or SVG from their picture menu.
'use strict';

const kPictures = ['Picture_Airfoil', 'Picture_Camber', 'Picture_Load', 'Picture_Cmx', 'Picture_CL'];
// Pictures are saved at the size the batch tool saves them: twice the designed pixels.
const kSavedSize = {
  Picture_Airfoil: [800, 200], Picture_Camber: [806, 338], Picture_Load: [802, 338],
  Picture_Cmx: [418, 322], Picture_CL: [418, 306],
};

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
