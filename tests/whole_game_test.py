#!/usr/bin/env python3
"""The whole game through kvelt-cli --json: the winning line list, and every death on its way.

Usage: whole_game_test.py KVELT_CLI WINNING_SEQUENCE_TXT

A numbered catalogue is written for the run (line n reads "M<n> žluťoučký", Windows-1250), so
each page can be read back as message numbers. Each game is one run of the program on all its
lines at once, which keeps the hundred-odd games of this file fast.
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
CATALOGUE_DIR = None
CARRY_LIMIT = 7


def page(*numbers):
    return "\r\n".join(message(n) for n in numbers)


def play(lines):
    """Runs a new game on these lines; returns the JSON objects of the turns and the event that
    ended the run ("exit" after the game is over, "eof" when the lines ran out)."""
    text = "".join(line + "\n" for line in lines)
    result = subprocess.run(
        [CLI, "--json", "--dir", CATALOGUE_DIR],
        input=text.encode("utf-8"),
        stdout=subprocess.PIPE,
        stderr=subprocess.PIPE,
        timeout=60,
        check=True,
    )
    events = [json.loads(line) for line in result.stdout.decode("utf-8").splitlines()]
    assert events[0]["event"] == "start", events[0]
    return events[1:-1], events[-1]["event"]


def carried_count(turn):
    return sum(1 for word in turn["carried"].split("\r\n") if word)


def through(line, occurrence=1):
    """The winning lines up to and including the given occurrence of `line`."""
    seen = 0
    for index, typed in enumerate(WINNING):
        if typed == line:
            seen += 1
            if seen == occurrence:
                return WINNING[: index + 1]
    raise AssertionError("%r does not occur %d times" % (line, occurrence))


def before(line, occurrence=1):
    return through(line, occurrence)[:-1]


def without(line):
    lines = list(WINNING)
    lines.remove(line)
    return lines


def instead(line, replacement):
    lines = list(WINNING)
    lines[lines.index(line)] = replacement
    return lines


class WholeGameTest(unittest.TestCase):
    def assertPlaysOn(self, turns):
        for number, turn in enumerate(turns, 1):
            self.assertFalse(turn["gameOver"], "line %d (%r) ended the game" % (number, turn["line"]))
            self.assertLessEqual(carried_count(turn), CARRY_LIMIT, "line %d" % number)

    def test_winning_sequence_reaches_the_ending(self):
        self.assertEqual(WINNING[0], "", "the list starts with the first Enter, an empty line")
        turns, end = play(WINNING + ["j"])
        self.assertEqual(len(turns), len(WINNING))
        self.assertPlaysOn(turns[:-1])
        last = turns[-1]
        self.assertTrue(last["gameOver"])
        self.assertLessEqual(carried_count(last), CARRY_LIMIT)
        # 171 starts a fresh page; the other eight follow it.
        self.assertEqual(last["narration"], page(*ENDING))
        self.assertEqual((last["posX"], last["posY"]), (3, 6))
        self.assertEqual(end, "exit", "the Enter after the end leaves the program")

    def assertDies(self, lines, death, position=None):
        turns, end = play(lines + ["j"])
        self.assertEqual(len(turns), len(lines), "the game ended early")
        self.assertPlaysOn(turns[:-1])
        last = turns[-1]
        self.assertTrue(last["gameOver"], last)
        self.assertEqual(last["narration"], page(death))
        if position is not None:
            self.assertEqual((last["posX"], last["posY"]), position)
        self.assertEqual(end, "exit")

    # Deaths in the order the winning path passes them.
    def test_north_through_the_moat_gate_before_the_device_is_jammed(self):
        self.assertDies(before("v") + ["s"], 91, (3, 5))

    def test_oil_at_the_hatch_before_the_stone(self):
        self.assertDies(before("použij kámen na stráž na hradbách") + ["použij olej na dvířka"], 92)

    def test_dagger_at_the_hatch_before_the_stone(self):
        self.assertDies(before("použij kámen na stráž na hradbách") + ["použij dýku na dvířka"], 92)

    def test_walking_on_with_the_dead_guard_lying(self):
        self.assertDies(before("vezmi mrtvou stráž") + ["j"], 98, (6, 4))

    def test_the_dark_room_without_the_burning_torch(self):
        lines = through("vezmi žebřík") + ["z", "z", "s", "vezmi džber"]
        turns, end = play(lines + ["j"])
        self.assertEqual(end, "eof")
        self.assertPlaysOn(turns)
        dark, command, back = turns[-3], turns[-2], turns[-1]
        self.assertEqual((dark["posX"], dark["posY"]), (5, 3))
        self.assertEqual(dark["narration"], page(106, 107))
        # Nothing in the dark is taken, and the only way is back south.
        self.assertEqual(command["narration"], page(106, 107))
        self.assertEqual(command["carried"], dark["carried"])
        self.assertEqual((back["posX"], back["posY"]), (5, 4))
        self.assertTrue(back["narration"].startswith(message(14)))

    def test_walking_into_the_smithy_without_the_uniform(self):
        self.assertDies(through("vezmi žebřík") + ["použij uniformu"] + ["z"] * 5, 103, (2, 4))

    def test_walking_into_the_stable_without_the_uniform(self):
        self.assertDies(through("vezmi žebřík") + ["použij uniformu", "s"], 118, (7, 3))

    def test_north_through_the_opened_door_without_the_uniform(self):
        self.assertDies(through("otevři dveře", 2) + ["použij uniformu", "s"], 138, (3, 3))

    def test_walking_past_the_living_guard(self):
        self.assertDies(before("použij dýku na stráž") + ["z"], 148, (3, 2))

    def test_the_rope_before_the_device_is_jammed(self):
        lines = instead("použij žerď na zařízení", "polož žerď")
        lines = lines[: lines.index("použij lano na okno") + 1]
        self.assertDies(lines + ["j"], 144, (2, 2))

    def test_the_captains_hall_before_the_chandelier_falls(self):
        self.assertDies(before("použij štít na kapitána") + ["prozkoumej kapitána"], 158, (5, 2))

    def test_the_kvelt_before_the_stand_is_ready(self):
        # With seven objects in hand the take is refused before the trap can spring.
        full_hands, _ = play(before("použij jehlu na stojan") + ["vezmi kvelt"])
        self.assertEqual(full_hands[-1]["narration"].split("\r\n")[-1], message(175))
        self.assertDies(before("použij jehlu na stojan") + ["polož hřebík", "vezmi kvelt"], 162)
        self.assertDies(before("použij hřebík na stojan") + ["vezmi kvelt"], 162, (2, 1))

    # After the chandelier has fallen, on the way back down the rope.
    def test_north_from_the_passage_after_the_alarm(self):
        self.assertDies(WINNING[:-9] + ["s"], 166, (3, 4))

    def test_the_smithy_after_the_alarm(self):
        self.assertDies(WINNING[:-9] + ["z"], 176, (2, 4))

    def test_north_through_the_hatch_after_the_alarm(self):
        self.assertDies(WINNING[:-5] + ["s"], 169, (6, 5))

    def test_south_from_the_sign_without_the_kvelt(self):
        self.assertDies(without("vezmi kvelt"), 173, (3, 6))


def main():
    global CLI, WINNING, CATALOGUE_DIR
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    CLI = sys.argv[1]
    WINNING = Path(sys.argv[2]).read_text(encoding="utf-8").split("\n")[:-1]
    with tempfile.TemporaryDirectory() as directory:
        Path(directory, "scripts.tex").write_bytes(numbered_catalogue())
        CATALOGUE_DIR = directory
        program = unittest.main(argv=[sys.argv[0], "-v"], exit=False)
    sys.exit(0 if program.result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
