// Escape closes what is open over the page, as it closes a window's menus and dialogs: an open
// menu first, then the panel or window holding the focus, else the one in front. Found by class
// and role (.panel, .window, role="dialog" outside the modal dialogs), so every panel and window
// of the page closes this way. A panel of the window's own (its frame in the session) is closed
// through the worker, so the session knows it is closed; a lesson window through its own closing.
'use strict';

let framesInSession = {};  // the frames the session shows or hides, by name (from each state)

function closablesShown() {
  return [...document.querySelectorAll('.panel, .window, [role="dialog"]:not(dialog)')]
      .filter((element) => !element.hidden && element.getClientRects().length > 0);
}

// The highest on the screen; of equals, the last in the page.
function inFront(elements) {
  const z = (element) => Number(getComputedStyle(element).zIndex) || 0;
  return elements.reduce((front, element) => (z(element) >= z(front) ? element : front));
}

function closePanel(element) {
  if (element.classList.contains('window')) SecondaryWindows.close(element.id);
  else element.hidden = true;
  if (element.id in framesInSession) {
    framesInSession[element.id] = false;
    sendInput(element.id, () => ask('closeFrame', { frame: element.id }));
  }
  element.dispatchEvent(new CustomEvent('closedbyescape', { bubbles: true }));
}

function escapeCloses(event) {
  if (event.key !== 'Escape' || document.querySelector('dialog[open]')) return;
  // An open menu takes this Escape for itself (menus.js, menu_keys.js).
  if (document.querySelector('#menuBar .open') || document.querySelector('.context-menu:not([hidden])')) return;
  const shown = closablesShown();
  if (!shown.length) return;
  const holding = shown.filter((element) => element.contains(document.activeElement));
  closePanel(inFront(holding.length ? holding : shown));
  // One Escape closes one thing: the windows' own Escape (windows.js) is not to close another.
  event.stopPropagation();
}

function setUpEscape() {
  // Before the menus hear the key, to see whether one was open.
  window.addEventListener('keydown', escapeCloses, true);
}
