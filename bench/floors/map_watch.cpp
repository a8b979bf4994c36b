// Starts a program and prints how many milliseconds pass until the X server
// maps its window with the given title, then ends the program. It listens
// to the server's own map notifications, so no polling blurs the figure.
// Exit status: 0 timed, 1 the window never came, 2 no display, 3 the program
// ended first (on a busy Xvfb a new client is now and then turned away, so
// the caller may simply try again).
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int GiveUpAfterMs = 30'000;
constexpr int ConnectAttempts = 20;
constexpr double NeverMapped = -1;
constexpr double EndedFirst = -2;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// A window may be gone by the time its name is asked for; Xlib's own
// handler would end the watcher for that.
int ignoreError(Display*, XErrorEvent*)
{
    return 0;
}

bool titleContains(Display* display, Window window, const char* wanted)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return false;
    const bool found = std::strstr(name, wanted) != nullptr;
    XFree(name);
    return found;
}

Display* openDisplay()
{
    for (int attempt = 0; attempt < ConnectAttempts; ++attempt) {
        if (Display* display = XOpenDisplay(nullptr))
            return display;
        usleep(50'000);
    }
    return nullptr;
}

// Waits for the wanted window; returns the time it was mapped, NeverMapped
// or EndedFirst.
double waitForMap(Display* display, const char* title, pid_t child, double started)
{
    const int fd = ConnectionNumber(display);
    while (nowMs() - started < GiveUpAfterMs) {
        if (!XPending(display)) {
            if (waitpid(child, nullptr, WNOHANG) == child)
                return EndedFirst;
            pollfd ready{fd, POLLIN, 0};
            poll(&ready, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && titleContains(display, event.xmap.window, title))
            return nowMs();
    }
    return NeverMapped;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE COMMAND [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = openDisplay();
    if (!display) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignoreError);
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double started = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        // The program's output would keep the caller's pipe open after the
        // watcher has gone.
        const int quiet = open("/dev/null", O_WRONLY);
        dup2(quiet, STDOUT_FILENO);
        dup2(quiet, STDERR_FILENO);
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const double mapped = waitForMap(display, argv[1], child, started);
    XCloseDisplay(display);
    if (mapped == EndedFirst) {
        std::fprintf(stderr, "map_watch: %s ended before its window appeared\n", argv[2]);
        return 3;
    }
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    if (mapped == NeverMapped) {
        std::fprintf(stderr, "map_watch: \"%s\" never appeared\n", argv[1]);
        return 1;
    }
    std::printf("%.2f\n", mapped - started);
    return 0;
}
