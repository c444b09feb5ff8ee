#!/usr/bin/env python3
"""Draws the window pictures, the logo and the window icon of Ventil.

Run from the repository root:

    python3 res/make_pictures.py          # redraw everything, then check it
    python3 res/make_pictures.py --check  # only check the files already in res/

Needs Python 3 with Pillow (Debian package python3-pil).  Redrawing
OVERWRITES these files in res/ without asking:

    ventil.gif      122 x 278  valve picture for the main window
    ventil@2x.png   244 x 556  the same, RGBA, for high-DPI screens
    logo.gif        178 x 36   "VENTIL" word-mark
    logo@2x.png     356 x 72   the same, RGBA, for high-DPI screens
    logo-svetle.gif 178 x 36   the word-mark in light colours, for dark windows
    logo-svetle@2x.png         the same at twice the size
    ikona.png       24 x 32    window icon, 8-bit palette, opaque
    ikona@2x.png    48 x 64    the same at twice the size
    ikona.svg                  scalable icon for desktop icon themes

Everything is drawn from geometry in this file; no external images are used.
The drawing functions work in 1x pixel units and take a scale factor, so
the 1x and 2x pictures come from the same code.  Shapes are rendered
supersampled and box-filtered down, which gives antialiased edges.

GIF files: GIF89a, one frame, not interlaced, a global palette of exactly
256 entries whose index 255 is the transparent colour.  Each GIF is
composited over the usual window background (#efefef) before quantising, so
antialiased edges blend into light grey rather than into black or white;
pixels the drawing leaves (almost) empty become index 255 and nothing else
uses index 255.  After writing, the files are parsed byte by byte and the
script exits with status 1 if anything is off.
"""

import argparse
import os
import struct
import sys
import zlib

try:
    from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont
except ImportError:  # pragma: no cover
    sys.exit("make_pictures.py: Pillow is missing (Debian: apt-get install python3-pil, "
             "then run it with the system interpreter /usr/bin/python3)")

RES = os.path.dirname(os.path.abspath(__file__))

SUPERSAMPLE = 4            # rendering oversampling per output pixel
WINDOW_BG = (0xEF, 0xEF, 0xEF)
DARK_WINDOW_BG = (0x35, 0x35, 0x35)   # what the light logo's edges blend into
TRANSPARENT = 255          # palette index of the transparent colour in the GIFs
ALPHA_CUTOFF = 16          # coverage below this (of 255) counts as background

BOLD_FONT_CANDIDATES = (
    os.path.join(RES, "fonts", "Carlito-Bold.ttf"),
    "/usr/share/fonts/truetype/crosextra/Carlito-Bold.ttf",
)


# --------------------------------------------------------------------------
# Colours and gradients
# --------------------------------------------------------------------------

def hexrgb(s):
    s = s.lstrip("#")
    return tuple(int(s[i:i + 2], 16) for i in (0, 2, 4))


def ramp(gray, stops):
    """Colours an 'L' image: value v/255 is looked up in stops [(t, '#rrggbb'), ...]."""
    stops = [(t, hexrgb(c)) for t, c in stops]
    luts = ([], [], [])
    for v in range(256):
        t = v / 255.0
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t <= t1:
                break
        f = 0.0 if t1 == t0 else min(1.0, max(0.0, (t - t0) / (t1 - t0)))
        for ch in range(3):
            luts[ch].append(round(c0[ch] + (c1[ch] - c0[ch]) * f))
    return Image.merge("RGB", [gray.point(luts[ch]) for ch in range(3)])


def linear(size, horizontal):
    """'L' image running 0..255 left to right (or top to bottom)."""
    w, h = size
    n = w if horizontal else h
    strip = Image.new("L", (n, 1) if horizontal else (1, n))
    strip.putdata([round(255 * i / max(1, n - 1)) for i in range(n)])
    return strip.resize((w, h), Image.NEAREST)


def radial(size, centre):
    """'L' image, 0 at centre (fractions of size) growing to 255 towards the far corner."""
    w, h = size
    g = Image.radial_gradient("L")          # 256 x 256, 0 in the middle, 255 at radius 128
    cx, cy = centre
    # pick the part of the gradient that puts its middle at the wanted centre
    reach = max(cx, 1 - cx, cy, 1 - cy) * 1.15
    box = (128 - 128 * cx / reach, 128 - 128 * cy / reach,
           128 + 128 * (1 - cx) / reach, 128 + 128 * (1 - cy) / reach)
    return g.resize((w, h), Image.BILINEAR, box=box)


# Light falls from the upper left.  Cylinders get a bright streak a third
# of the way in and darken towards both rims.
STEEL = [(0.0, "#5f666e"), (0.22, "#c9ced3"), (0.34, "#f2f4f6"),
         (0.52, "#b3b9bf"), (0.85, "#838a92"), (1.0, "#5a6169")]
STEM = [(0.0, "#6c737a"), (0.3, "#ffffff"), (0.55, "#c8cdd2"), (1.0, "#6a7178")]
DARK_STEEL = [(0.0, "#3c4248"), (0.25, "#8d959d"), (0.36, "#b9c0c6"),
              (0.6, "#6c747c"), (1.0, "#353b41")]
CAST_RED = [(0.0, "#7e1313"), (0.25, "#e0574a"), (0.36, "#ec7a6b"),
            (0.55, "#c62a22"), (0.85, "#9a1a16"), (1.0, "#6c0e0e")]
GLOBE_RED = [(0.0, "#ef8576"), (0.3, "#df4a3d"), (0.6, "#c4271f"),
             (0.85, "#98170f"), (1.0, "#6a0c0a")]
PLATE = [(0.0, "#fbfaf4"), (1.0, "#dcd8c8")]

RED_LINE = "#4a0908"
STEEL_LINE = "#33383e"


# --------------------------------------------------------------------------
# Supersampled canvas
# --------------------------------------------------------------------------

class Canvas:
    """RGBA drawing surface addressed in 1x pixel units.

    A rectangle (x0, y0, x1, y1) covers the 1x pixels x0..x1-1, y0..y1-1,
    so shapes on whole units have crisp edges at every scale.
    """

    def __init__(self, width, height, scale, background=None):
        self.width, self.height, self.scale = width, height, scale
        self.k = scale * SUPERSAMPLE
        size = (width * self.k, height * self.k)
        self.img = Image.new("RGBA", size, (0, 0, 0, 0) if background is None
                             else hexrgb(background) + (255,))

    # unit coordinates -> supersampled pixel coordinates
    def box(self, x0, y0, x1, y1):
        k = self.k
        return [round(x0 * k), round(y0 * k), round(x1 * k) - 1, round(y1 * k) - 1]

    def pts(self, points):
        return [(x * self.k, y * self.k) for x, y in points]

    def shape(self, kind, geom, paint, outline=None, line=1.0):
        """Fills one shape with paint and strokes it inside its edge.

        kind: 'rect', 'round', 'ellipse', 'poly' or a list of such
        (kind, geom) pairs forming one outlined union.  paint: colour or
        (stops, 'h'|'v'|('r', cx, cy)) for a gradient over the shape's
        bounding box.
        """
        parts = kind if isinstance(kind, list) else [(kind, geom)]
        mask = Image.new("L", self.img.size, 0)
        d = ImageDraw.Draw(mask)
        for kd, g in parts:
            if kd == "rect":
                d.rectangle(self.box(*g), fill=255)
            elif kd == "round":
                d.rounded_rectangle(self.box(*g[:4]), radius=g[4] * self.k, fill=255)
            elif kd == "ellipse":
                d.ellipse(self.box(*g), fill=255)
            elif kd == "poly":
                d.polygon(self.pts(g), fill=255)
            else:
                raise ValueError(kd)
        bbox = mask.getbbox()
        if bbox is None:
            return
        self.fill_mask(mask, bbox, paint)
        if outline:
            self.fill_mask(ImageChops.subtract(mask, erode(mask, bbox, line * self.k)), bbox, outline)

    def fill_mask(self, mask, bbox, paint):
        w, h = bbox[2] - bbox[0], bbox[3] - bbox[1]
        if isinstance(paint, str):
            layer = Image.new("RGB", (w, h), hexrgb(paint))
        else:
            stops, how = paint
            if how == "h":
                layer = ramp(linear((w, h), True), stops)
            elif how == "v":
                layer = ramp(linear((w, h), False), stops)
            else:
                layer = ramp(radial((w, h), how[1:]), stops)
        self.img.paste(layer, bbox[:2], mask.crop(bbox))

    def text(self, xy, string, font_path, size, fill, width):
        """Draws string with its ink box starting at xy (units), letter-spaced
        so that the ink is exactly width units wide."""
        font = ImageFont.truetype(font_path, round(size * self.k))

        def layout(tracking):
            xs, x = [], 0.0
            for i, ch in enumerate(string):
                xs.append(x)
                x += font.getlength(ch) + tracking
                if i + 1 < len(string):   # pair kerning, if the font has any
                    x += (font.getlength(string[i:i + 2]) - font.getlength(ch)
                          - font.getlength(string[i + 1]))
            left = font.getbbox(string[0])[0]
            right = xs[-1] + font.getbbox(string[-1])[2]
            return xs, left, right

        xs, left, right = layout(0.0)
        if len(string) > 1:
            xs, left, right = layout((width * self.k - (right - left)) / (len(string) - 1))
        top = min(font.getbbox(ch)[1] for ch in string)
        mask = Image.new("L", self.img.size, 0)
        d = ImageDraw.Draw(mask)
        for ch, x in zip(string, xs):
            d.text((xy[0] * self.k - left + x, xy[1] * self.k - top), ch, font=font, fill=255)
        self.fill_mask(mask, mask.getbbox(), fill)

    def result(self):
        """The picture at its final size (scale x 1x size), antialiased."""
        return self.img.resize((self.width * self.scale, self.height * self.scale), Image.BOX)


def erode(mask, bbox, amount):
    """Shrinks the white area of mask by amount pixels (within bbox)."""
    pad = 2
    x0, y0, x1, y1 = bbox
    crop = Image.new("L", (x1 - x0 + 2 * pad, y1 - y0 + 2 * pad), 0)
    crop.paste(mask.crop(bbox), (pad, pad))
    for _ in range(max(1, round(amount))):
        crop = crop.filter(ImageFilter.MinFilter(3))
    out = Image.new("L", mask.size, 0)
    out.paste(crop.crop((pad, pad, pad + x1 - x0, pad + y1 - y0)), (x0, y0))
    return out


# --------------------------------------------------------------------------
# The flame (icon, logo) -- one outline, used for raster and SVG alike
# --------------------------------------------------------------------------

# Paths in the 24 x 32 icon box: a start point and cubic Bezier segments.
FLAME_OUTER = ((12.0, 30.6), [
    ((6.6, 30.6), (3.4, 26.9), (3.4, 22.2)),
    ((3.4, 16.8), (7.6, 14.2), (8.7, 8.6)),
    ((10.3, 10.6), (10.6, 12.9), (10.1, 15.0)),
    ((13.2, 12.4), (15.2, 7.4), (13.5, 1.6)),
    ((18.6, 5.6), (20.6, 12.0), (20.6, 21.4)),
    ((20.6, 26.9), (17.2, 30.6), (12.0, 30.6)),
])
FLAME_INNER = ((12.0, 28.6), [
    ((9.2, 28.6), (7.4, 26.6), (7.4, 23.9)),
    ((7.4, 20.7), (10.1, 18.9), (11.3, 15.4)),
    ((13.9, 17.8), (16.6, 20.6), (16.6, 24.1)),
    ((16.6, 26.7), (14.8, 28.6), (12.0, 28.6)),
])
FLAME_RED = "#d3221a"
FLAME_CORE = "#ffa31a"


def flatten(path, steps=24):
    (x, y), segs = path
    out = [(x, y)]
    for (c1, c2, p) in segs:
        p0 = out[-1]
        for i in range(1, steps + 1):
            t = i / steps
            u = 1 - t
            out.append((u ** 3 * p0[0] + 3 * u * u * t * c1[0] + 3 * u * t * t * c2[0] + t ** 3 * p[0],
                        u ** 3 * p0[1] + 3 * u * u * t * c1[1] + 3 * u * t * t * c2[1] + t ** 3 * p[1]))
    return out


def svg_path(path):
    fmt = lambda p: "%g %g" % p
    (start, segs) = path
    d = ["M" + fmt(start)]
    d += ["C" + " ".join(fmt(p) for p in seg) for seg in segs]
    return " ".join(d) + " Z"


def draw_flame(c, x, y, size, red=FLAME_RED, core=FLAME_CORE):
    """Flame fitted into a box of size x (size * 4/3) units at (x, y)."""
    f = size / 24.0
    move = lambda pts: [(x + px * f, y + py * f) for px, py in pts]
    c.shape("poly", move(flatten(FLAME_OUTER)), red)
    c.shape("poly", move(flatten(FLAME_INNER)), core)


# --------------------------------------------------------------------------
# Pictures
# --------------------------------------------------------------------------

VALVE_SIZE = (122, 278)
LOGO_SIZE = (178, 36)
ICON_SIZE = (24, 32)


def draw_valve(scale):
    """Upright flanged control valve: actuator cap, yoke with stem, bonnet, red body."""
    c = Canvas(*VALVE_SIZE, scale)
    steel = (STEEL, "h")
    dark = (DARK_STEEL, "h")

    # actuator cap with a small vent plug on the dome
    c.shape("round", (55, 2, 67, 10, 2), steel, STEEL_LINE)
    c.shape([("ellipse", (30, 6, 92, 36)), ("rect", (30, 20, 92, 44))], None, dark, STEEL_LINE)
    c.shape("rect", (36, 24, 86, 26), "#5b636b")       # seam between cover and housing
    c.shape("rect", (27, 42, 95, 50), steel, STEEL_LINE)  # cap flange
    for bx in (31, 45, 59, 73, 87):
        c.shape("rect", (bx, 44, bx + 4, 48), "#6f777f")

    # yoke: head plate, two posts, stem with its coupling
    c.shape("rect", (39, 56, 47, 150), steel, STEEL_LINE)
    c.shape("rect", (75, 56, 83, 150), steel, STEEL_LINE)
    c.shape("rect", (58, 49, 64, 150), (STEM, "h"), STEEL_LINE)
    c.shape("rect", (35, 49, 87, 58), steel, STEEL_LINE)
    c.shape("rect", (51, 94, 71, 110), steel, STEEL_LINE)
    c.shape("rect", (54, 98, 57, 101), "#4a5158")
    c.shape("rect", (65, 98, 68, 101), "#4a5158")
    c.shape("poly", [(71, 101), (77, 98), (77, 104)], "#1f1f1f")   # travel pointer
    for ty in range(80, 132, 6):                                      # travel scale on the post
        c.shape("rect", (78 if ty % 12 == 8 else 80, ty, 83, ty + 1), "#2a2f34")

    # bonnet: yoke base ring, tapered neck, flange bolted to the body
    c.shape("rect", (35, 148, 87, 156), steel, STEEL_LINE)
    c.shape("poly", [(42, 155), (80, 155), (85, 180), (37, 180)], steel, STEEL_LINE)

    # body: pipe necks, flanges with bolts, cast globe
    c.shape("rect", (13, 207, 109, 243), (CAST_RED, "v"), RED_LINE)
    for x0 in (3, 107):
        c.shape("rect", (x0, 193, x0 + 12, 257), (CAST_RED, "v"), RED_LINE)
        for by in (197, 249):
            c.shape("rect", (x0 - 2, by, x0 + 14, by + 5), (STEEL, "v"), STEEL_LINE)
    c.shape("poly", [(53, 262), (69, 262), (67, 271), (55, 271)], steel, STEEL_LINE)  # drain plug
    c.shape("ellipse", (25, 183, 97, 265), (GLOBE_RED, ("r", 0.36, 0.3)), RED_LINE, line=1.2)
    c.shape("rect", (29, 177, 93, 187), steel, STEEL_LINE)          # bonnet flange
    for bx in (32, 44, 74, 86):
        c.shape("rect", (bx, 172, bx + 4, 178), (STEEL, "h"), STEEL_LINE)

    # nameplate with rivets and a few lines of lettering
    c.shape("round", (45, 211, 77, 235, 2), (PLATE, "v"), "#5d574a")
    for rx in (47, 73):
        c.shape("ellipse", (rx, 213, rx + 2, 215), "#8b8573")
        c.shape("ellipse", (rx, 231, rx + 2, 233), "#8b8573")
    c.shape("rect", (50, 216, 72, 218), "#a11d18")
    for ly, lw in ((221, 18), (225, 14), (229, 18)):
        c.shape("rect", (52, ly, 52 + lw, ly + 1), "#6e6a5e")
    return c.result()


# Word-mark colours: flame, flame core, letters, rule.  The light set keeps
# every mark at 3:1 or more against a dark window, as the dark set does
# against a light one.
LOGO_DARK = (FLAME_RED, FLAME_CORE, "#1b3567", "#b3201a")
LOGO_LIGHT = ("#ff6b5f", "#ffc24d", "#eef2f8", "#ff6b5f")


def draw_logo(scale, colours=LOGO_DARK):
    """Word-mark: a small flame and VENTIL in bold with a red rule underneath."""
    flame, core, letters, rule = colours
    c = Canvas(*LOGO_SIZE, scale)
    draw_flame(c, 2, 1, 25.5, flame, core)
    font = next(p for p in BOLD_FONT_CANDIDATES if os.path.exists(p))
    c.text((34, 2), "VENTIL", font, 39, letters, width=142)
    c.shape("rect", (34, 30, 176, 33), rule)
    return c.result()


def draw_light_logo(scale):
    return draw_logo(scale, LOGO_LIGHT)


def draw_icon(scale):
    c = Canvas(*ICON_SIZE, scale, background="#ffffff")
    draw_flame(c, 0, 0, 24)
    return c.result().convert("RGB")


def icon_svg():
    return """<?xml version="1.0" encoding="UTF-8"?>
<!-- Ventil window icon: red flame on white.  Same outline as res/ikona.png
     (written by res/make_pictures.py, edit the paths there). -->
<svg xmlns="http://www.w3.org/2000/svg" width="24" height="32" viewBox="0 0 24 32">
  <rect width="24" height="32" fill="#ffffff" stroke="none"/>
  <path fill="%s" stroke="none" d="%s"/>
  <path fill="%s" stroke="none" d="%s"/>
</svg>
""" % (FLAME_RED, svg_path(FLAME_OUTER), FLAME_CORE, svg_path(FLAME_INNER))


# --------------------------------------------------------------------------
# Writing
# --------------------------------------------------------------------------

def to_gif_indices(rgba, window=WINDOW_BG):
    """Quantises an RGBA picture for a GIF whose palette index 255 is transparent.

    Returns (P image, 768-byte palette, mask of background pixels).
    """
    alpha = rgba.getchannel("A")
    background = alpha.point(lambda a: 255 if a < ALPHA_CUTOFF else 0)
    flat = Image.new("RGB", rgba.size, window)
    flat.paste(rgba, (0, 0), rgba)
    q = flat.quantize(colors=255, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()[:255 * 3]
    pal += [0] * (255 * 3 - len(pal)) + list(window)    # index 255 shows as the window
    q.putpalette(pal)
    q.paste(TRANSPARENT, (0, 0) + rgba.size, background)
    return q, bytes(pal), background


def write_gif(rgba, path, window=WINDOW_BG):
    q, pal, background = to_gif_indices(rgba, window)
    q.save(path, format="GIF", transparency=TRANSPARENT, interlace=False, optimize=False)
    return q, pal, background


def write_palette_png(rgb, path):
    q = rgb.quantize(colors=256, method=Image.Quantize.MEDIANCUT, dither=Image.Dither.NONE)
    pal = q.getpalette()
    q.putpalette(pal + [0] * (768 - len(pal)))     # always a full 256-entry PLTE, 8 bits
    q.save(path, format="PNG", optimize=False, bits=8)
    return q


# --------------------------------------------------------------------------
# Checks
# --------------------------------------------------------------------------

class Problems(list):
    def need(self, ok, what):
        if not ok:
            self.append(what)
        return ok


def skip_sub_blocks(data, pos):
    while True:
        n = data[pos]
        pos += 1
        if n == 0:
            return pos
        pos += n


def check_gif(path, size, p):
    """Walks the GIF block by block and checks the format the application relies on."""
    name = os.path.basename(path)
    data = open(path, "rb").read()
    if not p.need(data[:6] == b"GIF89a", "%s: header %r, want GIF89a" % (name, data[:6])):
        return
    w, h, packed = struct.unpack("<HHB", data[6:11])
    p.need((w, h) == size, "%s: screen %dx%d, want %dx%d" % ((name, w, h) + size))
    p.need(packed & 0x80, "%s: no global colour table" % name)
    p.need(packed & 7 == 7, "%s: global colour table of %d entries, want 256" % (name, 2 << (packed & 7)))
    pos = 13 + (3 * (2 << (packed & 7)) if packed & 0x80 else 0)
    images, gce = 0, None
    try:
        while True:
            b = data[pos]
            if b == 0x3B:
                pos += 1
                break
            if b == 0x21:
                label = data[pos + 1]
                if label == 0xF9:
                    p.need(data[pos + 2] == 4, "%s: bad graphic control extension" % name)
                    gce = (data[pos + 3], data[pos + 6])
                pos = skip_sub_blocks(data, pos + 2)
            elif b == 0x2C:
                x, y, iw, ih, ipacked = struct.unpack("<HHHHB", data[pos + 1:pos + 10])
                images += 1
                p.need((x, y, iw, ih) == (0, 0) + size,
                       "%s: frame at %d,%d size %dx%d" % (name, x, y, iw, ih))
                p.need(not ipacked & 0x40, "%s: frame is interlaced" % name)
                p.need(not ipacked & 0x80, "%s: frame has a local colour table" % name)
                p.need(gce is not None and gce[0] & 1 and gce[1] == TRANSPARENT,
                       "%s: frame lacks transparency index %d (GCE %r)" % (name, TRANSPARENT, gce))
                pos += 10
                if ipacked & 0x80:
                    pos += 3 * (2 << (ipacked & 7))
                pos = skip_sub_blocks(data, pos + 1)       # after the LZW code size
                gce = None
            else:
                p.append("%s: unknown block 0x%02x at %d" % (name, b, pos))
                return
    except IndexError:
        p.append("%s: truncated" % name)
        return
    p.need(images == 1, "%s: %d frames, want 1" % (name, images))
    p.need(pos == len(data), "%s: %d bytes after the trailer" % (name, len(data) - pos))
    if (w, h) != size or images != 1:
        return

    # the pixels: background present, index 255 keeps the window colour
    im = Image.open(path)
    im.load()
    counts = dict((v, n) for n, v in im.getcolors(256) or [])
    p.need(counts.get(TRANSPARENT, 0) > 0, "%s: no transparent pixels" % name)
    p.need(sum(counts.values()) - counts.get(TRANSPARENT, 0) > 0, "%s: nothing drawn" % name)
    for corner in ((0, 0), (size[0] - 1, 0), (0, size[1] - 1), (size[0] - 1, size[1] - 1)):
        p.need(im.getpixel(corner) == TRANSPARENT, "%s: corner %r not transparent" % (name, corner))


def check_gif_matches(path, q, pal, background, p):
    """The written file holds exactly the intended indices and palette."""
    name = os.path.basename(path)
    im = Image.open(path)
    im.load()
    p.need(bytes(im.getpalette()[:768]) == pal, "%s: palette changed on writing" % name)
    p.need(im.tobytes() == q.tobytes(), "%s: pixel indices changed on writing" % name)
    idx = im.tobytes()
    bg = background.tobytes()
    wrong = sum(1 for i, b in zip(idx, bg) if (i == TRANSPARENT) != (b == 255))
    p.need(wrong == 0, "%s: %d pixels disagree about transparency" % (name, wrong))


def check_gif_against_drawing(path, rgba, p):
    """Where the drawing is solid the GIF must not be transparent, and where
    the drawing is empty it must be.  Edge pixels are left out, so small
    rasterisation differences between Pillow versions do not matter."""
    name = os.path.basename(path)
    im = Image.open(path)
    im.load()
    if im.size != rgba.size:
        return
    holes = spill = 0
    for i, a in zip(im.tobytes(), rgba.getchannel("A").tobytes()):
        holes += a == 255 and i == TRANSPARENT
        spill += a == 0 and i != TRANSPARENT
    p.need(holes == 0, "%s: %d pixels of the drawing are transparent" % (name, holes))
    p.need(spill == 0, "%s: %d background pixels are not transparent" % (name, spill))


def png_chunks(path):
    data = open(path, "rb").read()
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    pos, out = 8, []
    while pos < len(data):
        n, = struct.unpack(">I", data[pos:pos + 4])
        kind, body = data[pos + 4:pos + 8], data[pos + 8:pos + 8 + n]
        crc, = struct.unpack(">I", data[pos + 8 + n:pos + 12 + n])
        if zlib.crc32(kind + body) != crc:
            raise ValueError("bad CRC in %r" % kind)
        out.append((kind, body))
        pos += 12 + n
    return out


def check_png(path, size, palette, p):
    name = os.path.basename(path)
    try:
        chunks = png_chunks(path)
    except (ValueError, struct.error) as e:
        p.append("%s: %s" % (name, e))
        return
    kinds = [k for k, _ in chunks]
    w, h, depth, ctype = struct.unpack(">IIBB", chunks[0][1][:10])
    p.need((w, h) == size, "%s: %dx%d, want %dx%d" % ((name, w, h) + size))
    p.need(depth == 8, "%s: bit depth %d, want 8" % (name, depth))
    if palette:
        p.need(ctype == 3, "%s: colour type %d, want palette (3)" % (name, ctype))
        plte = dict(chunks).get(b"PLTE", b"")
        p.need(len(plte) == 768, "%s: palette of %d entries, want 256" % (name, len(plte) // 3))
        p.need(b"tRNS" not in kinds, "%s: has transparency, the icon must be opaque" % name)
    elif p.need(ctype == 6, "%s: colour type %d, want RGBA (6)" % (name, ctype)) and (w, h) == size:
        im = Image.open(path)
        a = im.getchannel("A")
        p.need(a.getextrema() == (0, 255), "%s: alpha range %r, want 0..255" % (name, a.getextrema()))
        for corner in ((0, 0), (w - 1, h - 1)):
            p.need(a.getpixel(corner) == 0, "%s: corner %r not transparent" % (name, corner))


def check_svg(path, p):
    import xml.etree.ElementTree as ET
    name = os.path.basename(path)
    try:
        root = ET.parse(path).getroot()
    except ET.ParseError as e:
        p.append("%s: %s" % (name, e))
        return
    p.need(root.tag == "{http://www.w3.org/2000/svg}svg", "%s: root is %s" % (name, root.tag))
    p.need(root.get("viewBox") == "0 0 24 32", "%s: viewBox %r" % (name, root.get("viewBox")))


def check_scaled_pair(small, large, p):
    """The 2x picture is the 1x drawing: same silhouette when reduced.
    Antialiased rims may differ by a pixel, hence the allowance of about
    one perimeter's worth of pixels."""
    a = Image.open(small).convert("RGBA").getchannel("A")
    b = Image.open(large).convert("RGBA").getchannel("A").resize(a.size, Image.BOX)
    diff = ImageChops.difference(a.point(lambda v: 255 if v else 0),
                                 b.point(lambda v: 255 if v >= ALPHA_CUTOFF else 0))
    n = sum(1 for v in diff.getdata() if v)
    p.need(n <= (a.size[0] + a.size[1]) * 2,
           "%s vs %s: silhouettes differ in %d pixels" % (os.path.basename(small), os.path.basename(large), n))


def check_all(p):
    j = lambda n: os.path.join(RES, n)
    check_gif(j("ventil.gif"), VALVE_SIZE, p)
    check_gif(j("logo.gif"), LOGO_SIZE, p)
    check_png(j("ventil@2x.png"), (244, 556), False, p)
    check_png(j("logo@2x.png"), (356, 72), False, p)
    check_gif(j("logo-svetle.gif"), LOGO_SIZE, p)
    check_png(j("logo-svetle@2x.png"), (356, 72), False, p)
    check_png(j("ikona.png"), ICON_SIZE, True, p)
    check_png(j("ikona@2x.png"), (48, 64), True, p)
    check_svg(j("ikona.svg"), p)
    if not p:
        check_gif_against_drawing(j("ventil.gif"), draw_valve(1), p)
        check_gif_against_drawing(j("logo.gif"), draw_logo(1), p)
        check_scaled_pair(j("ventil.gif"), j("ventil@2x.png"), p)
        check_scaled_pair(j("logo.gif"), j("logo@2x.png"), p)
        check_gif_against_drawing(j("logo-svetle.gif"), draw_light_logo(1), p)
        check_scaled_pair(j("logo-svetle.gif"), j("logo-svetle@2x.png"), p)


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--check", action="store_true", help="only check the existing files")
    args = ap.parse_args()
    p = Problems()
    j = lambda n: os.path.join(RES, n)
    if not args.check:
        for draw, stem, window in ((draw_valve, "ventil", WINDOW_BG), (draw_logo, "logo", WINDOW_BG),
                                   (draw_light_logo, "logo-svetle", DARK_WINDOW_BG)):
            q, pal, bg = write_gif(draw(1), j(stem + ".gif"), window)
            check_gif_matches(j(stem + ".gif"), q, pal, bg, p)
            draw(2).save(j(stem + "@2x.png"), format="PNG", optimize=False)
        write_palette_png(draw_icon(1), j("ikona.png"))
        write_palette_png(draw_icon(2), j("ikona@2x.png"))
        with open(j("ikona.svg"), "w", encoding="utf-8") as f:
            f.write(icon_svg())
    check_all(p)
    for msg in p:
        print("make_pictures.py: " + msg, file=sys.stderr)
    if p:
        return 1
    print("res/: ventil.gif logo.gif logo-svetle.gif ventil@2x.png logo@2x.png logo-svetle@2x.png "
          "ikona.png ikona@2x.png ikona.svg OK")
    return 0


if __name__ == "__main__":
    sys.exit(main())
