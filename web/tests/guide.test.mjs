// The guide as the page shows it, laid out by scripts/web/guide.py from the real help/ folder:
// every language whole, with its contents, and nothing linked that the folder lacks.
//   node --test web/tests/guide.test.mjs

import { spawnSync } from 'node:child_process';
import { cpSync, existsSync, mkdirSync, mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { fileURLToPath } from 'node:url';
import assert from 'node:assert/strict';
import { test } from 'node:test';

const root = fileURLToPath(new URL('../../', import.meta.url));

function layOut(help) {
  const out = mkdtempSync(join(tmpdir(), 'tavrel-guide-'));
  const run = spawnSync('python3', [join(root, 'scripts/web/guide.py'), help, out],
    { encoding: 'utf8' });
  return { out, status: run.status, errors: run.stderr };
}

test('lays out every language with its own pages and contents', () => {
  const { out, status, errors } = layOut(join(root, 'help'));
  assert.equal(status, 0, errors);
  for (const language of ['en', 'de', 'fr', 'es', 'nl', 'it', 'pt_PT', 'pt_BR']) {
    for (const file of ['index.html', 'contents.html', 'style.css', 'images/window.png']) {
      assert.ok(existsSync(join(out, language, file)), `${language}/${file}`);
    }
  }
  assert.match(readFileSync(join(out, 'de/index.html'), 'utf8'), /<html lang="de">/);
  assert.match(readFileSync(join(out, 'nl/contents.html'), 'utf8'),
    /<li>[^<]+\n {2}<ul>\n {2}<li><a href="printing.html">/);
});

test("fills a language's missing pages in English; refuses a link the guide cannot serve", () => {
  const help = mkdtempSync(join(tmpdir(), 'tavrel-help-'));
  cpSync(join(root, 'help'), help, { recursive: true });
  mkdirSync(join(help, 'xx'));
  cpSync(join(help, 'contents.hhc'), join(help, 'xx/contents.hhc'));
  writeFileSync(join(help, 'xx/index.html'), '<html lang="xx"></html>');
  const rows = [
    { link: '<a href="https://example.com/">', expected: 'is outside the guide' },
    { link: '<img src="//example.com">', expected: 'is outside the guide' },
    { link: '<a href="missing.html">', expected: 'finds no file' },
    { link: '<a href="../en/index.html">', expected: 'finds no file' },
    { link: '<a href="printing.html#nowhere">', expected: 'finds no anchor' },
  ];
  const page = join(help, 'de/ruler.html');
  writeFileSync(page, readFileSync(page, 'utf8')
    .replace('<body>', `<body>${rows.map((row) => row.link).join('')}`));

  const { out, status, errors } = layOut(help);
  assert.match(readFileSync(join(out, 'xx/index.html'), 'utf8'), /lang="xx"/);
  assert.equal(readFileSync(join(out, 'xx/typing.html'), 'utf8'),
    readFileSync(join(help, 'typing.html'), 'utf8'));
  assert.ok(existsSync(join(out, 'xx/images/ruler.png')));
  assert.notEqual(status, 0);
  for (const row of rows) {
    const address = row.link.match(/"([^"]+)"/)[1];
    assert.ok(errors.includes(`de/ruler.html: ${address} ${row.expected}`),
      `${row.link}: ${errors}`);
  }
  assert.ok(!errors.includes('xx/'), errors);
});
