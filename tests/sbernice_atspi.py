#!/usr/bin/python3
"""The real Ventil, Czech settings, driven through the AT-SPI bus alone as a
screen reader does; every result, the message line and the events announcing
them read back, and the contracts a screen reader builds its speech on.
Like a screen reader, this client caches what it reads and keeps it up to
date from events alone. Usage: dbus-run-session -- sbernice_atspi.py VENTIL
LOCPATH"""
import sys

import pyatspi
from gi.repository import Atspi, GLib

from realne_okno import aplikace, cekej, sbernice_atspi, spust, vysledek, xvfb

UNITS = (" m3/h", " kg/h", " m3/kg")  # ends of the output fields' names
KVS = "Průtočný součinitel kvs "
STEAM = ["Měrný objem v1 1,091 m3/kg", "Měrný objem v2, m3/kg", "Měrný objem v12 1,96 m3/kg"]
# Medium, method, typed power; every result field shown, as spoken, from the
# flow down to Kvs (one without a result by caption and unit); message line.
CASES = [
    ("Voda", "Výkon", "100", ["Objemový tok 4,31 m3/h", KVS + "4,31 m3/h"], ""),
    ("Pára", "Výkon", "100", ["Hmotnostní tok 144 kg/h"] + STEAM + [KVS + "7,13 m3/h"], ""),
    ("Kondenzát", "Výkon", "100", ["Objemový tok 0,14 m3/h", KVS + "0,14 m3/h"], ""),
    ("Pára", "Průtok", "100", ["Hmotnostní tok 2 kg/h"] + STEAM + [KVS + "0,1 m3/h"], ""),
    ("Voda", "Průtok", "100", ["Objemový tok 2 m3/h", KVS + "2 m3/h"], ""),
    ("Voda", "Výkon", "0", ["Objemový tok 2 m3/h", KVS + "2 m3/h"], "Zadej číslo > 0"),
]
STEAM_FIELDS = ["Tlak páry, kPa abs (max 2000)", "Suchost"]  # hidden at start
events = []


def in_event_loop(work):
    """Runs work inside the AT-SPI event loop, where a client caches."""
    result = []
    GLib.idle_add(lambda: result.append(work()) or Atspi.event_quit())
    Atspi.event_main()
    return result[0]


def all_shown(root, test):
    return pyatspi.findAllDescendants(
        root, lambda o: test(o) and o.getState().contains(pyatspi.STATE_SHOWING))


# Roles by value: their names are spelt differently from release to release
# ("push button" became "button").
def act(root, role, name, action):
    o = all_shown(root, lambda o: o.getRole() == role and o.name == name)[0].queryAction()
    o.doAction([o.getName(i) for i in range(o.nActions)].index(action))


def fields(root, names):
    return [pyatspi.findDescendant(root, lambda o: o.name == n) for n in names]


def contracts(frame):
    """The window is a frame named by its title; a text-attribute run covers
    its offset (from the runs a screen reader builds what it speaks); a field
    shown after start is visible and showing."""
    problems = []
    if (frame.getRole(), frame.name) != (pyatspi.ROLE_FRAME, "Ventil"):
        problems.append("window: %s %r" % (frame.getRoleName(), frame.name))
    for field in all_shown(frame, lambda o: o.getRole() == pyatspi.ROLE_TEXT):
        text = field.queryText()
        for offset in range(text.characterCount):
            start, end = text.getAttributeRun(offset, False)[1:]
            if not start <= offset < end:
                problems.append("%s: run %d-%d at %d" % (field.name, start, end, offset))

    def seen(field):
        state = field.getState()
        return state.contains(pyatspi.STATE_VISIBLE) and state.contains(pyatspi.STATE_SHOWING)
    steam = fields(frame, STEAM_FIELDS)
    if not cekej(lambda: all(map(seen, steam))):
        problems.append("not visible and showing: %r" % [f.name for f in steam if not seen(f)])
    return problems


def drive(frame):
    problems = []
    for medium, method, power, results, message in CASES:
        act(frame, pyatspi.ROLE_RADIO_BUTTON, medium, "Toggle")
        act(pyatspi.findDescendant(frame, lambda o: o.name == "Způsob výpočtu"),
            pyatspi.ROLE_RADIO_BUTTON, method, "Toggle")
        fields(frame, ["Výkon, kW"])[0].queryEditableText().setTextContents(power)
        if medium == "Pára" and method == "Výkon":
            problems += contracts(frame)
        del events[:]
        act(frame, pyatspi.ROLE_PUSH_BUTTON, "Spočítej", "Press")
        # Heard wherever the focus is: the message line shown as a notification,
        # with the message, or else every shown result.
        spoken = message or ", ".join(r for r in results if ", " not in r)
        heard = ("object:state-changed:showing", pyatspi.ROLE_NOTIFICATION, spoken, 1)
        if not cekej(lambda: heard in events):
            problems.append("%s: %r not announced, got %r" % (medium, heard, events))
        # Before that, the message line and every result written tell their
        # new names, which a screen reader keeps: a refused compute writes none.
        renamed = {(r, n) for t, r, n, _ in events if t.endswith("accessible-name")}
        stale = ({(pyatspi.ROLE_NOTIFICATION, spoken)} |
                 {(pyatspi.ROLE_LABEL, r) for r in results if not message})
        if stale - renamed:
            problems.append("%s: no new name for %r" % (medium, sorted(stale - renamed)))
        got = sorted(o.name for o in all_shown(frame, lambda o: o.getRole() == pyatspi.ROLE_LABEL
                                               and o.name.endswith(UNITS)))
        notes = [o.name for o in all_shown(frame,
                                           lambda o: o.getRole() == pyatspi.ROLE_NOTIFICATION)]
        if (got, notes) != (sorted(results), [spoken]):
            problems.append("%s, %s: %r | %r" % (medium, method, got, notes))
    return problems + ["no image %r" % n for n in ("Ventil", "regulační ventil")
                       if not all_shown(frame, lambda o: o.name == n)]


def main():
    with xvfb() as env, sbernice_atspi(env) as env:
        env = dict(env, LC_ALL="cs_CZ.UTF-8", LOCPATH=sys.argv[2])
        with spust([sys.argv[1]], env) as p:
            app = aplikace(p)
            pyatspi.Registry.registerEventListener(
                lambda e: events.append((e.type, e.source.getRole(), e.source.name, e.detail1)),
                "object:property-change:accessible-name", "object:state-changed")

            def look_and_drive():
                # A first look at every control, hidden ones too, as a screen
                # reader takes on entering the window.
                frame = app[0]
                pyatspi.findAllDescendants(frame, lambda o: o.getState() and False)
                return drive(frame)
            problems = in_event_loop(look_and_drive)
    return problems


if __name__ == "__main__":
    vysledek(main)
