#!/usr/bin/env python3
"""One-token edits of the game's tables, each of which the engine tests must catch.

The tables: the room table and the rooms' first objects, the take and drop lists, the state
file's field order and the object-list file's room order, the turn loop's gates, and the rules
of examine, take and drop, open and close, and use.

Usage: tools/mutate_tables.py [--build-dir build] [--only N,M,...] [--list] [--skip-slow]
                              [--sweep]

For each edit in MUTATIONS, one at a time, in place: the file is changed, kvelt_tests is
rebuilt (`cmake --build BUILD -j2 --target kvelt_tests`) and run (stopping at the first
failing test); then the file gets its old bytes back, also on Ctrl-C or an error. An edit that
the tests do not notice "survives"; the run ends with the survivors listed and exits 1 when
there is any. An edit that does not compile counts apart: the compiler, not a test, caught it.
Before the first edit the untouched tree must build and pass, and after the last one it is
rebuilt, so the build directory is left as the tree is.

Each edit names a file, a piece of text that picks out exactly one line of it (None: the whole
file), and the text that the edit replaces within that line (exactly once) with its new text.
Edits of src/base/game.h rebuild nearly everything; they are marked slow. --sweep adds edits
generated from the tables themselves: for every row of the room table its description, each of
its four ways flipped, its door code and its list; every examine answer; the message, door code
and way of every open and close row; the target and message of every use row; every takeable
word; and every two neighbouring fields of the state file swapped. About five seconds an edit.
"""

import argparse
import pathlib
import re
import subprocess
import sys
import time

ROOT = pathlib.Path(__file__).resolve().parent.parent

ROOMS = "src/world/room_handler.cpp"
START = "src/shell/startup.cpp"
TAKE = "src/commands/take_drop_rules.cpp"
STATE = "src/persistence/state_file.cpp"
SAVE = "src/persistence/save_files.cpp"
GAME = "src/base/game.h"
EXAMINE = "src/commands/examine_rules.cpp"
OPEN = "src/commands/open_close_rules.cpp"
USE = "src/commands/use_rules.cpp"
RULES = "src/commands/rule_groups.h"
LOOP = "src/shell/turn_loop.cpp"

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
    ("(3,2) remark 146 follows captainDefeated", ROOMS, "isFalse(game.guardKilled)", "guardKilled", "captainDefeated"),
    ("(3,2) remarks before the command", ROOMS, "{3, 2,", "nullptr, guardRoomRemarks", "guardRoomRemarks, nullptr"),
    ("(3,2) door code 2", ROOMS, "{3, 2,", "}; }, 3,", "}; }, 2,"),
    ("(3,3) a way west", ROOMS, "{3, 3,", "S, o, o}", "S, W, o}"),
    ("(3,4) south while jammed", ROOMS, "{3, 4,", "!isTrue(g.deviceJammed)", "isTrue(g.deviceJammed)"),
    ("(3,4) remark 167 follows deviceJammed", ROOMS, "showMessage(game, 167)", "chandelierCut", "deviceJammed"),
    ("(3,5) no way east", ROOMS, "{3, 5,", "S, W, E}", "S, W, o}"),
    ("(3,6) described by 4", ROOMS, "{3, 6,", "describedBy<5>", "describedBy<4>"),
    ("(3,7) no door code", ROOMS, "{3, 7,", "}; }, 1,", "}; }, 0,"),
    ("(3,7) message 34 for \"s\"", ROOMS, 'game.lastCommand == "j"', '"j"', '"s"'),
    ("(3,7) message 34 after the command", ROOMS, "{3, 7,", "startRoomSouth, nullptr", "nullptr, startRoomSouth"),
    ("(3,6) message 34 too", ROOMS, "{3, 6,", "nullptr, nullptr}", "startRoomSouth, nullptr}"),
    ("(4,2) east follows door32Open", ROOMS, "{4, 2,", "g.door42Open", "g.door32Open"),
    ("(4,4) remarks of the captain", ROOMS, "{4, 4,", "nullptr, nullptr}", "nullptr, captainRemarks}"),
    ("(4,5) described by 9", ROOMS, "{4, 5,", "describedBy<8>", "describedBy<9>"),
    ("(5,2) remark 157 follows guardKilled", ROOMS, "isFalse(game.captainDefeated)", "captainDefeated", "guardKilled"),
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
    # The turn loop's gates.
    ("gate: guard room's fatal move 147", LOOP, "{148},", "148", "147"),
    ("gate: hatch after the alarm without north", LOOP, 'typed(g, {"s"}) && at(g, 6, 5)', '{"s"}', '{"j"}'),
    ("gate: captain's hall without the sword's rope", LOOP, '"použij meč na lano od lustru", "save"', '"použij meč na lano od lustru", ', ''),
    ("gate: dead guard found in row 5", LOOP, "g.posY <= 4", "4", "5"),
    ("gate: moat gate death 90", LOOP, "{91},", "91", "90"),
    ("gate: guarded door without uniform in (3,2)", LOOP, "at(g, 3, 3) && isTrue(g.door33Open)", "at(g, 3, 3)", "at(g, 3, 2)"),
    ("gate: smithy without uniform 104", LOOP, "{103}", "103", "104"),
    ("gate: stable without uniform in (7,4)", LOOP, "at(g, 7, 3) && isFalse(g.uniformWorn)", "at(g, 7, 3)", "at(g, 7, 4)"),
    ("gate: win south from (3,5)", LOOP, 'at(g, 3, 6) && isTrue(g.kveltTaken)', "at(g, 3, 6)", "at(g, 3, 5)"),
    ("gate: warning 173 is 172", LOOP, "{173},", "173", "172"),
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


# --sweep adds an edit of every row of every table, generated from the tree as it stands.
ROOM_LISTS = ["room37Objects", "room36Objects", "room35Objects", "room25Objects", "room45Objects",
              "room55Objects", "room65Objects", "room64Objects", "room74Objects", "room73Objects",
              "room54Objects", "room44Objects", "room34Objects", "room53Objects", "room33Objects",
              "room32Objects", "room31Objects", "room21Objects", "room22Objects", "room42Objects",
              "room52Objects", "room24Objects", "room14Objects"]


def table_lines(path, start_marker, end_marker="});"):
    text = (ROOT / path).read_text(encoding="utf-8")
    lines = text[text.index(start_marker):].splitlines()
    body = []
    for line in lines[1:]:
        if line.strip().startswith(end_marker):
            break
        body.append(line)
    return body


def bump(match):
    return str(int(match) + 1)


def sweep():
    edits = []

    def add(what, path, anchor, old, new):
        edits.append((what, path, anchor, old, new))

    # The room table: description, each way, door code and list of every row.
    for line in table_lines(ROOMS, "kRooms = {{", "}};"):
        found = re.match(r"\s*\{(\d), (\d), &Game::(\w+),", line)
        if not found:
            continue
        room = f"({found[1]},{found[2]})"
        anchor = f"{{{found[1]}, {found[2]},"
        if (m := re.search(r"describedBy<(\d+)>", line)):
            add(f"{room} description", ROOMS, anchor, m[0], f"describedBy<{bump(m[1])}>")
        ways = re.search(r"Ways\{(.*?)\}; \}", line)[1]
        parts = ways.split(", ")
        for i, part in enumerate(parts):
            flipped = list(parts)
            if part == "o":
                flipped[i] = "NSWE"[i]
            elif part in "NSWE":
                flipped[i] = "o"
            elif part.startswith("!"):
                flipped[i] = part[1:]
            else:
                flipped[i] = "!" + part
            add(f"{room} way {'NSWE'[i]} flipped", ROOMS, anchor, "Ways{" + ways + "}",
                "Ways{" + ", ".join(flipped) + "}")
        code = re.search(r"\}; \}, (\d),", line)
        add(f"{room} door code", ROOMS, anchor, code[0], f"}}; }}, {(int(code[1]) + 1) % 6},")
        other = ROOM_LISTS[(ROOM_LISTS.index(found[3]) + 1) % len(ROOM_LISTS)]
        add(f"{room} list", ROOMS, anchor, found[3], other)

    # Examine: every answer, the door's five, and the word of each row with a rule of its own.
    for line in table_lines(EXAMINE, "kExamineRows = std::to_array"):
        word = re.search(r'\{"([^"]+)",', line)
        if not word:
            continue
        anchor = f'{{"{word[1]}",'
        if (m := re.search(r"says<(\d+)>", line)):
            add(f"examine {word[1]}", EXAMINE, anchor, m[0], f"says<{bump(m[1])}>")
        elif (m := re.search(r"byFlag<&Game::\w+, (\d+), (\d+)>", line)):
            add(f"examine {word[1]}, flag False", EXAMINE, anchor, f", {m[1]}, ", f", {bump(m[1])}, ")
            add(f"examine {word[1]}, flag True", EXAMINE, anchor, f", {m[2]}>", f", {bump(m[2])}>")
        else:
            add(f"examine {word[1]}: word", EXAMINE, anchor, f'"{word[1]}"', f'"{word[1]}x"')
    answers = re.search(r"kDoorAnswers = \{([^}]*)\}", (ROOT / EXAMINE).read_text())[1]
    numbers = answers.split(", ")
    for i, n in enumerate(numbers):
        bumped = numbers[:i] + [bump(n)] + numbers[i + 1:]
        add(f"examine door answer {n}", EXAMINE, "kDoorAnswers =", answers, ", ".join(bumped))

    # Open and close: message and door code of every row.
    for table in ("kOpenRows", "kCloseRows"):
        for number, line in enumerate(table_lines(OPEN, f"{table} = std::to_array"), 1):
            if "{kDoor" not in line and "{kHatch" not in line:
                continue
            anchor = line.strip()
            message = re.search(r">+, (\d+)", line)
            add(f"{table} row {number}: message", OPEN, anchor, message[0],
                message[0][: -len(message[1])] + bump(message[1]))
            if (code := re.search(r"\{kDoor, (\d),", line)):
                add(f"{table} row {number}: door code", OPEN, anchor, code[0],
                    f"{{kDoor, {int(code[1]) % 5 + 1},")
            if (way := re.search(r", (north|east|west)\}", line)):
                other = {"north": "east", "east": "west", "west": "north"}[way[1]]
                add(f"{table} row {number}: way", OPEN, anchor, way[0], f", {other}}}")

    # Use: the target and the first message of every row.
    number = 0
    for line in table_lines(USE, "kUseRows = std::to_array"):
        row = re.match(r'\s*\{"([^"]+)", ("[^"]*"|\w+), ', line)
        if not row:
            continue
        number += 1
        anchor = line.strip()[:60]
        if row[2].startswith('"'):
            add(f"use row {number} ({row[1]}): target", USE, anchor, row[0],
                row[0].replace(row[2], row[2][:-1] + 'x"'))
        if (message := re.search(r"showMessage\(g, (\d+)\)", line)):
            add(f"use row {number} ({row[1]}): message", USE, anchor, message[0],
                f"showMessage(g, {bump(message[1])})")

    # The takeable words, each one.
    text = (ROOT / TAKE).read_text(encoding="utf-8")
    words = re.search(r"kTakeable = std::to_array<std::string_view>\(\s*\{(.*?)\}\);", text, re.S)[1]
    for word in re.findall(r'"([^"]+)"', words):
        old = next(o for o in (f'"{word}",', f'"{word}"}}') if text.count(o) == 1)
        add(f"takeable {word}", TAKE, None, old, old.replace(f'"{word}"', f'"{word}x"'))

    # The state file: each two neighbouring fields swapped.
    text = (ROOT / STATE).read_text(encoding="utf-8")
    fields = re.findall(r"&Game::(\w+),( *// \d+)", text)
    for (a, a_tail), (b, b_tail) in zip(fields, fields[1:]):
        old = f"&Game::{a},{a_tail}\n    &Game::{b},{b_tail}"
        new = f"&Game::{b},{a_tail}\n    &Game::{a},{b_tail}"
        add(f"state: {a} and {b} swapped", STATE, None, old, new)
    return edits


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
    parser.add_argument("--sweep", action="store_true",
                        help="add a generated edit of every row of every table")
    args = parser.parse_args()

    chosen = list(enumerate(MUTATIONS + (sweep() if args.sweep else []), 1))
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
                errors = [l for l in output.splitlines() if "error" in l.lower()][:3]
                print(f"{n:3} no build  {what}", *("      " + e for e in errors), sep="\n",
                      flush=True)
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
