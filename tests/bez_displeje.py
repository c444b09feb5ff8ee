#!/usr/bin/python3
"""The real Ventil where its window cannot open: no display, a display whose X
server is gone, a Qt platform that does not exist. Each must end with status 1,
no abort, and a last line on stderr of the program's own naming what it was
given. Usage: bez_displeje.py VENTIL"""
import os
import subprocess
import sys
import tempfile

from realne_okno import vysledek, xvfb


def main():
    with xvfb() as env:
        dead = env["DISPLAY"]  # nobody answers there once the block ends
    clean = {k: v for k, v in os.environ.items()
             if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM")}
    # Environment added, what the last line names, whether it is the only one
    # (before it Qt's warnings say why its platform did not start).
    cases = [({}, ["DISPLAY", "WAYLAND_DISPLAY"], True),
             ({"QT_QPA_PLATFORM": "xcb"}, ["DISPLAY", "WAYLAND_DISPLAY"], True),
             ({"DISPLAY": dead}, ["DISPLAY=" + dead], False),
             ({"DISPLAY": dead, "QT_QPA_PLATFORM": "zadna"}, ["QT_QPA_PLATFORM=zadna"], False)]
    problems = []
    with tempfile.TemporaryDirectory() as run:  # with no Wayland socket in it
        for added, named, alone in cases:
            p = subprocess.run([sys.argv[1]], env=dict(clean, XDG_RUNTIME_DIR=run, **added),
                               capture_output=True, text=True, timeout=30)
            lines = p.stderr.splitlines() or [""]
            if p.returncode != 1 or not lines[-1].startswith("ventil: ") or \
                    (alone and len(lines) > 1) or not all(n in lines[-1] for n in named):
                problems.append("%r: status %d, stderr %r" % (added, p.returncode, p.stderr))
    return problems


if __name__ == "__main__":
    vysledek(main)
