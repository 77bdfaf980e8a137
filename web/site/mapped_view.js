// The pattern on a corner-calibrated screen, drawn through the table's mapping so that an inch
// is an inch anywhere in the calibrated rectangle, however the projector leans. Mirrored and
// turned as chosen; the arrow keys move it by 1/16 in or 1 mm (Shift: 1 in or 25 mm) as the
// calibration's unit; a pattern larger than the rectangle shows a section at a time, Page Down
// and Page Up (or N and P) moving by one. The section's words and a small map of the sections
// stay upright in the screen's corner. Esc leaves. The core says where every line goes.
import { tr } from './i18n.js';
import { element, fullScreen, leave, sizedCanvas, strokePolylines } from './full_screen.js';

const kView = 'tavrel::projector::MappedProjectorView';
const kMapCell = 14;
const kMargin = 12;

// Which section is on the table, in words and as a small map of them all.
function showSection(context, words, shown) {
  const count = shown.columns * shown.rows;
  words.hidden = count < 2;
  if (words.hidden) return;
  words.textContent = tr(kView, 'Section %1 of %2: %3').replace('%1', shown.section + 1)
    .replace('%2', count).replace('%3', shown.label);
  const top = kMargin + words.offsetHeight + 4;
  for (let i = 0; i < count; ++i) {
    const x = kMargin + (i % shown.columns) * kMapCell;
    const y = top + Math.floor(i / shown.columns) * kMapCell;
    if (i === shown.section) context.fillRect(x, y, kMapCell - 2, kMapCell - 2);
    else context.strokeRect(x + 0.5, y + 0.5, kMapCell - 3, kMapCell - 3);
  }
}

// `text` and `unit` draw the pattern; `look` the projector's choices.
export async function projectThroughCorners(core, { text, unit, calibration, look }) {
  const host = document.getElementById('projector');
  await fullScreen(host);
  const canvas = element('canvas', { tabIndex: 0 });
  canvas.setAttribute('role', 'img');
  canvas.setAttribute('aria-label', tr(kView, 'The pattern at true scale on the calibrated table. The arrow keys move it, Page Down and Page Up show the next and the previous section; Esc leaves.'));
  const ink = look.whiteOnBlack ? '#fff' : '#000';
  const paper = look.whiteOnBlack ? '#000' : '#fff';
  const words = element('output', { id: 'lblSection', className: 'sectionWords' });
  words.style.color = ink;
  host.append(canvas, words);
  const placement = { mirrorAcross: look.mirrorAcross, mirrorDown: look.mirrorDown,
    quarterTurns: look.quarterTurns, offsetX: 0, offsetY: 0 };
  let section = 0;

  const paint = () => {
    const shown = core.projectedFigure(text, unit, calibration, placement, section, look.overlay);
    if (!shown) return;
    section = shown.section;
    window.tavrelProjected = shown;  // what was last drawn, for whoever checks the view
    const width = host.clientWidth;
    const height = host.clientHeight;
    const context = sizedCanvas(canvas, width, height);
    context.fillStyle = paper;
    context.fillRect(0, 0, width, height);
    context.lineJoin = 'round';
    context.strokeStyle = context.fillStyle = ink;
    context.lineWidth = look.lineWidth;
    strokePolylines(context, shown.figure);
    strokePolylines(context, shown.landmarks);
    context.lineWidth = 1;
    showSection(context, words, shown);
    // Half-way between the pattern and its background, so that the pattern stands out.
    context.strokeStyle = '#808080';
    strokePolylines(context, shown.overlay);
  };
  const resized = new ResizeObserver(() => paint());
  const close = () => {
    resized.disconnect();
    document.removeEventListener('fullscreenchange', fullScreenLeft);
    leave(host);
  };
  const fullScreenLeft = () => {
    if (!document.fullscreenElement && !host.hidden) close();
  };
  canvas.addEventListener('keydown', (event) => {
    if (event.ctrlKey || event.altKey || event.metaKey) return;
    const step = core.moveStepInches(calibration.metric, event.shiftKey);
    const moves = { ArrowLeft: [-step, 0], ArrowRight: [step, 0], ArrowUp: [0, -step],
      ArrowDown: [0, step] };
    const key = event.key.toLowerCase();
    if (event.key === 'Escape') return close();
    if (moves[event.key]) {
      placement.offsetX += moves[event.key][0];
      placement.offsetY += moves[event.key][1];
    } else if (event.key === 'PageDown' || key === 'n') {
      section += 1;
    } else if (event.key === 'PageUp' || key === 'p') {
      section -= 1;
    } else {
      return;
    }
    event.preventDefault();
    paint();
  });
  document.addEventListener('fullscreenchange', fullScreenLeft);
  resized.observe(host);
  paint();
  canvas.focus();
}
