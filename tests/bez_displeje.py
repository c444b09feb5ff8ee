#!/usr/bin/python3
"""The real Ventil where its window cannot open: no display at all, a display
whose X server is gone, a Qt platform that does not exist. Each must end with
status 1 (no abort, no core) and a last line on stderr of the program's own
that names what it was given. Usage: bez_displeje.py VENTIL"""
import os
import subprocess
import sys
import tempfile

from realne_okno import xvfb


def main():
    with xvfb() as env:
        dead = env["DISPLAY"]  # once the block ends, nobody answers there
    clean = {k: v for k, v in os.environ.items()
             if k not in ("DISPLAY", "WAYLAND_DISPLAY", "WAYLAND_SOCKET", "QT_QPA_PLATFORM")}
    # Case, environment added, what the last line names, whether it is the
    # only line (Qt's warnings before it say why a platform did not start).
    cases = [("no display", {}, ["DISPLAY", "WAYLAND_DISPLAY"], True),
             ("dead display", {"DISPLAY": dead}, ["DISPLAY=" + dead], False),
             ("no such platform", {"DISPLAY": dead, "QT_QPA_PLATFORM": "zadna"},
              ["QT_QPA_PLATFORM=zadna"], False)]
    problems = []
    with tempfile.TemporaryDirectory() as run:  # a runtime directory with no Wayland socket
        for case, added, named, alone in cases:
            p = subprocess.run([sys.argv[1]], env=dict(clean, XDG_RUNTIME_DIR=run, **added),
                               capture_output=True, text=True, timeout=30)
            lines = p.stderr.splitlines()
            print("%s: status %d, %r" % (case, p.returncode, p.stderr))
            last = lines[-1] if lines else ""
            if p.returncode != 1 or not last.startswith("ventil: ") or (alone and len(lines) != 1) or \
                    not all(n in last for n in named):
                problems.append("%s: status %d, stderr %r" % (case, p.returncode, p.stderr))
    print("\n".join(problems), file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
