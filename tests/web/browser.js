// Debian's chromium, headless, driven by playwright-core; a local static server for the page.
// Nothing here downloads a browser or reaches beyond 127.0.0.1.
'use strict';

const fs = require('node:fs');
const http = require('node:http');
const os = require('node:os');
const path = require('node:path');

const kChromium = process.env.VANTREL_CHROMIUM || '/usr/bin/chromium';
const kTypes = {
  '.html': 'text/html; charset=utf-8', '.js': 'text/javascript', '.css': 'text/css',
  '.wasm': 'application/wasm', '.json': 'application/json', '.png': 'image/png',
  '.svg': 'image/svg+xml', '.webmanifest': 'application/manifest+json',
};

function loadPlaywright() {
  process.env.PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD = '1';
  return require(path.join(__dirname, '..', '..', 'node_modules', 'playwright-core'));
}

// Serves `root` on 127.0.0.1 at a free port; resolves to { url, close }. Closing ends the
// connections kept open too, so the page finds no server at all.
function serve(root) {
  const server = http.createServer((request, response) => {
    const url = new URL(request.url, 'http://127.0.0.1');
    const file = path.join(root, path.normalize(decodeURIComponent(url.pathname)).replace(/^([/\\])+/, ''));
    const target = url.pathname.endsWith('/') ? path.join(file, 'index.html') : file;
    if (!target.startsWith(root) || !fs.existsSync(target) || fs.statSync(target).isDirectory()) {
      response.writeHead(404);
      response.end();
      return;
    }
    response.writeHead(200, { 'Content-Type': kTypes[path.extname(target)] || 'application/octet-stream' });
    fs.createReadStream(target).pipe(response);
  });
  return new Promise((resolve) => {
    server.listen(0, '127.0.0.1', () => {
      resolve({
        url: `http://127.0.0.1:${server.address().port}/`,
        close: () => {
          server.close();
          server.closeAllConnections();
        },
      });
    });
  });
}

// A fresh profile each time; downloads allowed so the tests can read what the page saves.
async function launch(options = {}) {
  const { chromium } = loadPlaywright();
  const profile = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: kChromium,
    headless: true,
    acceptDownloads: true,
    viewport: options.viewport || { width: 1280, height: 900 },
    deviceScaleFactor: options.deviceScaleFactor || 1,
    hasTouch: Boolean(options.hasTouch),
    isMobile: Boolean(options.isMobile),
    args: ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync'],
  });
  // Every wait is for an event of the page, however slowly a loaded machine brings it; ctest's
  // timeout is the one bound.
  context.setDefaultTimeout(0);
  const close = async () => {
    await context.close();
    fs.rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

module.exports = { kChromium, serve, launch };
