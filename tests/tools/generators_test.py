#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""The generators' rules on small made-up data: which names only historical persons bear, which
form of a pair is the traditional one, and how each school counts a kanji."""

import os
import sys
import tempfile
import unittest

sys.path.insert(0, os.path.join(os.path.dirname(__file__), "..", "..", "tools"))

import generate_historical_names as historical  # noqa: E402
import generate_supplementary_strokes as strokes  # noqa: E402

ENAMDICT = """\u3000？？？ /ENAMDICT - Japanese Proper Name Dictionary File/Created: 2021-02-03/
徳川家康 [とくがわいえやす] /(h) Tokugawa Ieyasu (1543.1.31-1616.6.1)/
豊臣秀吉 [とよとみひでよし] /(h) Toyotomi Hideyoshi (1537.3.17-1598.9.18)/
樺嶋秀吉 [かばしまひでよし] /(h) Kabashima Hideyoshi (1957-)/
北一輝 [きたいっき] /(h) Kita Ikki (1883.4.3-1937.8.19)/
源義経 [みなもとのよしつね] /(h) Minamoto no Yoshitsune (1159?-1189)/
程こう [ていこう] /(h) Cheng Kou (1032-1085)/
平清盛 [たいらのきよもり] /(h) Taira no Kiyomori (1118-1181)/
羽柴秀長 [はしばひでなが] /(h) Hashiba Hidenaga/
家康 [いえやす] /(g) Ieyasu/
"""

FAMILIAR = {
    ("家康", "いえやす"): 3345,
    ("秀吉", "ひでよし"): 3445,  # a bearer born in 1957
    ("一輝", "いっき"): 4298,  # born after 1868
    ("義経", "よしつね"): 3945,  # a year with a question mark
    ("こう", "こう"): 4715,  # kana
    ("清盛", "きよもり"): 5343,  # past the commonest tenth
    ("秀長", "ひでなが"): 5247,  # no year
    ("康", "やす"): 3000,  # one character
}


class HistoricalNamesTest(unittest.TestCase):
    def test_takes_familiar_kanji_names_whose_every_dated_bearer_was_born_before_1868(self):
        with tempfile.NamedTemporaryFile("wb", suffix="enamdict") as file:
            file.write(ENAMDICT.encode("euc_jp"))
            file.flush()
            created, bearers = historical.read_enamdict(file.name, FAMILIAR)
        self.assertEqual(created, "2021-02-03")
        self.assertEqual(sorted(bearers[("秀吉", "ひでよし")]),
                         [(1537, "豊臣秀吉"), (1957, "樺嶋秀吉")])
        names = historical.historical(FAMILIAR, bearers)
        self.assertEqual(names, [(("家康", "いえやす"), [(1543, "徳川家康")]),
                                 (("義経", "よしつね"), [(1159, "源義経")])])
        table = historical.render(created, names)
        self.assertIn('    {"家康", "いえやす"},  // 徳川家康 1543\n', table)
        self.assertIn("// Versions: ENAMDICT 2021-02-03\n", table)


def kanjidic2(counts, grades):
    name_kanji = {kanji for kanji, grade in grades.items() if grade in strokes.NAME_GRADES}
    return ({}, counts, name_kanji, {}, grades)


class SchoolStrokesTest(unittest.TestCase):
    GRADES = {"広": "2", "廣": "9", "祐": "9", "\uFA4F": "9", "花": "1", "王": "1", "珠": "9",
              "国": "2", "國": "9", "木": "1", "泰": "8", "猫": "8", "辺": "4", "駆": "8",
              "駈": "9", "煙": "8"}
    COUNTS = {"広": 5, "廣": 15, "祐": 9, "\uFA4F": 10, "花": 7, "王": 4, "珠": 10, "国": 8,
              "國": 11, "木": 4, "泰": 10, "猫": 11, "辺": 5, "邊": 19, "駆": 14, "駈": 15,
              "驅": 21, "煙": 13, "烟": 10}
    RADICALS = {"広": "53.2", "廣": "53.12", "祐": "113.5", "\uFA4F": "113.5", "花": "140.4",
                "王": "96.-1", "珠": "96.6", "国": "31.5", "國": "31.8", "木": "75.0",
                "泰": "85.5", "猫": "94.8", "辺": "162.2", "邊": "162.15", "駆": "187.4",
                "驅": "187.11", "駈": "187.5", "煙": "86.9"}
    # Mozc's variant rules: an old form for 辺 and 駆, several for 弁, and another kind of variant.
    MOZC_RULES = ["# Format:\n", "旧字体\n", "# Kyuu Jitai\n", "邊\t辺\n", "驅\t駆\n",
                  "辨\t弁\n", "辯\t弁\n", "烟\t煙\n", "\n", "異体字\n", "髙\t高\n"]

    def test_takes_mozcs_only_old_form_else_the_pairs_form_not_joyo_or_compatibility(self):
        mozc = strokes.mozc_old_forms(self.MOZC_RULES)
        self.assertEqual(mozc, {"辺": "邊", "駆": "驅", "煙": "烟"})
        pairs = [("廣", "広"), ("国", "國"), ("祐", "\uFA4F"), ("駆", "駈")]
        forms = strokes.traditional_forms(kanjidic2(self.COUNTS, self.GRADES), pairs, mozc)
        self.assertEqual(forms, {"広": "廣", "国": "國", "祐": "\uFA4F", "辺": "邊", "駆": "驅"})

    def test_counts_each_kanji_as_each_school_does(self):
        pairs = [("廣", "広"), ("國", "国"), ("\uFA4F", "祐")]
        rows = strokes.school_rows(kanjidic2(self.COUNTS, self.GRADES),
                                   ({}, {}, self.RADICALS), pairs, {"辺": "邊"})
        self.assertEqual(rows, [
            ("国", "國", 11, 11, ""),       # 囗 is not expanded
            ("広", "廣", 15, 15, ""),
            ("泰", "泰", 0, 9, "水 +5"),    # fewer than its shape shows
            ("猫", "猫", 0, 13, "犬 +9"),   # Unicode 15.1's correction, on every release
            ("王", "王", 0, 4, "玉 -1"),
            ("珠", "珠", 0, 11, "玉 +6"),
            ("祐", "\uFA4F", 10, 10, "示 +5"),
            ("花", "花", 0, 10, "艸 +4"),
            ("辺", "邊", 19, 22, "Mozc; 辵 +15"),
        ])                                  # 木: neither a traditional form nor an expanded radical


if __name__ == "__main__":
    unittest.main()
