#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
# SPDX-FileCopyrightText: 2026 The Tapalong developers
"""Checks the hand-made word lists of data/words/<lang>/ and writes them into the program.

Every entry must be in NFC, of the right length and characters, and free of the language's
blocklist (whole words, any case). Any fault stops the script with a message and status 1,
so a list that slipped cannot reach a child. The English word bank lives in the program's
own source; only its blocklist is here, for the tests.

    scripts/wordlists.py            rewrite src/curriculum/wordlistsdata.cpp
    scripts/wordlists.py --check    fail when that file is not what the lists give
"""

import argparse
import pathlib
import re
import sys
import unicodedata

ROOT = pathlib.Path(__file__).resolve().parent.parent
DATA = ROOT / "data" / "words"
OUTPUT = ROOT / "src" / "curriculum" / "wordlistsdata.cpp"
LANGUAGES = ["de", "fr", "es"]

# count, shortest, longest (in letters a child sees), what the entry may hold
SHAPES = {
    "words": (650, 3, 8),
    "phrases": (60, 33, 45),
    "sentences": (90, 35, 48),
}

# Punctuation the sentences may hold besides letters and single spaces, per language.
SENTENCE_MARKS = {
    "de": set(".!?'"),
    "fr": set(".!?'"),
    "es": set(".!?'¿¡"),
}

WORD_SPLIT = re.compile(r"[^\w]+|_|\d+")


class ListError(Exception):
    pass


def read_list(path):
    """The entries of a list file: one a line, comment lines (#) and blank lines skipped."""
    try:
        text = path.read_text(encoding="utf-8")
    except (OSError, UnicodeDecodeError) as error:
        raise ListError(f"{path}: cannot read: {error}") from error
    entries = []
    for number, line in enumerate(text.splitlines(), start=1):
        if not line.strip() or line.startswith("#"):
            continue
        if unicodedata.normalize("NFC", line) != line:
            raise ListError(f"{path}:{number}: not in NFC: {line!r}")
        if line != line.strip():
            raise ListError(f"{path}:{number}: space at an end: {line!r}")
        entries.append((number, line))
    return entries


def perceived_length(text):
    """Letters as a child sees them: a base letter and its combining marks are one."""
    return sum(1 for c in text if not unicodedata.combining(c))


def whole_words(text):
    """The words of an entry, lower case, split at spaces, apostrophes and other marks."""
    return [w for w in WORD_SPLIT.split(text.lower()) if w]


def check_shape(path, kind, language, entries):
    count, shortest, longest = SHAPES[kind]
    if len(entries) != count:
        raise ListError(f"{path}: {len(entries)} entries, {count} expected")
    seen = set()
    for number, entry in entries:
        where = f"{path}:{number}: {entry!r}"
        if entry in seen:
            raise ListError(f"{where}: listed twice")
        seen.add(entry)
        length = perceived_length(entry)
        if not shortest <= length <= longest:
            raise ListError(f"{where}: {length} long, {shortest} to {longest} expected")
        if "  " in entry:
            raise ListError(f"{where}: two spaces in a row")
        for c in entry:
            if c.isalpha() or c == " ":
                continue
            if kind == "sentences" and c in SENTENCE_MARKS[language]:
                continue
            # A French sentence sets a narrow gap before ! and ?; a plain space is what the
            # keyboard types, so that is what the list must hold.
            raise ListError(f"{where}: holds {c!r} (U+{ord(c):04X})")
        if kind == "words" and " " in entry:
            raise ListError(f"{where}: a word holds a space")
        if kind == "sentences":
            opening = entry.lstrip("¿¡")
            if not opening[:1].isupper():
                raise ListError(f"{where}: does not start with a capital")
            if entry[-1] not in ".!?":
                raise ListError(f"{where}: does not end with . ! or ?")
        if kind == "phrases" and any(c in ".!?" for c in entry):
            raise ListError(f"{where}: a phrase holds punctuation")


def check_blocklist(path, entries, blocked):
    for number, entry in entries:
        for word in whole_words(entry):
            if word in blocked:
                raise ListError(f"{path}:{number}: {entry!r} holds the blocked word {word!r}")


def read_blocklist(language):
    path = DATA / language / "blocklist.txt"
    blocked = set()
    for number, entry in read_list(path):
        if entry != entry.lower():
            raise ListError(f"{path}:{number}: {entry!r} is not lower case")
        blocked.add(entry)
    if len(blocked) < 100:
        raise ListError(f"{path}: only {len(blocked)} entries; is it the whole list?")
    return blocked


def load(language):
    blocked = read_blocklist(language)
    lists = {}
    for kind in SHAPES:
        path = DATA / language / f"{kind}.txt"
        entries = read_list(path)
        check_shape(path, kind, language, entries)
        check_blocklist(path, entries, blocked)
        lists[kind] = [entry for _, entry in entries]
    return lists


def literal(text):
    """A char16_t string literal in plain ASCII, so the file reads the same in any editor."""
    out = []
    for c in text:
        code = ord(c)
        if c in '"\\':
            out.append("\\" + c)
        elif 0x20 <= code < 0x7F:
            out.append(c)
        elif code <= 0xFFFF:
            out.append(f"\\u{code:04X}")
        else:
            out.append(f"\\U{code:08X}")
    return 'u"' + "".join(out) + '"'


def render(all_lists):
    lines = [
        "// SPDX-License-Identifier: GPL-3.0-or-later",
        "// SPDX-FileCopyrightText: 2026 The Tapalong developers",
        "// Written by scripts/wordlists.py from data/words/: edit the lists there and run it again.",
        "// clang-format off",
        '#include "wordbankdata.h"',
        "",
        "namespace tapalong::WordBankData::detail {",
        "",
        "namespace {",
        "",
    ]
    for language, lists in all_lists.items():
        for kind, entries in lists.items():
            lines.append(f"const char16_t *const {language}_{kind}[] = {{")
            lines.extend(f"    {literal(entry)}," for entry in entries)
            lines.append("};")
            lines.append("")
    lines.append("} // namespace")
    lines.append("")
    lines.append("std::span<const HandMadeLists> handMadeLists()")
    lines.append("{")
    lines.append("    static const HandMadeLists lists[] = {")
    for language in all_lists:
        lines.append(
            f'        {{u"{language}", {language}_words, {language}_phrases, '
            f"{language}_sentences}},"
        )
    lines.append("    };")
    lines.append("    return lists;")
    lines.append("}")
    lines.append("")
    lines.append("} // namespace tapalong::WordBankData::detail")
    lines.append("// clang-format on")
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="only check; fail when the program's copy is out of date")
    parser.add_argument("--output", type=pathlib.Path, default=OUTPUT)
    args = parser.parse_args()
    try:
        read_blocklist("en")
        text = render({language: load(language) for language in LANGUAGES})
    except ListError as error:
        print(f"wordlists: {error}", file=sys.stderr)
        return 1
    if args.check:
        current = args.output.read_text(encoding="utf-8") if args.output.exists() else ""
        if current != text:
            print(f"wordlists: {args.output} is out of date: run scripts/wordlists.py",
                  file=sys.stderr)
            return 1
        return 0
    args.output.write_text(text, encoding="utf-8")
    return 0


if __name__ == "__main__":
    sys.exit(main())
