"""Background of the small message window (bitmap 1870): how to move the
windows, which have no caption to drag."""

import chrome
import layout
import paint
import palette as pal

PANEL = (6, 31, 305, 63)
LINES = ("Please use keyboard arrow keys to", "reposition this window . . .")
# Arrow key caps: (x, y, direction) with the caps 13 by 11 pixels.
KEYS = ((33, 64, "up"), (19, 77, "left"), (33, 77, "down"), (47, 77, "right"))


def paint_background():
    bg = chrome.wooden_body(layout.MESSAGE_SIZE, seed=1870)
    chrome.title_strip(bg, layout.TITLE_STRIP_HEIGHT, "Tallyrope", "a note", 1871)
    chrome.panel(bg, PANEL, 1872)
    centre = PANEL[0] + PANEL[2] // 2
    font = pal.sans_bold(12)
    for index, line in enumerate(LINES):
        paint.caption(bg, (centre, 47 + 14 * index), line, font, pal.INK, "ms")
    for x, y, direction in KEYS:
        _key_cap(bg, x, y, direction)
    chrome.window_border(bg)
    return bg


def _key_cap(bg, x, y, direction):
    w, h = 13, 11
    cap = paint.Sketch((w, h))
    cap.rounded_rect((0, 0, w, h), 2)
    paint.blend(bg, cap.mask(), pal.INK, (x, y))
    face = paint.Sketch((w, h))
    face.rounded_rect((1, 1, w - 1, h - 1), 1.5)
    paint.blend(
        bg,
        face.mask(),
        paint.vertical_gradient((w, h), pal.PARCHMENT_LIGHT, pal.PARCHMENT_DARK),
        (x, y),
    )
    arrows = {
        "up": [(6.5, 2.5), (10, 7.5), (3, 7.5)],
        "down": [(6.5, 8.5), (10, 3.5), (3, 3.5)],
        "left": [(3, 5.5), (8.5, 2.5), (8.5, 8.5)],
        "right": [(10, 5.5), (4.5, 2.5), (4.5, 8.5)],
    }
    arrow = paint.Sketch((w, h))
    arrow.polygon(arrows[direction])
    paint.blend(bg, arrow.mask(), pal.INK, (x, y))
