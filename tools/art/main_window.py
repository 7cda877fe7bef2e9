"""Background of the main window (bitmap 48)."""

import chalk_scene
import chrome
import layout
import paint
import palette as pal

SLATE_RECT = (20, 80, 608, 380)
LEDGE_RECT = (8, 466, 632, 82)
PLAYER_PANELS = {1: (644, 84, 240, 96), 2: (644, 207, 240, 96)}
USED_LETTERS_PANEL = (650, 326, 96, 98)
PLAQUE_RECT = (656, 552, 228, 56)


def paint_background(scene=True):
    """The background; without the scene the slate is bare, which the figure
    needs to hide the rope behind the head."""
    bg = chrome.wooden_body(layout.MAIN_SIZE, seed=4800)
    chrome.title_strip(bg, layout.TITLE_STRIP_HEIGHT, "Tallyrope", "a word-guessing game", 4801)
    chrome.title_button_recess(bg, (792, 0, 106, layout.TITLE_STRIP_HEIGHT - 1))
    _phrase_board(bg)
    _chalkboard(bg, scene)
    _ledge(bg)
    for player, rect in PLAYER_PANELS.items():
        _player_panel(bg, player, rect)
    _used_letters_panel(bg)
    _skill_and_hint(bg)
    _solve_row(bg)
    chrome.brass_plate(
        bg,
        PLAQUE_RECT,
        [
            ("Arrow keys move the window", pal.serif_bold(11)),
            ("?  opens the Tallyrope Guide", pal.serif_bold(11)),
        ],
        4808,
    )
    chrome.window_border(bg)
    return bg


def _phrase_board(bg):
    chrome.panel(bg, (20, 31, 862, 40), 4802, tacks=False)
    chrome.grey_field(bg, layout.TEXT_FIELDS["main"][1960])


def _chalkboard(bg, scene):
    x, y, w, h = SLATE_RECT
    frame = (x - 7, y - 7, w + 14, h + 14)
    fx, fy, fw, fh = frame
    shadow = bg[fy + 3 : fy + fh + 3, fx + 3 : fx + fw + 3]
    shadow *= 0.7
    wood = paint.wood((fw, fh), 4803, pal.WALNUT, pal.WALNUT_DARK, (96, 62, 36), 9.0)
    paint.paste(bg, wood, (fx, fy))
    paint.outline_rect(bg, frame, pal.WALNUT_DARK)
    paint.raised_frame(bg, (fx + 1, fy + 1, fw - 2, fh - 2), (120, 84, 52), pal.WALNUT_DARK)
    paint.paste(bg, paint.slate((w, h), 4804, pal.SLATE), (x, y))
    paint.inset_frame(bg, SLATE_RECT, (20, 14, 8), (110, 76, 46))
    if scene:
        chalk_scene.draw(bg)


def _ledge(bg):
    x, y, w, h = LEDGE_RECT
    plank = paint.wood((w, h), 4805, pal.MAHOGANY, pal.MAHOGANY_DARK, (140, 80, 48), 10.0)
    paint.paste(bg, plank, (x, y))
    bg[y : y + 5, x : x + w] = bg[y : y + 5, x : x + w] * 1.25 + 12.0
    paint.outline_rect(bg, LEDGE_RECT, pal.WALNUT_DARK)
    bg[y + 5, x + 1 : x + w - 1] = pal.MAHOGANY_DARK
    below = bg[y + h : y + h + 3, x + 2 : x + w + 2]
    below *= 0.7
    for letter, (tx, ty, tw, th) in layout.TILES.items():
        _tile_slot(bg, letter, (tx, ty, tw, th))
    _chalk_and_eraser(bg)


def _tile_slot(bg, letter, rect):
    """The carved socket a letter block sits in; shows a faint letter when empty."""
    x, y, w, h = rect
    tile_socket(bg, rect)
    size = (bg.shape[1], bg.shape[0])
    mask = paint.text_mask(size, (x + w / 2, y + h / 2 + 1), letter, pal.sans_bold(13), "mm")
    paint.blend(bg, mask * 0.55, (104, 58, 34))


def tile_socket(bg, rect):
    """The carved socket's dark rim, two pixels around the block's rectangle."""
    x, y, w, h = rect
    bg[y - 2 : y + h + 2, x - 2 : x + w + 2] = bg[y - 2 : y + h + 2, x - 2 : x + w + 2] * 0.42
    paint.inset_frame(bg, (x - 1, y - 1, w + 2, h + 2), (18, 9, 4), (168, 104, 70))


def _chalk_and_eraser(bg):
    # At the ledge's left end: its right end takes the tiles some languages add after Z.
    eraser = (17, 492, 58, 22)
    x, y, w, h = eraser
    sketch = paint.Sketch((w, h))
    sketch.rounded_rect((0, 0, w, h - 6), 3)
    paint.blend(bg, sketch.mask(), (176, 128, 76), (x, y))
    felt = paint.Sketch((w, h))
    felt.rounded_rect((0, h - 8, w, h), 2)
    paint.blend(bg, felt.mask(), (86, 86, 84), (x, y))
    paint.caption(bg, (x + w // 2, y + 8), "FELT", pal.condensed_bold(8), (96, 62, 32), "mm")
    chalk = paint.Sketch((60, 12))
    chalk.line([(4, 6), (44, 3.5)], 6)
    paint.blend(bg, chalk.mask(), (244, 242, 234), (15, 522))
    tip = paint.Sketch((60, 12))
    tip.line([(4, 7.5), (44, 5)], 2)
    paint.blend(bg, tip.mask() * 0.35, (150, 150, 142), (15, 522))


def _player_panel(bg, player, rect):
    chrome.panel(bg, rect, 4810 + player)
    x, y, w, h = rect
    fields = layout.TEXT_FIELDS["main"]
    points, wins, losses = (1690, 1750, 1810) if player == 1 else (1720, 1780, 1840)
    paint.caption(bg, (x + 14, y + 21), f"Player {player}", pal.serif_bold(15), pal.INK_RED, "ls")
    bg[y + 25, x + 14 : x + w - 14] = pal.PARCHMENT_DARK
    bg[y + 26, x + 14 : x + w - 14] = pal.PARCHMENT_LIGHT
    for field_id, caption in ((points, "Points"), (wins, "Wins / Losses")):
        fx, fy, fw, fh = fields[field_id]
        chrome.label(bg, (fx - 8, fy + fh // 2), caption, 12, "rm")
    for field_id in (points, wins, losses):
        chrome.grey_field(bg, fields[field_id])
    wx, wy, ww, wh = fields[wins]
    lx = fields[losses][0]
    paint.put_text(bg, ((wx + ww + lx) // 2, wy + wh // 2), "/", pal.sans_bold(13), pal.INK, "mm")


def _used_letters_panel(bg):
    chrome.panel(bg, USED_LETTERS_PANEL, 4813, tacks=False)
    x, y, w, _ = USED_LETTERS_PANEL
    chrome.label(bg, (x + w // 2, y + 22), "Used letters", 11, "ms")
    chrome.grey_field(bg, layout.TEXT_FIELDS["main"][4350])


def _skill_and_hint(bg):
    fields = layout.TEXT_FIELDS["main"]
    chrome.grey_field(bg, fields[4400])
    chrome.grey_field(bg, fields[1930])
    hx, hy, hw, _ = fields[1930]
    font = pal.sans_bold(11)
    paint.caption(bg, (hx + 1, hy - 5), "Hint", font, pal.CREAM, "ls", shadow=pal.WALNUT_DARK)
    sx, _, sw, _ = fields[4400]
    paint.caption(
        bg, (sx + sw, hy - 5), "misses to lose", font, pal.CREAM, "rs", shadow=pal.WALNUT_DARK
    )


def _solve_row(bg):
    box = layout.TEXT_FIELDS["main"][4750]
    x, y, w, h = box
    chrome.panel(bg, (x - 5, y - 5, w + 10, h + 10), 4814, tacks=False)
    chrome.grey_field(bg, box)
    paint.caption(
        bg,
        (x + w // 2, y - 10),
        "Type the whole phrase here, then press Solve Puzzle",
        pal.sans_bold(11),
        pal.CREAM,
        "ms",
        shadow=pal.WALNUT_DARK,
    )
