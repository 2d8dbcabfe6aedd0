// Keeps the page working offline once it has been opened over http(s): the
// whole folder is cached when the worker is installed, and every request is
// answered from that cache first. scripts/build-web stamps the version with a
// digest of the files, so a new build brings a new cache and drops the old.
'use strict';

const CACHE = 'glimmerkist-VERSION';
const FILES = ['index.html', 'app.js', 'glimmerkist-core.js', 'catalog.js',
  'manifest.webmanifest', 'icon.svg', 'icon-192.png', 'icon-512.png'];

self.addEventListener('install', (event) => {
  event.waitUntil(caches.open(CACHE).then((cache) => cache.addAll(FILES)).then(() => self.skipWaiting()));
});

self.addEventListener('activate', (event) => {
  event.waitUntil(caches.keys()
    .then((keys) => Promise.all(keys.filter((key) => key.startsWith('glimmerkist-') && key !== CACHE)
      .map((key) => caches.delete(key))))
    .then(() => self.clients.claim()));
});

self.addEventListener('fetch', (event) => {
  if (event.request.method !== 'GET') return;
  // The folder's own address ("/glimmerkist/") is its index.html.
  const page = event.request.mode === 'navigate';
  event.respondWith(caches.open(CACHE)
    .then((cache) => cache.match(event.request, { ignoreSearch: true })
      .then((hit) => hit || (page ? cache.match('index.html') : undefined)))
    .then((hit) => hit || fetch(event.request)));
});
