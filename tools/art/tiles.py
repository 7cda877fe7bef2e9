"""The letter tiles: maple blocks resting in the slots of the ledge."""

import layout
import main_window
import paint
import palette as pal


def render(bg):
    pictures = {}
    for letter, rect in layout.TILES.items():
        pictures[layout.tile_bitmap_id(letter)] = _block(bg, letter, rect)
    # A tile after Z brings its socket: the ledge behind it has none.
    pad = layout.EXTRA_TILE_SOCKET
    for letter, (x, y, w, h, bitmap_id) in layout.EXTRA_TILES.items():
        socketed = bg.copy()
        main_window.tile_socket(socketed, (x, y, w, h))
        block = _block(socketed, letter, (x, y, w, h))
        picture = paint.crop(socketed, (x - pad, y - pad, w + 2 * pad, h + 2 * pad))
        picture[pad : pad + h, pad : pad + w] = block
        pictures[bitmap_id] = picture
    return pictures


def _block(bg, letter, rect):
    """A maple block with its letter, on a copy of the background under it."""
    font = pal.sans_bold(13)
    x, y, w, h = rect
    picture = paint.crop(bg, rect)
    block = paint.Sketch((w, h))
    block.rounded_rect((0, 0, w, h), 2.2)
    grain = paint.wood(
        (w, h), 6000 + ord(letter), pal.MAPLE, pal.MAPLE_DARK, pal.MAPLE_LIGHT, 4.0
    )
    face = grain * 0.55 + paint.vertical_gradient((w, h), pal.MAPLE_LIGHT, pal.MAPLE) * 0.45
    # Edge shading gives the block its depth: lit top-left, shaded bottom-right.
    face[:, -2:] *= 0.72
    face[-2:, :] *= 0.66
    face[:1, :] = face[:1, :] * 0.6 + 255 * 0.4
    face[:, :1] = face[:, :1] * 0.7 + 255 * 0.3
    paint.blend(picture, block.mask(), face)
    centre = ((w - 1) / 2, (h - 2) / 2 + 0.5)
    paint.put_text(picture, centre, letter, font, (62, 34, 16), "mm", shadow=(250, 228, 190))
    # The corners stay the ledge behind the tile, so the block looks rounded.
    for cx, cy in ((0, 0), (w - 1, 0), (0, h - 1), (w - 1, h - 1)):
        picture[cy, cx] = bg[y + cy, x + cx]
    return picture
