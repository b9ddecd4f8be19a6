#!/usr/bin/env python3
"""--help, --version and a bad option, for every program: what each prints, where, and the
status it ends with. The programs must answer without a display, a terminal or a catalogue.

Usage: program_arguments_test.py VERSION PROGRAM...
"""
import os
import subprocess
import sys

# (arguments, exit status, what standard output holds, what standard error holds)
CASES = [
    (["--help"], 0, ["Použití: {name} [VOLBY]", "Usage:   {name} [OPTIONS]", "--dir=DIR",
                     "--help", "--version", "Jak hrát:", "How to play:"], []),
    (["--version"], 0, ["{name} {version}\n"], []),
    (["--dir=/nowhere", "--version"], 0, ["{name} {version}\n"], []),
    (["--no-such-option"], 2, [], ["{name}: unknown option '--no-such-option'",
                                   "Try '{name} --help'."]),
    (["--dir"], 2, [], ["{name}: option '--dir' needs a value"]),
    (["stray"], 2, [], ["{name}: unexpected argument 'stray'"]),
]


def main():
    if len(sys.argv) < 3:
        print(__doc__)
        return 2
    version, programs = sys.argv[1], sys.argv[2:]
    # No display and no terminal: --help must not need either.
    env = {key: value for key, value in os.environ.items()
           if key not in ("DISPLAY", "WAYLAND_DISPLAY")}
    env["TERM"] = "dumb"
    failures = 0
    for program in programs:
        name = os.path.basename(program)
        for args, status, out_parts, err_parts in CASES:
            result = subprocess.run([program] + args, capture_output=True, text=True, timeout=20,
                                    env=env, stdin=subprocess.DEVNULL)
            problems = []
            if result.returncode != status:
                problems.append("status %d, not %d" % (result.returncode, status))
            for stream, parts, text in (("stdout", out_parts, result.stdout),
                                        ("stderr", err_parts, result.stderr)):
                if not parts and text:
                    problems.append("%s should be empty: %r" % (stream, text))
                for part in parts:
                    wanted = part.format(name=name, version=version)
                    if wanted not in text:
                        problems.append("%s lacks %r: %r" % (stream, wanted, text))
            print("%s %s %s%s" % ("FAIL" if problems else "ok  ", name, " ".join(args),
                                  "".join("\n      " + p for p in problems)))
            failures += bool(problems)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
