"""The two speech bubbles of a won round, drawn over the slate behind them."""

import layout
import paint
import palette as pal

# Bubble body, tail and text, in main-window coordinates.
_BUBBLES = {
    3750: ((127, 110, 199, 139), [(190, 123), (205, 132.5), (186, 135)], "YOU WIN!"),
    3850: ((459, 117.5, 507, 137.5), [(492, 134), (505, 142), (500, 133)], "CAAAW!"),
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
        shadow = paint.shift(shape.mask(grow=1.2), 2, 2)
        paint.blend(picture, shadow * 0.45, (0, 0, 0))
        paint.blend(picture, shape.mask(grow=1.2), pal.INK)
        fill = paint.vertical_gradient((w, h), pal.PARCHMENT_LIGHT, pal.PARCHMENT)
        paint.blend(picture, shape.mask(), fill)
        centre = ((local_body[0] + local_body[2]) / 2, (local_body[1] + local_body[3]) / 2 + 0.5)
        paint.caption(picture, centre, text, fonts[bitmap_id], pal.INK_RED, "mm")
        pictures[bitmap_id] = picture
    return pictures
