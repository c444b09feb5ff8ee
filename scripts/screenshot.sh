#!/usr/bin/env bash
# Screenshots of the real window under Xvfb at 96 dpi: the start view, a
# steam calculation, and the same under a dark desktop theme (GNOME's
# Adwaita-dark through Qt's gtk3 platform theme), into docs/. Builds first,
# with everything the tests need (the harness, tests/realne_okno.py).
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh >/dev/null
exec /usr/bin/python3 - "${VENTIL_BUILD:-build}" <<'EOF_PYTHON'
import os
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the tree
sys.path.insert(0, "tests")
from realne_okno import Okno, ovladace, spust, xvfb

build = sys.argv[1]


def steam(env, start=None, result=None):
    """The window at start, then after a steam calculation."""
    with spust([build + "/form/qt/ventil"], env):
        okno = Okno(env, ovladace("."))
        if start:
            okno.vykresleno().save(start)
        okno.klikni("TMedium2", "TPocitej")
        okno.ukazuje("Tkvs").save(result)


with xvfb() as env:
    env = dict(env, QT_QPA_PLATFORM="xcb", LC_ALL="cs_CZ.UTF-8",
               LOCPATH=os.path.abspath(build + "/locale"))
    steam(env, "docs/okno.png", "docs/okno-para.png")
    steam(dict(env, QT_QPA_PLATFORMTHEME="gtk3", GTK_THEME="Adwaita:dark"),
          result="docs/okno-tmave.png")
print("docs/okno.png docs/okno-para.png docs/okno-tmave.png")
EOF_PYTHON
