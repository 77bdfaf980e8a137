// The page: the window's controls, wired to the compiled core as the desktop's window is.
import { loadCore, kTwipsPerPixel } from './core.js';
import { tr, useLanguage, languages, preferredLanguage, currentLanguage } from './i18n.js';
import { enterAsTyped } from './entry.js';
import { PictureView } from './picture_view.js';
import { typedBack } from './numbers.js';
import { setUpMenus, enablePictureCommands } from './menus.js';
import { translatePage, shownCaption } from './page_texts.js';
import { readingNotice } from './reading_notice.js';
import { describePattern } from './description.js';

const $ = (id) => document.getElementById(id);
// The core, the list of languages and the language to start in load side by side.
const [core, spoken] = await Promise.all([
  loadCore(), languages(), useLanguage(preferredLanguage()).catch(() => null)]);
const state = { unit: null, drawing: null, M: 0 };

const box = $('txtMeasure');
const picture = new PictureView($('picView'), $('picSizer'), $('picPattern'), $('lblScale'));

function showNotice(element, text) {
  element.textContent = text;
  element.hidden = !text;
}

function scaleSentence(unit) {
  return unit === 2
    ? tr('tavrel::app::frmMain', 'When printed, each division above should measure one centimeter')
    : tr('tavrel::app::frmMain', 'When printed, each division above should measure one inch');
}

function tooLargeMessage(unit, largest) {
  const text = unit === 2
    ? 'Too large to draw. The largest measurement is %1 millimeters.'
    : 'Too large to draw. The largest measurement is %1 inches.';
  return tr('PatternExport', text).replace('%1', typedBack(largest));
}

// Draws the box's text, or says why it cannot be drawn; a text read as 0 leaves the picture as
// it was.
function drawOnce() {
  const drawing = core.drawingOf(box.value, state.unit, kTwipsPerPixel);
  if (drawing.tooLarge) {
    showNotice($('lblTooLarge'), tooLargeMessage(state.unit, drawing.largest));
    return;
  }
  showNotice($('lblTooLarge'), '');
  state.M = drawing.M;
  if (drawing.M === 0) return;
  state.drawing = drawing;
  state.drawnText = box.value;
  state.drawnUnit = state.unit;
  $('pictureArea').hidden = false;
  picture.show(drawing, scaleSentence(state.unit),
               describePattern(box.value, state.unit, drawing, kTwipsPerPixel));
  showNotice($('lblNotice'), readingNotice(box.value, state.unit, drawing));
}

// Printing and saving are on while the picture is the box's own: not while the box is empty,
// nor while the notice says its text is too large, nor while the text reads as 0.
function measureChanged() {
  showNotice($('lblNotice'), '');
  if (box.value) drawOnce();
  else showNotice($('lblTooLarge'), '');
  const pictureIsTheBoxs = box.value !== '' && $('lblTooLarge').hidden && state.M !== 0;
  $('cmdPrint').disabled = !pictureIsTheBoxs;
  $('mnuFilePrint').disabled = !pictureIsTheBoxs;
  enablePictureCommands(pictureIsTheBoxs);
}

const entry = enterAsTyped(box, core, () => state.unit ?? -1, measureChanged,
                           (notice) => showNotice($('lblNotice'), notice));

function promptText(unit) {
  return unit === 2 ? tr('tavrel::app::frmMain', 'Enter the measurement in millimeters')
                    : tr('tavrel::app::frmMain', 'Enter the measurement in inches');
}

function unitClicked(index) {
  state.unit = index;
  $('lblInfo').textContent = promptText(index);
  $('pictureArea').hidden = true;
  $('entry').hidden = false;
  // A phone's number keys have no blank and no slash, which fractions need.
  box.inputMode = index === 1 ? 'text' : 'decimal';
  entry.clear();
  measureChanged();
  box.focus();
}

for (let index = 0; index < 3; ++index)
  $(`optMeasureType${index}`).addEventListener('click', () => unitClicked(index));

// Words that depend on the language are worded again when it changes.
async function speak(code, remember = false) {
  try {
    await useLanguage(code, { remember });
  } catch {
    return;  // a language that cannot load leaves the page in the one it speaks
  }
  translatePage(document);
  if (state.unit !== null) $('lblInfo').textContent = promptText(state.unit);
  if (box.value) measureChanged();
}

async function setUpLanguages() {
  const chooser = $('cboLanguage');
  for (const language of spoken) chooser.add(new Option(language.name, language.code));
  chooser.value = preferredLanguage();
  chooser.addEventListener('change', () => speak(chooser.value, true));
  if (chooser.value !== currentLanguage()) await speak(chooser.value);
  else translatePage(document);
}

$('cboZoom').addEventListener('change', (event) => picture.setZoom(Number(event.target.value)));

setUpMenus({ core, state, picture, tr, shownCaption });
await setUpLanguages();
document.body.dataset.ready = 'true';

// While the page waits for its first key: a drawing made, stroked and put in words
// (the browser's number formats load on first use) done once, so that the first key redraws
// as fast as the others.
requestIdleCallback(() => {
  const drawing = core.drawingOf('1', 0, kTwipsPerPixel);
  picture.prepare(drawing);
  describePattern('1', 0, drawing);
  readingNotice('1', 0, drawing);
});

if ('serviceWorker' in navigator && location.protocol !== 'file:')
  navigator.serviceWorker.register('sw.js').catch(() => {});

