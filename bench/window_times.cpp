// Starts a program under the X display in $DISPLAY and prints how long its
// window took to appear: "mapped MS painted MS", both from the launch. Mapped
// is the first top-level window of at least 64x64 pixels being mapped; painted
// is the first drawing inside it after that which is not one plain colour (the
// server's own background fill does not count). The program is then ended.
// Seen from outside, the same way for any program, through the DAMAGE
// extension on the root window, so no wait or poll of our own adds to it.
// Usage: window_times [--timeout SECONDS] PROGRAM [ARGS...]
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

using Clock = std::chrono::steady_clock;

double MillisecondsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// True when the rectangle of the screen holds more than one colour.
bool HasDrawing(Display* display, Window root, int x, int y, int width, int height) {
    XImage* image = XGetImage(display, root, x, y, static_cast<unsigned>(width),
                              static_cast<unsigned>(height), AllPlanes, ZPixmap);
    if (!image) return false;
    const unsigned long first = XGetPixel(image, 0, 0);
    bool drawn = false;
    for (int row = 0; row < height && !drawn; ++row)
        for (int column = 0; column < width && !drawn; ++column)
            drawn = XGetPixel(image, column, row) != first;
    XDestroyImage(image);
    return drawn;
}

struct Rect {
    int x = 0, y = 0, width = 0, height = 0;
};

// The part of `a` inside `b`; empty (width 0) when they do not meet.
Rect Intersect(const Rect& a, const Rect& b) {
    Rect r;
    r.x = std::max(a.x, b.x);
    r.y = std::max(a.y, b.y);
    const int right = std::min(a.x + a.width, b.x + b.width);
    const int bottom = std::min(a.y + a.height, b.y + b.height);
    if (right <= r.x || bottom <= r.y) return Rect{};
    r.width = right - r.x;
    r.height = bottom - r.y;
    return r;
}

} // namespace

int main(int argc, char** argv) {
    int first = 1;
    double timeoutSeconds = 30;
    if (argc > 2 && std::strcmp(argv[1], "--timeout") == 0) {
        timeoutSeconds = std::atof(argv[2]);
        first = 3;
    }
    if (first >= argc) {
        std::fprintf(stderr, "usage: window_times [--timeout SECONDS] PROGRAM [ARGS...]\n");
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "window_times: cannot open the display\n");
        return 1;
    }
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(display, &damageEvent, &damageError)) {
        std::fprintf(stderr, "window_times: the display has no DAMAGE extension\n");
        return 1;
    }
    const Window root = DefaultRootWindow(display);
    XSelectInput(display, root, SubstructureNotifyMask);
    XDamageCreate(display, root, XDamageReportRawRectangles);
    XSync(display, False);
    // What was drawn before the launch is not the program's.
    while (XPending(display)) {
        XEvent e;
        XNextEvent(display, &e);
    }

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("window_times: fork");
        return 1;
    }
    if (child == 0) {
        close(ConnectionNumber(display));
        execvp(argv[first], argv + first);
        std::fprintf(stderr, "window_times: cannot run %s: %s\n", argv[first],
                     std::strerror(errno));
        _exit(127);
    }

    double mapped = -1, painted = -1;
    Window window = 0;
    Rect area;
    int status = 0;
    bool ended = false;
    while (painted < 0 && MillisecondsSince(start) < timeoutSeconds * 1000) {
        if (waitpid(child, &status, WNOHANG) == child) {
            ended = true;
            break;
        }
        while (painted < 0 && XPending(display)) {
            XEvent e;
            XNextEvent(display, &e);
            if (e.type == MapNotify && window == 0 && !e.xmap.override_redirect) {
                const double at = MillisecondsSince(start);
                XWindowAttributes a;
                if (!XGetWindowAttributes(display, e.xmap.window, &a)) continue;
                if (a.width < 64 || a.height < 64) continue;
                window = e.xmap.window;
                mapped = at;
                area = Rect{a.x, a.y, a.width, a.height};
            } else if (e.type == ConfigureNotify && e.xconfigure.window == window) {
                area =
                    Rect{e.xconfigure.x, e.xconfigure.y, e.xconfigure.width, e.xconfigure.height};
            } else if (e.type == damageEvent + XDamageNotify && window != 0) {
                const double at = MillisecondsSince(start);
                const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(e);
                const Rect drawn =
                    Intersect(Rect{d.area.x, d.area.y, d.area.width, d.area.height}, area);
                if (drawn.width > 0 &&
                    HasDrawing(display, root, drawn.x, drawn.y, drawn.width, drawn.height))
                    painted = at;
            }
        }
        if (painted >= 0) break;
        pollfd p{ConnectionNumber(display), POLLIN, 0};
        poll(&p, 1, 20);
    }
    if (!ended) {
        kill(child, SIGTERM);
        waitpid(child, &status, 0);
    }
    if (painted < 0) {
        std::fprintf(stderr, "window_times: %s\n",
                     ended        ? "the program ended before its window was painted"
                     : mapped < 0 ? "no window was mapped in time"
                                  : "the window was not painted in time");
        return 1;
    }
    std::printf("mapped %.1f painted %.1f\n", mapped, painted);
    return 0;
}
