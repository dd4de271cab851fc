// The modal message box: the handlers' messages, one at a time, in the order given.
'use strict';

let messageChain = Promise.resolve();

function showMessages(messages) {
  if (messages.length) for (const bar of scrollBars.values()) bar.stopRepeating();
  for (const message of messages) messageChain = messageChain.then(() => showMessage(message));
  return messageChain;
}

function showMessage(message) {
  return new Promise((resolve) => {
    const box = $('messageBox');
    $('messageText').textContent = message;
    const close = () => {
      box.removeEventListener('close', close);
      resolve();
    };
    box.addEventListener('close', close);
    box.showModal();
  });
}
