// What a screen reader hears of the masked phrase and the tiles. The code page is left to the
// browser tests: Node 20's TextDecoder reads windows-1252 as Latin-1, as no browser does.
import assert from "node:assert/strict";
import { test } from "node:test";

import { spokenPhrase, tileLetter } from "../../../frontends/web/page/names.js";

test("the masked phrase is read as letters, blanks and spaces", () => {
    assert.equal(spokenPhrase(" B _ _   T O P"), "B, blank, blank, space, T, O, P");
    assert.equal(spokenPhrase(" _ ' _   _ !"), "blank, ', blank, space, blank, !");
    assert.equal(spokenPhrase(""), "");
});

test("the tiles are named A to Z and \u00c4 \u00d1 \u00d6 \u00dc by control id, and nothing else is a tile", () => {
    assert.equal(tileLetter(160), "A");
    assert.equal(tileLetter(940), "N");
    assert.equal(tileLetter(1660), "Z");
    assert.equal(tileLetter(6300), "\u00c4");
    assert.equal(tileLetter(6360), "\u00d1");
    assert.equal(tileLetter(6480), "\u00dc");
    for (const id of [100, 190, 1720, 3550, 6270, 6540, 6700]) {
        assert.equal(tileLetter(id), null);
    }
});
