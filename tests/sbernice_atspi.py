#!/usr/bin/python3
"""The real Ventil, Czech settings, driven through the AT-SPI bus alone as a
screen reader does; every result, the message line and the events announcing
them read back. Usage: dbus-run-session -- sbernice_atspi.py VENTIL LOCPATH"""
import sys

import pyatspi

from realne_okno import aplikace, pumpuj as pump, sbernice_atspi, spust, xvfb

KVS = "Průtočný součinitel kvs, m3/h: "
UNITS = (", m3/h", ", kg/h", ", m3/kg")  # ends of the output fields' names before the result
STEAM = ["Měrný objem v1, m3/kg: 1,091", "Měrný objem v2, m3/kg",
         "Měrný objem v12, m3/kg: 1,96"]
# Medium, method, typed power; every result field shown, as spoken, from the
# flow down to Kvs; message line.
CASES = [
    ("Voda", "Výkon", "100", ["Objemový tok, m3/h: 4,31", KVS + "4,31"], ""),
    ("Pára", "Výkon", "100", ["Hmotnostní tok, kg/h: 144"] + STEAM + [KVS + "7,13"], ""),
    ("Kondenzát", "Výkon", "100", ["Objemový tok, m3/h: 0,14", KVS + "0,14"], ""),
    ("Pára", "Průtok", "100", ["Hmotnostní tok, kg/h: 2"] + STEAM + [KVS + "0,1"], ""),
    ("Voda", "Průtok", "100", ["Objemový tok, m3/h: 2", KVS + "2"], ""),
    ("Voda", "Výkon", "0", ["Objemový tok, m3/h: 2", KVS + "2"], "Zadej číslo > 0"),
]
events = []


def all_shown(root, test):
    return pyatspi.findAllDescendants(
        root, lambda o: test(o) and o.getState().contains(pyatspi.STATE_SHOWING))


# Roles by value: their names are spelt differently from release to release
# ("push button" became "button").
def act(root, role, name, action):
    o = all_shown(root, lambda o: o.getRole() == role and o.name == name)[0].queryAction()
    o.doAction([o.getName(i) for i in range(o.nActions)].index(action))


def drive(frame):
    problems = []
    for medium, method, power, results, message in CASES:
        act(frame, pyatspi.ROLE_RADIO_BUTTON, medium, "Toggle")
        act(pyatspi.findDescendant(frame, lambda o: o.name == "Způsob výpočtu"),
            pyatspi.ROLE_RADIO_BUTTON, method, "Toggle")
        pyatspi.findDescendant(frame, lambda o: o.name == "Výkon, kW").queryEditableText() \
            .setTextContents(power)
        del events[:]
        act(frame, pyatspi.ROLE_PUSH_BUTTON, "Spočítej", "Press")
        # Heard wherever the focus is: the message line shown as a notification,
        # with the message, or else every shown result.
        spoken = message or "; ".join(r for r in results if ": " in r)
        heard = ("object:state-changed:showing", pyatspi.ROLE_NOTIFICATION, spoken, 1)
        if not pump(lambda: heard in events):
            problems.append("%s: %r not announced, got %r" % (medium, heard, events))
        # Before that, the message line and every result written tell their
        # new names, which a screen reader keeps: a refused compute writes none.
        renamed = {(r, n) for t, r, n, _ in events if t.endswith("accessible-name")}
        stale = ({(pyatspi.ROLE_NOTIFICATION, spoken)} |
                 {(pyatspi.ROLE_LABEL, r) for r in results if not message})
        if stale - renamed:
            problems.append("%s: no new name for %r" % (medium, sorted(stale - renamed)))
        got = sorted(o.name for o in all_shown(frame, lambda o: o.getRole() == pyatspi.ROLE_LABEL and
                                               o.name.split(":")[0].endswith(UNITS)))
        notes = [o.name for o in all_shown(frame, lambda o: o.getRole() == pyatspi.ROLE_NOTIFICATION)]
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
                "object:property-change:accessible-name", "object:state-changed:showing")
            problems = drive(app[0])
    print("\n".join(problems), file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
