#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Kills the saver at random moments and checks the save file after every kill.

    killtest.py <saver> [--kills N] [--seed S] [--folder DIR]

After each SIGKILL the file must decode and hold the last acknowledged count or the one after
it (old state or new, never a mixture), and once the saver starts again no temporary file of
an interrupted save may remain. Then SIGTERM must end the store's worker with the very last
count on disk. The seed makes a failing run repeatable.
"""
import argparse
import os
import random
import re
import signal
import subprocess
import sys
import tempfile
import time

LEFTOVER = re.compile(r"^tapalong\.json\.[A-Za-z0-9]{6}$")


def fail(message):
    print("FAIL: " + message, file=sys.stderr)
    sys.exit(1)


def read_line(proc, prefix):
    line = proc.stdout.readline()
    if not line.startswith(prefix + " "):
        fail(f"expected '{prefix}', got {line!r}")
    return int(line.split()[1])


def check(saver, path):
    out = subprocess.run([saver, "check", path], capture_output=True, text=True)
    if out.returncode != 0:
        fail(f"{path} does not decode")
    return int(out.stdout.split()[1])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("saver")
    parser.add_argument("--kills", type=int, default=100)
    parser.add_argument("--seed", type=int, default=1)
    parser.add_argument("--folder")
    args = parser.parse_args()
    rng = random.Random(args.seed)

    with tempfile.TemporaryDirectory(dir=args.folder) as folder:
        path = os.path.join(folder, "tapalong.json")
        env = dict(os.environ, QT_QPA_PLATFORM="offscreen")
        strays_seen = 0
        started = time.monotonic()
        for kill in range(1, args.kills + 1):
            proc = subprocess.Popen([args.saver, "loop", path], stdout=subprocess.PIPE,
                                    text=True, env=env)
            strays_seen += read_line(proc, "leftovers")
            before = read_line(proc, "ready")
            strays = [n for n in os.listdir(folder) if LEFTOVER.match(n)]
            if strays:
                fail(f"kill {kill}: left over after start: {strays}")
            # Most kills land within the first saves, some after many.
            time.sleep(rng.choice([rng.uniform(0, 0.005), rng.uniform(0, 0.05),
                                   rng.uniform(0, 0.3)]))
            proc.send_signal(signal.SIGKILL)
            acknowledged = [int(l.split()[1]) for l in proc.stdout if l.startswith("saved ")]
            proc.wait()
            last = acknowledged[-1] if acknowledged else before
            if not os.path.exists(path) and last == 0:
                continue
            on_disk = check(args.saver, path)
            if on_disk not in (last, last + 1):
                fail(f"kill {kill}: acknowledged {last}, on disk {on_disk}")

        # SIGTERM while the store's worker is busy: the last count must reach the disk.
        proc = subprocess.Popen([args.saver, "store", path], stdout=subprocess.PIPE, text=True,
                                env=env)
        read_line(proc, "leftovers")
        read_line(proc, "ready")
        time.sleep(0.3)
        proc.send_signal(signal.SIGTERM)
        last = read_line(proc, "last")
        if proc.wait() != 0:
            fail("the store did not end cleanly on SIGTERM")
        if check(args.saver, path) != last:
            fail(f"SIGTERM: the store counted {last}, the file holds {check(args.saver, path)}")

        print(f"{args.kills} kills in {time.monotonic() - started:.1f} s (seed {args.seed}): "
              f"the file always decoded, held the old or the new count, and "
              f"{strays_seen} leftover temporary file(s) were removed at the next start; "
              f"SIGTERM kept the last of {last} counts")


if __name__ == "__main__":
    main()
