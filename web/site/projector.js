// The projector view: the pattern full screen at true scale, once an on-screen bar has been
// matched to a real ruler, or through a rectangle's corners matched to one on the table; each
// calibration is kept in the browser for this screen. The core says the scale, the bar's
// bounds, the mapping and where the check overlay's lines go.
import { kTwipsPerPixel } from './core.js';
import { tr } from './i18n.js';
import { shownCaption } from './page_texts.js';
import { strokePicture } from './strokes.js';
import { tell } from './dialogs.js';
import { asTyped } from './numbers.js';
import { element, fullScreen, leave } from './full_screen.js';
import { calibrateCorners } from './corner_calibration.js';
import { readCorners, forgetCorners } from './corner_store.js';
import { projectThroughCorners } from './mapped_view.js';

const kDialog = 'tavrel::projector::ProjectorDialog';
const kCalibration = 'tavrel::projector::CalibrationView';
const kView = 'tavrel::projector::ProjectorView';
const kLookKey = 'tavrel.projector.look';
const kLineWidths = [1, 3, 5];
const kMeshSizes = [0, 3, 5];
const kArrowSteps = 10;  // an arrow key moves the pattern a tenth of the view

// A screen is known by its size and pixel ratio: a changed one asks for a new calibration.
function screenKey() {
  return `tavrel.projector.${screen.width}x${screen.height}@${window.devicePixelRatio || 1}`;
}

export function storedPixelsPerInch(core) {
  const value = Number(localStorage.getItem(screenKey()));
  return core.plausiblePixelsPerInch(value) ? value : null;
}

// The overlay 3, the calibrated rectangle, shows only on a corner-calibrated screen; the
// mirrors and turns too.
function loadLook() {
  const look = { whiteOnBlack: true, lineWidth: 1, overlay: 0, mirrorAcross: false,
    mirrorDown: false, quarterTurns: 0, meshSize: 0 };
  try {
    const stored = JSON.parse(localStorage.getItem(kLookKey) ?? '{}');
    for (const choice of ['whiteOnBlack', 'mirrorAcross', 'mirrorDown'])
      if (typeof stored[choice] === 'boolean') look[choice] = stored[choice];
    if (kLineWidths.includes(stored.lineWidth)) look.lineWidth = stored.lineWidth;
    if ([0, 1, 2, 3].includes(stored.overlay)) look.overlay = stored.overlay;
    if ([0, 1, 2, 3].includes(stored.quarterTurns)) look.quarterTurns = stored.quarterTurns;
    if (kMeshSizes.includes(stored.meshSize)) look.meshSize = stored.meshSize;
  } catch { /* a damaged choice falls back to the defaults */ }
  return look;
}

function field(label, control) {
  return element('label', { className: 'field' }, element('span', { textContent: label }), control);
}

function checkBox(caption, id, checked) {
  const box = element('input', { type: 'checkbox', id, checked });
  return { box, label: element('label', { className: 'field' }, box, shownCaption(caption)) };
}

function select(options, value) {
  const list = element('select');
  options.forEach((text, index) => list.add(new Option(text, index)));
  list.value = value;
  return list;
}

// The bar to match to a ruler: its right end dragged, or moved by the arrow keys (Shift: ten
// pixels); the length typed as the unit reads it. Resolves to pixels per inch, or null.
function calibrate(core, metric) {
  const host = document.getElementById('projector');
  return new Promise(async (resolve) => {
    await fullScreen(host);
    const canvas = element('canvas', { className: 'bar' });
    const instructions = metric
      ? tr(kCalibration, "Drag the bar's right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in millimeters and press Enter. Esc leaves without calibrating.")
      : tr(kCalibration, "Drag the bar's right end, or use the arrow keys (with Shift for larger steps), until it matches a length on your ruler; or simply measure the bar. Then type that length in inches, such as 7 7/8, and press Enter. Esc leaves without calibrating.");
    const length = element('input', { id: 'txtBarLength', type: 'text', inputMode: 'decimal',
      autocomplete: 'off' });
    length.setAttribute('aria-label', metric ? tr(kCalibration, 'Bar length in millimeters')
                                             : tr(kCalibration, 'Bar length in inches'));
    const words = element('p', { id: 'calibrationWords', textContent: instructions });
    length.setAttribute('aria-describedby', words.id);
    host.append(canvas, element('div', { className: 'calibrationForm' }, words, length));
    const bar = { left: 0, pixels: 0 };
    const paint = () => {
      canvas.width = host.clientWidth;
      canvas.height = Math.floor(host.clientHeight / 2);
      bar.left = Math.floor(canvas.width / 20);
      const longest = Math.max(20, canvas.width - 2 * bar.left);
      bar.pixels = Math.min(Math.max(bar.pixels || Math.floor(canvas.width * 4 / 5), 20), longest);
      const context = canvas.getContext('2d');
      context.fillStyle = '#000';
      context.fillRect(0, 0, canvas.width, canvas.height);
      context.fillStyle = '#fff';
      const top = Math.floor(canvas.height * 2 / 3);
      context.fillRect(bar.left, top, bar.pixels, 9);
      context.fillRect(bar.left, top + 4 - 20, 1, 41);
      context.fillRect(bar.left + bar.pixels - 1, top + 4 - 20, 1, 41);
    };
    const finish = (result) => {
      leave(host);
      resolve(result);
    };
    canvas.addEventListener('pointerdown', (event) => canvas.setPointerCapture(event.pointerId));
    canvas.addEventListener('pointermove', (event) => {
      if (!event.buttons) return;
      bar.pixels = Math.round(event.offsetX) - bar.left + 1;
      paint();
    });
    length.addEventListener('keydown', async (event) => {
      if (event.key === 'Escape') {
        event.preventDefault();
        finish(null);
      } else if (event.key === 'ArrowRight' || event.key === 'ArrowLeft') {
        event.preventDefault();
        const step = event.shiftKey ? 10 : 1;
        bar.pixels += event.key === 'ArrowRight' ? step : -step;
        paint();
      } else if (event.key === 'Enter') {
        event.preventDefault();  // the key is this box's, not the button the dialog returns to
        // A ruler measures from the first end mark to the last: one pixel less than the bar.
        const result = core.pixelsPerInchFromBar(bar.pixels - 1, asTyped(length.value.trim()), metric);
        if (result.refused === 'unreadable') {
          await tell(tr(kCalibration, 'Calibration'), metric
            ? tr(kCalibration, "Type the bar's length in millimeters, such as 250.")
            : tr(kCalibration, "Type the bar's length in inches, such as 7 7/8."));
        } else if (result.refused === 'implausible') {
          await tell(tr(kCalibration, 'Calibration'),
            tr(kCalibration, 'A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per inch. Check the length and its unit.', bar.pixels - 1)
              .replace('%1', length.value.trim()).replace('%2', result.least)
              .replace('%3', result.most));
        } else {
          localStorage.setItem(screenKey(), String(result.pixelsPerInch));
          finish(result.pixelsPerInch);
          return;
        }
        length.focus();
      }
    });
    new ResizeObserver(paint).observe(host);
    paint();
    length.focus();
  });
}

// The pattern at true scale: centred when smaller than the screen, else panned by dragging or
// by the arrow keys; Esc leaves.
async function project(core, drawing, metric, pixelsPerInch, look) {
  const host = document.getElementById('projector');
  await fullScreen(host);
  const canvas = element('canvas', { tabIndex: 0 });
  canvas.setAttribute('role', 'img');
  canvas.setAttribute('aria-label', tr(kView, 'The pattern at true scale. The arrow keys move it; Esc leaves.'));
  host.append(canvas);
  const scale = core.projectionScale(pixelsPerInch, kTwipsPerPixel, metric);
  const pan = { x: 0, y: 0 };
  const paint = () => {
    const ratio = window.devicePixelRatio || 1;
    const width = host.clientWidth;
    const height = host.clientHeight;
    canvas.width = Math.round(width * ratio);
    canvas.height = Math.round(height * ratio);
    canvas.style.width = `${width}px`;
    canvas.style.height = `${height}px`;
    const across = Math.ceil(drawing.width * scale.perPicturePixel);
    const down = Math.ceil(drawing.height * scale.perPicturePixel);
    pan.x = Math.min(Math.max(pan.x, 0), Math.max(0, across - width));
    pan.y = Math.min(Math.max(pan.y, 0), Math.max(0, down - height));
    const corner = {
      x: across <= width ? Math.floor((width - across) / 2) : -pan.x,
      y: down <= height ? Math.floor((height - down) / 2) : -pan.y,
    };
    const context = canvas.getContext('2d');
    const ink = look.whiteOnBlack ? '#fff' : '#000';
    const paper = look.whiteOnBlack ? '#000' : '#fff';
    context.fillStyle = paper;
    context.fillRect(0, 0, canvas.width, canvas.height);
    const perPixel = scale.perPicturePixel * ratio;
    strokePicture(context, drawing, {
      left: -corner.x / scale.perPicturePixel, top: -corner.y / scale.perPicturePixel,
      scale: perPixel, lineWidth: look.lineWidth * ratio, ink, paper,
    });
    if (look.overlay === 0 || look.overlay === 3) return;  // the rectangle is the corners' own
    const lines = look.overlay === 1
      ? core.gridLines(width, height, corner.x, corner.y, scale.unitPixels)
      : core.checkRulerLines(width, height, scale.unitPixels);
    context.save();
    context.scale(ratio, ratio);
    context.strokeStyle = look.overlay === 1 ? '#808080' : ink;
    context.lineWidth = look.lineWidth;
    context.beginPath();
    for (let i = 0; i < lines.length; i += 4) {
      context.moveTo(lines[i] + 0.5, lines[i + 1] + 0.5);
      context.lineTo(lines[i + 2] + 0.5, lines[i + 3] + 0.5);
    }
    context.stroke();
    context.restore();
  };
  canvas.addEventListener('keydown', (event) => {
    const across = Math.max(1, Math.floor(host.clientWidth / kArrowSteps));
    const down = Math.max(1, Math.floor(host.clientHeight / kArrowSteps));
    const moves = { ArrowLeft: [-across, 0], ArrowRight: [across, 0], ArrowUp: [0, -down],
      ArrowDown: [0, down] };
    if (event.key === 'Escape') leave(host);
    else if (moves[event.key]) {
      event.preventDefault();
      pan.x += moves[event.key][0];
      pan.y += moves[event.key][1];
      paint();
    }
  });
  let from = null;
  canvas.addEventListener('pointerdown', (event) => {
    from = { x: event.clientX, y: event.clientY };
    canvas.setPointerCapture(event.pointerId);
  });
  canvas.addEventListener('pointermove', (event) => {
    if (!from) return;
    pan.x -= event.clientX - from.x;
    pan.y -= event.clientY - from.y;
    from = { x: event.clientX, y: event.clientY };
    paint();
  });
  canvas.addEventListener('pointerup', () => { from = null; });
  document.addEventListener('fullscreenchange', () => {
    if (!document.fullscreenElement && !host.hidden) leave(host);
  });
  new ResizeObserver(paint).observe(host);
  canvas.focus();
}

// The projector's choices: lines, their width, the check overlay, the pattern's mirrors and
// turn, the mesh, and the two calibrations.
export function openProjector(page) {
  const { core, state } = page;
  const metric = state.drawnUnit === 2;
  // Kept: later typing does not change the projection.
  const drawing = state.drawing;
  const pattern = { text: state.drawnText, unit: state.drawnUnit };
  const look = loadLook();
  const dialog = element('dialog', { id: 'dlgProjector' });
  const colours = select([tr(kDialog, 'White lines on black'), tr(kDialog, 'Black lines on white')],
                         look.whiteOnBlack ? 0 : 1);
  const widths = select(kLineWidths.map((width) => tr(kDialog, '%n pixel(s)', width)),
                        kLineWidths.indexOf(look.lineWidth));
  const overlay = select([tr(kDialog, 'Nothing'), tr(kDialog, 'A grid'), tr(kDialog, 'A ruler'),
                          tr(kDialog, 'The calibrated rectangle')], look.overlay);
  overlay.id = 'cboOverlay';
  const turn = select([tr(kDialog, '0 degrees'), tr(kDialog, '90 degrees'),
                       tr(kDialog, '180 degrees'), tr(kDialog, '270 degrees')], look.quarterTurns);
  turn.id = 'cboTurn';
  const across = checkBox(tr(kDialog, '&Mirror across'), 'chkMirrorAcross', look.mirrorAcross);
  const down = checkBox(tr(kDialog, 'Mirror &down'), 'chkMirrorDown', look.mirrorDown);
  const mesh = select([tr(kDialog, 'None'), tr(kDialog, '3 x 3 points'), tr(kDialog, '5 x 5 points')],
                      kMeshSizes.indexOf(look.meshSize));
  mesh.id = 'cboMesh';
  const status = element('output', { id: 'lblCalibration' });
  const cornerStatus = element('output', { id: 'lblCorners' });
  const damaged = element('p', { id: 'lblCornersDamaged', hidden: true });
  damaged.setAttribute('role', 'alert');
  const show = element('button', { type: 'button', id: 'cmdShow' });
  const calibrateButton = element('button', { type: 'button', id: 'cmdCalibrate' });
  const cornersButton = element('button', { type: 'button', id: 'cmdCalibrateCorners' });
  const reset = element('button', { type: 'button', id: 'cmdResetCalibration' });
  const close = element('button', { type: 'button', id: 'cmdCloseProjector' });
  show.textContent = shownCaption(tr(kDialog, '&Show Pattern'));
  calibrateButton.textContent = shownCaption(tr(kDialog, 'C&alibrate...'));
  cornersButton.textContent = shownCaption(tr(kDialog, 'Calibrate C&orners...'));
  reset.textContent = shownCaption(tr(kDialog, '&Reset Calibration'));
  close.textContent = tr('WebPage', 'Close');
  const refresh = () => {
    const pixelsPerInch = storedPixelsPerInch(core);
    status.textContent = pixelsPerInch
      ? tr(kDialog, '%1 pixels per inch').replace('%1',
        new Intl.NumberFormat(document.documentElement.lang, { minimumFractionDigits: 1, maximumFractionDigits: 1 }).format(pixelsPerInch))
      : tr(kDialog, 'Not calibrated yet');
    const corners = readCorners(core, screenKey());
    const kept = corners.calibration;
    // The rectangle in the unit its size was typed in.
    const typed = (inches) => new Intl.NumberFormat(document.documentElement.lang,
      { maximumSignificantDigits: 6 }).format(kept.metric ? inches * 25.4 : inches);
    cornerStatus.textContent = kept
      ? tr(kDialog, 'Corners: %1 x %2 %3').replace('%1', typed(kept.widthInches))
        .replace('%2', typed(kept.heightInches)).replace('%3', kept.metric ? 'mm' : 'in')
      : tr(kDialog, 'Not corner calibrated');
    damaged.textContent = corners.damaged ?? '';
    damaged.hidden = !corners.damaged;
    // A damaged calibration can be forgotten too.
    reset.disabled = !pixelsPerInch && !kept && !corners.damaged;
  };
  const chosenLook = () => {
    const chosen = { whiteOnBlack: colours.value === '0',
      lineWidth: kLineWidths[Number(widths.value)], overlay: Number(overlay.value),
      mirrorAcross: across.box.checked, mirrorDown: down.box.checked,
      quarterTurns: Number(turn.value), meshSize: kMeshSizes[Number(mesh.value)] };
    localStorage.setItem(kLookKey, JSON.stringify(chosen));
    return chosen;
  };
  // A calibration is shown over the whole page: the dialog steps aside meanwhile, and comes back.
  let calibrating = false;
  const aside = async (calibration) => {
    calibrating = true;
    dialog.close();
    const result = await calibration();
    calibrating = false;
    dialog.showModal();
    refresh();
    return result;
  };
  const calibrateAside = () => aside(() => calibrate(core, metric));
  show.addEventListener('click', async () => {
    const chosen = chosenLook();
    const { calibration } = readCorners(core, screenKey());
    if (calibration) {
      dialog.close();
      projectThroughCorners(core, { ...pattern, calibration, look: chosen });
      return;
    }
    const pixelsPerInch = storedPixelsPerInch(core) ?? await calibrateAside();
    if (!pixelsPerInch) return;
    dialog.close();
    project(core, drawing, metric, pixelsPerInch, chosen);
  });
  calibrateButton.addEventListener('click', async () => {
    await calibrateAside();
    calibrateButton.focus();
  });
  cornersButton.addEventListener('click', async () => {
    const { meshSize } = chosenLook();
    await aside(() => calibrateCorners(core, { metric, meshSize, screenKey: screenKey() }));
    cornersButton.focus();
  });
  // Both calibrations of the screen go.
  reset.addEventListener('click', () => {
    localStorage.removeItem(screenKey());
    forgetCorners(screenKey());
    refresh();
    calibrateButton.focus();
  });
  close.addEventListener('click', () => dialog.close());
  dialog.addEventListener('close', () => {
    if (!calibrating) dialog.remove();
  });
  dialog.append(element('h2', { textContent: tr(kDialog, 'Projector') }),
    field(shownCaption(tr(kDialog, '&Lines:')), colours),
    field(shownCaption(tr(kDialog, 'Line &width:')), widths),
    field(shownCaption(tr(kDialog, 'Check the scale &by:')), overlay),
    field(shownCaption(tr(kDialog, '&Turn:')), turn), across.label, down.label,
    field(shownCaption(tr(kDialog, 'Mes&h:')), mesh),
    field(tr(kDialog, 'Calibration:'), element('span', { className: 'calibrations' }, status, cornerStatus)),
    damaged,
    element('div', { className: 'buttons' }, show, calibrateButton, cornersButton, reset, close));
  document.body.append(dialog);
  refresh();
  dialog.showModal();
  show.focus();
}
