#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes core/name_familiarity_table.cpp, how familiar each written given name is with a reading,
from Mozc's open dictionary in Debian's mozc source package (apt-get source mozc):

  generate_name_familiarity.py SOURCE TABLE
  generate_name_familiarity.py SOURCE TABLE --check COMMITTED

SOURCE is the unpacked source tree, or its src/data/dictionary_oss folder. The table takes the
entries that id.def calls given names (名詞,固有名詞,人名,名 as both their left and right id; a
different right id marks a name with a suffix, such as あいさん) with their cost, lower for what
Mozc's web corpus shows more often. A name of two or more characters that is also written as a
common word read otherwise, where the word's cost is within WORD_MARGIN of the name's or below it,
is costed WORD_PENALTY more: its web count is mostly the word's (一年 かずとし, 野菜 のな).
--check then compares TABLE with the committed file byte for
byte. Python's standard library only.
"""

import argparse
import pathlib
import re
import sys
import textwrap

GIVEN_NAME = "名詞,固有名詞,人名,名,*,*,*"
DICTIONARY = "src/data/dictionary_oss"
# A name written as a common word (any entry whose id is not a proper noun) and read otherwise.
WORD_MARGIN = 500
WORD_PENALTY = 3000
LONGEST_NAME = 3  # the program lists names of one to three characters
BLOCK_BYTES = 65535  # the longest literal that every compiler must take, 65,536 with its NUL
KATAKANA_TO_HIRAGANA = {code: code - (ord("ァ") - ord("ぁ")) for code in range(ord("ァ"), ord("ヶ") + 1)}
# What a written name may hold: kanji, kana, ー and the repeat marks; never a space, which ends
# a row's field, nor a combining character, so that a character is a code point.
NAME_RANGES = (
    (0x3005, 0x3005),  # 々
    (0x3041, 0x3096),  # hiragana
    (0x309D, 0x309E),  # ゝ ゞ
    (0x30A1, 0x30FA),  # katakana
    (0x30FC, 0x30FE),  # ー ヽ ヾ
    (0x3400, 0x4DBF),  # CJK unified ideographs, extension A
    (0x4E00, 0x9FFF),  # CJK unified ideographs
    (0xF900, 0xFAFF),  # CJK compatibility ideographs
    (0x20000, 0x3FFFF),  # the ideographic planes
)
READING_RANGES = ((0x3041, 0x3096), (0x309D, 0x309E), (0x30FC, 0x30FC))
VERSION = re.compile(r"^// mozc (\S+)$", re.MULTILINE)


def within(text, ranges):
    return all(any(low <= ord(c) <= high for low, high in ranges) for c in text)


def source_folders(path):
    """The dictionary folder and the source tree's root, from either."""
    path = pathlib.Path(path)
    if (path / "id.def").is_file():
        return path, path.parents[2]
    return path / DICTIONARY, path


def read_version(root):
    changelog = root / "debian" / "changelog"
    if not changelog.is_file():
        sys.exit(f"{changelog} is missing: unpack the source with apt-get source mozc")
    match = re.match(r"mozc \((\S+)\)", changelog.read_text(encoding="utf-8"))
    if not match:
        sys.exit(f"{changelog}: its first line names no version of mozc")
    return match.group(1)


def read_ids(folder):
    """The given names' id, and the ids of common words: those that are not proper nouns."""
    parts = [line.split(" ", 1) for line in (folder / "id.def").read_text(encoding="utf-8").splitlines()]
    ids = [number for number, speech in parts if speech == GIVEN_NAME]
    if len(ids) != 1:
        sys.exit(f"{folder / 'id.def'}: {len(ids)} ids for {GIVEN_NAME}; has its form changed?")
    return ids[0], {number for number, speech in parts if "固有名詞" not in speech}


def read_names(folder):
    """The lowest cost of each (written, reading) given name, the reading in hiragana; the lowest
    cost of each reading of each common word; and how many entries were left out as too long or not
    written in kana and kanji."""
    name_id, word_ids = read_ids(folder)
    costs, words, entries, too_long, other = {}, {}, 0, 0, 0
    paths = sorted(folder.glob("dictionary[0-9][0-9].txt"))
    if not paths:
        sys.exit(f"{folder}: no dictionary00.txt to dictionary09.txt")
    for path in paths:
        for line in path.read_text(encoding="utf-8").splitlines():
            reading, left, right, cost, written = line.split("\t")[:5]
            if left in word_ids and 1 < len(written) <= LONGEST_NAME:
                readings = words.setdefault(written, {})
                reading = reading.translate(KATAKANA_TO_HIRAGANA)
                readings[reading] = min(readings.get(reading, int(cost)), int(cost))
            if left != name_id or right != name_id:
                continue
            entries += 1
            reading = reading.translate(KATAKANA_TO_HIRAGANA)
            if len(written) > LONGEST_NAME:
                too_long += 1
            elif not (within(written, NAME_RANGES) and within(reading, READING_RANGES)):
                other += 1
            else:
                key = (written, reading)
                costs[key] = min(costs.get(key, int(cost)), int(cost))
    return costs, words, entries, too_long, other


def penalise_words(costs, words):
    """Costs the names that a common word read otherwise outnumbers WORD_PENALTY more; how many."""
    worded = [(written, reading) for (written, reading), cost in costs.items()
              if any(other != reading and word < cost + WORD_MARGIN
                     for other, word in words.get(written, {}).items())]
    for key in worded:
        costs[key] += WORD_PENALTY
    return len(worded)


def blocks(rows):
    """The rows in blocks of whole rows, each of at most BLOCK_BYTES."""
    block, size = [], 0
    for row in rows:
        length = len(row.encode()) + 1
        if block and size + length > BLOCK_BYTES:
            yield block
            block, size = [], 0
        block.append(row)
        size += length
    if block:
        yield block


def comment(text):
    return [f"// {line}".rstrip() for line in text.rstrip("\n").split("\n")]


def render(root, folder):
    version = read_version(root)
    costs, words, entries, too_long, other = read_names(folder)
    worded = penalise_words(costs, words)
    keys = sorted(costs, key=lambda key: (key[0].encode(), key[1].encode()))
    rows = [f"{written} {reading} {costs[written, reading]}" for written, reading in keys]
    about = (
        "How familiar a written given name is with a reading: the cost that Mozc's dictionary gives "
        f"the pair as a given name ({GIVEN_NAME.split(',*')[0]}), lower for what a web corpus shows "
        'more often. A row "written reading cost" for each pair, the reading in hiragana, the lowest '
        "cost where a pair recurs, in UTF-8 byte order of written form, then reading, and in blocks "
        f"of whole rows of at most {BLOCK_BYTES} bytes, the longest literal that every compiler must "
        f"take. Of the {entries} given names, {len(rows)} pairs of {len({w for w, _ in keys})} "
        f"written forms; left out: {too_long} written in more than {LONGEST_NAME} characters, "
        f"{other} with a character that is not kana or kanji. {worded} pairs of two or more characters "
        f"are costed {WORD_PENALTY} more, as their web count is mostly a common word's, written alike "
        f"and read otherwise, that costs less than {WORD_MARGIN} more than the name (一年 いちねん "
        "over 一年 かずとし)."
    )
    lines = [
        # The table's licence, not this file's. REUSE-IgnoreStart
        "// SPDX-License-Identifier: BSD-3-Clause AND NAIST-2003 AND LicenseRef-Okinawa-Dictionary",
        # REUSE-IgnoreEnd
        "// Generated by tools/generate_name_familiarity.py; regenerate it rather than edit it.",
        "// clang-format off: the licence below stays as Mozc words it, and the rows one a line.",
        "//",
        *comment(textwrap.fill(about, 97)),
        "//",
        f"// From {DICTIONARY} of Debian's mozc source package, version:",
        f"// mozc {version}",
        "// Its LICENSE, whose notices are to be kept with any copy of the dictionary:",
        "//",
    ]
    lines += comment((root / "LICENSE").read_text(encoding="utf-8"))
    lines += [
        "",
        '#include "core/name_familiarity.h"',
        "",
        "namespace quendrel {",
        "namespace {",
        "",
        "// A block's length from its literal: GCC gives up counting 1.3 MB in a constant expression.",
        "using std::string_view_literals::operator\"\"sv;",
        "",
        "constexpr std::string_view kBlocks[] = {",
    ]
    for block in blocks(rows):
        lines += [f'    "{row}\\n"' for row in block]
        lines[-1] += "sv,"
    lines += ["};", "// clang-format on", "", "}  // namespace", "",
              "std::span<const std::string_view> FamiliarityBlocks() {", "  return kBlocks;", "}", "",
              "}  // namespace quendrel", ""]
    return "\n".join(lines)


def check(generated, committed_path):
    committed = pathlib.Path(committed_path).read_text(encoding="utf-8")
    if committed == generated:
        print(f"{committed_path}: as generated")
        return 0
    old, new = VERSION.search(committed), VERSION.search(generated)
    if old and new and old.group(1) != new.group(1):
        print(f"{committed_path} is from mozc {old.group(1)}, the source is {new.group(1)}", file=sys.stderr)
    first = next((n for n, (a, b) in enumerate(zip(committed.split("\n"), generated.split("\n")), 1) if a != b),
                 min(committed.count("\n"), generated.count("\n")) + 1)
    print(f"{committed_path} differs from what the source gives, from line {first}", file=sys.stderr)
    return 1


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("source")
    parser.add_argument("table")
    parser.add_argument("--check", metavar="COMMITTED")
    arguments = parser.parse_args()
    folder, root = source_folders(arguments.source)
    text = render(root, folder)
    pathlib.Path(arguments.table).write_text(text, encoding="utf-8")
    return check(text, arguments.check) if arguments.check else 0


if __name__ == "__main__":
    sys.exit(main())
