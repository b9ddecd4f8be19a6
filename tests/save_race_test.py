"""Two programs saving and loading one slot at once: every load whole, no save falsely told."""
import os
import subprocess
import sys
import tempfile
import time

DRIVER, CATALOGUE_DIR = sys.argv[1], sys.argv[2]
ROUNDS = int(sys.argv[3]) if len(sys.argv) > 3 else 300


def main():
    start = time.monotonic()
    with tempfile.TemporaryDirectory() as folder:
        drivers = [subprocess.Popen([DRIVER, "race", folder, CATALOGUE_DIR, str(id), str(ROUNDS)],
                                    stdout=subprocess.PIPE, text=True) for id in (1, 2)]
        totals = {}
        for driver in drivers:
            out, _ = driver.communicate(timeout=600)
            if driver.returncode != 0:
                sys.exit("a driver ended with status %d" % driver.returncode)
            words = out.split()
            for name, value in zip(words[::2], words[1::2]):
                totals[name] = totals.get(name, 0) + int(value)
        left = sorted(name for name in os.listdir(folder)
                      if name not in ("save1.s", "savex1.s", "kvelt.lock"))
    print("2 programs x %d rounds: %s, left behind %s, %.1f s"
          % (ROUNDS, ", ".join("%s %d" % item for item in totals.items()), left or "nothing",
             time.monotonic() - start))
    # "busy" is an honest answer (the other program held the folder past the wait, which a
    # loaded machine's fsyncs can make happen); a torn load, a stale one or any other failure
    # is not.
    bad = totals["torn"] + totals["stale"] + totals["failed"]
    sys.exit(1 if bad or left or totals["loads"] < ROUNDS else 0)


main()
