// The compiled core: every reading, filter decision, plan and file comes from it.
import createTavrel from './tavrel.mjs';

let core = null;

export async function loadCore() {
  core ??= await createTavrel();
  return core;
}

// Twips per pixel of the page's pixels: a CSS pixel is 1/96 inch.
export const kTwipsPerPixel = 15;
export const kDotsPerInch = 96;
