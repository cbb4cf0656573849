"""Writers for the two image file formats of the resource script: 24-bit
BMP files and ICO files with 32-bit images. Standard library only."""

import struct

# Mask colour of the toolbar strips and the sort arrows: it becomes
# transparent when the bitmaps are added to image lists.
MASK = (192, 192, 192)


class Canvas:
    """A width x height grid of RGB pixels, or None where transparent."""

    # Makes a canvas filled with one colour (None = transparent).
    def __init__(self, width, height, fill=None):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    # Sets one pixel, ignoring coordinates outside the canvas.
    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    # Reads one pixel.
    def get(self, x, y):
        return self.pixels[y][x]

    # Fills the rectangle from (x, y) with the given width and height.
    def fill_rect(self, x, y, w, h, colour):
        for yy in range(y, y + h):
            for xx in range(x, x + w):
                self.set(xx, yy, colour)

    # Draws a one-pixel rectangle outline.
    def frame_rect(self, x, y, w, h, colour):
        for xx in range(x, x + w):
            self.set(xx, y, colour)
            self.set(xx, y + h - 1, colour)
        for yy in range(y, y + h):
            self.set(x, yy, colour)
            self.set(x + w - 1, yy, colour)

    # Draws a grid of characters at (x, y); '.' leaves the pixel as it is.
    def draw_grid(self, x, y, rows, palette):
        for dy, row in enumerate(rows):
            for dx, ch in enumerate(row):
                if ch != '.':
                    self.set(x + dx, y + dy, palette[ch])

    # Copies another canvas onto this one at (x, y), skipping its
    # transparent pixels.
    def paste(self, other, x, y):
        for dy in range(other.height):
            for dx in range(other.width):
                c = other.get(dx, dy)
                if c is not None:
                    self.set(x + dx, y + dy, c)


# Encodes a canvas as a 24-bit bottom-up BMP file; transparent pixels get
# the background colour.
def bmp_bytes(canvas, background=MASK):
    stride = (canvas.width * 3 + 3) & ~3
    pixels = bytearray()
    for y in range(canvas.height - 1, -1, -1):
        row = bytearray()
        for x in range(canvas.width):
            r, g, b = canvas.get(x, y) or background
            row += bytes((b, g, r))
        row += bytes(stride - len(row))
        pixels += row
    info = struct.pack('<IiiHHIIiiII', 40, canvas.width, canvas.height, 1, 24,
                       0, len(pixels), 2835, 2835, 0, 0)
    offset = 14 + len(info)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    return header + info + bytes(pixels)


# Encodes one icon image: BITMAPINFOHEADER (double height), 32-bit BGRA
# pixels bottom-up, then the 1-bit AND mask (1 = transparent).
def _icon_image(canvas):
    w, h = canvas.width, canvas.height
    xor = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            c = canvas.get(x, y)
            if c is None:
                xor += bytes((0, 0, 0, 0))
            else:
                xor += bytes((c[2], c[1], c[0], 255))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(w):
            if canvas.get(x, y) is None:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    info = struct.pack('<IiiHHIIiiII', 40, w, h * 2, 1, 32, 0,
                       len(xor) + len(mask), 0, 0, 0, 0)
    return info + bytes(xor) + bytes(mask)


# Encodes several canvases (largest first) as one ICO file.
def ico_bytes(canvases):
    images = [_icon_image(c) for c in canvases]
    out = bytearray(struct.pack('<HHH', 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        out += struct.pack('<BBBBHHII', canvas.width % 256, canvas.height % 256,
                           0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    return bytes(out)
