// Messages and questions in the page's own dialog, which keeps the focus inside it and gives it
// back where it was when it closes.
import { tr } from './i18n.js';
import { shownCaption } from './page_texts.js';

const $ = (id) => document.getElementById(id);

function button(caption, value) {
  const element = document.createElement('button');
  element.value = value;
  element.textContent = shownCaption(caption);
  return element;
}

// Resolves to true when the user chose `accept`, false on Cancel or Escape.
export function ask(title, text, accept, link = null) {
  const dialog = $('dlgMessage');
  $('dlgMessageTitle').textContent = title;
  $('dlgMessageText').textContent = text;
  const buttons = $('dlgMessageButtons');
  buttons.replaceChildren();
  if (link) {
    const anchor = document.createElement('a');
    anchor.href = link.href;
    anchor.target = '_blank';
    anchor.rel = 'noopener';
    anchor.id = 'dlgMessageLink';
    anchor.textContent = link.caption;
    buttons.append(anchor);
  }
  if (accept) buttons.append(button(accept, 'accept'));
  buttons.append(button(accept ? tr('WebPage', 'Cancel') : tr('tavrel::app::frmAbout', 'OK'),
                        'cancel'));
  const back = document.activeElement;
  dialog.returnValue = '';
  dialog.showModal();
  (accept ? buttons.querySelector('[value=accept]') : buttons.firstElementChild).focus();
  return new Promise((resolve) => {
    dialog.addEventListener('close', () => {
      back?.focus?.();
      resolve(dialog.returnValue === 'accept');
    }, { once: true });
  });
}

export function tell(title, text, link = null) {
  return ask(title, text, null, link);
}
