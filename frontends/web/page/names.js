import { englishText, translated } from "./texts.js";

// The texts whose meaning only the art beside them shows: a screen reader hears this first.
export const textLabels = new Map([
    [1690, englishText("Player 1 points")],
    [1750, englishText("Player 1 wins")],
    [1810, englishText("Player 1 losses")],
    [1720, englishText("Player 2 points")],
    [1780, englishText("Player 2 wins")],
    [1840, englishText("Player 2 losses")],
    [4350, englishText("Used letters")],
    [4400, englishText("Misses to lose")],
    [1930, englishText("Hint")],
]);

// What a button's face says in the touch layout where it is not its name.
export const faces = new Map([
    [4000, "\u2013"],
    [4150, "?"],
    [4300, "\u2715"],
    [6200, "\u2715"],
    [5350, englishText("S/H Con Panel")],
]);

// What the touch layout writes after a score, whose meaning the picture's labels give.
export const units = new Map([
    [1690, englishText("pts")],
    [1720, englishText("pts")],
    [1750, englishText("W")],
    [1780, englishText("W")],
    [1810, englishText("L")],
    [1840, englishText("L")],
]);

// What an empty box shows in the touch layout, where the picture's labels are not drawn.
export const placeholders = new Map([
    [4750, englishText("Type the whole phrase")],
    [5300, englishText("Puzzle phrase, up to 38 characters")],
    [5250, englishText("Hint, optional, up to 34 characters")],
]);

export function soundFace(on) {
    return translated(on ? englishText("On") : englishText("Off"));
}

// The captions the desktop pictures draw, which the touch layout writes over its parts, by
// panel and part.
export const partCaptions = [
    {
        title: englishText("Tallyrope"),
        used: englishText("Used letters"),
        "player-one": englishText("Player 1"),
        "player-two": englishText("Player 2"),
    },
    {
        title: englishText("Puzzle console"),
        "phrase-entry": englishText("Enter Puzzle Phrase (38 char)"),
        "hint-entry": englishText("Enter Hint (Optional) (34 char)"),
    },
];
// The game's motto beside the title, and the used letters' caption where the tally is narrow.
export const motto = englishText("a word-guessing game");
export const shortUsedCaption = englishText("Used");
// What the number of misses that lose is; in a round, the misses left written before it.
export const missesToLoseCaption = englishText("misses to lose");
export const missesLeftCaption = englishText("misses left %s of");

// Every letter with a tile, in the order of the tiles' ids: A to Z are 160 + 60 k, the tiles
// after Z 6300 + 60 k.
export const tileLetters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ\u00c4\u00d1\u00d6\u00dc";
const firstTile = 160;
const firstTileAfterZ = 6300;
const tileStep = 60;

export function tileId(k) {
    return k < 26 ? firstTile + tileStep * k : firstTileAfterZ + tileStep * (k - 26);
}

export function tileLetter(id) {
    const [first, from, to] = id < firstTileAfterZ ? [firstTile, 0, 26] : [firstTileAfterZ, 26, 30];
    const k = from + (id - first) / tileStep;
    return Number.isInteger(k) && k >= from && k < to ? tileLetters[k] : null;
}

// The masked phrase, spaced as the core keeps it (" B _ _   T O P"), as a screen reader
// should say it: "B, blank, blank, space, T, O, P".
export function spokenPhrase(text) {
    const characters = [];
    for (let i = 1; i < text.length; i += 2) {
        const c = text[i];
        characters.push(
            c === "_" ? translated("blank") : c === " " ? translated("space") : c,
        );
    }
    return characters.join(", ");
}
