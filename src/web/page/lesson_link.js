// Lesson links: an address with ?lesson=ACTIONS (the batch tool's action words, separated by
// blanks) brings every student who opens it to the same screen, and "Copy Link" gives the link to
// the screen shown.
'use strict';

// The actions of the page's own address, if it carries a lesson.
function lessonOfAddress() {
  const actions = new URLSearchParams(location.search).get('lesson');
  return actions && actions.trim() ? actions : null;
}

// Replays the actions in the worker, as the batch tool replays them, and shows the screen they
// leave: the scroll bars where the actions moved them, the sample highlighted in the list.
function followLesson(actions) {
  return perform('Lesson link', async () => {
    const reply = await ask('lesson', { actions });
    for (const [name, position] of Object.entries(reply.positions)) scrollBars.get(name)?.showAt(position);
    if ('sample' in reply) fileReadShown({ read: true }, reply.sample);
    return reply;
  });
}

// The address of this page with the lesson that rebuilds the screen shown.
function linkWith(actions) {
  const url = new URL(location.href);
  url.search = '';
  url.hash = '';
  if (actions) url.searchParams.set('lesson', actions);
  return url.href;
}

async function copyLink() {
  // The link describes the screen once the actions already given have run.
  await actionChain;
  const reply = await ask('link');
  if (reply.refusal) return showMessages([reply.refusal]);
  const link = linkWith(reply.actions);
  document.body.dataset.lessonLink = link;
  try {
    await navigator.clipboard.writeText(link);
    return showMessages([`The link to this screen is copied:\n\n${link}`]);
  } catch (refused) {
    // A browser that keeps the clipboard to itself here: the link to copy by hand.
    return showMessages([`The link to this screen (copy it from here):\n\n${link}`]);
  }
}
