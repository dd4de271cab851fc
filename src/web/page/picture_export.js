// Saving and copying a picture as the window does: a width (the height keeps the picture's
// proportions) and whether to draw the axes and values, at four times the designed size unless
// the user picks another; lines and text grow with the picture.
'use strict';

const kSmallestSide = 16;
const kLargestSide = 20000;

function exportSize(name, width) {
  const [designWidth, designHeight] = kDesignSize[name];
  const height = Math.min(kLargestSide, Math.max(1, Math.round((width * designHeight) / designWidth)));
  return [width, height];
}

// The picture at this size as PNG bytes or SVG text; null when the browser cannot make an image
// that large.
async function pictureFile(name, width, height, axes, kind) {
  const scale = designScale(name, width, height);
  const penWidth = Math.max(1, scale);
  const { picture } = await ask('picture', { name, width, height, axes, scale });
  if (!picture) return null;
  if (kind === 'svg') return new Blob([Painter.svg(picture, width, height, penWidth)], { type: 'image/svg+xml' });
  const canvas = document.createElement('canvas');
  canvas.width = width;
  canvas.height = height;
  const context = canvas.getContext('2d');
  if (!context) return null;
  Painter.paint(context, picture, width, height, penWidth);
  return new Promise((resolve) => canvas.toBlob(resolve, 'image/png'));
}

// Asks for the format, the width and the axes; none when cancelled. `axesFixed` keeps the axes
// on for a picture that is not readable without them.
function askSaveOptions(defaultWidth, axesFixed) {
  const box = $('SaveOptions');
  $('PictureWidth').value = String(defaultWidth);
  $('WithAxes').checked = true;
  $('WithAxes').disabled = axesFixed;
  return new Promise((resolve) => {
    let chosen = null;
    const save = () => {
      const width = Number($('PictureWidth').value);
      if (!Number.isInteger(width) || width < kSmallestSide || width > kLargestSide) {
        $('PictureWidth').setCustomValidity(`A whole number of pixels from ${kSmallestSide} to ${kLargestSide}.`);
        $('PictureWidth').reportValidity();
        return;
      }
      chosen = { width, axes: $('WithAxes').checked, kind: $('SaveAsSvg').checked ? 'svg' : 'png' };
      box.close();
    };
    const finish = () => {
      $('saveOptionsSave').removeEventListener('click', save);
      box.removeEventListener('close', finish);
      resolve(chosen);
    };
    $('PictureWidth').oninput = () => $('PictureWidth').setCustomValidity('');
    $('saveOptionsSave').addEventListener('click', save);
    box.addEventListener('close', finish);
    box.showModal();
  });
}

async function savePictureChosen(name, { defaultWidth, axesFixed = false, fileName = name } = {}) {
  const options = await askSaveOptions(defaultWidth ?? 4 * kDesignSize[name][0], axesFixed);
  if (!options) return;
  const [width, height] = exportSize(name, options.width);
  const file = await pictureFile(name, width, height, options.axes || axesFixed, options.kind);
  if (!file) {
    await showMessages([`The picture size ${width} x ${height} cannot be used.`]);
    return;
  }
  download(file, `${fileName}.${options.kind}`, file.type);
}

// The clipboard takes an image only where the browser lets a page write one (a secure page, a
// browser that knows ClipboardItem); elsewhere the user is told to save it instead.
async function copyPictureChosen(name) {
  if (!navigator.clipboard || !navigator.clipboard.write || typeof ClipboardItem === 'undefined') {
    await showMessages(['This browser does not let the page put a picture on the clipboard here: ' +
        'use Save Picture… instead.']);
    return;
  }
  const [width, height] = exportSize(name, 4 * kDesignSize[name][0]);
  const axes = axesShown || kLessonPictures.includes(name);
  try {
    const file = pictureFile(name, width, height, axes, 'png');
    await navigator.clipboard.write([new ClipboardItem({ 'image/png': file })]);
    document.body.dataset.copiedPicture = name;
  } catch (error) {
    await showMessages([`The picture could not be copied: ${error.message}`]);
  }
}

function setUpPictureExport() {
  $('saveOptionsCancel').addEventListener('click', () => $('SaveOptions').close());
}
