#!/usr/bin/env python3
# The installed program: `cmake --install` into a read-only staging root, started by a fresh
# user under its own Xvfb. Its files go to the user's data folder, filled from the installed
# defaults, and stay there from one start to the next.
import os
import subprocess
import unittest

from e2e_test import TallybellCase, ini_value, read

SHIPPED = ["List1.txt", "List2.txt", "PINGPONG.WAV"]


class InstalledProgram(TallybellCase):
    def install(self):
        stage = os.path.join(self.tmp.name, "stage")
        subprocess.run([os.environ["TALLYBELL_CMAKE"], "--install",
                        os.environ["TALLYBELL_BUILD_DIR"], "--prefix", "/usr"], check=True,
                       env=dict(os.environ, DESTDIR=stage), stdout=subprocess.DEVNULL)
        for folder, _, files in os.walk(stage):
            for path in [os.path.join(folder, name) for name in files]:
                os.chmod(path, os.stat(path).st_mode & ~0o222)
            os.chmod(folder, 0o555)
        self.shared = os.path.join(stage, "usr", "share", "tallybell")
        self.run_as_unprivileged()
        return os.path.join(stage, "usr", "bin", "tallybell")

    def test_first_start_fills_the_data_folder_and_a_second_start_uses_it(self):
        tasks = os.path.join(self.data, "tallywork.ini")
        first = self.launch("testmode")
        wid = self.wait_main_window()
        self.assertEqual(os.stat(self.data).st_mode & 0o777, 0o700)
        self.assertFalse(os.path.exists(os.path.join(self.data, "tallydef.ini")))
        for name in SHIPPED:
            self.assertEqual(read(os.path.join(self.data, name)),
                             read(os.path.join(self.shared, name)), name)
        # Written into the renamed default list at the first start: the list is the user's.
        self.assertEqual(ini_value(tasks, "options", "wavefile"),
                         os.path.join(self.data, "PINGPONG.WAV"))
        self.assertIn(f'"{tasks}"', read(self.store).decode())
        self.quit(wid, first)

        # The user's own list is kept, the default task list is not brought back, and the
        # second start finds its first start done.
        with open(os.path.join(self.data, "List1.txt"), "wb") as f:
            f.write(b"My own piece\r\n")

        def program_files():
            return {name: read(os.path.join(self.data, name)) for name in os.listdir(self.data)
                    if name in SHIPPED + ["tallydef.ini", "tallywork.ini"]}
        before = program_files()
        stored = read(self.store)
        second = self.launch("testmode")
        self.wait_main_window()
        self.assertIsNone(second.poll())
        self.assertEqual(program_files(), before)
        self.assertEqual(read(self.store), stored)


if __name__ == "__main__":
    unittest.main(verbosity=2)
