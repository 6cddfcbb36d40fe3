#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes .reuse/dep5, the licensing that REUSE reads for the files that carry none or only a
licence, from packaging/copyright, the package's copyright file, so that the two cannot drift apart:

  generate_reuse_dep5.py COPYRIGHT DEP5
  generate_reuse_dep5.py --check COPYRIGHT DEP5

It keeps the header's upstream fields and each Files paragraph's files, copyright and licence,
with Debian's licence names turned into SPDX identifiers; the comments and the licence texts stay
in the copyright file (REUSE reads the texts from LICENSES/). --check compares instead of writing.
Python's standard library only.
"""

import argparse
import sys

HEADER_FIELDS = ("Format", "Upstream-Name", "Upstream-Contact", "Source")
FILES_FIELDS = ("Files", "Copyright", "License")
# Debian's copyright format names the MIT licence Expat; the operators are upper case in SPDX.
SPDX_NAMES = {"Expat": "MIT", "and": "AND", "or": "OR", "with": "WITH"}
NOTE = (
    "Comment: Written from packaging/copyright by tools/generate_reuse_dep5.py; regenerate it"
    " rather than edit it."
)


def paragraphs(text):
    """Each paragraph of a deb822 file as a dict from field name to its lines, the first one's
    value and the continuation lines as they stand."""
    for block in text.strip("\n").split("\n\n"):
        fields, name = {}, None
        for line in block.split("\n"):
            if line[:1] in (" ", "\t") and name is not None:
                fields[name].append(line)
            else:
                name, _, value = line.partition(":")
                fields[name] = [value.strip()]
        yield fields


def spdx(expression):
    return " ".join(SPDX_NAMES.get(word, word) for word in expression.split())


def dep5(copyright_text):
    blocks = list(paragraphs(copyright_text))
    header = blocks[0]
    lines = [f"{name}: {header[name][0]}" for name in HEADER_FIELDS if name in header]
    lines.append(NOTE)
    for block in blocks[1:]:
        if "Files" not in block:
            continue  # a licence text
        lines.append("")
        for name in FILES_FIELDS:
            first, *rest = block[name]
            lines.append(f"{name}: {spdx(first) if name == 'License' else first}")
            if name != "License":  # a licence's continuation lines are its text
                lines.extend(rest)
    return "\n".join(lines) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true")
    parser.add_argument("copyright")
    parser.add_argument("dep5")
    arguments = parser.parse_args()
    with open(arguments.copyright, encoding="utf-8") as stream:
        text = dep5(stream.read())
    if not arguments.check:
        with open(arguments.dep5, "w", encoding="utf-8") as stream:
            stream.write(text)
        return 0
    with open(arguments.dep5, encoding="utf-8") as stream:
        if stream.read() == text:
            print(f"{arguments.dep5} is as {arguments.copyright} gives it")
            return 0
    print(
        f"{arguments.dep5} differs from what {arguments.copyright} gives: run"
        f" tools/generate_reuse_dep5.py {arguments.copyright} {arguments.dep5}",
        file=sys.stderr,
    )
    return 1


if __name__ == "__main__":
    sys.exit(main())
