"""The 26 letter tiles: maple blocks resting in the slots of the ledge."""

import layout
import paint
import palette as pal


def render(bg):
    font = pal.sans_bold(13)
    pictures = {}
    for letter, rect in layout.TILES.items():
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
        pictures[layout.tile_bitmap_id(letter)] = picture
    return pictures
