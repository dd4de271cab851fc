// The batch tool built for WebAssembly (as the page's module is) and the native one replay the
// same actions on every sample. The reports and every text the user sees must agree byte for
// byte. Numbers written in full precision (JSON, CSV, display lists) are compared as numbers:
// the two platforms' math libraries (glibc, and emscripten's musl) may round atan, sin and cos
// differently in the last bit, so a full-precision value may differ by a few units in its last
// place; everything else in those files must be identical.
// usage: node wasm_matches_native.js NATIVE_BATCH WASM_BATCH_JS SAMPLES_FOLDER
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');

const [nativeTool, wasmTool, samples] = process.argv.slice(2).map((p) => path.resolve(p));
const kActions = [
  ['lsq', '4', 'free'], ['lsq', '7', 'alfa', '3.5'],
  ['lsq', '2', 'ends', 'alfa-scroll', '150', 'xm-scroll', '30'],
  ['numerical', 'sweep', '-4', '4', '2'], ['vortex', 'sweep', '-2', '2', '1'],
];

const kNumber = /-?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?/g;
const kReports = /(Vantrel|Poly5)\.txt$/;

// Equal text around the numbers, and numbers equal or within a few units in the last place
// (single precision for the display lists, whose coordinates are floats).
function sameUpToLastBits(native, wasm, relative) {
  const skeleton = (text) => text.replace(kNumber, '#');
  if (skeleton(native) !== skeleton(wasm)) return { same: false, differing: 0 };
  const a = native.match(kNumber) || [];
  const b = wasm.match(kNumber) || [];
  let differing = 0;
  for (let i = 0; i < a.length; ++i) {
    if (a[i] === b[i]) continue;
    ++differing;
    const x = Number(a[i]);
    const y = Number(b[i]);
    if (Math.abs(x - y) > relative * Math.max(Math.abs(x), Math.abs(y)) + 1e-15) return { same: false, differing };
  }
  return { same: true, differing };
}

let numbersCompared = 0;
let numbersDiffering = 0;
function expectSame(label, name, native, wasm) {
  if (native.equals(wasm)) return;
  assert.ok(!kReports.test(name), `${label}: report ${name} differs`);
  const relative = /Picture_\w+\.json$/.test(name) ? 1e-6 : 1e-13;
  const result = sameUpToLastBits(native.toString('latin1'), wasm.toString('latin1'), relative);
  numbersDiffering += result.differing;
  assert.ok(result.same, `${label}: ${name} differs beyond the last bits of its numbers`);
}

function run(tool, args, folder) {
  // This emscripten's loader would fetch() the module's file under node 18 and later.
  const prefix = tool.endsWith('.js') ? ['--no-experimental-fetch', tool] : [];
  const command = tool.endsWith('.js') ? process.execPath : tool;
  fs.mkdirSync(folder, { recursive: true });
  const options = ['--workdir', 'w', '--json', '--plots', 'p', '--csv', 'c'];
  const result = spawnSync(command, [...prefix, ...options, ...args], { cwd: folder });
  fs.writeFileSync(path.join(folder, 'out.json'), result.stdout);
  return result.status;
}

// Every file under `folder` by relative path, skipping the pictures only the Qt build can draw.
function filesUnder(folder, prefix = '') {
  const files = {};
  if (!fs.existsSync(folder)) return files;
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const relative = path.join(prefix, entry.name);
    if (entry.isDirectory()) Object.assign(files, filesUnder(path.join(folder, entry.name), relative));
    else if (!/\.(png|svg)$/.test(entry.name)) files[relative] = fs.readFileSync(path.join(folder, entry.name));
  }
  return files;
}

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-wasm-native-'));
test.after(() => {
  fs.rmSync(scratch, { recursive: true, force: true });
  console.log(`# ${numbersCompared} numbers compared, ${numbersDiffering} not bit-identical (last bits)`);
});

const sampleFiles = fs.readdirSync(samples).filter((name) => name.endsWith('.nca')).sort();
for (const sample of sampleFiles) {
  test(sample, () => {
    kActions.forEach((actions, index) => {
      const args = ['open', path.join(samples, sample), ...actions];
      const folders = ['native', 'wasm'].map((kind) => path.join(scratch, sample, String(index), kind));
      const native = run(nativeTool, args, folders[0]);
      const wasm = run(wasmTool, args, folders[1]);
      const label = `${sample} ${actions.join(' ')}`;
      assert.deepEqual(wasm, native, `${label}: exit status`);
      const nativeFiles = filesUnder(folders[0]);
      const wasmFiles = filesUnder(folders[1]);
      assert.deepEqual(Object.keys(wasmFiles).sort(), Object.keys(nativeFiles).sort(), `${label}: files`);
      assert.ok(Object.keys(nativeFiles).some((name) => name.endsWith('Vantrel.txt')), `${label}: a report`);
      for (const name of Object.keys(nativeFiles)) {
        expectSame(label, name, nativeFiles[name], wasmFiles[name]);
        numbersCompared += (nativeFiles[name].toString('latin1').match(kNumber) || []).length;
      }
    });
  });
}
