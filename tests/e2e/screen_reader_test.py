#!/usr/bin/python3
"""End-to-end: what a blind engineer hears from Orca while designing a filter.

Usage: screen_reader_test.py PATH_TO_LOWPASS

Runs the real program on a private Xvfb with its own session bus, the
accessibility bus and the Orca screen reader (speech off, every utterance in
its debug log). Drives the window by keyboard alone, as a screen-reader user
does: the typical request with three poles (frequency 2000, step "100", the
scroll bar one step right to 1100 ohms, Design, Tab to each result), then Two
Poles, Design and each result again, then the help sheet and Close. After
each step the test reads what Orca said and checks it against the words the
window shows. The transcript is left in screen_reader_transcript.txt.
"""
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

from e2e_common import (EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, self_check_expected, spawn,
                        spawn_reporting, start_xvfb, stop_children)

TITLE_PATTERN = "^Low Pass Filter - Butterworth"
# The debug log: entries begin with a time stamp; an utterance is an entry
# "SPEECH OUTPUT: '...'", possibly over several lines, possibly followed by
# its voice settings.
ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ", re.MULTILINE)
SPEECH = "SPEECH OUTPUT: '"
# Orca echoes every key it sees; those utterances say nothing about the window.
KEY_ECHO = re.compile(r"^(tab|left shift|left control|space|up|down|right|left|\w) $")

C3, C4, C5 = EXPECTED_THREE_POLES
C1, C2 = EXPECTED_TWO_POLES

# (what the user does, keys, what Orca must say, in that order)
STEPS = [
    ("the window opens", [], ["Low Pass Filter - Butterworth", "Filter Selection panel",
                              "Three Poles", "selected radio button"]),
    ("back to the frequency box", ["shift+Tab", "shift+Tab"],
     ["Help push button", "1000", "Enter frequency (Hz) text"]),
    ("type 2000", ["ctrl+a", "type:2000"], []),
    ("back to the step options", ["shift+Tab", "shift+Tab", "shift+Tab"],
     ["Reset push button", "Increment panel", "1.", "selected radio button"]),
    ("step 100 by arrow keys", ["Right", "Down"], ["5.", "100."]),
    ("back to the scroll bar", ["shift+Tab"], ["Select R3 scroll bar 1000"]),
    ("one step right", ["Right"], ["1100"]),
    ("back to Design", ["shift+Tab"] * 4, ["Design push button"]),
    ("Design", ["space"], []),
    ("Tab to the resistor value", ["Tab"], ["1100", "R3 = R4 = R5 (Ohm) text"]),
    ("Tab to the first result", ["Tab"], [C3, "C3 (uF) text", C3 + " selected"]),
    ("Tab to the second result", ["Tab"], [C4, "C4 (uF) text", C4 + " selected"]),
    ("Tab on to the third result", ["Tab"] * 4, [C5, "C5 (uF) text", C5 + " selected"]),
    ("Tab on to Three Poles", ["Tab"] * 3, ["Three Poles"]),
    ("Up arrow: Two Poles", ["Up"], ['notification Click "Design" to refresh', "Two Poles"]),
    ("Tab on to Design", ["Tab"], ["Design push button"]),
    ("Design", ["space"], []),
    ("Tab to the resistor value", ["Tab"], ["1100", "R1 = R2 (Ohm) text"]),
    ("Tab to the first result", ["Tab"], [C1, "C1 (uF) text", C1 + " selected"]),
    ("Tab to the second result", ["Tab"], [C2, "C2 (uF) text", C2 + " selected"]),
    ("Tab on to Help", ["Tab"] * 5, ["Help push button"]),
    ("Help", ["space"],
     ["notification Low Pass Filter Design", "Instructions\n"
      "1. Select the number of filter poles (order) you are designing.\n"
      "2. Enter the cutoff Frequency of the Low Pass Filter.\n"
      "3. Select the Resistor values available to you.\n"
      "4. Click on \"Design\".\n"
      "Capacitors will be designed accordingly.\n"
      "Note: Use the scroll bar to select resistor value. Use \"Increment\" for fast resistor "
      "value navigation."]),
    ("Tab to Close", ["Tab"], ["Close push button"]),
    ("Close", ["space"], ["R1 = R2 (Ohm) text"]),
]

# Words that only decoration or a nameless control would bring.
NEVER_SAID = ["Blank", "edge bar", "Schematic panel", "filler", "First result", "unlabelled"]

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)


# Orca writes its debug log through a block buffer, so its last words of a
# step would reach the file only with the next step's. Run it unchanged, with
# every text file it writes line-buffered.
RUN_ORCA_LINE_BUFFERED = """
import builtins, runpy, sys
_open = builtins.open
def _line_buffered(file, mode="r", *args, **kwargs):
    if "w" in mode and "b" not in mode and not args:
        kwargs.setdefault("buffering", 1)
    return _open(file, mode, *args, **kwargs)
builtins.open = _line_buffered
sys.argv[0] = ORCA = sys.argv[1]
del sys.argv[1]
runpy.run_path(ORCA, run_name="__main__")
"""


class Orca:
    """Orca on the session's buses; reads back what it said."""

    def __init__(self, env, folder):
        self.log = os.path.join(folder, "orca-debug.log")
        prefs = os.path.join(folder, "orca-prefs")
        os.mkdir(prefs)
        spawn(["/usr/bin/python3", "-c", RUN_ORCA_LINE_BUFFERED, shutil.which("orca"),
               "--replace", "--user-prefs", prefs, "--debug-file", self.log,
               "--disable", "speech"], env=env, stdout=subprocess.DEVNULL,
              stderr=subprocess.DEVNULL)
        self.wait_for(lambda text: "Startup complete" in text, 30, "Orca to start")
        self.mark = len(self.text())

    def text(self):
        try:
            with open(self.log, encoding="utf-8", errors="replace") as f:
                return f.read()
        except FileNotFoundError:
            return ""

    def wait_for(self, done, seconds, what):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if done(self.text()):
                return True
            time.sleep(0.1)
        check(False, "timed out waiting for " + what)
        return False

    def said_since_mark(self):
        utterances = []
        for entry in ENTRY.split(self.text()[self.mark:]):
            entry = re.sub(r"\s*\{[^{}]*\}\s*$", "", entry).rstrip()
            if entry.startswith(SPEECH) and entry.endswith("'"):
                words = entry[len(SPEECH):-1]
                # The log indents the continuation lines of a long utterance.
                utterances.append(re.sub(r"\n\s+", "\n", words))
        return [u for u in utterances if not KEY_ECHO.match(u)]

    def next_step(self):
        self.mark = len(self.text())


def said_in_order(said, expected):
    """True when every expected phrase starts an utterance, in this order."""
    i = 0
    for utterance in said:
        if i < len(expected) and utterance.rstrip(".").startswith(expected[i].rstrip(".")):
            i += 1
    return i == len(expected)


def press(env, keys):
    for k in keys:
        if k.startswith("type:"):
            args = ["xdotool", "type", "--delay", "60", k[len("type:"):]]
        else:
            args = ["xdotool", "key", "--clearmodifiers", k]
        subprocess.run(args, env=env, check=True, timeout=10)
        time.sleep(0.25)


def session_env(folder):
    env = dict(os.environ)
    env.pop("NO_AT_BRIDGE", None)
    runtime = os.path.join(folder, "runtime")
    os.mkdir(runtime, 0o700)
    env.update(HOME=folder, XDG_RUNTIME_DIR=runtime, LC_ALL="C.UTF-8",
               XDG_CONFIG_HOME=os.path.join(folder, "config"),
               XDG_DATA_HOME=os.path.join(folder, "data"),
               XDG_CACHE_HOME=os.path.join(folder, "cache"))
    for scaling in ("QT_SCALE_FACTOR", "QT_SCREEN_SCALE_FACTORS", "QT_FONT_DPI"):
        env.pop(scaling, None)
    return env


def start_session_bus(env):
    address, _ = spawn_reporting(lambda fd: ["dbus-daemon", "--session", "--nofork",
                                             "--print-address=%d" % fd], "dbus-daemon", env=env)
    return address


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    lowpass = os.path.abspath(sys.argv[1])
    self_check_expected()
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("gave up after 170 s"))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    signal.alarm(170)
    transcript = []
    with tempfile.TemporaryDirectory(prefix="lowpass-orca-") as folder:
        try:
            env = session_env(folder)
            env["DISPLAY"], _ = start_xvfb()
            env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(env)
            spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
                  stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            orca = Orca(env, folder)
            app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
            app = spawn([lowpass], env=app_env, stdout=subprocess.DEVNULL,
                        stderr=subprocess.DEVNULL)
            wid = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                                  str(app.pid), "--name", TITLE_PATTERN], env=env, check=True,
                                 capture_output=True, text=True, timeout=20).stdout.split()[0]
            # Without a window manager nobody focuses the new window; do what one would.
            subprocess.run(["xdotool", "windowfocus", "--sync", wid], env=env, check=True,
                           timeout=10)
            everything = []
            for what, keys, expected in STEPS:
                press(env, keys)
                heard = []

                def done(_):
                    heard[:] = orca.said_since_mark()
                    return said_in_order(heard, expected)

                if not orca.wait_for(done, 8, "Orca to say %r after: %s" % (expected, what)):
                    print("  heard: %r" % heard)
                time.sleep(0.6)  # let the rest of the step's speech arrive
                heard = orca.said_since_mark()
                check(said_in_order(heard, expected), "%s: %s" % (what, " / ".join(expected)))
                transcript.append((what, keys, heard))
                everything += heard
                orca.next_step()
            for words in NEVER_SAID:
                check(not any(words in u for u in everything), "never said: " + words)
        finally:
            stop_children()
    with open("screen_reader_transcript.txt", "w", encoding="utf-8") as out:
        for what, keys, heard in transcript:
            out.write("%s [%s]\n" % (what, " ".join(keys)))
            for utterance in heard:
                out.write("    %s\n" % utterance.replace("\n", " / "))
    if failures:
        print("%d check(s) failed; transcript in %s" % (len(failures), os.getcwd()))
        sys.exit(1)
    print("all checks passed; transcript in %s/screen_reader_transcript.txt" % os.getcwd())


if __name__ == "__main__":
    main()
