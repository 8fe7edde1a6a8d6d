// The page in headless Chromium, played as a player would: start-up, the menus by keyboard, the
// dialog and the boxes, a human turn with holds by mouse and keys, a robots-only game whose
// h_score equals the simulator's for the same second, and a reload that keeps the options and
// the list. Screenshots go to SHOTS/web-*.png.
// Usage: node page_test.js BUILD_WEB SHOTS SIMULATOR...
'use strict';
const { execFileSync } = require('child_process');
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve, Browser, delay } = require('./cdp.js');

const [webBuild, shots, ...sim] = process.argv.slice(2);
const res = path.join(__dirname, '../../res/pic');
const SECOND = 1700000000;
// The page's clock stands still at SECOND; every sound started is recorded.
const SETUP = `Date.now = () => ${SECOND}000;
  window.sounds = [];
  const start = AudioBufferSourceNode.prototype.start;
  AudioBufferSourceNode.prototype.start = function () {
    sounds.push(this.buffer.sampleRate);
    return start.apply(this, arguments);
  };`;
const W = 40, H = 20; // the sheet's column width and row height in the game's font

function check(ok, what) {
  if (!ok) throw new Error(what);
}

// The pixels of a BMP of res/pic as RGBA rows, top first (8-bit palette or 24-bit).
function bmp(name) {
  const d = fs.readFileSync(path.join(res, name + '.bmp'));
  const [w, h, bits] = [d.readInt32LE(18), d.readInt32LE(22), d.readUInt16LE(28)];
  const stride = Math.ceil((w * bits) / 32) * 4, palette = 14 + d.readUInt32LE(14);
  const out = new Uint8Array(w * h * 4);
  for (let y = 0; y < h; y++)
    for (let x = 0; x < w; x++) {
      const at = d.readUInt32LE(10) + (h - 1 - y) * stride;
      const p = bits === 8 ? palette + 4 * d[at + x] : at + 3 * x;
      out.set([d[p + 2], d[p + 1], d[p], 255], 4 * (y * w + x));
    }
  return { w, h, px: out };
}
const FACES = ['free', 'held'].flatMap((k) => [1, 2, 3, 4, 5, 6].map((n) => k + n));
const faces = Object.fromEntries(FACES.map((f) => [f, bmp(f)]));
// A picture stretched to a square of `side`, nearest source pixel.
function stretch(p, side) {
  const out = new Uint8Array(side * side * 4);
  for (let j = 0; j < side; j++)
    for (let i = 0; i < side; i++) {
      const from = 4 * (Math.floor((j * p.h) / side) * p.w + Math.floor((i * p.w) / side));
      out.set(p.px.subarray(from, from + 4), 4 * (j * side + i));
    }
  return out;
}
const same = (a, b) => a.length === b.length && a.every((v, i) => v === b[i]);

async function main() {
  check(fs.existsSync(path.join(webBuild, 'dyxel.js')), `no ${webBuild}/dyxel.js: run make web`);
  const server = await serve(path.resolve(webBuild));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = new Browser();
  let page;
  const shot = (name) => page.screenshot(path.join(shots, `web-${name}.png`));
  try {
    page = await browser.newPage();
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: SETUP });
    const pixels = (canvas, x, y, w, h) =>
      page.eval(`Array.from(document.getElementById('${canvas}').getContext('2d').getImageData(${x}, ${y}, ${w}, ${h}).data)`);
    const dark = async (x, y, w, h) => (await pixels('root-canvas', x, y, w, h))
      .filter((v, i) => i % 4 === 0 && v + 0 < 100).length;
    const face = async (i) => {
      const px = await page.eval(`Array.from(document.querySelectorAll('.die')[${i}].getContext('2d').getImageData(0, 0, 64, 64).data)`);
      return FACES.find((f) => same(px, faces[f].px)) || 'unknown';
    };
    const at = async (selector) => page.eval(`(() => { const r = document.querySelector('${selector}').getBoundingClientRect(); return [r.left, r.top]; })()`);
    const title = () => page.eval("document.querySelector('#dice-win .caption').textContent");
    const menuRows = () => page.eval("[...document.querySelectorAll('.popup')].pop() ? [...[...document.querySelectorAll('.popup')].pop().children].map((r) => r.textContent + (r.getAttribute('aria-checked') === 'true' ? '*' : '') + (r.classList.contains('sel') ? '<' : '')) : []");
    const stored = (name) => page.eval(`new Promise((done) => { const q = indexedDB.open('/dyxel');
      q.onsuccess = () => { const g = q.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/dyxel/${name}');
      g.onsuccess = () => done(g.result ? Array.from(g.result.contents, (b) => b & 255) : null); }; })`);
    const started = () => page.waitFor("performance.getEntriesByName('dyxel-first-frame').length", 20, 'the first frame');

    // Start-up: the felt and the logo in the corner, pixel for pixel.
    await page.navigate(url);
    await started();
    const [cw, ch] = await page.eval("[document.getElementById('root-canvas').width, document.getElementById('root-canvas').height]");
    check(same(await pixels('root-canvas', cw - 120, ch - 88, 120, 88), bmp('logo').px), 'no logo in the corner');
    await shot('start');

    // Menus by keyboard: marks from the defaults; a mnemonic shared by two items highlights them in
    // turn; "&Långa kast" is switched off.
    await page.key('Alt+i');
    await page.key('l');
    check((await menuRows()).join('|') === 'Tärningskast*<|Robot*', `Ljud: ${await menuRows()}`);
    await shot('menu');
    await page.key('Escape');
    check((await menuRows())[0] === 'Ljud<', `back in Inställningar: ${await menuRows()}`);
    await page.key('r');
    check((await menuRows())[1] === 'Robot<', `r: ${await menuRows()}`);
    await page.key('r');
    check((await menuRows())[4] === 'rensa tio i top<', `r twice: ${await menuRows()}`);
    await page.key('r');
    await page.key('ArrowRight');
    check((await menuRows()).join('|') === 'Långa kast*<|Expert|Mästare', `Robot: ${await menuRows()}`);
    await page.key('l');
    check((await menuRows()).length === 0, 'a command leaves the menus closed');

    // The dialog: initials too wide for a column are refused in an information box, five letters
    // add three, an empty "Lägg till" starts the game.
    await page.key('Alt+f');
    await page.key('n');
    await page.waitFor("document.activeElement.id === 'dlg-name'", 10, 'the dialog');
    await page.type('WWW');
    await page.key('Enter');
    await page.waitFor("document.querySelector('.box .icon.info')", 10, 'the information box');
    check(await page.eval("document.querySelector('.box .caption').textContent") === 'För långt!', 'caption of the box');
    await shot('box');
    await page.key('Enter');
    await page.waitFor("!document.querySelector('.box')", 10, 'the box to close');
    check(await page.eval("document.getElementById('dlg-name').value") === 'WWW', 'the refused initials stay');
    for (let i = 0; i < 3; i++) await page.key('Backspace');
    await page.type('ABCDE');
    await page.key('Enter');
    check(await page.eval("document.getElementById('dlg-list').textContent") === 'ABC', 'ABCDE adds ABC');
    await shot('dialog');
    await page.key('Enter');

    // A human turn: holds by mouse and by key 3, "&Kasta" keeps the held faces, "&Lika" shows
    // pressed while on, "&Klar" by the K mnemonic shared with "&Kasta".
    await page.waitFor("!document.getElementById('dice-win').hidden", 10, 'the dice window');
    check(await title() === 'Spelare: ABC   Kvar: 2', `dice window title: ${await title()}`);
    const [dx, dy] = await at('.die');
    await page.click(dx + 30, dy + 30);
    await page.key('3');
    const before = await Promise.all([0, 1, 2, 3, 4].map(face));
    check(before[0].startsWith('held') && before[2].startsWith('held') && before[1].startsWith('free'), `holds: ${before}`);
    const [kx, ky] = await at('#dice-win [data-id="2001"]');
    await page.click(kx + 5, ky + 5);
    await page.waitFor("document.querySelector('#dice-win .caption').textContent.endsWith('Kvar: 1')", 10, 'Kvar: 1');
    const after = await Promise.all([0, 1, 2, 3, 4].map(face));
    check(after[0] === before[0] && after[2] === before[2], `held dice kept: ${before} -> ${after}`);
    check((await page.eval('sounds')).includes(11025), 'a throw sound');
    const [lx, ly] = await at('#dice-win [data-id="2004"]');
    await page.click(lx + 5, ly + 5);
    check(await page.eval("document.querySelector('[data-id=\"2004\"]').getAttribute('aria-pressed')") === 'true', '"Lika" on');
    await shot('human');
    // The bar as a menu bar: Alt+K selects "Kasta", K the next, Escape leaves; the focus stays.
    const selected = () => page.eval("[...document.querySelectorAll('#dice-win .cmdbar .sel')].map((b) => b.textContent).join() + '@' + document.activeElement.tagName");
    await page.key('Alt+k');
    check(await selected() === 'Kasta@CANVAS', `Alt+K: ${await selected()}`);
    await page.key('k');
    check(await selected() === 'Klar@CANVAS', `K: ${await selected()}`);
    await page.key('Escape');
    check(await selected() === '@CANVAS', `Escape: ${await selected()}`);
    await page.key('Alt+k');
    await page.key('Alt+k');
    await page.key('Enter');
    await page.waitFor("document.getElementById('dice-win').hidden", 10, '"Klar" to hide the dice window');
    // The strip shows the same dice, sorted, stretched from the free faces.
    const pips = (await Promise.all([0, 1, 2, 3, 4].map(face))).map((f) => f.slice(4)).sort();
    const side = Math.floor((7 * W + 6) / 5);
    const strip = [];
    for (let i = 0; i < 5; i++) {
      const px = await pixels('root-canvas', W / 2 + 2 + i * side, 19 * H + 4, side, side);
      strip.push(['1', '2', '3', '4', '5', '6'].find((n) => same(px, stretch(faces['free' + n], side))));
    }
    check(strip.slice().sort().join() === pips.join(), `the strip shows ${strip}, the dice ${pips}`);
    // A click proposes "Chans", a right click writes it; Down and Return write the next row.
    const [rx, ry] = await at('#root-canvas');
    const cell = (row) => dark(W / 2 + 2 * W + 3, row * H + H + 4, W - 4, H - 4);
    await page.click(rx + 200, ry + 16 * H + 10);
    check(await cell(15) > 0, 'no preview in "Chans"');
    await shot('preview');
    await page.click(rx + 200, ry + 16 * H + 10, { button: 'right' });
    await page.waitFor("!document.getElementById('dice-win').hidden", 10, 'the next turn');
    await page.key('Alt+k');
    await page.key('Alt+k');
    await page.key('Enter');
    await page.key('ArrowDown');
    await page.key('Enter');
    await page.waitFor("!document.getElementById('dice-win').hidden", 10, 'the third turn');
    check(await cell(15) > 0 && await cell(0) > 0, 'rows "Chans" and "1:or" written');
    // A double click on the dice window's grey strip throws; one on the sheet writes "2:or".
    const [gx, gy] = await at('#dice-canvas');
    await page.doubleClick(gx + 200, gy + 80);
    check(await title() === 'Spelare: ABC   Kvar: 1', `double click in the dice window: ${await title()}`);
    for (const k of ['Alt+k', 'Alt+k', 'Enter']) await page.key(k);
    await page.doubleClick(rx + 200, ry + 2 * H + 10);
    await page.waitFor("document.querySelector('#dice-win .caption').textContent.endsWith('Kvar: 2')", 10, 'the fourth turn');
    check(await cell(1) > 0, 'row "2:or" written');

    // Robots only, with the game running: the stop box asks, J answers Ja. Virtual time lets the
    // pauses pass at once; the clock the dice are seeded from stands at SECOND.
    const [tx, ty] = await at('#root-win .caption');
    await page.click(tx + 100, ty + 5);
    await page.key('Alt+f');
    await page.key('n');
    await page.waitFor("document.querySelector('.box .icon.stop')", 10, 'the stop box');
    check(await page.eval("document.querySelector('.box').textContent").then((t) => t.includes('Ett spel pågår, vill du avbryta det?JaNej')), 'the warning');
    await page.key('j');
    await page.waitFor("document.activeElement.id === 'dlg-name'", 10, 'the dialog');
    // Tab goes through the field, "Klar", the list, "Lägg till" and "Robot", and round.
    const order = [];
    for (let i = 0; i < 5; i++) {
      await page.key('Tab');
      order.push(await page.eval('document.activeElement.id'));
    }
    check(order.join() === 'dlg-done,dlg-list,dlg-add,dlg-robot,dlg-name', `tab order ${order}`);
    for (const name of ['R1', 'R2']) {
      await page.type(name);
      await page.key('Shift+Tab');
      await page.key(' ');
      await page.key('Enter');
    }
    await page.send('Emulation.setVirtualTimePolicy', { policy: 'advance' });
    await page.key('Enter');
    await page.waitFor("document.querySelector('.dialog') === null", 10, 'the dialog to close');
    const work = fs.mkdtempSync(path.join(os.tmpdir(), 'dyxel-sim-'));
    execFileSync(sim[0], [...sim.slice(1), '--robots', '2', '--time', String(SECOND), '--top-ten'], { cwd: work });
    const expected = Array.from(fs.readFileSync(path.join(work, 'h_score')));
    fs.rmSync(work, { recursive: true });
    let got = null;
    for (let end = Date.now() + 120000; Date.now() < end; await delay(200)) {
      got = await stored('h_score');
      if (got && got[4] + got[12] > 0) break;
    }
    check(same(got || [], expected), `h_score ${got} differs from the simulator's ${expected}`);
    await shot('robots');

    // A reload keeps the options and the list.
    await page.send('Page.reload');
    await started();
    const state = await stored('state');
    const words = [0, 1, 2, 3, 4, 5, 6].map((i) => Buffer.from(state).readInt32LE(4 * i));
    check(words.join() === '1,0,1,1,1,0,0', `state after the reload: ${words}`);
    await page.key('Alt+i');
    await page.key('r');
    await page.key('ArrowRight');
    check((await menuRows()).join('|') === 'Långa kast<|Expert|Mästare', `marks after the reload: ${await menuRows()}`);
    await page.key('Escape');
    await page.key('Escape');
    await page.key('Alt+f');
    await page.key('s');
    const x = 8 * W + 8;
    check(await dark(x, 17, 76, 17) > 20 && await dark(x, 17 + H, 76, 17) > 20, 'two results in the list');
    check(await dark(x, 17 + 2 * H, 76, 160) === 0, 'only two results in the list');
    await shot('reload');

    // A human plays badly on purpose: "&Klar" at once and the first free row, fifteen times.
    // "&Granskning" is greyed until the game has ended; then its box, in the accessibility tree
    // as an alert dialog, names the costliest decisions, and "statistik" holds the game.
    await page.key('Alt+h');
    check(await page.eval("document.querySelector('.popup [data-id=\"1016\"]').getAttribute('aria-disabled')") === 'true', 'Granskning not greyed');
    await page.key('Escape');
    await page.key('Alt+f');
    await page.key('n');
    await page.waitFor("document.activeElement.id === 'dlg-name'", 10, 'the dialog');
    await page.type('AB');
    await page.key('Enter');
    await page.key('Enter');
    for (let turn = 1; turn <= 15; turn++) {
      await page.waitFor("!document.getElementById('dice-win').hidden", 10, `turn ${turn}`);
      for (const k of ['Alt+k', 'Alt+k', 'Enter', 'ArrowDown', 'Enter']) await page.key(k);
    }
    // The robots' game is there already: wait for AB's.
    const hasAB = (bytes) => !!bytes && Buffer.from(bytes).toString('latin1').includes('\r\nAB 1 ');
    let statistics = null;
    for (let end = Date.now() + 20000; !hasAB(statistics) && Date.now() < end; await delay(200)) statistics = await stored('statistik');
    check(hasAB(statistics), 'no game of AB in statistik');
    await page.key('Alt+h');
    await page.key('g');
    await page.waitFor("document.querySelector('.box[role=alertdialog]')", 10, 'the review box');
    check(await page.eval("document.querySelector('.box .caption').textContent") === 'Granskning', 'caption of the review');
    const review = await page.eval("document.querySelector('.box .text').textContent");
    check(/^Granskning av AB\nFörlust mot bästa spel: \d+,\d poäng i 30 beslut, \d+ kostade mer än 0,5\.(\nTur \d+: [1-6]( [1-6]){4}, du (skrev|sparade) [^\n]+, bäst [^\n]+, \u2013\d+,\d){3}$/.test(review), `review: ${review}`);
    await shot('review');
    await page.key('Enter');
    await page.waitFor("!document.querySelector('.box')", 10, 'the review box to close');

    // The help: Tab never enters it and leaves it for the game; Escape closes it, in it or not.
    const helpOpen = () => page.eval("!!document.getElementById('help-win')");
    for (const inside of [true, false]) {
      await page.key('F1');
      await page.waitFor("document.querySelector('#help-win iframe')?.contentDocument?.body?.childElementCount", 10, 'the help');
      const [hx, hy] = await at('#help-win iframe');
      await page.click(hx + 200, hy + 200);
      check(await page.eval("document.activeElement.tagName") === 'IFRAME', 'the help takes the focus');
      if (!inside) {
        await page.key('Tab');
        check(await page.eval("document.activeElement.id") === 'root-win', 'Tab back to the game');
      }
      await page.key('Escape');
      check(!await helpOpen(), `Escape ${inside ? 'in' : 'out of'} the help`);
    }
    check(page.errors.length === 0, `errors on the page: ${page.errors.join('; ')}`);
    console.log('web page: ok');
  } catch (e) {
    if (page) await shot('failure').catch(() => {});
    console.error(`FAIL: ${e.message}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.close();
  }
}

main();
