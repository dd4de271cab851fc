// The status line under the form: the same line as the window's (which airfoil, which method made
// the numbers in the result boxes, at which angle and reference point), computed by the core.
'use strict';

const kStatusSeparator = '  |  ';
let statusText = '';

// Whole when it fits; else the values in use first, then the method, then the airfoil (which the
// airfoil picture names too), cut at the end. The whole line is the tooltip.
function fitStatus() {
  const element = $('StatusLine');
  element.textContent = statusText;
  element.title = statusText;
  if (element.scrollWidth <= element.clientWidth) return;
  const parts = statusText.split(kStatusSeparator);
  if (parts.length === 3) element.textContent = [parts[1], parts[0], parts[2]].join(kStatusSeparator);
}

function showStatus(line) {
  if (line === statusText && $('StatusLine').title === line) return;
  statusText = line;
  fitStatus();
}

function setUpStatus() {
  new ResizeObserver(() => fitStatus()).observe($('StatusLine'));
}
