#!/usr/bin/env python3
"""Drives the real tallybell binary under its own Xvfb with real key presses (xdotool).

Each test copies the binary into an empty temporary program folder (the program folder is
the executable's folder) with a temporary XDG_CONFIG_HOME, and checks the files it leaves.
"""
import os
import shutil
import signal
import subprocess
import sys
import tempfile
import time
import unittest

BINARY = os.environ.get("TALLYBELL_BINARY", "")
RESOURCES = os.environ.get("TALLYBELL_RESOURCES", "")
SHOT_DIR = os.environ.get("TALLYBELL_SHOT_DIR", "")
NOBODY = 65534


def wait_for(predicate, timeout, step=0.1):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        value = predicate()
        if value:
            return value
        time.sleep(step)
    return predicate()


def ini_value(path, section, key):
    """Reads one key the way the program does: sections and keys without regard to case."""
    current = None
    with open(path, "rb") as f:
        for raw in f.read().replace(b"\r", b"\n").split(b"\n"):
            line = raw.strip().decode("utf-8", "replace")
            if line.startswith("["):
                current = line[1:line.rfind("]")].strip().lower()
            elif current == section.lower() and "=" in line:
                k, v = line.split("=", 1)
                if k.strip().lower() == key.lower():
                    return v.strip()
    return None


class Display:
    def __init__(self):
        self.number = None
        self.proc = None

    def start(self):
        for n in range(90, 140):
            if os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"):
                continue
            self.proc = subprocess.Popen(
                ["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten", "tcp"],
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            if wait_for(lambda: os.path.exists(f"/tmp/.X11-unix/X{n}"), 10):
                self.number = n
                return f":{n}"
            self.proc.kill()
        raise RuntimeError("no Xvfb display could be started")

    def stop(self):
        if self.proc:
            self.proc.terminate()
            self.proc.wait(10)


class TallybellCase(unittest.TestCase):
    display = None

    @classmethod
    def setUpClass(cls):
        cls.xvfb = Display()
        cls.display = cls.xvfb.start()

    @classmethod
    def tearDownClass(cls):
        cls.xvfb.stop()

    def setUp(self):
        self.tmp = tempfile.TemporaryDirectory(prefix="tallybell-e2e-")
        self.folder = os.path.join(self.tmp.name, "program")
        self.config = os.path.join(self.tmp.name, "config")
        os.makedirs(self.folder)
        os.makedirs(self.config)
        self.binary = os.path.join(self.folder, "tallybell")
        shutil.copy2(BINARY, self.binary)
        self.procs = []
        self.run_as = []  # a command prefix that runs the program as another user
        self.env = dict(os.environ, DISPLAY=self.display, XDG_CONFIG_HOME=self.config,
                        QT_QPA_PLATFORM="xcb")
        self.env.pop("DBUS_SESSION_BUS_ADDRESS", None)
        # A runtime folder of its own, so the single-instance socket meets no other test.
        runtime = os.path.join(self.tmp.name, "runtime")
        os.makedirs(runtime, mode=0o700)
        self.env["XDG_RUNTIME_DIR"] = runtime
        # The per-user data folder (the practice journal) in the test's own place too.
        data = os.path.join(self.tmp.name, "data")
        os.makedirs(data)
        self.env["XDG_DATA_HOME"] = data

    def tearDown(self):
        for p in self.procs:
            if p.poll() is None:
                p.send_signal(signal.SIGTERM)
                try:
                    p.wait(5)
                except subprocess.TimeoutExpired:
                    p.kill()
        self.tmp.cleanup()

    def launch(self, *args):
        # Its output goes to a file: a pipe nobody reads could stall the program once full.
        log = os.path.join(self.tmp.name, f"tallybell-{len(self.procs)}.log")
        with open(log, "wb") as out:
            p = subprocess.Popen([*self.run_as, self.binary, *args], env=self.env,
                                 cwd=self.tmp.name,
                                 stdout=out, stderr=subprocess.STDOUT)
        self.procs.append(p)
        return p

    def run_as_unprivileged(self, *owned):
        """Root writes into any folder: the program runs as a user without that power, who
        owns the folders in `owned` (and everything below them)."""
        if os.geteuid() != 0:
            return
        os.chmod(self.tmp.name, 0o755)
        for top in owned:
            for folder, _, files in os.walk(top):
                os.chown(folder, NOBODY, NOBODY)
                for name in files:
                    os.chown(os.path.join(folder, name), NOBODY, NOBODY)
        self.run_as = ["setpriv", f"--reuid={NOBODY}", f"--regid={NOBODY}", "--clear-groups",
                       "--"]

    def xdotool(self, *args):
        r = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True)
        return r.stdout.split()

    def main_windows(self):
        """Visible top-level windows titled Tallybell, other than the splash."""
        found = []
        for wid in self.xdotool("search", "--onlyvisible", "--name", "^Tallybell$"):
            kind = subprocess.run(["xprop", "-id", wid, "_NET_WM_WINDOW_TYPE"], env=self.env,
                                  capture_output=True, text=True).stdout
            if "SPLASH" not in kind:
                found.append(wid)
        return found

    def wait_main_window(self, timeout=15):
        found = wait_for(self.main_windows, timeout)
        self.assertTrue(found, "the main window did not appear")
        return found[0]

    def press(self, wid, key):
        self.xdotool("windowfocus", "--sync", wid)
        self.xdotool("key", "--clearmodifiers", key)

    def screenshot(self, name):
        if not SHOT_DIR:
            return
        os.makedirs(SHOT_DIR, exist_ok=True)
        subprocess.run(["import", "-display", self.display, "-window", "root",
                        os.path.join(SHOT_DIR, name)], capture_output=True)

    def ini(self, section, key):
        return ini_value(os.path.join(self.folder, "tallywork.ini"), section, key)


class FirstStartAndSingleInstance(TallybellCase):
    def test_first_start_then_a_second_start_hands_over(self):
        shutil.copy(os.path.join(RESOURCES, "tallydef.ini"), self.folder)
        first = self.launch()
        wid = self.wait_main_window()
        self.screenshot("first-start.png")

        self.assertTrue(os.path.exists(os.path.join(self.folder, "tallywork.ini")))
        self.assertFalse(os.path.exists(os.path.join(self.folder, "tallydef.ini")))
        store = os.path.join(self.config, "Orvane", "Tallybell", "registry.ini")
        with open(store, "rb") as f:
            text = f.read().decode()
        self.assertIn(os.path.join(self.folder, "tallywork.ini"), text)
        self.assertIn("FirstRun", text)

        # Minimise the first, then start again: the second ends at once, the first comes back.
        self.xdotool("windowminimize", "--sync", wid)
        started = time.monotonic()
        second = self.launch()
        second.wait(10)
        self.assertLess(time.monotonic() - started, 2.0)
        self.assertEqual(second.returncode, 0)
        self.assertIsNone(first.poll(), "the first instance must keep running")
        self.assertTrue(wait_for(lambda: len(self.main_windows()) == 1, 5))
        self.assertEqual(self.main_windows(), [wid])
        with open(store, "rb") as f:
            self.assertEqual(f.read().decode(), text, "the second start wrote to the store")


TWO_TASKS = ("[options]\r\nPlay Sound=True\r\n[TotalTime]\r\nTime=2\r\n"
             "[Task1]\r\ndescription1=Scales in %note% major\r\ndescription2=Arpeggios\r\n"
             "[Task2]\r\ndescription1=Play a piece\r\n")


class TestmodeSession(TallybellCase):
    def test_two_tasks_run_to_the_end_and_a_key_pauses(self):
        with open(os.path.join(self.folder, "tallydef.ini"), "w", newline="") as f:
            f.write(TWO_TASKS)
        self.launch("testmode")
        wid = self.wait_main_window()
        self.press(wid, "alt+s")
        self.assertTrue(wait_for(lambda: self.ini("currenttask", "number") == "1", 5),
                        "Start did not show the first task")
        time.sleep(2)
        self.screenshot("running.png")

        # Any key pauses: task 2 does not begin while paused.
        self.press(wid, "p")
        time.sleep(11)
        self.assertEqual(self.ini("currenttask", "number"), "1")
        self.assertIsNone(self.ini("History", "Sessions Completed"))
        self.press(wid, "x")

        self.assertTrue(wait_for(lambda: self.ini("currenttask", "number") == "2", 12),
                        "task 2 did not begin after resuming")
        self.assertTrue(wait_for(lambda: self.ini("History", "Sessions Completed") == "1", 15),
                        "the session did not complete")
        self.screenshot("completed.png")
        self.assertEqual(self.ini("currenttask", "number"), "1")
        self.assertEqual(self.ini("task1", "Alternatetask"), "2")
        self.assertEqual(self.ini("task2", "Alternatetask"), "2")
        self.assertEqual(self.ini("task3", "Alternatetask"), "2")


class OpenAnotherTaskList(TallybellCase):
    def test_file_open_switches_the_next_session_to_the_chosen_list(self):
        with open(os.path.join(self.folder, "tallydef.ini"), "w", newline="") as f:
            f.write(TWO_TASKS)
        lists = os.path.join(self.tmp.name, "lists")
        os.makedirs(lists)
        second = os.path.join(lists, "Second.INI")
        with open(second, "w", newline="") as f:
            f.write("[Task1]\r\ndescription1=Sight-reading\r\n")
        self.launch("testmode")
        wid = self.wait_main_window()

        # File > Open another task list, by its mnemonics, then the path typed into the dialog.
        self.press(wid, "alt+f")
        self.xdotool("key", "--clearmodifiers", "o")
        dialog = wait_for(lambda: self.xdotool("search", "--onlyvisible", "--name",
                                               "^Please select a Task File$"), 10)
        self.assertTrue(dialog, "the file dialog did not open")
        self.xdotool("windowfocus", "--sync", dialog[0])
        self.xdotool("type", "--delay", "20", second)
        self.xdotool("key", "Return")
        store = os.path.join(self.config, "Orvane", "Tallybell", "registry.ini")
        def recorded():
            with open(store, "rb") as f:
                return second in f.read().decode()
        self.assertTrue(wait_for(recorded, 10), "the chosen list was not recorded")

        self.press(wid, "alt+s")
        self.assertTrue(wait_for(lambda: ini_value(second, "History", "Sessions Completed") == "1",
                                 20), "the session did not run the chosen list")
        self.screenshot("other-list.png")
        self.assertIsNone(self.ini("History", "Sessions Completed"))


class Editors(TallybellCase):
    def other_window(self, name, exclude):
        found = wait_for(lambda: [w for w in self.xdotool("search", "--onlyvisible", "--name", name)
                                  if w not in exclude], 10)
        self.assertTrue(found, f"no window {name} opened")
        return found[0]

    def test_both_editors_shape_the_next_session(self):
        with open(os.path.join(self.folder, "tallydef.ini"), "w", newline="") as f:
            f.write("[Task1]\r\ndescription1=Warm up\r\n")
        self.launch("testmode")
        wid = self.wait_main_window()
        tasks = os.path.join(self.folder, "tallywork.ini")

        # File > Edit Current Task List: a new text for task 1, then Ok.
        self.press(wid, "alt+f")
        self.xdotool("key", "--clearmodifiers", "t")
        editor = self.other_window("^Tallybell$", [wid])
        self.xdotool("windowfocus", "--sync", editor)
        self.xdotool("key", "--clearmodifiers", "ctrl+a")
        self.xdotool("type", "--delay", "20", "Play %list1%")
        self.xdotool("key", "--clearmodifiers", "alt+o")
        self.assertTrue(wait_for(lambda: ini_value(tasks, "Task1", "description1")
                                 == "Play %list1%", 10), "the editor did not save the task")

        # File > Edit list files: an item typed into list 1, made current by a double-click.
        self.press(wid, "alt+f")
        self.xdotool("key", "--clearmodifiers", "l")
        lists = self.other_window("Edit List Files$", [])
        self.xdotool("windowfocus", "--sync", lists)
        self.xdotool("type", "--delay", "20", "Scale in G")
        self.xdotool("key", "Return")
        # The item is the list box's first row, near the window's top left corner.
        geometry = dict(v.split("=") for v in self.xdotool("getwindowgeometry", "--shell", lists))
        self.xdotool("mousemove", str(int(geometry["X"]) + 60), str(int(geometry["Y"]) + 67),
                     "click", "--repeat", "2", "--delay", "80", "1")
        question = self.other_window("^Tallybell$", [wid])
        self.xdotool("windowfocus", "--sync", question)
        self.xdotool("key", "--clearmodifiers", "alt+y")
        self.assertTrue(wait_for(lambda: ini_value(tasks, "List Group Number 1", "Current Item")
                                 == "Scale in G", 10), "the item was not made current")
        self.xdotool("windowfocus", "--sync", lists)
        self.xdotool("key", "--clearmodifiers", "alt+o")
        list1 = os.path.join(self.folder, "List1.txt")
        self.assertTrue(wait_for(lambda: os.path.exists(list1), 10), "list 1 was not saved")
        with open(list1, "rb") as f:
            self.assertEqual(f.read(), b"Scale in G\r\n")
        self.assertEqual(ini_value(tasks, "List Group Number 1", "Last Change Session Number"),
                         "0")

        # The next session runs the edited task with the hand-picked item, and keeps it.
        self.press(wid, "alt+s")
        time.sleep(1)
        self.screenshot("edited-session.png")
        self.assertTrue(wait_for(lambda: ini_value(tasks, "History", "Sessions Completed") == "1",
                                 15), "the session did not complete")
        self.assertEqual(ini_value(tasks, "List Group Number 1", "Current Item"), "Scale in G")


class ReadOnlyProgramFolder(TallybellCase):
    """A program folder that cannot be written: the failed save is said once, the session
    goes on, and nothing on disk changes."""

    def test_a_failed_save_is_said_once_and_a_restart_finds_everything_as_it_was(self):
        tasks = os.path.join(self.folder, "tallywork.ini")
        with open(tasks, "w", newline="") as f:
            f.write(TWO_TASKS)
        store_folder = os.path.join(self.config, "Orvane", "Tallybell")
        os.makedirs(store_folder)
        with open(os.path.join(store_folder, "registry.ini"), "w") as f:
            f.write(f"[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\n"
                    f"FirstRun=sz:\"2026-01-05 10:00:00\"\nSettings File=sz:\"{tasks}\"\n")
        self.run_as_unprivileged(self.config, self.env["XDG_RUNTIME_DIR"],
                                 self.env["XDG_DATA_HOME"])
        os.chmod(self.folder, 0o555)
        try:
            self.run_read_only()
        finally:
            os.chmod(self.folder, 0o755)

    def run_read_only(self):
        before = {name: open(os.path.join(self.folder, name), "rb").read()
                  for name in os.listdir(self.folder) if name != "tallybell"}

        first = self.launch("testmode")
        wid = self.wait_main_window()
        self.press(wid, "alt+s")
        error = wait_for(lambda: self.xdotool("search", "--onlyvisible", "--name",
                                              "^Tallybell - Disk Error$"), 10)
        self.assertTrue(error, "the failed save was not said")
        self.screenshot("read-only-folder.png")
        self.xdotool("windowfocus", "--sync", error[0])
        self.xdotool("key", "Return")
        self.assertTrue(wait_for(lambda: not self.xdotool("search", "--onlyvisible", "--name",
                                                          "Disk Error"), 5))
        # Task 2 begins after ten seconds: its failed save is not said again.
        time.sleep(12)
        self.assertFalse(self.xdotool("search", "--onlyvisible", "--name", "Disk Error"))
        self.press(wid, "alt+s")
        time.sleep(1)
        self.press(wid, "alt+q")
        first.wait(10)

        again = self.launch("testmode")
        self.wait_main_window()
        self.assertFalse(self.xdotool("search", "--onlyvisible", "--name", "Disk Error"))
        after = {name: open(os.path.join(self.folder, name), "rb").read()
                 for name in os.listdir(self.folder) if name != "tallybell"}
        self.assertEqual(after, before)
        self.assertIsNone(again.poll())


if __name__ == "__main__":
    if not BINARY or not os.path.exists(BINARY):
        sys.exit("TALLYBELL_BINARY must name the built program")
    unittest.main(verbosity=2)
