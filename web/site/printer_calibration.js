// The printer's correction, kept in the browser: the factors by which the pattern's PDF is
// enlarged so that a printer that prints off scale prints it true.
const kCorrectionKey = 'tavrel.printCorrection';

// No correction when none is kept, or when what is kept is not one a calibration could give.
export function storedCorrection(core) {
  try {
    const stored = JSON.parse(localStorage.getItem(kCorrectionKey) ?? 'null');
    if (stored && core.correctionWithinBounds(stored.across) &&
        core.correctionWithinBounds(stored.down))
      return { across: stored.across, down: stored.down };
  } catch { /* damaged: no correction */ }
  return { across: 1, down: 1 };
}

export function storeCorrection(correction) {
  localStorage.setItem(kCorrectionKey, JSON.stringify(correction));
}

export function forgetCorrection() {
  localStorage.removeItem(kCorrectionKey);
}
