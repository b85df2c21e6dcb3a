#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Fails on a QML string literal with letters in it that does not go through qsTr, so that a
new text cannot reach the screen untranslated:

    qml_texts.py <src folder>

A literal may stand outside qsTr where it is not shown: an objectName, an animated property's
name, a colour, a shortcut, a file's URL, a field's key. Anything else that must stay as it is
says why in a comment on its line: `// not translated: <reason>`.
"""
import pathlib
import re
import sys

TRANSLATING = {"qsTr", "qsTranslate", "QT_TR_NOOP", "QT_TRANSLATE_NOOP", "qsTrId"}
# Calls whose string arguments are names, not texts.
NAMING_CALLS = {"resolvedUrl", "getContext", "log", "warn", "error", "debug", "findChild"}
# Properties whose values are names, keys or looks, never shown as text.
NAMING_PROPERTIES = {
    "objectName", "property", "properties", "sequence", "sequences", "defaultSuffix", "color",
    "fillColor", "strokeColor", "border.color", "key", "referenceKey", "pointName", "source",
    "state", "target", "role", "textRole", "valueRole",
}
PROPERTY = re.compile(r"^\s*(?:readonly\s+)?(?:required\s+)?(?:property\s+[\w<>.]+\s+)?([\w.]+)\s*:")
PROPERTY_IN_LINE = re.compile(r"(?:^|[{;,])\s*(?:property\s+[\w<>.]+\s+)?([A-Za-z_][\w.]*)\s*:")
LETTER = re.compile(r"[A-Za-z]")


def literals(text):
    """Yields (line number, column, literal, innermost call name) for every string literal."""
    calls = []  # the call (or None for a plain parenthesis) each open '(' belongs to
    i, line, line_start = 0, 1, 0
    while i < len(text):
        c = text[i]
        if c == "\n":
            line += 1
            line_start = i + 1
        elif text.startswith("//", i):
            i = text.find("\n", i)
            if i < 0:
                return
            continue
        elif text.startswith("/*", i):
            end = text.find("*/", i)
            line += text.count("\n", i, end)
            if "\n" in text[i:end]:
                line_start = text.rfind("\n", i, end) + 1
            i = end + 2
            continue
        elif c in "\"'`":
            j, start_line = i + 1, line
            while text[j] != c:
                if text[j] == "\\":
                    j += 1
                elif text[j] == "\n":
                    line += 1
                j += 1
            yield start_line, i - line_start, text[i + 1:j], calls[-1] if calls else None
            i = j + 1
            continue
        elif c == "(":
            name = re.search(r"([\w$]+)\s*$", text[max(0, i - 40):i])
            calls.append(name.group(1) if name else None)
        elif c == ")" and calls:
            calls.pop()
        i += 1


def check(path):
    text = path.read_text(encoding="utf-8")
    lines = text.split("\n")
    # The property each line's value belongs to: the last "name:" at or above it.
    owner, current = [], None
    for source_line in lines:
        found = PROPERTY.match(source_line)
        if found:
            current = found.group(1)
        owner.append(current)
    problems = []
    for number, column, literal, call in literals(text):
        if not LETTER.search(literal):
            continue
        if call in TRANSLATING or call in NAMING_CALLS:
            continue
        source_line = lines[number - 1]
        if source_line.lstrip().startswith("import ") or "// not translated:" in source_line:
            continue
        # The property named before the literal on its line (`Heading { text: "…" }`), else the
        # one the line continues.
        before = PROPERTY_IN_LINE.findall(source_line[:column])
        if (before[-1] if before else owner[number - 1]) in NAMING_PROPERTIES:
            continue
        problems.append(f"{path}:{number}: \"{literal}\" is not in qsTr()")
    return problems


def main(root):
    problems = []
    for path in sorted(pathlib.Path(root).rglob("*.qml")):
        problems += check(path)
    for problem in problems:
        print(problem)
    if problems:
        print(f"{len(problems)} QML texts do not go through qsTr(); wrap them, or say on the "
              "line why not: // not translated: <reason>")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
