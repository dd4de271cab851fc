// The file panel's NACA generator: a 4- or 5-digit designation and a station count, written as
// the batch tool's `naca` writes the section, then read as a chosen file.
'use strict';

function generateNaca() {
  const argument = JSON.stringify({
    designation: $('Text_NacaDesignation').value.trim(), stations: $('Text_NacaStations').value.trim(),
  });
  return perform('Cmnd_NacaGenerate_Click', async () =>
    fileReadShown(await ask('act', { handler: 'Cmnd_NacaGenerate_Click', argument }), null));
}

function setUpNaca() {
  $('Cmnd_NacaGenerate').addEventListener('click', generateNaca);
  for (const box of ['Text_NacaDesignation', 'Text_NacaStations']) {
    $(box).addEventListener('keydown', (event) => {
      if (event.key !== 'Enter' || event.isComposing) return;
      event.preventDefault();
      generateNaca();
    });
  }
}
