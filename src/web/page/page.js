// The main window in the browser: forwards every event to the window's own handlers in the worker
// and shows what they leave in the controls. The other scripts each hold one part of it.
'use strict';

async function start() {
  setUpMenus();
  setUpControls();
  setUpReports();
  setUpPictureMenu();
  setUpPictureExport();
  setUpStatus();
  setUpView();
  setUpFlap();
  setUpCompare();
  setUpConvergence();
  setUpNaca();
  setUpScreens();
  setUpMenuKeys();
  setUpPictureKeys();
  setUpEscape();
  setUpOffline();
  let reply;
  try {
    reply = await ask('start');
  } catch (error) {
    await showMessages([error.message]);
    return;
  }
  setUpFiles(reply.samples);
  setUpAirfoils(reply.samples);
  await setUpLanguages(reply.languages, reply.state.language);
  setUpPanel();
  layOut();
  new ResizeObserver(() => layOut()).observe($('Form1Surface'));
  matchMedia(`(resolution: ${window.devicePixelRatio}dppx)`).addEventListener('change', () => layOut());
  await showState(reply);
  const lesson = lessonOfAddress();
  if (lesson) followLesson(lesson);
  document.body.dataset.ready = 'true';
}

start();
