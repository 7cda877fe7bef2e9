"""Background of the puzzle control console (bitmap 100)."""

import chrome
import layout
import paint
import palette as pal

STRIP_HEIGHT = 29
INFO_PANEL = (14, 40, 670, 256)
ENTRY_PANEL = (14, 304, 670, 92)

HEADING = "THIS IS THE PUZZLE'S CONTROL CONSOLE"
INTRODUCTION = (
    "Here you can add new puzzle phrases of up to 38 characters and give each one a hint. "
    "You can also review the puzzles already stored and delete the ones you no longer want."
)
REMINDER = "Please make sure that no game is in progress before you start."
# (button caption, what it does)
BUTTON_NOTES = [
    ("Add Puzzle", "stores the phrase and the hint typed below; the hint is optional."),
    ("Review", "shows the stored puzzles one after another."),
    ("Del", "deletes the puzzle on view."),
]
RULES = 'A phrase may not contain ";" and a hint may not contain ":".'
SAVING = "Your changes are kept when you leave the game with its quit button."


def paint_background():
    bg = chrome.wooden_body(layout.CONSOLE_SIZE, seed=1000)
    chrome.title_strip(bg, STRIP_HEIGHT, "Tallyrope", "puzzle control console", 1001)
    cx, cy, cw, ch = layout.CONSOLE_CLOSE_RECT
    chrome.title_button_recess(bg, (cx - 3, 1, cw + 6, STRIP_HEIGHT - 2))
    _info_panel(bg)
    _entry_panel(bg)
    chrome.window_border(bg)
    return bg


def _wrap(text, font, width):
    lines, line = [], ""
    for word in text.split():
        candidate = f"{line} {word}".strip()
        if paint.text_width(candidate, font) <= width:
            line = candidate
        else:
            lines.append(line)
            line = word
    return lines + [line]


def _info_panel(bg):
    chrome.panel(bg, INFO_PANEL, 1002)
    x, y, w, _ = INFO_PANEL
    centre = x + w // 2
    paint.caption(bg, (centre, y + 30), HEADING, pal.serif_bold(17), pal.INK_RED, "ms")
    bg[y + 40, x + 30 : x + w - 30] = pal.PARCHMENT_DARK
    bg[y + 41, x + 30 : x + w - 30] = pal.PARCHMENT_LIGHT
    body, bold = pal.sans(12), pal.sans_bold(12)
    left, baseline, step = x + 34, y + 68, 20
    for line in _wrap(INTRODUCTION, body, w - 68):
        paint.caption(bg, (left, baseline), line, body, pal.INK, "ls")
        baseline += step
    baseline += 8
    paint.caption(bg, (left, baseline), REMINDER, bold, pal.INK_RED, "ls")
    baseline += step + 10
    for caption, meaning in BUTTON_NOTES:
        paint.put_text(bg, (left + 8, baseline), "\u2022", bold, pal.BRASS_DARK, "ls")
        paint.caption(bg, (left + 22, baseline), caption, bold, pal.INK, "ls")
        indent = left + 22 + paint.text_width(caption, bold) + 6
        paint.caption(bg, (indent, baseline), "\u2013 " + meaning, body, pal.INK, "ls")
        baseline += step
    baseline += 10
    paint.caption(bg, (left, baseline), RULES, body, pal.INK, "ls")
    paint.caption(bg, (left, baseline + step), SAVING, body, pal.INK, "ls")


def _entry_panel(bg):
    chrome.panel(bg, ENTRY_PANEL, 1003)
    fields = layout.TEXT_FIELDS["console"]
    labels = {5300: "Enter Puzzle Phrase (38 char)", 5250: "Enter Hint (Optional) (34 char)"}
    for field_id, text in labels.items():
        x, y, w, h = fields[field_id]
        chrome.label(bg, (x - 9, y + h // 2), text, 12, "rm")
        chrome.grey_field(bg, fields[field_id])
