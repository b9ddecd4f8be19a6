"""The shipped story played from the first Enter to the ending, with the real catalogue."""
import os
import shutil
import sys
import tempfile
import unittest

from kvelt_cli import ENDING, started

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/kvelt-cli"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))


def shipped_lines():
    with open(os.path.join(ROOT, "data", "scripts.tex"), "rb") as f:
        return f.read().decode("cp1250").split("\r\n")


class ShippedStoryTest(unittest.TestCase):
    def test_winning_sequence_ends_with_the_shipped_ending(self):
        with tempfile.TemporaryDirectory() as d:
            shutil.copy(os.path.join(ROOT, "data", "scripts.tex"), d)
            g = started(self, CLI, directory=d)
            with open(os.path.join(ROOT, "tests", "data", "winning_sequence.txt"),
                      encoding="utf-8") as f:
                sequence = f.read().split("\n")
            if sequence and sequence[-1] == "":
                sequence.pop()
            for line in sequence[:-1]:
                self.assertFalse(g.send(line)["gameOver"], line)
            last = g.send(sequence[-1])
            lines = shipped_lines()
            expected = [lines[n - 1] for n in ENDING]
            self.assertTrue(last["gameOver"])
            self.assertEqual(last["narration"].split("\r\n"), expected)


if __name__ == "__main__":
    unittest.main()
