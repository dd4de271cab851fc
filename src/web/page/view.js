// View › Axes and values: tick values and axis titles on the five pictures, remembered between
// visits in the browser's storage for this page.
'use strict';

const kAxesSetting = 'qeb-vantrel.view.axesAndValues';

// Storage may be refused (a private window, a page from a file in some browsers): the choice then
// lasts as long as the page.
function rememberedAxes() {
  try {
    return localStorage.getItem(kAxesSetting) === 'true';
  } catch (refused) {
    return false;
  }
}

function rememberAxes(shown) {
  try {
    localStorage.setItem(kAxesSetting, String(shown));
  } catch (refused) {
    // Kept for this visit only.
  }
}

function showAxesChoice(shown) {
  $('Mn_Axes').setAttribute('aria-checked', String(shown));
  $('Mn_Axes').classList.toggle('checked', shown);
}

function toggleAxes() {
  const shown = !axesShown;
  rememberAxes(shown);
  showAxesChoice(shown);
  return setAxesShown(shown);
}

function setUpView() {
  const shown = rememberedAxes();
  showAxesChoice(shown);
  axesShown = shown;
}
