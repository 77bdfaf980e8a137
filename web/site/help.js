// Help > Content opens the guide in the chosen language; Help > About shows the program's box
// with its mail link, in the desktop's own words.
import { tr, currentLanguage } from './i18n.js';
import { shownCaption } from './page_texts.js';

const $ = (id) => document.getElementById(id);
const kAbout = 'tavrel::app::frmAbout';

export function openGuide() {
  window.open(`guide/${currentLanguage()}/index.html`, 'tavrel-guide', 'noopener');
}

export function showAbout() {
  const about = $('frmAbout');
  const version = document.documentElement.dataset.version ?? '1.0.0';
  $('frmAboutTitle').textContent = tr(kAbout, 'About Tavrel Maker');
  const [major, minor, patch] = version.split('.');
  $('lblVersion').textContent = tr(kAbout, 'Version %1.%2.%3')
    .replace('%1', major).replace('%2', minor).replace('%3', patch);
  $('lblAuthor').textContent = tr(kAbout, 'Written by: %1')
    .replace('%1', tr(kAbout, 'The Tavrel developers'));
  $('lblComments').textContent = tr(kAbout, 'Please send comments and suggestions \nto ').trim();
  $('txtLink').setAttribute('aria-label',
                            `${tr(kAbout, 'Send mail to the author')} ${$('txtLink').textContent}`);
  $('lblCredits').textContent = tr(kAbout, "This program draws a flat cutting pattern and its sizing\nformula from a published source; see the user's guide.");
  $('imgIcon').alt = tr(kAbout, 'Program icon');
  $('cmdOK').textContent = shownCaption(tr(kAbout, 'OK'));
  about.showModal();
}
