// The page on a desktop, a tablet by touch and a phone by touch; by keyboard and as a screen
// reader sees it (axe-core); lesson links against the batch tool; offline after one visit.
// usage: node screens_test.js NATIVE_BATCH PAGE_FOLDER SAMPLES_FOLDER SCREENSHOT_FOLDER
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
const kAxe = path.join(__dirname, '..', '..', 'node_modules', 'axe-core', 'axe.min.js');
const kScreens = [
  { name: 'desktop', viewport: { width: 1440, height: 900 }, touch: false },
  { name: 'tablet', viewport: { width: 1024, height: 768 }, touch: true },
  { name: 'phone', viewport: { width: 390, height: 844 }, touch: true },
];
const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-screens-'));

let batchRuns = 0;
function batchAfter(actions) {
  const folder = path.join(scratch, `batch-${++batchRuns}`);
  const result = spawnSync(batchTool, ['--workdir', folder, '--json', ...actions]);
  assert.equal(result.status, 0, result.stderr.toString());
  const read = (name) => (fs.existsSync(path.join(folder, name)) ? fs.readFileSync(path.join(folder, name)) : null);
  return { json: JSON.parse(result.stdout.toString('utf8')), vantrel: read('Vantrel.txt'), poly5: read('Poly5.txt') };
}

// The samples as the batch tool names them on its command line.
const withSamplePaths = (actions) => actions.split(' ').map((word, i, all) =>
  (all[i - 1] === 'open' ? path.join(samples, word) : word));

let server;
const browsers = [];

async function newPage(screen, url) {
  const browser = await launch({ viewport: screen.viewport, hasTouch: screen.touch, isMobile: false });
  browsers.push(browser);
  const page = await browser.context.newPage();
  page.on('pageerror', (error) => assert.fail(`page error: ${error.message}`));
  await page.goto(url);
  await settled(page);
  return page;
}

function settled(page) {
  return page.waitForFunction(() => document.body.dataset.ready === 'true' && document.body.dataset.pending === '0');
}

async function texts(page) {
  const shown = {};
  for (const box of kTextBoxes) shown[box] = await page.inputValue(`#${box}`);
  return shown;
}

async function expectTextsLike(page, batch, label) {
  assert.deepEqual(await texts(page), Object.fromEntries(kTextBoxes.map((box) => [box, batch.json[box]])), label);
}

async function downloaded(page, buttonId) {
  const [download] = await Promise.all([page.waitForEvent('download'), page.click(`#${buttonId}`)]);
  return fs.readFileSync(await download.path());
}

async function messageShown(page) {
  await page.waitForSelector('#messageBox[open]');
  const text = await page.textContent('#messageText');
  await page.click('#messageOk');
  await settled(page);
  return text;
}

// A tap on a touch screen, a click elsewhere.
const press = (page, screen, selector) => (screen.touch ? page.tap(selector) : page.click(selector));

// Every visible element's text is at least 12 CSS px; the names of those that are not.
function smallText(page) {
  return page.evaluate(() => {
    const small = [];
    const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
    for (let node = walker.nextNode(); node; node = walker.nextNode()) {
      const element = node.parentElement;
      if (!node.textContent.trim() || !element.getClientRects().length) continue;
      if (getComputedStyle(element).visibility === 'hidden' || element.closest('[hidden], dialog:not([open]), script')) continue;
      const size = parseFloat(getComputedStyle(element).fontSize);
      if (size < 11.99) small.push(`${element.id || element.className || element.tagName}: ${size}px`);
    }
    for (const input of document.querySelectorAll('input:not([type=radio]), select, button')) {
      if (!input.getClientRects().length || input.closest('[hidden]')) continue;
      const size = parseFloat(getComputedStyle(input).fontSize);
      if (size < 11.99) small.push(`${input.id || input.tagName}: ${size}px`);
    }
    return small;
  });
}

// Menu items, buttons and scroll-bar arrows shown now that are less than 44 CSS px high.
function smallTargets(page) {
  return page.evaluate(() => [...document.querySelectorAll('.menu-item, button, .scrollbar .arrow')]
      .filter((e) => e.getClientRects().length && !e.closest('[hidden], dialog:not([open])'))
      .map((e) => [e.id || e.className || e.textContent, e.getBoundingClientRect().height])
      .filter(([, height]) => height < 43.99));
}

async function seriousAxeViolations(page) {
  await page.addScriptTag({ path: kAxe });
  const result = await page.evaluate(() => axe.run(document, { resultTypes: ['violations'] }));
  return result.violations.filter((v) => v.impact === 'serious' || v.impact === 'critical')
      .map((v) => `${v.id} (${v.impact}): ${v.nodes.map((n) => n.target.join(' ')).join(', ')}`);
}

test.before(async () => {
  server = await serve(pageFolder);
  fs.mkdirSync(screenshots, { recursive: true });
});

test.after(async () => {
  for (const browser of browsers) await browser.close();
  if (server) server.close();
  fs.rmSync(scratch, { recursive: true, force: true });
});

for (const screen of kScreens) {
  const size = `${screen.viewport.width}x${screen.viewport.height}`;
  test(`${screen.name} ${size}: taps through the submenu run the method; readable, reachable, axe-clean`, async () => {
    const page = await newPage(screen, server.url);
    await press(page, screen, '#Mn_Airfoil');
    await page.selectOption('#File1', 'naca4412.nca');
    await settled(page);
    await page.fill('#Text_Alfa', '3');
    for (const id of ['Mn_Analysis', 'Mn_Vantrel']) await press(page, screen, `#${id}`);
    assert.deepEqual(await smallText(page), [], 'no text under 12 px, menus open');
    if (screen.touch) assert.deepEqual(await smallTargets(page), [], 'menu items a finger high');
    const item = await page.$eval('#Mn_Numerical', (e) => e.getBoundingClientRect().toJSON());
    assert.ok(item.left >= 0 && item.right <= screen.viewport.width, 'the submenu is on the screen');
    await press(page, screen, '#Mn_Numerical');
    await settled(page);
    await expectTextsLike(page, batchAfter(['open', path.join(samples, 'naca4412.nca'), 'alfa', '3', 'numerical']), size);

    // Both scroll bars and the results within reach: on the page's width, scrolled to.
    for (const id of ['HScroll_Alfa', 'HScroll_xM', 'Text_CL', 'Text_Cmx', 'Picture_Load']) {
      await page.locator(`#${id}`).scrollIntoViewIfNeeded();
      const box = await page.$eval(`#${id}`, (e) => e.getBoundingClientRect().toJSON());
      assert.ok(box.left >= 0 && box.right <= screen.viewport.width && box.top >= 0 && box.bottom <= screen.viewport.height,
          `${id} is reachable: ${JSON.stringify(box)}`);
    }
    assert.equal(await page.evaluate(() => document.documentElement.scrollWidth <= innerWidth), true, 'no sideways scrolling');
    assert.deepEqual(await smallText(page), [], 'no text under 12 px');
    if (screen.touch) assert.deepEqual(await smallTargets(page), [], 'buttons and arrows a finger high');
    const pictures = await page.$$eval('.picture', (all) => all.map((p) => p.getBoundingClientRect().width));
    if (screen.name === 'phone') {
      assert.ok(pictures.every((width) => width >= screen.viewport.width - 40), `pictures full width: ${pictures}`);
    }
    if (screen.name === 'desktop') {
      // The designed layout: the form scaled as a whole, the airfoil picture where its twips put it.
      const form = await page.$eval('#Form1', (e) => e.getBoundingClientRect().toJSON());
      const airfoil = await page.$eval('#Picture_Airfoil', (e) => e.parentElement.getBoundingClientRect().toJSON());
      const scale = form.width / (9540 / 15);
      assert.ok(Math.abs(airfoil.width - (6000 / 15) * scale) < 1.5 && Math.abs(form.height / form.width - 6960 / 9540) < 0.01);
    }
    // The arrow by touch steps the angle; the lines are a CSS pixel wide at least.
    await page.locator('#HScroll_Alfa').scrollIntoViewIfNeeded();
    await press(page, screen, '#HScroll_Alfa .arrow.right');
    await settled(page);
    assert.equal(await page.inputValue('#Text_Alfa'), '0.1');
    for (const panel of ['Frame_IOWindow', 'Frame_LeastSquares']) assert.equal(await page.isVisible(`#${panel}`), false, `${panel} closed`);
    await page.evaluate(() => document.getElementById('Form1Surface').scrollTo(0, 0));
    await page.screenshot({ path: path.join(screenshots, `${screen.name}-${size}.png`), fullPage: false });
    if (screen.touch) {
      // The panels open over the top of the page, under its menu bar, by tap.
      await press(page, screen, '#Mn_Analysis');
      await press(page, screen, '#Mn_Vantrel');
      await press(page, screen, '#Mn_Polynomial');
      await settled(page);
      const [menuBar, panel] = await Promise.all(['#menuBar', '#Frame_LeastSquares'].map((s) =>
        page.$eval(s, (e) => e.getBoundingClientRect().toJSON())));
      assert.ok(panel.top >= menuBar.bottom && panel.right <= screen.viewport.width, 'the panel is under the menu bar');
      assert.deepEqual(await smallTargets(page), [], 'the panel\'s buttons a finger high');
      await page.screenshot({ path: path.join(screenshots, `${screen.name}-panel-${size}.png`) });
      await page.keyboard.press('Escape');
      assert.equal(await page.isVisible('#Frame_LeastSquares'), false);
    }
    assert.deepEqual(await seriousAxeViolations(page), [], 'axe-core: no serious or critical violation');
    await press(page, screen, '#Mn_Analysis');
    assert.deepEqual(await seriousAxeViolations(page), [], 'axe-core with a menu open');
    await press(page, screen, '#Mn_CompareAirfoils');
    await settled(page);
    assert.deepEqual(await seriousAxeViolations(page), [], 'axe-core with Compare Airfoils open');
    await page.keyboard.press('Escape');
    assert.equal(await page.isVisible('#AirfoilsWindow'), false, 'Escape closes the window');
  });
}

test('keyboard: arrow keys in the menus, Escape closes, pictures open their menu', async () => {
  const screen = kScreens[0];
  const page = await newPage(screen, server.url);
  await page.click('#Mn_Airfoil');
  await page.selectOption('#File1', 'naca2412.nca');
  await settled(page);
  await page.focus('#Mn_Airfoil');
  await page.keyboard.press('ArrowRight');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'Mn_Analysis');
  assert.equal(await page.getAttribute('#Mn_Analysis > [role=menuitem]', 'aria-haspopup'), 'menu');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.getAttribute('#Mn_Analysis > [role=menuitem]', 'aria-expanded'), 'true');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'Mn_Vantrel');
  await page.keyboard.press('ArrowRight');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'Mn_Polynomial');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'Mn_Numerical');
  await page.keyboard.press('Escape');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'Mn_Vantrel', 'Escape closes the submenu only');
  assert.equal(await page.getAttribute('#Mn_Vantrel > [role=menuitem]', 'aria-expanded'), 'false');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('ArrowDown');
  await page.keyboard.press('Enter');
  await settled(page);
  await expectTextsLike(page, batchAfter(['open', path.join(samples, 'naca2412.nca'), 'numerical']), 'run by keys');
  assert.equal(await page.isVisible('#Mn_Numerical'), false, 'the menus close');

  // Each picture says what it shows and opens its menu from the keyboard.
  const snapshot = await page.locator('#Form1').ariaSnapshot();
  assert.match(snapshot, /img "Picture of the lift coefficient against the angle of attack, NACA 2412"/);
  await page.focus('#Picture_CL');
  await page.keyboard.press('Shift+F10');
  assert.equal(await page.isVisible('#pictureMenu'), true);
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'savePicture');
  await page.keyboard.press('ArrowDown');
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'copyPicture');
  await page.keyboard.press('ArrowUp');
  await page.keyboard.press('Enter');
  await page.waitForSelector('#SaveOptions[open]');
  await page.check('#SaveAsSvg');
  const [download] = await Promise.all([page.waitForEvent('download'), page.click('#saveOptionsSave')]);
  assert.equal(download.suggestedFilename(), 'Picture_CL.svg');
  await page.focus('#Picture_Airfoil');
  await page.keyboard.press('ContextMenu');
  await page.keyboard.press('Escape');
  assert.equal(await page.isVisible('#pictureMenu'), false);
  assert.equal(await page.evaluate(() => document.activeElement.closest('[id]').id), 'Picture_Airfoil', 'back on the picture');

  // Escape closes panels and windows, and the session knows the panel is closed.
  await page.click('#Mn_About');
  await page.click('#Mn_Analysis');
  await page.click('#Mn_Vantrel');
  await page.click('#Mn_Polynomial');
  await settled(page);
  assert.equal(await page.isVisible('#Frame_LeastSquares'), true);
  await page.focus('#Text_N');
  await page.keyboard.press('Escape');
  assert.equal(await page.isVisible('#Frame_LeastSquares'), false, 'the panel holding the focus closes');
  assert.equal(await page.isVisible('#About'), true, 'About stays until the next Escape');
  await page.keyboard.press('Escape');
  assert.equal(await page.isVisible('#About'), false);
  await page.click('#Mn_Analysis');
  await page.click('#Mn_LumpVM');
  await settled(page);
  assert.equal(await page.isVisible('#Frame_LeastSquares'), false, 'the panel stays closed after the next action');
  await page.click('#Mn_Airfoil');
  // The panel shows once the worker has answered; Escape before that would close nothing.
  await settled(page);
  assert.equal(await page.isVisible('#Frame_IOWindow'), true);
  await page.keyboard.press('Escape');
  await settled(page);
  assert.equal(await page.isVisible('#Frame_IOWindow'), false);
});

test('a long press on a picture opens its picture menu', async () => {
  const screen = kScreens[2];
  const page = await newPage(screen, server.url);
  await page.locator('#Picture_Camber').scrollIntoViewIfNeeded();
  const box = await page.$eval('#Picture_Camber', (e) => e.getBoundingClientRect().toJSON());
  const at = { x: Math.round(box.left + box.width / 2), y: Math.round(box.top + box.height / 2) };
  const session = await page.context().newCDPSession(page);
  await session.send('Input.dispatchTouchEvent', { type: 'touchStart', touchPoints: [at] });
  await page.waitForSelector('#pictureMenu:not([hidden])');
  await session.send('Input.dispatchTouchEvent', { type: 'touchEnd', touchPoints: [] });
  assert.equal(await page.isVisible('#pictureMenu'), true, 'lifting the finger keeps the menu');
  const menu = await page.$eval('#pictureMenu', (e) => e.getBoundingClientRect().toJSON());
  assert.ok(menu.right <= screen.viewport.width && menu.bottom <= screen.viewport.height, 'on the screen');
  await page.screenshot({ path: path.join(screenshots, 'picture-menu-390x844.png') });
});

test('a lesson link shows what the batch tool computes; Copy Link gives it back', async () => {
  const lessons = [
    'open naca4412.nca lsq 3 free alfa-scroll 140 xm-scroll 30',
    'naca 23012 81 numerical alfa 4 vortex',
    'open naca2412.nca numerical alfa 2.5 xm 0.4 lsq 4 ends flap 0.75 10 numerical',
  ];
  const screen = kScreens[0];
  for (const lesson of lessons) {
    const url = `${server.url}?${new URLSearchParams({ lesson })}`;
    const page = await newPage(screen, url);
    const batch = batchAfter(withSamplePaths(lesson));
    await expectTextsLike(page, batch, lesson);
    assert.equal(await page.textContent('#Lbl_Airfoil'), batch.json.Lbl_Airfoil);
    assert.ok((await downloaded(page, 'downloadVantrel')).equals(batch.vantrel), `${lesson}: Vantrel.txt`);
    assert.ok((await downloaded(page, 'downloadPoly5')).equals(batch.poly5), `${lesson}: Poly5.txt`);
    if (lesson.includes('alfa-scroll')) {
      assert.equal(await page.getAttribute('#HScroll_Alfa', 'aria-valuetext'), 'α = 4°');
      assert.equal(await page.getAttribute('#HScroll_xM', 'aria-valuenow'), '30');
      assert.equal(await page.inputValue('#File1'), 'naca4412.nca', 'the sample is highlighted');
    }
    await page.click('#Mn_CopyLink');
    assert.match(await messageShown(page), /^The link to this screen/);
    const copied = new URL(await page.evaluate(() => document.body.dataset.lessonLink));
    assert.equal(copied.searchParams.get('lesson'), lesson, 'the same actions, in the same words');
    assert.equal(copied.origin + copied.pathname, server.url);
  }

  // What a student does next goes into the link, which brings another browser to the same screen.
  const page = await newPage(screen, `${server.url}?lesson=open+naca2412.nca+numerical`);
  await page.fill('#Text_Alfa', '3.25');
  await page.press('#Text_Alfa', 'Enter');
  await page.fill('#Text_xM', '0.5');
  await page.press('#Text_xM', 'Enter');
  await settled(page);
  await page.click('#HScroll_Alfa .arrow.left');
  await settled(page);
  await page.click('#Mn_CopyLink');
  await messageShown(page);
  const link = await page.evaluate(() => document.body.dataset.lessonLink);
  assert.equal(new URL(link).searchParams.get('lesson'),
      'open naca2412.nca numerical alfa 3.25 numerical xm-scroll 50 alfa-scroll 132');
  const again = await newPage(screen, link);
  assert.deepEqual(await texts(again), await texts(page));
  assert.deepEqual(await again.$$eval('.scrollbar', (all) => all.map((e) => e.getAttribute('aria-valuenow'))),
      await page.$$eval('.scrollbar', (all) => all.map((e) => e.getAttribute('aria-valuenow'))));

  // A section of the NACA generator goes into the link as its source, and the plain flap after it.
  await page.click('#Mn_Airfoil');
  await page.fill('#Text_NacaDesignation', '0012');
  await page.fill('#Text_NacaStations', '61');
  await page.click('#Cmnd_NacaGenerate');
  await settled(page);
  await page.click('#Mn_Analysis');
  await page.click('#Mn_PlainFlap');
  await page.fill('#Text_Hinge', '0.7');
  await page.fill('#Text_Deflection', '5');
  await page.click('#Cmnd_FlapApply');
  await settled(page);
  await page.keyboard.press('Escape');
  assert.equal(await page.isVisible('#PlainFlapPanel'), false, 'Escape closes the lesson window');
  await page.click('#Mn_CopyLink');
  await messageShown(page);
  // The boxes keep what they held before the read, which a new page would not show.
  const generated = new URL(await page.evaluate(() => document.body.dataset.lessonLink)).searchParams.get('lesson');
  assert.equal(generated, 'naca 0012 61 alfa 3.2 xm 0.5 flap 0.7 5');
  const flapped = await newPage(screen, `${server.url}?${new URLSearchParams({ lesson: generated })}`);
  await expectTextsLike(flapped, batchAfter(generated.split(' ')), 'generated and flapped');
  assert.equal(await page.textContent('#Lbl_Airfoil'), 'NACA 0012, flap 5° at 0.7');

  // A file of the user's cannot be put in a link; a link the page cannot follow says why.
  await page.click('#Mn_Airfoil');
  const own = path.join(scratch, 'own.nca');
  fs.copyFileSync(path.join(samples, 'naca0012.nca'), own);
  await page.setInputFiles('#airfoilFile', own);
  await settled(page);
  await page.click('#Mn_CopyLink');
  assert.match(await messageShown(page), /read from a file of your own, which cannot be put in a link/);
  for (const [lesson, message] of [
    ['open ../index.html', /opens "\.\.\/index\.html", which is not one of the page's samples/],
    ['open naca2412.nca fly', /cannot be followed: unknown action "fly"/],
    ['open naca2412.nca compare', /asks for "compare"/],
  ]) {
    const refused = await newPage(screen, `${server.url}?${new URLSearchParams({ lesson })}`);
    assert.match(await messageShown(refused), message);
    assert.equal(await refused.evaluate(() => document.body.dataset.fileLoaded), 'false', 'nothing is read');
  }
});

test('after one visit the page loads and computes with the network off, and can be installed', async () => {
  const own = await serve(pageFolder);
  const browser = await launch({ viewport: { width: 1440, height: 900 } });
  browsers.push(browser);
  const page = await browser.context.newPage();
  const foreign = [];
  page.on('request', (request) => { if (!request.url().startsWith(own.url) && !/^(blob|data):/.test(request.url())) foreign.push(request.url()); });
  await page.goto(own.url);
  await settled(page);
  await page.evaluate(() => navigator.serviceWorker.ready);
  const cdp = await page.context().newCDPSession(page);
  const { installabilityErrors } = await cdp.send('Page.getInstallabilityErrors');
  assert.deepEqual(installabilityErrors, [], 'the browser can install the page');
  own.close();
  await page.reload();
  await settled(page);
  await page.click('#Mn_Airfoil');
  await page.selectOption('#File1', 'naca23012.nca');
  await settled(page);
  await page.click('#Mn_Analysis');
  await page.click('#Mn_LumpVM');
  await settled(page);
  await expectTextsLike(page, batchAfter(['open', path.join(samples, 'naca23012.nca'), 'vortex']), 'offline');
  const lesson = await browser.context.newPage();
  await lesson.goto(`${own.url}?lesson=open+naca0012.nca+numerical`);
  await settled(lesson);
  await expectTextsLike(lesson, batchAfter(['open', path.join(samples, 'naca0012.nca'), 'numerical']), 'a lesson link offline');
  assert.deepEqual(foreign, []);
});

test('the service worker keeps every file of the page', () => {
  const listed = fs.readFileSync(path.join(pageFolder, 'sw.js'), 'utf8').match(/const kPageFiles = \[([\s\S]*?)\];/)[1]
      .match(/'([^']+)'/g).map((quoted) => quoted.slice(1, -1)).filter((name) => name !== './').sort();
  const sources = fs.readdirSync(path.join(__dirname, '..', '..', 'src', 'web', 'page')).filter((name) => name !== 'sw.js');
  assert.deepEqual(listed, [...sources, 'vantrel.js', 'vantrel.wasm'].sort());
  for (const name of listed) assert.ok(fs.existsSync(path.join(pageFolder, name)), `${name} is built`);
});
