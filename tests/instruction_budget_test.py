#!/usr/bin/env python3
"""The winning game's cost in instructions, held to a budget.

Usage: instruction_budget_test.py KVELT_CLI SCRIPTS_TEX WINNING_SEQUENCE_TXT BUDGET_FILE

Replays the winning lines through `kvelt-cli --json` with the shipped catalogue under
`valgrind --tool=callgrind` and fails when the program executed more instructions than the
ceiling a turn in BUDGET_FILE (its one number) times the number of lines. Instruction counts are the same on every run of the same binary
and input; so that they are also the same on every x86-64 machine, glibc is told to pick its
plain SSE2 string functions, which every such processor runs (otherwise memchr and memcpy come
in versions for AVX2, AVX-512 and others, each with a count of its own).
"""

import os
import re
import shutil
import subprocess
import sys
import tempfile
from pathlib import Path

# Every processor feature that makes glibc choose another version of a string function.
BASELINE_STRING_FUNCTIONS = "glibc.cpu.hwcaps=" + ",".join(
    "-" + feature
    for feature in [
        "AVX_Fast_Unaligned_Load", "AVX", "AVX2", "AVX512F", "AVX512VL", "AVX512BW", "AVX512DQ",
        "BMI1", "BMI2", "LZCNT", "MOVBE", "RTM", "ERMS", "FSRM", "SSSE3", "SSE4_1", "SSE4_2",
        "POPCNT", "Fast_Unaligned_Copy", "Fast_Rep_String", "Prefer_ERMS", "Prefer_FSRM",
        "Fast_Unaligned_Load", "Fast_Copy_Backward", "Prefer_PMINUB_for_stringop", "Slow_BSF",
        "Slow_SSE4_2",
    ])


def read_budget(path):
    """The first line of the file that is not a comment, as a whole number."""
    for line in Path(path).read_text().splitlines():
        line = line.strip()
        if line and not line.startswith("#"):
            return int(line.replace(",", "").replace("_", ""))
    raise SystemExit(f"{path}: no budget in it")


def count_instructions(cli, scripts_tex, winning):
    valgrind = shutil.which("valgrind")
    if valgrind is None:
        raise SystemExit("valgrind is not installed (tools/debian-packages.txt lists it); "
                         "the budget cannot be checked without it")
    with tempfile.TemporaryDirectory() as game_dir:
        shutil.copy(scripts_tex, Path(game_dir) / "scripts.tex")
        out_file = Path(game_dir) / "callgrind.out"
        environment = dict(os.environ, GLIBC_TUNABLES=BASELINE_STRING_FUNCTIONS)
        with open(winning, "rb") as lines:
            result = subprocess.run(
                [valgrind, "--tool=callgrind", f"--callgrind-out-file={out_file}", cli, "--json",
                 "--dir", game_dir],
                stdin=lines, stdout=subprocess.PIPE, stderr=subprocess.PIPE, env=environment,
                timeout=600)
        if result.returncode != 0:
            raise SystemExit(f"the replay failed ({result.returncode}):\n"
                             + result.stderr.decode(errors="replace"))
        pages = result.stdout.splitlines()
        if len(pages) < 2 or b'"gameOver":true' not in pages[-2]:
            raise SystemExit("the replay did not win the game")
        summary = re.search(r"^summary:\s*(\d+)", out_file.read_text(), re.MULTILINE)
        if summary is None:
            raise SystemExit("callgrind wrote no summary")
        return int(summary.group(1))


def main():
    if len(sys.argv) != 5:
        raise SystemExit(__doc__)
    cli, scripts_tex, winning, budget_file = sys.argv[1:]
    per_turn = read_budget(budget_file)
    counted = count_instructions(cli, scripts_tex, winning)
    turns = sum(1 for _ in open(winning, "rb"))
    limit = per_turn * turns
    print(f"winning replay: {counted:,} instructions ({counted // turns:,} a turn over {turns} "
          f"lines); ceiling {per_turn:,} a turn, {limit:,} in all")
    if counted > limit:
        print(f"FAIL: {counted - limit:,} instructions over the ceiling. Find the cause with "
              f"callgrind_annotate.")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
