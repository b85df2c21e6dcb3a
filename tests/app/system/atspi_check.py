#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""What a screen reader learns of the running program, read through the accessibility bus.

    atspi_check.py check SCREEN NAME...
        Waits until every NAME (a shell-style pattern) is the name of something showing, then
        checks that every control showing has a role and a name; prints the tree on failure.
    atspi_check.py press NAME
        Presses the control with that name through its accessible action, as a screen reader
        user does.
"""
import fnmatch
import sys
import time

import pyatspi

CONTROLS = {
    pyatspi.ROLE_PUSH_BUTTON, pyatspi.ROLE_PAGE_TAB, pyatspi.ROLE_RADIO_BUTTON,
    pyatspi.ROLE_CHECK_BOX, pyatspi.ROLE_TOGGLE_BUTTON, pyatspi.ROLE_ENTRY, pyatspi.ROLE_TEXT,
    pyatspi.ROLE_MENU_ITEM, pyatspi.ROLE_LIST, pyatspi.ROLE_LIST_ITEM,
    getattr(pyatspi, "ROLE_BUTTON_MENU", pyatspi.ROLE_PUSH_BUTTON),
}


def application():
    desktop = pyatspi.Registry.getDesktop(0)
    for app in desktop:
        if app is not None and (app.name or "").lower() == "tapalong":
            return app
    return None


def showing(node):
    try:
        return node.getState().contains(pyatspi.STATE_SHOWING)
    except Exception:
        return False


def walk(node, depth=0):
    """Every showing node under `node` with its depth."""
    for child in node:
        if child is None or not showing(child):
            continue
        yield child, depth
        yield from walk(child, depth + 1)


def focusable(node):
    return node.getState().contains(pyatspi.STATE_FOCUSABLE)


def describe(node, depth):
    return f"{'  ' * depth}{node.getRoleName()}: {node.name!r}"


def snapshot():
    """Every showing node with its depth, name, role and whether it is a control; empty while
    the tree changes under the walk (a screen going away), to be asked again."""
    app = application()
    try:
        return [(node, depth, node.name or "", node.getRole(),
                 node.getRole() in CONTROLS or focusable(node))
                for node, depth in (walk(app) if app else [])]
    except Exception:  # an object gone between listing and asking
        return []


def check(screen, patterns, timeout=15):
    deadline = time.monotonic() + timeout
    while True:
        nodes = snapshot()
        names = [name for _, _, name, _, _ in nodes]
        missing = [p for p in patterns if not any(fnmatch.fnmatchcase(n, p) for n in names)]
        if (nodes and not missing) or time.monotonic() > deadline:
            break
        time.sleep(0.2)
    problems = [f"nothing named {p!r} shows" for p in missing]
    controls = 0
    for node, depth, name, role, control in nodes:
        if control:
            controls += 1
            if role in (pyatspi.ROLE_UNKNOWN, pyatspi.ROLE_INVALID):
                problems.append(f"a control without a role: {describe(node, 0)}")
            if not name.strip():
                problems.append(f"a control without a name: {describe(node, 0)}")
    if problems:
        print(f"{screen}: " + "; ".join(problems), file=sys.stderr)
        for node, depth, _, _, _ in nodes:
            print(describe(node, depth), file=sys.stderr)
        return 1
    print(f"{screen}: {controls} controls, all named; {len(nodes)} nodes showing")
    return 0


def press(name, timeout=10):
    deadline = time.monotonic() + timeout
    while time.monotonic() < deadline:
        app = application()
        for node, _ in (walk(app) if app else []):
            if node.name == name:
                action = node.queryAction()
                for i in range(action.nActions):
                    if action.getName(i) in ("Press", "press", "click", "Toggle"):
                        action.doAction(i)
                        return 0
                action.doAction(0)
                return 0
        time.sleep(0.2)
    print(f"nothing named {name!r} to press", file=sys.stderr)
    return 1


if __name__ == "__main__":
    if sys.argv[1] == "check":
        sys.exit(check(sys.argv[2], sys.argv[3:]))
    if sys.argv[1] == "press":
        sys.exit(press(sys.argv[2]))
    sys.exit(__doc__)
