// The page's files, kept per build so that the game starts with the network off. The cache is
// named by the hash of this build's files (written in by sw.cmake): a new build's worker fills
// its own cache whole, then takes over and deletes the older ones, so the page never mixes files
// of two builds.
'use strict';
const CACHE = 'dyxel-@PAGE_HASH@';
const FILES = [@PAGE_FILES@];

self.addEventListener('install', (event) => {
  // Past the browser's HTTP cache, which may still hold the previous build's files.
  const requests = FILES.map((f) => new Request(f, { cache: 'reload' }));
  event.waitUntil(caches.open(CACHE).then((c) => c.addAll(requests)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((names) => Promise.all(names.filter((n) => n.startsWith('dyxel-') && n !== CACHE)
      .map((n) => caches.delete(n))))
    .then(() => self.clients.claim()));
});

// Cache first: the files of a build never change under its name; anything else goes to the network.
self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  event.respondWith(caches.open(CACHE)
    .then((c) => c.match(event.request, { ignoreSearch: true }))
    .then((hit) => hit || fetch(event.request)));
});
