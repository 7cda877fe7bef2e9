// Which of the two layouts the page shows, and fitting it to the window. The desktop picture is
// the 900 x 620 game scaled as a whole; where that would leave a tap target too small for the
// pointer, the touch layout lays the same controls out as blocks (touch.css). Either follows
// every resize, a turned phone, a change of pointer and the on-screen keyboard.
const stageWidth = 900;
const stageHeight = 620;
// The smallest tap target of the picture at its own size: the title strip's buttons, whose tap
// area takes the strip's 25 pixels (the tiles reach 32, the round buttons 27).
const smallestTarget = 25;
// The least a target may measure on the screen: for a finger, and for any other pointer.
const fingerTarget = 44;
const pointerTarget = 24;
// The part of the main picture the touch layout shows as its chalkboard: the figure, both
// bubbles, the crow, the tree, the moon and the chalk tally, each whole.
const chalkboard = { x: 28, y: 80, width: 560, height: 366 };
// An edit box focused while the visual viewport is this much shorter than the page has the
// on-screen keyboard open over it.
const keyboardShare = 0.8;

const root = document.documentElement;
const coarsePointer = matchMedia("(pointer: coarse)");
const changeListeners = [];
let desktopBarHeight = 0;

export function isTouchLayout() {
    return root.dataset.layout === "touch";
}

export function onLayoutChange(listener) {
    changeListeners.push(listener);
}

// The desktop picture has the file bar below it; the touch layout lays it out with the main
// panel's buttons, after S/H Con Panel, as in the document's order.
function placeFileBar() {
    const bar = document.getElementById("file-bar");
    const panel = document.getElementById("panel-main");
    if (isTouchLayout() && panel !== null) {
        panel.append(bar);
    } else {
        document.getElementById("frame").after(bar);
    }
}

function chooseLayout() {
    const bar = document.getElementById("file-bar");
    if (!isTouchLayout()) {
        desktopBarHeight = bar.offsetHeight;
    }
    const scale = Math.min(
        innerWidth / stageWidth,
        (innerHeight - desktopBarHeight) / stageHeight,
    );
    const least = coarsePointer.matches ? fingerTarget : pointerTarget;
    const layout = scale * smallestTarget < least ? "touch" : "desktop";
    root.style.setProperty("--scale", String(Math.max(scale, 0.1)));
    if (root.dataset.layout !== layout) {
        root.dataset.layout = layout;
        placeFileBar();
        changeListeners.forEach((listener) => listener(layout));
    }
}

// The main picture behind the slate, which touch.css makes as large as its place allows in
// the chalkboard's proportions.
function fitChalkboard(slate) {
    const picture = slate.querySelector('[data-part="figure"]');
    const width = slate.clientWidth;
    const height = slate.clientHeight;
    if (width === 0 || height === 0) {
        return;
    }
    const scale = Math.min(width / chalkboard.width, height / chalkboard.height);
    const left = (width - chalkboard.width * scale) / 2 - chalkboard.x * scale;
    const top = (height - chalkboard.height * scale) / 2 - chalkboard.y * scale;
    picture.style.transform = `translate(${left}px, ${top}px) scale(${scale})`;
}

// The tallest the window has been at each width: a keyboard that shrinks the whole page (as
// some browsers do) leaves the width as it was.
const tallestAt = new Map();

// The game fills the visual viewport, which the on-screen keyboard shortens; while it is open
// over a box of the game, the touch layout keeps the phrase and the box in view. A page zoomed
// by the player keeps its size, so the zoom shows it larger.
function followViewport() {
    const view = window.visualViewport ?? { offsetTop: 0, height: innerHeight, scale: 1 };
    const zoomed = view.scale > 1.01;
    const height = zoomed ? innerHeight : view.height;
    root.style.setProperty("--view-top", `${zoomed ? 0 : view.offsetTop}px`);
    root.style.setProperty("--view-height", `${height}px`);
    const box = document.activeElement;
    const inBox = box?.tagName === "INPUT" && box.closest(".panel") !== null;
    if (!inBox) {
        tallestAt.set(innerWidth, Math.max(innerHeight, tallestAt.get(innerWidth) ?? 0));
    }
    const tallest = Math.max(innerHeight, tallestAt.get(innerWidth) ?? 0);
    root.toggleAttribute("data-typing", inBox && height < keyboardShare * tallest);
}

export function wireLayout() {
    const relayout = () => {
        chooseLayout();
        followViewport();
    };
    relayout();
    addEventListener("resize", relayout);
    coarsePointer.addEventListener("change", relayout);
    window.visualViewport?.addEventListener("resize", followViewport);
    window.visualViewport?.addEventListener("scroll", followViewport);
    addEventListener("focusin", followViewport);
    addEventListener("focusout", () => setTimeout(followViewport));
}

// The language's letters in as few even rows as the width allows keys of a finger's size: the
// 26 of English in two rows of 13, three of 9 or four of 7, the 29 of German in two of 15,
// three of 10 or five of 6.
export function fitLetters(letters = document.querySelector('[data-part="letters"]')) {
    const style = getComputedStyle(letters);
    const gap = parseFloat(style.columnGap) || 0;
    const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    const width = letters.clientWidth - padding;
    const fitting = Math.max(1, Math.floor((width + gap) / (fingerTarget + gap)));
    const count = Math.max(1, letters.querySelectorAll(".tile:not([data-absent])").length);
    const columns = Math.ceil(count / Math.ceil(count / fitting));
    letters.style.setProperty("--letter-columns", String(columns));
}

// A text too long for its box in the touch layout is drawn smaller, never cut: a score (the
// statistics hold up to eleven characters a count), a full row of used letters, or a button's
// face with a long word.
export function fitText(text) {
    text.style.removeProperty("font-size");
    // A hidden panel's text is fitted when it first shows, by fitTexts.
    if (!isTouchLayout() || text.closest(".panel[hidden]") !== null || text.clientWidth === 0) {
        return;
    }
    const style = getComputedStyle(text);
    const padding = parseFloat(style.paddingLeft) + parseFloat(style.paddingRight);
    const over = (text.scrollWidth - padding) / (text.clientWidth - padding);
    if (over > 1) {
        text.style.fontSize = `${Math.floor((parseFloat(style.fontSize) / over) * 4) / 4}px`;
    }
}

// The touch layout's phrase is drawn no smaller than this (touch.css's least size).
const smallestPhrase = 12;

// The phrase's size in the touch layout reckons with its letters, not with where its lines
// break: words that leave a line short may need a third line, and so a smaller size.
export function fitPhrase(phrase) {
    phrase.style.removeProperty("font-size");
    if (!isTouchLayout() || phrase.clientHeight === 0) {
        return;
    }
    let size = parseFloat(getComputedStyle(phrase).fontSize);
    while (size > smallestPhrase && phrase.scrollHeight > phrase.clientHeight + 1) {
        size -= 1;
        phrase.style.fontSize = `${size}px`;
    }
}

// The scores and used letters, and the buttons' faces with words, whose length differs from one
// language to another; the title strips' signs are drawn at their own size.
const fittedTexts = '.text[data-fit], .push:not([data-part="title"] .push)';

function fitTexts() {
    document.querySelectorAll(fittedTexts).forEach(fitText);
}

// Called once the core has made the controls.
export function wireParts() {
    placeFileBar();
    const slate = document.querySelector('[data-part="slate"]');
    new ResizeObserver(() => fitChalkboard(slate)).observe(slate);
    const letters = document.querySelector('[data-part="letters"]');
    new ResizeObserver(() => fitLetters(letters)).observe(letters);
    const phrase = document.querySelector('[data-part="phrase"]');
    new ResizeObserver(() => phrase.querySelectorAll(".control").forEach(fitPhrase)).observe(phrase);
    const fitted = new ResizeObserver(fitTexts);
    document.querySelectorAll(fittedTexts).forEach((text) => fitted.observe(text));
    const refitted = (changes) =>
        changes.filter(({ target }) => target.matches(fittedTexts)).forEach(({ target }) => fitText(target));
    new MutationObserver(refitted).observe(
        document.getElementById("stage"),
        { subtree: true, attributeFilter: ["data-face"] },
    );
}
