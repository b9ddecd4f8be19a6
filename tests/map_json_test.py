"""kvelt-cli --json --map: the map of what was seen, along the winning game and random ones."""
import json
import os
import random
import subprocess
import sys
import tempfile
import unittest

from kvelt_cli import numbered_catalogue

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/kvelt-cli"
HERE = os.path.dirname(os.path.abspath(__file__))
WINNING = os.path.join(HERE, "data", "winning_sequence.txt")
LETTER = {"sever": "s", "jih": "j", "západ": "z", "východ": "v"}


def run(lines, *options):
    with tempfile.TemporaryDirectory() as folder:
        with open(os.path.join(folder, "scripts.tex"), "wb") as f:
            f.write(numbered_catalogue())
        result = subprocess.run([CLI, "--dir", folder, *options],
                                input="".join(l + "\n" for l in lines).encode("utf-8"),
                                stdout=subprocess.PIPE, check=True)
    return result.stdout.decode("utf-8").splitlines()


def named_ways(narration):
    """The letters of the last ways-out sentence on the page, or None."""
    sentences = [l for l in narration.split("\r\n") if l.startswith("Můžeš jít na")]
    if not sentences:
        return None
    words = sentences[-1][len("Můžeš jít na"):].replace(",", " ").split()
    return sorted(LETTER[w] for w in words if w in LETTER)


class MapJsonTest(unittest.TestCase):
    def check_game(self, lines):
        plain = run(lines, "--json")
        mapped = run(lines, "--json", "--map")
        stood_in, lit = set(), set()
        self.assertEqual(len(plain), len(mapped))
        for without, with_map in zip(plain, mapped):
            event = json.loads(with_map)
            if event["event"] not in ("start", "turn"):
                self.assertEqual(with_map, without)
                continue
            head, _, tail = with_map.rpartition(',"map":')
            self.assertEqual(head + "}", without, "the map is the one thing added")
            if not event["gameOver"]:
                stood_in.add((event["posX"], event["posY"]))
            game_map = event["map"]
            rooms = {tuple(r) for r in game_map["rooms"]}
            self.assertEqual(rooms, stood_in, event.get("line"))
            self.assertEqual(set(game_map["names"]), {"%d,%d" % r for r in rooms})
            self.assertTrue(all(game_map["names"].values()))
            self.assertTrue({(x, y) for x, y, _ in game_map["ways"]} <= rooms)
            here = sorted(w for x, y, w in game_map["ways"]
                          if (x, y) == (event["posX"], event["posY"]))
            ways = named_ways(event["narration"])
            if ways is not None and not event["gameOver"]:
                self.assertEqual(here, ways, event.get("line"))
                lit.add("%d,%d" % (event["posX"], event["posY"]))
            for place, name in game_map["names"].items():  # a room only seen dark is unnamed
                self.assertEqual(name == "Tma", bool(lit) and place not in lit, place)
        return json.loads(mapped[-2])

    def test_the_winning_game(self):
        with open(WINNING, encoding="utf-8") as f:
            lines = f.read().splitlines()
        last = self.check_game(lines[:-1])
        self.assertEqual(len(last["map"]["rooms"]), 22)
        shed = self.check_game(lines[:lines.index("polož mrtvou stráž") + 2] + ["z", "s"])
        self.assertEqual(shed["map"]["names"]["5,3"], "Tma")

    def test_random_games(self):
        with open(WINNING, encoding="utf-8") as f:
            winning = f.read().splitlines()
        chance = random.Random(27)
        words = ["s", "j", "z", "v", "", "otevři dveře", "save 1", "load 1"]
        for _ in range(6):
            lines = winning[:chance.randrange(len(winning))]
            lines += [chance.choice(words) for _ in range(40)]
            self.check_game(lines)


if __name__ == "__main__":
    unittest.main()
