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
import subprocess
import sys
import tempfile
import time

from e2e_common import (EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, check, failures,
                        give_up_after, self_check_expected, spawn, spawn_reporting, start_xvfb,
                        stop_children)

TITLE_PATTERN = "^Low Pass Filter - Butterworth"
# The debug log: entries begin with a time stamp; an utterance is an entry
# "SPEECH OUTPUT: '...'", possibly over several lines, possibly followed by
# its voice settings.
ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ", re.MULTILINE)
SPEECH = "SPEECH OUTPUT: '"
# With speech off, Orca 48 logs the messages it would speak (a notification,
# say) only as the message it flashes on the braille display.
MESSAGE = re.compile(r"^BRAILLE: Display message: '(.*)' \(flashTime: \d+\)$", re.DOTALL)
# Orca echoes every key it sees; those utterances say nothing about the window.
KEY_ECHO = re.compile(r"^(tab|left shift|left control|space|up|down|right|left|\w) ?$")

C3, C4, C5 = EXPECTED_THREE_POLES
C1, C2 = EXPECTED_TWO_POLES

# What Orca says, as patterns matched in order over a step's utterances
# joined by blanks. Orca's own words differ between releases ("push button"
# or "button", one utterance or two), the window's words do not.


def words(text):
    return re.escape(text)


def button(caption):
    return words(caption) + r"\.? (push )?button"


def option(caption):
    return words(caption) + r"\.? selected radio button"


def box(name, value):
    """A box as Tab reaches it: its name, then its whole value, selected."""
    return words(name) + r"\.? text\b.*?" + words(value) + r"\.? selected\b"


def notification(name):
    # Orca 43 speaks the role first; Orca 48 speaks it apart from the message.
    return r"(notification\.? )?" + words(name)


def either_order(first, second):
    """Both, in whichever order Orca queues them (43 and 48 differ)."""
    return "(?:%s.*?%s|%s.*?%s)" % (first, second, second, first)


HELP_TEXT = ("Low Pass Filter Design\n"
             "Instructions\n"
             "1. Select the number of filter poles (order) you are designing.\n"
             "2. Enter the cutoff Frequency of the Low Pass Filter.\n"
             "3. Select the Resistor values available to you.\n"
             "4. Click on \"Design\".\n"
             "Capacitors will be designed accordingly.\n"
             "Note: Use the scroll bar to select resistor value. Use \"Increment\" for fast "
             "resistor value navigation.")

# (what the user does, keys, what Orca must say, in that order)
STEPS = [
    ("the window opens", [],
     [words("Low Pass Filter - Butterworth"), words("Filter Selection panel"),
      option("Three Poles")]),
    ("back to the frequency box", ["shift+Tab", "shift+Tab"],
     [button("Help"), box("Enter frequency (Hz)", "1000")]),
    ("type 2000", ["ctrl+a", "type:2000"], []),
    ("back to the step options", ["shift+Tab", "shift+Tab", "shift+Tab"],
     [button("Reset"), words("Increment panel"), option("1")]),
    ("step 100 by arrow keys", ["Right", "Down"], [option("5"), option("100")]),
    ("back to the scroll bar", ["shift+Tab"], [words("Select R3 scroll bar 1000")]),
    ("one step right", ["Right"], [words("1100")]),
    ("back to Design", ["shift+Tab"] * 4, [button("Design")]),
    ("Design", ["space"], []),
    ("Tab to the resistor value", ["Tab"], [box("R3 = R4 = R5 (Ohm)", "1100")]),
    ("Tab to the first result", ["Tab"], [box("C3 (uF)", C3)]),
    ("Tab to the second result", ["Tab"], [box("C4 (uF)", C4)]),
    ("Tab on to the third result", ["Tab"] * 4, [box("C5 (uF)", C5)]),
    ("Tab on to Three Poles", ["Tab"] * 3, [option("Three Poles")]),
    ("Up arrow: Two Poles", ["Up"],
     [either_order(notification('Click "Design" to refresh'), option("Two Poles"))]),
    ("Tab on to Design", ["Tab"], [button("Design")]),
    ("Design", ["space"], []),
    ("Tab to the resistor value", ["Tab"], [box("R1 = R2 (Ohm)", "1100")]),
    ("Tab to the first result", ["Tab"], [box("C1 (uF)", C1)]),
    ("Tab to the second result", ["Tab"], [box("C2 (uF)", C2)]),
    ("Tab on to Help", ["Tab"] * 5, [button("Help")]),
    ("Help", ["space"], [notification("Help"), words(HELP_TEXT)]),
    ("Tab to Close", ["Tab"], [button("Close")]),
    ("Close", ["space"], [words("R1 = R2 (Ohm)") + r"\.? text"]),
]

# Words that only decoration or a nameless control would bring.
NEVER_SAID = ["Blank", "edge bar", "Schematic panel", "filler", "First result", "unlabelled"]

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
        # No --replace: that would end a screen reader the user is running.
        spawn(["/usr/bin/python3", "-c", RUN_ORCA_LINE_BUFFERED, shutil.which("orca"),
               "--user-prefs", prefs, "--debug-file", self.log, "--disable", "speech"],
              env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        # Orca's last word before it listens, as releases 43 and 48 put it.
        ready = re.compile(r"ORCA: Starting (registry|Atspi main event loop)")
        self.wait_for(lambda text: ready.search(text), 30,
                      "Orca to start (Orca 48 will not while another Orca runs for this user)")
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
            message = MESSAGE.match(entry)
            if entry.startswith(SPEECH) and entry.endswith("'"):
                said = entry[len(SPEECH):-1]
            elif message:
                said = message.group(1)
            else:
                continue
            # The log indents the continuation lines of a long utterance.
            utterances.append(re.sub(r"\n\s+", "\n", said))
        return [u for u in utterances if not KEY_ECHO.match(u)]

    def next_step(self):
        self.mark = len(self.text())


def said_in_order(said, expected):
    """True when the patterns match the utterances, joined, one after the other."""
    joined = " ".join(said)
    position = 0
    for pattern in expected:
        match = re.compile(pattern, re.DOTALL).search(joined, position)
        if not match:
            return False
        position = match.end()
    return True


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
    give_up_after(170)
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
            for phrase in NEVER_SAID:
                check(not any(phrase in u for u in everything), "never said: " + phrase)
        finally:
            stop_children()
            # Orca's own account of the run, for a failure to be read later.
            log = os.path.join(folder, "orca-debug.log")
            if os.path.exists(log):
                shutil.copy(log, "orca-debug.log")
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
