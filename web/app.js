// The page's script. It starts the core (the program's C++, compiled to
// WebAssembly and loaded by glimmerkist-core.js), hands it what a person
// types or the address holds, and lays out what it returns. Every draw, rule
// and text of the program is the core's; nothing here decides treasure.
'use strict';

// Starts the core from its module, compiled or as bytes, and returns its
// functions. Self-contained, as the statistics worker runs a copy of its
// source. `onProgress` hears how many hoards a count has drawn so far.
async function startCore(module, onProgress = () => {}) {
  let core = null;
  const nothing = () => 0;
  // The module was built for a system it never calls on the page; these
  // answers keep it content if it ever does.
  const imports = {
    env: { emscripten_notify_memory_growth: () => {}, gk_progress: (drawn) => onProgress(drawn) },
    wasi_snapshot_preview1: {
      proc_exit: (code) => {
        throw new Error(`the generator stopped (${code})`);
      },
      fd_close: nothing,
      fd_seek: nothing,
      fd_write: (fd, vectors, count, writtenAt) => {
        const view = new DataView(core.memory.buffer);
        let written = 0;
        for (let i = 0; i < count; i++) written += view.getUint32(vectors + 8 * i + 4, true);
        view.setUint32(writtenAt, written, true);
        return 0;
      },
      environ_sizes_get: (countAt, sizeAt) => {
        const view = new DataView(core.memory.buffer);
        view.setUint32(countAt, 0, true);
        view.setUint32(sizeAt, 0, true);
        return 0;
      },
      environ_get: nothing,
    },
  };
  const made = await WebAssembly.instantiate(module, imports);
  core = (made.instance || made).exports;
  core._initialize();

  const encoder = new TextEncoder();
  const decoder = new TextDecoder();
  // Copies `data` (text or bytes) into the core's input buffer; returns its
  // size, or -1 when the core has no memory for it.
  const put = (data) => {
    const raw = typeof data === 'string' ? encoder.encode(data) : data;
    const at = core.gk_input(raw.length) >>> 0;
    if (at === 0) return -1;
    new Uint8Array(core.memory.buffer, at, raw.length).set(raw);
    return raw.length;
  };
  // A file as the core reads it: its name's bytes, then its own. Returns
  // [size, name size], the size -1 when the core has no memory for it.
  const putFile = (raw, name) => {
    const nameBytes = encoder.encode(name);
    const both = new Uint8Array(nameBytes.length + raw.length);
    both.set(nameBytes);
    both.set(raw, nameBytes.length);
    return [put(both), nameBytes.length];
  };
  const reply = () => {
    const parts = [];
    const count = core.gk_reply_count();
    for (let i = 0; i < count; i++) {
      const at = core.gk_reply_data(i) >>> 0;
      parts.push(new Uint8Array(core.memory.buffer, at, core.gk_reply_size(i) >>> 0).slice());
    }
    return { meta: JSON.parse(decoder.decode(parts[0])), parts };
  };
  return {
    categories() {
      core.gk_categories();
      return reply().meta;
    },
    loadCatalog(raw) {
      const size = put(raw);
      if (size < 0) return null;
      core.gk_load_catalog(size);
      return reply().meta;
    },
    loadCharts(raw, name) {
      const [size, nameSize] = putFile(raw, name);
      if (size < 0) return null;
      core.gk_load_charts(size, nameSize);
      return reply().meta;
    },
    forgetCharts() {
      core.gk_forget_charts();
      return reply().meta;
    },
    // Its first lines tell; a large catalog is not copied whole for that.
    isChartFile(raw, name) {
      const [size, nameSize] = putFile(raw.subarray(0, 1 << 16), name);
      return size >= 0 && core.gk_is_chart_file(size, nameSize) === 1;
    },
    drawHoard(address, freshSeed) {
      core.gk_draw_hoard(put(address), freshSeed);
      const { meta, parts } = reply();
      if (meta.problem !== undefined) return meta;
      // parts[4] has the names as people see them, control characters as "?".
      return { ...meta, json: decoder.decode(parts[1]), markdown: decoder.decode(parts[2]), resultFile: parts[3],
        shown: decoder.decode(parts[4]) };
    },
    pickItem(address, freshSeed) {
      core.gk_pick_item(put(address), freshSeed);
      return reply().meta;
    },
    planStats(form, freshSeed) {
      core.gk_plan_stats(put(form), freshSeed);
      return reply().meta;
    },
    chartStats(chart, runs, seed, ofFile = 0) {
      core.gk_chart_stats(chart, runs, seed, ofFile);
      return reply().meta;
    },
  };
}

// A statistics worker: starts the core from the module it is sent, then
// counts each chart it is given, reporting how far it has come and the
// chart's row. Runs from its own source text, so it is self-contained but
// for startCore.
function statisticsWorker() {
  let core = null;
  self.onmessage = async (event) => {
    try {
      if (event.data.module) {
        core = await startCore(event.data.module, (drawn) => self.postMessage({ drawn }));
        self.postMessage({ ready: true });
        return;
      }
      const { chart, runs, seed, ofFile, chartFile } = event.data;
      // A chart file's charts are counted by a core that holds it too.
      if (chartFile) core.loadCharts(chartFile.raw, chartFile.name);
      const row = core.chartStats(chart, runs, seed, ofFile);
      if (row.problem !== undefined) throw new Error(row.problem);
      self.postMessage({ row });
    } catch (error) {
      self.postMessage({ error: String(error) });
    }
  };
}

(function page() {
  const $ = (id) => document.getElementById(id);
  const STORED_LOG = 'glimmerkist.log';
  // What an earlier version of the page kept: one catalog and its label.
  const OLD_CATALOG = 'glimmerkist.catalog';
  const OLD_NAME = 'glimmerkist.catalog-name';
  const MAX_FILE_BYTES = 32 * 1024 * 1024;
  const LOG_SIZE = 100;
  // The chart guide counts this many hoards of each chart from this seed:
  // enough for steady figures, and for the engine to have compiled the
  // workers' code for speed before anyone counts under Statistics (at
  // 2,000 a count's first run was a third slower).
  const GUIDE_PLAN = { charts: [...Array(26).keys()], runs: 10000, seed: 1 };
  // The core's names of things, filled at start: categories, metals, the
  // statistics' columns.
  let names = null;

  // Decoding is on the way to the first hoard: a plain loop over atob's
  // text is many times quicker than Uint8Array.from with a mapping.
  const fromBase64 = (text) => {
    if (typeof Uint8Array.fromBase64 === 'function') return Uint8Array.fromBase64(text);
    const binary = atob(text);
    const raw = new Uint8Array(binary.length);
    for (let i = 0; i < binary.length; i++) raw[i] = binary.charCodeAt(i);
    return raw;
  };
  const toBase64 = (raw) => {
    let text = '';
    for (let i = 0; i < raw.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, raw.subarray(i, i + 0x8000));
    }
    return btoa(text);
  };
  const freshSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];
  // 1234567.5 as "1,234,567.5". (Intl's formatter would cost the first
  // hoard tens of milliseconds to set up.)
  const number = (value) => {
    const [whole, fraction] = String(value).split('.');
    return whole.replace(/\B(?=(\d{3})+$)/g, ',') + (fraction === undefined ? '' : `.${fraction}`);
  };
  const counted = (count, one, many) => `${number(count)} ${count === 1 ? one : many}`;
  const stored = {
    get(key) {
      try {
        return localStorage.getItem(key);
      } catch {
        return null;
      }
    },
    // False when the browser keeps nothing or has no room left.
    set(key, value) {
      try {
        localStorage.setItem(key, value);
        return true;
      } catch {
        return false;
      }
    },
    remove(key) {
      try {
        localStorage.removeItem(key);
      } catch {
        // Nothing was kept.
      }
    },
  };

  const moduleBytes = fromBase64(GLIMMERKIST_CORE);
  // Compiled once, from the first moment, for the page and every worker:
  // a compiled module shares its code, and the code the engine optimises
  // while one of them runs, with all of them.
  const compiling = WebAssembly.compile(moduleBytes);
  let coreModule = null;
  let generator = null;
  let hoard = null;
  let shownAddress = ''; // of the hoard or item the address bar last drew
  const STOPPED = 'The generator stopped (out of memory?) and has been started again with your catalog.';

  // Every call goes through here. A module that trapped cannot be trusted
  // with another call: a fresh one replaces it, and the caller gets a
  // problem to show instead of an exception.
  const core = new Proxy({}, {
    get: (target, method) => (...args) => {
      try {
        return generator[method](...args);
      } catch (error) {
        console.warn(`the generator stopped: ${error}`);
        generator = null;
        startCore(coreModule).then((fresh) => {
          generator = fresh;
          loadStoredCatalog();
          chartFiles.restore();
        });
        return { problem: STOPPED };
      }
    },
  });

  function announce(text) {
    const region = $('announce');
    region.textContent = '';
    // A fresh text node makes screen readers read it again, even unchanged.
    setTimeout(() => {
      region.textContent = text;
    }, 50);
  }

  function showMessage(id, text) {
    const element = $(id);
    element.textContent = text;
    element.hidden = text === '';
  }

  function cell(row, text, className) {
    const td = document.createElement('td');
    td.textContent = text;
    if (className) td.className = className;
    row.appendChild(td);
    return td;
  }

  function headerCell(row, text) {
    const th = document.createElement('th');
    th.scope = 'row';
    th.textContent = text;
    row.appendChild(th);
  }

  function listLines(list, lines, emptyText) {
    list.replaceChildren();
    for (const line of lines.length > 0 ? lines : [emptyText]) {
      const li = document.createElement('li');
      li.textContent = line;
      if (lines.length === 0) li.className = 'note';
      list.appendChild(li);
    }
  }

  function button(text, label, onClick) {
    const element = document.createElement('button');
    element.type = 'button';
    element.textContent = text;
    element.setAttribute('aria-label', label);
    element.addEventListener('click', onClick);
    return element;
  }

  // --- Roll log -----------------------------------------------------------

  // The last LOG_SIZE hoards and items, newest first: {address, text, pinned}.
  let logEntries = [];

  function readLog() {
    try {
      const entries = JSON.parse(stored.get(STORED_LOG) || '[]');
      return Array.isArray(entries)
        ? entries.filter((e) => e && typeof e.address === 'string' && typeof e.text === 'string')
        : [];
    } catch {
      return [];
    }
  }

  function keepLog(focus) {
    stored.set(STORED_LOG, JSON.stringify(logEntries));
    renderLog(focus);
  }

  function addToLog(address, text) {
    logEntries.unshift({ address, text, pinned: false });
    while (logEntries.length > LOG_SIZE) {
      const oldest = logEntries.map((entry) => entry.pinned).lastIndexOf(false);
      logEntries.splice(oldest >= 0 ? oldest : logEntries.length - 1, 1);
    }
    keepLog();
  }

  // `focus` names what keeps the keyboard after a change: [index, 'pin'] or
  // [index, 'what'].
  function renderLog(focus) {
    const list = $('log');
    list.replaceChildren();
    $('log-empty').hidden = logEntries.length > 0;
    logEntries.forEach((entry, index) => {
      const li = document.createElement('li');
      li.classList.toggle('pinned', entry.pinned);
      const link = document.createElement('a');
      link.className = 'what';
      link.href = `#${entry.address}`;
      link.textContent = entry.text;
      const pin = button('Pin', `Pin ${entry.text}`, () => {
        entry.pinned = !entry.pinned;
        keepLog([index, 'pin']);
      });
      pin.setAttribute('aria-pressed', String(entry.pinned));
      const remove = button('Remove', `Remove ${entry.text}`, () => {
        logEntries.splice(index, 1);
        keepLog([Math.min(index, logEntries.length - 1), 'what']);
      });
      li.append(link, pin, remove);
      list.appendChild(li);
      if (focus && focus[0] === index) (focus[1] === 'pin' ? pin : link).focus();
    });
    if (focus && logEntries.length === 0) $('log-title').focus();
  }

  // --- Encounter --------------------------------------------------------

  const chartButtons = [...$('chart-buttons').querySelectorAll('button')];
  // The buttons of the chart file in use and its name; none and '' while
  // the built-in charts are.
  let own = { file: '', buttons: [] };
  // The chart that Enter rolls, and its file ('' for a built-in chart).
  let chosen = { chart: 'A', charts: '' };
  const chartOf = (chartButton) => chartButton.dataset.chart ?? chartButton.textContent;

  // A chart group is one stop for Tab: the chosen chart's button.
  function chooseChart(chart, charts = '') {
    chosen = { chart, charts };
    for (const chartButton of charts === '' ? chartButtons : own.buttons) {
      chartButton.tabIndex = chartOf(chartButton) === chart ? 0 : -1;
    }
  }

  function download(name, type, data) {
    const url = URL.createObjectURL(new Blob([data], { type }));
    const link = document.createElement('a');
    link.href = url;
    link.download = name;
    document.body.appendChild(link);
    link.click();
    link.remove();
    // The browser may start the download only later on a busy device.
    setTimeout(() => URL.revokeObjectURL(url), 60000);
  }

  function showHoard(result) {
    const document_ = JSON.parse(result.shown);
    const sheet = document_.hoards[0];
    hoard = { ...result, sheet };
    const title = `Chart ${sheet.chart}${result.charts === '' ? '' : ` (${result.charts})`}, seed ${sheet.seed}`;
    $('hoard-title').textContent = title;
    document.title = `${title} – Glimmerkist Generator`;
    $('hoard-empty').hidden = true;
    $('hoard-body').hidden = false;
    $('roll-again').hidden = false;
    $('roll-again').textContent = `Roll ${sheet.chart} again`;

    const coins = $('coins').tBodies[0];
    coins.replaceChildren();
    for (const { code, name } of names.metals) {
      const row = coins.insertRow();
      headerCell(row, name);
      cell(row, number(sheet.coins[code]), 'num');
    }
    listLines($('gems'), result.gem_lines, 'None');
    listLines(
      $('items'),
      sheet.magic_items.map((item) => item.name ?? '(no item: the category is empty)'),
      'None',
    );
    $('total').textContent = number(sheet.total_gp);
    $('rates').textContent = `(coins at ${result.rates}; gems as shown)`;

    const split = sheet.split;
    $('split-part').hidden = !split;
    if (split) {
      $('split-caption').textContent =
        `Coins split among ${counted(split.characters, 'character', 'characters')}: ` +
        `each ${number(split.each_gp)} gp, ${number(split.remainder_gp)} gp left over; gems and magic items ` +
        `(${number(split.shared_gp)} gp) are the party's to share`;
      const body = $('split-table').tBodies[0];
      body.replaceChildren();
      for (const { code, name } of names.metals) {
        const row = body.insertRow();
        headerCell(row, name);
        cell(row, number(split.each[code]), 'num');
        cell(row, number(split.remainder[code]), 'num');
      }
    }
    $('hoard-link').href = `#${result.address}`;
    // For the record of how soon the page shows its first hoard.
    if (performance.getEntriesByName('first-hoard').length === 0) performance.mark('first-hoard');
    announce(`${title}: ${counted(sheet.gems.length, 'gem', 'gems')}, ` +
      `${counted(sheet.magic_items.length, 'magic item', 'magic items')}, total ${number(sheet.total_gp)} gp.`);
    return title;
  }

  // Brings the hoard into view and gives it the focus, so that the next
  // tap or key starts from it; gently unless motion is unwelcome.
  function revealHoard() {
    $('hoard-title').focus({ preventScroll: true });
    const top = $('hoard').getBoundingClientRect().top;
    if (top < 0 || top > window.innerHeight / 3) {
      const smooth = window.matchMedia('(prefers-reduced-motion: no-preference)').matches;
      $('hoard').scrollIntoView({ behavior: smooth ? 'smooth' : 'auto', block: 'start' });
    }
  }

  // Draws the hoard of `address` ("chart=H&seed=42&split=4") and shows it,
  // or the core's message. A roll of the page is a step in the browser's
  // history and a line of the roll log; one the address bar asked for is
  // already in the history, and only the first is logged.
  function drawHoard(address, { fromAddressBar = false, log = true } = {}) {
    let result = core.drawHoard(address, freshSeed());
    // A chart file kept in this browser but not in use is taken up first.
    if (result.missing_charts !== undefined && chartFiles.names().includes(result.missing_charts)) {
      chartFiles.useKept(result.missing_charts);
      result = core.drawHoard(address, freshSeed());
    }
    if (result.problem !== undefined) {
      showMessage('encounter-message', result.problem);
      announce(result.problem);
      return;
    }
    showMessage('encounter-message', '');
    const title = showHoard(result);
    shownAddress = result.address;
    if (`#${result.address}` !== location.hash) {
      if (fromAddressBar) history.replaceState(null, '', `#${result.address}`);
      else history.pushState(null, '', `#${result.address}`);
    }
    if (log) addToLog(result.address, `${title}: ${number(hoard.sheet.total_gp)} gp`);
    revealHoard();
  }

  // The fields' seed; when empty, the shown hoard's if "Same seed" is
  // chosen, or none for a fresh one.
  function formAddress(chartText, charts) {
    const parts = [`chart=${encodeURIComponent(chartText)}`];
    if (charts !== '') parts.unshift(`charts=${encodeURIComponent(charts)}`);
    let seed = $('seed').value.trim();
    if (seed === '' && $('same-seed').checked && hoard) seed = String(hoard.sheet.seed);
    const split = $('split').value.trim();
    if (seed !== '') parts.push(`seed=${encodeURIComponent(seed)}`);
    if (split !== '') parts.push(`split=${encodeURIComponent(split)}`);
    return parts.join('&');
  }

  function rollChart(chart, charts = '') {
    chooseChart(chart, charts);
    drawHoard(formAddress(chart, charts));
  }

  // The address names a hoard or an item once it holds a "="; "#charts" and
  // the like are places on the page. An address opened from outside draws
  // once and goes into the log; the seed it names stays out of the fields.
  function readAddressBar(opened = false) {
    const hash = location.hash.replace(/^#/, '');
    if (!hash.includes('=') || hash === shownAddress) return;
    if (hash.startsWith('item=')) pickItem(hash, { fromAddressBar: true, log: opened });
    else drawHoard(hash, { fromAddressBar: true, log: opened });
  }

  // Arrow keys, Home and End move within a chart group.
  function moveWithin(group, ofFile) {
    group.addEventListener('keydown', (event) => {
      const buttons = ofFile ? own.buttons : chartButtons;
      const at = buttons.indexOf(document.activeElement);
      if (at < 0) return;
      const perRow = buttons.filter((b) => b.offsetTop === buttons[0].offsetTop).length;
      const steps = { ArrowLeft: -1, ArrowRight: 1, ArrowUp: -perRow, ArrowDown: perRow };
      let to = null;
      if (event.key in steps) to = Math.min(Math.max(at + steps[event.key], 0), buttons.length - 1);
      if (event.key === 'Home') to = 0;
      if (event.key === 'End') to = buttons.length - 1;
      if (to === null) return;
      event.preventDefault();
      chooseChart(chartOf(buttons[to]), ofFile ? own.file : '');
      buttons[to].focus();
    });
  }

  // The charts of the chart file in use as buttons, each with its name and
  // description, in place of A to Z; the built-in ones again for none.
  function showOwnCharts({ file, charts }, raw) {
    const buttons = charts.map(({ name, description }, at) => {
      const chartButton = document.createElement('button');
      chartButton.type = 'button';
      chartButton.dataset.chart = name;
      chartButton.tabIndex = at === 0 ? 0 : -1;
      const title = document.createElement('b');
      title.textContent = name;
      const about = document.createElement('span');
      about.textContent = description;
      chartButton.append(title, ' ', about);
      chartButton.addEventListener('click', () => rollChart(name, file));
      return chartButton;
    });
    own = { file, buttons, raw };
    // The statistics count the charts in view: all of a chart file's, or A to C.
    $('stats-charts').value = file === '' ? 'ABC' : '';
    $('stats-charts-hint').textContent = file === '' ? '(letters, empty: all)' : '(names, empty: all)';
    $('own-chart-buttons').replaceChildren(...buttons);
    $('own-charts-file').textContent = file;
    $('own-charts').hidden = file === '';
    document.body.dataset.charts = file === '' ? 'built-in' : 'own';
    chooseChart(file === '' ? 'A' : charts[0].name, file);
    if (document.body.dataset.ready === 'true') fillGuide();
  }

  function setUpEncounter() {
    for (const chartButton of chartButtons) {
      chartButton.addEventListener('click', () => rollChart(chartButton.textContent));
    }
    moveWithin($('chart-buttons'), false);
    moveWithin($('own-chart-buttons'), true);
    $('own-charts-reset').addEventListener('click', () => chartFiles.useKept(''));
    // Enter in the seed or split field rolls the chosen chart.
    $('encounter-form').addEventListener('submit', (event) => event.preventDefault());
    $('encounter-form').addEventListener('keydown', (event) => {
      if (event.key === 'Enter' && event.target instanceof HTMLInputElement && event.target.type !== 'checkbox') {
        event.preventDefault();
        rollChart(chosen.chart, chosen.charts);
      }
    });
    $('roll-again').addEventListener('click', () =>
      (hoard ? rollChart(hoard.sheet.chart, hoard.charts) : rollChart(chosen.chart, chosen.charts)));
    document.addEventListener('keydown', (event) => {
      const target = event.target;
      const typing =
        target instanceof HTMLInputElement ||
        target instanceof HTMLSelectElement ||
        target instanceof HTMLTextAreaElement;
      // Letters roll the built-in charts while they are the ones shown.
      if (typing || event.ctrlKey || event.metaKey || event.altKey || own.file !== '') return;
      if (/^[a-zA-Z]$/.test(event.key)) {
        event.preventDefault();
        rollChart(event.key.toUpperCase());
      }
    });
    $('copy-markdown').addEventListener('click', async () => {
      if (!hoard) return;
      const text = hoard.markdown;
      try {
        await navigator.clipboard.writeText(text);
        announce('The hoard is copied as Markdown.');
      } catch {
        download(`hoard-${hoard.sheet.chart}-${hoard.sheet.seed}.md`, 'text/markdown', text);
        announce('The clipboard is not available here; the Markdown is downloaded instead.');
      }
    });
    $('download-json').addEventListener('click', () => {
      if (hoard) download(`hoard-${hoard.sheet.chart}-${hoard.sheet.seed}.json`, 'application/json', hoard.json);
    });
    $('download-result').addEventListener('click', () => {
      if (hoard) download('EncounterTreasureResult.txt', 'text/plain', hoard.resultFile);
    });
    $('copy-link').addEventListener('click', async () => {
      try {
        await navigator.clipboard.writeText($('hoard-link').href);
        announce('The link to this hoard is copied.');
      } catch {
        announce('The clipboard is not available here; the link is beside this button.');
      }
    });
    if (typeof navigator.share === 'function') {
      $('share-link').hidden = false;
      $('share-link').addEventListener('click', () => {
        navigator.share({ title: document.title, url: $('hoard-link').href }).catch(() => {});
      });
    }
    $('print-hoard').addEventListener('click', () => window.print());
    window.addEventListener('hashchange', () => readAddressBar());
    window.addEventListener('popstate', () => readAddressBar());
  }

  // --- Items ------------------------------------------------------------

  function pickItem(address, { fromAddressBar = false, log = true } = {}) {
    const picked = core.pickItem(address, freshSeed());
    const line = picked.problem ?? picked.item.name ?? '(no item: the category is empty)';
    $('picked').textContent = line;
    $('picked-about').hidden = picked.problem !== undefined;
    announce(line);
    if (picked.problem !== undefined) return;
    shownAddress = picked.address;
    $('picked-seed').textContent = String(picked.seed);
    $('picked-link').href = `#${picked.address}`;
    if (`#${picked.address}` !== location.hash) {
      if (fromAddressBar) history.replaceState(null, '', `#${picked.address}`);
      else history.pushState(null, '', `#${picked.address}`);
    }
    if (log) addToLog(picked.address, `${line} (item, seed ${picked.seed})`);
  }

  function setUpItems() {
    const select = $('category');
    const any = document.createElement('option');
    any.value = 'any';
    any.textContent = 'any category';
    select.appendChild(any);
    names.labels.forEach((label, code) => {
      const option = document.createElement('option');
      option.value = String(code);
      option.textContent = `${code}) ${label}`;
      select.appendChild(option);
    });
    $('item-form').addEventListener('submit', (event) => {
      event.preventDefault();
      pickItem(`item=${select.value}`);
    });
  }

  // --- Catalogs and chart files ----------------------------------------------

  // Files of the person's own, kept in this browser by name: catalogs and
  // chart files alike. `kind` names the stored keys and the page's elements
  // (#KIND-file, -kept, -choice, -forget, -reset, -status, -message);
  // `use(raw, name)` hands one to the core (raw null and name '' for what
  // ships with the page) and says whether it is in use now.
  function keeper(kind, { shipped, stored: store, use }) {
    const listKey = `glimmerkist.${store}s`;
    const inUseKey = `glimmerkist.${store}-in-use`;
    const fileKey = (name) => `glimmerkist.${store}:${name}`;
    const names = () => {
      try {
        const list = JSON.parse(stored.get(listKey) || '[]');
        return Array.isArray(list) ? list.filter((name) => typeof name === 'string') : [];
      } catch {
        return [];
      }
    };
    const keepName = (name) => stored.set(listKey, JSON.stringify([...names().filter((kept) => kept !== name), name]));

    function showKept(inUse) {
      const kept = names();
      const select = $(`${kind}-kept`);
      select.replaceChildren(new Option(shipped, ''), ...kept.map((name) => new Option(name, name)));
      select.value = inUse;
      $(`${kind}-choice`).hidden = kept.length === 0;
      $(`${kind}-forget`).disabled = inUse === '';
    }

    function take(raw, name) {
      if (!use(raw, name)) return false;
      showMessage(`${kind}-message`, '');
      stored.set(inUseKey, name);
      showKept(name);
      return true;
    }

    function forget(name) {
      stored.remove(fileKey(name));
      stored.set(listKey, JSON.stringify(names().filter((kept) => kept !== name)));
    }

    function useKept(name) {
      const raw = name === '' ? null : stored.get(fileKey(name));
      if (raw !== null && take(fromBase64(raw), name)) return;
      // One that went missing or no longer loads is not offered again.
      if (name !== '') forget(name);
      take(null, '');
    }

    // A file picked or dropped: in use and kept when the core takes it.
    function add(raw, name) {
      if (!take(raw, name)) return;
      if (stored.set(fileKey(name), toBase64(raw)) && keepName(name)) {
        showKept(name);
      } else {
        stored.set(inUseKey, '');
        $(`${kind}-status`).textContent += ' It is too large to keep for your next visit.';
      }
    }

    $(`${kind}-file`).addEventListener('change', (event) => {
      readFile(event.target.files[0], add, kind);
      event.target.value = '';
    });
    $(`${kind}-reset`).addEventListener('click', () => useKept(''));
    $(`${kind}-kept`).addEventListener('change', (event) => useKept(event.target.value));
    $(`${kind}-forget`).addEventListener('click', () => {
      forget($(`${kind}-kept`).value);
      useKept('');
    });
    return { names, useKept, add, keepName, restore: () => useKept(stored.get(inUseKey) || '') };
  }

  // Reads a picked or dropped file for `take(raw, name)`; one too large to
  // read is refused where it would have been shown.
  async function readFile(file, take, kind = null) {
    if (!file) return;
    if (file.size > MAX_FILE_BYTES) {
      const text = `${file.name} is larger than 32 MB; the page reads files up to 32 MB.`;
      showMessage(`${kind ?? 'catalog'}-message`, text);
      announce(text);
      return;
    }
    take(new Uint8Array(await file.arrayBuffer()), file.name);
  }

  // The core's reason for refusing a file, shown and said.
  function refuse(kind, text) {
    showMessage(`${kind}-message`, text);
    announce(text);
    return false;
  }

  function useCatalog(raw, name) {
    const label = name === '' ? 'The shipped catalog' : `Your catalog (${name})`;
    const outcome = core.loadCatalog(raw ?? fromBase64(GLIMMERKIST_CATALOG));
    if (outcome === null || outcome.counts === undefined) {
      return refuse('catalog', `There is not enough memory to read ${label}.`);
    }
    if (outcome.message !== '') return refuse('catalog', `${name}: ${outcome.message}`);
    const items = outcome.counts.reduce((sum, count) => sum + count, 0);
    $('catalog-status').textContent = `${label}: ${counted(items, 'item', 'items')}.`;
    $('catalog-hint').textContent = outcome.hint;
    $('catalog-hint').hidden = outcome.hint === '';
    announce(`${label} loaded, ${counted(items, 'item', 'items')}.`);
    return true;
  }

  function useCharts(raw, name) {
    const label = name === '' ? 'The built-in charts, A to Z' : `Your chart file (${name})`;
    const outcome = raw === null ? core.forgetCharts() : core.loadCharts(raw, name);
    if (outcome === null || outcome.charts === undefined) {
      return refuse('charts', `There is not enough memory to read ${label}.`);
    }
    if (outcome.message !== '') return refuse('charts', outcome.message);
    const charts = name === '' ? '' : `: ${counted(outcome.charts.length, 'chart', 'charts')}`;
    $('charts-status').textContent = `${label}${charts}.`;
    showOwnCharts(outcome, raw);
    if (document.body.dataset.ready === 'true') announce(`${label} in use${charts}.`);
    return true;
  }

  let catalogs = null;
  let chartFiles = null;

  function loadStoredCatalog() {
    const old = stored.get(OLD_CATALOG);
    if (old !== null) {
      const name = (stored.get(OLD_NAME) || 'Your catalog').replace(/^Your catalog \((.*)\)$/, '$1');
      if (stored.set(`glimmerkist.catalog:${name}`, old) && catalogs.keepName(name)) {
        stored.set('glimmerkist.catalog-in-use', name);
      }
      stored.remove(OLD_CATALOG);
      stored.remove(OLD_NAME);
    }
    catalogs.restore();
  }

  function setUpFiles() {
    catalogs = keeper('catalog', { shipped: 'The shipped catalog', stored: 'catalog', use: useCatalog });
    chartFiles = keeper('charts', { shipped: 'The built-in charts', stored: 'chart-file', use: useCharts });
    // A file dropped anywhere on the page is a chart file or a catalog, as
    // the core tells them apart.
    const zones = [...document.querySelectorAll('.drop-zone')];
    const carriesFiles = (event) => event.dataTransfer && [...event.dataTransfer.types].includes('Files');
    document.addEventListener('dragover', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      for (const zone of zones) zone.classList.add('dropping');
    });
    document.addEventListener('dragleave', (event) => {
      if (event.relatedTarget === null) for (const zone of zones) zone.classList.remove('dropping');
    });
    document.addEventListener('drop', (event) => {
      if (!carriesFiles(event)) return;
      event.preventDefault();
      for (const zone of zones) zone.classList.remove('dropping');
      readFile(event.dataTransfer.files[0], (raw, name) =>
        (core.isChartFile(raw, name) === true ? chartFiles : catalogs).add(raw, name));
    });
    loadStoredCatalog();
    chartFiles.restore();
  }

  // --- Statistics -------------------------------------------------------

  // The columns of each metal are shown on request only; on a phone the
  // typical value and the spread are all that stand beside the chart.
  const columnClass = (column) => (column >= 1 && column <= 10 ? 'extra' : column === 15 ? '' : 'wide');

  // The table of the statistics, headed as the core heads its own.
  function statsTable() {
    const table = document.createElement('table');
    table.classList.toggle('more', $('stats-more').checked);
    const caption = table.createCaption();
    caption.textContent = 'Seen: share of the hoards that hold the metal; means over all hoards; ' +
      'values in gold pieces, percentiles by nearest rank.';
    const head = table.createTHead().insertRow();
    for (const [column, heading] of [...names.stats_headings, 'Spread, P10 to P90'].entries()) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = heading;
      if (column > 0 && column <= 16) th.className = `num ${columnClass(column)}`;
      head.appendChild(th);
    }
    table.createTBody();
    return table;
  }

  function addStatsRow(table, row) {
    const [chart, ...cells] = row.cells;
    const tr = table.tBodies[0].insertRow();
    headerCell(tr, chart);
    cells.forEach((text, at) => cell(tr, /^\d+(\.\d+)?$/.test(text) ? number(text) : text, `num ${columnClass(at + 1)}`));
    const spread = cell(tr, '', 'spread');
    spread.dataset.values = JSON.stringify(['p10', 'p50', 'p90'].map((p) => row.figures.total_value_gp[p]));
    drawSpreads(table);
  }

  // Each chart's value from P10 to P90 as a bar, with a mark at P50, on one
  // logarithmic scale for the whole table.
  function drawSpreads(table) {
    const cells = [...table.querySelectorAll('td.spread')];
    const all = cells.flatMap((td) => JSON.parse(td.dataset.values));
    const low = Math.log10(Math.max(Math.min(...all), 1));
    const high = Math.max(Math.log10(Math.max(...all, 1)), low + 1);
    const x = (value) => (100 * (Math.log10(Math.max(value, 1)) - low)) / (high - low);
    for (const td of cells) {
      const [p10, p50, p90] = JSON.parse(td.dataset.values);
      const label = `P10 ${number(p10)} gp, P50 ${number(p50)} gp, P90 ${number(p90)} gp`;
      td.innerHTML = `<svg viewBox="-2 0 104 10" preserveAspectRatio="none" role="img" aria-label="${label}">` +
        `<title>${label}</title><rect class="range" x="${x(p10)}" y="2" width="${Math.max(x(p90) - x(p10), 0.5)}" height="6"/>` +
        `<rect class="typical" x="${x(p50) - 0.6}" y="0" width="1.2" height="10"/></svg>`;
    }
  }

  // Workers that end a count keep their started core for the next one, so
  // that it starts at once; Stop and errors end them.
  const MAX_WORKERS = 4;
  const idleWorkers = [];

  // A worker starting its core; `ready` once it can count. What it says
  // goes to its `hear`, the count that holds it.
  function startWorker() {
    let worker = null;
    try {
      const source = `${startCore.toString()}\n(${statisticsWorker.toString()})();\n`;
      const url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
      worker = new Worker(url);
      URL.revokeObjectURL(url);
    } catch {
      return null;
    }
    worker.onmessage = ({ data }) => {
      if (data.ready) worker.ready = true;
      if (worker.hear) worker.hear(data);
    };
    // A browser that cannot hand a compiled module to a worker sends the
    // bytes to compile.
    try {
      worker.postMessage({ module: coreModule });
    } catch {
      worker.postMessage({ module: moduleBytes });
    }
    return worker;
  }

  // Workers keep the page responsive, one a processor core (up to four),
  // each taking the next chart when it is done with one; the rows come out
  // in the plan's order. Where no worker can be started, the charts are
  // counted one at a time between the page's own work. Returns a function
  // that stops the count at once.
  function countCharts(plan, on) {
    const wanted = Math.max(1, Math.min(navigator.hardwareConcurrency || 1, plan.charts.length, MAX_WORKERS));
    const workers = idleWorkers.splice(0, wanted);
    while (workers.length < wanted) {
      const worker = startWorker();
      if (!worker) break;
      workers.push(worker);
    }
    if (workers.length === 0) return countOnPage(plan, on);
    const rows = [];
    const drawn = new Map();
    let next = 0;
    let shown = 0;
    let counted = 0;
    let ended = false;
    let onPage = null;
    // Once only: a count that has ended may have lent its workers to the next.
    const end = (keepWorkers) => {
      if (ended) return;
      ended = true;
      for (const worker of workers) {
        worker.hear = null;
        if (keepWorkers && idleWorkers.length < MAX_WORKERS) idleWorkers.push(worker);
        else worker.terminate();
      }
      if (onPage) onPage();
    };
    const stop = () => end(false);
    const give = (worker) => {
      if (next >= plan.charts.length) return;
      worker.at = next;
      const message = { chart: plan.charts[next], runs: plan.runs, seed: plan.seed, ofFile: plan.ofFile ?? 0 };
      // A worker kept between counts is sent the chart file once.
      if (plan.ofFile && worker.charts !== own.raw) {
        message.chartFile = { raw: own.raw, name: own.file };
        worker.charts = own.raw;
      }
      worker.postMessage(message);
      next += 1;
    };
    const progress = () => on.progress(counted * plan.runs + [...drawn.values()].reduce((a, b) => a + b, 0));
    for (const worker of workers) {
      worker.hear = (data) => {
        if (data.ready) {
          give(worker);
        } else if (data.drawn !== undefined) {
          drawn.set(worker, data.drawn);
          progress();
        } else if (data.row) {
          rows[worker.at] = data.row;
          counted += 1;
          drawn.set(worker, 0);
          progress();
          while (rows[shown]) on.row(rows[shown++]);
          if (shown === plan.charts.length) {
            end(true);
            on.done('worker');
          } else {
            give(worker);
          }
        } else {
          stop();
          on.error(data.error);
        }
      };
      worker.onerror = (event) => {
        event.preventDefault();
        if (ended) return;
        stop();
        if (counted > 0) {
          on.error(event.message);
        } else {
          ended = false;
          onPage = countOnPage(plan, on);
        }
      };
      if (worker.ready) give(worker);
    }
    return stop;
  }

  function countOnPage(plan, on) {
    let next = 0;
    let stopped = false;
    const step = () => {
      if (stopped) return;
      if (next >= plan.charts.length) {
        on.done('page');
        return;
      }
      const row = core.chartStats(plan.charts[next], plan.runs, plan.seed, plan.ofFile ?? 0);
      if (row.problem !== undefined) {
        on.error(row.problem);
        return;
      }
      next += 1;
      on.progress(next * plan.runs);
      on.row(row);
      setTimeout(step, 0);
    };
    setTimeout(step, 0);
    return () => {
      stopped = true;
    };
  }

  function setUpStatistics() {
    const form = $('stats-form');
    const run = $('stats-run');
    const stop = $('stats-stop');
    let stopCount = null;
    const finish = (text) => {
      run.disabled = false;
      stop.disabled = true;
      stopCount = null;
      form.removeAttribute('aria-busy');
      announce(text);
    };
    stop.addEventListener('click', () => {
      if (!stopCount) return;
      stopCount();
      $('stats-output').dataset.countedIn = 'stopped';
      finish('The count is stopped.');
      run.focus();
    });
    $('stats-more').addEventListener('change', (event) => {
      const table = $('stats-output').querySelector('table');
      if (table) table.classList.toggle('more', event.target.checked);
    });
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      if (run.disabled) return;
      const ofFile = own.file === '' ? 0 : 1;
      const charts = ofFile ? $('stats-charts').value : $('stats-charts').value.replace(/[\s,]/g, '') ||
        'ABCDEFGHIJKLMNOPQRSTUVWXYZ';
      const query = `charts=${encodeURIComponent(charts)}&runs=${encodeURIComponent($('stats-runs').value.trim())}` +
        `&seed=${encodeURIComponent($('stats-seed').value.trim())}${ofFile ? '&file=1' : ''}`;
      const plan = { ...core.planStats(query, freshSeed()), ofFile };
      if (plan.problem !== undefined) {
        showMessage('stats-message', plan.problem);
        announce(plan.problem);
        return;
      }
      showMessage('stats-message', '');
      const progress = $('stats-progress');
      const total = plan.charts.length * plan.runs;
      progress.max = total;
      progress.value = 0;
      const output = $('stats-output');
      let table = null;
      output.replaceChildren();
      delete output.dataset.countedIn;
      run.disabled = true;
      stop.disabled = false;
      form.setAttribute('aria-busy', 'true');
      announce(`Counting ${counted(plan.charts.length, 'chart', 'charts')}, ` +
        `${number(plan.runs)} hoards each, seed ${plan.seed}.`);
      // The count reaches the screen four times a second: on a small
      // machine every frame the page draws is time the workers lose.
      let drawnSoFar = 0;
      const rows = [];
      let showing = null;
      const show = () => {
        clearTimeout(showing);
        showing = null;
        progress.value = drawnSoFar;
        $('stats-count').textContent = `${number(drawnSoFar)} of ${number(total)} hoards`;
        if (rows.length === 0) return;
        if (!table) {
          table = statsTable();
          output.replaceChildren(table);
          output.hidden = false;
        }
        for (const row of rows.splice(0)) addStatsRow(table, row);
      };
      const showSoon = () => {
        if (showing === null) showing = setTimeout(show, 250);
      };
      const stopWorkers = countCharts(plan, {
        progress: (drawn) => {
          drawnSoFar = drawn;
          showSoon();
        },
        row: (row) => {
          rows.push(row);
          showSoon();
        },
        done: (where) => {
          show();
          output.dataset.countedIn = where;
          const note = document.createElement('p');
          note.className = 'note';
          note.textContent = `${number(plan.runs)} hoards a chart, the first with seed ${plan.seed}.`;
          output.appendChild(note);
          finish('The statistics are ready.');
        },
        error: (error) => {
          show();
          showMessage('stats-message', `The count stopped: ${error}`);
          finish('The count stopped.');
        },
      });
      stopCount = () => {
        stopWorkers();
        show();
      };
    });
  }

  // --- Chart guide --------------------------------------------------------

  let stopGuide = () => {};

  // One line a chart from the core's figures at a fixed seed, counted off
  // the main thread once the page is up.
  function fillGuide() {
    stopGuide();
    delete document.body.dataset.guide;
    const lines = $('guide-lines');
    const guide = [];
    const ofFile = own.file !== '';
    const buttons = ofFile ? own.buttons : chartButtons;
    const plan = ofFile ? { ...GUIDE_PLAN, charts: [...buttons.keys()], ofFile: 1 } : GUIDE_PLAN;
    stopGuide = countCharts(plan, {
      progress: () => {},
      row: (row) => {
        buttons[guide.length].title = row.guide;
        guide.push([row.figures.chart, row.guide]);
      },
      done: () => {
        lines.replaceChildren(...guide.map(([letter, text]) => {
          const li = document.createElement('li');
          const b = document.createElement('b');
          b.textContent = letter;
          li.append(b, ` ${text}`);
          return li;
        }));
        $('guide-note').textContent = `Typical values from ${number(GUIDE_PLAN.runs)} hoards a chart` +
          (ofFile ? '.' : '; count more under Statistics.');
        document.body.dataset.guide = 'ready';
      },
      error: () => {
        $('guide').hidden = true;
      },
    });
  }

  // --- Start --------------------------------------------------------------

  // Served over http(s), the page can be installed and works offline; from
  // disk it needs neither.
  function setUpOffline() {
    if (!/^https?:$/.test(location.protocol) || !('serviceWorker' in navigator)) return;
    navigator.serviceWorker.register('sw.js').catch((error) => console.warn(`no offline copy: ${error}`));
  }

  async function start() {
    try {
      coreModule = await compiling;
      generator = await startCore(coreModule);
    } catch (error) {
      $('hoard-empty').textContent = `The generator could not start in this browser: ${error}`;
      delete document.documentElement.dataset.starting;
      return;
    }
    names = generator.categories();
    logEntries = readLog();
    renderLog();
    setUpEncounter();
    setUpItems();
    setUpFiles();
    setUpStatistics();
    $('hoard-empty').textContent = 'Choose a chart to draw a hoard.';
    document.body.dataset.ready = 'true';
    // Shown in the same task as the hoard is drawn: laid out once, with it.
    delete document.documentElement.dataset.starting;
    readAddressBar(true);
    setTimeout(fillGuide, 0);
    setUpOffline();
  }

  start();
})();
