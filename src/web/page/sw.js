// Keeps the page's files, so that after one visit it opens and computes with the network off.
// Each request goes to the network first (a page on a server that is updated shows the update)
// and falls back on the copy kept; every file of the page is kept when the worker is installed,
// and each later answer of the page's own origin replaces its copy.
'use strict';

const kCache = 'qeb-vantrel-page';
// The page's own files (a test checks this list against the page's folder).
const kPageFiles = [
  './', 'index.html', 'page.css', 'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png',
  'painter.js', 'scrollbar.js', 'worker_link.js', 'dom.js', 'worker_client.js', 'progress.js',
  'layout.js', 'screens.js', 'pictures.js', 'picture_keys.js', 'messages.js', 'actions.js',
  'menus.js', 'menu_keys.js', 'escape_closes.js', 'controls.js', 'files.js', 'reports.js',
  'airfoils.js', 'windows.js', 'status.js', 'view.js', 'picture_export.js', 'flap.js', 'compare.js',
  'convergence.js', 'naca.js', 'panel.js', 'language.js', 'lesson_link.js', 'offline.js', 'page.js', 'worker.js', 'vantrel.js',
  'vantrel.wasm',
];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(kCache).then((cache) => cache.addAll(kPageFiles)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(self.clients.claim());
});

// A lesson link's address differs from the page's only in its query: the page is kept once.
function keyOf(request) {
  if (request.mode !== 'navigate') return request;
  const url = new URL(request.url);
  url.search = '';
  return url.href;
}

async function answer(request) {
  const cache = await caches.open(kCache);
  try {
    const response = await fetch(request);
    if (response.ok && response.type === 'basic') await cache.put(keyOf(request), response.clone());
    return response;
  } catch (offline) {
    const kept = await cache.match(request, { ignoreSearch: request.mode === 'navigate' });
    if (kept) return kept;
    throw offline;
  }
}

self.addEventListener('fetch', (event) => {
  const { request } = event;
  if (request.method !== 'GET' || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(answer(request));
});
