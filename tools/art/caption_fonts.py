"""The five DejaVu cuts the captions are drawn in, cut down to the Windows 1252 characters, for
the programs to carry: TrueType for the Windows and Linux programs, WOFF2 for the page."""

import io

from fontTools import subset
from fontTools.ttLib import TTFont

import palette as pal

# File name under resources/fonts, by the DejaVu file it is cut from.
CUTS = {
    "sans": "DejaVuSans.ttf",
    "sans-bold": "DejaVuSans-Bold.ttf",
    "sans-condensed-bold": "DejaVuSansCondensed-Bold.ttf",
    "serif-bold": "DejaVuSerif-Bold.ttf",
    "serif-italic": "DejaVuSerif-Italic.ttf",
}

CHARACTERS = "".join(
    bytes([code]).decode("cp1252")
    for code in list(range(0x20, 0x7F)) + list(range(0x80, 0x100))
    if code not in (0x81, 0x8D, 0x8F, 0x90, 0x9D)
)


def _cut(file_name, flavor):
    options = subset.Options()
    options.layout_features = ["kern"]
    options.name_IDs = ["*"]
    options.name_languages = ["*"]
    options.flavor = flavor
    options.notdef_outline = True
    options.drop_tables += ["FFTM"]
    # The face's own date, not today's, so that the files stay the same from run to run.
    font = TTFont(pal.FONT_FOLDERS["DejaVu"] + file_name, recalcTimestamp=False)
    cutter = subset.Subsetter(options)
    cutter.populate(text=CHARACTERS)
    cutter.subset(font)
    buffer = io.BytesIO()
    font.flavor = flavor
    font.save(buffer)
    return buffer.getvalue()


def render():
    """The files' bytes by name."""
    files = {}
    for name, file_name in CUTS.items():
        files[f"{name}.ttf"] = _cut(file_name, None)
        files[f"{name}.woff2"] = _cut(file_name, "woff2")
    return files
