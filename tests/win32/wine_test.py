#!/usr/bin/python3
"""The Windows window under Wine on a private Xvfb.

Usage: wine_test.py WIN32_BUILD SOURCE_DIR prefix|window|installer

prefix     makes the template Wine prefix in the working directory (once per
           build folder): the fonts-wine files in its Fonts folder and
           Decorated=N, so that Wine draws the caption and close box itself.
window     runs lowpass.exe in a fresh copy of it and reads it with probe.exe:
           every control against the control table (read here as text), the
           Tab walk, the typical request with the Linux end-to-end test's
           expected digits, order switching, increments, arrow keys, Reset,
           Help and Close, EXIT; then a comma locale and the close box.
installer  installs silently, checks files, shortcut and programs-list entry,
           uninstalls silently and checks that all of it is gone.
"""
import os
import re
import shutil
import subprocess
import sys
import time

WIN32_BUILD, SOURCE = sys.argv[1], sys.argv[2]
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
from e2e_common import (EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, check, failures,  # noqa: E402
                        give_up_after, self_check_expected, spawn, start_xvfb, stop_children)

TEMPLATE = os.path.abspath("wine-template")
TITLE = "Low Pass Filter - Butterworth"
CLIENT = (111, 117, 542, 395)
FIRST_NUMBER = 100  # control window ids: 100 + the row's place in the table
FOCUSABLE = {"PushButton", "TextBox", "ScrollBar", "OptionButton"}
CLASSES = {"PushButton": "button", "PictureBox": "static", "TextBox": "edit",
           "MaskBox": "static", "ScrollBar": "scrollbar", "Frame": "button",
           "OptionButton": "button", "Image": "static", "Label": "static"}
HIDDEN_AT_START = {"Picture1", "Command6", "Label4", "Label5", "Label6", "Text6"}
START_TEXT = {"kStartFreqText": "1000", "kStartRvalText": "1000"}
# What a screen reader is told each box is called, in each order.
NAMES = {
    "three": {"Text5": "Enter frequency (Hz)", "HScroll1": "Select R3",
              "Text1": "R3 = R4 = R5 (Ohm)", "Text2": "C3 (uF)", "Text3": "C4 (uF)",
              "Text4": "C5 (uF)"},
    "two": {"Text5": "Enter frequency (Hz)", "HScroll1": "Select R1", "Text1": "R1 = R2 (Ohm)",
            "Text2": "C1 (uF)", "Text3": "C2 (uF)"},
}
# Captions on show in each order (the others of these hidden).
ORDER_LABELS = {"two": {"Label4", "Label13", "Label5", "Label6", "Image1", "Text6"},
                "three": {"Label1", "Label14", "Label10", "Label11", "Label12", "Label18",
                          "Text4", "Image2", "Text7"}}
RED, CLOSE_FACE = (255, 0, 0), (128, 128, 255)


def table():
    """The rows of form/control_table.cpp, read as text."""
    rows = []
    with open(os.path.join(SOURCE, "form", "control_table.cpp")) as f:
        for line in f:
            m = re.match(r'\{(\w+), +"\w+", +(\w+), +(\w+), +("(?:[^"\\]|\\.)*"|\w+), +\w+, '
                         r'+(\d+), +(\d+), +(\d+), +(\d+),.*, +(true|false), +(-?\d+), +'
                         r'(true|false), +\w+\},$', line.strip())
            if m:
                name, kind, container, text, l, t, w, h, shown, tab, checked = m.groups()
                text = START_TEXT.get(text) or text[1:-1].replace('\\"', '"')
                rows.append(dict(name=name, kind=kind, container=container, text=text,
                                 rect=[int(v) // 15 for v in (l, t, w, h)], shown=shown == "true",
                                 tab=int(tab), checked=checked == "true",
                                 number=FIRST_NUMBER + len(rows)))
    by_name = {r["name"]: r for r in rows}
    for r in rows:  # rectangles in client pixels
        if r["container"] != "Form1":
            r["rect"][0] += by_name[r["container"]]["rect"][0]
            r["rect"][1] += by_name[r["container"]]["rect"][1]
    return rows, by_name


ROWS, ROW = table()
NAME_OF = {r["number"]: r["name"] for r in ROWS}


# --- Wine ---------------------------------------------------------------------

def wine_env(prefix, display=None, lang="C.UTF-8", debug="-all"):
    env = dict(os.environ, WINEPREFIX=prefix, WINEDEBUG=debug, LANG=lang, LC_ALL=lang,
               WINEDLLOVERRIDES="winemenubuilder.exe=d")  # it writes into the real $HOME
    env.pop("DISPLAY", None)
    if display:
        env["DISPLAY"] = display
    return env


def make_template():
    if os.path.exists(os.path.join(TEMPLATE, "complete")):
        return
    shutil.rmtree(TEMPLATE, ignore_errors=True)
    env = wine_env(TEMPLATE)
    subprocess.run(["wineboot", "--init"], env=env, check=True, capture_output=True, timeout=90)
    fonts = os.path.join(TEMPLATE, "drive_c", "windows", "Fonts")
    for font in os.listdir("/usr/share/wine/fonts"):
        shutil.copy(os.path.join("/usr/share/wine/fonts", font), fonts)
    subprocess.run(["wine", "reg", "add", r"HKCU\Software\Wine\X11 Driver", "/v", "Decorated",
                    "/d", "N", "/f"], env=env, check=True, capture_output=True, timeout=60)
    subprocess.run(["wineserver", "-w"], env=env, timeout=60)
    open(os.path.join(TEMPLATE, "complete"), "w").close()


def fresh_prefix(name):
    prefix = os.path.abspath(name)
    shutil.rmtree(prefix, ignore_errors=True)
    subprocess.run(["cp", "-a", TEMPLATE, prefix], check=True)
    return prefix


def end_prefix(prefix):
    subprocess.run(["wineserver", "-k"], env=wine_env(prefix), capture_output=True, timeout=30)
    shutil.rmtree(prefix, ignore_errors=True)


class Probe:
    """probe.exe, asked one command at a time."""

    def __init__(self, env):
        self.p = spawn(["wine", os.path.join(WIN32_BUILD, "probe.exe")], env=env,
                       stdin=subprocess.PIPE, stdout=subprocess.PIPE, text=True)

    def ask(self, command):
        self.p.stdin.write(command + "\n")
        self.p.stdin.flush()
        lines = []
        for line in self.p.stdout:
            if line.rstrip("\n") == "end":
                return lines
            lines.append(line.rstrip("\n"))
        sys.exit("probe ended")

    def state(self):
        s = {"controls": {}, "order": []}
        for line in self.ask("dump"):
            f = line.split("\t") if line.startswith("control") else line.split()
            if f[0] == "control":
                name = NAME_OF.get(int(f[1]), f[1])
                s["order"].append(name)
                s["controls"][name] = dict(cls=f[2].lower(), visible=f[3] == "1",
                                           checked=f[5] == "1", pos=f[6],
                                           rect=[int(v) for v in f[7:11]], text=f[11],
                                           hwnd=int(f[13], 16))
            elif f[0] in ("client", "frame"):
                s[f[0]] = tuple(int(v) for v in f[1:5])
            elif f[0] == "focus":
                s["focus"] = NAME_OF.get(int(f[1]), f[1])
        return s

    def click(self, name):
        self.ask("click %d" % ROW[name]["number"])

    def set_text(self, name, text):
        self.ask("settext %d %s" % (ROW[name]["number"], text))

    def texts(self, *names):
        c = self.state()["controls"]
        return [c[n]["text"] for n in names]


def xdo(env, *args):
    return subprocess.run(["xdotool"] + list(args), env=env, capture_output=True, text=True,
                          timeout=10).stdout


def click_at(env, x, y):
    """A real mouse click at client coordinates."""
    xdo(env, "mousemove", str(CLIENT[0] + x), str(CLIENT[1] + y), "click", "1")


def right_arrow(env):
    x, y, w, h = ROW["HScroll1"]["rect"]
    click_at(env, x + w - 4, y + h // 2)


def pixel(env, x, y):
    raw = subprocess.run(["/usr/bin/import", "-window", "root", "-crop",
                          "1x1+%d+%d" % (CLIENT[0] + x, CLIENT[1] + y), "-depth", "8", "rgb:-"],
                         env=env, capture_output=True, timeout=10).stdout
    return tuple(raw[:3])


def poll(probe, seconds=5):
    deadline = time.monotonic() + seconds
    while not probe() and time.monotonic() < deadline:
        time.sleep(0.1)
    return probe()


def annotated_names(log, state):
    """The latest name given to each control through Dynamic Annotation, read
    from Wine's own trace of the calls: Wine 8 takes them but does not yet
    hand them on through oleacc."""
    with open(log, errors="replace") as f:
        calls = re.findall(r'SetHwndPropStr \(([0-9A-F]+) \S+ \S+ '
                           r'\{608d3df8-8128-4aa7-a428-f55e49267291\} L"([^"]*)"\)', f.read())
    by_hwnd = {int(h, 16): n for h, n in calls}
    return {name: by_hwnd.get(c["hwnd"]) for name, c in state["controls"].items()}


# --- the window ---------------------------------------------------------------

def check_start(s):
    check(s["client"] == CLIENT, "client area at 111,117, 542 x 395 (found %s)" % (s["client"],))
    for r in ROWS:
        c = s["controls"].get(r["name"])
        if not check(c is not None, r["name"] + " exists"):
            continue
        visible = r["shown"] and r["name"] not in HIDDEN_AT_START
        got = (c["cls"], c["rect"], c["visible"])
        want = (CLASSES[r["kind"]], r["rect"], visible)
        check(got == want, "%s: class, rectangle, visibility %s (found %s)" % (r["name"], want, got))
        if r["kind"] == "OptionButton":
            check(c["checked"] == r["checked"], r["name"] + " selected as in the table")
        if r["kind"] not in ("Image", "PictureBox") and r["name"] != "Label3":
            check(c["text"] == r["text"], "%s text %r (found %r)" % (r["name"], r["text"], c["text"]))
    check(s["controls"]["Label3"]["text"].startswith("Normalized 3rd order"), "Label3: 3rd order")
    check(s["controls"]["HScroll1"]["pos"] == "1000", "HScroll1 at 1000")
    # Stacking: top first; labels and images beneath all others, each group in
    # table order; a frame's options follow it.
    surface = {"Label", "Image"}
    want = [r["name"] for r in ROWS if r["kind"] not in surface and r["container"] == "Form1"]
    want += [r["name"] for r in ROWS if r["kind"] in surface]
    got = [n for n in s["order"] if ROW[n]["container"] == "Form1"]
    check(got == want, "stacking order top first (found %s)" % got)


def tab_walk(env, probe, s):
    stops = sorted((r for r in ROWS if r["kind"] in FOCUSABLE), key=lambda r: r["tab"])
    want = [r["name"] for r in stops if r["shown"] and r["name"] not in HIDDEN_AT_START
            and (r["kind"] != "OptionButton" or r["checked"])]
    check(s["focus"] == want[0], "focus starts on %s (found %s)" % (want[0], s["focus"]))
    got = [s["focus"]]
    for _ in want:
        xdo(env, "key", "Tab")
        got.append(probe.state()["focus"])
    check(got == want + want[:1], "Tab walk %s (found %s)" % (want, got))
    xdo(env, "key", "shift+Tab")
    check(probe.state()["focus"] == want[-1], "Shift+Tab goes back to " + want[-1])


def order_shown(s, order, label):
    other = "two" if order == "three" else "three"
    c = s["controls"]
    wrong = sorted(n for n in ORDER_LABELS[order] if not c[n]["visible"])
    wrong += sorted(n for n in ORDER_LABELS[other] if c[n]["visible"])
    check(not wrong, label + ": shown and hidden as for %s poles (wrong: %s)" % (order, wrong))


def names_given(log, s, order, label):
    names = annotated_names(log, s)
    got = {box: names[box] for box in NAMES[order]}
    check(got == NAMES[order], label + ": boxes named %s (found %s)" % (NAMES[order], got))


def typical_request(env, probe, log):
    probe.set_text("Text5", "2000")
    probe.click("Option8")  # step 100
    right_arrow(env)
    check(poll(lambda: probe.texts("Text1") == ["1100"]), "one right-arrow click: Text1 1100")
    probe.click("Command1")
    s = probe.state()
    got = [s["controls"][n]["text"] for n in ("Text2", "Text3", "Text4")]
    check(got == EXPECTED_THREE_POLES, "three-pole results %s (found %s)" % (EXPECTED_THREE_POLES, got))
    check(not s["controls"]["Label20"]["visible"], "Design hides the refresh prompt")

    probe.click("Option1")
    s = probe.state()
    order_shown(s, "two", "Two Poles")
    check(probe.texts("Text2", "Text3") == [" ", " "], "Two Poles blanks the results")
    check(s["controls"]["Label3"]["text"].startswith("Normalized 2nd order"), "Label3: 2nd order")
    check(s["controls"]["Label20"]["visible"], "Two Poles shows the refresh prompt")
    names_given(log, s, "two", "Two Poles")
    probe.click("Command1")
    got = probe.texts("Text2", "Text3")
    check(got == EXPECTED_TWO_POLES, "two-pole results %s (found %s)" % (EXPECTED_TWO_POLES, got))
    probe.click("Option2")
    s = probe.state()
    order_shown(s, "three", "Three Poles again")
    names_given(log, s, "three", "Three Poles again")


def increments_and_reset(env, probe):
    probe.click("Option10")  # step 1000
    right_arrow(env)
    check(poll(lambda: probe.texts("Text1") == ["2100"]), "step 1000: Text1 2100")
    probe.click("Command4")
    s = probe.state()
    c = s["controls"]
    got = (c["Text1"]["text"], c["HScroll1"]["pos"], c["Option3"]["checked"], c["Option10"]["checked"])
    check(got == ("1000", "1000", True, False), "Reset: 1000, scroll bar 1000, step 1 (found %s)" % (got,))
    right_arrow(env)
    check(poll(lambda: probe.texts("Text1") == ["1001"]), "after Reset an arrow click adds 1")
    # The arrow keys: from "1", Right selects "5", Down the "100" below it.
    probe.click("Option3")
    for key, want in (("Right", "Option4"), ("Down", "Option8")):
        xdo(env, "key", key)
        s = probe.state()
        chosen = [n for n in ("Option%d" % i for i in range(3, 11)) if s["controls"][n]["checked"]]
        check(chosen == [want] and s["focus"] == want,
              "%s arrow selects %s (found %s, focus %s)" % (key, want, chosen, s["focus"]))
    right_arrow(env)
    check(poll(lambda: probe.texts("Text1") == ["1101"]), "step 100 chosen by keys: Text1 1101")


def help_and_close(env, probe):
    probe.click("Command5")
    c = probe.state()["controls"]
    check(c["Picture1"]["visible"] and c["Command6"]["visible"], "Help shows the sheet and Close")
    check(poll(lambda: pixel(env, 158, 100) == RED), "the help sheet's red bar on show")
    check(pixel(env, 448, 36) == CLOSE_FACE, "Close (#8080FF) lies over the sheet")
    subprocess.run(["/usr/bin/import", "-window", "root", "win32-help.png"], env=env, timeout=10)
    probe.click("Command6")
    s = probe.state()
    check(not s["controls"]["Picture1"]["visible"] and not s["controls"]["Command6"]["visible"],
          "Close takes the sheet away")
    check(s["focus"] == "Text1", "after Close the focus is in Text1 (found %s)" % s["focus"])


def wait_exit(app, what):
    try:
        check(app.wait(timeout=10) == 0, what + " ends the program with exit code 0")
    except subprocess.TimeoutExpired:
        check(False, what + ": program still running after 10 s")


def start(prefix, display, lang="C.UTF-8"):
    log = os.path.abspath("lowpass-%s.log" % lang.split(".")[0])
    env = wine_env(prefix, display, lang, "-all,fixme+oleacc")
    t0 = time.monotonic()
    app = spawn(["wine", os.path.join(WIN32_BUILD, "lowpass.exe")], env=env,
                stdout=subprocess.DEVNULL, stderr=open(log, "w"))
    probe = Probe(wine_env(prefix, display, lang))
    if probe.ask("wait 20") != ["window"]:
        sys.exit("no window")
    print("window on show after %.2f s" % (time.monotonic() - t0), flush=True)
    wid = xdo(env, "search", "--onlyvisible", "--name", "^" + TITLE).split()[0]
    xdo(env, "windowfocus", "--sync", wid)  # what a window manager would do on map
    return app, probe, env, log


def window_test():
    display, _ = start_xvfb()
    prefix = fresh_prefix("prefix-window")
    try:
        app, probe, env, log = start(prefix, display)
        time.sleep(0.5)
        subprocess.run(["/usr/bin/import", "-window", "root", "win32-start.png"], env=env, timeout=10)
        s = probe.state()
        check_start(s)
        names_given(log, s, "three", "start-up")
        tab_walk(env, probe, s)
        xdo(env, "key", "Tab", "Up")  # from the last stop round to "Three Poles", then up
        check(poll(lambda: probe.state()["controls"]["Option1"]["checked"]),
              "Up arrow selects Two Poles")
        order_shown(probe.state(), "two", "Up arrow")
        probe.click("Option2")
        typical_request(env, probe, log)
        increments_and_reset(env, probe)
        help_and_close(env, probe)
        probe.click("Command2")
        wait_exit(app, "EXIT")

        # A comma locale: the results use its separator. The close box ends it.
        app, probe, env, log = start(prefix, display, "de_DE.UTF-8")
        probe.set_text("Text5", "2000")
        probe.click("Option8")
        right_arrow(env)
        poll(lambda: probe.texts("Text1") == ["1100"])
        probe.click("Command1")
        want = [t.replace(".", ",") for t in EXPECTED_THREE_POLES]
        got = probe.texts("Text2", "Text3", "Text4")
        check(got == want, "German locale: results %s (found %s)" % (want, got))
        x, y, w, _ = probe.state()["frame"]
        xdo(env, "mousemove", str(x + w - 14), str(y + 10), "click", "1")
        wait_exit(app, "the close box")
    finally:
        end_prefix(prefix)  # Wine's processes first, while their display is still there
        stop_children()


# --- the installer --------------------------------------------------------------

def installer_test():
    with open(os.path.join(SOURCE, "CHANGELOG.md")) as f:
        version = re.search(r"^## (\d+\.\d+\.\d+)", f.read(), re.M).group(1)
    setup = os.path.join(WIN32_BUILD, "lowpass-%s-setup.exe" % version)
    prefix = fresh_prefix("prefix-installer")
    env = wine_env(prefix)
    folder = os.path.join(prefix, "drive_c", "Program Files", "Low Pass Filter")
    shortcut = os.path.join(prefix, "drive_c", "ProgramData", "Microsoft", "Windows", "Start Menu",
                            "Programs", TITLE + ".lnk")
    key = r"HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\LowPassButterworth"

    def entry():
        return subprocess.run(["wine", "reg", "query", key], env=env, capture_output=True,
                              text=True, timeout=60).stdout

    try:
        rc = subprocess.run(["wine", setup, "/S"], env=env, timeout=60).returncode
        check(rc == 0, "setup /S exits with 0")
        with open(os.path.join(folder, "lowpass.exe"), "rb") as a, \
                open(os.path.join(WIN32_BUILD, "lowpass.exe"), "rb") as b:
            check(a.read() == b.read(), "lowpass.exe installed under Program Files")
        check(os.path.exists(os.path.join(folder, "uninstall.exe")), "uninstaller installed")
        check(os.path.exists(shortcut), "Start Menu shortcut")
        listed = entry()
        check(re.search(r"DisplayVersion\s+REG_SZ\s+%s\b" % re.escape(version), listed) is not None,
              "programs list entry with version %s" % version)
        check("uninstall.exe" in listed, "programs list entry names the uninstaller")
        # The uninstaller copies itself to %TEMP% and returns at once.
        subprocess.run(["wine", os.path.join(folder, "uninstall.exe"), "/S"], env=env, timeout=60)
        gone = poll(lambda: not os.path.exists(folder) and not os.path.exists(shortcut), 30)
        check(gone, "uninstall removes the folder and the shortcut")
        subprocess.run(["wineserver", "-w"], env=env, timeout=60)
        check("DisplayName" not in entry(), "uninstall removes the programs list entry")
    finally:
        end_prefix(prefix)


def main():
    self_check_expected()
    give_up_after(110)
    mode = sys.argv[3]
    if mode == "prefix":
        make_template()
    elif mode == "window":
        window_test()
    elif mode == "installer":
        installer_test()
    if failures:
        sys.exit("%d check(s) failed" % len(failures))
    print("all checks passed")


if __name__ == "__main__":
    main()
