// Rounds played in the page by a player's clicks, keys and the solve box: the screen and the
// files they leave are those of the Windows program for the same clicks and typing.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
    asText,
    clickControl,
    controlText,
    drawnControl,
    isShown,
    openGame,
    readFile,
    resizeWindow,
    seedGame,
    sessionPerFile,
    storedPuzzle,
    tileId,
    waitForAnnouncement,
} from "./harness.js";

const session = sessionPerFile();

// The pixels other than the field's grey in the upper half of the phrase line, where letters
// reach and underscores do not: in its first two character cells (a space, then the phrase's
// first character) and beyond them. The edges, blended with the frame, are left out.
async function inkAboveUnderscores(page) {
    const phrase = await drawnControl(page, 1960);
    const firstCells = Math.round(phrase.width * 0.04);
    const ink = [0, 0];
    for (let y = 2; y < phrase.height / 2; y++) {
        for (let x = 2; x < phrase.width - 2; x++) {
            if (phrase.colourAt(x, y) !== "c0c0c0") ink[x < firstCells ? 0 : 1] += 1;
        }
    }
    return ink;
}

const phone = { width: 390, height: 844, isMobile: true, hasTouch: true };

async function quitAndExpectWindowsBytes(page, tap, stats) {
    await tap("#c4300");
    await page.waitForSelector("#ended", { visible: true });
    // Said once the browser has stored them.
    await page.waitForFunction(() =>
        /Tallyrope has ended\. Your puzzles and scores are saved\./.test(
            document.querySelector("#ended").textContent,
        ),
    );
    assert.equal(await readFile(page, "TRData.dat"), "Data purged...");
    assert.equal(await readFile(page, "OnLoad.dat"), asText(storedPuzzle));
    assert.equal(await readFile(page, "TRStats.dat"), stats);
}

test("a round won by clicks, then Quit, saves as the Windows program does; Play again shows the scores", async () => {
    const page = await openGame(session);
    await seedGame(page);
    await clickControl(page, 3550);
    assert.equal(await controlText(page, 1960), " _ _ _   _ _ _");
    assert.equal(await controlText(page, 1930), "Circus tent");
    assert.deepEqual(await inkAboveUnderscores(page), [0, 0], "only underscores are drawn");
    await clickControl(page, tileId("B"));
    const [first, rest] = await inkAboveUnderscores(page);
    assert.ok(first > 0 && rest === 0, `the found B alone is drawn: ${[first, rest]}`);
    for (const letter of "IGTOP") await clickControl(page, tileId(letter));
    assert.equal(await controlText(page, 1960), " B I G   T O P");
    await waitForAnnouncement(page, "You won! The phrase was BIG TOP.");
    assert.ok(await isShown(page, "#c3820"), "the win bubble");

    await quitAndExpectWindowsBytes(page, (selector) => page.click(selector), "190 4 2 40 1 5");

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

// Kept in the page from its start: every clip started, by its length in seconds, with the
// number of clips still sounding when it began.
function listenToClips() {
    const sounding = new Set();
    window.clipsHeard = [];
    const { start, stop } = AudioBufferSourceNode.prototype;
    AudioBufferSourceNode.prototype.start = function (...args) {
        window.clipsHeard.push({ seconds: this.buffer.duration.toFixed(2), over: sounding.size });
        sounding.add(this);
        this.addEventListener("ended", () => sounding.delete(this));
        return start.apply(this, args);
    };
    AudioBufferSourceNode.prototype.stop = function (...args) {
        sounding.delete(this);
        return stop.apply(this, args);
    };
}

test("a new clip cuts the one playing: New Puzzle's stops the long clip of the win", async () => {
    const page = await openGame(session);
    await page.evaluateOnNewDocument(listenToClips);
    await seedGame(page);
    await clickControl(page, 3550);
    for (const letter of "BIGTOP") await clickControl(page, tileId(letter));
    await page.waitForFunction(() => window.clipsHeard.at(-1)?.seconds === "4.47");
    await clickControl(page, 3550);
    await page.waitForFunction(() => window.clipsHeard.at(-1)?.seconds === "0.66");
    const heard = await page.evaluate(() => window.clipsHeard);
    assert.deepEqual(
        heard.filter((clip) => clip.over > 0),
        [],
        `no clip starts over another: ${JSON.stringify(heard)}`,
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

test("the solve box: a wrong phrase is a miss, Enter solves, and the player chosen by name is credited", async () => {
    const page = await openGame(session);
    await seedGame(page);
    // As a screen-reader player finds it.
    await page.click("::-p-aria(2 Player)");
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

// The touch layout's keys lie elsewhere than the picture's tiles; each still guesses its own
// letter, and the files are the same bytes.
test("a round won by taps in the touch layout, then Quit, saves as the Windows program does", async () => {
    const page = await openGame(session, phone);
    await seedGame(page);
    const tap = (selector) => page.tap(selector);
    // The larger box takes what the picture's box takes, as much as a long phrase.
    const longPhrase = "don't put all your eggs in one basket";
    await tap("#c4750");
    await page.keyboard.type(longPhrase);
    assert.equal(await controlText(page, 4750), longPhrase);
    await tap("#c3550");
    // A swipe up from M, as a player scrolls, and a press slid off A onto B guess nothing.
    const centre = (letter) =>
        page.$eval(`#c${tileId(letter)}`, (e) => {
            const { x, y, width, height } = e.getBoundingClientRect();
            return [x + width / 2, y + height / 2];
        });
    const [[mx, my], [ax, ay], [bx, by]] = await Promise.all(["M", "A", "B"].map(centre));
    for (const [from, to] of [
        [[mx, my], [mx, my - 120]],
        [[ax, ay], [bx, by]],
    ]) {
        await page.touchscreen.touchStart(...from);
        await page.touchscreen.touchMove(...to);
        await page.touchscreen.touchEnd();
    }
    assert.equal(await controlText(page, 1960), " _ _ _   _ _ _");
    assert.equal(await controlText(page, 4350), " ".repeat(28), "no letter used");
    const missesLeft = () => page.$eval('[data-part="misses"]', (e) => e.dataset.left);
    assert.equal(await missesLeft(), "7", "misses left 7 of 7");
    for (const letter of "BIGTOP") await tap(`#c${tileId(letter)}`);
    assert.equal(await controlText(page, 1960), " B I G   T O P");
    await waitForAnnouncement(page, "You won! The phrase was BIG TOP.");
    assert.ok(await isShown(page, "#c3820"), "the win bubble");
    assert.equal(
        await page.$eval(".outcome", (e) => e.checkVisibility() && e.innerText),
        "You won!\nThe phrase was BIG TOP.",
        "the outcome in words over the chalkboard",
    );
    assert.equal(await missesLeft(), "", "between rounds, the misses that lose");
    await quitAndExpectWindowsBytes(page, tap, "190 4 2 40 1 5");
});

test("a phone turned in the middle of a round keeps the round, the typed text and the focus", async () => {
    const page = await openGame(session, phone);
    await seedGame(page);
    await page.tap("#c2950");
    await page.tap("#c3550");
    await page.tap(`#c${tileId("B")}`);
    await page.tap(`#c${tileId("Z")}`);
    await page.tap("#c4750");
    await page.keyboard.type("big t");

    await resizeWindow(page, { ...phone, width: 844, height: 390 });
    const [slate, letters] = await Promise.all(
        ['[data-part="slate"]', '[data-part="letters"]'].map((selector) =>
            page.$eval(selector, (e) => e.getBoundingClientRect().toJSON()),
        ),
    );
    assert.ok(slate.right <= letters.left, "sideways, the chalkboard lies beside the letters");
    assert.equal(await controlText(page, 1960), " B _ _   _ _ _");
    assert.equal(await controlText(page, 4350), "Z ");
    assert.equal(await controlText(page, 4750), "big t");
    assert.equal(await page.evaluate(() => document.activeElement.id), "c4750");
    assert.equal(await page.$eval("#c2950", (e) => e.getAttribute("aria-pressed")), "true");

    await page.keyboard.type("op");
    await page.keyboard.press("Enter");
    await waitForAnnouncement(page, "You won! The phrase was BIG TOP.");
    // Player two's points: 40 and ten for each of 7 characters less ten for the miss.
    await quitAndExpectWindowsBytes(page, (selector) => page.tap(selector), "120 3 2 100 2 5");
});
