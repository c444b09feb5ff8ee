#!/usr/bin/env bash
# Screenshots of the real window under Xvfb at 96 dpi: the start view, a
# steam calculation, and the same under a dark desktop theme (GNOME's
# Adwaita-dark through Qt's gtk3 platform theme), into docs/. Builds first,
# with everything the tests need (the harness, tests/realne_okno.py).
# `screenshot.sh web`: the web edition in headless Chromium instead, at
# desktop and phone size, light and dark, after a steam calculation.
set -euo pipefail
cd "$(dirname "$0")/.."
if [ "${1:-}" = web ]; then
    bash scripts/web.sh >/dev/null
    exec /usr/bin/python3 - <<'EOF_PYTHON'
import base64
import sys

sys.dont_write_bytecode = True  # no __pycache__ in the tree
sys.path.insert(0, "tests")
from prohlizec import POCITAC, TELEFON, Server, chromium, ukazano, velikost

server = Server("build-web")
with chromium() as d:
    d.get(server.adresa)
    ukazano(d)
    for soubor, rozmer, tmave in (("docs/web-pocitac.png", POCITAC, False),
                                  ("docs/web-tmave.png", POCITAC, True),
                                  ("docs/web-telefon.png", TELEFON, False),
                                  ("docs/web-telefon-tmave.png", TELEFON, True)):
        velikost(d, rozmer, tmave)
        d.find_element("id", "TMedium2").click()
        d.find_element("id", "TPocitej").click()
        if rozmer == POCITAC:
            d.find_element("id", "Ventil").screenshot(soubor)
        else:  # the whole column, beyond the screen's height
            vyska = d.execute_script("return document.documentElement.scrollHeight")
            snimek = d.execute_cdp_cmd("Page.captureScreenshot", {
                "captureBeyondViewport": True,
                "clip": {"x": 0, "y": 0, "width": TELEFON[0], "height": vyska, "scale": 1}})
            with open(soubor, "wb") as f:
                f.write(base64.b64decode(snimek["data"]))
        print(soubor)
server.zastav()
EOF_PYTHON
fi
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
