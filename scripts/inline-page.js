// Puts the page into one HTML file that works from file:// as well: the style sheet and scripts
// inline, and the worker (module loader, module code in base64, worker script) as an inline
// script the page starts from a blob.
// usage: node inline-page.js PAGE_FOLDER OUTPUT_HTML
'use strict';
const fs = require('node:fs');
const path = require('node:path');

const [folder, output] = process.argv.slice(2);
const read = (name) => fs.readFileSync(path.join(folder, name), 'utf8');
// Inline scripts must not end their own element early.
const safe = (code) => code.replace(/<\/script/gi, '<\\/script');

const workerCode = [
  read('vantrel.js'),
  `var vantrelWasmBase64 = "${fs.readFileSync(path.join(folder, 'vantrel.wasm')).toString('base64')}";`,
  read('worker.js'),
].join('\n');

let html = read('index.html');
// Opened from a file there is no app to install: the manifest and its icon stay behind.
html = html.replace(/<link rel="(manifest|apple-touch-icon)"[^>]*>\n?/g, '');
html = html.replace('<link rel="stylesheet" href="page.css">', () => `<style>\n${read('page.css')}</style>`);
// The worker's script goes before the page's own, which start it as they load.
let workerPlaced = false;
html = html.replace(/<script src="([\w.]+\.js)"><\/script>/g, (tag, script) => {
  const inline = `<script>\n${safe(read(script))}</script>`;
  if (workerPlaced) return inline;
  workerPlaced = true;
  return `<script id="inlineWorker" type="text/js-worker">\n${safe(workerCode)}</script>\n${inline}`;
});
fs.writeFileSync(output, html);
