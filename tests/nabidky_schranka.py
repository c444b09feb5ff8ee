#!/usr/bin/python3
"""The real Ventil on the accessibility bus, under C and Czech settings: the
context menus of a field and of a result are Czech, a result copied from its
menu or selected with the mouse is the text shown, and a click on a result
leaves the focus where it was.
Usage: dbus-run-session -- nabidky_schranka.py VENTIL LOCPATH"""
import subprocess
import sys

import pyatspi

from realne_okno import aplikace, cekej, sbernice_atspi, spust, vysledek, xvfb

FIELD_MENU = ["Zpět", "Znovu", "Vyjmout", "Kopírovat", "Vložit", "Smazat", "Vybrat vše"]
menus = []


def find(app, role, start):
    return pyatspi.findDescendant(app, lambda o: o.getRole() == role and o.name.startswith(start))


def mouse(env, o, *steps):
    """xdotool steps across o at mid height: (fraction of its width inside, action...)."""
    e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    for at, *action in steps:
        subprocess.run(["xdotool", "mousemove", str(int(e.x + 2 + at * (e.width - 5))),
                        str(e.y + e.height // 2), *action], env=env, timeout=10, check=True)


def menu(env, o):
    """The items of o's context menu, as named without their shortcuts."""
    del menus[:]
    mouse(env, o, (0.5, "click", "3"))
    items = [m for m in (menus[-1] if cekej(lambda: menus) else [])
             if m.getRole() == pyatspi.ROLE_MENU_ITEM]
    return [m.name.split("\t")[0] for m in items], items


def xclip(env, selection, expected):
    def get():
        return subprocess.run(["xclip", "-selection", selection, "-o"], env=env, timeout=5,
                              capture_output=True, text=True).stdout
    cekej(lambda: get() == expected)
    return get()


def drive(env, app, kvs_shown):
    """Steam at the start inputs: two results told apart, Kvs with the locale's separator."""
    find(app, pyatspi.ROLE_RADIO_BUTTON, "Pára").queryAction().doAction(0)
    find(app, pyatspi.ROLE_PUSH_BUTTON, "Spočítej").queryAction().doAction(0)
    kvs = find(app, pyatspi.ROLE_LABEL, "Průtočný součinitel kvs")
    cekej(lambda: "kvs," not in kvs.name)  # "caption, unit" until it shows a result
    got = {"shown": kvs.name.split()[-2]}

    def focus():
        o = pyatspi.findDescendant(app, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))
        return o and o.name
    # With no window manager a click makes the window active; on a plain
    # label it moves the focus nowhere.
    mouse(env, find(app, pyatspi.ROLE_LABEL, "Regulační ventily"), (0.5, "click", "1"))
    before = cekej(focus) or "none"
    mouse(env, kvs, (0.5, "click", "1"))
    got["result's menu"], items = menu(env, kvs)  # shown once the click before is handled
    got["focus"] = focus()
    if items:
        mouse(env, items[0], (0.5, "click", "1"))  # its action would leave the menu open
    got["copied"] = xclip(env, "clipboard", kvs_shown)
    mouse(env, kvs, (0.5, "click", "--repeat", "2", "1"))
    got["double-clicked"] = xclip(env, "primary", kvs_shown)
    mouse(env, find(app, pyatspi.ROLE_LABEL, "Hmotnostní tok 144 "),
          (0, "mousedown", "1"), (0.5,), (1, "mouseup", "1"))
    got["dragged over"] = xclip(env, "primary", "144")
    got["field's menu"] = menu(env, find(app, pyatspi.ROLE_TEXT, "Výkon, kW"))[0]
    expected = {"shown": kvs_shown, "result's menu": ["Kopírovat"], "focus": before,
                "copied": kvs_shown, "double-clicked": kvs_shown, "dragged over": "144",
                "field's menu": FIELD_MENU}
    return ["%s %r, not %r" % (k, got[k], v) for k, v in expected.items() if got[k] != v]


def main():
    def shown(e):
        if e.type.endswith("showing") and e.detail1 and \
                e.source.getRole() == pyatspi.ROLE_POPUP_MENU:
            menus.append(e.source)
    # Listening to focus changes also keeps the states read fresh.
    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing",
                                           "object:state-changed:focused")
    problems = []
    with xvfb() as env, sbernice_atspi(env) as env:
        for locale, kvs in (("C", "7.13"), ("cs_CZ.UTF-8", "7,13")):
            run = dict(env, LC_ALL=locale, LOCPATH=sys.argv[2])
            with spust([sys.argv[1]], run) as p:
                problems += [locale + ": " + x for x in drive(run, aplikace(p)[0], kvs)]
    return problems


if __name__ == "__main__":
    vysledek(main)
