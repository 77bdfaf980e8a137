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

  paint() {
    const { drawing, zoom, view, canvas } = this;
    if (!drawing) return;
    const ratio = window.devicePixelRatio || 1;
    // The canvas keeps one size, as wide as the view and as tall as the window, whatever the
    // picture's size: a canvas given a new size each keystroke costs the browser up to 30 ms.
    // The sizer clips it to the picture.
    const width = view.clientWidth;
    const height = window.innerHeight;
    const deviceWidth = Math.max(1, Math.round(width * ratio));
    const deviceHeight = Math.max(1, Math.round(height * ratio));
    if (canvas.width !== deviceWidth || canvas.height !== deviceHeight) {
      canvas.width = deviceWidth;
      canvas.height = deviceHeight;
    }
    Object.assign(canvas.style, {
      width: `${width}px`, height: `${height}px`,
      left: `${view.scrollLeft}px`, top: `${view.scrollTop}px`,
    });
    strokePicture(canvas.getContext('2d'), drawing, {
      left: view.scrollLeft / zoom, top: view.scrollTop / zoom, scale: zoom * ratio,
      lineWidth: Math.max(1, Math.round(ratio)),
    });
  }
}
