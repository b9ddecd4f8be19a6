#!/usr/bin/python3
"""The browser edition's figures for docs/performance.md: the download's size, the time from
navigation to the first page (fresh, from the service worker's cache, on an emulated phone),
and the time of a turn, in headless Chromium.

usage: tools/web_performance.py [SITE] [WINNING_SEQUENCE] [RUNS]  (default dist/web, the
winning game of tests/data, 5 runs)
"""
import gzip
import os
import statistics
import sys

here = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.join(here, "..", "frontends", "web"))
from web_browser import Browser  # noqa: E402

site = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "dist", "web")
sequence = sys.argv[2] if len(sys.argv) > 2 else os.path.join(here, "..", "tests", "data",
                                                              "winning_sequence.txt")
runs = int(sys.argv[3]) if len(sys.argv) > 3 else 5
lines = open(sequence, encoding="utf-8").read().splitlines()


def sizes():
    total = packed = 0
    for name in sorted(os.listdir(site)):
        if name == "background.jpg":
            continue
        data = open(os.path.join(site, name), "rb").read()
        total += len(data)
        packed += len(gzip.compress(data, 9))
        print(f"  {name:22} {len(data):8} bytes {len(gzip.compress(data, 9)):8} gzip")
    print(f"site without the picture: {total} bytes ({total / 1024:.1f} KB), "
          f"{packed} gzip ({packed / 1024:.1f} KB)")


def percentile(values, fraction):
    ordered = sorted(values)
    return ordered[min(len(ordered) - 1, int(fraction * len(ordered)))]


def measure():
    browser = Browser(site)
    try:
        first = []
        turns = []
        for run in range(runs):
            browser.open()  # the first navigation of a fresh profile, then reloads from cache
            first.append(browser.js("return window.kveltTimings.firstPage"))
            if run == 0:
                transferred = browser.js(
                    "return performance.getEntriesByType('resource').concat("
                    "performance.getEntriesByType('navigation'))"
                    ".filter(e => !e.name.endsWith('background.jpg'))"
                    ".reduce((sum, e) => sum + e.transferSize, 0)")
                print(f"transferred on the first load, the picture aside: {transferred} bytes "
                      f"({transferred / 1024:.1f} KB, uncompressed by this server)")
            for line in lines:
                browser.send(line)
            turns += browser.js("return window.kveltTimings.turns")
        served = browser.js("return !!navigator.serviceWorker.controller")
        print(f"first page after navigation: cold {first[0]:.1f} ms, "
              f"then median {statistics.median(first[1:] or first):.1f} ms "
              f"(worst {max(first):.1f} ms) over {runs} loads"
              f"{', the later ones from the service worker' if served else ''}")
        print(f"a turn (engine and drawing the panes), {len(turns)} turns: median "
              f"{statistics.median(turns):.2f} ms, p99 {percentile(turns, 0.99):.2f} ms, "
              f"worst {max(turns):.2f} ms")
    finally:
        browser.close()


def measure_phone():
    """A fresh load in a phone's screen (390 x 844, touch), and whether anything there is wider
    than the screen."""
    browser = Browser(site, phone=True)
    try:
        browser.open()
        first = browser.js("return window.kveltTimings.firstPage")
        wide = browser.js("return document.documentElement.scrollWidth > innerWidth")
        print(f"phone: first page {first:.1f} ms after a fresh navigation; "
              f"{'scrolls sideways' if wide else 'nothing wider than the screen'}")
    finally:
        browser.close()


sizes()
measure()
measure_phone()
