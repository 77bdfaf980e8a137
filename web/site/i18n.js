// The page's language: the program's own translations (languages/CODE.json beside this file,
// written by scripts/web/languages.py from the desktop's .ts files), chosen as the desktop
// chooses from the system's languages, or as the user last chose on the page.

const STORAGE_KEY = 'tavrel.language';
const FOLDER = new URL('languages/', import.meta.url);

let inEffect = { code: 'en', texts: {} };
let knownCodes = null;
let lastAsked = 0;

// The translation's name for a locale or language code, read without regard to case: "de" for
// "de", "de-AT" or "de_DE.UTF-8"; "pt_BR" for "pt-BR" or "pt-Latn-BR"; "pt_PT" for "pt-PT",
// "pt-AO" and Portuguese without a country ("pt"). Empty for a code whose language is not two
// or three letters, so that no code can name a file elsewhere.
export function translationName(code) {
  const parts = String(code).split(/[.@]/)[0].split(/[_-]/);
  const language = parts[0].toLowerCase();
  if (!/^[a-z]{2,3}$/.test(language)) return '';
  if (language !== 'pt') return language;
  // The country is the part of two letters; a script such as "Latn" has four.
  return parts.slice(1).some((part) => part.toLowerCase() === 'br') ? 'pt_BR' : 'pt_PT';
}

async function fetchJson(name) {
  const response = await fetch(new URL(name, FOLDER));
  if (!response.ok) throw new Error(`${name}: ${response.status} ${response.statusText}`);
  return response.json();
}

function storage() {
  try {
    return globalThis.localStorage ?? null;
  } catch {
    return null; // a browser that keeps no data for the page
  }
}

// The languages the page speaks, each {code, name} with the language's own name, as listed in
// languages/index.json.
export async function languages() {
  const list = await fetchJson('index.json');
  knownCodes = list.map((language) => language.code);
  return list;
}

// Loads the language a code names ("de", "pt-BR", "pt" for Portugal's) and makes it the one
// tr() speaks; with remember, it is kept as the user's choice for the next visit. Returns the
// code in effect. A code the page has no language for, or a file that fails to load, is
// refused and leaves the language in effect as it was. Of two quick choices, the later one
// stays, whichever file arrives first.
export async function useLanguage(code, { remember = false } = {}) {
  const name = translationName(code);
  if (!name || (knownCodes && !knownCodes.includes(name))) {
    throw new Error(`No translation for the language "${code}"`);
  }
  const asked = ++lastAsked;
  const texts = await fetchJson(`${name}.json`);
  if (asked !== lastAsked) return inEffect.code;
  inEffect = { code: name, texts };
  if (remember) storage()?.setItem(STORAGE_KEY, name);
  return name;
}

// The code of the language in effect, "en" before any other is used.
export function currentLanguage() {
  return inEffect.code;
}

// The same as a locale the browser knows: "pt_BR", a file's name, is "pt-BR".
export function currentLocale() {
  return inEffect.code.replace('_', '-');
}

// The language to start in: the user's last choice on the page, else, as the desktop does with
// the system's languages, the first of the browser's languages the page speaks, English
// included (any of them before languages() has listed what it speaks), else English.
export function preferredLanguage() {
  const chosen = storage()?.getItem(STORAGE_KEY);
  const known = (name) => name && (!knownCodes || knownCodes.includes(name));
  if (chosen && translationName(chosen) === chosen && known(chosen)) return chosen;
  const wanted = (globalThis.navigator?.languages ?? []).map(translationName);
  return wanted.find(known) ?? 'en';
}

// Qt's choice of plural form for a count: the first for one alone, or for zero and one. No count
// (or a negative one) takes the first, as in Qt.
function pluralForm(rule, n) {
  if (n === undefined || n < 0) return 0;
  const first = rule === 'n<=1' ? n <= 1 : n === 1;
  return first ? 0 : 1;
}

// "%n" becomes the count, "%Ln" the count in the language's digits; English texts keep their
// digits ungrouped, as the desktop writes them. Nothing changes without a count.
function withCount(text, n) {
  if (n === undefined || n < 0) return text;
  const local = new Intl.NumberFormat(currentLocale(), { useGrouping: inEffect.code !== 'en' }).format(n);
  return text.replace(/%(L?)n/g, (_, localized) => (localized ? local : String(n)));
}

// The form of a text with "%n" that the language uses for `n`, the count not yet put in: for a
// text whose count only the core knows.
export function pluralText(context, source, n) {
  const found = inEffect.texts[context]?.[source];
  return Array.isArray(found) ? found[pluralForm(inEffect.texts.plural, n)] : found ?? source;
}

// The text in the language in effect, as the desktop's tr() gives it: the English source where
// the language has no finished translation, with the count n put in for "%n".
export function tr(context, source, n) {
  const found = inEffect.texts[context]?.[source];
  const text = Array.isArray(found)
    ? found[pluralForm(inEffect.texts.plural, n)]
    : found ?? source;
  return withCount(text, n);
}
