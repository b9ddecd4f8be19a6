"""Two programs saving and loading one slot at once: every load whole, no save falsely told."""
import os
import subprocess
import sys
import tempfile

DRIVER, CATALOGUE_DIR, ROUNDS = sys.argv[1], sys.argv[2], int(sys.argv[3])

with tempfile.TemporaryDirectory() as folder:
    drivers = [subprocess.Popen([DRIVER, "race", folder, CATALOGUE_DIR, str(n), str(ROUNDS)],
                                stdout=subprocess.PIPE, text=True) for n in (1, 2)]
    totals = {}
    for driver in drivers:
        words = driver.communicate(timeout=600)[0].split()
        for name, value in zip(words[::2], words[1::2]):
            totals[name] = totals.get(name, 0) + int(value)
    left = set(os.listdir(folder)) - {"save1.s", "savex1.s", "kvelt.lock"}
print(totals, "left behind:", sorted(left))
# "busy" is honest (the other held the folder past the wait); torn, stale or failed is not.
sys.exit(1 if totals["torn"] + totals["stale"] + totals["failed"] or left
         or totals["loads"] < ROUNDS else 0)
