// The page's stored files in headless Chromium: two tabs that each finish a robots game keep
// both results, as one process would write them; a storage that refuses (a quota of one byte,
// site data blocked, indexedDB.open throwing) is said in the game's own boxes, and the game
// goes on. Usage: node store_test.js BUILD_WEB SHOTS SIMULATOR...
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve, Browser, delay } = require('./cdp.js');

const [webBuild, shots, ...sim] = process.argv.slice(2);
const SECOND = 1700000000;
const SETUP = `Date.now = () => ${SECOND}000;`;
const CANNOT_CREATE = 'Fel!|Kan inte skapa fil till spelet';

function check(ok, what) {
  if (!ok) throw new Error(what);
}

const stored = (page, name) => page.eval(`new Promise((done) => { const q = indexedDB.open('/dyxel');
  q.onsuccess = () => { const g = q.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/dyxel/${name}');
  g.onsuccess = () => { done(g.result ? Array.from(g.result.contents, (b) => b & 255) : null); q.result.close(); }; }; })`);
const scores = (bytes) => [0, 1, 2, 3, 4, 5, 6, 7, 8, 9]
  .map((i) => Buffer.from(bytes || new Array(80).fill(0)).readInt32LE(8 * i + 4)).filter((s) => s);
const started = (page) => page.waitFor("performance.getEntriesByName('dyxel-first-frame').length", 20, 'the first frame');

// The open box as "caption|text"; answered with Return.
async function box(page) {
  await page.waitFor("document.querySelector('.box:not(.answered)')", 120, 'a box');
  const text = await page.eval("document.querySelector('.box').classList.add('answered'), document.querySelector('.box .caption').textContent + '|' + document.querySelector('.box .text').textContent");
  await page.key('Enter');
  await page.waitFor("!document.querySelector('.box.answered')", 10, 'the box to close');
  return text;
}

// Waits until the stored list holds `count` results.
async function results(page, count) {
  for (let end = Date.now() + 120000; scores(await stored(page, 'h_score')).length < count; await delay(100))
    check(Date.now() < end, `results stored: ${scores(await stored(page, 'h_score'))}, not ${count}`);
}

// A game of one robot named R1, played under virtual time.
async function robotGame(page) {
  await page.key('Alt+f');
  await page.key('n');
  await page.waitFor("document.activeElement.id === 'dlg-name'", 10, 'the dialog');
  await page.type('R1');
  await page.key('Shift+Tab');
  await page.key(' ');
  await page.key('Enter');
  await page.send('Emulation.setVirtualTimePolicy', { policy: 'advance' });
  await page.key('Enter');
  await page.waitFor("document.querySelector('.dialog') === null", 10, 'the dialog to close');
}

async function newPage(browser, url, setup = '') {
  const page = await browser.newPage({ newWindow: true });
  await page.send('Page.addScriptToEvaluateOnNewDocument', { source: SETUP + setup });
  await page.navigate(url);
  return page;
}

// Two tabs open at once, each finishing a game: the list keeps both results.
async function twoTabs(url, pages) {
  const browser = new Browser();
  try {
    const [a, b] = [await newPage(browser, url), await newPage(browser, url)];
    pages.push(a, b);
    await started(a);
    await started(b);
    await robotGame(a);
    await results(a, 1);
    await robotGame(b);
    await results(b, 2);
    // The first tab's own copy is the stored one, for its panel to show.
    const kept = await stored(a, 'h_score');
    await a.waitFor(`FS.readFile('/dyxel/h_score').join() === '${kept.join()}'`, 10, 'the first tab to read the list again');
    await a.key('Alt+f');
    await a.key('s');
    await a.screenshot(path.join(shots, 'web-two-tabs.png'));
    for (const page of [a, b])
      check(page.errors.length === 0, `errors on the page: ${page.errors.join('; ')}`);
    // Closed first: the page's worker may start the fresh tab in their renderer, where their
    // virtual time would hold its loads.
    for (const page of [a, b]) {
      const { targetInfo } = await page.send('Target.getTargetInfo');
      await browser.send('Target.closeTarget', { targetId: targetInfo.targetId });
      pages.splice(pages.indexOf(page), 1);
    }
    const fresh = await newPage(browser, url);
    pages.push(fresh);
    await started(fresh);
    const work = fs.mkdtempSync(path.join(os.tmpdir(), 'dyxel-sim-'));
    for (let i = 0; i < 2; i++)
      execFileSync(sim[0], [...sim.slice(1), '--robots', '1', '--time', String(SECOND), '--top-ten'], { cwd: work });
    const expected = Array.from(fs.readFileSync(path.join(work, 'h_score')));
    fs.rmSync(work, { recursive: true });
    const got = await stored(fresh, 'h_score');
    check(got.join() === expected.join(), `h_score ${got} is not the simulator's ${expected}`);
    check(fresh.errors.length === 0, `errors on the page: ${fresh.errors.join('; ')}`);
  } finally {
    await browser.close();
  }
}

// A storage that refuses: the boxes of a file that cannot be created or written, at start-up
// when it cannot even be opened, and after a game; the game goes on.
async function refused(name, url, pages, { prefs = null, setup = '', quota = false, opened = true }) {
  const browser = new Browser([], prefs);
  try {
    const page = await browser.newPage();
    pages.push(page);
    if (quota) await page.send('Storage.overrideQuotaForOrigin', { origin: url.replace(/\/$/, ''), quotaSize: 1 });
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: SETUP + setup });
    await page.navigate(url);
    if (!opened) check(await box(page) === CANNOT_CREATE, `${name}: no box at start-up`);
    await started(page);
    await robotGame(page);
    check(await box(page) === CANNOT_CREATE, `${name}: the first box after the game`);
    check(await box(page) === 'Fel!|Kan inte skriva tio i top lista', `${name}: the second box`);
    await page.key('Alt+f');
    await page.key('n');
    await page.waitFor("document.activeElement.id === 'dlg-name'", 10, `${name}: the dialog after the boxes`);
    await page.screenshot(path.join(shots, `web-refused-${name}.png`));
    const bad = page.errors.filter((e) => !/QuotaExceeded|refused/.test(e));
    check(bad.length === 0, `${name}: errors on the page: ${bad.join('; ')}`);
  } finally {
    await browser.close();
  }
}

async function main() {
  const server = await serve(path.resolve(webBuild));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const pages = [];
  try {
    fs.mkdirSync(shots, { recursive: true });
    await twoTabs(url, pages);
    await refused('quota', url, pages, { quota: true });
    await refused('open-throws', url, pages, { opened: false,
      setup: "IDBFactory.prototype.open = function () { throw new DOMException('refused', 'SecurityError'); };" });
    await refused('blocked', url, pages, { opened: false,
      prefs: { profile: { default_content_setting_values: { cookies: 2 } } } });
    console.log('web store: ok');
  } catch (e) {
    console.error(`FAIL: ${e.message}`);
    for (const page of pages) await page.screenshot(path.join(shots, 'web-store-failure.png')).catch(() => {});
    process.exitCode = 1;
  } finally {
    server.close();
  }
}

main();
