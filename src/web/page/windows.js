// The page's secondary windows, beside the main window as the desktop's lesson windows are: each
// floats over the page, moves by its title bar, comes to the front when touched, and closes by
// its ✕, a "Close" button, or Escape (the one in front first). A window is a
// <div class="window" id="NAME" role="dialog" hidden> holding a .window-title with a
// .window-close button and a .window-body.
'use strict';

const SecondaryWindows = (() => {
  const shown = [];  // the open windows, the one in front last
  const onShow = new Map();  // id -> what to do each time the window opens
  let nextZ = 60;

  function toFront(element) {
    element.style.zIndex = String(++nextZ);
    const at = shown.indexOf(element);
    if (at >= 0) shown.splice(at, 1);
    shown.push(element);
  }

  // Inside the page as far as it fits, its title bar always.
  function keepInside(element) {
    const left = Math.max(0, Math.min(element.offsetLeft, innerWidth - element.offsetWidth));
    const top = Math.max(0, Math.min(element.offsetTop, innerHeight - element.offsetHeight));
    element.style.left = `${left}px`;
    element.style.top = `${top}px`;
  }

  // The first time, a window opens a little below and right of the one opened before it; after
  // that where the user left it, moved in when the page has become smaller.
  function place(element) {
    if (!element.dataset.placed) {
      element.dataset.placed = 'true';
      const offset = 24 * (document.querySelectorAll('.window[data-placed]').length - 1);
      element.style.left = `${80 + offset}px`;
      element.style.top = `${60 + offset}px`;
    }
    keepInside(element);
  }

  function show(id) {
    const element = $(id);
    const opening = element.hidden;
    element.hidden = false;
    place(element);
    toFront(element);
    if (opening) (onShow.get(id) || (() => {}))();
    return element;
  }

  function close(id) {
    const element = $(id);
    element.hidden = true;
    const at = shown.indexOf(element);
    if (at >= 0) shown.splice(at, 1);
  }

  function isOpen(id) {
    return !$(id).hidden;
  }

  function drag(element, title) {
    title.addEventListener('pointerdown', (event) => {
      if (event.target.closest('button')) return;
      const start = { x: event.clientX, y: event.clientY, left: element.offsetLeft, top: element.offsetTop };
      title.setPointerCapture(event.pointerId);
      const move = (moved) => {
        const left = start.left + moved.clientX - start.x;
        const top = start.top + moved.clientY - start.y;
        // The title bar stays within reach.
        element.style.left = `${Math.max(40 - element.offsetWidth, Math.min(innerWidth - 40, left))}px`;
        element.style.top = `${Math.max(0, Math.min(innerHeight - title.offsetHeight, top))}px`;
      };
      const stop = () => {
        title.removeEventListener('pointermove', move);
        title.removeEventListener('pointerup', stop);
        title.removeEventListener('pointercancel', stop);
      };
      title.addEventListener('pointermove', move);
      title.addEventListener('pointerup', stop);
      title.addEventListener('pointercancel', stop);
    });
  }

  // `opened` runs each time the window opens (to repaint its pictures at their size, say).
  function setUp(id, opened) {
    const element = $(id);
    if (opened) onShow.set(id, opened);
    element.addEventListener('pointerdown', () => toFront(element));
    for (const button of element.querySelectorAll('.window-close, .window-dismiss')) {
      button.addEventListener('click', () => close(id));
    }
    drag(element, element.querySelector('.window-title'));
  }

  addEventListener('resize', () => { for (const element of shown) keepInside(element); });

  // Escape closes the window in front, unless a modal box, a menu or the picture menu has it.
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape' || !shown.length) return;
    if (document.querySelector('dialog[open]') || document.querySelector('#menuBar .open')) return;
    if (!$('pictureMenu').hidden) return;
    close(shown[shown.length - 1].id);
  });

  return { setUp, show, close, isOpen };
})();
