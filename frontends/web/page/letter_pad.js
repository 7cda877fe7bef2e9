// Large letter keys below the picture for a touch screen on which the picture's tiles come out
// too small for a finger. A key acts as a press on its tile and goes when the tile goes. Screen
// readers and the keyboard keep the tiles: the pad is hidden from both.
import { tileId } from "./names.js";

const letters = "ABCDEFGHIJKLMNOPQRSTUVWXYZ";
// Below this rendered width a tile, even with its widened tap area, is hard to hit by finger.
const smallestTappableTile = 16;

export function wireLetterPad(pad, pressTile) {
    const tiles = [];
    for (const [index, letter] of [...letters].entries()) {
        const tile = document.getElementById(`c${tileId(index)}`);
        const key = document.createElement("button");
        key.type = "button";
        key.tabIndex = -1;
        key.textContent = letter;
        key.dataset.letter = letter;
        key.hidden = tile.hidden;
        // On the press, as the tile acts, and without taking the focus from the game.
        key.addEventListener("pointerdown", (event) => {
            event.preventDefault();
            if (event.button === 0) {
                pressTile(tile);
            }
        });
        new MutationObserver(() => {
            key.hidden = tile.hidden;
        }).observe(tile, { attributes: true, attributeFilter: ["hidden"] });
        pad.append(key);
        tiles.push(tile);
    }
    // The tile's width on the screen: its width in the picture at the picture's scale.
    const fitPad = () => {
        const scale = Number(getComputedStyle(document.documentElement).getPropertyValue("--scale"));
        pad.hidden = parseFloat(tiles[0].style.width) * scale >= smallestTappableTile;
    };
    fitPad();
    addEventListener("resize", fitPad);
}
