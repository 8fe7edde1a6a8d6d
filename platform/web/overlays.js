// The modal overlays (message boxes, the new-player dialog) and the help panel. A modal overlay
// covers the whole page, so the windows get no input while it is open; its answers are queued
// for the game's modal loop.
'use strict';

Dyxel.overlays = {
  stack: [], // open modal overlays, the topmost last: { el, onKey, focus, stops }

  // `stops` is the order of the Tab key, when not the document's.
  modal(content, onKey, owned, stops) {
    const shade = document.createElement('div');
    shade.className = 'modal';
    shade.append(content);
    document.body.append(shade);
    this.stack.push({ el: shade, onKey, focus: document.activeElement, stops });
    Dyxel.menu.close();
    this.place(content, owned);
    return shade;
  },
  // Over the root window when the box is owned, else in the middle of the view; the player
  // dialog is centred on the mouse pointer.
  place(el, how) {
    const r = el.getBoundingClientRect();
    let at = [innerWidth / 2, innerHeight / 2];
    const root = Dyxel.$('root-canvas');
    if (how === 'pointer' && Dyxel.pointer) at = Dyxel.pointer;
    else if (how === 'owned' && root) {
      const o = root.getBoundingClientRect();
      at = [o.left + o.width / 2, o.top + o.height / 2];
    }
    const clamp = (v, size, max) => Math.max(0, Math.min(v - size / 2, max - size));
    el.style.left = clamp(at[0], r.width, innerWidth) + 'px';
    el.style.top = clamp(at[1], r.height, innerHeight) + 'px';
  },
  // The focus goes back where it was when the overlay opened, as it does after a box.
  closeTop() {
    const top = this.stack.pop();
    if (!top) return;
    top.el.remove();
    if (top.focus && top.focus.isConnected) top.focus.focus({ preventScroll: true });
  },
  onKey(e) {
    const top = this.stack[this.stack.length - 1];
    if (!top) return false;
    top.onKey(e);
    if (e.key === 'Tab') this.trapFocus(e, top.stops || [...top.el.querySelectorAll('input, button')]);
    return true;
  },
  trapFocus(e, stops) {
    const i = stops.indexOf(document.activeElement);
    const next = e.shiftKey ? (i <= 0 ? stops.length - 1 : i - 1) : (i + 1) % stops.length;
    if (stops[next]) stops[next].focus();
    e.preventDefault();
  },

  // --- message boxes: OK, or Ja and Nej; the stop or the information icon -----------------
  box(text, caption, yesNo, icon, owned) {
    const win = document.createElement('div');
    win.className = 'win box active';
    win.setAttribute('role', 'alertdialog');
    const title = document.createElement('div');
    title.className = 'caption';
    title.textContent = caption;
    const body = document.createElement('div');
    body.className = 'body';
    if (icon) {
      const mark = document.createElement('span');
      mark.className = icon === 1 ? 'icon stop' : 'icon info';
      mark.textContent = icon === 1 ? '\u2715' : 'i';
      mark.setAttribute('aria-hidden', 'true');
      body.append(mark);
    }
    const message = document.createElement('div');
    message.className = 'text';
    message.textContent = text.replace(/\r\n/g, '\n').replace(/\n+$/, '');
    body.append(message);
    const buttons = document.createElement('div');
    buttons.className = 'buttons';
    const answers = yesNo ? [['&Ja', 6], ['&Nej', 7]] : [['OK', 1]];
    const answer = (code) => Dyxel.push(Dyxel.CLASS.BOX, Dyxel.EVENT.BOX_ANSWER, code);
    answers.forEach(([label, code]) => {
      const b = document.createElement('button');
      const { el, mnemonic } = Dyxel.label(label);
      b.append(el);
      b.dataset.mnemonic = mnemonic;
      b.addEventListener('click', () => answer(code));
      buttons.append(b);
    });
    win.append(title, body, buttons);
    // The keys are the box's: a mnemonic, Escape (No), Return or Space (the focused button).
    // None goes further, or it would reach whatever the answer opens next.
    this.modal(win, (e) => {
      const letter = e.key.length === 1 ? e.key.toLowerCase() : '';
      const all = [...buttons.children];
      const hit = all.findIndex((b) => letter && b.dataset.mnemonic === letter);
      if (hit >= 0) answer(answers[hit][1]);
      else if (e.key === 'Escape') answer(yesNo ? 7 : 1);
      else if (e.key === 'Enter' || e.key === ' ')
        answer(answers[Math.max(all.indexOf(document.activeElement), 0)][1]);
      if (e.key !== 'Tab') e.preventDefault();
    }, owned ? 'owned' : 'view');
    buttons.firstChild.focus();
  },

  // --- dialog 2200: a new player's initials and "Robot", the names so far, two buttons ------
  // Tab goes in the template's order: the field, "Klar", the list, "Lägg till", "Robot".
  dialog() {
    const d = document.createElement('div');
    d.className = 'dialog';
    d.setAttribute('role', 'dialog');
    d.setAttribute('aria-label', 'Ny spelare');
    d.innerHTML = '<fieldset class="entry"><legend>Ny spelare</legend>' +
      '<input id="dlg-name" autocomplete="off" spellcheck="false">' +
      '<label><input type="checkbox" id="dlg-robot"> Robot</label></fieldset>' +
      '<div class="lower"><fieldset class="names"><ul id="dlg-list" tabindex="0" aria-label="Spelare"></ul></fieldset>' +
      '<div class="buttons"><button id="dlg-add">Lägg till</button>' +
      '<button id="dlg-done">Klar</button></div></div>';
    const command = (id) => Dyxel.push(Dyxel.CLASS.DIALOG, Dyxel.EVENT.DIALOG_COMMAND, id);
    d.querySelector('#dlg-add').addEventListener('click', () => command(2203));
    d.querySelector('#dlg-done').addEventListener('click', () => command(1));
    this.modal(d, (e) => {
      // Return presses the focused button, else "Lägg till"; Escape is the game's to ignore.
      if (e.key === 'Escape') command(2);
      else if (e.key === 'Enter' && e.target.tagName !== 'BUTTON') command(2203);
      else return;
      e.preventDefault();
    }, 'pointer', ['#dlg-name', '#dlg-done', '#dlg-list', '#dlg-add', '#dlg-robot'].map((q) => d.querySelector(q)));
  },
  listAdd(name) {
    const list = Dyxel.$('dlg-list');
    const li = document.createElement('li');
    li.textContent = name;
    // Sorted as the list box sorts, without regard to case.
    const after = [...list.children].find((o) => o.textContent.localeCompare(name, 'sv', { sensitivity: 'accent' }) > 0);
    list.insertBefore(li, after || null);
  },

  // --- help: the game's own page in a panel of its own ---------------------------------------
  help(html) {
    if (Dyxel.$('help-win')) return;
    const win = Dyxel.frame('help-win', 'Tolvik dyxel \u2013 hjälp');
    win.classList.add('float', 'active');
    const close = document.createElement('button');
    close.className = 'close';
    close.textContent = '\u2715';
    close.title = 'Stäng';
    close.addEventListener('click', () => this.closeHelp());
    win.querySelector('.caption').append(close);
    // No script runs in the page; the frame is ours to listen to, and Tab never enters it.
    const page = document.createElement('iframe');
    page.setAttribute('sandbox', 'allow-same-origin');
    page.tabIndex = -1;
    page.addEventListener('load', () => {
      if (page.contentDocument) page.contentDocument.addEventListener('keydown', (e) => this.helpKey(e));
    });
    page.srcdoc = html;
    win.append(page);
    document.body.append(win);
    win.style.left = Math.max(0, innerWidth - 560) / 2 + scrollX + 'px';
    win.style.top = 40 + scrollY + 'px';
    Dyxel.draggable(win);
  },
  // Keys in the help: Escape closes it, Tab goes back to the game's window, and the game's
  // mnemonics and F10 reach the game; the rest scroll the help.
  helpKey(e) {
    if (e.key === 'Escape') {
      this.closeHelp();
    } else if (e.key === 'Tab' || e.altKey || e.key === 'F10') {
      Dyxel.window(Dyxel.active === 'dice' ? 1 : 0).focus({ preventScroll: true });
      if (e.key !== 'Tab') Dyxel.onKey(e);
    } else {
      return;
    }
    e.preventDefault();
  },
  closeHelp() {
    const help = Dyxel.$('help-win');
    if (!help) return;
    const inside = help.contains(document.activeElement);
    help.remove();
    if (inside && !Dyxel.gone) Dyxel.window(Dyxel.active === 'dice' ? 1 : 0).focus({ preventScroll: true });
  },
};
