"""Hostile input through kvelt-cli: huge and broken lines, odd catalogues, vanishing files."""
import json
import os
import resource
import subprocess
import sys
import tempfile
import threading
import time
import unittest

from kvelt_cli import Game, started, message, page, numbered_catalogue

CLI = sys.argv.pop(1) if len(sys.argv) > 1 else "build/bin/kvelt-cli"


def run_cli(directory, data, timeout=300):
    return subprocess.run([CLI, "--json", "--dir", directory], input=data,
                          capture_output=True, timeout=timeout)


def game_dir(catalogue=None):
    d = tempfile.TemporaryDirectory()
    with open(os.path.join(d.name, "scripts.tex"), "wb") as f:
        f.write(catalogue if catalogue is not None else numbered_catalogue())
    return d


class HostileLinesTest(unittest.TestCase):
    def test_ten_megabyte_line_is_just_an_unknown_command(self):
        g = started(self, CLI)
        g.send("")
        turn = g.send("vezmi " + "x" * (10 * 1024 * 1024))
        self.assertFalse(turn["gameOver"])
        self.assertEqual(page(turn)[0], message(2) + " Vidíš")
        self.assertEqual(page(g.send("vezmi dýku"))[-1], "dýku již u sebe máš!")

    def test_nul_bytes_control_characters_and_broken_utf8(self):
        g = started(self, CLI)
        g.send("")
        for line in (b"\x00" * 4096, b"\x1b[2J\x07\x08\x7f", b"\xc3\x28\xa0\xa1\xff",
                     b"s\rs", b"save 3\x00", b"\xed\xa0\x80"):
            turn = g.send(line)
            self.assertEqual(turn["event"], "turn")
            self.assertEqual((turn["posX"], turn["posY"]), (3, 7))
        rest, code = g.close()
        self.assertEqual(code, 0)


class ManyTurnsTest(unittest.TestCase):
    def measure(self, turns):
        with game_dir() as d:
            before = resource.getrusage(resource.RUSAGE_CHILDREN)
            start = time.monotonic()
            proc = subprocess.Popen([CLI, "--json", "--dir", d], stdin=subprocess.PIPE,
                                    stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
            proc.communicate(b"\n" * turns, timeout=600)
            elapsed = time.monotonic() - start
            self.assertEqual(proc.returncode, 0)
            return elapsed, resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss

    def test_hundred_thousand_enters_neither_grow_nor_slow_down(self):
        small_time, small_rss = self.measure(10_000)
        big_time, big_rss = self.measure(100_000)
        # ru_maxrss is the largest child so far: the big run may not exceed the small one by
        # more than a few megabytes, and ten times the turns may take at most ~10x the time.
        self.assertLess(big_rss, small_rss + 8 * 1024, (small_rss, big_rss))
        self.assertLess(big_time, 10 * small_time * 2 + 2, (small_time, big_time))


class OddCataloguesTest(unittest.TestCase):
    def test_catalogue_of_a_hundred_thousand_lines(self):
        g = started(self, CLI, catalogue=numbered_catalogue(100_000))
        self.assertEqual(page(g.send("")), [message(174)])
        self.assertEqual(page(g.send(""))[0], message(2) + " Vidíš")

    def test_catalogue_with_mixed_line_ends(self):
        lines = [f"M{n} žluťoučký".encode("cp1250") for n in range(1, 181)]
        ends = [b"\r\n", b"\r", b"\n"]
        data = b"".join(line + ends[i % 3] for i, line in enumerate(lines))
        g = started(self, CLI, catalogue=data)
        self.assertEqual(page(g.start), [message(n) for n in (1, 33, 35, 37)])
        self.assertEqual(page(g.send("")), [message(174)])

    def test_catalogue_removed_while_playing_ends_cleanly(self):
        with game_dir() as d:
            proc = subprocess.Popen([CLI, "--json", "--dir", d], stdin=subprocess.PIPE,
                                    stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            proc.stdout.readline()
            os.remove(os.path.join(d, "scripts.tex"))
            out, err = proc.communicate(b"\n", timeout=30)
            self.assertEqual(proc.returncode, 1)
            self.assertEqual(out, b"")
            self.assertIn(os.path.join(d, "scripts.tex"), err.decode())
            self.assertEqual(len(err.decode().strip().splitlines()), 1)


def make_hostile(path, kind):
    """Puts something that is not a plain file of sensible size at path."""
    if kind == "fifo":
        os.mkfifo(path)
    elif kind == "device":
        os.symlink("/dev/zero", path)
    elif kind == "folder":
        os.mkdir(path)
    elif kind == "huge":
        with open(path, "wb") as f:
            f.truncate(17 * 1024 * 1024)


HOSTILE_KINDS = ("fifo", "device", "folder", "huge")


class HostileFilesTest(unittest.TestCase):
    """FIFOs, devices, folders and huge files where the game's files belong: never a hang."""

    def test_catalogue_that_is_not_a_plain_file_ends_the_run_with_one_line(self):
        for kind in HOSTILE_KINDS:
            with self.subTest(kind), tempfile.TemporaryDirectory() as d:
                make_hostile(os.path.join(d, "scripts.tex"), kind)
                result = run_cli(d, b"", timeout=30)
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stdout, b"")
                self.assertEqual(len(result.stderr.decode().strip().splitlines()), 1)

    def test_slot_file_that_is_not_a_plain_file_gives_a_notice(self):
        for kind in HOSTILE_KINDS:
            for name in ("save3.s", "savex3.s"):
                with self.subTest(kind=kind, name=name), game_dir() as d:
                    g = started(self, CLI, directory=d)
                    g.send("save 3")
                    os.remove(os.path.join(d, name))
                    make_hostile(os.path.join(d, name), kind)
                    loaded = g.send("load 3")
                    self.assertEqual(loaded["notice"], "Pozici 3 nelze přečíst.")
                    self.assertEqual((loaded["posX"], loaded["posY"]), (3, 7))
                    g.close()


class FullStandardOutputTest(unittest.TestCase):
    def test_transcript_that_cannot_be_written_ends_with_status_1(self):
        for mode in ("--json", None):
            with self.subTest(mode), game_dir() as d, open("/dev/full", "wb") as full:
                args = [CLI, "--dir", d] + ([mode] if mode else [])
                result = subprocess.run(args, input=b"s\n" * 1000, stdout=full,
                                        stderr=subprocess.PIPE, timeout=60)
                self.assertEqual(result.returncode, 1)
                self.assertEqual(result.stderr.decode().strip().splitlines(),
                                 ["kvelt-cli: cannot write to standard output"])


LINE_CUT = "Řádek byl delší než 4096 bajtů; hra vzala jen jeho začátek."


def peak_rss_kb(args, chunks, **kwargs):
    """Runs a program fed the chunks; its exit status, its output and its peak memory."""
    proc = subprocess.Popen(args, stdin=subprocess.PIPE, stdout=subprocess.PIPE,
                            stderr=subprocess.DEVNULL, **kwargs)
    out = []
    reader = threading.Thread(target=lambda: out.append(proc.stdout.read()))
    reader.start()
    for chunk in chunks:
        proc.stdin.write(chunk)
    proc.stdin.close()
    reader.join(timeout=300)
    _, status, usage = os.wait4(proc.pid, 0)
    proc.returncode = os.waitstatus_to_exitcode(status)
    return proc.returncode, out[0], usage.ru_maxrss


class StreamsTest(unittest.TestCase):
    def test_endless_lines_keep_memory_flat_and_are_cut_with_an_answer(self):
        megabyte = 1 << 20
        with game_dir() as d:
            _, _, small = peak_rss_kb([CLI, "--json", "--dir", d], [b"\n"])
        for name, filler in (("an endless line", b"y"), ("NUL bytes", b"\0")):
            with self.subTest(name), game_dir() as d:
                code, out, peak = peak_rss_kb([CLI, "--json", "--dir", d],
                                              [b"\n"] + [filler * megabyte] * 100 + [b"\n"])
                self.assertEqual(code, 0)
                self.assertLess(peak, small + 4 * 1024, "kB at the peak, for 100 MB in one line")
                turns = [json.loads(l) for l in out.splitlines()]
                self.assertEqual(turns[2]["status"], LINE_CUT)
                self.assertEqual(len(turns[2]["line"].encode()), 4097)

    def test_closed_pipe_closed_output_and_failed_input_end_with_one_line(self):
        with game_dir() as d:
            # A reader that goes away: no SIGPIPE, status 1.
            proc = subprocess.Popen([CLI, "--dir", d], stdin=subprocess.PIPE,
                                    stdout=subprocess.PIPE, stderr=subprocess.PIPE)
            proc.stdout.read(10)
            proc.stdout.close()
            _, err = proc.communicate(b"s\n" * 100000, timeout=60)
            self.assertEqual((proc.returncode, err.decode().splitlines()),
                             (1, ["kvelt-cli: cannot write to standard output"]))
            with tempfile.TemporaryDirectory() as other:
                transcript = os.path.join(other, "t.txt")
                result = subprocess.run(f'exec {CLI} --dir {d} --transcript {transcript} >&-',
                                        shell=True, input=b"s\n", capture_output=True, timeout=60)
                self.assertEqual((result.returncode, result.stderr.decode().splitlines()),
                                 (1, ["kvelt-cli: standard output is closed"]))
                self.assertFalse(os.path.exists(transcript) and os.path.getsize(transcript))
            folder = os.open(d, os.O_RDONLY)  # reading a folder fails: EISDIR
            result = subprocess.run([CLI, "--dir", d], stdin=folder, capture_output=True,
                                    timeout=60)
            os.close(folder)
            self.assertEqual(result.returncode, 1)
            self.assertEqual(result.stderr.decode().splitlines(),
                             ["kvelt-cli: cannot read standard input"])

    def test_fifo_transcript_without_reader_or_with_one_that_quits(self):
        with game_dir() as d, tempfile.TemporaryDirectory() as other:
            fifo = os.path.join(other, "fifo")
            os.mkfifo(fifo)
            result = subprocess.run([CLI, "--json", "--dir", d, "--transcript", fifo],
                                    input=b"s\nexit\n", capture_output=True, timeout=30)
            self.assertEqual(result.returncode, 0)
            self.assertEqual(len(result.stderr.decode().splitlines()), 1)
            self.assertEqual(len(result.stdout.splitlines()), 3)
            reader = os.open(fifo, os.O_RDONLY | os.O_NONBLOCK)
            g = started(self, CLI, d, extra_args=("--transcript", fifo))
            g.send("")
            os.close(reader)
            for _ in range(20):
                self.assertEqual(g.send("s")["event"], "turn")
            rest, code = g.close()
            self.assertEqual(code, 0)

    def test_file_size_limit_fails_the_save_with_a_notice(self):
        with game_dir() as d:
            result = subprocess.run(
                [CLI, "--json", "--dir", d], input=b"\nsave 1\n", capture_output=True,
                timeout=60, preexec_fn=lambda: resource.setrlimit(resource.RLIMIT_FSIZE,
                                                                  (1000, 1000)))
            self.assertEqual(result.returncode, 0)
            turns = [json.loads(l) for l in result.stdout.splitlines()]
            self.assertEqual(turns[2]["notice"], "Hru se nepodařilo uložit do pozice 1.")


class ReadOnlyGameDirectoryTest(unittest.TestCase):
    """A game directory the game cannot write: it plays on, and saves say they failed."""

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory()
        self.dir = self.tmp.name
        self.addCleanup(self.tmp.cleanup)
        mounted = subprocess.run(["mount", "-t", "tmpfs", "-o", "size=64k", "tmpfs", self.dir],
                                 capture_output=True)
        if mounted.returncode != 0:
            self.skipTest("cannot mount a tmpfs here (needs root): "
                          + mounted.stderr.decode().strip())
        self.addCleanup(subprocess.run, ["umount", self.dir], capture_output=True)
        with open(os.path.join(self.dir, "scripts.tex"), "wb") as f:
            f.write(numbered_catalogue())
        subprocess.run(["mount", "-o", "remount,ro", self.dir], check=True)

    def test_saving_fails_with_a_notice_and_the_game_goes_on(self):
        g = started(self, CLI, directory=self.dir)
        g.send("")
        saved = g.send("save 1")
        self.assertIn("1", saved.get("notice", ""))
        self.assertNotIn("status", saved)  # a failed save is not confirmed
        self.assertFalse(saved["gameOver"])
        self.assertEqual(page(saved)[0], message(2) + " Vidíš")
        loaded = g.send("load 1")
        self.assertIn("notice", loaded)
        quiet = g.send("vezmi dýku")
        self.assertNotIn("notice", quiet)
        self.assertEqual(os.listdir(self.dir), ["scripts.tex"])


if __name__ == "__main__":
    unittest.main()
