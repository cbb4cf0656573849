"""The pictures of varnello.exe: toolbar buttons, sort arrows, icons and
the About banner, drawn as character grids in a 16-colour palette."""

from imagefiles import Canvas, MASK

PALETTE = {
    'k': (0, 0, 0),
    'w': (255, 255, 255),
    'g': (128, 128, 128),
    's': (192, 192, 192),      # silver: icons and banner only (mask colour)
    'r': (128, 0, 0),
    'R': (255, 0, 0),
    'n': (0, 128, 0),
    'G': (0, 255, 0),
    'y': (128, 128, 0),
    'Y': (255, 255, 0),
    'b': (0, 0, 128),
    'B': (0, 0, 255),
    't': (0, 128, 128),
    'C': (0, 255, 255),
    'm': (128, 0, 128),
}

# ---------------------------------------------------------------- pieces

SMALL_DOCUMENT = [
    "kkkkkkk...",
    "kwwwwwkk..",
    "kwwwwwkwk.",
    "kwwwwwkkkk",
    "kwwwwwwwwk",
    "kwggggggwk",
    "kwwwwwwwwk",
    "kwggggggwk",
    "kwwwwwwwwk",
    "kwgggggwwk",
    "kwwwwwwwwk",
    "kwwwwwwwwk",
    "kkkkkkkkkk",
]

SMALL_FOLDER = [
    ".kkkk..........",
    "kYYYYk.........",
    "kYYYYYkkkkkkkk.",
    "kYwwwwwwwwwwYk.",
    "kYYYYYYYYYYYYk.",
    "kYYYYYYYYYYYyk.",
    "kYYYYYYYYYYYyk.",
    "kYYYYYYYYYYYyk.",
    "kYYYYYYYYYYYyk.",
    "kYyyyyyyyyyyyk.",
    "kkkkkkkkkkkkkk.",
]

PLUS_BADGE = [
    "..kkk..",
    "..kGk..",
    "kkkGkkk",
    "kGGGGGk",
    "kkkGkkk",
    "..kGk..",
    "..kkk..",
]

CROSS_BADGE = [
    "RR...RR",
    "RRR.RRR",
    ".RRRRR.",
    "..RRR..",
    ".RRRRR.",
    "RRR.RRR",
    "RR...RR",
]

UP_ARROW_BADGE = [
    "...k...",
    "..kBk..",
    ".kBBBk.",
    "kBBBBBk",
    "kkkBkkk",
    "..kBk..",
    "..kkk..",
]

# ---------------------------------------------------------------- buttons

NEW = [
    "................",
    "..kkkkkkkk......",
    "..kwwwwwwkk.....",
    "..kwwwwwwkwk....",
    "..kwwwwwwkwwk...",
    "..kwwwwwwkkkkk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kwwwwwwwwwwk..",
    "..kkkkkkkkkkkk..",
    "................",
]

OPEN = [
    "................",
    "................",
    "................",
    ".kkkk...........",
    "kYYYYk..........",
    "kYYYYYkkkkkk....",
    "kYwwwwwwwwwk....",
    "kYwwkkkkkkkkkkk.",
    "kYwkyyyyyyyyyyk.",
    "kYwkyyyyyyyyyk..",
    "kYkyyyyyyyyyyk..",
    "kYkyyyyyyyyyk...",
    "kkyyyyyyyyyyk...",
    "kkkkkkkkkkkk....",
    "................",
    "................",
]

SAVE = [
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwggggggwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbkwggggggwkbk.",
    ".kbkwwwwwwwwkbk.",
    ".kbbkkkkkkkkbbk.",
    ".kbbbbbbbbbbbbk.",
    ".kbbkkkkkkkkbbk.",
    ".kbbkgggkwgkbbk.",
    ".kbbkgggkwgkbbk.",
    ".kbbkgggkwgkbbk.",
    ".kkkkkkkkkkkkkk.",
    "................",
]

RECYCLE = [
    "................",
    "......kkkk......",
    ".kkkkkkwwkkkkkk.",
    ".kwwwwwwwwwwwwk.",
    ".kkkkkkkkkkkkkk.",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "..kwgwgwgwgwgk..",
    "...kkkkkkkkkk...",
    "................",
]

MONITOR = [
    "................",
    ".kkkkkkkkkkkkkk.",
    ".kggggggggggggk.",
    ".kgBBBBBBBBBBgk.",
    ".kgBBBBBBBYYBgk.",
    ".kgBBBBBBBYYBgk.",
    ".kgBBBBnBBBBBgk.",
    ".kgBBBnnnBBBBgk.",
    ".kgBBnnnnnBnBgk.",
    ".kgnnnnnnnnnngk.",
    ".kggggggggggggk.",
    ".kkkkkkkkkkkkkk.",
    "......kggk......",
    "....kkkkkkkk....",
    "....kggggggk....",
    "....kkkkkkkk....",
]

RED_DIE = [
    "kkkkkkkk",
    "kRRRRRRk",
    "kRwRRRRk",
    "kRRRRRRk",
    "kRRRRRRk",
    "kRRRRwRk",
    "kRRRRRRk",
    "kkkkkkkk",
]

WHITE_DIE = [
    "kkkkkkkkk",
    "kwwwwwwwk",
    "kwkwwwkwk",
    "kwwwwwwwk",
    "kwwwkwwwk",
    "kwwwwwwwk",
    "kwkwwwkwk",
    "kwwwwwwwk",
    "kkkkkkkkk",
]

MAGNIFIER = [
    "................",
    "....kkkkk.......",
    "...kCCCCCk......",
    "..kCwwCCCCk.....",
    ".kCCwCCCCCCk....",
    ".kCCCCCCCCCk....",
    ".kCCCCCCCCCk....",
    ".kCCCCCCCCCk....",
    ".kCCCCCCCCCk....",
    "..kCCCCCCCk.....",
    "...kCCCCCkkk....",
    "....kkkkkkyyk...",
    "..........kyyk..",
    "...........kyyk.",
    "............kyyk",
    ".............kk.",
]


# Makes a 16x16 button canvas from a full grid.
def _button(rows):
    c = Canvas(16, 16)
    c.draw_grid(0, 0, rows, PALETTE)
    return c


# Makes a 16x16 button canvas from a base picture with a badge on its
# lower right corner.
def _badged(base, base_x, base_y, badge):
    c = Canvas(16, 16)
    c.draw_grid(base_x, base_y, base, PALETTE)
    c.draw_grid(16 - len(badge[0]), 16 - len(badge), badge, PALETTE)
    return c


# The eleven toolbar images in button order.
def toolbar_images():
    dice = Canvas(16, 16)
    dice.draw_grid(1, 1, RED_DIE, PALETTE)
    dice.draw_grid(6, 6, WHITE_DIE, PALETTE)
    return [
        _button(NEW),                                   # New
        _button(OPEN),                                  # Open
        _button(SAVE),                                  # Save
        _badged(SMALL_DOCUMENT, 1, 0, PLUS_BADGE),      # Add Files
        _badged(SMALL_FOLDER, 0, 2, PLUS_BADGE),        # Add From Folder
        _badged(SMALL_DOCUMENT, 1, 0, CROSS_BADGE),     # Remove Selected
        _button(RECYCLE),                               # Recycle Selected
        _button(MONITOR),                               # Apply Selected
        dice,                                           # Apply Random
        _button(MAGNIFIER),                             # Preview Window
        _badged(SMALL_FOLDER, 0, 2, UP_ARROW_BADGE),    # Open Containing Folder
    ]


# The brighter colour of a hot button's pixel: black outlines stay, every
# other colour moves a quarter of the way to white, never onto the mask.
def _brighter(colour):
    if colour is None or colour == (0, 0, 0):
        return colour
    lit = tuple(min(255, c + (255 - c) // 4) for c in colour)
    if lit == MASK:
        lit = (MASK[0] + 1, MASK[1] + 1, MASK[2] + 1)
    return lit


# Lays images side by side into one strip, optionally brightened.
def strip(images, hot=False):
    out = Canvas(16 * len(images), 16)
    for i, img in enumerate(images):
        for y in range(16):
            for x in range(16):
                c = img.get(x, y)
                if c is not None:
                    out.set(16 * i + x, y, _brighter(c) if hot else c)
    return out


# ---------------------------------------------------------------- arrows

SORT_UP = [
    ".........",
    ".........",
    "....g....",
    "...ggg...",
    "..ggggg..",
    ".ggggggg.",
    ".........",
    ".........",
    ".........",
]


# The 9x9 header arrow, pointing up or down.
def sort_arrow(up):
    rows = SORT_UP if up else list(reversed(SORT_UP))
    c = Canvas(9, 9)
    c.draw_grid(0, 0, rows, PALETTE)
    return c


# ---------------------------------------------------------------- icons

FRAME_16 = [
    "kkkkkkkkkkkkkkkk",
    "kYYYYYYYYYYYYYYk",
    "kYyyyyyyyyyyyyYk",
    "kYykkkkkkkkkkyYk",
    "kYykCCCCCCYYkyYk",
    "kYykCCCCCCYYkyYk",
    "kYykCCCCCCCCkyYk",
    "kYykCCCnCCCCkyYk",
    "kYykCCnnnCCCkyYk",
    "kYykCnnnnnCnkyYk",
    "kYyknnnnnnnnkyYk",
    "kYyknnnnnnnnkyYk",
    "kYykkkkkkkkkkyYk",
    "kYyyyyyyyyyyyyYk",
    "kYYYYYYYYYYYYYYk",
    "kkkkkkkkkkkkkkkk",
]

DOCUMENT_16 = [
    "..kkkkkkkkk.....",
    "..kwwwwwwwkk....",
    "..kwwwwwwwkwk...",
    "..kwwwwwwwkwwk..",
    "..kwwwwwwwkkkkk.",
    "..kwkkkkkkkkwwk.",
    "..kwkCCCCYYkwwk.",
    "..kwkCCCCCCkwwk.",
    "..kwkCCnCCCkwwk.",
    "..kwkCnnnCnkwwk.",
    "..kwknnnnnnkwwk.",
    "..kwkkkkkkkkwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kwwwwwwwwwwwk.",
    "..kkkkkkkkkkkkk.",
]


# Paints a small landscape into the rectangle: two bands of sky, a sun in
# the upper right, a hill and a meadow along the bottom.
def _landscape(c, x, y, w, h):
    for yy in range(h):
        c.fill_rect(x, y + yy, w, 1, PALETTE['B'] if yy < h // 3 else PALETTE['C'])
    sx, sy, r = x + w - w // 4, y + h // 4, max(2, w // 10)
    for yy in range(-r, r + 1):
        for xx in range(-r, r + 1):
            if xx * xx + yy * yy <= r * r + 1:
                c.set(sx + xx, sy + yy, PALETTE['Y'])
    meadow = h - max(2, h // 6)
    for xx in range(w):
        top = h * 9 // 20 + abs(xx - w // 3) * 3 // 4
        c.fill_rect(x + xx, y + min(top, meadow), 1, meadow - min(top, meadow), PALETTE['n'])
    c.fill_rect(x, y + meadow, w, h - meadow, PALETTE['G'])


# The 32x32 picture frame: gold frame around a landscape.
def frame_32():
    c = Canvas(32, 32)
    c.frame_rect(0, 0, 32, 32, PALETTE['k'])
    c.fill_rect(1, 1, 30, 30, PALETTE['Y'])
    c.fill_rect(3, 3, 26, 26, PALETTE['y'])
    c.frame_rect(5, 5, 22, 22, PALETTE['k'])
    _landscape(c, 6, 6, 20, 20)
    return c


# The 32x32 document icon: a page with a framed picture on it.
def document_32():
    c = Canvas(32, 32)
    k, w, g = PALETTE['k'], PALETTE['w'], PALETTE['g']
    c.fill_rect(5, 1, 22, 30, w)
    c.frame_rect(5, 1, 22, 30, k)
    # folded top right corner: cut away above the diagonal, the fold
    # itself silver with a black edge
    for i in range(7):
        for j in range(7 - i):
            c.set(26 - j, 1 + i, None)
        c.set(20 + i, 1 + i, k)
    c.fill_rect(20, 2, 1, 6, k)
    c.fill_rect(20, 7, 7, 1, k)
    for i in range(1, 6):
        c.fill_rect(21, 1 + i, i, 1, PALETTE['s'])
    c.frame_rect(8, 10, 16, 13, k)
    _landscape(c, 9, 11, 14, 11)
    c.fill_rect(8, 25, 16, 1, g)
    c.fill_rect(8, 27, 11, 1, g)
    return c


# Builds a canvas from a 16x16 grid.
def grid16(rows):
    c = Canvas(16, 16)
    c.draw_grid(0, 0, rows, PALETTE)
    return c


# ---------------------------------------------------------------- banner

# 5-column glyphs; rows 0-6 stand on the baseline, rows 7-8 descend.
GLYPHS = {
    'V': ["#...#", "#...#", "#...#", "#...#", "#...#", ".#.#.", "..#.."],
    'W': ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
    'M': ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    'a': [".....", ".....", ".###.", "....#", ".####", "#...#", ".####"],
    'e': [".....", ".....", ".###.", "#...#", "#####", "#....", ".###."],
    'g': [".....", ".....", ".####", "#...#", "#...#", ".####", "....#",
          "....#", ".###."],
    'l': [".##..", "..#..", "..#..", "..#..", "..#..", "..#..", ".###."],
    'n': [".....", ".....", "#.##.", "##..#", "#...#", "#...#", "#...#"],
    'o': [".....", ".....", ".###.", "#...#", "#...#", "#...#", ".###."],
    'p': [".....", ".....", "####.", "#...#", "#...#", "####.", "#....",
          "#....", "#...."],
    'r': [".....", ".....", "#.##.", "##..#", "#....", "#....", "#...."],
    ' ': [".....", ".....", ".....", ".....", ".....", ".....", "....."],
}


# Draws text with the glyphs, each font pixel a scale x scale square,
# with a drop shadow one font pixel down and right.
def draw_text(c, x, y, text, scale, colour, shadow):
    for layer, (dx, dy, col) in enumerate(((scale, scale, shadow), (0, 0, colour))):
        cx = x + dx
        for ch in text:
            for gy, row in enumerate(GLYPHS[ch]):
                for gx, bit in enumerate(row):
                    if bit == '#':
                        c.fill_rect(cx + gx * scale, y + dy + gy * scale, scale, scale, col)
            cx += 6 * scale


# The About banner: a framed landscape beside the program's name on a
# dusk-blue background; 300 by 75 pixels at scale 1, larger scales drawn
# with every length multiplied (the lettering's pixels as well).
def about_banner(scale=1):
    def px(v):
        return int(v * scale + 0.5)
    width, height = px(300), px(75)
    c = Canvas(width, height)
    for y in range(height):
        t = y / (height - 1)
        c.fill_rect(0, y, width, 1, (int(0 + 20 * t), int(32 + 60 * t), int(96 + 64 * t)))
    # the picture frame
    c.frame_rect(px(10), px(8), px(60), px(59), PALETTE['k'])
    c.fill_rect(px(10) + 1, px(8) + 1, px(60) - 2, px(59) - 2, PALETTE['Y'])
    c.fill_rect(px(14), px(12), px(52), px(51), PALETTE['y'])
    c.frame_rect(px(17), px(15), px(46), px(45), PALETTE['k'])
    _landscape(c, px(17) + 1, px(15) + 1, px(46) - 2, px(45) - 2)
    draw_text(c, px(84), px(9), "Varnello", px(4), PALETTE['w'], PALETTE['k'])
    draw_text(c, px(84), px(47), "Wallpaper Manager", px(2), PALETTE['Y'], PALETTE['k'])
    return c
