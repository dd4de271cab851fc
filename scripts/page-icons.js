// Renders the page's icon (src/web/page/icon.svg) as the PNG icons an installed page needs,
// icon-192.png and icon-512.png beside it, with Debian's chromium. Run again after changing the
// icon: node scripts/page-icons.js
'use strict';
const fs = require('node:fs');
const path = require('node:path');

process.env.PLAYWRIGHT_SKIP_BROWSER_DOWNLOAD = '1';
const { chromium } = require(path.join(__dirname, '..', 'node_modules', 'playwright-core'));
const folder = path.join(__dirname, '..', 'src', 'web', 'page');

(async () => {
  const svg = fs.readFileSync(path.join(folder, 'icon.svg'), 'utf8');
  const browser = await chromium.launch({ executablePath: process.env.VANTREL_CHROMIUM || '/usr/bin/chromium',
    args: ['--headless', '--no-sandbox', '--disable-gpu'] });
  try {
    for (const size of [192, 512]) {
      const page = await browser.newPage({ viewport: { width: size, height: size } });
      const source = `data:image/svg+xml;base64,${Buffer.from(svg).toString('base64')}`;
      await page.setContent(`<html><body style="margin:0"><img src="${source}" width="${size}" height="${size}"></body></html>`);
      await page.waitForFunction(() => document.images[0].complete);
      await page.screenshot({ path: path.join(folder, `icon-${size}.png`), omitBackground: true });
      await page.close();
    }
  } finally {
    await browser.close();
  }
})();
