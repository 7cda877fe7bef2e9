"""Faces of the owner-drawn buttons: mahogany and brass with cream captions,
and small brass keys for the title strips. Each button has a normal face and
a darker pressed face with the same caption."""

import numpy as np

import layout
import paint
import palette as pal

PRESSED_DARKEN = 0.7
# Where the loudspeaker stands on the sound button's face, its caption starting 21 pixels on.
ICON_LEFT = 18


def _fit_font(text, width, largest):
    for size in range(largest, 7, -1):
        font = pal.sans_bold(size)
        if paint.text_width(text, font) <= width:
            return font
    return pal.condensed_bold(8)


def _wooden_face(size, behind, pressed, seed):
    w, h = size
    face = behind.copy()
    outer = paint.Sketch(size)
    outer.rounded_rect((0, 0, w, h), 4)
    rim = paint.Sketch(size)
    rim.rounded_rect((1, 1, w - 1, h - 1), 3)
    inner = paint.Sketch(size)
    inner.rounded_rect((2.5, 2.5, w - 2.5, h - 2.5), 2)
    brass = paint.vertical_gradient(size, pal.BRASS_LIGHT, pal.BRASS_DARK)
    wood = paint.wood(size, seed, pal.MAHOGANY, pal.MAHOGANY_DARK, (150, 84, 50), 6.0)
    wood = wood * 0.7 + paint.vertical_gradient(size, (150, 86, 52), pal.MAHOGANY_DARK) * 0.3
    if pressed:
        brass = brass * 0.78
        wood = wood * PRESSED_DARKEN
        # A shadow along the top edge: the face sits lower than the rim.
        wood[:6] *= np.linspace(0.55, 1.0, 6, dtype=np.float32)[:, None, None]
    paint.blend(face, outer.mask(), pal.WALNUT_DARK)
    paint.blend(face, rim.mask(), brass)
    paint.blend(face, inner.mask(), wood)
    return face


def _caption(face, text, pressed, icon=None):
    h, w, _ = face.shape
    shift = 1 if pressed else 0
    colour = (234, 218, 182) if pressed else pal.CREAM
    icon_width = 21 if icon else 0
    font = _fit_font(text, w - 10 - icon_width, 12)
    total = icon_width + paint.text_width(text, font)
    left = (w - total) / 2 + shift
    middle = h / 2 + shift
    if icon:
        # At a fixed place: the caption after it is the language's own.
        left = ICON_LEFT + shift
        icon(face, (left, middle), colour)
    paint.caption(face, (left + icon_width, middle), text, font, colour, "lm", shadow=(30, 14, 6))


def _loudspeaker(face, origin, colour):
    x, y = origin
    size = (face.shape[1], face.shape[0])
    cone = paint.Sketch(size)
    cone.polygon(
        [
            (x, y - 2.5),
            (x + 3.5, y - 2.5),
            (x + 8, y - 6.5),
            (x + 8, y + 6.5),
            (x + 3.5, y + 2.5),
            (x, y + 2.5),
        ]
    )
    waves = paint.Sketch(size)
    waves.arc((x + 6, y - 4.5, x + 14, y + 4.5), -55, 55, 1.4)
    waves.arc((x + 6, y - 8, x + 18, y + 8), -55, 55, 1.4)
    shadow = paint.shift(cone.mask() + waves.mask(), 1, 1)
    paint.blend(face, np.clip(shadow, 0, 1), (30, 14, 6))
    paint.blend(face, cone.mask(), colour)
    paint.blend(face, waves.mask(), colour)


def _title_key(size, pressed, glyph):
    """A small brass key; the same faces serve both windows, so it is square."""
    w, h = size
    face = paint.vertical_gradient(size, pal.BRASS_LIGHT, pal.BRASS_DARK)
    face = (
        face * 0.6 + paint.wood(size, 4200, pal.BRASS, pal.BRASS_DARK, pal.BRASS_LIGHT, 4.0) * 0.4
    )
    if pressed:
        face *= PRESSED_DARKEN
        face[1:3, 1:-1] *= 0.75
    paint.outline_rect(face, (0, 0, w, h), pal.WALNUT_DARK)
    if not pressed:
        paint.raised_frame(face, (1, 1, w - 2, h - 2), (255, 236, 170), pal.BRASS_DARK)
    shift = 1 if pressed else 0
    sketch = paint.Sketch(size)
    cx, cy = w / 2 + shift, h / 2 + shift
    if glyph == "minimize":
        sketch.line([(cx - 5, cy + 4), (cx + 5, cy + 4)], 2.6)
    elif glyph == "close":
        sketch.line([(cx - 4.5, cy - 4.5), (cx + 4.5, cy + 4.5)], 2.4)
        sketch.line([(cx - 4.5, cy + 4.5), (cx + 4.5, cy - 4.5)], 2.4)
    elif glyph == "language":
        # A globe: its rim, a meridian and the equator.
        sketch.ellipse((cx - 6.5, cy - 6.5, cx + 6.5, cy + 6.5), outline_width=1.6)
        sketch.ellipse((cx - 2.8, cy - 6.5, cx + 2.8, cy + 6.5), outline_width=1.3)
        sketch.line([(cx - 6, cy), (cx + 6, cy)], 1.3)
        sketch.line([(cx - 5, cy - 3.3), (cx + 5, cy - 3.3)], 1.0)
        sketch.line([(cx - 5, cy + 3.3), (cx + 5, cy + 3.3)], 1.0)
    mask = sketch.mask()
    if glyph == "help":
        mask = paint.text_mask(size, (cx, cy + 0.5), "?", pal.serif_bold(14), "mm")
    paint.blend(face, paint.shift(mask, 1, 1) * 0.6, pal.BRASS_LIGHT)
    paint.blend(face, mask, pal.WALNUT_DARK)
    return face


def render(backgrounds):
    """Normal and pressed faces of every button, by bitmap id.

    backgrounds maps a window name to its background, so rounded corners
    show the surface behind each button.
    """
    pictures = {}
    for normal, (pressed_id, window, rect, caption) in layout.BUTTONS.items():
        size = rect[2:]
        for bitmap_id, pressed in ((normal, False), (pressed_id, True)):
            if normal in layout.TITLE_BUTTONS:
                face = _title_key(size, pressed, caption)
            else:
                behind = paint.crop(backgrounds[window], rect)
                face = _wooden_face(size, behind, pressed, seed=normal)
                icon = _loudspeaker if normal == 3150 else None
                _caption(face, caption, pressed, icon)
            pictures[bitmap_id] = face
    return pictures
