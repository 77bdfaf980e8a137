// Pattern > Calibrate Printer: the correction in force, the sheet to print on the chosen paper,
// the two bars' lengths as measured on it in the dialog's own unit, and a reset. The browser
// does not name its printer: one correction is kept, for the printer it prints on.
import { tr, currentLocale } from './i18n.js';
import { asTyped } from './numbers.js';
import { shownCaption } from './page_texts.js';
import { chosenPaper } from './commands.js';
import { storedCorrection, storeCorrection, forgetCorrection } from './printer_calibration.js';

const kDialog = 'tavrel::app::PrinterCalibrationDialog';
const kMillimeters = 1;

// A sheet's file is let go of a minute after it is replaced, once its tab has read it.
function forget(url) {
  if (url) setTimeout(() => URL.revokeObjectURL(url), 60_000);
}

function element(tag, properties = {}) {
  return Object.assign(document.createElement(tag), properties);
}

function number(value) {
  const language = currentLocale();
  return new Intl.NumberFormat(language, { useGrouping: false, maximumFractionDigits: 1 })
    .format(value);
}

function percentText(core, factor) {
  return number(core.percentOf(factor));
}

// "102 % across, 99.5 % down"
function correctionText(core, correction) {
  return tr('PrintCorrection', '%1 % across, %2 % down')
    .replace('%1', percentText(core, correction.across))
    .replace('%2', percentText(core, correction.down));
}

function barText(units, metric) {
  return tr('CalibrationBars', metric ? '%1 mm' : '%1 in').replace('%1', number(units));
}

// The sheet's words in the page's language, as the desktop's sheet has them.
function sheetTexts() {
  const sheet = (source) => tr('CalibrationSheet', source);
  return {
    documentTitle: tr('DocumentTitles', 'Tavrel printer calibration'),
    title: sheet('Tavrel printer calibration'),
    instructionsInch: sheet('Print this sheet at 100 % (actual size), with no scaling and no "fit to page". Measure each bar with a good ruler in inches, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern > Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.'),
    instructionsMetric: sheet('Print this sheet at 100 % (actual size), with no scaling and no "fit to page". Measure each bar with a good ruler in millimeters, from the middle of one end mark to the middle of the other. In Tavrel, choose Pattern > Calibrate Printer... and type the two lengths you measured: later prints on this printer are then corrected so that they come out at their true size.'),
    across: sheet('Across: %1'),
    down: sheet('Down: %1'),
    inches: tr('CalibrationBars', '%1 in'),
    millimeters: tr('CalibrationBars', '%1 mm'),
  };
}

// Why the typed lengths give no correction.
function refusal(core, measured, metric) {
  if (measured.refused === 'unreadable') {
    return metric ? tr(kDialog, 'Type each length in millimeters, as 198.5.')
                  : tr(kDialog, 'Type each length in inches, as 7.85 or 7 7/8.');
  }
  return tr('PrinterCalibration', 'These lengths would need a correction of %1, beyond what a printer at 100 % needs (%2 % to %3 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.')
    .replace('%1', correctionText(core, measured))
    .replace('%2', percentText(core, measured.least))
    .replace('%3', percentText(core, measured.greatest));
}

// One row of the form: its caption, and the control it names.
function row(form, caption, control) {
  const label = element('label', { textContent: shownCaption(caption) });
  if (control.id) label.htmlFor = control.id;
  form.append(label, control);
  return label;
}

function button(caption, id) {
  return element('button', { type: 'button', id, textContent: shownCaption(caption) });
}

function buildDialog() {
  const dialog = element('dialog', { id: 'dlgCalibratePrinter' });
  dialog.setAttribute('aria-labelledby', 'dlgCalibratePrinterTitle');
  const parts = {
    dialog,
    title: element('h2', { id: 'dlgCalibratePrinterTitle' }),
    printer: element('output', { id: 'lblPrinter' }),
    correction: element('output', { id: 'lblCorrection' }),
    unit: element('select', { id: 'cboUnit' }),
    across: element('input', { id: 'txtAcross', type: 'text', autocomplete: 'off', inputMode: 'decimal' }),
    down: element('input', { id: 'txtDown', type: 'text', autocomplete: 'off', inputMode: 'decimal' }),
    problem: element('p', { id: 'lblCalibrationProblem', role: 'alert', hidden: true }),
    sheetLink: element('a', { id: 'lnkCalibrationSheet', target: '_blank', rel: 'noopener', hidden: true }),
    print: button(tr(kDialog, '&Print Sheet'), 'cmdPrintSheet'),
    store: button(tr(kDialog, '&Save Correction'), 'cmdSaveCorrection'),
    reset: button(tr(kDialog, '&Reset Correction'), 'cmdResetCorrection'),
    close: button(tr('WebPage', 'Close'), 'cmdCloseCalibration'),
  };
  parts.title.textContent = tr(kDialog, 'Calibrate Printer');
  parts.printer.textContent = tr('WebPage', 'One correction is kept, for the printer this browser prints on.');
  parts.unit.add(new Option(tr(kDialog, 'Inches'), '0'));
  parts.unit.add(new Option(tr(kDialog, 'Millimeters'), String(kMillimeters)));
  parts.sheetLink.textContent = tr('WebPage', 'Open the calibration sheet to print');

  const form = element('div', { className: 'calibrationForm' });
  form.style.cssText = 'display: grid; grid-template-columns: auto 1fr; gap: 6px 10px; align-items: center; margin-bottom: 12px';
  row(form, tr(kDialog, 'Printer:'), parts.printer);
  row(form, tr(kDialog, 'Correction:'), parts.correction);
  row(form, tr(kDialog, '&Unit:'), parts.unit);
  parts.acrossLabel = row(form, '', parts.across);
  parts.downLabel = row(form, '', parts.down);
  const buttons = element('div', { className: 'buttons' });
  buttons.append(parts.sheetLink, parts.print, parts.store, parts.reset, parts.close);
  dialog.append(parts.title, form, parts.problem, buttons);
  document.body.append(dialog);
  return parts;
}

// The dialog, modal, for the page's unit; the sheet is made for the paper chosen for PDFs.
export function calibratePrinter(page) {
  const { core } = page;
  const parts = buildDialog();
  const { dialog, unit, across, down, problem, sheetLink } = parts;
  unit.value = page.state.unit === 2 ? String(kMillimeters) : '0';
  const metric = () => unit.value === String(kMillimeters);
  // A paper the core does not know, as a damaged setting may name, gives Letter's sheet.
  const paper = () => (core.calibrationBars(chosenPaper(), false) ? chosenPaper() : 'letter');
  const bars = () => core.calibrationBars(paper(), metric());

  const say = (text) => {
    problem.textContent = text;
    problem.hidden = !text;
  };
  // The labels name the bars' lengths as the sheet in the chosen unit prints them.
  const show = () => {
    const correction = storedCorrection(core);
    const none = correction.across === 1 && correction.down === 1;
    parts.correction.textContent = none
      ? tr(kDialog, 'None: prints go out as the printer makes them')
      : correctionText(core, correction);
    parts.reset.disabled = none;
    const printed = bars();
    parts.acrossLabel.textContent = shownCaption(tr(kDialog, '&Across bar (%1) measures:')
      .replace('%1', barText(printed.acrossUnits, metric())));
    parts.downLabel.textContent = shownCaption(tr(kDialog, '&Down bar (%1) measures:')
      .replace('%1', barText(printed.downUnits, metric())));
  };

  const printSheet = () => {
    const sheet = core.calibrationSheet(paper(), metric(), sheetTexts());
    forget(sheetLink.href);
    const file = new Blob([sheet.bytes], { type: 'application/pdf' });
    sheetLink.href = URL.createObjectURL(file);
    window.tavrelCalibrationSheet = file;  // the tests read the sheet back
    sheetLink.hidden = false;
    sheetLink.click();
  };

  const saveCorrection = () => {
    const printed = bars();
    const measured = core.correctionFromBars(printed.across, asTyped(across.value.trim()),
                                             printed.down, asTyped(down.value.trim()), metric());
    if (measured.refused) {
      say(refusal(core, measured, metric()));
      return;
    }
    try {
      storeCorrection({ across: measured.across, down: measured.down });
    } catch {
      say(tr('WebPage', 'This browser keeps no data for this page, so the correction could not be kept.'));
      return;
    }
    say('');
    across.value = '';
    down.value = '';
    show();
  };

  parts.print.addEventListener('click', printSheet);
  parts.store.addEventListener('click', saveCorrection);
  parts.reset.addEventListener('click', () => {
    forgetCorrection();
    say('');
    show();
  });
  parts.close.addEventListener('click', () => dialog.close());
  unit.addEventListener('change', show);
  // Return after the second length stores them, never resets.
  for (const box of [across, down]) {
    box.addEventListener('keydown', (event) => {
      if (event.key === 'Enter') {
        event.preventDefault();
        saveCorrection();
      }
    });
  }
  const back = document.activeElement;
  dialog.addEventListener('close', () => {
    forget(sheetLink.href);
    dialog.remove();
    back?.focus?.();
  }, { once: true });
  show();
  dialog.showModal();
  unit.focus();
}
