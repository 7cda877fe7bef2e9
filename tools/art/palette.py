"""The one palette and the fonts shared by every picture of the game."""

from PIL import ImageFont

# Fields behind text controls: the controls paint this grey themselves.
CONTROL_GREY = (192, 192, 192)

WALNUT = (58, 36, 21)
WALNUT_DARK = (36, 22, 12)
OAK = (122, 82, 48)
OAK_DARK = (92, 60, 34)
OAK_LIGHT = (146, 102, 62)
MAHOGANY = (112, 58, 34)
MAHOGANY_DARK = (74, 36, 20)
BRASS = (184, 148, 62)
BRASS_LIGHT = (236, 206, 120)
BRASS_DARK = (112, 84, 30)
PARCHMENT = (236, 222, 184)
PARCHMENT_DARK = (201, 179, 134)
PARCHMENT_LIGHT = (248, 240, 214)
INK = (43, 29, 18)
INK_RED = (140, 38, 30)
CREAM = (255, 243, 214)
SLATE = (47, 58, 55)
CHALK = (238, 236, 228)
CHALK_OCHRE = (222, 184, 112)
CHALK_YELLOW = (240, 214, 110)
CROW = (22, 24, 27)
MAPLE = (226, 190, 134)
MAPLE_LIGHT = (242, 214, 166)
MAPLE_DARK = (168, 122, 70)
BEVEL_SHADOW = (96, 78, 52)
BEVEL_LIGHT = (255, 250, 234)

FONT_FOLDERS = {
    "DejaVu": "/usr/share/fonts/truetype/dejavu/",
    "Liberation": "/usr/share/fonts/truetype/liberation2/",
}


def font(file_name, size):
    """A font from Debian's DejaVu or Liberation packages, laid out without raqm."""
    folder = FONT_FOLDERS["DejaVu" if file_name.startswith("DejaVu") else "Liberation"]
    return ImageFont.truetype(folder + file_name, size, layout_engine=ImageFont.Layout.BASIC)


def sans_bold(size):
    return font("DejaVuSans-Bold.ttf", size)


def sans(size):
    return font("DejaVuSans.ttf", size)


def condensed_bold(size):
    return font("DejaVuSansCondensed-Bold.ttf", size)


def serif_bold(size):
    return font("DejaVuSerif-Bold.ttf", size)


def serif_italic(size):
    return font("DejaVuSerif-Italic.ttf", size)
