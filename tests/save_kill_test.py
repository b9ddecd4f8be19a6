"""Kill test: the saving driver killed at random instants; every slot must stay whole."""
import collections
import os
import random
import signal
import subprocess
import sys
import tempfile
import time

DRIVER, CATALOGUE_DIR = sys.argv[1], sys.argv[2]
KILLS = int(sys.argv[3]) if len(sys.argv) > 3 else 250
SLOTS = 3


def check(folder):
    out = subprocess.run([DRIVER, "check", folder, CATALOGUE_DIR], capture_output=True,
                         text=True, timeout=60, check=True).stdout.splitlines()
    slots = {int(line.split()[1][:-1]): line.split(": ", 1)[1] for line in out[:SLOTS]}
    leftovers = out[SLOTS].split(":", 1)[1].split()
    found = out[SLOTS + 1].split(": ", 1)[1]
    return slots, leftovers, found


def main():
    seed = int(os.environ.get("KVELT_KILL_SEED", time.time_ns() % 1_000_000))
    rng = random.Random(seed)
    acked = {}  # slot -> the last game it was said to hold
    next_game = 1
    torn = leftover_runs = 0
    found_after_kill = collections.Counter()
    saves = 0
    start = time.monotonic()
    with tempfile.TemporaryDirectory() as folder:
        for kill in range(KILLS):
            driver = subprocess.Popen([DRIVER, "save", folder, CATALOGUE_DIR, str(next_game)],
                                      stdout=subprocess.PIPE, text=True)
            first = driver.stdout.readline()  # the first save is done: the loop is running
            time.sleep(rng.uniform(0, 0.02))
            driver.send_signal(signal.SIGKILL)
            said = [first.strip()] + driver.stdout.read().splitlines()
            driver.wait()
            for line in said:
                if line.startswith("failed"):
                    sys.exit("a save failed: " + line)
                if line.startswith("saved "):
                    game = int(line.split()[1])
                    acked[game % SLOTS + 1] = game
                    next_game = game + 1
                    saves += 1
            # The game being saved when the kill came may or may not have reached its slot.
            cut = next_game
            slots, leftovers, found = check(folder)
            found_after_kill[found] += 1
            for slot in range(1, SLOTS + 1):
                allowed = {str(acked[slot])} if slot in acked else {"none"}
                if cut % SLOTS + 1 == slot:
                    allowed.add(str(cut))
                if slots[slot] not in allowed:
                    torn += 1
                    print("kill %d: slot %d holds %s, expected one of %s"
                          % (kill, slot, slots[slot], sorted(allowed)))
                elif slots[slot] == str(cut):
                    acked[slot] = cut
            next_game = cut + 1  # a game number is never used twice
            if leftovers:
                leftover_runs += 1
                print("kill %d: left behind %s" % (kill, leftovers))
    print("%d kills (seed %d), %d saves completed, %d torn slots, %d runs with leftovers, %.1f s"
          % (KILLS, seed, saves, torn, leftover_runs, time.monotonic() - start))
    print("what the kills left for the next start: " +
          ", ".join("%s %d" % item for item in found_after_kill.most_common()))
    sys.exit(1 if torn or leftover_runs else 0)


main()
