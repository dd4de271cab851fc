// The page's lessons at 1440×900, each against the native batch tool replaying the same actions:
// the status line, the plain flap, the methods side by side, the convergence study, the NACA
// generator, and the pictures' axes, saving and copying.
// usage: node lessons_page_test.js NATIVE_BATCH PAGE_FOLDER SAMPLES_FOLDER SCREENSHOT_FOLDER
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const { serve, launch } = require('./browser.js');

const [batchTool, pageFolder, samples, screenshots] = process.argv.slice(2).map((p) => path.resolve(p));
const kResults = ['Text_Alfa0', 'Text_CmAC', 'Text_CL', 'Text_Cmx', 'Text_Alfa', 'Text_xM'];
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-lessons-'));
const sample = path.join(samples, 'naca2412.nca');

const batch = (...args) => spawnSync(batchTool, args).stdout.toString('utf8');
const batchActions = (...actions) => batch('--workdir', scratch, ...actions);
const batchJson = (...actions) => JSON.parse(batchActions('--json', ...actions));

let server;
let browser;
let page;

async function settled() {
  await page.waitForFunction(() => document.body.dataset.ready === 'true' && document.body.dataset.pending === '0');
}

async function openPage() {
  page = await browser.context.newPage();
  page.on('pageerror', (error) => assert.fail(`page error: ${error.message}`));
  await page.goto(server.url);
  await settled();
}

async function click(...ids) {
  for (const id of ids) await page.click(`#${id}`);
  await settled();
}

async function readSample(name) {
  await click('Mn_Airfoil');
  await page.selectOption('#File1', name);
  await settled();
}

async function downloaded(id) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(`#${id}`)]);
  return fs.readFileSync(await download.path());
}

// The result boxes, the airfoil's name and the status line, as the batch tool leaves them.
async function expectShownLike(json, label) {
  for (const box of kResults) assert.equal(await page.inputValue(`#${box}`), json[box], `${label}: ${box}`);
  assert.equal(await page.textContent('#Lbl_Airfoil'), json.Lbl_Airfoil, `${label}: airfoil name`);
  assert.equal(await page.getAttribute('#StatusLine', 'title'), json.StatusLine, `${label}: status line`);
  assert.equal(await page.textContent('#StatusLine'), json.StatusLine, `${label}: the status line fits`);
}

async function tableCells(id) {
  return page.$$eval(`#${id} tbody tr`, (rows) => rows.map((row) => [...row.cells].map((c) => c.textContent)));
}

async function screenshotsOf(windowId, name) {
  for (const [width, height] of [[1440, 900], [1024, 768]]) {
    await page.setViewportSize({ width, height });
    await page.waitForFunction(() => document.body.dataset.pending === '0');
    await page.screenshot({ path: path.join(screenshots, `${name}-${width}x${height}.png`) });
  }
  await page.setViewportSize({ width: 1440, height: 900 });
  assert.equal(await page.isVisible(`#${windowId}`), true);
}

test.before(async () => {
  server = await serve(pageFolder);
  browser = await launch({ viewport: { width: 1440, height: 900 } });
  fs.mkdirSync(screenshots, { recursive: true });
});

test.after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

test('the status line follows the actions as the window\'s does', async () => {
  await openPage();
  assert.equal(await page.textContent('#StatusLine'), batchJson('alfa', '0').StatusLine);
  await readSample('naca2412.nca');
  await expectShownLike(batchJson('open', sample), 'after the read');
  await click('Mn_Analysis', 'Mn_LumpVM');
  await page.fill('#Text_Alfa', '6');
  await page.press('#Text_Alfa', 'Enter');
  await settled();
  await expectShownLike(batchJson('open', sample, 'vortex', 'alfa-scroll', '160'), 'after the vortex method and Enter');
});

test('the plain flap: the flapped airfoil, named with no method, then its numbers', async () => {
  await openPage();
  await readSample('naca2412.nca');
  await click('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical', 'Mn_Analysis', 'Mn_PlainFlap');
  await page.fill('#Text_Hinge', '0.7');
  await page.fill('#Text_Deflection', '12');
  await click('Cmnd_FlapApply');
  await expectShownLike(batchJson('open', sample, 'numerical', 'flap', '0.7', '12'), 'after Apply');
  for (const id of ['Lbl_FlapNote', 'Lbl_FlapPicture', 'Picture_Flap']) assert.equal(await page.isVisible(`#${id}`), true, id);
  assert.equal(await page.getAttribute('#Picture_Flap', 'data-axes'), 'true');
  await screenshotsOf('PlainFlapPanel', 'flap');
  await click('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  await expectShownLike(batchJson('open', sample, 'flap', '0.7', '12', 'numerical'), 'numerical integration of the flapped airfoil');
  // Escape closes the panel; a deflection of 0 puts the airfoil back and hides the note.
  await page.keyboard.press('Escape');
  assert.equal(await page.isVisible('#PlainFlapPanel'), false);
  await click('Mn_Analysis', 'Mn_PlainFlap');
  await page.fill('#Text_Deflection', '0');
  await page.press('#Text_Deflection', 'Enter');
  await settled();
  assert.equal(await page.isVisible('#Lbl_FlapNote'), false);
  await expectShownLike(batchJson('open', sample, 'flap', '0.7', '12', 'numerical', 'flap', '0.7', '0'), 'the flap taken back');
});

// Every row as the batch tool computes it, rounded as the window rounds; the CSV byte for byte.
test('Compare Methods on a flapped airfoil: the table, its marks and its CSV', async () => {
  await openPage();
  await readSample('naca2412.nca');
  await page.fill('#Text_Alfa', '3');
  await page.fill('#Text_xM', '0.3');
  await click('Mn_Analysis', 'Mn_PlainFlap');
  await click('Cmnd_FlapApply');
  await click('Mn_Analysis', 'Mn_Compare');
  const actions = ['open', sample, 'alfa', '3', 'xm', '0.3', 'flap', '0.75', '10', 'compare'];
  const expected = batchJson(...actions).compare.rows;
  const shown = await tableCells('Table_Compare');
  assert.equal(shown.length, expected.length);
  const marked = await page.$$eval('#Table_Compare tbody tr', (rows) => rows.map((row) => row.classList.contains('caution')));
  expected.forEach((row, i) => {
    assert.equal(shown[i][0], row.method);
    assert.equal(marked[i], Boolean(row.note), `${row.method}: marked`);
    assert.equal(shown[i].at(-1), row.note ?? '', `${row.method}: note`);
    if (row.message) return assert.equal(shown[i][1], row.message);
    [[row.Alfa0, 3], [row.CmAC, 4], [row.CL, 4], [row.Cmx, 4]].forEach(([value, decimals], column) => {
      const cell = Number(shown[i][1 + column]);
      assert.ok(Math.abs(cell - value) <= 0.5 * 10 ** -decimals * (1 + 1e-9), `${row.method}: ${shown[i][1 + column]} for ${value}`);
      assert.ok(!/\.\d*0$/.test(shown[i][1 + column]), 'no trailing zeros, as the text boxes write numbers');
    });
  });
  assert.ok(marked.some(Boolean), 'a flapped line marks some least-squares rows');
  const csv = batchActions(...actions);
  assert.equal((await downloaded('Cmnd_SaveCompare')).toString('utf8'), csv.slice(csv.indexOf('# ')));
  await screenshotsOf('CompareWindow', 'compare');
});

// Each row of the study as the batch tool's `converge` gives it, to the ten digits shown; Cancel
// of a long run leaves the last table.
test('the Convergence Study: its table, its CSV, its picture, and Cancel', async () => {
  await openPage();
  await readSample('naca2412.nca');
  await page.fill('#Text_Alfa', '2');
  await click('Mn_Analysis', 'Mn_Converge');
  assert.equal(await page.inputValue('#Text_StudyAlfa'), '2');
  await page.fill('#Text_From', '10');
  await page.fill('#Text_To', '160');
  await click('Cmnd_Run');
  const csv = batch('converge', sample, '--from', '10', '--to', '160', '--alfa', '2');
  const rows = csv.split('\n').filter((line) => /^\d/.test(line)).map((line) => line.split(','));
  const shown = await tableCells('Table_Convergence');
  assert.deepEqual(shown.map((cells) => cells[0]), rows.map((cells) => cells[0]), 'N first in each row');
  // Columns: N, then per quantity its value, its difference and its observed order.
  rows.forEach((cells, i) => cells.forEach((text, column) => {
    const at = `N = ${cells[0]}, column ${column}`;
    if (column === 0) return assert.equal(shown[i][0], text, at);
    if (column % 3 !== 0) return assert.equal(Number(shown[i][column]), Number(Number(text).toPrecision(10)), at);
    assert.equal(shown[i][column] === '', text === '', `${at}: an order only where the batch tool has one`);
    if (text !== '') assert.ok(Math.abs(Number(shown[i][column]) - Number(text)) <= 0.0005 + 1e-12, at);
  }));
  const saved = (await downloaded('Cmnd_SaveTable')).toString('utf8');
  const data = (text) => text.split('\n').filter((line) => !line.startsWith('#'));
  assert.deepEqual(data(saved), data(csv), 'the saved table\'s rows are the batch tool\'s');
  assert.equal(await page.getAttribute('#Picture_Convergence', 'data-axes'), 'true');
  await screenshotsOf('ConvergenceWindow', 'convergence');

  await page.fill('#Text_To', '2560');
  await page.click('#Cmnd_Run');
  await page.waitForFunction(() => document.getElementById('progressBox').open &&
      /^Computing… \d+%$/.test(document.getElementById('progressText').textContent));
  await page.click('#progressCancel');
  await settled();
  assert.deepEqual(await tableCells('Table_Convergence'), shown, 'Cancel leaves the last table');
  assert.deepEqual(data((await downloaded('Cmnd_SaveTable')).toString('utf8')), data(csv));
});

test('the NACA generator reads the section the batch tool generates', async () => {
  await openPage();
  await click('Mn_Airfoil');
  await page.fill('#Text_NacaDesignation', '4415');
  await page.fill('#Text_NacaStations', '61');
  await click('Cmnd_NacaGenerate');
  await click('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  const file = path.join(scratch, 'naca4415.nca');
  fs.writeFileSync(file, batch('naca', '4415', '--stations', '61'));
  await expectShownLike(batchJson('open', file, 'numerical'), 'a generated section');
  await click('Mn_Airfoil');
  await page.fill('#Text_NacaDesignation', '9999x');
  await page.click('#Cmnd_NacaGenerate');
  await page.waitForSelector('#messageBox[open]');
  assert.equal(await page.textContent('#messageText'), '"9999x" is not a NACA 4- or 5-digit designation the generator covers.');
  await click('messageOk');
  assert.equal(await page.textContent('#Lbl_Airfoil'), 'NACA 4415', 'the airfoil on screen stays');
});

test('axes and values are remembered; pictures are saved at the chosen width', async () => {
  await openPage();
  await readSample('naca2412.nca');
  await click('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical', 'Mn_View', 'Mn_Axes');
  await page.waitForFunction(() => document.getElementById('Picture_CL').dataset.axes === 'true');
  await page.screenshot({ path: path.join(screenshots, 'axes-1440x900.png') });
  await page.reload();
  await settled();
  assert.equal(await page.getAttribute('#Mn_Axes', 'aria-checked'), 'true', 'remembered');
  await readSample('naca2412.nca');
  await page.waitForFunction(() => document.getElementById('Picture_CL').dataset.axes === 'true');
  await page.click('#Picture_CL', { button: 'right' });
  await page.click('#savePicture');
  assert.equal(await page.inputValue('#PictureWidth'), '836', 'four times the designed width, as the window');
  await page.fill('#PictureWidth', '500');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#saveOptionsSave')]);
  const png = fs.readFileSync(await download.path());
  assert.deepEqual([png.readUInt32BE(16), png.readUInt32BE(20)], [500, 366], 'the height keeps the proportions');

  // Copy Picture puts a PNG of the window's size on the clipboard, where the browser allows it.
  await browser.context.grantPermissions(['clipboard-read', 'clipboard-write'], { origin: server.url });
  await page.click('#Picture_CL', { button: 'right' });
  await page.click('#copyPicture');
  await page.waitForFunction(() => document.body.dataset.copiedPicture === 'Picture_CL');
  const copied = await page.evaluate(async () => {
    const [item] = await navigator.clipboard.read();
    const bitmap = await createImageBitmap(await item.getType('image/png'));
    return [bitmap.width, bitmap.height];
  });
  assert.deepEqual(copied, [836, 612]);

  await click('Mn_View', 'Mn_Axes');
  await page.waitForFunction(() => document.getElementById('Picture_CL').dataset.axes === 'false');
});
