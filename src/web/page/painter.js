// Paints the pixel shapes the module maps from a picture's display list (the same mapping the
// desktop painter uses): back colour, then one-pixel lines and round circle outlines, clipped by
// the canvas. The shapes are in device pixels, so the canvas backing store is in device pixels.
'use strict';

const Painter = (() => {
  const rgb = (c) => `rgb(${c[0]},${c[1]},${c[2]})`;

  function paint(context, picture, width, height) {
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = rgb(picture.back);
    context.fillRect(0, 0, width, height);
    context.lineWidth = 1;
    for (const shape of picture.shapes) {
      context.beginPath();
      if (shape[0] === 'L') {
        context.strokeStyle = rgb(shape[5]);
        context.moveTo(shape[1], shape[2]);
        context.lineTo(shape[3], shape[4]);
      } else {
        context.strokeStyle = rgb(shape[4]);
        context.arc(shape[1], shape[2], Math.abs(shape[3]), 0, 2 * Math.PI);
      }
      context.stroke();
    }
    context.restore();
  }

  function svg(picture, width, height) {
    const parts = [
      `<?xml version="1.0" encoding="UTF-8"?>`,
      `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">`,
      `<title>QEB-Vantrel</title>`,
      `<defs><clipPath id="area"><rect width="${width}" height="${height}"/></clipPath></defs>`,
      `<rect width="${width}" height="${height}" fill="${rgb(picture.back)}"/>`,
      `<g clip-path="url(#area)" fill="none" stroke-width="1" vector-effect="non-scaling-stroke">`,
    ];
    for (const s of picture.shapes) {
      if (s[0] === 'L') {
        parts.push(`<line x1="${s[1]}" y1="${s[2]}" x2="${s[3]}" y2="${s[4]}" stroke="${rgb(s[5])}"/>`);
      } else {
        parts.push(`<circle cx="${s[1]}" cy="${s[2]}" r="${Math.abs(s[3])}" stroke="${rgb(s[4])}"/>`);
      }
    }
    parts.push('</g>', '</svg>', '');
    return parts.join('\n');
  }

  return { paint, svg };
})();
