// The page in other languages than English: it starts in the browser's language and fetches
// that language's puzzles alone; rounds in German and Spanish, won by taps, leave the bytes the
// Windows and Linux programs leave for the same play.
import { test } from "node:test";
import assert from "node:assert/strict";
import fs from "node:fs/promises";
import path from "node:path";
import {
    asText,
    controlText,
    pageFolder,
    readFile,
    seedGame,
    seededFiles,
    sessionPerFile,
    storedPuzzle,
} from "./harness.js";

const session = sessionPerFile();
const phone = { width: 390, height: 844, isMobile: true, hasTouch: true };

// "s\u00fc\u00df;Zucker:" (süß) and "ni\u00f1o;Chico:" (niño) scrambled into their stores.
const germanStore = [0x7a, 0xfe, 0xe8, 0x38, 0x5f, 0x7f, 0x5e, 0x71, 0x63, 0x7a, 0x41];
const spanishStore = [0x75, 0x6b, 0xfa, 0x6c, 0x40, 0x4d, 0x63, 0x6f, 0x61, 0x77, 0x41];
const tile = { S: 1240, N: 940, I: 640, O: 1000, Z: 1660, "\u00dc": 6480, "\u00d1": 6360 };

// A phone whose browser prefers `languages`, as navigator.languages gives them, with every
// path the page asked the server for.
async function openPhone(languages) {
    const page = await session.browser.newPage();
    await page.evaluateOnNewDocument((preferred) => {
        Object.defineProperty(navigator, "languages", { get: () => preferred });
    }, languages);
    await page.setViewport(phone);
    page.setDefaultTimeout(10000);
    const asked = [];
    page.on("request", (request) => asked.push(new URL(request.url()).pathname));
    await page.goto(session.url);
    await page.evaluate(() => window.tallyrope.ready);
    return { page, asked };
}

// The letters on the ledge, in their order, as a player sees them.
function ledge(page) {
    return page.$$eval('[data-part="letters"] .tile', (tiles) =>
        tiles.filter((key) => key.checkVisibility()).map((key) => key.dataset.letter).join(""),
    );
}

// Every text of the page a player may see or hear: its text nodes, the texts its styles draw,
// its accessible names, descriptions and placeholders, and what a search or an installed game
// says of it.
function everyText(page) {
    return page.evaluate(() => {
        const texts = [document.querySelector('meta[name="description"]').content];
        const walker = document.createTreeWalker(document.body, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node !== null; node = walker.nextNode()) {
            texts.push(node.textContent.trim());
        }
        for (const element of document.body.querySelectorAll("*")) {
            for (const name of ["aria-label", "aria-roledescription", "placeholder", "title"]) {
                texts.push(element.getAttribute(name) ?? "");
            }
            for (const pseudo of ["::before", "::after"]) {
                // A drawn text may say what a screen reader hears instead: "text" / "".
                const drawn = getComputedStyle(element, pseudo).content.match(/^"(?:[^"\\]|\\.)*"/);
                texts.push(drawn ? JSON.parse(drawn[0]) : "");
            }
        }
        return texts.filter((text) => text !== "");
    });
}

// Quits, and waits until the notice says, in the language in play, that the files are saved.
async function quit(page, saved) {
    await page.tap("#c4300");
    await page.waitForFunction(
        (saved) => document.querySelector("#ended").textContent.includes(saved),
        {},
        saved,
    );
}

test("a browser that prefers German gets the page in German and only the German puzzles", async () => {
    const { page, asked } = await openPhone(["de-DE", "de", "en"]);
    await page.waitForNetworkIdle();
    assert.equal(await page.evaluate(() => document.documentElement.lang), "de");
    assert.equal(await ledge(page), "ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00c4\u00d6\u00dc");
    assert.deepEqual(
        asked.filter((url) => /OnLoad|6330/.test(url)),
        ["/OnLoad-de.dat"],
        "no other language's puzzles, nor the \u00d1 tile",
    );
    const shipped = await fs.readFile(path.join(pageFolder, "OnLoad-de.dat"));
    assert.equal(await readFile(page, "OnLoad-de.dat"), asText(shipped));
    assert.equal(await readFile(page, "TRLanguage.dat"), null, "the browser's, not a choice");
    assert.equal(
        await page.$eval("#c6700", (button) => button.getAttribute("aria-label")),
        "Sprache: Deutsch",
    );
    assert.equal(
        await page.$eval('link[rel="manifest"]', (link) => link.getAttribute("href")),
        "manifest-de.webmanifest",
    );
    // No English text of the game where German has its own, in a round and between rounds; a
    // unit of one letter ("W") cannot be told from a tile's letter.
    const german = JSON.parse(await fs.readFile(path.join(pageFolder, "texts/de.json"), "utf8"));
    const english = Object.entries(german)
        .filter(([text, translation]) => typeof translation === "string" && text !== translation)
        .filter(([text]) => text.length > 1)
        .map(([text]) => text.replace(/<\/?b>/g, "").replace("&ndash;", "\u2013"));
    const englishLeft = (texts) =>
        texts.filter((text) =>
            english.some((known) => {
                const [before, after] = known.split(/%[sd]/);
                return after === undefined
                    ? text === known
                    : text.startsWith(before) && text.endsWith(after);
            }),
        );
    assert.deepEqual(englishLeft(await everyText(page)), []);
    await page.tap("#c3550");
    await page.tap("#c5350");
    assert.deepEqual(englishLeft(await everyText(page)), []);
});

test("a German round won by taps leaves the bytes of the desktop programs", async () => {
    const { page } = await openPhone(["de-DE"]);
    await seedGame(page, {
        ...seededFiles,
        "TRLanguage.dat": Array.from("Language= de\r\n", (c) => c.charCodeAt(0)),
        "OnLoad-de.dat": germanStore,
    });
    await page.tap("#c3550");
    assert.equal(await controlText(page, 1960), " _ _ _ _");
    await page.tap(`#c${tile.S}`);
    await page.tap(`#c${tile["\u00dc"]}`);
    assert.equal(await controlText(page, 1960), " S \u00dc S S");
    await quit(page, "Deine R\u00e4tsel und Punkte sind gespeichert.");
    assert.equal(await readFile(page, "TRData-de.dat"), "Data purged...");
    assert.equal(await readFile(page, "OnLoad-de.dat"), asText(germanStore));
    assert.equal(await readFile(page, "TRStats.dat"), "160 4 2 40 1 5");
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:");
});

test("Spanish chosen by a tap on the language button keeps the scores and each language's puzzles", async () => {
    const { page } = await openPhone(["en-GB"]);
    // The German round before left its choice in the browser's folder.
    await seedGame(page, { ...seededFiles, "OnLoad-es.dat": spanishStore, "TRLanguage.dat": null });
    await page.tap("#c6700");
    const [spanish] = await page.$$("xpath/.//dialog[@open]//button[normalize-space()='Espa\u00f1ol']");
    await spanish.tap();
    await page.waitForFunction(() => document.querySelector("#c1930").textContent === "Chico");
    assert.equal(await controlText(page, 1960), " _ _ _ _");
    assert.equal(await controlText(page, 1690), "120");
    assert.equal(await ledge(page), "ABCDEFGHIJKLMN\u00d1OPQRSTUVWXYZ");
    await page.tap(`#c${tile.N}`);
    assert.equal(await controlText(page, 1960), " N _ _ _", "N does not find \u00d1");
    for (const letter of ["\u00d1", "I", "O"]) await page.tap(`#c${tile[letter]}`);
    assert.equal(await controlText(page, 1960), " N I \u00d1 O");
    await quit(page, "Tus acertijos y puntuaciones est\u00e1n guardados.");
    assert.equal(await readFile(page, "TRLanguage.dat"), "Language= es\r\n");
    assert.equal(await readFile(page, "TRData-es.dat"), "Data purged...");
    assert.equal(await readFile(page, "OnLoad-es.dat"), asText(spanishStore));
    assert.equal(await readFile(page, "TRData.dat"), "Data purged...");
    assert.equal(await readFile(page, "OnLoad.dat"), asText(storedPuzzle));
    assert.equal(await readFile(page, "TRStats.dat"), "160 4 2 40 1 5");
});
