// The two reports: viewed in the page (the first 2 MB of a long one) or downloaded as written.
'use strict';

async function reportBytes(name) {
  const { bytes } = await ask('report', { name });
  return bytes;
}

// The reports are Windows-1254 text with CR LF; a very long one is shown in part.
const kShownBytes = 2 * 1024 * 1024;
async function viewReport(name) {
  const bytes = await reportBytes(name);
  if (!bytes) return;
  const shown = bytes.byteLength > kShownBytes ? bytes.slice(0, kShownBytes) : bytes;
  let text = new TextDecoder('windows-1254').decode(shown);
  if (shown !== bytes) text += `\n… (the first 2 MB of ${bytes.byteLength} bytes; download it for the whole file)`;
  $('reportTitle').textContent = name;
  $('reportText').textContent = text;
  $('reportBox').showModal();
}

function setUpReports() {
  for (const [name, button] of [['Vantrel.txt', 'Vantrel'], ['Poly5.txt', 'Poly5']]) {
    $(`view${button}`).addEventListener('click', () => viewReport(name));
    $(`download${button}`).addEventListener('click', async () => {
      const bytes = await reportBytes(name);
      if (bytes) download(bytes, name, 'text/plain;charset=windows-1254');
    });
  }
  $('reportClose').addEventListener('click', () => $('reportBox').close());
}
