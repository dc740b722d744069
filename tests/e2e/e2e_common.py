"""What the end-to-end tests share: the results of the typical request,
worked out independently of the program with the calculation tests'
derivation, the form's facts as its own
program prints them, and the processes of a test (a private Xvfb, children
that end with the test)."""
import ctypes
import json
import os
import signal
import subprocess
import sys

# The capacitor values for 2000 Hz and 1100 ohms, in microfarads, as the
# result boxes show them: 15 significant digits, trailing zeros dropped,
# exponent form when the plain form would need more than 15 decimals.
EXPECTED_THREE_POLES = ["0.256528830968259", "0.10070167307045", "1.46422547625425E-02"]
EXPECTED_TWO_POLES = ["0.102293222501161", "5.11538455661749E-02"]

# The Tab walk from the focus at start-up, once round, in each order, with
# the "1" increment and the help sheet closed: an option group is one stop,
# its selected option, and hidden controls are passed over.
TAB_WALK_THREE_POLES = ["Option2", "Command2", "Command1", "Text1", "Text2", "Text3", "HScroll1",
                        "Option3", "Command4", "Text4", "Text5", "Command5"]
# What a screen reader calls each box and the scroll bar in each order.
BOX_NAMES = {"two": {"Text5": "Enter frequency (Hz)", "HScroll1": "Select R1",
                     "Text1": "R1 = R2 (Ohm)", "Text2": "C1 (uF)", "Text3": "C2 (uF)"},
             "three": {"Text5": "Enter frequency (Hz)", "HScroll1": "Select R3",
                       "Text1": "R3 = R4 = R5 (Ohm)", "Text2": "C3 (uF)", "Text3": "C4 (uF)",
                       "Text4": "C5 (uF)"}}
SCHEMATIC_NAMES = {"two": "Two-pole filter schematic", "three": "Three-pole filter schematic"}
# Hidden when the window opens, beside those the table creates hidden.
HIDDEN_AT_START = {"Picture1", "Command6", "Label4", "Label5", "Label6", "Text6"}
TAB_WALK_TWO_POLES = ["Command2", "Option1", "Command1", "Text1", "Text2", "Text3", "HScroll1",
                      "Option3", "Command4", "Text5", "Command5"]

# --- expected texts, worked out independently of the program -----------------

# The calculation tests' derivation of a result text, in Python's own doubles
# and formatting.
sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "design"))
from expected_texts import capacitance, text as microfarad_text  # noqa: E402


def self_check_expected():
    three = [microfarad_text(capacitance(c, 1100, 2000.0)) for c in (3.546, 1.392, 0.2024)]
    two = [microfarad_text(capacitance(c, 1100, 2000.0)) for c in (1.414, 0.7071)]
    if three != EXPECTED_THREE_POLES or two != EXPECTED_TWO_POLES:
        sys.exit("expected texts disagree with their derivation: %s %s" % (three, two))


# --- what the form says the window shows -------------------------------------

def form_facts(program):
    """The form's facts (tests/form/form_facts.cpp): every row of the control
    table with its rectangle in client pixels at 96, 120, 144 and 192 dpi, the
    client area at each, the stacking order, and per order what is on show
    and the Tab walk."""
    return json.loads(subprocess.run([program], check=True, capture_output=True, text=True).stdout)


def check_form_walks(facts):
    """The form's Tab walk in each order is the one written out here, so that
    a window walking otherwise is itself at fault."""
    for order, want in (("three", TAB_WALK_THREE_POLES), ("two", TAB_WALK_TWO_POLES)):
        got = facts["orders"][order]["tab_walk"]
        check(got == want, "the form's Tab walk, %s poles: %s (found %s)" % (order, want, got))


# --- checks ------------------------------------------------------------------

failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what, flush=True)
    if not ok:
        failures.append(what)
    return ok


def give_up_after(seconds):
    """A hung step must not leave servers behind: end the test (and with it,
    through stop_children, everything it started) well before ctest would."""
    signal.signal(signal.SIGALRM, lambda *_: sys.exit("gave up after %d s" % seconds))
    signal.signal(signal.SIGTERM, lambda *_: sys.exit("terminated"))
    signal.alarm(seconds)


# --- processes ---------------------------------------------------------------

def die_with_parent():
    # A child that outlives a killed test would hold the display: let the
    # kernel end it when the test process goes.
    ctypes.CDLL("libc.so.6", use_errno=True).prctl(1, signal.SIGTERM)  # PR_SET_PDEATHSIG


children = []


def spawn(args, **kw):
    p = subprocess.Popen(args, preexec_fn=die_with_parent, **kw)
    children.append(p)
    return p


def stop_children():
    for p in reversed(children):
        if p.poll() is None:
            p.terminate()
            try:
                p.wait(timeout=3)
            except subprocess.TimeoutExpired:
                p.kill()
                p.wait()


def spawn_reporting(args_with_fd, what, **kw):
    """Starts a server that writes one line (its display, its address) to the
    file descriptor it is given; returns that line and the process."""
    r, w = os.pipe()
    process = spawn(args_with_fd(w), pass_fds=(w,), stdout=subprocess.DEVNULL,
                    stderr=subprocess.DEVNULL, **kw)
    os.close(w)
    line = b""
    while not line.endswith(b"\n"):
        chunk = os.read(r, 256)
        if not chunk:
            sys.exit(what + " did not start")
        line += chunk
    os.close(r)
    return line.decode().strip(), process


def start_xvfb(screen=(1024, 768)):
    number, xvfb = spawn_reporting(lambda fd: ["Xvfb", "-displayfd", str(fd), "-screen", "0",
                                               "%dx%dx24" % screen, "-nolisten", "tcp"], "Xvfb")
    return ":" + number, xvfb
