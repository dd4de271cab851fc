// The menu bar: Analysis with its Vantrel Theory submenu, View with its Language submenu, and
// About.
'use strict';

function closeMenus() {
  for (const open of document.querySelectorAll('#menuBar .open')) open.classList.remove('open');
}

function setUpMenus() {
  const commands = {
    Mn_Airfoil: () => handler('Mn_Airfoil_Click'),
    Mn_Polynomial: () => handler('Mn_Polynomial_Click'),
    Mn_Numerical: () => handler('Mn_Numerical_Click'),
    Mn_LumpVM: () => handler('Mn_LumpVM_Click'),
    Mn_PlainFlap: () => openFlapPanel(),
    Mn_Compare: () => compareMethods(),
    Mn_CompareAirfoils: () => openAirfoilsWindow(),
    Mn_Converge: () => prepareStudy(),
    Mn_Axes: () => toggleAxes(),
    Mn_CopyLink: () => copyLink(),
    Mn_Panel: () => openPanelWindow(),
    Mn_About: () => showAbout(),
  };
  for (const [id, command] of Object.entries(commands)) {
    const item = $(id);
    const run = (event) => {
      event.stopPropagation();
      closeMenus();
      command();
    };
    item.addEventListener('click', run);
    item.addEventListener('keydown', (event) => { if (event.key === 'Enter' || event.key === ' ') run(event); });
  }
  for (const id of ['Mn_Analysis', 'Mn_Vantrel', 'Mn_View', 'Mn_Language']) {
    const item = $(id);
    const topLevel = item.parentElement.id === 'menuBar';
    item.addEventListener('click', (event) => {
      event.stopPropagation();
      if (topLevel && item.classList.contains('open')) closeMenus();
      else {
        if (topLevel) closeMenus();
        item.classList.add('open');
      }
    });
    item.addEventListener('pointerenter', () => {
      if (!topLevel) item.classList.add('open');
      else if (document.querySelector('#menuBar .open') && !item.classList.contains('open')) {
        closeMenus();
        item.classList.add('open');
      }
    });
    item.addEventListener('keydown', (event) => {
      if (event.key === 'Enter' || event.key === 'ArrowDown' || event.key === 'ArrowRight') item.classList.add('open');
      if (event.key === 'Escape') closeMenus();
    });
  }
  // A finger leaves the item as it lifts, before its tap lands on the submenu: only a mouse
  // moving away closes it.
  for (const id of ['Mn_Vantrel', 'Mn_Language']) {
    $(id).addEventListener('pointerleave', (event) => {
      if (event.pointerType === 'mouse') $(id).classList.remove('open');
    });
  }
  document.addEventListener('click', closeMenus);
  document.addEventListener('keydown', (event) => {
    if (event.key !== 'Escape' || document.querySelector('dialog[open]')) return;
    closeMenus();
    $('pictureMenu').hidden = true;
  });
}

function showAbout() {
  const about = $('About');
  about.hidden = false;
  about.style.zIndex = '30';
  layOutAbout();
}
