#!/usr/bin/env bash
# Start-up of Ventil against an empty Qt Widgets window of the same size
# (bench_prazdne_okno), from process start to the first painted window.
#
# Both programs run unchanged on a private Xvfb, alternately, RUNS times each
# after a warm-up. The end of start-up is seen from outside, through the X
# DAMAGE extension: a small X client (first_paint, its C source below) creates
# a damage object on the root window, notes the top-level window the program
# maps and stops the clock at the first damage inside it. Qt's windows have
# no server-drawn background and Qt paints the whole widget tree into its
# backing store before sending it in one image, so that damage is the
# complete first frame. The same client forks the program and, once the frame
# is there, kills it and reaps it with wait4: CPU time (user + sys) and peak
# RSS are the kernel's accounting for the process up to that moment, the
# figures /usr/bin/time -f '%U %S %M' would print.
#
# Prints the medians and the ratios Ventil / empty window. With PROFILE=1 it
# also runs each program once under callgrind to the first frame (slow),
# prints the instructions spent in the main steps of start-up and keeps the
# profiles in $build/startup-callgrind/ for callgrind_annotate or kcachegrind.
#
# Usage: bench/startup.sh [RUNS]   (default 21; VENTIL_BUILD, default build/)
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-21}
build=${VENTIL_BUILD:-build}

packages=(xvfb gcc libx11-dev libxdamage-dev)
[ "${PROFILE:-0}" = 1 ] && packages+=(valgrind)
bash scripts/install-missing.sh "${packages[@]}"

cmake --build "$build" --target ventil bench_prazdne_okno >/dev/null
ventil=$build/form/ventil
prazdne=$build/bench/bench_prazdne_okno

tmp=$(mktemp -d)
xvfb=
cleanup() {
    [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null
    rm -rf "$tmp"
}
trap cleanup EXIT

# first_paint PROGRAM [ARG...]: runs the program, prints
# "wall_ms cpu_ms maxrss_kb" at its first painted window.
cc -O2 -o "$tmp/first_paint" -x c - -lXdamage -lX11 <<'EOF'
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double ms(const struct timespec *a, const struct timespec *b)
{
    return (b->tv_sec - a->tv_sec) * 1e3 + (b->tv_nsec - a->tv_nsec) / 1e6;
}

int main(int argc, char **argv)
{
    int damage_event, damage_error;
    Display *d = XOpenDisplay(NULL);
    if (argc < 2 || !d || !XDamageQueryExtension(d, &damage_event, &damage_error)) {
        fprintf(stderr, "first_paint: no display with DAMAGE, or no program\n");
        return 2;
    }
    Window root = DefaultRootWindow(d);
    XSelectInput(d, root, SubstructureNotifyMask);
    XDamageCreate(d, root, XDamageReportRawRectangles);
    XSync(d, False);

    struct timespec start, end;
    clock_gettime(CLOCK_MONOTONIC, &start);
    pid_t pid = fork();
    if (pid == 0) {
        execvp(argv[1], argv + 1);
        _exit(127);
    }

    // Drawing on the root window shows as damage there too; only damage
    // inside the program's window, after it is mapped, counts.
    int mapped = 0, painted = 0, x = 0, y = 0, w = 0, h = 0;
    while (!painted) {
        if (!XPending(d)) {
            struct pollfd p = {ConnectionNumber(d), POLLIN, 0};
            if (poll(&p, 1, 100) == 0) {
                if (waitpid(pid, NULL, WNOHANG) == pid) {
                    fprintf(stderr, "first_paint: %s ended before painting\n", argv[1]);
                    return 1;
                }
                continue;
            }
        }
        XEvent e;
        XNextEvent(d, &e);
        if (e.type == MapNotify && e.xmap.event == root && !mapped) {
            XWindowAttributes a;
            if (XGetWindowAttributes(d, e.xmap.window, &a)) {
                mapped = 1;
                x = a.x, y = a.y, w = a.width, h = a.height;
            }
        } else if (e.type == damage_event + XDamageNotify && mapped) {
            const XRectangle *r = &((XDamageNotifyEvent *)&e)->area;
            painted = r->x < x + w && x < r->x + r->width && r->y < y + h && y < r->y + r->height;
        }
    }
    clock_gettime(CLOCK_MONOTONIC, &end);

    // SIGTERM, not SIGKILL: the program dies at once either way, but a
    // profiler it runs under still writes its results.
    kill(pid, SIGTERM);
    int status;
    struct rusage ru;
    wait4(pid, &status, 0, &ru);
    printf("%.2f %.2f %ld\n", ms(&start, &end),
           ru.ru_utime.tv_sec * 1e3 + ru.ru_utime.tv_usec / 1e3 + ru.ru_stime.tv_sec * 1e3 +
               ru.ru_stime.tv_usec / 1e3,
           ru.ru_maxrss);
    return 0;
}
EOF

Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$tmp/display" >/dev/null 2>&1 &
xvfb=$!
for _ in $(seq 200); do [ -s "$tmp/display" ] && break; sleep 0.05; done
[ -s "$tmp/display" ] || { echo "Xvfb did not start" >&2; exit 1; }

# A bare environment: no desktop session, theme plugin or session bus that
# would weigh on both programs and vary from one machine to the next.
run() {
    env -i HOME="$HOME" PATH="$PATH" LANG="${LANG:-C.UTF-8}" DISPLAY=":$(cat "$tmp/display")" \
        XDG_RUNTIME_DIR="$tmp" QT_QPA_PLATFORM=xcb "$tmp/first_paint" "$@"
}

# Warm the page cache and fontconfig's caches, then alternate.
for _ in 1 2; do
    run "$ventil" >/dev/null
    run "$prazdne" >/dev/null
done
for _ in $(seq "$runs"); do
    run "$ventil" >>"$tmp/ventil.txt"
    run "$prazdne" >>"$tmp/prazdne.txt"
done

median() { # column file
    cut -d' ' -f"$1" "$2" | sort -g | awk '{v[NR] = $1} END {print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2}'
}
echo "Medians of $runs runs each, to the first painted window:"
printf '%-14s %10s %10s %12s\n' "" "wall ms" "CPU ms" "max RSS kB"
for p in ventil prazdne; do
    printf '%-14s %10s %10s %12s\n' "$p" "$(median 1 "$tmp/$p.txt")" "$(median 2 "$tmp/$p.txt")" \
        "$(median 3 "$tmp/$p.txt")"
done
ratio() { # column
    awk -v a="$(median "$1" "$tmp/ventil.txt")" -v b="$(median "$1" "$tmp/prazdne.txt")" 'BEGIN {printf "%.2f", a / b}'
}
printf '%-14s %10s %10s %12s\n' "ratio" "$(ratio 1)" "$(ratio 2)" "$(ratio 3)"

if [ "${PROFILE:-0}" = 1 ]; then
    # Instruction counts repeat where times do not. The steps below are the
    # ones start-up goes through; each figure includes what the step calls.
    kroky='PROGRAM TOTALS|rtld.c:_dl_start |dl-open.c:_dl_open |QApplication::QApplication\(|Ventil::Ventil\(|'
    kroky+='addApplicationFont|FcInitLoadConfigAndFonts |ensureFontDatabase|engineForScript|QIcon::addFile|'
    kroky+='QImageReader::read\(\)|VytvorOvladace|paintAndFlush|QTextEngine::shapeText\(|QFontEngineFT::loadGlyph\('
    mkdir -p "$build/startup-callgrind"
    for p in "$ventil" "$prazdne"; do
        out=$build/startup-callgrind/callgrind.out.$(basename "$p")
        run valgrind --tool=callgrind --callgrind-out-file="$out" "$p" >/dev/null 2>&1
        echo
        echo "$(basename "$p"): instructions to the first frame ($out)"
        callgrind_annotate --inclusive=yes --threshold=100 "$out" | grep -E "$kroky" |
            sed -E 's/ *\[[^]]*\]$//; s/\?\?\?://; s/[^ ]*\.[ch]://; s/\([^%]*\)( const)?$//'
    done
fi
