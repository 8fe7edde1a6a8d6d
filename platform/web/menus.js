// The root window's menu bar, built from the game's menu table: menus, submenus, check items,
// mnemonics (Alt+letter on the bar, the letter alone in an open menu) and the arrow keys.
// Choosing a command queues it for the game.
'use strict';

Dyxel.menuEntries = [];
Dyxel.menu = {
  top: [],   // menus on the bar: { label, mnemonic, items, el }
  open: [],  // the open menus, outermost first: { menu, el, sel }
  checks: new Map(),
  disabled: new Set(), // greyed commands: shown, never chosen

  // The table's rows: a row with command 0 opens a menu holding the following deeper rows.
  build(entries) {
    const bar = document.createElement('div');
    bar.className = 'menubar';
    bar.setAttribute('role', 'menubar');
    const stack = [{ items: this.top }];
    entries.forEach(([depth, id, text, check]) => {
      if (depth >= stack.length) return; // a malformed table loses the row
      stack.length = depth + 1;
      const { el, mnemonic } = Dyxel.label(text);
      const item = { id, label: el, mnemonic, check, items: id === 0 ? [] : null };
      stack[depth].items.push(item);
      if (item.items) stack.push(item);
      else if (check) this.checks.set(id, false);
    });
    this.top.forEach((menu, i) => {
      const el = document.createElement('div');
      el.className = 'top';
      el.setAttribute('role', 'menuitem');
      el.setAttribute('aria-haspopup', 'true');
      el.append(menu.label);
      el.addEventListener('mousedown', (e) => {
        e.preventDefault();
        if (this.open.length && this.open[0].menu === menu) this.close();
        else this.openTop(i, -1);
      });
      el.addEventListener('mouseenter', () => {
        if (this.open.length && this.open[0].menu !== menu) this.openTop(i, -1);
      });
      menu.el = el;
      bar.append(el);
    });
    Dyxel.listen(document, 'mousedown', (e) => {
      if (this.open.length && !e.target.closest('.menubar, .popup')) this.close();
    });
    return bar;
  },
  check(id, on) {
    if (!this.checks.has(id)) return;
    this.checks.set(id, !!on);
    for (const el of document.querySelectorAll(`.popup [data-id="${id}"]`))
      el.setAttribute('aria-checked', String(!!on));
  },
  enable(id, on) {
    if (on) this.disabled.delete(id);
    else this.disabled.add(id);
    for (const el of document.querySelectorAll(`.popup [data-id="${id}"]`))
      el.setAttribute('aria-disabled', String(!on));
  },
  close(depth = 0) {
    for (const level of this.open.splice(depth)) level.el.remove();
    for (const menu of this.top) menu.el.classList.toggle('open', this.open.length > 0 && this.open[0].menu === menu);
  },
  openTop(i, sel) {
    this.close();
    const menu = this.top[(i + this.top.length) % this.top.length];
    const r = menu.el.getBoundingClientRect();
    this.popup(menu, r.left, r.bottom, sel);
    menu.el.classList.add('open');
  },
  openByIndex(i) { this.openTop(i, 0); },
  openByMnemonic(letter) {
    const i = this.top.findIndex((m) => m.mnemonic === letter);
    if (i >= 0) this.openTop(i, 0);
    return i >= 0;
  },
  popup(menu, x, y, sel) {
    const el = document.createElement('div');
    el.className = 'popup';
    el.setAttribute('role', 'menu');
    const level = { menu, el, sel: -1 };
    menu.items.forEach((item, i) => {
      const row = document.createElement('div');
      row.className = 'item';
      row.setAttribute('role', item.check ? 'menuitemcheckbox' : 'menuitem');
      if (item.check) row.setAttribute('aria-checked', String(this.checks.get(item.id)));
      if (item.items) row.setAttribute('aria-haspopup', 'true');
      if (this.disabled.has(item.id)) row.setAttribute('aria-disabled', 'true');
      row.dataset.id = item.id;
      row.append(item.label.cloneNode(true));
      row.addEventListener('mouseenter', () => this.select(level, i, true));
      row.addEventListener('mousedown', (e) => e.preventDefault());
      row.addEventListener('click', () => this.choose(level, i));
      el.append(row);
    });
    el.style.left = x + window.scrollX + 'px';
    el.style.top = y + window.scrollY + 'px';
    document.body.append(el);
    this.open.push(level);
    this.select(level, sel, false);
  },
  // Highlights an item; a submenu under the mouse opens at once.
  select(level, i, byMouse) {
    this.close(this.open.indexOf(level) + 1);
    level.sel = i;
    [...level.el.children].forEach((row, k) => row.classList.toggle('sel', k === i));
    const item = level.menu.items[i];
    if (byMouse && item && item.items) this.openSub(level, -1);
  },
  openSub(level, sel) {
    const row = level.el.children[level.sel].getBoundingClientRect();
    this.popup(level.menu.items[level.sel], row.right - 2, row.top - 3, sel);
  },
  choose(level, i) {
    const item = level.menu.items[i];
    if (!item || this.disabled.has(item.id)) return;
    if (item.items) {
      this.select(level, i, false);
      this.openSub(level, 0);
      return;
    }
    this.close();
    Dyxel.push(Dyxel.CLASS.ROOT, Dyxel.EVENT.ROOT_COMMAND, item.id);
  },
  onKey(e) {
    if (!this.open.length) return false;
    const level = this.open[this.open.length - 1];
    const items = level.menu.items;
    const topIndex = this.top.indexOf(this.open[0].menu);
    const letter = e.key.length === 1 ? e.key.toLowerCase() : '';
    if (e.key === 'ArrowDown' || e.key === 'ArrowUp') {
      const step = e.key === 'ArrowDown' ? 1 : items.length - 1;
      this.select(level, level.sel < 0 ? (step === 1 ? 0 : items.length - 1)
        : (level.sel + step) % items.length, false);
    } else if (e.key === 'ArrowRight') {
      if (level.sel >= 0 && items[level.sel].items) this.openSub(level, 0);
      else this.openTop(topIndex + 1, 0);
    } else if (e.key === 'ArrowLeft') {
      if (this.open.length > 1) this.close(this.open.length - 1);
      else this.openTop(topIndex - 1, 0);
    } else if (e.key === 'Enter' || e.key === ' ') {
      this.choose(level, level.sel);
    } else if (e.key === 'Escape' || e.key === 'Alt' || e.key === 'F10') {
      this.close(e.key === 'Escape' ? this.open.length - 1 : 0);
    } else if (e.altKey && Dyxel.altLetter(e)) {
      if (!this.openByMnemonic(Dyxel.altLetter(e))) this.close();
    } else if (letter) {
      // One item with the letter is chosen; several are highlighted in turn.
      const hits = items.map((it, i) => (it.mnemonic === letter ? i : -1)).filter((i) => i >= 0);
      if (hits.length === 1) this.choose(level, hits[0]);
      else if (hits.length > 1) this.select(level, hits[(hits.indexOf(level.sel) + 1) % hits.length], false);
    } else if (e.ctrlKey || e.metaKey || e.key === 'Tab') {
      this.close();
      return false;
    }
    e.preventDefault();
    return true;
  },
};
