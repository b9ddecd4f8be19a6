// Keeps every file of the site in the browser, so that after one visit the game starts and plays
// with no network. One cache per version of the game: a new version fills its own, then drops
// the old one whole, so that no page is ever put together from two versions.
"use strict";

const VERSION = "@PROJECT_VERSION@";
const CACHE = `kvelt-${VERSION}`;
const FILES = "@KVELT_SITE_FILES@".split(" ");

self.addEventListener("install", (event) => {
  // Fetched past the browser's HTTP cache: it may still hold the files of the version before.
  event.waitUntil(
    caches
      .open(CACHE)
      .then((cache) => cache.addAll(FILES.map((file) => new Request(file, { cache: "reload" }))))
      .then(() => self.skipWaiting()),
  );
});

self.addEventListener("activate", (event) => {
  event.waitUntil(
    (async () => {
      const old = (await caches.keys()).filter((name) => name.startsWith("kvelt-") && name !== CACHE);
      await Promise.all(old.map((name) => caches.delete(name)));
      await self.clients.claim();
      if (old.length === 0) return;
      for (const client of await self.clients.matchAll({ type: "window" })) {
        client.postMessage({ kind: "updated", version: VERSION });
      }
    })(),
  );
});

self.addEventListener("fetch", (event) => {
  const request = event.request;
  if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
  event.respondWith(
    caches
      .open(CACHE)
      .then((cache) => cache.match(request, { ignoreSearch: true }))
      .then((kept) => kept || fetch(request)),
  );
});
