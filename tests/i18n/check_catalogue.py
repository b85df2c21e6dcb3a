#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Checks the pseudo-translation built from a fresh lupdate:

    check_catalogue.py tapalong_pseudo.ts tapalong_pseudo.qm

Every message is translated (none unfinished, none empty), keeps its placeholders, and the
catalogue holds texts from every layer that shows any, so that lupdate reading nothing from a
folder (a marker it cannot see) is noticed.
"""
import collections
import os
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%n")
# A context from each layer's texts: the course, the store, the screens, the games, the program.
EXPECTED_CONTEXTS = ["Course", "Tutorial", "Keyboard", "GameFacts", "Badges", "SaveFile",
                     "tapalong::AppStore", "tapalong::CourseProgress", "GrownupsReport",
                     "tapalong::GameFrame", "RocketRace", "CommandLine", "DashboardView",
                     "GameScreenFrame", "MainView"]


def main(ts_path, qm_path):
    problems = []
    contexts = collections.Counter()
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            contexts[name] += 1
            source = message.findtext("source") or ""
            translation = message.find("translation")
            texts = [f.text or "" for f in translation.iter("numerusform")] or [translation.text or ""]
            where = f"{name}: {source!r}"
            if translation.get("type") in ("unfinished", "obsolete", "vanished"):
                problems.append(f"{where} is {translation.get('type')}")
            for text in texts:
                if source.strip() and not text.strip():
                    problems.append(f"{where} has an empty translation")
                if sorted(PLACEHOLDER.findall(source)) != sorted(PLACEHOLDER.findall(text)):
                    problems.append(f"{where} lost a placeholder: {text!r}")
    for name in EXPECTED_CONTEXTS:
        if contexts[name] == 0:
            problems.append(f"no texts under {name}: lupdate did not see them")
    if not os.path.exists(qm_path) or os.path.getsize(qm_path) < 1000:
        problems.append(f"{qm_path} is missing or nearly empty")
    for problem in problems:
        print(problem)
    print(f"{sum(contexts.values())} texts in {len(contexts)} contexts")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2]))
