#!/usr/bin/env python3
"""kvelt-cli typed by hand on a terminal (a detached tmux session): Up recalls a line, Tab
completes without diacritics, Left edits inside the line, Alt+U and Ctrl+Z take turns back, and
the long opening line breaks at blanks. Exits 77 without tmux."""

import os
import shlex
import shutil
import subprocess
import sys
import tempfile

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "term"))
from tmux_test import SESSION, SKIP, Failure, Tmux, write_catalogue  # noqa: E402


def last_prompt(rows):
    """The line being edited: the last row that starts with the prompt."""
    prompts = [row for row in rows if row.startswith("> ")]
    return prompts[-1][2:].rstrip() if prompts else None


def carried(rows):
    """The objects under the last caption, up to the prompt."""
    last = max(i for i, row in enumerate(rows) if row.startswith("Máš u sebe:"))
    return [row.strip() for row in rows[last + 1:] if row.strip() and not row.startswith(">")]


def taken_back(times):
    return lambda rows: sum("(Tah je vzat zpět.)" in row for row in rows) == times


def play(tmux, program, gamedir):
    tmux.wait("the shell", lambda rows: rows[0].startswith("kvelt-test$"))
    tmux.text("clear; %s --dir %s; echo EXIT=$?" % (program, gamedir))
    tmux.keys("Enter")
    rows = tmux.wait_text("Máš u sebe:")
    # The opening's first line is far wider than the terminal: every row ends at a whole word.
    opening = [row.split() for row in rows if "ódy" in row]
    words = set(sum(([f"slovo{n}", "úpěl", "ďábelské", "ódy"] for n in range(60)), ["M1"]))
    if len(opening) < 2 or any(word not in words for row in opening for word in row):
        raise Failure("the opening is not broken at blanks:\n" + "\n".join(rows))
    for _ in range(2):  # message 174, then the start room with its objects
        tmux.keys("Enter")
    tmux.wait_text("M2 žluťoučký kůň Vidíš")

    # Tab completes from the words on screen, without diacritics.
    tmux.text("vezmi pochoden")
    tmux.keys("Tab")
    tmux.wait("the completed word", lambda rows: last_prompt(rows) == "vezmi pochodeň")
    tmux.keys("Enter")
    tmux.wait_text("Vzal jsi pochodeň...")

    # Several words fit: they are listed, and the line stays as typed.
    tmux.text("prozkoumej ")
    tmux.keys("Tab")
    tmux.wait("the choices", lambda rows: any("Draga" in row and "dýku" in row
                                              for row in tmux.screen(joined=True)))
    tmux.keys("C-u")

    # Up recalls the last line; Left and a letter edit it in the middle.
    tmux.keys("Up")
    tmux.wait("the recalled line", lambda rows: last_prompt(rows) == "vezmi pochodeň")
    tmux.keys("C-u")
    tmux.text("vezmi olj")
    tmux.keys("Left")
    tmux.text("e")
    tmux.wait("the edited line", lambda rows: last_prompt(rows) == "vezmi olej")
    tmux.keys("Enter")
    tmux.wait_text("Vzal jsi olej...")

    # Alt+U takes the turn back; Ctrl+Z on an empty line the one before, and does not stop
    # the program.
    tmux.keys("M-u")
    rows = tmux.wait("Alt+U", taken_back(1))
    if carried(rows) != ["dýku", "pochodeň"]:
        raise Failure("Alt+U left %s" % carried(rows))
    tmux.keys("C-z")
    rows = tmux.wait("Ctrl+Z", taken_back(2))
    if carried(rows) != ["dýku"]:
        raise Failure("Ctrl+Z left %s" % carried(rows))

    tmux.text("exit")
    tmux.keys("Enter")
    tmux.wait_text("EXIT=0")


def main():
    if len(sys.argv) != 2:
        print("usage: terminal_test.py KVELT_CLI", file=sys.stderr)
        return 2
    if shutil.which("tmux") is None:
        print("tmux is not installed: skipping the terminal test")
        return SKIP
    program = os.path.abspath(sys.argv[1])
    with tempfile.TemporaryDirectory(prefix="kvelt-cli-", ignore_cleanup_errors=True) as workdir:
        gamedir = os.path.join(workdir, "game")
        os.mkdir(gamedir)
        write_catalogue(gamedir)
        tmux = Tmux(workdir)
        # A clean environment, but for the sanitizers' options of a `make sanitize` run.
        sanitizers = "".join("%s=%s " % (name, shlex.quote(os.environ[name]))
                             for name in ("ASAN_OPTIONS", "LSAN_OPTIONS", "UBSAN_OPTIONS")
                             if name in os.environ)
        shell = ("env -i PATH=/usr/bin:/bin HOME=%s HISTFILE= LANG=C.UTF-8 TERM=tmux-256color "
                 "%sPS1='kvelt-test$ ' bash --norc --noprofile" % (workdir, sanitizers))
        tmux.run("new-session", "-d", "-x", "100", "-y", "40", "-s", SESSION, shell)
        try:
            play(tmux, program, gamedir)
        except Failure as failure:
            print("FAILED:", failure)
            return 1
        finally:
            subprocess.run(tmux.base + ["kill-server"], env=tmux.env, capture_output=True)
    print("kvelt-cli passed in tmux")
    return 0


if __name__ == "__main__":
    sys.exit(main())
