#!/usr/bin/python3
"""The Windows window under Wine on a private Xvfb.

Usage: wine_test.py WIN32_BUILD SOURCE_DIR prefix|window|installer

prefix     makes the template Wine prefix in the working directory, once per
           build folder: fonts-wine in its Fonts folder, Decorated=N.
window     runs lowpass.exe in a fresh copy and reads it with probe.exe: every
           control against the control table (read here as text), stacking,
           Tab walk, the typical request with the Linux end-to-end test's
           digits, both orders, increments, arrow keys, Reset, Help, Close,
           EXIT; then a comma locale and the close box.
installer  silent install: files, shortcut, programs-list entry; silent
           uninstall removes them.
"""
import os
import re
import shutil
import subprocess
import sys
import time

WIN32_BUILD, SOURCE = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
from e2e_common import (EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, TAB_WALK_THREE_POLES,  # noqa: E402
                        TAB_WALK_TWO_POLES, check, failures,
                        give_up_after, self_check_expected, spawn, start_xvfb, stop_children)

TEMPLATE = os.path.abspath("wine-template")
TITLE = "Low Pass Filter - Butterworth"
CLIENT = (111, 117, 542, 395)
CLASSES = {"PushButton": "button", "Frame": "button", "OptionButton": "button",
           "TextBox": "edit", "ScrollBar": "scrollbar"}  # the rest: static
HIDDEN_AT_START = {"Picture1", "Command6", "Label4", "Label5", "Label6", "Text6"}
# On show in one order only, and what a screen reader is told each box is.
SHOWN = {"two": {"Label4", "Label13", "Label5", "Label6", "Image1", "Text6"},
         "three": {"Label1", "Label14", "Label10", "Label11", "Label12", "Label18", "Text4",
                   "Image2", "Text7"}}
NAMES = {"two": {"Text5": "Enter frequency (Hz)", "HScroll1": "Select R1",
                 "Text1": "R1 = R2 (Ohm)", "Text2": "C1 (uF)", "Text3": "C2 (uF)"},
         "three": {"Text5": "Enter frequency (Hz)", "HScroll1": "Select R3",
                   "Text1": "R3 = R4 = R5 (Ohm)", "Text2": "C3 (uF)", "Text3": "C4 (uF)",
                   "Text4": "C5 (uF)"}}
ENV = {}


def read_table():
    """The rows of form/control_table.cpp as text; window ids are 100 + row."""
    rows = []
    for line in open(os.path.join(SOURCE, "form", "control_table.cpp")):
        m = re.match(r'\{(\w+), +"\w+", +(\w+), +(\w+), +("(?:[^"\\]|\\.)*"|\w+), +\w+, +(\d+), '
                     r'+(\d+), +(\d+), +(\d+),.*, +(true|false), +(-?\d+), +(true|false), +\w+\},$',
                     line.strip())
        if m:
            name, kind, box, text, l, t, w, h, shown, tab, checked = m.groups()
            text = "1000" if text.startswith("kStart") else text[1:-1].replace('\\"', '"')
            rows.append(dict(name=name, kind=kind, box=box, text=text, tab=int(tab),
                             rect=[int(v) // 15 for v in (l, t, w, h)], number=100 + len(rows),
                             shown=shown == "true" and name not in HIDDEN_AT_START,
                             checked=checked == "true"))
    by_name = {r["name"]: r for r in rows}
    for r in rows:  # options: client pixels, not frame pixels
        if r["box"] != "OnForm":
            r["rect"][0] += by_name[r["box"]]["rect"][0]
            r["rect"][1] += by_name[r["box"]]["rect"][1]
    return rows, by_name


ROWS, ROW = read_table()
NAME_OF = {r["number"]: r["name"] for r in ROWS}


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


def poll(probe, seconds=5):
    deadline = time.monotonic() + seconds
    while not probe() and time.monotonic() < deadline:
        time.sleep(0.1)
    return probe()


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

    def state(self):
        s = {"controls": {}, "order": []}
        for line in self.ask("dump"):
            f = line.split("\t" if line.startswith("control") else None)
            if f[0] == "control":
                s["order"].append(NAME_OF[int(f[1])])
                s["controls"][NAME_OF[int(f[1])]] = dict(
                    cls=f[2].lower(), visible=f[3] == "1", checked=f[5] == "1", pos=f[6],
                    rect=[int(v) for v in f[7:11]], text=f[11], hwnd=int(f[12], 16), name=f[13])
            else:
                s[f[0]] = NAME_OF.get(int(f[1])) if f[0] == "focus" else [int(v) for v in f[1:]]
        return s

    def click(self, name):
        self.ask("click %d" % ROW[name]["number"])

    def set_text(self, name, text):
        self.ask("settext %d %s" % (ROW[name]["number"], text))

    def texts(self, *names):
        c = self.state()["controls"]
        return [c[n]["text"] for n in names]


def right_arrow():
    """A real mouse click on the scroll bar's right arrow."""
    x, y, w, h = ROW["HScroll1"]["rect"]
    run("xdotool", "mousemove", str(CLIENT[0] + x + w - 4), str(CLIENT[1] + y + h // 2), "click", "1")


def pixel(x, y):
    raw = subprocess.run(["/usr/bin/import", "-window", "root", "-crop", "1x1+%d+%d" % (
        CLIENT[0] + x, CLIENT[1] + y), "-depth", "8", "rgb:-"], env=ENV, capture_output=True).stdout
    return tuple(raw[:3])


def names_given(log, s, order, label):
    """The names a screen reader gets: from oleacc where this Wine applies the
    program's Dynamic Annotation; Wine 8 only traces the calls, so there the
    trace shows the names given, latest last."""
    calls = re.findall(r'SetHwndPropStr \(([0-9A-F]+) \S+ \S+ \{608d3df8-8128-4aa7-a428-'
                       r'f55e49267291\} L"([^"]*)"\)', open(log, errors="replace").read())
    by_hwnd = {int(h, 16): n for h, n in calls}
    got = {box: by_hwnd.get(s["controls"][box]["hwnd"], s["controls"][box]["name"])
           for box in NAMES[order]}
    check(got == NAMES[order], label + ": boxes named %s (found %s)" % (NAMES[order], got))


def order_shown(s, order, label):
    other = SHOWN["two" if order == "three" else "three"]
    wrong = sorted(n for n in SHOWN[order] | other if s["controls"][n]["visible"] != (n in SHOWN[order]))
    check(not wrong, label + ": shown and hidden as for %s poles (wrong: %s)" % (order, wrong))


def check_start(s, log):
    check(len(ROWS) == 48, "48 rows read from the control table (found %d)" % len(ROWS))
    check(s["client"] == list(CLIENT), "client area at 111,117, 542 x 395 (found %s)" % s["client"])
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
    # Top first; labels and images beneath all others; a frame's options after it.
    surface = [r["name"] for r in ROWS if r["kind"] in ("Label", "Image")]
    want = [r["name"] for r in ROWS if r["name"] not in surface and r["box"] == "OnForm"] + surface
    got = [n for n in s["order"] if ROW[n]["box"] == "OnForm"]
    check(got == want, "stacking order, top first (found %s)" % got)
    names_given(log, s, "three", "start-up")


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


def typical_request(probe, log):
    probe.set_text("Text5", "2000")
    probe.click("Option8")  # step 100
    right_arrow()
    check(poll(lambda: probe.texts("Text1") == ["1100"]), "one right-arrow click: Text1 1100")
    probe.click("Command1")
    got = probe.texts("Text2", "Text3", "Text4")
    check(got == EXPECTED_THREE_POLES, "three-pole results %s (found %s)" % (EXPECTED_THREE_POLES, got))
    check(not probe.state()["controls"]["Label20"]["visible"], "Design hides the refresh prompt")
    probe.click("Option1")
    s = probe.state()
    order_shown(s, "two", "Two Poles")
    got = [s["controls"][n]["text"] for n in ("Text2", "Text3", "Label3")]
    check(got[:2] == [" ", " "] and got[2].startswith("Normalized 2nd"), "Two Poles: blanks, caption")
    check(s["controls"]["Label20"]["visible"], "Two Poles shows the refresh prompt")
    names_given(log, s, "two", "Two Poles")
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
                env=wine_env(prefix, display, lang, "-all,fixme+oleacc"), stderr=open(log, "w"))
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
    s = probe.state()
    check_start(s, log)
    tab_walk(probe, s)
    typical_request(probe, log)
    increments_and_reset(probe)
    help_and_close(probe)
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


def installer_test(prefix):
    global ENV
    ENV = wine_env(prefix)
    version = re.search(r"^## (\d+\.\d+\.\d+)", open(SOURCE + "/CHANGELOG.md").read(), re.M)[1]
    folder = prefix + "/drive_c/Program Files/Low Pass Filter"
    shortcut = prefix + "/drive_c/ProgramData/Microsoft/Windows/Start Menu/Programs/%s.lnk" % TITLE
    key = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\LowPassButterworth"
    setup = run("wine", os.path.join(WIN32_BUILD, "lowpass-%s-setup.exe" % version), "/S")
    check(setup.returncode == 0, "setup /S exits with 0")
    same = open(folder + "/lowpass.exe", "rb").read() == open(WIN32_BUILD + "/lowpass.exe", "rb").read()
    check(same and os.path.exists(folder + "/uninstall.exe"), "lowpass.exe and uninstaller installed")
    check(os.path.exists(shortcut), "Start Menu shortcut")
    listed = run("wine", "reg", "query", key).stdout
    check(re.search(r"DisplayVersion\s+REG_SZ\s+%s\s" % re.escape(version), listed) is not None
          and "uninstall.exe" in listed, "programs list entry, version %s, uninstaller" % version)
    run("wine", folder + "/uninstall.exe", "/S")  # relaunches itself from %TEMP%, returns at once
    check(poll(lambda: not os.path.exists(folder) and not os.path.exists(shortcut), 30),
          "uninstall removes the folder and the shortcut")
    run("wineserver", "-w")
    check("DisplayName" not in run("wine", "reg", "query", key).stdout, "entry removed")


def main():
    self_check_expected()
    give_up_after(110)
    mode = sys.argv[3]
    if mode == "prefix":
        make_template()
    else:
        prefix = fresh_prefix("prefix-" + mode)
        try:
            (window_test if mode == "window" else installer_test)(prefix)
        finally:
            run("wineserver", "-k", env=wine_env(prefix))  # while their display is still there
            stop_children()
            shutil.rmtree(prefix, ignore_errors=True)
    if failures:
        sys.exit("%d check(s) failed" % len(failures))
    print("all checks passed")


if __name__ == "__main__":
    main()
