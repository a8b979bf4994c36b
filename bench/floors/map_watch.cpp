// Starts a program and prints how many milliseconds pass until the X server
// maps its window with the given title, then ends the program. It listens
// to the server's own map notifications, so no polling blurs the figure.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

namespace {

constexpr int GiveUpAfterMs = 30'000;

double nowMs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
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

// Waits for the wanted window; returns the time it was mapped, or a
// negative number when it never came.
double waitForMap(Display* display, const char* title, double started)
{
    const int fd = ConnectionNumber(display);
    while (nowMs() - started < GiveUpAfterMs) {
        if (!XPending(display)) {
            pollfd ready{fd, POLLIN, 0};
            poll(&ready, 1, 100);
            continue;
        }
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == MapNotify && titleContains(display, event.xmap.window, title))
            return nowMs();
    }
    return -1;
}

}  // namespace

int main(int argc, char* argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s TITLE COMMAND [ARGUMENT...]\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "map_watch: no X display\n");
        return 2;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, False);

    const double started = nowMs();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[2], argv + 2);
        _exit(127);
    }
    const double mapped = waitForMap(display, argv[1], started);
    kill(child, SIGTERM);
    waitpid(child, nullptr, 0);
    XCloseDisplay(display);
    if (mapped < 0) {
        std::fprintf(stderr, "map_watch: \"%s\" never appeared\n", argv[1]);
        return 1;
    }
    std::printf("%.2f\n", mapped - started);
    return 0;
}
