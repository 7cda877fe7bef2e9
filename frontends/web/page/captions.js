import { isTouchLayout } from "./layout.js";

// The words the desktop picture's art leaves out, written over it in the art's faces, so that
// they are sharp at any zoom and in the language in play. The touch layout has words of its own.

// Each face's family, weight, style and, in ems, its ascent and descent.
const faces = [
    ["Tallyrope Sans", 400, "normal", 1901 / 2048],
    ["Tallyrope Sans", 700, "normal", 1901 / 2048],
    ["Tallyrope Sans Condensed", 700, "normal", 1901 / 2048],
    ["Tallyrope Serif", 700, "normal", 1923 / 2048],
    ["Tallyrope Serif", 400, "italic", 1901 / 2048],
];
const descent = 483 / 2048;
const alignments = ["left", "center", "right"];
const middleAnchor = 1;

const colour = (rgb) => `#${rgb.toString(16).padStart(6, "0")}`;

// The caption from the core's fields, as tr_page_caption lists them.
export function describeCaption(fields) {
    const [window, control, left, top, right, bottom, face, size, align, anchor, y100] = fields;
    const [ink, shadowed, shadow, lines, lineStep, smallest] = fields.slice(11);
    return { window, control, left, top, right, bottom, face, size, align, anchor, y: y100 / 100,
        ink, shadowed, shadow, lines, lineStep, smallest };
}

// Where the span's top lies for its first baseline, at `size` pixels.
function topFor(caption, size) {
    const [, , , ascent] = faces[caption.face];
    const height = (ascent + descent) * size;
    const lineHeight = caption.lines > 1 ? caption.lineStep : height;
    let baseline = caption.y;
    if (caption.anchor === middleAnchor) {
        baseline += ((ascent - descent) * size) / 2;
    }
    return { top: baseline - ascent * size - (lineHeight - height) / 2, lineHeight };
}

function place(span, caption, size) {
    const { top, lineHeight } = topFor(caption, size);
    span.style.top = `${top}px`;
    span.style.lineHeight = `${lineHeight}px`;
    span.style.fontSize = `${size}px`;
}

const measuring = document.createElement("canvas").getContext("2d");

// A button's caption is written smaller, down to its smallest size, until it fits; measured
// apart from the page, as its window may be hidden.
async function fit(span, caption, text) {
    const [family, weight, style] = faces[caption.face];
    const font = (size) => `${style} ${weight} ${size}px "${family}"`;
    await document.fonts.load(font(caption.size), text);
    let size = caption.size;
    const room = caption.right - caption.left;
    for (; size > caption.smallest; size -= 1) {
        measuring.font = font(size);
        if (measuring.measureText(text).width <= room) {
            break;
        }
    }
    place(span, caption, size);
}

export function makeCaption(caption) {
    const span = document.createElement("span");
    const [family, weight, style] = faces[caption.face];
    span.className = "caption";
    span.setAttribute("aria-hidden", "true");
    Object.assign(span.style, {
        left: `${caption.left}px`,
        width: `${caption.right - caption.left}px`,
        textAlign: alignments[caption.align],
        whiteSpace: caption.lines > 1 ? "normal" : "pre",
        fontFamily: `"${family}"`,
        fontWeight: String(weight),
        fontStyle: style,
        textShadow: caption.shadowed ? `1px 1px 0 ${colour(caption.shadow)}` : "none",
    });
    span.style.setProperty("--ink", colour(caption.ink));
    place(span, caption, caption.size);
    return span;
}

// The caption's words, after the button name that leads them, as a list has it.
export function writeCaption(span, caption, text, lead) {
    if (lead === "") {
        span.textContent = text;
    } else {
        const name = document.createElement("span");
        name.className = "caption-lead";
        name.textContent = lead;
        span.replaceChildren(name, `\u2013 ${text}`);
    }
    span.dataset.words = text;
    fitCaption(span, caption);
}

// A caption is fitted, and its face fetched, once it can show: a bubble's when the bubble
// shows, the others' in the desktop picture (the touch layout writes its own words).
export function fitCaption(span, caption) {
    const bubble = span.closest(".picture-words");
    const shows = bubble !== null ? !bubble.hidden : !isTouchLayout();
    if (caption.smallest > 0 && shows && span.dataset.fitted !== span.dataset.words) {
        span.dataset.fitted = span.dataset.words;
        fit(span, caption, span.dataset.words);
    }
}

