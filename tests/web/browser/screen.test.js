// What a player sees and what a screen reader is told: the accessibility tree's names and
// announcements, the whole game inside a phone's and a desktop's window, and the art's colours.
import { test } from "node:test";
import assert from "node:assert/strict";
import {
    accessibleNodes,
    clickControl,
    controlText,
    isShown,
    openGame,
    pngPixel,
    seedGame,
    sessionPerFile,
    tileId,
    waitForAnnouncement,
} from "./harness.js";

const session = sessionPerFile();

const letters = Array.from("ABCDEFGHIJKLMNOPQRSTUVWXYZ");
const buttonNames = (nodes) => nodes.filter((n) => n.role === "button").map((n) => n.name);
const textboxNames = (nodes) => nodes.filter((n) => n.role === "textbox").map((n) => n.name);

test("every tile and button is named, a used tile leaves the tree, and each guess is announced", async () => {
    const page = await openGame(session);
    await seedGame(page);
    let nodes = await accessibleNodes(page);
    for (const name of [
        ...letters.map((letter) => `Letter ${letter}`),
        "New Puzzle",
        "Solve Puzzle",
        "Solution",
        "1 Player",
        "2 Player",
        "Skill",
        "Reset Stats",
        "Sound on",
        "Puzzle console",
        "Minimize",
        "Help",
        "Quit",
    ]) {
        assert.ok(buttonNames(nodes).includes(name), `a button named "${name}"`);
    }
    assert.ok(textboxNames(nodes).includes("Solve: type the whole phrase"));
    // In reading order: the tree walked depth first.
    const texts = [];
    const walk = (node) => {
        if (node.role === "StaticText") {
            texts.push(node.name);
        }
        node.children?.forEach(walk);
    };
    walk(await page.accessibility.snapshot());
    for (const [label, value] of [
        ["Player 1 points", "120"],
        ["Player 2 losses", "5"],
    ]) {
        assert.equal(texts[texts.indexOf(label) + 1], value, `"${label}" is heard before ${value}`);
    }
    assert.ok(!buttonNames(nodes).includes("Add Puzzle"), "the closed console is out of the tree");

    await clickControl(page, 3250);
    assert.ok(buttonNames(await accessibleNodes(page)).includes("Sound off"));
    await clickControl(page, 5350);
    nodes = await accessibleNodes(page);
    for (const name of ["Add Puzzle", "Review", "Del", "Close console"]) {
        assert.ok(buttonNames(nodes).includes(name), `a button named "${name}"`);
    }
    assert.deepEqual(
        textboxNames(nodes)
            .filter((n) => n !== "Solve: type the whole phrase")
            .sort(),
        ["Hint", "Phrase"],
    );
    await clickControl(page, 6200);

    await clickControl(page, 3550);
    await clickControl(page, tileId("Q"));
    await waitForAnnouncement(page, "No Q. 6 misses left.");
    nodes = await accessibleNodes(page);
    assert.ok(!buttonNames(nodes).includes("Letter Q"), "the used tile is gone");
    assert.ok(buttonNames(nodes).includes("Letter R"));
    assert.ok(
        nodes.some((n) => n.spokenPolitely && n.name === "No Q. 6 misses left."),
        "the miss is told through the polite live region",
    );
    assert.ok(nodes.some((n) => n.name === "blank, blank, blank, space, blank, blank, blank"));
    assert.ok(nodes.some((n) => n.role === "StaticText" && n.name === "Circus tent"));

    await clickControl(page, tileId("B"));
    await waitForAnnouncement(page, "B is in the phrase once.");
    nodes = await accessibleNodes(page);
    assert.ok(nodes.some((n) => n.name === "B, blank, blank, space, blank, blank, blank"));
});

// The stage and the file bar lie inside the window, and each visible button of the main panel
// is the element a tap at its centre reaches.
async function checkWholeGameVisible(page, viewport) {
    const boxes = await page.evaluate(() => {
        const box = (element) => element.getBoundingClientRect().toJSON();
        const buttons = [...document.querySelectorAll("#panel-main button")].filter((b) =>
            b.checkVisibility(),
        );
        return {
            stage: box(document.querySelector("#stage")),
            bar: box(document.querySelector("#file-bar")),
            unreached: buttons
                .filter((b) => {
                    const { x, y, width, height } = b.getBoundingClientRect();
                    const hit = document.elementFromPoint(x + width / 2, y + height / 2);
                    return !b.contains(hit);
                })
                .map((b) => b.id),
            buttons: buttons.length,
        };
    });
    for (const { x, y, right, bottom } of [boxes.stage, boxes.bar]) {
        assert.ok(
            x >= 0 && y >= 0 && right <= viewport.width + 0.5 && bottom <= viewport.height + 0.5,
            `inside ${viewport.width} x ${viewport.height}: ${JSON.stringify(boxes)}`,
        );
    }
    assert.ok(boxes.bar.top >= boxes.stage.bottom - 0.5, "the file bar lies below the game");
    assert.equal(boxes.buttons, 26 + 12);
    assert.deepEqual(boxes.unreached, []);
    return boxes.stage;
}

test("on a phone held upright the game fills the width and a tap plays", async () => {
    const viewport = {
        width: 390,
        height: 844,
        deviceScaleFactor: 3,
        isMobile: true,
        hasTouch: true,
    };
    const page = await openGame(session, viewport);
    await seedGame(page);
    const stage = await checkWholeGameVisible(page, viewport);
    assert.ok(Math.abs(stage.width - 390) <= 1, `the stage is ${stage.width} wide`);
    await page.tap("#c3550");
    await page.tap(`#c${tileId("Z")}`);
    await waitForAnnouncement(page, "No Z. 6 misses left.");
});

const padKey = (letter) => `#letter-pad button[data-letter="${letter}"]`;

test("on a phone held upright the letter pad's large keys guess as the tiles do, unheard by screen readers", async () => {
    const viewport = { width: 390, height: 844, isMobile: true, hasTouch: true };
    const page = await openGame(session, viewport);
    await seedGame(page);
    assert.ok(await isShown(page, "#letter-pad"));
    const keys = await page.$$eval("#letter-pad button", (all) =>
        all.map((key) => {
            const { width, height } = key.getBoundingClientRect();
            return { width, height, tabIndex: key.tabIndex };
        }),
    );
    assert.equal(keys.length, 26);
    for (const key of keys) {
        assert.ok(key.width >= 40 && key.height >= 40, `a key of ${JSON.stringify(key)}`);
        assert.equal(key.tabIndex, -1);
    }
    await checkWholeGameVisible(page, viewport);
    const named = (nodes, name) => buttonNames(nodes).filter((n) => n === name).length;
    assert.equal(named(await accessibleNodes(page), "Letter B"), 1);

    await page.tap("#c3550");
    await page.tap(padKey("B"));
    await waitForAnnouncement(page, "B is in the phrase once.");
    assert.equal(await controlText(page, 1960), " B _ _   _ _ _");
    const gone = (selector) =>
        page.$eval(selector, (e) => !e.checkVisibility({ visibilityProperty: true }));
    assert.ok(await gone(padKey("B")), "the pad's B is gone");
    assert.ok(await gone(`#c${tileId("B")}`), "the tile B is gone");
    assert.ok(!(await gone(padKey("C"))));

    await page.tap(`#c${tileId("I")}`);
    await waitForAnnouncement(page, "I is in the phrase once.");
    assert.ok(await gone(padKey("I")), "a used tile takes its key along");

    const nodes = await accessibleNodes(page);
    assert.equal(named(nodes, "Letter C"), 1);
    assert.ok(!nodes.some((n) => n.name === "C"), "no key of the pad reaches a screen reader");
});

test("on a desktop's screen the game grows to fit the window", async () => {
    const viewport = { width: 1920, height: 1080 };
    const page = await openGame(session, viewport);
    assert.ok(!(await isShown(page, "#letter-pad")), "no letter pad beside tiles this large");
    const stage = await checkWholeGameVisible(page, viewport);
    assert.ok(stage.width > 1.4 * 900, `the stage is ${stage.width} wide`);
    assert.ok(Math.abs(stage.width / stage.height - 900 / 620) < 0.01, "the proportions are kept");
});

// At one CSS pixel per picture pixel the panels show the art's own colours; the two large
// backgrounds, lossy, within a few steps of them.
function assertNear(actual, expected) {
    const channels = (colour) => [0, 2, 4].map((at) => parseInt(colour.slice(at, at + 2), 16));
    const [a, e] = [channels(actual), channels(expected)];
    assert.ok(a.every((value, i) => Math.abs(value - e[i]) <= 8), `${actual} is not near ${expected}`);
}

test("each panel shows its background's colours, and a held button its pressed face", async () => {
    const page = await openGame(session, { width: 900, height: 800 });
    await seedGame(page);
    const origin = (panel) => page.$eval(panel, (e) => e.getBoundingClientRect().toJSON());
    const main = await origin("#panel-main");
    assert.equal(main.width, 900, "one CSS pixel per picture pixel");
    const colourAt = async (panel, x, y) =>
        pngPixel(
            Buffer.from(await page.screenshot()),
            Math.round(panel.x + x),
            Math.round(panel.y + y),
        );

    assertNear(await colourAt(main, 3, 600), "6e492a");
    assertNear(await colourAt(main, 578, 497), "b0804c");
    assert.equal(await colourAt(main, 470, 590), "c0c0c0");
    assert.equal(await colourAt(main, 761 + 51, 329 + 14), "ae9077");

    // The title strip shows the message panel only before the first puzzle.
    await page.mouse.click(main.x + 5, main.y + 5);
    const message = await origin("#panel-message");
    assert.equal(await colourAt(message, 20, 50), "dbcaa0");
    assert.equal(await colourAt(message, 138 + 12, 64 + 6), "773f25");
    await clickControl(page, 1900);

    await page.mouse.move(main.x + 761 + 20, main.y + 329 + 10);
    await page.mouse.down();
    assert.equal(await colourAt(main, 761 + 51, 329 + 14), "361b0f");
    await page.mouse.up();

    await clickControl(page, 5350);
    const consolePanel = await origin("#panel-console");
    assertNear(await colourAt(consolePanel, 300, 20), "341f11");
});
