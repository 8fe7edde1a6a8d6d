// The game's working directory, /dyxel, kept in IndexedDB through Emscripten's IDBFS. The files
// are read before the game starts (index.html asks for them early) and handed to IndexedDB after
// every replacement of one.
'use strict';

Dyxel.store = {
  DIR: '/dyxel',
  LOCK: 'dyxel-files', // held by one tab at a time, around a read, insert and write
  failed: false, // the storage could not be opened: nothing is kept
  release: null,

  mount() {
    FS.mkdir(this.DIR);
    FS.mount(IDBFS, {}, this.DIR);
    FS.chdir(this.DIR);
    addRunDependency('dyxel-store');
    const done = (err) => {
      if (err) {
        console.warn('dyxel: the browser keeps no files here:', err);
        this.failed = true;
      }
      removeRunDependency('dyxel-store');
      this.listen();
    };
    // The page has read them already (index.html); else the file system reads them now.
    if (typeof dyxelStored === 'undefined') return FS.syncfs(true, done);
    dyxelStored.then((stored) => {
      if (!stored) return done('no IndexedDB');
      IDBFS.dbs[this.DIR] = stored.db;
      this.place(stored.keys, stored.values);
      done(null);
    });
  },
  place(keys, values) {
    keys.forEach((key, i) => {
      if (String(key).startsWith(this.DIR + '/')) IDBFS.storeLocalEntry(key, values[i], () => {});
    });
  },
  // The stored files, read afresh into the working directory; resolves when they are there.
  reload() {
    const db = IDBFS.dbs[this.DIR];
    if (!db) return Promise.resolve();
    return new Promise((done) => {
      try {
        const files = db.transaction([IDBFS.DB_STORE_NAME]).objectStore(IDBFS.DB_STORE_NAME);
        const keys = files.getAllKeys(), values = files.getAll();
        values.onsuccess = () => { this.place(keys.result, values.result); done(); };
        values.onerror = () => done();
      } catch (e) {
        done();
      }
    });
  },
  // The lock over the data files across the tabs of the page; without Web Locks (or with the
  // site's storage blocked) a tab has only itself to fear.
  request(mode, work) {
    if (!navigator.locks) return work();
    return navigator.locks.request(this.LOCK, { mode }, work).catch(() => work());
  },
  lock() {
    return new Promise((held) => {
      this.request('exclusive', () => new Promise((release) => {
        this.release = release;
        this.reload().then(held);
      }));
    });
  },
  unlock() {
    const release = this.release;
    this.release = null;
    if (release) release();
  },
  // Another tab has written the files: this one shows them as stored.
  listen() {
    if (this.failed || typeof BroadcastChannel === 'undefined') return;
    this.channel = new BroadcastChannel(this.LOCK);
    this.channel.onmessage = () => this.request('shared', () => this.reload()).then(() =>
      Dyxel.push(Dyxel.CLASS.SYSTEM, Dyxel.EVENT.FILES_CHANGED));
  },
  // Hands the data files to IndexedDB at once: a single transaction, started before the page
  // can go away, so that a write just before closing it is kept. Resolves to whether they were
  // kept; null when it could not even start.
  flush() {
    const db = IDBFS.dbs[this.DIR];
    if (!db) return null;
    try {
      const tx = db.transaction([IDBFS.DB_STORE_NAME], 'readwrite');
      const store = tx.objectStore(IDBFS.DB_STORE_NAME);
      const kept = new Promise((done) => {
        tx.oncomplete = () => {
          if (this.channel) this.channel.postMessage('written');
          done(true);
        };
        tx.onabort = () => {
          console.warn('dyxel: the files were not kept:', tx.error);
          done(false);
        };
      });
      for (const name of FS.readdir(this.DIR)) {
        const path = this.DIR + '/' + name;
        if (name.endsWith('.tmp') || !FS.isFile(FS.stat(path).mode)) continue;
        IDBFS.loadLocalEntry(path, (err, entry) => { if (!err) store.put(entry, path); });
      }
      if (tx.commit) tx.commit();
      return kept;
    } catch (e) {
      console.warn('dyxel: the files could not be kept:', e);
      return null;
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
