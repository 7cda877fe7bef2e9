// The puzzle console in the page: typed text reaches the file in Windows-1252, the boxes keep
// their limits, Review pages and Del deletes, and an added puzzle outlives a reload.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
    clickControl,
    controlText,
    isShown,
    openGame,
    readFile,
    reloadGame,
    seedGame,
    sessionPerFile,
    typeInto,
} from "./harness.js";

const session = sessionPerFile();

const boxes = (page) => Promise.all([controlText(page, 5300), controlText(page, 5250)]);

test("Add, Review and Del in the console, and a reload keeps the added puzzle", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 5350);
    assert.ok(await isShown(page, "#panel-console"));

    await typeInto(page, 5300, "Café €5");
    await page.keyboard.sendCharacter("Ł"); // no byte for it in the code page: refused
    await typeInto(page, 5250, "A drink – “ok”");
    assert.deepEqual(await boxes(page), ["Café €5", "A drink – “ok”"]);
    await clickControl(page, 5200);
    assert.equal(
        await readFile(page, "TRData.dat"),
        "BIG TOP;Circus tent:caf\xe9 \x805;A drink \x96 \x93ok\x94:",
    );

    await clickControl(page, 6000);
    assert.deepEqual(await boxes(page), ["BIG TOP", "Circus tent"]);
    await clickControl(page, 6000);
    assert.deepEqual(await boxes(page), ["café €5", "A drink – “ok”"]);
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
