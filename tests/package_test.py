#!/usr/bin/env python3
"""The Debian package: built with dpkg-buildpackage, clean for lintian and appstreamcli, laid out
as Debian's games are, and playable once unpacked anywhere: its kvelt-cli finds its catalogue
under the unpacked usr/share/games/kvelt and saves into $XDG_DATA_HOME/kvelt.

Usage: package_test.py SOURCE_DIR WORK_DIR KVELT_CLI VERSION
KVELT_CLI is the build's own line mode, whose transcript the packaged one must repeat.
"""
import gzip
import json
import os
import re
import shutil
import subprocess
import sys
import tempfile
import unittest
import xml.etree.ElementTree as ElementTree
from email.utils import parsedate_to_datetime
from pathlib import Path

SOURCE = WORK = CLI = VERSION = None
TOOLS = ["dpkg-buildpackage", "dpkg-deb", "dpkg-parsechangelog", "lintian", "appstreamcli", "man"]
PAGES = {"kvelt": ["OPTIONS", "KEYS", "FILES"], "kvelt-term": ["OPTIONS", "KEYS", "FILES"],
         "kvelt-cli": ["OPTIONS", "FILES"]}


def run(command, **options):
    return subprocess.run(command, capture_output=True, text=True, timeout=120, **options)


class PackageTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        out = Path(WORK) / "dist"
        shutil.rmtree(WORK, ignore_errors=True)
        build = subprocess.run(
            [str(Path(SOURCE) / "tools/build-deb.sh"), str(out)],
            env=dict(os.environ, KVELT_DEB_STAGE=str(Path(WORK) / "stage")),
            capture_output=True, text=True, timeout=1800)
        if build.returncode != 0:
            raise AssertionError("build-deb.sh failed:\n" + build.stdout[-4000:] + build.stderr)
        cls.deb = out / f"kvelt_{VERSION}_amd64.deb"
        cls.root = Path(WORK) / "root"
        subprocess.run(["dpkg-deb", "-x", str(cls.deb), str(cls.root)], check=True)

    def test_one_version_in_cmake_changelog_and_package(self):
        changelog = run(["dpkg-parsechangelog", "-l", str(Path(SOURCE) / "debian/changelog"),
                         "-S", "Version"]).stdout.strip()
        packaged = run(["dpkg-deb", "-f", str(self.deb), "Version"]).stdout.strip()
        self.assertEqual((VERSION, VERSION), (changelog, packaged))

    def test_news_changelog_and_appstream_name_the_same_releases(self):
        news = re.findall(r"^## (\S+) \((\d{4}-\d\d-\d\d)\)$",
                          (Path(SOURCE) / "NEWS.md").read_text(), re.M)
        changelog = gzip.decompress(
            (self.root / "usr/share/doc/kvelt/changelog.gz").read_bytes()).decode()
        entries = zip(re.findall(r"^kvelt \((\S+)\)", changelog, re.M),
                      re.findall(r"^ -- .*?  (.*)$", changelog, re.M))
        debian = [(v, parsedate_to_datetime(d).date().isoformat()) for v, d in entries]
        metainfo = ElementTree.parse(self.root / "usr/share/metainfo/kvelt.metainfo.xml")
        appstream = [(r.get("version"), r.get("date")) for r in metainfo.iter("release")]
        self.assertEqual(VERSION, news[0][0])
        self.assertEqual((news, news), (debian, appstream))

    def test_lintian_reports_no_errors_or_warnings(self):
        result = run(["lintian", "--fail-on", "error,warning", str(self.deb)])
        self.assertEqual(0, result.returncode, result.stdout + result.stderr)

    def test_files_where_debian_puts_a_game(self):
        for path in ["usr/games/kvelt", "usr/games/kvelt-term", "usr/games/kvelt-cli",
                     "usr/share/games/kvelt/scripts.tex", "usr/share/games/kvelt/hints.txt",
                     "usr/share/games/kvelt/background.jpg",
                     "usr/share/games/kvelt/kvelt.png", "usr/share/applications/kvelt.desktop",
                     "usr/share/metainfo/kvelt.metainfo.xml", "usr/share/doc/kvelt/copyright",
                     *[f"usr/share/icons/hicolor/{n}x{n}/apps/kvelt.png"
                       for n in (16, 22, 24, 32, 48, 64, 128, 256)],
                     *[f"usr/share/man/man6/{page}.6.gz" for page in PAGES]]:
            self.assertTrue((self.root / path).is_file(), path)
        self.assertFalse((self.root / "usr/bin").exists())

    def test_appstream_metadata_is_valid(self):
        result = run(["appstreamcli", "validate", "--no-net",
                      str(self.root / "usr/share/metainfo/kvelt.metainfo.xml")])
        self.assertEqual(0, result.returncode, result.stdout + result.stderr)

    def test_manual_pages_render_without_warnings(self):
        # The pages hold Czech words, so they are read as a UTF-8 terminal shows them.
        env = dict(os.environ, LC_ALL="C.UTF-8", MANWIDTH="80")
        for page, sections in PAGES.items():
            with self.subTest(page=page):
                path = self.root / f"usr/share/man/man6/{page}.6.gz"
                result = run(["man", "--warnings", "-l", str(path)], env=env)
                self.assertEqual(("", 0), (result.stderr, result.returncode))
                for section in ["NAME", "SYNOPSIS", *sections]:
                    self.assertIn("\n" + section + "\n", result.stdout)

    def test_unpacked_game_plays_the_winning_game_from_another_folder(self):
        winning = Path(SOURCE) / "tests/data/winning_sequence.txt"
        with tempfile.TemporaryDirectory() as elsewhere:
            env = dict(os.environ, XDG_DATA_HOME=os.path.join(elsewhere, "data"))
            with open(winning, "rb") as lines:
                packaged = subprocess.run([str(self.root / "usr/games/kvelt-cli"), "--json"],
                                          stdin=lines, capture_output=True, cwd=elsewhere,
                                          env=env, timeout=60)
            self.assertEqual(0, packaged.returncode, packaged.stderr)
            # The built game plays from a copy of the catalogue: the source tree gets no lock file.
            built_dir = Path(elsewhere) / "built"
            built_dir.mkdir()
            shutil.copy(Path(SOURCE) / "data" / "scripts.tex", built_dir)
            with open(winning, "rb") as lines:
                built = subprocess.run([CLI, "--json", "--dir", str(built_dir)],
                                       stdin=lines, capture_output=True, timeout=60, check=True)
            events = [json.loads(line) for line in packaged.stdout.splitlines()]
            self.assertTrue(events[-2]["gameOver"])
            self.assertEqual(built.stdout, packaged.stdout)

    def test_unpacked_game_saves_in_xdg_data_home(self):
        with tempfile.TemporaryDirectory() as elsewhere:
            data = Path(elsewhere) / "data"
            result = run([str(self.root / "usr/games/kvelt-cli")], input="save 4\nexit\n",
                         cwd=elsewhere, env=dict(os.environ, XDG_DATA_HOME=str(data)))
            self.assertEqual(0, result.returncode, result.stderr)
            self.assertEqual(["kvelt.lock", "save4.s", "savex4.s"],
                             sorted(os.listdir(data / "kvelt")))
            self.assertEqual(["data"], os.listdir(elsewhere))
            self.assertEqual([], [p.name for p in self.root.rglob("*.s")])


if __name__ == "__main__":
    SOURCE, WORK, CLI, VERSION = sys.argv[1:5]
    missing = [tool for tool in TOOLS if shutil.which(tool) is None]
    if missing:
        print("skip: not installed: " + " ".join(missing) + " (tools/install-deps.sh deb)")
        sys.exit(77)
    unittest.main(argv=sys.argv[:1])
