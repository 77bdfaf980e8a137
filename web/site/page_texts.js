// The page's fixed words, in the chosen language: each element names its text as
// "context|source" in data-text, the desktop's own texts where it has them.
import { tr, currentLocale } from './i18n.js';

// A caption as shown: the access key's "&" left out, "&&" kept as one "&".
export function shownCaption(caption) {
  return caption.replace(/&(&?)/g, '$1');
}

// Also says which language the page speaks, for screen readers' voices and for numbers.
export function translatePage(root) {
  root.documentElement.lang = currentLocale();
  for (const element of root.querySelectorAll('[data-text]')) {
    const [context, source] = element.dataset.text.split('|');
    element.textContent = shownCaption(tr(context, source));
  }
}
