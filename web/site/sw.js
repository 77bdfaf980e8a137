// Keeps the whole page, its languages and its guide for use without a connection: everything
// offline.json lists is stored when the page is first opened, and each new build replaces it.
// Requests go to this site alone; the page sends nothing anywhere.

const kList = 'offline.json';

async function listed() {
  const response = await fetch(kList, { cache: 'no-cache' });
  return response.json();
}

self.addEventListener('install', (event) => {
  event.waitUntil((async () => {
    const { version, files } = await listed();
    const cache = await caches.open(version);
    await cache.addAll(files);
    await self.skipWaiting();
  })());
});

self.addEventListener('activate', (event) => {
  event.waitUntil((async () => {
    const { version } = await listed().catch(() => ({ version: null }));
    if (version)
      for (const name of await caches.keys()) if (name !== version) await caches.delete(name);
    await self.clients.claim();
  })());
});

// From the network while it answers, so that a new build shows at once; from the store without
// one.
self.addEventListener('fetch', (event) => {
  const request = event.request;
  if (request.method !== 'GET' || new URL(request.url).origin !== location.origin) return;
  event.respondWith((async () => {
    try {
      const response = await fetch(request);
      return response;
    } catch (error) {
      const stored = await caches.match(request, { ignoreSearch: true });
      if (stored) return stored;
      throw error;
    }
  })());
});
