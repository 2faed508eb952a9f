/* map_wait PROGRAM [ARG...]: starts PROGRAM and reports how long it took from
 * the exec to its first top-level window being mapped, and to the first
 * drawing into that window.
 *
 * Watches the root window (SubstructureNotifyMask) before the fork, so no
 * event can be missed; without a window manager a program's top-level
 * windows are the root's children. Every top-level window gets a Damage
 * object when it is created, long before it can be drawn into; the first
 * damage of the first window mapped is the first paint (Qt's windows have no
 * background of their own, so the server draws nothing into them at the
 * map). Prints one line on stdout, "PID MAP_MS PAINT_MS WINDOW MAP_CPU_MS
 * PAINT_CPU_MS", then stays until the program ends and exits with its
 * status. The CPU times are the program's own (all its threads, from the
 * scheduler) when each event arrived: unlike the elapsed times they hardly
 * depend on what else the machine is doing. The program's own stdout
 * goes to stderr so that the line stays alone.
 *
 * MAP_WAIT_TIMEOUT (seconds, default 30) bounds the wait; on a time-out or
 * when the program ends without a window, nothing is printed on stdout and
 * the exit status is 2. A window mapped but never drawn into within the time
 * gives PAINT_MS -1. */
#define _GNU_SOURCE
#include <X11/Xlib.h>
#include <X11/extensions/Xdamage.h>

#include <dirent.h>
#include <errno.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* CPU time of all threads of a process so far, from the scheduler. */
static double cpu_ms(pid_t pid)
{
    char path[64];
    snprintf(path, sizeof path, "/proc/%d/task", (int)pid);
    DIR* tasks = opendir(path);
    if (!tasks)
        return -1;
    unsigned long long total = 0;
    struct dirent* entry;
    while ((entry = readdir(tasks)) != NULL) {
        if (entry->d_name[0] == '.')
            continue;
        char file[128];
        snprintf(file, sizeof file, "/proc/%d/task/%s/schedstat", (int)pid, entry->d_name);
        FILE* f = fopen(file, "r");
        unsigned long long ns = 0;
        if (f) {
            if (fscanf(f, "%llu", &ns) == 1)
                total += ns;
            fclose(f);
        }
    }
    closedir(tasks);
    return total / 1e6;
}

/* A window may be gone before its Damage object is made: not our fault. */
static int ignore_errors(Display* display, XErrorEvent* error)
{
    (void)display;
    (void)error;
    return 0;
}

static int exit_status(int status)
{
    if (WIFEXITED(status))
        return WEXITSTATUS(status);
    if (WIFSIGNALED(status))
        return 128 + WTERMSIG(status);
    return 1;
}

int main(int argc, char** argv)
{
    if (argc < 2) {
        fprintf(stderr, "usage: map_wait PROGRAM [ARG...]\n");
        return 64;
    }
    const char* limit_text = getenv("MAP_WAIT_TIMEOUT");
    const double limit_ms = (limit_text && atof(limit_text) > 0 ? atof(limit_text) : 30.0) * 1e3;

    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_wait: cannot open the display\n");
        return 2;
    }
    int damage_events = 0, damage_errors = 0;
    if (!XDamageQueryExtension(display, &damage_events, &damage_errors)) {
        fprintf(stderr, "map_wait: the display has no DAMAGE extension\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);
    const int xfd = ConnectionNumber(display);
    fcntl(xfd, F_SETFD, FD_CLOEXEC);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid < 0) {
        perror("map_wait: fork");
        return 2;
    }
    if (pid == 0) {
        dup2(2, 1);
        execvp(argv[1], argv + 1);
        perror("map_wait: exec");
        _exit(127);
    }

    int status = 0;
    Window mapped = None;
    double map_ms = -1, map_cpu_ms = -1;
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == CreateNotify && event.xcreatewindow.parent == root &&
                !event.xcreatewindow.override_redirect) {
                XDamageCreate(display, event.xcreatewindow.window, XDamageReportNonEmpty);
                XFlush(display);
            } else if (event.type == MapNotify && mapped == None && event.xmap.event == root &&
                       !event.xmap.override_redirect) {
                map_ms = now_ms() - start;
                map_cpu_ms = cpu_ms(pid);
                mapped = event.xmap.window;
            } else if (event.type == damage_events + XDamageNotify && mapped != None &&
                       ((XDamageNotifyEvent*)&event)->drawable == mapped) {
                const double paint_ms = now_ms() - start;
                const double paint_cpu_ms = cpu_ms(pid);
                printf("%d %.3f %.3f 0x%lx %.3f %.3f\n", (int)pid, map_ms, paint_ms, (unsigned long)mapped,
                       map_cpu_ms, paint_cpu_ms);
                fflush(stdout);
                XCloseDisplay(display);
                while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
                }
                return exit_status(status);
            }
        }
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "map_wait: %s ended without mapping a window (status %d)\n", argv[1],
                    exit_status(status));
            return 2;
        }
        if (now_ms() - start > limit_ms && mapped != None) {
            printf("%d %.3f -1 0x%lx %.3f -1\n", (int)pid, map_ms, (unsigned long)mapped, map_cpu_ms);
            fflush(stdout);
            XCloseDisplay(display);
            while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
            }
            return exit_status(status);
        }
        if (now_ms() - start > limit_ms) {
            fprintf(stderr, "map_wait: no window from %s within %.0f s\n", argv[1], limit_ms / 1e3);
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return 2;
        }
        struct pollfd p = {xfd, POLLIN, 0};
        poll(&p, 1, 20);
    }
}
