#!/usr/bin/python3
"""The real Ventil under light, dark and high-contrast desktop themes (Qt's
gtk3 platform theme): after a compute, WCAG contrast of the text in both cyan
results (4.5:1 at least) and of the logo's and valve's solid pixels against
the window (3:1). Usage: kontrast_motivu.py VENTIL SOURCE_DIR"""
import os
import sys

from PIL import Image, ImageFilter

from realne_okno import CYAN, Okno, ovladace, spust, uvnitr, vysledek, xvfb

FIELDS = ("TPrutok", "Tkvs")
# Picture, its control, parts measured apart (x, y within the picture).
PICTURES = [("logo.gif", "Image1", {"logo flame": lambda x, y: x < 30,
                                    "logo letters": lambda x, y: x >= 34 and y < 29,
                                    "logo rule": lambda x, y: x >= 34 and y >= 30}),
            ("ventil.gif", "Image2", {"valve": lambda x, y: True})]


def contrast(a, b):
    def luminance(rgb):
        lin = [v / 3294.6 if v <= 10 else ((v / 255 + 0.055) / 1.055) ** 2.4 for v in rgb[:3]]
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def measure(env, theme, zdroje):
    env = dict(env, QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme, QT_QPA_PLATFORM="xcb")
    mista = ovladace(zdroje)
    with spust([sys.argv[1]], env):
        okno = Okno(env, mista)
        okno.vykresleno()
        okno.klikni("TPocitej")
        shot = okno.ukazuje("Tkvs")
    window = max(shot.getcolors(shot.width * shot.height))[1]  # the commonest colour
    # The strongest ink in a field: its text colour.
    figures = {n: (max(contrast(p, CYAN) for p in shot.crop(uvnitr(mista[n])).getdata()), 4.5)
               for n in FIELDS}
    for name, control, parts in PICTURES:
        left, top = mista[control][:2]
        # Palette index 255 is the transparent colour.
        gif = Image.open(os.path.join(zdroje, "res", name))
        solid = Image.frombytes("L", gif.size, bytes(0 if i == 255 else 255 for i in gif.tobytes()))
        solid = solid.filter(ImageFilter.MinFilter(3))  # away from the antialiased edge
        for part, inside in parts.items():
            values = sorted(contrast(shot.getpixel((left + x, top + y)), window)
                            for y in range(gif.height) for x in range(gif.width)
                            if solid.getpixel((x, y)) and inside(x, y))
            figures[part] = values[len(values) // 2], 3.0
    return window, figures


def main():
    failures = []
    with xvfb() as env:
        for theme in ("Adwaita", "Adwaita:dark", "HighContrast", "HighContrastInverse"):
            window, figures = measure(env, theme, sys.argv[2])
            print("%-20s window %-15s %s" % (theme, window, "  ".join(
                "%s %.2f" % (n, v) for n, (v, _) in figures.items())))
            failures += ["%s: %s %.2f below %.1f" % (theme, n, v, limit)
                         for n, (v, limit) in figures.items() if v < limit]
    return failures


if __name__ == "__main__":
    vysledek(main)
