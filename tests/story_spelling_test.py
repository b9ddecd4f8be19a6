#!/usr/bin/env python3
"""Spells the shipped narration with hunspell and the Czech dictionary (hunspell-cs).

Usage: story_spelling_test.py [SCRIPTS_TEX]

The map's room names (data/rooms.txt) are spelt the same way.

Words the dictionary cannot know, the game's own (kvelt in all its cases, the shell's
commands save, load and exit, the direction letter j), are in tests/data/words.dic, one a
line; "kvelt/most" declines it like "most". An unknown word fails the test, named with the
messages that hold it.
"""

import os
import re
import shutil
import subprocess
import sys
import unittest

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
WORDS = os.path.join(HERE, "data", "words.dic")
CATALOGUE = (sys.argv.pop(1) if len(sys.argv) > 1 and not sys.argv[1].startswith("-")
             else os.path.join(ROOT, "data", "scripts.tex"))
ROOM_NAMES = os.path.join(ROOT, "data", "rooms.txt")
NEVER_PRINTED = {3, 4}


def unknown_words(lines, word_list=WORDS):
    """Maps every word hunspell does not know to the message numbers that hold it."""
    text = "\n".join(lines) + "\n"
    command = ["hunspell", "-d", "cs_CZ", "-i", "utf-8", "-l"]
    if word_list:
        command += ["-p", word_list]
    result = subprocess.run(command, input=text.encode("utf-8"), stdout=subprocess.PIPE,
                            stderr=subprocess.PIPE, env=dict(os.environ, LC_ALL="C.UTF-8"),
                            check=False)
    if result.returncode != 0:
        raise RuntimeError("hunspell failed: " + result.stderr.decode("utf-8", "replace"))
    found = {}
    for word in sorted(set(result.stdout.decode("utf-8").split())):
        pattern = re.compile(r"(?<!\w)" + re.escape(word) + r"(?!\w)")
        found[word] = [n for n, line in enumerate(lines, start=1) if pattern.search(line)]
    return found


def shipped_messages():
    with open(CATALOGUE, "rb") as f:
        lines = f.read().decode("cp1250").split("\r\n")
    return [("" if n in NEVER_PRINTED else line) for n, line in enumerate(lines, start=1)]


class StorySpellingTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        if shutil.which("hunspell") is None:
            raise AssertionError("hunspell is not installed (apt-get install hunspell hunspell-cs)")

    def test_the_checker_names_what_it_does_not_know(self):
        rows = [
            # lines, word list, unknown words with their message numbers
            (["Příliš žluťoučký kůň úpěl ďábelské ódy…"], WORDS, {}),
            (["Vzal jsi kvelt.", "Bez kveltu se nevracej."], WORDS, {}),
            (["Vzal jsi kvelt.", "Bez kveltu se nevracej."], None,
             {"kvelt": [1], "kveltu": [2]}),
            (["Dobrý den.", "Kůň žral sena a chlapc spal."], WORDS, {"chlapc": [2]}),
        ]
        for lines, word_list, expected in rows:
            with self.subTest(lines=lines, word_list=word_list):
                self.assertEqual(unknown_words(lines, word_list), expected)

    def test_the_shipped_story_has_no_unknown_word(self):
        found = unknown_words(shipped_messages())
        report = ", ".join("%s (message %s)" % (word, ", ".join(map(str, numbers)))
                           for word, numbers in found.items())
        self.assertEqual(found, {}, "unknown words: " + report)

    def test_the_room_names_have_no_unknown_word(self):
        with open(ROOM_NAMES, encoding="utf-8") as f:
            names = [line.split(" ", 1)[1] for line in f.read().splitlines()]
        self.assertEqual(len(names), 23)
        self.assertEqual(unknown_words(names), {})

    def test_the_hints_have_no_unknown_word(self):
        with open(os.path.join(ROOT, "data", "hints.txt"), encoding="utf-8") as f:
            texts = [line.split("=", 1)[1].replace("{undo}", "").replace("{object}", "") if "=" in line else ""
                     for line in f.read().split("\n") if not line.startswith("#")]
        self.assertEqual(unknown_words(texts), {})


if __name__ == "__main__":
    unittest.main()
