// Times the browser edition beside the native program, in one run on one
// machine: the statistics of every chart (page worker against
// glimmerkist-roll stats, same charts, count and seed) and how soon the page
// shows its first hoard from disk. Run by scripts/measure-web, which passes:
//   node measure-web.mjs WEB_DIR ROLL
// Prints the figures as Markdown for docs/performance.md.
import { execFileSync } from 'node:child_process';
import path from 'node:path';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const [webDir, rollPath] = process.argv.slice(2).map((p) => path.resolve(p));
const RUNS = 100000;
const SEED = 1;
const TIMES = 5;
const pageUrl = `${pathToFileURL(webDir).href}/index.html`;
const median = (values) => [...values].sort((a, b) => a - b)[Math.floor(values.length / 2)];
const range = (values) => `${Math.min(...values).toFixed(0)} to ${Math.max(...values).toFixed(0)}`;

const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--no-first-run'],
});
async function freshPage(hash = '') {
  const context = await browser.newContext({ viewport: { width: 1280, height: 800 } });
  const page = await context.newPage();
  await page.goto(`${pageUrl}${hash}`);
  await page.waitForSelector('body[data-ready="true"]');
  return page;
}

const native = [];
const inPage = [];
const firstHoard = [];
// Taking turns, so that both see the same load of the machine.
for (let i = 0; i < TIMES; i++) {
  const started = process.hrtime.bigint();
  execFileSync(rollPath, ['stats', ...'ABCDEFGHIJKLMNOPQRSTUVWXYZ', '--runs', String(RUNS), '--seed', String(SEED)],
    { stdio: 'ignore' });
  native.push(Number(process.hrtime.bigint() - started) / 1e6);

  const page = await freshPage();
  await page.waitForSelector('body[data-guide="ready"]');
  await page.fill('#stats-charts', '');
  await page.fill('#stats-runs', String(RUNS));
  await page.fill('#stats-seed', String(SEED));
  inPage.push(await page.evaluate(() => new Promise((resolve) => {
    const output = document.getElementById('stats-output');
    const started = performance.now();
    new MutationObserver(() => {
      if (output.dataset.countedIn !== undefined) resolve(performance.now() - started);
    }).observe(output, { attributes: true });
    document.getElementById('stats-run').click();
  })));
  await page.context().close();

  const cold = await freshPage('#chart=H&seed=42&split=4');
  firstHoard.push(await cold.evaluate(() => performance.getEntriesByName('first-hoard')[0].startTime));
  await cold.context().close();
}
await browser.close();

const ratio = median(inPage) / median(native);
console.log(`| Statistics, 26 charts × ${RUNS.toLocaleString('en-US')} hoards, seed ${SEED}: glimmerkist-roll stats | ` +
  `median ${median(native).toFixed(0)} ms of ${TIMES} (${range(native)} ms) |`);
console.log(`| The same in the page's workers (one a core) | median ${median(inPage).toFixed(0)} ms of ${TIMES} (${range(inPage)} ms), ` +
  `${ratio.toFixed(2)} × native |`);
console.log(`| First hoard on screen, \`index.html#chart=H&seed=42&split=4\` from disk, a fresh page each time | ` +
  `median ${median(firstHoard).toFixed(0)} ms of ${TIMES} (${range(firstHoard)} ms) |`);
