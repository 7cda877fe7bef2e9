"""Pictures of the windows as a player sees them, built from the generated
bitmaps, for checking the art by eye."""

import layout
import paint
import palette as pal

PHRASE = "T A L L Y R O P E   I S   F U N"


def _buttons(target, window, bitmaps):
    for normal, (_, owner, rect, _) in layout.BUTTONS.items():
        if owner == window:
            face = bitmaps[normal][:, : rect[2]]
            paint.paste(target, face, rect[:2])
    if window == "console":
        paint.paste(target, bitmaps[4200], layout.CONSOLE_CLOSE_RECT[:2])


def _text(target, rect, text, font, centred=False):
    """A text control's text; centred ones wrap at spaces, as the real ones do."""
    x, y, w, h = rect
    if centred:
        lines, line = [], ""
        for word in text.split():
            if line and paint.text_width(f"{line} {word}", font) > w:
                lines.append(line)
                line = word
            else:
                line = f"{line} {word}".strip()
        for index, part in enumerate(lines + [line]):
            paint.put_text(target, (x + w / 2, y + 1 + 16 * index), part, font, (0, 0, 0), "ma")
    else:
        paint.put_text(target, (x, y + h / 2), text, font, (0, 0, 0), "lm")


def main_window(bitmaps, state):
    """state: 'start', 'playing', 'won' or 'lost'."""
    picture = bitmaps[48].copy()
    _buttons(picture, "main", bitmaps)
    fields = layout.TEXT_FIELDS["main"]
    system = pal.sans_bold(12)
    scores = {1690: "340", 1750: "4", 1810: "1", 1720: "120", 1780: "2", 1840: "3"}
    for field, value in scores.items():
        _text(picture, fields[field], value, system)
    misses = {"start": "", "playing": "B K D ", "won": "B K D ", "lost": "B K D M Q W Z "}[state]
    guessed = {"start": "", "playing": "ALYBKDEO", "won": "ALYBKDEO", "lost": "ALYBKDMQWZ"}[state]
    phrase = {
        "start": "",
        "playing": "_ A L L Y _ O _ E   _ _   _ _ _",
        "won": PHRASE,
        "lost": "_ A L L Y _ _ _ _   _ _   _ _ _",
    }[state]
    hint = "" if state == "start" else "The name of this game, and more"
    _text(picture, fields[1960], phrase, pal.font("LiberationMono-Bold.ttf", 22))
    _text(picture, fields[4350], misses, system, centred=True)
    _text(picture, fields[4400], "7", system)
    _text(picture, fields[1930], hint, pal.sans(11), centred=True)
    for letter, rect in layout.TILES.items():
        if letter not in guessed:
            paint.paste(picture, bitmaps[layout.tile_bitmap_id(letter)], rect[:2])
    shown = {"start": 0, "playing": 3, "won": 3, "lost": 0}[state]
    for part in layout.FIGURE_STAGES[:shown]:
        paint.paste(picture, bitmaps[part], layout.FIGURE_PARTS[part][:2])
    if state == "lost":
        bitmap_id, rect = layout.COMPLETE_FIGURE
        paint.paste(picture, bitmaps[bitmap_id], rect[:2])
    if state == "won":
        for bitmap_id, rect in layout.BUBBLES.items():
            paint.paste(picture, bitmaps[bitmap_id], rect[:2])
    return picture


def console_window(bitmaps):
    picture = bitmaps[100][:, :698].copy()
    _buttons(picture, "console", bitmaps)
    fields = layout.TEXT_FIELDS["console"]
    system = pal.sans_bold(12)
    _text(picture, fields[5300], "a stitch in time", system)
    _text(picture, fields[5250], "An old proverb", system)
    return picture


def message_window(bitmaps):
    picture = bitmaps[1870].copy()
    _buttons(picture, "message", bitmaps)
    return picture
