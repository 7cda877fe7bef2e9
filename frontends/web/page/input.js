// Taps, clicks and keys, handed to the core as the desktop programs hand theirs. A button acts
// on release inside, showing its pressed face while held; a tile and the panels' background act
// on the press, at a point in the panel's own coordinates, so the core hit-tests as it always
// does; a button or tile activated from the keyboard acts as a click on it. In the touch layout
// a tile acts as a button does, on a tap: when the finger lifts on it, not when it slides off or
// the browser takes the touch for a scroll; and still at its table rectangle, whatever its place
// on the screen.
import { toBytes } from "./code_page.js";
import { anyDialogOpen } from "./dialogs.js";
import { isTouchLayout } from "./layout.js";

const arrows = { ArrowLeft: 0, ArrowUp: 1, ArrowRight: 2, ArrowDown: 3 };

// The main picture's title strip, and a point of every panel's picture where no control lies.
const titleStrip = { width: 640, height: 25 };
const backgroundPoint = [2, 30];

function panelOf(element) {
    return element.closest(".panel");
}

function windowOf(panel) {
    return Number(panel.dataset.window);
}

// The point under the pointer in the unscaled coordinates of `picture`: the panel in the
// desktop picture, the main picture behind the chalkboard in the touch layout.
function pointOn(picture, event) {
    const box = picture.getBoundingClientRect();
    const scale = box.width / picture.offsetWidth;
    return [
        Math.floor((event.clientX - box.left) / scale),
        Math.floor((event.clientY - box.top) / scale),
    ];
}

// Where a press on a panel's background reaches the core. The touch layout keeps the
// chalkboard as a piece of the main picture and the title strip as a strip; the rest of its
// background has no place in the picture.
function backgroundPointOf(panel, event) {
    if (!isTouchLayout()) {
        return pointOn(panel, event);
    }
    const board = event.target.closest('[data-part="figure"]');
    if (board !== null) {
        return pointOn(board, event);
    }
    const strip = event.target.closest('[data-part="title"]');
    if (strip !== null && windowOf(panel) === 0) {
        const box = strip.getBoundingClientRect();
        const across = (event.clientX - box.left) / box.width;
        const down = (event.clientY - box.top) / box.height;
        return [
            Math.min(titleStrip.width - 1, Math.floor(across * titleStrip.width)),
            Math.min(titleStrip.height - 1, Math.floor(down * titleStrip.height)),
        ];
    }
    return backgroundPoint;
}

function inside(element, event) {
    const box = element.getBoundingClientRect();
    return (
        event.clientX >= box.left &&
        event.clientX < box.right &&
        event.clientY >= box.top &&
        event.clientY < box.bottom
    );
}

// A tile acts at the centre of its table rectangle, whatever part of its tap area was pressed.
function pressTile(tile, game) {
    const [x, y, width, height] = tile.dataset.rect.split(" ").map(Number);
    const centre = [x + Math.floor(width / 2), y + Math.floor(height / 2)];
    game.leftButtonDown(windowOf(panelOf(tile)), ...centre);
}

// Shows `control` pressed while the pointer stays on it, and acts when it is let go there.
function hold(control, event, act) {
    control.setPointerCapture(event.pointerId);
    control.classList.add("pressed");
    const moved = (e) => control.classList.toggle("pressed", inside(control, e));
    const released = (e) => {
        control.removeEventListener("pointermove", moved);
        control.removeEventListener("pointerup", released);
        control.removeEventListener("pointercancel", released);
        control.classList.remove("pressed");
        if (e.type === "pointerup" && inside(control, e)) {
            act();
        }
    };
    control.addEventListener("pointermove", moved);
    control.addEventListener("pointerup", released);
    control.addEventListener("pointercancel", released);
}

function pointerDown(event, game) {
    const panel = panelOf(event.target);
    if (event.button !== 0 || panel === null) {
        return;
    }
    const control = event.target.closest(".control");
    if (control?.classList.contains("push")) {
        hold(control, event, () => game.runCommand(Number(control.dataset.id)));
    } else if (control?.classList.contains("tile") && isTouchLayout()) {
        hold(control, event, () => pressTile(control, game));
    } else if (control?.classList.contains("tile")) {
        pressTile(control, game);
    } else if (control?.tagName !== "INPUT") {
        game.leftButtonDown(windowOf(panel), ...backgroundPointOf(panel, event));
    }
}

// A click without a pointer press: the keyboard's Space or Enter, or a screen reader's action.
function clicked(event, game) {
    const control = event.target.closest(".control");
    if (event.detail !== 0 || control === null) {
        return;
    }
    if (control.classList.contains("push")) {
        game.runCommand(Number(control.dataset.id));
    } else if (control.classList.contains("tile")) {
        pressTile(control, game);
    }
}

// Enter in a box may give the focus to the panel itself, which then takes the keys: it shows
// the outline a keyboard player looks for. A panel focused at the start or by a click shows none.
function showKeyFocus() {
    const focused = document.activeElement;
    if (focused?.classList.contains("panel")) {
        focused.setAttribute("data-key-focus", "");
    }
}

function keyDown(event, game) {
    if (anyDialogOpen() || document.getElementById("game").hidden) {
        return;
    }
    if (event.key === "F1") {
        event.preventDefault();
        if (!event.repeat) {
            game.helpKey();
        }
        return;
    }
    const target = event.target;
    const panel = target instanceof Element ? panelOf(target) : null;
    // Escape in the console or the message panel is the window system's close request.
    if (event.key === "Escape" && panel !== null && windowOf(panel) !== 0) {
        game.closeRequest(windowOf(panel));
        return;
    }
    if (target.tagName === "INPUT") {
        if (panel !== null && event.key === "Enter") {
            event.preventDefault();
            if (!event.repeat) {
                game.enterKey(windowOf(panel), Number(target.dataset.id));
                showKeyFocus();
            }
        }
        return;
    }
    if (event.ctrlKey || event.altKey || event.metaKey || target.closest?.("#file-bar")) {
        return;
    }
    if (event.key in arrows) {
        event.preventDefault();
        game.arrowKey(arrows[event.key]);
    } else if ([...event.key].length === 1) {
        // A character of the code page, é or ñ as well as e: the core knows the language's
        // letters.
        const byte = toBytes(event.key);
        if (byte !== null) {
            game.letterKey(byte[0]);
        }
    }
}

export function wireInput(stage, game) {
    stage.addEventListener("pointerdown", (event) => pointerDown(event, game));
    stage.addEventListener("click", (event) => clicked(event, game));
    stage.addEventListener("focusout", (event) => event.target.removeAttribute?.("data-key-focus"));
    document.addEventListener("keydown", (event) => keyDown(event, game));
}
