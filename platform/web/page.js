// The page's side of the game: the event queue the C++ side pulls from, the canvases it draws
// on, the two windows and the input that reaches them. Browser events only ever queue; the game
// takes them when it waits (imports.js), so no handler of the game runs inside another.
'use strict';

var Dyxel = {
  CLASS: { ROOT: 1, DICE: 2, DIALOG: 4, BOX: 8, SYSTEM: 16 },
  EVENT: {
    ROOT_COMMAND: 1, ROOT_LEFT: 2, ROOT_DOUBLE: 3, ROOT_RIGHT: 4, ROOT_KEY: 5,
    DICE_COMMAND: 6, DICE_DOUBLE: 7, DIE_PRESS: 8, DICE_KEY: 9, DIALOG_COMMAND: 10,
    BOX_ANSWER: 11, ROOT_SIZE: 12, SESSION_END: 13, FILES_CHANGED: 14,
  },
  KEY: { ArrowUp: 0x101, ArrowDown: 0x102, Enter: 0x103, F1: 0x104 },
  FONT: '13.3333px "DejaVu Sans"', // 10 pt: text height 17, average width 8
  ASCENT: 13,
  TEXT_HEIGHT: 17,

  queue: [],
  waiting: null,
  canvases: [], // by index: 0 the root window's, 1 the dice window's, 2 to 6 the dice
  ctx: [],
  active: 'root',
  density: 1, // device pixels per game pixel in the canvases (fit.js)
  gone: false,
  listeners: [],

  // --- the queue -------------------------------------------------------------------------
  push(cls, type, a = 0, b = 0, c = 0) {
    if (this.gone && (cls & (this.CLASS.ROOT | this.CLASS.DICE))) return; // no windows left
    if (type === this.EVENT.ROOT_SIZE) // only the latest size matters
      this.queue = this.queue.filter((e) => e.type !== type);
    this.queue.push({ cls, type, args: [a, b, c] });
    const w = this.waiting;
    if (w && (w.mask & cls)) {
      this.waiting = null;
      clearTimeout(w.timer);
      w.wakeUp(1); // the game runs from here, synchronously, until it waits again
    }
  },
  sleep(mask, timeout, wakeUp) {
    if (this.queue.some((e) => e.cls & mask)) return wakeUp(1);
    if (!this.firstWait && (mask & this.CLASS.ROOT)) {
      this.firstWait = true; // the start-up has drawn its first picture
      requestAnimationFrame(() => {
        performance.mark('dyxel-first-frame');
        setTimeout(() => this.firstFrameShown(), 0); // once the frame is on the screen
      });
    }
    const w = { mask, wakeUp, timer: 0 };
    if (timeout >= 0)
      w.timer = setTimeout(() => { if (this.waiting === w) { this.waiting = null; wakeUp(0); } }, timeout);
    this.waiting = w;
  },
  // Work the first frame need not wait for: run once it is shown, in the order asked.
  later(job) {
    if (this.deferred) this.deferred.push(job);
    else job();
  },
  deferred: [],
  firstFrameShown() {
    const jobs = this.deferred;
    this.deferred = null;
    jobs.forEach((job) => job());
    this.audio.prepare();
  },
  take(mask, args) {
    const i = this.queue.findIndex((e) => e.cls & mask);
    if (i < 0) return 0;
    const e = this.queue.splice(i, 1)[0];
    HEAP32.set(e.args, args >> 2);
    return e.type;
  },

  // --- text: Windows-1252 inside the game, Unicode in the page --------------------------
  decoder: new TextDecoder('windows-1252'),
  decode(ptr, length) {
    if (length < 0) length = HEAPU8.indexOf(0, ptr) - ptr;
    return this.decoder.decode(HEAPU8.subarray(ptr, ptr + length));
  },
  encode(text) {
    if (!this.bytes) {
      this.bytes = new Map();
      for (let b = 255; b >= 0; b--) this.bytes.set(this.decoder.decode(new Uint8Array([b])), b);
    }
    return Array.from(text, (ch) => this.bytes.get(ch) ?? 0x3f);
  },
  // "&Fil" as a label with its mnemonic underlined; the mnemonic in lower case.
  label(text) {
    const el = document.createElement('span');
    let mnemonic = '';
    for (let i = 0; i < text.length; i++) {
      if (text[i] === '&' && i + 1 < text.length && text[i + 1] !== '&' && !mnemonic) {
        mnemonic = text[++i].toLowerCase();
        const u = document.createElement('u');
        u.textContent = text[i];
        el.append(u);
      } else {
        if (text[i] === '&') i++;
        el.append(text[i]);
      }
    }
    return { el, mnemonic };
  },
  colour(rgb) {
    return '#' + (rgb & 0xffffff).toString(16).padStart(6, '0');
  },

  // --- canvases ----------------------------------------------------------------------------
  // The 2D context of canvas `index`, made when it is first drawn on: the canvases of a window
  // not yet shown cost nothing before the first frame.
  context(index) {
    if (this.ctx[index]) return this.ctx[index];
    const canvas = this.canvases[index];
    const c = canvas.getContext('2d', { alpha: false });
    const [w, h] = canvas.size;
    if (canvas.width !== w || canvas.height !== h) {
      c.setTransform(canvas.width / w, 0, 0, canvas.height / h, 0, 0);
      c.imageSmoothingEnabled = false; // the dice stay crisp
    }
    c.font = this.FONT;
    c.textBaseline = 'alphabetic';
    c.fillStyle = '#fff';
    c.fillRect(0, 0, w, h);
    this.ctx[index] = c;
    return c;
  },
  text(index, x, y, s, rgb) {
    const c = this.context(index);
    c.fillStyle = '#fff'; // opaque text: its cell is painted first
    c.fillRect(x, y, this.measure(s), this.TEXT_HEIGHT);
    c.fillStyle = this.colour(rgb);
    c.fillText(s, x, y + this.ASCENT);
  },
  measure(s) {
    if (!this.measurer) {
      this.measurer = document.createElement('canvas').getContext('2d');
      this.measurer.font = this.FONT;
    }
    return Math.round(this.measurer.measureText(s).width);
  },

  // --- the windows ---------------------------------------------------------------------------
  $(id) { return document.getElementById(id); },
  frame(id, title, index) {
    const win = document.createElement('div');
    win.className = 'win';
    win.id = id;
    win.tabIndex = -1;
    const caption = document.createElement('div');
    caption.className = 'caption';
    caption.textContent = title;
    win.append(caption);
    // A click activates the window before the window sees it, as a window manager does.
    if (index !== undefined) {
      win.addEventListener('mousedown', () => this.activate(index), true);
      win.addEventListener('pointerdown', (e) => { if (e.pointerType === 'touch') this.activate(index); }, true);
    }
    return win;
  },
  createRoot(title, outerWidth, outerHeight) {
    const win = this.frame('root-win', title, 0);
    win.style.width = outerWidth + 'px';
    win.style.height = outerHeight + 'px';
    win.append(this.menu.build(this.menuEntries));
    win.append(this.fit.rowBar());
    const canvas = document.createElement('canvas');
    canvas.id = 'root-canvas';
    win.append(canvas);
    const grip = document.createElement('div');
    grip.className = 'grip';
    win.append(grip);
    this.$('desk').append(win);
    document.title = title;
    const [w, h] = this.rootClientSize(win); // measured before it hides until it is shown
    this.resizeRootCanvas(w, h);
    win.hidden = true;
    this.rootInput(canvas, grip, win);
    this.fit.start();
  },
  rootClientSize(win) {
    const canvas = this.$('root-canvas');
    const top = canvas.offsetTop;
    return [win.clientWidth, Math.max(win.clientHeight - top, 1)];
  },
  resizeRootCanvas(width, height) {
    this.fit.size(0, this.$('root-canvas'), width, height);
  },
  createDice(title, x, y, clientWidth, clientHeight) {
    const win = this.frame('dice-win', title, 1);
    win.classList.add('float');
    win.style.left = x + 'px';
    win.style.top = y + 'px';
    const bar = document.createElement('div');
    bar.className = 'cmdbar';
    bar.setAttribute('role', 'menubar');
    this.diceCommands.forEach(([id, text]) => {
      const { el, mnemonic } = this.label(text);
      const button = document.createElement('button');
      button.dataset.id = id;
      button.dataset.mnemonic = mnemonic;
      button.tabIndex = -1; // a menu bar: it never takes the focus
      button.setAttribute('role', 'menuitem');
      button.addEventListener('mousedown', (e) => e.preventDefault());
      button.append(el);
      button.addEventListener('click', () => {
        this.barSelect(-1);
        this.push(this.CLASS.DICE, this.EVENT.DICE_COMMAND, id);
      });
      bar.append(button);
    });
    win.append(bar);
    const client = document.createElement('div');
    client.className = 'client';
    client.style.width = clientWidth + 'px';
    client.style.height = clientHeight + 'px';
    const canvas = document.createElement('canvas');
    canvas.id = 'dice-canvas';
    client.append(canvas);
    this.fit.size(1, canvas, clientWidth, clientHeight);
    for (let i = 0; i < 5; i++) {
      const die = document.createElement('canvas');
      die.className = 'die';
      die.style.left = 70 * i + 'px';
      die.tabIndex = 0;
      die.setAttribute('role', 'button');
      die.setAttribute('aria-label', 'Tärning ' + (i + 1));
      client.append(die);
      this.fit.size(2 + i, die, 64, 64);
    }
    win.append(client);
    win.hidden = true;
    this.$('desk').append(win);
    this.diceInput(win, canvas);
    this.draggable(win);
    this.fit.apply();
  },
  window(w) { return this.$(w === 0 ? 'root-win' : 'dice-win'); },
  show(w, shown) {
    const win = this.window(w);
    if (win) win.hidden = !shown;
    if (shown && w === 1 && this.fit.compact) this.fit.apply(); // back into view
    if (shown && w === 0) this.activate(0);
    if (!shown && w === 1) this.barSelect(-1);
    if (!shown && w === 1 && this.active === 'dice') this.activate(0);
  },
  activate(w) {
    const win = this.window(w);
    if (!win || win.hidden) return;
    this.active = w === 0 ? 'root' : 'dice';
    for (const other of document.querySelectorAll('#desk > .win'))
      other.classList.toggle('active', other === win);
    if (!win.contains(document.activeElement)) win.focus({ preventScroll: true });
  },
  // The window's outer rectangle in the root window's client coordinates.
  windowRect(w, out) {
    const win = this.window(w);
    const canvas = this.$('root-canvas');
    if (!win || !canvas) return 0;
    const a = win.getBoundingClientRect();
    const o = canvas.getBoundingClientRect();
    HEAP32.set([a.left - o.left, a.top - o.top, a.right - o.left, a.bottom - o.top]
      .map((v) => Math.round(v / this.fit.scale)), out >> 2);
    return 1;
  },
  // Floating panels move with their caption, as a window manager would move them.
  draggable(win) {
    const caption = win.querySelector('.caption');
    caption.addEventListener('pointerdown', (e) => {
      if (e.button !== 0 || e.target.closest('button')) return;
      const k = win.parentElement === this.$('desk') ? this.fit.scale : 1; // in the desk's pixels
      const start = [e.clientX / k - win.offsetLeft, e.clientY / k - win.offsetTop];
      const move = (m) => {
        win.style.left = m.clientX / k - start[0] + 'px';
        win.style.top = Math.max(0, m.clientY / k - start[1]) + 'px';
      };
      const up = () => {
        caption.removeEventListener('pointermove', move);
        caption.removeEventListener('pointerup', up);
      };
      caption.setPointerCapture(e.pointerId);
      caption.addEventListener('pointermove', move);
      caption.addEventListener('pointerup', up);
    });
  },

  // --- input -------------------------------------------------------------------------------
  // Windows sends a double click in place of every second press; the browser counts presses.
  rootInput(canvas, grip, win) {
    canvas.addEventListener('mousedown', (e) => {
      const E = this.EVENT;
      const type = e.button === 2 ? E.ROOT_RIGHT : e.button !== 0 ? 0
        : e.detail % 2 === 0 ? E.ROOT_DOUBLE : E.ROOT_LEFT;
      if (type) this.push(this.CLASS.ROOT, type, ...this.fit.point(canvas, e));
      e.preventDefault();
    });
    const at = (type) => (p) => this.push(this.CLASS.ROOT, type, ...this.fit.point(canvas, p));
    this.fit.touch(canvas, { tap: at(this.EVENT.ROOT_LEFT), double: at(this.EVENT.ROOT_DOUBLE),
      long: at(this.EVENT.ROOT_RIGHT) });
    canvas.addEventListener('contextmenu', (e) => e.preventDefault());
    grip.addEventListener('pointerdown', (e) => {
      const start = [e.clientX - win.offsetWidth, e.clientY - win.offsetHeight];
      const move = (m) => {
        win.style.width = Math.max(200, m.clientX - start[0]) + 'px';
        win.style.height = Math.max(200, m.clientY - start[1]) + 'px';
        const [w, h] = this.rootClientSize(win);
        this.push(this.CLASS.SYSTEM, this.EVENT.ROOT_SIZE, w, h);
      };
      const up = () => {
        grip.removeEventListener('pointermove', move);
        grip.removeEventListener('pointerup', up);
      };
      grip.setPointerCapture(e.pointerId);
      grip.addEventListener('pointermove', move);
      grip.addEventListener('pointerup', up);
      e.preventDefault();
    });
  },
  diceInput(win, canvas) {
    const dice = this.CLASS.DICE;
    canvas.addEventListener('mousedown', (e) => {
      if (e.button === 0 && e.detail % 2 === 0) this.push(dice, this.EVENT.DICE_DOUBLE);
      e.preventDefault();
    });
    this.fit.touch(canvas, { tap() {}, double: () => this.push(dice, this.EVENT.DICE_DOUBLE) });
    win.querySelectorAll('.die').forEach((die, i) => {
      // A press toggles the die once: the mouse going down, a tap, or Space or Return going down.
      const press = () => {
        this.activate(1);
        die.focus({ preventScroll: true });
        this.push(dice, this.EVENT.DIE_PRESS, i);
      };
      die.addEventListener('mousedown', (e) => {
        if (e.button !== 0) return;
        press();
        e.preventDefault();
      });
      this.fit.touch(die, { tap: press });
      die.addEventListener('keydown', (e) => {
        if (this.barButtons().some((b) => b.classList.contains('sel'))) return; // the bar's key
        if ((e.key === ' ' || e.key === 'Enter') && !e.altKey && !e.ctrlKey && !e.metaKey) {
          if (!e.repeat) this.push(dice, this.EVENT.DIE_PRESS, i);
          e.preventDefault();
          e.stopPropagation();
        }
      });
    });
  },
  listen(target, type, handler, options) {
    target.addEventListener(type, handler, options);
    this.listeners.push([target, type, handler, options]);
  },
  start() {
    this.listen(document, 'keydown', (e) => this.onKey(e));
    this.listen(document, 'pointerdown', (e) => {
      this.pointer = [e.clientX, e.clientY];
      this.audio.unlock();
    }, true);
    this.listen(document, 'keydown', () => this.audio.unlock(), true);
    const end = () => this.push(this.CLASS.SYSTEM, this.EVENT.SESSION_END);
    this.listen(window, 'pagehide', end);
    this.listen(document, 'visibilitychange', () => { if (document.hidden) end(); });
  },
  stop() {
    this.listeners.forEach(([target, type, handler, options]) =>
      target.removeEventListener(type, handler, options));
    this.listeners = [];
    this.audio.close();
    this.overlays.closeHelp();
  },
  rootGone() {
    this.gone = true;
    this.queue = [];
    this.menu.close();
    this.$('desk').hidden = true;
    this.$('ended').hidden = false;
  },
};
