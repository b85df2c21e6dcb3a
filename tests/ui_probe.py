#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Finds a named control of the running program in the file its UI probe writes
($TAPALONG_UI_PROBE, see src/app/uiprobe.h) and waits for it to be in a state, so that the
system tests click what they mean wherever the layout puts it.

    ui_probe.py wait QUERY [--timeout S] [--text T] [--selected] [--lit] [--focus] [--count N]
        Waits until exactly one item matching QUERY is ready (showing, enabled, fully faded
        in, not moving) and in the state asked for; prints the centre of what shows of it,
        "x y" in window pixels. With --count, until at least N are, moving or not, and prints
        the top one's centre.
    ui_probe.py gone QUERY [--timeout S]
        Waits until no item matching QUERY shows.
    ui_probe.py still [--quiet S] [--timeout S]
        Waits until no named item has moved or changed for S seconds (0.3 unless given): the
        screen has settled, for a screenshot.
    ui_probe.py list QUERY
        Prints every ready match, top to bottom: "y<TAB>path<TAB>text".

QUERY names an item by its objectName, after the names of any of its named ancestors
("results/nextButton" is a nextButton inside results); shell-style wildcards match within
names ("row *"). A wait that times out says what
it saw and exits with status 1.
"""
import argparse
import fnmatch
import json
import os
import sys
import time

POLL = 0.05
# The probe writes every 50 ms; a control whose place has not changed for three of those has
# stopped moving (a fade, a spring, a scroll).
STEADY = 0.15


def read_scene(path):
    try:
        with open(path, encoding="utf-8") as file:
            return json.load(file)
    except (OSError, ValueError):
        return {"items": []}


def matches(query, path):
    """The last name matches the query's last; the query's others match ancestors, in order."""
    names, wanted = path.split("/"), query.split("/")
    if not fnmatch.fnmatchcase(names.pop(), wanted.pop()):
        return False
    for name in reversed(names):
        if wanted and fnmatch.fnmatchcase(name, wanted[-1]):
            wanted.pop()
    return not wanted


def shows(item):
    return item["w"] > 0 and item["h"] > 0 and item["opacity"] > 0


def ready(item):
    return shows(item) and item["enabled"] and item["opacity"] >= 0.99


def in_state(item, args):
    return ((args.text is None or item.get("text") == args.text)
            and (args.containing is None or args.containing in item.get("text", ""))
            and (not args.selected or item.get("selected") is True)
            and (not args.lit or item.get("lit") is True)
            and (not args.focus or item["focus"]))


def describe(items):
    return "; ".join(
        f"{i['path']} at {i['x']},{i['y']} {i['w']}x{i['h']} opacity {i['opacity']}"
        f"{'' if i['enabled'] else ' disabled'}"
        + (f" text {i['text']!r}" if "text" in i else "")
        + (" selected" if i.get("selected") else "") + (" lit" if i.get("lit") else "")
        for i in items) or "nothing"


def print_centre(item, scene):
    ratio = scene.get("devicePixelRatio", 1)
    print(round((item["x"] + item["w"] / 2) * ratio), round((item["y"] + item["h"] / 2) * ratio))


def wait(args, probe):
    deadline = time.monotonic() + args.timeout
    steady_since, last_place = None, None
    seen = []
    while True:
        scene = read_scene(probe)
        seen = [i for i in scene["items"] if matches(args.query, i["path"])]
        good = [i for i in seen if ready(i) and in_state(i, args)]
        if len(good) > 1 and args.count is None:
            sys.exit(f"ui_probe: {args.query!r} is ambiguous: {describe(good)}")
        now = time.monotonic()
        if args.count is not None and len(good) >= args.count:
            print_centre(min(good, key=lambda i: (i["y"], i["x"])), scene)
            return
        if good and args.count is None:
            item = good[0]
            place = (item["path"], item["x"], item["y"], item["w"], item["h"])
            if place != last_place:
                steady_since, last_place = now, place
            elif now - steady_since >= STEADY:
                print_centre(item, scene)
                return
        else:
            last_place = None
        if now > deadline:
            print(f"ui_probe: no {args.query!r} ready within {args.timeout} s; saw {describe(seen)}",
                  file=sys.stderr)
            sys.exit(1)
        time.sleep(POLL)


def gone(args, probe):
    deadline = time.monotonic() + args.timeout
    while True:
        seen = [i for i in read_scene(probe)["items"]
                if matches(args.query, i["path"]) and shows(i)]
        if not seen:
            return
        if time.monotonic() > deadline:
            print(f"ui_probe: {args.query!r} still shows after {args.timeout} s: {describe(seen)}",
                  file=sys.stderr)
            sys.exit(1)
        time.sleep(POLL)


def still(args, probe):
    deadline = time.monotonic() + args.timeout
    last, since = None, time.monotonic()
    while True:
        # The named items only: a clock's text ticking in a corner is no movement.
        now_seen = read_scene(probe)["items"] if os.path.exists(probe) else None
        now = time.monotonic()
        if now_seen != last:
            last, since = now_seen, now
        elif now_seen is not None and now - since >= args.quiet:
            return
        if now > deadline:
            sys.exit(f"ui_probe: the screen did not settle within {args.timeout} s")
        time.sleep(POLL)


def list_ready(args, probe):
    found = [i for i in read_scene(probe)["items"]
             if matches(args.query, i["path"]) and ready(i)]
    for item in sorted(found, key=lambda i: (i["y"], i["x"])):
        print(f"{item['y']}\t{item['path']}\t{item.get('text', '')}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("command", choices=["wait", "gone", "still", "list"])
    parser.add_argument("query", nargs="?", default="*")
    parser.add_argument("--quiet", type=float, default=0.3)
    parser.add_argument("--timeout", type=float, default=10)
    parser.add_argument("--text")
    # Part of the text: the figures in it, which stay the same in every language.
    parser.add_argument("--containing")
    parser.add_argument("--selected", action="store_true")
    parser.add_argument("--lit", action="store_true")
    parser.add_argument("--focus", action="store_true")
    parser.add_argument("--count", type=int)
    args = parser.parse_args()
    probe = os.environ.get("TAPALONG_UI_PROBE")
    if not probe:
        sys.exit("ui_probe: TAPALONG_UI_PROBE names no file")
    {"wait": wait, "gone": gone, "still": still, "list": list_ready}[args.command](args, probe)


if __name__ == "__main__":
    main()
