#!/usr/bin/env python3
"""How long kvelt takes from its start to a visible window, and how much memory it then holds,
on a private Xvfb: RUNS starts, each ended with "exit".

Usage: tools/window_startup.py [BUILD_BIN [RUNS]]     (defaults: build/bin 10)
"""
import os
import statistics
import subprocess
import sys
import time

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "frontends",
                                "fltk"))
import window_test  # noqa: E402  (the test's Xvfb and xdotool helpers)


def main():
    bin_dir = sys.argv[1] if len(sys.argv) > 1 else "build/bin"
    runs = int(sys.argv[2]) if len(sys.argv) > 2 else 10
    xvfb, display = window_test.start_xvfb()
    env = dict(os.environ, DISPLAY=display)
    seconds, resident = [], []
    try:
        for _ in range(runs):
            started = time.time()
            process = subprocess.Popen([os.path.join(bin_dir, "kvelt")], env=env)
            window = None
            while window is None and time.time() - started < 10:
                found = window_test.run(["xdotool", "search", "--onlyvisible", "--name",
                                         "^kvelt$"], env).stdout.split()
                window = found[0] if found else None
            seconds.append(time.time() - started)
            with open("/proc/%d/status" % process.pid) as status:
                resident += [int(line.split()[1]) for line in status if line.startswith("VmRSS")]
            time.sleep(0.5)
            window_test.type_line(env, window, "exit")
            window_test.wait_exit(process)
    finally:
        xvfb.terminate()
        xvfb.wait()
    print("start to visible window: median %.0f ms, max %.0f ms over %d runs; resident %d KB"
          % (statistics.median(seconds) * 1000, max(seconds) * 1000, runs,
             statistics.median(resident)))


if __name__ == "__main__":
    main()
