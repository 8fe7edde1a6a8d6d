// The keyboard: which window or overlay a key goes to, and the dice window's bar of commands
// worked as a menu bar, by mnemonics and arrows.
'use strict';

Object.assign(Dyxel, {
  // Keys go to the open box or dialog, to an open menu, to the dice window's bar, to a
  // mnemonic of the active window's bar, or else to the active window as a key of its own.
  onKey(e) {
    if (this.overlays.onKey(e) || this.gone || this.menu.onKey(e)) return;
    if (e.ctrlKey || e.metaKey) return; // the browser's own shortcuts
    const dice = this.active === 'dice';
    if (dice && this.barKey(e)) {
      e.preventDefault();
      return;
    }
    if (e.altKey) {
      const letter = this.altLetter(e);
      if (letter && (dice ? this.diceMnemonic(letter) : this.menu.openByMnemonic(letter)))
        e.preventDefault();
      return;
    }
    if (e.key === 'Escape' && this.$('help-win')) {
      this.overlays.closeHelp();
      e.preventDefault();
      return;
    }
    if (e.key === 'F10' && !dice) {
      this.menu.openByIndex(0);
      e.preventDefault();
      return;
    }
    let key = this.KEY[e.key] ?? 0;
    if (!key && e.key.length === 1) key = this.encode(e.key.toLowerCase())[0];
    if (!key || key === 0x3f && e.key !== '?') return;
    this.push(dice ? this.CLASS.DICE : this.CLASS.ROOT,
      dice ? this.EVENT.DICE_KEY : this.EVENT.ROOT_KEY, key);
    e.preventDefault();
  },
  // The letter of Alt+letter, from the key's place where Alt makes another character of it.
  altLetter(e) {
    if (/^(Key[A-Z]|Digit\d)$/.test(e.code)) return e.code.slice(-1).toLowerCase();
    return e.key.length === 1 ? e.key.toLowerCase() : '';
  },
  // The dice window's commands work as a menu bar: a mnemonic of one command runs it; one that
  // several share selects the next of them, for Return to run. While one is selected, letters
  // select, the arrows move, Return runs and any other key leaves.
  barButtons() { return [...document.querySelectorAll('#dice-win .cmdbar button')]; },
  barSelect(i) {
    this.barButtons().forEach((b, j) => b.classList.toggle('sel', j === i));
  },
  barKey(e) {
    const all = this.barButtons();
    const at = all.findIndex((b) => b.classList.contains('sel'));
    if (at < 0 || ['Alt', 'Shift'].includes(e.key)) return false;
    if (e.key === 'Enter') {
      this.barSelect(-1);
      all[at].click();
    } else if (e.key === 'ArrowLeft' || e.key === 'ArrowRight') {
      this.barSelect((at + (e.key === 'ArrowLeft' ? all.length - 1 : 1)) % all.length);
    } else if (!(e.key.length === 1 && /\p{L}/u.test(e.key) && this.diceMnemonic(e.key.toLowerCase()))) {
      this.barSelect(-1);
    }
    return true;
  },
  diceMnemonic(letter) {
    const all = this.barButtons();
    const hits = all.filter((b) => b.dataset.mnemonic === letter);
    const at = all.findIndex((b) => b.classList.contains('sel'));
    if (hits.length === 1) {
      this.barSelect(-1);
      hits[0].click();
    } else if (hits.length > 1) {
      this.barSelect(all.indexOf(hits.find((b) => all.indexOf(b) > at) || hits[0]));
    }
    return hits.length > 0;
  }
});
