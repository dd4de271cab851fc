// Served over http(s), the page keeps its files with a service worker (sw.js) and can be
// installed as an app (manifest.webmanifest). Opened from a file there is no service worker,
// and none is needed: the one-file page carries everything.
'use strict';

function setUpOffline() {
  if (!('serviceWorker' in navigator) || !/^https?:$/.test(location.protocol)) return;
  navigator.serviceWorker.register('sw.js').then(
      () => { document.body.dataset.offlineReady = 'registered'; },
      (error) => console.warn(`The page cannot keep its files for use offline: ${error.message}`));
}
