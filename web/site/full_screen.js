// The projector's views over the whole screen, and the elements they are made of.

export function element(tag, properties = {}, ...children) {
  const made = Object.assign(document.createElement(tag), properties);
  made.append(...children);
  return made;
}

export async function fullScreen(host) {
  host.hidden = false;
  host.replaceChildren();
  try {
    await host.requestFullscreen?.();
  } catch { /* the fixed layer covers the page where the browser allows no full screen */ }
}

export function leave(host) {
  host.hidden = true;
  host.replaceChildren();
  if (document.fullscreenElement) document.exitFullscreen().catch(() => {});
}

// A canvas as large as the view in the screen's own pixels, drawn on in the view's pixels.
export function sizedCanvas(canvas, width, height) {
  const ratio = window.devicePixelRatio || 1;
  canvas.width = Math.round(width * ratio);
  canvas.height = Math.round(height * ratio);
  canvas.style.width = `${width}px`;
  canvas.style.height = `${height}px`;
  const context = canvas.getContext('2d');
  context.setTransform(ratio, 0, 0, ratio, 0, 0);
  return context;
}

// Polylines given as {points: x, y of each point, counts: points of each}, a point lighting
// the pixel right of and below it.
export function strokePolylines(context, { points, counts }) {
  context.beginPath();
  let at = 0;
  for (const count of counts) {
    for (let i = 0; i < count; ++i, at += 2) {
      const x = points[at] + 0.5;
      const y = points[at + 1] + 0.5;
      if (i === 0) context.moveTo(x, y);
      else context.lineTo(x, y);
    }
  }
  context.stroke();
}
