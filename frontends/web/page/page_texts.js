// The texts of the page's own elements (index.html and the notes its panels take from its
// templates), put in the language in play; a change of language shows them again.
import { refusedStorage } from "./files.js";
import { englishText, putText } from "./texts.js";

const texts = [
    [
        'meta[name="description"]',
        "content",
        englishText("Guess the hidden phrase letter by letter before the chalk figure is complete"),
    ],
    ["#export", "text", englishText("Export")],
    ["#import", "text", englishText("Import")],
    ["#storage-trouble .refused", "text", refusedStorage],
    ["#storage-trouble .keep", "text", englishText("Export them to keep them.")],
    ["#storage-trouble button", "text", englishText("Export")],
    ["#ended button", "text", englishText("Play again")],
    ["#message-box button", "text", englishText("OK")],
    ["#confirm-box-caption", "text", englishText("Import puzzles")],
    [
        "#confirm-box p",
        "text",
        englishText(
            "The puzzles of this file replace all the puzzles of the game. Your scores are kept.",
        ),
    ],
    ['#confirm-box button[value="replace"]', "text", englishText("Replace puzzles")],
    ['#confirm-box button[value="cancel"]', "text", englishText("Cancel")],
    ["#language-box-caption", "text", englishText("Language")],
    [
        "#language-box p",
        "text",
        englishText("The language of the puzzles and the letters. Your scores are kept."),
    ],
    ['#language-box button[value="cancel"]', "text", englishText("Cancel")],
    ["#locks-box-caption", "text", englishText("Replace the console's locks?")],
    [
        "#locks-box p",
        "text",
        englishText(
            "This file sets whether the puzzle console opens and whether Review and Del work, as " +
                "TRC_CONFIG.INI does beside the desktop game. The game starts again with it; " +
                "your puzzles and scores are kept.",
        ),
    ],
    ['#locks-box button[value="replace"]', "text", englishText("Replace locks")],
    ['#locks-box button[value="cancel"]', "text", englishText("Cancel")],
    ['[data-part="notes"] h2', "text", englishText("This is the puzzle's control console")],
    [
        '[data-part="notes"] .about',
        "text",
        englishText(
            "Here you can add new puzzle phrases of up to 38 characters and give each one a " +
                "hint. You can also review the puzzles already stored and delete the ones you " +
                "no longer want.",
        ),
    ],
    [
        '[data-part="notes"] .warning',
        "text",
        englishText("Please make sure that no game is in progress before you start."),
    ],
    // The console's buttons by their names, as the console's picture lists them.
    ['[data-part="notes"] .add b', "text", englishText("Add Puzzle")],
    [
        '[data-part="notes"] .add span',
        "text",
        englishText("stores the phrase and the hint typed below; the hint is optional."),
    ],
    ['[data-part="notes"] .review b', "text", englishText("Review")],
    [
        '[data-part="notes"] .review span',
        "text",
        englishText("shows the stored puzzles one after another."),
    ],
    ['[data-part="notes"] .delete b', "text", englishText("Del")],
    ['[data-part="notes"] .delete span', "text", englishText("deletes the puzzle on view.")],
    [
        '[data-part="notes"] .rules',
        "text",
        englishText('A phrase may not contain ";" and a hint may not contain ":".'),
    ],
    [
        '[data-part="notes"] .saving',
        "text",
        englishText("Your changes are kept when you leave the game with its quit button."),
    ],
    [
        '[data-part="note"] .pointer-note',
        "text",
        englishText("Please use keyboard arrow keys to reposition this window . . ."),
    ],
    [
        '[data-part="note"] .touch-note',
        "html",
        englishText(
            "On this screen the game fills its place, so there is no window to move. Tap " +
                "&ndash; to put the game aside, ? for the guide, or the cross to end it.",
        ),
    ],
];

// Once the panels have their notes.
export function putPageTexts() {
    for (const [selector, what, english] of texts) {
        for (const element of document.querySelectorAll(selector)) {
            putText(element, what, english);
        }
    }
}
