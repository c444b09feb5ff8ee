#!/usr/bin/python3
"""Starts the real program under Xvfb with light, dark and high-contrast
desktop themes (Qt's gtk3 platform theme), computes once, grabs the screen
and measures WCAG contrast: the text of both cyan result fields against the
cyan (4.5:1 at least), the logo's marks and the valve picture against the
window colour (3:1), and the platform's own text (4.5:1).

    kontrast_motivu.py PATH_TO_VENTIL RES_DIR
"""
import os
import subprocess
import sys
import tempfile
import time

from PIL import Image, ImageFilter, ImageGrab

THEMES = ("Adwaita", "Adwaita:dark", "HighContrast", "HighContrastInverse")
CYAN = (128, 255, 255)
# Window pixels as laid out at 96 dpi: x, y, width, height.
FIELDS = {"TPrutok": (336, 320, 82, 19), "Tkvs": (488, 352, 169, 33)}
TEXTS = {"heading": (280, 32, 257, 25), "Lkvs": (488, 320, 177, 25)}
LOGO_AT, VALVE_AT = (24, 8), (16, 80)
COMPUTE = (524, 444)  # centre of "Spočítej"


def luminance(rgb):
    def lin(v):
        v /= 255
        return v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
    r, g, b = rgb[:3]
    return 0.2126 * lin(r) + 0.7152 * lin(g) + 0.0722 * lin(b)


def contrast(a, b):
    la, lb = sorted((luminance(a), luminance(b)))
    return (lb + 0.05) / (la + 0.05)


def median(values):
    values = sorted(values)
    return values[len(values) // 2]


def ink_contrast(shot, box, background):
    """Contrast of the strongest ink in box (frame excluded) with background."""
    x, y, w, h = box
    inside = shot.crop((x + 2, y + 2, x + w - 2, y + h - 2))
    return max(contrast(p, background) for p in inside.getdata())


def picture_marks(path):
    """The picture's solid pixels, away from its antialiased edge."""
    gif = Image.open(path)
    solid = Image.frombytes("L", gif.size, bytes(0 if i == 255 else 255 for i in gif.tobytes()))
    return solid.filter(ImageFilter.MinFilter(3))


def marks_contrast(shot, mask, at, window, part=lambda x, y: True):
    """Median contrast with the window of the solid pixels in part of a picture."""
    w, h = mask.size
    region = shot.crop((at[0], at[1], at[0] + w, at[1] + h))
    values = [contrast(region.getpixel((x, y)), window)
              for y in range(h) for x in range(w) if mask.getpixel((x, y)) and part(x, y)]
    return median(values)


def run(cmd, env):
    done = subprocess.run(cmd, env=env, timeout=30, capture_output=True, text=True)
    if done.returncode:
        sys.exit("%s: %s" % (" ".join(cmd), done.stderr.strip() or done.returncode))
    return done.stdout


def measure(program, res, env, theme):
    env = dict(env, QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME=theme, QT_QPA_PLATFORM="xcb")
    app = subprocess.Popen([program], env=env, stderr=subprocess.DEVNULL)
    try:
        win = run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Ventil$"],
                  env).split()[0]
        time.sleep(0.5)
        run(["xdotool", "mousemove", "--window", win, *map(str, COMPUTE), "click", "1"], env)
        time.sleep(0.5)
        geo = dict(l.split("=") for l in run(["xdotool", "getwindowgeometry", "--shell", win],
                                             env).split())
        x, y = int(geo["X"]), int(geo["Y"])
        shot = ImageGrab.grab(xdisplay=env["DISPLAY"]).crop((x, y, x + 724, y + 504))
    finally:
        app.terminate()
        app.wait(timeout=10)
    window = max(shot.getcolors(724 * 504))[1]  # the commonest colour
    logo = picture_marks(os.path.join(res, "logo.gif"))
    valve = picture_marks(os.path.join(res, "ventil.gif"))
    figures = {name: ink_contrast(shot, box, CYAN) for name, box in FIELDS.items()}
    limits = {name: 4.5 for name in FIELDS}
    for name, part in (("logo flame", lambda x, y: x < 30),
                       ("logo letters", lambda x, y: x >= 34 and y < 29),
                       ("logo rule", lambda x, y: x >= 34 and y >= 30)):
        figures[name] = marks_contrast(shot, logo, LOGO_AT, window, part)
        limits[name] = 3.0
    figures["valve"] = marks_contrast(shot, valve, VALVE_AT, window)
    limits["valve"] = 3.0
    for name, box in TEXTS.items():
        figures[name] = ink_contrast(shot, box, window)
        limits[name] = 4.5
    return window, figures, limits, shot


def main():
    program, res = os.path.realpath(sys.argv[1]), os.path.realpath(sys.argv[2])
    failures = []
    with tempfile.TemporaryDirectory() as tmp:
        r, w = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "800x600x24",
                                 "-dpi", "96", "-nolisten", "tcp", "-noreset"], pass_fds=(w,),
                                stderr=subprocess.DEVNULL)
        os.close(w)
        try:
            # Read up to the newline; the pipe stays open, as the server
            # fails when it cannot write the whole number.
            display = b""
            while not display.endswith(b"\n"):
                chunk = os.read(r, 16)
                if not chunk:
                    break
                display += chunk
            display = display.decode().strip()
            if not display:
                sys.exit("Xvfb did not start")
            os.mkdir(os.path.join(tmp, "run"), 0o700)
            env = dict(os.environ, DISPLAY=":" + display, HOME=tmp,
                       XDG_RUNTIME_DIR=os.path.join(tmp, "run"))
            for theme in THEMES:
                window, figures, limits, shot = measure(program, res, env, theme)
                print("%-20s window %-15s %s" % (theme, window, "  ".join(
                    "%s %.2f" % kv for kv in figures.items())))
                bad = [n for n in figures if figures[n] < limits[n]]
                if bad:
                    failures.append("%s: %s below the limit" % (theme, ", ".join(bad)))
                    shot.save(os.path.join(os.getcwd(), "kontrast-%s.png" % theme.replace(":", "-")))
        finally:
            xvfb.terminate()
            xvfb.wait(timeout=10)
            os.close(r)
    for f in failures:
        print(f, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
