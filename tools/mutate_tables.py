#!/usr/bin/env python3
"""One-token edits of the game's tables, each of which the engine tests must catch.

Usage: tools/mutate_tables.py [--build-dir build] [--only N,M,...] [--list] [--skip-slow]

For each edit in MUTATIONS, one at a time, in place: the file is changed, kvelt_tests is
rebuilt (`cmake --build BUILD -j2 --target kvelt_tests`) and run (stopping at the first
failing test); then the file gets its old bytes back, also on Ctrl-C or an error. An edit that
the tests do not notice "survives"; the run ends with the survivors listed and exits 1 when
there is any. An edit that does not compile counts apart: the compiler, not a test, caught it.
Before the first edit the untouched tree must build and pass, and after the last one it is
rebuilt, so the build directory is left as the tree is.

Each edit names a file, a piece of text that picks out exactly one line of it (None: the whole
file), and the text that the edit replaces within that line (exactly once) with its new text.
Edits of src/shell/game.h rebuild nearly everything; they are marked slow.
"""

import argparse
import pathlib
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent

ROOMS = "src/world/room_handler.cpp"
START = "src/shell/startup.cpp"
TAKE = "src/commands/take_drop_rules.cpp"
STATE = "src/persistence/state_file.cpp"
SAVE = "src/persistence/save_files.cpp"
GAME = "src/shell/game.h"
EXAMINE = "src/commands/examine_rules.cpp"
OPEN = "src/commands/open_close_rules.cpp"
USE = "src/commands/use_rules.cpp"
RULES = "src/commands/rule_groups.h"

# (what the edit does, file, line picked by, old text, new text[, "slow"])
MUTATIONS = [
    # The room table: descriptions, ways out, lists, door codes, remarks.
    ("(1,4) described by 27", ROOMS, "{1, 4,", "describedBy<26>", "describedBy<27>"),
    ("(2,2) south follows deviceJammed", ROOMS, "{2, 2,", "g.windowRopeTied", "g.deviceJammed"),
    ("(2,4) no way east", ROOMS, "{2, 4,", "W, E}", "W, o}"),
    ("(2,5) a way west", ROOMS, "{2, 5,", "o, o, o, E", "o, o, W, E"),
    ("(2,5) keeps the list of (4,5)", ROOMS, "{2, 5,", "room25Objects", "room45Objects"),
    ("(3,1) door code 4", ROOMS, "{3, 1,", "}; }, 5,", "}; }, 4,"),
    ("(3,1) west follows door33Open", ROOMS, "{3, 1,", "g.door31Open", "g.door33Open"),
    ("(3,2) remarks of the passage", ROOMS, "{3, 2,", "guardRoomRemarks", "passageRemarks"),
    ("(3,2) door code 2", ROOMS, "{3, 2,", "}; }, 3,", "}; }, 2,"),
    ("(3,3) a way west", ROOMS, "{3, 3,", "S, o, o}", "S, W, o}"),
    ("(3,4) south while jammed", ROOMS, "{3, 4,", "!isTrue(g.deviceJammed)", "isTrue(g.deviceJammed)"),
    ("(3,4) remarks of the hatch", ROOMS, "{3, 4,", "passageRemarks", "hatchRemarks"),
    ("(3,5) no way east", ROOMS, "{3, 5,", "S, W, E}", "S, W, o}"),
    ("(3,6) described by 4", ROOMS, "{3, 6,", "describedBy<5>", "describedBy<4>"),
    ("(3,7) no door code", ROOMS, "{3, 7,", "}; }, 1,", "}; }, 0,"),
    ("(3,7) no message 34", ROOMS, "{3, 7,", "startRoomSouth", "nullptr"),
    ("(4,2) east follows door32Open", ROOMS, "{4, 2,", "g.door42Open", "g.door32Open"),
    ("(4,4) remarks of the captain", ROOMS, "{4, 4,", "nullptr, nullptr}", "nullptr, captainRemarks}"),
    ("(4,5) described by 9", ROOMS, "{4, 5,", "describedBy<8>", "describedBy<9>"),
    ("(5,2) no remarks", ROOMS, "{5, 2,", "captainRemarks", "nullptr"),
    ("(5,3) lit room opens north", ROOMS, "{5, 3,", "{o, S, o, o}", "{N, S, o, o}"),
    ("(5,4) no way north", ROOMS, "{5, 4,", "{N, o, W, E}", "{o, o, W, E}"),
    ("(6,4) described by 12", ROOMS, "{6, 4,", "describedBy<11>", "describedBy<12>"),
    ("(6,5) north follows door37Open", ROOMS, "{6, 5,", "g.hatchOpen", "g.door37Open"),
    ("(7,3) a way west", ROOMS, "{7, 3,", "{o, S, o, o}", "{o, S, W, o}"),
    ("(7,4) keeps the list of (7,3)", ROOMS, "{7, 4,", "room74Objects", "room73Objects"),
    ("jammed passage described by 146", ROOMS, "showMessage(game, 145)", "145", "146"),
    ("moat gate after the alarm 167", ROOMS, "showMessage(game, 168)", "168", "167"),
    ("dark room's second message 108", ROOMS, "showMessage(game, 107)", "107", "108"),
    ("dark room leaves north open", ROOMS, "game.exits = {kFalse, kTrue", "{kFalse, kTrue", "{kTrue, kTrue"),
    ("smithy's ending 175", ROOMS, "showMessage(game, 176)", "176", "175"),
    ("guard room's alarm remark 166", ROOMS, "showMessage(game, 165)", "165", "166"),
    ("hatch room's remark 169", ROOMS, "showMessage(game, 170)", "170", "169"),
    ("captain's remark 156", ROOMS, "showMessage(game, 157)", "157", "156"),
    ("start room's south answer 35", ROOMS, "showMessage(game, 34)", "34", "35"),
    ("(3,6) starts with another word", START, "room36Objects", '"ceduli"', '"cedule"'),
    ("(4,5) starts with a third word", START, "room45Objects", '"příkop"}', '"příkop", "seno"}'),
    # The take and drop lists and their guards.
    ("Draga can be taken", TAKE, '"kliku"}', '"kliku"}', '"kliku", "Draga"}'),
    ("the pole cannot be taken", TAKE, '"žerď"', '"žerď"', '"žerd"'),
    ("the burning torch cannot be dropped", TAKE, "kBurningTorch =", '"hořící pochodeň"', '"hořící pochodně"'),
    ("eight hands", TAKE, "kLastFreeHand =", "6", "7"),
    ("banner refused with 105", TAKE, "showMessage(game, 104)", "104", "105"),
    ("rope guarded by bucketFull", TAKE, '"lano" && isFalse', "ropeFree", "bucketFull"),
    ("kvelt trap 161", TAKE, "showMessage(game, 162)", "162", "161"),
    ("refusal ends with a full stop", RULES, "kCannotTake =", "vzít!", "vzít."),
    # The state file and the object-list file.
    ("state: hatchOiled and hatchOpen swapped", STATE, "&Game::hatchOiled,", "hatchOiled", "hatchOpen"),
    ("state: second hatchOpen is hatchOiled", STATE, "&Game::hatchOpen,", "hatchOpen", "hatchOiled"),
    ("state: posX stored as posY", STATE, "&Game::posX,", "posX", "posY"),
    ("state: door31Unlocked stored as door31Open", STATE, "&Game::door31Unlocked,", "door31Unlocked", "door31Open"),
    ("state: standNailSet stored as kveltTaken", STATE, "&Game::standNailSet,", "standNailSet", "kveltTaken"),
    ("list: room 25 saved in place of 45", GAME, "&Game::room25Objects,", "room25Objects", "room45Objects", "slow"),
    # Examine rules.
    ("examine the dagger 28", EXAMINE, '{"dýku",', "says<27>", "says<28>"),
    ("examine the door of (3,3) 133", EXAMINE, "kDoorAnswers =", "132", "133"),
    ("examine the horses with the watchman down 48", EXAMINE, '{"koně",', "49", "48"),
    ("examine the watchman finds 127", EXAMINE, "watchmanSearched, 126", "126", "127"),
    ("examine the hay finds the key", EXAMINE, "haySearched, 127", '"jehlu"', '"klíč"'),
    # Open and close rules.
    ("open door 4 when open 82", OPEN, "{kDoor, 4, on<&G::door42Open>, 81}", "81", "82"),
    ("open door 5 opens north", OPEN, "161, &G::door31Open", "west", "north"),
    ("close door 4 when closed 82", OPEN, "{kDoor, 4, off<&G::door42Open>, 81}", "81", "82"),
    ("open the hatch unpried when pried", OPEN, "{kHatch, kAnyCode, off<&G::hatchPried>, 87}", "off<", "on<"),
    ("close the hatch answers 87", OPEN, "{kHatch, kAnyCode, on<&G::hatchOpen>, 86", "86", "87"),
    # Use rules.
    ("bucket at the well without crank 123", USE, "off<&G::wellCrankFitted>", "122", "123"),
    ("dagger kills the guard in row 3", USE, '{"dýku", "stráž", inRow<2>', "inRow<2>", "inRow<3>"),
    ("sword cuts the rope once struck", USE, '{"meč", "lano od lustru"', "captainDefeated", "captainStruck"),
    ("rope at the window opens north", USE, "g.windowRopeTied = kTrue", "exits[south]", "exits[north]"),
    ("stone at the moat guard", USE, '{"kámen", "stráž na hradbách"', '"stráž na hradbách"', '"stráž"'),
    ("crank keeps the crank", USE, 'removeCarried(g, "kliku")', 'removeCarried(g, "kliku")', 'removeCarried(g, "klika")'),
]


def picked_line(text, anchor, old):
    if anchor is None:
        if text.count(old) != 1:
            raise ValueError(f"{old!r} is not in the file exactly once")
        return text.index(old)
    starts = [i for i, line in enumerate(text.splitlines(keepends=True)) if anchor in line]
    if len(starts) != 1:
        raise ValueError(f"{anchor!r} picks {len(starts)} lines, not one")
    lines = text.splitlines(keepends=True)
    line = lines[starts[0]]
    if line.count(old) != 1:
        raise ValueError(f"{old!r} is not in the line {line.strip()!r} exactly once")
    return sum(len(l) for l in lines[: starts[0]]) + line.index(old)


def mutated(text, anchor, old, new):
    at = picked_line(text, anchor, old)
    return text[:at] + new + text[at + len(old):]


def build_and_test(build_dir):
    """'pass', 'fail' (a test caught it) or 'build' (it did not compile)."""
    built = subprocess.run(["cmake", "--build", build_dir, "-j2", "--target", "kvelt_tests"],
                           cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    if built.returncode != 0:
        return "build", built.stdout.decode(errors="replace")
    ran = subprocess.run([str(pathlib.Path(build_dir) / "bin" / "kvelt_tests"),
                          "--gtest_fail_fast", "--gtest_brief=1"],
                         cwd=ROOT, stdout=subprocess.PIPE, stderr=subprocess.STDOUT)
    out = ran.stdout.decode(errors="replace")
    return ("pass" if ran.returncode == 0 else "fail"), out


def first_failure(output):
    for line in output.splitlines():
        if line.startswith("[  FAILED  ]"):
            return line[len("[  FAILED  ]"):].strip()
    return "?"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--build-dir", default="build")
    parser.add_argument("--only", help="comma-separated numbers of the edits to run (from 1)")
    parser.add_argument("--list", action="store_true", help="list the edits and stop")
    parser.add_argument("--skip-slow", action="store_true", help="leave out edits of game.h")
    args = parser.parse_args()

    chosen = list(enumerate(MUTATIONS, 1))
    if args.only:
        wanted = {int(n) for n in args.only.split(",")}
        chosen = [(n, m) for n, m in chosen if n in wanted]
    if args.skip_slow:
        chosen = [(n, m) for n, m in chosen if "slow" not in m[5:]]

    # Every edit must apply to the tree as it is before anything is built.
    for n, (what, path, anchor, old, new, *_) in chosen:
        text = (ROOT / path).read_text(encoding="utf-8")
        try:
            mutated(text, anchor, old, new)
        except ValueError as error:
            sys.exit(f"edit {n} ({what}) does not apply to {path}: {error}")
    if args.list:
        for n, (what, path, *_rest) in chosen:
            print(f"{n:3} {path}: {what}")
        return 0

    verdict, output = build_and_test(args.build_dir)
    if verdict != "pass":
        print(output[-3000:])
        sys.exit("the untouched tree does not build and pass; nothing to learn from edits")

    survivors, uncompiled, killed = [], [], 0
    started = time.monotonic()
    try:
        for n, (what, path, anchor, old, new, *_) in chosen:
            file = ROOT / path
            original = file.read_bytes()
            try:
                file.write_text(mutated(original.decode("utf-8"), anchor, old, new),
                                encoding="utf-8")
                verdict, output = build_and_test(args.build_dir)
            finally:
                file.write_bytes(original)
            if verdict == "fail":
                killed += 1
                print(f"{n:3} caught    {what}  [{first_failure(output)}]", flush=True)
            elif verdict == "build":
                uncompiled.append((n, what))
                print(f"{n:3} no build  {what}", flush=True)
            else:
                survivors.append((n, what))
                print(f"{n:3} SURVIVED  {what}", flush=True)
    finally:
        build_and_test(args.build_dir)

    minutes = (time.monotonic() - started) / 60
    print(f"\n{len(chosen)} edits: {killed} caught by a test, {len(uncompiled)} did not "
          f"compile, {len(survivors)} survived ({minutes:.0f} min)")
    for n, what in survivors:
        print(f"  survived: {n} {what}")
    return 1 if survivors else 0


if __name__ == "__main__":
    sys.exit(main())
