"""The shipped story played from the first Enter to the ending, with the real catalogue."""
import os
import shutil
import sys
import tempfile
import unittest

from kvelt_cli import ENDING, started

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/kvelt-cli"
ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
# docs/messages.md: a message wraps to at most five or six rows of the 80-column terminal,
# whose narration pane shows 15, so a turn's page fits with its objects and ways out.
MAX_MESSAGE_CHARS = 400


def shipped_lines():
    with open(os.path.join(ROOT, "data", "scripts.tex"), "rb") as f:
        return f.read().decode("cp1250").split("\r\n")


class ShippedStoryTest(unittest.TestCase):
    def test_every_message_keeps_to_the_length_limit(self):
        lines = shipped_lines()
        self.assertGreaterEqual(len(lines), 180)
        too_long = [(n, len(line)) for n, line in enumerate(lines[:180], start=1)
                    if len(line) > MAX_MESSAGE_CHARS]
        self.assertEqual(too_long, [], "messages over %d characters" % MAX_MESSAGE_CHARS)

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
