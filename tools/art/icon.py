"""The program icon: a chalk gallows with its figure on a framed slate."""

import numpy as np
from PIL import Image

import paint
import palette as pal


def picture(size):
    """One image of the icon at 16 or 32 pixels, as RGBA."""
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

    alpha = Image.fromarray(np.round(frame.mask() * 255).astype(np.uint8), "L")
    return Image.merge("RGBA", (*paint.to_image(image).split(), alpha))


def render():
    return [picture(16), picture(32)]
