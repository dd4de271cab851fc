// The page in Debian's chromium, driven by the controls' names as a student would use it; every
// result is checked against the native batch tool replaying the same actions.
// usage: node page_test.js NATIVE_BATCH PAGE_FOLDER SAMPLES_FOLDER SCREENSHOT_FOLDER
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');
const { serve, launch } = require('./browser.js');

const [batchTool, pageFolder, samples, screenshots] = process.argv.slice(2).map((p) => path.resolve(p));
const kTextBoxes = ['Text_Alfa0', 'Text_CmAC', 'Text_CL', 'Text_Cmx', 'Text_Alfa', 'Text_xM', 'Text_N'];
const kPictures = ['Picture_Airfoil', 'Picture_Camber', 'Picture_Load', 'Picture_Cmx', 'Picture_CL'];
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-page-'));

// --- The batch tool: what the window shows and writes after the same actions ---------------

let batchRuns = 0;
function batchAfter(actions, options = []) {
  const folder = path.join(scratch, `batch-${++batchRuns}`);
  const plots = path.join(folder, 'plots');
  const result = spawnSync(batchTool, ['--workdir', folder, '--json', '--plots', plots, '--axes', ...options, ...actions]);
  const json = JSON.parse(result.stdout.toString('utf8'));
  const read = (name) => (fs.existsSync(path.join(folder, name)) ? fs.readFileSync(path.join(folder, name)) : null);
  return { json, vantrel: read('Vantrel.txt'), poly5: read('Poly5.txt'), plots };
}

// --- The page -------------------------------------------------------------------------------

let server;
let browser;
let page;
const requests = [];

async function settled() {
  await page.waitForFunction(() => document.body.dataset.ready === 'true' && document.body.dataset.pending === '0');
}

async function openPage(url) {
  page = await browser.context.newPage();
  page.on('request', (request) => requests.push(request.url()));
  page.on('pageerror', (error) => assert.fail(`page error: ${error.message}`));
  await page.goto(url);
  await settled();
}

async function menu(...ids) {
  for (const id of ids) await page.click(`#${id}`);
  await settled();
}

async function texts() {
  const shown = {};
  for (const box of kTextBoxes) shown[box] = await page.inputValue(`#${box}`);
  return shown;
}

async function expectTextsLike(batch, label) {
  const expected = Object.fromEntries(kTextBoxes.map((box) => [box, batch.json[box]]));
  assert.deepEqual(await texts(), expected, `${label}: text boxes`);
  assert.equal(await page.textContent('#Lbl_Airfoil'), batch.json.Lbl_Airfoil, `${label}: airfoil name`);
}

async function downloaded(buttonId) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(`#${buttonId}`)]);
  return fs.readFileSync(await download.path());
}

async function chooseFile(file) {
  await menu('Mn_Airfoil');
  await page.setInputFiles('#airfoilFile', file);
  await settled();
}

async function messageShown() {
  await page.waitForSelector('#messageBox[open]');
  const shown = { title: await page.textContent('#messageTitle'), text: await page.textContent('#messageText') };
  const buttons = await page.$$eval('#messageBox button', (all) => all.map((b) => b.textContent));
  assert.deepEqual(buttons, ['OK'], 'the message box has an OK button only');
  await page.click('#messageOk');
  await settled();
  return shown;
}

// The fraction of pixels whose colour differs by more than `threshold` in some channel, after
// both pictures are decoded by the browser itself.
async function differingPixels(pngA, pngB, threshold) {
  return page.evaluate(async ({ a, b, threshold }) => {
    const pixels = async (base64) => {
      const bitmap = await createImageBitmap(await (await fetch(`data:image/png;base64,${base64}`)).blob());
      const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
      const context = canvas.getContext('2d');
      context.drawImage(bitmap, 0, 0);
      return { width: bitmap.width, height: bitmap.height, data: context.getImageData(0, 0, bitmap.width, bitmap.height).data };
    };
    const [x, y] = [await pixels(a), await pixels(b)];
    if (x.width !== y.width || x.height !== y.height) return 1;
    let differing = 0;
    for (let i = 0; i < x.data.length; i += 4) {
      const d = Math.max(Math.abs(x.data[i] - y.data[i]), Math.abs(x.data[i + 1] - y.data[i + 1]),
          Math.abs(x.data[i + 2] - y.data[i + 2]));
      if (d > threshold) ++differing;
    }
    return differing / (x.width * y.height);
  }, { a: pngA.toString('base64'), b: pngB.toString('base64'), threshold });
}

// Saved at the batch tool's size (twice the designed one), with the axes and values its --axes draws.
const kBatchWidth = { Picture_Airfoil: 800, Picture_Camber: 806, Picture_Load: 802, Picture_Cmx: 418, Picture_CL: 418, Picture_Pressure: 1200 };
async function savedPicture(name, kind) {
  await page.click(`#${name}`, { button: 'right' });
  await page.click('#savePicture');
  await page.check(kind === 'png' ? '#SaveAsPng' : '#SaveAsSvg');
  await page.fill('#PictureWidth', String(kBatchWidth[name]));
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#saveOptionsSave')]);
  return fs.readFileSync(await download.path());
}

async function canvasIsPainted(name) {
  return page.$eval(`#${name}`, (canvas) => {
    const { data } = canvas.getContext('2d').getImageData(0, 0, canvas.width, canvas.height);
    let other = 0;
    for (let i = 0; i < data.length; i += 4) if (data[i + 2] > 100 || data[i + 1] < 200) ++other;
    return canvas.width > 0 && other > 50;
  });
}

test.before(async () => {
  server = await serve(pageFolder);
  browser = await launch({ viewport: { width: 1280, height: 900 } });
  fs.mkdirSync(screenshots, { recursive: true });
});

test.after(async () => {
  if (browser) await browser.close();
  if (server) server.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

test('a scroll bar before any airfoil shows the message and computes nothing', async () => {
  await openPage(server.url);
  await page.focus('#HScroll_Alfa');
  await page.keyboard.press('ArrowRight');
  assert.deepEqual(await messageShown(), { title: 'QEB-Vantrel', text: 'Open an airfoil data file' });
  assert.equal(await page.inputValue('#Text_Alfa'), '0');
});

test('every sample read through the file chooser, as the batch tool reads it', async () => {
  await openPage(server.url);
  const sampleFiles = fs.readdirSync(samples).filter((name) => name.endsWith('.nca')).sort();
  assert.deepEqual(await page.$$eval('#File1 option', (all) => all.map((o) => o.value)), sampleFiles);
  for (const sample of sampleFiles) {
    await chooseFile(path.join(samples, sample));
    const batch = batchAfter(['open', path.join(samples, sample)]);
    await expectTextsLike(batch, sample);
    assert.equal(await page.isHidden('#Frame_IOWindow'), true, `${sample}: the file panel closes`);
    assert.ok((await downloaded('downloadVantrel')).equals(batch.vantrel), `${sample}: Vantrel.txt`);
  }
});

test('a whole lesson: least squares at two degrees, both scroll bars, numerical integration, lumped vortex', async () => {
  await openPage(server.url);
  const file = path.join(samples, 'naca2412.nca');
  const actions = ['open', file];
  await chooseFile(file);

  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Polynomial');
  await page.fill('#Text_N', '4');
  await page.check('#Opt_WithOutEnd');
  await page.click('#Cmnd_LSQM');
  await settled();
  actions.push('lsq', '4', 'free');
  await expectTextsLike(batchAfter(actions), 'degree 4 without end conditions');
  assert.equal(await page.textContent('#Lbl_Degree'), '4');

  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Polynomial');
  await page.fill('#Text_N', '2');
  await page.check('#Opt_WithEnd');
  await page.click('#Cmnd_LSQM');
  await settled();
  actions.push('lsq', '2', 'ends');
  await expectTextsLike(batchAfter(actions), 'degree 2 with end conditions');

  // Page steps by keyboard, one computation each; then the arrow steps by one.
  await page.focus('#HScroll_Alfa');
  for (const value of [110, 120, 130]) {
    await page.keyboard.press('PageDown');
    actions.push('alfa-scroll', String(value));
  }
  await settled();
  await page.click('#HScroll_Alfa .arrow.left');
  await settled();
  actions.push('alfa-scroll', '129');
  for (let value = 1; value <= 7; ++value) {
    await page.click('#HScroll_xM .arrow.right');
    actions.push('xm-scroll', String(value));
  }
  await settled();
  let batch = batchAfter(actions);
  await expectTextsLike(batch, 'after the scroll bars');
  assert.equal(await page.inputValue('#Text_Alfa'), '2.9');
  assert.equal(await page.inputValue('#Text_xM'), '0.07');
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'Poly5.txt after the scroll bars');

  // A dragged thumb computes once, on release.
  const thumb = await page.$('#HScroll_Alfa .thumb');
  const box = await thumb.boundingBox();
  await page.mouse.move(box.x + box.width / 2, box.y + box.height / 2);
  await page.mouse.down();
  await page.mouse.move(box.x + box.width / 2 - 40, box.y + box.height / 2, { steps: 5 });
  assert.equal(await page.inputValue('#Text_Alfa'), '2.9', 'nothing computes while the thumb is dragged');
  await page.mouse.up();
  await settled();
  const dropped = await page.getAttribute('#HScroll_Alfa', 'aria-valuenow');
  assert.notEqual(dropped, '129');
  actions.push('alfa-scroll', dropped);
  batch = batchAfter(actions);
  await expectTextsLike(batch, 'after dragging the thumb');
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'Poly5.txt after the drag');

  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  actions.push('numerical');
  batch = batchAfter(actions);
  await expectTextsLike(batch, 'numerical integration');
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'Poly5.txt after numerical integration');
  for (const name of kPictures) assert.ok(await canvasIsPainted(name), `${name} is painted`);
  for (const name of kPictures) {
    const desktop = path.join(batch.plots, `${name}.png`);
    if (!fs.existsSync(desktop)) {
      console.log(`# ${name}: no desktop rendering to compare (a batch tool built without the window)`);
      continue;
    }
    const fraction = await differingPixels(await savedPicture(name, 'png'), fs.readFileSync(desktop), 96);
    console.log(`# ${name}: ${(fraction * 100).toFixed(3)}% of the pixels differ from the desktop painter's`);
    // The values' glyphs come from two font rasterisers (the browser's and the toolkit's); the
    // lines and markers from one pixel mapping.
    assert.ok(fraction < 0.02, `${name}: ${(fraction * 100).toFixed(2)}% of the pixels differ from the desktop painter's`);
  }
  const svg = (await savedPicture('Picture_CL', 'svg')).toString('utf8');
  assert.match(svg, /^<\?xml[\s\S]*<svg[\s\S]*<line /);

  await menu('Mn_Analysis', 'Mn_LumpVM');
  actions.push('vortex');
  batch = batchAfter(actions);
  await expectTextsLike(batch, 'lumped vortex method');
  assert.ok((await downloaded('downloadVantrel')).equals(batch.vantrel), 'Vantrel.txt after the lumped vortex method');
  await page.screenshot({ path: path.join(screenshots, 'lesson-1280x900.png') });

  await page.click('#viewPoly5');
  await page.waitForSelector('#reportBox[open]');
  assert.equal(await page.textContent('#reportText'), new TextDecoder('windows-1254').decode(batch.poly5));
  await page.click('#reportClose');
});

test('a dropped file is read, and About stays open beside the window', async () => {
  await openPage(server.url);
  await page.click('#Mn_About');
  assert.equal(await page.isVisible('#About'), true);
  assert.match(await page.textContent('#About'), /QEB-Vantrel[\s\S]*Last update : November 2009/);
  const file = path.join(samples, 'naca23012.nca');
  const transfer = await page.evaluateHandle((bytes) => {
    const data = new DataTransfer();
    data.items.add(new File([new Uint8Array(bytes)], 'naca23012.nca'));
    return data;
  }, Array.from(fs.readFileSync(file)));
  await page.dispatchEvent('#Form1', 'drop', { dataTransfer: transfer });
  await settled();
  await expectTextsLike(batchAfter(['open', file]), 'dropped file');
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  await expectTextsLike(batchAfter(['open', file, 'numerical']), 'numerical integration with About open');
  await page.click('#Mn_About');
  assert.equal(await page.locator('#About').count(), 1, 'choosing About again opens no second one');
});

test('the degree is capped at 5 with its message', async () => {
  await openPage(server.url);
  const file = path.join(samples, 'naca4412.nca');
  await chooseFile(file);
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Polynomial');
  await page.fill('#Text_N', '7');
  await page.click('#Cmnd_LSQM');
  const message = await messageShown();
  const batch = batchAfter(['open', file, 'lsq', '7']);
  assert.deepEqual(batch.json.messages, [message.text]);
  await expectTextsLike(batch, 'degree 7');
});

test('View › Language: English messages and report headings, remembered for the next visit', async () => {
  await openPage(server.url);
  const checked = () => page.$$eval('#languageChoices [role="menuitemradio"]',
      (all) => all.filter((choice) => choice.getAttribute('aria-checked') === 'true').map((choice) => choice.id));
  assert.deepEqual(await checked(), ['Mn_Language_original'], 'the original texts at first');
  await menu('Mn_View', 'Mn_Language', 'Mn_Language_en');
  assert.deepEqual(await checked(), ['Mn_Language_en']);
  const file = path.join(samples, 'naca4412.nca');
  const lesson = async () => {
    await chooseFile(file);
    await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Polynomial');
    await page.fill('#Text_N', '7');
    await page.click('#Cmnd_LSQM');
    return (await messageShown()).text;
  };
  const batch = batchAfter(['open', file, 'lsq', '7'], ['--lang', 'en']);
  assert.deepEqual([await lesson()], batch.json.messages);
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'the results log in English');
  assert.ok((await downloaded('downloadVantrel')).equals(batch.vantrel), 'the coordinate report in English');

  await openPage(server.url);
  assert.deepEqual(await checked(), ['Mn_Language_en'], 'remembered for the next visit');
  assert.deepEqual([await lesson()], batch.json.messages);
  await menu('Mn_View', 'Mn_Language', 'Mn_Language_original');
  assert.deepEqual([await lesson()], batchAfter(['open', file, 'lsq', '7']).json.messages);
});

test('a bad file shows its message and keeps the previous airfoil and its report', async () => {
  await openPage(server.url);
  const good = path.join(samples, 'naca2412.nca');
  await chooseFile(good);
  const before = await texts();
  const reportBefore = await downloaded('downloadVantrel');
  const bad = path.join(scratch, 'broken.nca');
  fs.writeFileSync(bad, 'Broken\r\n\r\n\r\n0.0 0.0 0.0 zero\r\n');
  await chooseFile(bad);
  const message = await messageShown();
  const batch = batchAfter(['open', bad]);
  assert.deepEqual(batch.json.messages, [message.text]);
  assert.equal(message.title, 'QEB-Vantrel');
  assert.deepEqual(await texts(), before);
  assert.equal(await page.textContent('#Lbl_Airfoil'), 'NACA 2412');
  assert.ok((await downloaded('downloadVantrel')).equals(reportBefore), 'the report of the previous airfoil stays');
});

test('input made while earlier work waits is handled in the order given', async () => {
  await openPage(server.url);
  const file = path.join(samples, 'naca4412.nca');
  await chooseFile(file);
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Polynomial');
  await page.fill('#Text_N', '3');
  // Both reach the page before the worker has answered anything.
  await page.evaluate(() => {
    document.getElementById('Cmnd_LSQM').click();
    document.getElementById('Opt_WithOutEnd').click();
  });
  await settled();
  const actions = ['open', file, 'lsq', '3', 'ends'];
  await expectTextsLike(batchAfter(actions), 'CALCULATE clicked before "Without End conditions"');
  assert.equal(await page.isChecked('#Opt_WithOutEnd'), true, 'the option chosen afterwards stays chosen');

  await page.evaluate(() => {
    const arrow = document.querySelector('#HScroll_Alfa .arrow.right');
    arrow.dispatchEvent(new PointerEvent('pointerdown', { bubbles: true }));
    arrow.dispatchEvent(new PointerEvent('pointerup', { bubbles: true }));
    const box = document.getElementById('Text_Alfa');
    box.value = '4';
    box.dispatchEvent(new Event('input'));
  });
  await settled();
  assert.equal(await page.inputValue('#Text_Alfa'), '4', 'what was typed after the arrow click stays');
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Polynomial');
  await page.click('#Cmnd_LSQM');
  await settled();
  actions.push('alfa-scroll', '101', 'alfa', '4', 'lsq', '3', 'free');
  const batch = batchAfter(actions);
  await expectTextsLike(batch, 'CALCULATE after the typing');
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'Poly5.txt');
});

// Starts the lumped vortex method (long on thousands of panels) and waits until the progress box
// has shown its percentage rise.
async function longWorkUnderWay() {
  await page.click('#Mn_Analysis');
  await page.click('#Mn_LumpVM');
  const percent = () => page.evaluate(() => document.getElementById('progressBox').open &&
      Number(document.getElementById('progressText').textContent.match(/^Computing… (\d+)%$/)?.[1] ?? -1));
  // The box of this run, open: the text alone may still be the last run's.
  await page.waitForFunction(() => document.getElementById('progressBox').open &&
      /^Computing… \d+%$/.test(document.getElementById('progressText').textContent));
  const first = await percent();
  await page.waitForFunction((shown) => Number(document.getElementById('progressText').textContent.match(/\d+/)) > shown, first);
  assert.ok((await percent()) < 100, 'the work is still running');
}

test('Cancel stops long work: everything as before, input sent meanwhile handled once', async () => {
  await openPage(server.url);
  const file = path.join(scratch, 'naca2412_4001.nca');
  fs.writeFileSync(file, spawnSync(batchTool, ['naca', '2412', '--stations', '4001']).stdout);
  await chooseFile(file);
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  const before = { texts: await texts(), vantrel: await downloaded('downloadVantrel'), poly5: await downloaded('downloadPoly5') };

  await longWorkUnderWay();
  await page.screenshot({ path: path.join(screenshots, 'progress-1280x900.png') });
  await page.click('#progressCancel');
  await settled();
  assert.equal(await page.isVisible('#progressBox'), false);
  assert.deepEqual(await texts(), before.texts);
  assert.ok((await downloaded('downloadVantrel')).equals(before.vantrel), 'Vantrel.txt as before');
  assert.ok((await downloaded('downloadPoly5')).equals(before.poly5), 'Poly5.txt as before');

  // A degree typed and CALCULATE pressed while the work runs (as in its first moments, before the
  // box takes the input) come after the Cancel, once, in a session rebuilt as it was.
  await longWorkUnderWay();
  await page.evaluate(() => {
    document.getElementById('Text_N').value = '3';
    document.getElementById('Text_N').dispatchEvent(new Event('input'));
    document.getElementById('Cmnd_LSQM').click();
  });
  await page.keyboard.press('Escape');
  await settled();
  const batch = batchAfter(['open', file, 'numerical', 'lsq', '3']);
  await expectTextsLike(batch, 'after Cancel');
  assert.ok((await downloaded('downloadVantrel')).equals(batch.vantrel), 'Vantrel.txt after Cancel');
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'Poly5.txt after Cancel');
});

test('Cancel keeps only the last file read, and still restores what earlier files left', async () => {
  await openPage(server.url);
  const big = path.join(scratch, 'naca2412_4001.nca');
  if (!fs.existsSync(big)) fs.writeFileSync(big, spawnSync(batchTool, ['naca', '2412', '--stations', '4001']).stdout);
  const kept = () => page.evaluate(() => link.keptFileBytes());
  const read = [];
  for (const sample of ['naca2412.nca', 'naca23012.nca', 'naca4412.nca']) {
    await chooseFile(path.join(samples, sample));
    read.push('open', path.join(samples, sample));
  }
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  await settled();
  read.push('numerical');
  assert.equal(await kept(), fs.statSync(path.join(samples, 'naca4412.nca')).size, 'only the last file is kept');

  // "Poly5.txt" and the typed degree carry over to the next airfoil; a failed read keeps no bytes.
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Polynomial');
  await page.fill('#Text_N', '2');
  await page.check('#Opt_WithOutEnd');
  const bad = path.join(scratch, 'broken-too.nca');
  fs.writeFileSync(bad, 'Broken\r\n\r\n\r\n0.0 0.0 0.0 zero\r\n'.repeat(1000));
  await chooseFile(bad);
  await messageShown();
  await settled();
  assert.equal(await kept(), fs.statSync(path.join(samples, 'naca4412.nca')).size, 'a failed read keeps nothing');
  await chooseFile(big);
  await settled();
  // The batch tool stops at a file it cannot read; the page carries on, as the window does.
  read.push('open', big);
  assert.equal(await kept(), fs.statSync(big).size, 'only the last file is kept');
  const before = { texts: await texts(), vantrel: await downloaded('downloadVantrel'), poly5: await downloaded('downloadPoly5') };
  assert.ok(before.poly5.length > 0);

  await longWorkUnderWay();
  await page.click('#progressCancel');
  await settled();
  assert.deepEqual(await texts(), before.texts);
  assert.ok((await downloaded('downloadVantrel')).equals(before.vantrel), 'Vantrel.txt as before');
  assert.ok((await downloaded('downloadPoly5')).equals(before.poly5), 'Poly5.txt as before, from the earlier airfoil');
  assert.equal(await page.isVisible('#Frame_LeastSquares'), true, 'the panel left open stays open');
  assert.equal(await page.isChecked('#Opt_WithOutEnd'), true, 'the option chosen stays');

  // The rebuilt session goes on as the old one would have: the log grows from what it held.
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  read.push('numerical');
  let batch = batchAfter(read);
  // The degree typed (but not yet used) is the page's own.
  await expectTextsLike({ json: { ...batch.json, Text_N: '2' } }, 'numerical integration after the Cancel');
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'Poly5.txt after the Cancel');
  await page.click('#Cmnd_LSQM');
  await settled();
  batch = batchAfter([...read, 'lsq', '2', 'free']);
  await expectTextsLike(batch, 'CALCULATE after the Cancel');
});

test('Enter in the angle and reference point boxes computes there and moves the bars', async () => {
  await openPage(server.url);
  const file = path.join(samples, 'naca2412.nca');
  await chooseFile(file);
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  await page.fill('#Text_Alfa', '4');
  await page.press('#Text_Alfa', 'Enter');
  await page.fill('#Text_xM', '0.3');
  await page.press('#Text_xM', 'Enter');
  await settled();
  // Enter at a value on the bar's grid is what moving the bar there does.
  const batch = batchAfter(['open', file, 'numerical', 'alfa-scroll', '140', 'xm-scroll', '30']);
  await expectTextsLike(batch, 'after Enter');
  assert.ok((await downloaded('downloadPoly5')).equals(batch.poly5), 'Poly5.txt after Enter');
  assert.equal(await page.getAttribute('#HScroll_Alfa', 'aria-valuenow'), '140');
  assert.equal(await page.getAttribute('#HScroll_Alfa', 'aria-valuetext'), 'α = 4°');
  assert.equal(await page.getAttribute('#HScroll_xM', 'aria-valuetext'), 'xM/c = 0.3');
  // Named as their captions say, for screen readers.
  const snapshot = await page.locator('#Form1').ariaSnapshot();
  for (const name of ['α₀', 'CmAC', 'CL', 'Cmx', 'xM/c', 'α']) assert.ok(snapshot.includes(`textbox "${name}"`), `${name}: ${snapshot}`);
  assert.match(snapshot, /slider "Angle of attack α"/);
  assert.match(snapshot, /slider "Reference point xM\/c"/);
});

test('the samples list reads the highlighted sample again and highlights the airfoil shown', async () => {
  await openPage(server.url);
  await page.click('#Mn_Airfoil');
  await page.click('#File1 option[value="naca4412.nca"]');
  await settled();
  await page.fill('#Text_Alfa0', 'typed over');
  await page.click('#Mn_Airfoil');
  await page.click('#File1 option[value="naca4412.nca"]');
  await settled();
  assert.equal(await page.isHidden('#Frame_IOWindow'), true, 'the panel closes');
  await expectTextsLike(batchAfter(['open', path.join(samples, 'naca4412.nca')]), 'read again');
  const bad = path.join(scratch, 'broken.nca');
  fs.writeFileSync(bad, 'Broken\r\n\r\n\r\n0.0 0.0 0.0 zero\r\n');
  await menu('Mn_Airfoil');
  await page.selectOption('#File1', 'naca2412.nca');
  await settled();
  await chooseFile(bad);
  await messageShown();
  assert.equal(await page.inputValue('#File1'), 'naca2412.nca', 'the airfoil on screen is highlighted');
});

test('by touch the submenu runs its method; Escape closes About', async () => {
  const touch = await launch({ viewport: { width: 1024, height: 768 }, hasTouch: true });
  try {
    const tablet = await touch.context.newPage();
    tablet.on('pageerror', (error) => assert.fail(`page error: ${error.message}`));
    await tablet.goto(server.url);
    await tablet.waitForFunction(() => document.body.dataset.ready === 'true');
    await tablet.tap('#Mn_Airfoil');
    await tablet.selectOption('#File1', 'naca23012.nca');
    await tablet.waitForFunction(() => document.body.dataset.pending === '0' && document.body.dataset.fileLoaded === 'true');
    for (const id of ['Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical']) await tablet.tap(`#${id}`);
    await tablet.waitForFunction(() => document.body.dataset.pending === '0' && document.getElementById('Text_CL').value !== '');
    const batch = batchAfter(['open', path.join(samples, 'naca23012.nca'), 'numerical']);
    assert.equal(await tablet.inputValue('#Text_CL'), batch.json.Text_CL);
    await tablet.tap('#Mn_About');
    assert.equal(await tablet.isVisible('#About'), true);
    await tablet.keyboard.press('Escape');
    assert.equal(await tablet.isVisible('#About'), false, 'Escape closes About');
  } finally {
    await touch.close();
  }
});

test('a small high-density screen: the blocks fit its width, the text is readable, the pictures crisp', async () => {
  const small = await launch({ viewport: { width: 800, height: 600 }, deviceScaleFactor: 2 });
  try {
    const smallPage = await small.context.newPage();
    smallPage.on('request', (request) => requests.push(request.url()));
    await smallPage.goto(server.url);
    await smallPage.waitForFunction(() => document.body.dataset.ready === 'true');
    await smallPage.click('#Mn_Airfoil');
    await smallPage.selectOption('#File1', 'naca4412.nca');
    await smallPage.waitForFunction(() => document.body.dataset.pending === '0' && document.body.dataset.fileLoaded === 'true');
    await smallPage.click('#Mn_Analysis');
    await smallPage.click('#Mn_Vantrel');
    await smallPage.click('#Mn_Numerical');
    await smallPage.waitForFunction(() => document.body.dataset.pending === '0' && document.getElementById('Text_CL').value !== '');
    // Scaled whole, the form's text would be under 12 px: its blocks stand in two columns instead.
    const form = await smallPage.$eval('#Form1', (e) => e.getBoundingClientRect().toJSON());
    assert.ok(form.left >= 0 && form.right <= 800, 'the form fits the window\'s width');
    assert.equal(await smallPage.evaluate(() => document.body.classList.contains('stacked')), true);
    assert.equal(await smallPage.$eval('#Text_CL', (e) => parseFloat(getComputedStyle(e).fontSize) >= 12), true);
    const canvas = await smallPage.$eval('#Picture_CL', (c) => ({ backing: c.width, shown: c.getBoundingClientRect().width }));
    assert.equal(canvas.backing, Math.round(canvas.shown * 2), 'backing store at the device pixel ratio');
    // A line is a CSS pixel wide: two device pixels here.
    const thickness = await smallPage.$eval('#Picture_CL', (c) => {
      const { data, width, height } = c.getContext('2d').getImageData(0, 0, c.width, c.height);
      const x = Math.floor(width / 2);  // down the middle: the axis and the lift line cross it
      const inked = (y) => data[(y * width + x) * 4 + 2] < 100;  // not the pale yellow back
      const runs = [];
      for (let y = 0, run = 0; y <= height; ++y) {
        if (y < height && inked(y)) ++run;
        else if (run) runs.push(run), run = 0;
      }
      return Math.min(...runs);
    });
    assert.ok(thickness >= 2, `lines ${thickness} device pixels wide`);
    await smallPage.screenshot({ path: path.join(screenshots, 'numerical-800x600@2x.png') });
  } finally {
    await small.close();
  }
});

// The batch tool's survey of the same sources, run where a bare file name finds the file.
function batchSurvey(folder, sources, alfa) {
  const result = spawnSync(batchTool, ['survey', ...sources, '--alfa', alfa], { cwd: folder });
  return result.stdout.toString('utf8');
}

function csvFields(line) {
  return [...line.matchAll(/("(?:[^"]|"")*"|[^,]*)(?:,|$)/g)].map((m) => m[1]).slice(0, 12);
}


test('Compare Airfoils: the page\'s table is the batch tool\'s survey of the same airfoils', async () => {
  await openPage(server.url);
  await page.fill('#Text_Alfa', '4');
  await settled();
  await menu('Mn_Analysis', 'Mn_CompareAirfoils');
  const designations = ['0006', '0009', '1412', '2412', '4412'];
  for (const designation of designations) {
    await page.fill('#Text_AirfoilNaca', designation);
    await page.click('#Cmnd_AddNaca');
    await settled();
  }
  const folder = path.join(scratch, 'family');
  fs.mkdirSync(folder, { recursive: true });
  fs.writeFileSync(path.join(folder, 'broken.nca'), 'BROKEN\n\n\n0.0 0.0 0.0 x\n');
  await page.setInputFiles('#airfoilsFile', path.join(folder, 'broken.nca'));
  await page.waitForFunction(() => document.getElementById('AirfoilsWindow').dataset.rows === '6');
  await settled();

  const survey = batchSurvey(folder, [...designations, 'broken.nca'], '4');
  const saved = (await downloaded('Cmnd_SaveAirfoilsTable')).toString('utf8');
  assert.equal(saved, survey);

  const shown = await page.$$eval('#Table_Airfoils tbody tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
  const decimals = [4, 3, 4, 3, 3, 4, 4, 4, 3];
  survey.trim().split('\n').slice(1).forEach((line, i) => {
    const fields = csvFields(line);
    const expected = fields.slice(2, 11).map((value, c) => {
      if (value === '') return '';
      const text = Number(value).toFixed(decimals[c]);
      return /^-[0.]*$/.test(text) ? text.slice(1) : text;
    });
    assert.deepEqual(shown[i].slice(1, 10), expected, `row ${i + 1}`);
    assert.equal(shown[i][10], fields[11].replace(/^"|"$/g, '').replace(/""/g, '"'), `row ${i + 1}: message`);
  });
  assert.match(shown[5][10], /broken\.nca/);
  assert.ok(await canvasIsPainted('Picture_MeanLines'), 'the mean lines are painted');
  await page.screenshot({ path: path.join(screenshots, 'compare-airfoils.png') });

  // The table follows the main window's α after its next action.
  await page.fill('#Text_Alfa', '-2');
  await page.click('#Mn_Airfoil');
  await page.selectOption('#File1', 'naca2412.nca');
  await settled();
  assert.equal((await downloaded('Cmnd_SaveAirfoilsTable')).toString('utf8'),
    batchSurvey(folder, [...designations, 'broken.nca'], '-2'));
});

// The panel method's column as the window writes it: four decimals, no trailing zeros.
const panelCell = (value) => String(Number(value.toFixed(4)));

async function panelTable() {
  return page.$$eval('#Table_Panel tbody tr', (rows) => rows.map((r) => [...r.cells].map((c) => c.textContent)));
}

function expectPanelLike(shown, batch, label) {
  const { panel } = batch.json;
  assert.deepEqual(shown.map((row) => row[0]), ['α_L0 (deg)', 'CmAC', 'CL', 'Lift slope (per rad)'], label);
  assert.equal(shown[0][2], panelCell(panel.Alfa0), `${label}: α_L0`);
  assert.equal(shown[2][2], panelCell(panel.CL), `${label}: CL`);
  assert.equal(shown[3][2], panelCell(panel.CLalpha), `${label}: lift slope`);
}

test('Thickness and Pressure: the page\'s table is the batch tool\'s panel for the same actions', async () => {
  await openPage(server.url);
  const file = path.join(samples, 'naca2412.nca');
  await chooseFile(file);
  await page.fill('#Text_Alfa', '4');
  await menu('Mn_Analysis', 'Mn_Panel');
  assert.equal(await page.isHidden('#PanelWindow'), false);
  expectPanelLike(await panelTable(), batchAfter(['open', file, 'alfa', '4', 'panel']), 'at 4°');
  assert.match(await page.textContent('#Lbl_PanelCaption'), /^NACA 2412 at α = 4°: vortex panel method on 160 panels/);
  assert.ok(await canvasIsPainted('Picture_Pressure'), 'the pressures are painted');
  await page.screenshot({ path: path.join(screenshots, 'panel-window.png') });

  // The table follows the α scroll bar.
  await menu('Mn_Analysis', 'Mn_Vantrel', 'Mn_Numerical');
  await page.fill('#Text_Alfa', '6');
  await page.press('#Text_Alfa', 'Enter');
  await settled();
  expectPanelLike(await panelTable(), batchAfter(['open', file, 'numerical', 'alfa-scroll', '160', 'panel']), 'at 6°');
  assert.equal(await page.getAttribute('#PanelWindow', 'data-alfa'), '6');
  const png = await savedPicture('Picture_Pressure', 'png');
  assert.ok(png.subarray(1, 4).toString() === 'PNG', 'the pressure picture saves as PNG');

  // An airfoil the panel method refuses: its message, and the window closes.
  // The page settles only once the message is closed.
  await menu('Mn_Airfoil');
  await page.setInputFiles('#airfoilFile', path.join(samples, 'flatplate.nca'));
  assert.match((await messageShown()).text, /needs a section with thickness/);
  assert.equal(await page.isHidden('#PanelWindow'), true);
});

test('the one-file page works from file://', async () => {
  await openPage(`file://${path.join(pageFolder, 'standalone.html')}`);
  await page.click('#Mn_Airfoil');
  await page.selectOption('#File1', 'parabola.nca');
  await settled();
  await menu('Mn_Analysis', 'Mn_LumpVM');
  await expectTextsLike(batchAfter(['open', path.join(samples, 'parabola.nca'), 'vortex']), 'from file://');
});

test('the served page opened from a file says what to do instead', async () => {
  page = await browser.context.newPage();
  await page.goto(`file://${path.join(pageFolder, 'index.html')}`);
  const message = await page.waitForSelector('#messageBox[open]').then(() => page.textContent('#messageText'));
  assert.match(message, /make web-serve[\s\S]*standalone\.html/);
});

test('no request leaves the page\'s own origin', () => {
  const foreign = requests.filter((url) => !url.startsWith(server.url) && !/^(blob|data|file):/.test(url));
  assert.deepEqual(foreign, []);
});
