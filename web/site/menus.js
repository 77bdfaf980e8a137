// The menu bar: File, Pattern and Help as the window has them, opened by click or by keyboard
// (Enter, Space or Down opens; the arrows move; Escape closes and goes back to the menu's title).
import { savePattern, printPattern, calibratePrinter, choosePaper, setUpPapers } from './commands.js';
import { openProjector } from './projector.js';
import { showAbout, openGuide } from './help.js';

const $ = (id) => document.getElementById(id);
const kPictureCommands = ['mnuPatternSavePdf', 'mnuPatternSaveSvg', 'mnuPatternSavePng',
  'mnuPatternSaveDxf', 'mnuPatternProjector'];

export function enablePictureCommands(enabled) {
  for (const id of kPictureCommands) $(id).disabled = !enabled;
}

function itemsOf(popup) {
  return [...popup.querySelectorAll('button, select')].filter((item) => !item.disabled);
}

function close(title) {
  title.setAttribute('aria-expanded', 'false');
  title.nextElementSibling.hidden = true;
}

function closeAll() {
  for (const title of document.querySelectorAll('#menuBar [aria-haspopup]')) close(title);
}

function open(title, focusFirst) {
  closeAll();
  title.setAttribute('aria-expanded', 'true');
  const popup = title.nextElementSibling;
  popup.hidden = false;
  if (focusFirst) itemsOf(popup)[0]?.focus();
}

function wireMenu(title) {
  const popup = title.nextElementSibling;
  title.addEventListener('click', () => {
    if (title.getAttribute('aria-expanded') === 'true') close(title);
    else open(title, false);
  });
  title.addEventListener('keydown', (event) => {
    if (event.key === 'ArrowDown') {
      event.preventDefault();
      open(title, true);
    } else if (event.key === 'Escape') {
      close(title);
    }
  });
  popup.addEventListener('keydown', (event) => {
    const items = itemsOf(popup);
    const at = items.indexOf(document.activeElement);
    if (event.key === 'Escape') {
      close(title);
      title.focus();
    } else if ((event.key === 'ArrowDown' || event.key === 'ArrowUp') &&
               document.activeElement.tagName !== 'SELECT') {
      event.preventDefault();
      const step = event.key === 'ArrowDown' ? 1 : items.length - 1;
      items[(at + step) % items.length]?.focus();
    }
  });
  // A command, or a choice of paper, closes the menu as the window's does.
  popup.addEventListener('click', (event) => {
    if (event.target.closest('button')) close(title);
  });
  popup.addEventListener('change', () => {
    close(title);
    title.focus();
  });
}

export function setUpMenus(page) {
  for (const title of document.querySelectorAll('#menuBar [aria-haspopup]')) wireMenu(title);
  document.addEventListener('click', (event) => {
    if (!event.target.closest('#menuBar .menu')) closeAll();
  });
  const print = () => printPattern(page);
  $('cmdPrint').addEventListener('click', print);
  $('mnuFilePrint').addEventListener('click', print);
  for (const id of kPictureCommands.slice(0, 4)) {
    const item = $(id);
    item.addEventListener('click', () => savePattern(page, item.dataset.format));
  }
  setUpPapers(page, $('mnuPatternPaper'));
  $('mnuPatternPaper').addEventListener('change', (event) => choosePaper(event.target.value));
  $('mnuPatternProjector').addEventListener('click', () => openProjector(page));
  $('mnuPatternCalibratePrinter').addEventListener('click', () => calibratePrinter(page));
  $('mnuHelpContent').addEventListener('click', () => openGuide());
  $('mnuHelpAbout').addEventListener('click', () => showAbout());
  // F1 opens the guide from wherever the focus is, as in the window.
  document.addEventListener('keydown', (event) => {
    if (event.key === 'F1' && !event.ctrlKey && !event.altKey && !event.shiftKey) {
      event.preventDefault();
      openGuide();
    }
  });
}
