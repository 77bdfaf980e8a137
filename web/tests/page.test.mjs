// The page as a user meets it in Debian's Chromium: typing in each unit, pasting, the picture
// and every file against the desktop program's own, offline use, a phone's screen and an
// accessibility check.
import { test, before, after } from 'node:test';
import assert from 'node:assert/strict';
import { execFileSync } from 'node:child_process';
import { mkdtempSync, readFileSync, writeFileSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join } from 'node:path';
import { serve, launch, openPage, typeMeasurement, desktopProgram, repository } from './browser.mjs';

const kUnits = ['decimal', 'fractions', 'millimeter'];
let server;
let browser;
let page;
const folder = mkdtempSync(join(tmpdir(), 'tavrel-page-'));

before(async () => {
  server = await serve();
  browser = await launch();
  page = await openPage(browser.context, server.address);
});

after(async () => {
  await browser?.close();
  server?.stop();
});

// The desktop program's file for the same measurement, unit and paper.
function desktopFile(unit, measurement, ending, paper = 'letter') {
  const path = join(folder, `desktop-${unit}-${measurement.replaceAll(/\W/g, '_')}.${ending}`);
  const paperOption = ending === 'pdf' ? ['--paper', paper] : [];
  execFileSync(desktopProgram, ['--unit', kUnits[unit], '--measure', measurement, ...paperOption,
    '--export', path], { env: { ...process.env, LC_ALL: 'C.UTF-8' } });
  return path;
}

async function state() {
  return page.evaluate(() => ({
    text: document.getElementById('txtMeasure').value,
    printable: !document.getElementById('cmdPrint').disabled,
    tooLarge: document.getElementById('lblTooLarge').hidden ? '' : document.getElementById('lblTooLarge').textContent,
    notice: document.getElementById('lblNotice').hidden ? '' : document.getElementById('lblNotice').textContent,
  }));
}

test('typed keys pass the same filter in every unit', async () => {
  const rows = [
    { unit: 0, keys: '2.5x,/ 1.', text: '2.51', printable: true },
    { unit: 1, keys: ' 2  1//2', text: '2 1/2', printable: true },
    { unit: 2, keys: '25.4.5a', text: '25.45', printable: true },
    { unit: 0, keys: '.', text: '.', printable: false },
    { unit: 0, keys: '100', text: '100', printable: false,
      tooLarge: 'Too large to draw. The largest measurement is 91.02 inches.' },
    { unit: 1, keys: '2.5', text: '2.5', printable: true,
      notice: '2.5 is drawn as 2 inches in Inches (Fractions); choose Inches (Decimal) for 2.5' },
  ];
  for (const row of rows) {
    await typeMeasurement(page, row.unit, row.keys);
    assert.deepEqual(await state(), { text: row.text, printable: row.printable,
      tooLarge: row.tooLarge ?? '', notice: row.notice ?? '' }, JSON.stringify(row));
  }
});

test('a paste enters whole or not at all, and says why not', async () => {
  await browser.context.grantPermissions(['clipboard-read', 'clipboard-write']);
  const paste = async (text) => {
    await page.evaluate((t) => navigator.clipboard.writeText(t), text);
    await page.locator('#txtMeasure').press('Control+V');
  };
  await typeMeasurement(page, 1, '1');
  await paste('2a');
  assert.deepEqual(await state(), { text: '1', printable: true, tooLarge: '',
    notice: 'Nothing was pasted: the box takes no “a”.' });
  await paste(' 3/4');
  assert.equal((await state()).text, '1 3/4');
  await paste('/');
  assert.equal((await state()).notice, 'Nothing was pasted: the box takes only one slash.');
  await paste('½');
  assert.equal((await state()).notice, 'Nothing was pasted: the box takes no “½”.');
});

// Ink pixels of an RGBA image as a set of "x,y".
function inkOf(image) {
  const ink = new Set();
  for (let y = 0; y < image.height; ++y)
    for (let x = 0; x < image.width; ++x)
      if (image.data[(y * image.width + x) * 4] < 128) ink.add(`${x},${y}`);
  return ink;
}

// Whether every ink pixel of `a` has one of `b` within a pixel.
function withinOnePixel(a, b) {
  for (const point of a) {
    const [x, y] = point.split(',').map(Number);
    let near = false;
    for (let dy = -1; dy <= 1 && !near; ++dy)
      for (let dx = -1; dx <= 1 && !near; ++dx) near = b.has(`${x + dx},${y + dy}`);
    if (!near) return point;
  }
  return null;
}

async function pixelsOfPng(bytes) {
  return page.evaluate(async (base64) => {
    const bytes = Uint8Array.from(atob(base64), (c) => c.charCodeAt(0));
    const bitmap = await createImageBitmap(new Blob([bytes], { type: 'image/png' }));
    const canvas = new OffscreenCanvas(bitmap.width, bitmap.height);
    const context = canvas.getContext('2d');
    context.drawImage(bitmap, 0, 0);
    const image = context.getImageData(0, 0, bitmap.width, bitmap.height);
    return { width: image.width, height: image.height, data: [...image.data] };
  }, Buffer.from(bytes).toString('base64'));
}

// What the view shows of its canvas: the canvas's part over the picture.
async function shownPicture() {
  return page.evaluate(() => {
    const canvas = document.getElementById('picPattern');
    const sizer = document.getElementById('picSizer');
    const width = Math.min(canvas.width, sizer.clientWidth);
    const height = Math.min(canvas.height, sizer.clientHeight);
    const image = canvas.getContext('2d').getImageData(0, 0, width, height);
    return { width: image.width, height: image.height, data: [...image.data] };
  });
}

function assertSamePicture(shown, desktop) {
  assert.deepEqual([shown.width, shown.height], [desktop.width, desktop.height]);
  const a = inkOf(shown);
  const b = inkOf(desktop);
  assert.ok(a.size > 0);
  assert.equal(withinOnePixel(a, b), null, 'ink on the page that the desktop has not');
  assert.equal(withinOnePixel(b, a), null, 'ink on the desktop that the page has not');
}

test('the drawn picture and the saved PNG are the desktop PNG within one pixel', async () => {
  for (const [unit, measurement] of [[1, '2 1/2'], [2, '30'], [0, '0.5']]) {
    await typeMeasurement(page, unit, measurement);
    const desktopPng = desktopFile(unit, measurement, 'png');
    const desktop = await pixelsOfPng(readFileSync(desktopPng));
    assertSamePicture(await shownPicture(), desktop);
    const saved = await download('#mnuPatternSavePng');
    assertSamePicture(await pixelsOfPng(readFileSync(saved)), desktop);
    const resolution = (path) => execFileSync('identify', ['-format', '%x %y %U', path]).toString();
    assert.equal(resolution(saved), resolution(desktopPng));
  }
});

async function download(item) {
  await page.click('#mnuPattern');
  const [file] = await Promise.all([page.waitForEvent('download'), page.click(item)]);
  const path = join(folder, `page-${Date.now()}-${file.suggestedFilename()}`);
  await file.saveAs(path);
  return path;
}

test('the saved SVG, DXF and PDF are the desktop command line\'s', async () => {
  const compare = join(repository, 'web/tests/same_files.py');
  for (const [unit, measurement, paper] of [[1, '2 1/2', 'letter'], [2, '400', 'a4'], [0, '20', 'a4']]) {
    await typeMeasurement(page, unit, measurement);
    await page.click('#mnuPattern');
    await page.selectOption('#mnuPatternPaper', paper);
    for (const ending of ['svg', 'dxf', 'pdf']) {
      const saved = await download(`#mnuPatternSave${ending[0].toUpperCase()}${ending.slice(1)}`);
      execFileSync('python3', [compare, desktopFile(unit, measurement, ending, paper), saved,
        unit === 2 ? 'cm' : 'inch'], { stdio: 'inherit' });
    }
  }
});

// Print Pattern's PDF, read back from the link the page opens it with.
async function printed() {
  const bytes = await page.evaluate(async () => {
    const file = await fetch(window.tavrelPrinted);
    return [...new Uint8Array(await file.arrayBuffer())];
  });
  const path = join(folder, `printed-${Date.now()}.pdf`);
  writeFileSync(path, Buffer.from(bytes));
  return path;
}

test('Print Pattern asks before tiles, then gives the PDF to print at 100 %', async () => {
  const compare = join(repository, 'web/tests/same_files.py');
  await page.click('#mnuPattern');
  await page.selectOption('#mnuPatternPaper', 'a4');
  for (const [unit, measurement, question] of [[1, '2 1/2', null],
    [2, '150', 'The pattern is larger than the page. It will print whole on 5 pages of A4: first a diagram of how the pages fit together, then the pages to tape together.']]) {
    await typeMeasurement(page, unit, measurement);
    await page.click('#cmdPrint');
    if (question) {
      assert.equal(await page.textContent('#dlgMessageText'), question);
      await page.click('#dlgMessageButtons [value=accept]');
    }
    await page.waitForSelector('#dlgMessageLink');
    assert.match(await page.textContent('#dlgMessageText'), /^Print at 100 % \("Actual size"\)/);
    await page.click('#dlgMessageButtons [value=cancel]');
    execFileSync('python3', [compare, desktopFile(unit, measurement, 'pdf', 'a4'), await printed(),
      unit === 2 ? 'cm' : 'inch'], { stdio: 'inherit' });
  }
});

test('the projector view shows the pattern once a bar is matched to a ruler', async () => {
  await typeMeasurement(page, 1, '2 1/2');
  await page.click('#mnuPattern');
  await page.click('#mnuPatternProjector');
  assert.equal(await page.textContent('#lblCalibration'), 'Not calibrated yet');
  await page.click('#cmdCalibrate');
  const box = page.locator('#txtBarLength');
  await box.press('Shift+ArrowRight');
  await box.fill('10');
  const bar = await page.evaluate(() => Math.floor(document.getElementById('projector').clientWidth * 4 / 5) + 10);
  await box.press('Enter');
  // The bar measures from its first end mark to its last, one pixel less than its length.
  assert.equal(await page.textContent('#lblCalibration'),
               `${((bar - 1) / 10).toFixed(1)} pixels per inch`);
  await page.click('#cmdShow');
  await page.waitForSelector('#projector canvas');
  await page.keyboard.press('Escape');
  assert.equal(await page.isHidden('#projector'), true);
  assert.deepEqual(page.problems, []);
});

test('a language chosen on the page words every control, the papers and the picture', async () => {
  await typeMeasurement(page, 2, '30.5');
  // The language's file arrives after the choice.
  const speaking = (caption) => page.waitForFunction(
    (text) => document.getElementById('cmdPrint').textContent === text, caption);
  const words = () => page.evaluate(() => [
    document.getElementById('cmdPrint').textContent,
    document.querySelector('#mnuPatternPaper option[value="letter"]').textContent,
    document.getElementById('lblScale').textContent,
    document.getElementById('picView').getAttribute('aria-label'),
    document.documentElement.lang]);
  for (const [language, expected] of [
    ['de', ['Schnittmuster drucken', 'Letter (8,5 x 11 Zoll)',
            'Im Ausdruck sollte jeder Abschnitt darüber genau einen Zentimeter lang sein',
            null, 'de']],
    // A language whose file is named with an underscore, which no locale has.
    ['pt_BR', ['Imprimir molde', null, null,
               'Molde para 30,5 milímetros, 69 por 96 milímetros quando impresso', 'pt-BR']]]) {
    await page.selectOption('#cboLanguage', language);
    await speaking(expected[0]);
    const shown = await words();
    assert.deepEqual(shown.map((text, i) => (expected[i] === null ? null : text)), expected);
  }
  await page.selectOption('#cboLanguage', 'en');
  await speaking('Print Pattern');
});

test('once opened, the page works offline', async () => {
  const offline = await launch();
  try {
    const first = await openPage(offline.context, server.address);
    await first.evaluate(async () => {
      const registration = await navigator.serviceWorker.ready;
      while (registration.active?.state !== 'activated') await new Promise((r) => setTimeout(r, 50));
    });
    await offline.context.setOffline(true);
    await first.reload();
    await first.waitForSelector('body[data-ready="true"]');
    await typeMeasurement(first, 1, '3');
    assert.equal(await first.locator('#cmdPrint').isEnabled(), true);
    assert.deepEqual(first.problems, []);
  } finally {
    await offline.close();
  }
});

test('on a phone every control shows without sideways scrolling', async () => {
  const phone = await launch({ viewport: { width: 360, height: 640 }, isMobile: true, hasTouch: true });
  try {
    const small = await openPage(phone.context, server.address);
    await typeMeasurement(small, 2, '2311');
    const overflow = await small.evaluate(() => document.documentElement.scrollWidth - innerWidth);
    assert.ok(overflow <= 0, `${overflow} pixels sideways`);
    for (const id of ['optMeasureType0', 'optMeasureType2', 'cmdPrint', 'txtMeasure', 'mnuPattern',
      'mnuHelp', 'cboLanguage', 'cboZoom', 'picView']) {
      const box = await small.locator(`#${id}`).boundingBox();
      assert.ok(box && box.x >= 0 && box.x + box.width <= 360, id);
    }
    assert.equal(await small.getAttribute('#txtMeasure', 'inputmode'), 'decimal');
  } finally {
    await phone.close();
  }
});

test('no accessibility violation, and the picture is described', async () => {
  const checked = await launch({ bypassCSP: true });
  try {
    const shown = await openPage(checked.context, server.address);
    await typeMeasurement(shown, 1, '2 1/2');
    assert.equal(await shown.getAttribute('#picView', 'aria-label'),
                 'Pattern for 2 1/2 inches, 5.6 by 7.9 inches when printed');
    await shown.addScriptTag({ path: join(repository, 'web/node_modules/axe-core/axe.min.js') });
    const violations = await shown.evaluate(async () => (await axe.run()).violations
      .map((v) => `${v.id}: ${v.nodes.map((n) => n.target).join(' ')}`));
    assert.deepEqual(violations, []);
  } finally {
    await checked.close();
  }
});

test('a correction saved from the measured bars is kept, and the sheet is the chosen paper\'s', async () => {
  await page.click('#mnuPattern');
  await page.selectOption('#mnuPatternPaper', 'letter');
  if (!await page.isVisible('#mnuPatternCalibratePrinter')) await page.click('#mnuPattern');
  await page.click('#mnuPatternCalibratePrinter');
  await page.selectOption('#cboUnit', '0');
  const shown = () => page.evaluate(() => ({
    correction: document.getElementById('lblCorrection').textContent,
    problem: document.getElementById('lblCalibrationProblem').hidden
      ? '' : document.getElementById('lblCalibrationProblem').textContent,
    resettable: !document.getElementById('cmdResetCorrection').disabled,
    kept: JSON.parse(localStorage.getItem('tavrel.printCorrection')),
  }));
  const measured = async (across, down) => {
    await page.fill('#txtAcross', across);
    await page.fill('#txtDown', down);
    await page.click('#cmdSaveCorrection');
    return shown();
  };
  assert.equal(await page.textContent('label[for=txtAcross]'), 'Across bar (7 in) measures:');
  assert.deepEqual(await measured('5', '7'), { correction: 'None: prints go out as the printer makes them',
    problem: 'These lengths would need a correction of 140 % across, 100 % down, beyond what a printer at 100 % needs (80 % to 125 %). Check that the sheet was printed at 100 %, measure the bars again, and type the lengths in the unit chosen here.',
    resettable: false, kept: null });
  // A printer that prints about 2 % small across and 0.5 % large down.
  assert.deepEqual(await measured('6 55/64', '7.035'), { correction: '102.1 % across, 99.5 % down',
    problem: '', resettable: true, kept: { across: 7 / (6 + 55 / 64), down: 7 / 7.035 } });

  await page.click('#cmdPrintSheet');
  const sheet = join(folder, 'calibration.pdf');
  writeFileSync(sheet, Buffer.from(await page.evaluate(async () =>
    [...new Uint8Array(await window.tavrelCalibrationSheet.arrayBuffer())])));
  assert.match(execFileSync('pdfinfo', [sheet]).toString(), /Page size: +612 x 792 pts/);
  assert.match(execFileSync('pdftotext', [sheet, '-']).toString(), /Across: 7 in[\s\S]*Down: 7 in/);

  await page.click('#cmdResetCorrection');
  assert.deepEqual(await shown(), { correction: 'None: prints go out as the printer makes them',
    problem: '', resettable: false, kept: null });
  await page.click('#cmdCloseCalibration');
  await page.waitForSelector('#dlgCalibratePrinter', { state: 'detached' });
});

// A projector the test knows exactly: table inches to the view's pixels through a perspective
// 8 % narrower at the top of an 18-inch mat, turned 3 degrees, the mat's top-left corner at
// (130, 90), 40 pixels per inch at its bottom.
const projector = (() => {
  const multiply = (a, b) => a.map((_, i) => [0, 1, 2].reduce((sum, k) =>
    sum + a[3 * Math.floor(i / 3) + k] * b[3 * k + (i % 3)], 0));
  // The inverse up to a factor, which a perspective ignores.
  const adjugate = (m) => [m[4] * m[8] - m[5] * m[7], m[2] * m[7] - m[1] * m[8],
    m[1] * m[5] - m[2] * m[4], m[5] * m[6] - m[3] * m[8], m[0] * m[8] - m[2] * m[6],
    m[2] * m[3] - m[0] * m[5], m[3] * m[7] - m[4] * m[6], m[1] * m[6] - m[0] * m[7],
    m[0] * m[4] - m[1] * m[3]];
  const apply = (m, [x, y]) => {
    const w = m[6] * x + m[7] * y + m[8];
    return [(m[0] * x + m[1] * y + m[2]) / w, (m[3] * x + m[4] * y + m[5]) / w];
  };
  const keystone = 0.08 / 18;
  const [c, s] = [Math.cos(Math.PI / 60), Math.sin(Math.PI / 60)];
  const m = multiply([c, -s, 130, s, c, 90, 0, 0, 1],
                     [40, 0, 0, 0, 40, 0, 0, -keystone, 1 + 18 * keystone]);
  return { handle: (table) => apply(m, table).map(Math.round),
    toTable: (screen) => apply(adjugate(m), screen) };
})();
const kMat = [[0, 0], [24, 0], [24, 18], [0, 18]];
const millimetersApart = (a, b) => Math.hypot(a[0] - b[0], a[1] - b[1]) * 25.4;

// The polylines last drawn, each a list of points on the simulated table.
async function drawnOnTable(part) {
  const { points, counts } = await page.evaluate((p) => {
    const drawn = window.tavrelProjected[p];
    return { points: [...drawn.points], counts: [...drawn.counts] };
  }, part);
  let at = 0;
  return counts.map((count) => Array.from({ length: count }, () => {
    at += 2;
    return projector.toTable([points[at - 2], points[at - 1]]);
  }));
}

async function reopenDialog() {
  await page.click('#mnuPattern');
  await page.click('#mnuPatternProjector');
}

async function openProjectorDialog(unit, measurement) {
  // A tab left open by an earlier test (a PDF) slows every key and click sent to this one.
  for (const other of browser.context.pages()) if (other !== page) await other.close();
  await typeMeasurement(page, unit, measurement);
  await reopenDialog();
}

async function drag(from, to) {
  await page.mouse.move(...from);
  await page.mouse.down();
  await page.mouse.move(...to, { steps: 4 });
  await page.mouse.up();
}

async function showThroughCorners(choices = {}) {
  for (const [id, value] of Object.entries({ cboOverlay: '0', cboTurn: '0', ...choices }))
    await page.selectOption(`#${id}`, value);
  await page.click('#cmdShow');
  await page.waitForFunction(() => window.tavrelProjected && !document.getElementById('projector').hidden);
}

const cornersKey = () => page.evaluate(() =>
  `tavrel.projector.${screen.width}x${screen.height}@${devicePixelRatio}.corners`);

// The simulated projector's mat as the page keeps a calibration of it.
async function storeMat(metric = false) {
  const calibration = { widthInches: 24, heightInches: 18, metric, mesh: null,
    corners: kMat.flatMap(projector.handle) };
  await page.evaluate(([k, v]) => localStorage.setItem(k, v),
                      [await cornersKey(), JSON.stringify(calibration)]);
}

async function leaveView() {
  await page.keyboard.press('Escape');
  await page.evaluate(() => { window.tavrelProjected = null; });
}

test('corners dragged onto a 24 x 18 in mat put every 1-inch crossing of the grid within 0.5 mm', async (t) => {
  await openProjectorDialog(1, '2 1/2');
  assert.equal(await page.textContent('#lblCorners'), 'Not corner calibrated');
  await page.selectOption('#cboMesh', '1');
  await page.click('#cmdCalibrateCorners');
  const box = page.locator('#txtRectangleSize');
  const handles = async () => (await page.getAttribute('#projector canvas', 'data-handles'))
    .split(' ').map(Number);
  // The first two by the mouse, the others by the keys.
  for (const [i, corner] of kMat.entries()) {
    const [x, y] = projector.handle(corner);
    const now = await handles();
    if (i < 2) {
      await drag(now.slice(2 * i, 2 * i + 2), [x, y]);
      continue;
    }
    await box.press('Tab');
    for (const [distance, more, less] of [[x - now[2 * i], 'ArrowRight', 'ArrowLeft'],
      [y - now[2 * i + 1], 'ArrowDown', 'ArrowUp']]) {
      const key = distance > 0 ? more : less;
      for (let n = 0; n < Math.floor(Math.abs(distance) / 10); ++n) await box.press(`Shift+${key}`);
      for (let n = 0; n < Math.abs(distance) % 10; ++n) await box.press(key);
    }
  }
  assert.deepEqual(await handles(), kMat.flatMap(projector.handle));
  await box.fill('24 x 18 in');
  await box.press('Enter');
  // The mesh's points start where the corners show its crossings: each is put on its pixel.
  const start = await handles();
  for (let i = 0; i < 9; ++i) {
    for (const [axis, more, less] of [[0, 'ArrowRight', 'ArrowLeft'], [1, 'ArrowDown', 'ArrowUp']]) {
      const distance = projector.handle([12 * (i % 3), 9 * Math.floor(i / 3)])[axis] - start[2 * i + axis];
      for (let n = 0; n < Math.abs(distance); ++n) await box.press(distance > 0 ? more : less);
    }
    await box.press('Tab');
  }
  await box.press('Enter');
  assert.equal(await page.textContent('#lblCorners'), 'Corners: 24 x 18 in');
  assert.equal(JSON.parse(await page.evaluate((k) => localStorage.getItem(k), await cornersKey())).mesh.size, 3);

  await showThroughCorners({ cboOverlay: '1' });
  const grid = await drawnOnTable('overlay');
  // The crossings: points that a line across and a line down both pass through.
  const seen = new Map();
  for (const line of grid) for (const p of new Set(line.map(String))) seen.set(p, (seen.get(p) ?? 0) + 1);
  const crossings = [...seen].filter(([, lines]) => lines > 1).map(([p]) => p.split(',').map(Number));
  assert.equal(crossings.length, 25 * 19);
  const worst = Math.max(...crossings.map((p) => millimetersApart(p, p.map(Math.round))));
  t.diagnostic(`farthest crossing: ${worst.toFixed(2)} mm`);
  assert.ok(worst < 0.5);
  await leaveView();
  assert.deepEqual(page.problems, []);
});

const kRefusals = {
  typing: "Type the rectangle's size, for example 24 x 18 in or 600 x 450 mm.",
  small: 'The rectangle must be at least 4 x 4 inches (102 x 102 mm).',
  crossing: 'The corners cross each other. Drag each handle onto its own corner of the rectangle.',
  folding: 'A corner is turned inwards: the rectangle would fold over itself.',
  scale: "The rectangle's size does not match what a screen can show. Check the size you typed.",
  damaged: 'The stored corner calibration of this screen is damaged and was not used.',
  mesh: 'Two points of the mesh cross or fold over each other. Drag each onto its own crossing.',
};

test('a calibration that cannot be right is refused, typed or stored, with the reason', async () => {
  const key = await cornersKey();
  await page.evaluate((k) => localStorage.removeItem(k), key);
  await openProjectorDialog(2, '100');
  // The handles start on a rectangle from (200, 150) to (1000, 750).
  for (const { size, moved, refusal } of [
    { size: '600 x 450 cm', refusal: kRefusals.typing },
    { size: '3 x 18 in', refusal: kRefusals.small },
    { size: '600 x 90', refusal: kRefusals.small },  // in the ruler's millimeters
    { size: '240 x 180 in', refusal: kRefusals.scale },
    { size: '24 x 18 in', moved: [[1000, 150], [100, 450]], refusal: kRefusals.crossing },
    { size: '24 x 18 in', moved: [[1000, 750], [300, 300]], refusal: kRefusals.folding }]) {
    await page.click('#cmdCalibrateCorners');
    if (moved) await drag(...moved);
    await page.fill('#txtRectangleSize', size);
    await page.press('#txtRectangleSize', 'Enter');
    assert.equal(await page.textContent('#dlgMessageText'), refusal, size);
    await page.click('#dlgMessageButtons [value=cancel]');
    await page.press('#txtRectangleSize', 'Escape');
    assert.equal(await page.textContent('#lblCorners'), 'Not corner calibrated');
  }
  const crossed = { widthInches: 24, heightInches: 18, metric: false, mesh: null,
    corners: [200, 150, 200, 750, 1000, 150, 1000, 750] };
  const folded = { ...crossed, corners: [200, 150, 1000, 150, 1000, 750, 200, 750],
    mesh: { size: 3, points: [200, 150, 600, 150, 1000, 150, 200, 450, 900, 450, 600, 450,
      200, 750, 600, 750, 1000, 750] } };
  for (const [stored, shown] of [
    ['{"widthInches": 24', kRefusals.damaged],
    [JSON.stringify({ ...crossed, widthInches: 'wide' }), kRefusals.damaged],
    [JSON.stringify(crossed), `${kRefusals.damaged} ${kRefusals.crossing}`],
    [JSON.stringify(folded), `${kRefusals.damaged} ${kRefusals.mesh}`]]) {
    await page.evaluate(([k, v]) => localStorage.setItem(k, v), [key, stored]);
    await page.click('#cmdCloseProjector');
    await reopenDialog();
    assert.equal(await page.textContent('#lblCornersDamaged'), shown);
    assert.equal(await page.textContent('#lblCorners'), 'Not corner calibrated');
  }
  // A damaged one can be forgotten.
  await page.click('#cmdResetCalibration');
  assert.equal(await page.isHidden('#lblCornersDamaged'), true);
  assert.equal(await page.evaluate((k) => localStorage.getItem(k), key), null);
  await page.click('#cmdCloseProjector');
  assert.deepEqual(page.problems, []);
});

// The figure's box on the table, and where its points' middle lies within it.
async function figureExtent() {
  const points = (await drawnOnTable('figure')).flat();
  const [xs, ys] = [points.map((p) => p[0]), points.map((p) => p[1])];
  const [left, top] = [Math.min(...xs), Math.min(...ys)];
  const [width, height] = [Math.max(...xs) - left, Math.max(...ys) - top];
  const mean = (values) => values.reduce((sum, v) => sum + v, 0) / values.length;
  return { left, top, width, height, middle: [(mean(xs) - left) / width, (mean(ys) - top) / height] };
}

test('mirrored and turned, the figure keeps its size; the arrows move it by the calibration\'s steps', async () => {
  await storeMat();
  await openProjectorDialog(1, '2 1/2');
  let unplaced = null;
  for (const [across, down, turns] of [[false, false, 0], [true, false, 0], [false, true, 0],
    [false, false, 1], [true, true, 2], [false, true, 3]]) {
    await page.setChecked('#chkMirrorAcross', across);
    await page.setChecked('#chkMirrorDown', down);
    await showThroughCorners({ cboTurn: String(turns) });
    const shown = await figureExtent();
    await leaveView();
    await reopenDialog();
    unplaced ??= shown;
    let [x, y] = unplaced.middle;
    if (across) x = 1 - x;
    if (down) y = 1 - y;
    for (let turn = 0; turn < turns; ++turn) [x, y] = [1 - y, x];  // clockwise
    const size = turns % 2 ? [unplaced.height, unplaced.width] : [unplaced.width, unplaced.height];
    const row = `${across} ${down} ${turns}`;
    assert.ok(millimetersApart([shown.width, shown.height], size) < 0.5, row);
    assert.ok(Math.hypot(shown.middle[0] - x, shown.middle[1] - y) < 0.002, row);
  }
  await page.setChecked('#chkMirrorDown', false);
  for (const [metric, moves] of [
    [false, [['ArrowRight', 1 / 16, 0], ['Shift+ArrowDown', 0, 1], ['ArrowLeft', -1 / 16, 0]]],
    [true, [['Shift+ArrowRight', 25, 0], ['ArrowDown', 0, 1], ['ArrowLeft', -1, 0]]]]) {
    await storeMat(metric);  // read as the pattern is shown
    await showThroughCorners();
    for (const [key, across, down] of moves) {
      const before = await figureExtent();
      await page.keyboard.press(key);
      const after = await figureExtent();
      const inches = metric ? 1 / 25.4 : 1;
      assert.ok(millimetersApart([after.left - before.left, after.top - before.top],
                                 [across * inches, down * inches]) < 0.05, key);
    }
    await leaveView();
    await reopenDialog();
  }
  await page.click('#cmdCloseProjector');
  assert.deepEqual(page.problems, []);
});

test('a pattern larger than the mat shows in sections, each key moving by exactly one', async () => {
  await storeMat();
  await openProjectorDialog(1, '12');
  await showThroughCorners();
  // The middles of the landmarks' strokes.
  const landmarks = async () => (await drawnOnTable('landmarks')).map((stroke) =>
    [0, 1].map((axis) => (stroke[0][axis] + stroke.at(-1)[axis]) / 2));
  const first = await landmarks();
  for (const [key, words] of [['PageDown', 'Section 2 of 6: B1'], ['n', 'Section 3 of 6: A2'],
    ['PageUp', 'Section 2 of 6: B1'], ['p', 'Section 1 of 6: A1'], ['PageUp', 'Section 1 of 6: A1']]) {
    await page.keyboard.press(key);
    assert.equal(await page.textContent('#lblSection'), words, key);
  }
  // In the strip two sections share, each landmark shows in both, one step (23 in) apart.
  await page.keyboard.press('PageDown');
  const next = await landmarks();
  const shared = first.filter(([x]) => x > 22);
  assert.ok(shared.length > 0);
  for (const [x, y] of shared)
    assert.ok(next.some((p) => millimetersApart(p, [x - 23, y]) < 0.5), `${x}, ${y}`);
  await leaveView();
  assert.deepEqual(page.problems, []);
});
