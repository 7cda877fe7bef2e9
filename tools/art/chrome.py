"""The pieces that every window of the game shares: wood, title strip, panels."""

import numpy as np

import icon
import paint
import palette as pal


def wooden_body(size, seed):
    """The oak surface that fills each window."""
    return paint.wood(size, seed, pal.OAK, pal.OAK_DARK, pal.OAK_LIGHT, ring_spacing=13.0)


def title_strip(target, height, title, subtitle, seed):
    """A walnut strip across the top with the game's name at its left end."""
    width = target.shape[1]
    strip = paint.wood((width, height), seed, pal.WALNUT, pal.WALNUT_DARK, (84, 54, 32), 7.0)
    shine = np.linspace(18.0, -10.0, height, dtype=np.float32)[:, None, None]
    target[:height] = strip + shine
    target[height - 1] = pal.BRASS
    target[height] = pal.WALNUT_DARK
    _emblem(target, (6, (height - 16) // 2))
    title_font = pal.serif_bold(16)
    baseline = height // 2 + 6
    paint.put_text(target, (27, baseline), title, title_font, pal.CREAM, "ls", shadow=(0, 0, 0))
    left = 27 + paint.text_width(title, title_font) + 10
    paint.caption(target, (left, baseline), subtitle, pal.serif_italic(11), pal.BRASS_LIGHT, "ls")


def _emblem(target, origin):
    """The program icon, small, at the left end of a title strip."""
    picture = icon.picture(16)
    colour = np.asarray(picture.convert("RGB"), np.float32)
    alpha = np.asarray(picture.getchannel("A"), np.float32) / 255.0
    paint.blend(target, alpha, colour, origin)


def title_button_recess(target, rect):
    """The dark plate on which the small title buttons sit."""
    x, y, w, h = rect
    target[y : y + h, x : x + w] = target[y : y + h, x : x + w] * 0.55
    paint.inset_frame(target, (x + 1, y + 1, w - 2, h - 2), pal.WALNUT_DARK, (96, 66, 40))


def window_border(target):
    """A dark edge around the whole window, which has no frame of its own."""
    height, width, _ = target.shape
    paint.outline_rect(target, (0, 0, width, height), pal.WALNUT_DARK)


def panel(target, rect, seed, tacks=True):
    """A parchment panel with a dark edge, a soft shadow and brass tacks."""
    x, y, w, h = rect
    shadow = target[y + 2 : y + h + 2, x + 2 : x + w + 2]
    shadow *= 0.72
    paper = paint.parchment((w, h), seed, pal.PARCHMENT, pal.PARCHMENT_DARK, pal.PARCHMENT_LIGHT)
    paint.paste(target, paper, (x, y))
    paint.outline_rect(target, rect, pal.INK)
    paint.outline_rect(target, (x + 1, y + 1, w - 2, h - 2), (250, 244, 226))
    if tacks:
        for tx, ty in (
            (x + 5, y + 5),
            (x + w - 6, y + 5),
            (x + 5, y + h - 6),
            (x + w - 6, y + h - 6),
        ):
            brass_tack(target, (tx, ty))


def brass_tack(target, centre):
    """A round brass nail head 5 pixels across, lit from the top left."""
    cx, cy = centre
    sketch = paint.Sketch((7, 7))
    sketch.ellipse((0.5, 0.5, 6.5, 6.5))
    paint.blend(target, sketch.mask(), pal.BRASS_DARK, (cx - 3, cy - 3))
    sketch = paint.Sketch((7, 7))
    sketch.ellipse((1, 1, 5.5, 5.5))
    paint.blend(target, sketch.mask(), pal.BRASS, (cx - 3, cy - 3))
    sketch = paint.Sketch((7, 7))
    sketch.ellipse((1.7, 1.6, 3.7, 3.6))
    paint.blend(target, sketch.mask(), pal.BRASS_LIGHT, (cx - 3, cy - 3))


def grey_field(target, rect):
    """The light-grey bed of a text control, sunk into the surface around it."""
    paint.fill_rect(target, rect, pal.CONTROL_GREY)
    paint.inset_frame(target, rect, pal.BEVEL_SHADOW, pal.BEVEL_LIGHT)


def label(target, position, text, size=12, anchor="ls", colour=pal.INK):
    paint.caption(target, position, text, pal.sans_bold(size), colour, anchor)


def brass_plate(target, rect, lines, seed):
    """An engraved brass plate: lines of (text, font)."""
    x, y, w, h = rect
    plate = paint.wood((w, h), seed, pal.BRASS, pal.BRASS_DARK, pal.BRASS_LIGHT, 5.0)
    plate = plate * 0.8 + paint.vertical_gradient((w, h), pal.BRASS_LIGHT, pal.BRASS_DARK) * 0.2
    paint.paste(target, plate, (x, y))
    paint.outline_rect(target, rect, pal.WALNUT_DARK)
    paint.raised_frame(target, (x + 1, y + 1, w - 2, h - 2), pal.BRASS_LIGHT, pal.BRASS_DARK)
    centre = x + w // 2
    line_height = (h - 8) / len(lines)
    for index, (text, font) in enumerate(lines):
        base = y + 4 + line_height * (index + 0.5)
        paint.caption(
            target, (centre, base), text, font, pal.WALNUT_DARK, "mm", shadow=pal.BRASS_LIGHT
        )
    for tx in (x + 5, x + w - 6):
        brass_tack(target, (tx, y + h // 2))
