#!/usr/bin/env python3
"""Measures Tallybell, a bare Qt label and ktimer side by side on the X display in $DISPLAY,
and Tallybell and the bare label on a Wayland compositor when one is named.

Started by bench/compare.sh, which provides the X server, the Wayland compositor, the session
bus and private XDG folders. Standard library only; needs xev, xprop, xdotool and import
(ImageMagick) on PATH.
"""

import argparse
import datetime
import hashlib
import os
import platform
import re
import shutil
import signal
import statistics
import subprocess
import sys
import threading
import time

CLK_TCK = os.sysconf("SC_CLK_TCK")
WINDOW_TIMEOUT_S = 30.0

# Goals, as read here. The bare label is the floor: the least any Qt Widgets countdown costs
# on this machine, measured in the same run. "About once a second" is at most 1.5 wake-ups a
# second over all threads; the CPU goal is judged on the scheduler's run time because 60 s
# of 10 ms ticks cannot tell 0.03 % from 0.05 %.
GOAL_WAKEUPS_PER_S = 1.5
GOAL_CPU_PERCENT = 0.03
GOAL_FIRST_WINDOW_RATIO = 1.25  # of the bare label's first window
GOAL_RSS_ABOVE_FLOOR_MIB = 4.0  # over the bare label's resident memory
GOAL_IDLE_WAKEUPS_PER_S = 0.05  # "about 0.02 a second"


def log(message):
    print(f"[bench] {message}", file=sys.stderr, flush=True)


# --- X11 helpers ---------------------------------------------------------------------------

class MapWatcher:
    """Timestamps every top-level window the X server maps (xev on the root window)."""

    def __init__(self):
        self._proc = subprocess.Popen(
            ["stdbuf", "-oL", "xev", "-root", "-event", "substructure"],
            stdout=subprocess.PIPE, stderr=subprocess.DEVNULL, text=True)
        self._events = []  # (monotonic time, window id)
        self._cond = threading.Condition()
        self._thread = threading.Thread(target=self._read, daemon=True)
        self._thread.start()
        time.sleep(0.5)  # let xev select its events before anything is launched

    def _read(self):
        pending = None
        for line in self._proc.stdout:
            if line.startswith("MapNotify event"):
                pending = time.monotonic()
                continue
            if pending is not None:
                match = re.search(r"\bwindow (0x[0-9a-fA-F]+)", line)
                if match:
                    with self._cond:
                        self._events.append((pending, int(match.group(1), 16)))
                        self._cond.notify_all()
                pending = None

    def events_since(self, since):
        with self._cond:
            return [e for e in self._events if e[0] >= since]

    def wait(self, timeout):
        with self._cond:
            self._cond.wait(timeout)

    def close(self):
        self._proc.terminate()
        self._proc.wait()


def run_tool(argv, text=True):
    """Runs an X tool; none of them may hang the measurement."""
    try:
        return subprocess.run(argv, capture_output=True, text=text, timeout=20)
    except subprocess.TimeoutExpired:
        log(f"timed out: {' '.join(argv)}")
        return None


def xprop(wid, prop):
    result = run_tool(["xprop", "-id", str(wid), prop])
    return result.stdout.strip() if result and result.returncode == 0 else ""


def window_pid(wid):
    match = re.search(r"=\s*(\d+)", xprop(wid, "_NET_WM_PID"))
    return int(match.group(1)) if match else None


def window_type(wid):
    text = xprop(wid, "_NET_WM_WINDOW_TYPE")
    return text.split("=", 1)[1].strip() if "=" in text else ""


def grab_screen():
    """Pixel contents of the screen as a hash (PPM has no time stamps, unlike PNG). Only the
    measured program shows windows, and `import` of a single window can hang the server."""
    result = run_tool(["import", "-silent", "-window", "root", "ppm:-"], text=False)
    return hashlib.sha256(result.stdout).hexdigest() if result and result.returncode == 0 else None


def screenshot(path):
    run_tool(["import", "-silent", "-window", "root", path])


def xdotool(*args):
    run_tool(["xdotool", *args])


def park_pointer():
    # Without a window manager the programs sit at the screen's top left or centre.
    xdotool("mousemove", "1279", "1023")


# --- /proc readings ------------------------------------------------------------------------

def read_file(path):
    with open(path) as f:
        return f.read()


def memory_kib(pid):
    rss = pss = None
    for line in read_file(f"/proc/{pid}/status").splitlines():
        if line.startswith("VmRSS:"):
            rss = int(line.split()[1])
    try:
        for line in read_file(f"/proc/{pid}/smaps_rollup").splitlines():
            if line.startswith("Pss:"):
                pss = int(line.split()[1])
    except OSError:
        pass
    return rss, pss


def snapshot(pid):
    """CPU ticks of the whole process and per-thread context switches and run time."""
    stat = read_file(f"/proc/{pid}/stat")
    fields = stat[stat.rindex(")") + 2:].split()
    ticks = int(fields[11]) + int(fields[12])  # utime + stime, all threads, dead ones too
    threads = {}
    for tid in os.listdir(f"/proc/{pid}/task"):
        base = f"/proc/{pid}/task/{tid}"
        try:
            comm = read_file(f"{base}/comm").strip()
            status = read_file(f"{base}/status")
            vol = int(re.search(r"^voluntary_ctxt_switches:\s*(\d+)", status, re.M).group(1))
            invol = int(re.search(r"^nonvoluntary_ctxt_switches:\s*(\d+)", status,
                                  re.M).group(1))
            run_ns = int(read_file(f"{base}/schedstat").split()[0])
        except (OSError, AttributeError):
            continue  # the thread ended while being read
        threads[int(tid)] = {"comm": comm, "vol": vol, "invol": invol, "run_ns": run_ns}
    return {"t": time.monotonic(), "ticks": ticks, "threads": threads}


def difference(before, after):
    seconds = after["t"] - before["t"]
    per_thread = []
    run_ns = 0
    for tid, now in sorted(after["threads"].items()):
        then = before["threads"].get(tid, {"vol": 0, "invol": 0, "run_ns": 0})
        entry = {"tid": tid, "comm": now["comm"], "new": tid not in before["threads"],
                 "vol": now["vol"] - then["vol"], "invol": now["invol"] - then["invol"]}
        run_ns += now["run_ns"] - then["run_ns"]
        per_thread.append(entry)
    ended = [t["comm"] for tid, t in before["threads"].items() if tid not in after["threads"]]
    switches = sum(t["vol"] + t["invol"] for t in per_thread)
    return {
        "seconds": seconds,
        "cpu_percent": 100.0 * (after["ticks"] - before["ticks"]) / CLK_TCK / seconds,
        "cpu_percent_precise": 100.0 * run_ns / 1e9 / seconds,
        "wakeups_per_s": switches / seconds,
        "voluntary_per_s": sum(t["vol"] for t in per_thread) / seconds,
        "threads": per_thread,
        "ended_threads": ended,
    }


# --- The programs ----------------------------------------------------------------------------

TASK_LIST = (b"[Task1]\r\ndescription1=Scales\r\n[Task2]\r\ndescription1=Study\r\n"
             b"[Task3]\r\ndescription1=Piece\r\n[TotalTime]\r\nTime=2\r\n")

KTIMER_JOB = ("[Job0]\nCommand=\nConsecutive=false\nDelay=1800\nLoop=false\n"
              "OneInstance=true\nState={state}\n\n[Jobs]\nNumber=1\n")


class Program:
    name = ""

    def __init__(self, workdir):
        self.workdir = workdir
        self.config = os.environ["XDG_CONFIG_HOME"]

    def command(self, counting):
        raise NotImplementedError

    def start_countdown(self, wid):
        pass

    def launch(self, counting=False, env=None):
        argv, cwd = self.command(counting)
        logfile = open(os.path.join(self.workdir, f"{self.slug}.log"), "ab")
        t0 = time.monotonic()
        proc = subprocess.Popen(argv, cwd=cwd, stdout=logfile, stderr=subprocess.STDOUT,
                                env=env)
        logfile.close()
        return proc, t0

    def start_by_command(self, env):
        """Starts the countdown without input events (Wayland); True when it counts, None when
        that cannot be seen."""
        return None


class Tallybell(Program):
    name = "Tallybell"
    slug = "tallybell"

    def __init__(self, workdir, binary):
        super().__init__(workdir)
        self.folder = os.path.join(workdir, "tallybell-program")
        os.makedirs(self.folder)
        shutil.copy2(binary, os.path.join(self.folder, "tallybell"))
        source = os.path.dirname(os.path.abspath(binary))
        for entry in os.listdir(source):  # the files the build ships beside the program
            if entry.lower().endswith((".wav", ".txt", ".so")):
                shutil.copy2(os.path.join(source, entry), self.folder)
        with open(os.path.join(self.folder, "tallydef.ini"), "wb") as f:
            f.write(TASK_LIST)

    def command(self, counting):
        return [os.path.join(self.folder, "tallybell")], self.folder

    def start_countdown(self, wid):
        xdotool("windowfocus", "--sync", str(wid))
        xdotool("key", "--clearmodifiers", "alt+s")

    def remote(self, env, word):
        try:
            result = subprocess.run([os.path.join(self.folder, "tallybell"), f"--{word}"],
                                    cwd=self.folder, env=env, capture_output=True, text=True,
                                    timeout=20)
        except subprocess.TimeoutExpired:
            return None
        return result.stdout if result.returncode == 0 else None

    def start_by_command(self, env):
        # The program's own command line, handed to the running copy: no synthetic input.
        if self.remote(env, "start") is None:
            return False
        first = self.remote(env, "status")
        time.sleep(2.2)
        return first is not None and first != self.remote(env, "status")


class BareLabel(Program):
    """The floor: a bare Qt Widgets label of 48 points in a 600x500 window that counts down
    once a second (bench/bare_label.cpp), started counting or idle."""
    name = "Bare label"
    slug = "bare-label"

    def __init__(self, workdir, binary):
        super().__init__(workdir)
        self.binary = binary

    def command(self, counting):
        return [self.binary] + ([] if counting else ["--idle"]), self.workdir


class BareDesign(BareLabel):
    """The floor of Tallybell's own design: its splash and then its main window from the same
    forms, pictures and texts, with nothing behind them (bench/bare_design.cpp). Measured for
    start-up and memory only: it never counts."""
    name = "Bare design"
    slug = "bare-design"

    def command(self, counting):
        return [self.binary], self.workdir


class KTimer(Program):
    name = "ktimer"
    slug = "ktimer"

    def command(self, counting):
        # A job saved as running (State=2) starts counting when ktimer starts.
        with open(os.path.join(self.config, "ktimerrc"), "w") as f:
            f.write(KTIMER_JOB.format(state=2 if counting else 0))
        return ["ktimer"], self.workdir

    def start_countdown(self, wid):
        # Select the job so that its large counter counts too, as after pressing Start.
        xdotool("mousemove", "--window", str(wid), "60", "42", "click", "1")


# --- One launch ------------------------------------------------------------------------------

class Launch:
    def __init__(self, program, watcher, counting=False):
        self.program = program
        self.watcher = watcher
        self.proc, self.t0 = program.launch(counting)
        self.pid = self.proc.pid
        self.first_window = None  # (time after launch in s, window id)
        self.main_window = None

    def wait_for_windows(self):
        """First mapped window of the process, and its first normal (non-splash) window."""
        known = {}  # window id -> its type when ours, None when another process's
        deadline = self.t0 + WINDOW_TIMEOUT_S
        while time.monotonic() < deadline and self.proc.poll() is None:
            for t, wid in self.watcher.events_since(self.t0):
                if wid not in known:  # read once: a closed splash has no type any more
                    known[wid] = window_type(wid) if window_pid(wid) == self.pid else None
                if not known[wid]:
                    continue
                if self.first_window is None:
                    self.first_window = (t - self.t0, wid)
                if self.main_window is None and "SPLASH" not in known[wid]:
                    self.main_window = (t - self.t0, wid)
            if self.main_window:
                return True
            self.watcher.wait(0.05)
        log(f"{self.program.name}: no main window (exit status {self.proc.poll()})")
        return False

    def sleep_until(self, seconds_after_launch):
        delay = self.t0 + seconds_after_launch - time.monotonic()
        if delay > 0:
            time.sleep(delay)

    def stop(self):
        if self.proc.poll() is None:
            self.proc.send_signal(signal.SIGTERM)
            try:
                self.proc.wait(10)
            except subprocess.TimeoutExpired:
                self.proc.kill()
                self.proc.wait()
        time.sleep(0.5)  # let the bus and the X server forget the process


def measure_start(program, watcher, settle):
    launch = Launch(program, watcher)
    try:
        if not launch.wait_for_windows():
            return None
        launch.sleep_until(max(settle, launch.main_window[0] + 1.0))
        rss, pss = memory_kib(launch.pid)
        return {"first_ms": launch.first_window[0] * 1000, "main_ms": launch.main_window[0] * 1000,
                "rss": rss, "pss": pss}
    finally:
        launch.stop()


def measure_run(program, watcher, seconds, counting, settle, shots):
    mode = "counting" if counting else "idle"
    launch = Launch(program, watcher, counting)
    try:
        if not launch.wait_for_windows():
            return None
        wid = launch.main_window[1]
        launch.sleep_until(max(settle, launch.main_window[0] + 1.0))
        if counting:
            program.start_countdown(wid)
        park_pointer()
        time.sleep(3.0)
        grab_a = grab_screen()
        time.sleep(2.2)
        grab_b = grab_screen()
        screenshot(os.path.join(shots, f"{program.slug}-{mode}-start.png"))
        log(f"{program.name} {mode}: measuring {seconds:.0f} s")
        before = snapshot(launch.pid)
        time.sleep(seconds)
        after = snapshot(launch.pid)
        grab_c = grab_screen()
        screenshot(os.path.join(shots, f"{program.slug}-{mode}-end.png"))
        result = difference(before, after)
        result["display_changes"] = grab_a != grab_b and grab_b != grab_c
        result["rss_end"], result["pss_end"] = memory_kib(launch.pid)
        return result
    finally:
        launch.stop()


def measure_wayland_run(program, display, seconds, counting, settle):
    """One run on the Wayland compositor `display`. No map events to watch there: the program
    is given the settle time to show its main window, and Tallybell's countdown is started by
    its own command line (`tallybell --start`), with no synthetic input."""
    mode = "counting" if counting else "idle"
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    env.update({"QT_QPA_PLATFORM": "wayland", "WAYLAND_DISPLAY": display})
    proc, _ = program.launch(counting, env)
    try:
        time.sleep(settle)
        if proc.poll() is not None:
            log(f"{program.name} on Wayland ended early (exit status {proc.poll()})")
            return None
        # Whether the countdown runs is read from Tallybell's status; the bare label is
        # taken at its word.
        counts = program.start_by_command(env) if counting else None
        time.sleep(3.0)
        log(f"{program.name} {mode} on Wayland: measuring {seconds:.0f} s")
        before = snapshot(proc.pid)
        time.sleep(seconds)
        after = snapshot(proc.pid)
        result = difference(before, after)
        result["display_changes"] = counts
        result["rss_end"], result["pss_end"] = memory_kib(proc.pid)
        return result
    finally:
        if proc.poll() is None:
            proc.send_signal(signal.SIGTERM)
            try:
                proc.wait(10)
            except subprocess.TimeoutExpired:
                proc.kill()
                proc.wait()
        time.sleep(0.5)


# --- Report ----------------------------------------------------------------------------------

def fmt(value, digits=1):
    return "n/a" if value is None else f"{value:.{digits}f}"


def median(values):
    values = [v for v in values if v is not None]
    return statistics.median(values) if values else None


def package_version(package):
    result = subprocess.run(["dpkg-query", "-W", "-f=${Version}", package],
                            capture_output=True, text=True)
    return result.stdout.strip() or "?"


def cpu_model():
    for line in read_file("/proc/cpuinfo").splitlines():
        if line.startswith("model name"):
            return line.split(":", 1)[1].strip()
    return platform.processor() or "?"


def thread_summary(result):
    groups = {}
    for t in result["threads"]:
        g = groups.setdefault(t["comm"], {"n": 0, "vol": 0, "invol": 0})
        g["n"] += 1
        g["vol"] += t["vol"]
        g["invol"] += t["invol"]
    s = result["seconds"]
    parts = []
    for comm, g in sorted(groups.items(), key=lambda kv: -(kv[1]["vol"] + kv[1]["invol"])):
        count = f"{g['n']}x " if g["n"] > 1 else ""
        parts.append(f"{count}`{comm}` {(g['vol'] + g['invol']) / s:.2f} "
                     f"({g['vol'] / s:.2f} vol.)")
    text = ", ".join(parts)
    if result["ended_threads"]:
        text += "; threads ended meanwhile: " + ", ".join(result["ended_threads"])
    return text


def verdict(ok):
    if isinstance(ok, str):
        return ok
    return "n/a" if ok is None else ("met" if ok else "**not met**")


def cpu(result):
    if not result:
        return "n/a"
    return f"{result['cpu_percent']:.3f} ({result['cpu_percent_precise']:.3f})"


def wakeups(result):
    if not result:
        return "n/a"
    return f"{result['wakeups_per_s']:.2f} ({result['voluntary_per_s']:.2f})"


def get(result, key):
    return result[key] if result else None


def ratio(a, b, digits=2):
    return "n/a" if a is None or not b else f"{a / b:.{digits}f}"


def above(a, b):
    """How much `a` is above `b`, as "+x.y"; "n/a" when either is missing."""
    return "n/a" if a is None or b is None else f"+{a - b:.1f}"


def run_details(lines, name, r, mode):
    if not r:
        lines.append(f"- {name} {mode}: failed.")
        return
    shown = {True: "changed", False: "did not change", None: "not looked at"}[r["display_changes"]]
    lines.append(
        f"- {name} {mode}: CPU {r['cpu_percent']:.3f} % ({r['cpu_percent_precise']:.4f} % "
        f"from the scheduler's run time), {r['wakeups_per_s']:.2f} context switches/s "
        f"({r['voluntary_per_s']:.2f} voluntary); what it shows {shown} during the run; RSS "
        f"{fmt(r['rss_end'] / 1024.0)} MiB at the end. Per thread (switches/s): "
        f"{thread_summary(r)}.")


def build_report(args, names, starts, runs, wayland, load):
    mib = lambda kib: None if kib is None else kib / 1024.0  # noqa: E731
    row = {}
    for name in names:
        ok = [s for s in starts[name] if s]
        row[name] = {
            "first": median([s["first_ms"] for s in ok]),
            "main": median([s["main_ms"] for s in ok]),
            "rss": mib(median([s["rss"] for s in ok])),
            "pss": mib(median([s["pss"] for s in ok])),
            "count": runs.get((name, True)),
            "idle": runs.get((name, False)),
        }

    lines = []
    lines.append(f"Measured {datetime.datetime.now().strftime('%Y-%m-%d %H:%M')} on "
                 f"{os.cpu_count()} cores ({cpu_model()}), Linux {platform.release()}, Xvfb "
                 f"without a window manager, "
                 f"{'with' if args.sound_server == 'yes' else 'without'} a PulseAudio server "
                 f"(null sink). Load average (1, 5, 15 min): "
                 + "; ".join(f"{stage} {value}" for stage, value in load) + ".")
    lines.append(f"Tallybell and the bare label with Qt {package_version('libqt6core6')}; "
                 f"ktimer {package_version('ktimer')} with Qt "
                 f"{package_version('libqt5core5a')}. Start-up and memory: median of "
                 f"{args.runs} fresh starts each, the programs taking turns, memory "
                 f"{args.settle:.0f} s after the start; CPU and wake-ups over "
                 f"{args.seconds:.0f} s.")
    lines.append("")
    lines.append("| Program | First window ms | RSS MiB | PSS MiB "
                 "| CPU % of a core, counting | Wake-ups/s, counting "
                 "| CPU % of a core, idle | Wake-ups/s, idle |")
    lines.append("|---|---:|---:|---:|---:|---:|---:|---:|")
    for name in names:
        r = row[name]
        lines.append(
            f"| {name} | {fmt(r['first'], 0)} | {fmt(r['rss'])} | {fmt(r['pss'])} "
            f"| {cpu(r['count'])} | {wakeups(r['count'])} "
            f"| {cpu(r['idle'])} | {wakeups(r['idle'])} |")
    lines.append("")
    lines.append("CPU: utime+stime of all threads (in brackets: the scheduler's run time in "
                 "/proc/PID/task/*/schedstat, finer than the 10 ms ticks). Wake-ups: voluntary "
                 "plus involuntary context switches of all threads (in brackets: voluntary "
                 "only, one per time a thread went to sleep).")
    for name in names:
        r = row[name]["count"]
        if r and r["display_changes"] is False:
            lines.append(f"WARNING: {name}'s screen did not change while counting; the "
                         "countdown may not have run.")
    lines.append("")

    if wayland:
        lines.append(f"On Wayland (weston {package_version('weston')}, headless back end, "
                     f"qt6-wayland {package_version('qt6-wayland')}); Tallybell's session "
                     "started with `tallybell --start`:")
        lines.append("")
        lines.append("| Program | CPU % of a core, counting | Wake-ups/s, counting "
                     "| CPU % of a core, idle | Wake-ups/s, idle | RSS MiB |")
        lines.append("|---|---:|---:|---:|---:|---:|")
        for name in [n for n in names if (n, True) in wayland]:
            c, i = wayland.get((name, True)), wayland.get((name, False))
            lines.append(f"| {name} | {cpu(c)} | {wakeups(c)} | {cpu(i)} | {wakeups(i)} "
                         f"| {fmt(mib(get(c, 'rss_end')))} |")
        lines.append("")

    t, b, k = row["Tallybell"], row["Bare label"], row["ktimer"]
    d = row.get("Bare design")
    wt, wb = wayland.get(("Tallybell", True)), wayland.get(("Bare label", True))
    goals = [
        (f"First window within {GOAL_FIRST_WINDOW_RATIO}x the bare label's",
         f"{fmt(t['first'], 0)} vs {fmt(b['first'], 0)} ms ({ratio(t['first'], b['first'])}x)",
         None if t["first"] is None or b["first"] is None
         else t["first"] <= GOAL_FIRST_WINDOW_RATIO * b["first"]),
        (f"Resident memory at most the bare label's + {GOAL_RSS_ABOVE_FLOOR_MIB:.0f} MiB",
         f"{fmt(t['rss'])} vs {fmt(b['rss'])} MiB "
         f"({above(t['rss'], b['rss'])})",
         None if t["rss"] is None or b["rss"] is None
         else t["rss"] <= b["rss"] + GOAL_RSS_ABOVE_FLOOR_MIB),
        (f"Counting on X11: at most {GOAL_WAKEUPS_PER_S} context switches/s, all threads",
         f"{fmt(get(t['count'], 'wakeups_per_s'), 2)} (bare label "
         f"{fmt(get(b['count'], 'wakeups_per_s'), 2)})",
         None if not t["count"] else t["count"]["wakeups_per_s"] <= GOAL_WAKEUPS_PER_S),
        (f"Counting on X11: at most {GOAL_CPU_PERCENT} % of a core (scheduler run time)",
         f"{fmt(get(t['count'], 'cpu_percent_precise'), 3)} (bare label "
         f"{fmt(get(b['count'], 'cpu_percent_precise'), 3)})",
         None if not t["count"] else t["count"]["cpu_percent_precise"] <= GOAL_CPU_PERCENT),
        ("Counting on Wayland: fewer context switches/s than the bare label",
         f"{fmt(get(wt, 'wakeups_per_s'), 2)} vs {fmt(get(wb, 'wakeups_per_s'), 2)}",
         None if not wt or not wb else wt["wakeups_per_s"] < wb["wakeups_per_s"]),
        (f"Idle: at most {GOAL_IDLE_WAKEUPS_PER_S} wake-ups/s",
         fmt(get(t["idle"], "wakeups_per_s"), 2),
         None if not t["idle"] else t["idle"]["wakeups_per_s"] <= GOAL_IDLE_WAKEUPS_PER_S),
        ("First window at least as fast as ktimer's",
         f"{fmt(t['first'], 0)} vs {fmt(k['first'], 0)} ms",
         None if t["first"] is None or k["first"] is None else t["first"] <= k["first"]),
        ("Resident memory at most half of ktimer's",
         f"{fmt(t['rss'])} vs {fmt(k['rss'])} MiB ({ratio(t['rss'], k['rss'])})",
         None if t["rss"] is None or k["rss"] is None else t["rss"] <= k["rss"] / 2),
    ]
    lines.append("| Goal for Tallybell | Measured | Verdict |")
    lines.append("|---|---|---|")
    for goal, measured, ok in goals:
        lines.append(f"| {goal} | {measured} | {verdict(ok)} |")
    lines.append("")
    if d:
        lines.append("Beside the floor of its own design, the same two windows with nothing "
                     "behind them (bare design): first window "
                     f"{fmt(t['first'], 0)} vs {fmt(d['first'], 0)} ms "
                     f"({ratio(t['first'], d['first'])}x; the design's own over the bare label "
                     f"{ratio(d['first'], b['first'])}x); RSS {fmt(t['rss'])} vs "
                     f"{fmt(d['rss'])} MiB "
                     f"({above(t['rss'], d['rss'])}; the design's own over the bare label "
                     f"{above(d['rss'], b['rss'])}).")
        lines.append("")

    lines.append("Details")
    lines.append("")
    for name in names:
        ms = ", ".join(fmt(s["first_ms"], 0) if s else "failed" for s in starts[name])
        lines.append(f"- {name}, first window of each start (ms): {ms}.")
        if name == "Tallybell":
            mains = ", ".join(fmt(s["main_ms"], 0) if s else "failed" for s in starts[name])
            lines.append(f"- Tallybell, main window after the splash (ms): {mains}.")
        rss = ", ".join(fmt(mib(s["rss"])) if s else "failed" for s in starts[name])
        lines.append(f"- {name}, RSS of each start (MiB): {rss}.")
        for counting in (True, False):
            if (name, counting) in runs:
                run_details(lines, name, runs[(name, counting)],
                            "counting" if counting else "idle")
    for (name, counting), r in sorted(wayland.items()):
        run_details(lines, name, r, ("counting" if counting else "idle") + " on Wayland")
    lines.append("")
    return "\n".join(lines)


def start_sound_server(workdir):
    """A private PulseAudio server with a null sink, as a desktop has a sound server."""
    if not shutil.which("pulseaudio"):
        log("pulseaudio not installed: measuring without a sound server")
        return None
    env = dict(os.environ)
    env.pop("DISPLAY", None)
    with open(os.path.join(workdir, "pulse.log"), "wb") as logfile:
        proc = subprocess.Popen(
            ["pulseaudio", "-n", "--daemonize=no", "--exit-idle-time=-1", "--log-target=stderr",
             "--load=module-null-sink sink_name=bench", "--load=module-native-protocol-unix"],
            env=env, stdout=logfile, stderr=subprocess.STDOUT)
    socket = os.path.join(os.environ["XDG_RUNTIME_DIR"], "pulse", "native")
    for _ in range(100):
        if os.path.exists(socket):
            return proc
        time.sleep(0.1)
    log("PulseAudio did not start (see pulse.log): measuring without a sound server")
    proc.terminate()
    proc.wait()
    return None


def load_average():
    return " ".join(read_file("/proc/loadavg").split()[:3])


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("--tallybell", required=True)
    parser.add_argument("--bare-label", required=True)
    parser.add_argument("--bare-design", default="",
                        help="the floor of Tallybell's own design, measured at start only")
    parser.add_argument("--workdir", required=True)
    parser.add_argument("--out", required=True)
    parser.add_argument("--runs", type=int, default=5)
    parser.add_argument("--seconds", type=float, default=60.0)
    parser.add_argument("--settle", type=float, default=4.0,
                        help="seconds after launch before memory is read (at least 1 s after "
                             "Tallybell's main window)")
    parser.add_argument("--sound-server", choices=["yes", "no"], default="yes",
                        help="start a private PulseAudio server for the run")
    parser.add_argument("--wayland-display", default="",
                        help="also measure on this Wayland compositor's socket")
    args = parser.parse_args()

    shots = os.path.join(args.workdir, "shots")
    os.makedirs(shots, exist_ok=True)
    tallybell = Tallybell(args.workdir, args.tallybell)
    bare = BareLabel(args.workdir, args.bare_label)
    counters = [tallybell, bare, KTimer(args.workdir)]
    programs = counters + ([BareDesign(args.workdir, args.bare_design)] if args.bare_design
                           else [])
    names = [p.name for p in programs]
    sound = start_sound_server(args.workdir) if args.sound_server == "yes" else None
    args.sound_server = "yes" if sound else "no"
    watcher = MapWatcher()
    load = [("before", load_average())]
    wayland = {}
    try:
        # One discarded start each: Tallybell's first run renames its task list, and every
        # program's files are in the page cache afterwards.
        for program in programs:
            log(f"warm-up start of {program.name}")
            if measure_start(program, watcher, args.settle) is None:
                sys.exit(f"{program.name} did not show its main window; see "
                         f"{args.workdir}/{program.slug}.log")
        starts = {name: [] for name in names}
        for i in range(args.runs):
            for program in programs:  # taking turns, so that load on the machine hits all
                result = measure_start(program, watcher, args.settle)
                log(f"{program.name} start {i + 1}: "
                    + ("failed" if not result else
                       f"first window {result['first_ms']:.0f} ms, RSS {result['rss']} KiB"))
                starts[program.name].append(result)
        load.append(("after the starts", load_average()))
        runs = {}
        for counting in (True, False):
            for program in counters:
                runs[(program.name, counting)] = measure_run(
                    program, watcher, args.seconds, counting, args.settle, shots)
        load.append(("after the X11 runs", load_average()))
        if args.wayland_display:
            for counting in (True, False):
                for program in (tallybell, bare):
                    wayland[(program.name, counting)] = measure_wayland_run(
                        program, args.wayland_display, args.seconds, counting, args.settle)
            load.append(("after the Wayland runs", load_average()))
    finally:
        watcher.close()
        if sound:
            sound.terminate()
            sound.wait()

    report = build_report(args, names, starts, runs, wayland, load)
    with open(args.out, "w") as f:
        f.write("# Tallybell, a bare Qt label and ktimer side by side\n\n" + report)
    print(report)


if __name__ == "__main__":
    main()
