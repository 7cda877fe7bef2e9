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
    resizeWindow,
    seedGame,
    seededFiles,
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

// What a player can reach on the screen: the shown tiles, buttons and texts of the main panel
// and the file bar, where each lies, whether a tap at a button's centre reaches it, and whether
// the page or the game would have to scroll.
function measureScreen(page, panelId = "panel-main") {
    return page.evaluate((panelId) => {
        const panel = document.getElementById(panelId);
        const bar = panelId === "panel-main" ? [...document.querySelectorAll("#file-bar button")] : [];
        const shown = [...panel.querySelectorAll(".control"), ...bar].filter((e) =>
            e.checkVisibility({ visibilityProperty: true }),
        );
        const buttons = shown.filter((e) => e.tagName === "BUTTON");
        const name = (e) => e.id || e.dataset.part || e.textContent;
        const box = (selector) => document.querySelector(selector).getBoundingClientRect().toJSON();
        // What lies side by side on the screen: the controls and the chalkboard, but not the
        // figure's pictures on it, nor the phrase's first form under it.
        const slate = panel.querySelector('[data-part="slate"]');
        const laidOut = [
            ...shown.filter((e) => !slate?.contains(e) && e.id !== "c5500"),
            ...(slate?.checkVisibility() ? [slate] : []),
        ];
        const overlaps = [];
        laidOut.forEach((a, i) => {
            const r = a.getBoundingClientRect();
            for (const b of laidOut.slice(i + 1)) {
                const q = b.getBoundingClientRect();
                const across = Math.min(r.right, q.right) - Math.max(r.left, q.left);
                const down = Math.min(r.bottom, q.bottom) - Math.max(r.top, q.top);
                if (across > 0.5 && down > 0.5) overlaps.push(`${name(a)} ${name(b)}`);
            }
        });
        return {
            outside: shown
                .filter((e) => {
                    const { left, top, right, bottom } = e.getBoundingClientRect();
                    const beyond = right > innerWidth + 0.5 || bottom > innerHeight + 0.5;
                    return left < 0 || top < 0 || beyond;
                })
                .map(name),
            unreached: buttons
                .filter((b) => {
                    const { x, y, width, height } = b.getBoundingClientRect();
                    return !b.contains(document.elementFromPoint(x + width / 2, y + height / 2));
                })
                .map(name),
            small: buttons
                .map((b) => ({ name: name(b), box: b.getBoundingClientRect() }))
                .filter(({ box }) => box.width < 44 || box.height < 44)
                .map(({ name, box }) => `${name} ${box.width} x ${box.height}`),
            overlaps,
            // A text or a button's face whose words run past its box (the title strips' buttons
            // show signs).
            clipped: shown
                .filter(
                    (e) =>
                        e.classList.contains("text") ||
                        (e.classList.contains("push") && e.closest('[data-part="title"]') === null),
                )
                .filter((e) => e.scrollWidth > e.clientWidth + 1 || e.scrollHeight > e.clientHeight + 1)
                .map(name),
            buttons: buttons.length,
            scrolls:
                document.documentElement.scrollWidth > innerWidth ||
                document.documentElement.scrollHeight > innerHeight ||
                panel.scrollHeight > panel.clientHeight,
            main: box("#panel-main"),
            tileA: box("#c160"),
            slate: box('[data-part="slate"]'),
            letters: box('[data-part="letters"]'),
            keysBeyondLetters: [...document.querySelectorAll('[data-part="letters"] .tile')]
                .filter((e) => e.checkVisibility({ visibilityProperty: true }))
                .filter((e) => {
                    const key = e.getBoundingClientRect();
                    const block = e.parentElement.getBoundingClientRect();
                    return key.left < block.left - 0.5 || key.right > block.right + 0.5;
                })
                .map(name),
        };
    }, panelId);
}

// The desktop picture: the main panel in the picture's proportions, tile A at its table
// rectangle (86, 479, 19 x 20) at the picture's scale.
function assertDesktopPicture(screen) {
    const scale = screen.main.width / 900;
    assert.ok(Math.abs(screen.main.height - 620 * scale) < 1, `the picture's proportions`);
    const tile = screen.tileA;
    for (const [got, wanted] of [
        [tile.x, screen.main.x + 86 * scale],
        [tile.y, screen.main.y + 479 * scale],
        [tile.width, 19 * scale],
        [tile.height, 20 * scale],
    ]) {
        assert.ok(Math.abs(got - wanted) < 0.5, `tile A at its rectangle: ${JSON.stringify(tile)}`);
    }
    return scale;
}

// Every shown control in the window, reached by a tap at its centre, beside the others, its
// text whole, and nothing to scroll.
function assertInView(screen, at) {
    assert.deepEqual(screen.outside, [], at);
    assert.deepEqual(screen.unreached, [], at);
    assert.deepEqual(screen.overlaps, [], at);
    assert.deepEqual(screen.clipped, [], at);
    assert.equal(screen.scrolls, false, at);
}

function assertTouchLayout(screen) {
    assert.deepEqual(screen.small, [], "every tile and button at least 44 x 44");
    assert.deepEqual(screen.keysBeyondLetters, [], "every key inside its block");
    assert.ok(screen.tileA.width >= 44 && screen.tileA.height >= 44);
}

const touch = { isMobile: true, hasTouch: true };
const screens = [
    { width: 390, height: 844, ...touch },
    { width: 360, height: 640, ...touch },
    { width: 320, height: 568, ...touch },
    { width: 844, height: 390, ...touch },
    { width: 600, height: 960, ...touch },
    { width: 768, height: 1024, ...touch },
    { width: 1024, height: 768, ...touch },
    { width: 1280, height: 800, hasTouch: false },
];

test("on phones, a tablet and a desktop every control lies in the window and nothing scrolls; on a touch screen each tile and button takes a finger", async () => {
    for (const viewport of screens) {
        const page = await openGame(session, viewport);
        await seedGame(page);
        await page.click("#c3550");
        await page.click(`#c${tileId("Q")}`);
        const screen = await measureScreen(page);
        const at = `${viewport.width} x ${viewport.height}: ${JSON.stringify(screen)}`;
        assertInView(screen, at);
        // 25 tiles left, 13 buttons and the file bar's two.
        assert.equal(screen.buttons, 25 + 13 + 2, at);
        if (viewport.hasTouch) {
            assertTouchLayout(screen);
            assert.ok(screen.slate.height >= 100, `the chalkboard big enough to read: ${at}`);
        } else {
            assert.ok(assertDesktopPicture(screen) > 1.2, "the picture grows with the window");
        }
        if (viewport.width > viewport.height && viewport.height < 600) {
            const beside = screen.slate.right <= screen.letters.left;
            assert.ok(beside, "a phone sideways: the chalkboard beside the letters");
        }
        await page.close();
    }
});

test("the layout follows the window: widened it brings back the picture, narrowed the touch layout", async () => {
    // A mouse: a window this narrow is too small for it, as for a finger.
    const page = await openGame(session, { width: 390, height: 844, hasTouch: false });
    assertTouchLayout(await measureScreen(page));
    await resizeWindow(page, { width: 1280, height: 800, hasTouch: false });
    const wide = await measureScreen(page);
    assert.ok(assertDesktopPicture(wide) > 1.2, "the picture fills the wider window");
    assert.ok(wide.tileA.width < 30, "no finger-sized keys over the picture");
    await resizeWindow(page, { width: 600, height: 800, hasTouch: false });
    assertTouchLayout(await measureScreen(page));
});

test("a keyboard that shrinks the page leaves the phrase and the box in view, in the game and in the console", async () => {
    const page = await openGame(session, screens[0]);
    await seedGame(page);
    await page.tap("#c3550");
    await page.tap("#c4750");
    await resizeWindow(page, { width: 390, height: 470, ...touch });
    let screen = await measureScreen(page);
    assertInView(screen, `390 x 470: ${JSON.stringify(screen)}`);
    assert.deepEqual(screen.small, []);
    for (const id of [1960, 1930, 4750, 4900]) {
        assert.ok(await isShown(page, `#c${id}`), `control ${id} shown`);
    }

    await resizeWindow(page, { width: 844, height: 390, ...touch });
    await page.tap("#c5350");
    await page.tap("#c5300");
    await resizeWindow(page, { width: 844, height: 170, ...touch });
    screen = await measureScreen(page, "panel-console");
    assertInView(screen, `844 x 170, the console: ${JSON.stringify(screen)}`);
    assert.deepEqual(screen.small, []);
    assert.equal(screen.buttons, 4, "close, Add Puzzle, Review, Del");
});

test("from 320 wide up, upright and sideways, the largest scores, the longest word and hint, a full row of used letters and every language's button faces are whole", async () => {
    const page = await openGame(session, screens[2]);
    const word = "SUPERCALIFRAGILISTICEXPIALIDOCIOUSNESS";
    const hint = "The longest word a puzzle can hold";
    const bytes = (text) => Array.from(text, (c) => c.charCodeAt(0));
    await seedGame(page, {
        ...seededFiles,
        "OnLoad.dat": null,
        "TRData.dat": bytes(`${word};${hint}:`),
        "TRStats.dat": bytes("-2147483648 2147483647 -2147483648 2147483647 -2147483648 2147483647"),
    });
    await page.tap("#c3550");
    for (const letter of "BHJKMQV") await page.tap(`#c${tileId(letter)}`);
    assert.equal(await controlText(page, 4350), "B H J K M Q V ");
    for (const viewport of [screens[2], screens[0], screens[3]]) {
        await resizeWindow(page, viewport);
        const screen = await measureScreen(page);
        assertInView(screen, `${viewport.width} x ${viewport.height}: ${JSON.stringify(screen)}`);
    }
    assert.equal((await controlText(page, 1930)).trim(), hint);
    assert.equal(await controlText(page, 1690), "-2147483648");

    // Every language's words on the faces, mid-round, at the narrowest phone upright and sideways,
    // with a proverb of its own: the German one's words break into three lines at 320 wide.
    const proverbs = {
        de: "viele k\u00f6che verderben den brei",
        es: "m\u00e1s vale tarde que nunca",
        fr: "qui vivra verra",
        it: "chi dorme non piglia pesci",
        nl: "wie niet waagt wie niet wint",
        pt_BR: "quem espera sempre alcan\u00e7a",
    };
    for (const [code, proverb] of Object.entries(proverbs)) {
        await seedGame(page, {
            ...seededFiles,
            "TRLanguage.dat": bytes(`Language= ${code}\r\n`),
            [`OnLoad-${code}.dat`]: null,
            [`TRData-${code}.dat`]: bytes(`${proverb};Proverb:`),
        });
        await page.tap("#c3550");
        for (const viewport of [screens[2], screens[3]]) {
            await resizeWindow(page, viewport);
            const { clipped } = await measureScreen(page);
            assert.deepEqual(clipped, [], `${code} at ${viewport.width} x ${viewport.height}`);
        }
    }
    // The next test's page starts in the browser's language again.
    await seedGame(page, { ...seededFiles, "TRLanguage.dat": null });
});

// The words the touch layout draws after a control, where the picture has its labels.
const drawnAfter = (page, id) =>
    page.$eval(`#c${id}`, (e) => getComputedStyle(e, "::after").content.replace(/ \/ ""$/, ""));

test("on a phone the buttons and scores say what the picture shows, and a phrase breaks only between words", async () => {
    const page = await openGame(session, screens[0]);
    const phrase = "BIRDS OF A FEATHER FLOCK TOGETHER";
    await seedGame(page, {
        ...seededFiles,
        "OnLoad.dat": null,
        "TRData.dat": Array.from(`${phrase};Proverb:`, (c) => c.charCodeAt(0)),
    });
    for (const [id, words] of [
        [1690, '" pts"'],
        [1750, '" W"'],
        [1810, '" L"'],
        [3400, '"Skill 7"'],
        [3250, '"On"'],
    ]) {
        assert.equal(await drawnAfter(page, id), words, `control ${id}`);
    }
    await page.tap("#c3250");
    assert.equal(await drawnAfter(page, 3250), '"Off"', "the sound switched off");
    await resizeWindow(page, screens[1]);
    await page.tap("#c3550");
    // The line each letter's blank lies on, word by word.
    const lines = await page.$eval("#c1960", (phraseBox) => {
        const tops = [];
        const walker = document.createTreeWalker(phraseBox, NodeFilter.SHOW_TEXT);
        for (let node = walker.nextNode(); node; node = walker.nextNode()) {
            for (let i = 0; i < node.length; i++) {
                if (node.data[i] !== "_") continue;
                const range = document.createRange();
                range.setStart(node, i);
                range.setEnd(node, i + 1);
                tops.push(Math.round(range.getBoundingClientRect().top));
            }
        }
        return tops;
    });
    const words = phrase.split(" ").map((word) => lines.splice(0, word.length));
    assert.ok(new Set(words.flat()).size > 1, `the phrase takes more than one line: ${words}`);
    for (const word of words) {
        assert.equal(new Set(word).size, 1, `a word on one line: ${JSON.stringify(words)}`);
    }
});

// The order a player meets the screen in: the title strip, the letters, the solve box then
// Solve Puzzle, the round buttons, S/H Con Panel and the file bar; the texts between them are
// read where they lie.
const tabOrder = [
    "c6700",
    "c4000",
    "c4150",
    "c4300",
    ...letters.map((letter) => `c${tileId(letter)}`),
    "c4750",
    "c4900",
    "c3550",
    "c3700",
    "c2800",
    "c2950",
    "c3400",
    "c3250",
    "c3100",
    "c5350",
    "export",
    "import",
];
const readingOrder = [
    "Language: English",
    "Minimize",
    "blank, blank, blank, space, blank, blank, blank",
    "Circus tent",
    "Used letters",
    "Misses to lose",
    "Letter A",
    "Solve: type the whole phrase",
    "Solve Puzzle",
    "New Puzzle",
    "Reset Stats",
    "Player 1 points",
    "Player 2 losses",
    "Puzzle console",
    "Export",
];

test("in both layouts Tab and a screen reader go through the game as the screen shows it, the focus outlined", async () => {
    for (const viewport of [screens[0], screens.at(-1)]) {
        const page = await openGame(session, viewport);
        await seedGame(page);
        await page.click("#c3550");
        // From the game's own start, as the core leaves the keys after a letter.
        await page.focus("#panel-main");
        const reached = [];
        for (const _ of tabOrder) {
            await page.keyboard.press("Tab");
            reached.push(await page.evaluate(() => document.activeElement.id));
            if (reached.at(-1) === "c160") {
                // The focused tile's outline, just outside its left edge.
                const box = await page.$eval("#c160", (e) => e.getBoundingClientRect().toJSON());
                const png = Buffer.from(await page.screenshot());
                const [x, y] = [Math.floor(box.x - 2), Math.floor(box.y + box.height / 2)];
                assert.equal(pngPixel(png, x, y), "ffd21f");
            }
        }
        assert.deepEqual(reached, tabOrder, `${viewport.width} x ${viewport.height}`);

        const names = [];
        const walk = (node) => {
            names.push(node.name);
            node.children?.forEach(walk);
        };
        walk(await page.accessibility.snapshot());
        const places = readingOrder.map((name) => names.indexOf(name));
        assert.ok(
            places.every((place, i) => place >= 0 && (i === 0 || place > places[i - 1])),
            `read in order: ${JSON.stringify(names)}`,
        );
        await page.close();
    }
});

// At one CSS pixel per picture pixel the panels show the art's own colours; the two large
// backgrounds, lossy, within a few steps of them.
function assertNear(actual, expected) {
    const channels = (colour) => [0, 2, 4].map((at) => parseInt(colour.slice(at, at + 2), 16));
    const [a, e] = [channels(actual), channels(expected)];
    // Lossy WebP at quality 85 moves a pixel of the wood by up to a dozen.
    assert.ok(a.every((value, i) => Math.abs(value - e[i]) <= 12), `${actual} is not near ${expected}`);
}

test("each panel shows its background's colours, a held button its pressed face, and a press slid off it nothing", async () => {
    const page = await openGame(session, { width: 900, height: 800 });
    await seedGame(page);
    // The panel's rectangle once its background picture is decoded and drawn: a panel shown
    // for the first time can be painted before its picture is ready, showing what lies below.
    const origin = (panel) =>
        page.$eval(panel, async (element) => {
            const background = new Image();
            background.src = getComputedStyle(element).backgroundImage.slice(5, -2);
            await background.decode();
            await new Promise((drawn) => requestAnimationFrame(() => requestAnimationFrame(drawn)));
            return element.getBoundingClientRect().toJSON();
        });
    const main = await origin("#panel-main");
    assert.equal(main.width, 900, "one CSS pixel per picture pixel");
    const colourAt = async (panel, x, y) =>
        pngPixel(
            Buffer.from(await page.screenshot()),
            Math.round(panel.x + x),
            Math.round(panel.y + y),
        );

    assertNear(await colourAt(main, 3, 600), "6e492a");
    assertNear(await colourAt(main, 29, 497), "b0804c");
    assert.equal(await colourAt(main, 470, 590), "c0c0c0");
    assert.equal(await colourAt(main, 761 + 6, 329 + 14), "6e3a22");

    // The title strip shows the message panel only before the first puzzle.
    await page.mouse.click(main.x + 5, main.y + 5);
    const message = await origin("#panel-message");
    assert.equal(await colourAt(message, 20, 50), "dbcaa0");
    assert.equal(await colourAt(message, 138 + 12, 64 + 6), "773f25");
    await clickControl(page, 1900);

    // A press slid off its button shows the button's own face again and does nothing on release:
    // New Puzzle draws no puzzle, Reset Stats keeps the points, Quit the game.
    const slideOff = async (x, y, checkFaces) => {
        await page.mouse.move(main.x + x, main.y + y);
        await page.mouse.down();
        if (checkFaces) assert.equal(await colourAt(main, 761 + 6, 329 + 14), "4d2818");
        await page.mouse.move(main.x + 700, main.y + 300);
        if (checkFaces) assert.equal(await colourAt(main, 761 + 6, 329 + 14), "6e3a22");
        await page.mouse.up();
    };
    await slideOff(761 + 20, 329 + 10, true);
    await slideOff(761 + 51, 400 + 14);
    await slideOff(871 + 11, 3 + 9);
    assert.equal(await controlText(page, 1960), "");
    assert.equal(await controlText(page, 1690), "120");
    assert.ok(await isShown(page, "#game"));

    await clickControl(page, 5350);
    const consolePanel = await origin("#panel-console");
    assertNear(await colourAt(consolePanel, 300, 20), "341f11");
});

test("the guide's pages are laid out at a phone's width, its pictures inside it", async () => {
    const page = await session.browser.newPage();
    await page.setViewport(screens[1]);
    for (const name of ["welcome", "playing", "browser", "de/browser"]) {
        await page.goto(`${session.url}help/pages/${name}.html`);
        const width = await page.evaluate(() => [innerWidth, document.documentElement.scrollWidth]);
        assert.deepEqual(width, [360, 360], name);
    }
});
