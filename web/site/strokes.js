// Strokes the core's picture onto a 2D canvas as the screen shows it: one-pixel lines over the
// pixels right of and below their points, arcs on their boxes, black on white unless asked.

// Draws the part of the picture from (left, top), in picture pixels, at `scale` device pixels
// per picture pixel, with lines `lineWidth` device pixels wide.
export function strokePicture(context, drawing,
                              { left = 0, top = 0, scale = 1, lineWidth = 1, ink = '#000', paper = '#fff' } = {}) {
  context.save();
  context.setTransform(scale, 0, 0, scale, -left * scale, -top * scale);
  context.fillStyle = paper;
  context.fillRect(0, 0, drawing.width, drawing.height);
  context.beginPath();
  context.rect(0, 0, drawing.width, drawing.height);
  context.clip();
  // The screen lights the pixel right of and below a point: half a pixel's shift centres the
  // stroke over it.
  context.translate(0.5, 0.5);
  context.strokeStyle = ink;
  context.lineWidth = lineWidth / scale;
  context.lineCap = 'square';
  context.beginPath();
  const lines = drawing.lines;
  for (let i = 0; i < lines.length; i += 4) {
    context.moveTo(lines[i], lines[i + 1]);
    context.lineTo(lines[i + 2], lines[i + 3]);
  }
  const arcs = drawing.arcs;
  const radians = Math.PI / 180;
  for (let i = 0; i < arcs.length; i += 6) {
    const [x, y, rx, ry, start, sweep] = arcs.slice(i, i + 6);
    // Counter-clockwise on screen, where y grows downwards: negative canvas angles.
    const from = -start * radians;
    context.moveTo(x + rx * Math.cos(from), y + ry * Math.sin(from));
    context.ellipse(x, y, rx, ry, 0, from, from - sweep * radians, true);
  }
  context.stroke();
  context.restore();
}
