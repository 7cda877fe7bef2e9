// Each panel's controls gathered into parts, in the order a player meets them on the screen:
// the document's order, and so the order of Tab and of a screen reader, in both layouts. The
// desktop picture places every control at its table rectangle whatever its part; the touch
// layout lays the parts out as blocks.
import { tileId, tileLetters } from "./names.js";

const tiles = Array.from(tileLetters, (_, k) => tileId(k));
// The complete figure, its six parts and the two bubbles.
const figure = [6100, 2350, 2400, 2450, 2500, 2550, 2600, 3820, 4950];

// A part holds controls by id, or other parts.
export const panelParts = [
    [
        { name: "title", ids: [6700, 4000, 4150, 4300] },
        { name: "phrase", ids: [1960, 5500] },
        { name: "hint", ids: [1930] },
        {
            name: "board",
            parts: [
                {
                    name: "chalkboard",
                    parts: [
                        {
                            name: "slate",
                            // The figure and the bubbles, on the main picture behind them.
                            parts: [{ name: "figure", ids: figure }],
                        },
                    ],
                },
                {
                    name: "tally",
                    parts: [
                        { name: "used", ids: [4350] },
                        { name: "misses", ids: [4400] },
                    ],
                },
            ],
        },
        { name: "letters", ids: tiles },
        { name: "solve", ids: [4750, 4900] },
        { name: "buttons", ids: [3550, 3700, 2800, 2950, 3400, 3250, 3100] },
        {
            name: "scores",
            parts: [
                { name: "player-one", ids: [1690, 1750, 1810] },
                { name: "player-two", ids: [1720, 1780, 1840] },
            ],
        },
        { name: "console", ids: [5350] },
    ],
    [
        { name: "title", ids: [6200] },
        { name: "notes", ids: [] },
        {
            name: "entries",
            parts: [
                { name: "phrase-entry", ids: [5300] },
                { name: "hint-entry", ids: [5250] },
            ],
        },
        { name: "buttons", ids: [5200, 6000, 5950] },
    ],
    [
        { name: "note", ids: [] },
        { name: "buttons", ids: [1900] },
    ],
];
