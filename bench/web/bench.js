// The page's figures: start to first frame with a fresh profile, the download of code and
// resources, the CPU of an idle page, and how closely the robot keeps its pauses.
// Usage: node bench.js BUILD_WEB   (RUNS=n for the first-frame runs, 7 by default)
'use strict';
const fs = require('fs');
const path = require('path');
const zlib = require('zlib');
const { execFileSync } = require('child_process');
const { serve, Browser, delay } = require('../../tests/web/cdp.js');

const build = path.resolve(process.argv[2] || 'build-web');
const runs = Number(process.env.RUNS || 7);
const median = (xs) => xs.slice().sort((a, b) => a - b)[Math.floor((xs.length - 1) / 2)];
const started = (page) => page.waitFor("performance.getEntriesByName('dyxel-first-frame').length", 30);
const FIRST_FRAME = "performance.getEntriesByName('dyxel-first-frame')[0].startTime";
const WASM_RECEIVED = "performance.getEntriesByName(location.href + 'dyxel.wasm')[0].responseEnd";

// Opens `address` in a browser of its own, with a fresh profile, once its first frame is there,
// and returns what `read` takes from the page.
async function inFreshBrowser(address, read) {
  const browser = new Browser();
  try {
    const page = await browser.newPage({ worker: true });
    await page.navigate(address);
    await started(page);
    return await read(page);
  } finally {
    await browser.close();
  }
}

// CPU ticks of the browser's renderer processes (the page's own), from /proc.
function rendererTicks(browser) {
  const pids = execFileSync('pgrep', ['-P', String(browser.proc.pid)]).toString().trim().split('\n');
  let ticks = 0;
  for (const pid of pids.concat(pids.flatMap((p) => {
    try { return execFileSync('pgrep', ['-P', p]).toString().trim().split('\n'); } catch (e) { return []; }
  }))) {
    try {
      if (!fs.readFileSync(`/proc/${pid}/cmdline`, 'utf8').includes('--type=renderer')) continue;
      const f = fs.readFileSync(`/proc/${pid}/stat`, 'utf8').split(') ')[1].split(' ');
      ticks += Number(f[11]) + Number(f[12]);
    } catch (e) { /* gone */ }
  }
  return ticks;
}

// The gaps between the robot's paints of the dice strip that are pauses, in ms.
const RECORD = `window.paints = [];
  const put = CanvasRenderingContext2D.prototype.putImageData;
  CanvasRenderingContext2D.prototype.putImageData = function () {
    paints.push(performance.now());
    return put.apply(this, arguments);
  };`;
async function pauses(url, short, count) {
  const browser = new Browser(); // a fresh profile: the options are the defaults
  try {
    const page = await browser.newPage({ worker: true });
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: RECORD });
    return await robotGaps(page, url, short, count);
  } finally {
    await browser.close();
  }
}
async function robotGaps(page, url, short, count) {
  await page.navigate(url);
  await started(page);
  if (short) for (const k of ['Alt+i', 'r', 'ArrowRight', 'l']) await page.key(k);
  for (const k of ['Alt+f', 'n']) await page.key(k);
  await page.waitFor("document.activeElement.id === 'dlg-name'", 5);
  for (const k of ['R', '1', 'Shift+Tab', ' ', 'Enter']) await page.key(k);
  await page.eval('paints = []'); // from the start of the game on
  await page.key('Enter');
  const gaps = () => page.eval('paints.slice(1).map((t, i) => t - paints[i]).filter((g) => g > 300)');
  const end = Date.now() + (short ? 600 : 1800) * (count + 4);
  while ((await gaps()).length < count && Date.now() < end) await delay(200);
  return (await gaps()).slice(0, count);
}

async function main() {
  const server = await serve(build);
  const floor = await serve(__dirname);
  try {
    await measure(`http://127.0.0.1:${server.address().port}/`,
      `http://127.0.0.1:${floor.address().port}/bare.html`);
  } finally {
    server.close();
    floor.close();
  }
}

async function measure(url, bareUrl) {
  const sizes = ['dyxel.wasm', 'dyxel.js'].map((f) => {
    const bytes = fs.readFileSync(path.join(build, f));
    return [f, bytes.length, zlib.gzipSync(bytes, { level: 9 }).length];
  });
  console.log('== download (bytes, raw and gzip -9)');
  for (const [f, raw, gz] of sizes) console.log(`${f.padEnd(12)} ${String(raw).padStart(8)} ${String(gz).padStart(8)}`);
  console.log(`${'together'.padEnd(12)} ${' '.repeat(8)} ${String(sizes[0][2] + sizes[1][2]).padStart(8)}  (goal: 614400)`);
  const sounds = fs.readdirSync(path.join(build, 'snd')).map((f) => fs.readFileSync(path.join(build, 'snd', f)));
  const soundsGz = zlib.gzipSync(Buffer.concat(sounds), { level: 9 }).length;
  console.log(`${'snd/*.wav'.padEnd(12)} ${String(sounds.reduce((n, b) => n + b.length, 0)).padStart(8)} ${String(soundsGz).padStart(8)}  (fetched after the first frame)`);

  console.log(`== navigation to first frame, fresh profile each run (median of ${runs})`);
  const frames = [], wasm = [], bare = [];
  for (let i = 0; i < runs; i++) {
    const [frame, received] = await inFreshBrowser(url, async (page) =>
      [await page.eval(FIRST_FRAME), await page.eval(WASM_RECEIVED)]);
    frames.push(frame);
    wasm.push(received);
    bare.push(await inFreshBrowser(bareUrl, (page) => page.eval(FIRST_FRAME)));
  }
  console.log(`first frame ${median(frames).toFixed(1)} ms (runs: ${frames.map((f) => f.toFixed(0)).join(' ')}; goal: 150)`);
  console.log(`dyxel.wasm received ${median(wasm).toFixed(1)} ms`);
  console.log(`a bare page painting one canvas (bare.html): ${median(bare).toFixed(1)} ms`);

  console.log(`== the same in a running browser, a new context each run (empty storage and cache)`);
  const warm = [];
  const browser0 = new Browser();
  try {
    for (let i = 0; i < runs; i++) {
      const page = await browser0.newPage({ ownContext: true, worker: true });
      await page.navigate(url);
      await started(page);
      warm.push(await page.eval(FIRST_FRAME));
      await page.send('Page.close');
    }
  } finally {
    await browser0.close();
  }
  console.log(`first frame ${median(warm).toFixed(1)} ms (runs: ${warm.map((f) => f.toFixed(0)).join(' ')})`);

  const browser = new Browser();
  try {
    const page = await browser.newPage({ worker: true });
    console.log('== idle: the page open, a menu opened and closed (the audio context made), 10 s');
    await page.navigate(url);
    await started(page);
    for (const k of ['Alt+f', 'Escape']) await page.key(k);
    await delay(4000);
    const hz = Number(execFileSync('getconf', ['CLK_TCK']));
    const before = rendererTicks(browser);
    await delay(10000);
    const ticks = rendererTicks(browser) - before;
    console.log(`renderer CPU ${ticks} ticks in 10 s = ${((100 * ticks) / hz / 10).toFixed(2)} % of a core (goal: 1 %)`);
    console.log(`audio context ${await page.eval('Dyxel.audio.ctx ? Dyxel.audio.ctx.state : "none"')}`);

  } finally {
    await browser.close();
  }
  console.log('== robot pauses: gaps between its paints of the dice strip, first 12 of a game');
  for (const [short, want] of [[true, 600], [false, 1800]]) {
    const gaps = await pauses(url, short, 12);
    const off = gaps.map((g) => Math.abs(g - want));
    console.log(`${want} ms: median ${median(gaps).toFixed(1)}, worst deviation ${Math.max(...off).toFixed(1)} ms (goal: 10), n=${gaps.length}`);
  }
}

main().catch((e) => { console.error(`bench: ${e.message}`); process.exitCode = 1; });
