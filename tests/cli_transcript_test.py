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

    def test_status_answers_what_the_page_does_not(self):
        not_understood = "Tomu nerozumím. Tab doplní slova, která vidíš na obrazovce."
        turns = [  # line, status (None: the field is absent), notice
            ("", None, None),
            ("", None, None),
            ("nesmysl", not_understood, None),
            ("vezmi pochoden", not_understood, None),
            ("s", "Tudy cesta nevede.", None),
            ("j", None, None),
            ("vezmi pochodeň", None, None),
            ("použij pochodeň", "Nic se nestalo.", None),
            ("save 3", "Hra je uložena do pozice 3.", None),
            ("load 3", "Hra z pozice 3 je nahrána.", None),
            ("load 9", None, "Pozice 9 je prázdná."),
            ("otevři dveře", None, None),
            ("s", None, None),
        ]
        g = started(self, CLI)
        self.assertNotIn("status", g.start)
        for line, status, notice in turns:
            turn = g.send(line)
            self.assertEqual((turn.get("status"), turn.get("notice")), (status, notice), line)
        self.assertEqual(g.send("exit"), {"event": "exit", "line": "exit"})

    def test_plain_mode_and_transcript_file_give_the_status_in_parentheses(self):
        with tempfile.TemporaryDirectory() as d:
            with open(os.path.join(d, "scripts.tex"), "wb") as f:
                f.write(numbered_catalogue())
            path = os.path.join(d, "záznam.txt")
            with open(path, "w", encoding="utf-8") as f:
                f.write("earlier\n")
            r = subprocess.run([CLI, "--dir", d, "--transcript", path],
                               input="\n\nsave 2\nexit\n".encode(), capture_output=True)
            self.assertEqual((r.returncode, r.stderr), (0, b""))
            self.assertIn("\n(Hra je uložena do pozice 2.)\n", r.stdout.decode())
            with open(path, encoding="utf-8", newline="") as f:
                written = f.read()
            self.assertTrue(written.startswith("earlier\n" + message(1) + "\n"))
            self.assertIn("> \n" + message(174) + "\n\n", written)
            self.assertIn("> save 2\n" + message(2) + " Vidíš\n", written)
            self.assertIn("(Hra je uložena do pozice 2.)\n\n> exit\n\n", written)
            self.assertNotIn("\r", written)

    def test_a_transcript_that_cannot_be_written_is_told_once(self):
        outputs = []
        for extra in ([], ["--transcript", "/dev/full"], ["--transcript", "/nonexistent/t"]):
            with tempfile.TemporaryDirectory() as d:
                with open(os.path.join(d, "scripts.tex"), "wb") as f:
                    f.write(numbered_catalogue())
                r = subprocess.run([CLI, "--json", "--dir", d, *extra],
                                   input=b"\n\ns\nj\n", capture_output=True)
                self.assertEqual(r.returncode, 0)
                outputs.append(r.stdout)
                self.assertEqual(len(r.stderr.decode().splitlines()), 1 if extra else 0, extra)
        self.assertEqual(outputs[1], outputs[0])
        self.assertEqual(outputs[2], outputs[0])

    def test_unknown_argument_is_refused(self):
        for args in (["--bogus"], ["--transcript"]):
            r = subprocess.run([CLI, *args], input=b"", capture_output=True)
            self.assertEqual(r.returncode, 2, args)


if __name__ == "__main__":
    unittest.main()
