// Drives the browser edition in Chromium and checks it against the console
// programs: the same hoards, files and messages, from disk and from a
// server, with no request leaving the page's folder, no console error and
// no accessibility violation. Run by scripts/check-web, which passes:
//   node check-web.mjs WEB_DIR OUT_DIR ROLL SEEDED_PROGRAM
import { execFileSync } from 'node:child_process';
import fs from 'node:fs';
import http from 'node:http';
import os from 'node:os';
import path from 'node:path';
import { createRequire } from 'node:module';
import { pathToFileURL } from 'node:url';
import { chromium } from 'playwright-core';

const require = createRequire(import.meta.url);
const [webDir, outDir, rollPath, seededPath] = process.argv.slice(2).map((p) => path.resolve(p));
const axeSource = fs.readFileSync(require.resolve('axe-core/axe.min.js'), 'utf8');
const work = fs.mkdtempSync(path.join(os.tmpdir(), 'glimmerkist-web-check-'));
fs.mkdirSync(outDir, { recursive: true });

const CHARTS = 'ABCDEFGHIJKLMNOPQRSTUVWXYZ';
const SEEDS = [1, 42, 4294967295];
const MAX_PAGE_BYTES = 400 * 1000;
const shipped = path.join(webDir, '..', '..', 'data.txt');
const goblins = path.join(webDir, '..', '..', 'examples', 'goblin-purses.txt');
const lairs = path.join(webDir, '..', '..', 'examples', 'dragon-lairs.txt');

// --- A small harness: each check runs, failures are listed, the run goes on.
// GLIMMERKIST_WEB_ONLY, a pattern, runs only the checks whose names match.
let passed = 0;
let failed = 0;
const only = process.env.GLIMMERKIST_WEB_ONLY ? new RegExp(process.env.GLIMMERKIST_WEB_ONLY) : null;
async function check(name, body) {
  if (only && !only.test(name)) return;
  try {
    await body();
    passed += 1;
    console.log(`ok   ${name}`);
  } catch (error) {
    failed += 1;
    console.log(`FAIL ${name}\n     ${String(error.stack || error).split('\n').join('\n     ')}`);
  }
}
function expectEqual(actual, expected, what) {
  const a = JSON.stringify(actual);
  const e = JSON.stringify(expected);
  if (a !== e) throw new Error(`${what}:\n  page:     ${a}\n  expected: ${e}`);
}
function expectTrue(condition, what) {
  if (!condition) throw new Error(what);
}

// --- The console programs.
function roll(args) {
  return execFileSync(rollPath, args, { cwd: work, stdio: ['ignore', 'pipe', 'pipe'] }).toString();
}
function rollHoard(chart, seed, split, catalog = shipped, format = 'json', charts = '') {
  const args = ['encounter', chart, '--seed', String(seed), '--format', format, '--catalog', catalog];
  if (split) args.push('--split', String(split));
  if (charts) args.push('--charts', charts);
  return roll(args);
}
// The interactive program seeded with `seed`, in a folder with `catalog` as
// its data.txt, choosing the encounter of `chart` first: its result file.
function consoleResultFile(chart, seed, catalog = shipped) {
  const dir = fs.mkdtempSync(path.join(work, 'console-'));
  fs.copyFileSync(catalog, path.join(dir, 'data.txt'));
  execFileSync(seededPath, [String(seed)], { cwd: dir, input: `3\n${chart}\n0\n`, stdio: ['pipe', 'ignore', 'pipe'] });
  return fs.readFileSync(path.join(dir, 'EncounterTreasureResult.txt'));
}

// --- The browser.
const browser = await chromium.launch({
  executablePath: process.env.CHROMIUM || '/usr/bin/chromium',
  args: ['--no-sandbox', '--disable-gpu', '--disable-background-networking', '--disable-component-update',
    '--no-first-run', '--disable-sync'],
});
const folderUrl = pathToFileURL(webDir).href + '/';
const pageUrl = `${folderUrl}index.html`;
const problems = []; // requests outside the folder, console errors, uncaught errors

async function newPage(options = {}, base = folderUrl) {
  const context = await browser.newContext({ viewport: { width: 1280, height: 900 }, acceptDownloads: true, ...options });
  const allowed = (url) => url.startsWith(base) || url.startsWith('blob:') || url.startsWith('data:');
  await context.route('**/*', (route) => {
    const url = route.request().url();
    if (allowed(url)) return route.continue();
    problems.push(`request outside the folder: ${url}`);
    return route.abort();
  });
  context.on('request', (request) => {
    if (!allowed(request.url())) problems.push(`request outside the folder: ${request.url()}`);
  });
  const page = await context.newPage();
  page.on('console', (message) => {
    if (message.type() === 'error') problems.push(`console error: ${message.text()}`);
  });
  page.on('pageerror', (error) => problems.push(`uncaught: ${error.message}`));
  return page;
}
// A fresh load each time, even where only the address's hash differs.
async function open(page, hash = '', base = folderUrl) {
  await page.goto('about:blank');
  await page.goto(`${base}index.html${hash}`);
  await page.waitForSelector('body[data-ready="true"]');
}
async function expectNoProblems() {
  const seen = problems.splice(0);
  expectEqual(seen, [], 'requests outside the folder or errors');
}
async function axe(page, state) {
  if (!(await page.evaluate(() => typeof window.axe !== 'undefined'))) await page.addScriptTag({ content: axeSource });
  const result = await page.evaluate(() => window.axe.run(document, { resultTypes: ['violations'], preload: false }));
  const violations = result.violations.map((v) => `${v.id} (${v.nodes.map((n) => n.target.join(' ')).join(', ')})`);
  expectEqual(violations, [], `accessibility violations in ${state}`);
}

// The hoard as the page shows it, read from the page's own elements.
async function shownHoard(page) {
  return page.evaluate(() => {
    const rows = (selector) => [...document.querySelectorAll(`${selector} tbody tr`)].map((tr) =>
      [...tr.cells].map((c) => c.textContent));
    const lines = (id) => [...document.querySelectorAll(`#${id} li:not(.note)`)].map((li) => li.textContent);
    return {
      title: document.getElementById('hoard-title').textContent,
      coins: rows('#coins'),
      gems: lines('gems'),
      items: lines('items'),
      total: document.getElementById('total').textContent,
      split: document.getElementById('split-part').hidden ? null : rows('#split-table'),
      message: document.getElementById('encounter-message').hidden
        ? '' : document.getElementById('encounter-message').textContent,
    };
  });
}
// What the page should show for the batch command's hoard: numbers with
// thousands separators, gems of one kind and value on one line.
function expectedHoard(json, chartFile = '') {
  const sheet = JSON.parse(json).hoards[0];
  const metals = [['cp', 'Copper'], ['sp', 'Silver'], ['ep', 'Electrum'], ['gp', 'Gold'], ['pp', 'Platinum']];
  const n = (value) => value.toLocaleString('en-US', { maximumFractionDigits: 4 });
  const groups = new Map();
  for (const gem of sheet.gems.filter((g) => g.name !== null)) {
    const key = `${gem.name}, ${n(gem.value_gp)} gp`;
    groups.set(key, (groups.get(key) ?? 0) + 1);
  }
  return {
    title: `Chart ${sheet.chart}${chartFile ? ` (${path.basename(chartFile)})` : ''}, seed ${sheet.seed}`,
    coins: metals.map(([code, name]) => [`${name} pieces`, n(sheet.coins[code])]),
    gems: [...groups].map(([key, count]) => (count === 1 ? key : `${count} × ${key} each`)),
    // The page shows each control character of a name as "?"; JSON keeps it.
    items: sheet.magic_items.map((item) =>
      item.name === null ? '(no item: the category is empty)' : item.name.replace(/[\u0000-\u001f\u007f-\u009f]/g, '?')),
    total: n(sheet.total_gp),
    split: sheet.split
      ? metals.map(([code, name]) => [`${name} pieces`, n(sheet.split.each[code]), n(sheet.split.remainder[code])])
      : null,
    message: '',
  };
}
// The bytes a click on `buttonId` downloads. Headless Chromium drops about
// one download in eleven when they come several a second, as they do here
// (none when they come a third of a second apart); a second click is what a
// person would do, and the note says that it was needed.
async function downloaded(page, buttonId) {
  for (let attempt = 1; ; attempt++) {
    try {
      const [download] = await Promise.all([
        page.waitForEvent('download', { timeout: 10000 }),
        page.click(`#${buttonId}`),
      ]);
      return fs.readFileSync(await download.path());
    } catch (error) {
      if (attempt === 2) throw error;
      console.log(`     note: no download after a click on #${buttonId}; clicked again`);
    }
  }
}
async function roll1(page, chart, { seed = '', split = '', byKey = false } = {}) {
  await page.fill('#seed', String(seed));
  await page.fill('#split', String(split));
  if (byKey) {
    await page.locator('#chart-buttons button').first().focus();
    await page.keyboard.press(chart.toLowerCase());
  } else {
    await page.click(`#chart-buttons button:text-is("${chart}")`);
  }
}
// Loads a chart file by the picker and waits for its charts' buttons.
async function pickCharts(page, file) {
  await page.setInputFiles('#charts-file', file);
  await page.waitForFunction((name) => document.getElementById('charts-status').textContent.includes(name) ||
    !document.getElementById('charts-message').hidden, path.basename(file));
}
// Counts the statistics of `charts` as the form holds them and returns the
// table's rows and those of glimmerkist-roll stats with `args`, both without
// the spread's picture (which says its figures in words) and thousands
// separators.
async function countStats(page, charts, args) {
  await page.fill('#stats-charts', charts);
  await page.fill('#stats-runs', '3000');
  await page.fill('#stats-seed', '1');
  await page.click('#stats-run');
  await page.waitForFunction(() => document.getElementById('stats-output').dataset.countedIn !== undefined);
  const rows = await page.$$eval('#stats-output tbody tr', (trs) => trs.map((tr) => [...tr.cells].slice(0, -1)
    .map((c) => c.textContent.replace(/,/g, ''))));
  const markdown = roll(['stats', ...args, '--runs', '3000', '--seed', '1', '--format', 'markdown']);
  const expected = markdown.split('\n').slice(2).filter((l) => l.startsWith('| '))
    .map((l) => l.split('|').slice(1, -1).map((c) => c.trim()));
  return [rows, expected];
}
function writeCatalog(name, text) {
  const file = path.join(work, name);
  fs.writeFileSync(file, text);
  return file;
}

// --- The checks.
const started = Date.now();
const page = await newPage();

await check('the page and its module weigh at most 400 KB, the catalog aside', async () => {
  const files = ['index.html', 'app.js', 'glimmerkist-core.js'];
  const bytes = files.reduce((sum, f) => sum + fs.statSync(path.join(webDir, f)).size, 0);
  console.log(`     page weight: ${bytes} bytes (${files.join(', ')}); catalog.js ${fs.statSync(path.join(webDir, 'catalog.js')).size} bytes`);
  expectTrue(bytes <= MAX_PAGE_BYTES, `${bytes} bytes`);
});

await check('opens from disk and shows the first hoard of an address', async () => {
  // A measurement for the record, not a limit: each load in a fresh page.
  const times = [];
  for (let i = 0; i < 5; i++) {
    const fresh = await newPage();
    await open(fresh, '#chart=H&seed=42&split=4');
    times.push(await fresh.evaluate(() => performance.getEntriesByName('first-hoard')[0].startTime));
    await fresh.context().close();
  }
  times.sort((a, b) => a - b);
  console.log(`     navigation to first hoard: median ${times[2].toFixed(0)} ms of 5 ` +
    `(${times.map((t) => t.toFixed(0)).join(', ')})`);
  await open(page, '#chart=H&seed=42&split=4');
  const json = rollHoard('H', 42, 4);
  expectEqual(await shownHoard(page), expectedHoard(json), 'hoard of #chart=H&seed=42&split=4');
  // Copied as Markdown: glimmerkist-roll's Markdown of the same hoard, byte
  // for byte.
  await page.evaluate(() => {
    navigator.clipboard.writeText = async (text) => { window.copied = text; };
  });
  await page.click('#copy-markdown');
  const markdown = await page.evaluate(() => window.copied);
  expectEqual(markdown, rollHoard('H', 42, 4, shipped, 'markdown'), 'Markdown of #chart=H&seed=42&split=4');
  await axe(page, 'a hoard with a split');
  await expectNoProblems();
});

await check('every chart and seed: the page, its JSON and its result file match the console programs', async () => {
  await open(page);
  let n = 0;
  for (const seed of SEEDS) {
    for (const chart of CHARTS) {
      const split = n % 3 === 0 ? 3 : '';
      await roll1(page, chart, { seed, split, byKey: n % 2 === 1 });
      const json = rollHoard(chart, seed, split);
      await page.waitForFunction((t) => document.getElementById('hoard-title').textContent === t,
        `Chart ${chart}, seed ${seed}`);
      expectEqual(await shownHoard(page), expectedHoard(json), `chart ${chart} seed ${seed}`);
      expectEqual((await downloaded(page, 'download-json')).toString(), json, `JSON of chart ${chart} seed ${seed}`);
      const file = await downloaded(page, 'download-result');
      expectTrue(file.equals(consoleResultFile(chart, seed)), `result file of chart ${chart} seed ${seed}:\n${file}`);
      n += 1;
    }
  }
  expectEqual(new URL(page.url()).hash, `#chart=Z&seed=4294967295`, 'the address follows the hoard');
  await expectNoProblems();
});

await check('an empty seed draws a fresh one, shown with the hoard, and the link draws it again', async () => {
  await open(page);
  await roll1(page, 'Q');
  const title = await page.textContent('#hoard-title');
  const seed = title.match(/^Chart Q, seed (\d+)$/)[1];
  expectEqual(await page.getAttribute('#hoard-link', 'href'), `#chart=Q&seed=${seed}`, 'link');
  expectEqual(await shownHoard(page), expectedHoard(rollHoard('Q', seed)), 'fresh hoard');
  await expectNoProblems();
});

await check('bad seeds, splits and addresses give a short message and the page stays usable', async () => {
  const cases = [
    ['#chart=1&seed=5', 'Please choose a chart, one letter from A to Z.'],
    ['#chart=HH', 'Please choose a chart, one letter from A to Z.'],
    ['#chart=H&seed=abc', 'Please enter a seed from 0 to 4294967295, or leave it empty for a fresh one.'],
    ['#chart=H&seed=4294967296', 'Please enter a seed from 0 to 4294967295, or leave it empty for a fresh one.'],
    ['#chart=H&seed=-1', 'Please enter a seed from 0 to 4294967295, or leave it empty for a fresh one.'],
    ['#chart=H&seed=1&split=0', 'Please enter a number of characters from 1 to 10000, or leave it empty.'],
    ['#chart=H&seed=1&split=10%2C000', 'Please enter a number of characters from 1 to 10000, or leave it empty.'],
    ['#%%%garbage&&=', 'This address names no hoard. Please verify that it reads like #chart=H&seed=42&split=4.'],
    ['#chart=H&chart=B', 'This address names no hoard. Please verify that it reads like #chart=H&seed=42&split=4.'],
  ];
  for (const [hash, message] of cases) {
    await open(page, hash);
    expectEqual((await shownHoard(page)).message, message, hash);
    await axe(page, `the message for ${hash}`);
  }
  // Still usable: a good roll after the last message draws its hoard.
  await roll1(page, 'B', { seed: 7, split: 10000 });
  expectEqual(await shownHoard(page), expectedHoard(rollHoard('B', 7, 10000)), 'hoard after bad input');
  await expectNoProblems();
});

await check('items: every category with the program\'s labels, picks shown by name', async () => {
  await open(page);
  const labels = await page.$$eval('#category option', (options) => options.map((o) => o.textContent));
  expectEqual(labels.length, 19, 'any category and the 18 categories');
  expectEqual([labels[0], labels[1], labels[18]], ['any category', '0) ...Potions and Oils', '17) ...Weapons'], 'labels');
  const shippedNames = new Set(fs.readFileSync(shipped, 'utf8').split(/\s+/).map((t) => t.replace(/_/g, ' ')));
  for (const value of ['any', '0', '17']) {
    await page.selectOption('#category', value);
    await page.click('#pick');
    const line = await page.textContent('#picked');
    expectTrue(shippedNames.has(line), `pick from ${value}: ${line}`);
  }
  await expectNoProblems();
});

await check('catalogs the user loads are kept by name for the next visit, and one click goes back', async () => {
  const mine = writeCatalog('mine.txt', '<note>\nmy own\n</note>\nBlade_of_Test tccWeapons\nRing_of_Proof tccRings\n');
  const bare = writeCatalog('bare.txt', 'Heading Ring_One tccRings\n');
  await open(page);
  await page.setInputFiles('#catalog-file', mine);
  await page.waitForFunction(() => document.getElementById('catalog-status').textContent.includes('mine.txt'));
  expectEqual(await page.textContent('#catalog-status'), 'Your catalog (mine.txt): 2 items.', 'status');
  await page.selectOption('#category', '17');
  await page.click('#pick');
  expectEqual(await page.textContent('#picked'), 'Blade of Test', 'pick');
  await roll1(page, 'S', { seed: 5 });
  expectEqual(await shownHoard(page), expectedHoard(rollHoard('S', 5, '', mine)), 'hoard from the catalog');
  expectTrue((await downloaded(page, 'download-result')).equals(consoleResultFile('S', 5, mine)), 'result file');
  await page.setInputFiles('#catalog-file', bare);
  await page.waitForFunction(() => document.getElementById('catalog-status').textContent.includes('bare.txt'));
  expectEqual(await page.textContent('#catalog-hint'), 'This catalog has no <note> block, so its first word, ' +
    '"Heading", was taken for a heading and skipped.', 'hint');
  await open(page);
  expectEqual(await page.textContent('#catalog-status'), 'Your catalog (bare.txt): 1 item.', 'kept');
  await page.selectOption('#catalog-kept', 'mine.txt');
  expectEqual(await page.textContent('#catalog-status'), 'Your catalog (mine.txt): 2 items.', 'switched');
  await page.click('#catalog-reset');
  expectTrue((await page.textContent('#catalog-status')).startsWith('The shipped catalog: '), 'reset');
  await open(page);
  expectTrue((await page.textContent('#catalog-status')).startsWith('The shipped catalog: '), 'reset kept');
  await page.selectOption('#catalog-kept', 'mine.txt');
  await expectNoProblems();
});

await check('a corrupt, empty or binary catalog is refused with the core\'s reason and never kept', async () => {
  const cases = [
    ['corrupt.txt', '<note> x </note>\nGood_Ring tccRings\nBad_Thing tccNope\nLate_Sword tccWeapons\n',
      'corrupt.txt: This catalog is corrupt at record 2, "Bad_Thing" "tccNope": the tag is none of the 18 ' +
      'category tags. It is not used; the catalog in use stays.'],
    ['empty.txt', '', 'empty.txt: This catalog holds no item: each item is its name and then its category tag, ' +
      'such as Ring_of_Proof tccRings. It is not used; the catalog in use stays.'],
    ['icon.png', fs.readFileSync(path.join(webDir, 'icon-192.png')), null],
  ];
  await open(page);
  for (const [name, content, message] of cases) {
    // Dropped on the page, outside the drop zone, rather than picked.
    await page.evaluate(([fileName, bytes]) => {
      const transfer = new DataTransfer();
      transfer.items.add(new File([new Uint8Array(bytes)], fileName, { type: 'text/plain' }));
      document.querySelector('h1').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
    }, [name, [...Buffer.from(content)]]);
    await page.waitForFunction((n) => document.getElementById('catalog-message').textContent.startsWith(n), name);
    const shown = await page.textContent('#catalog-message');
    if (message) expectEqual(shown, message, name);
    else expectTrue(/^icon.png: This catalog is corrupt at record \d+, .*It is not used/.test(shown), shown);
    expectEqual(await page.textContent('#catalog-status'), 'Your catalog (mine.txt): 2 items.', `status after ${name}`);
  }
  await axe(page, 'a refused catalog');
  await open(page);
  expectEqual(await page.textContent('#catalog-status'), 'Your catalog (mine.txt): 2 items.', 'after a reload');
  expectEqual(await page.$$eval('#catalog-kept option', (os) => os.map((o) => o.value)), ['', 'mine.txt', 'bare.txt'],
    'kept catalogs');
  // Too large to read: a message, and the catalog in use stays.
  const huge = path.join(work, 'huge.txt');
  fs.writeFileSync(huge, Buffer.alloc(33 * 1024 * 1024, 0x41));
  await page.setInputFiles('#catalog-file', huge);
  await page.waitForFunction(() => document.getElementById('catalog-message').textContent.includes('32 MB'));
  expectEqual(await page.textContent('#catalog-status'), 'Your catalog (mine.txt): 2 items.', 'status after a huge file');
  // Bytes of every kind are names like any other.
  const odd = writeCatalog('odd.txt', Buffer.from([0x3c, 0x6e, 0x3e, 0x20, 0xff, 0xfe, 0x00, 0x5f, 0x20,
    ...Buffer.from('tccRings\n')]));
  await page.setInputFiles('#catalog-file', odd);
  await page.waitForFunction(() => document.getElementById('catalog-status').textContent.includes('odd.txt'));
  await roll1(page, 'S', { seed: 11 });
  expectEqual(await shownHoard(page), expectedHoard(rollHoard('S', 11, '', odd)), 'hoard from odd bytes');
  // Control characters in names show as "?"; the JSON keeps them, escaped.
  const escapes = writeCatalog('escapes.txt', Buffer.from('<n> Potion\x1b]0;X\x07_\xc2\x9b tccPotionsAndOils\n', 'latin1'));
  await page.setInputFiles('#catalog-file', escapes);
  await page.waitForFunction(() => document.getElementById('catalog-status').textContent.includes('escapes.txt'));
  await roll1(page, 'S', { seed: 11 });
  const shown = await shownHoard(page);
  expectEqual(shown, expectedHoard(rollHoard('S', 11, '', escapes)), 'hoard from escapes');
  expectEqual(shown.items[0], 'Potion?]0;X? ?', 'escapes shown as ?');
  expectTrue((await downloaded(page, 'download-json')).toString().includes('"Potion\\u001b]0;X\\u0007 \\u009b"'),
    'the JSON keeps the exact name');
  await page.click('#catalog-reset');
  await expectNoProblems();
});

await check('own chart files: picked or dropped, kept by name, drawn as glimmerkist-roll --charts draws', async () => {
  await open(page);
  await pickCharts(page, goblins);
  expectEqual(await page.textContent('#charts-status'), 'Your chart file (goblin-purses.txt): 3 charts.', 'status');
  const listed = JSON.parse(roll(['charts', '--charts', goblins, '--format', 'json'])).charts;
  expectEqual(await page.$$eval('#own-chart-buttons button', (bs) => bs.map((b) => b.textContent)),
    listed.map((c) => `${c.name} ${c.description}`), 'buttons with names and descriptions');
  expectTrue(await page.isHidden('#chart-buttons'), 'A to Z make way for them');
  await page.waitForSelector('body[data-guide="ready"]');
  expectEqual(await page.$$eval('#guide-lines b', (bs) => bs.map((b) => b.textContent)), listed.map((c) => c.name),
    'the guide tells what each of them yields');
  // One Tab stop with arrow keys, as for A to Z.
  await page.fill('#seed', '42');
  await page.fill('#split', '4');
  await page.focus('#own-chart-buttons button >> nth=0');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  const json = rollHoard('bugbear', 42, 4, shipped, 'json', goblins);
  expectEqual(await shownHoard(page), expectedHoard(json, goblins), 'hoard of bugbear');
  expectEqual(await page.getAttribute('#hoard-link', 'href'), '#charts=goblin-purses.txt&chart=bugbear&seed=42&split=4',
    'the link names the chart file');
  await page.evaluate(() => {
    navigator.clipboard.writeText = async (text) => { window.copied = text; };
  });
  await page.click('#copy-markdown');
  expectEqual(await page.evaluate(() => window.copied), rollHoard('bugbear', 42, 4, shipped, 'markdown', goblins),
    'Markdown of bugbear');
  expectEqual((await downloaded(page, 'download-json')).toString(), json, 'JSON of bugbear');
  await page.keyboard.press('Tab');
  expectEqual(await page.evaluate(() => document.activeElement.closest('#own-chart-buttons')), null, 'one Tab stop');
  await axe(page, 'own charts');
  // A refused file names its line and column and is never kept.
  await pickCharts(page, writeCatalog('bad.charts', 'chart x\ncopper 101% 1-2\n'));
  expectEqual(await page.textContent('#charts-message'), 'The chart file "bad.charts" is refused at line 2, ' +
    'column 8: a chance is a whole number from 1 to 100, followed by %. It is not used; the charts in use stay.',
  'a bad chart file');
  await axe(page, 'a refused chart file');
  // Dropped anywhere, a .txt chart file is told from a catalog by its first line.
  await page.evaluate((bytes) => {
    const transfer = new DataTransfer();
    transfer.items.add(new File([new Uint8Array(bytes)], 'dragon-lairs.txt', { type: 'text/plain' }));
    document.querySelector('h1').dispatchEvent(new DragEvent('drop', { dataTransfer: transfer, bubbles: true, cancelable: true }));
  }, [...fs.readFileSync(lairs)]);
  await page.waitForFunction(() => document.getElementById('charts-status').textContent.includes('dragon-lairs.txt'));
  expectTrue((await page.textContent('#catalog-status')).startsWith('The shipped catalog: '), 'the catalog stays');
  // Kept after a reload; a link to the other kept file takes it up.
  await open(page);
  expectEqual(await page.$$eval('#charts-kept option', (os) => os.map((o) => o.value)),
    ['', 'goblin-purses.txt', 'dragon-lairs.txt'], 'kept chart files');
  expectEqual(await page.textContent('#charts-status'), 'Your chart file (dragon-lairs.txt): 3 charts.', 'after reload');
  const [rows, expected] = await countStats(page, '', ['--charts', lairs]);
  expectEqual(rows, expected, 'statistics of a chart file');
  await page.goto(`${pageUrl}#charts=goblin-purses.txt&chart=bugbear&seed=42&split=4`);
  await page.waitForFunction(() => document.getElementById('hoard-title').textContent.startsWith('Chart bugbear'));
  expectEqual(await shownHoard(page), expectedHoard(json, goblins), 'a link to a kept chart file');
  // Back and Forward, and the roll log, with own charts.
  await page.click('#own-chart-buttons button >> nth=0');
  await page.goBack();
  await page.waitForFunction(() => document.getElementById('hoard-title').textContent.startsWith('Chart bugbear'));
  expectTrue((await page.textContent('#log .what >> nth=1')).startsWith('Chart bugbear (goblin-purses.txt), seed 42'),
    'the roll log');
  // Forgotten, a link to it says which file it needs and draws nothing.
  await page.selectOption('#charts-kept', 'goblin-purses.txt');
  await page.click('#charts-forget');
  expectTrue(await page.isVisible('#chart-buttons'), 'back to A to Z');
  await open(page, '#charts=goblin-purses.txt&chart=bugbear&seed=42');
  expectEqual((await shownHoard(page)).message, 'This link draws from the chart file "goblin-purses.txt", which this ' +
    'browser does not hold. Please load it under Your charts and open the link again.', 'a missing chart file');
  await expectNoProblems();
});

await check('own chart buttons at 360, 390 and 1280 px: tappable, no sideways scroll, no accessibility violation',
  async () => {
    for (const [width, colorScheme] of [[360, 'light'], [390, 'light'], [390, 'dark'], [1280, 'light']]) {
      const shot = await newPage({ viewport: { width, height: width === 1280 ? 800 : 844 }, colorScheme,
        reducedMotion: 'reduce' });
      await open(shot);
      await pickCharts(shot, lairs);
      await shot.click('#own-chart-buttons button >> nth=2');
      const overflow = await shot.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
      expectTrue(overflow <= 0, `${width} px: the page is ${overflow} px wider than the screen`);
      const small = await shot.$$eval('#own-charts button', (buttons) => buttons
        .map((b) => b.getBoundingClientRect()).filter((box) => box.height < 43.5 || box.width < 43.5).length);
      expectEqual(small, 0, `tap targets under 44 px at ${width} px`);
      await shot.locator('.picker').screenshot({ path: path.join(outDir, `own-charts-${width}-${colorScheme}.png`) });
      await axe(shot, `own charts at ${width} px ${colorScheme}`);
      await shot.context().close();
    }
    await expectNoProblems();
  });

await check('statistics off the main thread match glimmerkist-roll stats', async () => {
  await open(page);
  const [rows, expected] = await countStats(page, 'AZ', ['A', 'Z']);
  expectEqual(await page.getAttribute('#stats-output', 'data-counted-in'), 'worker', 'where it was counted');
  expectEqual(await page.$eval('#stats-progress', (p) => [p.value, p.max]), [6000, 6000], 'progress');
  expectEqual(rows, expected, 'statistics table');
  await axe(page, 'the statistics');
  await page.fill('#stats-runs', '0');
  await page.click('#stats-run');
  expectEqual(await page.textContent('#stats-message'), 'Please enter a number of hoards from 1 to 10000000.', 'bad runs');
  // Stop ends a long count at once: the progress moves within the chart, and
  // stands still once stopped.
  await page.fill('#stats-charts', 'A');
  await page.fill('#stats-runs', '10000000');
  await page.click('#stats-run');
  await page.waitForFunction(() => document.getElementById('stats-progress').value > 0);
  await page.click('#stats-stop');
  const stopped = await page.$eval('#stats-progress', (p) => p.value);
  await page.waitForTimeout(1500);
  expectEqual([await page.$eval('#stats-progress', (p) => p.value), await page.getAttribute('#stats-output', 'data-counted-in'),
    await page.isEnabled('#stats-run')], [stopped, 'stopped', true], 'after Stop');
  await expectNoProblems();
});

await check('keyboard only: a letter rolls its chart and focus is visible', async () => {
  await open(page);
  await page.keyboard.press('Tab');
  await page.keyboard.press('Tab');
  const outline = await page.evaluate(() => getComputedStyle(document.activeElement).outlineStyle);
  expectTrue(outline !== 'none', `focus outline: ${outline}`);
  await page.fill('#seed', '9');
  await page.locator('#chart-buttons button').nth(3).focus();
  await page.keyboard.press('Enter');
  expectEqual((await shownHoard(page)).title, 'Chart D, seed 9', 'Enter on a chart button');
  await page.keyboard.press('k');
  expectEqual((await shownHoard(page)).title, 'Chart K, seed 9', 'typing k');
  await expectNoProblems();
});

await check('no layout shift when a hoard appears, at 360 px and 1280 px', async () => {
  for (const width of [360, 1280]) {
    const shifting = await newPage({ viewport: { width, height: 800 } });
    // Counted from the start, so that the page's own start-up counts too.
    await shifting.addInitScript(() => {
      window.shifts = 0;
      new PerformanceObserver((list) => {
        for (const entry of list.getEntries()) window.shifts += entry.value;
      }).observe({ type: 'layout-shift', buffered: true });
    });
    await shifting.goto(pageUrl);
    await shifting.waitForSelector('body[data-ready="true"]');
    // A hoard from the address, with no input that would excuse a shift.
    await shifting.evaluate(() => { location.hash = 'chart=A&seed=3&split=2'; });
    await shifting.waitForFunction(() => document.getElementById('hoard-title').textContent === 'Chart A, seed 3');
    await shifting.waitForTimeout(300);
    const shift = await shifting.evaluate(() => window.shifts);
    console.log(`     layout shift from opening the page to its hoard at ${width} px: ${shift.toFixed(4)}`);
    expectTrue(shift < 0.01, `layout shift ${shift} at ${width} px`);
    await shifting.context().close();
  }
  await expectNoProblems();
});

await check('seeds and history: a link draws once, Enter rolls, Back and Forward move between hoards', async () => {
  await open(page, '#chart=H&seed=42');
  expectEqual(await page.inputValue('#seed'), '', 'the link\'s seed stays out of the field');
  const titles = [];
  for (const chart of ['B', 'C', 'D']) {
    await roll1(page, chart);
    titles.push(await page.textContent('#hoard-title'));
  }
  expectTrue(titles.every((t) => !t.endsWith('seed 42')), `fresh seeds after a link: ${titles}`);
  await page.goBack();
  await page.waitForFunction((t) => document.getElementById('hoard-title').textContent === t, titles[1]);
  await page.goForward();
  await page.waitForFunction((t) => document.getElementById('hoard-title').textContent === t, titles[2]);
  expectEqual(await page.evaluate(() => document.title), `${titles[2]} – Glimmerkist Generator`, 'tab title');
  await page.check('#same-seed');
  await roll1(page, 'E');
  expectEqual(await page.textContent('#hoard-title'), titles[2].replace('Chart D', 'Chart E'), 'Same seed');
  await page.uncheck('#same-seed');
  await page.fill('#seed', '77');
  await page.press('#seed', 'Enter');
  expectEqual(await page.textContent('#hoard-title'), 'Chart E, seed 77', 'Enter in the seed field');
  // The roll log holds them all, newest first, and keeps them.
  await page.selectOption('#category', '3');
  await page.click('#pick');
  const item = await page.textContent('#picked-seed');
  await open(page);
  const log = await page.$$eval('#log .what', (links) => links.map((a) => a.textContent));
  expectTrue(log[0].endsWith(`(item, seed ${item})`) && log[1].startsWith('Chart E, seed 77: ') &&
    log[3].startsWith(titles[2]) && log[6].startsWith('Chart H, seed 42: '), `log: ${log.slice(0, 7)}`);
  await page.click('#log li:nth-child(2) button:text-is("Pin")');
  await page.click('#log li:nth-child(1) button:text-is("Remove")');
  await page.click('#log .what >> nth=0');
  await page.waitForFunction(() => document.getElementById('hoard-title').textContent === 'Chart E, seed 77');
  expectEqual(await page.$$eval('#log li.pinned .what', (links) => links.map((a) => a.textContent.split(':')[0])),
    ['Chart E, seed 77'], 'pinned');
  await page.goto(`${pageUrl}#item=3&seed=${item}`);
  expectEqual((await page.textContent('#picked')), log[0].replace(/ \(item, seed \d+\)$/, ''), 'item link');
  await expectNoProblems();
});

await check('the chart group is one Tab stop; arrow keys move within it', async () => {
  await open(page);
  await page.focus('#chart-buttons button:text-is("H")');
  await page.keyboard.press('ArrowRight');
  await page.keyboard.press('Enter');
  expectEqual((await page.textContent('#hoard-title')).split(',')[0], 'Chart I', 'arrow then Enter');
  await page.focus('#chart-buttons button:text-is("I")');
  await page.keyboard.press('Tab');
  expectEqual(await page.evaluate(() => document.activeElement.closest('#chart-buttons')), null, 'one Tab leaves the group');
  await page.keyboard.press('Shift+Tab');
  expectEqual(await page.evaluate(() => document.activeElement.textContent), 'I', 'and comes back to it');
  await expectNoProblems();
});

await check('on a phone the hoard is in view after a tap, and nothing scrolls sideways', async () => {
  for (const reducedMotion of ['no-preference', 'reduce']) {
    const phone = await newPage({ viewport: { width: 390, height: 844 }, isMobile: true, hasTouch: true, reducedMotion });
    await open(phone);
    await phone.tap('#chart-buttons button:text-is("H")');
    await phone.waitForFunction(() => {
      const box = document.getElementById('hoard-title').getBoundingClientRect();
      return box.top >= 0 && box.bottom <= window.innerHeight;
    }, null, { timeout: 3000 });
    expectEqual(await phone.evaluate(() => document.activeElement.id), 'hoard-title', 'focus');
    // A checkbox is tapped by its label, which is as tall as a button.
    const small = await phone.$$eval('button, a:not(.skip), select, input:not([type=checkbox]), summary, .field-check',
      (elements) => elements.filter((e) => e.offsetParent !== null)
        .map((e) => [e.id || e.textContent.trim().slice(0, 20), e.getBoundingClientRect()])
        .filter(([, box]) => box.height < 43.5 || box.width < 43.5)
        .map(([what, box]) => `${what} ${box.width.toFixed(0)}x${box.height.toFixed(0)}`));
    expectEqual(small, [], 'tap targets under 44 px');
    await phone.context().close();
  }
  await expectNoProblems();
});

await check('a hoard prints on one page as a card, with no forms or buttons', async () => {
  const printing = await newPage();
  await open(printing, '#chart=A&seed=1&split=4');
  await printing.emulateMedia({ media: 'print' });
  const hidden = await printing.$$eval('button, input, select', (all) => all.every((e) => e.offsetParent === null));
  expectTrue(hidden, 'forms and buttons are hidden in print');
  for (const format of ['A4', 'Letter']) {
    const pdf = (await printing.pdf({ format })).toString('latin1');
    const pages = (pdf.match(/\/Type\s*\/Page[^s]/g) || []).length;
    expectEqual(pages, 1, `pages on ${format}`);
  }
  await printing.screenshot({ path: path.join(outDir, 'print-a4.png'), fullPage: true });
  await printing.context().close();
  await expectNoProblems();
});

await check('screenshots at 360, 390 and 1280 px, light and dark, with no accessibility violation', async () => {
  for (const colorScheme of ['light', 'dark']) {
    for (const width of [360, 390, 1280]) {
      const shot = await newPage({ viewport: { width, height: width === 1280 ? 800 : 844 }, colorScheme, reducedMotion: 'reduce' });
      await open(shot, '#chart=H&seed=42&split=4');
      await shot.waitForSelector('body[data-guide="ready"]');
      const overflow = await shot.evaluate(() => document.documentElement.scrollWidth - window.innerWidth);
      expectTrue(overflow <= 0, `${width} px ${colorScheme}: the page is ${overflow} px wider than the screen`);
      await roll1(shot, 'Q', { seed: 1 });
      await shot.screenshot({ path: path.join(outDir, `hoard-${width}-${colorScheme}.png`) });
      await axe(shot, `the hoard at ${width} px ${colorScheme}`);
      await shot.locator('#log-section').screenshot({ path: path.join(outDir, `log-${width}-${colorScheme}.png`) });
      await shot.click('#guide summary');
      await shot.locator('.picker').screenshot({ path: path.join(outDir, `guide-${width}-${colorScheme}.png`) });
      await axe(shot, `the chart guide at ${width} px ${colorScheme}`);
      await shot.fill('#stats-charts', '');
      await shot.fill('#stats-runs', '2000');
      await shot.click('#stats-run');
      await shot.waitForFunction(() => document.getElementById('stats-output').dataset.countedIn !== undefined);
      const wide = await shot.$eval('#stats-output', (e) => e.scrollWidth - e.clientWidth);
      if (width === 1280) expectEqual(wide, 0, 'the statistics fit at 1280 px');
      await shot.locator('#stats-section').screenshot({ path: path.join(outDir, `statistics-${width}-${colorScheme}.png`) });
      await axe(shot, `the statistics at ${width} px ${colorScheme}`);
      await shot.context().close();
    }
  }
  await expectNoProblems();
});

await check('served over http: installable, and a reload works offline', async () => {
  const types = { '.html': 'text/html', '.js': 'text/javascript', '.css': 'text/css', '.svg': 'image/svg+xml',
    '.png': 'image/png', '.webmanifest': 'application/manifest+json' };
  const server = http.createServer((request, response) => {
    const name = path.join(webDir, decodeURIComponent(new URL(request.url, 'http://x').pathname));
    if (!name.startsWith(webDir) || !fs.existsSync(name) || fs.statSync(name).isDirectory()) {
      response.writeHead(404).end();
      return;
    }
    response.writeHead(200, { 'Content-Type': types[path.extname(name)] || 'application/octet-stream' });
    response.end(fs.readFileSync(name));
  });
  await new Promise((resolve) => server.listen(0, '127.0.0.1', resolve));
  const base = `http://127.0.0.1:${server.address().port}/`;
  try {
    const served = await newPage({}, base);
    await open(served, '#chart=W&seed=1234', base);
    expectEqual(await shownHoard(served), expectedHoard(rollHoard('W', 1234)), 'served hoard');
    const manifest = await served.evaluate(async () => {
      const response = await fetch(document.querySelector('link[rel=manifest]').href);
      return response.json();
    });
    for (const icon of manifest.icons) {
      const status = await served.evaluate(async (src) => (await fetch(src)).status, icon.src);
      expectEqual(status, 200, `icon ${icon.src}`);
    }
    expectEqual(manifest.icons.map((i) => i.sizes), ['any', '192x192', '512x512'], 'icon sizes');
    await served.waitForFunction(() => navigator.serviceWorker.controller !== null);
    await served.context().setOffline(true);
    await served.reload();
    await served.waitForSelector('body[data-ready="true"]');
    expectEqual(await shownHoard(served), expectedHoard(rollHoard('W', 1234)), 'hoard after an offline reload');
    await served.context().close();
  } finally {
    server.close();
  }
  await expectNoProblems();
});

await browser.close();
fs.rmSync(work, { recursive: true, force: true });
console.log(`check-web: ${((Date.now() - started) / 1000).toFixed(1)} s; screenshots in ${outDir}`);
console.log(`${passed} passed, ${failed} failed`);
process.exit(failed === 0 ? 0 : 1);
