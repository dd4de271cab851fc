// Paints the pixel shapes the module maps from a picture's display list (the same mapping the
// desktop painter uses): back colour, then lines and round circle outlines of the pen's width,
// clipped by the canvas; then, for a picture that has one, the overlay the module laid out (the
// operating point's edge arrow, values, titles, a legend): lines of their own width, and each text
// in its box, set smaller where the font is wider than the box. The shapes are in device pixels,
// so the canvas backing store is in device pixels. On screen the pen is at least one CSS pixel
// wide, so a line stays as plain at a device pixel ratio of 2 (a projector, a phone) as at 1; a
// picture saved to a file has one device pixel unless its size asks for more.
'use strict';

const Painter = (() => {
  const rgb = (c) => `rgb(${c[0]},${c[1]},${c[2]})`;

  // A canvas of the page, in device pixels; not one made to be saved.
  function lineWidthOn(canvas) {
    return canvas.isConnected ? Math.max(1, window.devicePixelRatio || 1) : 1;
  }

  function paint(context, picture, width, height, penWidth = lineWidthOn(context.canvas)) {
    context.save();
    context.setTransform(1, 0, 0, 1, 0, 0);
    context.fillStyle = rgb(picture.back);
    context.fillRect(0, 0, width, height);
    context.lineWidth = penWidth;
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
    if (picture.overlay) paintOverlay(context, picture.overlay);
    context.restore();
  }

  const kFont = '"DejaVu Sans", "Segoe UI", Tahoma, Arial, sans-serif';

  // The font size at which a text fits its box, as the desktop painter shrinks it.
  function fittedFont(context, text) {
    let size = Math.max(1, Math.floor(text.font));
    context.font = `${size}px ${kFont}`;
    const advance = context.measureText(text.text).width;
    if (advance > text.box[2]) size = Math.max(1, Math.floor(text.font * text.box[2] / advance));
    return size;
  }

  function paintOverlay(context, overlay) {
    context.lineCap = 'butt';
    for (const [x1, y1, x2, y2, color, width] of overlay.lines) {
      context.beginPath();
      context.strokeStyle = rgb(color);
      context.lineWidth = width;
      context.moveTo(x1, y1);
      context.lineTo(x2, y2);
      context.stroke();
    }
    context.textBaseline = 'middle';
    for (const text of overlay.texts) {
      const [left, top, width, height] = text.box;
      context.font = `${fittedFont(context, text)}px ${kFont}`;
      context.fillStyle = rgb(text.color);
      context.textAlign = text.left ? 'left' : 'center';
      context.fillText(text.text, text.left ? left : left + width / 2, top + height / 2);
    }
  }

  const escaped = (text) => text.replace(/&/g, '&amp;').replace(/</g, '&lt;').replace(/>/g, '&gt;');

  function svgOverlay(overlay, parts) {
    const measure = document.createElement('canvas').getContext('2d');
    for (const [x1, y1, x2, y2, color, width] of overlay.lines) {
      parts.push(`<line x1="${x1}" y1="${y1}" x2="${x2}" y2="${y2}" stroke="${rgb(color)}" stroke-width="${width}"/>`);
    }
    for (const text of overlay.texts) {
      const [left, top, width, height] = text.box;
      const x = text.left ? left : left + width / 2;
      parts.push(`<text x="${x}" y="${top + height / 2}" font-size="${fittedFont(measure, text)}" ` +
        `font-family='${kFont}' fill="${rgb(text.color)}" stroke="none" dominant-baseline="middle" ` +
        `text-anchor="${text.left ? 'start' : 'middle'}">${escaped(text.text)}</text>`);
    }
  }

  function svg(picture, width, height, penWidth = 1) {
    const parts = [
      `<?xml version="1.0" encoding="UTF-8"?>`,
      `<svg xmlns="http://www.w3.org/2000/svg" width="${width}" height="${height}" viewBox="0 0 ${width} ${height}">`,
      `<title>QEB-Vantrel</title>`,
      `<defs><clipPath id="area"><rect width="${width}" height="${height}"/></clipPath></defs>`,
      `<rect width="${width}" height="${height}" fill="${rgb(picture.back)}"/>`,
      `<g clip-path="url(#area)" fill="none" stroke-width="${penWidth}">`,
    ];
    for (const s of picture.shapes) {
      if (s[0] === 'L') {
        parts.push(`<line x1="${s[1]}" y1="${s[2]}" x2="${s[3]}" y2="${s[4]}" stroke="${rgb(s[5])}"/>`);
      } else {
        parts.push(`<circle cx="${s[1]}" cy="${s[2]}" r="${Math.abs(s[3])}" stroke="${rgb(s[4])}"/>`);
      }
    }
    if (picture.overlay) svgOverlay(picture.overlay, parts);
    parts.push('</g>', '</svg>', '');
    return parts.join('\n');
  }

  return { paint, svg };
})();
