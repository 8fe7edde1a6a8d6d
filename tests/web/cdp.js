// Headless Chromium driven over its DevTools protocol on a pipe (no WebSocket, no packages),
// and a static file server on 127.0.0.1 for the page. Shared by the browser tests and benches.
'use strict';
const { spawn } = require('child_process');
const fs = require('fs');
const http = require('http');
const os = require('os');
const path = require('path');

const TYPES = { '.html': 'text/html; charset=utf-8', '.js': 'text/javascript',
  '.wasm': 'application/wasm', '.ttf': 'font/ttf', '.png': 'image/png',
  '.webmanifest': 'application/manifest+json' };

// Serves the files of `root` on `port` of 127.0.0.1 (a free one if 0); resolves to the server.
function serve(root, port = 0) {
  const server = http.createServer((req, res) => {
    const name = decodeURIComponent(new URL(req.url, 'http://x').pathname);
    const file = path.join(root, name === '/' ? 'index.html' : name);
    if (!file.startsWith(root) || !fs.existsSync(file) || fs.statSync(file).isDirectory()) {
      res.writeHead(404).end();
      return;
    }
    res.writeHead(200, { 'Content-Type': TYPES[path.extname(file)] || 'application/octet-stream',
      'Cache-Control': 'no-store' });
    fs.createReadStream(file).pipe(res);
  });
  return new Promise((resolve) => server.listen(port, '127.0.0.1', () => resolve(server)));
}

class Browser {
  // A fresh profile in a temporary folder, and nothing that reaches out of the machine;
  // `prefs` are the profile's preferences (the user's settings) from its start.
  constructor(extraArgs = [], prefs = null) {
    this.home = fs.mkdtempSync(path.join(os.tmpdir(), 'dyxel-chromium-'));
    if (prefs) {
      fs.mkdirSync(path.join(this.home, 'profile', 'Default'), { recursive: true });
      fs.writeFileSync(path.join(this.home, 'profile', 'Default', 'Preferences'), JSON.stringify(prefs));
    }
    const args = ['--headless', '--no-sandbox', '--disable-gpu', '--disable-quic', '--no-first-run',
      '--disable-background-networking', '--disable-component-update', '--disable-sync',
      '--disable-default-apps', '--mute-audio', '--remote-debugging-pipe',
      `--user-data-dir=${path.join(this.home, 'profile')}`, '--window-size=800,720',
      ...extraArgs, 'about:blank'];
    // A process group of its own, so that its helper processes end with it.
    this.proc = spawn('chromium', args, {
      detached: true,
      stdio: ['ignore', 'ignore', 'pipe', 'pipe', 'pipe'],
      env: { ...process.env, XDG_CONFIG_HOME: path.join(this.home, 'config'),
        XDG_CACHE_HOME: path.join(this.home, 'cache'), HOME: this.home },
    });
    this.stderr = '';
    this.proc.stderr.on('data', (d) => { this.stderr = (this.stderr + d).slice(-4000); });
    this.nextId = 1;
    this.pending = new Map();
    this.handlers = [];
    let buffer = '';
    this.proc.stdio[4].on('data', (chunk) => {
      buffer += chunk;
      let end;
      while ((end = buffer.indexOf('\0')) >= 0) {
        this.receive(JSON.parse(buffer.slice(0, end)));
        buffer = buffer.slice(end + 1);
      }
    });
    this.exited = new Promise((resolve) => this.proc.on('exit', resolve));
  }
  receive(msg) {
    if (msg.id && this.pending.has(msg.id)) {
      const { resolve, reject, method } = this.pending.get(msg.id);
      this.pending.delete(msg.id);
      if (msg.error) reject(new Error(`${method}: ${msg.error.message}`));
      else resolve(msg.result);
    } else if (msg.method) {
      for (const h of this.handlers) h(msg);
    }
  }
  send(method, params = {}, sessionId) {
    const id = this.nextId++;
    const msg = { id, method, params };
    if (sessionId) msg.sessionId = sessionId;
    this.proc.stdio[3].write(JSON.stringify(msg) + '\0');
    return new Promise((resolve, reject) => this.pending.set(id, { resolve, reject, method }));
  }
  // A tab; in a context of its own (empty storage and cache, like a fresh profile) if asked.
  // In a window of its own if asked, so that it is drawn while another tab is too. Its loads
  // pass by the page's offline worker unless asked: under virtual time a load the worker
  // answers can stall for good, and only the offline test is about the worker.
  async newPage({ ownContext = false, newWindow = false, worker = false } = {}) {
    const params = { url: 'about:blank' };
    if (newWindow) params.newWindow = true;
    if (ownContext) params.browserContextId = (await this.send('Target.createBrowserContext')).browserContextId;
    const { targetId } = await this.send('Target.createTarget', params);
    const { sessionId } = await this.send('Target.attachToTarget', { targetId, flatten: true });
    const page = new Page(this, sessionId);
    await page.send('Page.enable');
    await page.send('Runtime.enable');
    if (!worker) {
      await page.send('Network.enable');
      await page.send('Network.setBypassServiceWorker', { bypass: true });
    }
    return page;
  }
  async close() {
    try {
      await Promise.race([this.send('Browser.close'), delay(3000)]);
    } catch (e) { /* already gone */ }
    await Promise.race([this.exited, delay(3000)]);
    try {
      process.kill(-this.proc.pid, 'SIGKILL');
    } catch (e) { /* the group is gone */ }
    await this.exited;
    fs.rmSync(this.home, { recursive: true, force: true, maxRetries: 10, retryDelay: 100 });
  }
}

class Page {
  constructor(browser, sessionId) {
    this.browser = browser;
    this.sessionId = sessionId;
    this.errors = [];
    browser.handlers.push((msg) => {
      if (msg.sessionId !== sessionId) return;
      if (msg.method === 'Runtime.exceptionThrown')
        this.errors.push(msg.params.exceptionDetails.exception?.description ?? msg.params.exceptionDetails.text);
      if (msg.method === 'Runtime.consoleAPICalled' && msg.params.type === 'error')
        this.errors.push(msg.params.args.map((a) => a.value ?? a.description).join(' '));
    });
  }
  send(method, params) { return this.browser.send(method, params, this.sessionId); }
  // Evaluates an expression (awaiting a promise) and returns its value.
  async eval(expression) {
    const r = await this.send('Runtime.evaluate', { expression, awaitPromise: true, returnByValue: true });
    if (r.exceptionDetails) throw new Error(`${expression}: ${r.exceptionDetails.exception?.description ?? r.exceptionDetails.text}`);
    return r.result.value;
  }
  // Polls an expression until it is truthy; fails after `seconds`.
  async waitFor(expression, seconds = 10, what = expression) {
    const end = Date.now() + seconds * 1000;
    for (;;) {
      const v = await this.eval(expression);
      if (v) return v;
      if (Date.now() > end) throw new Error(`timed out after ${seconds} s waiting for ${what}`);
      await delay(25);
    }
  }
  async navigate(url) {
    const loaded = this.once('Page.loadEventFired');
    await this.send('Page.navigate', { url });
    await loaded;
  }
  once(method) {
    return new Promise((resolve) => {
      const h = (msg) => {
        if (msg.sessionId !== this.sessionId || msg.method !== method) return;
        this.browser.handlers.splice(this.browser.handlers.indexOf(h), 1);
        resolve(msg.params);
      };
      this.browser.handlers.push(h);
    });
  }
  async screenshot(file) {
    const { data } = await this.send('Page.captureScreenshot', { format: 'png' });
    fs.mkdirSync(path.dirname(file), { recursive: true });
    fs.writeFileSync(file, Buffer.from(data, 'base64'));
  }
  // A key as the keyboard gives it: "Alt+f", "Enter", "1", "ArrowDown".
  async key(chord) {
    const parts = chord.split('+');
    const key = parts.pop();
    const mods = { Alt: 1, Control: 2, Shift: 8 };
    const modifiers = parts.reduce((m, p) => m | mods[p], 0);
    const named = { Enter: 13, Escape: 27, Tab: 9, ArrowUp: 38, ArrowDown: 40, ArrowLeft: 37,
      ArrowRight: 39, F1: 112, F10: 121, Backspace: 8, ' ': 32 };
    const code = named[key] ?? key.toUpperCase().charCodeAt(0);
    const text = key.length === 1 && !(modifiers & 3) ? key : key === 'Enter' ? '\r' : undefined;
    const base = { modifiers, key, windowsVirtualKeyCode: code, nativeVirtualKeyCode: code };
    await this.send('Input.dispatchKeyEvent', { type: text ? 'keyDown' : 'rawKeyDown', text, ...base });
    await this.send('Input.dispatchKeyEvent', { type: 'keyUp', ...base });
  }
  async type(text) {
    for (const ch of text) await this.key(ch);
  }
  // Presses the mouse at page coordinates; `count` 2 makes it the second press of a double click.
  async click(x, y, { button = 'left', count = 1 } = {}) {
    const base = { x, y, button, clickCount: count };
    await this.send('Input.dispatchMouseEvent', { type: 'mouseMoved', x, y });
    await this.send('Input.dispatchMouseEvent', { type: 'mousePressed', ...base });
    await this.send('Input.dispatchMouseEvent', { type: 'mouseReleased', ...base });
  }
  async doubleClick(x, y) {
    await this.click(x, y);
    await this.click(x, y, { count: 2 });
  }
}

function delay(ms) { return new Promise((r) => setTimeout(r, ms)); }

module.exports = { serve, Browser, delay };
