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

const firstTile = 160;
const tileStep = 60;

// Tile k (0 for A) has control id 160 + 60 k.
export function tileId(k) {
    return firstTile + tileStep * k;
}

export function tileLetter(id) {
    const k = (id - firstTile) / tileStep;
    return Number.isInteger(k) && k >= 0 && k < 26 ? String.fromCharCode(65 + k) : null;
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
