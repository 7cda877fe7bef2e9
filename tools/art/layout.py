"""Where every control of the three windows sits, by control id.

The art is painted around these rectangles, so they are kept in one place.
A rectangle is (x, y, width, height) in the client coordinates of its window.
"""

MAIN_SIZE = (900, 620)
CONSOLE_SIZE = (699, 400)
MESSAGE_SIZE = (317, 100)

# Width of the main window's title strip that reacts to clicks.
TITLE_STRIP_HEIGHT = 25

# Owner-drawn buttons: normal bitmap id -> (pressed id, window, rect, caption).
BUTTONS = {
    2700: (2750, "main", (647, 434, 93, 30), "1 Player"),
    2850: (2900, "main", (647, 468, 93, 27), "2 Player"),
    3000: (3050, "main", (761, 400, 102, 29), "Reset Stats"),
    3150: (3200, "main", (761, 434, 102, 29), "On/Off"),
    3300: (3350, "main", (761, 468, 79, 27), "Skill"),
    3450: (3500, "main", (761, 329, 102, 28), "New Puzzle"),
    3600: (3650, "main", (761, 364, 102, 28), "Solution"),
    3900: (3950, "main", (821, 3, 23, 19), "minimize"),
    4050: (4100, "main", (846, 3, 23, 19), "help"),
    4200: (4250, "main", (871, 3, 23, 19), "close"),
    6600: (6650, "main", (796, 3, 23, 19), "language"),
    4800: (4850, "main", (27, 570, 115, 34), "Solve Puzzle"),
    5100: (5150, "main", (494, 570, 117, 34), "S/H Con Panel"),
    2300: (2650, "message", (138, 64, 42, 25), "OK"),
    # The Add Puzzle faces are one pixel wider than their button.
    5400: (5450, "console", (555, 360, 115, 29), "Add Puzzle"),
    5850: (5900, "console", (628, 313, 42, 28), "Del"),
    5750: (5800, "console", (555, 313, 71, 28), "Review"),
}

# The console's close button shares the faces of the main window's quit button.
CONSOLE_CLOSE_RECT = (669, 5, 23, 19)

# Text statics and edit boxes: they paint themselves light grey.
TEXT_FIELDS = {
    "main": {
        1960: (28, 38, 846, 25),  # the phrase line (1960 and 5500 share it)
        1690: (760, 118, 106, 18),
        1720: (760, 241, 106, 18),
        1750: (760, 147, 40, 18),
        1780: (760, 270, 40, 18),
        1810: (826, 147, 40, 18),
        1840: (826, 270, 40, 18),
        1930: (647, 517, 218, 20),
        4350: (668, 362, 60, 52),
        4400: (845, 471, 14, 20),
        4750: (150, 577, 333, 20),
    },
    "console": {
        5300: (261, 318, 284, 24),
        5250: (261, 366, 252, 24),
    },
    "message": {},
}

# Letter tiles: letter -> (x, y, bitmap width, bitmap height); bitmap 130 + 60k.
TILES = {
    "A": (86, 479, 19, 20),
    "B": (125, 479, 16, 20),
    "C": (160, 479, 19, 20),
    "D": (200, 479, 17, 20),
    "E": (237, 479, 16, 20),
    "F": (274, 479, 15, 20),
    "G": (309, 479, 19, 20),
    "H": (349, 479, 16, 20),
    "I": (380, 479, 14, 20),
    "J": (411, 479, 15, 20),
    "K": (449, 479, 17, 20),
    "L": (487, 479, 15, 20),
    "M": (520, 479, 20, 20),
    "N": (88, 512, 16, 20),
    "O": (126, 512, 19, 20),
    "P": (162, 512, 16, 20),
    "Q": (198, 512, 20, 21),
    "R": (237, 512, 16, 20),
    "S": (272, 512, 17, 20),
    "T": (311, 512, 16, 20),
    "U": (349, 512, 17, 20),
    "V": (379, 512, 19, 20),
    "W": (408, 512, 26, 20),
    "X": (448, 512, 17, 20),
    "Y": (485, 512, 18, 20),
    "Z": (521, 512, 17, 20),
}


# The tiles after Z, which only some languages show, at the ledge's right end: letter ->
# (x, y, width, height, bitmap id) of the block. Each bitmap carries its own socket, two pixels
# around the block, so that where the tile is not shown the ledge is bare wood; Ñ and Ü share
# a place, as no language has both.
EXTRA_TILES = {
    "\u00c4": (560, 479, 19, 20, 6270),
    "\u00d1": (560, 512, 16, 20, 6330),
    "\u00d6": (598, 479, 19, 20, 6390),
    "\u00dc": (560, 512, 17, 20, 6450),
}
EXTRA_TILE_SOCKET = 2


def tile_bitmap_id(letter):
    return 130 + 60 * (ord(letter) - ord("A"))


# Pictures of the gallows drawing: bitmap id -> rect on the main window.
FIGURE_PARTS = {
    2250: (292, 82, 81, 70),  # head with hat
    2200: (298, 152, 65, 107),  # torso
    2150: (194, 143, 104, 43),  # arm on the left as seen
    2100: (363, 142, 106, 47),  # arm on the right as seen
    2050: (285, 259, 46, 132),  # leg on the left as seen
    2000: (331, 259, 48, 134),  # leg on the right as seen
}
COMPLETE_FIGURE = (6050, (194, 83, 280, 376))

# Order in which misses add the parts.
FIGURE_STAGES = [2250, 2200, 2150, 2100, 2050, 2000]

BUBBLES = {
    3750: (125, 109, 82, 43),  # YOU WIN!
    3850: (457, 116, 53, 30),  # CAAAW!
}

# The main window's title buttons and the console's close button.
TITLE_BUTTONS = (6600, 3900, 4050, 4200)


def right(rect):
    return rect[0] + rect[2]


def bottom(rect):
    return rect[1] + rect[3]
