#!/usr/bin/env python3
"""kvelt-cli --hints: the fields it adds, the hinted line played to the won ending, and the
pages and save files as they are without it.

Usage: hints_cli_test.py KVELT_CLI DATA_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import unittest
import json

from kvelt_cli import started

CLI = sys.argv.pop(1)
DATA = sys.argv.pop(1)
HERE = os.path.dirname(os.path.abspath(__file__))
with open(os.path.join(HERE, "data", "winning_sequence.txt"), encoding="utf-8") as f:
    WON = f.read().split("\n")[:-1]
HINTED = ("winnable", "hints", "hintLine")


class HintsCliTest(unittest.TestCase):
    def setUp(self):
        tmp = tempfile.TemporaryDirectory()
        self.addCleanup(tmp.cleanup)
        self.dirs = []
        for name in ("plain", "hinted"):
            d = os.path.join(tmp.name, name)
            os.mkdir(d)
            for data in ("scripts.tex", "hints.txt"):
                shutil.copy(os.path.join(DATA, data), d)
            self.dirs.append(d)

    def play(self, directory, lines, *options):
        result = subprocess.run([CLI, "--json", "--dir", directory, *options],
                                input="\n".join(lines) + "\n", capture_output=True,
                                encoding="utf-8", check=True, timeout=120)
        return [json.loads(line) for line in result.stdout.splitlines()]

    def test_hints_add_three_fields_and_change_no_page_and_no_save(self):
        lines = WON[:40] + ["save 3"] + WON[40:]
        plain = self.play(self.dirs[0], lines)
        hinted = self.play(self.dirs[1], lines, "--hints")
        self.assertEqual(len(plain), len(hinted))
        for without, event in zip(plain, hinted):
            self.assertEqual(without, {k: v for k, v in event.items() if k not in HINTED})
            if event["event"] in ("start", "turn") and not event["gameOver"]:
                self.assertIs(event["winnable"], True, event.get("line"))
                self.assertEqual(len(event["hints"]), 3)
                self.assertTrue(event["hintLine"] or event["event"] == "start")
            else:
                self.assertFalse(set(HINTED) & set(event))
        for name in ("save3.s", "savex3.s"):
            with open(os.path.join(self.dirs[0], name), "rb") as a, \
                    open(os.path.join(self.dirs[1], name), "rb") as b:
                self.assertEqual(a.read(), b.read())

    def test_following_the_hinted_line_wins_and_a_lost_game_says_so(self):
        game = started(self, CLI, self.dirs[1], extra_args=["--hints"])
        event = game.start
        for _ in range(300):
            if event["gameOver"]:
                break
            event = game.send(event["hintLine"])
        self.assertTrue(event["gameOver"])
        self.assertIn("KONEC", event["narration"])
        lost = started(self, CLI, self.dirs[1], extra_args=["--hints"])
        for line in WON[:WON.index("vezmi páčidlo") + 1]:
            self.assertIs(lost.send(line)["winnable"], True)
        self.assertEqual(lost.send("polož hořící pochodeň")["winnable"], False)


if __name__ == "__main__":
    unittest.main()
