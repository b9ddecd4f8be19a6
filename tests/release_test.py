#!/usr/bin/env python3
"""The release's pieces that need no build: the source tarball and the two zips come out byte
for byte the same whatever the files' times, order and modes; the zips carry the licence; the
licences cover the story and the code; the manual pages name the version.

Usage: release_test.py SOURCE_DIR VERSION
"""
import fnmatch
import os
import subprocess
import sys
import tempfile
import unittest
import zipfile
from pathlib import Path

SOURCE = VERSION = None


def tool(name, *args):
    subprocess.run([str(Path(SOURCE) / "tools" / name), *map(str, args)], check=True,
                   capture_output=True, env=dict(os.environ, SOURCE_DATE_EPOCH="1700000000"))


def make_folder(folder, files, mtime, umask):
    old = os.umask(umask)
    try:
        folder.mkdir(parents=True)
        for name, data in files:
            (folder / name).write_bytes(data)
            os.utime(folder / name, (mtime, mtime))
    finally:
        os.umask(old)


class ReleaseTest(unittest.TestCase):
    def test_tarball_is_the_same_twice_and_holds_the_licence_and_news(self):
        if not (Path(SOURCE) / ".git").exists():
            self.skipTest("not a git checkout")
        with tempfile.TemporaryDirectory() as work:
            first, second = Path(work) / "1.tar.gz", Path(work) / "2.tar.gz"
            tool("make-tarball.sh", first)
            tool("make-tarball.sh", second)
            self.assertEqual(first.read_bytes(), second.read_bytes())
            names = subprocess.run(["tar", "-tzf", first], capture_output=True, text=True,
                                   check=True).stdout.split()
            self.assertTrue(all(n.startswith(f"kvelt-{VERSION}/") for n in names))
            for name in ["LICENSE", "NEWS.md", "debian/copyright"]:
                self.assertIn(f"kvelt-{VERSION}/{name}", names)

    def test_zips_are_the_same_whatever_times_order_and_modes_and_carry_the_licence(self):
        licence = (Path(SOURCE) / "LICENSE").read_bytes()
        cases = [("pack-windows.sh", [("kvelt.exe", b"MZ"), ("scripts.tex", b"1\r\n")],
                  "kvelt/LICENSE.txt", licence.replace(b"\n", b"\r\n")),
                 ("pack-web.sh", [("index.html", b"<html>"), ("kvelt.wasm", b"\0asm")],
                  "kvelt/LICENSE", licence)]
        for script, files, licence_name, licence_bytes in cases:
            with self.subTest(script=script), tempfile.TemporaryDirectory() as work:
                zips = []
                for run, (mtime, umask) in enumerate([(1e9, 0o022), (1.5e9, 0o077)]):
                    order = files if run == 0 else files[::-1]
                    make_folder(Path(work) / f"in{run}", order, mtime, umask)
                    zips.append(Path(work) / f"out{run}.zip")
                    tool(script, Path(work) / f"in{run}", zips[-1])
                self.assertEqual(zips[0].read_bytes(), zips[1].read_bytes())
                with zipfile.ZipFile(zips[0]) as packed:
                    names = packed.namelist()
                    self.assertEqual(sorted(names), names)
                    # Dated to SOURCE_DATE_EPOCH, 1700000000, in UTC.
                    self.assertEqual({(2023, 11, 14, 22, 13, 20)},
                                     {entry.date_time for entry in packed.infolist()})
                    self.assertEqual(licence_bytes, packed.read(licence_name))
                    for name, data in files:
                        self.assertEqual(data, packed.read("kvelt/" + name))

    def test_copyright_gives_the_story_and_pictures_cc_by_sa_and_the_code_mit(self):
        paragraphs = (Path(SOURCE) / "debian/copyright").read_text().split("\n\n")
        fields = [dict(line.split(": ", 1) for line in p.splitlines() if ": " in line)
                  for p in paragraphs]
        patterns = [(p.split("Files:", 1)[1].split("\nCopyright:")[0].split(), f["License"])
                    for p, f in zip(paragraphs, fields) if p.startswith("Files:")]
        standalone = {f["License"] for p, f in zip(paragraphs, fields) if p.startswith("License:")}

        def licence_of(path):  # the last paragraph that matches wins
            return [lic for globs, lic in patterns if any(fnmatch.fnmatch(path, g) for g in globs)][-1]

        self.assertEqual({"MIT", "CC-BY-SA-4.0"}, standalone)
        story = [str(p.relative_to(SOURCE)) for p in (Path(SOURCE) / "data").rglob("*")
                 if p.is_file()] + ["data/hints.txt", "data/rooms.txt"]
        for path in story:
            self.assertEqual("CC-BY-SA-4.0", licence_of(path), path)
        for path in ["src/main.cpp", "frontends/web/page/page.js", "tools/release.sh"]:
            self.assertEqual("MIT", licence_of(path), path)
        text = (Path(SOURCE) / "LICENSE").read_text()
        for words in ["MIT", "CC BY-SA 4.0", "creativecommons.org/licenses/by-sa/4.0"]:
            self.assertIn(words, text)

    def test_manual_pages_name_this_version(self):
        for page in sorted((Path(SOURCE) / "docs/man").glob("*.6")):
            header = [line for line in page.read_text().splitlines() if line.startswith(".TH")]
            self.assertIn(f'"kvelt {VERSION}"', header[0], page.name)


if __name__ == "__main__":
    SOURCE, VERSION = sys.argv[1:3]
    unittest.main(argv=sys.argv[:1])
