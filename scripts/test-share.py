#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Prints the tests' share of the C++ and QML lines: lines of tests/ over lines of src/ and
tests/ together, leaving out blank lines and comments (// lines and /* */ blocks).
   scripts/test-share.py [REPOSITORY]"""
import pathlib
import sys


def lines(path):
    count = 0
    in_block = False
    for raw in path.read_text(errors="replace").splitlines():
        line = raw.strip()
        if in_block:
            if "*/" not in line:
                continue
            in_block = False
            line = line.split("*/", 1)[1].strip()
        if line.startswith("/*"):
            if "*/" not in line:
                in_block = True
                continue
            line = line.split("*/", 1)[1].strip()
        if line and not line.startswith("//"):
            count += 1
    return count


def total(folder):
    return sum(lines(p) for p in sorted(folder.rglob("*")) if p.suffix in (".cpp", ".h", ".qml"))


root = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent)
code, tests = total(root / "src"), total(root / "tests")
print(f"code {code}, tests {tests}: tests are {100 * tests / (code + tests):.1f} %")
