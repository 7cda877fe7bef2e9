"""The chalk figure of the gallows drawing, cut into the six parts that misses
add and drawn whole for a lost round.

The figure is drawn once in main-window coordinates and every part takes the
strokes inside its own rectangle, so parts shown together meet seamlessly and
the complete picture shows exactly the same strokes. No stroke may fall where
two part rectangles overlap, or outside all of them.
"""

import numpy as np

import chalk
import layout
import paint
import palette as pal

HEAD = (317, 112, 347, 142)
HAT_CROWN = [(318, 91), (346, 91), (345, 109), (319, 109)]
HAT_BRIM = [(309, 110.5), (355, 110.5)]
STROKE = 2.7


def _body_strokes():
    return [
        [(332, 142), (332, 160)],  # neck
        [(207, 177), (252, 169), (298, 160), (363, 160), (411, 169), (459, 177)],  # arms
        [(312, 160), (317, 252), (347, 252), (352, 160)],  # coat
        [(324, 160), (332, 176), (340, 160)],  # collar
        [(322, 252), (305, 382)],  # leg on the left
        [(306, 382), (292, 386)],
        [(342, 252), (359, 382)],  # leg on the right
        [(358, 382), (372, 386)],
    ]


def _face(sketch, lost):
    if lost:
        # The last stroke of a lost round: crossed-out eyes and a flat mouth.
        for ex in (326.5, 337.5):
            sketch.line([(ex - 2.3, 122.7), (ex + 2.3, 127.3)], 1.5)
            sketch.line([(ex - 2.3, 127.3), (ex + 2.3, 122.7)], 1.5)
        sketch.line(chalk.wobble([(326, 134.5), (338, 134)], 5710, 0.3, 3.0), 1.5)
    else:
        for ex in (326.5, 337.5):
            sketch.ellipse((ex - 1.8, 123.2, ex + 1.8, 126.8))
        sketch.arc((325, 127, 339, 136), 25, 155, 1.5)


def _chalk_mask(lost):
    size = layout.MAIN_SIZE
    sketch = paint.Sketch(size)
    for index, points in enumerate(_body_strokes()):
        sketch.line(chalk.wobble(points, 5700 + index, 0.35, 7.0), STROKE)
    sketch.ellipse(HEAD, outline_width=2.5)
    sketch.polygon(HAT_CROWN)
    sketch.line(HAT_BRIM, 3.0)
    sketch.polygon([(325, 157), (332, 162), (325, 167)])  # bow tie
    sketch.polygon([(339, 157), (332, 162), (339, 167)])
    for cy in (190, 206, 222):
        sketch.ellipse((330.2, cy - 1.8, 333.8, cy + 1.8))
    for cx in (204, 462):
        sketch.ellipse((cx - 3.3, 174.7, cx + 3.3, 181.3))
    _face(sketch, lost)
    mask = sketch.mask()
    band = paint.Sketch(size)
    band.line([(320, 104.5), (344, 104.5)], 2.6)
    return mask * (1.0 - band.mask())


def _cover_mask():
    """Where the head and hat hide what is behind them (the rope)."""
    sketch = paint.Sketch(layout.MAIN_SIZE)
    sketch.ellipse(HEAD)
    sketch.polygon(HAT_CROWN)
    sketch.line(HAT_BRIM, 3.0)
    return sketch.mask()


def _check_partition(mask):
    covered = np.zeros(mask.shape, bool)
    shared = np.zeros(mask.shape, bool)
    for x, y, w, h in layout.FIGURE_PARTS.values():
        region = np.zeros(mask.shape, bool)
        region[y : y + h, x : x + w] = True
        shared |= covered & region
        covered |= region
    stray = mask[~covered].max(initial=0.0)
    overlap = mask[shared].max(initial=0.0)
    if stray > 0.0 or overlap > 0.0:
        raise ValueError(f"figure strokes outside their parts ({stray}) or shared ({overlap})")


def _draw(bg, clean, lost):
    picture = bg.copy()
    cover = _cover_mask()
    paint.blend(picture, cover, clean)
    mask = _chalk_mask(lost)
    _check_partition(mask)
    chalk.apply(picture, mask, pal.CHALK)
    return picture


def render(bg, clean):
    """Bitmaps of the six parts and of the complete figure, by id.

    bg is the main background, clean the same without the chalk scene.
    """
    alive = _draw(bg, clean, lost=False)
    pictures = {part: paint.crop(alive, rect) for part, rect in layout.FIGURE_PARTS.items()}
    bitmap_id, rect = layout.COMPLETE_FIGURE
    pictures[bitmap_id] = paint.crop(_draw(bg, clean, lost=True), rect)
    return pictures
