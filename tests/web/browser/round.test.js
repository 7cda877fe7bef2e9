// Rounds played in the page by a player's clicks, keys and the solve box: the screen and the
// files they leave are those of the Windows program for the same clicks and typing.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
    asText,
    clickControl,
    controlText,
    isShown,
    openGame,
    readFile,
    seedGame,
    sessionPerFile,
    storedPuzzle,
    tileId,
    waitForAnnouncement,
} from "./harness.js";

const session = sessionPerFile();

test("a round won by clicks, then Quit, saves as the Windows program does; Play again shows the scores", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 3550);
    assert.equal(await controlText(page, 1960), " _ _ _   _ _ _");
    assert.equal(await controlText(page, 1930), "Circus tent");
    for (const letter of "BIGTOP") await clickControl(page, tileId(letter));
    assert.equal(await controlText(page, 1960), " B I G   T O P");
    await waitForAnnouncement(page, "You won! The phrase was BIG TOP.");
    assert.ok(await isShown(page, "#c3820"), "the win bubble");

    await clickControl(page, 4300);
    await page.waitForSelector("#ended", { visible: true });
    // Said once the browser has stored them.
    await page.waitForFunction(() =>
        /Tallyrope has ended\. Your puzzles and scores are saved\./.test(
            document.querySelector("#ended").textContent,
        ),
    );
    assert.equal(await readFile(page, "TRData.dat"), "Data purged...");
    assert.equal(await readFile(page, "OnLoad.dat"), asText(storedPuzzle));
    assert.equal(await readFile(page, "TRStats.dat"), "190 4 2 40 1 5");

    const [button] = await page.$$(
        "xpath/.//*[@id='ended']//button[normalize-space()='Play again']",
    );
    await Promise.all([page.waitForNavigation(), button.click()]);
    await page.evaluate(() => window.tallyrope.ready);
    assert.deepEqual(
        await Promise.all([1690, 1750, 1810, 1720, 1780, 1840].map((id) => controlText(page, id))),
        ["190", "4", "2", "40", "1", "5"],
    );
});

test("the keyboard alone reaches New Puzzle and guesses by letters typed at the game", async () => {
    const page = await openGame(session);
    await seedGame(page);
    let focused = "";
    for (let presses = 0; presses < 80 && focused !== "c3550"; presses++) {
        await page.keyboard.press("Tab");
        focused = await page.evaluate(() => document.activeElement.id);
    }
    assert.equal(focused, "c3550", "Tab reaches New Puzzle");
    await page.keyboard.press("Enter");
    assert.equal(await controlText(page, 1960), " _ _ _   _ _ _");

    await page.keyboard.type("bIz");
    assert.equal(await controlText(page, 1960), " B I _   _ _ _");
    assert.equal(await controlText(page, 4350), "Z ");
    await waitForAnnouncement(page, "No Z. 6 misses left.");
    await page.keyboard.type("o");
    await waitForAnnouncement(page, "O is in the phrase once.");
    await page.keyboard.type("gtp");
    await waitForAnnouncement(page, "You won! The phrase was BIG TOP.");
    assert.ok(await isShown(page, "#c3820"));
});

test("the solve box: a wrong phrase is a miss, Enter solves, and player two is credited", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 2950);
    await clickControl(page, 3550);
    await clickControl(page, 4750);
    await page.keyboard.type("big tip");
    await page.keyboard.press("Enter");
    assert.equal(await controlText(page, 4350), "# ");
    await waitForAnnouncement(page, "Wrong phrase. 6 misses left.");

    await clickControl(page, 4750);
    await page.keyboard.down("Control");
    await page.keyboard.press("KeyA");
    await page.keyboard.up("Control");
    await page.keyboard.type("Big Top");
    await page.keyboard.press("Enter");
    await waitForAnnouncement(page, "You won! The phrase was BIG TOP.");
    await clickControl(page, 4300);
    await page.waitForSelector("#ended", { visible: true });
    assert.equal(await readFile(page, "TRStats.dat"), "120 3 2 100 2 5");
});
