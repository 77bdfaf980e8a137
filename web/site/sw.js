// Keeps the whole page, its languages and its guide for use without a connection: everything
// offline.json lists is stored when the page is first opened, and answers from there at once.
// Each build stamps its own name below, so that the browser installs a new build's files whole
// and drops the old ones. Requests go to this site alone; the page sends nothing anywhere.

const kBuild = 'tavrel-build';
const kList = 'offline.json';

async function listed() {
  const response = await fetch(kList, { cache: 'no-cache' });
  return response.json();
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const { files } = await listed();
    const cache = await caches.open(kBuild);
    await cache.addAll(files);
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    for (const name of await caches.keys()) if (name !== kBuild) await caches.delete(name);
    await self.clients.claim();
  })());
});

// From this build's store, which holds every file of the page; from the network what it lacks.
// The store is opened once, and an address without a query is looked up by itself: a look-up
// that ignores queries reads through every stored file, which slowed every request.
let store = null;
self.addEventListener('fetch', (event) => {
  const request = event.request;
  const address = new URL(request.url);
  if (request.method !== 'GET' || address.origin !== location.origin) return;
  event.respondWith((async () => {
    store ??= caches.open(kBuild);
    const cache = await store;
    const stored = await cache.match(request, { ignoreSearch: address.search !== '' });
    return stored ?? fetch(request);
  })());
});
