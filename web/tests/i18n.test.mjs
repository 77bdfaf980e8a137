// The page's languages, from the program's real translation files through
// scripts/web/languages.py: which language a browser gets, and the texts tr() gives.
//   node --test web/tests/i18n.test.mjs

import { execFileSync } from 'node:child_process';
import { cpSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import assert from 'node:assert/strict';
import { before, test } from 'node:test';

const root = fileURLToPath(new URL('../../', import.meta.url));
const written = mkdtempSync(join(tmpdir(), 'tavrel-languages-'));
const folder = new URL('../site/languages/', import.meta.url).href;

// The page's languages folder, served from where languages.py wrote it, a file as late as
// `late` has it.
const late = new Map();
globalThis.fetch = async (url) => {
  const name = String(url).slice(folder.length);
  await new Promise((resolve) => setTimeout(resolve, late.get(name) ?? 0));
  try {
    return new Response(readFileSync(join(written, name)));
  } catch {
    return new Response('', { status: 404, statusText: 'Not Found' });
  }
};
const stored = new Map();
globalThis.localStorage = {
  getItem: (key) => stored.get(key) ?? null,
  setItem: (key, value) => stored.set(key, String(value)),
};

const i18n = await import('../site/i18n.js');

// The real translations, one German text of them left unfinished.
before(() => {
  const sources = mkdtempSync(join(tmpdir(), 'tavrel-translations-'));
  cpSync(join(root, 'translations'), sources, { recursive: true });
  const german = join(sources, 'tavrel_de.ts');
  writeFileSync(german, readFileSync(german, 'utf8').replace(
    '<translation>Herunterladen</translation>',
    '<translation type="unfinished">Herunterladen</translation>'));
  execFileSync('python3', [join(root, 'scripts/web/languages.py'), sources, written]);
});

test('names each language in itself; starts in the one the desktop would', async () => {
  const names = Object.fromEntries((await i18n.languages()).map((l) => [l.code, l.name]));
  assert.equal(Object.keys(names).length, 8);
  assert.deepEqual([names.en, names.de, names.pt_BR],
    ['English', 'Deutsch', 'Português (Brasil)']);
  const rows = [
    { browser: ['pt-BR'], expected: 'pt_BR' },
    { browser: ['pt-Latn-BR', 'de'], expected: 'pt_BR' },
    { browser: ['pt'], expected: 'pt_PT' },
    { browser: ['pt-AO'], expected: 'pt_PT' },
    { browser: ['en-GB', 'de'], expected: 'en' },
    { browser: ['ja', 'de-AT', 'fr'], expected: 'de' },
    { browser: ['ja'], expected: 'en' },
    { browser: [], expected: 'en' },
    { browser: ['de'], chosen: 'fr', expected: 'fr' },
    { browser: ['de'], chosen: '../fr', expected: 'de' },
  ];
  for (const row of rows) {
    stored.clear();
    if (row.chosen) stored.set('tavrel.language', row.chosen);
    globalThis.navigator = { languages: row.browser };
    assert.equal(i18n.preferredLanguage(), row.expected, JSON.stringify(row));
  }
});

test('gives the translation, its plural form and count, or the English source', async () => {
  const bar = 'A bar of %Ln pixels cannot measure %1: screens show between %2 and %3 pixels per ' +
    'inch. Check the length and its unit.';
  const rows = [
    { language: 'de', context: 'WebPage', source: 'Close', expected: 'Schließen' },
    { language: 'de', context: 'WebPage', source: 'Download', expected: 'Download' },
    { language: 'de', context: 'WebPage', source: 'Not ours', expected: 'Not ours' },
    { language: 'fr', source: '%n pixel(s)', n: 0, expected: '0 pixel' },
    { language: 'pt_BR', source: '%n pixel(s)', n: 1, expected: '1 pixel' },
    { language: 'pt_PT', source: '%n pixel(s)', n: 0, expected: '0 píxeis' },
    { language: 'en', source: '%n pixel(s)', n: 1, expected: '1 pixel' },
    { language: 'en', source: '%n pixel(s)', n: 2, expected: '2 pixels' },
    { language: 'en', source: '%n pixel(s)', expected: '%n pixel' },
    { language: 'en', source: '%n pixel(s)', n: -1, expected: '%n pixel' },
    { language: 'de', source: '%n things', n: 3, expected: '3 things' },
    { language: 'en', context: 'tavrel::projector::CalibrationView', source: bar, n: 1234,
      expected: /^A bar of 1234 pixels /u },
    { language: 'de', context: 'tavrel::projector::CalibrationView', source: bar, n: 1234,
      expected: /^Ein Balken von 1\.234 Pixeln /u },
  ];
  for (const row of rows) {
    await i18n.useLanguage(row.language);
    const text = i18n.tr(row.context ?? 'tavrel::projector::ProjectorDialog', row.source, row.n);
    if (row.expected instanceof RegExp) assert.match(text, row.expected, JSON.stringify(row));
    else assert.equal(text, row.expected, JSON.stringify(row));
  }
});

test('refuses a language it has not, keeping the one in effect; remembers a choice', async () => {
  stored.clear();
  assert.equal(await i18n.useLanguage('nl-BE'), 'nl');
  for (const code of ['ja', '../nl', '']) {
    await assert.rejects(i18n.useLanguage(code));
    assert.equal(i18n.currentLanguage(), 'nl');
  }
  assert.equal(stored.size, 0);
  await i18n.useLanguage('it', { remember: true });
  assert.equal(stored.get('tavrel.language'), 'it');
  assert.equal(i18n.tr('WebPage', 'Language'), 'Lingua');
});

test('of two quick choices, keeps the later one', async () => {
  late.set('de.json', 50);
  const [first, second] = await Promise.all([i18n.useLanguage('de'), i18n.useLanguage('es')]);
  late.clear();
  assert.deepEqual([first, second, i18n.currentLanguage()], ['es', 'es', 'es']);
});
