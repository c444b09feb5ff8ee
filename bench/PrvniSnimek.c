// The first-frame clock of bench/startup.py, which builds and runs it:
// PrvniSnimek PROGRAM [ARG...] starts the program and prints the wall time
// to its first painted window, its CPU time and its peak RSS.
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
        fprintf(stderr, "bench/startup.py: no display with DAMAGE, or no program\n");
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
                    fprintf(stderr, "bench/startup.py: %s ended before painting\n", argv[1]);
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
