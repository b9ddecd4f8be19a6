"""End-to-end tests of the line mode's JSON transcript, the contract outside checks drive."""
import os
import subprocess
import sys
import tempfile
import unittest

from kvelt_cli import Game, started, message, page, numbered_catalogue

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/kvelt-cli"


class TranscriptTest(unittest.TestCase):
    def test_new_game_opening_first_turn_and_start_room(self):
        g = started(self, CLI)
        self.assertEqual(g.start["event"], "start")
        self.assertEqual(page(g.start), [message(n) for n in (1, 33, 35, 37)])
        self.assertEqual(g.start["carried"], "dýku")
        self.assertEqual((g.start["posX"], g.start["posY"], g.start["gameOver"]), (3, 7, False))
        self.assertNotIn("notice", g.start)
        first = g.send("")
        self.assertEqual((first["event"], first["line"]), ("turn", ""))
        self.assertEqual(page(first), [message(174)])
        second = g.send("vezmi dýku")
        self.assertEqual(page(second), [
            message(2) + " Vidíš", "Draga", "listinu", "pochodeň", "olej", "dveře",
            "Můžeš jít na jih", "dýku již u sebe máš!"])
        self.assertEqual(second["input"], "")
        rest, code = g.close()
        self.assertEqual(rest, [{"event": "eof"}])
        self.assertEqual(code, 0)

    def test_exit_ends_the_transcript(self):
        g = started(self, CLI)
        self.assertEqual(g.send("exit"), {"event": "exit", "line": "exit"})
        rest, code = g.close()
        self.assertEqual((rest, code), ([], 0))

    def test_south_from_the_start_room_is_held_back(self):
        g = started(self, CLI)
        g.send("")
        g.send("")
        held = g.send("j")
        self.assertEqual((held["posY"], held["gameOver"]), (7, False))
        self.assertEqual(page(held)[-1], message(34))

    def test_crlf_input_lines_are_the_same_as_lf(self):
        g = started(self, CLI)
        g.send("")
        turn = g.send(b"vezmi d\xc3\xbdku\r")
        self.assertEqual(turn["line"], "vezmi dýku")
        self.assertEqual(page(turn)[-1], "dýku již u sebe máš!")

    def test_invalid_utf8_still_gives_valid_json(self):
        g = started(self, CLI)
        turn = g.send(b"\xff\xfe vezmi \x00")
        self.assertEqual(turn["event"], "turn")

    def test_missing_catalogue_names_the_path_and_fails(self):
        with tempfile.TemporaryDirectory() as d:
            r = subprocess.run([CLI, "--json", "--dir", d], input=b"", capture_output=True)
            self.assertEqual(r.returncode, 1)
            self.assertEqual(r.stdout, b"")
            err = r.stderr.decode().strip().splitlines()
            self.assertEqual(len(err), 1)
            self.assertIn(os.path.join(d, "scripts.tex"), err[0])

    def test_plain_transcript_is_readable_text(self):
        with tempfile.TemporaryDirectory() as d:
            with open(os.path.join(d, "scripts.tex"), "wb") as f:
                f.write(numbered_catalogue())
            r = subprocess.run([CLI, "--dir", d], input="\n\n".encode(), capture_output=True)
            out = r.stdout.decode()
            self.assertEqual(r.returncode, 0)
            self.assertIn(message(174), out)
            self.assertIn("Můžeš jít na jih", out)
            self.assertNotIn("\r", out)

    def test_unknown_argument_is_refused(self):
        r = subprocess.run([CLI, "--bogus"], input=b"", capture_output=True)
        self.assertEqual(r.returncode, 2)


if __name__ == "__main__":
    unittest.main()
