// The page on a phone and a tablet, by touch alone: a whole human turn by taps (a die held,
// "Kasta", a double tap on the dice window, "Klar", a tap on a row, a long press to write it)
// and a double tap writing the next (the mouse the third, the row bar the fourth), with every window inside the view, no sideways scroll,
// fingers' targets and canvases at device pixels. Then the view turns and shrinks to 320 px,
// and widens back to the desktop's layout. Screenshots go to SHOTS/web-phone.png, web-tablet.png.
// Usage: node phone_test.js BUILD_WEB SHOTS
'use strict';
const fs = require('fs');
const path = require('path');
const { serve, Browser } = require('./cdp.js');

const [webBuild, shots] = process.argv.slice(2);
const W = 40, H = 20; // the sheet's column width and row height in game pixels

function check(ok, what) {
  if (!ok) throw new Error(what);
}

// Everything shown lies inside the view, nothing scrolls sideways, and every control a finger
// uses is 24 CSS px at least (the desktop's own bars, from 800 px on, stay as they are).
const LAID_OUT = `(() => {
  const bad = [];
  if (document.documentElement.scrollWidth > innerWidth) bad.push('scrollWidth ' + document.documentElement.scrollWidth);
  for (const el of document.querySelectorAll('.win, .dialog, .box, .popup')) {
    if (el.hidden || getComputedStyle(el).visibility === 'hidden') continue;
    const r = el.getBoundingClientRect();
    if (r.left < 0 || r.top < 0 || r.right > innerWidth + 0.5 || r.bottom > innerHeight + 0.5)
      bad.push((el.id || el.className) + ' at ' + [r.left, r.top, r.right, r.bottom].map(Math.round));
  }
  const fingers = document.body.classList.contains('compact') ? '.menubar .top, .cmdbar button, .die, ' : '';
  for (const el of document.querySelectorAll(fingers + '.popup .item, .dialog button, .box button')) {
    const r = el.getBoundingClientRect();
    if (r.width && (r.width < 24 || r.height < 24)) bad.push('small ' + el.textContent + ' ' + [r.width, r.height].map(Math.round));
  }
  for (const c of document.querySelectorAll('#desk canvas')) {
    const r = c.getBoundingClientRect(), k = devicePixelRatio;
    if (r.width && Math.abs(c.width - r.width * k) > 1.01) bad.push(c.id + ' backing ' + c.width + ' for ' + r.width * k);
  }
  return bad.join('; ');
})()`;

async function play(browser, url, { width, height, scale, name }) {
  const page = await browser.newPage({ ownContext: true });
  const laidOut = async (when) => {
    const bad = await page.eval(LAID_OUT);
    check(!bad, `${name} ${width}x${height}, ${when}: ${bad}`);
  };
  try {
    await page.send('Emulation.setDeviceMetricsOverride', { width, height, deviceScaleFactor: scale, mobile: true });
    await page.send('Emulation.setTouchEmulationEnabled', { enabled: true, maxTouchPoints: 5 });
    await page.navigate(url);
    await page.waitFor("performance.getEntriesByName('dyxel-first-frame').length", 20, 'the first frame');
    const touch = (type, x, y) => page.send('Input.dispatchTouchEvent', { type, touchPoints: type === 'touchEnd' ? [] : [{ x, y }] });
    const tap = async (x, y) => {
      await touch('touchStart', x, y);
      await touch('touchEnd');
    };
    const centre = (selector) => page.eval(`(() => { const r = document.querySelector(${JSON.stringify(selector)}).getBoundingClientRect(); return [r.left + r.width / 2, r.top + r.height / 2]; })()`);
    const tapOn = async (selector) => tap(...await centre(selector));
    // A point of the sheet, in game pixels, where the page shows it.
    const sheet = (x, y) => page.eval(`(() => { const c = document.getElementById('root-canvas'), r = c.getBoundingClientRect();
      return [r.left + ${x} * r.width / c.size[0], r.top + ${y} * r.height / c.size[1]]; })()`);
    // Dark pixels in a cell of the player's column, at whatever density the canvas has.
    const cell = (row) => `(() => { const c = document.getElementById('root-canvas'), k = c.width / c.size[0];
      return Array.from(c.getContext('2d').getImageData(${W / 2 + 2 * W + 3} * k, ${row * H + H + 4} * k, ${W - 4} * k, ${H - 4} * k).data)
        .filter((v, i) => i % 4 === 0 && v < 100).length; })()`;
    const title = () => page.eval("document.querySelector('#dice-win .caption').textContent");
    const diceShown = "!document.getElementById('dice-win').hidden";
    await laidOut('at the start');

    // The menu and the dialog by taps.
    await tapOn('#root-win .menubar .top');
    await page.waitFor("document.querySelector('.popup')", 10, 'the Fil menu');
    await laidOut('with the menu open');
    await tapOn('.popup .item');
    await page.waitFor("document.activeElement.id === 'dlg-name'", 10, 'the dialog');
    await page.type('AB');
    await laidOut('with the dialog open');
    await tapOn('#dlg-add');
    await page.waitFor("document.getElementById('dlg-list').textContent === 'AB'", 10, 'AB in the list');
    await tapOn('#dlg-done');
    await page.waitFor(diceShown, 10, 'the dice window');
    await laidOut('at the first turn');

    // Hold the first die, throw, "Klar".
    const die = (i) => page.eval(`document.querySelectorAll('.die')[${i}].getAttribute('aria-label') + '/' + document.querySelectorAll('.die')[${i}].getAttribute('aria-pressed')`);
    await tapOn('.die');
    await page.waitFor("document.querySelector('.die').getAttribute('aria-pressed') === 'true'", 10, 'the first die held');
    const held = await die(0);
    await tapOn('#dice-win [data-id="2001"]');
    await page.waitFor(`document.querySelector('#dice-win .caption').textContent.endsWith('Kvar: 1')`, 10, 'Kvar: 1');
    check(await die(0) === held, `the held die changed: ${held} -> ${await die(0)}`);
    await tapOn('#dice-win [data-id="2006"]');
    await page.waitFor("document.getElementById('dice-win').hidden", 10, '"Klar" to hide the dice window');

    // A tap on "Chans" proposes it, a long press writes it and the next turn begins.
    const chans = await sheet(200, 16 * H + 10);
    await tap(...chans);
    await page.waitFor(`${cell(15)} > 0`, 10, 'the preview in "Chans"');
    check(await page.eval("document.getElementById('dice-win').hidden"), 'a tap wrote the row');
    await touch('touchStart', ...chans);
    await page.waitFor(diceShown, 10, 'a long press to write "Chans"');
    await touch('touchEnd');
    check(await title() === 'Spelare: AB   Kvar: 2', `after the long press: ${await title()}`);
    await laidOut('at the second turn');
    await page.screenshot(path.join(shots, `web-${name}.png`));

    // A double tap on the dice window's strip throws; "Klar", and a double tap writes "1:or".
    const strip = await page.eval("(() => { const r = document.getElementById('dice-canvas').getBoundingClientRect(); return [r.left + r.width * 0.9, r.bottom - r.height * 0.05]; })()");
    await tap(...strip);
    await tap(...strip);
    await page.waitFor("document.querySelector('#dice-win .caption').textContent.endsWith('Kvar: 1')", 10, 'a double tap to throw');
    await tapOn('#dice-win [data-id="2006"]');
    await page.waitFor("document.getElementById('dice-win').hidden", 10, '"Klar" again');
    const ones = await sheet(200, H + 10);
    await tap(...ones);
    await tap(...ones);
    await page.waitFor(diceShown, 10, 'a double tap to write "1:or"');
    check(await page.eval(`${cell(0)} > 0 && ${cell(15)} > 0`), 'rows "Chans" and "1:or" written');
    // The mouse still plays on the scaled desk: "Klar" and a double click on "2:or".
    await page.click(...await centre('#dice-win [data-id="2006"]'));
    await page.waitFor("document.getElementById('dice-win').hidden", 10, '"Klar" by the mouse');
    await page.doubleClick(...await sheet(200, 2 * H + 10));
    await page.waitFor(`${diceShown} && ${cell(1)} > 0`, 10, 'a double click to write "2:or"');
    // The row bar, for rows smaller than a finger: down proposes "3:or", the first free row, and
    // "Skriv in" writes it.
    await tapOn('#dice-win [data-id="2006"]');
    await page.waitFor("document.getElementById('dice-win').hidden", 10, '"Klar" before the row bar');
    await tapOn('.rowbar button:nth-child(2)');
    await page.waitFor("(Dyxel.a11y.view.sel || []).join() === '0,2'", 10, 'the row bar proposing "3:or"');
    check(await page.eval("document.getElementById('dice-win').hidden"), 'a move of the row bar wrote the row');
    await tapOn('.rowbar button:nth-child(3)');
    await page.waitFor(`${diceShown} && ${cell(2)} > 0`, 10, '"Skriv in" to write "3:or"');

    // Turned, and the smallest view in both ways: still all in view; wide again: the desktop's.
    for (const [w, h] of [[height, width], [320, 480], [480, 320]]) {
      await page.send('Emulation.setDeviceMetricsOverride', { width: w, height: h, deviceScaleFactor: scale, mobile: true });
      await page.waitFor(`innerWidth === ${w} && !${LAID_OUT}`, 10).catch(() => {});
      await laidOut(`turned to ${w}x${h}`);
    }
    await page.send('Emulation.setDeviceMetricsOverride', { width: 1000, height: 800, deviceScaleFactor: 1, mobile: false });
    await page.waitFor("innerWidth === 1000 && !document.body.classList.contains('compact')", 10, 'the desktop layout');
    const desk = await page.eval("(() => { const d = document.getElementById('desk').getBoundingClientRect(), c = document.getElementById('root-canvas'); return [d.width, d.height, c.width, c.height, getComputedStyle(document.getElementById('dice-win')).left].join(); })()");
    check(desk === '760,540,438,476,400px', `the desktop's desk: ${desk}`);
    check(page.errors.length === 0, `errors on the page: ${page.errors.join('; ')}`);
  } catch (e) {
    await page.screenshot(path.join(shots, `web-${name}-failure.png`)).catch(() => {});
    if (page.errors.length) e.message += ` (errors on the page: ${page.errors.join("; ")})`;
    throw e;
  }
}

async function main() {
  check(fs.existsSync(path.join(webBuild, 'dyxel.js')), `no ${webBuild}/dyxel.js: run make web`);
  const server = await serve(path.resolve(webBuild));
  const url = `http://127.0.0.1:${server.address().port}/`;
  const browser = new Browser();
  try {
    await play(browser, url, { width: 360, height: 640, scale: 3, name: 'phone' });
    await play(browser, url, { width: 768, height: 1024, scale: 2, name: 'tablet' });
    console.log('web phone: ok');
  } catch (e) {
    console.error(`FAIL: ${e.message}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.close();
  }
}

main();
