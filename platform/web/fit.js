// Small screens and touch. Under 800 CSS px the desk is laid out anew (the dice window beside
// or under the root window, whichever is larger) and scaled as a whole to the view; the
// canvases keep a backing store at device pixels and the game keeps drawing in its own. A tap
// is a click, a second tap a double click, and a long press the right button.
'use strict';

Dyxel.fit = {
  WIDE: 800, // from here on the desk is the desktop's, untouched
  GAP: 6,
  LONG_PRESS: 500,
  scale: 1,
  compact: false,

  // Where the windows go and how large the desk is drawn; at most twice the desktop's size.
  layout(root, dice) {
    const aw = Math.max(document.documentElement.clientWidth, 200) - 8;
    const ah = Math.max(document.documentElement.clientHeight, 200) - 8;
    const under = { w: Math.max(root[0], dice[0]), h: root[1] + this.GAP + dice[1], dice: [0, root[1] + this.GAP] };
    const beside = { w: root[0] + this.GAP + dice[0], h: Math.max(root[1], dice[1]), dice: [root[0] + this.GAP, 0] };
    for (const l of [under, beside]) l.scale = Math.min(aw / l.w, ah / l.h, 2);
    return under.scale >= beside.scale ? under : beside;
  },
  // Called whenever the view or a window changes. Going small keeps the desktop's sizes and
  // places to give back when the view is wide again.
  apply() {
    const desk = Dyxel.$('desk');
    const root = Dyxel.$('root-win'), dice = Dyxel.$('dice-win');
    if (!desk || !root || Dyxel.gone) return;
    const compact = matchMedia(`(max-width: ${this.WIDE - 0.02}px)`).matches; // as CSS sees the view
    if (compact && !this.compact) {
      // The root window is hidden at first: its size is the one it was given.
      this.saved = { root: [parseFloat(root.style.width), parseFloat(root.style.height)],
        dice: dice && [dice.style.left, dice.style.top] };
    } else if (!compact && this.compact) {
      desk.removeAttribute('style');
      [root.style.width, root.style.height] = this.saved.root.map((v) => v + 'px');
      if (dice && this.saved.dice) [dice.style.left, dice.style.top] = this.saved.dice;
    }
    this.compact = compact;
    document.body.classList.toggle('compact', compact);
    if (!compact) {
      this.scale = 1;
    } else {
      // The bars grow to a finger's height after scaling, the windows with them (never the
      // canvas); the scale depends on the heights and settles in a few rounds.
      if (dice && !this.saved.dice) this.saved.dice = [dice.style.left, dice.style.top]; // made after the root
      let scale = 1;
      let l;
      for (let i = 0; i < 4; i++) {
        const bar = Math.max(21, Math.ceil(26 / scale));
        desk.style.setProperty('--bar', bar + 'px');
        const rootSize = [this.saved.root[0], this.saved.root[1] + 2 * bar - 21]; // menus and rows
        l = this.layout(rootSize, dice ? [dice.offsetWidth, dice.offsetHeight] : [0, 0]);
        root.style.width = rootSize[0] + 'px';
        root.style.height = rootSize[1] + 'px';
        scale = l.scale;
      }
      desk.style.width = l.w + 'px';
      desk.style.height = l.h + 'px';
      desk.style.transform = `scale(${l.scale})`;
      desk.style.marginLeft = Math.max(0, (document.documentElement.clientWidth - l.w * l.scale) / 2) + 'px';
      desk.style.marginBottom = l.h * (l.scale - 1) + 8 + 'px';
      if (dice) [dice.style.left, dice.style.top] = l.dice.map((v) => v + 'px');
      this.scale = l.scale;
    }
    this.density(devicePixelRatio * this.scale);
  },
  // A canvas of `w` x `h` game pixels, its backing store at the current density.
  size(index, canvas, w, h) {
    const k = Dyxel.density;
    canvas.size = [w, h];
    canvas.width = Math.max(1, Math.round(w * k));
    canvas.height = Math.max(1, Math.round(h * k));
    canvas.style.width = w + 'px';
    canvas.style.height = h + 'px';
    Dyxel.canvases[index] = canvas;
    // A canvas drawn on before is made ready again at once (resizing cleared it).
    if (Dyxel.ctx[index]) {
      Dyxel.ctx[index] = null;
      Dyxel.context(index);
    }
  },
  // Pixels the game made, through a canvas of their own when they are to be scaled.
  put(index, pixels, x, y, part) {
    const c = Dyxel.context(index);
    if (Dyxel.density === 1) return c.putImageData(pixels, x, y, ...part);
    const from = this.scratch || (this.scratch = document.createElement('canvas'));
    [from.width, from.height] = [pixels.width, pixels.height];
    from.getContext('2d').putImageData(pixels, 0, 0);
    const l = Math.max(part[0], 0), t = Math.max(part[1], 0);
    const r = Math.min(part[0] + part[2], pixels.width), b = Math.min(part[1] + part[3], pixels.height);
    if (r > l && b > t) c.drawImage(from, l, t, r - l, b - t, x + l, y + t, r - l, b - t);
  },
  // A new backing store for every canvas when the device pixels per game pixel change; the
  // old picture stretched into it until the game draws again.
  density(k) {
    if (Math.abs(k - Dyxel.density) < 1e-3) return;
    Dyxel.density = k;
    Dyxel.canvases.forEach((canvas, index) => {
      if (!Dyxel.ctx[index]) return this.size(index, canvas, canvas.size[0], canvas.size[1]);
      const old = document.createElement('canvas');
      [old.width, old.height] = [canvas.width, canvas.height];
      old.getContext('2d').drawImage(canvas, 0, 0);
      this.size(index, canvas, canvas.size[0], canvas.size[1]);
      Dyxel.context(index).drawImage(old, 0, 0, canvas.size[0], canvas.size[1]);
    });
    const root = Dyxel.$('root-canvas');
    if (root) Dyxel.push(Dyxel.CLASS.SYSTEM, Dyxel.EVENT.ROOT_SIZE, root.size[0], root.size[1]);
  },
  start() {
    if (!this.listening) {
      this.listening = true;
      Dyxel.listen(window, 'resize', () => this.apply());
    }
    this.apply();
  },
  // A point of the event in the canvas's own pixels, whatever the scale.
  point(canvas, e) {
    if (!this.compact && e.offsetX !== undefined) return [e.offsetX | 0, e.offsetY | 0];
    const r = canvas.getBoundingClientRect();
    return [Math.floor(((e.clientX - r.left) * canvas.size[0]) / r.width),
      Math.floor(((e.clientY - r.top) * canvas.size[1]) / r.height)];
  },

  // The sheet's rows are smaller than a finger on a phone: a bar under the menus moves the
  // proposed row up and down and writes it, as the arrow keys and Return do. Shown only here.
  rowBar() {
    const bar = document.createElement('div');
    bar.className = 'cmdbar rowbar';
    const K = Dyxel.KEY;
    [['\u25B2', 'Föregående rad', K.ArrowUp], ['\u25BC', 'Nästa rad', K.ArrowDown],
      ['Skriv in', 'Skriv in raden', K.Enter]].forEach(([text, name, key]) => {
      const button = document.createElement('button');
      button.textContent = text;
      button.tabIndex = -1; // the keyboard has the keys themselves
      button.setAttribute('aria-label', name);
      button.addEventListener('mousedown', (e) => e.preventDefault());
      button.addEventListener('click', () => Dyxel.push(Dyxel.CLASS.ROOT, Dyxel.EVENT.ROOT_KEY, key));
      bar.append(button);
    });
    return bar;
  },
  // Touch on an element: `tap`, `double` (the second of two taps close in time and place) and
  // `long` (held still); each gets the pointer event's position. A drag is the browser's scroll.
  touch(el, { tap, double, long }) {
    let press = null, last = null;
    const end = () => {
      if (press) clearTimeout(press.timer);
      press = null;
    };
    el.addEventListener('pointerdown', (e) => {
      if (e.pointerType !== 'touch' || !e.isPrimary) return;
      e.preventDefault(); // no mouse events made up from the touch
      Dyxel.menu.close();
      end();
      const p = { id: e.pointerId, clientX: e.clientX, clientY: e.clientY };
      if (long) p.timer = setTimeout(() => {
        press = last = null;
        long(p);
      }, this.LONG_PRESS);
      press = p;
    });
    el.addEventListener('pointermove', (e) => {
      if (press && e.pointerId === press.id && Math.hypot(e.clientX - press.clientX, e.clientY - press.clientY) > 10) end();
    });
    el.addEventListener('pointercancel', end);
    el.addEventListener('pointerup', (e) => {
      if (!press || e.pointerId !== press.id) return;
      const p = press;
      end();
      const again = double && last && e.timeStamp - last.t < 400 &&
        Math.hypot(p.clientX - last.clientX, p.clientY - last.clientY) < 24;
      (again ? double : tap)(p);
      last = again ? null : { t: e.timeStamp, clientX: p.clientX, clientY: p.clientY };
    });
    el.addEventListener('contextmenu', (e) => e.preventDefault());
  },
};
