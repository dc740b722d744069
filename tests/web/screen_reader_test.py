#!/usr/bin/python3
"""The page heard through Orca in Chromium, by keyboard alone.

Usage: screen_reader_test.py WEB_BUILD SOURCE_DIR

Opens lowpass.html from disk in Chromium on a private Xvfb, with the
accessibility bus and the Orca screen reader as for the Qt window's test, and
drives the typical request as a blind user does in a browser: in Orca's
browse mode the arrow keys move Orca's own cursor, so an option is reached
with the arrows and picked with Space; Tab, typing and the scroll bar's
arrows reach the page (Orca turns to focus mode in a box or on the slider).
Each box is heard with its name and value in both orders, then the help and
Close. The transcript is left in screen_reader_transcript.txt.
"""
import os
import subprocess
import sys

WEB_BUILD, SOURCE = sys.argv[1:3]
PAGE = "file://" + os.path.join(os.path.abspath(WEB_BUILD), "lowpass.html")
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
from e2e_common import EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, check, spawn  # noqa: E402
from orca_common import (HELP_TEXT, box, button, notification, option,  # noqa: E402
                         run_session, words)

C3, C4, C5 = EXPECTED_THREE_POLES
C1, C2 = EXPECTED_TWO_POLES


def entry(name, value):
    return box(name, value, role="entry")


def passed_over(caption):
    """An option Orca's browse cursor lands on, not yet picked."""
    return words(caption) + r"\.? not selected"


def picked(caption):
    """An option that is picked, as Orca 43 ("radio button. selected", or
    "selected" alone) and Orca 48 ("selected radio button") put it."""
    return words(caption) + r"\.? (radio button\.? )?selected\b"


# The live region reads the help sheet as one text, its lines run together.
HELP_READ = r"\s+".join(map(words, ("Help. " + HELP_TEXT).split()))

# (what the user does, keys, what Orca must say, in that order)
STEPS = [
    ("back to the frequency box", ["shift+Tab", "shift+Tab"],
     [button("Help"), entry("Enter frequency (Hz)", "1000")]),
    ("type 2000", ["ctrl+a", "type:2000"], []),
    ("back to the step options", ["shift+Tab", "shift+Tab", "shift+Tab"],
     [button("Reset"), words("Increment panel"), option("1")]),
    ("Orca's cursor on to 100", ["Right"] * 5,
     [passed_over(c) for c in ("5", "10", "25", "50", "100")]),
    # Orca 48 picks it without a word; asked where it is, it says so.
    ("Space picks 100", ["space"], []),
    ("where am I", ["KP_Enter"], [picked("100")]),
    ("back to the scroll bar", ["shift+Tab"], [words("Select R3") + r"\.? (horizontal )?slider"
                                               r"\.? 1000\b"]),
    ("one step right", ["Right"], [words("1100")]),
    ("back to Design", ["shift+Tab"] * 4, [button("Design")]),
    ("Design", ["space"], []),
    ("Tab to the resistor value", ["Tab"], [entry("R3 = R4 = R5 (Ohm)", "1100")]),
    ("Tab to the first result", ["Tab"], [entry("C3 (uF)", C3)]),
    ("Tab to the second result", ["Tab"], [entry("C4 (uF)", C4)]),
    ("Tab on to the third result", ["Tab"] * 4, [entry("C5 (uF)", C5)]),
    ("Tab on to Three Poles", ["Tab"] * 3, [option("Three Poles")]),
    ("Orca's cursor up to Two Poles", ["Up"], [passed_over("Two Poles")]),
    ("Space picks Two Poles", ["space"], [notification('Click "Design" to refresh')]),
    ("Tab on to Design", ["Tab"], [button("Design")]),
    ("Design", ["space"], []),
    ("Tab to the resistor value", ["Tab"], [entry("R1 = R2 (Ohm)", "1100")]),
    ("Tab to the first result", ["Tab"], [entry("C1 (uF)", C1)]),
    ("Tab to the second result", ["Tab"], [entry("C2 (uF)", C2)]),
    ("Tab on to Help", ["Tab"] * 5, [button("Help")]),
    ("Help", ["space"], [HELP_READ]),
    ("Tab to Close", ["Tab"], [button("Close")]),
    ("Close", ["space"], [words("R1 = R2 (Ohm)") + r"\.? entry"]),
]

# Words that only decoration, a nameless control or a scrolled window would bring.
NEVER_SAID = ["Blank", "edge bar", "Schematic panel", "filler", "First result", "unlabelled",
              "blank"]


def open_page(env, folder):
    # Chromium offers its accessibility tree to a screen reader only when
    # asked to; Orca on a bare Xvfb, with no desktop settings to say a screen
    # reader runs, is not always seen in time. Both switches ask for it.
    return spawn(["chromium", "--no-sandbox", "--test-type", "--disable-gpu",
                  "--no-first-run", "--password-store=basic", "--force-renderer-accessibility",
                  "--user-data-dir=" + os.path.join(folder, "chromium"), "--app=" + PAGE],
                 env=dict(env, ACCESSIBILITY_ENABLED="1"), stdout=subprocess.DEVNULL,
                 stderr=subprocess.DEVNULL)


def where_am_i(orca, env, transcript):
    """The page opens with the focus on Three Poles, which Orca follows
    silently; asked where it is (Keypad Enter), it says so. The page may not
    be in the accessibility tree yet when first asked: ask again."""
    expected = [words("Filter Selection"), picked("Three Poles")]
    for _ in range(4):
        ok, heard = orca.heard_after(env, ["KP_Enter"], expected, "where am I", 3, quiet=True)
        transcript.append(("where am I", ["KP_Enter"], heard))
        if ok:
            break
    check(ok, "where am I at start: " + " / ".join(expected))


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    run_session("lowpass-orca-web-", open_page, STEPS, NEVER_SAID, first=where_am_i)
