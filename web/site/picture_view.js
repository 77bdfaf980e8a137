// The picture in a scrolling view: only the part in sight is drawn, at the chosen zoom, so a
// picture of any size shows at once. Zoom changes only the view: printing, saving and the
// projector draw at true size.
import { strokePicture } from './strokes.js';

export class PictureView {
  constructor(view, sizer, canvas, label) {
    Object.assign(this, { view, sizer, canvas, label, drawing: null, zoom: 1 });
    view.addEventListener('scroll', () => this.paint(), { passive: true });
    new ResizeObserver(() => this.paint()).observe(view);
  }

  show(drawing, sentence, description) {
    this.drawing = drawing;
    this.label.textContent = sentence;
    this.view.setAttribute('aria-label', description);
    this.layout();
  }

  setZoom(zoom) {
    this.zoom = zoom;
    this.layout();
  }

  layout() {
    const { drawing, zoom } = this;
    if (!drawing) return;
    this.sizer.style.width = `${drawing.width * zoom}px`;
    this.sizer.style.height = `${drawing.height * zoom}px`;
    const band = drawing.label;
    Object.assign(this.label.style, {
      left: `${band.left * zoom}px`, top: `${band.top * zoom}px`,
      width: `${band.width * zoom}px`, fontSize: `${12 * zoom}px`,
    });
    this.paint();
  }

  // The canvas keeps one size, the window's, whatever the picture's: a canvas given a new
  // size costs the browser up to 30 ms, too long for a keystroke. The sizer clips it to the
  // picture. Returns the device's pixels per CSS pixel.
  fitCanvas() {
    const { canvas } = this;
    const ratio = window.devicePixelRatio || 1;
    const width = Math.max(1, Math.round(window.innerWidth * ratio));
    const height = Math.max(1, Math.round(window.innerHeight * ratio));
    if (canvas.width !== width || canvas.height !== height) {
      canvas.width = width;
      canvas.height = height;
      canvas.style.width = `${width / ratio}px`;
      canvas.style.height = `${height / ratio}px`;
    }
    return ratio;
  }

  // Makes the canvas and strokes a drawing on it while the view is still hidden: the work of a
  // first picture, done before the first key.
  prepare(drawing) {
    const ratio = this.fitCanvas();
    strokePicture(this.canvas.getContext('2d'), drawing, { scale: ratio });
  }

  paint() {
    const { drawing, zoom, view, canvas } = this;
    if (!drawing) return;
    const ratio = this.fitCanvas();
    canvas.style.left = `${view.scrollLeft}px`;
    canvas.style.top = `${view.scrollTop}px`;
    strokePicture(canvas.getContext('2d'), drawing, {
      left: view.scrollLeft / zoom, top: view.scrollTop / zoom, scale: zoom * ratio,
      lineWidth: Math.max(1, Math.round(ratio)),
    });
  }
}
