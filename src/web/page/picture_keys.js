// The pictures for the keyboard and screen readers: each is focusable, says what it shows, and
// opens its picture menu with Enter, Shift+F10 or the context-menu key; a long press opens it by
// touch. The menu itself is the one a right-click opens (pictures.js).
'use strict';

// What each picture shows, for a screen reader; the airfoil's name follows once one is read.
const kPictureTexts = {
  Picture_Airfoil: 'Picture of the airfoil: upper and lower surfaces',
  Picture_Camber: 'Picture of the camber line, with the least-squares polynomial when fitted',
  Picture_Load: 'Picture of the chordwise load distribution',
  Picture_Cmx: 'Picture of the moment coefficient about the reference point against xM/c',
  Picture_CL: 'Picture of the lift coefficient against the angle of attack',
};
// A press held this long without moving opens the picture menu, as on a phone's own apps.
const kLongPressMilliseconds = 550;
const kLongPressSlop = 10;

function describePictures() {
  const airfoil = $('Lbl_Airfoil')?.textContent.trim();
  for (const canvas of document.querySelectorAll('.picture > canvas')) {
    const text = kPictureTexts[canvas.id] || `Picture ${canvas.id.replace(/^Picture_/, '')}`;
    canvas.setAttribute('aria-label', airfoil ? `${text}, ${airfoil}` : text);
  }
}

// Opens the picture menu of `canvas` at a point of the screen, through the same event a right
// click sends.
function openPictureMenuAt(canvas, x, y) {
  canvas.dispatchEvent(new MouseEvent('contextmenu', { bubbles: true, cancelable: true, clientX: x, clientY: y }));
  const menu = $('pictureMenu');
  if (menu.hidden) return;
  // Kept on screen, whatever the size of the screen.
  const box = menu.getBoundingClientRect();
  menu.style.left = `${Math.max(0, Math.min(x, window.innerWidth - box.width))}px`;
  menu.style.top = `${Math.max(0, Math.min(y, window.innerHeight - box.height))}px`;
}

function openPictureMenuByKey(canvas) {
  const box = canvas.getBoundingClientRect();
  openPictureMenuAt(canvas, box.left + box.width / 2, box.top + box.height / 2);
  const first = $('pictureMenu').querySelector('.menu-item');
  if (first) first.focus();
  pictureWithMenu = canvas;
}

let pictureWithMenu = null;

function watchLongPress(canvas) {
  let press = null;
  let opened = false;  // the finger lifting after a long press is no click that closes the menu
  const cancel = () => {
    if (press) clearTimeout(press.timer);
    press = null;
  };
  canvas.addEventListener('pointerdown', (event) => {
    if (event.pointerType === 'mouse') return;
    cancel();
    opened = false;
    const { clientX: x, clientY: y } = event;
    press = {
      x, y, timer: setTimeout(() => {
        press = null;
        opened = true;
        openPictureMenuAt(canvas, x, y);
      }, kLongPressMilliseconds),
    };
  });
  canvas.addEventListener('click', (event) => {
    if (!opened) return;
    opened = false;
    event.stopPropagation();
  });
  // The browser's own long press opens the same menu; one is enough.
  canvas.addEventListener('contextmenu', () => cancel());
  canvas.addEventListener('pointermove', (event) => {
    if (press && Math.hypot(event.clientX - press.x, event.clientY - press.y) > kLongPressSlop) cancel();
  });
  for (const end of ['pointerup', 'pointercancel', 'pointerleave']) canvas.addEventListener(end, cancel);
}

function setUpPictureKeys() {
  for (const canvas of document.querySelectorAll('.picture > canvas')) {
    canvas.tabIndex = 0;
    canvas.setAttribute('role', 'img');
    canvas.addEventListener('keydown', (event) => {
      const opens = event.key === 'Enter' || event.key === 'ContextMenu' || (event.key === 'F10' && event.shiftKey);
      if (!opens) return;
      event.preventDefault();
      openPictureMenuByKey(canvas);
    });
    watchLongPress(canvas);
    // The browser's own menu of a long press would hide the picture menu.
    canvas.style.webkitTouchCallout = 'none';
  }
  describePictures();
  const label = $('Lbl_Airfoil');
  if (label) new MutationObserver(describePictures).observe(label, { childList: true, characterData: true, subtree: true });
  // Closed from the keyboard: back to the picture it was opened on.
  $('pictureMenu').addEventListener('menuclosed', () => {
    if (pictureWithMenu) pictureWithMenu.focus();
    pictureWithMenu = null;
  });
  $('pictureMenu').addEventListener('click', () => {
    if (pictureWithMenu) pictureWithMenu.focus();
    pictureWithMenu = null;
  });
}
