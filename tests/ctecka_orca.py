#!/usr/bin/python3
"""What the real Orca speaks for the real Ventil, Czech settings, driven from
the keyboard alone, as written down by speech-dispatcher's one output module
in place of a synthesizer. Usage: dbus-run-session -- ctecka_orca.py VENTIL
LOCPATH"""
import os
import re
import sys
import time

from realne_okno import Okno, cekej as wait, sbernice_atspi, spust, vysledek, xdotool, xvfb

KVS = "Průtočný součinitel kvs "


def heard_as(text):
    """A pattern for text as heard: a symbol may be spoken as words (m3/h as
    m3, a word, h), a comma split off, a space doubled."""
    parts = []
    for c in text:
        if c.isspace():
            parts.append(r"\s+")
        elif c == ",":
            parts.append(r"\s*,")
        elif c.isalnum():
            parts.append(re.escape(c))
        else:
            parts.append(r"[^\d|]*?")
    return "".join(parts)


def on_focus(name, value):
    """A field spoken by its name, then its whole value."""
    return heard_as(name) + r"[^\d|]*(?:\|\s*)?" + re.escape(value) + r"(?!\d)"


def whole(pattern):
    """The pattern as a whole utterance of those joined by " | "."""
    return r"(?:^|(?<=\| ))" + pattern + r"(?= \||$)"


def announced(text):
    """An utterance that is the text, after a word or two such as the role's
    name: nothing more, no other number before or after it."""
    return whole(r"[^\d|]*" + heard_as(text) + r"\.?")


# Keys pressed, in order, and what Orca speaks after them: the utterances
# looked for, in this order, each heard once. Tab goes through
# Spočítej, the checked medium, the shown fields, the checked method, Ukonči
# and, for steam, Suchost. REVIEW goes up the window line by line from the
# focus until it hears the row of v1 (shown for steam only) read whole, with
# its caption and unit once.
WATER = "Objemový tok 4,31 m3/h, " + KVS + "4,31 m3/h"
STEAM = ("Hmotnostní tok 144 kg/h, Měrný objem v1 1,091 m3/kg, Měrný objem v12 1,96 m3/kg, "
         + KVS + "7,13 m3/h")
REVIEW = ("review", None, [whole(heard_as("Měrný objem v1 1,091 m3/kg") + r"\.?")])
STEPS = [
    ("read title", ["Insert+KP_Enter"], [whole(r"Ventil\.?")]),
    ("Voda", ["Tab"], [r"Voda"]),
    ("Delta T", ["Tab"], [on_focus("Delta T, °K", "20")]),
    ("Výkon", ["Tab"], [on_focus("Výkon, kW", "100")]),
    ("Tlaková ztráta", ["Tab"], [on_focus("Tlaková ztráta na ventilu, kPa", "100")]),
    ("water compute", ["Tab", "Tab", "Tab", "Return"], [announced(WATER)]),
    ("Pára", ["Tab", "Down"], [r"Pára"]),
    ("Tlak páry", ["Tab", "Tab"], [on_focus("Tlak páry, kPa abs (max 2000)", "160")]),
    ("Suchost", ["Tab"] * 4, [on_focus("Suchost", "1")]),
    ("steam compute", ["Tab", "Return"], [announced(STEAM)]),
    REVIEW,
    ("refusal", ["Tab", "Tab", "0", "shift+Tab", "shift+Tab", "Return"],
     [announced("Zadej číslo > 0")]),
    ("Průtok", ["Tab"] * 5 + ["Right"], [r"Průtok"]),
    ("Hmotnostní tok", ["shift+Tab", "shift+Tab"], [on_focus("Hmotnostní tok, kg/h", "2")]),
]


def in_order(patterns, said):
    """Whether the patterns are found in what was said, each after the one
    before."""
    text, at = " | ".join(said), 0
    for pattern in patterns:
        found = re.compile(pattern).search(text, at)
        if not found:
            return False
        at = found.end()
    return True


def repeated(patterns, said):
    """The patterns heard more than once, and how often."""
    text = " | ".join(said)
    return [(p, n) for p in patterns if (n := len(re.findall(p, text))) > 1]


def speechd_config(home, out):
    """speech-dispatcher with the system's symbols, no sound, and one output
    module that appends each text it is given to out."""
    with open("/etc/speech-dispatcher/speechd.conf", encoding="utf-8") as f:
        symbols = "".join(line for line in f if line.startswith("Symbols"))
    for name, text in [
            ("speechd/speechd.conf", symbols + 'AddModule "zapis" "sd_generic" "zapis.conf"\n'
             'DefaultModule zapis\nDefaultLanguage "cs"\nAudioOutputMethod "libao"\n'),
            ("speechd/modules/zapis.conf", 'GenericExecuteSynth "printf \'%%s\\\\n\' '
             '\\\'$DATA\\\' >> %s"\nGenericLanguage "cs" "cs" "utf-8"\n'
             'AddVoice "cs" "MALE1" "cs"\n' % out),
            (".libao", "default_driver=null\n"),
            # Orca refuses to start while another Orca of this user runs, on
            # any display: it is asked about its own session only.
            ("bin/pgrep", '#!/bin/sh\nexec /usr/bin/pgrep -s 0 "$@"\n')]:
        os.makedirs(os.path.dirname(os.path.join(home, name)), exist_ok=True)
        with open(os.path.join(home, name), "w", encoding="utf-8") as f:
            f.write(text)
    os.chmod(os.path.join(home, "bin/pgrep"), 0o755)


def main():
    problems, log = [], []
    with xvfb() as env:
        home = env["HOME"]
        out, socket = os.path.join(home, "heard.txt"), os.path.join(home, "speechd.sock")
        speechd_config(home, out)
        env = dict(env, LC_ALL="cs_CZ.UTF-8", LANG="cs_CZ.UTF-8", LOCPATH=sys.argv[2],
                   SPEECHD_ADDRESS="unix_socket:" + socket,
                   PATH=os.path.join(home, "bin") + ":" + os.environ["PATH"])

        def heard():
            # speech-dispatcher 0.12 at times writes a typed key as bytes
            # that are no UTF-8.
            with open(out, encoding="utf-8", errors="replace") as f:
                return [line.strip() for line in f.read().split("\n")[:-1]]

        def xdo(*args):
            return xdotool(env, *args, check=False)

        def review(line):
            start = len(heard())
            for key in ["KP_Up"] + ["KP_Home"] * 9:  # this line, then each above
                before = len(heard())
                xdo("key", key)
                wait(lambda: len(heard()) > before, 20, "speech after %s in the review" % key)
                if any(re.fullmatch(line, said) for said in heard()[start:]):
                    return True
            return False

        def silent(seconds=0.5):
            """Once nothing more is heard for the seconds: what a step made
            Orca say is all in its step."""
            count, since = len(heard()), time.monotonic()
            while time.monotonic() - since < seconds:
                time.sleep(0.05)
                if len(heard()) != count:
                    count, since = len(heard()), time.monotonic()

        open(out, "w", encoding="utf-8").close()
        with sbernice_atspi(env) as env, \
             spust(["speech-dispatcher", "--run-single", "--timeout", "0",
                    "--socket-path", socket, "--config-dir", os.path.join(home, "speechd"),
                    "--log-dir", home], env):
            if not wait(lambda: os.path.exists(socket)):
                sys.exit("speech-dispatcher did not start")
            with spust(["orca", "--debug-file", os.path.join(home, "orca.log"),
                        "--user-prefs", os.path.join(home, "orca")], env):
                if not wait(heard, 60):
                    sys.exit("Orca said nothing")
                with spust([sys.argv[1]], env):
                    xdo("windowfocus", "--sync", Okno(env).id)
                    if not wait(lambda: "Spočítej" in " ".join(heard()), 30):
                        sys.exit("the focus was not spoken: %r" % heard())
                    # A first review, for which Orca looks at every control, hidden
                    # ones too.
                    start = len(heard())
                    xdo("key", "KP_Up")
                    wait(lambda: len(heard()) > start, 10, "speech for the first review")
                    silent()
                    for what, keys, patterns in STEPS:
                        start = len(heard())
                        if keys is None:
                            found = review(*patterns)
                        else:
                            xdo("key", "--delay", "100", *keys)
                            found = wait(lambda: in_order(patterns, heard()[start:]), 10)
                        silent()
                        said = heard()[start:]
                        if not found:
                            problems.append("%s: heard %r" % (what, said))
                        problems += ["%s: %r heard %d times in %r" % (what, p, n, said)
                                     for p, n in repeated(patterns, said)]
                        log.append((what, said))
            if problems:  # what Orca sent, before speech-dispatcher
                with open(os.path.join(home, "orca.log"), encoding="utf-8") as f:
                    problems += [line.strip() for line in f if "SPEECH OUTPUT" in line]
    for what, lines in log:
        print("%s: %s" % (what, " | ".join(lines)))
    return problems


if __name__ == "__main__":
    vysledek(main)
