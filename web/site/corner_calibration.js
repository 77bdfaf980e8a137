// Calibrating a screen by a rectangle's corners: four handles the user drags (or moves with the
// arrow keys, Shift for 10 pixels; Tab picks the next) onto the corners of a rectangle of known
// size on the table, whose size is then typed ("24 x 18 in"). With a mesh asked for, a grid of
// points follows, dragged onto the mat's crossings the same way. The core judges both.
import { tr } from './i18n.js';
import { tell } from './dialogs.js';
import { element, fullScreen, leave, sizedCanvas } from './full_screen.js';
import { cornerFaultText, storeCorners } from './corner_store.js';

const kView = 'tavrel::projector::CornerCalibrationView';
const kFineStep = 1;
const kCoarseStep = 10;
const kHandleSize = 15;
const kGrabDistance = 30;  // a press this near a handle takes it

function pairs(flat) {
  const points = [];
  for (let i = 0; i + 1 < flat.length; i += 2) points.push([flat[i], flat[i + 1]]);
  return points;
}

// The lines between the handles: the rectangle's sides, or the mesh's rows and columns.
function handleLines(context, handles, meshSize) {
  const line = (a, b) => {
    context.moveTo(a[0] + 0.5, a[1] + 0.5);
    context.lineTo(b[0] + 0.5, b[1] + 0.5);
  };
  context.beginPath();
  if (!meshSize) {
    handles.forEach((handle, i) => line(handle, handles[(i + 1) % handles.length]));
  } else {
    handles.forEach((handle, i) => {
      if ((i + 1) % meshSize !== 0) line(handle, handles[i + 1]);
      if (i + meshSize < handles.length) line(handle, handles[i + meshSize]);
    });
  }
  context.stroke();
}

// A box around each handle, the chosen one filled, and the handle's own pixel, exactly where
// it stands.
function handleBoxes(context, handles, selected) {
  const half = Math.floor(kHandleSize / 2);
  handles.forEach(([x, y], i) => {
    if (i === selected) context.fillRect(x - half, y - half, kHandleSize, kHandleSize);
    else context.strokeRect(x - half + 0.5, y - half + 0.5, kHandleSize - 1, kHandleSize - 1);
  });
  handles.forEach(([x, y], i) => {
    context.fillStyle = i === selected ? '#000' : '#fff';
    context.fillRect(x, y, 1, 1);
  });
}

// Resolves to true once a calibration is kept for the screen, false when left with Esc.
// `metric` is the ruler's, for a size typed without a unit; `meshSize` 0, 3 or 5.
export function calibrateCorners(core, { metric, meshSize, screenKey }) {
  const host = document.getElementById('projector');
  return new Promise(async (resolve) => {
    await fullScreen(host);
    const canvas = element('canvas');
    const words = element('p', { id: 'cornerWords', textContent: tr(kView, "Drag each handle onto a corner of a rectangle you know on the table, or select one with Tab and move it with the arrow keys (Shift: 10 pixels). Then type the rectangle's size and press Enter.") });
    const size = element('input', { id: 'txtRectangleSize', type: 'text', autocomplete: 'off',
      placeholder: metric ? '600 x 450 mm' : '24 x 18 in' });
    size.setAttribute('aria-label', tr(kView, 'Rectangle size'));
    size.setAttribute('aria-describedby', words.id);
    host.append(canvas, element('div', { className: 'cornerForm' }, words, size));

    let handles = [];
    let selected = 0;
    let corners = null;  // the calibration once its corners are accepted
    let startedFor = '';
    let grabbed = false;

    const paint = () => {
      const width = host.clientWidth;
      const height = host.clientHeight;
      // Until the corners are accepted, a view of a new size starts them again in its middle.
      if (!corners && startedFor !== `${width}x${height}`) {
        startedFor = `${width}x${height}`;
        handles = pairs(core.startingCorners(width, height));
      }
      const context = sizedCanvas(canvas, width, height);
      context.fillStyle = '#000';
      context.fillRect(0, 0, width, height);
      context.strokeStyle = context.fillStyle = '#fff';
      context.lineWidth = 1;
      handleLines(context, handles, corners ? meshSize : 0);
      handleBoxes(context, handles, selected);
      canvas.dataset.handles = handles.flat().join(' ');  // where they stand, for whoever checks
    };
    const moveTo = (x, y) => {
      handles[selected] = [Math.min(Math.max(Math.round(x), 0), host.clientWidth - 1),
                           Math.min(Math.max(Math.round(y), 0), host.clientHeight - 1)];
    };
    const resized = new ResizeObserver(() => paint());
    const finish = (calibration) => {
      if (calibration) storeCorners(screenKey, calibration);
      resized.disconnect();
      leave(host);
      resolve(Boolean(calibration));
    };
    const refuse = async (fault) => {
      await tell(tr(kView, 'Corner Calibration'), cornerFaultText(fault));
      size.focus();
    };
    const acceptCorners = () => {
      const typed = core.rectangleSize(size.value, metric);
      const calibration = typed && { widthInches: typed.widthInches,
        heightInches: typed.heightInches, metric: typed.metric, corners: handles.flat(), mesh: null };
      const fault = calibration ? core.calibrationFault(calibration) : 'notANumber';
      if (fault) return refuse(fault);
      if (!meshSize) return finish(calibration);
      // The mesh's points start where the corners alone show the crossings.
      corners = calibration;
      handles = pairs(core.meshStart(corners, meshSize));
      selected = 0;
      words.textContent = tr(kView, "Drag each point onto the crossing of the mat's grid it stands for, then press Enter. Esc keeps the corners alone.");
      size.readOnly = true;
      return paint();
    };
    const acceptMesh = () => {
      const bent = { ...corners, mesh: { size: meshSize, points: handles.flat() } };
      const fault = core.calibrationFault(bent);
      return fault ? refuse(fault) : finish(bent);
    };

    // The arrow keys move the chosen handle while the size box has the focus, and Tab picks
    // the next handle: a typed size needs neither.
    size.addEventListener('keydown', (event) => {
      const step = event.shiftKey ? kCoarseStep : kFineStep;
      const moves = { ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, -step],
        ArrowDown: [0, step] };
      const [x, y] = handles[selected];
      if (event.key === 'Escape' || event.key === 'Enter') {
        event.preventDefault();  // the key is this view's, not the button the dialog returns to
        if (event.key === 'Escape') finish(corners);  // in the mesh, the corners alone are kept
        else if (corners) acceptMesh();
        else acceptCorners();
        return;
      }
      if (event.key === 'Tab')
        selected = (selected + (event.shiftKey ? handles.length - 1 : 1)) % handles.length;
      else if (moves[event.key]) moveTo(x + moves[event.key][0], y + moves[event.key][1]);
      else return;
      event.preventDefault();
      paint();
    });
    // A press keeps the focus in the size box, and takes the handle it is near.
    canvas.addEventListener('mousedown', (event) => event.preventDefault());
    canvas.addEventListener('pointerdown', (event) => {
      const distances = handles.map(([x, y]) => Math.hypot(x - event.offsetX, y - event.offsetY));
      const nearest = distances.indexOf(Math.min(...distances));
      grabbed = distances[nearest] < kGrabDistance;
      if (!grabbed) return;
      selected = nearest;
      canvas.setPointerCapture(event.pointerId);
      paint();
    });
    canvas.addEventListener('pointermove', (event) => {
      if (!grabbed || !event.buttons) return;
      moveTo(event.offsetX, event.offsetY);
      paint();
    });
    canvas.addEventListener('pointerup', () => { grabbed = false; });
    resized.observe(host);
    paint();
    size.focus();
  });
}
