// The page as unpacked from its archive, served from a sub-folder as a department's web space
// would serve it, and its one-file version opened from the disk; each must compute what the
// native batch tool computes.
// usage: node web_archive_test.js UNPACKED_FOLDER PAGE_SUBFOLDER NATIVE_BATCH SAMPLES_FOLDER
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const { serve, launch } = require('../web/browser.js');

const [unpacked, subfolder, batchTool, samples] = process.argv.slice(2);
const kTextBoxes = ['Text_Alfa0', 'Text_CmAC', 'Text_CL', 'Text_Cmx', 'Text_Alfa', 'Text_xM', 'Text_N'];

let server;
let browser;

function batchTexts(actions) {
  const folder = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-archive-'));
  const result = spawnSync(batchTool, ['--workdir', folder, '--json', ...actions]);
  fs.rmSync(folder, { recursive: true, force: true });
  assert.equal(result.status, 0, result.stderr.toString());
  const json = JSON.parse(result.stdout.toString('utf8'));
  return Object.fromEntries(kTextBoxes.map((box) => [box, json[box]]));
}

// Opens `url`, failing on any page error or any request the page cannot have.
async function openPage(url) {
  const page = await browser.context.newPage();
  const failed = [];
  page.on('pageerror', (error) => failed.push(`page error: ${error.message}`));
  page.on('requestfailed', (request) => failed.push(`${request.url()}: ${request.failure().errorText}`));
  page.on('response', (response) => {
    if (response.status() >= 400) failed.push(`${response.url()}: HTTP ${response.status()}`);
  });
  await page.goto(url);
  const settled = () => page.waitForFunction(
    () => document.body.dataset.ready === 'true' && document.body.dataset.pending === '0');
  await settled();
  return { page, failed, settled };
}

async function runSample({ page, settled }, sample, menus) {
  await page.click('#Mn_Airfoil');
  await page.selectOption('#File1', sample);
  await settled();
  for (const id of menus) await page.click(`#${id}`);
  await settled();
  const shown = {};
  for (const box of kTextBoxes) shown[box] = await page.inputValue(`#${box}`);
  return shown;
}

test.before(async () => {
  server = await serve(unpacked);
  browser = await launch();
});

test.after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
});

test('the served page loads from a sub-folder and computes', async () => {
  // Everything the installed, offline page needs is in the archive.
  for (const name of ['manifest.webmanifest', 'sw.js', 'icon.svg', 'icon-192.png', 'icon-512.png']) {
    assert.ok(fs.existsSync(path.join(unpacked, subfolder, name)), `${name} is in the archive`);
  }
  const opened = await openPage(`${server.url}${subfolder}/`);
  assert.equal(await opened.page.title(), 'QEB-Vantrel - Numerical Applications of Thin Airfoil Theory');
  const shown = await runSample(opened, 'naca2412.nca', ['Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical']);
  assert.deepEqual(shown, batchTexts(['open', path.join(samples, 'naca2412.nca'), 'numerical']));
  assert.deepEqual(opened.failed, []);
});

test('the one-file page works from the unpacked folder on the disk', async () => {
  const opened = await openPage(`file://${path.join(unpacked, subfolder, 'standalone.html')}`);
  const shown = await runSample(opened, 'parabola.nca', ['Mn_Analysis', 'Mn_LumpVM']);
  assert.deepEqual(shown, batchTexts(['open', path.join(samples, 'parabola.nca'), 'vortex']));
  assert.deepEqual(opened.failed, []);
});
