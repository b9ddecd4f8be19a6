"""Plays the browser edition in headless Chromium and holds every page against kvelt-cli.

usage: browser_test.py SITE KVELT_CLI DATA_DIR WINNING_SEQUENCE ARTIFACTS_DIR [TEST ...]
"""
import gzip
import json
import os
import pathlib
import shutil
import subprocess
import sys
import tempfile
import unittest

SKIP = 77

try:
    from selenium.webdriver.common.action_chains import ActionChains
    from selenium.webdriver.common.keys import Keys
    from selenium.webdriver.support.ui import Select
except ImportError:
    print("SKIPPED: python3-selenium is not installed")
    sys.exit(SKIP)

from web_browser import CHROMEDRIVER, CHROMIUM, Browser

SITE, CLI, DATA, SEQUENCE, ARTIFACTS = sys.argv[1:6]
WINNING = open(SEQUENCE, encoding="utf-8").read().splitlines()

# The size the page may have, the picture aside: what a player downloads before the first page.
SIZE_LIMIT = 400 * 1024
GZIP_LIMIT = 200 * 1024


def cli_pages(lines, directory=None, options=()):
    """kvelt-cli --json's pages for a new game and `lines`: the start page, then one per line
    up to the end of the game. The catalogue is the shipped one; the saves go to `directory`."""
    if directory is None:
        with tempfile.TemporaryDirectory() as scratch:
            return cli_pages(lines, scratch, options)
    shutil.copy(os.path.join(DATA, "scripts.tex"), directory)
    result = subprocess.run([CLI, "--json", *options, "--dir", directory],
                            input="".join(line + "\n" for line in lines).encode("utf-8"),
                            capture_output=True, check=True, timeout=60)
    objects = [json.loads(line) for line in result.stdout.splitlines()]
    return [page for page in objects if page["event"] in ("start", "turn")]


def pane(text):
    return text.replace("\r\n", "\n")


def carried_pane(text):
    """The carried pane as the page shows it: the empty slots at its end left out."""
    return pane(text).rstrip("\n")


class Pages(unittest.TestCase):
    """One browser for the tests of a class, the page loaded anew for each."""
    PHONE = False

    @classmethod
    def setUpClass(cls):
        cls.browser = Browser(SITE, phone=cls.PHONE)

    @classmethod
    def tearDownClass(cls):
        cls.browser.close()

    def setUp(self):
        self.browser.open()

    def folder(self):
        """A folder for the line mode's slots, removed when the test ends."""
        scratch = tempfile.TemporaryDirectory()
        self.addCleanup(scratch.cleanup)
        return scratch.name

    def assertPageIs(self, expected, context):
        got = self.browser.page()
        self.assertEqual(got["narration"], pane(expected["narration"]), context)
        self.assertEqual(got["carried"], carried_pane(expected["carried"]), context)

    def play(self, lines, directory=None, send=None):
        """Plays `lines` in the page (typed, or by `send`) and checks each page, and the answer
        in the status line, against kvelt-cli's."""
        expected = cli_pages(lines, directory)
        for line, page in zip(lines, expected[1:]):
            (send or self.browser.send)(line)
            self.assertPageIs(page, f"after {line!r}")
            answer = self.browser.status()
            if page["gameOver"]:  # the keys that still work follow the answer
                answer = answer[:len(page.get("status", ""))]
            self.assertEqual(answer, page.get("status", ""), f"the answer to {line!r}")
        return expected


class BrowserTest(Pages):
    def test_opening_page(self):
        start = cli_pages([])[0]
        self.assertPageIs(start, "the opening page")
        b = self.browser
        self.assertEqual(b.turn(), 0)
        self.assertEqual(b.js("return getComputedStyle(document.getElementById('input'))"
                              ".backgroundColor"), "rgb(41, 0, 152)")
        self.assertEqual(b.element("label1").get_attribute("textContent"), "Máš u sebe:")
        self.assertEqual(b.element("label2").get_attribute("textContent"), "Developed by J.X.W")
        self.assertEqual(b.js("return document.activeElement.id"), "input")
        b.driver.save_screenshot(os.path.join(ARTIFACTS, "web.png"))
        # A click on the picture, beside the panes, leaves the typing where it was.
        box = b.element("input")
        box.send_keys("vezmi")
        ActionChains(b.driver).move_to_element_with_offset(b.element("stage"), 340, 150).click()\
            .send_keys(" olej").perform()
        self.assertEqual(box.get_attribute("value"), "vezmi olej")

    def test_czech_typed_and_completed(self):
        # Typed line, what Tab makes of it, what the status line then offers.
        rows = [
            ("vezmi pochoden", "vezmi pochodeň", ""),
            ("OTEVRI DVE", "otevři dveře", ""),
            ("prozkoumej d", "prozkoumej d", "Draga, dveře, dýku"),
        ]
        b = self.browser
        b.send("")
        b.send("")
        for typed, completed, offered in rows:
            box = b.element("input")
            box.send_keys(typed + Keys.TAB)
            self.assertEqual(box.get_attribute("value"), completed, typed)
            self.assertEqual(b.status(), offered, typed)
            box.send_keys(Keys.CONTROL, "a", Keys.DELETE)
        # Typed with its diacritics, and completed without them: the same pages as the line mode.
        expected = cli_pages(["", "", "prozkoumej dýku", "vezmi pochodeň"])
        b.send("prozkoumej dýku")
        self.assertPageIs(expected[3], "prozkoumej dýku")
        before = b.turn()
        b.element("input").send_keys("vezmi pochoden", Keys.TAB, Keys.ENTER)
        b.wait(lambda: b.turn() == before + 1, "the completed line")
        self.assertPageIs(expected[4], "vezmi pochodeň completed")
        # Up recalls the lines sent, newest first; Down goes back to what was being typed.
        box = b.element("input")
        box.send_keys("rozepsan")
        box.send_keys(Keys.UP)
        self.assertEqual(box.get_attribute("value"), "vezmi pochodeň")
        box.send_keys(Keys.UP)
        self.assertEqual(box.get_attribute("value"), "prozkoumej dýku")
        box.send_keys(Keys.DOWN, Keys.DOWN)
        self.assertEqual(box.get_attribute("value"), "rozepsan")

    def test_comforts(self):
        b = self.browser
        self.assertTrue(b.status().startswith("Klávesy: Alt+U tah zpět"), b.status())
        lines = ["", "", "vezmi pochodeň", "vezmi olej"]
        expected = self.play(lines)
        box = b.element("input")

        # Undo and redo: the page of the line before, then the last one again.
        box.send_keys(Keys.ALT, "u")
        b.wait(lambda: b.status() == "Tah je vzat zpět.", "the undo")
        self.assertPageIs(expected[3], "after Alt+U")
        box.send_keys(Keys.CONTROL, "y")
        b.wait(lambda: b.status() == "Tah je znovu zahrán.", "the redo")
        self.assertPageIs(expected[4], "after Ctrl+Y")

        # Earlier pages: Page Up at the top shows the page before under its line; typing
        # returns to the game.
        box.send_keys(Keys.PAGE_UP)
        self.assertEqual(b.page()["narration"],
                         "> vezmi pochodeň\n" + pane(expected[3]["narration"]))
        self.assertTrue(b.status().startswith("Dřívější stránka:"), b.status())
        box.send_keys("v")
        self.assertPageIs(expected[4], "typing after Page Up")
        box.send_keys(Keys.BACKSPACE)

        # Slots at a glance, with the slot just saved among them.
        b.send("save 4")
        box.send_keys(Keys.F2)
        b.wait(lambda: "4 (" in b.status(), "the slots at a glance")

        # A new game takes two presses, the first one asks.
        box.send_keys(Keys.ALT, "n")
        b.wait(lambda: b.status().startswith("Začít novou hru?"), "the question")
        box.send_keys(Keys.ALT, "n")
        b.wait(lambda: b.status() == "Nová hra.", "the new game")
        self.assertPageIs(cli_pages([])[0], "after Alt+N twice")

    def test_hint_and_map(self):
        b = self.browser
        lines = ["", "", "vezmi pochodeň", "j"]
        expected = self.play(lines)[-1]
        told = cli_pages(lines, options=["--hints", "--map"])[-1]
        box = b.element("input")
        # F1 three times: the three steps of the line mode's hint, the page untouched.
        for step in told["hints"]:
            box.send_keys(Keys.F1)
            b.wait(lambda: b.status() == step, step)
        self.assertPageIs(expected, "after F1")
        # F3 shows the map over the page, in words too; typing, Esc and Enter bring the page
        # back, the button shows it again.
        shown = "return !document.getElementById('map').hidden"
        names = set(told["map"]["names"].values())
        for hide in (lambda: box.send_keys("x"), lambda: box.send_keys(Keys.ESCAPE),
                     lambda: b.send("")):
            box.send_keys(Keys.F3)
            b.wait(lambda: b.js(shown), "the map")
            svg = b.js("return [...document.querySelectorAll('#map svg text')]"
                       ".map(t => t.textContent)")
            self.assertEqual(names, set(svg) & names)
            self.assertEqual(b.js("return document.querySelectorAll('#map .room.here').length"),
                             1)
            here = told["map"]["names"][f"{expected['posX']},{expected['posY']}"]
            self.assertIn(f"Jsi tady: {here}.", b.element("map-text").get_attribute("textContent"))
            hide()
            b.wait(lambda: not b.js(shown), "the page again")
            box.send_keys(Keys.CONTROL, "a", Keys.DELETE)
        b.driver.find_element("css selector", "#toolbar [data-action=map]").click()
        b.wait(lambda: b.js(shown), "the map from its button")
        self.assertEqual(b.js("return document.activeElement.id"), "input")

    def test_reload_resumes(self):
        b = self.browser
        lines = ["", "", "vezmi pochodeň", "vezmi olej", "j"]
        expected = self.play(lines)
        b.open(resume=True)
        self.assertPageIs(expected[-1], "the page after a reload")
        self.assertTrue(b.status().startswith("Pokračuje uchovaná hra"), b.status())
        # The undo history came back with it.
        b.element("input").send_keys(Keys.ALT, "u")
        b.wait(lambda: b.status() == "Tah je vzat zpět.", "the undo after a reload")
        self.assertPageIs(expected[-2], "Alt+U after a reload")
        # A new game from the button starts with the opening, and that is what is kept then.
        b.driver.find_element("css selector", "#toolbar [data-action=newGame]").click()
        b.element("ask-yes").click()
        b.wait(lambda: b.status() == "Nová hra.", "the new game")
        b.send("")
        b.open(resume=True)
        self.assertPageIs(cli_pages([""])[1], "the new game after a reload")

    def test_zoom_and_text_size_enlarge_the_text(self):
        b = self.browser
        # The size of the narration's letters in the screen's own pixels, and the window's box.
        measured = """const n = document.getElementById('narration');
            const box = document.getElementById('stage').getBoundingClientRect();
            return [parseFloat(getComputedStyle(n).fontSize) * devicePixelRatio
                    * n.getBoundingClientRect().width / n.offsetWidth, box.width, box.height];"""
        rows = [(1, 16, 1), (2, 16, 2), (1, 24, 1.5)]  # zoom, the browser's text size, factor
        try:
            for zoom, text_size, factor in rows:
                b.driver.execute_cdp_cmd("Emulation.setDeviceMetricsOverride", {
                    "width": 1920 // zoom, "height": 1400 // zoom, "deviceScaleFactor": zoom,
                    "mobile": False})
                b.driver.execute_cdp_cmd("Page.setFontSizes",
                                         {"fontSizes": {"standard": text_size}})
                b.open()
                size, width, height = b.js(measured)
                self.assertAlmostEqual(size, 12 * factor, delta=0.1, msg=(zoom, text_size))
                # The window's 800 x 600, as large as its text.
                self.assertAlmostEqual(width, 800 * text_size / 16, delta=1)
                self.assertAlmostEqual(height, 600 * text_size / 16, delta=1)
        finally:
            b.driver.execute_cdp_cmd("Emulation.clearDeviceMetricsOverride", {})
            b.driver.execute_cdp_cmd("Page.setFontSizes", {"fontSizes": {"standard": 16}})

    def test_whole_winning_game(self):
        b = self.browser
        expected = self.play(WINNING)
        self.assertTrue(expected[-1]["gameOver"])
        timings = b.js("return window.kveltTimings")
        turns = sorted(timings["turns"])
        print(f"first page {timings['firstPage']:.1f} ms after navigation; "
              f"turn median {turns[len(turns) // 2]:.2f} ms, worst {turns[-1]:.2f} ms")
        # The Enter after the end: a closing screen, and a new game from its button.
        b.send("")
        self.assertTrue(b.element("closed").is_displayed())
        self.assertEqual(b.js("return document.activeElement.id"), "new-game")
        b.element("new-game").send_keys(Keys.ENTER)
        self.assertPageIs(cli_pages([])[0], "a new game")
        self.assertFalse(b.element("closed").is_displayed())
        b.send("exit")
        self.assertTrue(b.element("closed").is_displayed())
        # The closing screen takes the last Enter back too: the game goes on where it was.
        b.element("closed-undo").click()
        b.wait(lambda: not b.element("closed").is_displayed(), "the game back from the closing screen")
        self.assertPageIs(cli_pages([])[0], "after the closing screen's undo")

    def test_save_reload_load(self):
        b = self.browser
        directory = self.folder()
        lines = WINNING[:20] + ["save 3"]
        self.play(lines, directory)
        b.open()
        self.assertEqual(b.turn(), 0)
        # The same two Enters in the line mode, reading the slot it saved itself.
        expected = cli_pages(["", "load 3"], directory)
        b.send("")
        b.send("load 3")
        self.assertPageIs(expected[2], "load 3 after a reload")

        # The slot's files, exported, are byte for byte what the line mode wrote.
        Select(b.element("slot")).select_by_visible_text("3")
        b.element("export").click()
        names = ["save3.s", "savex3.s"]
        b.wait(lambda: all(os.path.exists(os.path.join(b.downloads, name)) for name in names),
               "the two downloads")
        for name in names:
            with open(os.path.join(b.downloads, name), "rb") as got, \
                    open(os.path.join(directory, name), "rb") as wanted:
                self.assertEqual(got.read(), wanted.read(), name)

        # An empty slot exports nothing and says so.
        Select(b.element("slot")).select_by_visible_text("9")
        b.element("export").click()
        self.assertEqual(b.status(), "Pozice 9 je prázdná.")

    def test_two_tabs_keep_each_others_slots(self):
        # Both tabs are open before either saves: neither has seen the other's slot.
        b = self.browser
        first = b.driver.current_window_handle
        b.driver.switch_to.new_window("tab")
        second = b.driver.current_window_handle
        b.open()
        b.driver.switch_to.window(first)
        b.send("")
        b.send("save 6")
        kept = b.page()["narration"]
        # The later tab plays a game of its own, and does not keep it.
        b.driver.switch_to.window(second)
        self.assertTrue(b.status().startswith("Uchovanou hru hraje jiná karta"), b.status())
        for line in ("", "", "save 8"):
            b.send(line)
        b.driver.close()
        b.driver.switch_to.window(first)
        b.open(resume=True)
        self.assertEqual(b.page()["narration"], kept)
        for slot in (6, 8):
            b.send(f"load {slot}")
            self.assertNotIn("nepodařilo", b.status(), f"load {slot}")

    def test_import_of_cli_files(self):
        b = self.browser
        directory = self.folder()
        cli_pages(WINNING[:40] + ["save 5"], directory)
        Select(b.element("slot")).select_by_visible_text("7")
        b.element("import").send_keys(
            os.path.join(directory, "savex5.s") + "\n" + os.path.join(directory, "save5.s"))
        b.wait(lambda: "nahraná" in b.status(), "the import")
        # Files that are not a slot's: a wrong pair, and one far too large to be one.
        huge = os.path.join(directory, "savex9.s")
        with open(huge, "wb") as f:
            f.truncate(2 * 1024 * 1024)
        rows = [([os.path.join(directory, "save5.s")], "Vyberte oba soubory"),
                ([os.path.join(directory, "save5.s"), huge], "příliš velké")]
        for paths, answer in rows:
            b.element("import").send_keys("\n".join(paths))
            b.wait(lambda: answer in b.status(), answer)
        # Kept in the browser: after a reload, slot 7 loads as slot 5 does in the line mode.
        b.open()
        expected = cli_pages(["", "load 5"], directory)
        b.send("")
        b.send("load 7")
        self.assertPageIs(expected[2], "load 7 of the imported files")

    def test_failed_sync_is_a_notice(self):
        b = self.browser
        b.js("Module.FS.syncfs = (populate, done) => done(new Error('quota'));")
        b.send("")
        b.send("save 2")
        self.assertEqual(b.status(), "Hru se nepodařilo uložit do pozice 2.")

    def test_live_region_and_labels(self):
        b = self.browser
        # What is read out after a line: the new part of the page, or only the answer.
        reply = "return document.getElementById('reply').textContent"
        lines = ["", "", "vezmi pochodeň", "blabla"]
        expected = self.play(lines)
        self.assertEqual(b.js(reply), expected[4]["status"])
        self.assertEqual(b.js(reply).count("Dragově srubu"), 0)
        b.send("vezmi olej")
        self.assertTrue(b.js(reply).startswith("Vzal jsi olej..."), b.js(reply))
        self.assertEqual(b.element("narration").get_attribute("aria-live"), None)
        b.driver.execute_cdp_cmd("Accessibility.enable", {})
        nodes = b.driver.execute_cdp_cmd("Accessibility.getFullAXTree", {})["nodes"]

        def named(node):
            return (node.get("role", {}).get("value"), node.get("name", {}).get("value"))

        tree = [named(node) for node in nodes if not node.get("ignored")]
        # One live region in the page, and the status line is none.
        live = [p["value"].get("value") for node in nodes if not node.get("ignored")
                for p in node.get("properties", []) if p["name"] == "live"]
        self.assertEqual(set(live), {"polite"})
        # Every control the player can reach, with the name a screen reader says.
        for control in [("textbox", "Příkaz"), ("region", "Máš u sebe:"), ("combobox", "Pozice"),
                        ("button", "Stáhnout"), ("button", "Nahrát…"), ("note", "Stav"),
                        ("button", "Nápověda"), ("button", "Mapa"), ("button", "Nová hra")]:
            self.assertIn(control, tree)
        unnamed = [node for node in nodes if not node.get("ignored")
                   and node.get("role", {}).get("value") in ("textbox", "button", "combobox")
                   and not node.get("name", {}).get("value")]
        self.assertEqual(unnamed, [])

    def test_download_size(self):
        sizes = {}
        for name in os.listdir(SITE):
            if name != "background.jpg":
                with open(os.path.join(SITE, name), "rb") as f:
                    data = f.read()
                sizes[name] = (len(data), len(gzip.compress(data, 9)))
        total = sum(size for size, _ in sizes.values())
        packed = sum(size for _, size in sizes.values())
        print(f"site without the picture: {total} bytes, {packed} gzip-compressed")
        self.assertLessEqual(total, SIZE_LIMIT, sizes)
        self.assertLessEqual(packed, GZIP_LIMIT, sizes)


class PhoneTest(Pages):
    PHONE = True

    def tap_line(self, line):
        """Builds `line` from the chips, longest word first, and taps the send button."""
        b, rest = self.browser, line
        while rest:
            chips = dict(b.js("return [...document.querySelectorAll('#chips button')]"
                              ".map(chip => [chip.textContent, chip])"))
            words = [w for w in chips if rest == w or rest.startswith(w + " ")]
            self.assertTrue(words, f"no chip for {rest!r} among {list(chips)}")
            b.tap(chips[max(words, key=len)])
            rest = rest[len(max(words, key=len)):].lstrip(" ")
        self.assertEqual(b.element("input").get_attribute("value"), line)
        before = b.turn()
        b.tap(b.element("send"))
        b.wait(lambda: b.turn() == before + 1, f"the tapped {line!r}")

    def assertFitsTheScreen(self):
        # Nothing wider than the screen, each pane inside it, text a phone does not zoom into.
        faults = self.browser.js("""const faults = [];
            if (document.documentElement.scrollWidth > innerWidth) faults.push("sideways");
            for (const id of ["narration", "carried", "chips", "input", "send", "status"]) {
              const e = document.getElementById(id), r = e.getBoundingClientRect();
              if (r.left < 0 || r.top < 0 || r.right > innerWidth || r.bottom > innerHeight
                  || !r.height || parseFloat(getComputedStyle(e).fontSize) < 16) faults.push(id);
            }
            return faults;""")
        self.assertEqual(faults, [])

    def test_whole_winning_game_by_taps(self):
        b = self.browser
        self.assertFitsTheScreen()
        # A tap offers only what the page shows: the first room is looked at before its torch
        # is taken.
        expected = self.play(WINNING[:1] + [""] + WINNING[1:], send=self.tap_line)
        self.assertEqual(expected[-1]["narration"], cli_pages(WINNING)[-1]["narration"])
        self.assertFitsTheScreen()
        self.assertIn("Enter ukáže závěrečnou obrazovku", b.status())
        b.tap(b.element("send"))
        self.assertTrue(b.element("closed").is_displayed())

    def test_buttons(self):
        b = self.browser
        expected = self.play(["", "", "vezmi pochodeň", "vezmi olej"], send=self.tap_line)
        buttons = {button.get_attribute("data-action"): button for button in
                   b.driver.find_elements("css selector", "#toolbar button")}
        # Hint and map stand hidden until the engine offers them; what is shown has a name.
        for action in ("hint", "map"):
            self.assertEqual(buttons[action].is_displayed(),
                             b.js(f"return !!Module._kvelt_{action}"), action)
        for button in b.driver.find_elements("css selector", "#stage button"):
            self.assertTrue(button.accessible_name or not button.is_displayed())
        for action, answer, page in [("undo", "Tah je vzat zpět.", expected[3]),
                                     ("redo", "Tah je znovu zahrán.", expected[4])]:
            b.tap(buttons[action])
            b.wait(lambda: b.status() == answer, action)
            self.assertPageIs(page, action)
        b.tap(buttons["earlier"])
        b.wait(lambda: buttons["later"].is_displayed(), "the earlier page")
        self.assertTrue(b.page()["narration"].startswith("> vezmi pochodeň\n"))
        b.tap(buttons["later"])
        self.assertPageIs(expected[4], "back from the earlier page")
        Select(b.element("slot")).select_by_visible_text("4")
        b.tap(b.element("save"))
        b.wait(lambda: b.status() == "Hra je uložena do pozice 4.", "the save")
        b.tap(buttons["slots"])
        b.wait(lambda: "4 (" in b.status(), "the slots at a glance")
        # A new game asks first.
        before = b.page()["narration"]
        b.tap(buttons["newGame"])
        b.tap(b.element("ask-no"))
        self.assertEqual(b.page()["narration"], before)
        b.tap(buttons["newGame"])
        b.tap(b.element("ask-yes"))
        self.assertPageIs(cli_pages([])[0], "a new game")
        self.tap_line("")
        b.tap(b.element("load"))
        b.wait(lambda: b.status() == "Hra z pozice 4 je nahrána.", "the load")


class MissingCatalogueTest(unittest.TestCase):
    def test_button_fetches_it_again(self):
        site = tempfile.mkdtemp()
        self.addCleanup(shutil.rmtree, site)
        shutil.copytree(SITE, site, dirs_exist_ok=True)
        catalogue = pathlib.Path(site, "scripts.tex")
        catalogue.rename(catalogue.with_suffix(".away"))
        b = Browser(site)
        self.addCleanup(b.close)
        b.driver.get(b.url)
        b.wait(lambda: b.element("closed").is_displayed(), "the closing screen")
        self.assertIn("katalog textů nelze načíst", b.element("closed-text").text)
        button = b.element("new-game")
        self.assertEqual(button.text, "Zkusit znovu")
        # Once the file is there again, the button brings the game.
        catalogue.with_suffix(".away").rename(catalogue)
        button.click()
        b.wait(lambda: b.js("return document.body.dataset.ready") == "1", "the first page")
        self.assertEqual(b.page()["narration"], pane(cli_pages([])[0]["narration"]))


class OfflineTest(unittest.TestCase):
    def test_new_version_then_offline(self):
        site = tempfile.mkdtemp()  # a copy that a new version can replace
        self.addCleanup(shutil.rmtree, site)
        shutil.copytree(SITE, site, dirs_exist_ok=True)
        b = Browser(site)
        self.addCleanup(b.close)
        cached = """return caches.keys().then(names => Promise.all(names.map(name =>
            caches.open(name).then(c => c.keys()).then(r => [name, r.map(q => q.url)]))));"""
        b.open()
        b.wait(lambda: b.js("return navigator.serviceWorker.ready.then(r => !!r.active)"),
               "the service worker")
        b.open()
        self.assertTrue(b.js("return !!navigator.serviceWorker.controller"))
        [(name, urls)] = b.js(cached)
        self.assertEqual({url[len(b.url):] for url in urls} - {""},
                         set(os.listdir(site)) - {"service-worker.js"})
        # A new version: its own cache replaces the old one, and the page says so once.
        worker = pathlib.Path(site, "service-worker.js")
        worker.write_text(worker.read_text("utf-8").replace(name[6:], "99.0.0"), "utf-8")
        b.open()
        # The new worker fetches and caches the whole site first: on a busy machine that takes
        # longer than a page does.
        b.wait(lambda: "verzi 99.0.0" in b.status(), "the notice of the new version", timeout=90)
        self.assertEqual([name for name, _ in b.js(cached)], ["kvelt-99.0.0"])
        b.open()
        self.assertNotIn("verzi", b.status())
        # No network at all: the page, the engine and the catalogue come from the cache.
        b.driver.set_network_conditions(offline=True, latency=0, download_throughput=0,
                                        upload_throughput=0)
        b.server.shutdown()
        b.open()
        b.send("")
        self.assertEqual(b.page()["narration"], pane(cli_pages([""])[1]["narration"]))


if __name__ == "__main__":
    for program in (CHROMIUM, CHROMEDRIVER):
        if not os.access(program, os.X_OK):
            print(f"SKIPPED: {program} is not installed")
            sys.exit(SKIP)
    os.makedirs(ARTIFACTS, exist_ok=True)
    unittest.main(argv=sys.argv[:1] + sys.argv[6:], verbosity=2)
