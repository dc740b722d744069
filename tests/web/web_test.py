#!/usr/bin/python3
"""The page in web browsers and under node.

Usage: web_test.py WEB_BUILD SOURCE_DIR digits NATIVE_PROBE | chromium | firefox

digits    the WebAssembly design probe under node prints the same lines as
          the native one: 200 000 random parses and designs.
chromium  build/web/lowpass.html from disk in headless Chromium: every
          rectangle, the start, the pictures' pixels, the Tab walk, the
          typical request in both orders, a zero frequency, increments and
          Reset, Help and Close, the names a screen reader reads, EXIT and
          the close box, then German decimal commas.
firefox   the typical request's digits in headless Firefox ESR, driven over
          Marionette, and a screenshot.
"""
import base64
import json
import os
import shutil
import socket
import struct
import subprocess
import sys
import tempfile
import time

WEB_BUILD, SOURCE, MODE = sys.argv[1:4]
PAGE = "file://" + os.path.join(os.path.abspath(WEB_BUILD), "lowpass.html")
sys.path.insert(0, os.path.join(SOURCE, "tests", "e2e"))
from e2e_common import (EXPECTED_THREE_POLES, EXPECTED_TWO_POLES, check, failures,  # noqa: E402
                        give_up_after, self_check_expected, spawn, stop_children)

# Every control's rectangle in CSS pixels within the client area (options
# too), read off the window's design: left, top, width, height.
RECTS = dict((n, tuple(map(int, r.split(",")))) for n, r in zip(*[iter("""
Command6 440,24,73,25 Picture1 148,3,385,217 Text7 267,130,124,19 Text6 206,128,143,26
Command5 16,107,105,27 Text5 24,344,137,24 Text4 296,344,177,25 HScroll1 24,208,161,17
Text3 296,312,177,25 Text1 368,216,105,25 Command1 16,72,105,29 Frame1 16,8,105,57
Option1 24,24,81,17 Option2 23,40,81,17 Command2 16,140,105,30 Command4 192,208,57,33
Frame2 24,240,225,73 Option9 136,288,57,17 Option8 80,288,49,17 Option7 32,288,49,17
Option6 192,264,41,17 Option5 136,264,41,17 Option4 80,264,41,17 Option3 32,264,41,17
Option10 192,288,49,17 Text2 296,280,177,25 Image1 187,5,306,157 Label7 536,0,9,409
Image2 130,5,402,147 Label20 296,264,193,17 Label19 24,328,153,17 Label18 480,352,25,17
Label17 480,320,25,17 Label16 480,288,25,17 Label15 480,224,33,17 Label14 25,190,73,17
Label13 25,190,73,17 Label12 264,352,33,25 Label11 264,320,26,16 Label10 264,288,33,25
Label6 264,320,33,17 Label5 264,288,33,25 Label4 304,224,65,17 Label1 272,224,89,17
Label3 123,175,385,17 Label9 7,385,537,25 Label8 0,0,9,425 Label2 124,4,409,165
""".split())] * 2))
HIDDEN_AT_START = {"Picture1", "Command6", "Label4", "Label5", "Label6", "Text6", "Image1"}
TWO_ONLY = {"Label4", "Label13", "Label5", "Label6", "Image1", "Text6"}
THREE_ONLY = {"Label1", "Label14", "Label10", "Label11", "Label12", "Label18", "Text4", "Image2",
              "Text7"}
TAB_WALK = ["Option2", "Command2", "Command1", "Text1", "Text2", "Text3", "HScroll1", "Option3",
            "Command4", "Text4", "Text5", "Command5"]
NAMES = {"two": ["C1 (uF)", "C2 (uF)", "Enter frequency (Hz)", "R1 = R2 (Ohm)"],
         "three": ["C3 (uF)", "C4 (uF)", "C5 (uF)", "Enter frequency (Hz)", "R3 = R4 = R5 (Ohm)"]}
SLIDER = {"two": "Select R1", "three": "Select R3"}
PICTURES = {"Image1": "two_pole.bmp", "Image2": "three_pole.bmp", "Picture1": "help_sheet.bmp"}

# What the page reads; with values, what a script does as the user would.
STATE = """return Object.fromEntries([...document.querySelectorAll('[data-control]')]
  .filter(e => e.id).map(e => [e.id, {shown: e.checkVisibility(),
    text: e.matches('input') ? e.value : e.textContent,
    checked: (e.querySelector('input') || e).checked, value: (e.querySelector('input') || e).value}]))"""
FOCUS = "const a = document.activeElement.closest('[id]'); return a ? a.id : '';"


def digits(native_probe):
    count = "200000"
    native = subprocess.run([native_probe, count], capture_output=True, text=True, check=True)
    wasm = subprocess.run(["node", os.path.join(WEB_BUILD, "design_probe.js"),
                           count], capture_output=True, text=True, check=True)
    a, b = native.stdout.splitlines(), wasm.stdout.splitlines()
    differ = [(x, y) for x, y in zip(a, b) if x != y]
    check(len(a) == len(b) == 2 * int(count), "%d lines from each build" % len(a))
    check(not differ, "the WebAssembly build's parses and texts are the native ones (first "
          "difference: %s)" % (differ[:1],))


# --- Chromium -----------------------------------------------------------------

def chromium(language=None):
    from selenium import webdriver
    from selenium.webdriver.chrome.service import Service
    options = webdriver.ChromeOptions()
    for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"):
        options.add_argument(a)
    if language:
        options.add_experimental_option("prefs", {"intl.accept_languages": language})
    driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
    driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride",
                           {"width": 800, "height": 560, "deviceScaleFactor": 1, "mobile": False})
    driver.get(PAGE)
    return driver


class Page:
    def __init__(self, driver):
        self.d = driver

    def js(self, script, *args):
        return self.d.execute_script(script, *args)

    def state(self):
        return self.js(STATE)

    def click(self, selector):
        from selenium.webdriver.common.by import By
        self.d.find_element(By.CSS_SELECTOR, selector).click()

    def keys(self, *keys):
        from selenium.webdriver.common.action_chains import ActionChains
        ActionChains(self.d).send_keys(*keys).perform()

    def type_into(self, box, text):
        from selenium.webdriver.common.by import By
        element = self.d.find_element(By.ID, box)
        element.clear()
        element.send_keys(text)

    def texts(self, *names):
        s = self.state()
        return [s[n]["text"] for n in names]

    def ax_names(self):
        nodes = self.d.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]
        by_role = {}
        for n in nodes:
            if not n.get("ignored"):
                role, name = n.get("role", {}).get("value"), n.get("name", {}).get("value", "")
                by_role.setdefault(role, []).append((name, n.get("value", {}).get("value")))
        return by_role


def check_start(p):
    # Hidden controls have no box: measured on show for a moment.
    got = p.js("""const c = document.getElementById('Form1').getBoundingClientRect();
        const all = [...document.querySelectorAll('#Form1 [data-control]')];
        const hidden = all.filter(e => e.hidden); hidden.forEach(e => e.hidden = false);
        const rects = Object.fromEntries(all.map(e => { const r = e.getBoundingClientRect();
            return [e.id, [r.x - c.x, r.y - c.y, r.width, r.height]]; }));
        hidden.forEach(e => e.hidden = true);
        return [[c.x, c.y, c.width, c.height], rects, document.title]""")
    check(got[0] == [111, 117, 542, 395], "client area at 111,117, 542x395 (found %s)" % got[0])
    check(got[2] == "Low Pass Filter - Butterworth", "the page's title is the caption")
    wrong = {n: got[1].get(n) for n, r in RECTS.items() if tuple(got[1].get(n, ())) != r}
    check(len(got[1]) == 48 and not wrong, "48 rectangles as designed (wrong: %s)" % wrong)
    s = p.state()
    shown = {n for n, c in s.items() if c["shown"]}
    check(shown == set(RECTS) - HIDDEN_AT_START, "shown at start (differs: %s)" %
          (shown ^ (set(RECTS) - HIDDEN_AT_START)))
    got = (s["Text5"]["text"], s["Text1"]["text"], s["HScroll1"]["value"], s["Option2"]["checked"],
           s["Option3"]["checked"], s["Label3"]["text"])
    check(got == ("1000", "1000", "1000", True, True, "Normalized 3rd order LPF C3 = 3.546, "
                  "C4 = 1.392, and C5 = 0.2024."), "start-up state (found %s)" % (got,))
    check(p.js(FOCUS) == "Option2", "Three Poles has the focus at start")


def check_pictures(p):
    for name, file in PICTURES.items():
        data = open(os.path.join(SOURCE, "art", file), "rb").read()
        offset, = struct.unpack_from("<I", data, 10)
        w, h = struct.unpack_from("<ii", data, 18)
        stride = (w * 3 + 3) // 4 * 4
        want = b"".join(bytes((data[o + 2], data[o + 1], data[o], 255))
                        for y in range(h) for o in range(offset + stride * (h - 1 - y),
                                                         offset + stride * (h - 1 - y) + 3 * w, 3))
        got = base64.b64decode(p.js("""const i = document.querySelector('#' + arguments[0] + ' img');
            const c = document.createElement('canvas'); c.width = i.naturalWidth;
            c.height = i.naturalHeight; const g = c.getContext('2d'); g.drawImage(i, 0, 0);
            const d = g.getImageData(0, 0, c.width, c.height).data; let s = '';
            for (let k = 0; k < d.length; k += 8192) s += String.fromCharCode(...d.subarray(k, k + 8192));
            return btoa(s);""", name))
        check(got == want, "%s shows %s pixel for pixel" % (name, file))


def order_shown(p, order):
    s, only = p.state(), (TWO_ONLY if order == "two" else THREE_ONLY)
    wrong = sorted(n for n in TWO_ONLY | THREE_ONLY if s[n]["shown"] != (n in only))
    check(not wrong, "%s poles: shown and hidden as for that order (wrong: %s)" % (order, wrong))
    names_read(p, order)


def names_read(p, order):
    names = p.ax_names()
    got = (sorted(n for n, _ in names.get("textbox", [])), names.get("slider"))
    want = (NAMES[order], [(SLIDER[order], float(p.state()["HScroll1"]["value"]))])
    check(got == want, "%s poles: boxes and slider named %s (found %s)" % (order, want, got))


def tab_walk(p):
    from selenium.webdriver.common.keys import Keys
    got = [p.js(FOCUS)]
    for _ in TAB_WALK:
        p.keys(Keys.TAB)
        got.append(p.js(FOCUS))
    check(got == TAB_WALK + TAB_WALK[:1], "Tab walk %s (found %s)" % (TAB_WALK, got))
    from selenium.webdriver.common.action_chains import ActionChains
    ActionChains(p.d).key_down(Keys.SHIFT).send_keys(Keys.TAB).key_up(Keys.SHIFT).perform()
    check(p.js(FOCUS) == TAB_WALK[-1], "Shift+Tab back to " + TAB_WALK[-1])
    p.keys(Keys.TAB, Keys.UP)
    check(p.state()["Option1"]["checked"] and p.js(FOCUS) == "Option1", "Up selects Two Poles")
    order_shown(p, "two")
    p.click("#Option2 input")
    order_shown(p, "three")


def typical_request(p, separator="."):
    def local(texts):
        return [t.replace(".", separator) for t in texts]
    p.type_into("Text5", "2000")
    p.click("#Option8 input")
    p.click("#HScroll1 .right")
    check(p.texts("Text1") == ["1100"], "one right-arrow click with step 100: Text1 1100")
    p.click("#Command1")
    got = p.texts("Text2", "Text3", "Text4")
    check(got == local(EXPECTED_THREE_POLES), "three-pole results (found %s)" % got)
    check(not p.state()["Label20"]["shown"], "Design hides the refresh prompt")
    p.click("#Option1 input")
    s = p.state()
    check([s[n]["text"] for n in ("Text2", "Text3")] == [" ", " "] and s["Label20"]["shown"],
          "Two Poles: results blanked, the refresh prompt on show")
    p.click("#Command1")
    got = p.texts("Text2", "Text3")
    check(got == local(EXPECTED_TWO_POLES), "two-pole results (found %s)" % got)
    p.click("#Option2 input")


def zero_frequency(p):
    p.type_into("Text5", "abc")
    p.click("#Command1")
    check(p.texts("Text2", "Text3", "Text4") == ["", "", ""], "a frequency of letters: empty results")


def increments_and_reset(p):
    from selenium.webdriver.common.keys import Keys
    p.click("#Option10 input")
    p.click("#HScroll1 .right")
    check(p.texts("Text1") == ["2100"], "step 1000: Text1 2100")
    p.click("#Command4")
    s = p.state()
    got = (s["Text1"]["text"], s["HScroll1"]["value"], s["Option3"]["checked"])
    check(got == ("1000", "1000", True), "Reset: 1000, the bar at 1000, step 1 (found %s)" % (got,))
    p.click("#Option4 input")
    p.keys(Keys.DOWN)
    check(p.state()["Option8"]["checked"] and p.js(FOCUS) == "Option8", "Down from 5 selects 100")
    p.click("#HScroll1 input")
    got = []
    for key in (Keys.END, Keys.LEFT, Keys.HOME, Keys.RIGHT):
        p.keys(key)
        got.append(p.texts("Text1")[0])
    check(got == ["10000", "9900", "1000", "1100"], "End, Left, Home, Right by 100 (found %s)" % got)


def help_and_close(p):
    p.click("#Command5")
    s = p.state()
    check(s["Picture1"]["shown"] and s["Command6"]["shown"], "Help shows the sheet and Close")
    check(p.js("const r = document.getElementById('Command6').getBoundingClientRect();"
               "return document.elementFromPoint(r.x + 5, r.y + 5).id") == "Command6",
          "Close lies over the sheet")
    check(p.js("return document.querySelector('[role=status]').textContent")
          .startswith("Help. Low Pass Filter Design\nInstructions\n1. Select"),
          "the help sheet announces itself and its text")
    p.d.save_screenshot("web-help.png")
    p.click("#Command6")
    s = p.state()
    check(not s["Picture1"]["shown"] and not s["Command6"]["shown"] and p.js(FOCUS) == "Text1",
          "Close takes the sheet away, the focus to Text1")


def the_end(p, selector):
    p.click(selector)
    got = p.js("return [!!document.getElementById('Form1'), document.body.innerText]")
    check(not got[0] and "has ended" in got[1] and "Reload" in got[1],
          "%s ends the program and the page says so (%r)" % (selector, got[1][:80]))
    p.d.refresh()
    check(p.js("return !!document.getElementById('Form1')"), "reloading starts it again")


def chromium_test():
    driver = chromium()
    try:
        p = Page(driver)
        check_start(p)
        p.d.save_screenshot("web-start.png")
        check_pictures(p)
        names_read(p, "three")
        check(p.js("return window.localStorage.length + document.cookie.length") == 0,
              "nothing stored")
        tab_walk(p)
        typical_request(p)
        zero_frequency(p)
        increments_and_reset(p)
        help_and_close(p)
        the_end(p, "#Command2")
        the_end(p, ".close-box")
    finally:
        driver.quit()
    driver = chromium("de-DE")
    try:
        typical_request(Page(driver), ",")
    finally:
        driver.quit()


# --- Firefox over Marionette ----------------------------------------------------

class Marionette:
    """Firefox's remote protocol: JSON messages, each after its length and
    a colon; a command is [0, id, name, parameters], its answer [1, id,
    error, result]."""

    def __init__(self, port):
        self.sock = socket.create_connection(("127.0.0.1", port), timeout=30)
        self.id = 0
        self.read()

    def read(self):
        head = b""
        while not head.endswith(b":"):
            head += self.sock.recv(1)
        size, body = int(head[:-1]), b""
        while len(body) < size:
            body += self.sock.recv(size - len(body))
        return json.loads(body)

    def __call__(self, name, **parameters):
        self.id += 1
        body = json.dumps([0, self.id, name, parameters]).encode()
        self.sock.sendall(b"%d:%s" % (len(body), body))
        _, _, error, result = self.read()
        if error:
            raise RuntimeError("%s: %s" % (name, error))
        return result.get("value") if isinstance(result, dict) else result

    def js(self, script, *args):
        return self("WebDriver:ExecuteScript", script=script, args=list(args))


def firefox_test(profile):
    with open(os.path.join(profile, "user.js"), "w") as prefs:
        prefs.write('user_pref("marionette.port", 0);\n')
    spawn(["firefox-esr", "--headless", "--marionette", "--no-remote", "--profile", profile],
          stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL,
          env=dict(os.environ, MOZ_CRASHREPORTER_DISABLE="1"))
    port_file = os.path.join(profile, "MarionetteActivePort")
    deadline = time.monotonic() + 60
    while not os.path.exists(port_file) and time.monotonic() < deadline:
        time.sleep(0.2)
    time.sleep(0.2)
    m = Marionette(int(open(port_file).read()))
    m("WebDriver:NewSession", capabilities={})
    m("WebDriver:SetWindowRect", width=800, height=600)
    m("WebDriver:Navigate", url=PAGE)
    got = m.js("""const $ = s => document.querySelector(s);
        $('#Text5').value = '2000'; $('#Option8 input').click(); $('#HScroll1 .right').click();
        $('#Command1').click();
        return ['Text1', 'Text2', 'Text3', 'Text4'].map(n => $('#' + n).value);""")
    check(got == ["1100"] + EXPECTED_THREE_POLES, "Firefox: the typical request (found %s)" % got)
    with open("web-firefox.png", "wb") as shot:
        shot.write(base64.b64decode(m("WebDriver:TakeScreenshot")))
    m("WebDriver:DeleteSession")


def firefox_test_in_scratch():
    profile = tempfile.mkdtemp(prefix="lowpass-firefox-")
    try:
        firefox_test(profile)
    finally:
        stop_children()
        shutil.rmtree(profile, ignore_errors=True)


def main():
    give_up_after(110)
    self_check_expected()
    try:
        if MODE == "digits":
            digits(sys.argv[4])
        elif MODE == "chromium":
            chromium_test()
        else:
            firefox_test_in_scratch()
    finally:
        stop_children()
    sys.exit(1 if failures else 0)


main()
