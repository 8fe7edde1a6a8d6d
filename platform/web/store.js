// The game's working directory, /dyxel, kept in IndexedDB through Emscripten's IDBFS. The files
// are read before the game starts (index.html asks for them early) and handed to IndexedDB after
// every replacement of one.
'use strict';

Dyxel.store = {
  DIR: '/dyxel',

  mount() {
    FS.mkdir(this.DIR);
    FS.mount(IDBFS, {}, this.DIR);
    FS.chdir(this.DIR);
    addRunDependency('dyxel-store');
    const done = (err) => {
      if (err) console.warn('dyxel: the browser keeps no files here:', err);
      removeRunDependency('dyxel-store');
    };
    // The page has read them already (index.html); else the file system reads them now.
    if (typeof dyxelStored === 'undefined') return FS.syncfs(true, done);
    dyxelStored.then((stored) => {
      if (!stored) return done('no IndexedDB');
      IDBFS.dbs[this.DIR] = stored.db;
      stored.keys.forEach((key, i) => {
        if (String(key).startsWith(this.DIR + '/')) IDBFS.storeLocalEntry(key, stored.values[i], () => {});
      });
      done(null);
    });
  },
  // Hands the data files to IndexedDB at once: a single transaction, started before the page
  // can go away, so that a write just before closing it is kept.
  flush() {
    const db = IDBFS.dbs[this.DIR];
    if (!db) return;
    try {
      const tx = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
      const store = tx.objectStore(IDBFS.DB_STORE_NAME);
      for (const name of FS.readdir(this.DIR)) {
        const path = this.DIR + '/' + name;
        if (name.endsWith('.tmp') || !FS.isFile(FS.stat(path).mode)) continue;
        IDBFS.loadLocalEntry(path, (err, entry) => { if (!err) store.put(entry, path); });
      }
      if (tx.commit) tx.commit();
    } catch (e) {
      console.warn('dyxel: a file could not be kept:', e);
    }
  },
};

// The code the page began to compile before this script ran.
if (typeof dyxelWasm !== 'undefined') {
  Module.instantiateWasm = (imports, receiveInstance) => {
    dyxelWasm.then((module) => WebAssembly.instantiate(module, imports)
      .then((instance) => receiveInstance(instance, module))).catch((e) => abort(e));
    return {};
  };
}

// The font is asked for at once, while the game's code still loads; the game starts once it has
// the font (the sheet is measured in it) and the stored files.
Dyxel.fontLoaded = document.fonts.load(Dyxel.FONT).catch(() => {});
Module.preRun = Module.preRun || [];
Module.preRun.push(() => {
  Dyxel.store.mount();
  addRunDependency('dyxel-font');
  Dyxel.fontLoaded.then(() => removeRunDependency('dyxel-font'));
});
