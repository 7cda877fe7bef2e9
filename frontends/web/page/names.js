// The texts whose meaning only the art beside them shows: a screen reader hears this first.
export const textLabels = new Map([
    [1690, "Player 1 points"],
    [1750, "Player 1 wins"],
    [1810, "Player 1 losses"],
    [1720, "Player 2 points"],
    [1780, "Player 2 wins"],
    [1840, "Player 2 losses"],
    [4350, "Used letters"],
    [4400, "Misses to lose"],
    [1930, "Hint"],
]);

// What a button's face says in the touch layout where it is not its name.
export const faces = new Map([
    [4000, "\u2013"],
    [4150, "?"],
    [4300, "\u2715"],
    [6200, "\u2715"],
    [5350, "S/H Con Panel"],
]);

// What the touch layout writes after a score, whose meaning the picture's labels give.
export const units = new Map([
    [1690, "pts"],
    [1720, "pts"],
    [1750, "W"],
    [1780, "W"],
    [1810, "L"],
    [1840, "L"],
]);

// What an empty box shows in the touch layout, where the picture's labels are not drawn.
export const placeholders = new Map([
    [4750, "Type the whole phrase"],
    [5300, "Puzzle phrase, up to 38 characters"],
    [5250, "Hint, optional, up to 34 characters"],
]);

export function soundFace(on) {
    return on ? "On" : "Off";
}

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
        characters.push(c === "_" ? "blank" : c === " " ? "space" : c);
    }
    return characters.join(", ");
}
