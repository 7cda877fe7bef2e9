// The page's modal dialogs: the core's message boxes, one after another, and the questions
// before an import replaces the puzzles or the console's locks.
const messageBox = () => document.getElementById("message-box");
const waiting = [];

let shown = null;

function showNext() {
    const box = messageBox();
    if (box.open || waiting.length === 0) {
        return;
    }
    shown = waiting.shift();
    document.getElementById("message-box-caption").textContent = shown.caption;
    document.getElementById("message-box-text").textContent = shown.text;
    box.showModal();
}

export function setUpDialogs() {
    messageBox().addEventListener("close", () => {
        shown?.closed();
        showNext();
    });
}

// Resolves once the player has closed this message.
export function showMessage(text, caption) {
    return new Promise((closed) => {
        waiting.push({ text, caption, closed });
        showNext();
    });
}

export function anyDialogOpen() {
    return document.querySelector("dialog[open]") !== null;
}

// Resolves true when the player answered the question in dialog `id` with `yes`.
export function confirm(id, yes) {
    const box = document.getElementById(id);
    box.returnValue = "";
    box.showModal();
    return new Promise((resolve) => {
        box.addEventListener("close", () => resolve(box.returnValue === yes), { once: true });
    });
}

// Resolves to the place of the choice the player made among `choices` in dialog `id`, the one
// at `current` marked as chosen; null when the player cancelled.
export function chooseFrom(id, choices, current) {
    const box = document.getElementById(id);
    const list = box.querySelector("[data-choices]");
    list.replaceChildren(
        ...choices.map((choice, index) => {
            const button = document.createElement("button");
            button.value = String(index);
            button.textContent = choice;
            button.setAttribute("aria-pressed", String(index === current));
            return button;
        }),
    );
    box.returnValue = "";
    box.showModal();
    list.children[current]?.focus();
    return new Promise((resolve) => {
        box.addEventListener(
            "close",
            () => resolve(/^\d+$/.test(box.returnValue) ? Number(box.returnValue) : null),
            { once: true },
        );
    });
}
