// Measures a windowed program from outside: the time from exec until its
// window is first drawn on the X display in DISPLAY, and its peak memory.
//
//   startup_probe PROGRAM [ARGS...]
//
// prints one line: "map_ms M draw_ms D rss_kb K".
//
// How "drawn" is observed: the root window is painted a colour no program
// here uses (magenta), so a freshly mapped window whose toolkit has not drawn
// yet still shows magenta (a window with no background of its own shows what
// lies beneath it). Every top-level window the program creates gets a DAMAGE
// object, which reports each drawing into it with the X server's timestamp.
// Once the first top-level window is mapped, the probe reads its whole client
// area back after each batch of damage and calls it drawn when no pixel is
// magenta any more. draw_ms is the server time of the last drawing before that
// read-back, counted from a server timestamp taken just before fork(): the
// X server's clock, not the probe's, so the probe being scheduled late under
// load does not add to it. map_ms, when the probe saw the window mapped, is
// the probe's own clock and only indicative.
// The probe then closes the window as a window manager would
// (WM_DELETE_WINDOW), waits for the process to end and reads its peak
// resident set from wait4().

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/Xdamage.h>
#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <cstring>

namespace {

using Clock = std::chrono::steady_clock;

constexpr int kDrawTimeoutMs = 20000;
constexpr int kSettleMs = 250;  // the window stays up this long after its first draw
constexpr int kExitTimeoutMs = 5000;

double MsSince(Clock::time_point start) {
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

// The X server's current time in milliseconds: a property change on a window
// of our own comes back with the server's timestamp.
Time ServerNow(Display* dpy, Window stamp) {
    const Atom atom = XInternAtom(dpy, "STARTUP_PROBE_STAMP", False);
    XChangeProperty(dpy, stamp, atom, XA_STRING, 8, PropModeReplace, nullptr, 0);
    XEvent ev;
    XWindowEvent(dpy, stamp, PropertyChangeMask, &ev);
    return ev.xproperty.time;
}

// A window may vanish between an event and the request that follows it.
int IgnoreXErrors(Display*, XErrorEvent*) {
    return 0;
}

// True when the window's client area no longer shows any pixel of the
// backdrop colour.
bool FullyDrawn(Display* dpy, Window w, unsigned long backdrop) {
    XWindowAttributes attr;
    if (!XGetWindowAttributes(dpy, w, &attr) || attr.map_state != IsViewable) return false;
    XImage* img = XGetImage(dpy, w, 0, 0, attr.width, attr.height, AllPlanes, ZPixmap);
    if (img == nullptr) return false;
    bool backdropSeen = false;
    const unsigned long mask = (attr.depth >= 32) ? 0xffffffffUL : ((1UL << attr.depth) - 1);
    for (int y = 0; y < img->height && !backdropSeen; ++y) {
        if (img->bits_per_pixel == 32) {
            const auto* row = reinterpret_cast<const std::uint32_t*>(
                img->data + std::size_t(y) * img->bytes_per_line);
            for (int x = 0; x < img->width; ++x) {
                if ((row[x] & mask) == backdrop) {
                    backdropSeen = true;
                    break;
                }
            }
        } else {
            for (int x = 0; x < img->width; ++x) {
                if ((XGetPixel(img, x, y) & mask) == backdrop) {
                    backdropSeen = true;
                    break;
                }
            }
        }
    }
    XDestroyImage(img);
    return !backdropSeen;
}

// Waits for the next X event up to the deadline; false on time-out.
bool NextEvent(Display* dpy, XEvent* ev, Clock::time_point deadline) {
    while (!XPending(dpy)) {
        const auto left =
            std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now()).count();
        if (left <= 0) return false;
        pollfd pfd{ConnectionNumber(dpy), POLLIN, 0};
        poll(&pfd, 1, static_cast<int>(left));
    }
    XNextEvent(dpy, ev);
    return true;
}

void SendDelete(Display* dpy, Window w) {
    XEvent ev{};
    ev.xclient.type = ClientMessage;
    ev.xclient.window = w;
    ev.xclient.message_type = XInternAtom(dpy, "WM_PROTOCOLS", False);
    ev.xclient.format = 32;
    ev.xclient.data.l[0] = static_cast<long>(XInternAtom(dpy, "WM_DELETE_WINDOW", False));
    ev.xclient.data.l[1] = CurrentTime;
    XSendEvent(dpy, w, False, NoEventMask, &ev);
    XFlush(dpy);
}

// Waits for the child up to the timeout, killing it after that; returns its
// peak resident set in kilobytes, or -1 when it had to be killed.
long Reap(pid_t pid, int timeoutMs) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    rusage usage{};
    for (;;) {
        const pid_t r = wait4(pid, &status, WNOHANG, &usage);
        if (r == pid) return usage.ru_maxrss;
        if (Clock::now() > deadline) break;
        usleep(2000);
    }
    kill(pid, SIGKILL);
    wait4(pid, &status, 0, &usage);
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    Display* dpy = XOpenDisplay(nullptr);
    if (dpy == nullptr) {
        std::fprintf(stderr, "startup_probe: cannot open display\n");
        return 2;
    }
    XSetErrorHandler(IgnoreXErrors);
    int damageEvent = 0, damageError = 0;
    if (!XDamageQueryExtension(dpy, &damageEvent, &damageError)) {
        std::fprintf(stderr, "startup_probe: the X server has no DAMAGE extension\n");
        return 2;
    }

    const Window root = DefaultRootWindow(dpy);
    XColor magenta{}, exact{};
    XAllocNamedColor(dpy, DefaultColormap(dpy, DefaultScreen(dpy)), "magenta", &magenta, &exact);
    XSetWindowBackground(dpy, root, magenta.pixel);
    XClearWindow(dpy, root);
    XSetWindowAttributes stampAttr{};
    stampAttr.event_mask = PropertyChangeMask;
    const Window stamp = XCreateWindow(dpy, root, -10, -10, 1, 1, 0, CopyFromParent, InputOnly,
                                       CopyFromParent, CWEventMask, &stampAttr);
    XSelectInput(dpy, root, SubstructureNotifyMask);
    XSync(dpy, False);

    const auto start = Clock::now();
    const Time startServer = ServerNow(dpy, stamp);
    const pid_t pid = fork();
    if (pid < 0) {
        std::perror("fork");
        return 2;
    }
    if (pid == 0) {
        close(ConnectionNumber(dpy));
        execvp(argv[1], argv + 1);
        std::perror("exec");
        _exit(127);
    }

    const auto deadline = start + std::chrono::milliseconds(kDrawTimeoutMs);
    Window win = 0;
    double mapMs = -1, drawMs = -1;
    Time lastDrawing = 0;  // server time of the latest drawing into win seen so far
    bool drawnSinceCheck = false;
    bool checkedAtMap = false;
    XEvent ev;
    while (drawMs < 0 && NextEvent(dpy, &ev, deadline)) {
        if (ev.type == CreateNotify && ev.xcreatewindow.parent == root &&
            ev.xcreatewindow.window != stamp && !ev.xcreatewindow.override_redirect) {
            // Before the window can be mapped and drawn; an input-only window
            // refuses and the error is ignored.
            XDamageCreate(dpy, ev.xcreatewindow.window, XDamageReportRawRectangles);
        } else if (ev.type == MapNotify && win == 0 && ev.xmap.event == root &&
                   !ev.xmap.override_redirect) {
            win = ev.xmap.window;
            mapMs = MsSince(start);
        } else if (ev.type == damageEvent + XDamageNotify) {
            const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(ev);
            if (win != 0 && d.drawable == win) {
                lastDrawing = d.timestamp;
                drawnSinceCheck = true;
            }
        }
        // Read the picture back once the queued events are handled: when the
        // window has just been mapped, and after each batch of drawing.
        if (win != 0 && (drawnSinceCheck || !checkedAtMap) && XPending(dpy) == 0) {
            checkedAtMap = true;
            drawnSinceCheck = false;
            const unsigned long readSerial = NextRequest(dpy);
            if (FullyDrawn(dpy, win, magenta.pixel)) {
                // Drawing the server did before the read-back may still be
                // queued: its events carry an earlier request serial.
                XEvent more;
                while (XCheckTypedEvent(dpy, damageEvent + XDamageNotify, &more)) {
                    const auto& d = reinterpret_cast<const XDamageNotifyEvent&>(more);
                    if (d.drawable == win && d.serial < readSerial) lastDrawing = d.timestamp;
                }
                if (lastDrawing == 0) {
                    // The drawing happened before the damage object existed
                    // (the probe fell far behind): now is an upper bound.
                    lastDrawing = ServerNow(dpy, stamp);
                    std::fprintf(stderr,
                                 "startup_probe: drawing not seen, draw_ms is an upper bound\n");
                }
                drawMs = static_cast<double>(static_cast<Time>(lastDrawing - startServer));
            }
        }
    }

    if (drawMs >= 0) {
        usleep(kSettleMs * 1000);
        SendDelete(dpy, win);
    }
    const long rssKb = Reap(pid, drawMs >= 0 ? kExitTimeoutMs : 0);
    if (drawMs < 0) {
        std::fprintf(stderr, "startup_probe: %s drew no window within %d ms\n", argv[1],
                     kDrawTimeoutMs);
        return 1;
    }
    if (rssKb < 0) {
        std::fprintf(stderr, "startup_probe: %s did not close on WM_DELETE_WINDOW\n", argv[1]);
        return 1;
    }
    std::printf("map_ms %.2f draw_ms %.2f rss_kb %ld\n", mapMs, drawMs, rssKb);
    XCloseDisplay(dpy);
    return 0;
}
