#!/usr/bin/python3
"""The real Ventil on a Wayland compositor (Weston, headless): its window
tells the shell which desktop entry it belongs to, the xdg-shell app id,
by which a desktop shows the entry's name and icon for the window and
groups it under the entry; and the window's title. Read from the requests
the program sends, as the Wayland client library logs them (WAYLAND_DEBUG).
Usage: okno_wayland.py VENTIL APP_ID"""
import os
import re
import sys

from realne_okno import cekej, spust, vysledek, weston

# A request as logged: xdg_toplevel@14.set_app_id("..."), or with "#" for
# "@" (libwayland 1.23).
POZADAVEK = re.compile(r'xdg_toplevel[@#]\d+\.(set_app_id|set_title)\("([^"]*)"\)')


def main():
    ocekavano = {"set_app_id": sys.argv[2], "set_title": "Ventil"}
    with weston() as env:
        zaznam = os.path.join(env["HOME"], "wayland.log")
        env = dict(env, QT_QPA_PLATFORM="wayland", WAYLAND_DEBUG="client")

        def poslano():
            with open(zaznam, encoding="utf-8", errors="replace") as f:
                return dict(POZADAVEK.findall(f.read()))
        with open(zaznam, "w") as log, spust([sys.argv[1]], env, stderr=log):
            cekej(lambda: poslano().keys() >= ocekavano.keys(), 30, "the window's app id and title")
        return ["%s(%r), not %r" % (k, poslano()[k], v)
                for k, v in ocekavano.items() if poslano()[k] != v]


if __name__ == "__main__":
    vysledek(main, "app id and title as the desktop entry's")
