#!/usr/bin/env python3
# Drives the real tallybell binary under its own Xvfb with real key presses (xdotool), as a
# fresh user with a home folder of its own, and checks the files it leaves. These tests keep
# to what needs the real program: its processes, its windows under X and its files (its
# installed layout is checked by scripts/check-deb.sh, from the package on a clean system).
# Run with the names of the test classes to run.
import datetime
import glob
import os
import shutil
import sqlite3
import subprocess
import tempfile
import time
import unittest

ONE_TASK = "[Task1]\r\ndescription1=Warm up\r\n"  # ten seconds in testmode
TWO_TASKS = ONE_TASK + "[Task2]\r\ndescription1=Scales\r\n"


def read(path):
    with open(path, "rb") as f:
        return f.read()


def wait_for(predicate, timeout):
    end = time.monotonic() + timeout
    while not (value := predicate()) and time.monotonic() < end:
        time.sleep(0.1)
    return value


def write(path, text):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "w", newline="") as f:
        f.write(text)


class TallybellCase(unittest.TestCase):
    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="tallybell-e2e-")
        self.procs = []
        self.addCleanup(self.clean_up)
        # Xvfb picks a free display itself and tells its number once it takes connections.
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", "1", "-nolisten", "tcp", "-screen", "0",
                                 "1280x1024x24"], stdout=subprocess.PIPE, stderr=subprocess.DEVNULL)
        self.procs.append(xvfb)
        with xvfb.stdout:
            display = ":" + xvfb.stdout.readline().decode().strip()
        self.home = os.path.join(self.tmp.name, "home")
        self.runtime = os.path.join(self.tmp.name, "runtime")
        os.makedirs(self.home)
        os.makedirs(self.runtime, mode=0o700)
        self.env = {k: v for k, v in os.environ.items()
                    if not k.startswith("XDG_") and k != "DBUS_SESSION_BUS_ADDRESS"}
        self.env.update(DISPLAY=display, HOME=self.home, XDG_RUNTIME_DIR=self.runtime,
                        QT_QPA_PLATFORM="xcb")
        self.store = os.path.join(self.home, ".config", "Orvane", "Tallybell", "registry.ini")
        self.data = os.path.join(self.home, ".local", "share", "Tallybell")
        # The program folder is the executable's folder: an empty one of the test's own.
        self.folder = os.path.join(self.tmp.name, "program")
        os.makedirs(self.folder)
        self.binary = shutil.copy2(os.environ["TALLYBELL_BINARY"], self.folder)

    def clean_up(self):
        for p in reversed(self.procs):
            p.kill()
            p.wait()
        self.tmp.cleanup()

    def launch(self, *args):
        # Its output goes to a file: a pipe nobody reads could stall the program once full.
        with open(os.path.join(self.tmp.name, f"tallybell-{len(self.procs)}.log"), "wb") as out:
            self.procs.append(subprocess.Popen([self.binary, *args], env=self.env,
                                               cwd=self.tmp.name, stdout=out,
                                               stderr=subprocess.STDOUT))
        return self.procs[-1]

    def use_task_list(self, text):
        # A program that has run before, its task list in the program folder.
        tasks = os.path.join(self.folder, "tallywork.ini")
        write(tasks, text)
        write(self.store, "[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\n"
                          f"FirstRun=sz:\"2026-01-05 10:00:00\"\nSettings File=sz:\"{tasks}\"\n")
        return tasks

    def xdotool(self, *args):
        return subprocess.run(["xdotool", *args], env=self.env, capture_output=True,
                              text=True).stdout.split()

    def windows(self, name):
        return self.xdotool("search", "--onlyvisible", "--name", name)

    def main_windows(self):
        # Visible top-level windows titled Tallybell other than the splash, and whose type can
        # still be read: a splash that closed between the search and the question has none.
        def kind(w):
            return subprocess.run(["xprop", "-id", w, "_NET_WM_WINDOW_TYPE"], env=self.env,
                                  capture_output=True, text=True).stdout
        return [w for w in self.windows("^Tallybell$")
                if "(ATOM) = " in (k := kind(w)) and "SPLASH" not in k]

    def wait_main_window(self):
        found = wait_for(self.main_windows, 15)
        self.assertTrue(found, "the main window did not appear")
        return found[0]

    def press(self, wid, key):
        self.xdotool("windowfocus", "--sync", wid)
        self.xdotool("key", "--clearmodifiers", key)

    def open_from_file_menu(self, wid, key, title):
        self.press(wid, "alt+f")
        self.xdotool("key", key)
        found = wait_for(lambda: self.windows(title), 10)
        self.assertTrue(found, f"{title} did not open")
        return found[0]


class NewListInDesktopDialog(TallybellCase):
    def test_a_new_list_is_named_in_the_desktops_own_dialog(self):
        # GTK's dialog, as a GNOME user gets it: an open dialog there picks only existing
        # files, so a new name is typed into a save dialog.
        self.env["QT_QPA_PLATFORMTHEME"] = "gtk3"
        tasks = self.use_task_list(ONE_TASK)
        self.launch("testmode")
        editor = self.open_from_file_menu(self.wait_main_window(), "t", "^Tallybell - tallywork$")
        dialog = self.open_from_file_menu(editor, "n", "^Create a new task list$")
        self.xdotool("windowfocus", "--sync", dialog)
        self.xdotool("type", "--delay", "20", "Morning")
        # GTK may still be completing the typed name: Return again until the dialog is gone.
        for _ in range(5):
            self.press(dialog, "Return")
            if wait_for(lambda: not self.windows("^Create a new task list$"), 2):
                break
        self.assertTrue(wait_for(lambda: self.windows("^Tallybell - Morning$"), 10),
                        "the editor does not show the new list")
        created = os.path.join(self.folder, "Morning.ini")
        self.assertTrue(read(created).startswith(b"[options]\r\ndisable ScreenSaver=False\r\n"))
        self.assertIn(created, read(self.store).decode())
        self.assertEqual(read(tasks), ONE_TASK.encode())


class WallClockSteps(TallybellCase):
    def test_the_real_timer_runs_a_session_that_wall_clock_steps_neither_end_nor_stretch(self):
        # libfaketime moves the program's wall clock by what the file says, read at every
        # call, and leaves the monotonic and boot-time clocks alone.
        library = glob.glob("/usr/lib/*/faketime/libfaketime.so.1")
        self.assertTrue(library, "libfaketime is not installed (scripts/install-deps.sh)")
        offset = os.path.join(self.tmp.name, "faketime")

        def step_to(seconds):
            write(offset + ".new", f"{seconds:+d}\n")
            os.replace(offset + ".new", offset)
        step_to(0)
        tasks = self.use_task_list(TWO_TASKS)
        self.env.update(LD_PRELOAD=library[0], FAKETIME_TIMESTAMP_FILE=offset,
                        FAKETIME_NO_CACHE="1", FAKETIME_DONT_FAKE_MONOTONIC="1")
        self.launch("testmode")
        wid = self.wait_main_window()

        # Ten seconds a task: two hours forward three seconds into the first, and back again
        # three seconds into the second. The session takes its twenty seconds all the same.
        self.press(wid, "alt+s")
        started = time.monotonic()
        time.sleep(3)
        step_to(7200)
        time.sleep(10)
        step_to(0)
        done = wait_for(lambda: b"Sessions Completed=1" in read(tasks), 30)
        took = time.monotonic() - started
        self.assertTrue(done, "the session did not complete")
        self.assertTrue(18 < took < 25, took)

        # The journal, in the user's data folder, counts the practice in full. The wall times
        # are as the program read them: each task's span takes in the step, so it was seen.
        # The session's own row follows its last task's.
        def journal():
            with sqlite3.connect(os.path.join(self.data, "journal.sqlite")) as db:
                return db.execute("SELECT number, text, practised, task_list, completed, "
                                  "task.started, task.ended FROM task, session").fetchall()
        records = wait_for(journal, 5)
        self.assertEqual([record[:5] for record in records],
                         [(1, "Warm up", 10, tasks, 1), (2, "Scales", 10, tasks, 1)])
        spans = [(datetime.datetime.fromisoformat(ended)
                  - datetime.datetime.fromisoformat(started)).total_seconds()
                 for *_, started, ended in records]
        self.assertAlmostEqual(spans[0], 10 + 7200, delta=3)
        self.assertAlmostEqual(spans[1], 10 - 7200, delta=3)


if __name__ == "__main__":
    unittest.main(verbosity=2)
