// The batch tool built for WebAssembly (as the page's module is) and the native one replay the
// same actions on every sample and on real airfoil files, and write the same NACA sections and
// convergence study. Everything they write must agree byte for byte: reports, standard output,
// JSON, CSV, display lists and their axes, every number to its last bit.
// usage: node wasm_matches_native.js NATIVE_BATCH WASM_BATCH_JS SAMPLES_FOLDER AIRFOILS_FOLDER
'use strict';

const assert = require('node:assert/strict');
const { spawnSync } = require('node:child_process');
const fs = require('node:fs');
const os = require('node:os');
const path = require('node:path');
const test = require('node:test');

const [nativeTool, wasmTool, samples, airfoils] = process.argv.slice(2).map((p) => path.resolve(p));
const kOutputs = ['--workdir', 'w', '--json', '--plots', 'p', '--axes', '--csv', 'c'];
const kActions = [
  ['lsq', '4', 'free'], ['lsq', '7', 'alfa', '3.5'],
  ['lsq', '2', 'ends', 'alfa-scroll', '150', 'xm-scroll', '30'],
  ['numerical', 'sweep', '-4', '4', '2'], ['vortex', 'sweep', '-2', '2', '1'],
  ['alfa', '2', 'compare'], ['alfa', '4', 'panel'], ['flap', '0.7', '12', 'lsq', '3', 'free', 'numerical'],
];
const kRealFileActions = ['lsq', '5', 'free', 'numerical', 'vortex'];
const kNaca = [['2412'], ['23012', '--stations', '101'], ['6409', '--stations', '1001']];

function run(tool, args, folder) {
  // This emscripten's loader would fetch() the module's file under node 18 and later.
  const prefix = tool.endsWith('.js') ? ['--no-experimental-fetch', tool] : [];
  const command = tool.endsWith('.js') ? process.execPath : tool;
  fs.mkdirSync(folder, { recursive: true });
  const result = spawnSync(command, [...prefix, ...args], { cwd: folder });
  fs.writeFileSync(path.join(folder, 'stdout'), result.stdout);
  fs.writeFileSync(path.join(folder, 'stderr'), result.stderr);
  return result.status;
}

// Every file under `folder` by relative path, skipping the pictures only the Qt build can draw.
function filesUnder(folder, prefix = '') {
  const files = {};
  for (const entry of fs.readdirSync(folder, { withFileTypes: true })) {
    const relative = path.join(prefix, entry.name);
    if (entry.isDirectory()) Object.assign(files, filesUnder(path.join(folder, entry.name), relative));
    else if (!/\.(png|svg)$/.test(entry.name)) files[relative] = fs.readFileSync(path.join(folder, entry.name));
  }
  return files;
}

const scratch = fs.mkdtempSync(path.join(os.tmpdir(), 'vantrel-wasm-native-'));
test.after(() => fs.rmSync(scratch, { recursive: true, force: true }));
let runs = 0;

function expectSameOutputs(label, args) {
  const folders = ['native', 'wasm'].map((kind) => path.join(scratch, String(runs), kind));
  ++runs;
  const native = run(nativeTool, args, folders[0]);
  const wasm = run(wasmTool, args, folders[1]);
  assert.equal(wasm, native, `${label}: exit status`);
  const nativeFiles = filesUnder(folders[0]);
  const wasmFiles = filesUnder(folders[1]);
  assert.deepEqual(Object.keys(wasmFiles).sort(), Object.keys(nativeFiles).sort(), `${label}: files`);
  for (const name of Object.keys(nativeFiles)) {
    assert.ok(nativeFiles[name].equals(wasmFiles[name]), `${label}: ${name} differs`);
  }
  return nativeFiles;
}

const sampleFiles = fs.readdirSync(samples).filter((name) => name.endsWith('.nca')).sort();
for (const sample of sampleFiles) {
  test(sample, () => {
    for (const actions of kActions) {
      const files = expectSameOutputs(`${sample} ${actions.join(' ')}`,
          [...kOutputs, 'open', path.join(samples, sample), ...actions]);
      assert.ok(Object.keys(files).some((name) => name.endsWith('Vantrel.txt')), `${sample}: a report`);
    }
  });
}

test('real airfoil files', () => {
  for (const name of fs.readdirSync(airfoils).filter((n) => n.endsWith('.dat')).sort()) {
    expectSameOutputs(name, [...kOutputs, 'open', path.join(airfoils, name), ...kRealFileActions]);
    expectSameOutputs(`convert ${name}`, ['convert', path.join(airfoils, name)]);
  }
});

test('NACA sections and a convergence study', () => {
  for (const args of kNaca) expectSameOutputs(`naca ${args.join(' ')}`, ['naca', ...args]);
  expectSameOutputs('converge', ['converge', '4412', '--from', '10', '--to', '320', '--plots', 'p']);
});

// Under node flock succeeds and does nothing, so the WebAssembly build cannot tell another run's
// live temporary from one a killed run left: it must leave it alone. (It used to delete it, and
// the other run then failed with "Could not write "Vantrel.txt": No such file or directory".)
test('a WebAssembly run leaves the temporaries of other runs alone', () => {
  const folder = path.join(scratch, 'temporaries');
  fs.mkdirSync(folder, { recursive: true });
  const live = path.join(folder, '.Vantrel.txt.tmp-Abc123');
  fs.writeFileSync(live, 'another run is writing this');
  const args = ['--workdir', '.', 'open', path.join(samples, 'naca2412.nca')];
  assert.equal(run(wasmTool, args, folder), 0);
  assert.ok(fs.existsSync(live), 'the other run\'s temporary is still there');
  assert.ok(fs.readFileSync(path.join(folder, 'Vantrel.txt')).length > 0);
});
