// The longest tasks of the page from navigation to the end of a game of two expert robots
// ("Långa kast" off), fresh profile, as the browser's "longtask" entries report them.
// Real time only: under virtual time the page's clock stands still within a task.
// Usage: node longtask.js BUILD_WEB   (RUNS=n games, 1 by default)
'use strict';
const path = require('path');
const { serve, Browser, delay } = require('../../tests/web/cdp.js');

// Installed before the page's own scripts: every task over 50 ms from navigation on.
const OBSERVE = `window.longTasks = [];
  new PerformanceObserver((list) => {
    for (const e of list.getEntries()) longTasks.push([e.startTime, e.duration]);
  }).observe({ type: 'longtask', buffered: true });`;

const stored = (name) => `new Promise((done) => { const q = indexedDB.open('/dyxel');
  q.onsuccess = () => { const g = q.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/dyxel/${name}');
    g.onsuccess = () => { q.result.close(); done(g.result ? Array.from(g.result.contents, (b) => b & 255) : null); }; };
  q.onerror = () => done(null); })`;

// Plays the game on a fresh page of `browser`; returns the long tasks, [start, duration] in ms,
// and the game's length in ms.
async function expertGame(browser, url) {
  const page = await browser.newPage();
  await page.send('Page.addScriptToEvaluateOnNewDocument', { source: OBSERVE });
  await page.navigate(url);
  await page.waitFor("performance.getEntriesByName('dyxel-first-frame').length", 30, 'the first frame');
  for (const k of ['Alt+i', 'r', 'ArrowRight', 'l', 'Alt+i', 'r', 'ArrowRight', 'e']) await page.key(k);
  for (const k of ['Alt+f', 'n']) await page.key(k);
  await page.waitFor("document.activeElement.id === 'dlg-name'", 10, 'the dialog');
  for (const name of ['R1', 'R2']) {
    await page.type(name);
    for (const k of ['Shift+Tab', ' ', 'Enter']) await page.key(k);
  }
  const begun = Date.now();
  await page.key('Enter');
  // The game is over once both results are in "h_score" (empty in a fresh profile).
  for (let end = Date.now() + 300000; ; await delay(250)) {
    const scores = await page.eval(stored('h_score'));
    if (scores && scores[4] + scores[12] > 0) break;
    if (Date.now() > end) throw new Error('the game did not end within 300 s');
  }
  const length = Date.now() - begun;
  // Two frames more: whatever the last result started has run.
  await page.eval('new Promise((r) => requestAnimationFrame(() => requestAnimationFrame(r)))');
  const tasks = await page.eval('longTasks');
  return { tasks, length };
}

async function main() {
  const build = path.resolve(process.argv[2] || 'build-web');
  const runs = Number(process.env.RUNS || 1);
  const server = await serve(build);
  const url = `http://127.0.0.1:${server.address().port}/`;
  try {
    console.log(`== long tasks, navigation to the end of a two-robot expert game`);
    for (let i = 0; i < runs; i++) {
      const browser = new Browser();
      try {
        const { tasks, length } = await expertGame(browser, url);
        const longest = tasks.reduce((m, t) => Math.max(m, t[1]), 0);
        const over = tasks.filter((t) => t[1] > 100);
        console.log(`longest task ${longest.toFixed(0)} ms (goal: 100); ${tasks.length} over 50 ms, ` +
          `${over.length} over 100 ms; game ${(length / 1000).toFixed(1)} s`);
        console.log(`  each over 50 ms (duration at ms after navigation): ` +
          `${tasks.map((t) => `${t[1].toFixed(0)} at ${t[0].toFixed(0)}`).join(', ') || 'none'}`);
      } finally {
        await browser.close();
      }
    }
  } finally {
    server.close();
  }
}

if (require.main === module) main().catch((e) => { console.error(`longtask: ${e.message}`); process.exitCode = 1; });
module.exports = { expertGame };
