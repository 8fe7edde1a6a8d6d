// The page as an installed app: after a first visit its worker keeps every file, Chromium finds
// nothing against installing it, a reload with the server gone starts the game, and a build
// with one file changed gets a cache of its own that replaces the old one. Served from a copy
// of the build, so the "new build" is made without touching BUILD_WEB.
// Usage: node offline_test.js BUILD_WEB SHOTS CMAKE SW_CMAKE
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve, Browser } = require('./cdp.js');

const [webBuild, shots, cmake, swCmake] = process.argv.slice(2);

function check(ok, what) {
  if (!ok) throw new Error(what);
}

// The cache name and the files the worker of `dir` keeps, as written into its sw.js.
function worker(dir) {
  const text = fs.readFileSync(path.join(dir, 'sw.js'), 'utf8');
  const cache = /const CACHE = '([^']+)'/.exec(text)[1];
  const files = JSON.parse(/const FILES = (\[[^\]]*\])/.exec(text)[1].replace(/'/g, '"'));
  return { cache, files };
}

// Width and height from a PNG's header.
function pngSize(file) {
  const d = fs.readFileSync(file);
  check(d.toString('latin1', 1, 4) === 'PNG', `${file} is not a PNG`);
  return [d.readUInt32BE(16), d.readUInt32BE(20)];
}

async function main() {
  const first = worker(webBuild);
  check(/^dyxel-[0-9a-f]{16}$/.test(first.cache), `cache name ${first.cache}`);
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'dyxel-offline-'));
  check(first.files.some((f) => f.startsWith('snd/')), 'the worker keeps no sounds');
  for (const f of [...first.files.filter((f) => f !== './'), 'sw.js']) {
    fs.mkdirSync(path.dirname(path.join(dir, f)), { recursive: true });
    fs.copyFileSync(path.join(webBuild, f), path.join(dir, f));
  }
  for (const size of [192, 512])
    check(pngSize(path.join(dir, `icon-${size}.png`)).join() === `${size},${size}`, `icon-${size}.png's size`);

  let server = await serve(dir);
  const port = server.address().port;
  const url = `http://127.0.0.1:${port}/`;
  const stop = () => new Promise((done) => { server.close(done); server.closeAllConnections(); });
  const browser = new Browser();
  try {
    const page = await browser.newPage({ worker: true });
    const caches = () => page.eval('caches.keys()');
    const reload = async () => {
      const loaded = page.once('Page.loadEventFired');
      await page.send('Page.reload', { ignoreCache: true });
      await loaded;
    };
    // The game has started when its root window shows the felt.
    const started = async (what) => {
      await page.waitFor("performance.getEntriesByName('dyxel-first-frame').length", 30, `the first frame ${what}`);
      const felt = await page.eval(`(() => { const c = document.getElementById('root-canvas');
        const d = c.getContext('2d').getImageData(0, 0, c.width, c.height).data;
        let n = 0; for (let i = 0; i < d.length; i += 4) if (d[i + 1] > d[i] + 20 && d[i + 3] === 255) n++;
        return n / (c.width * c.height); })()`);
      check(felt > 0.5, `the root window is not painted ${what} (${felt} felt)`);
    };

    await page.navigate(url);
    await started('on the first visit');
    await page.waitFor('navigator.serviceWorker.controller', 30, 'the worker to take over the page');
    check(JSON.stringify(await caches()) === JSON.stringify([first.cache]), `caches ${await caches()} after the first visit`);
    const { installabilityErrors } = await page.send('Page.getInstallabilityErrors');
    check(installabilityErrors.length === 0, `installability errors: ${JSON.stringify(installabilityErrors)}`);
    const manifest = await page.send('Page.getAppManifest');
    check(manifest.errors.length === 0, `manifest errors: ${JSON.stringify(manifest.errors)}`);

    // The network off: nothing answers on the port, yet the game starts from the kept files.
    await stop();
    check(await page.eval("fetch('missing.txt').then(() => false, () => true)"), 'the server still answers');
    await reload();
    await started('with the network off');
    await page.waitFor(`Dyxel.audio.waves.size === ${first.files.filter((f) => f.startsWith('snd/')).length}`, 30,
      'the sounds from the kept files');
    check(page.errors.length === 0, `errors offline: ${page.errors.join('; ')}`);
    await page.screenshot(path.join(shots, 'web-offline.png'));

    // A new build with one file changed: a new cache name, which replaces the old cache.
    const html = path.join(dir, 'index.html');
    fs.writeFileSync(html, fs.readFileSync(html, 'utf8').replace('<head>', '<head><meta name="build" content="2">'));
    execFileSync(cmake, [`-DDIR=${dir}`, '-P', swCmake]);
    const second = worker(dir);
    check(second.cache !== first.cache, 'a changed file kept the cache name');
    server = await serve(dir, port);
    await reload();
    await page.waitFor(`caches.keys().then((k) => k.join() === '${second.cache}')`, 30, 'the new cache alone');
    await reload();
    await started('after the new build');
    check(await page.eval("!!document.querySelector('meta[name=build]')"), 'the new build is not the one shown');
  } finally {
    await browser.close();
    if (server.listening) await stop();
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

main().then(() => console.log('offline: ok'), (e) => {
  console.error(e.stack || String(e));
  process.exit(1);
});
