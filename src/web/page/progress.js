// The progress box an action shows once it has run for a moment, and its Cancel.
'use strict';

// Work shorter than this ends before the progress box would be worth reading.
const kQuietStart = 300;
let progressTimer;
let progressShown = false;
let cancelling = false;

// The fraction done, as the desktop's progress dialog shows it; without one, a moving bar.
function showProgress(caption, fraction) {
  const bar = $('progressBar');
  if (fraction === undefined) {
    bar.removeAttribute('value');
    $('progressText').textContent = caption;
  } else {
    bar.value = fraction;
    $('progressText').textContent = `${caption} ${Math.floor(fraction * 100)}%`;
  }
}

function openProgress() {
  progressShown = true;
  for (const scrollBar of scrollBars.values()) scrollBar.stopRepeating();
  $('progressBox').showModal();
  // Cancel does not keep the focus the box gave it, so a key still being typed cancels nothing.
  $('progressCancel').blur();
}

function cancelWork() {
  if (cancelling || !link.cancel()) return;
  cancelling = true;
  $('progressCancel').disabled = true;
  showProgress('Cancelling…', 0);
}

// An action's work with the progress box shown once it has run for a moment; a cancelled
// action leaves the page showing the state it had before.
async function busy(work, onCancelled) {
  showProgress('Computing…');
  progressTimer = setTimeout(openProgress, kQuietStart);
  document.body.dataset.busy = 'true';
  try {
    return await work();
  } catch (error) {
    if (!(error instanceof Cancelled)) throw error;
    if (onCancelled) onCancelled();
    return await ask('state');
  } finally {
    clearTimeout(progressTimer);
    if (progressShown) $('progressBox').close();
    progressShown = false;
    cancelling = false;
    $('progressCancel').disabled = false;
    delete document.body.dataset.busy;
  }
}
