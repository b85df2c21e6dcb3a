#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Fills a catalogue from lupdate with a pseudo-translation, to see the screens in a language
whose words are longer and whose letters are not English:

    pseudo_translate.py in.ts out.ts

"Start  ▶" becomes "[Šţàŕţ  ▶ ~~~]": every letter accented, the text about 40 % longer and
bracketed, so that a clipped or untranslated text shows at a glance. Placeholders (%1, %n,
%L1), line breaks and a leading emoji stay as they are. A message whose translator's note
says "at most N letters" (a key cap) is accented but kept within N letters and unbracketed.
"""
import re
import sys
import xml.etree.ElementTree as ET

ACCENTED = dict(zip(
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ",
    "àƀçđéƒĝĥîĵķļɱñöþǫŕšţûṽŵẋýžÀƁÇĐÉƑĜĤÎĴĶĻṀÑÖÞǪŔŠŢÛṼŴẊÝŽ"))
PLACEHOLDER = re.compile(r"%L?\d+|%n")
LIMIT = re.compile(r"at most (\d+) letters")


def accent(text):
    # Placeholders are copied untouched; only the text between them is accented.
    out, last = [], 0
    for match in PLACEHOLDER.finditer(text):
        out.append("".join(ACCENTED.get(c, c) for c in text[last:match.start()]))
        out.append(match.group())
        last = match.end()
    out.append("".join(ACCENTED.get(c, c) for c in text[last:]))
    return "".join(out)


def leading_symbols(text):
    """The emoji and spaces a text starts with: they stay in front of the bracket."""
    i = 0
    while i < len(text) and not (text[i].isalnum() or text[i] in "%([\"'¿¡"):
        i += 1
    return text[:i], text[i:]


def pseudo(text, limit=None):
    if limit is not None:
        return accent(text)[:limit]
    if not text.strip():
        return text
    head, body = leading_symbols(text)
    if not body:
        return text
    padding = "~" * max(1, round(len(body) * 0.4) - 3)
    return f"{head}[{accent(body)} {padding}]"


def main(source, target):
    tree = ET.parse(source)
    for message in tree.iter("message"):
        text = message.findtext("source") or ""
        note = message.findtext("extracomment") or ""
        found = LIMIT.search(note)
        limit = int(found.group(1)) if found else None
        translation = message.find("translation")
        if translation is None:
            translation = ET.SubElement(message, "translation")
        translation.attrib.pop("type", None)
        forms = translation.findall("numerusform")
        if forms or message.get("numerus") == "yes":
            for form in forms:
                translation.remove(form)
            for _ in range(2):
                ET.SubElement(translation, "numerusform").text = pseudo(text, limit)
        else:
            translation.text = pseudo(text, limit)
    tree.getroot().set("language", "eo")
    tree.write(target, encoding="utf-8", xml_declaration=True)


if __name__ == "__main__":
    if len(sys.argv) != 3:
        sys.exit("usage: pseudo_translate.py in.ts out.ts")
    main(sys.argv[1], sys.argv[2])
