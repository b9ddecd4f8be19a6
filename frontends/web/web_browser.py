"""Headless Chromium with a profile of its own against a static server of the browser
edition: what the browser test and the performance measurement drive."""
import functools
import http.server
import shutil
import tempfile
import threading

from selenium import webdriver
from selenium.common.exceptions import TimeoutException
from selenium.webdriver.chrome.service import Service
from selenium.webdriver.common.keys import Keys
from selenium.webdriver.support.ui import WebDriverWait

CHROMIUM = "/usr/bin/chromium"
CHROMEDRIVER = "/usr/bin/chromedriver"
CHROMIUM_FLAGS = ["--headless", "--no-sandbox", "--disable-gpu", "--disable-quic",
                  "--no-first-run", "--disable-background-networking",
                  "--disable-component-update", "--disable-sync", "--window-size=1000,750"]


class QuietHandler(http.server.SimpleHTTPRequestHandler):
    def log_message(self, *args):
        pass


class Browser:
    """One Chromium with a profile of its own, and a static server for the site."""

    def __init__(self, site, phone=False):
        handler = functools.partial(QuietHandler, directory=site)
        self.server = http.server.ThreadingHTTPServer(("127.0.0.1", 0), handler)
        threading.Thread(target=self.server.serve_forever, daemon=True).start()
        self.url = f"http://127.0.0.1:{self.server.server_address[1]}/"
        self.profile = tempfile.mkdtemp()
        self.downloads = tempfile.mkdtemp()
        options = webdriver.ChromeOptions()
        options.binary_location = CHROMIUM
        for flag in CHROMIUM_FLAGS + ["--user-data-dir=" + self.profile]:
            options.add_argument(flag)
        options.add_experimental_option("prefs", {
            "download.default_directory": self.downloads,
            "download.prompt_for_download": False,
            "profile.default_content_setting_values.automatic_downloads": 1})
        if phone:  # a phone's screen in CSS pixels, touched rather than clicked
            options.add_experimental_option("mobileEmulation", {
                "deviceMetrics": {"width": 390, "height": 844, "pixelRatio": 3, "touch": True}})
        self.driver = webdriver.Chrome(service=Service(CHROMEDRIVER), options=options)
        self.driver.execute_cdp_cmd("Browser.setDownloadBehavior",
                                    {"behavior": "allow", "downloadPath": self.downloads})

    def close(self):
        self.driver.quit()
        self.server.shutdown()
        self.server.server_close()
        shutil.rmtree(self.profile, ignore_errors=True)
        shutil.rmtree(self.downloads, ignore_errors=True)

    def wait(self, condition, what, timeout=15):
        try:
            return WebDriverWait(self.driver, timeout, poll_frequency=0.01).until(
                lambda driver: condition())
        except TimeoutException:
            raise AssertionError("timed out waiting for " + what) from None

    def js(self, script, *args):
        return self.driver.execute_script(script, *args)

    def open(self, resume=False):
        """Loads the page anew and waits for its first page: the opening, unless `resume`
        leaves the page the game it keeps in the browser."""
        if not resume and self.driver.current_url.startswith(self.url):
            self.forget_kept_game()
        self.driver.get(self.url)
        self.wait(lambda: self.js("return document.body.dataset.ready") == "1", "the first page")

    def forget_kept_game(self):
        """Removes the game the page keeps between visits from IndexedDB (the slots stay)."""
        self.driver.execute_async_script("""const done = arguments[arguments.length - 1];
            const opening = indexedDB.open("/kvelt/saves");
            opening.onerror = () => done();
            opening.onsuccess = () => {
              const db = opening.result;
              if (!db.objectStoreNames.contains("FILE_DATA")) return (db.close(), done());
              const change = db.transaction("FILE_DATA", "readwrite");
              change.objectStore("FILE_DATA").delete("/kvelt/saves/kept.kvelt");
              change.oncomplete = change.onerror = () => (db.close(), done());
            };""")

    def tap(self, element):
        """A finger's tap in the middle of `element`, scrolled into sight first."""
        box = self.js("arguments[0].scrollIntoView({block: 'nearest'});"
                      "const r = arguments[0].getBoundingClientRect();"
                      "return [r.left + r.width / 2, r.top + r.height / 2];", element)
        for kind, points in (("touchStart", [{"x": box[0], "y": box[1]}]), ("touchEnd", [])):
            self.driver.execute_cdp_cmd("Input.dispatchTouchEvent",
                                        {"type": kind, "touchPoints": points})

    def element(self, element_id):
        return self.driver.find_element("id", element_id)

    def turn(self):
        return int(self.js("return document.getElementById('narration').dataset.turn"))

    def send(self, line):
        """Types the line into the input line and presses Enter; returns once it is handled."""
        before = self.turn()
        self.element("input").send_keys(line + Keys.ENTER)
        self.wait(lambda: self.turn() == before + 1, f"the Enter of {line!r}")

    def page(self):
        return self.js("""return {
            narration: document.getElementById('narration').textContent,
            carried: document.getElementById('carried').textContent,
            input: document.getElementById('input').value,
            status: document.getElementById('status').textContent};""")

    def status(self):
        return self.element("status").get_attribute("textContent")
