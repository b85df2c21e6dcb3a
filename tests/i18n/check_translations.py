#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Checks the shipped catalogues against the texts the sources hold now:

    check_translations.py tapalong_source.ts translations/tapalong_en.ts tapalong_de.ts ...

German, French and Spanish translate every text: none missing, unfinished or left over from
texts that are gone, every placeholder kept, every plural form there. English translates only
its plurals ("%n day(s)" into "%n day" and "%n days"); its other texts are their own.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

PLACEHOLDER = re.compile(r"%L?\d+|%n")
# Qt's plural rules: how many forms each language's numerus translation holds.
PLURAL_FORMS = {"en": 2, "de": 2, "fr": 2, "es": 2}


def messages(ts_path):
    found = {}
    for context in ET.parse(ts_path).getroot().iter("context"):
        name = context.findtext("name")
        for message in context.iter("message"):
            key = (name, message.findtext("source") or "", message.findtext("comment") or "")
            found[key] = message
    return found


def check(source, ts_path):
    language = ET.parse(ts_path).getroot().get("language", "").split("_")[0]
    if language not in PLURAL_FORMS:
        return [f"{ts_path}: unknown language {language!r}"]
    english = language == "en"
    problems = []
    catalogue = messages(ts_path)
    for key, wanted in source.items():
        context, text, _ = key
        where = f"{language} {context}: {text!r}"
        numerus = wanted.get("numerus") == "yes"
        if english and not numerus:
            continue
        message = catalogue.get(key)
        if message is None:
            problems.append(f"{where} is missing")
            continue
        translation = message.find("translation")
        if translation.get("type") in ("unfinished", "obsolete", "vanished"):
            problems.append(f"{where} is {translation.get('type')}")
        forms = [f.text or "" for f in translation.iter("numerusform")]
        if numerus and len(forms) != PLURAL_FORMS[language]:
            problems.append(f"{where} has {len(forms)} plural forms, not {PLURAL_FORMS[language]}")
        for form in forms if numerus else [translation.text or ""]:
            if text.strip() and not form.strip():
                problems.append(f"{where} has an empty translation")
            if sorted(PLACEHOLDER.findall(text)) != sorted(PLACEHOLDER.findall(form)):
                problems.append(f"{where} lost a placeholder: {form!r}")
    for key, message in catalogue.items():
        translation = message.find("translation")
        if key not in source and translation.get("type") not in ("obsolete", "vanished"):
            problems.append(f"{language} {key[0]}: {key[1]!r} is no longer in the sources")
        elif translation.get("type") in ("obsolete", "vanished"):
            problems.append(f"{language} {key[0]}: {key[1]!r} is {translation.get('type')}")
    return problems


def main(source_ts, catalogues):
    source = messages(source_ts)
    problems = [p for ts_path in catalogues for p in check(source, ts_path)]
    for problem in problems:
        print(problem)
    print(f"{len(source)} texts, {len(catalogues)} catalogues, {len(problems)} problems")
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1], sys.argv[2:]))
