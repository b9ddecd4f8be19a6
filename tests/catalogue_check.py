#!/usr/bin/env python3
"""Checks the shipped narration catalogue scripts.tex before it goes out.

Usage: catalogue_check.py DIR_OR_FILE
  DIR_OR_FILE is scripts.tex itself, or a directory holding it (directly or in
  data/).

The game prints lines 1 to 180 by number, except 3 and 4, and reads the file in
Windows-1250. A line it prints must not be empty: an empty line wipes the
narration pane or adds a blank where a room, an answer or a death belongs. A
lone CR inside a line would split it and shift every later message by one, and
a file saved as UTF-8 by mistake shows garbage instead of Czech letters. Exits 0
when the catalogue is fine, 1 with the reasons otherwise.
"""

import os
import sys

MESSAGE_COUNT = 180
NEVER_PRINTED = {3, 4}
MAX_LINE_CHARS = 1000


def find_catalogue(path):
    if os.path.isdir(path):
        for candidate in (os.path.join(path, "scripts.tex"),
                          os.path.join(path, "data", "scripts.tex")):
            if os.path.isfile(candidate):
                return candidate
        return os.path.join(path, "scripts.tex")
    return path


def split_lines(text):
    """Splits at CR LF, lone CR or lone LF; returns (line, ending) pairs.

    The last line may have no ending (ending ""); a file that ends with a line
    end has no empty line after it.
    """
    lines = []
    start = 0
    i = 0
    n = len(text)
    while i < n:
        ch = text[i]
        if ch == "\r":
            ending = "\r\n" if i + 1 < n and text[i + 1] == "\n" else "\r"
        elif ch == "\n":
            ending = "\n"
        else:
            i += 1
            continue
        lines.append((text[start:i], ending))
        i += len(ending)
        start = i
    if start < n:
        lines.append((text[start:], ""))
    return lines


def check(raw):
    """Returns the list of problems found in the catalogue's bytes."""
    problems = []
    if any(b >= 0x80 for b in raw):
        try:
            raw.decode("utf-8")
        except UnicodeDecodeError:
            pass
        else:
            problems.append("the file is UTF-8, not Windows-1250 "
                            "(run tools/make_catalogue.sh)")
            return problems
    try:
        text = raw.decode("cp1250")
    except UnicodeDecodeError as err:
        problems.append("byte %d (0x%02x) is not a Windows-1250 character"
                        % (err.start, raw[err.start]))
        return problems

    lines = split_lines(text)
    for number, (line, ending) in enumerate(lines, start=1):
        if ending == "\r":
            problems.append("line %d ends with a lone CR; the game would read "
                            "the text after it as the next message" % number)
        elif ending == "\n":
            problems.append("line %d ends with LF alone, not CR LF" % number)
        elif ending == "" and number <= MESSAGE_COUNT:
            problems.append("line %d has no line end (CR LF)" % number)
        if len(line) > MAX_LINE_CHARS:
            problems.append("line %d is %d characters long (limit %d)"
                            % (number, len(line), MAX_LINE_CHARS))
        if any(ord(c) < 32 for c in line):
            problems.append("line %d holds a control character" % number)

    if len(lines) < MESSAGE_COUNT:
        problems.append("only %d lines; the game prints messages up to %d"
                        % (len(lines), MESSAGE_COUNT))
    for number in range(1, min(len(lines), MESSAGE_COUNT) + 1):
        if number in NEVER_PRINTED:
            continue
        if not lines[number - 1][0].strip():
            problems.append("message %d is empty or blank, but the game "
                            "prints it" % number)
    return problems


def main(argv):
    if len(argv) != 2:
        print("usage: catalogue_check.py DIR_OR_FILE", file=sys.stderr)
        return 2
    path = find_catalogue(argv[1])
    try:
        with open(path, "rb") as f:
            raw = f.read()
    except OSError as err:
        print("catalogue_check: cannot read %s: %s" % (path, err.strerror))
        return 1
    problems = check(raw)
    if problems:
        for problem in problems:
            print("catalogue_check: %s: %s" % (path, problem))
        return 1
    print("catalogue_check: %s is fine" % path)
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
