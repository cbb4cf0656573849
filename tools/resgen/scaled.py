"""The pictures for larger display scales (150 and 200 %): the toolbar
buttons, the sort arrows and the picture frame of the icons, drawn as
shapes on a 16-unit grid at any size. Shapes are filled where their inside
covers a pixel's centre and get a one-pixel outline at every size, so a
24- or 32-pixel image is drawn anew, not a 16-pixel one made larger."""

import math

from art import PALETTE, _brighter, _landscape
from imagefiles import Canvas


class Pen:
    """Draws shapes given in units of a 16-unit square onto a canvas of
    16 * scale pixels; (0, 0) is the square's top-left corner."""

    # Makes a pen for a canvas whose 16-unit square starts at pixel (x, y).
    def __init__(self, canvas, scale, x=0, y=0):
        self.c = canvas
        self.s = scale
        self.x = x
        self.y = y

    # The pixel range covered by the units [a, b): pixels whose centre lies inside.
    def _span(self, a, b, origin):
        first = math.ceil(a * self.s - 0.5)
        last = math.ceil(b * self.s - 0.5)
        return range(origin + first, origin + last)

    # Fills a shape given as a test inside(u, v) on unit coordinates, within
    # the units' box (x0, y0)-(x1, y1); its border pixels take the outline
    # colour (None: no outline).
    def shape(self, inside, box, fill, outline='k'):
        x0, y0, x1, y1 = box
        xs = self._span(x0, x1, self.x)
        ys = self._span(y0, y1, self.y)

        def hit(px, py):
            return inside((px - self.x + 0.5) / self.s, (py - self.y + 0.5) / self.s)

        for py in ys:
            for px in xs:
                if not hit(px, py):
                    continue
                edge = any(not hit(px + dx, py + dy)
                           for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
                colour = outline if edge and outline else fill
                if colour:
                    self.c.set(px, py, PALETTE[colour])

    # A rectangle of units [x0, x1) x [y0, y1).
    def rect(self, x0, y0, x1, y1, fill, outline='k'):
        self.shape(lambda u, v: x0 <= u < x1 and y0 <= v < y1, (x0, y0, x1, y1), fill, outline)

    # A polygon (points in order).
    def polygon(self, points, fill, outline='k'):
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]

        def inside(u, v):
            hit = False
            j = len(points) - 1
            for i, (xi, yi) in enumerate(points):
                xj, yj = points[j]
                if (yi > v) != (yj > v) and u < (xj - xi) * (v - yi) / (yj - yi) + xi:
                    hit = not hit
                j = i
            return hit

        self.shape(inside, (min(xs), min(ys), max(xs), max(ys)), fill, outline)

    # A disc around (cx, cy) with radius r.
    def disc(self, cx, cy, r, fill, outline='k'):
        self.shape(lambda u, v: (u - cx) ** 2 + (v - cy) ** 2 < r * r,
                   (cx - r, cy - r, cx + r, cy + r), fill, outline)

    # A line of pixels one pixel thick (or `width` pixels) from unit (x0, y)
    # to (x1, y).
    def hline(self, x0, x1, y, colour, width=1):
        py = self.y + math.floor(y * self.s)
        for px in self._span(x0, x1, self.x):
            for k in range(width):
                self.c.set(px, py + k, PALETTE[colour])

    # A vertical line of pixels, like hline.
    def vline(self, x, y0, y1, colour, width=1):
        px = self.x + math.floor(x * self.s)
        for py in self._span(y0, y1, self.y):
            for k in range(width):
                self.c.set(px + k, py, PALETTE[colour])


# ---------------------------------------------------------------- pieces


# A page with its top right corner folded, in the box (x0, y0)-(x1, y1),
# with `lines` rows of text.
def _page(p, x0, y0, x1, y1, lines):
    fold = (x1 - x0) * 0.35
    p.polygon([(x0, y0), (x1 - fold, y0), (x1, y0 + fold), (x1, y1), (x0, y1)], 'w')
    p.polygon([(x1 - fold, y0), (x1 - fold, y0 + fold), (x1, y0 + fold)], 'w')
    step = (y1 - y0 - fold - 1.5) / (lines + 1)
    for i in range(lines):
        y = y0 + fold + 0.5 + step * (i + 1)
        p.hline(x0 + 2, x1 - 2 - (1.5 if i == lines - 1 else 0), y, 'g')


# A closed folder in the box (x0, y0)-(x1, y1): tab, paper edge, front.
def _folder(p, x0, y0, x1, y1):
    tab = (y1 - y0) * 0.2
    p.polygon([(x0, y0 + tab), (x0 + 0.5, y0), (x0 + 4.5, y0), (x0 + 5.5, y0 + tab)], 'Y')
    p.rect(x0, y0 + tab, x1, y1, 'Y')
    p.hline(x0 + 1, x1 - 1, y0 + tab + 1, 'w')
    p.rect(x0 + 0.5, y1 - 1.25, x1 - 0.5, y1 - 0.5, 'y', None)
    p.vline(x1 - 1.6, y0 + tab + 2, y1 - 1, 'y')


# A plus sign in the lower right corner.
def _plus_badge(p):
    p.polygon([(11.5, 9), (13.5, 9), (13.5, 11.5), (16, 11.5), (16, 13.5), (13.5, 13.5),
               (13.5, 16), (11.5, 16), (11.5, 13.5), (9, 13.5), (9, 11.5), (11.5, 11.5)], 'G')


# A red cross in the lower right corner.
def _cross_badge(p):
    for a, b in (((9, 9.6), (15.4, 16)), ((9, 15.4), (15.4, 9))):
        (ax, ay), (bx, by) = a, b
        length = math.hypot(bx - ax, by - ay)

        def near(u, v, ax=ax, ay=ay, bx=bx, by=by, length=length):
            t = ((u - ax) * (bx - ax) + (v - ay) * (by - ay)) / (length * length)
            if t < 0 or t > 1:
                return False
            cx, cy = ax + t * (bx - ax), ay + t * (by - ay)
            return math.hypot(u - cx, v - cy) < 1.1

        p.shape(near, (9, 9, 16, 16), 'R', None)


# A blue arrow pointing up in the lower right corner.
def _up_badge(p):
    p.polygon([(12.5, 8.5), (16, 12), (14, 12), (14, 16), (11, 16), (11, 12), (9, 12)], 'B')


# ---------------------------------------------------------------- buttons


def _new(p):
    _page(p, 2.5, 1, 13.5, 15, 0)


def _open(p):
    p.polygon([(0.5, 4.5), (1, 3.5), (4.5, 3.5), (5.5, 5), (11.5, 5), (11.5, 13.5),
               (0.5, 13.5)], 'Y')
    p.rect(2, 6, 11, 9, 'w', None)
    p.polygon([(0.5, 13.5), (3.5, 7.5), (15.5, 7.5), (12.5, 13.5)], 'y')


def _save(p):
    p.rect(1, 1, 15, 15, 'b')
    p.rect(3.5, 1, 12.5, 8, 'w')
    p.hline(5, 11, 3.5, 'g')
    p.hline(5, 11, 5.5, 'g')
    p.rect(4, 10, 12, 15, 'g')
    p.rect(8.5, 11, 10.5, 14, 'w', None)


def _add_files(p):
    _page(p, 1, 0, 10.5, 13.5, 3)
    _plus_badge(p)


def _add_folder(p):
    _folder(p, 0, 2, 14.5, 13)
    _plus_badge(p)


def _remove(p):
    _page(p, 1, 0, 10.5, 13.5, 3)
    _cross_badge(p)


def _recycle(p):
    p.rect(6, 1, 10, 3, 'w')
    p.rect(1, 2.5, 15, 5, 'w')
    p.polygon([(2.5, 4.5), (13.5, 4.5), (12.5, 15), (3.5, 15)], 'w')
    for x in (5, 7, 9, 11):
        p.vline(x, 6.5, 13.5, 'g')


def _monitor(p):
    p.rect(1, 1, 15, 12, 'g')
    p.rect(2.5, 2.5, 13.5, 10.5, 'B', None)
    p.polygon([(2.5, 10.5), (2.5, 8.5), (6, 5.5), (9, 8.5), (10.5, 7.5), (13.5, 9),
               (13.5, 10.5)], 'n', None)
    p.rect(10, 3.5, 12, 5.5, 'Y', None)
    p.rect(6, 12, 10, 13.5, 'g')
    p.rect(4, 13, 12, 16, 'g')


def _dice(p):
    p.rect(1, 1, 9, 9, 'R')
    for x, y in ((3.5, 3.5), (6.5, 6.5)):
        p.rect(x - 0.7, y - 0.7, x + 0.7, y + 0.7, 'w', None)
    p.rect(6, 6, 15, 15, 'w')
    for x, y in ((8.3, 8.3), (12.7, 8.3), (10.5, 10.5), (8.3, 12.7), (12.7, 12.7)):
        p.rect(x - 0.7, y - 0.7, x + 0.7, y + 0.7, 'k', None)


def _magnifier(p):
    p.polygon([(9, 10.8), (10.8, 9), (16, 14.2), (14.2, 16)], 'y')
    p.disc(6, 6, 5.2, 'C')
    p.rect(3.2, 3.7, 4.7, 5.2, 'w', None)
    p.rect(3.7, 3.2, 5.7, 4.2, 'w', None)


def _open_folder(p):
    _folder(p, 0, 2, 14.5, 13)
    _up_badge(p)


BUTTONS = [_new, _open, _save, _add_files, _add_folder, _remove, _recycle, _monitor, _dice,
           _magnifier, _open_folder]


# The toolbar's strip at a scale (1.5 or 2): the eleven buttons side by
# side, each 16 * scale pixels square, brightened for the hot strip.
def strip(scale, hot=False):
    size = round(16 * scale)
    out = Canvas(size * len(BUTTONS), size)
    for i, draw in enumerate(BUTTONS):
        draw(Pen(out, scale, size * i, 0))
    if hot:
        for y in range(out.height):
            for x in range(out.width):
                out.pixels[y][x] = _brighter(out.pixels[y][x])
    return out


# The header's sort arrow in a square of `size` pixels: a triangle with a
# one-pixel tip, its rows growing by two pixels, four rows in nine pixels.
def sort_arrow(size, up):
    c = Canvas(size, size)
    rows = round(size * 4 / 9)
    left = (size - (2 * rows - 1)) // 2
    top = (size - rows) // 2
    for i in range(rows):
        y = top + i if up else top + rows - 1 - i
        c.fill_rect(left + rows - 1 - i, y, 2 * i + 1, 1, PALETTE['g'])
    return c


# The program's picture frame at any size: a gold frame around a small
# landscape, as the 32-pixel icon is drawn.
def frame_icon(size):
    c = Canvas(size, size)
    s = size / 32
    c.frame_rect(0, 0, size, size, PALETTE['k'])
    c.fill_rect(1, 1, size - 2, size - 2, PALETTE['Y'])
    inner = max(2, round(3 * s))
    c.fill_rect(inner, inner, size - 2 * inner, size - 2 * inner, PALETTE['y'])
    edge = max(inner + 1, round(5 * s))
    c.frame_rect(edge, edge, size - 2 * edge, size - 2 * edge, PALETTE['k'])
    _landscape(c, edge + 1, edge + 1, size - 2 * edge - 2, size - 2 * edge - 2)
    return c
