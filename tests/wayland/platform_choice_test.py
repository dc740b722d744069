#!/usr/bin/python3
"""The program on a Wayland desktop: weston's headless backend with XWayland.

Usage: platform_choice_test.py PATH_TO_LOWPASS

Three runs, as on a Wayland session (XDG_SESSION_TYPE=wayland, where Qt
would otherwise pick its Wayland plugin first):
1. QT_QPA_PLATFORM unset, XWayland's DISPLAY set: the window is an X11 client
   on the XWayland display and asks the window manager (WM_NORMAL_HINTS) for
   its client area at 111,117 (static gravity: the client area, not the
   frame), with a fixed size of 542x395; it sets no icon.
2. QT_QPA_PLATFORM unset, DISPLAY unset: no X server to reach, so the program
   starts as a native Wayland client and draws its window.
3. QT_QPA_PLATFORM=wayland with DISPLAY set: the user's choice is kept, and
   it runs as a native Wayland client again.

A native Wayland client is recognised by its own protocol log (WAYLAND_DEBUG):
it creates a toplevel surface with the window's title and attaches a buffer.
weston gets a private runtime folder and socket; every process started here
is ended when the test ends, however it ends.
"""
import ctypes
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from Xlib import display

TITLE = "Low Pass Filter - Butterworth"
CLIENT_ORIGIN = (111, 117)
CLIENT_SIZE = (542, 395)
# WM_NORMAL_HINTS flags (ICCCM 4.1.2.3) and the static window gravity.
US_POSITION, P_POSITION, P_MIN_SIZE, P_MAX_SIZE, P_WIN_GRAVITY = 1, 4, 16, 32, 512
STATIC_GRAVITY = 10

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


# --- processes ---------------------------------------------------------------

def die_with_parent():
    # Own process group, so weston's helpers and XWayland go with it, and
    # ended by the kernel if this test is killed.
    os.setsid()
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


children = []


def spawn(args, env, log):
    p = subprocess.Popen(args, env=env, stdin=subprocess.DEVNULL, stdout=log,
                         stderr=subprocess.STDOUT, preexec_fn=die_with_parent)
    children.append(p)
    return p


def stop(p):
    if p.poll() is None:
        os.killpg(p.pid, signal.SIGTERM)
        try:
            p.wait(timeout=5)
        except subprocess.TimeoutExpired:
            os.killpg(p.pid, signal.SIGKILL)
            p.wait()
    # Whatever it started and left behind in its group.
    try:
        os.killpg(p.pid, signal.SIGKILL)
    except ProcessLookupError:
        pass


def poll(probe, seconds):
    deadline = time.monotonic() + seconds
    while True:
        result = probe()
        if result or time.monotonic() > deadline:
            return result
        time.sleep(0.1)


def read(path):
    with open(path, errors="replace") as f:
        return f.read()


# --- the desktop ---------------------------------------------------------------

def start_weston(runtime):
    # The folder of the X sockets, which a desktop system makes at boot and
    # Xvfb makes for itself, but weston expects to exist.
    if not os.path.isdir("/tmp/.X11-unix"):
        os.makedirs("/tmp/.X11-unix", exist_ok=True)
        os.chmod("/tmp/.X11-unix", 0o1777)
    socket = "lowpass-%d" % os.getpid()
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "XDG_RUNTIME_DIR": runtime,
           "HOME": runtime}
    log_path = os.path.join(runtime, "weston.log")
    weston = spawn(["weston", "--backend=headless-backend.so", "--xwayland", "--no-config",
                    "--socket=" + socket, "--width=1024", "--height=768", "--idle-time=0"],
                   env, open(log_path, "w"))

    def xwayland_display():
        found = re.search(r"xserver listening on display (:\d+)", read(log_path))
        return found and found.group(1)

    x_display = poll(xwayland_display, 15)
    if not x_display:
        print(read(log_path))
        sys.exit("weston did not start with XWayland")
    return weston, socket, x_display


def session_env(runtime, socket, x_display, **changes):
    env = {"PATH": os.environ.get("PATH", "/usr/bin:/bin"), "HOME": runtime,
           "XDG_RUNTIME_DIR": runtime, "XDG_SESSION_TYPE": "wayland",
           "WAYLAND_DISPLAY": socket, "DISPLAY": x_display, "LC_ALL": "C.UTF-8",
           "DBUS_SESSION_BUS_ADDRESS": "unix:path=/nonexistent"}
    # The sanitized build's settings, and nothing else of the caller's.
    for name in ("ASAN_OPTIONS", "UBSAN_OPTIONS", "LSAN_OPTIONS"):
        if name in os.environ:
            env[name] = os.environ[name]
    env.update(changes)
    return {k: v for k, v in env.items() if v is not None}


def x11_windows(x_display, pid):
    out = subprocess.run(["xdotool", "search", "--onlyvisible", "--pid", str(pid),
                          "--name", "^" + TITLE], env={"DISPLAY": x_display},
                         capture_output=True, text=True, timeout=10)
    return [int(w) for w in out.stdout.split()]


# --- the runs ----------------------------------------------------------------

def x11_run(lowpass, runtime, socket, x_display):
    label = "unset QT_QPA_PLATFORM, DISPLAY set"
    log = os.path.join(runtime, "x11-run.log")
    app = spawn([lowpass], session_env(runtime, socket, x_display), open(log, "w"))
    try:
        windows = poll(lambda: x11_windows(x_display, app.pid), 15)
        if not check(len(windows) == 1, label + ": one X11 window on XWayland " + x_display):
            print(read(log))
            return
        d = display.Display(x_display)
        try:
            w = d.create_resource_object("window", windows[0])
            hints = w.get_full_property(d.intern_atom("WM_NORMAL_HINTS"), 0)
            icon = w.get_full_property(d.intern_atom("_NET_WM_ICON"), 0)
        finally:
            d.close()
        check_hints(label, hints.value if hints else [])
        check(icon is None, label + ": the window sets no icon")
    finally:
        stop(app)


def check_hints(label, h):
    # The 18 words of WM_SIZE_HINTS: flags, x, y, width, height, min w/h,
    # max w/h, increments, aspects, base w/h, gravity.
    if not check(len(h) >= 18, label + ": WM_NORMAL_HINTS present (%d words)" % len(h)):
        return
    flags = h[0]
    check(flags & (US_POSITION | P_POSITION) and tuple(h[1:3]) == CLIENT_ORIGIN,
          label + ": asks for position %s (flags %#x, %d,%d)" % (CLIENT_ORIGIN, flags, h[1], h[2]))
    check(flags & P_WIN_GRAVITY and h[17] == STATIC_GRAVITY,
          label + ": the position is the client area's (gravity %d)" % h[17])
    check(flags & P_MIN_SIZE and tuple(h[5:7]) == CLIENT_SIZE,
          label + ": minimum size %dx%d" % tuple(h[5:7]))
    check(flags & P_MAX_SIZE and tuple(h[7:9]) == CLIENT_SIZE,
          label + ": maximum size %dx%d" % tuple(h[7:9]))


def native_wayland_run(lowpass, runtime, socket, x_display, label, name, **changes):
    log = os.path.join(runtime, name + ".log")
    env = session_env(runtime, socket, x_display, WAYLAND_DEBUG="1", **changes)
    app = spawn([lowpass], env, open(log, "w"))
    try:
        # The toplevel with the window's title, then a buffer on a surface:
        # the window has been drawn. Newer libwayland writes object ids with
        # '#' rather than '@'.
        drawn = re.compile(r'xdg_toplevel[@#]\d+\.set_title\("' + re.escape(TITLE)
                           + r'"\)[\s\S]*wl_surface[@#]\d+\.attach\(wl_buffer[@#]')
        shown = poll(lambda: drawn.search(read(log)), 15)
        check(bool(shown), label + ": a native Wayland window titled '%s' is drawn" % TITLE)
        check(app.poll() is None, label + ": the program is still running")
        if x_display in env.get("DISPLAY", ""):
            check(x11_windows(x_display, app.pid) == [], label + ": no X11 window")
        if not shown:
            print("".join(read(log).splitlines(True)[-30:]))
    finally:
        stop(app)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    lowpass = os.path.abspath(sys.argv[1])
    # A hung step must not leave weston behind: give up well before ctest.
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("gave up after 80 s"))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    signal.alarm(80)
    runtime = tempfile.mkdtemp(prefix="lowpass-wayland-")
    os.chmod(runtime, 0o700)
    try:
        weston, socket, x_display = start_weston(runtime)
        print("weston socket %s, XWayland display %s" % (socket, x_display), flush=True)
        x11_run(lowpass, runtime, socket, x_display)
        native_wayland_run(lowpass, runtime, socket, x_display,
                           "unset QT_QPA_PLATFORM, DISPLAY unset", "no-x-server", DISPLAY=None)
        native_wayland_run(lowpass, runtime, socket, x_display,
                           "QT_QPA_PLATFORM=wayland, DISPLAY set", "explicit-wayland",
                           QT_QPA_PLATFORM="wayland")
    finally:
        for p in reversed(children):
            stop(p)
        shutil.rmtree(runtime, ignore_errors=True)
    if failures:
        sys.exit("%d check(s) failed" % len(failures))
    print("all checks passed")


if __name__ == "__main__":
    main()
