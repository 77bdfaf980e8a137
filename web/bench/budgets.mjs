// The page's budgets, measured in Debian's Chromium and printed (a benchmark, not a test):
// - the whole site but the guide, compressed, against 1 MB;
// - the time until the page can be used, against an empty page that loads WebAssembly of the
//   same size in the same browser run, within 1.5 times;
// - a keystroke's redraw at every measurement, the largest included, under 16 ms.
//     node web/bench/budgets.mjs [SITE_FOLDER]
// TAVREL_BENCH_RUNS sets the page loads of each kind (15); TAVREL_BENCH_STARTUP_ONLY=1 stops
// after the start-up's figure.
import { cpSync, mkdtempSync, readdirSync, readFileSync, statSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, relative } from 'node:path';
import { gzipSync } from 'node:zlib';
import { launch, serve, site as builtSite } from '../tests/browser.mjs';

const site = process.argv[2] ?? builtSite;
const kRuns = Number(process.env.TAVREL_BENCH_RUNS ?? 15);

function filesOf(folder) {
  return readdirSync(folder, { recursive: true }).map((name) => join(folder, name))
    .filter((path) => statSync(path).isFile());
}

function median(values) {
  const sorted = [...values].sort((a, b) => a - b);
  return sorted[Math.floor(sorted.length / 2)];
}

// Compressed as a web server sends it: gzip at its highest level.
const compressed = filesOf(site)
  .filter((path) => !relative(site, path).startsWith('guide/'))
  .reduce((sum, path) => sum + gzipSync(readFileSync(path), { level: 9 }).length, 0);
console.log(`site without the guide: ${(compressed / 1e6).toFixed(3)} MB compressed (budget 1 MB)`);

// The same site with an empty page beside it, served from a copy.
const copy = mkdtempSync(join(tmpdir(), 'tavrel-bench-'));
cpSync(site, copy, { recursive: true });
writeFileSync(join(copy, 'empty.html'), '<!doctype html><title>empty</title><script type="module" src="empty.js"></script>');
writeFileSync(join(copy, 'empty.js'), `
const { instance } = await WebAssembly.instantiateStreaming(fetch('tavrel.wasm'),
  new Proxy({}, { get: () => new Proxy({}, { get: () => () => 0 }) }));
document.body.dataset.ready = String(Boolean(instance));`);
const server = await serve(copy);
const browser = await launch();
const page = browser.context.pages()[0] ?? await browser.context.newPage();

async function readyAfter(address) {
  await page.goto(address);
  await page.waitForFunction(() => document.body?.dataset.ready);
  return page.evaluate(() => performance.now());
}
// The two pages in turns, so that whatever else the machine does weighs on both alike.
const emptyTimes = [];
const tavrelTimes = [];
for (let run = 0; run < kRuns; ++run) {
  emptyTimes.push(await readyAfter(`${server.address}empty.html`));
  tavrelTimes.push(await readyAfter(`${server.address}index.html`));
}
const empty = median(emptyTimes);
const tavrel = median(tavrelTimes);
console.log(`interactive: ${tavrel.toFixed(0)} ms, empty page with the same WebAssembly ${empty.toFixed(0)} ms: ${(tavrel / empty).toFixed(2)} x (budget 1.5 x)`);

if (process.env.TAVREL_BENCH_STARTUP_ONLY) {
  await browser.close();
  server.stop();
  process.exit(0);
}

// Every measurement a unit draws, in steps, its largest last; each typed as the box's new text.
// Each unit's measurements twice: the first time, as a user's first typing meets code the
// browser has not compiled yet, and again once it has.
const redraws = await page.evaluate(async () => {
  const box = document.getElementById('txtMeasure');
  const summary = (times, values) => ({
    median: [...times].sort((a, b) => a - b)[times.length >> 1],
    slowest: Math.max(...times), slowestAt: values[times.indexOf(Math.max(...times))] });
  const results = [];
  for (const [unit, largest, step] of [[0, 91.02, 0.25], [1, 91, 0.25], [2, 2311, 6]]) {
    document.getElementById(`optMeasureType${unit}`).click();
    const values = [];
    for (let value = step; value < largest; value += step) values.push(Math.round(value * 100) / 100);
    values.push(largest);
    const passes = [];
    for (let pass = 0; pass < 2; ++pass) {
      const times = [];
      for (const value of values) {
        box.value = String(value);
        const start = performance.now();
        box.dispatchEvent(new InputEvent('input', { bubbles: true }));
        times.push(performance.now() - start);
      }
      passes.push(summary(times, values));
    }
    results.push({ unit, count: values.length, passes });
  }
  return results;
});
for (const { unit, count, passes } of redraws) {
  const [first, again] = passes.map((p) => `median ${p.median.toFixed(2)} ms, slowest ${p.slowest.toFixed(2)} ms at ${p.slowestAt}`);
  console.log(`keystroke redraw, unit ${unit}, ${count} measurements (budget 16 ms): first time ${first}; again ${again}`);
}

await browser.close();
server.stop();
