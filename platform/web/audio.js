// Sound through Web Audio: each wave of the game decoded once into a buffer, one playing at a
// time. The browser lets sound start only after the player's first input. The page's first
// audio context can cost a long task, so it is made on its own, a few seconds after the first
// frame while the page is idle (suspended until the first input), never inside an input's own
// task; a sound before it is made is not heard. Suspended after three quiet seconds so that an
// idle page costs nothing.
'use strict';

Dyxel.audio = {
  ctx: null,
  source: null,
  buffers: new Map(),
  quietTimer: 0,
  QUIET_MS: 3000,
  made: false,
  unlocked: false,

  // The game's sounds by resource id, as res/manifest.txt numbers them; the page fetches them from
  // snd/ once its first frame is shown. A sound not (yet) there is not played.
  SOUNDS: [2401, 2402, 2403, 2404, 2405, 2406, 2407],
  waves: new Map(),

  // Once the first frame is shown. Asking for the devices readies the browser's audio service
  // without blocking the page, after which the context takes a few ms to make instead of 100;
  // the service takes a while after the answer too (a context made within a second of it has
  // blocked the page for 0.7 s), so the context waits some seconds more, and for an idle moment.
  SETTLE_MS: 2500,
  prepare() {
    this.SOUNDS.forEach((id) => fetch(`snd/${id}.wav`)
      .then((r) => (r.ok ? r.arrayBuffer() : null))
      .then((bytes) => { if (bytes) this.waves.set(id, new Uint8Array(bytes)); })
      .catch(() => {}));
    const idle = window.requestIdleCallback || ((f) => setTimeout(f, 50));
    const media = navigator.mediaDevices; // only where the page counts as secure
    const devices = media && media.enumerateDevices ? media.enumerateDevices().catch(() => {}) : null;
    const settled = new Promise((r) => setTimeout(r, this.SETTLE_MS));
    Promise.all([devices, settled]).then(() => new Promise((r) => idle(r, { timeout: 2000 })))
      .then(() => this.make());
  },
  unlock() {
    if (this.unlocked) return;
    this.unlocked = true;
    // Not made yet: prepare() makes it when the time comes, and it may run then.
    this.resume();
  },
  resume() {
    if (!this.ctx || this.ctx.state === 'closed') return;
    if (this.ctx.state === 'suspended') this.ctx.resume().then(() => this.quiet());
    else this.quiet();
  },
  make() {
    if (this.made) return;
    this.made = true;
    try {
      this.ctx = new AudioContext();
    } catch (e) {
      return; // no audio: the game stays silent
    }
    if (this.unlocked) this.resume();
  },
  play(id) {
    if (!this.unlocked || !this.ctx || this.ctx.state === 'closed' || !this.waves.has(id)) return 0;
    if (!this.buffers.has(id)) this.buffers.set(id, this.decode(this.waves.get(id)));
    const buffer = this.buffers.get(id);
    if (!buffer) return 0;
    this.stopPlaying();
    clearTimeout(this.quietTimer);
    if (this.ctx.state !== 'running') this.ctx.resume();
    const source = this.ctx.createBufferSource();
    source.buffer = buffer;
    source.connect(this.ctx.destination);
    source.onended = () => {
      if (this.source !== source) return;
      this.source = null;
      this.quiet();
    };
    source.start();
    this.source = source;
    return 1;
  },
  stopPlaying() {
    if (!this.source) return;
    const s = this.source;
    this.source = null;
    s.onended = null;
    s.stop();
    s.disconnect();
  },
  quiet() {
    clearTimeout(this.quietTimer);
    this.quietTimer = setTimeout(() => {
      if (!this.source && this.ctx.state === 'running') this.ctx.suspend();
    }, this.QUIET_MS);
  },
  close() {
    clearTimeout(this.quietTimer);
    if (this.ctx) this.ctx.close();
    this.ctx = null;
    this.made = true; // the page has ended: no context is made any more
  },
  // A RIFF/WAVE file of 16-bit PCM; null for anything else.
  decode(bytes) {
    const v = new DataView(bytes.buffer, bytes.byteOffset, bytes.byteLength);
    const tag = (at) => String.fromCharCode(...bytes.subarray(at, at + 4));
    if (bytes.length < 12 || tag(0) !== 'RIFF' || tag(8) !== 'WAVE') return null;
    let format = null;
    for (let at = 12; at + 8 <= bytes.length; at += 8 + v.getUint32(at + 4, true) + (v.getUint32(at + 4, true) & 1)) {
      const size = v.getUint32(at + 4, true);
      if (tag(at) === 'fmt ' && size >= 16) {
        format = { pcm: v.getUint16(at + 8, true), channels: v.getUint16(at + 10, true),
          rate: v.getUint32(at + 12, true), bits: v.getUint16(at + 22, true) };
      } else if (tag(at) === 'data' && format && format.pcm === 1 && format.bits === 16 &&
                 format.channels > 0) {
        const frames = Math.floor(Math.min(size, bytes.length - at - 8) / (2 * format.channels));
        if (frames === 0) return null;
        const buffer = this.ctx.createBuffer(format.channels, frames, format.rate);
        for (let c = 0; c < format.channels; c++) {
          const out = buffer.getChannelData(c);
          for (let i = 0; i < frames; i++)
            out[i] = v.getInt16(at + 8 + 2 * (i * format.channels + c), true) / 32768;
        }
        return buffer;
      }
    }
    return null;
  },
};
