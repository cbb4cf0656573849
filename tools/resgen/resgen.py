#!/usr/bin/env python3
"""Draws the bitmaps and icons of varnello.exe and writes them into res/.

Usage: resgen.py [OUTPUT_DIR]   (default: the res/ folder of this tree)
The output is deterministic; the files are kept in the repository."""

import os
import sys

sys.dont_write_bytecode = True  # keep the source folder clean

import art  # noqa: E402
from imagefiles import bmp_bytes, ico_bytes  # noqa: E402


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
    small_frame = art.grid16(art.FRAME_16)
    write(folder, 'varnello.ico', ico_bytes([art.frame_32(), small_frame]))
    write(folder, 'document.ico', ico_bytes([art.document_32(), art.grid16(art.DOCUMENT_16)]))
    write(folder, 'tray.ico', ico_bytes([small_frame]))


if __name__ == '__main__':
    main()
