#!/usr/bin/env python3
"""Makes packaging/windows/ventil.ico, the icon of ventil.exe and of its
Start menu shortcut, from the drawing of the window icon in
res/make_pictures.py (the flame on its white card, as res/ikona.svg and the
Linux icons show it).

Run from the repository root with the system interpreter (needs Pillow,
Debian package python3-pil):

    /usr/bin/python3 packaging/windows/make_ico.py

The file is committed rather than made at build time: Pillow's resampling
differs between releases, and the icon is part of ventil.exe and the MSI,
which must be the same bytes whatever Debian builds them. Each size is
drawn from the outline itself, not scaled from a bigger picture, so small
icons stay sharp. The 24 x 32 card is centred on a transparent square, as
the Linux icons are. Sizes up to 64 are 32-bit BMP images, 256 is PNG, which
is what Windows' shell reads best at each size.
"""

import io
import os
import struct
import sys

sys.dont_write_bytecode = True  # nothing left in res/
ROOT = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
sys.path.insert(0, os.path.join(ROOT, "res"))

import make_pictures as mp  # noqa: E402  (the drawing, one source for every icon)
from PIL import Image  # noqa: E402

SIZES = (16, 20, 24, 32, 40, 48, 64, 256)
SIDE = 32  # the square in the drawing's units: the card is 24 x 32
SUPERSAMPLE = 8  # per 1/4 of an output pixel at 16 px; keeps every size whole


def draw(size):
    c = mp.Canvas(SIDE, SIDE, 1)
    c.k = size * SUPERSAMPLE / SIDE
    c.img = Image.new("RGBA", (size * SUPERSAMPLE, size * SUPERSAMPLE), (0, 0, 0, 0))
    left = (SIDE - mp.ICON_SIZE[0]) / 2
    c.shape("rect", (left, 0, left + mp.ICON_SIZE[0], mp.ICON_SIZE[1]), "#ffffff")
    mp.draw_flame(c, left, 0, mp.ICON_SIZE[0])
    return c.img.resize((size, size), Image.BOX)


def bmp_entry(image):
    """A 32-bit BGRA DIB, bottom-up, with its 1-bit AND mask, as ICO stores it."""
    w, h = image.size
    rows = []
    mask_rows = []
    mask_stride = ((w + 31) // 32) * 4
    for y in reversed(range(h)):
        row = bytearray()
        bits = bytearray(mask_stride)
        for x in range(w):
            r, g, b, a = image.getpixel((x, y))
            row += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        rows.append(bytes(row))
        mask_rows.append(bytes(bits))
    header = struct.pack("<IiiHHIIiiII", 40, w, 2 * h, 1, 32, 0, 0, 0, 0, 0, 0)
    return header + b"".join(rows) + b"".join(mask_rows)


def png_entry(image):
    out = io.BytesIO()
    image.save(out, format="PNG", optimize=True)
    return out.getvalue()


def ico(images):
    entries = [png_entry(im) if im.width >= 256 else bmp_entry(im) for im in images]
    offset = 6 + 16 * len(images)
    head = struct.pack("<HHH", 0, 1, len(images))
    directory = b""
    for im, data in zip(images, entries):
        directory += struct.pack("<BBBBHHII", im.width % 256, im.height % 256, 0, 0, 1, 32,
                                 len(data), offset)
        offset += len(data)
    return head + directory + b"".join(entries)


def main():
    out = os.path.join(ROOT, "packaging", "windows", "ventil.ico")
    with open(out, "wb") as f:
        f.write(ico([draw(s) for s in SIZES]))
    print(out, ", ".join("%d" % s for s in SIZES))


if __name__ == "__main__":
    main()
