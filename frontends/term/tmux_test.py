#!/usr/bin/env python3
"""kvelt-term end to end: played in a detached tmux session, read back with capture-pane."""

import json
import os
import re
import shutil
import signal
import subprocess
import sys
import tempfile
import time

SESSION = "kvelt"
CREDIT = "Developed by J.X.W"
CAPTION = "Máš u sebe:"
SKIP = 77


class Failure(Exception):
    pass


class Tmux:
    def __init__(self, workdir):
        self.env = dict(os.environ, TMUX_TMPDIR=workdir)
        self.env.pop("TMUX", None)
        self.base = ["tmux", "-u", "-f", "/dev/null", "-L", "kvelt-test"]

    def run(self, *args):
        result = subprocess.run(self.base + list(args), env=self.env, capture_output=True,
                                text=True, timeout=20)
        if result.returncode != 0:
            raise Failure("tmux %s: %s" % (" ".join(args), result.stderr.strip()))
        return result.stdout

    def keys(self, *keys):
        self.run("send-keys", "-t", SESSION, *keys)

    def text(self, text):
        self.run("send-keys", "-t", SESSION, "-l", text)

    def screen(self, joined=False):
        """The pane's rows; joined, a line the terminal wrapped is one row again."""
        flags = ["-p", "-J"] if joined else ["-p"]
        return self.run("capture-pane", *flags, "-t", SESSION).split("\n")

    def wait(self, what, check, timeout=30.0):
        """Polls the pane until check(rows) holds."""
        deadline = time.monotonic() + timeout
        while True:
            rows = self.screen()
            if check(rows):
                return rows
            if time.monotonic() > deadline:
                raise Failure("timed out waiting for %s; the screen reads:\n%s"
                              % (what, "\n".join(rows)))
            time.sleep(0.05)

    def wait_text(self, text, timeout=30.0):
        return self.wait(repr(text), lambda rows: any(text in row for row in rows), timeout)


def write_catalogue(directory):
    """A numbered catalogue; line 1 is long, so that the opening page needs Page Down."""
    lines = ["M%d žluťoučký kůň" % n for n in range(1, 181)]
    lines[0] = "M1 " + " ".join("slovo%d úpěl ďábelské ódy" % n for n in range(1, 60))
    with open(os.path.join(directory, "scripts.tex"), "wb") as out:
        out.write(("\r\n".join(lines) + "\r\n").encode("cp1250"))


def expected_pages(cli, directory, lines):
    """The narration kvelt-cli gives for the same lines: the engine's word on every turn."""
    if not os.path.exists(cli):
        return None
    result = subprocess.run([cli, "--json", "--dir", directory], input="\n".join(lines) + "\n",
                            capture_output=True, text=True, timeout=20)
    events = [json.loads(line) for line in result.stdout.splitlines()]
    return [event["narration"] for event in events if "narration" in event]


def input_row(rows, layout_rows=24):
    # The input line shares its row with the first carried object: 8 rows from the bottom.
    return rows[layout_rows - 8][:38].strip()


def status_text(rows):
    """The status lines under the input line, joined into one text."""
    return " ".join(row[:40].strip() for row in rows[18:24] if row[:40].strip())


def check(condition, message, rows):
    if not condition:
        raise Failure("%s; the screen reads:\n%s" % (message, "\n".join(rows)))


def shows_page(rows, narration):
    """Every short line of the page stands as a row of the narration pane."""
    wanted = [line for line in narration.split("\r\n") if 0 < len(line) < 70][:8]
    shown = [row.strip() for row in rows[:15]]
    return all(line.strip() in shown for line in wanted)


def child_of(parent):
    for entry in os.listdir("/proc"):
        if entry.isdigit():
            try:
                with open("/proc/%s/stat" % entry) as stat:
                    fields = stat.read().rsplit(")", 1)[1].split()
            except OSError:
                continue
            if int(fields[1]) == parent:
                return int(entry)
    return None


def background_at(row, text):
    """The background colour in force where `text` starts in a row captured with its escapes
    (capture-pane -e): None for the terminal's own background."""
    background = None
    start = row.find(text)
    for match in re.finditer(r"\x1b\[([0-9;]*)m", row[:start]):
        params = [int(p) if p else 0 for p in match.group(1).split(";")]
        i = 0
        while i < len(params):
            code = params[i]
            if code == 0 or code == 49:
                background = None
            elif 40 <= code <= 47 or 100 <= code <= 107:
                background = str(code)
            elif code == 48 and i + 1 < len(params):
                width = 3 if params[i + 1] == 5 else 5
                background = ";".join(map(str, params[i:i + width]))
                i += width - 1
            elif code == 38 and i + 1 < len(params):
                i += (3 if params[i + 1] == 5 else 5) - 1
            i += 1
    return background


def palettes(tmux, program, gamedir):
    """On a dark and on a light terminal the caption and the credit stand on a background of
    their own, never on the terminal's, which may be as white as their letters."""
    for style in ("fg=white,bg=black", "fg=black,bg=white"):
        tmux.run("set-option", "-t", SESSION, "window-style", style)
        tmux.text("clear; %s --dir %s; echo EXIT=$?" % (program, gamedir))
        tmux.keys("Enter")
        tmux.wait("the opening page", lambda rows: CREDIT in rows[23] and CAPTION in rows[15])
        rows = tmux.run("capture-pane", "-p", "-e", "-t", SESSION).split("\n")
        for text, row in ((CAPTION, rows[15]), (CREDIT, rows[23])):
            check(background_at(row, text) is not None,
                  "%r has a background of its own on %s" % (text, style), [row])
        tmux.text("exit")
        tmux.keys("Enter")
        tmux.wait_text("EXIT=0")
        tmux.keys("C-l")
        tmux.wait("a clear screen", lambda rows: not any("EXIT" in row for row in rows))
    tmux.run("set-option", "-u", "-t", SESSION, "window-style")


def dumb_terminal(tmux, program, gamedir):
    """A terminal that cannot move the cursor gets the line mode, said in one line."""
    tmux.text("clear; TERM=dumb %s --dir %s; echo EXIT=$?" % (program, gamedir))
    tmux.keys("Enter")
    tmux.wait_text(CAPTION)
    history = tmux.run("capture-pane", "-p", "-J", "-S", "-100", "-t", SESSION)
    check("kvelt-term: the terminal dumb cannot move the cursor; the game goes on in line mode"
          in history, "the line that says why", history.split("\n"))
    tmux.keys("Enter")
    tmux.wait_text("M174 žluťoučký kůň")
    tmux.text("exit")
    tmux.keys("Enter")
    tmux.wait_text("EXIT=0")
    tmux.keys("C-l")
    tmux.wait("a clear screen", lambda rows: not any("EXIT" in row for row in rows))


def no_terminal(program, gamedir):
    """Standard input at its end and not a terminal: the line mode, which ends at once."""
    started = time.monotonic()
    result = subprocess.run([program, "--new", "--no-warnings", "--dir", gamedir], stdin=subprocess.DEVNULL,
                            capture_output=True, text=True, timeout=10)
    took = time.monotonic() - started
    lines = result.stderr.splitlines()
    if result.returncode != 0 or took > 1.0 or len(lines) != 1 or \
            "standard input is not a terminal" not in lines[0] or CAPTION not in result.stdout:
        raise Failure("kvelt-term < /dev/null: status %d after %.2f s; stderr %r; stdout %r"
                      % (result.returncode, took, result.stderr, result.stdout[:200]))


def play(tmux, program, workdir, gamedir):
    stty_before = os.path.join(workdir, "stty.before")
    prompt = "kvelt-test$"
    tmux.wait("the shell", lambda rows: rows[0].startswith(prompt))
    tmux.text("stty -g > %s" % stty_before)
    tmux.keys("Enter")
    start = "clear; %s --new --dir %s; echo EXIT=$?" % (program, gamedir)

    def leaves_with(code):
        tmux.wait_text("EXIT=%d" % code)
        tmux.text('test "$(stty -g)" = "$(cat %s)" && echo TERMINAL-RESTORED' % stty_before)
        tmux.keys("Enter")
        tmux.wait_text("TERMINAL-RESTORED")
        tmux.keys("C-l")
        tmux.wait("a clear screen", lambda rows: not any("EXIT" in row for row in rows))

    def started():
        return tmux.wait("the opening page", lambda rows: rows[0].startswith(" M1 slovo1")
                         and CREDIT in rows[23])

    # The opening page, laid out after the window.
    tmux.text(start)
    tmux.keys("Enter")
    rows = started()
    check(rows[23].endswith(CREDIT + " ") or rows[23].rstrip().endswith(CREDIT),
          "the credit sits bottom right", rows)
    check(len(rows[23].rstrip()) == 79, "the credit ends one column from the edge", rows)
    check(CAPTION in rows[15] and rows[16][40:].strip() == "dýku", "the carried pane", rows)
    check("ď" in rows[0] and "ú" in rows[0], "Czech letters on screen", rows)
    check("PgDn" in rows[15], "a hint that the page goes on", rows)
    check(not any("M33" in row for row in rows), "the opening is longer than the pane", rows)

    # Page Down shows the rest of the opening, Page Up its beginning again.
    tmux.keys("NPage")
    rows = tmux.wait_text("M37 žluťoučký kůň")
    check("PgUp" in rows[15], "a hint back up", rows)
    tmux.keys("PPage")
    tmux.wait("the top of the opening", lambda rows: rows[0].startswith(" M1 slovo1"))

    # A few turns: the first Enter, then the start room.
    sent = []
    cli = os.path.join(os.path.dirname(program), "kvelt-cli")

    def send(line):
        sent.append(line)
        tmux.keys("Enter")
        pages = expected_pages(cli, gamedir, sent)
        if pages is not None:
            tmux.wait("the page of %r" % line, lambda rows: shows_page(rows, pages[-1])
                      and input_row(rows) == "")

    send("")
    tmux.wait_text("M174 žluťoučký kůň")
    send("")
    rows = tmux.wait_text("M2 žluťoučký kůň Vidíš")
    check(any(row.strip() == "pochodeň" for row in rows), "the start room's objects", rows)

    # Completion without diacritics, and the choices when several words fit.
    tmux.text("VEZMI poch")
    tmux.keys("Tab")
    tmux.wait("the completed line", lambda rows: input_row(rows) == "vezmi pochodeň")
    send("vezmi pochodeň")
    tmux.text("prozkoumej ")
    tmux.keys("Tab")
    tmux.wait("the choices", lambda rows: "Draga" in " ".join(rows[18:])
              and "dýku" in " ".join(rows[18:]))
    tmux.text("dyk")
    tmux.keys("Tab")
    tmux.wait("the dagger", lambda rows: input_row(rows) == "prozkoumej dýku")
    tmux.keys("C-u")
    tmux.wait("an empty input line", lambda rows: input_row(rows) == "")

    # Czech letters typed straight in.
    tmux.text("otevři dveře")
    tmux.wait("Czech letters typed", lambda rows: input_row(rows) == "otevři dveře")
    send("otevři dveře")

    # History: Up recalls the lines sent, Down comes back to what was being typed.
    tmux.text("s")
    tmux.keys("Up")
    tmux.wait("the last line", lambda rows: input_row(rows) == "otevři dveře")
    tmux.keys("Up")
    tmux.wait("the line before", lambda rows: input_row(rows) == "vezmi pochodeň")
    tmux.keys("Down", "Down")
    tmux.wait("the draft", lambda rows: input_row(rows) == "s")
    send("s")

    # A notice (a slot never saved) stands in the status lines, not in the narration, until
    # the next Enter.
    notice = "Pozice 9 je prázdná."
    tmux.text("load 9")
    send("load 9")
    rows = tmux.wait("the notice", lambda rows: notice in " ".join(r.strip() for r in rows[18:]))
    check(not any("nahrát" in row for row in rows[:15]), "no notice in the narration", rows)
    send("")
    tmux.wait("the notice gone", lambda rows: not any("nahrát" in row for row in rows))

    # A resize: the panes follow the new size, and a too small terminal says so.
    tmux.run("resize-window", "-t", SESSION, "-x", "100", "-y", "30")
    rows = tmux.wait("the larger layout", lambda rows: len(rows) >= 30
                     and rows[29].rstrip().endswith(CREDIT))
    check(len(rows[29].rstrip()) == 99, "the credit follows the corner", rows)
    tmux.run("resize-window", "-t", SESSION, "-x", "70", "-y", "20")
    tmux.wait_text("needs a terminal of at least 80 × 24")
    tmux.run("resize-window", "-t", SESSION, "-x", "80", "-y", "24")
    tmux.wait("the layout again", lambda rows: len(rows) >= 24 and CREDIT in rows[23]
              and CAPTION in rows[15])

    # "exit" leaves and gives the shell back as it was.
    tmux.text("exit")
    tmux.keys("Enter")
    leaves_with(0)

    # A death at the gate, taken back with Alt+U; the game goes on.
    tmux.text(start)
    tmux.keys("Enter")
    rows = started()
    check("Alt+U tah zpět" in status_text(rows), "the keys at start", rows)
    sent.clear()
    for line in ["", "vezmi pochodeň", "vezmi olej", "otevři dveře", "s", "vezmi kámen", "s"]:
        tmux.text(line)
        send(line)
    before_death = expected_pages(cli, gamedir, sent)
    tmux.text("s")
    send("s")
    tmux.wait_text("M91 žluťoučký kůň")
    tmux.wait("the keys after the end", lambda rows: "Enter ukončí program" in status_text(rows)
              and "Alt+U" in status_text(rows) and "Alt+N" in status_text(rows))
    tmux.keys("M-u")
    sent.pop()
    if before_death is not None:
        tmux.wait("the page before the death", lambda rows: shows_page(rows, before_death[-1])
                  and not any("M91" in row for row in rows))
    tmux.wait("the turn taken back", lambda rows: "Tah je vzat zpět." in status_text(rows))

    # Page Up at the top of the page shows the one before, headed by its line; typing
    # returns to the live page.
    tmux.keys("PPage")
    tmux.wait("the earlier page", lambda rows: rows[0].strip() == "> vezmi kámen")
    tmux.text("j")
    tmux.wait("the live page", lambda rows: rows[0].strip() != "> vezmi kámen"
              and input_row(rows) == "j")
    send("j")
    tmux.wait_text("M5 žluťoučký kůň Vidíš")

    # Ctrl+Z on the empty line takes the turn back without suspending the game; Ctrl+Y
    # plays it again.
    tmux.keys("C-z")
    tmux.wait("Ctrl+Z", lambda rows: "Tah je vzat zpět." in status_text(rows)
              and not any("M5 žluťoučký kůň Vidíš" in row for row in rows))
    tmux.keys("C-y")
    tmux.wait("Ctrl+Y", lambda rows: "Tah je znovu zahrán." in status_text(rows)
              and any("M5 žluťoučký kůň Vidíš" in row for row in rows))

    # The answers in the status line, the slots at a glance, and a new game asked for twice.
    tmux.text("nesmysl")
    tmux.keys("Enter")
    tmux.wait("not understood", lambda rows: "Tomu nerozumím." in status_text(rows))
    tmux.text("save 4")
    tmux.keys("Enter")
    tmux.wait("the save confirmed", lambda rows: "uložena do pozice 4" in status_text(rows))
    tmux.keys("F2")
    tmux.wait("the slots", lambda rows: "Uložené hry: 4 (" in status_text(rows))
    tmux.keys("M-n")
    tmux.wait("the question", lambda rows: "Začít novou hru?" in status_text(rows))
    tmux.keys("M-n")
    rows = started()
    tmux.wait("a new game", lambda rows: "Nová hra." in status_text(rows))
    tmux.text("exit")
    tmux.keys("Enter")
    leaves_with(0)

    # After the game has ended, any line sent with Enter leaves.
    tmux.text(start)
    tmux.keys("Enter")
    started()
    sent.clear()
    for line in ["", "vezmi pochodeň", "vezmi olej", "otevři dveře", "s", "vezmi kámen", "s"]:
        tmux.text(line)
        send(line)
    tmux.text("s")
    send("s")
    tmux.wait_text("M91 žluťoučký kůň")
    tmux.text("vezmi kámen")
    tmux.keys("Enter")
    leaves_with(0)

    # Ctrl-C, SIGTERM and SIGHUP leave too, and never in raw mode.
    tmux.text(start)
    tmux.keys("Enter")
    started()
    tmux.keys("C-c")
    leaves_with(128 + signal.SIGINT)
    shell = int(tmux.run("display-message", "-p", "-t", SESSION, "#{pane_pid}").strip())
    for number in (signal.SIGTERM, signal.SIGHUP):
        tmux.text(start)
        tmux.keys("Enter")
        started()
        os.kill(child_of(shell), number)
        leaves_with(128 + number)

    # A missing catalogue: the line mode's error, on a terminal left as it was.
    tmux.text("clear; %s --dir %s/missing; echo EXIT=$?" % (program, workdir))
    tmux.keys("Enter")
    error = "kvelt-term: cannot read the catalogue %s/missing/scripts.tex: " % workdir
    tmux.wait("the error", lambda rows: any(row.startswith(error) for row in tmux.screen(True)))
    leaves_with(1)


def comforts_and_kept_game(tmux, program, gamedir):
    """F1 and F3, a long status line read in parts, the game kept between runs unless --new."""
    def run(env, options, then=()):
        tmux.keys("C-l")
        tmux.text("clear; %s %s %s --dir %s; echo EXIT=$?" % (env, program, options, gamedir))
        tmux.keys("Enter")
        tmux.wait("the layout", lambda rows: CREDIT in rows[23])
        tmux.keys(*then)

    def status_says(what, text):
        return tmux.wait(what, lambda rows: text in status_text(rows))

    def leave():
        tmux.text("exit")
        tmux.keys("Enter")
        tmux.wait_text("EXIT=0")

    run("", "", ["Enter", "Enter"])
    page = tmux.wait_text("M2 žluťoučký kůň Vidíš")[:15]
    # Three presses of F1: where, what, and the line to type, in the status line alone.
    tmux.keys("F1", "F1", "F1")
    rows = status_says("the line to type", "Napiš: ")
    check(rows[:15] == page, "a hint leaves the page as it was", rows)

    # F3: the map over the narration pane alone; Esc, F3 again and typing bring the page back.
    for back in (["Escape"], ["F3"], ["-l", "v"]):
        tmux.keys("F3")
        rows = tmux.wait("the map", lambda rows: rows[0].startswith(" Mapa — "))
        check(any(row.strip() == "SRUB" for row in rows[1:15]) and CAPTION in rows[15]
              and rows[16][40:].strip() == "dýku" and CREDIT in rows[23]
              and not any(glyph in row for row in rows[15:] for glyph in "─│╷"),
              "the map within the narration pane, the panes below as they were", rows)
        tmux.keys(*back)
        tmux.wait("the page after %s" % back[-1], lambda rows: rows[:15] == page)
    check(input_row(tmux.screen()) == "v", "the key typed is in the input line", tmux.screen())
    tmux.keys("C-u")

    # Ten slots saved on days apart need more than the status lines: F4 reads on.
    for slot in range(1, 11):
        tmux.text("save %d" % slot)
        tmux.keys("Enter")
        status_says("slot %d" % slot, "uložena do pozice %d." % slot)
        for name in ("save%d.s" % slot, "savex%d.s" % slot):
            os.utime(os.path.join(gamedir, name), (time.time() - 3 * 86400 * slot,) * 2)
    tmux.keys("F2")
    rows = status_says("the first part", "… F4 ukáže další část")
    check("10 (" not in status_text(rows), "the last slot is in a later part", rows)
    tmux.keys("F4")
    status_says("the rest", "10 (")

    # Closed and started again: the same page, said to be the kept game; the map in ASCII
    # where the player's locale is not UTF-8; --new starts with the opening.
    tmux.text("vezmi olej")
    tmux.keys("Enter")
    page = tmux.wait_text("Vzal jsi olej")[:15]
    leave()
    run("LC_ALL=C", "", ["F3"])
    rows = tmux.wait("the kept game's map in ASCII", lambda rows: rows[0].startswith(" Mapa - ")
                     and "Pokračuje uchovaná hra" in status_text(rows))
    check(not any(glyph in row for row in rows[:15] for glyph in "─│╷—"), "no box lines", rows)
    tmux.keys("Escape")
    tmux.wait("the kept page", lambda rows: rows[:15] == page)
    leave()
    run("", "--new")
    tmux.wait("the opening", lambda rows: rows[0].startswith(" M1 slovo1"))
    leave()


def main():
    if len(sys.argv) != 2:
        print("usage: tmux_test.py KVELT_TERM", file=sys.stderr)
        return 2
    if shutil.which("tmux") is None:
        print("tmux is not installed: skipping the terminal test")
        return SKIP
    program = os.path.abspath(sys.argv[1])
    # The shell and the tmux server may still be writing there as they go.
    with tempfile.TemporaryDirectory(prefix="kvelt-term-", ignore_cleanup_errors=True) as workdir:
        gamedir, keptdir = os.path.join(workdir, "game"), os.path.join(workdir, "kept")
        for directory in (gamedir, keptdir):
            os.mkdir(directory)
            write_catalogue(directory)
        tmux = Tmux(workdir)
        shell = ("env -i PATH=/usr/bin:/bin HOME=%s HISTFILE= LANG=C.UTF-8 TERM=tmux-256color "
                 "PS1='kvelt-test$ ' bash --norc --noprofile" % workdir)
        tmux.run("new-session", "-d", "-x", "80", "-y", "24", "-s", SESSION, shell)
        try:
            no_terminal(program, gamedir)
            play(tmux, program, workdir, gamedir)
            palettes(tmux, program, gamedir)
            dumb_terminal(tmux, program, gamedir)
            comforts_and_kept_game(tmux, program, keptdir)
        except Failure as failure:
            print("FAILED:", failure)
            return 1
        finally:
            subprocess.run(tmux.base + ["kill-server"], env=tmux.env, capture_output=True)
    print("kvelt-term passed in tmux")
    return 0


if __name__ == "__main__":
    sys.exit(main())
