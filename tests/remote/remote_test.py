#!/usr/bin/python3
# The real program driven from outside its window, each under its own Xvfb and private
# session bus, by the clients a user has: its own command line, gdbus, playerctl, and a
# stand-in for the panel's watcher that a status icon registers with. The session's state is
# read back with --status.
import json
import os
import subprocess
import sys
import time
import unittest

import dbus

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "e2e"))
from e2e_test import TWO_TASKS, TallybellCase, read, wait_for, write  # noqa: E402

APP = "org.example.orvane.Tallybell"
ITEM = "org.kde.StatusNotifierItem"


class RemoteCase(TallybellCase):
    options = ""

    def setUp(self):
        super().setUp()
        bus = subprocess.Popen(["dbus-daemon", "--session", "--nofork", "--print-address=1"],
                               stdout=subprocess.PIPE)
        self.procs.append(bus)
        with bus.stdout:
            self.env["DBUS_SESSION_BUS_ADDRESS"] = bus.stdout.readline().decode().strip()
        self.env["LANG"] = "C.UTF-8"
        for name in ("LANGUAGE", "LC_ALL", "LC_MESSAGES"):
            self.env.pop(name, None)
        self.tasks = os.path.join(self.folder, "tallywork.ini")
        write(self.tasks, self.options + TWO_TASKS)
        write(self.store, f"[HKEY_CURRENT_USER\\SOFTWARE\\Orvane\\Tallybell]\n"
                          f"FirstRun=sz:\"2026-01-05 10:00:00\"\nSettings File=sz:\"{self.tasks}\"\n")

    def tallybell(self, *args, env=None):
        return subprocess.run([self.binary, *args], env=env or self.env, capture_output=True,
                              text=True, timeout=20)

    def status(self):
        return self.tallybell("--status").stdout.splitlines()

    def assert_soon_status(self, state, task=None):
        def reached():
            now = self.status()
            return now and now[0] == state and (task is None or now[1] == f"task {task} of 2")
        self.assertTrue(wait_for(reached, 5), f"never {state} {task}: {self.status()}")

    def client(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=20)


class CommandLine(RemoteCase):
    def test_help_version_and_unknown_options_need_no_display_and_commands_reach_the_program(self):
        bare = {k: v for k, v in self.env.items() if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        shown = self.tallybell("--help", env=bare)
        self.assertEqual(shown.returncode, 0, shown.stderr)
        for word in ("--start", "--stop", "--pause", "--resume", "--toggle-pause", "--next",
                     "--show", "--status", "--version", "testmode"):
            self.assertIn(word, shown.stdout)
        version = self.tallybell("--version", env=bare)
        self.assertEqual((version.returncode, version.stdout.split()[0]), (0, "Tallybell"))
        unknown = self.tallybell("--loud", env=bare)
        self.assertEqual(unknown.returncode, 2)
        self.assertIn("loud", unknown.stderr)
        self.assertIn("Usage:", unknown.stderr)
        self.assertEqual(unknown.stdout, "")
        alone = self.tallybell("--status", env=bare)
        self.assertEqual(alone.returncode, 1)
        self.assertIn("not running", alone.stderr)
        self.assertEqual(self.tallybell("--pause").returncode, 1)

        # With nothing running, --start starts the program and the session.
        with open(os.path.join(self.tmp.name, "started.log"), "wb") as out:
            self.procs.append(subprocess.Popen([self.binary, "--start", "testmode"], env=self.env,
                                               stdout=out, stderr=subprocess.STDOUT))
        self.assert_soon_status("running", 1)
        status = self.status()
        self.assertEqual(status[2], "Warm up")
        self.assertRegex(status[3], r"^00:(10|0\d)$")
        self.assertEqual(self.tallybell("--start").returncode, 1)

        for option, state in (("--pause", "paused"), ("--resume", "running"),
                              ("--toggle-pause", "paused"), ("--toggle-pause", "running")):
            answer = self.tallybell(option)
            self.assertEqual(answer.returncode, 0, answer.stderr)
            self.assert_soon_status(state)
        self.assertEqual(self.tallybell("--resume").returncode, 1)
        self.assertEqual(self.tallybell("--next").returncode, 0)
        self.assert_soon_status("running", 2)
        self.assertEqual(self.status()[2], "Scales")
        # The media keys are not offered: the option is off.
        self.assertNotIn("tallybell", self.client("playerctl", "-l").stdout)
        self.assertEqual(self.tallybell("--stop").returncode, 0)
        self.assert_soon_status("stopped")
        refused = self.tallybell("--stop")
        self.assertEqual(refused.returncode, 1)
        self.assertIn("No session", refused.stderr)


class LauncherActions(RemoteCase):
    def action(self, name):
        return self.client("gdbus", "call", "--session", "--dest", APP, "--object-path",
                           "/" + APP.replace(".", "/"), "--method",
                           "org.freedesktop.Application.ActivateAction", name, "[]", "{}")

    def test_each_action_is_the_windows_button(self):
        self.launch("testmode")
        self.wait_main_window()
        for name, state, task in (("start-stop", "running", 1), ("pause", "paused", 1),
                                  ("pause", "running", 1), ("next", "running", 2),
                                  ("start-stop", "stopped", None)):
            called = self.action(name)
            self.assertEqual(called.returncode, 0, called.stderr)
            self.assert_soon_status(state, task)
        self.assertEqual(self.action("show").returncode, 0)
        self.assertNotEqual(self.action("quit").returncode, 0)


class MediaKeys(RemoteCase):
    options = "[options]\r\nMedia keys=True\r\n"

    def playerctl(self, *args):
        return self.client("playerctl", "--player=tallybell", *args)

    def test_play_pause_next_stop_and_metadata_through_playerctl(self):
        self.launch("testmode")
        self.wait_main_window()
        self.assertNotIn("tallybell", self.client("playerctl", "-l").stdout,
                         "no player while no session runs")
        self.assertEqual(self.tallybell("--start").returncode, 0)
        self.assertTrue(wait_for(lambda: "tallybell" in self.client("playerctl", "-l").stdout, 5))
        metadata = self.playerctl("metadata", "--format",
                                  "{{xesam:title}}|{{xesam:album}}|{{mpris:length}}").stdout
        self.assertEqual(metadata.strip(), "Warm up|tallywork|10000000")
        self.assertEqual(self.playerctl("status").stdout.strip(), "Playing")

        self.playerctl("play-pause")
        self.assert_soon_status("paused", 1)
        self.assertEqual(self.playerctl("status").stdout.strip(), "Paused")
        position = float(self.playerctl("position").stdout)
        time.sleep(1.5)
        self.assertEqual(float(self.playerctl("position").stdout), position)
        self.playerctl("play-pause")
        self.assert_soon_status("running", 1)
        self.playerctl("next")
        self.assert_soon_status("running", 2)
        self.assertTrue(wait_for(
            lambda: self.playerctl("metadata", "xesam:title").stdout.strip() == "Scales", 5))
        self.playerctl("stop")
        self.assert_soon_status("stopped")
        self.assertTrue(wait_for(
            lambda: "tallybell" not in self.client("playerctl", "-l").stdout, 5))


class Panel(RemoteCase):
    def setUp(self):
        super().setUp()
        self.recorded = os.path.join(self.tmp.name, "watcher.jsonl")
        with open(self.recorded, "wb") as out:
            self.procs.append(subprocess.Popen(
                [sys.executable, os.path.join(os.path.dirname(os.path.abspath(__file__)),
                                              "panel_watcher.py")],
                env=self.env, stdout=out, stderr=subprocess.STDOUT))
        self.assertTrue(wait_for(lambda: self.events("ready"), 10), read(self.recorded))
        self.bus = dbus.bus.BusConnection(self.env["DBUS_SESSION_BUS_ADDRESS"])

    def events(self, kind):
        with open(self.recorded) as f:
            lines = [json.loads(line) for line in f if line.startswith("{")]
        return [e for e in lines if kind in e or e.get("signal") == kind]

    def item(self, name):
        registered = self.events("registered")[0]
        return self.bus.get_object(registered["registered"], registered["path"]).Get(
            ITEM, name, dbus_interface="org.freedesktop.DBus.Properties")

    def menu(self):
        registered = self.events("registered")[0]
        menu = self.bus.get_object(registered["registered"], self.item("Menu"))
        _, (_, _, children) = menu.GetLayout(0, -1, [], dbus_interface="com.canonical.dbusmenu")
        entries = {}
        for entry_id, props, _ in children:
            if "label" in props:
                entries[str(props["label"]).replace("_", "")] = (
                    int(entry_id), bool(props.get("enabled", True)))
        return menu, entries

    def click(self, label):
        menu, entries = self.menu()
        menu.Event(entries[label][0], "clicked", dbus.String("", variant_level=1),
                   dbus.UInt32(0), dbus_interface="com.canonical.dbusmenu")

    def visible(self):
        return bool(self.main_windows())

    def test_the_icon_counts_down_and_its_menu_and_click_drive_the_window(self):
        self.launch("testmode")
        self.wait_main_window()
        self.assertTrue(wait_for(lambda: self.events("registered"), 10), "no icon registered")
        stopped = bytes(self.item("IconPixmap")[0][2])
        menu = self.menu()[1]
        self.assertEqual({label: enabled for label, (_, enabled) in menu.items()},
                         {"Start": True, "Pause": False, "Next task": False, "Hide window": True,
                          "Quit": True})

        self.click("Start")
        self.assert_soon_status("running", 1)
        self.assertEqual({label: enabled for label, (_, enabled) in self.menu()[1].items()},
                         {"Stop": True, "Pause": True, "Next task": True, "Hide window": True,
                          "Quit": False})
        # Ten seconds a task: the ring moves on at each tick, never more often.
        shown = set()
        started = time.monotonic()
        while time.monotonic() - started < 6:
            shown.add(bytes(self.item("IconPixmap")[0][2]))
            time.sleep(0.2)
        self.assertNotIn(stopped, shown)
        self.assertGreaterEqual(len(shown), 4)
        self.assertLessEqual(len(self.events("NewIcon")), 9)
        tip = self.item("ToolTip")
        self.assertIn("Warm up", str(tip[2]) + str(tip[3]))
        self.assertIn("Task 1 of 2", str(tip[2]) + str(tip[3]))

        # A left click hides the window in front, the next brings it back; so does "show".
        registered = self.events("registered")[0]
        icon = self.bus.get_object(registered["registered"], registered["path"])
        icon.Activate(0, 0, dbus_interface=ITEM)
        self.assertTrue(wait_for(lambda: not self.visible(), 5), "the window stayed")
        icon.Activate(0, 0, dbus_interface=ITEM)
        self.assertTrue(wait_for(self.visible, 5), "the window did not come back")
        # In front: it has the keyboard focus.
        self.assertTrue(wait_for(
            lambda: self.xdotool("getwindowfocus") == self.main_windows(), 5))
        icon.Activate(0, 0, dbus_interface=ITEM)
        self.assertTrue(wait_for(lambda: not self.visible(), 5))
        self.assertEqual(self.tallybell("--show").returncode, 0)
        self.assertTrue(wait_for(self.visible, 5))

        self.click("Next task")
        self.assert_soon_status("running", 2)
        self.click("Pause")
        self.assert_soon_status("paused", 2)
        self.assertTrue(wait_for(lambda: "Resume" in self.menu()[1], 5))


if __name__ == "__main__":
    unittest.main(verbosity=2)
