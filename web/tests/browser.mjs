// The built page served on this machine and Debian's Chromium driven by Playwright, as the
// page's tests use them: no browser is downloaded, and the browser reaches nothing outside.
import { spawn } from 'node:child_process';
import { once } from 'node:events';
import { mkdtempSync, rmSync } from 'node:fs';
import { tmpdir } from 'node:os';
import { join, resolve } from 'node:path';
import { chromium } from 'playwright-core';

export const repository = resolve(import.meta.dirname, '../..');
export const site = process.env.TAVREL_WEB_SITE ?? join(repository, 'build-web/site');
export const desktopProgram = process.env.TAVREL_DESKTOP ?? join(repository, 'build/app/tavrel');

// Serves the site on a free port; `stop()` ends it, as a host going away.
export async function serve(folder = site) {
  const server = spawn('python3', [join(repository, 'scripts/web/serve.py'), folder, '0'],
                       { stdio: ['ignore', 'pipe', 'inherit'] });
  const [line] = await once(server.stdout, 'data');
  const address = String(line).match(/http:\/\/\S+/)[0];
  return { address, stop: () => server.kill() };
}

const kQuiet = ['--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
  '--disable-background-networking', '--disable-component-update', '--disable-sync',
  '--force-device-scale-factor=1', '--lang=en-US'];

// A browser with a profile of its own, so that its stored data starts empty.
export async function launch({ locale = 'en-US', viewport = { width: 1200, height: 900 }, ...more } = {}) {
  const profile = mkdtempSync(join(tmpdir(), 'tavrel-chromium-'));
  const context = await chromium.launchPersistentContext(profile, {
    executablePath: process.env.TAVREL_CHROMIUM ?? '/usr/bin/chromium',
    headless: true, args: kQuiet, locale, viewport, acceptDownloads: true, ...more,
  });
  const close = async () => {
    await context.close();
    rmSync(profile, { recursive: true, force: true });
  };
  return { context, close };
}

// Opens the page and waits until it has loaded its core and its language.
export async function openPage(context, address) {
  const page = context.pages()[0] ?? await context.newPage();
  const problems = [];
  page.on('pageerror', (error) => problems.push(String(error)));
  await page.goto(address);
  await page.waitForSelector('body[data-ready="true"]');
  page.problems = problems;
  return page;
}

// Chooses a unit and types as a user does, key by key.
export async function typeMeasurement(page, unit, keys) {
  await page.click(`#optMeasureType${unit}`);
  await page.locator('#txtMeasure').pressSequentially(keys);
}
