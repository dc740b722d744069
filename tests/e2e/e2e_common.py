"""What the end-to-end tests share: the results of the typical request,
worked out independently of the program with the calculation tests'
derivation, the form's facts as its own
program prints them, and the processes of a test (a private Xvfb, children
that end with the test)."""
import ctypes
import json
import os
from collections import Counter
import signal
import subprocess
import sys
import time

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


# --- contrast, as read from the screen ----------------------------------------

def contrast(a, b):
    """The contrast of two sRGB colours by their relative luminance, 1 to 21."""
    def luminance(c):
        lin = [v / 12.92 if v <= 0.04045 else ((v + 0.055) / 1.055) ** 2.4
               for v in (x / 255 for x in c)]
        return 0.2126 * lin[0] + 0.7152 * lin[1] + 0.0722 * lin[2]
    high, low = sorted((luminance(a), luminance(b)), reverse=True)
    return (high + 0.05) / (low + 0.05)


def caption_contrast(pixels):
    """A caption's pixels: its ground is their commonest colour, its text the
    colour farthest from it, which smoothed edges only approach (a colour
    seen once is a stray pixel; none at all: the text is lost, 1:1)."""
    counts = Counter(pixels)
    ground = counts.most_common(1)[0][0]
    ink = max((c for c, n in counts.items() if n > 1 or c == ground),
              key=lambda c: contrast(c, ground))
    return contrast(ink, ground), ground, ink


# Captions, and the text in boxes, on their ground (the minimum that
# low-vision guidance asks of text).
MIN_CONTRAST = 4.5
# Each mask and the schematic it lies on.
MASKED = {"Text6": "Image1", "Text7": "Image2"}


def check_high_contrast(label, captions, shown, pixels_of, window, text, highlight):
    """In a high-contrast scheme: each caption's pixels (name: pixels) at
    MIN_CONTRAST or more; the pictures on top (the help sheet, else the
    schematics on show) on the window colour, in it and text (the sheet also
    in highlight) and nothing else; each mask on show exactly its
    schematic's ground."""
    low = {n: "%.1f:1, %s on %s" % c for n, c in
           ((n, caption_contrast(p)) for n, p in captions.items()) if c[0] < MIN_CONTRAST}
    check(not low, "%s: every caption at %s:1 or more (found %s)" % (label, MIN_CONTRAST, low))
    help_open = "Picture1" in shown
    for name in ["Picture1"] if help_open else sorted({"Image1", "Image2"} & shown):
        seen = pixels_of(name)
        want = (window, {window, text} | ({highlight} if help_open else set()))
        got = (caption_contrast(seen)[1], set(seen))
        check(got == want, "%s: %s on the window colour in %s (found %s)" % (label, name, want, got))
    for mask, picture in MASKED.items():
        if mask in shown and not help_open:
            ground, got = caption_contrast(pixels_of(picture))[1], set(pixels_of(mask))
            check(got == {ground}, "%s: %s only %s's ground %s (found %s)" % (
                label, mask, picture, ground, got))


def self_check_contrast():
    got = [round(contrast(*pair), 2) for pair in (((0, 0, 128), (0, 0, 0)), ((192, 0, 0), (0, 0, 0)),
                                                   ((255, 0, 0), (0, 0, 0)), ((255,) * 3, (0,) * 3))]
    if got != [1.31, 3.24, 5.25, 21.0]:
        sys.exit("contrast disagrees with its worked examples: %s" % got)
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


def poll(probe, seconds=5):
    """Whether probe() comes true within that many seconds."""
    deadline = time.monotonic() + seconds
    while not probe() and time.monotonic() < deadline:
        time.sleep(0.1)
    return probe()


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
