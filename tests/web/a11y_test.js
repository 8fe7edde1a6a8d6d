// The page played without sight: a whole game, "ABC" against one robot, read only through the
// accessibility tree (Accessibility.getFullAXTree) and played only with keys; ABC's "Total" in
// the sheet's twin must be the total the game stored in "h_score". Along the way, a few rules
// in the manner of axe are checked on the tree and the page.
// Usage: node a11y_test.js BUILD_WEB SHOTS
'use strict';
const path = require('path');
const { serve, Browser, delay } = require('./cdp.js');

const [webBuild, shots] = process.argv.slice(2);

function check(ok, what) {
  if (!ok) throw new Error(what);
}

// Roles a player acts on: each needs a name.
const ACTIVE = new Set(['button', 'toggleButton', 'checkbox', 'menuitem', 'menuitemcheckbox',
  'textbox', 'link', 'radio', 'switch', 'tab', 'combobox', 'listbox', 'option', 'slider',
  'spinbutton', 'grid']);
const ARIA_ROLES = new Set(('alert alertdialog application article banner button cell checkbox ' +
  'columnheader combobox complementary contentinfo definition dialog directory document feed ' +
  'figure form grid gridcell group heading img link list listbox listitem log main marquee math ' +
  'menu menubar menuitem menuitemcheckbox menuitemradio navigation none note option ' +
  'presentation progressbar radio radiogroup region row rowgroup rowheader scrollbar search ' +
  'searchbox separator slider spinbutton status switch tab table tablist tabpanel term textbox ' +
  'timer toolbar tooltip tree treegrid treeitem').split(' '));
// Which roles may carry a state attribute (native buttons and inputs count by their tag).
const STATE_ROLES = {
  'aria-pressed': ['button'],
  'aria-checked': ['checkbox', 'menuitemcheckbox', 'menuitemradio', 'radio', 'switch', 'option'],
  'aria-selected': ['gridcell', 'option', 'row', 'tab', 'columnheader', 'rowheader'],
};

async function main() {
  const server = await serve(path.resolve(webBuild));
  const browser = new Browser();
  let page;
  try {
    page = await browser.newPage();
    // The clock the dice are seeded from stands still, so every run plays the same game.
    await page.send('Page.addScriptToEvaluateOnNewDocument', { source: 'Date.now = () => 1700000000000;' });
    await page.send('Accessibility.enable');
    const tree = async () => {
      const { nodes } = await page.send('Accessibility.getFullAXTree');
      const byId = new Map(nodes.map((n) => [n.nodeId, n]));
      const all = nodes.filter((n) => !n.ignored).map((n) => ({
        id: n.nodeId,
        role: n.role?.value ?? '',
        name: n.name?.value ?? '',
        props: Object.fromEntries((n.properties || []).map((p) => [p.name, p.value.value])),
        kids: n.childIds || [],
      }));
      const live = new Map(all.map((n) => [n.id, n]));
      // The nodes below one, ignored ones looked through.
      const below = (node) => {
        const out = [];
        const walk = (id) => {
          const n = byId.get(id);
          if (!n) return;
          if (!n.ignored) out.push(live.get(id));
          (n.childIds || []).forEach(walk);
        };
        node.kids.forEach(walk);
        return out;
      };
      const find = (role, name) => all.find((n) => role.split('|').includes(n.role) &&
        (name === undefined || (name instanceof RegExp ? name.test(n.name) : n.name === name)));
      return { all, below, find, focused: all.find((n) => n.props.focused && n.role !== 'RootWebArea') };
    };
    const until = async (what, test, seconds = 20) => {
      const end = Date.now() + seconds * 1000;
      for (;;) {
        const t = await tree();
        const v = await test(t);
        if (v) return v;
        if (Date.now() > end) throw new Error(`timed out waiting for ${what}; focus on ${t.focused?.role} "${t.focused?.name}"`);
        await delay(20);
      }
    };
    // What the live region has said, one entry a line.
    const heard = (t) => {
      const log = t.find('log', 'Händelser');
      return log ? t.below(log).filter((n) => n.role === 'paragraph')
        .map((p) => t.below(p).filter((s) => s.role === 'StaticText').map((s) => s.name).join('')) : [];
    };
    // What was said after `before` (the region keeps only its latest entries).
    const since = (before, now) => {
      const tail = before.slice(-3).join('\n');
      for (let i = now.length; i >= 3 && before.length >= 3; i--)
        if (now.slice(i - 3, i).join('\n') === tail) return now.slice(i);
      return now;
    };
    const dice = (t) => [1, 2, 3, 4, 5].map((i) => {
      const b = t.find('button|toggleButton', new RegExp(`^Tärning ${i}: [1-6]$`));
      return b && { pips: Number(b.name.slice(-1)), held: b.props.pressed === 'true' || b.props.pressed === true };
    });
    // The sheet: a row per sheet row, its header's text and its cells' names.
    const sheet = (t) => {
      const grid = t.find('grid', 'Protokoll');
      const rows = t.below(grid).filter((n) => n.role === 'row').map((r) => {
        const cells = t.below(r).filter((c) => ['columnheader', 'rowheader', 'gridcell'].includes(c.role));
        return cells.map((c) => ({ name: c.name, selected: c.props.selected === true || c.props.selected === 'true' }));
      });
      return { grid, head: rows[0].map((c) => c.name), rows: rows.slice(1) };
    };
    const axe = async (when) => {
      const t = await tree();
      for (const n of t.all) {
        const named = n.name.trim() !== '';
        check(named || !(ACTIVE.has(n.role) || n.props.focusable), `${when}: a ${n.role} without a name`);
      }
      const dom = await page.eval(`(() => {
        const bad = [];
        const roles = ${JSON.stringify([...ARIA_ROLES])};
        const states = ${JSON.stringify(STATE_ROLES)};
        for (const el of document.querySelectorAll('[role]'))
          if (!roles.includes(el.getAttribute('role'))) bad.push('role ' + el.getAttribute('role'));
        for (const [attr, allowed] of Object.entries(states))
          for (const el of document.querySelectorAll('[' + attr + ']')) {
            const role = el.getAttribute('role') || (el.tagName === 'BUTTON' ? 'button' : el.tagName === 'TD' ? 'gridcell' : '');
            if (!allowed.includes(role)) bad.push(attr + ' on ' + (role || el.tagName));
          }
        for (const attr of ['aria-labelledby', 'aria-describedby', 'aria-activedescendant'])
          for (const el of document.querySelectorAll('[' + attr + ']'))
            for (const id of el.getAttribute(attr).split(/\\s+/))
              if (!document.getElementById(id)) bad.push(attr + ' names no ' + id);
        if (document.querySelectorAll('[aria-live], [role="log"], [role="status"]').length !== 1) bad.push('not one live region');
        const tab = [...document.querySelectorAll('button, input, [tabindex]')]
          .filter((el) => el.tabIndex >= 0 && !el.disabled && el.getClientRects().length);
        if (!tab.length) bad.push('nothing to Tab to');
        return bad;
      })()`);
      check(dom.length === 0, `${when}: ${dom.join('; ')}`);
      return t;
    };

    await page.navigate(`http://127.0.0.1:${server.address().port}/`);
    await until('the menu bar', (t) => t.find('menubar'));
    await axe('start-up');
    // More contrast when asked for; nothing changes otherwise.
    const caption = () => page.eval("getComputedStyle(document.querySelector('#root-win .caption')).backgroundColor");
    const plain = await caption();
    await page.send('Emulation.setEmulatedMedia', { features: [{ name: 'prefers-contrast', value: 'more' }] });
    check(await caption() === 'rgb(0, 26, 77)', `caption with more contrast: ${await caption()}`);
    await page.send('Emulation.setEmulatedMedia', { features: [] });
    check(await caption() === plain, 'the caption as before');

    // The dialog, as its tree shows it: a refused name is said in a named alert box.
    await page.key('Alt+f');
    await page.key('n');
    await until('the name field', (t) => t.find('dialog', 'Ny spelare') &&
      t.focused?.role === 'textbox' && t.focused.name === 'Ny spelare');
    await page.type('WWW');
    await page.key('Enter');
    const box = await until('the box', (t) => t.find('alertdialog', 'För långt!'));
    check(heard(await axe('box')).some((s) => s.startsWith('För långt!: ')), 'the box is said');
    check(box, 'box');
    await page.key('Enter');
    await until('the name field again', (t) => !t.find('alertdialog') && t.focused?.role === 'textbox');
    for (let i = 0; i < 3; i++) await page.key('Backspace');
    await page.type('ABC');
    await page.key('Enter');
    await page.type('R');
    await page.key('Shift+Tab'); // the field, "Klar", the list, "Lägg till", "Robot", round
    await until('the robot box', (t) => t.focused?.role === 'checkbox' && t.focused.name === 'Robot');
    await page.key(' ');
    await page.key('Enter');
    const t0 = await until('two players', (t) => {
      const list = t.find('list', 'Spelare');
      return list && t.below(list).filter((n) => n.role === 'listitem').length === 2 && t;
    });
    await axe('the dialog');
    check(t0.below(t0.find('list', 'Spelare')).filter((n) => n.role === 'StaticText').map((n) => n.name).join() === 'ABC,R', 'the list');
    await page.send('Emulation.setVirtualTimePolicy', { policy: 'advance' });
    await page.key('Enter');

    let said = [];
    let robotHeard = 0;
    for (let turn = 1; turn <= 15; turn++) {
      // The turn begins in the dice window: focus on the first die.
      const t1 = await until(`turn ${turn}`, (t) => t.find('group', /^Spelare: ABC\s+Kvar: 2$/) &&
        /^Tärning 1: /.test(t.focused?.name ?? '') && t);
      const news = since(said, heard(t1));
      check(news.some((s) => s.includes('Tur: ABC.') && s.includes('Tärningar: ')), `turn ${turn} is said: ${news}`);
      said = heard(t1);
      if (turn > 1) {
        const robot = news.join(' ');
        check(/Tur: R, robot\./.test(robot) && /R kastar: [1-6]( [1-6]){4}\./.test(robot) &&
          /R: [^.]+ \d+\./.test(robot), `the robot's turn is heard: ${robot}`);
        robotHeard++;
      }
      if (turn === 1) await axe('the dice window');
      // Two throws, holding the most frequent face.
      for (let k = 2; k >= 1; k--) {
        const t = await tree();
        const d = dice(t);
        check(d.every(Boolean), `five dice: ${JSON.stringify(d)}`);
        const count = [0, 0, 0, 0, 0, 0, 0];
        d.forEach((x) => count[x.pips]++);
        const best = count.indexOf(Math.max(...count));
        for (let i = 0; i < 5; i++)
          if ((d[i].pips === best) !== d[i].held) await page.key(String(i + 1));
        await until('the holds', (t2) => dice(t2).every((x) => x.held === (x.pips === best)));
        // Alt+K selects "Kasta" on the bar, which never takes the focus; Return runs it.
        await page.key('Alt+k');
        await page.key('Enter');
        if (k === 2) await until('Kvar: 1', (t2) => t2.find('group', /Kvar: 1$/));
      }
      // The sheet has the focus; every free row is proposed in turn, its would-be score read.
      const t2 = await until('the sheet', (t) => t.focused?.role === 'grid' && t.focused.name === 'Protokoll' && t);
      check(heard(t2).slice(-1)[0].includes('Välj rad'), 'the end of the throwing is said');
      const free = sheet(t2).rows.filter((r) => !['summa', 'bonus', 'Total'].includes(r[0].name) && r[1].name === '').map((r) => r[0].name);
      check(free.length === 16 - turn, `free rows in turn ${turn}: ${free}`);
      const scores = [];
      for (const row of free) {
        await page.key('ArrowDown');
        const s = await until(`a proposal of ${row}`, (t) => {
          const sel = sheet(t).rows.find((r) => r.some((c) => c.selected));
          return sel && sel[0].name === row && { cell: sel[1].name, said: heard(t).slice(-1)[0] };
        });
        check(/^\d+ förslag$/.test(s.cell) && s.said.startsWith(`Förslag ${row}: ${parseInt(s.cell)}, summa `), `preview of ${row}: ${JSON.stringify(s)}`);
        scores.push(parseInt(s.cell));
      }
      const pick = scores.indexOf(Math.max(...scores));
      for (let i = free.length - 1; i > pick; i--) await page.key('ArrowUp');
      await until(`the proposal back on ${free[pick]}`, (t) => sheet(t).rows.find((r) => r[1].selected)?.[0].name === free[pick]);
      if (turn === 1) {
        await axe('the sheet');
        // The ring round the proposed cell shows while the sheet has the keyboard's focus.
        const ring = await page.eval(`(() => { const r = document.getElementById('a11y-ring');
          return [getComputedStyle(r).display, r.offsetWidth, r.offsetHeight]; })()`);
        check(ring.join() === 'block,45,25', `the focus ring: ${ring}`);
      }
      said = heard(await tree());
      await page.key('Enter');
      await until(`${free[pick]} written`, (t) => since(said, heard(t)).some((s) => s.includes(`ABC: ${free[pick]} ${scores[pick]}.`)));
    }
    check(robotHeard === 14, 'the robot heard between the turns');

    // The end: the totals said, ABC's total in the sheet as stored in "h_score".
    const end = await until('the end', (t) => heard(t).some((s) => s.includes('Spelet är slut.')) && t);
    const total = Number(sheet(end).rows.find((r) => r[0].name === 'Total')[1].name);
    check(heard(end).some((s) => s.includes(`Spelet är slut. ABC ${total}, R `)), `the end said with ${total}`);
    check(sheet(end).head.join() === 'Rad,ABC,R', `column heads ${sheet(end).head}`);
    await until('the sheet focused at the end', (t) => t.focused?.role === 'grid');
    await axe('the end');
    let stored = null;
    for (let until = Date.now() + 20000; Date.now() < until && !stored; await delay(100)) {
      stored = await page.eval(`new Promise((done) => { const q = indexedDB.open('/dyxel');
        q.onsuccess = () => { const g = q.result.transaction('FILE_DATA').objectStore('FILE_DATA').get('/dyxel/h_score');
        g.onsuccess = () => done(g.result ? Array.from(g.result.contents, (b) => b & 255) : null); }; })`);
      if (stored && stored.every((b) => b === 0)) stored = null;
    }
    check(stored, 'no h_score');
    const entries = [];
    for (let i = 0; i < 10; i++) {
      const name = String.fromCharCode(...stored.slice(8 * i, 8 * i + 4)).replace(/\0.*$/, '');
      entries.push([name, Buffer.from(stored.slice(8 * i + 4, 8 * i + 8)).readInt32LE(0)]);
    }
    const abc = entries.find(([name]) => name === 'ABC');
    check(abc && abc[1] === total, `ABC's total ${total} in the sheet, ${abc} in h_score`);
    check(page.errors.length === 0, `errors on the page: ${page.errors.join('; ')}`);
    await page.screenshot(path.join(shots, 'web-a11y-end.png'));
    console.log(`web a11y: ok, ABC ${total}`);
  } catch (e) {
    if (page) await page.screenshot(path.join(shots, 'web-a11y-failure.png')).catch(() => {});
    console.error(`FAIL: ${e.message}`);
    process.exitCode = 1;
  } finally {
    await browser.close();
    server.close();
  }
}

main();
