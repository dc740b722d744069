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
import subprocess
import sys

from e2e_common import EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, spawn
from orca_common import (HELP_TEXT, box, button, either_order, notification, option,
                         run_session, words)

C3, C4, C5 = EXPECTED_THREE_POLES
C1, C2 = EXPECTED_TWO_POLES

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


def start_program(env, _folder):
    app_env = dict(env, QT_QPA_PLATFORM="xcb", QT_LINUX_ACCESSIBILITY_ALWAYS_ON="1")
    return spawn([os.path.abspath(sys.argv[1])], env=app_env, stdout=subprocess.DEVNULL,
                 stderr=subprocess.DEVNULL)


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    run_session("lowpass-orca-", start_program, STEPS, NEVER_SAID)
