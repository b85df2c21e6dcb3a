#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Reads what the running program shows (the texts its UI probe lists, see
src/app/uiprobe.h) and says what a child could not read as meant:

- a text cut short with "…", bigger than its box, cut off by what holds it or by the window,
  or running out of its button;
- on a translated screen, English left over: a text the catalogue translates shown in its
  English words, or a sentence of English that never went through the catalogue.

    screen_check.py SCREEN [--catalogue translations/tapalong_de.ts]

Prints one line per finding, "SCREEN: what: 'text' (where)", and exits 1 if there was any.
Names, what a child types (drill lines, passages, falling letters, a grown-up's own text) and
"Tapalong" are not the interface's words and are left alone.
"""
import argparse
import json
import os
import re
import sys
import xml.etree.ElementTree as ElementTree

# Where the child's own typing material and the household's names show: in any language.
TYPED_OR_NAMES = re.compile(
    r"(^|/)(drillLabel|drillText|typedPart|restPart|passage|cells|glyph|letters?|meteors?"
    r"|moleKey|shownKey|slotKey|echoSlots|key:[^/]*|homeText[^/]*|practiceText"
    r"|practiceTextEditor|practiceTextInput|practiceTextResult|trickyText|fontSample"
    r"|profile [^/]*|explorer [^/]*|row [^/]*|name|nameField|chosenAvatar|laneName|racer"
    r"|language [^/]*|saveDialogName|saveDialogList|saveDialogPlace)(/|$)")

# Game pieces that fly in from the edge of their field or rise out of a hole: cut off by it
# on purpose while they move.
MOVING = re.compile(r"(^|/)(letter|meteor|moleField|racer)(/|$)")

# Words of English that are no word of German, French or Spanish: two of them in one text
# is an English sentence, whether or not it came through the catalogue.
ENGLISH_ONLY = {
    "the", "you", "your", "with", "this", "that", "and", "are", "for", "of", "to", "has",
    "have", "will", "from", "what", "when", "here", "there", "today", "yet", "not", "they",
    "their", "our", "we", "it", "its", "been", "would", "could", "should", "my", "is", "be",
    "keys", "key", "lesson", "lessons", "games", "try", "again", "great", "next", "typing",
    "letter", "letters", "word", "words", "hands", "finger", "fingers",
}
WORD = re.compile(r"[^\W\d_]+(?:['’-][^\W\d_]+)*")
PLACEHOLDER = re.compile(r"%L?[0-9n]+|\n|<[^>]*>|&[a-z]+;")


def words(text):
    return WORD.findall(text.lower())


def english_fragments(catalogue):
    """The English texts the catalogue gives another wording, cut at their placeholders, and
    every word the translations themselves use (an English word that is also the language's own,
    such as "Panda", is no leftover)."""
    root = ElementTree.parse(catalogue).getroot()
    sources, translated = set(), set()
    for message in root.iter("message"):
        source = message.findtext("source") or ""
        translation = message.find("translation")
        forms = ([form.text or "" for form in translation.iter("numerusform")]
                 or [translation.text or ""]) if translation is not None else []
        for form in forms:
            translated.update(words(form))
        if not forms or all(form == source for form in forms):
            continue
        for part in PLACEHOLDER.split(source):
            part_words = words(part)
            if part_words:
                sources.add(tuple(part_words))
    return {f for f in sources if not set(f) <= translated}, translated


def leftover_english(text, fragments, translated):
    said = words(text)
    if not said:
        return None
    joined = " " + " ".join(said) + " "
    for fragment in fragments:
        # One English word is a leftover only as the whole text ("Games" on a tab); two or
        # more, anywhere in it.
        if (len(fragment) == 1 and tuple(said) == fragment) or (
                len(fragment) > 1 and " " + " ".join(fragment) + " " in joined):
            return " ".join(fragment)
    english = {w for w in said if w in ENGLISH_ONLY and w not in translated}
    if len(english) >= 2:
        return " ".join(sorted(english))
    return None


def findings(scene, fragments, translated):
    for entry in scene.get("texts", []):
        text, path = entry["text"], entry["path"] or "(unnamed)"
        where = f"{path} at {entry['x']},{entry['y']}"
        for fault, said in (("elided", "cut short"), ("overflow", "bigger than its box"),
                            ("cut", "cut off"), ("outside", "out of its control")):
            if entry.get(fault) and not (fault == "cut" and MOVING.search(entry["path"])):
                yield f"{said}: {text!r} ({where})"
        if fragments is None or TYPED_OR_NAMES.search(entry["path"]):
            continue
        left = leftover_english(text.replace("Tapalong", ""), fragments, translated)
        if left:
            yield f"English left ({left}): {text!r} ({where})"


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("screen")
    parser.add_argument("--catalogue", help="the shown language's .ts file; none for English")
    args = parser.parse_args()
    probe = os.environ.get("TAPALONG_UI_PROBE")
    if not probe:
        sys.exit("screen_check: TAPALONG_UI_PROBE names no file")
    with open(probe, encoding="utf-8") as file:
        scene = json.load(file)
    fragments, translated = (english_fragments(args.catalogue) if args.catalogue
                             else (None, set()))
    found = list(dict.fromkeys(findings(scene, fragments, translated)))
    for line in found:
        print(f"{args.screen}: {line}")
    sys.exit(1 if found else 0)


if __name__ == "__main__":
    main()
