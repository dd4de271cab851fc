// Runs the module off the page's thread, so long work (thousands of panels) leaves the page
// alive. Requests are taken one at a time, in the order the page sent them; while a handler runs,
// its progress is posted to the page as { progress: fraction }.
'use strict';

if (typeof createVantrelModule === 'undefined') importScripts('vantrel.js');

const kWorkFolder = '/work';
const kUploadFolder = '/uploads';
const kReports = ['Vantrel.txt', 'Poly5.txt'];

// The one-file page carries the module's code in base64 beside this script.
function moduleOptions() {
  if (typeof vantrelWasmBase64 === 'undefined') return {};
  return { wasmBinary: Uint8Array.from(atob(vantrelWasmBase64), (c) => c.charCodeAt(0)) };
}

const onProgress = (fraction) => self.postMessage({ progress: fraction });
const ready = createVantrelModule({ ...moduleOptions(), onProgress }).then((module) => {
  module.FS.mkdir(kWorkFolder);
  module.FS.mkdir(kUploadFolder);
  const call = (name, result, types) => module.cwrap(name, result, types);
  const api = {
    create: call('vantrel_create', 'number', ['string']),
    state: call('vantrel_state', 'string', ['number']),
    act: call('vantrel_act', 'string', ['number', 'string', 'string']),
    setText: call('vantrel_set_text', null, ['number', 'string', 'string']),
    select: call('vantrel_select', null, ['number', 'string']),
    setLanguage: call('vantrel_set_language', null, ['number', 'string']),
    languages: call('vantrel_languages', 'string', ['number']),
    restore: call('vantrel_restore', null, ['number', 'string']),
    picture: call('vantrel_picture', 'string', ['number', 'string', 'number', 'number', 'number', 'number']),
    screenAirfoil: call('vantrel_screen_airfoil', 'string', ['number']),
    airfoils: call('vantrel_airfoils', 'string', ['number', 'string']),
    lesson: call('vantrel_lesson', 'string', ['number', 'string']),
    link: call('vantrel_link', 'string', ['number']),
    panel: call('vantrel_panel', 'string', ['number', 'string']),
  };
  return { module, api, session: api.create(kWorkFolder) };
});

function reportStamps(module) {
  const stamps = {};
  for (const name of kReports) {
    try {
      const stat = module.FS.stat(`${kWorkFolder}/${name}`);
      stamps[name] = { size: stat.size, time: Number(stat.mtime) };
    } catch (missing) {
      stamps[name] = null;
    }
  }
  return stamps;
}

function replyWithState({ module }, stateText, extra = {}) {
  return { state: JSON.parse(stateText), reports: reportStamps(module), ...extra };
}

// A name for the in-memory file system: the user's name without folders or odd characters.
function safeName(name) {
  const base = String(name).split(/[\\/]/).pop() || 'airfoil';
  return base.replace(/[^\w.\- ]/g, '_').slice(0, 200);
}

function readReport(module, name) {
  try {
    return module.FS.readFile(`${kWorkFolder}/${name}`).slice().buffer;
  } catch (missing) {
    return null;
  }
}

// A file read replaces the airfoil, its pictures and "Vantrel.txt", and forgets the results; it
// leaves the typed texts, the option, the frames, the labels it does not set and "Poly5.txt".
// Those, taken just before the read, rebuild the session from the read on after a Cancel, so the
// page keeps only the last file read instead of every file since it opened.
function readFile(m, path, handler = 'File1_Click') {
  const before = m.api.state(m.session);
  const poly5 = readReport(m.module, 'Poly5.txt');
  const reply = JSON.parse(m.api.act(m.session, handler, path));
  const { read, ...state } = reply;
  const extra = read ? { read, snapshot: { state: before, bytes: poly5 } } : { read };
  return { state, reports: reportStamps(m.module), ...extra };
}

const requests = {
  start(m) {
    const samples = m.module.FS.readdir('/samples').filter((n) => /\.(nca|dat)$/i.test(n)).sort();
    const languages = JSON.parse(m.api.languages(m.session));
    return replyWithState(m, m.api.state(m.session), { samples, languages });
  },
  state(m) {
    return replyWithState(m, m.api.state(m.session));
  },
  act(m, { handler, argument }) {
    if (handler === 'File1_Click') return readFile(m, String(argument ?? ''));
    // The generator writes the section into the upload folder and reads it as a chosen file.
    if (handler === 'Cmnd_NacaGenerate_Click') {
      const fields = { ...JSON.parse(String(argument ?? '{}')), folder: kUploadFolder };
      return readFile(m, JSON.stringify(fields), handler);
    }
    const started = performance.now();
    // Beside the state, what a handler gives back: where Enter puts its bar, a lesson's table.
    const { position, compare, converge, study, ...state } =
        JSON.parse(m.api.act(m.session, handler, String(argument ?? '')));
    const elapsed = performance.now() - started;
    const extra = Object.entries({ position, compare, converge, study }).filter(([, value]) => value !== undefined);
    return { state, reports: reportStamps(m.module), elapsed, ...Object.fromEntries(extra) };
  },
  open(m, { name, bytes }) {
    const path = `${kUploadFolder}/${safeName(name)}`;
    m.module.FS.writeFile(path, new Uint8Array(bytes));
    try {
      return readFile(m, path);
    } finally {
      // The read keeps what it needs in the session; the bytes need not stay here too.
      m.module.FS.unlink(path);
    }
  },
  // The session as a file read found it: the controls it leaves alone and "Poly5.txt".
  restore(m, { snapshot, bytes }) {
    m.api.restore(m.session, snapshot);
    const path = `${kWorkFolder}/Poly5.txt`;
    if (bytes) m.module.FS.writeFile(path, new Uint8Array(bytes));
    else if (readReport(m.module, 'Poly5.txt')) m.module.FS.unlink(path);
    return {};
  },
  // A lesson link's actions, replayed as the batch tool replays them.
  lesson(m, { actions }) {
    const reply = JSON.parse(m.api.lesson(m.session, String(actions ?? '')));
    const { positions, sample, ...state } = reply;
    const read = 'sample' in reply ? { sample } : {};
    return { state, reports: reportStamps(m.module), positions: positions || {}, ...read };
  },
  link(m) {
    return JSON.parse(m.api.link(m.session));
  },
  // A panel closed from the page (Escape): only its frame changes.
  closeFrame(m, { frame }) {
    m.api.restore(m.session, JSON.stringify({ frames: { [frame]: false } }));
    return {};
  },
  setText(m, { box, text }) {
    m.api.setText(m.session, box, text);
    return {};
  },
  select(m, { option }) {
    m.api.select(m.session, option);
    return {};
  },
  language(m, { code }) {
    m.api.setLanguage(m.session, code);
    return {};
  },
  picture(m, { name, width, height, axes = false, scale = 1 }) {
    return { picture: JSON.parse(m.api.picture(m.session, name, width, height, axes ? 1 : 0, scale)) };
  },
  // Compare Airfoils: the page sends its whole list each time; a file of the user's is written
  // for the read, in a folder of its own so its name stays as given, and removed after it.
  screenAirfoil(m) {
    return { airfoil: JSON.parse(m.api.screenAirfoil(m.session)) };
  },
  airfoils(m, { entries, width, height, scale }) {
    const written = [];
    const sent = entries.map((entry, i) => {
      if (!entry.bytes) return { source: entry.source, airfoil: entry.airfoil };
      const folder = `${kUploadFolder}/airfoil${i}`;
      const path = `${folder}/${safeName(entry.source)}`;
      m.module.FS.mkdir(folder);
      m.module.FS.writeFile(path, new Uint8Array(entry.bytes));
      written.push([folder, path]);
      return { source: entry.source, path };
    });
    try {
      return { airfoils: JSON.parse(m.api.airfoils(m.session, JSON.stringify({ entries: sent, width, height, scale }))) };
    } finally {
      for (const [folder, path] of written) {
        m.module.FS.unlink(path);
        m.module.FS.rmdir(folder);
      }
    }
  },
  // Thickness and Pressure: the session keeps the solution between requests.
  panel(m, { open, width, height, scale }) {
    return { panel: JSON.parse(m.api.panel(m.session, JSON.stringify({ open, width, height, scale }))) };
  },
  report(m, { name }) {
    return { bytes: kReports.includes(name) ? readReport(m.module, name) : null };
  },
};

let queue = Promise.resolve();
self.onmessage = (event) => {
  const { id, kind, ...args } = event.data;
  queue = queue.then(async () => {
    try {
      const m = await ready;
      const reply = requests[kind](m, args);
      const transfer = [reply.bytes, reply.snapshot?.bytes].filter(Boolean);
      self.postMessage({ id, ...reply }, transfer);
    } catch (error) {
      self.postMessage({ id, error: String(error && error.message || error) });
    }
  });
};
