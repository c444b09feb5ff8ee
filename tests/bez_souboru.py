#!/usr/bin/python3
"""Runs the real program as a user would, on an X server of its own and under
strace: a compute with the start texts, one with a number out of range typed
into "Výkon", then "Ukonči". Fails when the program (or anything it starts)
opens a file for writing outside /dev and /proc, creates, renames or removes
one, opens a socket that is not the connection to the X server, starts
another program, leaves anything in its home or runtime directory, or does
not end with status 0.

The program takes no command line, so it is started with Qt's generic
options for a style sheet and a mirrored layout: it must not open that
file, and the window must look as designed (a pixel of it is checked).

Usage: bez_souboru.py VENTIL SOURCE_DIR"""
import glob
import os
import re
import subprocess
import sys
import tempfile

from realne_okno import Okno, ovladace, spust, vysledek, xvfb

CALLS = ("open,openat,openat2,creat,mkdir,mkdirat,rename,renameat,renameat2,unlink,unlinkat,rmdir,"
         "link,linkat,symlink,symlinkat,socket,connect,bind,execve,execveat")


def drive(cmd, env, xenv):
    """Runs cmd in env and clicks through its window on the X server of
    xenv; the problems seen."""
    with spust(cmd, env) as p:
        okno = Okno(xenv, ovladace(sys.argv[2]))
        # The dot of the chosen "Voda" sits left of its text; mirrored, it
        # would be on the right and this pixel the window's grey.
        left, top, _, h = okno.ovladace["TMedium1"]
        bod = left + 5, top + h // 2
        tecka = okno.vykresleno().getpixel(bod)
        if tecka != (0, 0, 0):
            return ["the window is mirrored: pixel %d,%d is %s, not the black dot of \"Voda\""
                    % (*bod, tecka)]
        okno.klikni("TPocitej")
        okno.ukazuje("Tkvs")
        okno.napis("TVykon", "1e999")
        okno.klikni("TPocitej")
        okno.ukazuje("THlaska")
        okno.klikni("TKonec")
        try:
            status = p.wait(timeout=60)
        except subprocess.TimeoutExpired:
            return ["still running 60 s after \"Ukonči\""]
        return [] if status == 0 else ["exit status %d" % status]


def traced(lines, program, styl, x11):
    """The system calls that break the rules, from every process's log."""
    for line in lines:
        if line.startswith(("+++", "---")):  # exits and signals
            continue
        call = line.split("(", 1)[0]
        path = re.search(r'"([^"]*)"', line)
        path = path.group(1) if path else ""
        if call == "execve":
            if path != program:
                yield line
            program = None  # the program's own, once
        elif styl in line:
            yield "the style sheet named on the command line was opened: " + line
        elif call in ("open", "openat", "openat2"):
            if re.search("O_WRONLY|O_RDWR|O_CREAT|O_TRUNC", line) and \
                    not path.startswith(("/dev/", "/proc/")):
                yield line
        elif call.startswith("mkdir") and " = -1 EEXIST" in line:
            continue  # Qt makes sure the runtime directory exists; it does
        elif call == "socket" and "AF_UNIX" in line:
            continue
        # The X server, the windowing system itself, is the one peer allowed.
        elif call == "connect" and re.search(r'sun_path=@?"%s"' % re.escape(x11), line):
            continue
        else:
            yield line


def main():
    program = os.path.realpath(sys.argv[1])
    with xvfb() as env, tempfile.TemporaryDirectory() as prac:
        styl = os.path.join(prac, "styl.qss")
        with open(styl, "w") as f:
            f.write("* { background: red; }\n")
        # A clean environment as a login session has it: an empty home and
        # runtime directory of the user's own, nothing else set. Sanitizer
        # settings pass through; LeakSanitizer cannot run under ptrace.
        asan = os.environ.get("ASAN_OPTIONS")
        clean = {
            "PATH": "/usr/bin:/bin", "HOME": env["HOME"], "XDG_RUNTIME_DIR": env["XDG_RUNTIME_DIR"],
            "LANG": "C.UTF-8", "DISPLAY": env["DISPLAY"], "QT_QPA_PLATFORM": "xcb",
            "UBSAN_OPTIONS": os.environ.get("UBSAN_OPTIONS", ""),
            "ASAN_OPTIONS": (asan + ":" if asan else "") + "detect_leaks=0"}
        cmd = ["strace", "-ff", "-qq", "-o", prac + "/s", "-e", "trace=" + CALLS,
               program, "-stylesheet", styl, "-reverse"]
        try:
            problems = drive(cmd, clean, env)
        except TimeoutError as e:
            problems = [str(e)]
        lines = []
        for log in sorted(glob.glob(prac + "/s.*")):
            with open(log, errors="replace") as f:
                lines += f.read().splitlines()
        problems += traced(lines, program, styl, "/tmp/.X11-unix/X" + env["DISPLAY"][1:])
        for d in ("HOME", "XDG_RUNTIME_DIR"):
            problems += ["left in %s: %s" % (d, n) for n in os.listdir(env[d])]
    return problems


if __name__ == "__main__":
    vysledek(main, "no file written, no socket but the X server's, exit status 0")
