#!/usr/bin/env python3
"""Feeds broken catalogues to catalogue_check.py and expects each to be refused."""

import os
import subprocess
import sys
import tempfile
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
CHECK = os.path.join(HERE, "catalogue_check.py")
SHIPPED = os.path.join(HERE, "..", "data", "scripts.tex")


def good_lines():
    return ["Zpráva číslo %d, žluťoučký kůň." % n for n in range(1, 181)]


def encode(lines, ending="\r\n", encoding="cp1250"):
    return "".join(line + ending for line in lines).encode(encoding)


class CatalogueCheckTest(unittest.TestCase):
    def run_check(self, data):
        with tempfile.TemporaryDirectory() as tmp:
            path = os.path.join(tmp, "scripts.tex")
            with open(path, "wb") as f:
                f.write(data)
            result = subprocess.run([sys.executable, CHECK, tmp],
                                    capture_output=True, text=True)
        return result.returncode, result.stdout

    def assertRefused(self, data, reason):
        code, out = self.run_check(data)
        self.assertEqual(code, 1, out)
        self.assertIn(reason, out)

    def test_shipped_catalogue_passes(self):
        result = subprocess.run([sys.executable, CHECK, SHIPPED],
                                capture_output=True, text=True)
        self.assertEqual(result.returncode, 0, result.stdout)

    def test_well_formed_catalogue_passes(self):
        self.assertEqual(self.run_check(encode(good_lines()))[0], 0)

    def test_never_printed_lines_may_be_empty(self):
        lines = good_lines()
        lines[2] = lines[3] = ""
        self.assertEqual(self.run_check(encode(lines))[0], 0)

    def test_last_line_without_line_end_is_refused(self):
        data = encode(good_lines())[:-2]
        self.assertRefused(data, "line 180 has no line end")

    def test_lf_line_ends_are_refused(self):
        self.assertRefused(encode(good_lines(), "\n"), "LF alone")

    def test_lone_cr_inside_a_message_is_refused(self):
        lines = good_lines()
        lines[49] = "první půlka\rdruhá půlka"
        self.assertRefused(encode(lines), "line 50 ends with a lone CR")

    def test_empty_printed_message_is_refused(self):
        lines = good_lines()
        lines[149] = ""
        self.assertRefused(encode(lines), "message 150 is empty")

    def test_blank_printed_message_is_refused(self):
        lines = good_lines()
        lines[178] = "   "
        self.assertRefused(encode(lines), "message 179 is empty")

    def test_short_catalogue_is_refused(self):
        self.assertRefused(encode(good_lines()[:179]), "only 179 lines")

    def test_utf8_catalogue_is_refused(self):
        self.assertRefused(encode(good_lines(), encoding="utf-8"), "UTF-8")

    def test_byte_outside_windows_1250_is_refused(self):
        data = encode(good_lines()).replace(b"Zpr", b"\x81pr", 1)
        self.assertRefused(data, "not a Windows-1250 character")

    def test_overlong_line_is_refused(self):
        lines = good_lines()
        lines[9] = "a" * 1001
        self.assertRefused(encode(lines), "line 10 is 1001 characters")

    def test_missing_file_is_refused(self):
        with tempfile.TemporaryDirectory() as tmp:
            result = subprocess.run([sys.executable, CHECK, tmp],
                                    capture_output=True, text=True)
        self.assertEqual(result.returncode, 1)
        self.assertIn("cannot read", result.stdout)


if __name__ == "__main__":
    unittest.main()
