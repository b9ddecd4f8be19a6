#!/usr/bin/env python3
"""An installed game: cmake --install into a temporary prefix, then the installed line mode reads
its catalogue from share/kvelt and saves into $XDG_DATA_HOME/kvelt, not beside the program.

Usage: install_test.py CMAKE BUILD_DIR
"""
import os
import subprocess
import sys
import tempfile
import unittest

CMAKE = BUILD = None


class InstallTest(unittest.TestCase):
    def test_installed_game_reads_share_and_saves_in_the_user_data_folder(self):
        with tempfile.TemporaryDirectory(prefix="kvelt-install-") as root:
            prefix = os.path.join(root, "usr")
            subprocess.run([CMAKE, "--install", BUILD, "--prefix", prefix], check=True,
                           stdout=subprocess.DEVNULL)
            for path in ["bin/kvelt-cli", "share/kvelt/scripts.tex"]:
                self.assertTrue(os.path.exists(os.path.join(prefix, path)), path)
            for program in ["kvelt", "kvelt-term"]:  # when this build made them
                if os.path.exists(os.path.join(BUILD, "bin", program)):
                    self.assertTrue(os.path.exists(os.path.join(prefix, "bin", program)), program)
            if os.path.exists(os.path.join(BUILD, "bin", "kvelt")):
                for path in ["share/applications/kvelt.desktop", "share/kvelt/background.jpg"]:
                    self.assertTrue(os.path.exists(os.path.join(prefix, path)), path)

            data_home = os.path.join(root, "data")
            env = dict(os.environ, XDG_DATA_HOME=data_home, HOME=os.path.join(root, "home"))
            result = subprocess.run([os.path.join(prefix, "bin/kvelt-cli")], input="save 3\nexit\n",
                                    capture_output=True, text=True, env=env, timeout=30)
            self.assertEqual(0, result.returncode, result.stderr)
            self.assertEqual(["kvelt.lock", "save3.s", "savex3.s"],
                             sorted(os.listdir(os.path.join(data_home, "kvelt"))))
            self.assertEqual([], [name for name in os.listdir(os.path.join(prefix, "bin"))
                                  if name.endswith(".s")])


if __name__ == "__main__":
    CMAKE, BUILD = sys.argv[1], sys.argv[2]
    unittest.main(argv=sys.argv[:1])
