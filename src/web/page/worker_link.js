// The page's line to the module's worker: requests answered in the order sent, the progress the
// worker reports while a handler runs, and Cancel.
//
// A handler's call cannot be interrupted: the worker hears no message until it returns. So Cancel
// ends the worker and builds the same session in a new one, replaying the requests that changed
// it (files opened, text typed, options chosen, handlers run) except the cancelled one. The core
// is deterministic, so the controls, pictures and reports come back exactly as they were before
// the cancelled action. Each request is replayed under its own id: one still waiting for its
// answer gets it from the new worker, one already answered is not answered twice.
//
// A file read replaces most of the session, so the replay starts at the last file read: the
// worker answers a read with what the read left alone (the controls and "Poly5.txt" just before
// it), which is put back first. Only the last file's bytes are kept, however many were read.
'use strict';

class Cancelled extends Error {
  constructor() {
    super('cancelled');
    this.name = 'Cancelled';
  }
}

const kChangesSession = new Set(['act', 'open', 'setText', 'select', 'language', 'lesson', 'closeFrame']);
const kCancellable = new Set(['act', 'open', 'lesson']);

class WorkerLink {
  // onProgress(fraction) hears the worker's progress; onRestore(fraction) how far the new
  // worker has come after a Cancel. startWorker() makes a worker (or throws).
  constructor({ startWorker, failure, onProgress, onRestore }) {
    this.startWorker = startWorker;
    this.failure = failure;
    this.onProgress = onProgress;
    this.onRestore = onRestore;
    this.pending = new Map();  // id -> { message, resolve, reject }
    this.log = [];  // the requests that changed the session, in the order sent
    this.nextId = 1;
    this.running = null;  // the id of the last handler or file read sent
    this.restoring = null;  // { ids, done } while a new worker catches up
    this.worker = null;
    this.connect();
  }

  connect() {
    let worker;
    try {
      worker = this.startWorker();
    } catch (error) {
      console.error(error);
      return;
    }
    worker.onmessage = (event) => { if (worker === this.worker) this.heard(event.data); };
    // A worker script that cannot be loaded (a page opened from a file) fails every request.
    worker.onerror = (event) => {
      event.preventDefault();
      if (worker !== this.worker) return;
      for (const request of this.pending.values()) request.reject(new Error(this.failure));
      this.pending.clear();
      this.worker = null;
    };
    this.worker = worker;
  }

  heard({ id, progress, ...reply }) {
    if (id === undefined) {
      if (!this.restoring) this.onProgress(progress);
      else this.onRestore((this.restoring.done + progress) / this.restoring.ids.size);
      return;
    }
    if (reply.read !== undefined) this.fileRead(id, reply);
    if (this.restoring && this.restoring.ids.has(id)) {
      this.onRestore(++this.restoring.done / this.restoring.ids.size);
      if (this.restoring.done === this.restoring.ids.size) this.restoring = null;
    }
    const request = this.pending.get(id);
    if (!request) return;  // a replayed request answered before the Cancel
    this.pending.delete(id);
    if (reply.error) request.reject(new Error(reply.error));
    else request.resolve(reply);
  }

  ask(kind, args = {}, transfer = []) {
    if (!this.worker) return Promise.reject(new Error(this.failure));
    const id = this.nextId++;
    const message = { id, kind, ...args };
    if (kChangesSession.has(kind)) this.log.push(WorkerLink.copy(message));
    if (kCancellable.has(kind)) this.running = id;
    return new Promise((resolve, reject) => {
      this.pending.set(id, { message, resolve, reject });
      this.post(message, transfer);
    });
  }

  post(message, transfer = []) {
    this.worker.postMessage(message, transfer);
  }

  // The file's bytes travel to the worker, so the log keeps a copy of its own.
  static copy(message) {
    return message.bytes ? { ...message, bytes: message.bytes.slice(0) } : { ...message };
  }

  // The bytes of files read that the log holds for a replay, for anyone checking what the page
  // keeps.
  keptFileBytes() {
    return this.log.filter((message) => message.kind === 'open')
        .reduce((sum, message) => sum + message.bytes.byteLength, 0);
  }

  // After a read the replay needs nothing from before it but what the read left alone; a read
  // that failed changed nothing but the name of the file last chosen, which an empty file gives.
  fileRead(id, { read, snapshot }) {
    if (read && snapshot) {
      const restore = { id: id - 0.5, kind: 'restore', snapshot: snapshot.state, bytes: snapshot.bytes };
      this.log = [restore, ...this.log.filter((message) => message.id >= id)];
      return;
    }
    const logged = this.log.find((message) => message.id === id);
    if (logged && logged.bytes) logged.bytes = new ArrayBuffer(0);
  }

  // Stops the running handler or file read; false when there is none (it has just ended).
  cancel() {
    const cancelled = this.pending.get(this.running);
    if (!cancelled || !this.worker) return false;
    this.worker.terminate();
    this.worker = null;
    this.pending.delete(this.running);
    this.log = this.log.filter((message) => message.id !== this.running);
    this.restore();
    cancelled.reject(new Cancelled());
    return true;
  }

  restore() {
    this.connect();
    if (!this.worker) {
      for (const request of this.pending.values()) request.reject(new Error(this.failure));
      this.pending.clear();
      return;
    }
    const logged = new Set(this.log.map((message) => message.id));
    const resent = [...this.pending.values()].map((request) => request.message)
        .filter((message) => !logged.has(message.id));
    const replay = [...this.log.map(WorkerLink.copy), ...resent].sort((a, b) => a.id - b.id);
    this.restoring = replay.length ? { ids: new Set(replay.map((m) => m.id)), done: 0 } : null;
    for (const message of replay) this.post(message, message.bytes ? [message.bytes] : []);
  }
}
