#!/usr/bin/python3
"""The real Ventil on an X server and the accessibility bus: the context menus
of a field and of a result are Czech whatever the locale, a result copied from
its menu (the clipboard) and by dragging over it (the primary selection) is
the text shown, and clicking a result leaves the focus where it was. Once more
with Qt's translations out of reach: the program still works, Qt's menu is
English. Usage: dbus-run-session -- nabidky_schranka.py VENTIL LOCPATH QT_PLUGINS"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

import pyatspi
from gi.repository import GLib

from realne_okno import spust, xvfb

# The field's menu, Qt's own texts, with their shortcuts cut off.
CESKY = ["Zpět", "Znovu", "Vyjmout", "Kopírovat", "Vložit", "Smazat", "Vybrat vše"]
ANGLICKY = ["Undo", "Redo", "Cut", "Copy", "Paste", "Delete", "Select All"]
# Locale, Qt's translations reachable, the field's menu, Kvs as shown (steam,
# 100 kW at 160 kPa; its flow is 144 kg/h).
CASES = [("C", True, CESKY, "7.13"), ("cs_CZ.UTF-8", True, CESKY, "7,13"),
         ("C.UTF-8", False, ANGLICKY, "7.13")]
menus = []


def pump(until, seconds=10.0):
    end = time.monotonic() + seconds
    while time.monotonic() < end and not until():
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.02)
    return until()


def find(root, role, start):
    return pyatspi.findDescendant(root, lambda o: o.getRole() == role and o.name.startswith(start))


def mouse(env, o, *steps):
    """xdotool steps at x offsets within o ("l" left inside, "c" centre, "r" right inside)."""
    e = o.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
    x = {"l": e.x + 2, "c": e.x + e.width // 2, "r": e.x + e.width - 3}
    for where, *action in steps:
        subprocess.run(["xdotool", "mousemove", str(x[where]), str(e.y + e.height // 2), *action],
                       env=env, timeout=10, check=True)


def menu(env, o):
    """The items of o's context menu, without their shortcuts, and the menu."""
    del menus[:]
    mouse(env, o, ("c", "click", "3"))
    if not pump(lambda: menus, 5):
        return [], None
    items = [m for m in menus[-1] if m.getRole() == pyatspi.ROLE_MENU_ITEM]
    return [m.name.split("\t")[0] for m in items], items


def selection(env, name, expected):
    def get():
        return subprocess.run(["xclip", "-selection", name, "-o"], env=env, timeout=5,
                              capture_output=True, text=True).stdout
    pump(lambda: get() == expected, 5)
    return get()


def drive(env, app, field_menu, kvs_shown):
    problems = []
    find(app, pyatspi.ROLE_RADIO_BUTTON, "Pára").queryAction().doAction(0)
    find(app, pyatspi.ROLE_PUSH_BUTTON, "Spočítej").queryAction().doAction(0)
    kvs = find(app, pyatspi.ROLE_LABEL, "Průtočný součinitel kvs, m3/h")
    pump(lambda: ": " in kvs.name)
    flow = find(app, pyatspi.ROLE_LABEL, "Hmotnostní tok, kg/h")
    # Two results told apart, in the separator of the locale.
    shown = [f.name.split(": ")[-1] for f in (kvs, flow)]
    if shown != [kvs_shown, "144"]:
        problems.append("results shown %r, not %r" % (shown, [kvs_shown, "144"]))

    def focus():
        o = pyatspi.findDescendant(app, lambda o: o.getState().contains(pyatspi.STATE_FOCUSED))
        return o and o.name
    # With no window manager a click makes the window active; on a plain
    # label it moves the focus nowhere.
    mouse(env, find(app, pyatspi.ROLE_LABEL, "Regulační ventily"), ("c", "click", "1"))
    before = pump(focus)
    mouse(env, kvs, ("c", "click", "1"))
    names, items = menu(env, kvs)  # the click before it has been handled once it shows
    if before is None or focus() != before:
        problems.append("a click on a result moved the focus from %r to %r" % (before, focus()))
    if names != ["Kopírovat"]:
        problems.append("the result's menu is %r" % names)
    else:
        mouse(env, items[0], ("c", "click", "1"))  # its action would leave the menu open
    # The menu copies the whole result; a double click selects all of it, as
    # a drag over it does.
    for how, name, gesture, field, expected in [
            ("copied from the menu", "clipboard", None, kvs, shown[0]),
            ("double-clicked", "primary", [("c", "click", "--repeat", "2", "1")], kvs, shown[0]),
            ("dragged over", "primary", [("l", "mousedown", "1"), ("c",), ("r", "mouseup", "1")],
             flow, shown[1])]:
        if gesture:
            mouse(env, field, *gesture)
        got = selection(env, name, expected)
        if got != expected:
            problems.append("%s: %r, shown %r" % (how, got, expected))

    names, _ = menu(env, find(app, pyatspi.ROLE_TEXT, "Výkon, kW"))
    subprocess.run(["xdotool", "key", "Escape"], env=env, timeout=10)
    if names != field_menu:
        problems.append("the field's menu is %r" % names)
    return problems


def main():
    ventil, locpath, plugins = sys.argv[1:4]
    problems = []
    def shown(e):
        if e.type == "object:state-changed:showing" and e.detail1 and \
                e.source.getRole() == pyatspi.ROLE_POPUP_MENU:
            menus.append(e.source)
    # Listening to focus changes also keeps the states read fresh.
    pyatspi.Registry.registerEventListener(shown, "object:state-changed:showing",
                                           "object:state-changed:focused")
    with xvfb() as env, spust(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env), \
            tempfile.TemporaryDirectory() as elsewhere:
        # The same program beside a qt.conf that sends Qt to look for its
        # translations where there are none.
        untranslated = shutil.copy(ventil, elsewhere)
        with open(os.path.join(elsewhere, "qt.conf"), "w") as conf:
            conf.write("[Paths]\nPlugins=%s\nTranslations=%s\n" % (plugins, elsewhere))
        for locale, translated, field_menu, shown in CASES:
            run_env = dict(env, QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1", QT_QPA_PLATFORM="xcb",
                           LC_ALL=locale, LOCPATH=locpath)
            with spust([ventil if translated else untranslated], run_env) as p:
                def app():
                    return next((a for a in pyatspi.Registry.getDesktop(0) if a is not None and
                                 a.get_process_id() == p.pid and a.childCount), None)
                if not pump(app, 30):
                    sys.exit("ventil did not appear on the accessibility bus")
                problems += ["%s%s: %s" % (locale, "" if translated else ", untranslated", p)
                             for p in drive(run_env, app()[0], field_menu, shown)]
    print("\n".join(problems), file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
