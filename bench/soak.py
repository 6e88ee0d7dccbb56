#!/usr/bin/env python3
"""Runs many short practice sessions in one Tallybell and prints its resident memory after
each tenth, to show whether memory grows with the sessions.

The program runs in test mode (`tallybell testmode`: ten-second tasks) from a program folder
of its own, on the display, session bus and XDG folders of the caller: run it under
bench/compare.sh's set-up or the like (a private Xvfb, `dbus-run-session`, XDG_* pointing
into a temporary folder). Each session is driven by the program's own command line: --start,
--next (the task ends at the next tick, as a click on the skip arrow ends it), a second on
the next task, --stop. A session that starts at the last task (the next start goes on from
where the last one stopped) ends with the skip instead. Each is written to the journal.

Usage: bench/soak.py [--sessions N] build/bin/tallybell
"""

import argparse
import os
import subprocess
import sys
import tempfile
import time

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import measure  # noqa: E402  (its program folder set-up)


def rss_kib(pid):
    with open(f"/proc/{pid}/status") as f:
        for line in f:
            if line.startswith("VmRSS:"):
                return int(line.split()[1])
    return None


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tallybell")
    parser.add_argument("--sessions", type=int, default=100)
    args = parser.parse_args()

    work = tempfile.mkdtemp(prefix="tallybell-soak.")
    program = measure.Tallybell(work, os.path.abspath(args.tallybell))
    binary = os.path.join(program.folder, "tallybell")
    log = open(os.path.join(work, "tallybell.log"), "wb")
    proc = subprocess.Popen([binary, "testmode"], cwd=program.folder, stdout=log,
                            stderr=subprocess.STDOUT)

    def remote(word, may_refuse=False):
        result = subprocess.run([binary, f"--{word}"], cwd=program.folder, capture_output=True,
                                text=True, timeout=20)
        if result.returncode != 0 and not may_refuse:
            raise SystemExit(f"--{word}: {result.returncode} {result.stdout}{result.stderr}")
        return result.stdout.strip()

    try:
        deadline = time.monotonic() + 30
        while True:  # until the main window answers, after the splash
            time.sleep(0.5)
            result = subprocess.run([binary, "--status"], cwd=program.folder,
                                    capture_output=True, text=True, timeout=20)
            if result.returncode == 0 or time.monotonic() > deadline:
                break
        time.sleep(3.5)
        print(f"before the first session: RSS {rss_kib(proc.pid) / 1024:.2f} MiB", flush=True)
        readings = {}
        for session in range(1, args.sessions + 1):
            remote("start")
            time.sleep(1.1)
            remote("next")
            time.sleep(1.1)
            remote("stop", may_refuse=True)  # a skip past the last task ended the session
            time.sleep(0.2)
            if session == 1 or session % 10 == 0:
                readings[session] = rss_kib(proc.pid)
                print(f"after session {session}: RSS {readings[session] / 1024:.2f} MiB",
                      flush=True)
        first, last = readings[1], readings[args.sessions]
        print(f"growth from session 1 to {args.sessions}: {(last - first) / 1024:+.2f} MiB")
    finally:
        proc.terminate()
        proc.wait(10)
        log.close()


if __name__ == "__main__":
    main()
