#!/usr/bin/env python3
"""Draws the bitmaps and icons of varnello.exe and writes them into res/.

Usage: resgen.py [OUTPUT_DIR]   (default: the res/ folder of this tree)
The output is deterministic; the files are kept in the repository."""

import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean

import art  # noqa: E402
import scaled  # noqa: E402
from imagefiles import bmp_bytes, ico_bytes  # noqa: E402

# The larger display scales the bitmaps are drawn for, with the suffix of
# their file names; 100 % has none.
SCALES = [(1.5, '_150'), (2, '_200')]


# Writes one file, creating nothing else.
def write(folder, name, data):
    with open(os.path.join(folder, name), 'wb') as f:
        f.write(data)
    print(f"{name}: {len(data)} bytes")


# Draws every picture and writes it.
def main():
    here = os.path.dirname(os.path.abspath(__file__))
    folder = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, '..', '..', 'res')
    images = art.toolbar_images()
    write(folder, 'toolbar.bmp', bmp_bytes(art.strip(images)))
    write(folder, 'toolbar_hot.bmp', bmp_bytes(art.strip(images, hot=True)))
    write(folder, 'sort_up.bmp', bmp_bytes(art.sort_arrow(up=True)))
    write(folder, 'sort_down.bmp', bmp_bytes(art.sort_arrow(up=False)))
    write(folder, 'about_banner.bmp', bmp_bytes(art.about_banner()))
    for scale, suffix in SCALES:
        write(folder, f'toolbar{suffix}.bmp', bmp_bytes(scaled.strip(scale)))
        write(folder, f'toolbar_hot{suffix}.bmp', bmp_bytes(scaled.strip(scale, hot=True)))
        arrow = round(9 * scale)
        write(folder, f'sort_up{suffix}.bmp', bmp_bytes(scaled.sort_arrow(arrow, up=True)))
        write(folder, f'sort_down{suffix}.bmp', bmp_bytes(scaled.sort_arrow(arrow, up=False)))
        write(folder, f'about_banner{suffix}.bmp', bmp_bytes(art.about_banner(scale)))
    small_frame = art.grid16(art.FRAME_16)
    write(folder, 'varnello.ico', ico_bytes([art.frame_32(), small_frame]))
    write(folder, 'document.ico', ico_bytes([art.document_32(), art.grid16(art.DOCUMENT_16)]))
    # The notification area's icon at the small-icon size of 100, 150 and 200 %.
    write(folder, 'tray.ico', ico_bytes([art.frame_32(), scaled.frame_icon(24), small_frame]))


if __name__ == '__main__':
    main()
