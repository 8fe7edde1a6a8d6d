// The functions the C++ platform layer calls (platform/web/webplatform.h). Each hands over to
// the page's glue (page.js, menus.js, overlays.js, audio.js); text arrives as Windows-1252.
mergeInto(LibraryManager.library, {
  // The one place where the game waits: Asyncify unwinds the C++ stack and the browser runs
  // until an event the game asked for is queued, or the time is up.
  dyxel_wait: function (mask, timeout) {
    return Asyncify.handleSleep((wakeUp) => Dyxel.sleep(mask, timeout, wakeUp));
  },
  dyxel_take: function (mask, args) { return Dyxel.take(mask, args); },
  dyxel_start: function () { Dyxel.start(); },
  dyxel_stop: function () { Dyxel.stop(); },
  // The data files reach IndexedDB through dyxel_flush_files, in one transaction started at
  // once; the game sleeps until it is done unless the page is going away. The library's own
  // fsync would sync the whole mount with the game asleep; in memory, a written file is
  // already complete.
  dyxel_flush_files: function (wait) {
    return Asyncify.handleSleep((wakeUp) => {
      const done = Dyxel.store.flush();
      if (!wait) return wakeUp(done ? 1 : 0);
      (done || Promise.resolve(false)).then((ok) => wakeUp(ok ? 1 : 0));
    });
  },
  dyxel_lock_files: function () {
    return Asyncify.handleSleep((wakeUp) => Dyxel.store.lock().then(() => wakeUp(0)));
  },
  dyxel_unlock_files: function () { Dyxel.store.unlock(); },
  dyxel_storage_failed: function () { return Dyxel.store.failed ? 1 : 0; },
  fd_sync: function (fd) { return 0; },

  dyxel_menu_add: function (depth, id, text, check) {
    Dyxel.menuEntries.push([depth, id, Dyxel.decode(text, -1), check]);
  },
  dyxel_menu_check: function (id, checked) { Dyxel.menu.check(id, checked); },
  dyxel_menu_enable: function (id, enabled) { Dyxel.menu.enable(id, enabled); },
  dyxel_root_create: function (title, width, height) {
    Dyxel.createRoot(Dyxel.decode(title, -1), width, height);
  },
  dyxel_root_resize: function (width, height) { Dyxel.resizeRootCanvas(width, height); },
  dyxel_root_gone: function () { Dyxel.rootGone(); },
  dyxel_dice_command_add: function (id, text) {
    (Dyxel.diceCommands = Dyxel.diceCommands || []).push([id, Dyxel.decode(text, -1)]);
  },
  dyxel_dice_create: function (title, x, y, width, height) {
    Dyxel.createDice(Dyxel.decode(title, -1), x, y, width, height);
  },
  dyxel_dice_highlight: function (id, on) {
    const b = document.querySelector(`#dice-win .cmdbar [data-id="${id}"]`);
    if (b) b.setAttribute('aria-pressed', String(!!on));
  },
  dyxel_show: function (w, shown) { Dyxel.show(w, shown); },
  dyxel_title: function (w, text) {
    const title = Dyxel.decode(text, -1);
    Dyxel.window(w).querySelector('.caption').textContent = title;
    if (w === 0) document.title = title;
  },
  dyxel_activate: function (w) { Dyxel.activate(w); },
  dyxel_client_size: function (w, out) {
    const c = Dyxel.$(w === 0 ? 'root-canvas' : 'dice-canvas');
    HEAP32.set(c ? c.size : [0, 0], out >> 2);
  },
  dyxel_window_rect: function (w, out) { return Dyxel.windowRect(w, out); },

  dyxel_fill: function (canvas, l, t, r, b, rgb) {
    const c = Dyxel.context(canvas);
    c.fillStyle = Dyxel.colour(rgb);
    c.fillRect(l, t, r - l, b - t);
  },
  dyxel_line: function (canvas, x0, y0, x1, y1, width, rgb) {
    const c = Dyxel.context(canvas);
    c.strokeStyle = Dyxel.colour(rgb);
    c.lineWidth = width;
    c.beginPath();
    c.moveTo(x0 + 0.5, y0 + 0.5);
    c.lineTo(x1 + 0.5, y1 + 0.5);
    c.stroke();
  },
  dyxel_text: function (canvas, x, y, text, length, rgb) {
    Dyxel.text(canvas, x, y, Dyxel.decode(text, length), rgb);
  },
  dyxel_measure: function (text, length) { return Dyxel.measure(Dyxel.decode(text, length)); },
  dyxel_put: function (canvas, rgba, width, height, x, y, partX, partY, partWidth, partHeight) {
    const pixels = new Uint8ClampedArray(HEAPU8.buffer, rgba, width * height * 4);
    Dyxel.fit.put(canvas, new ImageData(pixels, width, height), x, y,
      [partX, partY, partWidth, partHeight]);
  },

  dyxel_page_icon: function (rgba, width, height) {
    const pixels = new ImageData(new Uint8ClampedArray(HEAPU8.slice(rgba, rgba + width * height * 4)),
      width, height);
    Dyxel.later(() => {
      const canvas = document.createElement('canvas');
      canvas.width = width;
      canvas.height = height;
      canvas.getContext('2d').putImageData(pixels, 0, 0);
      const link = document.querySelector('link[rel="icon"]');
      if (link) link.href = canvas.toDataURL();
    });
  },
  dyxel_box_open: function (text, caption, yesNo, icon, owned) {
    Dyxel.overlays.box(Dyxel.decode(text, -1), Dyxel.decode(caption, -1), yesNo, icon, owned);
  },
  dyxel_box_close: function () { Dyxel.overlays.closeTop(); },
  dyxel_dialog_open: function () { Dyxel.overlays.dialog(); },
  dyxel_dialog_close: function () { Dyxel.overlays.closeTop(); },
  dyxel_dialog_raise: function () {
    const name = Dyxel.$('dlg-name');
    if (name) name.focus();
  },
  dyxel_dialog_text: function (buffer, capacity) {
    const bytes = Dyxel.encode(Dyxel.$('dlg-name').value).slice(0, capacity - 1);
    HEAPU8.set(bytes.concat(0), buffer);
    return bytes.length;
  },
  dyxel_dialog_set_text: function (text) { Dyxel.$('dlg-name').value = Dyxel.decode(text, -1); },
  dyxel_dialog_focus: function () { Dyxel.$('dlg-name').focus(); },
  dyxel_dialog_robot: function () { return Dyxel.$('dlg-robot').checked ? 1 : 0; },
  dyxel_dialog_set_robot: function (checked) { Dyxel.$('dlg-robot').checked = !!checked; },
  dyxel_dialog_list_add: function (text) { Dyxel.overlays.listAdd(Dyxel.decode(text, -1)); },
  dyxel_help_open: function (html, length) { Dyxel.overlays.help(Dyxel.decode(html, length)); },
  dyxel_help_close: function () { Dyxel.overlays.closeHelp(); },
  dyxel_play: function (id) { return Dyxel.audio.play(id); },
});
