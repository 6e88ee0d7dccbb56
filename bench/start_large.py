#!/usr/bin/env python3
"""Times the real program on a very long task list, on a private Xvfb display.

Usage: bench/start_large.py BINARY [TASKS [STARTS]]   (default 100000 tasks, 3 starts)

The program runs from a program folder of its own holding a tallydef.ini of TASKS tasks
([task1] ... [taskN], one description each), with every XDG folder in a temporary folder.
The first start (which renames the task list to tallywork.ini) is shown but not counted;
each later start gives:
- the first window (the splash, shown once the main window's settings are read) and the
  main window, in ms after launch, stamped by measure.py's X map watcher;
- how long the main thread stays busy after Alt+S presses Start: until its last 20 ms step
  with more than 2 ms of run time (/proc/PID/task/PID/schedstat) before 0.5 s of rest.
Needs Xvfb, xev, xprop and xdotool, as compare.sh does.
"""
import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measure  # noqa: E402

measure.WINDOW_TIMEOUT_S = 180.0


def task_list(tasks):
    parts = ["[options]\r\ndisable ScreenSaver=False\r\nUse Full Screen=False\r\n"
             "Play Sound=False\r\nStop Between tasks=False\r\n[TotalTime]\r\nTime=2\r\n"]
    for n in range(1, tasks + 1):
        parts.append(f"[task{n}]\r\ndescription1=Piece {n}, %note% major\r\n")
    return "".join(parts).encode()


def run_time_ns(pid):
    with open(f"/proc/{pid}/task/{pid}/schedstat") as f:
        return int(f.read().split()[0])


def busy_after(pid, t0, rest=0.5, limit=180.0):
    last = run_time_ns(pid)
    last_busy = t0
    while time.monotonic() - t0 < limit:
        time.sleep(0.02)
        now_ns, now = run_time_ns(pid), time.monotonic()
        if now_ns - last > 2_000_000:
            last_busy = now
        last = now_ns
        if now - last_busy >= rest:
            return last_busy - t0
    return None


def start_display():
    for n in range(640, 700):
        if os.path.exists(f"/tmp/.X11-unix/X{n}") or os.path.exists(f"/tmp/.X{n}-lock"):
            continue
        proc = subprocess.Popen(["Xvfb", f":{n}", "-screen", "0", "1280x1024x24", "-nolisten",
                                 "tcp"], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        for _ in range(100):
            if os.path.exists(f"/tmp/.X11-unix/X{n}"):
                os.environ["DISPLAY"] = f":{n}"
                return proc
            time.sleep(0.1)
        proc.kill()
    sys.exit("no Xvfb display could be started")


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    binary = os.path.abspath(sys.argv[1])
    tasks = int(sys.argv[2]) if len(sys.argv) > 2 else 100000
    starts = int(sys.argv[3]) if len(sys.argv) > 3 else 3
    work = tempfile.mkdtemp(prefix="tallybell-large-")
    for name in ("config", "data", "cache", "state", "runtime"):
        os.makedirs(os.path.join(work, name), mode=0o700)
        os.environ[f"XDG_{name.upper()}_{'DIR' if name == 'runtime' else 'HOME'}"] = \
            os.path.join(work, name)
    display = start_display()
    watcher = None
    results = []
    try:
        watcher = measure.MapWatcher()
        program = measure.Tallybell(work, binary)
        with open(os.path.join(program.folder, "tallydef.ini"), "wb") as f:
            f.write(task_list(tasks))
        print(f"{tasks} tasks, {os.path.getsize(os.path.join(program.folder, 'tallydef.ini'))}"
              " bytes")
        for i in range(starts + 1):
            launch = measure.Launch(program, watcher)
            try:
                if not launch.wait_for_windows():
                    print(f"start {i}: no main window")
                    continue
                first, main_window = launch.first_window[0], launch.main_window[0]
                line = f"start {i}: first window {first * 1000:.0f} ms, main window " \
                       f"{main_window * 1000:.0f} ms"
                if i == 0:
                    print(line + " (first start, not counted)", flush=True)
                    continue
                measure.xdotool("windowfocus", "--sync", str(launch.main_window[1]))
                time.sleep(0.5)
                t0 = time.monotonic()
                measure.xdotool("key", "--clearmodifiers", "alt+s")
                busy = busy_after(launch.pid, t0)
                results.append((first, main_window, busy))
                print(line + (f", busy after Start {busy * 1000:.0f} ms" if busy is not None
                              else ", still busy after Start"), flush=True)
            finally:
                launch.stop()
    finally:
        if watcher:
            watcher.close()
        display.terminate()
        display.wait()
        shutil.rmtree(work, ignore_errors=True)
    if results:
        def ms(values):
            values = [v for v in values if v is not None]
            return f"{statistics.median(values) * 1000:.0f} ms" if values else "-"
        print(f"median: first window {ms(r[0] for r in results)}, main window "
              f"{ms(r[1] for r in results)}, busy after Start {ms(r[2] for r in results)}")


if __name__ == "__main__":
    main()
