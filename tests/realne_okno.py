"""The real program on an X server (or a Wayland compositor) of its own, for
the tests that look at it from outside: the server, the program, its window
found by name, waits for what is awaited (never a fixed sleep), clicks and
typing on its controls, and its pixels; and the end of every such test."""
import contextlib
import os
import re
import signal
import socket
import subprocess
import sys
import tempfile
import time

CYAN = (128, 255, 255)  # behind the two results, under every theme

# A row of the window's control table: name, kind, container ("" or a
# frame's name), text, then left, top, width and height in twips.
RADEK_TABULKY = re.compile(r'\{\s*"(\w+)",\s*[\w:]+,\s*"(\w*)",\s*"(?:[^"\\]|\\.)*",'
                           r'\s*(\d+),\s*(\d+),\s*(\d+),\s*(\d+)\s*,')
TWIPU_NA_PIXEL = 15  # at 96 dpi, the tests' Xvfb


def ovladace(zdroje):
    """Where each control lies in the window, in pixels (left, top, width,
    height), read from the control table in the sources at zdroje
    (form/OvladaceOkna.h): a control in a frame lies at the frame's corner
    plus its own offset."""
    with open(os.path.join(zdroje, "form/OvladaceOkna.h"), encoding="utf-8") as f:
        radky = {r[0]: r[1:] for r in RADEK_TABULKY.findall(f.read())}
    if not radky:
        raise RuntimeError("no control table in %s/form/OvladaceOkna.h" % zdroje)

    def misto(jmeno):
        kontejner, *twipy = radky[jmeno]
        x, y, w, h = (int(t) // TWIPU_NA_PIXEL for t in twipy)
        if kontejner:
            kx, ky = misto(kontejner)[:2]
            x, y = x + kx, y + ky
        return x, y, w, h
    return {jmeno: misto(jmeno) for jmeno in radky}


@contextlib.contextmanager
def xvfb():
    """An Xvfb at 96 dpi on a free display; yields an environment for it,
    with an empty home and runtime directory of its own."""
    r, w = os.pipe()
    server = subprocess.Popen(["Xvfb", "-displayfd", str(w), "-screen", "0", "800x600x24", "-dpi",
                               "96", "-nolisten", "tcp", "-noreset"],
                              pass_fds=(w,), stderr=subprocess.DEVNULL)
    os.close(w)
    try:
        number = b""
        while not number.endswith(b"\n"):  # the pipe stays open: the server must write it all
            chunk = os.read(r, 16)
            if not chunk:
                raise RuntimeError("Xvfb did not start")
            number += chunk
        with tempfile.TemporaryDirectory() as tmp:
            home, run = os.path.join(tmp, "home"), os.path.join(tmp, "run")
            os.mkdir(home, 0o700)
            os.mkdir(run, 0o700)
            yield dict(os.environ, DISPLAY=":" + number.decode().strip(), HOME=home,
                       XDG_RUNTIME_DIR=run)
    finally:
        server.terminate()
        server.wait(timeout=10)
        os.close(r)


@contextlib.contextmanager
def weston():
    """A headless Wayland compositor (Weston) on a socket of its own; yields
    an environment for it, with no X display and an empty home and runtime
    directory of its own."""
    with tempfile.TemporaryDirectory() as tmp:
        home, run = os.path.join(tmp, "home"), os.path.join(tmp, "run")
        os.mkdir(home, 0o700)
        os.mkdir(run, 0o700)
        env = {k: v for k, v in os.environ.items()
               if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET")}
        env.update(HOME=home, XDG_RUNTIME_DIR=run, WAYLAND_DISPLAY="wayland-ventil")

        def slysi():
            with socket.socket(socket.AF_UNIX) as s:
                return s.connect_ex(os.path.join(run, env["WAYLAND_DISPLAY"])) == 0
        with spust(["weston", "--backend=headless-backend.so", "--shell=kiosk-shell.so",
                    "--no-config", "--idle-time=0", "--socket=" + env["WAYLAND_DISPLAY"]], env):
            cekej(slysi, 20, "Weston listening")
            yield env


@contextlib.contextmanager
def spust(cmd, env, **kwargs):
    """A process in a session of its own, ended with everything it started
    there when the block ends: asked to end, killed if it is still there
    after a while. Its stderr is dropped unless kwargs say where it goes."""
    kwargs.setdefault("stderr", subprocess.DEVNULL)
    p = subprocess.Popen(cmd, env=env, start_new_session=True, **kwargs)
    try:
        yield p
    finally:
        with contextlib.suppress(ProcessLookupError):
            os.killpg(p.pid, signal.SIGTERM)
        with contextlib.suppress(subprocess.TimeoutExpired):
            p.wait(timeout=5)
        with contextlib.suppress(ProcessLookupError):
            os.killpg(p.pid, signal.SIGKILL)  # it, or what it left in its session
        p.wait(timeout=10)


def cekej(podminka, sekund=20.0, co=None):
    """podminka()'s first true value, asked every 20 ms. Meanwhile the
    accessibility bus's events reach their listeners, where a test listens.
    When the seconds are up: a TimeoutError naming co, what was awaited, or
    without co the last value."""
    konec = time.monotonic() + sekund
    while not (hodnota := podminka()):
        if time.monotonic() > konec:
            if co:
                raise TimeoutError("%s: not within %g s" % (co, sekund))
            return hodnota
        glib = sys.modules.get("gi.repository.GLib")
        while glib and glib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)
    return hodnota


def vysledek(test, uspech=""):
    """Runs test(), a test's main, and ends with its outcome: status 0, or
    each problem it returned on a line of stderr and status 1. A wait that
    timed out is a problem too."""
    try:
        problemy = list(test())
    except TimeoutError as e:
        problemy = [str(e)]
    if problemy:
        print("\n".join(problemy), file=sys.stderr)
    elif uspech:
        print(uspech)
    sys.exit(1 if problemy else 0)


def xdotool(env, *args, check=True):
    return subprocess.run(["xdotool", *args], env=env, timeout=20, check=check,
                          capture_output=True, text=True).stdout


def uvnitr(obdelnik, okraj=2):
    """A control's box (left, top, right, bottom) without its frame."""
    x, y, w, h = obdelnik
    return x + okraj, y + okraj, x + w - okraj, y + h - okraj


class Okno:
    """The program's window, once it is shown; its controls where
    ovladace() says."""

    def __init__(self, env, ovladace=None, sekund=20.0):
        self.env = env
        self.ovladace = ovladace
        self.id = cekej(lambda: xdotool(env, "search", "--onlyvisible", "--name", "^Ventil$",
                                        check=False).split(), sekund, "the window shown")[0]
        geo = dict(v.split("=") for v in xdotool(env, "getwindowgeometry", "--shell",
                                                  self.id).split())
        x, y = int(geo["X"]), int(geo["Y"])
        self.box = (x, y, x + int(geo["WIDTH"]), y + int(geo["HEIGHT"]))

    def snimek(self):
        """The window's pixels now, as an RGB image."""
        from PIL import ImageGrab
        return ImageGrab.grab(xdisplay=self.env["DISPLAY"]).crop(self.box).convert("RGB")

    def ustaleny(self, podminka, co, sekund=20.0):
        """The window's image once podminka holds for it and two grabs in a
        row agree: a frame painted whole."""
        pred = None

        def hotovo():
            nonlocal pred
            s, minuly = self.snimek(), pred
            pred = s
            return s if minuly is not None and s.tobytes() == minuly.tobytes() and podminka(s) \
                else None
        return cekej(hotovo, sekund, co)

    def vykresleno(self, sekund=20.0):
        """The window as first painted: the cyan of its results is on screen."""
        return self.ustaleny(lambda s: CYAN in (c for _, c in s.getcolors(s.width * s.height)),
                             "the window painted", sekund)

    def ukazuje(self, jmeno, sekund=20.0):
        """The window once the control shows text (more than one colour inside
        its frame)."""
        return self.ustaleny(lambda s: any(lo != hi for lo, hi in
                                           s.crop(uvnitr(self.ovladace[jmeno])).getextrema()),
                             "text in %s" % jmeno, sekund)

    def klikni(self, *jmena):
        """Clicks each control at its centre."""
        for jmeno in jmena:
            x, y, w, h = self.ovladace[jmeno]
            xdotool(self.env, "mousemove", "--window", self.id, str(x + w // 2), str(y + h // 2),
                    "click", "1")

    def napis(self, jmeno, text):
        """Types the text over what a field holds."""
        self.klikni(jmeno)
        xdotool(self.env, "key", "ctrl+a", "type", text)


# The accessibility bus, for the tests that run in a session bus of their own
# (dbus-run-session) and read the program as a screen reader does.

@contextlib.contextmanager
def sbernice_atspi(env):
    """The AT-SPI bus started; yields the environment in which a program
    shows itself on it (Qt does so once a screen reader runs: none says so
    here)."""
    with spust(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env):
        yield dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb")


def aplikace(proces, sekund=30.0):
    """The started program's application on the bus, once it has its window."""
    import pyatspi

    def najdi():
        return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and
                     a.get_process_id() == proces.pid and a.childCount), None)
    return cekej(najdi, sekund, "the program on the accessibility bus")
