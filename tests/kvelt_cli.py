"""Drives kvelt-cli --json turn by turn, for the end-to-end tests."""
import json
import os
import subprocess
import tempfile


def numbered_catalogue(lines=180):
    """Line n reads 'M<n> žluťoučký', so a page reads back as message numbers."""
    text = "".join(f"M{n} žluťoučký\r\n" for n in range(1, lines + 1))
    return text.encode("cp1250")


# The closing sequence of a won game, as the tests expect it.
ENDING = [171, 172, 179, 177, 178, 179, 179, 179, 180]


def message(n):
    return f"M{n} žluťoučký"


class Game:
    """One running kvelt-cli: send a line, read the one JSON object it answers with."""

    def __init__(self, cli, directory=None, catalogue=None, extra_args=()):
        self._tmp = None
        if directory is None:
            self._tmp = tempfile.TemporaryDirectory()
            directory = self._tmp.name
            with open(os.path.join(directory, "scripts.tex"), "wb") as f:
                f.write(catalogue if catalogue is not None else numbered_catalogue())
        self.directory = directory
        self.proc = subprocess.Popen(
            [cli, "--json", "--dir", directory, *extra_args],
            stdin=subprocess.PIPE, stdout=subprocess.PIPE, stderr=subprocess.PIPE)
        self.start = self._read()

    def _read(self):
        line = self.proc.stdout.readline()
        if not line:
            raise AssertionError("kvelt-cli ended early: " + self.proc.stderr.read().decode())
        return json.loads(line)

    def send(self, line):
        """Sends one line and waits for its object: this only works if every object is
        flushed as soon as its turn has run."""
        data = line.encode("utf-8") if isinstance(line, str) else line
        self.proc.stdin.write(data + b"\n")
        self.proc.stdin.flush()
        return self._read()

    def close(self):
        """Ends the input; returns the objects still written and the exit status."""
        if self.proc.returncode is not None:
            return [], self.proc.returncode
        if not self.proc.stdin.closed:
            self.proc.stdin.close()
        rest = [json.loads(l) for l in self.proc.stdout.read().splitlines()]
        code = self.proc.wait(timeout=30)
        self.proc.stdout.close()
        self.proc.stderr.close()
        if self._tmp:
            self._tmp.cleanup()
        return rest, code


def started(test, *args, **kwargs):
    """A Game that is closed when the test ends, whatever happens."""
    game = Game(*args, **kwargs)
    test.addCleanup(game.close)
    return game


def page(obj):
    return obj["narration"].split("\r\n")
