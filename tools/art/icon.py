"""The program icon: a chalk gallows with its figure on a framed slate.

The 16 and 32 pixel pictures (the Windows icon) are drawn plainly so they stay legible. The
desktop's larger sizes and the scalable icon are drawn from one set of shapes on a 256-unit
square, with the walnut's grain, the slate's texture, chalk grain and the crow on the beam.
"""

import numpy as np
from PIL import Image

import chalk
import paint
import palette as pal

# The sizes a desktop's icon theme is given besides the scalable picture.
THEME_SIZES = (16, 32, 48, 64, 128, 256)

GRID = 256.0
FRAME_RADIUS = 40
BOARD = (18, 18, 238, 238)
BOARD_RADIUS = 20

# Chalk lines, in grid units: (points, width, colour). Wood is ochre, the rope yellow, the
# figure and the ground white.
GROUND = ([(40, 214), (112, 212), (176, 215), (220, 213)], 6, pal.CHALK)
WOOD = (
    ([(188, 216), (188, 62)], 16, pal.CHALK_OCHRE),  # post
    ([(198, 62), (84, 62)], 14, pal.CHALK_OCHRE),  # beam
    ([(188, 108), (144, 64)], 9, pal.CHALK_OCHRE),  # brace
)
ROPE = ([(104, 66), (104, 88)], 7, pal.CHALK_YELLOW)
HEAD = ((104, 110), 21)  # centre and radius
FIGURE = (
    ([(104, 131), (104, 170)], 8, pal.CHALK),  # body
    ([(72, 150), (104, 139), (136, 150)], 7, pal.CHALK),  # arms
    ([(82, 200), (104, 170), (126, 200)], 7, pal.CHALK),  # legs
)
FIGURE_WIDTH = 8
# Tally marks by the post: four strokes and the fifth across them.
TALLY = tuple(([(34 + 8 * i, 176), (35 + 8 * i, 204)], 4, pal.CHALK) for i in range(4)) + (
    ([(28, 198), (66, 180)], 4, pal.CHALK),
)
# The crow sits on the beam between the rope and the brace, looking at the figure.
CROW_BODY = (126, 36, 154, 57)
CROW_HEAD = (117, 26, 135, 44)
CROW_TAIL = [(150, 48), (170, 60), (165, 63), (146, 56)]
CROW_BEAK = [(118, 33), (106, 36), (118, 38)]
CROW_EYE = (121, 31, 125, 35)
BEAK_COLOUR = (214, 170, 70)

# Chalk lines are shown down to this many pixels wide.
THINNEST_STROKE = 1.1


def picture(size):
    """One image of the icon at a theme size, as RGBA."""
    return _plain(size) if size <= 32 else _detailed(size)


def render():
    """The Windows icon's pictures."""
    return [picture(16), picture(32)]


def scalable():
    """The icon as SVG text: the detailed pictures' shapes, with the chalk's wobble."""
    crow = [
        _svg_ellipse(CROW_BODY, _hex(pal.CROW)),
        _svg_ellipse(CROW_HEAD, _hex(pal.CROW)),
        f'<path d="{_svg_path(CROW_TAIL)}Z" fill="{_hex(pal.CROW)}"/>',
    ]
    (cx, cy), radius = HEAD
    head = chalk.wobble(chalk.ring(cx, cy, radius, radius), 7700, 0.5)
    lines = [GROUND, *TALLY, *WOOD, ROPE, (head, FIGURE_WIDTH, pal.CHALK), *FIGURE]
    x0, y0, x1, y1 = BOARD
    return "\n".join(
        [
            '<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" '
            'viewBox="0 0 256 256">',
            "<defs>",
            '<linearGradient id="walnut" x1="0" y1="0" x2="1" y2="1">'
            f'<stop offset="0" stop-color="{_hex((92, 60, 36))}"/>'
            f'<stop offset="1" stop-color="{_hex(pal.WALNUT_DARK)}"/></linearGradient>',
            '<radialGradient id="slate" cx="0.45" cy="0.4" r="0.75">'
            f'<stop offset="0" stop-color="{_hex((58, 70, 66))}"/>'
            f'<stop offset="1" stop-color="{_hex(pal.SLATE)}"/></radialGradient>',
            "</defs>",
            f'<rect width="256" height="256" rx="{FRAME_RADIUS}" fill="url(#walnut)"/>',
            f'<rect x="1.5" y="1.5" width="253" height="253" rx="{FRAME_RADIUS - 1.5}" '
            f'fill="none" stroke="{_hex(pal.OAK_LIGHT)}" stroke-opacity="0.35" stroke-width="3"/>',
            f'<rect x="{x0 - 1.5}" y="{y0 - 1.5}" width="{x1 - x0 + 3}" height="{y1 - y0 + 3}" '
            f'rx="{BOARD_RADIUS + 1.5}" fill="{_hex(pal.WALNUT_DARK)}" fill-opacity="0.8"/>',
            f'<rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" rx="{BOARD_RADIUS}" '
            'fill="url(#slate)"/>',
            '<g fill="none" stroke-linecap="round" stroke-linejoin="round">',
            *(
                _svg_line(points, width, colour, 7900 + i)
                for i, (points, width, colour) in enumerate(lines)
            ),
            "</g>",
            f'<g stroke="{_hex((196, 198, 206))}" stroke-opacity="0.8" stroke-width="2">',
            *crow,
            "</g>",
            f'<path d="{_svg_path(CROW_BEAK)}Z" fill="{_hex(BEAK_COLOUR)}"/>',
            _svg_ellipse(CROW_EYE, _hex(pal.CHALK_YELLOW)),
            "</svg>",
            "",
        ]
    )


def _plain(size):
    s = size / 32.0
    frame = paint.Sketch((size, size))
    frame.rounded_rect((0, 0, size, size), 5 * s)
    board = paint.Sketch((size, size))
    board.rounded_rect((2.5 * s, 2.5 * s, size - 2.5 * s, size - 2.5 * s), 2 * s)
    image = paint.canvas((size, size), pal.WALNUT)
    paint.blend(image, board.mask(), pal.SLATE)

    wood = paint.Sketch((size, size))
    wood.line([(6 * s, 26.5 * s), (27 * s, 26.5 * s)], 2 * s)  # ground
    wood.line([(23.5 * s, 26.5 * s), (23.5 * s, 6.5 * s)], 2.6 * s)  # post
    wood.line([(23.5 * s, 6.5 * s), (11 * s, 6.5 * s)], 2.4 * s)  # beam
    wood.line([(23.5 * s, 11.5 * s), (18.5 * s, 6.5 * s)], 1.5 * s)  # brace
    paint.blend(image, wood.mask(), pal.CHALK_OCHRE)
    rope = paint.Sketch((size, size))
    rope.line([(13 * s, 6.5 * s), (13 * s, 10.5 * s)], 1.5 * s)
    paint.blend(image, rope.mask(), pal.CHALK_YELLOW)

    figure = paint.Sketch((size, size))
    figure.ellipse((10 * s, 10 * s, 16 * s, 16 * s), outline_width=1.6 * s)
    figure.line([(13 * s, 16 * s), (13 * s, 21 * s)], 1.6 * s)
    figure.line([(9 * s, 17.5 * s), (13 * s, 16.5 * s), (17 * s, 17.5 * s)], 1.5 * s)
    figure.line([(10.5 * s, 24.5 * s), (13 * s, 21 * s), (15.5 * s, 24.5 * s)], 1.5 * s)
    paint.blend(image, figure.mask(), pal.CHALK)
    return _with_alpha(image, frame.mask())


def _detailed(size):
    s = size / GRID
    area = (size, size)
    frame = paint.Sketch(area)
    frame.rounded_rect((0, 0, size, size), FRAME_RADIUS * s)
    board = paint.Sketch(area)
    board.rounded_rect(tuple(v * s for v in BOARD), BOARD_RADIUS * s)
    board_mask = board.mask()

    image = paint.wood(area, 7100, pal.WALNUT, pal.WALNUT_DARK, (92, 60, 36), 18.0 * s)
    _bevel(image, frame, board, s)
    paint.blend(image, board_mask, paint.slate(area, 7200, pal.SLATE))

    grain = paint.chalk_grain(area, 7300, roughness=0.55 if size >= 128 else 0.3)
    _chalk_lines(image, [GROUND], s, grain, 7400, 0.9)
    if size >= 64:
        _chalk_lines(image, TALLY, s, grain, 7450, 0.8)
    _chalk_lines(image, WOOD, s, grain, 7500)
    _chalk_lines(image, [ROPE], s, grain, 7600)
    head = paint.Sketch(area)
    (cx, cy), radius = HEAD
    head.line(
        chalk.wobble(chalk.ring(cx * s, cy * s, radius * s, radius * s), 7700, 0.5 * s),
        max(FIGURE_WIDTH * s, THINNEST_STROKE),
    )
    paint.blend(image, head.mask() * grain, pal.CHALK)
    _chalk_lines(image, FIGURE, s, grain, 7800)
    if size >= 64:
        _crow(image, s)
    return _with_alpha(image, frame.mask())


def _bevel(image, frame, board, s):
    """Light on the frame's outer edge and shadow just inside it, round the slate."""
    size = image.shape[0]
    inner = paint.Sketch((size, size))
    inner.rounded_rect((3 * s, 3 * s, size - 3 * s, size - 3 * s), (FRAME_RADIUS - 3) * s)
    rim = np.clip(frame.mask() - inner.mask(), 0.0, 1.0)
    paint.blend(image, rim * 0.35, pal.OAK_LIGHT)
    shadow = np.clip(board.mask(grow=max(2.5 * s, 1.0)) - board.mask(), 0.0, 1.0)
    paint.blend(image, shadow * 0.8, pal.WALNUT_DARK)


def _chalk_lines(image, lines, s, grain, seed, strength=1.0):
    for index, (points, width, colour) in enumerate(lines):
        sketch = paint.Sketch((image.shape[1], image.shape[0]))
        scaled = [(x * s, y * s) for x, y in points]
        sketch.line(
            chalk.wobble(scaled, seed + index, 0.6 * s, 12 * s), max(width * s, THINNEST_STROKE)
        )
        paint.blend(image, sketch.mask() * grain * strength, colour)


def _crow(image, s):
    area = (image.shape[1], image.shape[0])
    body = paint.Sketch(area)
    body.ellipse(tuple(v * s for v in CROW_BODY))
    body.ellipse(tuple(v * s for v in CROW_HEAD))
    body.polygon([(x * s, y * s) for x, y in CROW_TAIL])
    # A chalk rim makes the dark bird read on the dark slate.
    rim = np.clip(body.mask(grow=max(1.2 * s, 0.8)) - body.mask(), 0.0, 1.0)
    paint.blend(image, rim * 0.8, (196, 198, 206))
    paint.blend(image, body.mask(), pal.CROW)
    beak = paint.Sketch(area)
    beak.polygon([(x * s, y * s) for x, y in CROW_BEAK])
    paint.blend(image, beak.mask(), BEAK_COLOUR)
    eye = paint.Sketch(area)
    eye.ellipse(tuple(v * s for v in CROW_EYE))
    paint.blend(image, eye.mask(), pal.CHALK_YELLOW)


def _hex(colour):
    return "#%02x%02x%02x" % colour


def _number(value):
    return f"{value:.1f}".rstrip("0").rstrip(".")


def _svg_path(points):
    return "M" + " L".join(f"{_number(x)} {_number(y)}" for x, y in points)


def _svg_line(points, width, colour, seed):
    wobbled = chalk.wobble(points, seed, 0.6, 12)
    return f'<path d="{_svg_path(wobbled)}" stroke="{_hex(colour)}" stroke-width="{width}"/>'


def _svg_ellipse(box, fill):
    x0, y0, x1, y1 = box
    return (
        f'<ellipse cx="{_number((x0 + x1) / 2)}" cy="{_number((y0 + y1) / 2)}" '
        f'rx="{_number((x1 - x0) / 2)}" ry="{_number((y1 - y0) / 2)}" fill="{fill}"/>'
    )


def _with_alpha(image, coverage):
    alpha = Image.fromarray(np.round(coverage * 255).astype(np.uint8), "L")
    return Image.merge("RGBA", (*paint.to_image(image).split(), alpha))
