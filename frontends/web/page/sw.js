// Keeps the page's own files, so the game starts offline once it has been loaded.
// make-web.sh stamps the version with the page files' digest: a new build gets a new cache,
// and the old one goes once no tab uses it.
import { pageFiles } from "./assets.js";

const cachePrefix = "tallyrope-";
const cacheName = `${cachePrefix}@PAGE_VERSION@`;

self.addEventListener("install", (event) => {
    event.waitUntil(caches.open(cacheName).then((cache) => cache.addAll(pageFiles)));
});

self.addEventListener("activate", (event) => {
    event.waitUntil(
        caches
            .keys()
            .then((names) =>
                Promise.all(
                    names
                        .filter((name) => name.startsWith(cachePrefix) && name !== cacheName)
                        .map((name) => caches.delete(name)),
                ),
            ),
    );
});

self.addEventListener("fetch", (event) => {
    const request = event.request;
    if (request.method !== "GET" || new URL(request.url).origin !== self.location.origin) return;
    event.respondWith(cachedOrFetched(request));
});

// Cache first; what is not kept yet (the guide's pages) is kept once it has been fetched.
async function cachedOrFetched(request) {
    const cache = await caches.open(cacheName);
    const cached = await cache.match(request, { ignoreSearch: true });
    if (cached) return cached;
    const response = await fetch(request);
    if (response.status === 200) await cache.put(request, response.clone());
    return response;
}
