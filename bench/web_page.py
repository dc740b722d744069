#!/usr/bin/python3
"""The web page's size, and how soon it gives its first result in headless
Chromium: from the start of navigation to lowpass.html on disk until, right
after the load event, a click on "Design" has filled the first result box.

    web_page.py PAGE RUNS
"""
import gzip
import os
import statistics
import sys

from selenium import webdriver
from selenium.webdriver.chrome.service import Service

page, runs = os.path.abspath(sys.argv[1]), int(sys.argv[2])
size = os.path.getsize(page)
packed = len(gzip.compress(open(page, "rb").read(), 9))

options = webdriver.ChromeOptions()
for a in ("--headless=new", "--no-sandbox", "--disable-gpu", "--disable-dev-shm-usage"):
    options.add_argument(a)
driver = webdriver.Chrome(service=Service("/usr/bin/chromedriver"), options=options)
times = []
try:
    for i in range(runs + 1):  # the first fills the caches and is not counted
        driver.get("file://" + page + "?run=%d" % i)
        ms = driver.execute_script("""document.getElementById('Command1').click();
            if (document.getElementById('Text2').value.trim() === '') return -1;
            return performance.now();""")
        if ms < 0:
            sys.exit("Design gave no result")
        if i:
            times.append(ms)
finally:
    driver.quit()

print()
print("| web page                        | value    | min      | max      | goal                 |")
print("|---------------------------------|----------|----------|----------|----------------------|")
print("| lowpass.html size               | %-8s |          |          | <= 300 KB: %-9s |" % (
    "%d KB" % round(size / 1024), "met" if size <= 300 * 1024 else "MISSED"))
print("| lowpass.html gzipped (info)     | %-8s |          |          |                      |" %
      ("%d KB" % round(packed / 1024)))
print("| load to first result, Chromium  | %-8s | %-8s | %-8s | no goal              |" % tuple(
    "%.0f ms" % v for v in (statistics.median(times), min(times), max(times))))
