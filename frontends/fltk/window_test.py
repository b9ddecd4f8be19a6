#!/usr/bin/env python3
"""kvelt's window under Xvfb: typed turns, Tab, undo and redo, saves, earlier pages, the hint
and the map, the transcript, "exit", the whole game, the game kept between runs, a missing
catalogue, and screenshots kept for a person to look at.

Usage: window_test.py KVELT_BINARY ARTIFACTS_DIR DATA_DIR [WINNING_LINES]
Exits 77 (skipped) when Xvfb or the X tools are not installed.
"""
import ctypes
import ctypes.util
import os
import random
import re
import shutil
import subprocess
import sys
import tempfile
import time

SKIP = 77
TOOLS = ["Xvfb", "xdotool", "xmodmap", "xwd", "convert", "xrdb", "xprop", "xclip"]
# The Czech letters, bound to spare keys of the test display before anything is typed: xdotool
# would otherwise lend one key to each letter in turn, and a window that reads a key after it
# has been lent again sees the wrong letter.
CZECH_KEYS = ["aacute Aacute", "ccaron Ccaron", "dcaron Dcaron", "eacute Eacute",
              "ecaron Ecaron", "iacute Iacute", "ncaron Ncaron", "oacute Oacute",
              "rcaron Rcaron", "scaron Scaron", "tcaron Tcaron", "uacute Uacute",
              "uring Uring", "yacute Yacute", "zcaron Zcaron"]
FIRST_SPARE_KEYCODE = 200
HERE = os.path.dirname(os.path.abspath(__file__))


def read_layout():
    """The window's boxes and colours (tuples) and sizes (ints) as the program has them: the
    shared layout header and, for the input line's colour, the window contract."""
    found = {}
    for header in ("../common/window_layout.h", "../../src/base/window.h"):
        with open(os.path.join(HERE, header), encoding="utf-8") as text:
            source = text.read()
        for name, values in re.findall(r"constexpr (?:Box|Rgb) (k\w+)\{([^}]*)\}", source):
            found[name] = tuple(int(value) for value in values.split(","))
        for name, value in re.findall(r"constexpr int (k\w+) = (\d+);", source):
            found[name] = int(value)
    return found


LAYOUT = read_layout()
WINDOW = (LAYOUT["kWindowWidth"], LAYOUT["kWindowHeight"])
INPUT_LINE = LAYOUT["kText1"]
INPUT_TEXT = (INPUT_LINE[0] + 3, INPUT_LINE[1] + 3, INPUT_LINE[2] - 6, INPUT_LINE[3] - 6)
CARRIED_PANE = LAYOUT["kText3"]
NARRATION = LAYOUT["kText2"]
STATUS_LINE = LAYOUT["kStatusLine"]
INPUT_COLOUR = LAYOUT["kInputLineColour"]
PANE_COLOUR = LAYOUT["kPaneBackground"]
LIGHT_YELLOW = LAYOUT["kPaneText"]
WHITE = LAYOUT["kInputText"]
WINDOW_BACKGROUND = LAYOUT["kWindowBackground"]

failures = []
measured = {}


def check(condition, message):
    print(("ok    " if condition else "FAIL  ") + message, flush=True)
    if not condition:
        failures.append(message)


def numbered_catalogue():
    # Line n reads "M<n> žluťoučký"; the file is Windows-1250 with CR LF, as the game's own.
    # Line 37, the last of the opening, is a long one that the narration must wrap.
    lines = ["M%d žluťoučký" % n for n in range(1, 181)]
    lines[36] = "M37 " + " ".join(["příliš žluťoučký kůň úpěl ďábelské ódy"] * 120)
    return "".join(line + "\r\n" for line in lines).encode("cp1250")


def text_lines(pixels, colour):
    """Lines of text: runs of pixel rows that hold some text of the colour."""
    lines, inside = 0, False
    for row in pixels:
        has_text = count([row], colour) > 0
        lines += has_text and not inside
        inside = has_text
    return lines


def longest_run(pixels, colour):
    """The longest row of pixels of exactly the colour: letters never make a long one."""
    longest = 0
    for row in pixels:
        run_length = 0
        for pixel in row:
            run_length = run_length + 1 if pixel == colour else 0
            longest = max(longest, run_length)
    return longest


def text_rows(pixels, colour):
    """How many pixel rows hold some text of the colour: a rough count of lines on screen."""
    return sum(1 for row in pixels if count([row], colour) > 0)


def start_xvfb(size="1024x768"):
    """An Xvfb of our own on a free display number, well away from the low numbers that
    desktops and other test runs share."""
    for _ in range(20):
        number = random.randint(200, 899)
        if os.path.exists("/tmp/.X%d-lock" % number):
            continue
        xvfb = subprocess.Popen(
            ["Xvfb", ":%d" % number, "-screen", "0", size + "x24", "-nolisten", "tcp",
             "-noreset"],
            stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        deadline = time.time() + 10
        while time.time() < deadline and xvfb.poll() is None:
            if os.path.exists("/tmp/.X11-unix/X%d" % number):
                return xvfb, ":%d" % number
            time.sleep(0.1)
        xvfb.kill()
        xvfb.wait()
    raise RuntimeError("Xvfb did not start")


def run(args, env, timeout=20):
    return subprocess.run(args, env=env, capture_output=True, text=True, timeout=timeout)


def find_window(env, pattern, timeout=15):
    deadline = time.time() + timeout
    while time.time() < deadline:
        found = run(["xdotool", "search", "--onlyvisible", "--name", pattern], env)
        ids = found.stdout.split()
        if ids:
            # A key sent in the first moments after the window is mapped is sometimes dropped
            # before FLTK sees it (the input method is still being set up); nobody types that
            # fast, so the test waits as a player would.
            time.sleep(0.5)
            return ids[0]
        time.sleep(0.2)
    return None


def bind_czech_keys(env):
    expressions = []
    for offset, keysyms in enumerate(CZECH_KEYS):
        expressions += ["-e", "keycode %d = %s" % (FIRST_SPARE_KEYCODE + offset, keysyms)]
    run(["xmodmap"] + expressions, env)


def type_text(env, window, text):
    if text:
        run(["xdotool", "type", "--delay", "2", "--window", window, text], env)


def type_line(env, window, text, before_enter=None, keys=()):
    run(["xdotool", "windowfocus", "--sync", window], env)
    type_text(env, window, text)
    for key in keys:
        run(["xdotool", "key", "--window", window, key], env)
    seen = None
    if before_enter:
        time.sleep(0.3)
        seen = before_enter()
    run(["xdotool", "key", "--window", window, "Return"], env)
    time.sleep(0.4)
    return seen


def screenshot(env, window, path):
    """The window's content as rows of (r, g, b), and a PNG copy at `path`."""
    xwd = run(["xwd", "-silent", "-id", window, "-out", path + ".xwd"], env)
    if xwd.returncode != 0:
        raise RuntimeError("xwd could not take the window: " + xwd.stderr)
    subprocess.run(["convert", path + ".xwd", path], check=True)
    size = subprocess.run(["convert", path + ".xwd", "-format", "%w %h", "info:"], check=True,
                          capture_output=True, text=True).stdout.split()
    pixels = subprocess.run(["convert", path + ".xwd", "-depth", "8", "rgb:-"], check=True,
                            capture_output=True).stdout
    os.remove(path + ".xwd")
    width, height = int(size[0]), int(size[1])
    return [[tuple(pixels[(y * width + x) * 3:(y * width + x) * 3 + 3]) for x in range(width)]
            for y in range(height)]


def region(image, box):
    x, y, w, h = box
    return [row[x:x + w] for row in image[y:y + h]]


def count(pixels, wanted):
    """Pixels of a text colour; smoothed letters are counted when their hue is close."""
    def close(pixel):
        return all(abs(a - b) < 64 for a, b in zip(pixel, wanted))
    return sum(1 for row in pixels for pixel in row if close(pixel))


def wait_for(condition, timeout=5):
    """Polls until the condition holds; False when it never did."""
    deadline = time.time() + timeout
    while not condition():
        if time.time() > deadline:
            return False
        time.sleep(0.1)
    return True


def wait_exit(process, timeout=10):
    try:
        return process.wait(timeout=timeout)
    except subprocess.TimeoutExpired:
        process.kill()
        process.wait()
        return None


def play(kvelt, env, game_dir, artifacts):
    transcript = os.path.join(game_dir, "transcript.txt")
    process = subprocess.Popen([kvelt, "--dir", game_dir, "--transcript", transcript], env=env,
                               stdout=subprocess.PIPE, stderr=subprocess.PIPE, text=True)
    try:
        window = find_window(env, "^kvelt$")
        check(window is not None, "the window titled kvelt opens")
        if window is None:
            return
        geometry = run(["xdotool", "getwindowgeometry", window], env).stdout
        check("800x600" in geometry, "the window is 800 x 600 (%s)" % " ".join(geometry.split()))

        first = screenshot(env, window, os.path.join(artifacts, "fltk-window-start.png"))
        # The opening is four messages; the long last one wraps over many lines, each word whole.
        check(text_rows(region(first, NARRATION), LIGHT_YELLOW) > 20 * 8,
              "the long opening line wraps in the narration pane")
        scrollbar = [row[NARRATION[0] + NARRATION[2] - 14]
                     for row in region(first, NARRATION)[20:-40]]
        # Beside the text the pane is black; a scroll bar is grey but for its outlines.
        check(scrollbar.count(PANE_COLOUR) < len(scrollbar) // 10,
              "the narration pane has a scroll bar for what does not fit")
        run(["xdotool", "key", "--window", window, "Next"], env)
        time.sleep(0.3)
        paged = screenshot(env, window, os.path.join(artifacts, "fltk-window-paged.png"))
        check(region(paged, NARRATION) != region(first, NARRATION),
              "Page Down in the input line scrolls the narration")
        run(["xdotool", "key", "--window", window, "Prior"], env)
        time.sleep(0.3)
        back = screenshot(env, window, os.path.join(artifacts, "fltk-window-paged.png"))
        check(region(back, NARRATION) == region(first, NARRATION),
              "Page Up scrolls it back to the top")
        type_line(env, window, "")  # the first Enter shows message 174
        type_line(env, window, "")  # the second describes the start room and lists its objects
        carried_at_start = count(region(first, CARRIED_PANE), LIGHT_YELLOW)
        measured["carried at 100 %"] = carried_at_start

        def carried_now(name):
            return count(region(screenshot(env, window, os.path.join(artifacts, name)),
                                CARRIED_PANE), LIGHT_YELLOW)

        # Tab completes the object word from the words on screen; Enter then takes it.
        typing = type_line(env, window, "vezmi poch", keys=["Tab"], before_enter=lambda: screenshot(
            env, window, os.path.join(artifacts, "fltk-window-typing.png")))
        check(count(region(typing, INPUT_TEXT), WHITE) > 60, "the input line shows the typed line")
        check(carried_now("fltk-window-taken.png") > carried_at_start,
              "Tab completed \"vezmi poch\" and the taken torch is listed as carried")
        # Czech letters typed on the keyboard reach the game whole.
        type_line(env, window, "polož pochodeň")
        check(carried_now("fltk-window-dropped.png") == carried_at_start,
              "\"polož pochodeň\" typed with its Czech letters drops the torch again")
        type_line(env, window, "vezmi pochodeň")
        carried_taken = carried_now("fltk-window-taken.png")
        run(["xdotool", "key", "--window", window, "alt+u"], env)
        check(wait_for(lambda: carried_now("fltk-window-undone.png") == carried_at_start),
              "Alt+U takes the take back: the torch is no longer carried")
        run(["xdotool", "key", "--window", window, "ctrl+y"], env)
        check(wait_for(lambda: carried_now("fltk-window-redone.png") == carried_taken),
              "Ctrl+Y plays it again: the torch is carried")

        def status_line(name):
            return region(screenshot(env, window, os.path.join(artifacts, name)), STATUS_LINE)

        redone_status = status_line("fltk-window-redone.png")
        type_line(env, window, "save 1")
        check(wait_for(lambda: status_line("fltk-window-saved.png") != redone_status and
                       count(status_line("fltk-window-saved.png"), LIGHT_YELLOW) > 30),
              "\"save 1\" is confirmed in the status line")
        check(process.poll() is None, "the game is still running after six turns")
        shot = screenshot(env, window, os.path.join(artifacts, "fltk-window.png"))
        check(len(shot) == WINDOW[1] and len(shot[0]) == WINDOW[0],
              "the screenshot is 800 x 600")
        colours = {pixel for row in shot for pixel in row}
        check(len(colours) > 8, "the screenshot is not blank (%d colours)" % len(colours))
        check(shot[INPUT_LINE[1] + 16][INPUT_LINE[0] + 200] == INPUT_COLOUR,
              "the input line has the colour 41, 0, 152 after start-up")
        check(shot[NARRATION[1] + 400][NARRATION[0] + 700] == PANE_COLOUR,
              "the narration pane is black")
        narration_text = count(region(shot, NARRATION), LIGHT_YELLOW)
        check(narration_text > 200, "the narration shows light-yellow text")
        check(region(first, NARRATION) != region(shot, NARRATION),
              "the narration changed after the turns")
        for name in ("save1.s", "savex1.s"):
            check(os.path.exists(os.path.join(game_dir, name)), "\"save 1\" wrote " + name)

        # F1 answers in the status line. F3 lays the map over the narration, the room the
        # player is in a light box; Esc, and typing, take it down with the page as it was.
        saved_status = status_line("fltk-window-saved.png")
        run(["xdotool", "key", "--window", window, "F1"], env)
        check(wait_for(lambda: status_line("fltk-window-hint.png") != saved_status),
              "F1 gives a hint in the status line")

        # Shift+F1 switches the dead-end warning off and on again, kept beside the scale.
        warnings = os.path.join(env["XDG_CONFIG_HOME"], "kvelt", "warnings")
        for kept in ("off\n", None):
            run(["xdotool", "key", "--window", window, "shift+F1"], env)
            check(wait_for(lambda: (open(warnings).read() if os.path.exists(warnings) else None)
                           == kept), "Shift+F1 keeps the warning's setting as %r" % kept)

        def page_now(name):
            return region(screenshot(env, window, os.path.join(artifacts, name)), NARRATION)

        for leave_map in ("Escape", "x"):
            run(["xdotool", "key", "--window", window, "F3"], env)
            check(wait_for(lambda: longest_run(page_now("fltk-window-map.png"), LIGHT_YELLOW) > 60),
                  "F3 shows the map over the narration, the room the player is in a light box")
            run(["xdotool", "key", "--window", window, leave_map], env)
            check(wait_for(lambda: page_now("fltk-window-map-left.png") == region(shot, NARRATION)),
                  "%r takes the map down and the page is as it was" % leave_map)
        run(["xdotool", "key", "--window", window, "BackSpace"], env)

        # The words Tab could not choose between stand in the status line until the line changes.
        run(["xdotool", "windowfocus", "--sync", window], env)
        plain = count(region(screenshot(env, window, os.path.join(
            artifacts, "fltk-window-choices.png")), STATUS_LINE), LIGHT_YELLOW)
        type_text(env, window, "prozkoumej ")
        run(["xdotool", "key", "--window", window, "Tab"], env)
        time.sleep(0.3)
        offered = screenshot(env, window, os.path.join(artifacts, "fltk-window-choices.png"))
        check(count(region(offered, STATUS_LINE), LIGHT_YELLOW) > plain + 30,
              "Tab shows the words that fit in the status line")
        type_text(env, window, "d")
        time.sleep(0.3)
        changed = screenshot(env, window, os.path.join(artifacts, "fltk-window-choices.png"))
        left = count(region(changed, STATUS_LINE), LIGHT_YELLOW)
        check(left == plain, "the choices go as soon as the line changes (%d pixels of text "
              "colour, %d without them)" % (left, plain))
        run(["xdotool", "key", "--window", window, "ctrl+a", "BackSpace"], env)

        # A slot that cannot be written: its list file is in the way as a folder. The notice shows
        # in the status line below the input line, and the narration is left alone.
        os.mkdir(os.path.join(game_dir, "save2.s"))
        type_line(env, window, "save 2")
        refused = screenshot(env, window, os.path.join(artifacts, "fltk-window-notice.png"))
        check(count(region(refused, STATUS_LINE), LIGHT_YELLOW) > 30,
              "a save that fails is told in the status line")
        check(region(refused, NARRATION) == region(shot, NARRATION),
              "a save that fails leaves the narration as it was")

        # At the top of the page, Page Up shows the one before it under its line; typing
        # returns to the live page.
        def narration(name):
            return region(screenshot(env, window, os.path.join(artifacts, name)), NARRATION)

        run(["xdotool", "key", "--window", window, "Prior"], env)
        check(wait_for(lambda: narration("fltk-window-earlier.png") != region(refused, NARRATION)),
              "Page Up at the top of the page shows the page before it")
        type_text(env, window, "x")
        check(wait_for(lambda: narration("fltk-window-live.png") == region(refused, NARRATION)),
              "typing returns to the live page")
        run(["xdotool", "key", "--window", window, "BackSpace"], env)

        # Up brings back the last sent line, Down the empty line that was being typed.
        run(["xdotool", "key", "--window", window, "Up"], env)
        time.sleep(0.3)
        recalled = screenshot(env, window, os.path.join(artifacts, "fltk-window-history.png"))
        check(count(region(recalled, INPUT_TEXT), WHITE) > 60, "Up recalls the last line sent")
        run(["xdotool", "key", "--window", window, "Down"], env)
        time.sleep(0.3)
        emptied = screenshot(env, window, os.path.join(artifacts, "fltk-window-history.png"))
        check(count(region(emptied, INPUT_TEXT), WHITE) < 30, "Down goes back to the empty line")

        run(["xdotool", "key", "--window", window, "Escape"], env)
        time.sleep(0.3)
        check(process.poll() is None, "Escape does not close the game")

        # Alt+N asks in the status line; pressed again it starts over with only the dagger.
        for _ in range(2):
            run(["xdotool", "key", "--window", window, "alt+n"], env)
        check(wait_for(lambda: carried_now("fltk-window-new-game.png") == carried_at_start),
              "Alt+N pressed twice starts a new game")

        # A click into the narration takes the focus; what is typed next still reaches the game.
        run(["xdotool", "mousemove", "--window", window, "400", "200", "click", "1"], env)
        time.sleep(0.2)
        type_line(env, window, "exit")
        status = wait_exit(process)
        check(status == 0, "\"exit\" typed after a click into the narration ends the program "
              "with status 0 (got %s)" % status)
        with open(transcript, encoding="utf-8") as written:
            text = written.read()
        for part in ("> vezmi pochodeň\n", "(Tah je vzat zpět.)\n", "(Tah je znovu zahrán.)\n",
                     "> save 1\n", "(Hra je uložena do pozice 1.)\n", "> exit\n"):
            check(part in text, "the transcript holds %r" % part)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        error = process.stderr.read()
        if error:
            print("kvelt wrote on standard error:\n" + error, flush=True)


def whole_game(kvelt, env, game_dir, artifacts, winning):
    """The winning lines typed in one go; the game stays up on its ending, and the next Enter,
    whatever it holds, ends the program cleanly."""
    with open(winning, encoding="utf-8") as lines:
        winning_lines = [line.rstrip("\r\n") for line in lines]
    process = subprocess.Popen([kvelt, "--dir", game_dir], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
    try:
        window = find_window(env, "^kvelt$")
        check(window is not None, "the window opens for the whole game")
        if window is None:
            return
        run(["xdotool", "windowfocus", "--sync", window], env)
        for line in winning_lines:
            type_text(env, window, line)
            run(["xdotool", "key", "--window", window, "Return"], env)
        time.sleep(1)
        won = screenshot(env, window, os.path.join(artifacts, "fltk-window-won.png"))
        # This game's folder has no picture: the window shows its own background colour.
        check(won[590][20] == WINDOW_BACKGROUND, "without its picture the window is 0, 64, 64")
        check(process.poll() is None, "the game is still up on its ending after the winning lines")
        # Counted by the "M" that starts each message: no accent above it joins two lines.
        ending = text_lines(region(won, (5, 0, 9, 417)), LIGHT_YELLOW)
        check(ending == 9, "the ending shows its nine messages (%d lines)" % ending)

        def narration():
            return region(screenshot(env, window, os.path.join(artifacts, "fltk-window-won-undone.png")),
                          NARRATION)

        # The last turn can still be taken back, and played again, before the Enter that leaves.
        run(["xdotool", "key", "--window", window, "alt+u"], env)
        check(wait_for(lambda: narration() != region(won, NARRATION)),
              "Alt+U takes the winning turn back")
        run(["xdotool", "key", "--window", window, "ctrl+y"], env)
        check(wait_for(lambda: narration() == region(won, NARRATION)), "Ctrl+Y plays it again")
        type_line(env, window, "dál")
        status = wait_exit(process)
        check(status == 0, "Enter after the end ends the program with status 0 (got %s)" % status)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def scaled(length, percent):
    return int(length * percent / 100 + 0.5)


def scaled_box(box, percent):
    """As the window scales a box: by its edges."""
    left, top = scaled(box[0], percent), scaled(box[1], percent)
    return (left, top, scaled(box[0] + box[2], percent) - left,
            scaled(box[1] + box[3], percent) - top)


def window_size(env, window):
    geometry = run(["xdotool", "getwindowgeometry", window], env).stdout
    for word in geometry.split():
        if "x" in word and word.replace("x", "").isdigit():
            return tuple(int(n) for n in word.split("x"))
    return None


def clipboard(env):
    return run(["xclip", "-selection", "clipboard", "-o"], env, timeout=5).stdout


def scaled_window(kvelt, artifacts, game_dir, config_dir):
    """A desktop of 192 dots an inch on a large screen: the window opens at 200 %, Ctrl+minus,
    Ctrl+0 and Ctrl+plus change it and the choice is kept; Ctrl+C copies selected narration;
    WM_CLASS ties the window to kvelt.desktop."""
    xvfb, display = start_xvfb("2560x1600")
    env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=config_dir)
    env.pop("WAYLAND_DISPLAY", None)
    setting = os.path.join(config_dir, "kvelt", "scale")
    try:
        subprocess.run(["xrdb", "-merge"], input="Xft.dpi: 192\n", text=True, env=env,
                       check=True, timeout=10)

        def start():
            # Each start with the opening, whatever the games before left in the folder.
            process = subprocess.Popen([kvelt, "--dir", game_dir, "--new"], env=env,
                                       stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            return process, find_window(env, "^kvelt$")

        def leave(process, window):
            # The close box: "exit" typed is tested at 100 %, and keys sent to a freshly mapped
            # window are sometimes dropped (see find_window).
            press_close_box(env["DISPLAY"], window)
            check(wait_exit(process) == 0, "the scaled window closes with status 0")

        process, window = start()
        try:
            check(window is not None, "the window opens on a 192 dpi desktop")
            if window is None:
                return
            size = window_size(env, window)
            check(size == (1600, 1200), "at 192 dpi the window is 1600 x 1200 (%s)" % (size,))
            shot = screenshot(env, window, os.path.join(artifacts, "fltk-window-200.png"))
            check(len(shot) == 1200 and len(shot[0]) == 1600, "the screenshot is 1600 x 1200")
            input_line = scaled_box(INPUT_LINE, 200)
            check(shot[input_line[1] + 32][input_line[0] + 400] == INPUT_COLOUR,
                  "the input line sits at its place at 200 %")
            check(shot[scaled(NARRATION[3], 200) - 20][1400] == PANE_COLOUR,
                  "the narration pane reaches down to its place at 200 %")
            carried = count(region(shot, scaled_box(CARRIED_PANE, 200)), LIGHT_YELLOW)
            small = measured.get("carried at 100 %", 0)
            check(small > 0 and carried > 3 * small,
                  "the carried words are drawn at twice the size (%d pixels, %d at 100 %%)"
                  % (carried, small))
            picture = {pixel for row in region(shot, (900, 1000, 300, 150)) for pixel in row}
            check(len(picture) > 20, "the picture fills the larger window, smoothly (%d colours)"
                  % len(picture))

            wm_class = run(["xprop", "-id", window, "WM_CLASS"], env).stdout
            check('"kvelt"' in wm_class, "WM_CLASS names kvelt (%s)" % wm_class.strip())

            # The first word selected with a double click, then Ctrl+C: in the pane, which the
            # click gave the focus, and in the input line after typing there.
            run(["xdotool", "windowfocus", "--sync", window], env)
            run(["xdotool", "mousemove", "--window", window, str(scaled(10, 200)),
                 str(scaled(8, 200))], env)
            run(["xdotool", "click", "--repeat", "2", "--delay", "80", "1"], env)
            time.sleep(0.3)
            run(["xdotool", "key", "--window", window, "ctrl+c"], env)
            time.sleep(0.3)
            copied = clipboard(env)
            check(copied == "M1", "Ctrl+C copies the selected narration (%r)" % copied[:40])
            subprocess.run(["xclip", "-selection", "clipboard", "-i"], input="jiné", text=True,
                           env=env, timeout=5)
            type_text(env, window, "x")
            run(["xdotool", "key", "--window", window, "ctrl+c"], env)
            time.sleep(0.3)
            copied = clipboard(env)
            check(copied == "M1",
                  "and so does Ctrl+C in the input line with nothing selected there (%r)"
                  % copied[:40])
            run(["xdotool", "key", "--window", window, "BackSpace"], env)

            for keys, expected, remembered in (("ctrl+minus", 175, "175\n"),
                                              ("ctrl+0", 200, None),
                                              ("ctrl+plus", 225, "225\n")):
                run(["xdotool", "key", "--window", window, keys], env)
                time.sleep(0.5)
                size = window_size(env, window)
                check(size == (scaled(800, expected), scaled(600, expected)),
                      "%s scales the window to %d %% (%s)" % (keys, expected, size))
                kept = open(setting).read() if os.path.exists(setting) else None
                check(kept == remembered, "after %s the setting holds %r (%r)"
                      % (keys, remembered, kept))
            leave(process, window)
        finally:
            if process.poll() is None:
                process.kill()
                process.wait()

        # The next start opens at the factor kept; a broken setting means the default again.
        for text, expected in (("225\n", 225), ("sto\n", 200)):
            with open(setting, "w") as out:
                out.write(text)
            process, window = start()
            try:
                size = window and window_size(env, window)
                check(size == (scaled(800, expected), scaled(600, expected)),
                      "a setting of %r opens the window at %d %% (%s)" % (text, expected, size))
                if window is not None:
                    leave(process, window)
            finally:
                if process.poll() is None:
                    process.kill()
                    process.wait()
    finally:
        xvfb.terminate()
        xvfb.wait()


def small_screen(kvelt, game_dir, config_dir):
    """A 1280 x 800 screen: a factor of 200 kept from a larger one opens as large as this one
    holds, and Ctrl+plus never takes the window beyond it."""
    xvfb, display = start_xvfb("1280x800")
    env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=config_dir)
    env.pop("WAYLAND_DISPLAY", None)
    os.makedirs(os.path.join(config_dir, "kvelt"), exist_ok=True)
    with open(os.path.join(config_dir, "kvelt", "scale"), "w") as out:
        out.write("200\n")
    process = subprocess.Popen([kvelt, "--dir", game_dir], env=env,
                               stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    try:
        window = find_window(env, "^kvelt$")
        size = window and window_size(env, window)
        check(size == (1000, 750), "a kept 200 %% opens at 125 %% on 1280 x 800 (%s)" % (size,))
        for press in range(1, 5):
            if window is None:
                break
            run(["xdotool", "key", "--window", window, "ctrl+plus"], env)
            time.sleep(0.5)
            size = window_size(env, window)
            check(size[0] <= 1280 and size[1] <= 800,
                  "Ctrl+plus %d keeps the window on the screen (%s)" % (press, size))
        if window is not None:
            press_close_box(env["DISPLAY"], window)
            check(wait_exit(process) == 0, "the window on the small screen closes with status 0")
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()
        xvfb.terminate()
        xvfb.wait()


class ClientMessage(ctypes.Structure):
    _fields_ = [("type", ctypes.c_int), ("serial", ctypes.c_ulong), ("send_event", ctypes.c_int),
                ("display", ctypes.c_void_p), ("window", ctypes.c_ulong),
                ("message_type", ctypes.c_ulong), ("format", ctypes.c_int),
                ("data", ctypes.c_long * 5), ("pad", ctypes.c_long * 16)]


def press_close_box(display, window):
    """What a window manager sends when the close box is pressed: WM_DELETE_WINDOW. There is no
    window manager on the test display, and this xdotool cannot send it, so Xlib does."""
    xlib = ctypes.CDLL(ctypes.util.find_library("X11"))
    xlib.XOpenDisplay.restype = ctypes.c_void_p
    xlib.XOpenDisplay.argtypes = [ctypes.c_char_p]
    xlib.XInternAtom.restype = ctypes.c_ulong
    xlib.XInternAtom.argtypes = [ctypes.c_void_p, ctypes.c_char_p, ctypes.c_int]
    xlib.XSendEvent.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_long,
                                ctypes.c_void_p]
    xlib.XFlush.argtypes = [ctypes.c_void_p]
    xlib.XCloseDisplay.argtypes = [ctypes.c_void_p]
    connection = xlib.XOpenDisplay(display.encode())
    if not connection:
        raise RuntimeError("cannot open " + display)
    event = ClientMessage()
    event.type = 33  # ClientMessage
    event.window = int(window)
    event.message_type = xlib.XInternAtom(connection, b"WM_PROTOCOLS", 0)
    event.format = 32
    event.data[0] = xlib.XInternAtom(connection, b"WM_DELETE_WINDOW", 0)
    xlib.XSendEvent(connection, int(window), 0, 0, ctypes.byref(event))
    xlib.XFlush(connection)
    xlib.XCloseDisplay(connection)


def close_box(kvelt, env, game_dir):
    process = subprocess.Popen([kvelt, "--dir", game_dir], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.DEVNULL)
    try:
        window = find_window(env, "^kvelt$")
        check(window is not None, "the window opens to be closed")
        if window is None:
            return
        type_line(env, window, "")
        press_close_box(env["DISPLAY"], window)
        status = wait_exit(process)
        check(status == 0, "the close box ends the program with status 0 (got %s)" % status)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def kept_between_runs(kvelt, env, game_dir, artifacts):
    """The game is kept after every turn: the next start on the same folder shows the page and
    the carried objects it left, with the turns behind them to take back; --new shows the
    opening."""
    def start(*options):
        process = subprocess.Popen([kvelt, "--dir", game_dir] + list(options), env=env,
                                   stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        return process, find_window(env, "^kvelt$")

    def leave(process, window):
        press_close_box(env["DISPLAY"], window)
        wait_exit(process)

    def shot(window, name):
        return screenshot(env, window, os.path.join(artifacts, name))

    process, window = start()
    try:
        check(window is not None, "the window opens for a game to keep")
        if window is None:
            return
        for line in ("", "", "vezmi pochodeň"):
            type_line(env, window, line)
        left = shot(window, "fltk-window-kept.png")
        leave(process, window)
        process, window = start()
        resumed = shot(window, "fltk-window-resumed.png")
        check(region(resumed, NARRATION) == region(left, NARRATION) and
              region(resumed, CARRIED_PANE) == region(left, CARRIED_PANE),
              "a new start on the same folder shows the page and the carried objects left")
        carried = count(region(resumed, CARRIED_PANE), LIGHT_YELLOW)
        run(["xdotool", "key", "--window", window, "alt+u"], env)
        check(wait_for(lambda: count(region(shot(window, "fltk-window-resumed-undone.png"),
                                            CARRIED_PANE), LIGHT_YELLOW) < carried),
              "Alt+U after the new start takes the kept game's last turn back")
        run(["xdotool", "key", "--window", window, "ctrl+y"], env)
        time.sleep(0.3)
        leave(process, window)
        # The keys and the notice of a transcript that cannot be written are longer than the
        # status line's strip: it scrolls with Shift+PgDn, back with Shift+PgUp, on with F4.
        nowhere = os.path.join(game_dir, "složka, která není " * 6, "záznam.txt")
        process, window = start("--new", "--transcript", nowhere)
        fresh = shot(window, "fltk-window-new.png")
        check(region(fresh, NARRATION) != region(left, NARRATION) and
              count(region(fresh, CARRIED_PANE), LIGHT_YELLOW) < carried,
              "--new starts with the opening instead")
        for keys, expected in (("shift+Next", False), ("shift+Prior", True), ("F4", False)):
            run(["xdotool", "key", "--window", window, keys], env)
            check(wait_for(lambda: (region(shot(window, "fltk-window-status-scrolled.png"),
                                           STATUS_LINE) == region(fresh, STATUS_LINE)) == expected),
                  "%s scrolls the long status line %s" % (keys, "back" if expected else "on"))
        leave(process, window)
    finally:
        if process.poll() is None:
            process.kill()
            process.wait()


def dismiss_message_box(env, process):
    deadline = time.time() + 15
    while process.poll() is None and time.time() < deadline:
        found = run(["xdotool", "search", "--onlyvisible", "--name", "^kvelt$"], env)
        for dialog in found.stdout.split():
            run(["xdotool", "windowfocus", "--sync", dialog], env)
            run(["xdotool", "key", "--window", dialog, "Return"], env)
        time.sleep(0.3)


def vanished_catalogue(kvelt, env, game_dir):
    """The catalogue is read on every message; gone in the middle of a game, the next turn
    ends the program with status 1 and says why."""
    process = subprocess.Popen([kvelt, "--dir", game_dir], env=env, stdout=subprocess.DEVNULL,
                               stderr=subprocess.PIPE, text=True)
    window = find_window(env, "^kvelt$")
    check(window is not None, "the window opens before its catalogue goes")
    if window is not None:
        os.remove(os.path.join(game_dir, "scripts.tex"))
        type_line(env, window, "")
        dismiss_message_box(env, process)
    status = wait_exit(process, timeout=1)
    error = process.stderr.read()
    check(status == 1, "a catalogue gone during the game ends it with status 1 (got %s)" % status)
    check(error.startswith("kvelt: cannot read the catalogue "),
          "a catalogue gone during the game is told on standard error (%r)" % error)


def missing_catalogue(kvelt, env, empty_dir):
    process = subprocess.Popen([kvelt, "--dir", empty_dir], env=env, stdout=subprocess.PIPE,
                               stderr=subprocess.PIPE, text=True)
    # The message box waits for a key; it is pressed until the program has gone.
    dismiss_message_box(env, process)
    status = wait_exit(process, timeout=1)
    error = process.stderr.read()
    expected = "kvelt: cannot read the catalogue " + os.path.join(empty_dir, "scripts.tex") + ": "
    check(status == 1, "a missing catalogue ends the program with status 1 (got %s)" % status)
    check(error.startswith(expected), "a missing catalogue is told on standard error (%r)" % error)


def main():
    if len(sys.argv) not in (4, 5):
        print(__doc__)
        return 2
    kvelt, artifacts, data = sys.argv[1:4]
    winning = sys.argv[4] if len(sys.argv) == 5 else None
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print("skip: not installed: " + " ".join(missing) + " (tools/debian-packages.txt)")
        return SKIP
    os.makedirs(artifacts, exist_ok=True)
    xvfb, display = start_xvfb()
    config_dir = tempfile.mkdtemp(prefix="kvelt-config-")
    # A factor the person running the tests chose for their own game is not ours to use.
    env = dict(os.environ, DISPLAY=display, XDG_CONFIG_HOME=config_dir)
    env.pop("WAYLAND_DISPLAY", None)
    bind_czech_keys(env)
    try:
        with tempfile.TemporaryDirectory(prefix="kvelt-window-") as game_dir:
            with open(os.path.join(game_dir, "scripts.tex"), "wb") as catalogue:
                catalogue.write(numbered_catalogue())
            picture = os.path.join(data, "background.jpg")
            if os.path.exists(picture):
                shutil.copy(picture, game_dir)
            else:
                # Until the game's picture is delivered, a stand-in of the same size.
                subprocess.run(["convert", "-size", "840x625", "gradient:#405060-#102030",
                                os.path.join(game_dir, "background.jpg")], check=True)
            play(kvelt, env, game_dir, artifacts)
            if winning and os.path.exists(winning):
                won_dir = os.path.join(game_dir, "whole-game")
                os.mkdir(won_dir)
                shutil.copy(os.path.join(game_dir, "scripts.tex"), won_dir)
                whole_game(kvelt, env, won_dir, artifacts, winning)
            else:
                print("skip  the whole game: no list of winning lines given", flush=True)
            close_box(kvelt, env, game_dir)
            kept_dir = os.path.join(game_dir, "kept")
            os.mkdir(kept_dir)
            shutil.copy(os.path.join(game_dir, "scripts.tex"), kept_dir)
            kept_between_runs(kvelt, env, kept_dir, artifacts)
            vanishing_dir = os.path.join(game_dir, "vanishing")
            os.mkdir(vanishing_dir)
            shutil.copy(os.path.join(game_dir, "scripts.tex"), vanishing_dir)
            vanished_catalogue(kvelt, env, vanishing_dir)
            empty_dir = os.path.join(game_dir, "empty")
            os.mkdir(empty_dir)
            missing_catalogue(kvelt, env, empty_dir)
            scaled_window(kvelt, artifacts, game_dir, config_dir)
            small_screen(kvelt, game_dir, config_dir)
    finally:
        xvfb.terminate()
        xvfb.wait()
        shutil.rmtree(config_dir, ignore_errors=True)
    print("screenshot: " + os.path.join(artifacts, "fltk-window.png"))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
