// The screen in words, for screen readers and keyboard players: a twin of what the canvases
// show, built from the game's state (ui/access.cpp) each time the game waits; one polite live
// region for what happens; names and roles for the windows, the dialog and the boxes; and the
// focus taken where play goes on. None of it is seen: the twin is visually hidden.
'use strict';

Dyxel.a11y = {
  state: '',
  view: null, // the last state, parsed
  HIDDEN: 'position:absolute;left:0;top:0;width:1px;height:1px;margin:-1px;padding:0;border:0;' +
    'overflow:hidden;clip-path:inset(50%);white-space:nowrap',

  // Only for keyboard players and those who ask for more contrast: a mouse game looks as before.
  STYLE: `#a11y-ring { position: absolute; display: none; pointer-events: none; box-sizing: border-box;
    border: 2px dotted #000; outline: 1px solid #fff; }
  #root-win:has(#a11y-sheet:focus-visible) #a11y-ring:not([data-pointer]) { display: block; }
  @media (prefers-contrast: more) {
    html { background: #26302a; } header { color: #fff; }
    .win, .popup, .dialog, button { border-color: #000; }
    .caption { background: #000; } .win.active > .caption { background: #001a4d; }
    .die:focus-visible, button:focus-visible { outline: 2px solid #000; }
    .cmdbar button[aria-pressed="true"] { outline: 2px solid #fff; outline-offset: -4px; }
    #a11y-ring { border-style: solid; }
  }
  @media (prefers-reduced-motion: reduce) {
    *, *::before, *::after { transition: none !important; animation: none !important; scroll-behavior: auto !important; }
  }`,

  hidden(tag, id) {
    const el = document.createElement(tag);
    if (id) el.id = id;
    el.style.cssText = this.HIDDEN;
    return el;
  },
  // Made with the root window: the live region, the sheet as a grid, the strip, the corner box
  // and the top-ten list as text.
  setup() {
    const root = Dyxel.$('root-win');
    if (this.live || !root) return !!this.live;
    this.live = this.hidden('div', 'a11y-live');
    this.live.setAttribute('role', 'log');
    this.live.setAttribute('aria-live', 'polite');
    this.live.setAttribute('aria-label', 'Händelser');
    document.body.append(this.live);
    this.named(root);
    const twin = this.hidden('div', 'a11y-root');
    this.grid = document.createElement('table');
    this.grid.id = 'a11y-sheet';
    this.grid.setAttribute('role', 'grid');
    this.grid.setAttribute('aria-label', 'Protokoll');
    this.grid.setAttribute('aria-readonly', 'true');
    this.grid.tabIndex = 0;
    this.strip = document.createElement('p');
    this.corner = document.createElement('p');
    this.top = document.createElement('ul');
    this.top.setAttribute('aria-label', 'Tio i topp');
    twin.append(this.grid, this.strip, this.corner, this.top);
    this.ring = document.createElement('div');
    this.ring.id = 'a11y-ring';
    this.ring.setAttribute('aria-hidden', 'true');
    root.append(twin, this.ring);
    // The mouse hides the ring until the next key, as the browser does with its own rings.
    Dyxel.listen(document, 'pointerdown', () => { this.ring.dataset.pointer = '1'; }, true);
    Dyxel.listen(document, 'keydown', () => { delete this.ring.dataset.pointer; }, true);
    const style = document.createElement('style');
    style.textContent = this.STYLE;
    document.head.append(style);
    new MutationObserver((changes) => changes.forEach((c) => c.addedNodes.forEach((n) => {
      if (n.nodeType === 1) this.overlay(n);
    }))).observe(document.body, { childList: true });
    return true;
  },
  // A window is a group named by its caption.
  named(win) {
    const caption = win.querySelector('.caption');
    if (!caption) return;
    caption.id = caption.id || win.id + '-caption';
    win.setAttribute('role', 'group');
    win.setAttribute('aria-labelledby', caption.id);
  },
  // The dice window: its commands as buttons ("&Lika" a toggle), the dice as toggle buttons.
  diceWindow() {
    const win = Dyxel.$('dice-win');
    if (!win || win.dataset.a11y) return win;
    win.dataset.a11y = '1';
    this.named(win);
    const bar = win.querySelector('.cmdbar');
    bar.setAttribute('role', 'toolbar');
    bar.setAttribute('aria-label', win.querySelector('.caption').textContent.split(':')[0]);
    bar.querySelectorAll('button').forEach((b) => {
      b.removeAttribute('role');
      if (b.dataset.id === '2004' && !b.hasAttribute('aria-pressed')) b.setAttribute('aria-pressed', 'false');
    });
    return win;
  },
  // Boxes, the dialog and the help panel as they open: names, descriptions, and a box's words
  // said.
  overlay(el) {
    const box = el.querySelector('.box');
    if (box) {
      const caption = box.querySelector('.caption'), text = box.querySelector('.text');
      caption.id = 'a11y-box-caption';
      text.id = 'a11y-box-text';
      box.setAttribute('aria-modal', 'true');
      box.setAttribute('aria-labelledby', caption.id);
      box.setAttribute('aria-describedby', text.id);
      this.say(`${caption.textContent}: ${text.textContent}`);
    }
    const dialog = el.querySelector('.dialog');
    if (dialog) {
      dialog.setAttribute('aria-modal', 'true');
      const legend = dialog.querySelector('legend');
      legend.id = 'a11y-dlg-legend';
      Dyxel.$('dlg-name').setAttribute('aria-labelledby', legend.id);
      Dyxel.$('dlg-list').setAttribute('aria-label', 'Spelare');
    }
    if (el.id === 'help-win') {
      this.named(el);
      const frame = el.querySelector('iframe');
      if (frame) frame.title = el.querySelector('.caption').firstChild.textContent;
    }
  },
  say(text) {
    if (!text || !this.live) return;
    const p = document.createElement('p');
    p.textContent = text;
    this.live.append(p);
    while (this.live.children.length > 60) this.live.firstChild.remove();
  },

  // The state as ui/access.cpp writes it: lines of tab-separated fields.
  parse(state) {
    const v = { rows: [], top: [], cols: [], sel: null };
    for (const line of state.split('\n')) {
      const [key, ...f] = line.split('\t');
      if (key === 'game') [v.players, v.current, v.turnsLeft, v.throwsLeft] = f.map(Number);
      else if (key === 'dice') v.dice = { shown: f[0] === '1', alike: f[1] === '1', pips: f[2], held: f[3] };
      else if (key === 'strip') v.strip = f[0];
      else if (key === 'corner') v.corner = f[0];
      else if (key === 'cols') v.cols = f;
      else if (key === 'row') v.rows.push(f);
      else if (key === 'sel') v.sel = f.map(Number);
      else if (key === 'top') v.top.push(f[0]);
      else if (key === 'ring') v.ring = f.map(Number);
    }
    return v;
  },
  update(state, said) {
    if (!this.setup()) return;
    if (state !== this.state) {
      const was = this.view, v = this.parse(state);
      this.state = state;
      this.view = v;
      this.sheet(v);
      this.dice(v);
      this.strip.textContent = v.strip;
      this.corner.textContent = v.corner;
      this.top.replaceChildren(...v.top.map((t) => {
        const li = document.createElement('li');
        li.textContent = t;
        return li;
      }));
      this.placeRing(v.ring);
      this.follow(was, v);
    }
    this.say(said.trim());
  },
  sheet(v) {
    const row = (cells, head) => {
      const tr = document.createElement('tr');
      cells.forEach((text, i) => {
        const td = document.createElement(head || i === 0 ? 'th' : 'td');
        if (head) td.setAttribute('role', 'columnheader');
        else if (i === 0) td.setAttribute('role', 'rowheader');
        else td.setAttribute('role', 'gridcell');
        td.textContent = text;
        tr.append(td);
      });
      return tr;
    };
    const rows = [row(['Rad', ...v.cols], true), ...v.rows.map((r) => row(r))];
    rows.forEach((tr) => tr.setAttribute('role', 'row'));
    this.grid.replaceChildren(...rows);
    this.grid.querySelectorAll('[role="gridcell"]').forEach((td) => td.setAttribute('aria-selected', 'false'));
    this.grid.removeAttribute('aria-activedescendant');
    if (v.sel) {
      const [player, r] = v.sel;
      const cell = rows[r + 1] && rows[r + 1].children[player + 1];
      if (cell) {
        cell.id = 'a11y-proposed';
        cell.setAttribute('aria-selected', 'true');
        this.grid.setAttribute('aria-activedescendant', cell.id);
      }
    }
  },
  // The focus ring of the sheet, over the root window's canvas: round the proposed cell, else
  // round the sheet.
  placeRing(ring) {
    const canvas = Dyxel.$('root-canvas');
    if (!ring || !canvas) return;
    const s = this.ring.style;
    s.left = canvas.offsetLeft + ring[0] - 2 + 'px';
    s.top = canvas.offsetTop + ring[1] - 2 + 'px';
    s.width = ring[2] - ring[0] + 4 + 'px';
    s.height = ring[3] - ring[1] + 4 + 'px';
  },
  dice(v) {
    const win = this.diceWindow();
    if (!win) return;
    win.querySelectorAll('.die').forEach((die, i) => {
      die.setAttribute('aria-label', `Tärning ${i + 1}: ${v.dice.pips[i]}`);
      die.setAttribute('aria-pressed', String(v.dice.held[i] === '1'));
    });
  },
  // The focus goes where play goes on: to the dice when a human's throwing begins, to the sheet
  // when it ends; never while a box, the dialog or a menu has it.
  follow(was, v) {
    if (Dyxel.overlays.stack.length || Dyxel.menu.open.length) return;
    const win = Dyxel.$('dice-win');
    const began = v.dice.shown && (!was || !was.dice.shown || was.turnsLeft !== v.turnsLeft);
    if (began && win && !win.hidden) {
      const die = win.querySelector('.die');
      if (!win.contains(document.activeElement) || document.activeElement === win) die.focus({ preventScroll: true });
      return;
    }
    // At the game's end a human's focus is still on the sheet, where the totals are.
    const choosing = !v.dice.shown && v.turnsLeft > 0 && v.throwsLeft === 0;
    const root = Dyxel.$('root-win');
    if (choosing && Dyxel.active === 'root' && root && !root.hidden &&
        (document.activeElement === root || document.activeElement === document.body ||
         !document.activeElement))
      this.grid.focus({ preventScroll: true });
  },
};
