#!/usr/bin/env python3
"""Makes the desktop icons in packaging/icons/ from the window icon in res/.

Run from the repository root with the system interpreter (needs Pillow,
Debian package python3-pil):

    /usr/bin/python3 packaging/make_icons.py

Icon themes expect square icons; the window icon is 24 x 32. Each picture is
centred on a transparent square of its height, and the SVG gets a square
view box, since some icon loaders stretch a drawing to the square they ask
for. The web edition's manifest wants 192 and 512 px: those are drawn anew
by the window icon's own drawing (res/make_pictures.py) at that height, on
its white ground made square, as a phone's launcher shows it.
"""

import os
import re
import sys

from PIL import Image

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
ICON_STEM = "ventil"  # installed under the application id, see Packaging.cmake


def square_png(src, dst):
    image = Image.open(src).convert("RGBA")
    side = max(image.size)
    square = Image.new("RGBA", (side, side), (0, 0, 0, 0))
    square.paste(image, ((side - image.width) // 2, (side - image.height) // 2))
    square.save(dst, optimize=True)


def square_svg(src, dst):
    with open(src, encoding="utf-8") as f:
        svg = f.read()
    size = re.search(r'width="(\d+)" height="(\d+)" viewBox="0 0 \1 \2"', svg)
    w, h = int(size.group(1)), int(size.group(2))
    side = max(w, h)
    square = 'width="%d" height="%d" viewBox="%g %g %d %d"' % (
        side, side, (w - side) / 2, (h - side) / 2, side, side)
    svg = svg[:size.start()] + square + svg[size.end():]
    svg = re.sub(r"<!--.*?-->", "<!-- Made from res/ikona.svg by packaging/make_icons.py. -->",
                 svg, count=1, flags=re.S)
    with open(dst, "w", encoding="utf-8") as f:
        f.write(svg)


def web_png(side, dst):
    sys.path.insert(0, os.path.join(ROOT, "res"))
    import make_pictures

    width, height = make_pictures.ICON_SIZE
    scale = side // height
    image = make_pictures.draw_icon(scale)
    square = Image.new("RGB", (side, side), (255, 255, 255))
    square.paste(image, ((side - image.width) // 2, (side - image.height) // 2))
    square.save(dst, optimize=True)


def main():
    res = os.path.join(ROOT, "res")
    out = os.path.join(ROOT, "packaging", "icons")
    os.makedirs(out, exist_ok=True)
    square_png(os.path.join(res, "ikona.png"), os.path.join(out, ICON_STEM + "-32.png"))
    square_png(os.path.join(res, "ikona@2x.png"), os.path.join(out, ICON_STEM + "-64.png"))
    square_svg(os.path.join(res, "ikona.svg"), os.path.join(out, ICON_STEM + ".svg"))
    for side in (192, 512):
        web_png(side, os.path.join(out, "%s-%d.png" % (ICON_STEM, side)))


if __name__ == "__main__":
    main()
