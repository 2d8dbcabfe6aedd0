// The page's script. It starts the core (the program's C++, compiled to
// WebAssembly and loaded by glimmerkist-core.js), hands it what a person
// types or the address holds, and lays out what it returns. Every draw, rule
// and text of the program is the core's; nothing here decides treasure.
'use strict';

// Starts the core from the bytes of its module and returns its functions.
// Self-contained, as the statistics worker runs a copy of its source.
async function startCore(bytes) {
  let core = null;
  const nothing = () => 0;
  // The module was built for a system it never calls on the page; these
  // answers keep it content if it ever does.
  const imports = {
    env: { emscripten_notify_memory_growth: () => {} },
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
  const { instance } = await WebAssembly.instantiate(bytes, imports);
  core = instance.exports;
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
    drawHoard(address, freshSeed) {
      core.gk_draw_hoard(put(address), freshSeed);
      const { meta, parts } = reply();
      if (meta.problem !== undefined) return meta;
      // parts[4] has the names as people see them, control characters as "?".
      return { ...meta, json: decoder.decode(parts[1]), markdown: decoder.decode(parts[2]), resultFile: parts[3],
        shown: decoder.decode(parts[4]) };
    },
    pickItem(category, seed) {
      core.gk_pick_item(category, seed);
      return reply().meta;
    },
    planStats(form, freshSeed) {
      core.gk_plan_stats(put(form), freshSeed);
      return reply().meta;
    },
    chartStats(chart, runs, seed) {
      core.gk_chart_stats(chart, runs, seed);
      return reply().meta;
    },
  };
}

// The statistics worker: counts the planned charts one by one and reports
// each row as it is done. Runs from its own source text, so it is
// self-contained but for startCore.
function statisticsWorker() {
  self.onmessage = async (event) => {
    try {
      const core = await startCore(event.data.bytes);
      const { plan } = event.data;
      for (const chart of plan.charts) {
        const row = core.chartStats(chart, plan.runs, plan.seed);
        if (row.problem !== undefined) throw new Error(row.problem);
        self.postMessage({ row: row.cells });
      }
      self.postMessage({ finished: true });
    } catch (error) {
      self.postMessage({ error: String(error) });
    }
  };
}

(function page() {
  const $ = (id) => document.getElementById(id);
  const STORED_CATALOG = 'glimmerkist.catalog';
  const STORED_NAME = 'glimmerkist.catalog-name';
  const MAX_CATALOG_BYTES = 32 * 1024 * 1024;
  // The core's names of things, filled at start: categories, metals, the
  // statistics' columns.
  let names = null;

  const fromBase64 = (text) => Uint8Array.from(atob(text), (c) => c.charCodeAt(0));
  const toBase64 = (raw) => {
    let text = '';
    for (let i = 0; i < raw.length; i += 0x8000) {
      text += String.fromCharCode.apply(null, raw.subarray(i, i + 0x8000));
    }
    return btoa(text);
  };
  const freshSeed = () => crypto.getRandomValues(new Uint32Array(1))[0];

  const moduleBytes = fromBase64(GLIMMERKIST_CORE);
  let generator = null;
  let hoard = null;
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
        startCore(moduleBytes).then((fresh) => {
          generator = fresh;
          loadStoredCatalog();
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

  // --- Encounter --------------------------------------------------------

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
    $('hoard-title').textContent = `Chart ${sheet.chart}, seed ${sheet.seed}`;
    $('hoard-empty').hidden = true;
    $('hoard-body').hidden = false;

    const coins = $('coins').tBodies[0];
    coins.replaceChildren();
    for (const { code, name } of names.metals) {
      const row = coins.insertRow();
      headerCell(row, name);
      cell(row, String(sheet.coins[code]), 'num');
    }
    listLines($('gems'), sheet.gems.map((gem) => `${gem.name ?? ''} ${gem.value_gp} gp`), 'None');
    listLines(
      $('items'),
      sheet.magic_items.map((item) => item.name ?? '(no item: the category is empty)'),
      'None',
    );
    $('total').textContent = String(sheet.total_gp);
    $('rates').textContent = `(coins at ${result.rates}; gems as shown)`;

    const split = sheet.split;
    $('split-part').hidden = !split;
    if (split) {
      $('split-caption').textContent =
        `Coins split among ${split.characters} ${split.characters === 1 ? 'character' : 'characters'}: ` +
        `each ${split.each_gp} gp, ${split.remainder_gp} gp left over; gems and magic items ` +
        `(${split.shared_gp} gp) are the party's to share`;
      const body = $('split-table').tBodies[0];
      body.replaceChildren();
      for (const { code, name } of names.metals) {
        const row = body.insertRow();
        headerCell(row, name);
        cell(row, String(split.each[code]), 'num');
        cell(row, String(split.remainder[code]), 'num');
      }
    }
    $('hoard-link').href = `#${result.address}`;
    // For the record of how soon the page shows its first hoard.
    if (performance.getEntriesByName('first-hoard').length === 0) performance.mark('first-hoard');
    announce(`Chart ${sheet.chart}, seed ${sheet.seed}: ${sheet.gems.length} gems, ` +
      `${sheet.magic_items.length} magic items, total ${sheet.total_gp} gp.`);
  }

  // Draws the hoard of `address` ("chart=H&seed=42&split=4") and shows it,
  // or the core's message. The address bar follows the hoard on the page.
  function drawHoard(address, fromAddressBar) {
    const result = core.drawHoard(address, freshSeed());
    if (result.problem !== undefined) {
      showMessage('encounter-message', result.problem);
      announce(result.problem);
      return;
    }
    showMessage('encounter-message', '');
    showHoard(result);
    if (!fromAddressBar && location.hash !== `#${result.address}`) {
      history.replaceState(null, '', `#${result.address}`);
    }
  }

  function formAddress(chartText) {
    const parts = [`chart=${encodeURIComponent(chartText)}`];
    const seed = $('seed').value.trim();
    const split = $('split').value.trim();
    if (seed !== '') parts.push(`seed=${encodeURIComponent(seed)}`);
    if (split !== '') parts.push(`split=${encodeURIComponent(split)}`);
    return parts.join('&');
  }

  function rollChart(letter) {
    drawHoard(formAddress(letter), false);
  }

  function readAddressBar() {
    const hash = location.hash.replace(/^#/, '');
    if (hash === '') return;
    // The fields take what the address says, so the next roll keeps it.
    const params = hash.split('&');
    for (const param of params) {
      const [key, value = ''] = param.split('=');
      let decoded = value;
      try {
        decoded = decodeURIComponent(value.replace(/\+/g, ' '));
      } catch {
        // The core reports a broken address; the field keeps the raw text.
      }
      if (key === 'seed') $('seed').value = decoded;
      if (key === 'split') $('split').value = decoded;
    }
    drawHoard(hash, true);
  }

  function setUpEncounter() {
    for (const button of $('chart-buttons').querySelectorAll('button')) {
      button.addEventListener('click', () => rollChart(button.textContent));
    }
    $('encounter-form').addEventListener('submit', (event) => event.preventDefault());
    document.addEventListener('keydown', (event) => {
      const target = event.target;
      const typing =
        target instanceof HTMLInputElement ||
        target instanceof HTMLSelectElement ||
        target instanceof HTMLTextAreaElement;
      if (typing || event.ctrlKey || event.metaKey || event.altKey) return;
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
    window.addEventListener('hashchange', readAddressBar);
  }

  // --- Items ------------------------------------------------------------

  function setUpItems() {
    const select = $('category');
    const any = document.createElement('option');
    any.value = '-1';
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
      const seed = freshSeed();
      const picked = core.pickItem(Number(select.value), seed);
      const line = picked.problem ?? picked.item.name ?? '(no item: the category is empty)';
      $('picked').textContent = line;
      announce(line);
    });
  }

  // --- Catalog ----------------------------------------------------------

  function useCatalog(raw, name) {
    if (raw.length > MAX_CATALOG_BYTES) {
      showMessage('catalog-message', `${name} is larger than 32 MB; the page reads catalogs up to 32 MB.`);
      announce('The catalog is too large.');
      return false;
    }
    const outcome = core.loadCatalog(raw);
    if (outcome === null || outcome.problem !== undefined) {
      showMessage('catalog-message', `There is not enough memory to read ${name}.`);
      return false;
    }
    const items = outcome.counts.reduce((sum, count) => sum + count, 0);
    $('catalog-status').textContent = `${name}: ${items} ${items === 1 ? 'item' : 'items'}.`;
    showMessage('catalog-message', outcome.message);
    announce(outcome.message === '' ? `${name} loaded, ${items} items.` : `${outcome.message} ${items} items kept.`);
    return true;
  }

  function useShippedCatalog() {
    useCatalog(fromBase64(GLIMMERKIST_CATALOG), 'The shipped catalog');
  }

  function loadStoredCatalog() {
    let stored = null;
    let name = 'Your catalog';
    try {
      stored = localStorage.getItem(STORED_CATALOG);
      name = localStorage.getItem(STORED_NAME) || name;
    } catch {
      stored = null;
    }
    if (stored === null) {
      useShippedCatalog();
      return;
    }
    useCatalog(fromBase64(stored), name);
  }

  async function readCatalogFile(file) {
    if (!file) return;
    const name = `Your catalog (${file.name})`;
    if (file.size > MAX_CATALOG_BYTES) {
      useCatalog({ length: file.size }, name);
      return;
    }
    const raw = new Uint8Array(await file.arrayBuffer());
    if (!useCatalog(raw, name)) return;
    try {
      localStorage.setItem(STORED_CATALOG, toBase64(raw));
      localStorage.setItem(STORED_NAME, name);
    } catch {
      $('catalog-status').textContent += ' It is too large to keep for your next visit.';
    }
  }

  function setUpCatalog() {
    $('catalog-file').addEventListener('change', (event) => {
      readCatalogFile(event.target.files[0]);
      event.target.value = '';
    });
    const zone = $('drop-zone');
    zone.addEventListener('dragover', (event) => {
      event.preventDefault();
      zone.classList.add('dropping');
    });
    zone.addEventListener('dragleave', () => zone.classList.remove('dropping'));
    zone.addEventListener('drop', (event) => {
      event.preventDefault();
      zone.classList.remove('dropping');
      readCatalogFile(event.dataTransfer.files[0]);
    });
    $('catalog-reset').addEventListener('click', () => {
      try {
        localStorage.removeItem(STORED_CATALOG);
        localStorage.removeItem(STORED_NAME);
      } catch {
        // Nothing was kept.
      }
      useShippedCatalog();
    });
    loadStoredCatalog();
  }

  // --- Statistics -------------------------------------------------------

  // The table of the statistics, headed as the core heads its own.
  function statsTable() {
    const table = document.createElement('table');
    const caption = table.createCaption();
    caption.textContent = 'Seen: share of the hoards that hold the metal; means over all hoards; ' +
      'values in gold pieces, percentiles by nearest rank.';
    const head = table.createTHead().insertRow();
    for (const heading of names.stats_headings) {
      const th = document.createElement('th');
      th.scope = 'col';
      th.textContent = heading;
      head.appendChild(th);
    }
    table.createTBody();
    return table;
  }

  function addStatsRow(table, row) {
    const [chart, ...cells] = row;
    const tr = table.tBodies[0].insertRow();
    headerCell(tr, chart);
    for (const text of cells) cell(tr, text, 'num');
  }

  // A worker keeps the page responsive. Where none can be started, the
  // charts are counted one at a time between the page's own work.
  function countCharts(plan, onRow, onDone, onError) {
    let worker = null;
    try {
      const source = `${startCore.toString()}\n(${statisticsWorker.toString()})();\n`;
      const url = URL.createObjectURL(new Blob([source], { type: 'text/javascript' }));
      worker = new Worker(url);
      URL.revokeObjectURL(url);
    } catch {
      worker = null;
    }
    if (worker) {
      let rows = 0;
      worker.onmessage = (event) => {
        if (event.data.row) {
          rows += 1;
          onRow(event.data.row);
        } else {
          worker.terminate();
          if (event.data.error) onError(event.data.error);
          else onDone('worker');
        }
      };
      worker.onerror = (event) => {
        event.preventDefault();
        worker.terminate();
        if (rows === 0) countOnPage(plan, onRow, onDone, onError);
        else onError(event.message);
      };
      worker.postMessage({ bytes: moduleBytes, plan });
      return;
    }
    countOnPage(plan, onRow, onDone, onError);
  }

  function countOnPage(plan, onRow, onDone, onError) {
    let next = 0;
    const step = () => {
      if (next >= plan.charts.length) {
        onDone('page');
        return;
      }
      const row = core.chartStats(plan.charts[next], plan.runs, plan.seed);
      if (row.problem !== undefined) {
        onError(row.problem);
        return;
      }
      onRow(row.cells);
      next += 1;
      setTimeout(step, 0);
    };
    setTimeout(step, 0);
  }

  function setUpStatistics() {
    const form = $('stats-form');
    form.addEventListener('submit', (event) => {
      event.preventDefault();
      const button = $('stats-run');
      if (button.disabled) return;
      const charts = $('stats-charts').value.replace(/[\s,]/g, '') || 'ABCDEFGHIJKLMNOPQRSTUVWXYZ';
      const query = `charts=${encodeURIComponent(charts)}&runs=${encodeURIComponent($('stats-runs').value.trim())}` +
        `&seed=${encodeURIComponent($('stats-seed').value.trim())}`;
      const plan = core.planStats(query, freshSeed());
      if (plan.problem !== undefined) {
        showMessage('stats-message', plan.problem);
        announce(plan.problem);
        return;
      }
      showMessage('stats-message', '');
      const progress = $('stats-progress');
      progress.max = plan.charts.length;
      progress.value = 0;
      const output = $('stats-output');
      let table = null;
      output.replaceChildren();
      delete output.dataset.countedIn;
      button.disabled = true;
      form.setAttribute('aria-busy', 'true');
      announce(`Counting ${plan.charts.length} ${plan.charts.length === 1 ? 'chart' : 'charts'}, ` +
        `${plan.runs} hoards each, seed ${plan.seed}.`);
      const finish = (text) => {
        button.disabled = false;
        form.removeAttribute('aria-busy');
        announce(text);
      };
      countCharts(
        plan,
        (row) => {
          if (!table) {
            table = statsTable();
            output.replaceChildren(table);
            output.hidden = false;
          }
          addStatsRow(table, row);
          progress.value += 1;
        },
        (where) => {
          output.dataset.countedIn = where;
          const note = document.createElement('p');
          note.className = 'note';
          note.textContent = `${plan.runs} hoards a chart, the first with seed ${plan.seed}.`;
          output.appendChild(note);
          finish('The statistics are ready.');
        },
        (error) => {
          showMessage('stats-message', `The count stopped: ${error}`);
          finish('The count stopped.');
        },
      );
    });
  }

  // --- Start --------------------------------------------------------------

  async function start() {
    try {
      generator = await startCore(moduleBytes);
    } catch (error) {
      $('hoard-empty').textContent = `The generator could not start in this browser: ${error}`;
      return;
    }
    names = generator.categories();
    setUpEncounter();
    setUpItems();
    setUpCatalog();
    setUpStatistics();
    $('hoard-empty').textContent = 'Choose a chart to draw a hoard.';
    document.body.dataset.ready = 'true';
    readAddressBar();
  }

  start();
})();
