// The page's cut-down font draws the page's characters as the whole font does, ligatures and
// kerning included, and leaves every other character to the browser's fallback instead of a
// blank. Only the few superscripts may differ: the browser's hinting of them looks at which
// characters the font maps.
// Usage: node font_test.js FONT.ttf SHOTS
'use strict';
const fs = require('fs');
const os = require('os');
const path = require('path');
const { serve, Browser } = require('./cdp.js');
const { subset, tables, glyphOf, characters } = require('../../platform/web/font_subset.js');

const [fontFile, shots] = process.argv.slice(2);
const HINTED_APART = 'ª²³¹º';

function check(ok, what) {
  if (!ok) throw new Error(what);
}

async function main() {
  const dir = fs.mkdtempSync(path.join(os.tmpdir(), 'dyxel-font-'));
  const full = fs.readFileSync(fontFile);
  const cut = subset(full);
  fs.writeFileSync(path.join(dir, 'full.ttf'), full);
  fs.writeFileSync(path.join(dir, 'cut.ttf'), cut);
  fs.writeFileSync(path.join(dir, 'index.html'), `<!DOCTYPE html><meta charset="utf-8"><style>
    @font-face { font-family: Full; src: url(full.ttf); } @font-face { font-family: Cut; src: url(cut.ttf); }</style>`);
  check(cut.length < full.length / 3, `the cut font has ${cut.length} bytes of ${full.length}`);
  const mapped = glyphOf(tables(cut).get('cmap'));
  check(mapped(0x416) === 0 && mapped(0x3b1) === 0, 'a character the page never shows is still mapped');

  const server = await serve(dir);
  const browser = new Browser();
  let page;
  try {
    page = await browser.newPage();
    await page.navigate(`http://127.0.0.1:${server.address().port}/`);
    const words = characters().map((c) => String.fromCodePoint(c))
      .concat(['fi', 'ffl', 'AVATAR', 'Tärning', 'Lägg till', 'Fil → Nytt spel', 'Wå Yö']);
    const apart = await page.eval(`(async () => {
      for (const f of ['Full', 'Cut'])
        if ((await document.fonts.load('13.3333px ' + f)).length !== 1) throw new Error(f + ' did not load');
      const draw = (f, t) => {
        const c = document.createElement('canvas');
        c.width = 160;
        c.height = 20;
        const x = c.getContext('2d');
        x.font = '13.3333px ' + f;
        x.fillText(t, 2, 14);
        return x.measureText(t).width + ':' + x.getImageData(0, 0, 160, 20).data.join();
      };
      return ${JSON.stringify(words)}.filter((w) => draw('Full', w) !== draw('Cut', w)).join('');
    })()`);
    check([...apart].every((ch) => HINTED_APART.includes(ch)), `drawn apart: ${apart}`);
    console.log('web font: ok');
  } catch (e) {
    console.error(`FAIL: ${e.message}`);
    if (page) await page.screenshot(path.join(shots, 'web-font-failure.png')).catch(() => {});
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.close();
    fs.rmSync(dir, { recursive: true, force: true });
  }
}

main();
