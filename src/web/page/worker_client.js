// The page's worker, started from its own file or, in the one-file page, from an inline script.
'use strict';

function startWorker() {
  const inline = document.getElementById('inlineWorker');
  if (inline) {
    const blob = new Blob([inline.textContent], { type: 'text/javascript' });
    return new Worker(URL.createObjectURL(blob));
  }
  return new Worker('worker.js');
}

const kNoWorker = 'The page cannot start its worker here. Serve the folder (make web-serve) ' +
    'or open standalone.html, which also works from a file.';
const link = new WorkerLink({
  startWorker,
  failure: kNoWorker,
  onProgress: (fraction) => { if (!cancelling) showProgress('Computing…', fraction); },
  onRestore: (fraction) => showProgress('Cancelling…', fraction),
});

function ask(kind, args = {}, transfer = []) {
  return link.ask(kind, args, transfer);
}
