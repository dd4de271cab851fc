// The pictures: painted from the worker's display lists at the canvas's device pixels, with the
// axes and values when View › Axes and values is on; saved or copied from their picture menu.
'use strict';

const kPictures = ['Picture_Airfoil', 'Picture_Camber', 'Picture_Load', 'Picture_Cmx', 'Picture_CL'];
// Each picture's size in pixels at the window's designed size; text and markers grow with it.
const kDesignSize = {
  Picture_Airfoil: [400, 100], Picture_Camber: [403, 169], Picture_Load: [401, 169],
  Picture_Cmx: [209, 161], Picture_CL: [209, 153],
  Picture_Flap: [400, 130], Picture_Convergence: [600, 400], Picture_Pressure: [600, 300],
};
// The lesson windows' pictures, which always show their axes.
const kLessonPictures = ['Picture_Flap', 'Picture_Convergence', 'Picture_Pressure'];

const painted = new Map();  // picture name -> "revision@width x height" last painted
let axesShown = false;

function designScale(name, width, height) {
  const [designWidth, designHeight] = kDesignSize[name];
  return Math.min(width / designWidth, height / designHeight);
}

function backingSize(canvas) {
  const ratio = window.devicePixelRatio || 1;
  const box = canvas.getBoundingClientRect();
  return [Math.round(box.width * ratio), Math.round(box.height * ratio)];
}

async function repaint(name, revision) {
  const canvas = $(name);
  const [width, height] = backingSize(canvas);
  // A picture in a closed window is painted when its window opens.
  if (width < 1 || height < 1) return;
  const axes = axesShown || kLessonPictures.includes(name);
  const key = `${revision}@${width}x${height}${axes ? '+axes' : ''}`;
  if (painted.get(name) === key) return;
  painted.set(name, key);
  const scale = designScale(name, width, height);
  const { picture } = await ask('picture', { name, width, height, axes, scale });
  if (painted.get(name) !== key || !picture) return;  // a newer paint is on its way
  if (canvas.width !== width || canvas.height !== height) {
    canvas.width = width;
    canvas.height = height;
  }
  Painter.paint(canvas.getContext('2d'), picture, width, height);
  canvas.dataset.revision = String(revision);
  canvas.dataset.axes = String(axes);
}

let revisions = {};
function repaintAll() {
  return Promise.all([...kPictures, ...kLessonPictures].map((name) => repaint(name, revisions[name] ?? 0)));
}

function setAxesShown(shown) {
  axesShown = shown;
  return repaintAll();
}

function setUpPictureMenu() {
  const menu = $('pictureMenu');
  let target = null;
  for (const name of [...kPictures, ...kLessonPictures]) {
    $(name).parentElement.addEventListener('contextmenu', (event) => {
      event.preventDefault();
      target = name;
      menu.hidden = false;
      menu.style.left = `${event.clientX}px`;
      menu.style.top = `${event.clientY}px`;
      menu.dataset.picture = name;
    });
  }
  $('savePicture').addEventListener('click', () => {
    menu.hidden = true;
    if (target) savePictureChosen(target);
  });
  $('copyPicture').addEventListener('click', () => {
    menu.hidden = true;
    if (target) copyPictureChosen(target);
  });
  document.addEventListener('click', (event) => { if (!menu.contains(event.target)) menu.hidden = true; });
}
