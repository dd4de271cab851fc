// Every screen besides the designed one: where the form at its designed aspect would make its
// text smaller than 12 CSS px, or on a touch screen, its blocks (the pictures and frames the form
// holds) go one under another, in two columns as the form has them or, on a narrow screen, in one;
// pictures keep their aspect at the column's width and frames let their controls flow. The
// classes say which: body.stacked, body.one-column, body.coarse.
'use strict';

const kSmallestTextPixels = 12;
const kOneColumnBelow = 700;  // CSS px of the page's width
const kRightColumnTwips = 6240;  // where the designed form's right column starts
const kGap = 8;

const coarsePointer = matchMedia('(pointer: coarse)');

function wantsStackedLayout(designedTextPixels) {
  return coarsePointer.matches || designedTextPixels < kSmallestTextPixels;
}

function clearPlacement(element) {
  for (const side of ['left', 'top', 'width', 'height']) element.style[side] = '';
}

function leaveStackedLayout() {
  document.body.classList.remove('stacked', 'one-column');
}

// The form's blocks in each column, top to bottom as designed; panels float over them.
function columnsOfBlocks(count) {
  const blocks = [...$('Form1').children].filter((e) => e.dataset.twips && !e.classList.contains('panel'));
  const columns = Array.from({ length: count }, () => []);
  for (const block of blocks) columns[count === 1 || twipsOf(block)[0] < kRightColumnTwips ? 0 : 1].push(block);
  for (const column of columns) column.sort((a, b) => twipsOf(a)[1] - twipsOf(b)[1]);
  return columns;
}

// A picture at the column's width and its designed aspect.
function placePicture(picture, left, top, width) {
  const [, , twipsWidth, twipsHeight] = twipsOf(picture);
  picture.style.left = `${left}px`;
  picture.style.top = `${top}px`;
  picture.style.width = `${width}px`;
  picture.style.height = `${Math.round((width * twipsHeight) / twipsWidth)}px`;
  for (const label of picture.querySelectorAll('[data-twips]')) clearPlacement(label);
  return picture.offsetHeight;
}

// A frame at the column's width, as tall as its controls need.
function placeFrame(frame, left, top, width) {
  clearPlacement(frame);
  frame.style.left = `${left}px`;
  frame.style.top = `${top}px`;
  frame.style.width = `${width}px`;
  for (const control of frame.querySelectorAll('[data-twips]')) clearPlacement(control);
  return frame.offsetHeight;
}

function layOutStacked(surface) {
  document.body.classList.add('stacked');
  document.body.classList.toggle('coarse', coarsePointer.matches);
  const width = surface.clientWidth;
  const count = width < kOneColumnBelow ? 1 : 2;
  document.body.classList.toggle('one-column', count === 1);
  const form = $('Form1');
  clearPlacement(form);
  form.style.fontSize = '';
  // The columns share the width as the designed form's two columns do.
  const room = width - kGap * (count + 1);
  const leftShare = count === 1 ? 1 : 6045 / (6045 + 3135);
  const widths = count === 1 ? [room] : [Math.round(room * leftShare), room - Math.round(room * leftShare)];
  let bottom = 0;
  columnsOfBlocks(count).forEach((blocks, column) => {
    const left = kGap + (column === 0 ? 0 : widths[0] + kGap);
    let top = kGap;
    for (const block of blocks) {
      const place = block.classList.contains('picture') ? placePicture : placeFrame;
      top += place(block, left, top, widths[column]) + kGap;
    }
    bottom = Math.max(bottom, top);
  });
  form.style.left = '0px';
  form.style.top = '0px';
  form.style.width = `${width}px`;
  form.style.height = `${bottom}px`;
  document.body.style.setProperty('--surface-top', `${Math.round(surface.getBoundingClientRect().top)}px`);
  for (const panel of form.querySelectorAll(':scope > .panel')) {
    clearPlacement(panel);
    for (const control of panel.querySelectorAll('[data-twips]')) clearPlacement(control);
  }
  // About at a size whose smallest text is 12 px, within the page's width.
  scale = Math.min(Math.max((width - 2 * kGap) / (4275 / kTwipsPerPixel), 1.1), 1.6);
}

function setUpScreens() {
  coarsePointer.addEventListener('change', () => layOut());
}
