#!/usr/bin/python3
"""End-to-end: the real lowpass program on its own Xvfb, driven as a user would.

Usage: typical_request_test.py PATH_TO_LOWPASS

Walks a typical request with the mouse and keyboard (xdotool): frequency 2000,
step "100", one click on the scroll bar's right arrow (1100 ohms), Design,
then Two Poles and Design again. Reads the boxes back the way a user copies
them (click, ctrl+a, ctrl+c, then xclip), checks screenshots at a few pixels
(schematic swap, masks, help sheet with "Close" on top), then ends the
program with EXIT; two more short runs end it with the close box
(WM_DELETE_WINDOW) and, after the Up arrow key has selected Two Poles, with
EXIT while the help sheet is open.

Screenshots of the window are left in the working directory.
There is no window manager, so the client area sits exactly where the program
places it: (111, 117) on the screen. Coordinates below are client pixels.
"""
import os
import subprocess
import sys
import time

from Xlib import X, display, protocol

from e2e_common import (EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, check, failures,
                        give_up_after, self_check_expected, spawn, start_xvfb, stop_children)

CONVERT = "/usr/bin/convert"
IMPORT = "/usr/bin/import"
WINDOW_ORIGIN = (111, 117)
WINDOW_SIZE = (542, 395)
SCREEN = (1024, 768)
TITLE_PATTERN = "^Low Pass Filter - Butterworth"

# Where to click, in client pixels (centres of the controls, or a spot on
# them that is clear of their caption).
CLICK = {
    "Text5": (60, 356),  # frequency box (24, 344, 137, 24)
    "Text1": (420, 228),  # resistor box (368, 216, 105, 25)
    "Text2": (384, 292),  # result boxes (296, 280/312/344, 177, 25)
    "Text3": (384, 324),
    "Text4": (384, 356),
    "Option8": (90, 296),  # step "100": frame (24, 240) + (56, 48), 49 x 17
    "Option1": (50, 32),  # "Two Poles": frame (16, 8) + (8, 16), 81 x 17
    "HScroll1.right": (180, 216),  # right arrow at the right end of (24, 208, 161, 17)
    "Command1": (68, 86),  # "Design" (16, 72, 105, 29)
    "Command5": (68, 120),  # "Help" (16, 107, 105, 27)
    "Command6": (476, 36),  # "Close" (440, 24, 73, 25)
    "Command2": (68, 155),  # "EXIT" (16, 140, 105, 30)
}

BLACK, WHITE, RED = (0, 0, 0), (255, 255, 255), (255, 0, 0)
CLOSE_FACE = (128, 128, 255)
CAPTION_RED, CAPTION_NAVY = (192, 0, 0), (0, 0, 128)

def tool(*args, check_rc=True):
    out = subprocess.run(list(args), env=ENV, capture_output=True, text=True, timeout=10)
    if check_rc and out.returncode != 0:
        raise RuntimeError("%s failed: %s" % (" ".join(args), out.stderr.strip()))
    return out.stdout


def start_program(lowpass):
    # Pixel for pixel at 96 dpi, "." as decimal separator, no session bus.
    env = dict(ENV, QT_QPA_PLATFORM="xcb", LC_ALL="C.UTF-8",
               DBUS_SESSION_BUS_ADDRESS="unix:path=/nonexistent")
    for scaling in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_ENABLE_HIGHDPI_SCALING",
                    "QT_AUTO_SCREEN_SCALE_FACTOR", "QT_FONT_DPI"):
        env.pop(scaling, None)
    log = open("lowpass.log", "a")  # all three runs; emptied at the start
    app = spawn([lowpass], env=env, stdout=log, stderr=log)
    # By process as well as by title: the X server may still hold the window
    # of the run before for a moment after that program has ended.
    wid = int(tool("xdotool", "search", "--sync", "--onlyvisible", "--pid", str(app.pid),
                   "--name", TITLE_PATTERN).split()[0])
    # Without a window manager nobody gives the new window the keyboard
    # focus; do what one would do on map.
    tool("xdotool", "windowfocus", "--sync", str(wid))
    return app, wid


def wait_exit(app, seconds, what):
    try:
        rc = app.wait(timeout=seconds)
    except subprocess.TimeoutExpired:
        check(False, what + ": program still running after %g s" % seconds)
        return
    check(rc == 0, what + ": program ended with exit code %d" % rc)


# --- mouse, keyboard and clipboard -------------------------------------------

def click(wid, name):
    x, y = CLICK[name]
    tool("xdotool", "mousemove", "--window", str(wid), str(x), str(y), "click", "1")


def key(*keys):
    tool("xdotool", "key", "--clearmodifiers", *keys)


SENTINEL = "<nothing copied>"


def copy_focused_box():
    """Select all in the focused box and copy it; returns the clipboard text."""
    # Own the clipboard first with a sentinel, so that a box whose copy puts
    # nothing there (an empty box) is not read as the previous box's text.
    owner = spawn(["xclip", "-quiet", "-selection", "clipboard", "-i"], env=ENV,
                  stdin=subprocess.PIPE, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    owner.stdin.write(SENTINEL.encode())
    owner.stdin.close()
    poll(lambda: clipboard() == SENTINEL, 5, "sentinel on the clipboard")
    key("ctrl+a", "ctrl+c")
    text = poll(lambda: (lambda t: t if t != SENTINEL else None)(clipboard()), 1.0, None)
    if owner.poll() is None:
        owner.terminate()
        owner.wait()
    return "" if text is None else text


def clipboard():
    return tool("xclip", "-o", "-selection", "clipboard", check_rc=False)


def read_box(wid, name):
    click(wid, name)
    return copy_focused_box()


def poll(probe, seconds, what):
    """Calls probe until it returns something other than None/False."""
    deadline = time.monotonic() + seconds
    while True:
        value = probe()
        if value:
            return value
        if time.monotonic() > deadline:
            if what:
                check(False, "timed out waiting for " + what)
            return None
        time.sleep(0.05)


def read_box_until(wid, name, expected, seconds=5):
    """Reads a box until it shows the expected text (the effect may lag)."""
    last = [None]

    def probe():
        last[0] = read_box(wid, name)
        return last[0] == expected

    poll(probe, seconds, None)
    return last[0]


# --- screenshots -------------------------------------------------------------

class Shot:
    """The client area of the window as RGB pixels, client coordinates."""

    def __init__(self, name=None):
        raw = subprocess.run([IMPORT, "-window", "root", "-depth", "8", "rgb:-"], env=ENV, capture_output=True,
                             timeout=10, check=True).stdout
        self.raw = raw
        if name:
            ox, oy = WINDOW_ORIGIN
            w, h = WINDOW_SIZE
            subprocess.run([CONVERT, "-size", "%dx%d" % SCREEN, "-depth", "8", "rgb:-",
                            "-crop", "%dx%d+%d+%d" % (w, h, ox, oy), "+repage", name],
                           input=raw, check=True, timeout=10)

    def px(self, x, y):
        i = ((WINDOW_ORIGIN[1] + y) * SCREEN[0] + WINDOW_ORIGIN[0] + x) * 3
        return tuple(self.raw[i:i + 3])

    def row(self, y, x0, x1):
        return [self.px(x, y) for x in range(x0, x1 + 1)]

    def rect(self, x0, y0, x1, y1):
        return [self.px(x, y) for y in range(y0, y1 + 1) for x in range(x0, x1 + 1)]


def shot_until(predicate, what, seconds=5):
    found = poll(lambda: (lambda s: s if predicate(s) else None)(Shot()), seconds, what)
    return found


def hexes(pixels):
    return sorted({"#%02X%02X%02X" % p for p in pixels})


def check_window_pixels(s, two_poles, help_open, prompt, label):
    """The facts a screenshot shows in each state, client coordinates."""
    # Top wire of the schematic at window row 12: two poles x 292..448
    # (picture x 105..261 + 187), three poles x 330..486 (200..356 + 130).
    if help_open:
        check(BLACK not in s.row(12, 292, 486),
              label + ": help sheet covers the top wire (no black in row 12, x 292..486)")
    elif two_poles:
        check(set(s.row(12, 292, 448)) == {BLACK},
              label + ": two-pole top wire black along row 12, x 292..448")
        check(BLACK not in s.row(12, 460, 486),
              label + ": no three-pole top wire beyond it (row 12, x 460..486)")
    else:
        check(set(s.row(12, 330, 486)) == {BLACK},
              label + ": three-pole top wire black along row 12, x 330..486")
        check(BLACK not in s.row(12, 292, 326),
              label + ": no two-pole wire start left of it (row 12, x 292..326)")
    # The masks: plain white over the credit line of the schematic shown,
    # and the other mask gone: laid over this schematic it would cut into the
    # top edge of a ground symbol (C2's at picture y 139, x 178..201 with two
    # poles; C4's at picture y 127, x 98..121 with three).
    if not help_open:
        if two_poles:
            colours = hexes(s.rect(206, 128, 348, 153))
            check(colours == ["#FFFFFF"],
                  label + ": Text6 mask all white, x 206..348 y 128..153 (found %s)" % colours)
            check(set(s.row(144, 365, 388)) == {BLACK},
                  label + ": C2 ground symbol not masked (row 144, x 365..388 black)")
        else:
            colours = hexes(s.rect(267, 130, 390, 148))
            check(colours == ["#FFFFFF"],
                  label + ": Text7 mask all white, x 267..390 y 130..148 (found %s)" % colours)
            check(set(s.row(132, 228, 251)) == {BLACK},
                  label + ": C4 ground symbol not masked (row 132, x 228..251 black)")
    # Help sheet: its red left bar (sheet x 5..14 + 148), "Close" above it.
    bar = s.row(100, 153, 162)
    close_face = [s.px(448, 36), s.px(505, 36), s.px(476, 28)]
    if help_open:
        check(set(bar) == {RED}, label + ": help sheet's red bar at x 153..162, y 100")
        check(set(close_face) == {CLOSE_FACE},
              label + ": \"Close\" face #8080FF on top of the sheet at (448,36) (505,36) (476,28)"
              " (found %s)" % hexes(close_face))
    else:
        check(RED not in bar, label + ": no help sheet at x 153..162, y 100")
        check(CLOSE_FACE not in close_face, label + ": no \"Close\" button")
    # Refresh prompt, red Verdana text in Label20 (296, 264, 193, 17).
    if not help_open:
        has_red = RED in s.rect(296, 264, 488, 280)
        check(has_red == prompt,
              label + ": prompt \"Click \"Design\" to refresh\" " + ("shown" if prompt else "hidden"))
    # Normalized caption Label3 (123, 175, 385, 17): dark red with two poles,
    # navy with three; the help sheet covers most of it but not its left end.
    caption = set(s.rect(123, 175, 147, 191))
    want, other = (CAPTION_RED, CAPTION_NAVY) if two_poles else (CAPTION_NAVY, CAPTION_RED)
    check(want in caption and other not in caption,
          label + ": caption in %s" % ("#C00000" if two_poles else "#000080"))
    # Third result box Text4 (296, 344, 177, 25) only with three poles.
    text4_white = WHITE in s.rect(300, 348, 468, 364)
    check(text4_white != two_poles,
          label + ": Text4 " + ("hidden" if two_poles else "shown"))


# --- the runs ----------------------------------------------------------------

def window_placement(wid):
    d = display.Display(ENV["DISPLAY"])
    try:
        w = d.create_resource_object("window", wid)
        geo = w.get_geometry()
        pos = w.translate_coords(d.screen().root, 0, 0)
        return (-pos.x, -pos.y), (geo.width, geo.height)
    finally:
        d.close()


def send_close_box(wid):
    """What a window manager's close box does: WM_DELETE_WINDOW to the client."""
    d = display.Display(ENV["DISPLAY"])
    try:
        w = d.create_resource_object("window", wid)
        protocols = d.intern_atom("WM_PROTOCOLS")
        delete = d.intern_atom("WM_DELETE_WINDOW")
        advertised = w.get_wm_protocols() or []
        check(delete in advertised, "the window takes part in WM_DELETE_WINDOW")
        event = protocol.event.ClientMessage(window=w, client_type=protocols,
                                             data=(32, [delete, X.CurrentTime, 0, 0, 0]))
        w.send_event(event, event_mask=X.NoEventMask)
        d.sync()  # a round trip: the message is in before the connection closes
    finally:
        d.close()


def typical_request(lowpass):
    app, wid = start_program(lowpass)
    placement = window_placement(wid)
    check(placement == (WINDOW_ORIGIN, WINDOW_SIZE),
          "client area at (111,117), 542 x 395 (found %s)" % (placement,))
    start = Shot("e2e-0-start.png")
    check_window_pixels(start, two_poles=False, help_open=False, prompt=True, label="start-up")

    # Frequency 2000 in place of the 1000.
    click(wid, "Text5")
    key("ctrl+a")
    tool("xdotool", "type", "--delay", "20", "2000")
    check(copy_focused_box() == "2000", "frequency box reads 2000 after typing")
    check(read_box(wid, "Text2") == "", "typing computes nothing: first result still empty")

    # Step "100", one click on the right arrow: 1100 ohms.
    click(wid, "Option8")
    click(wid, "HScroll1.right")
    got = read_box_until(wid, "Text1", "1100")
    check(got == "1100", "resistor box reads 1100 after one right-arrow click (got %r)" % got)

    # Design with three poles.
    click(wid, "Command1")
    got = [read_box_until(wid, "Text2", EXPECTED_THREE_POLES[0]), read_box(wid, "Text3"),
           read_box(wid, "Text4")]
    check(got == EXPECTED_THREE_POLES, "three-pole results %s (got %s)" % (EXPECTED_THREE_POLES, got))
    s = shot_until(lambda s: RED not in s.rect(296, 264, 488, 280), "the prompt to go")
    s = Shot("e2e-1-three-poles-designed.png")
    check_window_pixels(s, two_poles=False, help_open=False, prompt=False, label="three poles")

    # Two Poles: results blanked, prompt back.
    click(wid, "Option1")
    shot_until(lambda s: s.px(300, 12) == BLACK, "the two-pole schematic")
    got = [read_box(wid, "Text2"), read_box(wid, "Text3")]
    check(got == [" ", " "], "Two Poles blanks the results to one space each (got %s)" % got)
    s = Shot("e2e-2-two-poles-before-design.png")
    check_window_pixels(s, two_poles=True, help_open=False, prompt=True, label="two poles, no design")

    click(wid, "Command1")
    got = [read_box_until(wid, "Text2", EXPECTED_TWO_POLES[0]), read_box(wid, "Text3")]
    check(got == EXPECTED_TWO_POLES, "two-pole results %s (got %s)" % (EXPECTED_TWO_POLES, got))
    shot_until(lambda s: RED not in s.rect(296, 264, 488, 280), "the prompt to go")
    s = Shot("e2e-3-two-poles-designed.png")
    check_window_pixels(s, two_poles=True, help_open=False, prompt=False, label="two poles")

    # Help lays the sheet over the schematic, "Close" on top of it.
    click(wid, "Command5")
    shot_until(lambda s: s.px(158, 100) == RED, "the help sheet")
    s = Shot("e2e-4-help.png")
    check_window_pixels(s, two_poles=True, help_open=True, prompt=False, label="help open")

    # Close takes it away again and puts the focus in the resistor box:
    # select-all and copy without clicking anywhere copies its 1100.
    click(wid, "Command6")
    shot_until(lambda s: s.px(158, 100) != RED, "the help sheet to go")
    s = Shot("e2e-5-help-closed.png")
    check_window_pixels(s, two_poles=True, help_open=False, prompt=False, label="help closed")
    check(copy_focused_box() == "1100", "after Close the focus is in the resistor box (1100)")
    got = [read_box(wid, "Text2"), read_box(wid, "Text3")]
    check(got == EXPECTED_TWO_POLES, "results kept through Help and Close (got %s)" % got)

    click(wid, "Command2")
    wait_exit(app, 3, "EXIT")


def close_box(lowpass):
    app, wid = start_program(lowpass)
    send_close_box(wid)
    wait_exit(app, 3, "close box")


def arrow_key_then_exit_with_help_open(lowpass):
    app, wid = start_program(lowpass)
    # The focus starts on the selected "Three Poles"; the Up arrow selects
    # "Two Poles" and so runs its handler, as a click would.
    key("Up")
    s = shot_until(lambda s: s.px(300, 12) == BLACK, "Up arrow to select Two Poles")
    if s:
        check_window_pixels(s, two_poles=True, help_open=False, prompt=True,
                            label="Up arrow at start-up")
    click(wid, "Command5")
    shot_until(lambda s: s.px(158, 100) == RED, "the help sheet")
    click(wid, "Command2")
    wait_exit(app, 3, "EXIT with the help sheet open")


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    lowpass = os.path.abspath(sys.argv[1])
    self_check_expected()
    give_up_after(55)
    global ENV
    ENV = dict(os.environ)
    open("lowpass.log", "w").close()
    try:
        ENV["DISPLAY"], _ = start_xvfb(SCREEN)
        print("display", ENV["DISPLAY"], flush=True)
        typical_request(lowpass)
        close_box(lowpass)
        arrow_key_then_exit_with_help_open(lowpass)
    finally:
        stop_children()
    if failures:
        print("%d check(s) failed; screenshots in %s" % (len(failures), os.getcwd()))
        sys.exit(1)
    print("all checks passed; screenshots in %s" % os.getcwd())


ENV = {}

if __name__ == "__main__":
    main()
