#!/usr/bin/python3
"""Start-up of Ventil against two windows of the same size, an empty one and
one that shows a single label (bench_prazdne_okno [popisek]), from process
start to the first painted window. The empty window never starts the font
machinery; the label is the floor of any window that shows text.

The three run unchanged on the tests' private Xvfb (tests/realne_okno.py),
in turn, RUNS times each after a warm-up. The end of start-up is seen from
outside, through the X DAMAGE extension: a small X client (PrvniSnimek.c)
creates a damage object on the root window, notes the top-level window the
program maps and stops the clock at the first damage inside it. Qt's windows
have no server-drawn background and Qt paints the whole widget tree into its
backing store before sending it in one image, so that damage is the
complete first frame. The same client forks the program and, once the frame
is there, kills it and reaps it with wait4: CPU time (user + sys) and peak
RSS are the kernel's accounting for the process up to that moment, the
figures /usr/bin/time -f '%U %S %M' would print.

Prints the medians and Ventil's ratios to both baselines. With PROFILE=1 it
also runs each program once under callgrind to the first frame (slow),
prints the instructions spent in the main steps of start-up and keeps the
profiles in $build/startup-callgrind/ for callgrind_annotate or kcachegrind.

Usage: bench/startup.py [RUNS]   (default 21; VENTIL_BUILD, default build/)"""
import os
import re
import statistics
import subprocess
import sys
import tempfile

os.chdir(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
sys.dont_write_bytecode = True  # no __pycache__ in the tree
sys.path.insert(0, "tests")
from realne_okno import xvfb  # noqa: E402

runs = int(sys.argv[1]) if len(sys.argv) > 1 else 21
build = os.environ.get("VENTIL_BUILD", "build")
profile = os.environ.get("PROFILE") == "1"
PROGRAMS = {"empty window": [build + "/bench/bench_prazdne_okno"],
            "one label": [build + "/bench/bench_prazdne_okno", "popisek"],
            "Ventil": [build + "/form/qt/ventil"]}
# The steps start-up goes through; each figure includes what the step calls.
# Instruction counts repeat where times do not.
STEPS = re.compile(r"PROGRAM TOTALS|rtld.c:_dl_start |dl-open.c:_dl_open |QApplication::QApplication\(|"
                   r"Ventil::Ventil\(|addApplicationFont|FcInitLoadConfigAndFonts |ensureFontDatabase|"
                   r"engineForScript|QIcon::addFile|QImageReader::read\(\)|VytvorOvladace|paintAndFlush|"
                   r"QTextEngine::shapeText\(|QFontEngineFT::loadGlyph\(")

subprocess.run(["bash", "scripts/install-missing.sh", "xvfb", "gcc", "libx11-dev", "libxdamage-dev"]
               + (["valgrind"] if profile else []), check=True)
subprocess.run(["cmake", "--build", build, "--target", "ventil", "bench_prazdne_okno"], check=True,
               stdout=subprocess.DEVNULL)

with tempfile.TemporaryDirectory() as tmp, xvfb() as env:
    prvni_snimek = tmp + "/prvni_snimek"
    subprocess.run(["cc", "-O2", "-o", prvni_snimek, "bench/PrvniSnimek.c", "-lXdamage", "-lX11"],
                   check=True)
    # A bare environment: no desktop session, theme plugin or session bus that
    # would weigh on the programs and vary from one machine to the next.
    bare = {k: env[k] for k in ("HOME", "DISPLAY", "XDG_RUNTIME_DIR")}
    bare.update(PATH=os.environ["PATH"], LANG=os.environ.get("LANG", "C.UTF-8"),
                QT_QPA_PLATFORM="xcb")

    def run(*cmd):
        """wall ms, CPU ms, max RSS kB to the first painted window"""
        return [float(v) for v in subprocess.run([prvni_snimek, *cmd], env=bare, check=True,
                                                 capture_output=True, text=True).stdout.split()]

    # Warm the page cache and fontconfig's caches, then take turns.
    for _ in range(2):
        for cmd in PROGRAMS.values():
            run(*cmd)
    figures = {name: [] for name in PROGRAMS}
    for _ in range(runs):
        for name, cmd in PROGRAMS.items():
            figures[name].append(run(*cmd))
    medians = {name: [statistics.median(c) for c in zip(*f)] for name, f in figures.items()}

    print("Medians of %d runs each, to the first painted window:" % runs)
    print("%-22s %10s %10s %12s" % ("", "wall ms", "CPU ms", "max RSS kB"))
    for name, m in medians.items():
        print("%-22s %10.2f %10.2f %12d" % (name, *m))
    for base in ("empty window", "one label"):
        print("%-22s %10.2f %10.2f %12.2f" % (("Ventil / " + base,) + tuple(
            v / b for v, b in zip(medians["Ventil"], medians[base]))))

    if profile:
        os.makedirs(build + "/startup-callgrind", exist_ok=True)
        for name, cmd in PROGRAMS.items():
            out = "%s/startup-callgrind/callgrind.out.%s" % (build, "-".join(
                os.path.basename(c) for c in cmd))
            run("valgrind", "--tool=callgrind", "--callgrind-out-file=" + out, *cmd)
            print("\n%s: instructions to the first frame (%s)" % (name, out))
            for line in subprocess.run(["callgrind_annotate", "--inclusive=yes", "--threshold=100",
                                        out], check=True, capture_output=True,
                                       text=True).stdout.splitlines():
                if STEPS.search(line):
                    line = re.sub(r" *\[[^]]*\]$", "", line).replace("???:", "")
                    print(re.sub(r"\([^%]*\)( const)?$", "", re.sub(r"[^ ]*\.[ch]:", "", line)))
