/* Starts a program and reports, from the X server's own map events, how long
 * it took from exec to its first top-level window being mapped; then closes
 * that window as a close box would (WM_DELETE_WINDOW) and reports the peak
 * resident memory that /usr/bin/time measured. Prints "<ms> <kB>". */
#define _POSIX_C_SOURCE 200809L
#include <X11/Xlib.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void)
{
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

int main(int argc, char **argv)
{
    if (argc < 3) {
        fprintf(stderr, "usage: map_timer RSS_FILE PROGRAM [ARGS...]\n");
        return 2;
    }
    Display *display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "map_timer: no X display\n");
        return 2;
    }
    Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XSync(display, False);

    const double start = now_ms();
    pid_t child = fork();
    if (child == 0) {
        char **args = calloc((size_t)argc + 4, sizeof *args);
        args[0] = "/usr/bin/time";
        args[1] = "-f";
        args[2] = "%M";
        args[3] = "-o";
        args[4] = argv[1];
        for (int i = 2; i < argc; ++i)
            args[i + 3] = argv[i];
        execv(args[0], args);
        _exit(127);
    }

    alarm(60); /* a program that never maps a window must not hang the bench */
    Window mapped = 0;
    double mappedAt = 0;
    while (!mapped) {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && !event.xmap.override_redirect) {
            mappedAt = now_ms();
            mapped = event.xmap.window;
        }
    }

    XEvent close;
    memset(&close, 0, sizeof close);
    close.xclient.type = ClientMessage;
    close.xclient.window = mapped;
    close.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    close.xclient.format = 32;
    close.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    close.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, mapped, False, NoEventMask, &close);
    XFlush(display);

    int status = 0;
    waitpid(child, &status, 0);
    FILE *rss = fopen(argv[1], "r");
    long kb = -1;
    if (rss) {
        if (fscanf(rss, "%ld", &kb) != 1)
            kb = -1;
        fclose(rss);
    }
    printf("%.2f %ld\n", mappedAt - start, kb);
    XCloseDisplay(display);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? 0 : 1;
}
