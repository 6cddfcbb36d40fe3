#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Writes core/supplementary_stroke_table.cpp, the stroke counts asked for the characters that the
built-in table lacks, core/name_kanji_table.cpp, the kanji allowed in a given name with the
readings used in names, and core/school_stroke_table.cpp, how the traditional schools count those
kanji, from the data that Debian ships:

  KANJIDIC2 (package kanjidic-xml): the first stroke count of every kanji it holds, its grades
    (1 to 6 and 8 are the jōyō kanji, 9 and 10 the jinmeiyō kanji) and its readings;
  Unihan (package unicode-data): kTotalStrokes, its first value, for the ideographs KANJIDIC2 lacks;
    kRSUnicode, its first value, each ideograph's radical and the strokes beyond it; from
    Unihan_OtherMappings.txt, kJinmeiyoKanji's pairs of a kanji and its other form;
  Mozc (Debian's mozc source package, apt-get source mozc): the old forms (旧字体) that its
    src/data/single_kanji/variant_rule.txt gives.

The traditional form (旧字体) of a name kanji is the old form that Mozc gives it (辺 邊, 沢 澤),
where it gives one; else the other form that kJinmeiyoKanji pairs it with: of a jōyō kanji, the
one that is not jōyō (広 廣, 国 國); of two jinmeiyō kanji, the compatibility ideograph (祐 U+FA4F).
Mozc's form is not taken where it gives several (弁 辨 辯 瓣), nor where it has fewer strokes than
the kanji (煙 烟, 線 綫: a variant that the Kangxi dictionary gives beside the kanji itself). The
table marks the forms that come from Mozc; without Mozc's source, --check takes those from the
committed table and so checks every count, but not the forms themselves.

Under 旧字体 a kanji counts as its traditional form; under 康熙字典 as that form too, with the
radicals in KANGXI_RADICALS counted as the characters they stand for: the radical's own count and
kRSUnicode's strokes beyond it (花 艸 6 + 4 = 10, 陽 阜 8 + 9 = 17). Other radicals are not expanded.
Where a form's strokes beyond its radical are fewer than its written shape shows (泰 水 4 + 5 = 9,
求 水 4 + 2 = 6), the Kangxi dictionary's count is taken.

  generate_supplementary_strokes.py [--kanjidic2 FILE] [--unihan FILE] [--unihan-other FILE]
      --mozc SOURCE STROKES NAME_KANJI SCHOOLS
  generate_supplementary_strokes.py [...] --check STROKES NAME_KANJI SCHOOLS

--check regenerates both tables and compares them with the committed files: byte for byte when the
installed data are the versions their headers name, else only the counts of the kanji allowed in a
given name and the set of those kanji, so that a newer release that changes one of those fails and
is looked at. Readings change with every release; another release's are counted, not compared.
Python's standard library only.
"""

import argparse
import bz2
import gzip
import pathlib
import re
import sys
import unicodedata
import xml.etree.ElementTree as ElementTree

from generate_name_familiarity import read_version

KANJIDIC2 = "/usr/share/edict/kanjidic2.xml.gz"
UNIHAN = "/usr/share/unicode/Unihan_IRGSources.txt.bz2"
UNIHAN_OTHER = "/usr/share/unicode/Unihan_OtherMappings.txt.bz2"
MOZC_VARIANTS = "src/data/single_kanji/variant_rule.txt"
OLD_FORM = "旧字体"  # the heading of the old forms' sections in Mozc's variant rules
JOYO_GRADES = {"1", "2", "3", "4", "5", "6", "8"}
# The radicals counted as the characters they stand for under 康熙字典, by Kangxi radical number:
# the count of the full character, whatever shape the radical takes in a kanji.
KANGXI_RADICALS = {
    61: ("心", 4),  # 忄
    64: ("手", 4),  # 扌
    85: ("水", 4),  # 氵
    94: ("犬", 4),  # 犭
    96: ("玉", 5),  # 王
    113: ("示", 5),  # 礻
    122: ("网", 6),  # 罒
    130: ("肉", 6),  # ⺼
    140: ("艸", 6),  # 艹
    145: ("衣", 6),  # 衤
    162: ("辵", 7),  # 辶
    163: ("邑", 7),  # 阝 on the right
    170: ("阜", 8),  # 阝 on the left
}
NAME_GRADES = {"1", "2", "3", "4", "5", "6", "8", "9", "10"}
PER_LINE = 10
# Counts that a later KANJIDIC2 release corrected, looked at and taken on every release, so that
# the table is the same whichever Debian builds it. KANJIDIC2 gives the accepted count first.
CORRECTIONS = {
    "捲": 11,  # 扌 3 + 卷 8, as Unihan counts it; first in KANJIDIC2 2024-219 on, 12 in 2022-235
}
# Radicals and strokes beyond them that Unicode 15.1 corrected, taken on every release likewise.
RADICAL_CORRECTIONS = {
    "搜": "64.9",  # 扌 + 叟 9
    "猫": "94.9",  # 犭 + 苗 9, 艹 counted 4 as the Kangxi dictionary counts it
    "随": "170.10",  # 阝 + the two-dot 辶 and 有
}
VERSIONS = re.compile(r"^// Versions: (.*)$", re.MULTILINE)
ENTRY = re.compile(r"\{U'(.+?)', (\d+)\}")
NAME_KANJI = re.compile(r"\{U'(.)', (\"[^\"]*\", \"[^\"]*\", \"[^\"]*\")\}")
SCHOOL_ENTRY = re.compile(r"\{U'(.)', U'(.)', (\d+), (\d+)\}")
MOZC_ENTRY = re.compile(r"\{U'(.)', U'(.)', \d+, \d+\},  // Mozc")
READING_SEPARATOR = "・"
KATAKANA_TO_HIRAGANA = {code: code - (ord("ァ") - ord("ぁ")) for code in range(ord("ァ"), ord("ヶ") + 1)}
UNICODE_VERSION = re.compile(r"^# Unicode [Vv]ersion:? (\S+)")


def nfc_stable(character):
    """A character that normalisation form C changes is never looked up in its own form."""
    return unicodedata.normalize("NFC", character) == character


def unique(readings):
    """The readings once each, where each first occurs."""
    return list(dict.fromkeys(readings))


def name_readings(element):
    """A kanji's readings in hiragana as three lists: on, kun and nanori. A kun reading keeps the
    "." before its okurigana (つ.ぐ), as KANJIDIC2 writes it; the marks of a prefix or suffix are
    dropped."""
    def of_type(r_type):
        found = [r.text for r in element.iter("reading") if r.get("r_type") == r_type]
        return unique(r.replace("-", "").translate(KATAKANA_TO_HIRAGANA) for r in found)

    return (of_type("ja_on"), of_type("ja_kun"), unique(n.text for n in element.iter("nanori")))


def read_kanjidic2(path):
    """The header's versions, the first stroke count and the readings used in names of each kanji,
    and the kanji allowed in names."""
    counts, readings, name_kanji, header, grades = {}, {}, set(), {}, {}
    with gzip.open(path) as stream:
        for _, element in ElementTree.iterparse(stream):
            if element.tag in ("file_version", "database_version", "date_of_creation"):
                header[element.tag] = element.text
            elif element.tag == "character":
                literal = element.findtext("literal")
                counts[literal] = int(element.find("misc/stroke_count").text)
                readings[literal] = name_readings(element)
                grades[literal] = element.findtext("misc/grade")
                if element.findtext("misc/grade") in NAME_GRADES:
                    name_kanji.add(literal)
                element.clear()
    return header, counts, name_kanji, readings, grades


def read_unihan(path):
    """The header's Unicode version and date, and the first kTotalStrokes and kRSUnicode values of
    each ideograph."""
    counts, header, radicals = {}, {}, {}
    opener = bz2.open if path.endswith(".bz2") else open
    with opener(path, "rt", encoding="utf-8") as stream:
        for line in stream:
            # "# Unicode version: 15.0.0" up to Unicode 15.1, "# Unicode Version 17.0.0" since.
            if match := UNICODE_VERSION.match(line):
                header["version"] = match.group(1)
            elif line.startswith("# Date:"):
                header["date"] = ", dated " + line.split(":", 1)[1].split()[0]
            elif "\tkTotalStrokes\t" in line:
                code_point, _, values = line.rstrip("\n").split("\t")
                counts[chr(int(code_point[2:], 16))] = int(values.split()[0])
            elif "\tkRSUnicode\t" in line:
                code_point, _, values = line.rstrip("\n").split("\t")
                radicals[chr(int(code_point[2:], 16))] = values.split()[0]
    if not counts or "version" not in header:
        sys.exit(f"{path}: no kTotalStrokes field or no Unicode version; has Unihan changed its form?")
    return header, counts, radicals


def read_jinmeiyo_pairs(path):
    """kJinmeiyoKanji's pairs of a kanji and its other form ("U+5EE3 2010:U+5E83")."""
    pairs = []
    with bz2.open(path, "rt", encoding="utf-8") as stream:
        for line in stream:
            if "\tkJinmeiyoKanji\t" in line:
                code_point, _, values = line.rstrip("\n").split("\t")
                pairs += [(chr(int(code_point[2:], 16)), chr(int(v.split(":U+")[1], 16)))
                          for v in values.split() if ":U+" in v]
    if not pairs:
        sys.exit(f"{path}: no kJinmeiyoKanji pairs; has Unihan changed its form?")
    return pairs


def mozc_old_forms(lines):
    """The old form of each kanji in Mozc's variant rules (sections of "variant<TAB>kanji" lines
    under a heading, ended by a blank line), where it gives one, whatever its count."""
    section, forms = None, {}
    for line in lines:
        line = line.rstrip("\n")
        if not line:
            section = None
        elif not line.startswith("#") and "\t" not in line:
            section = line
        elif section == OLD_FORM and not line.startswith("#"):
            old, kanji = line.split("\t")
            forms.setdefault(unicodedata.normalize("NFC", kanji), []).append(old)
    if not forms:
        sys.exit(f"no {OLD_FORM} section in Mozc's variant rules; has their form changed?")
    return {kanji: olds[0] for kanji, olds in forms.items() if len(olds) == 1}


def read_mozc(root):
    """Mozc's version, its licence and its old forms."""
    with open(f"{root}/{MOZC_VARIANTS}", encoding="utf-8") as stream:
        forms = mozc_old_forms(stream)
    with open(f"{root}/LICENSE", encoding="utf-8") as stream:
        licence = stream.read().split("\n---\n")[0].strip("\n").split("\n")
    return read_version(pathlib.Path(root)), licence, forms


def committed_mozc(path):
    """Without Mozc's source, the old forms from it that the committed table marks, which are all
    that differ from kJinmeiyoKanji's."""
    with open(path, encoding="utf-8") as stream:
        return None, [], dict(MOZC_ENTRY.findall(stream.read()))


def kanjidic2_credit(kd_header):
    """The lines of a table's header that name KANJIDIC2's version and licence."""
    return [
        f"// KANJIDIC2 file_version {kd_header['file_version']}, database_version "
        f"{kd_header['database_version']}, created {kd_header['date_of_creation']},",
        "//   as Debian's kanjidic-xml ships it. Copyright the Electronic Dictionary Research and",
        "//   Development Group, used under Creative Commons Attribution-ShareAlike 4.0",
        "//   (https://www.edrdg.org/edrdg/licence.html).",
    ]


def opening(header, table):
    """The start of a generated table, after its comment."""
    return ["", f'#include "{header}"', "", "namespace quendrel {", "namespace {", "",
            "// clang-format off", f"constexpr {table}[] = {{"]


def closing(function, table):
    """The end of a generated table and the function that hands it out."""
    return ["};", "// clang-format on", "", "}  // namespace", "", function + " {",
            f"  return {table};", "}", "", "}  // namespace quendrel", ""]


def render(kanjidic2, unihan):
    kd_header, kd_counts, *_ = kanjidic2
    uh_header, uh_counts, _ = unihan
    table = {c: n for c, n in uh_counts.items() if nfc_stable(c)}
    table.update({c: n for c, n in kd_counts.items() if nfc_stable(c)})
    table.update(CORRECTIONS)
    rows = sorted(table.items(), key=lambda item: ord(item[0]))
    lines = [
        # The table's licence, not this file's. REUSE-IgnoreStart
        "// SPDX-License-Identifier: CC-BY-SA-4.0 AND Unicode-DFS-2016",
        # REUSE-IgnoreEnd
        "// Generated by tools/generate_supplementary_strokes.py; regenerate it rather than edit it.",
        "//",
        "// The stroke counts asked for a character that the built-in table lacks, in code-point order.",
        "// Of every kanji in KANJIDIC2 its first stroke count; of every other ideograph in Unihan its",
        "// first kTotalStrokes value. Characters that normalisation form C changes are left out, as a",
        "// name is looked up in that form. Only these counts are taken from the two sources, with",
        "// the corrections that the generator lists: "
        + ", ".join(f"{c} {n}" for c, n in CORRECTIONS.items())
        + ".",
        "//",
        f"// KANJIDIC2 file_version {kd_header['file_version']}, database_version "
        f"{kd_header['database_version']}, created {kd_header['date_of_creation']},",
        "//   as Debian's kanjidic-xml ships it. Copyright the Electronic Dictionary Research and",
        "//   Development Group, used under Creative Commons Attribution-ShareAlike 4.0",
        "//   (https://www.edrdg.org/edrdg/licence.html; Debian's copyright file names 3.0).",
        f"// Unihan_IRGSources.txt, Unicode {uh_header['version']}{uh_header.get('date', '')}, as Debian's",
        "//   unicode-data ships it. Copyright Unicode, Inc., under the Unicode License Agreement -",
        "//   Data Files and Software (https://www.unicode.org/copyright.html).",
        f"// Versions: KANJIDIC2 {kd_header['database_version']}, Unicode {uh_header['version']}",
        f"// {len(rows)} characters: {sum(1 for c, _ in rows if c in kd_counts)} from KANJIDIC2, "
        f"{sum(1 for c, _ in rows if c not in kd_counts)} from Unihan.",
        "",
        '#include "core/supplementary_strokes.h"',
        "",
        "namespace quendrel {",
        "namespace {",
        "",
        "// clang-format off",
        "constexpr SupplementaryEntry kEntries[] = {",
    ]
    for start in range(0, len(rows), PER_LINE):
        chunk = rows[start : start + PER_LINE]
        lines.append("    " + " ".join(f"{{U'{c}', {n}}}," for c, n in chunk))
    return "\n".join(lines + closing("std::span<const SupplementaryEntry> SupplementaryTable()", "kEntries"))


def merged_readings(name_kanji, readings):
    """The allowed kanji as a name is compared with them, in normalisation form C, so that a
    compatibility kanji such as 神 U+FA19 stands as the unified one it is read as, each with its
    readings of each kind: the unified kanji's first, then those that only the compatibility one
    has."""
    merged = {}
    for kanji in sorted(name_kanji, key=lambda c: (not nfc_stable(c), ord(c))):
        unified = unicodedata.normalize("NFC", kanji)
        before = merged.get(unified, ([], [], []))
        own = readings.get(unified, ([], [], []))
        merged[unified] = tuple(unique(b + o + k) for b, o, k in zip(before, own, readings[kanji]))
    return sorted(merged.items(), key=lambda item: ord(item[0]))


def render_name_kanji(kanjidic2):
    kd_header, _, name_kanji, readings, _ = kanjidic2
    rows = merged_readings(name_kanji, readings)
    lines = [
        # The table's licence, not this file's. REUSE-IgnoreStart
        "// SPDX-License-Identifier: CC-BY-SA-4.0",
        # REUSE-IgnoreEnd
        "// Generated by tools/generate_supplementary_strokes.py; regenerate it rather than edit it.",
        "//",
        "// The kanji allowed in a given name, in code-point order: those that KANJIDIC2 grades 1 to 6",
        "// and 8 (the jōyō kanji) or 9 and 10 (the jinmeiyō kanji), in normalisation form C, as a name",
        f"// is compared in that form: {len(name_kanji)} kanji, {len(rows)} once normalised.",
        "//",
        "// Each with its readings in hiragana, each once where it first occurs: KANJIDIC2's on readings,",
        "// its kun readings (a \".\" before the okurigana, as KANJIDIC2 writes them) and its nanori, the",
        "// readings used in names. A compatibility kanji's readings follow the unified one's.",
        "//",
        *kanjidic2_credit(kd_header),
        f"// Versions: KANJIDIC2 {kd_header['database_version']}",
        *opening("core/name_characters.h", "NameKanjiEntry kNameKanji"),
    ]
    lines += [
        f"    {{U'{kanji}', " + ", ".join(f'"{READING_SEPARATOR.join(kind)}"' for kind in kinds) + "},"
        for kanji, kinds in rows
    ]
    return "\n".join(lines + closing("std::span<const NameKanjiEntry> NameKanji()", "kNameKanji"))


def traditional_forms(kanjidic2, pairs, mozc_forms):
    """Each name kanji's traditional form, in normalisation form C, from Mozc's old forms, else
    kJinmeiyoKanji's pairs."""
    grades = kanjidic2[4]
    forms = {}
    for a, b in pairs:
        if (grades.get(a) in JOYO_GRADES) != (grades.get(b) in JOYO_GRADES):
            new, old = (a, b) if grades.get(a) in JOYO_GRADES else (b, a)
        else:
            new, old = (a, b) if nfc_stable(a) else (b, a)
        forms[unicodedata.normalize("NFC", new)] = old
    counts, name_kanji = kanjidic2[1], {unicodedata.normalize("NFC", k) for k in kanjidic2[2]}
    return forms | {kanji: old for kanji, old in mozc_forms.items()
                    if kanji in name_kanji and counts.get(old, 0) >= counts[kanji]}


def school_rows(kanjidic2, unihan, pairs, mozc_forms):
    """Each name kanji that a traditional school counts otherwise or may: its traditional form (or
    itself), that form's count (0 where it has none), the 康熙字典 count, and the radical and strokes
    beyond it that gave that count, after "Mozc; " where the form is Mozc's and not the pair's."""
    kd_counts, name_kanji = kanjidic2[1], kanjidic2[2]
    _, uh_counts, radicals = unihan
    radicals = radicals | RADICAL_CORRECTIONS
    def count(character):
        return CORRECTIONS.get(character) or kd_counts.get(character) or uh_counts[character]
    traditional = traditional_forms(kanjidic2, pairs, mozc_forms)
    paired = traditional_forms(kanjidic2, pairs, {})
    rows = []
    for kanji in sorted({unicodedata.normalize("NFC", k) for k in name_kanji}, key=ord):
        form = traditional.get(kanji, kanji)
        radical, _, beyond = (radicals.get(form) or radicals[kanji]).partition(".")
        expanded = radical.isdigit() and int(radical) in KANGXI_RADICALS
        if form == kanji and not expanded:
            continue
        kangxi = KANGXI_RADICALS[int(radical)][1] + int(beyond) if expanded else count(form)
        how = f"{KANGXI_RADICALS[int(radical)][0]} {int(beyond):+d}" if expanded else ""
        if paired.get(kanji, kanji) != form:
            how = "; ".join(filter(None, ("Mozc", how)))
        rows.append((kanji, form, count(form) if form != kanji else 0, kangxi, how))
    return rows


def render_schools(kanjidic2, unihan, pairs, mozc):
    kd_header = kanjidic2[0]
    uh_header = unihan[0]
    mozc_version, mozc_licence, mozc_forms = mozc
    rows = school_rows(kanjidic2, unihan, pairs, mozc_forms)
    lines = [
        # The table's licence, not this file's. REUSE-IgnoreStart
        "// SPDX-License-Identifier: CC-BY-SA-4.0 AND Unicode-DFS-2016 AND BSD-3-Clause",
        # REUSE-IgnoreEnd
        "// Generated by tools/generate_supplementary_strokes.py; regenerate it rather than edit it.",
        "//",
        "// How the traditional schools count the kanji allowed in a given name, in code-point order:",
        "// each kanji with its traditional form (Mozc's old form where the comment says Mozc, else",
        "// the form kJinmeiyoKanji pairs it with, else itself),",
        "// that form's count under 旧字体 (0 where it has none: it counts as written), and its count",
        "// under 康熙字典, the traditional form with the radicals "
        + "".join(name for name, _ in KANGXI_RADICALS.values()),
        "// counted as those characters (the radical, then the strokes beyond it, in the comment),",
        "// with the corrections that the generator lists: "
        + ", ".join(f"{c} {v}" for c, v in RADICAL_CORRECTIONS.items())
        + ".",
        f"// {len(rows)} kanji: {sum(1 for r in rows if r[2])} with a traditional form; the others "
        "count as written under 旧字体.",
        "//",
        *kanjidic2_credit(kd_header),
        f"// Unihan_IRGSources.txt and Unihan_OtherMappings.txt, Unicode {uh_header['version']}"
        f"{uh_header.get('date', '')},",
        "//   as Debian's unicode-data ships them. Copyright Unicode, Inc., under the Unicode License",
        "//   Agreement - Data Files and Software (https://www.unicode.org/copyright.html).",
        "// src/data/single_kanji/variant_rule.txt of Debian's mozc source package,",
        f"//   mozc {mozc_version}, under Mozc's licence:",
        "//",
        *(f"// {line}".rstrip() for line in mozc_licence),
        "//",
        f"// Versions: KANJIDIC2 {kd_header['database_version']}, Unicode {uh_header['version']}"
        + (f", mozc {mozc_version}" if mozc_version else ""),
        *opening("core/school_strokes.h", "SchoolEntry kSchoolEntries"),
    ]
    lines += [
        f"    {{U'{kanji}', U'{form}', {old}, {kangxi}}}," + (f"  // {how}" if how else "")
        for kanji, form, old, kangxi, how in rows
    ]
    return "\n".join(lines + closing("std::span<const SchoolEntry> SchoolTable()", "kSchoolEntries"))


def committed_otherwise(path, generated):
    """The committed file and the installed data's versions where those are not the versions the
    file names; where they are, the file must be what they give to the byte, and None is given."""
    with open(path, encoding="utf-8") as stream:
        committed = stream.read()
    old, new = VERSIONS.search(committed), VERSIONS.search(generated)
    if not (old and new and old.group(1) == new.group(1)):
        return committed, new.group(1)
    if committed != generated:
        sys.exit(f"{path} differs from what the installed {new.group(1)} give")
    print(f"{path}: as generated from {new.group(1)}")
    return None


def check(committed_path, generated, name_kanji):
    otherwise = committed_otherwise(committed_path, generated)
    if otherwise is None:
        return
    committed, versions = otherwise
    old_counts = dict(ENTRY.findall(committed))
    new_counts = dict(ENTRY.findall(generated))
    changed = sorted(k for k in name_kanji if old_counts.get(k) != new_counts.get(k))
    if changed:
        sys.exit(
            f"{committed_path}: {len(changed)} name kanji count otherwise in {versions}: "
            + " ".join(f"{k} {old_counts.get(k)}→{new_counts.get(k)}" for k in changed[:40])
        )
    print(f"{committed_path}: the {len(name_kanji)} name kanji count alike in {versions}")


def check_name_kanji(committed_path, generated):
    otherwise = committed_otherwise(committed_path, generated)
    if otherwise is None:
        return
    committed, versions = otherwise
    old, new = dict(NAME_KANJI.findall(committed)), dict(NAME_KANJI.findall(generated))
    if old.keys() != new.keys():
        sys.exit(
            f"{committed_path}: the name kanji differ in {versions}: "
            f"added {''.join(sorted(new.keys() - old.keys()))}, "
            f"gone {''.join(sorted(old.keys() - new.keys()))}"
        )
    read_otherwise = sum(1 for kanji in new if old[kanji] != new[kanji])
    print(
        f"{committed_path}: the same {len(new)} name kanji in {versions}, "
        f"{read_otherwise} of them with other readings"
    )


def check_schools(committed_path, generated):
    otherwise = committed_otherwise(committed_path, generated)
    if otherwise is None:
        return
    committed, versions = otherwise
    old, new = set(SCHOOL_ENTRY.findall(committed)), set(SCHOOL_ENTRY.findall(generated))
    if old != new:
        sys.exit(
            f"{committed_path}: the schools count otherwise in {versions}: "
            + " ".join("".join(row) for row in sorted(old ^ new)[:40])
        )
    print(f"{committed_path}: the {len(new)} kanji count alike in {versions}")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--kanjidic2", default=KANJIDIC2)
    parser.add_argument("--unihan", default=UNIHAN)
    parser.add_argument("--unihan-other", default=UNIHAN_OTHER)
    parser.add_argument("--mozc", help="the unpacked source of Debian's mozc")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("strokes")
    parser.add_argument("name_kanji")
    parser.add_argument("schools")
    arguments = parser.parse_args()
    kanjidic2 = read_kanjidic2(arguments.kanjidic2)
    unihan = read_unihan(arguments.unihan)
    strokes = render(kanjidic2, unihan)
    name_kanji = render_name_kanji(kanjidic2)
    if not (arguments.mozc or arguments.check):
        parser.error("--mozc is needed to write the tables")
    mozc = (read_mozc(arguments.mozc) if arguments.mozc
            else committed_mozc(arguments.schools))
    schools = render_schools(kanjidic2, unihan, read_jinmeiyo_pairs(arguments.unihan_other), mozc)
    if arguments.check:
        check(arguments.strokes, strokes, kanjidic2[2])
        check_name_kanji(arguments.name_kanji, name_kanji)
        check_schools(arguments.schools, schools)
    else:
        for path, text in ((arguments.strokes, strokes), (arguments.name_kanji, name_kanji),
                           (arguments.schools, schools)):
            with open(path, "w", encoding="utf-8") as stream:
                stream.write(text)


if __name__ == "__main__":
    main()
