#!/usr/bin/env python3
"""kvelt-cli --resume: the kept game after a close and after kills at random moments.

Usage: resume_test.py KVELT_CLI WINNING_SEQUENCE_TXT [KILLS]
"""

import json
import os
import random
import signal
import subprocess
import sys
import tempfile
import time
import unittest
from pathlib import Path

from kvelt_cli import numbered_catalogue

CLI = None
WINNING = None
KILLS = 200
SHOWN = ("narration", "carried", "input", "posX", "posY", "gameOver")


def run(folder, lines, resume=True):
    """One run of the program on these lines; its JSON objects, start event first, each with the
    map of what was seen, which a resumed game must know as well."""
    result = subprocess.run(
        [CLI, "--json", "--map", "--dir", folder] + (["--resume"] if resume else []),
        input="".join(line + "\n" for line in lines).encode("utf-8"),
        stdout=subprocess.PIPE, timeout=120, check=True)
    return [json.loads(line) for line in result.stdout.decode("utf-8").splitlines()]


def shown(event):
    return tuple(event[key] for key in SHOWN)


class ResumeTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        cls.reference = run(cls.fresh_folder(), WINNING, resume=False)[:-1]
        cls.pages = [shown(event) for event in cls.reference]  # page n: after n lines

    @classmethod
    def fresh_folder(cls):
        folder = tempfile.mkdtemp()
        Path(folder, "scripts.tex").write_bytes(numbered_catalogue())
        return folder

    def setUp(self):
        self.folder = self.fresh_folder()

    def test_a_closed_game_goes_on_exactly_and_a_won_one_starts_anew(self):
        half = len(WINNING) // 2
        run(self.folder, WINNING[:half])
        second = run(self.folder, WINNING[half:])
        self.assertEqual(shown(second[0]), self.pages[half])
        self.assertEqual(second[1:-1], self.reference[half + 1:])
        self.assertTrue(second[-2]["gameOver"])
        self.assertEqual(run(self.folder, [])[0], self.reference[0])

    def test_without_resume_nothing_is_kept_or_read(self):
        run(self.folder, WINNING[:5])
        self.assertEqual(run(self.folder, WINNING, resume=False)[:-1], self.reference)
        self.assertEqual(shown(run(self.folder, [])[0]), self.pages[5])
        other = self.fresh_folder()
        run(other, WINNING[:3], resume=False)
        # The folder's lock file is the slots' own, not a kept game.
        self.assertEqual(sorted(os.listdir(other)), ["kvelt.lock", "scripts.tex"])

    def test_a_damaged_or_newer_file_is_set_aside_and_the_slots_keep_their_bytes(self):
        run(self.folder, ["", "save 3"], resume=False)
        slots = {name: Path(self.folder, name).read_bytes() for name in ("save3.s", "savex3.s")}
        kept = Path(self.folder, "kept.kvelt")
        for number, damage in enumerate([b"KVELTKEP\x01\0\0\0GAME\xff", b"KVELTKEP\x07\0\0\0"], 1):
            kept.write_bytes(damage)
            events = run(self.folder, [""])
            self.assertEqual(shown(events[0]), self.pages[0])
            self.assertIn("kept.kvelt.aside-%d" % number, events[0]["notice"])
            self.assertEqual(Path(self.folder, "kept.kvelt.aside-%d" % number).read_bytes(), damage)
            self.assertEqual(shown(run(self.folder, [])[0]), self.pages[1])
        for name, content in slots.items():
            self.assertEqual(Path(self.folder, name).read_bytes(), content)

    def test_a_kill_at_any_moment_resumes_the_last_answered_turn_or_the_next(self):
        seed = int(os.environ.get("KVELT_KILL_SEED", time.time_ns() % 1_000_000))
        rng = random.Random(seed)
        done = 0  # lines of the winning game the kept game has played
        for kill in range(KILLS):
            sent = WINNING[done:done + rng.randint(1, 6)]
            program = subprocess.Popen([CLI, "--json", "--resume", "--dir", self.folder],
                                       stdin=subprocess.PIPE, stdout=subprocess.PIPE)
            program.stdin.write("".join(line + "\n" for line in sent).encode("utf-8"))
            program.stdin.flush()
            time.sleep(rng.uniform(0, 0.04))
            program.send_signal(signal.SIGKILL)
            said = program.stdout.read().decode("utf-8").split("\n")[:-1]
            program.wait()
            program.stdin.close()
            program.stdout.close()
            answered = sum(1 for line in said if '"event":"turn"' in line)
            allowed = [done + answered] + ([done + answered + 1] if answered < len(sent) else [])
            start = shown(run(self.folder, [])[0])
            matches = [n for n in allowed if self.pages[n if n < len(WINNING) else 0] == start]
            self.assertTrue(matches, "kill %d (seed %d): a page of neither turn %s" %
                            (kill, seed, allowed))
            done = matches[-1] % len(WINNING)


def main():
    global CLI, WINNING, KILLS
    if len(sys.argv) not in (3, 4):
        sys.exit(__doc__)
    CLI = sys.argv[1]
    WINNING = Path(sys.argv[2]).read_text(encoding="utf-8").split("\n")[:-1]
    if len(sys.argv) == 4:
        KILLS = int(sys.argv[3])
    program = unittest.main(argv=[sys.argv[0], "-v"], exit=False)
    sys.exit(0 if program.result.wasSuccessful() else 1)


if __name__ == "__main__":
    main()
