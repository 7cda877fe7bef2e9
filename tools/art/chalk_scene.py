"""The chalk drawing on the main window's slate that stays on every round:
the gallows with its rope, the crow on its peg, the moon, ground and tally."""

import numpy as np

import chalk
import layout
import paint
import palette as pal

POST_X = (508, 520)
BEAM_Y = (84, 93)
BEAM_LEFT = 300
GROUND_Y = 432
ROPE_X = 351
KNOT = (126, 140)  # top and bottom of the coil beside the head
NOOSE = (337, 147, 12.5, 5.0)  # centre and radii of the loop around the neck


def draw(bg):
    size = layout.MAIN_SIZE
    _gallows(bg, size)
    _rope(bg, size)
    _ground(bg, size)
    _moon_and_stars(bg, size)
    _tree(bg, size)
    _tally(bg, size)
    _crow(bg, size)


def _strokes(size, lines, width, seed):
    sketch = paint.Sketch(size)
    for index, points in enumerate(lines):
        sketch.line(chalk.wobble(points, seed + index), width)
    return sketch.mask()


def _gallows(bg, size):
    x0, x1 = POST_X
    y0, y1 = BEAM_Y
    # Planks are filled with light hatching and edged with firm lines.
    fill = paint.Sketch(size)
    fill.polygon([(x0, y0), (x1, y0), (x1, GROUND_Y), (x0, GROUND_Y)])
    fill.polygon([(BEAM_LEFT, y0), (x1 + 6, y0), (x1 + 6, y1), (BEAM_LEFT, y1)])
    fill.polygon([(x0, 150), (x0, 138), (471, y1), (458, y1)])
    hatch = np.zeros((size[1], size[0]), np.float32)
    hatch[:, ::3] = 1.0
    chalk.apply(bg, fill.mask() * hatch * 0.5 + fill.mask() * 0.12, pal.CHALK_OCHRE, 0.9)
    edges = [
        [(x0, y1), (x0, GROUND_Y + 1)],
        [(x1, y1), (x1, GROUND_Y + 1)],
        [(BEAM_LEFT, y0), (x1 + 6, y0), (x1 + 6, y1), (x1, y1)],
        [(x0, y1), (BEAM_LEFT, y1), (BEAM_LEFT, y0)],
        [(x0, 150), (458, y1)],
        [(x0, 138), (471, y1)],
        [(x1, 196), (x1 + 17, 196)],
        [(x1 + 17, 193), (x1 + 17, 199)],
    ]
    chalk.apply(bg, _strokes(size, edges, 2.2, 5200), pal.CHALK_OCHRE)
    pins = paint.Sketch(size)
    for cy in (88.5, 118.0, 410.0):
        pins.ellipse((x0 + 4, cy - 2, x0 + 8, cy + 2))
    chalk.apply(bg, pins.mask(), pal.CHALK, 0.8)


def _rope(bg, size):
    cx, cy, rx, ry = NOOSE
    top = BEAM_Y[1]
    knot_top, knot_bottom = KNOT
    lines = [
        [(ROPE_X, top - 1), (ROPE_X, knot_bottom)],
        [(ROPE_X, knot_bottom), (cx + rx - 1, cy - 1)],
        chalk.ring(cx, cy, rx, ry),
    ]
    chalk.apply(bg, _strokes(size, lines, 2.4, 5300), pal.CHALK_YELLOW)
    twists = paint.Sketch(size)
    for y in range(top + 3, knot_top - 1, 5):
        twists.line([(ROPE_X - 1.3, y), (ROPE_X + 1.3, y + 2)], 0.9)
    chalk.apply(bg, twists.mask(), pal.SLATE, 0.8)
    coil = paint.Sketch(size)
    for y in np.arange(knot_top + 1.5, knot_bottom, 3.4):
        coil.line([(ROPE_X - 4, y), (ROPE_X + 4, y + 0.8)], 2.4)
    chalk.apply(bg, coil.mask(), pal.CHALK_YELLOW)


def _ground(bg, size):
    ground = [(30, GROUND_Y + 2), (120, GROUND_Y), (240, GROUND_Y + 1), (380, GROUND_Y - 1)]
    ground += [(500, GROUND_Y), (618, GROUND_Y + 2)]
    tufts = []
    for gx in (60, 150, 232, 420, 478, 548, 590):
        tufts.append([(gx - 5, GROUND_Y - 4), (gx - 2, GROUND_Y)])
        tufts.append([(gx, GROUND_Y - 8), (gx + 1, GROUND_Y)])
        tufts.append([(gx + 6, GROUND_Y - 5), (gx + 3, GROUND_Y)])
    chalk.apply(bg, _strokes(size, [ground], 2.4, 5400), pal.CHALK, 0.85)
    chalk.apply(bg, _strokes(size, tufts, 1.4, 5450), (170, 214, 150), 0.85)
    pebbles = paint.Sketch(size)
    rng = np.random.RandomState(5460)
    for _ in range(38):
        px, py = rng.uniform(32, 616), rng.uniform(GROUND_Y + 6, 456)
        pebbles.ellipse((px, py, px + 1.6, py + 1.2))
    chalk.apply(bg, pebbles.mask(), pal.CHALK, 0.45)


def _moon_and_stars(bg, size):
    moon = paint.Sketch(size)
    moon.ellipse((52, 94, 84, 126))
    moon.ellipse((61, 90, 93, 122), value=0)
    chalk.apply(bg, moon.mask(), pal.CHALK_YELLOW, 0.85)
    stars = paint.Sketch(size)
    for sx, sy, r in ((112, 100, 3.5), (38, 150, 2.5), (176, 170, 3), (254, 104, 2.5)):
        stars.line([(sx - r, sy), (sx + r, sy)], 1.1)
        stars.line([(sx, sy - r), (sx, sy + r)], 1.1)
    for sx, sy, r in ((598, 112, 3.5), (566, 262, 2.5), (430, 250, 3), (74, 262, 3)):
        stars.line([(sx - r, sy), (sx + r, sy)], 1.1)
        stars.line([(sx, sy - r), (sx, sy + r)], 1.1)
    chalk.apply(bg, stars.mask(), pal.CHALK, 0.7)


def _tree(bg, size):
    """A bare tree, drawn faintly so it stays behind the figure."""
    trunk = [(176, 432), (178, 400), (175, 372), (179, 344)]
    branches = [
        [(178, 392), (160, 372), (150, 366)],
        [(177, 380), (196, 362), (206, 358)],
        [(176, 364), (164, 346), (166, 334)],
        [(178, 356), (190, 340), (198, 336)],
        [(179, 346), (182, 330)],
        [(160, 372), (156, 356)],
        [(196, 362), (202, 348)],
    ]
    chalk.apply(bg, _strokes(size, [trunk], 3.0, 5480), pal.CHALK, 0.6)
    chalk.apply(bg, _strokes(size, branches, 1.5, 5490), pal.CHALK, 0.55)


def _tally(bg, size):
    """Tally marks scratched by the ground: the game's namesake."""
    marks = []
    for group, left in enumerate((46, 84)):
        for i in range(4):
            x = left + i * 6
            marks.append([(x, 392 + (i % 2)), (x + 1, 418)])
        marks.append([(left - 4, 414), (left + 23, 396)])
    for i in range(2):
        x = 124 + i * 6
        marks.append([(x, 393), (x + 1, 418)])
    chalk.apply(bg, _strokes(size, marks, 1.8, 5500), pal.CHALK, 0.8)


def _crow(bg, size):
    """A crow on the peg of the post, looking towards the figure."""
    body = paint.Sketch(size)
    body.ellipse((523, 165, 557, 192))
    body.ellipse((517, 151, 537, 171))
    body.polygon([(550, 176), (574, 197), (567, 201), (546, 190)])
    shape = body.mask()
    # A chalk rim makes the dark bird read on the dark slate.
    rim = np.clip(body.mask(grow=1.0) - shape, 0.0, 1.0)
    chalk.apply(bg, rim, (196, 198, 206), 0.9)
    paint.blend(bg, shape, pal.CROW)
    details = [
        [(530, 172), (544, 174), (553, 184)],
        [(533, 178), (546, 181)],
        [(536, 191), (534, 197)],
        [(545, 191), (546, 197)],
    ]
    chalk.apply(bg, _strokes(size, details, 1.0, 5600), (150, 156, 168), 0.9)
    beak = paint.Sketch(size)
    beak.polygon([(519, 158.5), (504, 161), (519, 162.5)])
    beak.polygon([(519.5, 164.5), (506, 166.5), (520, 166.5)])
    paint.blend(bg, beak.mask(), (214, 170, 70))
    eye = paint.Sketch(size)
    eye.ellipse((522.5, 157, 526.5, 161))
    paint.blend(bg, eye.mask(), pal.CHALK_YELLOW)
    pupil = paint.Sketch(size)
    pupil.ellipse((523.3, 158, 525.3, 160))
    paint.blend(bg, pupil.mask(), (10, 10, 10))
