#!/usr/bin/python3
"""Start-up of ventil.exe under Wine against an empty Win32 window of the
same client area (bench_prazdne_okno_win32), from process start to the
first mapped window, and ventil.exe's size.

Both run in turn on a private Xvfb with one Wine prefix kept warm by a
persistent wineserver, RUNS times each after a warm-up. The first painted
window is seen from the X side, as bench/startup.py sees it for Linux:
bench/PrvniSnimek.c forks the program, notes the top-level window it maps
and stops the clock at the first damage inside it (X DAMAGE extension).
Prints the medians and the ratio; it never fails on a time.

Usage: bench/win32/startup.py [RUNS]   (default 11; VENTIL_WINDOWS_TESTS_BUILD,
default build-windows-tests/, a cross build with the tests)"""
import os
import statistics
import subprocess
import sys
import tempfile
import time

os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", ".."))
sys.dont_write_bytecode = True  # no __pycache__ in the tree
sys.path.insert(0, "tests")
from realne_okno import xvfb  # noqa: E402

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 11
build = os.environ.get("VENTIL_WINDOWS_TESTS_BUILD", "build-windows-tests")
if not os.path.isfile(os.path.join(build, "build.ninja")):
    sys.exit("startup.py: no cross build with the tests in %s (scripts/test-windows.sh makes it)"
             % build)

subprocess.run(["bash", "scripts/install-missing.sh", "xvfb", "xdotool", "wine64"], check=True)
subprocess.run(["cmake", "--build", build, "--target", "ventil", "bench_prazdne_okno_win32"],
               check=True, stdout=subprocess.DEVNULL)


def program_wine(name):
    """Wine's program name, where scripts/common.sh finds it."""
    return subprocess.run(["bash", "-c", '. scripts/common.sh && program_wine "$1"', "-", name],
                          check=True, capture_output=True, text=True).stdout.strip()


wine, wineserver = program_wine("wine64"), program_wine("wineserver")
# Where Windows.cmake puts ventil.exe, and bench/win32/ its baseline.
PROGRAMS = {"empty window": os.path.join(build, "bench", "win32", "bench_prazdne_okno_win32.exe"),
            "Ventil": os.path.join(build, "ventil.exe")}

with tempfile.TemporaryDirectory() as tmp, xvfb() as env:
    bare = {k: env[k] for k in ("HOME", "DISPLAY", "XDG_RUNTIME_DIR")}
    bare.update(PATH=os.environ["PATH"], LANG=os.environ.get("LANG", "C.UTF-8"),
                WINEPREFIX=tmp + "/wine", WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    subprocess.run([wine, "wineboot", "-i"], env=bare, check=True, capture_output=True)
    server = subprocess.Popen([wineserver, "-f", "-p"], env=bare)
    try:
        def run(exe):
            """wall ms to the first visible window"""
            start = time.monotonic()
            program = subprocess.Popen([wine, exe], env=bare)
            subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--name", "^Ventil$"],
                           env=bare, check=True, capture_output=True, timeout=60)
            end = time.monotonic()
            program.kill()
            program.wait()
            return [(end - start) * 1e3]

        for _ in range(2):
            for exe in PROGRAMS.values():
                run(exe)
        figures = {name: [] for name in PROGRAMS}
        for _ in range(runs):
            for name, exe in PROGRAMS.items():
                figures[name].append(run(exe))
    finally:
        subprocess.run([wineserver, "-k"], env=bare)
        server.wait(timeout=30)
    medians = {name: [statistics.median(c) for c in zip(*f)] for name, f in figures.items()}

print("ventil.exe: %d bytes" % os.path.getsize(PROGRAMS["Ventil"]))
print("Medians of %d runs each under Wine, to the first visible window:" % runs)
for name, m in medians.items():
    print("%-22s %10.2f ms" % (name, m[0]))
print("%-22s %10.2f" % ("Ventil / empty window", medians["Ventil"][0] / medians["empty window"][0]))
