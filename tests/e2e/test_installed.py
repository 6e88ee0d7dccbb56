#!/usr/bin/env python3
"""The installed program: `cmake --install` into a read-only staging root, started with a
fresh home folder under its own Xvfb. Its files go to the user's data folder, filled from
the installed defaults, and stay there from one start to the next.
"""
import os
import stat
import subprocess
import sys
import tempfile
import unittest

from e2e_test import TallybellCase, ini_value, wait_for

BUILD_DIR = os.environ.get("TALLYBELL_BUILD_DIR", "")
CMAKE = os.environ.get("TALLYBELL_CMAKE", "cmake")
SHIPPED = ["List1.txt", "List2.txt", "PINGPONG.WAV"]


def read(path):
    with open(path, "rb") as f:
        return f.read()


class InstalledProgram(TallybellCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="tallybell-installed-")
        os.chmod(self.tmp.name, 0o755)
        self.stage = os.path.join(self.tmp.name, "stage")
        subprocess.run([CMAKE, "--install", BUILD_DIR, "--prefix", "/usr"], check=True,
                       env=dict(os.environ, DESTDIR=self.stage), stdout=subprocess.DEVNULL)
        self.binary = os.path.join(self.stage, "usr", "bin", "tallybell")
        self.shared = os.path.join(self.stage, "usr", "share", "tallybell")
        for folder, _, files in os.walk(self.stage):
            for name in files:
                path = os.path.join(folder, name)
                os.chmod(path, os.stat(path).st_mode & ~0o222)
            os.chmod(folder, 0o555)

        self.home = os.path.join(self.tmp.name, "home")
        runtime = os.path.join(self.tmp.name, "runtime")
        os.makedirs(self.home)
        os.makedirs(runtime, mode=0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith("XDG_") and k != "DBUS_SESSION_BUS_ADDRESS"}
        self.env.update(DISPLAY=self.display, HOME=self.home, XDG_RUNTIME_DIR=runtime,
                        QT_QPA_PLATFORM="xcb")
        self.procs = []
        self.run_as = []
        self.run_as_unprivileged(self.home, runtime)

    def tearDown(self):
        for folder, _, _ in os.walk(self.stage):
            os.chmod(folder, 0o755)
        super().tearDown()

    def test_first_start_fills_the_data_folder_and_a_second_start_uses_it(self):
        data = os.path.join(self.home, ".local", "share", "Tallybell")
        tasks = os.path.join(data, "tallywork.ini")
        store = os.path.join(self.home, ".config", "Orvane", "Tallybell", "registry.ini")

        first = self.launch("testmode")
        wid = self.wait_main_window()
        self.assertEqual(stat.S_IMODE(os.stat(data).st_mode), 0o700)
        self.assertTrue(os.path.exists(tasks), "the default task list was not renamed")
        self.assertFalse(os.path.exists(os.path.join(data, "tallydef.ini")))
        for name in SHIPPED:
            self.assertEqual(read(os.path.join(data, name)),
                             read(os.path.join(self.shared, name)), name)
        self.assertEqual(ini_value(tasks, "options", "wavefile"),
                         os.path.join(data, "PINGPONG.WAV"))
        self.assertIn(tasks, read(store).decode())

        # A testmode session runs there: ten seconds a task.
        self.press(wid, "alt+s")
        self.assertTrue(wait_for(lambda: ini_value(tasks, "currenttask", "number") == "1", 5),
                        "Start did not show the first task")
        self.assertTrue(wait_for(lambda: ini_value(tasks, "currenttask", "number") == "2", 15),
                        "the second task did not begin")
        self.press(wid, "alt+s")
        # Quit is enabled once the stop has been shown.
        for _ in range(5):
            self.press(wid, "alt+q")
            if wait_for(lambda: first.poll() is not None, 2):
                break
        self.assertEqual(first.wait(5), 0)

        # The user's own list is kept, the default task list is not brought back, and the
        # second start finds its first start done.
        mine = os.path.join(data, "List1.txt")
        with open(mine, "wb") as f:
            f.write(b"My own piece\r\n")
        def program_files():
            return {name: read(os.path.join(data, name)) for name in os.listdir(data)
                    if name in SHIPPED + ["tallydef.ini", "tallywork.ini"]}
        before = program_files()
        stored = read(store)
        second = self.launch("testmode")
        self.wait_main_window()
        self.assertIsNone(second.poll())
        self.assertEqual(program_files(), before)
        self.assertEqual(read(store), stored)


if __name__ == "__main__":
    if not BUILD_DIR or not os.path.isdir(BUILD_DIR):
        sys.exit("TALLYBELL_BUILD_DIR must name the build folder")
    unittest.main(verbosity=2)
