// How runs of the page begin and end in one browser profile: a tab closed mid-run keeps its
// work, a second tab is turned away untouched, and a page once loaded starts offline.
import { test } from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs/promises";
import path from "node:path";
import { pathToFileURL } from "node:url";
import {
    clickControl,
    controlText,
    isShown,
    openGame,
    pageFolder,
    readFile,
    repository,
    seedGame,
    serveFolder,
    sessionPerFile,
    tileId,
    typeInto,
    waitForAnnouncement,
} from "./harness.js";

const session = sessionPerFile();

// Every record of every IndexedDB database of the page's origin, file times included.
function storedDatabases(page) {
    return page.evaluate(async () => {
        const all = {};
        for (const { name } of await indexedDB.databases()) {
            const db = await new Promise((resolve, reject) => {
                const open = indexedDB.open(name);
                open.onsuccess = () => resolve(open.result);
                open.onerror = () => reject(open.error);
            });
            for (const store of db.objectStoreNames) {
                const records = await new Promise((resolve) => {
                    const request = db.transaction(store).objectStore(store).getAll();
                    request.onsuccess = () => resolve(request.result);
                });
                all[`${name}/${store}`] = JSON.stringify(records, (key, value) =>
                    ArrayBuffer.isView(value) ? Array.from(value) : value,
                );
            }
            db.close();
        }
        return all;
    });
}

test("a tab closed in the middle of a round keeps its added puzzle and its scores", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 3550);
    for (const letter of "BIGTOP") await clickControl(page, tileId(letter));
    await clickControl(page, 5350);
    await typeInto(page, 5300, "Sea lion");
    await typeInto(page, 5250, "Big seal");
    await clickControl(page, 5200);
    await clickControl(page, 3550);
    // Closed at once, while the last click's files are still on their way to IndexedDB.
    await clickControl(page, tileId("S"));
    await page.close();

    const next = await openGame(session);
    assert.equal(await readFile(next, "TRData.dat"), "BIG TOP;Circus tent:sea lion;Big seal:");
    assert.equal(await readFile(next, "TRStats.dat"), "190 4 2 40 1 5");
});

test("a second tab says the game runs in another tab and touches no file", async () => {
    const first = await openGame(session);
    await seedGame(first);
    await clickControl(first, 3550);
    await first.evaluate(() => window.tallyrope.flush());
    const before = await storedDatabases(first);

    const second = await openGame(session);
    assert.equal(await second.$eval("#message-box", (box) => box.open), true);
    assert.equal(
        await second.$eval("#message-box-caption", (e) => e.textContent.trim()),
        "Tallyrope",
    );
    assert.equal(
        await second.$eval("#message-box-text", (e) => e.textContent.trim()),
        "Tallyrope is already running in another tab of this browser.",
    );
    const barShown = await second.$eval("#file-bar", (bar) => bar.checkVisibility());
    assert.equal(barShown, false, "no Export or Import that does nothing");
    await second.reload();
    await second.evaluate(() => window.tallyrope.ready);
    await second.close();
    assert.deepEqual(await storedDatabases(first), before);

    await clickControl(first, tileId("B"));
    await waitForAnnouncement(first, "B is in the phrase once.");

    // Once the quit's files are stored, a new tab plays.
    await clickControl(first, 4300);
    await first.waitForFunction(() =>
        document.querySelector("#ended p").textContent.endsWith("are saved."),
    );
    const third = await openGame(session);
    assert.equal(await third.$eval("#message-box", (box) => box.open), false);
    assert.ok(await isShown(third, "#game"));
    await clickControl(third, 3550);
    assert.equal(await controlText(third, 1960), " _ _ _   _ _ _");
});

test("the page can be installed, and its service worker keeps every file, so it starts with the server gone", async () => {
    // The list the service worker is built with; the page's modules reach it joined.
    const assets = path.join(repository, "frontends/web/page/assets.js");
    const { pageFiles } = await import(pathToFileURL(assets));
    const shipped = (await fs.readdir(pageFolder, { recursive: true, withFileTypes: true }))
        .filter((entry) => entry.isFile())
        .map((entry) =>
            path.relative(pageFolder, path.join(entry.parentPath ?? entry.path, entry.name)),
        )
        .filter((file) => !/^(help|icons)\//.test(file) && file !== "sw.js");
    // Each language's puzzles and texts, and the tiles after Z, are kept once a language needs
    // them; another language's manifest is read only to install the game in that language; the
    // captions' faces once the desktop picture shows.
    assert.deepEqual(
        shipped.filter((file) => !pageFiles.includes(file)).sort(),
        [
            "OnLoad-de.dat",
            "OnLoad-es.dat",
            "OnLoad-fr.dat",
            "OnLoad-it.dat",
            "OnLoad-nl.dat",
            "OnLoad-pt_BR.dat",
            "OnLoad.dat",
            "manifest-de.webmanifest",
            "manifest-es.webmanifest",
            "manifest-fr.webmanifest",
            "manifest-it.webmanifest",
            "manifest-nl.webmanifest",
            "manifest-pt_BR.webmanifest",
            "texts/de.json",
            "texts/es.json",
            "texts/fr.json",
            "texts/it.json",
            "texts/nl.json",
            "texts/pt_BR.json",
            "art/6270.webp",
            "art/6330.webp",
            "art/6390.webp",
            "art/6450.webp",
            "fonts/sans.woff2",
            "fonts/sans-bold.woff2",
            "fonts/sans-condensed-bold.woff2",
            "fonts/serif-bold.woff2",
            "fonts/serif-italic.woff2",
        ].sort(),
    );

    const server = await serveFolder(pageFolder);
    try {
        const page = await session.browser.newPage();
        await page.goto(server.url);
        await page.evaluate(() => window.tallyrope.ready);
        await page.evaluate(() => navigator.serviceWorker.ready);
        const client = await page.createCDPSession();
        assert.deepEqual(await client.send("Page.getInstallabilityErrors"), {
            installabilityErrors: [],
        });
        assert.deepEqual((await client.send("Page.getAppManifest")).errors, []);
        await client.detach();
        await server.close();
        await page.reload();
        await page.evaluate(() => window.tallyrope.ready);
        await clickControl(page, 3550);
        assert.match(await page.$eval("#c1960", (e) => e.textContent), /_/);
    } finally {
        await server.close();
    }
});
