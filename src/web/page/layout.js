// Places the controls from the window's twips, scaled to fit the page.
'use strict';

const kTwipsPerPixel = 15;
const kDesign = { width: 9540, height: 6960 };
const kFormFontPixels = 8.4;

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

// The form at its designed aspect when its text stays readable and the pointer is fine; else
// the blocks one under another (screens.js).
function layOut() {
  const surface = $('Form1Surface');
  const design = { width: kDesign.width / kTwipsPerPixel, height: kDesign.height / kTwipsPerPixel };
  const fit = Math.max(1e-3, Math.min(surface.clientWidth / design.width, surface.clientHeight / design.height));
  if (wantsStackedLayout(fit * kFormFontPixels)) {
    layOutStacked(surface);
  } else {
    leaveStackedLayout();
    layOutDesigned(surface, design, fit);
  }
  layOutAbout();
  for (const bar of scrollBars.values()) bar.place();
  repaintAll();
}

function layOutDesigned(surface, design, fit) {
  scale = fit;
  const form = $('Form1');
  placeByTwips(form, scale);
  form.style.left = `${Math.max(0, Math.floor((surface.clientWidth - design.width * scale) / 2))}px`;
  form.style.top = `${Math.max(0, Math.floor((surface.clientHeight - design.height * scale) / 2))}px`;
  // The window's 8.25 pt system font is narrower than the fonts a browser has everywhere, so the
  // page's is set smaller, for the captions to fit the controls' designed widths.
  form.style.fontSize = `${kFormFontPixels * scale}px`;
  for (const element of form.querySelectorAll('[data-twips]')) placeByTwips(element, scale);
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
