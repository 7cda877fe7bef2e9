// The puzzle console in the page: typed text reaches the file in Windows-1252, the boxes keep
// their limits, Review pages and Del deletes, and an added puzzle outlives a reload.
import { after, afterEach, before, test } from "node:test";
import assert from "node:assert/strict";
import {
    clickControl,
    controlText,
    isShown,
    openGame,
    readFile,
    reloadGame,
    seedGame,
    startSession,
} from "./harness.js";

let session;
before(async () => {
    session = await startSession();
});
afterEach(() => session.closeTabs());
after(() => session.close());

async function typeInto(page, id, text) {
    await clickControl(page, id);
    await page.keyboard.type(text);
}

const boxes = (page) => Promise.all([controlText(page, 5300), controlText(page, 5250)]);

test("Add, Review and Del in the console, and a reload keeps the added puzzle", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 5350);
    assert.ok(await isShown(page, "#panel-console"));

    await typeInto(page, 5300, "Café noir");
    await page.keyboard.sendCharacter("日"); // no byte for it in the code page: refused
    await typeInto(page, 5250, "A drink");
    assert.deepEqual(await boxes(page), ["Café noir", "A drink"]);
    await clickControl(page, 5200);
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:caf\xe9 noir;A drink:");

    await clickControl(page, 6000);
    assert.deepEqual(await boxes(page), ["BIG TOP", "Circus tent"]);
    await clickControl(page, 6000);
    assert.deepEqual(await boxes(page), ["café noir", "A drink"]);
    await clickControl(page, 5950);
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:");
    assert.deepEqual(await boxes(page), ["", ""]);

    await typeInto(page, 5300, "Sea lion");
    await typeInto(page, 5250, "Big seal");
    await page.keyboard.press("Enter");
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:sea lion;Big seal:");
    await clickControl(page, 6200);
    assert.equal(await isShown(page, "#panel-console"), false);

    await reloadGame(page);
    assert.equal(await readFile(page, "TRData.dat"), "BIG TOP;Circus tent:sea lion;Big seal:");
    assert.equal(await readFile(page, "TRStats.dat"), "120 3 2 40 1 5");
});

test("the phrase box stops at 38 characters and the hint box at 34", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 5350);
    await typeInto(page, 5300, "abcdefghij".repeat(4));
    await typeInto(page, 5250, "abcdefghij".repeat(4));
    assert.deepEqual(await boxes(page), [
        "abcdefghijabcdefghijabcdefghijabcdefgh",
        "abcdefghijabcdefghijabcdefghijabcd",
    ]);
});
