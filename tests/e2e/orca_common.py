"""What the screen-reader tests share: a private desktop with its session
bus, the accessibility bus and the Orca screen reader (speech off, every
utterance in its debug log), keys pressed as a user would, and what Orca
said, read back from its log and matched against patterns step by step."""
import os
import re
import shutil
import subprocess
import sys
import tempfile
import time

from e2e_common import (check, failures, give_up_after, self_check_expected, spawn,
                        spawn_reporting, start_xvfb, stop_children)

# The debug log: entries begin with a time stamp; an utterance is an entry
# "SPEECH OUTPUT: '...'", possibly over several lines, possibly followed by
# its voice settings.
ENTRY = re.compile(r"^\d\d:\d\d:\d\d\.\d+ - ", re.MULTILINE)
SPEECH = "SPEECH OUTPUT: '"
# With speech off, Orca 48 logs the messages it would speak (a notification,
# say) only as the message it flashes on the braille display.
MESSAGE = re.compile(r"^BRAILLE: Display message: '(.*)' \(flashTime: \d+\)$", re.DOTALL)
# Orca 43 with speech off logs a live region's message only as the braille
# line it flashes, the first one inside the block where it presents it.
LIVE_REGION_BLOCK = "vvvvv PRESENT LIVE REGION MESSAGE vvvvv"
BRAILLE_LINE = re.compile(r"^BRAILLE LINE:  '(.*)'$", re.DOTALL)
# Orca echoes every key it sees; those utterances say nothing about the window.
KEY_ECHO = re.compile(r"^(tab|left shift|left control|space|up|down|right|left|\w) ?$")

# What Orca says, as patterns matched in order over a step's utterances
# joined by blanks. Orca's own words differ between releases ("push button"
# or "button", one utterance or two), the window's words do not.


def words(text):
    return re.escape(text)


def button(caption):
    return words(caption) + r"\.? (push )?button"


def option(caption):
    return words(caption) + r"\.? selected radio button"


def box(name, value, role="text"):
    """A box as Tab reaches it: its name, then its whole value, selected."""
    return words(name) + r"\.? " + role + r"\b.*?" + words(value) + r"\.? selected\b"


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

    def wait_for(self, done, seconds, what, quiet=False):
        deadline = time.monotonic() + seconds
        while time.monotonic() < deadline:
            if done(self.text()):
                return True
            time.sleep(0.1)
        if not quiet:
            check(False, "timed out waiting for " + what)
        return False

    def said_since_mark(self):
        utterances = []
        in_live_region = False
        for entry in ENTRY.split(self.text()[self.mark:]):
            starts_live_region = LIVE_REGION_BLOCK in entry
            entry = re.sub(r"\s*\{[^{}]*\}\s*$", "", entry.split(LIVE_REGION_BLOCK)[0]).rstrip()
            message = MESSAGE.match(entry)
            flashed = BRAILLE_LINE.match(entry) if in_live_region else None
            in_live_region = starts_live_region or (in_live_region and not flashed)
            if entry.startswith(SPEECH) and entry.endswith("'"):
                said = entry[len(SPEECH):-1]
            elif message:
                said = message.group(1)
            elif flashed:
                said = flashed.group(1).strip()
            else:
                continue
            # The log indents the continuation lines of a long utterance.
            utterances.append(re.sub(r"\n\s+", "\n", said))
        return [u for u in utterances if not KEY_ECHO.match(u)]

    def next_step(self):
        self.mark = len(self.text())

    def heard_after(self, env, keys, expected, what, seconds=8, quiet=False):
        """Presses the keys, waits until Orca has said what is expected (and a
        moment more for the rest of the step's speech), and returns whether it
        did and everything it said."""
        press(env, keys)
        heard = []

        def done(_):
            heard[:] = self.said_since_mark()
            return said_in_order(heard, expected)

        if not self.wait_for(done, seconds, "Orca to say %r after: %s" % (expected, what), quiet):
            if not quiet:
                print("  heard: %r" % heard)
        time.sleep(0.6)  # let the rest of the step's speech arrive
        heard = self.said_since_mark()
        self.next_step()
        return said_in_order(heard, expected), heard


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


def start_desktop(folder):
    """A private display with its session bus, the accessibility bus and Orca
    listening on it; returns the environment for the program and Orca."""
    env = session_env(folder)
    env["DISPLAY"], _ = start_xvfb()
    env["DBUS_SESSION_BUS_ADDRESS"] = start_session_bus(env)
    spawn(["/usr/libexec/at-spi-bus-launcher", "--launch-immediately"], env=env,
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    return env, Orca(env, folder)


def listen_to(orca, env, steps, transcript):
    """Runs the steps (what the user does, keys, what Orca must say) and
    checks each; returns everything heard."""
    everything = []
    for what, keys, expected in steps:
        ok, heard = orca.heard_after(env, keys, expected, what)
        check(ok, "%s: %s" % (what, " / ".join(expected)))
        transcript.append((what, keys, heard))
        everything += heard
    return everything


def focus_window(env, wid):
    # Without a window manager nobody focuses the new window; do what one would.
    subprocess.run(["xdotool", "windowfocus", "--sync", wid], env=env, check=True, timeout=10)


def keep_orca_log(folder):
    # Orca's own account of the run, for a failure to be read later.
    log = os.path.join(folder, "orca-debug.log")
    if os.path.exists(log):
        shutil.copy(log, "orca-debug.log")


def write_transcript(transcript, file="screen_reader_transcript.txt"):
    with open(file, "w", encoding="utf-8") as out:
        for what, keys, heard in transcript:
            out.write("%s [%s]\n" % (what, " ".join(keys)))
            for utterance in heard:
                out.write("    %s\n" % utterance.replace("\n", " / "))


def window_of(env, process, title="^Low Pass Filter - Butterworth"):
    """The process's window once it shows the program's title."""
    found = subprocess.run(["xdotool", "search", "--sync", "--onlyvisible", "--pid",
                            str(process.pid), "--name", title], env=env, check=True,
                           capture_output=True, text=True, timeout=30)
    return found.stdout.split()[0]


def run_session(prefix, open_window, steps, never_said, first=None):
    """The whole screen-reader test: a private desktop with Orca, the window
    that open_window(env, folder) starts and returns, focused as a window
    manager would; then first(orca, env, transcript) if given, the steps, and
    the words that must never be heard. Writes the transcript and exits 1 on
    any failed check."""
    self_check_expected()
    give_up_after(170)
    transcript = []
    with tempfile.TemporaryDirectory(prefix=prefix) as folder:
        try:
            env, orca = start_desktop(folder)
            focus_window(env, window_of(env, open_window(env, folder)))
            if first:
                first(orca, env, transcript)
            everything = listen_to(orca, env, steps, transcript)
            for phrase in never_said:
                check(not any(phrase in u for u in everything), "never said: " + phrase)
        finally:
            stop_children()
            keep_orca_log(folder)
    write_transcript(transcript)
    if failures:
        print("%d check(s) failed; transcript in %s" % (len(failures), os.getcwd()))
        sys.exit(1)
    print("all checks passed; transcript in %s/screen_reader_transcript.txt" % os.getcwd())

