// Carrying the files between systems: Export downloads the bytes the desktop programs keep,
// Import takes a store or a plain database back, and refuses anything else untouched; and what
// the browser refuses to store.
import { after, before, test } from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs/promises";
import os from "node:os";
import path from "node:path";
import {
    asText,
    clickControl,
    isShown,
    openGame,
    readFile,
    seedGame,
    seededFiles,
    sessionPerFile,
    storedPuzzle,
    tileId,
} from "./harness.js";

const session = sessionPerFile();
let folder;
before(async () => {
    folder = await fs.mkdtemp(path.join(os.tmpdir(), "tallyrope-files-"));
});
after(() => fs.rm(folder, { recursive: true, force: true }));

// Export's two downloads, caught in a folder of their own; the round goes on.
async function exportFiles(page, button = "#export") {
    const downloads = await fs.mkdtemp(path.join(folder, "export-"));
    const client = await page.createCDPSession();
    await client.send("Browser.setDownloadBehavior", {
        behavior: "allow",
        downloadPath: downloads,
    });
    await page.click(button);
    const wanted = ["OnLoad.dat", "TRStats.dat"];
    for (let tries = 0; tries < 100; tries++) {
        const names = await fs.readdir(downloads);
        if (wanted.every((name) => names.includes(name))) break;
        await new Promise((resolve) => setTimeout(resolve, 100));
    }
    await client.detach();
    const read = (name) =>
        fs.readFile(path.join(downloads, name)).then((b) => b.toString("latin1"));
    return { store: await read("OnLoad.dat"), stats: await read("TRStats.dat") };
}

// Picks the file for Import, as the file chooser would.
async function importFile(page, name, bytes) {
    const file = path.join(folder, name);
    await fs.writeFile(file, Buffer.from(bytes, "latin1"));
    const input = await page.$("#import-file");
    await input.uploadFile(file);
}

async function answerButton(page, box, answer) {
    await page.waitForSelector(`#${box}[open]`);
    const [button] = await page.$$(
        `xpath/.//dialog[@id='${box}']//button[normalize-space()='${answer}']`,
    );
    return button;
}

// The game starts afresh from the imported file once it is confirmed.
async function confirmImport(page, box = "confirm-box", answer = "Replace puzzles") {
    const replace = await answerButton(page, box, answer);
    await Promise.all([page.waitForNavigation(), replace.click()]);
    await page.evaluate(() => window.tallyrope.ready);
}

// Cancel; the files as they are once the page has acted on the answer, at the dialog's close
// (a replacing page goes on to reload).
async function cancelImport(page, box, names) {
    const cancel = await answerButton(page, box, "Cancel");
    const closed = page.evaluate(
        (box, names) =>
            new Promise((resolve) => {
                const read = (name) => String.fromCharCode(...window.tallyrope.files.read(name));
                const files = () => resolve(names.map(read));
                document.getElementById(box).addEventListener("close", files, { once: true });
            }),
        box,
        names,
    );
    await cancel.click();
    return closed;
}

test("Export downloads the store and statistics, and Import brings a database and the store back", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 3550);
    for (const letter of "BIGTOP") await clickControl(page, tileId(letter));
    await clickControl(page, 3550);
    await clickControl(page, tileId("B"));
    await clickControl(page, 4750);
    await page.keyboard.type("big t");
    const exported = await exportFiles(page);
    assert.equal(exported.store, asText(storedPuzzle));
    assert.equal(exported.stats, "190 4 2 40 1 5");
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:", "no quit");
    assert.equal(await page.evaluate(() => document.activeElement.id), "c4750");
    await page.keyboard.type("op");
    assert.equal(await page.$eval("#c4750", (e) => e.value), "big top");
    await clickControl(page, tileId("I"));
    assert.equal(await page.$eval("#c1960", (e) => e.textContent), " B I _   _ _ _");

    await importFile(page, "TRData.dat", "SEA LION;Big seal:");
    assert.deepEqual(
        await cancelImport(page, "confirm-box", ["TRData.dat", "OnLoad.dat"]),
        ["BIG TOP;Circus tent:", asText(storedPuzzle)],
        "Cancel keeps the puzzles",
    );

    await importFile(page, "TRData.dat", "SEA LION;Big seal:");
    await confirmImport(page);
    assert.equal(await readFile(page, "TRData.dat"), "SEA LION;Big seal:");
    await clickControl(page, 3550);
    assert.equal(await page.$eval("#c1930", (e) => e.textContent.trim()), "Big seal");

    await importFile(page, "OnLoad.dat", exported.store);
    await confirmImport(page);
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:");
    assert.equal(await readFile(page, "TRStats.dat"), "190 4 2 40 1 5");
    assert.deepEqual(await exportFiles(page), exported);
});

test("a file that is neither a store nor a database is refused with a message, and nothing changes", async () => {
    const page = await openGame(session);
    await seedGame(page);
    assert.equal(await page.$eval("#message-box", (box) => box.open), false);
    await importFile(page, "picture.png", "\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR\x00\x00\x00\x10");
    await page.waitForSelector("#message-box[open]");
    assert.equal(
        await page.$eval("#message-box-text", (e) => e.textContent.trim()),
        "This file is neither a Tallyrope puzzle store (OnLoad.dat) nor a puzzle database (TRData.dat). Nothing was changed.",
    );
    assert.equal(await page.$eval("#confirm-box", (box) => box.open), false);
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:");
    assert.equal(await readFile(page, "OnLoad.dat"), asText(storedPuzzle));
    assert.equal(await readFile(page, "TRStats.dat"), "120 3 2 40 1 5");
});

test("Import takes a TRC_CONFIG.INI that yields both locks, and the console opens after the restart", async () => {
    const page = await openGame(session);
    await seedGame(page, {
        ...seededFiles,
        "TRC_CONFIG.INI": Array.from("Disable_Console= 1\nDisable_VCCntls= 1\n", (c) =>
            c.charCodeAt(0),
        ),
    });
    await clickControl(page, 5350);
    assert.ok(!(await isShown(page, "#panel-console")), "the console is locked");

    await importFile(page, "half.ini", "Disable_Console= 0\r\n");
    await page.waitForSelector("#message-box[open]");
    assert.equal(await page.$eval("#locks-box", (box) => box.open), false);
    await page.click("#message-box button");

    const unlocked = "Disable_Console= 0\r\nDisable_VCCntls= 0\r\n";
    await importFile(page, "TRC_CONFIG.INI", unlocked);
    assert.deepEqual(
        await cancelImport(page, "locks-box", ["TRC_CONFIG.INI"]),
        ["Disable_Console= 1\nDisable_VCCntls= 1\n"],
        "Cancel keeps the locks",
    );

    await importFile(page, "TRC_CONFIG.INI", unlocked);
    await confirmImport(page, "locks-box", "Replace locks");
    assert.equal(await readFile(page, "TRC_CONFIG.INI"), unlocked);
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:");
    assert.equal(await readFile(page, "TRStats.dat"), "120 3 2 40 1 5");
    await clickControl(page, 5350);
    assert.ok(await isShown(page, "#panel-console"), "the console opens");
});

// From now on the browser refuses every IndexedDB write of the page, as it does once the
// site's quota is full: a transaction asked to commit its writes aborts instead.
function refuseWrites(page, refusing = true) {
    return page.evaluate((refusing) => {
        window.writesRefused = refusing;
        if (window.commitAsked) return;
        window.commitAsked = IDBTransaction.prototype.commit;
        IDBTransaction.prototype.commit = function () {
            if (window.writesRefused) this.abort();
            else window.commitAsked.call(this);
        };
    }, refusing);
}

// The folder's records as IndexedDB holds them: file name and text.
function storedFiles(page) {
    return page.evaluate(async () => {
        const db = await new Promise((resolve) => {
            const open = indexedDB.open("/tallyrope");
            open.onsuccess = () => resolve(open.result);
        });
        const store = db.transaction("FILE_DATA").objectStore("FILE_DATA");
        const answer = (request) =>
            new Promise((resolve) => (request.onsuccess = () => resolve(request.result)));
        const [keys, records] = await Promise.all([store.getAllKeys(), store.getAll()].map(answer));
        db.close();
        const files = {};
        keys.forEach((key, at) => {
            if (records[at].contents) {
                files[key.split("/").pop()] = String.fromCharCode(...records[at].contents);
            }
        });
        return files;
    });
}

test("an Import the browser will not store says so, and the puzzles and scores stay as they were", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await refuseWrites(page);
    await importFile(page, "TRData.dat", "SEA LION;Big seal:");
    await page.waitForSelector("#confirm-box[open]");
    await page.click("#confirm-box button[value='replace']");
    await page.waitForSelector("#message-box[open]");
    assert.equal(
        await page.$eval("#message-box-text", (e) => e.textContent.trim()),
        "This browser would not store your puzzles and scores (its storage may be full or turned off). The imported file was not taken; nothing was changed.",
    );
    assert.equal(await readFile(page, "OnLoad.dat"), asText(storedPuzzle));
    assert.equal(await readFile(page, "TRStats.dat"), "120 3 2 40 1 5");

    await Promise.all([page.waitForNavigation(), page.click("#message-box button")]);
    await page.evaluate(() => window.tallyrope.ready);
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:");
    assert.equal(await readFile(page, "OnLoad.dat"), asText(storedPuzzle));
    assert.equal(await readFile(page, "TRStats.dat"), "120 3 2 40 1 5");
});

test("a flush the browser refuses is not called saved, and the next one stores the folder", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await refuseWrites(page);
    await page.evaluate(() => window.tallyrope.files.remove("TRC_CONFIG.INI"));
    assert.equal(await page.evaluate(() => window.tallyrope.flush()), false);
    assert.equal(
        await page.$eval("#storage-trouble:not([hidden]) p", (e) => e.innerText),
        "This browser would not store your puzzles and scores (its storage may be full or turned off). Export them to keep them.",
    );
    await clickControl(page, 4300);
    await page.waitForFunction(() =>
        document.querySelector("#ended").textContent.includes("would not store"),
    );
    assert.ok("TRC_CONFIG.INI" in (await storedFiles(page)), "nothing was stored");

    await refuseWrites(page, false);
    assert.equal(await page.evaluate(() => window.tallyrope.flush()), true);
    const stored = await storedFiles(page);
    assert.deepEqual(Object.keys(stored).sort(), ["OnLoad.dat", "TRData.dat", "TRStats.dat"]);
    assert.equal(stored["TRData.dat"], "Data purged...");
    assert.match(await page.$eval("#ended", (e) => e.textContent), /scores are saved\./);
    assert.equal(await isShown(page, "#storage-trouble"), false);
});

test("without IndexedDB the start says so, and the notice's Export hands over the files", async () => {
    const page = await session.browser.newPage();
    await page.evaluateOnNewDocument(() => {
        IDBFactory.prototype.open = () => {
            throw new DOMException("refused", "SecurityError");
        };
    });
    await page.goto(session.url);
    await page.evaluate(() => window.tallyrope.ready);
    assert.equal(await isShown(page, "#storage-trouble"), true);
    const exported = await exportFiles(page, "#storage-trouble button");
    assert.equal(exported.stats, "0 0 0 0 0 0");
    assert.ok(exported.store.length > 1000, "the shipped puzzles");
});

test("the game's first write asks the browser to keep its folder, and only that once", async () => {
    const page = await openGame(session);
    await page.evaluateOnNewDocument(() => {
        window.keepAsked = 0;
        navigator.storage.persist = async () => ++window.keepAsked > 0;
    });
    await seedGame(page);
    await page.evaluate(() => window.tallyrope.flush());
    await clickControl(page, 3550);
    await page.evaluate(() => window.tallyrope.flush());
    assert.equal(await page.evaluate(() => window.keepAsked), 1);
});
