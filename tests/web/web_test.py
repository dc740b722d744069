#!/usr/bin/python3
"""The page in headless Chromium (on a desktop and on a phone), in Firefox
ESR and in WebKitGTK.

Usage: web_test.py WEB_BUILD SOURCE_DIR FORM_FACTS chromium | firefox | webkit

FORM_FACTS is the program that prints the form's facts (tests/form/form_facts.cpp):
the rectangles, what is on show and the pictures are read from there.
"""
import base64
import glob
import inspect
import json
import math
import os
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time

from selenium import webdriver
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.action_chains import ActionChains
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.webkitgtk.service import Service as WebKitService

WEB_BUILD, SOURCE, FORM_FACTS, MODE = sys.argv[1:5]
PAGE = "file://" + os.path.join(os.path.abspath(WEB_BUILD), "lowpass.html")
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
from e2e_common import (BOX_NAMES, EXPECTED_THREE_POLES, EXPECTED_TWO_POLES,  # noqa: E402
                        HIDDEN_AT_START, SCHEMATIC_NAMES, TAB_WALK_THREE_POLES, capacitance, check,
                        check_form_walks, check_high_contrast, failures, form_facts,
                        give_up_after, microfarad_text, poll, self_check_contrast,
                        self_check_expected, spawn, start_xvfb, stop_children)

FACTS = form_facts(FORM_FACTS)
# Each control's rectangle in CSS pixels within the client area, as the form
# lays it out at 96 dpi: left, top, width, height.
RECTS = {c["name"]: c["rect"]["96"] for c in FACTS["controls"]}
CLIENT = FACTS["client"]["96"]
PICTURES = {c["name"]: c["picture"] for c in FACTS["controls"] if c["picture"]}
SHOWN_AT_START = {c["name"] for c in FACTS["controls"] if c["shown"]} - HIDDEN_AT_START

STATE = """return Object.fromEntries([...document.querySelectorAll('[data-control]')]
  .filter(e => e.id).map(e => { const i = e.querySelector('input') || e;
  return [e.id, {shown: e.checkVisibility(), text: i.value ?? e.textContent, on: i.checked}]; }))"""
FOCUS = "const a = document.activeElement.closest('[id]'); return a ? a.id : '';"
RECTS_JS = """const c = document.getElementById('Form1').getBoundingClientRect();
  const all = [...document.querySelectorAll('#Form1 [data-control]')];
  const hidden = all.filter(e => e.hidden); hidden.forEach(e => e.hidden = false);
  const r = Object.fromEntries(all.map(e => { const b = e.getBoundingClientRect();
    return [e.id, [b.x - c.x, b.y - c.y, b.width, b.height]]; }));
  hidden.forEach(e => e.hidden = true); return [[c.x, c.y, c.width, c.height], r];"""
PIXELS_JS = """const i = document.querySelector('#' + arguments[0] + ' img');
  const c = document.createElement('canvas'); [c.width, c.height] = [i.naturalWidth, i.naturalHeight];
  const g = c.getContext('2d'); g.drawImage(i, 0, 0); let s = '';
  const d = g.getImageData(0, 0, c.width, c.height).data;
  for (let k = 0; k < d.length; k += 8192) s += String.fromCharCode(...d.subarray(k, k + 8192));
  return btoa(s);"""
# Where each caption is drawn, as page coordinates (a frame's legend, an
# option's words beside its circle, the inside of a button's or box's
# edges), and every control's box.
CAPTIONS_JS = """const box = e => { const b = e.getBoundingClientRect(); return [b.x, b.y, b.width, b.height]; };
  const all = [...document.querySelectorAll('#Form1 [data-control]')];
  return [all.filter(e => e.checkVisibility() && !e.matches('.mask')
      && (e.matches('input') ? e.value : e.textContent).trim())
    .map(e => { const legend = e.querySelector(':scope > legend');
      const radio = e.querySelector(':scope > input[type=radio]');
      const [x, y, w, h] = box(legend || e), r = radio && radio.getBoundingClientRect();
      const edge = e.matches('button, input') ? 3 : 0;
      return [e.id, r ? [r.right, y, x + w - r.right, h] : [x + edge, y + edge, w - 2 * edge, h - 2 * edge]]; }),
    Object.fromEntries(all.map(e => [e.id, box(e)]))];"""
SYSTEM_RGB_JS = r"""const s = document.createElement('span'); s.style.forcedColorAdjust = 'none';
  document.body.append(s); const got = arguments[0].map(c => { s.style.color = c;
  const v = getComputedStyle(s).color.match(/[\d.]+/g).map(Number); return v.concat([1]).slice(0, 4); });
  s.remove(); return got;"""
# The black high-contrast palette, as a browser forces it.
FORCED_BLACK = [{"name": "forced-colors", "value": "active"},
                {"name": "prefers-color-scheme", "value": "dark"}]


# Every text a caption, button or option shows, with the box that clips it:
# where a text's line reaches beyond its control's inner edges, the reader
# sees it cut off. A frame's caption lies across the frame's top line, so
# only its ends count.
CUT_CAPTIONS_JS = """const all = [...document.querySelectorAll('#Form1 [data-control]')];
  const hidden = all.filter(e => e.hidden); hidden.forEach(e => e.hidden = false);
  const cut = [], range = document.createRange();
  for (const e of all.filter(e => e.matches('button, label, fieldset'))) {
    const b = e.getBoundingClientRect(), x = b.x + e.clientLeft, y = b.y + e.clientTop;
    const frame = e.matches('fieldset');
    const w = document.createTreeWalker(e, NodeFilter.SHOW_TEXT);
    while (w.nextNode()) {
      const t = w.currentNode;
      if (!t.data.trim() || t.parentElement.closest('[data-control]') !== e) continue;
      range.selectNodeContents(t);
      for (const r of range.getClientRects())
        if (r.x < x || r.right > x + e.clientWidth ||
            !frame && (r.y < y || r.bottom > y + e.clientHeight))
          cut.push([e.id, t.data, [r.x - x, r.y - y, r.width, r.height],
                    [e.clientWidth, e.clientHeight]]);
    }
  }
  hidden.forEach(e => e.hidden = true); return cut;"""


def check_captions_whole(run_js, engine):
    cut = run_js(CUT_CAPTIONS_JS)
    check(cut == [], "%s: every caption, button and option text whole (cut: %s)" % (engine, cut))


def bmp_rgba(file):
    data = open(os.path.join(SOURCE, "art", file), "rb").read()
    offset, (w, h) = struct.unpack_from("<I", data, 10)[0], struct.unpack_from("<ii", data, 18)
    rows = [data[offset + (w * 3 + 3) // 4 * 4 * y:][:w * 3] for y in reversed(range(h))]
    return b"".join(bytes((r[x + 2], r[x + 1], r[x], 255)) for r in rows for x in range(0, 3 * w, 3))


class Browser:
    """A page driven through WebDriver; `language` is what its numbers are
    written in: "de-DE" with commas, anything else with periods."""
    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def click(self, selector):
        self.d.find_element("css selector", selector).click()

    def keys(self, *keys):  # then the control with the focus
        ActionChains(self.d).send_keys(*keys).perform()
        return self.js(FOCUS)

    def type_into(self, box, text):
        element = self.d.find_element("id", box)
        element.clear()
        element.send_keys(text)

    def texts(self, *names):  # a label's text, or whether it is on show
        s = self.js(STATE)
        return [s[n]["shown"] if n == "Label20" else s[n]["text"] for n in names]


class Chromium(Browser):
    def __init__(self, language="en-US", screen=(800, 560, 1, False)):
        options = webdriver.ChromeOptions()
        for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"):
            options.add_argument(a)
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
        options.set_capability("goog:loggingPrefs", {"browser": "ALL"})
        self.language = language
        self.d = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
        self.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", dict(zip(
            ("width", "height", "deviceScaleFactor", "mobile"), screen)))
        if screen[3]:  # a phone's screen is touched
            self.d.execute_cdp_cmd("Emulation.setTouchEmulationEnabled", {"enabled": True})
        self.d.get(PAGE)

    def tap(self, selector):  # a finger on the middle of the element
        x, y = self.js("const r = document.querySelector(arguments[0]).getBoundingClientRect();"
                       "return [r.x + r.width / 2, r.y + r.height / 2];", selector)
        for kind, points in (("touchStart", [{"x": x, "y": y}]), ("touchEnd", [])):
            self.d.execute_cdp_cmd("Input.dispatchTouchEvent", {"type": kind, "touchPoints": points})

    def screen(self):
        """The page's pixels as (r, g, b), rows of 800, drawn afresh: the
        compositor's tiles may keep edges smoothed in an earlier frame."""
        shot = self.d.execute_cdp_cmd("Page.captureScreenshot", {"captureBeyondViewport": True})
        raw = subprocess.run(["/usr/bin/convert", "png:-", "-depth", "8", "rgb:-"], check=True,
                             input=base64.b64decode(shot["data"]), capture_output=True).stdout
        return [tuple(raw[i:i + 3]) for i in range(0, len(raw), 3)]

    def area(self, screen, x, y, w, h):
        x, y, w, h = (round(v) for v in (x, y, w, h))
        return [screen[(y + j) * 800 + x + i] for j in range(h) for i in range(w)]

    def names_read(self, order):
        s = self.js(STATE)
        nodes = [n for n in self.d.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
                 if not n.get("ignored")]
        got = [sorted(n["name"]["value"] for n in nodes if n["role"]["value"] == "textbox")] + [
            [(n["name"]["value"], n.get("value", {}).get("value")) for n in nodes
             if n["role"]["value"] == role] for role in ("slider", "group", "image")]
        boxes = dict(BOX_NAMES[order])
        slider = boxes.pop("HScroll1")
        want = [sorted(boxes.values()), [(slider, float(s["HScroll1"]["text"]))],
                [("Filter Selection", None), ("Increment", None)], [(SCHEMATIC_NAMES[order], None)]]
        check(got == want, "%s poles: names of boxes, slider, groups, schematic %s (found %s)" %
              (order, want, got))


class WebKit(Browser):
    """WebKitGTK's own browser on the test's display, which takes its
    language from LANG alone."""
    def __init__(self, lang):
        options = webdriver.WebKitGTKOptions()
        # The small browser of the library the driver comes with, else another.
        options.binary_location = (glob.glob("/usr/lib/*/webkit2gtk-4.1/MiniBrowser") +
                                   glob.glob("/usr/lib/*/webkit*/MiniBrowser"))[0]
        options.add_argument("--automation")
        for name in [n for n in os.environ if n.startswith(("LC_", "LANGUAGE"))]:
            del os.environ[name]
        os.environ["LANG"] = lang  # the driver passes its own to the browser
        self.language = lang.split(".")[0].replace("_", "-")
        # Selenium 4.8 (Debian 12) takes the driver's path, 4.24 (Debian 13)
        # a service, which wants the full path, not a name to look up.
        driver = shutil.which("WebKitWebDriver")
        takes_service = "service" in inspect.signature(webdriver.WebKitGTK).parameters
        self.d = webdriver.WebKitGTK(options=options, **(
            {"service": WebKitService(driver)} if takes_service else {"executable_path": driver}))
        self.d.get(PAGE)
        self.js("return Promise.all([...document.images].map(i => i.decode()))")


def chromium_test(p):
    got = p.js(RECTS_JS)
    check(got[0] == CLIENT, "client area at %s (found %s)" % (CLIENT, got[0]))
    wrong = {n: r for n, r in got[1].items() if RECTS.get(n) != r}
    check(len(got[1]) == 48 and not wrong, "48 rectangles as designed (wrong: %s)" % wrong)
    s = p.js(STATE)
    shown = {n for n in s if s[n]["shown"]}
    check(shown == SHOWN_AT_START, "on show at start (wrong: %s)" % (shown ^ SHOWN_AT_START))
    got = [p.d.title] + p.texts("Text5", "Text1", "HScroll1", "Label3") + [
        s["Option2"]["on"], s["Option3"]["on"], p.js(FOCUS),
        p.js("return localStorage.length + document.cookie.length"), p.d.get_log("browser")]
    check(got == [FACTS["title"], "1000", "1000", "1000", "Normalized 3rd order "
                  "LPF C3 = 3.546, C4 = 1.392, and C5 = 0.2024.", True, True, "Option2", 0, []],
          "start-up: title, texts, selections, focus, nothing stored or logged (found %s)" % got)
    p.d.save_screenshot("web-start.png")
    check_captions_whole(p.js, "Chromium")
    forced_colours(p, "forced colours of a light scheme at start-up", FORCED_BLACK[:1])
    forced_colours(p, "forced colours of a black scheme at start-up", FORCED_BLACK)
    for name, file in PICTURES.items():
        check(base64.b64decode(p.js(PIXELS_JS, name)) == bmp_rgba(file),
              "%s shows %s pixel for pixel" % (name, file))
    p.names_read("three")
    # A screen reader's cursor walks the options in document order, and moves
    # the window's contents if they can be scrolled.
    got = p.js("""const c = document.getElementById('Form1'); c.scrollTop = 30;
      return [c.scrollTop, [...c.querySelectorAll('fieldset label')].map(l => l.textContent)]""")
    check(got == [0, ["Two Poles", "Three Poles", "1", "5", "10", "25", "50", "100", "500", "1000"]],
          "options in reading order, contents that do not scroll (found %s)" % got)

    check_form_walks(FACTS)
    walk = TAB_WALK_THREE_POLES
    got = [p.js(FOCUS)] + [p.keys(Keys.TAB) for _ in walk]
    ActionChains(p.d).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
    got.append(p.js(FOCUS))
    check(got == walk + walk[:1] + walk[-1:], "Tab walk and back (found %s)" % got)
    check([p.keys(Keys.TAB), p.keys(Keys.UP), p.texts("Label3")[0][:15]] == [
        "Option2", "Option1", "Normalized 2nd "], "Up on Three Poles selects Two Poles")
    s = p.js(STATE)
    shown, want = {n for n in s if s[n]["shown"]}, set(FACTS["orders"]["two"]["shown"])
    check(shown == want, "two poles: on show as the form says (wrong: %s)" % (shown ^ want))
    p.names_read("two")
    p.click("#Option2 input")
    p.names_read("three")

    typical_request(p)
    forced_colours(p, "forced colours of a black scheme, both orders", FORCED_BLACK,
                   lambda: designs_in_black(p))
    p.type_into("Text5", "abc")
    p.click("#Command1")
    check(p.texts("Text2", "Text3", "Text4") == [""] * 3, "a frequency of letters: empty results")

    p.click("#Option10 input")
    p.click("#HScroll1 .right")
    p.click("#Command4")
    s = p.js(STATE)
    got = [s["Text1"]["text"], s["HScroll1"]["text"], s["Option3"]["on"]]
    check(got == ["1000", "1000", True], "step 1000, a click, Reset: 1000, step 1 (found %s)" % got)
    p.click("#Option4 input")
    check(p.keys(Keys.DOWN) == "Option8" and p.js(STATE)["Option8"]["on"], "Down from 5 selects 100")
    p.click("#HScroll1 input")
    got = [p.keys(k) and p.texts("Text1")[0] for k in (Keys.END, Keys.LEFT, Keys.HOME, Keys.RIGHT)]
    check(got == ["10000", "9900", "1000", "1100"], "End, Left, Home, Right by 100 (found %s)" % got)

    help_and_close(p, "web-help.png")
    for ender in ("#Command2", ".close-box"):
        p.click(ender)
        got = p.js("return [!!document.getElementById('Form1'), document.body.innerText]")
        p.d.refresh()
        check(got == [False, "Low Pass Filter - Butterworth has ended. Reload the page to start it "
                      "again."] and p.js("return !!document.getElementById('Form1')"),
              "%s ends the program, the page says so, a reload starts it (%s)" % (ender, got))


def help_and_close(p, screenshot):
    p.click("#Command5")
    check(p.js("const r = document.getElementById('Command6').getBoundingClientRect();"
               "return document.elementFromPoint(r.x + 5, r.y + 5).id") == "Command6" and
          poll(lambda: p.js("return document.querySelector('[role=status]').textContent")
                     .startswith("Help. Low Pass Filter Design\nInstructions\n1. Select"),
                     3),  # the live region is given the words a moment after they show
          "Help: Close on top of the sheet, which announces itself and its text")
    p.d.save_screenshot(screenshot)
    p.click("#Command6")
    s = p.js(STATE)
    check(not s["Picture1"]["shown"] and not s["Command6"]["shown"] and p.js(FOCUS) == "Text1",
          "Close takes the sheet away, the focus to Text1")


def readable(p, label):
    """The page under forced colours, as check_high_contrast reads it."""
    screen = p.screen()
    captions, boxes = p.js(CAPTIONS_JS)
    window, text, (*hue, alpha) = p.js(SYSTEM_RGB_JS, ["Canvas", "CanvasText", "Highlight"])
    # The forced highlight may be translucent: as drawn on the ground.
    highlight = tuple(round(alpha * h + (1 - alpha) * c) for h, c in zip(hue, window))
    boxes["Picture1"][2] = boxes["Command6"][0] - boxes["Picture1"][0]  # left of Close, over it
    check_high_contrast(label, {n: p.area(screen, *a) for n, a in captions},
                        {n for n, v in p.js(STATE).items() if v["shown"]},
                        lambda n: p.area(screen, *boxes[n]), tuple(window[:3]), tuple(text[:3]),
                        highlight)


def forced_colours(p, label, features, *then):
    """Forced colours on, as a browser's high-contrast setting: every caption
    readable, no mask seen; then what else is given; off again, the page as
    before, pixel for pixel."""
    before = p.screen()
    p.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": features})
    readable(p, label)
    for step in then:
        step()
    p.d.execute_cdp_cmd("Emulation.setEmulatedMedia", {"features": []})
    differing = sum(a != b for a, b in zip(before, p.screen()))
    check(differing == 0, "%s, off again: %d pixels differ from before" % (label, differing))


def designs_in_black(p):
    """The digits of both orders, the help sheet; the window left as found."""
    p.d.save_screenshot("web-forced-colours.png")
    for order, poles, results in (("Option2", "three", EXPECTED_THREE_POLES),
                                  ("Option1", "two", EXPECTED_TWO_POLES)):
        p.click("#%s input" % order)
        p.click("#Command1")
        readable(p, "forced colours, %s poles" % poles)
        got = p.texts(*["Text2", "Text3", "Text4"][:len(results)])
        check(got == results, "forced colours, %s poles: digits (found %s)" % (poles, got))
    p.click("#Command5")
    readable(p, "forced colours, help sheet")
    p.d.save_screenshot("web-forced-colours-help.png")
    p.click("#Command6")
    p.click("#Option2 input")


def typical_request(p):
    separator = "," if p.language == "de-DE" else "."
    p.type_into("Text5", "2000")
    p.click("#Option8 input")
    p.click("#HScroll1 .right")
    p.click("#Command1")
    got = p.texts("Text1", "Text2", "Text3", "Text4", "Label20")
    p.click("#Option1 input")
    got += p.texts("Text2", "Text3", "Label20")
    p.click("#Command1")
    got += p.texts("Text2", "Text3")
    p.click("#Option2 input")
    local = [t.replace(".", separator) for t in ["1100"] + EXPECTED_THREE_POLES + EXPECTED_TWO_POLES]
    want = local[:4] + [False, " ", " ", True] + local[4:]
    check(got == want, "the typical request in both orders, %s (found %s)" % (p.language, got))


def phone_test():
    """A phone 390 CSS pixels wide at three device pixels to one: the window
    at the screen's corner, scaled to its width, the schematic still only
    the picture's own colours, and a finger's taps on the controls."""
    p = Chromium(screen=PHONE_SCREENS[0][0])
    try:
        placement_on(p, *PHONE_SCREENS[0])
        colours = screen_colours(p, "Image2")
        picture = bmp_rgba("three_pole.bmp")
        want = set(picture[k:k + 3] for k in range(0, len(picture), 4))
        check(colours <= want, "phone: the schematic drawn without smoothing (colours not in the "
              "picture: %s)" % sorted(colours - want)[:5])
        p.d.save_screenshot("web-phone.png")
        p.tap("#Option1")
        p.tap("#Command1")
        # A tap's click follows once the browser has seen the gesture.
        poll(lambda: not p.texts("Label20")[0], 5)
        want = [microfarad_text(capacitance(c, 1000, 1000.0)) for c in (1.414, 0.7071)]
        got = p.texts("Text2", "Text3", "Label20")
        check(got == want + [False], "phone: taps on Two Poles and Design, the results for "
              "1000 Hz and 1000 ohms (found %s)" % got)
        for screen, *where in PHONE_SCREENS[1:]:
            p.d.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", dict(zip(
                ("width", "height", "deviceScaleFactor", "mobile"), screen)))
            placement_on(p, screen, *where)
    finally:
        p.d.quit()


# Screens (CSS pixels, device pixels to one, a phone's?), where the window
# stands on each, whether it is scaled down to fill the width and whether
# the page scrolls sideways; in turn, as a phone is turned, then on a narrow
# desktop window, whose coarse pixels would lose the schematics' lines when
# scaled down, and a wide one.
PHONE_SCREENS = [((390, 844, 3, True), "corner", True, False),
                 ((844, 390, 3, True), "corner", False, False),  # wide enough, too low
                 ((400, 600, 1, False), "corner", False, True),
                 ((800, 560, 1, False), "place", False, False)]


def placement_on(p, screen, where, scaled, scrolls):
    """The browser not zoomed out, and the window at the corner or with its
    client area at its place, at 1:1 or filling the width to the last pixel,
    once the browser has told the page of its new size (before it draws the
    next frame)."""
    got = p.js("""return new Promise(r => requestAnimationFrame(() => requestAnimationFrame(r)))
      .then(() => { const f = document.querySelector('.frame').getBoundingClientRect();
      const c = document.getElementById('Form1').getBoundingClientRect();
      const root = document.documentElement, width = root.clientWidth;
      return [root.scrollWidth > width, visualViewport.scale, f.x, f.y, c.x, c.y,
              c.width == arguments[0], width - 1 < f.right && f.right <= width]; });""", CLIENT[2])
    want = [scrolls, 1] + (got[2:4] + CLIENT[:2] if where == "place" else [0, 0] + got[4:6]) + [
        not scaled, scaled]
    check(got == want, "%dx%d at %d:1: the window at its %s, %s, %sscrolling sideways (found %s)"
          % (screen[0], screen[1], screen[2], where, "scaled to the width" if scaled else "at 1:1",
             "" if scrolls else "no ", got))


def screen_colours(p, control):
    """The colours on the screen inside a control, a device pixel in from its
    edges, where a neighbour may blend in."""
    ratio, x, y, w, h = p.js("""const r = document.getElementById(arguments[0])
      .getBoundingClientRect(); return [devicePixelRatio, r.x, r.y, r.width, r.height];""", control)
    shot = base64.b64decode(p.d.execute_cdp_cmd("Page.captureScreenshot", {})["data"])
    left, top = math.ceil(x * ratio) + 1, math.ceil(y * ratio) + 1
    size = (math.floor((x + w) * ratio) - 1 - left, math.floor((y + h) * ratio) - 1 - top)
    rgb = subprocess.run(["/usr/bin/convert", "png:-", "-crop", "%dx%d+%d+%d" % (*size, left, top),
                          "rgb:-"], input=shot, capture_output=True, check=True).stdout
    return set(rgb[k:k + 3] for k in range(0, len(rgb), 3))


def webkit_test():
    os.environ["DISPLAY"] = start_xvfb()[0]
    for lang in ("C.UTF-8", "de_DE.UTF-8"):
        p = WebKit(lang)
        try:
            if not check(p.js("return !!document.getElementById('Form1')"), "WebKit, LANG=%s: "
                         "the window on show" % lang):
                continue
            typical_request(p)
            if p.language != "de-DE":
                check_captions_whole(p.js, "WebKit")
                help_and_close(p, "web-webkit-help.png")
                p.d.save_screenshot("web-webkit.png")
        finally:
            p.d.quit()


def firefox_test(profile):
    """Firefox's remote protocol, Marionette: JSON after its length and a
    colon; a command [0, id, name, parameters] is answered [1, id, error,
    result]. Port 0 picks a free one, which Firefox writes into the profile."""
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        prefs.write('user_pref("marionette.port", 0);\n')
    spawn(["firefox-esr", "--headless", "--marionette", "--no-remote", "--profile", profile],
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    port = os.path.join(profile, "MarionetteActivePort")
    while not (os.path.exists(port) and open(port).read().strip()):
        time.sleep(0.2)
    wire = socket.create_connection(("127.0.0.1", int(open(port).read())), timeout=30).makefile("rwb")

    def read():
        head = b""
        while not head.endswith(b":"):
            head += wire.read(1)
        return json.loads(wire.read(int(head[:-1])))

    def call(name, **parameters):
        body = json.dumps([0, 1, name, parameters]).encode()
        wire.write(b"%d:%s" % (len(body), body))
        wire.flush()
        error, result = read()[2:]
        if error:
            sys.exit("Firefox: %s: %s" % (name, error))
        return result.get("value") if isinstance(result, dict) else result
    read()
    call("WebDriver:NewSession", capabilities={})
    call("WebDriver:SetWindowRect", width=800, height=640)  # room for the window at its place
    call("WebDriver:Navigate", url=PAGE)
    got = call("WebDriver:ExecuteScript", args=[], script="""const $ = s => document.querySelector(s);
        $('#Text5').value = '2000'; $('#Option8 input').click(); $('#HScroll1 .right').click();
        $('#Command1').click();
        return ['Text1', 'Text2', 'Text3', 'Text4'].map(n => $('#' + n).value);""")
    check(got == ["1100"] + EXPECTED_THREE_POLES, "Firefox: the typical request (found %s)" % got)
    check_captions_whole(lambda script: call("WebDriver:ExecuteScript", args=[], script=script),
                         "Firefox")
    with open("web-firefox.png", "wb") as shot:
        shot.write(base64.b64decode(call("WebDriver:TakeScreenshot")))


def main():
    give_up_after(110)
    self_check_expected()
    self_check_contrast()
    profile = tempfile.mkdtemp(prefix="lowpass-firefox-")
    try:
        if MODE == "firefox":
            firefox_test(profile)
        if MODE == "webkit":
            webkit_test()
        for language, run in (("en-US", chromium_test), ("de-DE", typical_request)):
            if MODE == "chromium":
                page = Chromium(language)
                try:
                    run(page)
                finally:
                    page.d.quit()
        if MODE == "chromium":
            phone_test()
    finally:
        stop_children()
        shutil.rmtree(profile, ignore_errors=True)
    sys.exit(1 if failures else 0)


main()
