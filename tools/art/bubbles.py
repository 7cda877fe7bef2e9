"""The two speech bubbles of a won round, drawn over the slate behind them."""

import numpy as np

import layout
import paint
import palette as pal

# Bubble body, tail and text, in main-window coordinates.
_BUBBLES = {
    3750: ((127, 111, 199, 144), [(190, 126), (205.5, 136), (186, 138)], "YOU WIN!"),
    3850: ((459, 117.5, 507, 138), [(494, 134), (508.5, 145), (502, 133)], "CAAAW!"),
}


def _fonts():
    return {3750: pal.sans_bold(12), 3850: pal.condensed_bold(10)}


def render(bg):
    fonts = _fonts()
    pictures = {}
    for bitmap_id, (body, tail, text) in _BUBBLES.items():
        rect = layout.BUBBLES[bitmap_id]
        x, y, w, h = rect
        picture = paint.crop(bg, rect)
        local_body = (body[0] - x, body[1] - y, body[2] - x, body[3] - y)
        local_tail = [(px - x, py - y) for px, py in tail]
        shape = paint.Sketch((w, h))
        shape.rounded_rect(local_body, 9)
        shape.polygon(local_tail)
        shadow = np.roll(np.roll(shape.mask(grow=1.2), 2, 0), 2, 1)
        paint.blend(picture, shadow * 0.45, (0, 0, 0))
        paint.blend(picture, shape.mask(grow=1.2), pal.INK)
        fill = paint.vertical_gradient((w, h), pal.PARCHMENT_LIGHT, pal.PARCHMENT)
        paint.blend(picture, shape.mask(), fill)
        centre = ((local_body[0] + local_body[2]) / 2, (local_body[1] + local_body[3]) / 2 + 0.5)
        paint.put_text(picture, centre, text, fonts[bitmap_id], pal.INK_RED, "mm")
        pictures[bitmap_id] = picture
    return pictures
