#!/usr/bin/python3
"""Drives the running Ventil through the AT-SPI bus alone, as a screen
reader does: options by their Toggle action, "Spočítej" by its Press action,
results, the message line and the events that announce them read back from
the bus. Exit status 1 on any difference.

    sbernice_atspi.py DECIMAL_SEPARATOR
"""
import sys
import time

import pyatspi
from gi.repository import GLib

SEP = sys.argv[1] if len(sys.argv) > 1 else ","
UNITS = (", m3/h", ", kg/h", ", m3/kg")  # output fields are named caption, unit[: result]
KVS = "Průtočný součinitel kvs, m3/h"
MSG = "Zadej číslo > 0"

# medium, method, typed power, then every result field shown (name as
# spoken) and the message line; "," stands for the locale's separator.
CASES = [
    ("Voda", "Výkon", "100", ["Objemový tok, m3/h: 4,31", KVS + ": 4,31"], ""),
    ("Pára", "Výkon", "100",
     ["Hmotnostní tok, kg/h: 144", "Měrný objem v1, m3/kg: 1,091", "Měrný objem v2, m3/kg",
      "Měrný objem v12, m3/kg: 1,96", KVS + ": 7,13"], ""),
    ("Kondenzát", "Výkon", "100", ["Objemový tok, m3/h: 0,14", KVS + ": 0,14"], ""),
    ("Kondenzát", "Průtok", "100", ["Objemový tok, m3/h: 2", KVS + ": 2"], ""),
    ("Pára", "Průtok", "100",
     ["Hmotnostní tok, kg/h: 2", "Měrný objem v1, m3/kg: 1,091", "Měrný objem v2, m3/kg",
      "Měrný objem v12, m3/kg: 1,96", KVS + ": 0,1"], ""),
    ("Voda", "Průtok", "100", ["Objemový tok, m3/h: 2", KVS + ": 2"], ""),
    # Refused: the results stay, the message appears.
    ("Voda", "Výkon", "0", ["Objemový tok, m3/h: 2", KVS + ": 2"], MSG),
]

events = []


def listen(event):
    try:
        events.append((event.type, event.source.getRoleName(), event.source.name, event.detail1))
    except Exception:  # the source may be gone
        pass


def spoken(result):
    caption, colon, value = result.partition(": ")
    return caption + colon + value.replace(",", SEP)


def pump(until, seconds=10.0):
    """Runs the event loop until until() holds or the time is up."""
    ctx = GLib.MainContext.default()
    end = time.monotonic() + seconds
    while time.monotonic() < end:
        while ctx.iteration(False):
            pass
        if until():
            return True
        time.sleep(0.02)
    return False


def find_app():
    for _ in range(300):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "ventil" and app.childCount:
                return app
        time.sleep(0.1)
    sys.exit("ventil did not appear on the accessibility bus")


def showing(obj):
    return obj.getState().contains(pyatspi.STATE_SHOWING)


def find(app, role, name):
    found = pyatspi.findAllDescendants(
        app, lambda o: o.getRoleName() == role and o.name == name and showing(o))
    if len(found) != 1:
        sys.exit("%d shown %s %r" % (len(found), role, name))
    return found[0]


def act(obj, action):
    a = obj.queryAction()
    names = [a.getName(i) for i in range(a.nActions)]
    if action not in names:
        sys.exit("%s %r offers %r, not %s" % (obj.getRoleName(), obj.name, names, action))
    a.doAction(names.index(action))


def main():
    app = find_app()
    for kind in ("object:property-change:accessible-name", "object:state-changed:showing"):
        pyatspi.Registry.registerEventListener(listen, kind)
    frame = app[0]
    problems = []
    for medium, method, power, results, message in CASES:
        case = "%s, %s, %s" % (medium, method, power)
        act(find(app, "radio button", medium), "Toggle")
        act(find(pyatspi.findDescendant(frame, lambda o: o.name == "Způsob výpočtu"),
                 "radio button", method), "Toggle")
        field = pyatspi.findDescendant(
            frame, lambda o: o.getRoleName() == "text" and o.name == "Výkon, kW")
        field.queryEditableText().setTextContents(power)
        del events[:]
        act(find(app, "push button", "Spočítej"), "Press")

        # A screen reader hears the new result announced, or the message shown.
        kvs = spoken(next(r for r in results if r.startswith(KVS)))
        if message:
            heard = lambda: ("object:state-changed:showing", "notification", message, 1) in events
        else:
            heard = lambda: any(e[0].endswith("accessible-name") and e[2] == kvs for e in events)
        if not pump(heard):
            problems.append("%s: %r not announced on the bus, got %r" % (case, message or kvs,
                                                                          events))

        want = sorted(map(spoken, results))
        got = sorted(o.name for o in pyatspi.findAllDescendants(
            frame, lambda o: o.getRoleName() == "label" and o.name.split(":")[0].endswith(UNITS)
            and showing(o)))
        if got != want:
            problems.append("%s: results %r, want %r" % (case, got, want))
        notes = [o.name for o in pyatspi.findAllDescendants(
            frame, lambda o: o.getRoleName() == "notification")]
        if notes != [message]:
            problems.append("%s: message line %r, want %r" % (case, notes, message))
        print("%s: %s | %r" % (case, "; ".join(got), notes[0] if notes else None))

    for role, name in (("image", "Ventil"), ("image", "regulační ventil")):
        find(app, role, name)
    for p in problems:
        print(p, file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
