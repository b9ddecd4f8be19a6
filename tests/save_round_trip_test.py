#!/usr/bin/env python3
"""Saving and loading through kvelt-cli --json on the real disk, across two runs of the program.

Usage: save_round_trip_test.py KVELT_CLI WINNING_SEQUENCE_TXT

The first run plays half of the winning lines, saves to slot 3 and plays on; the second run
loads slot 3 on its first Enter and plays the rest, which must still win, page for page.
"""

import json
import subprocess
import sys
import tempfile
import unittest
from pathlib import Path

from kvelt_cli import ENDING, message, numbered_catalogue

CLI = None
WINNING = None


def play(directory, lines):
    """One run of the program on these lines; returns the JSON objects of its turns."""
    text = "".join(line + "\n" for line in lines)
    result = subprocess.run(
        [CLI, "--json", "--dir", str(directory)],
        input=text.encode("utf-8"),
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        timeout=60,
        check=True,
    )
    events = [json.loads(line) for line in result.stdout.decode("utf-8").splitlines()]
    return [event for event in events if event["event"] == "turn"]


class SaveRoundTripTest(unittest.TestCase):
    def setUp(self):
        self.temporary = tempfile.TemporaryDirectory()
        self.dir = Path(self.temporary.name)
        (self.dir / "scripts.tex").write_bytes(numbered_catalogue())

    def tearDown(self):
        self.temporary.cleanup()

    def test_game_saved_in_one_run_is_won_in_the_next(self):
        straight = play(self.dir, WINNING)
        self.assertEqual(straight[-1]["narration"], "\r\n".join(message(n) for n in ENDING))

        middle = len(WINNING) // 2
        play(self.dir, WINNING[:middle] + ["save 3"] + WINNING[middle : middle + 12])
        listing = (self.dir / "save3.s").read_bytes()
        self.assertEqual(listing.count(b"\r\n"), 630)
        self.assertTrue(listing.startswith("dýku\r\n".encode("cp1250")))
        self.assertEqual(len((self.dir / "savex3.s").read_bytes()), 82)

        resumed = play(self.dir, ["load 3"] + WINNING[middle:])
        self.assertEqual(resumed[0]["narration"], message(174))
        self.assertNotIn("notice", resumed[0])
        for turn, expected in zip(resumed[1:], straight[middle:]):
            self.assertEqual(turn["narration"], expected["narration"], turn["line"])
            self.assertEqual(turn["carried"], expected["carried"], turn["line"])
        self.assertEqual(len(resumed) - 1, len(WINNING) - middle)
        self.assertTrue(resumed[-1]["gameOver"])

    def test_never_saved_slot_gives_a_notice_and_creates_no_slot(self):
        turns = play(self.dir, ["", "load 9", "vezmi pochodeň"])
        self.assertEqual(turns[1]["notice"], "Pozice 9 je prázdná.")
        self.assertTrue(turns[1]["narration"].startswith(message(2)))
        self.assertEqual(sorted(p.name for p in self.dir.iterdir()),
                         ["kvelt.lock", "scripts.tex"])  # the lock file stays


if __name__ == "__main__":
    CLI = sys.argv[1]
    WINNING = Path(sys.argv[2]).read_text(encoding="utf-8").split("\n")
    if WINNING and WINNING[-1] == "":
        WINNING.pop()
    unittest.main(argv=sys.argv[:1])
