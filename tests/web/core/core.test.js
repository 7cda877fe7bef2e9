// The core compiled to WebAssembly, driven through the entry points the page calls.
import assert from "node:assert/strict";
import { describe, test } from "node:test";

import { bytes, gameWith, text } from "./fake_page.js";

const unlocked = "Disable_Console= 0\r\nDisable_VCCntls= 0\r\n";
const seeded = {
    "TRData.dat": "BIG TOP;Circus tent:",
    "TRStats.dat": "120 3 2 40 1 5",
    "TRC_CONFIG.INI": unlocked,
};
// "BIG TOP;Circus tent:" scrambled, as the Windows program leaves it.
const bigTopStore = [
    0x49, 0x4b, 0x50, 0x1d, 0x59, 0x59, 0x4b, 0x41, 0x41, 0x71, 0x79, 0x65, 0x7e, 0x70, 0x25,
    0x7e, 0x60, 0x74, 0x72, 0x42,
];

const main = 0;
const newPuzzle = 3550;
const solvePuzzle = 4900;
const skill = 3400;
const quit = 4300;
const soundButton = 3250;
const playerOne = 2800;
const playerTwo = 2950;
const solveBox = 4750;

// The centre of tile `letter` in the main window, from the control table.
const tileCentres = { B: [133, 489], I: [387, 489], G: [318, 489] };

// Each tile's rectangle in the main window, A to Z: x, y, width, height (A and C take the 19
// pixels of their bitmaps).
const tileRects = [
    [86, 479, 19, 20], [125, 479, 16, 20], [160, 479, 19, 20], [200, 479, 17, 20],
    [237, 479, 16, 20], [274, 479, 15, 20], [309, 479, 19, 20], [349, 479, 16, 20],
    [380, 479, 14, 20], [411, 479, 15, 20], [449, 479, 17, 20], [487, 479, 15, 20],
    [520, 479, 20, 20], [88, 512, 16, 20], [126, 512, 19, 20], [162, 512, 16, 20],
    [198, 512, 20, 21], [237, 512, 16, 20], [272, 512, 17, 20], [311, 512, 16, 20],
    [349, 512, 17, 20], [379, 512, 19, 20], [408, 512, 26, 20], [448, 512, 17, 20],
    [485, 512, 18, 20], [521, 512, 17, 20],
];

function started(game) {
    assert.equal(game.module._tr_start(), 1);
    return game;
}

describe("a round in the browser build", () => {
    test("won by tiles and keys, then quit, leaves the Windows program's bytes", async () => {
        const { page, module, read } = started(await gameWith(seeded));
        module._tr_runCommand(newPuzzle);
        for (const letter of ["B", "I", "G"]) {
            module._tr_leftButtonDown(main, ...tileCentres[letter]);
        }
        for (const key of "tOp") {
            module._tr_letterKey(key.charCodeAt(0));
        }
        module._tr_runCommand(quit);

        assert.deepEqual(page.announced, [
            "B is in the phrase once.",
            "I is in the phrase once.",
            "G is in the phrase once.",
            "T is in the phrase once.",
            "O is in the phrase once.",
            "You won! The phrase was BIG TOP.",
        ]);
        assert.equal(read("TRData.dat"), "Data purged...");
        assert.deepEqual([...bytes(read("OnLoad.dat"))], bigTopStore);
        assert.equal(read("TRStats.dat"), "190 4 2 40 1 5");
        assert.equal(page.ended, true);
    });

    test("misses, a wrong phrase and the loss are announced with the misses left", async () => {
        const { page, module } = started(
            await gameWith({ ...seeded, "TRData.dat": "TOO GOOD;Praise:" }));
        module._tr_runCommand(newPuzzle);
        module._tr_letterKey("O".charCodeAt(0));
        module._tr_letterKey("Q".charCodeAt(0));
        page.texts.set(solveBox, bytes("TOO BAD"));
        module._tr_runCommand(solvePuzzle);
        for (const key of "ZXWVJ") {
            module._tr_letterKey(key.charCodeAt(0));
        }
        assert.deepEqual(page.announced, [
            "O is in the phrase 4 times.",
            "No Q. 6 misses left.",
            "Wrong phrase. 5 misses left.",
            "No Z. 4 misses left.",
            "No X. 3 misses left.",
            "No W. 2 misses left.",
            "No V. 1 miss left.",
            "You lost. Press Solution to see the phrase.",
        ]);
        assert.deepEqual(page.roundEndings, ["You lost. Press Solution to see the phrase."]);
        assert.deepEqual(page.missesLeft, [-1, 7, 7, 6, 5, 4, 3, 2, 1, -1]);
    });

    test("in French the outcomes and the controls' names are French", async () => {
        const { page, module } = started(await gameWith({
            ...seeded, "TRLanguage.dat": "Language= fr\r\n", "TRData-fr.dat": "\u00e9t\u00e9;Saison:",
        }));
        assert.equal(page.names.get(newPuzzle), "Nouvelle \u00e9nigme");
        // The desktop picture's words: a button's face and a note led by the button's name.
        assert.ok(page.captions.includes(`${newPuzzle}: Nouvelle \u00e9nigme`));
        assert.ok(page.captions.includes("0: Supprimersupprime l'\u00e9nigme affich\u00e9e."));
        module._tr_runCommand(soundButton);
        assert.equal(page.names.get(soundButton), "Son coup\u00e9");
        module._tr_runCommand(newPuzzle);
        for (const key of "EQT") {
            module._tr_letterKey(key.charCodeAt(0));
        }
        assert.deepEqual(page.announced, [
            "E appara\u00eet 2 fois.",
            "Pas de Q. Il vous reste 6 erreurs.",
            "Gagn\u00e9\u00a0! La phrase \u00e9tait \u00c9T\u00c9.",
        ]);
    });

    test("hard skill, chosen before the first miss, is no miss: the fifth miss loses", async () => {
        const { page, module } = started(
            await gameWith({ ...seeded, "TRData.dat": "TOO GOOD;Praise:" }));
        module._tr_runCommand(newPuzzle);
        module._tr_letterKey("O".charCodeAt(0));
        module._tr_runCommand(skill);
        for (const key of "QZXWV") {
            module._tr_letterKey(key.charCodeAt(0));
        }
        assert.equal(text(page.texts.get(4400)), "5");
        assert.deepEqual(page.announced, [
            "O is in the phrase 4 times.",
            "No Q. 4 misses left.",
            "No Z. 3 misses left.",
            "No X. 2 misses left.",
            "No W. 1 miss left.",
            "You lost. Press Solution to see the phrase.",
        ]);
    });

    test("every tile takes its guess on its whole rectangle and nowhere beside it", async () => {
        const { page, module } = started(await gameWith(
            { ...seeded, "TRData.dat": "THE FIVE BOXING WIZARDS JUMP QUICKLY;Pangram:" }));
        module._tr_runCommand(newPuzzle);
        for (const [x, y, width, height] of tileRects) {
            module._tr_leftButtonDown(main, x + width, y);
            module._tr_leftButtonDown(main, x - 1, y + height - 1);
            module._tr_leftButtonDown(main, x, y + height);
            module._tr_leftButtonDown(main, x + width - 1, y + height - 1);
        }
        const times = { E: "2 times", I: "4 times", U: "2 times" };
        assert.deepEqual(page.announced, [
            ..."ABCDEFGHIJKLMNOPQRSTUVWXY".split("").map(
                (letter) => `${letter} is in the phrase ${times[letter] ?? "once"}.`),
            "You won! The phrase was THE FIVE BOXING WIZARDS JUMP QUICKLY.",
        ]);
    });

    test("the console's boxes reach the puzzle file byte for byte", async () => {
        const { page, module, read } = started(await gameWith(seeded));
        const phraseBox = 5300;
        const hintBox = 5250;
        module._tr_runCommand(5350);
        page.texts.set(phraseBox, Uint8Array.of(0x43, 0x41, 0x46, 0xc9, 0x20, 0x80));
        page.texts.set(hintBox, bytes("Coffee"));
        module._tr_enterKey(1, phraseBox);
        assert.equal(read("TRData.dat"), "BIG TOP;Circus tent:caf\xc9 \x80;Coffee:");
        assert.equal(page.texts.get(phraseBox).length, 0);
        assert.equal(page.texts.get(hintBox).length, 0);
    });

    test("the sound button's name follows the switch", async () => {
        const { page, module } = started(await gameWith(seeded));
        assert.equal(page.soundOn, true);
        module._tr_runCommand(soundButton);
        assert.equal(page.soundOn, false);
        module._tr_runCommand(soundButton);
        assert.equal(page.soundOn, true);
    });

    test("the page hears which player is credited, also when a press is refused", async () => {
        const { page, module } = started(await gameWith(seeded));
        assert.equal(page.player, 1);
        module._tr_runCommand(playerTwo);
        assert.equal(page.player, 2);
        module._tr_runCommand(newPuzzle);
        module._tr_letterKey("Z".charCodeAt(0));
        // After the round's first miss the player stays.
        module._tr_runCommand(playerOne);
        assert.equal(page.player, 2);
    });

    test("the arrow keys move the other panels within the stage", async () => {
        const { page, module } = started(await gameWith(seeded));
        const up = 1;
        module._tr_arrowKey(up);
        module._tr_arrowKey(up);
        // The console starts at the stage's top and stays there; the message panel, 28 pixels
        // down, moves 2 pixels a key.
        assert.deepEqual(page.placed, [
            [2, 172, 26],
            [1, 100, 0],
            [2, 172, 24],
            [1, 100, 0],
        ]);
        // Pushed right and down, each stops where its whole rectangle (the console 698 x 400,
        // the message panel 317 x 100) still lies in the 900 x 620 stage.
        const [right, down] = [2, 3];
        for (let presses = 0; presses < 400; presses++) {
            module._tr_arrowKey(right);
            module._tr_arrowKey(down);
        }
        assert.deepEqual(page.placed.slice(-2), [
            [1, 202, 220],
            [2, 583, 520],
        ]);
    });
});

describe("importing a file", () => {
    const importing = async (content) => {
        const game = started(await gameWith(seeded));
        game.module.FS.writeFile("/import/puzzles", content);
        return game;
    };
    const folderOf = (read) =>
        ["OnLoad.dat", "TRData.dat", "TRStats.dat", "TRC_CONFIG.INI"].map(read);

    // The next run of the page, on the files this one left.
    const nextRun = async (read) => {
        const files = {};
        for (const name of ["OnLoad.dat", "TRData.dat", "TRStats.dat", "TRC_CONFIG.INI"]) {
            files[name] = read(name);
        }
        return started(await gameWith(files));
    };

    test("a plain database replaces the puzzles and the scores are kept", async () => {
        const database = "CAT NAP;Short sleep:DOG DAY;Hot weather:";
        const { module, read } = await importing(bytes(database));
        assert.equal(module._tr_checkImport(), 1);
        assert.equal(module._tr_replacePuzzles(), 1);
        assert.equal(read("TRData.dat"), "Data purged...");
        assert.equal(read("TRStats.dat"), "120 3 2 40 1 5");
        const next = await nextRun(read);
        assert.equal(next.read("TRData.dat"), database);
    });

    test("a store from another copy of the game is taken as its puzzles", async () => {
        const { module, read } = await importing(Uint8Array.from(bigTopStore));
        assert.equal(module._tr_checkImport(), 1);
        assert.equal(module._tr_replacePuzzles(), 1);
        assert.deepEqual([...bytes(read("OnLoad.dat"))], bigTopStore);
        const next = await nextRun(read);
        assert.equal(next.read("TRData.dat"), "BIG TOP;Circus tent:");
    });

    test("Import saves the run's scores first, and the page's end after it keeps the imported puzzles", async () => {
        const database = "CAT NAP;Short sleep:";
        const { module, read } = await importing(bytes(database));
        module._tr_runCommand(newPuzzle);
        for (const key of "BIGTOP") {
            module._tr_letterKey(key.charCodeAt(0));
        }
        assert.equal(module._tr_checkImport(), 1);
        assert.equal(module._tr_replacePuzzles(), 1);
        // The page then reloads, and its end saves as a quit does.
        module._tr_sessionEnds();
        assert.equal(read("TRStats.dat"), "190 4 2 40 1 5");
        const next = await nextRun(read);
        assert.equal(next.read("TRData.dat"), database);
    });

    test("a TRC_CONFIG.INI that sets both locks is taken as the console's locks, unchanged", async () => {
        for (const locks of [unlocked, "Disable_Console=1 Disable_VCCntls=-0"]) {
            const { page, module, read } = await importing(bytes(locks));
            const before = folderOf(read);
            assert.equal(module._tr_checkImport(), 2);
            assert.deepEqual(page.messages, []);
            assert.deepEqual(folderOf(read), before);
            assert.equal(text(module.FS.readFile("/import/puzzles")), locks);
        }
    });

    for (const [kind, content] of [
        ["a TRC_CONFIG.INI with one lock", "Disable_Console= 0\r\n"],
        ["a TRC_CONFIG.INI whose second lock is no number", "Disable_Console= 0\r\nDisable_VCCntls= x"],
        ["a text that is no puzzle", "Shopping: eggs, milk\r\n"],
        ["a puzzle without its hint's end", "CAT NAP;Short sleep"],
        ["a puzzle followed by a line break", "CAT NAP;Short sleep:\r\n"],
        ["a picture", "\x89PNG\r\n\x1a\n\0\0\0\rIHDR"],
        ["an empty file", ""],
    ]) {
        test(`${kind} is refused with a message and nothing changes`, async () => {
            const { page, module, read } = await importing(bytes(content));
            const before = folderOf(read);
            assert.equal(module._tr_checkImport(), 0);
            assert.equal(page.messages.length, 1);
            assert.match(page.messages[0][0], /Nothing was changed\.$/);
            assert.deepEqual(folderOf(read), before);
        });
    }
});
