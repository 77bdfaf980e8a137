// A screen's corner calibration (and its mesh, when one was made), kept in the browser per
// screen beside the bar's. A kept value that no calibration could have given is damaged: the
// screen counts as not corner calibrated, and the user is told why. The core judges it.
import { tr } from './i18n.js';

const kView = 'tavrel::projector::CornerCalibrationView';

// A browser that keeps no data for the page keeps a calibration for this visit only.
const thisVisit = new Map();

function storageKey(screenKey) {
  return `${screenKey}.corners`;
}

// The words for why a calibration cannot be used, as the core names it.
export function cornerFaultText(fault) {
  switch (fault) {
    case 'notANumber':
      return tr(kView, "Type the rectangle's size, for example 24 x 18 in or 600 x 450 mm.");
    case 'tooSmall':
      return tr(kView, 'The rectangle must be at least 4 x 4 inches (102 x 102 mm).');
    case 'crossing':
      return tr(kView, 'The corners cross each other. Drag each handle onto its own corner of the rectangle.');
    case 'folding':
      return tr(kView, 'A corner is turned inwards: the rectangle would fold over itself.');
    case 'outOfScale':
      return tr(kView, "The rectangle's size does not match what a screen can show. Check the size you typed.");
    case 'mesh':
      return tr(kView, 'Two points of the mesh cross or fold over each other. Drag each onto its own crossing.');
    default:
      return '';
  }
}

function kept(screenKey) {
  try {
    return localStorage.getItem(storageKey(screenKey)) ?? thisVisit.get(screenKey) ?? null;
  } catch {
    return thisVisit.get(screenKey) ?? null;
  }
}

// {calibration} when one is kept and usable; {damaged: words} when one is kept that is not,
// the words naming why where the core can tell; {} when none is kept.
export function readCorners(core, screenKey) {
  const text = kept(screenKey);
  if (text === null) return {};
  let fault = 'unreadable';
  let calibration = null;
  try {
    calibration = JSON.parse(text);
    if (calibration && typeof calibration === 'object' && !Array.isArray(calibration))
      fault = core.calibrationFault(calibration);
  } catch { /* not even its shape: damaged */ }
  if (!fault) return { calibration };
  // A part that is no number has no reason the user could act on: its words ask to type a size.
  const why = fault === 'notANumber' ? '' : cornerFaultText(fault);
  const damaged = tr(kView, 'The stored corner calibration of this screen is damaged and was not used.');
  return { damaged: why ? `${damaged} ${why}` : damaged };
}

export function storeCorners(screenKey, calibration) {
  const text = JSON.stringify(calibration);
  try {
    localStorage.setItem(storageKey(screenKey), text);
    thisVisit.delete(screenKey);
  } catch {
    // Kept for this visit; an older one kept before must not come back.
    thisVisit.set(screenKey, text);
    try { localStorage.removeItem(storageKey(screenKey)); } catch { /* none can be kept */ }
  }
}

export function forgetCorners(screenKey) {
  thisVisit.delete(screenKey);
  try {
    localStorage.removeItem(storageKey(screenKey));
  } catch { /* nothing was kept */ }
}
