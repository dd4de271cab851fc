// Benchmark (not a test): the lumped vortex method at 2000 panels in the page, in Debian's
// chromium, against the native batch tool on the same airfoil and the same machine. Both times
// include appending the method's blocks to the coordinate report, as the handler does.
// usage: node bench_web.js NATIVE_BATCH PAGE_FOLDER [REPETITIONS]
'use strict';

const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const zlib = require('node:zlib');
const { serve, launch } = require('./browser.js');

const [batchTool, pageFolder] = process.argv.slice(2, 4).map((p) => path.resolve(p));
const repetitions = Number(process.argv[4] || 5);
const median = (values) => values.slice().sort((a, b) => a - b)[Math.floor(values.length / 2)];

function nativeMilliseconds(airfoil, scratch) {
  const timed = (actions) => {
    const started = process.hrtime.bigint();
    const result = spawnSync(batchTool, ['--workdir', scratch, 'open', airfoil, ...actions]);
    if (result.status !== 0) throw new Error(result.stderr.toString());
    return Number(process.hrtime.bigint() - started) / 1e6;
  };
  const samples = [];
  for (let i = 0; i < repetitions; ++i) samples.push(timed(['vortex']) - timed([]));
  return median(samples);
}

async function pageMilliseconds(airfoil) {
  const server = await serve(pageFolder);
  const browser = await launch();
  try {
    const page = await browser.context.newPage();
    await page.goto(server.url);
    await page.waitForFunction(() => document.body.dataset.ready === 'true');
    await page.click('#Mn_Airfoil');
    await page.setInputFiles('#airfoilFile', airfoil);
    await page.waitForFunction(() => document.body.dataset.pending === '0' && document.body.dataset.fileLoaded === 'true');
    const samples = [];
    for (let i = 0; i < repetitions; ++i) {
      await page.evaluate(() => { delete document.body.dataset.handlerMilliseconds; });
      await page.click('#Mn_Analysis');
      await page.click('#Mn_LumpVM');
      await page.waitForFunction(() => document.body.dataset.pending === '0' && document.body.dataset.handlerMilliseconds, null, { timeout: 600000 });
      samples.push(Number(await page.evaluate(() => document.body.dataset.handlerMilliseconds)));
    }
    return median(samples);
  } finally {
    await browser.close();
    server.close();
  }
}

function downloadSize() {
  // What a browser fetches for the page served from its folder (the one-file page is the same again).
  const files = fs.readdirSync(pageFolder).filter((name) => name !== 'standalone.html');
  let raw = 0;
  let compressed = 0;
  for (const name of files) {
    const bytes = fs.readFileSync(path.join(pageFolder, name));
    raw += bytes.length;
    compressed += zlib.gzipSync(bytes, { level: 9 }).length;
  }
  return { raw, compressed };
}

(async () => {
  const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-bench-web-'));
  const airfoil = path.join(scratch, 'naca2412_2001.nca');
  fs.writeFileSync(airfoil, spawnSync(batchTool, ['naca', '2412', '--stations', '2001']).stdout);
  const native = nativeMilliseconds(airfoil, scratch);
  const web = await pageMilliseconds(airfoil);
  const size = downloadSize();
  console.log(`lumped vortex method, 2000 panels (median of ${repetitions}):`);
  console.log(`  native batch tool  ${native.toFixed(0)} ms`);
  console.log(`  page in chromium   ${web.toFixed(0)} ms`);
  console.log(`  ratio              ${(web / native).toFixed(2)}x`);
  console.log(`page download: ${(size.raw / 1024).toFixed(0)} KB, ${(size.compressed / 1024).toFixed(0)} KB gzip-compressed`);
  fs.rmSync(scratch, { recursive: true, force: true });
})();
