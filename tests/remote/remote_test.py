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
from e2e_test import TWO_TASKS, TallybellCase, read, wait_for  # noqa: E402

APP = "org.example.orvane.Tallybell"
ITEM = "org.kde.StatusNotifierItem"


class RemoteCase(TallybellCase):
    tasks = TWO_TASKS

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
        self.use_task_list(self.tasks)

    def tallybell(self, *args, env=None):
        return subprocess.run([self.binary, *args], env=env or self.env, capture_output=True,
                              text=True, timeout=20)

    def status(self):
        return self.tallybell("--status").stdout.splitlines()

    def assert_soon_status(self, state, task=None):
        def reached():
            now = self.status()
            return now and now[0] == state and (task is None or now[1].startswith(f"task {task} "))
        self.assertTrue(wait_for(reached, 5), f"never {state} {task}: {self.status()}")

    def client(self, *command):
        return subprocess.run(command, env=self.env, capture_output=True, text=True, timeout=20)

    def players(self):
        return self.client("playerctl", "-l").stdout


class CommandLineAndLauncher(RemoteCase):
    def action(self, name):
        return self.client("gdbus", "call", "--session", "--dest", APP, "--object-path",
                           "/" + APP.replace(".", "/"), "--method",
                           "org.freedesktop.Application.ActivateAction", name, "[]", "{}")

    def test_the_command_line_and_the_launchers_actions_drive_the_running_program(self):
        # Without a display or a running program: help, version and refusals.
        bare = {k: v for k, v in self.env.items() if k not in ("DISPLAY", "DBUS_SESSION_BUS_ADDRESS")}
        shown = self.tallybell("--help", env=bare)
        self.assertEqual(shown.returncode, 0, shown.stderr)
        self.assertRegex(shown.stdout, "(?s)--start.*--toggle-pause.*--next.*--show.*--status")
        self.assertEqual(self.tallybell("--version", env=bare).stdout.split()[0], "Tallybell")
        unknown = self.tallybell("--loud", env=bare)
        self.assertEqual((unknown.returncode, unknown.stdout), (2, ""))
        self.assertRegex(unknown.stderr, "(?s)loud.*Usage:")
        alone = self.tallybell("--status", env=bare)
        self.assertEqual(alone.returncode, 1)
        self.assertIn("not running", alone.stderr)

        # With nothing running, --start starts the program and the session.
        self.launch("--start", "testmode")
        self.assert_soon_status("running", 1)
        self.assertEqual(self.tallybell("--start").returncode, 1)
        for option, state in (("--pause", "paused"), ("--resume", "running"),
                              ("--toggle-pause", "paused"), ("--toggle-pause", "running")):
            answer = self.tallybell(option)
            self.assertEqual(answer.returncode, 0, answer.stderr)
            self.assert_soon_status(state)
        self.assertEqual(self.tallybell("--resume").returncode, 1)

        # Each of the launcher's actions is the window's button.
        for name, state, task in (("next", "running", 2), ("pause", "paused", 2),
                                  ("pause", "running", 2), ("start-stop", "stopped", None),
                                  ("start-stop", "running", 2)):
            called = self.action(name)
            self.assertEqual(called.returncode, 0, called.stderr)
            self.assert_soon_status(state, task)
        self.assertNotIn("tallybell", self.players(), "the media keys' option is off")
        self.assertEqual(self.tallybell("--stop").returncode, 0)
        self.assert_soon_status("stopped")
        refused = self.tallybell("--stop")
        self.assertEqual(refused.returncode, 1)
        self.assertIn("No session", refused.stderr)
        self.assertEqual(self.action("show").returncode, 0)
        self.assertNotEqual(self.action("quit").returncode, 0)


class PanelAndMediaKeys(RemoteCase):
    tasks = "[options]\r\nMedia keys=True\r\n" + TWO_TASKS + "[Task3]\r\ndescription1=Etudes\r\n"

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

    def icon(self):
        registered = self.events("registered")[0]
        return self.bus.get_object(registered["registered"], registered["path"])

    def item(self, name):
        return self.icon().Get(ITEM, name, dbus_interface="org.freedesktop.DBus.Properties")

    def menu(self):
        # The menu and its entries by label: their ids and whether they are enabled.
        menu = self.bus.get_object(self.events("registered")[0]["registered"], self.item("Menu"))
        _, (_, _, children) = menu.GetLayout(0, -1, [], dbus_interface="com.canonical.dbusmenu")
        return menu, {str(props["label"]).replace("_", ""):
                      (int(entry), bool(props.get("enabled", True)))
                      for entry, props, _ in children if "label" in props}

    def enabled(self):
        return {label: enabled for label, (_, enabled) in self.menu()[1].items()}

    def click(self, label):
        menu, entries = self.menu()
        menu.Event(entries[label][0], "clicked", dbus.String("", variant_level=1),
                   dbus.UInt32(0), dbus_interface="com.canonical.dbusmenu")

    def playerctl(self, *args):
        return self.client("playerctl", "--player=tallybell", *args).stdout.strip()

    def test_the_panel_icon_and_the_media_keys_follow_and_drive_the_session(self):
        self.launch("testmode")
        self.wait_main_window()
        self.assertTrue(wait_for(lambda: self.events("registered"), 10), "no icon registered")
        stopped = bytes(self.item("IconPixmap")[0][2])
        self.assertEqual(self.enabled(), {"Start": True, "Pause": False, "Next task": False,
                                          "Hide window": True, "Quit": True})
        self.assertNotIn("tallybell", self.players(), "no player while no session runs")
        # A left click hides the window in front (it has the keyboard focus), the next brings
        # it back; so does --show.
        for shows in (False, True, False):
            self.icon().Activate(0, 0, dbus_interface=ITEM)
            self.assertTrue(wait_for(lambda: bool(self.main_windows()) == shows, 5), shows)
            if shows:  # in front: it has the keyboard focus
                self.assertTrue(wait_for(
                    lambda: self.xdotool("getwindowfocus") == self.main_windows(), 5))
        self.assertEqual(self.tallybell("--show").returncode, 0)
        self.assertTrue(wait_for(self.main_windows, 5))

        self.click("Start")
        self.assert_soon_status("running", 1)
        self.assertEqual(self.enabled(), {"Stop": True, "Pause": True, "Next task": True,
                                          "Hide window": True, "Quit": False})
        self.assertTrue(wait_for(lambda: "tallybell" in self.players(), 5))
        self.assertEqual(self.playerctl("metadata", "--format",
                                        "{{xesam:title}}|{{xesam:album}}|{{mpris:length}}"),
                         "Warm up|tallywork|10000000")
        self.assertEqual(self.playerctl("status"), "Playing")
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
        self.assertRegex(str(tip[2]) + str(tip[3]), "Warm up(?s:.*)Task 1 of 3")

        self.click("Next task")
        self.assert_soon_status("running", 2)
        self.playerctl("play-pause")
        self.assert_soon_status("paused", 2)
        self.assertTrue(wait_for(lambda: "Resume" in self.menu()[1], 5))
        self.assertEqual(self.playerctl("status"), "Paused")
        position = float(self.playerctl("position"))
        time.sleep(1.5)
        self.assertEqual(float(self.playerctl("position")), position)
        self.playerctl("play-pause")
        self.assert_soon_status("running", 2)
        self.playerctl("next")
        self.assert_soon_status("running", 3)
        self.assertTrue(wait_for(lambda: self.playerctl("metadata", "xesam:title") == "Etudes", 5))
        self.click("Pause")
        self.assert_soon_status("paused", 3)
        self.playerctl("stop")
        self.assert_soon_status("stopped")
        self.assertTrue(wait_for(lambda: "tallybell" not in self.players(), 5))


if __name__ == "__main__":
    unittest.main(verbosity=2)
