// The Pattern menu's and the Print button's commands: files made by the core from the drawn
// text, handed to the browser to save or to print.
import { kDotsPerInch } from './core.js';
import { tr } from './i18n.js';
import { pngFile } from './png.js';
import { ask, tell } from './dialogs.js';
import { shownCaption } from './page_texts.js';
import { storedCorrection } from './printer_calibration.js';
import { calibratePrinter as calibrate } from './printer_calibration_dialog.js';
import { pdfTexts } from './pdf_texts.js';

const kPaperKey = 'tavrel.pdfPaper';
const kMimeTypes = {
  pdf: 'application/pdf', svg: 'image/svg+xml', png: 'image/png', dxf: 'application/dxf',
};

let defaultPaper = 'a4';

// Whether the browser's region measures in US inches, as the desktop asks of the system's.
function usesUsSystem() {
  try {
    return ['US', 'LR', 'MM'].includes(new Intl.Locale(navigator.language).maximize().region);
  } catch {
    return false;
  }
}

// A browser that keeps no data for the page keeps the choice for this visit only.
let paperThisVisit = null;

export function chosenPaper() {
  try {
    return localStorage.getItem(kPaperKey) ?? paperThisVisit ?? defaultPaper;
  } catch {
    return paperThisVisit ?? defaultPaper;
  }
}

export function choosePaper(name) {
  paperThisVisit = name;
  try {
    localStorage.setItem(kPaperKey, name);
  } catch { /* kept for this visit */ }
}

// The papers as the menu lists them, worded again with the page (data-text) in any language.
export function setUpPapers(page, select) {
  defaultPaper = page.core.defaultPaper(usesUsSystem());
  let group = null;
  for (const paper of page.core.papers()) {
    if (group !== null && paper.group !== group) {
      const rule = document.createElement('option');
      rule.disabled = true;
      rule.textContent = '──────';
      select.add(rule);
    }
    group = paper.group;
    const option = new Option(shownCaption(tr('PaperMenu', paper.caption)), paper.name);
    option.dataset.text = `PaperMenu|${paper.caption}`;
    select.add(option);
  }
  select.value = chosenPaper();
}

export function download(bytes, format) {
  const blob = new Blob([bytes], { type: kMimeTypes[format] });
  const link = document.createElement('a');
  link.href = URL.createObjectURL(blob);
  link.download = `${tr('SaveDialog', 'pattern')}.${format}`;
  document.body.append(link);
  link.click();
  link.remove();
  setTimeout(() => URL.revokeObjectURL(link.href), 60_000);
}

// The drawn text's file: {bytes}, or {tooSmall} where the picture holds no line.
async function patternFile(page, format, correction = { across: 1, down: 1 }) {
  const { core, state } = page;
  const text = state.drawnText;
  const unit = state.drawnUnit;
  switch (format) {
    case 'svg':
      return core.svgFile(text, unit, kDotsPerInch, tr('DocumentTitles', 'Tavrel pattern'),
                          tr('DocumentTitles', 'A flat cutting pattern at true size, in millimeters.'));
    case 'dxf': return core.dxfFile(text, unit, kDotsPerInch);
    case 'pdf':
      return core.pdfFile(text, unit, kDotsPerInch, chosenPaper(), correction.across,
                          correction.down, pdfTexts());
    default:
      return core.drawsLines(text, unit, kDotsPerInch) ? pngFile(state.drawing, kDotsPerInch)
                                                        : { tooSmall: true };
  }
}

const kTooSmall = 'Too small to draw. At this measurement the pattern is less than one pixel high.';

export async function savePattern(page, format) {
  const file = await patternFile(page, format);
  if (file.tooSmall) {
    tell(tr('tavrel::app::PatternMenu', 'Save Pattern'), tr('PictureFile', kTooSmall));
    return;
  }
  download(file.bytes, format);
}

function printQuestion(plan, paperCaption) {
  if (plan.pageCount === 1)
    return tr('WebPage', 'The pattern does not fit the page at its usual place. It will print on one page of %1, moved in from the corner.')
      .replace('%1', paperCaption);
  return tr('WebPage', 'The pattern is larger than the page. It will print whole on %n pages of %1: first a diagram of how the pages fit together, then the pages to tape together.', plan.pageCount)
    .replace('%1', paperCaption);
}

// One page at natural size, or tiles after the same question as the window asks; the PDF then
// opens in the browser's viewer, to print at 100 %.
export async function printPattern(page) {
  const { core, state } = page;
  const correction = storedCorrection(core);
  const plan = core.printPlan(state.drawnText, state.drawnUnit, kDotsPerInch, chosenPaper(),
                              correction.across, correction.down);
  const title = tr('PrintQuestion', 'Print Pattern');
  if (!plan.onePage || plan.movedIn) {
    const paperCaption = shownCaption(tr('PaperMenu', plan.paperCaption));
    const go = await ask(title, printQuestion(plan, paperCaption), tr('PrintQuestion', '&Print'));
    if (!go) return;
  }
  const file = await patternFile(page, 'pdf', correction);
  if (file.tooSmall) {
    tell(title, tr('PictureFile', kTooSmall));
    return;
  }
  const url = URL.createObjectURL(new Blob([file.bytes], { type: kMimeTypes.pdf }));
  window.tavrelPrinted = url;  // the tests read the printed file back
  const actualSize = tr('WebPage', 'Print at 100 % ("Actual size"), not "Fit to page", then check the ruler on the printout.');
  tell(title, actualSize, { href: url, caption: tr('WebPage', 'Open the pattern to print') });
}

export function calibratePrinter(page) {
  calibrate(page);
}
