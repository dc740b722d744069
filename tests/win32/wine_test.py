#!/usr/bin/python3
"""The Windows window under Wine on a private Xvfb.

Usage: wine_test.py WIN32_BUILD SOURCE_DIR FORM_FACTS prefix|window|scale|installer

FORM_FACTS is the program that prints the form's facts (tests/form/form_facts.cpp):
what the window should show is read from there.

prefix     makes the template Wine prefix in the working directory, once per
           build folder: fonts-wine in its Fonts folder, Decorated=N.
window     runs lowpass.exe in a fresh copy and reads it with probe.exe: every
           control against the form's facts, stacking,
           Tab walk, the typical request with the Linux end-to-end test's
           digits, both orders, oleacc's names, roles, descriptions,
           increments, arrow keys, Reset, the scroll bar, Help, Close, the
           focus after reactivation, a desktop colour change, fonts, a move to
           a 144-dpi monitor, EXIT; then a comma locale and the close box.
scale      at 120, 144 and 192 dpi: rectangles, fonts, the help sheet.
installer  version information; silent installs just for me and for all
           users, and their uninstalls; the portable zip run, also minimised.
"""
import os
import re
import shutil
import subprocess
import sys
import time
import zipfile

WIN32_BUILD, SOURCE, FORM_FACTS, MODE = sys.argv[1:5]
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
from e2e_common import (BOX_NAMES, EXPECTED_THREE_POLES, EXPECTED_TWO_POLES,  # noqa: E402
                        HIDDEN_AT_START, SCHEMATIC_NAMES, TAB_WALK_THREE_POLES,
                        TAB_WALK_TWO_POLES, check, check_form_walks, check_high_contrast,
                        failures, form_facts, give_up_after, poll, self_check_contrast,
                        self_check_expected, spawn, start_xvfb, stop_children)

TEMPLATE = os.path.abspath("wine-template")
TITLE = "Low Pass Filter - Butterworth"
FACTS = form_facts(FORM_FACTS)
# At each dpi: the client area as the form lays it out, and the pixel heights
# of the design's point sizes.
CLIENT_AT = {int(dpi): tuple(rect) for dpi, rect in FACTS["client"].items()}
CLIENT = CLIENT_AT[96]
FONT_PX = {96: {8.25: 11, 9.75: 13, 12: 16}, 120: {8.25: 14, 9.75: 16, 12: 20},
           144: {8.25: 17, 9.75: 20, 12: 24}, 192: {8.25: 22, 9.75: 26, 12: 32}}
ROLES = {"PushButton": 43, "OptionButton": 45, "Frame": 20, "TextBox": 42, "ScrollBar": 3,
         "Label": 41, "MaskBox": 41, "Image": 40, "PictureBox": 40, "Label20": 8, "Picture1": 8}
SCHEMATIC = {"two": ("Image1", SCHEMATIC_NAMES["two"], 40, "Vin feeds resistor R1. "),
             "three": ("Image2", SCHEMATIC_NAMES["three"], 40, "Vin feeds resistor R3. ")}
HELP_COLOURS = {(255, 0, 0), (0, 0, 0), (255, 255, 255), (0, 64, 128)}
HELP_RED = (5, 5, 379, 207)  # the help sheet's red border: first, last column and row
CLASSES = {"PushButton": "button", "Frame": "button", "OptionButton": "button",
           "TextBox": "edit", "ScrollBar": "scrollbar"}  # the rest: static
# On show in one order only, as the form re-dresses the window.
ON_SHOW = {order: set(FACTS["orders"][order]["shown"]) for order in ("two", "three")}
SHOWN = {"two": ON_SHOW["two"] - ON_SHOW["three"], "three": ON_SHOW["three"] - ON_SHOW["two"]}
ENV = {}
# A high-contrast black scheme by desktop colour number, RRGGBB.
BLACK_SCHEME = {0: "000000", 5: "000000", 14: "000000", 15: "000000", 8: "FFFFFF", 9: "FFFFFF",
                18: "FFFFFF", 20: "FFFFFF", 13: "1AEBFF", 16: "808080"}
# Where each kind's caption is drawn within its rectangle (96-dpi pixels
# in from the left, top, right, bottom): beside an option's circle, on a
# frame's top edge, inside a button's edges and focus rectangle.
CAPTION_INSET = {"Label": (0, 0, 0, 0), "OptionButton": (16, 0, 0, 0), "TextBox": (3, 3, 3, 3),
                 "PushButton": (5, 5, 5, 5), "Frame": (10, 0, None, None)}


def read_rows():
    """The form's rows, top of the stacking order first; window ids are 100 + row."""
    rows = [dict(name=c["name"], kind=c["kind"], box=c["container"] or "OnForm", text=c["text"],
                 tab=c["tab"], rect=c["rect"]["96"], rects=c["rect"], number=number,
                 points=c["font"]["points"], checked=c["checked"],
                 shown=c["shown"] and c["name"] not in HIDDEN_AT_START)
            for number, c in enumerate(FACTS["controls"], 100)]
    return rows, {r["name"]: r for r in rows}


ROWS, ROW = read_rows()
NAME_OF = {r["number"]: r["name"] for r in ROWS}


def rect_at(r, dpi):
    """A control's rectangle in client pixels at dpi."""
    return r["rects"][str(dpi)]


def wine_env(prefix, display=None, lang="C.UTF-8", debug="-all"):
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG=debug, LANG=lang, LC_ALL=lang,
               WINEDLLOVERRIDES="winemenubuilder.exe=d")  # it writes into the real $HOME
    env.pop("DISPLAY", None)
    return dict(env, DISPLAY=display) if display else env


def run(*args, env=None):
    return subprocess.run(list(args), env=env or ENV, capture_output=True, text=True, timeout=60)


def make_template():
    if os.path.exists(os.path.join(TEMPLATE, "complete")):
        return
    shutil.rmtree(TEMPLATE, ignore_errors=True)
    env = wine_env(TEMPLATE)
    if run("wineboot", "--init", env=env).returncode or not os.path.isdir(TEMPLATE + "/drive_c"):
        sys.exit("wineboot could not make the prefix")
    for font in os.listdir("/usr/share/wine/fonts"):
        shutil.copy("/usr/share/wine/fonts/" + font, TEMPLATE + "/drive_c/windows/Fonts")
    run("wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated", "/d", "N", "/f",
        env=env)
    run("wineserver", "-w", env=env)
    open(os.path.join(TEMPLATE, "complete"), "w").close()


def fresh_prefix(name):
    shutil.rmtree(name, ignore_errors=True)
    subprocess.run(["cp", "-a", TEMPLATE, name], check=True)
    return os.path.abspath(name)


class Probe:
    """probe.exe, asked one command a line; controls by their table names."""

    def __init__(self):
        self.p = spawn(["wine", os.path.join(WIN32_BUILD, "probe.exe")], env=ENV, text=True,
                       stdin=subprocess.PIPE, stdout=subprocess.PIPE)

    def ask(self, command):
        self.p.stdin.write(command + "\n")
        self.p.stdin.flush()
        lines = iter(self.p.stdout.readline, "end\n")
        return [line.rstrip("\n") for line in lines if line or sys.exit("probe ended")]

    def state(self, names=False):
        s = {"controls": {}, "order": []}
        for line in self.ask("names" if names else "dump"):
            f = line.split("\t" if line.startswith("control") else None)
            if f[0] == "control":
                s["order"].append(NAME_OF[int(f[1])])
                s["controls"][NAME_OF[int(f[1])]] = dict(
                    cls=f[2].lower(), visible=f[3] == "1", checked=f[5] == "1", pos=f[6],
                    rect=[int(v) for v in f[7:11]], text=f[11], name=f[13],
                    role=int(f[14]) if f[14].isdigit() else 0, description=f[15])
            else:
                s[f[0]] = NAME_OF.get(int(f[1])) if f[0] == "focus" else [int(v) for v in f[1:]]
        return s

    def click(self, name):
        self.ask("click %d" % ROW[name]["number"])

    def set_text(self, name, text):
        self.ask("settext %d %s" % (ROW[name]["number"], text))

    def close(self):
        self.p.stdin.close()
        self.p.wait(timeout=10)

    def texts(self, *names):
        c = self.state()["controls"]
        return [c[n]["text"] for n in names]


def on_bar(x, *then):
    """The mouse x pixels into the scroll bar (from its right end if negative),
    then a click or the xdotool commands given."""
    bx, by, w, h = ROW["HScroll1"]["rect"]
    run("xdotool", "mousemove", str(CLIENT[0] + bx + x % w), str(CLIENT[1] + by + h // 2),
        *(then or ("click", "1")))


def right_arrow():
    """A real mouse click on the scroll bar's right arrow."""
    x, y, w, h = ROW["HScroll1"]["rect"]
    run("xdotool", "mousemove", str(CLIENT[0] + x + w - 4), str(CLIENT[1] + y + h // 2), "click", "1")


def pixels(x, y, w, h, origin=CLIENT):
    raw = subprocess.run(["/usr/bin/import", "-window", "root", "-crop", "%dx%d+%d+%d" % (
        w, h, origin[0] + x, origin[1] + y), "-depth", "8", "rgb:-"], env=ENV,
        capture_output=True).stdout
    return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]


def pixel(x, y):
    raw = subprocess.run(["/usr/bin/import", "-window", "root", "-crop", "1x1+%d+%d" % (
        CLIENT[0] + x, CLIENT[1] + y), "-depth", "8", "rgb:-"], env=ENV, capture_output=True).stdout
    return tuple(raw[:3])


def names_given(s, order, label):
    """What a screen reader reads through oleacc: the boxes' names, and the
    schematic on show by name, role and description."""
    got = {box: s["controls"][box]["name"] for box in BOX_NAMES[order]}
    check(got == BOX_NAMES[order], label + ": boxes named %s (found %s)" % (BOX_NAMES[order], got))
    image, *want = SCHEMATIC[order]
    c = s["controls"][image]
    got = [c["name"], c["role"], c["description"][:len(want[2])]]
    check(got == want, label + ": %s read as %s (found %s)" % (image, want, got))


def order_shown(s, order, label):
    other = SHOWN["two" if order == "three" else "three"]
    wrong = sorted(n for n in SHOWN[order] | other if s["controls"][n]["visible"] != (n in SHOWN[order]))
    check(not wrong, label + ": shown and hidden as for %s poles (wrong: %s)" % (order, wrong))


def check_start(s):
    check(len(ROWS) == 48, "48 rows in the form's facts (found %d)" % len(ROWS))
    check(s["client"] == list(CLIENT), "client area at %s (found %s)" % (CLIENT, s["client"]))
    for r in ROWS:
        c = s["controls"][r["name"]]
        want = (CLASSES.get(r["kind"], "static"), r["rect"], r["shown"])
        got = (c["cls"], c["rect"], c["visible"])
        check(got == want, "%s: class, rectangle, visibility %s (found %s)" % (r["name"], want, got))
        if r["kind"] == "OptionButton":
            check(c["checked"] == r["checked"], r["name"] + " selected as in the table")
        if r["kind"] not in ("Image", "PictureBox") and r["name"] != "Label3":
            check(c["text"] == r["text"], "%s text %r (found %r)" % (r["name"], r["text"], c["text"]))
    check(s["controls"]["Label3"]["text"].startswith("Normalized 3rd order"), "Label3: 3rd order")
    check(s["controls"]["HScroll1"]["pos"] == "1000", "HScroll1 at 1000")
    # Top first, as the form stacks them; the options within their frames.
    want = [n for n in FACTS["stacking"] if ROW[n]["box"] == "OnForm"]
    got = [n for n in s["order"] if ROW[n]["box"] == "OnForm"]
    check(got == want, "stacking order, top first (found %s)" % got)
    names_given(s, "three", "start-up")
    wrong = {r["name"] for r in ROWS if s["controls"][r["name"]]["role"] != ROLES.get(
        r["name"], ROLES[r["kind"]])}
    check(not wrong, "roles through oleacc (wrong: %s)" % wrong)


def check_layout(probe, s, dpi, label, moved=False):
    """Client area (after a move its size only), all 48 rectangles, fonts."""
    got, want = (s["client"][2:], CLIENT_AT[dpi][2:]) if moved else (s["client"], CLIENT_AT[dpi])
    check(got == list(want), "%s at %d dpi: client area %s (found %s)" % (label, dpi, want, got))
    fonts = {NAME_OF[int(f[1])]: int(f[2]) for f in map(str.split, probe.ask("fonts"))}
    wrong = {r["name"] for r in ROWS if s["controls"][r["name"]]["rect"] != rect_at(r, dpi) or (
        r["kind"] != "ScrollBar" and fonts.get(r["name"]) != FONT_PX[dpi][r["points"]])}
    check(not wrong, "%s at %d dpi: 48 rectangles, font heights (wrong: %s)" % (label, dpi, wrong))


def press(probe, key, aspect):
    """A key, then the window's state once the aspect the key changes has changed."""
    old = aspect(probe.state())
    run("xdotool", "key", key)
    deadline = time.monotonic() + 5
    while aspect(s := probe.state()) == old and time.monotonic() < deadline:
        time.sleep(0.05)
    return s


def focus(s):
    return s["focus"]


def selected(s):
    return [n for n, c in s["controls"].items() if ROW[n]["kind"] == "OptionButton" and c["checked"]]


def tab_walk(probe, s):
    want = TAB_WALK_THREE_POLES
    got = [s["focus"]] + [press(probe, "Tab", focus)["focus"] for _ in want]
    check(got == want + want[:1], "focus on %s first, Tab walk %s (found %s)" % (want[0], want, got))
    check(press(probe, "shift+Tab", focus)["focus"] == want[-1], "Shift+Tab back to " + want[-1])
    press(probe, "Tab", focus)  # round to "Three Poles"
    s = press(probe, "Up", selected)
    check(s["controls"]["Option1"]["checked"], "Up selects Two Poles")
    order_shown(s, "two", "Up arrow")
    at = TAB_WALK_TWO_POLES.index("Option1")
    want = TAB_WALK_TWO_POLES[at + 1:] + TAB_WALK_TWO_POLES[:at + 1]
    got = [press(probe, "Tab", focus)["focus"] for _ in want]
    check(got == want, "two poles: Tab walk %s (found %s)" % (want, got))
    probe.click("Option2")


def typical_request(probe):
    probe.set_text("Text5", "2000")
    probe.click("Option8")  # step 100
    right_arrow()
    check(poll(lambda: probe.texts("Text1") == ["1100"]), "one right-arrow click: Text1 1100")
    probe.click("Command1")
    got = probe.texts("Text2", "Text3", "Text4")
    check(got == EXPECTED_THREE_POLES, "three-pole results %s (found %s)" % (EXPECTED_THREE_POLES, got))
    check(not probe.state()["controls"]["Label20"]["visible"], "Design hides the refresh prompt")
    probe.click("Option1")
    s = probe.state(names=True)
    order_shown(s, "two", "Two Poles")
    got = [s["controls"][n]["text"] for n in ("Text2", "Text3", "Label3")]
    check(got[:2] == [" ", " "] and got[2].startswith("Normalized 2nd"), "Two Poles: blanks, caption")
    check(s["controls"]["Label20"]["visible"], "Two Poles shows the refresh prompt")
    names_given(s, "two", "Two Poles")
    probe.click("Command1")
    got = probe.texts("Text2", "Text3")
    check(got == EXPECTED_TWO_POLES, "two-pole results %s (found %s)" % (EXPECTED_TWO_POLES, got))
    probe.click("Option2")
    order_shown(probe.state(), "three", "Three Poles again")


def increments_and_reset(probe):
    probe.click("Option10")  # step 1000
    right_arrow()
    check(poll(lambda: probe.texts("Text1") == ["2100"]), "step 1000: Text1 2100")
    probe.click("Command4")
    c = probe.state()["controls"]
    got = (c["Text1"]["text"], c["HScroll1"]["pos"], c["Option3"]["checked"], c["Option10"]["checked"])
    check(got == ("1000", "1000", True, False), "Reset: 1000, bar at 1000, step 1 (found %s)" % (got,))
    right_arrow()
    check(poll(lambda: probe.texts("Text1") == ["1001"]), "after Reset an arrow click adds 1")
    probe.click("Option3")  # the focus on "1": Right selects "5", Down the "100" below it
    for key, want in (("Right", "Option4"), ("Down", "Option8")):
        s = press(probe, key, selected)
        got = [n for n in selected(s) if ROW[n]["box"] == "Frame2"] + [s["focus"]]
        check(got == [want, want], "%s selects %s (found %s)" % (key, want, got))
    right_arrow()
    check(poll(lambda: probe.texts("Text1") == ["1101"]), "step 100 chosen by keys: Text1 1101")


def scroll_bar(probe):
    """Mouse and keys on the scroll bar; Text1 shows each value reported."""
    probe.click("Command4")
    probe.set_text("Text1", "777")  # a report would write the value over it
    on_bar(4)  # the left arrow, at the minimum
    time.sleep(0.5)
    check(probe.texts("Text1") == ["777"], "left arrow at the minimum reports nothing")
    h = ROW["HScroll1"]["rect"][3]
    on_bar(h + h // 2, "mousedown", "1")  # the thumb, beside the left arrow
    for x in (40, 80, 120, -2):  # dragged in steps onto the right arrow
        on_bar(x, "sleep", "0.05")
    run("xdotool", "mouseup", "1")
    check(poll(lambda: probe.texts("Text1") == ["10000"]), "thumb dragged to the end: 10000")
    on_bar(80)
    check(poll(lambda: probe.texts("Text1") == ["9999"]), "a trough click left of it: 9999")
    for key, want in (("End", "10000"), ("Home", "1000")):
        run("xdotool", "key", key)  # the click gave the bar the focus
        check(poll(lambda: probe.texts("Text1") == [want]), "%s: Text1 %s" % (key, want))
    probe.set_text("Text1", "777")
    run("xdotool", "key", "Left")
    time.sleep(0.5)
    check(probe.texts("Text1") == ["777"], "Left key at the minimum reports nothing")


def focus_returns(probe):
    before = probe.state()["focus"]
    probe.ask("other")
    check(probe.state()["focus"] is None, "no focus here while another window is active")
    probe.ask("activate")
    check(poll(lambda: probe.state()["focus"] == before), "activated again: focus on " + before)


def colours_follow(probe):
    """Desktop colour 0, the window's background, changed while it runs."""
    probe.ask("syscolor 0 00A000")
    x, y, w, h = ROW["Label20"]["rect"]
    check(poll(lambda: pixels(x, y, w, h).count((0, 160, 0)) > w * h // 2) and pixels(
        0, 0, *CLIENT[2:]).count((0, 160, 0)) > CLIENT[2] * CLIENT[3] // 3,
        "a new desktop colour: window and label backgrounds repainted in it")


def readable(probe, label):
    """The window in the black scheme, as check_high_contrast reads it."""
    c = probe.state()["controls"]
    captions = {}
    for r in ROWS:
        inset = CAPTION_INSET.get(r["kind"])
        if c[r["name"]]["visible"] and c[r["name"]]["text"].strip() and inset:
            x, y, w, h = r["rect"]
            if inset[2] is None:  # a frame: the first letters of its caption
                w, h = inset[0] + 40, FONT_PX[96][r["points"]]
            captions[r["name"]] = pixels(x + inset[0], y + inset[1], w - inset[0] - (inset[2] or 0),
                                         h - inset[1] - (inset[3] or 0))

    def pixels_of(name):  # the help sheet: left of Close, which lies over it
        x, y, w, h = ROW[name]["rect"]
        return pixels(x, y, ROW["Command6"]["rect"][0] - x if name == "Picture1" else w, h)
    check_high_contrast(label, captions, {n for n in c if c[n]["visible"]}, pixels_of,
                        *(tuple(bytes.fromhex(BLACK_SCHEME[n])) for n in (5, 8, 13)))


def high_contrast(probe):
    """The black scheme with high contrast on, then off again: in it every
    caption readable, no mask seen, the digits the same; after it the window
    as before, pixel for pixel. The focus stays where no caret blinks."""
    def design_at_focus_on_option8():
        probe.click("Command1")
        while probe.state()["focus"] != "Option8":
            press(probe, "Tab", focus)
    probe.click("Command4")
    probe.set_text("Text5", "2000")
    probe.click("Option8")
    right_arrow()
    poll(lambda: probe.texts("Text1") == ["1100"])
    design_at_focus_on_option8()
    probe.ask("contrast 0")  # a setting changed, high contrast still off: all drawn again
    time.sleep(0.5)
    before = pixels(0, 0, *CLIENT[2:])
    probe.ask("contrast 1")
    for number, colour in BLACK_SCHEME.items():
        probe.ask("syscolor %d %s" % (number, colour[4:] + colour[2:4] + colour[:2]))
    poll(lambda: pixel(*ROW["Label7"]["rect"][:2]) == (255, 255, 255))  # an edge bar
    run("/usr/bin/import", "-window", "root", "win32-high-contrast.png")
    for order, poles, results in (("Option2", "three", EXPECTED_THREE_POLES),
                                  ("Option1", "two", EXPECTED_TWO_POLES)):
        probe.click(order)
        probe.click("Command1")
        readable(probe, "high contrast, %s poles" % poles)
        got = probe.texts(*["Text2", "Text3", "Text4"][:len(results)])
        check(got == results, "high contrast, %s poles: digits (found %s)" % (poles, got))
    probe.click("Command5")
    readable(probe, "high contrast, help sheet")
    run("/usr/bin/import", "-window", "root", "win32-high-contrast-help.png")
    probe.click("Command6")
    probe.click("Option2")
    design_at_focus_on_option8()
    probe.ask("contrast 0")
    poll(lambda: pixels(0, 0, *CLIENT[2:]) == before)
    differing = sum(a != b for a, b in zip(before, pixels(0, 0, *CLIENT[2:])))
    check(differing == 0, "high contrast off again: %d pixels differ from before" % differing)


def help_and_close(probe):
    probe.click("Command5")
    c = probe.state()["controls"]
    check(c["Picture1"]["visible"] and c["Command6"]["visible"], "Help shows the sheet and Close")
    check(poll(lambda: pixel(158, 100) == (255, 0, 0)), "the help sheet's red bar on show")
    check(poll(lambda: pixel(448, 36) == (128, 128, 255)), "Close (#8080FF) lies over the sheet")
    run("/usr/bin/import", "-window", "root", "win32-help.png")
    probe.click("Command6")
    s = probe.state()
    check(not s["controls"]["Picture1"]["visible"] and not s["controls"]["Command6"]["visible"]
          and s["focus"] == "Text1", "Close takes the sheet away, focus to Text1 (%s)" % s["focus"])


def start(prefix, display, lang):
    global ENV
    ENV = wine_env(prefix, display, lang)
    log = os.path.abspath("lowpass-%s.log" % lang)
    t0 = time.monotonic()
    app = spawn(["wine", os.path.join(WIN32_BUILD, "lowpass.exe")], stdout=subprocess.DEVNULL,
                env=wine_env(prefix, display, lang), stderr=open(log, "w"))
    probe = Probe()
    if probe.ask("wait 20") != ["window"]:
        sys.exit("no window")
    print("window on show after %.2f s" % (time.monotonic() - t0), flush=True)
    wid = run("xdotool", "search", "--onlyvisible", "--name", "^" + TITLE).stdout.split()[0]
    run("xdotool", "windowfocus", "--sync", wid)  # what a window manager would do on map
    return app, probe, log


def wait_exit(app, what):
    try:
        check(app.wait(timeout=10) == 0, what + " ends the program with exit code 0")
    except subprocess.TimeoutExpired:
        check(False, what + ": program still running after 10 s")


def window_test(prefix):
    display, _ = start_xvfb()
    app, probe, log = start(prefix, display, "C.UTF-8")
    time.sleep(0.5)
    run("/usr/bin/import", "-window", "root", "win32-start.png")
    s = probe.state(names=True)
    check_start(s)
    check_form_walks(FACTS)
    tab_walk(probe, s)
    typical_request(probe)
    increments_and_reset(probe)
    help_and_close(probe)
    scroll_bar(probe)
    focus_returns(probe)
    high_contrast(probe)
    colours_follow(probe)
    check_layout(probe, probe.state(), 96, "as opened")
    probe.ask("dpi 144")
    check_layout(probe, probe.state(), 144, "moved to a 144-dpi monitor", moved=True)
    probe.click("Command2")
    wait_exit(app, "EXIT")

    app, probe, log = start(prefix, display, "de_DE.UTF-8")
    probe.set_text("Text5", "2000")
    probe.click("Option8")
    right_arrow()
    poll(lambda: probe.texts("Text1") == ["1100"])
    probe.click("Command1")
    want = [t.replace(".", ",") for t in EXPECTED_THREE_POLES]
    got = probe.texts("Text2", "Text3", "Text4")
    check(got == want, "German locale: results %s (found %s)" % (want, got))
    x, y, w, _ = probe.state()["frame"]
    run("xdotool", "mousemove", str(x + w - 14), str(y + 10), "click", "1")
    wait_exit(app, "the close box")


def help_sheet_scale(probe, dpi):
    """The help sheet in its own colours only (never smoothed), its red border
    where its pixels enlarged by dpi / 96 put it; Close, over it, left out."""
    probe.click("Command5")
    s = probe.state()
    x, y, w, h = s["controls"]["Picture1"]["rect"]
    cx, cy, cw, ch = s["controls"]["Command6"]["rect"]
    time.sleep(0.3)
    sheet = [(i % w, i // w, p) for i, p in enumerate(pixels(x, y, w, h, s["client"]))
             if not (0 <= x + i % w - cx < cw and 0 <= y + i // w - cy < ch)]
    red = [(i, j) for i, j, p in sheet if p == (255, 0, 0)] or [(0, 0)]
    got = (min(red)[0], min(j for _, j in red), max(red)[0], max(j for _, j in red))
    check({p for _, _, p in sheet} <= HELP_COLOURS and all(
        abs(g - v * dpi / 96) <= 1.5 for g, v in zip(got, HELP_RED)),
        "%d dpi: help sheet sharp, red border at %s x %g (found %s)"
        % (dpi, HELP_RED, dpi / 96, got))
    run("/usr/bin/import", "-window", "root", "win32-help-%d.png" % dpi)
    probe.click("Command6")


def scale_test(prefix):
    global ENV
    display, _ = start_xvfb((1400, 1100))
    ENV = wine_env(prefix, display)
    for dpi in (120, 144, 192):
        run("wine", "reg", "add", r"HKCU\Control Panel\Desktop", "/v", "LogPixels", "/t",
            "REG_DWORD", "/d", str(dpi), "/f")
        # Wine 10 keeps the monitors' dpi in its running server: start anew.
        run("wineserver", "-k")
        run("wineserver", "-w")
        app, probe, _ = start(prefix, display, "C.UTF-8")
        check_layout(probe, probe.state(), dpi, "opened")
        help_sheet_scale(probe, dpi)
        probe.click("Command2")
        wait_exit(app, "%d dpi: EXIT" % dpi)


UNINSTALL_KEY = r"Software\Microsoft\Windows\CurrentVersion\Uninstall\LowPassButterworth"
# What Properties > Details shows, as the resource holds it: name, NUL,
# padding, value.
DETAILS = {"CompanyName": "The Low Pass Filter - Butterworth authors", "ProductName": TITLE,
           "LegalCopyright": "Copyright (c) 2026 The Low Pass Filter - Butterworth authors"}


def version_information(version):
    for name, description in (("lowpass.exe", "Butterworth low-pass filter calculator"),
                              ("lowpass-%s-setup.exe" % version, TITLE + " installer")):
        data = open(os.path.join(WIN32_BUILD, name), "rb").read()
        want = dict(DETAILS, FileVersion=version, ProductVersion=version,
                    FileDescription=description)
        missing = [k for k, v in want.items() if not re.search(k.encode("utf-16-le")
                   + b"\0\0(\0\0)?" + re.escape(v.encode("utf-16-le")) + b"\0\0", data)]
        check(not missing, "%s: version information %s (missing: %s)" % (name, want, missing))
    manifest = open(os.path.join(WIN32_BUILD, "lowpass.exe"), "rb").read()
    check(all(m in manifest for m in (b'level="asInvoker"', b"PerMonitorV2",
                                     b"{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"))
          and b"Common-Controls" not in manifest,
          "manifest: asInvoker, Windows 10 and 11, per-monitor dpi aware, classic controls")


def programs_entry(root, version):
    listed = run("wine", "reg", "query", root + "\\" + UNINSTALL_KEY).stdout
    check(all(re.search(r"\s%s\s+REG_\w+\s+%s" % kv, listed) for kv in (
        ("DisplayVersion", re.escape(version)), ("Publisher", DETAILS["CompanyName"]),
        ("EstimatedSize", "0x[0-9a-f]*[1-9a-f]"), ("UninstallString", ".*uninstall.exe"))),
        "%s: programs list entry, version %s, publisher, size, uninstaller" % (root, version))


def files_under(root):
    """Every file and folder under root but the temporary ones."""
    found = set()
    for top, dirs, files in os.walk(root):
        dirs[:] = [d for d in dirs if d != "Temp"]
        found |= {os.path.relpath(os.path.join(top, n), root) for n in dirs + files}
    return found


def just_for_me(prefix, version):
    """Wine gives every program administrator rights: a just-for-me install
    is checked by where it writes."""
    drive = prefix + "/drive_c/"
    before = files_under(drive)
    setup_exe = os.path.join(WIN32_BUILD, "lowpass-%s-setup.exe" % version)
    check(run("wine", setup_exe, "/S", "/CurrentUser").returncode == 0, "setup /S /CurrentUser")
    new = files_under(drive) - before
    folder = [f for f in new
              if re.fullmatch(r"users/\w+/AppData/Local/Programs/Low Pass Filter", f)]
    user = folder[0].split("/AppData")[0] if folder else "?"
    shortcut = user + "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/%s.lnk" % TITLE
    check({folder[0] + "/lowpass.exe", shortcut} <= new and all(f.startswith(user) for f in new),
          "just for me: program under LocalAppData\\Programs, own shortcut, nothing elsewhere")
    programs_entry("HKCU", version)
    uninstall(drive + folder[0] + "/uninstall.exe")
    check(files_under(drive) == before and all("LowPassButterworth" not in open(
        prefix + reg, errors="replace").read() for reg in ("/system.reg", "/user.reg")),
        "just for me: nothing in HKLM; the uninstaller leaves no file and no key")


def portable(prefix, version):
    """The zip unpacked on a stick and run from there, as usual and minimised
    (as a shortcut's "Run: Minimized" starts it)."""
    global ENV
    ENV = wine_env(prefix, start_xvfb()[0])
    z = zipfile.ZipFile(os.path.join(WIN32_BUILD, "lowpass-%s-portable.zip" % version))
    check(sorted(z.namelist()) == ["LICENSE.txt", "README.txt", "lowpass.exe"], "zip contents")
    z.extractall(prefix + "/drive_c/USB stick")
    # Minimised, Windows keeps a window at -32000,-32000 with no client area.
    for show, want in ([], [[0], list(CLIENT)]), (["/min"], [[1], [-32000, -32000, 0, 0]]):
        app = spawn(["wine", "start", "/wait"] + show + ["/unix", prefix +
                     "/drive_c/USB stick/lowpass.exe"], env=ENV, stderr=subprocess.DEVNULL)
        probe = Probe()
        s = probe.state() if probe.ask("wait 20") == ["window"] else {}
        got = [s.get("iconic"), s.get("client")]
        check(got == want, "unpacked zip, start %s: runs (found %s)" % (show, got))
        probe.click("Command2")
        wait_exit(app, "unpacked zip: EXIT")
        probe.close()


def uninstall(path):
    """Runs the uninstaller silently and waits until it has done. It relaunches
    itself from %TEMP% and returns at once, so the wait is for the server to
    end with the last process; the registry is on disk by then, too."""
    run("wine", path, "/S")
    run("wineserver", "-w")


def installer_test(prefix):
    global ENV
    ENV = wine_env(prefix)
    version = re.search(r"^## (\d+\.\d+\.\d+)", open(SOURCE + "/CHANGELOG.md").read(), re.M)[1]
    folder = prefix + "/drive_c/Program Files/Low Pass Filter"
    shortcut = prefix + "/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/%s.lnk" % TITLE
    key = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\LowPassButterworth"
    version_information(version)
    just_for_me(prefix, version)
    setup = run("wine", os.path.join(WIN32_BUILD, "lowpass-%s-setup.exe" % version), "/S")
    check(setup.returncode == 0, "setup /S exits with 0")
    same = open(folder + "/lowpass.exe", "rb").read() == open(WIN32_BUILD + "/lowpass.exe", "rb").read()
    check(same and os.path.exists(folder + "/uninstall.exe"), "lowpass.exe and uninstaller installed")
    check(os.path.exists(shortcut), "Start Menu shortcut")
    programs_entry("HKLM", version)
    listed = run("wine", "reg", "query", key).stdout
    check(re.search(r"DisplayVersion\s+REG_SZ\s+%s\s" % re.escape(version), listed) is not None
          and "uninstall.exe" in listed, "programs list entry, version %s, uninstaller" % version)
    uninstall(folder + "/uninstall.exe")
    check(not os.path.exists(folder) and not os.path.exists(shortcut),
          "uninstall removes the folder and the shortcut")
    check("DisplayName" not in run("wine", "reg", "query", key).stdout, "entry removed")
    portable(prefix, version)


def main():
    self_check_expected()
    self_check_contrast()
    give_up_after(110)
    mode = MODE
    if mode == "prefix":
        make_template()
    else:
        prefix = fresh_prefix("prefix-" + mode)
        try:
            {"window": window_test, "scale": scale_test, "installer": installer_test}[mode](prefix)
        finally:
            run("wineserver", "-k", env=wine_env(prefix))  # while their display is still there
            stop_children()
            shutil.rmtree(prefix, ignore_errors=True)
    if failures:
        sys.exit("%d check(s) failed" % len(failures))
    print("all checks passed")


if __name__ == "__main__":
    main()
