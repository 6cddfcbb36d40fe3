// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/shortlist.h"
#include "ui/reading_fields.h"

// What the shortlist shows and says of its names, without any toolkit: its columns, as the
// printout and the clipboard lay them out, what a screen reader hears of a name, and its texts.
namespace quendrel {

// The list's own columns, around the readings, and all its columns.
enum class ShortlistField : std::uint8_t { Given, Reading, Strokes, Fit, Others, Remark };
using ShortlistColumn = ListColumn<ShortlistField>;
inline constexpr auto kShortlistColumns = AroundReadings(
    std::array{ShortlistField::Given, ShortlistField::Reading, ShortlistField::Strokes},
    std::array{ShortlistField::Fit, ShortlistField::Others, ShortlistField::Remark});

std::string_view HeaderOf(ShortlistField field);

// A name's cell: its counts as 「12・12」, a reading as ReadingCell gives it, each of its readings
// checked against its characters as ReadingCheckLine gives it, the remark by 人格 or, where 人格
// has no fortune, the apology the main window shows.
std::string ShortlistCell(const ShortlistedName& name, ShortlistColumn column);

// A theme row as the main window's trend line says it, or empty where its number has no fortune.
// What a card says of how the characters explain a name's readings, in at most three lines: for
// one reading the outcome, then each character's part; for several, how many have each outcome;
// for none, that it has none.
std::vector<std::string> ShortlistCheckLines(const ShortlistedName& name);

// The five numbers and three rows under each other school where they differ, a line each:
// "康熙字典では 天格 28、人格 38、…、総格 60、未来 …"; one line where none differs.
std::vector<std::string> OtherCountingLines(const ShortlistedName& name);
// The same as a card has room for, 人格 and 総格 alone: "康熙字典では 人格 38・総格 60".
std::vector<std::string> OtherCountingShortLines(const ShortlistedName& name);

// Its readings one by one.
std::vector<std::string> ReadingsOf(const ShortlistedName& name);

std::string ShortlistTrendLine(const ShortlistedName& name, AppraisalTheme theme);

// A name as a screen reader hears it, in one group and in the order the card shows it:
// "佐藤 陽葵、ひまり。画数 12・12、天格 25、…、総格 49。未来 細糸運 現状維持、…。" and the remark.
std::string ShortlistSpeech(const Shortlist& list, std::size_t place);

// The whole list for the clipboard: a header line, then a name a line, the cells tab-separated,
// the surname first on each; before them, the way of counting where it is not the default.
std::string ShortlistText(const Shortlist& list);

// The printout's heading and date: "名前の候補　佐藤（7・18）", with the way of counting where it
// is not the default ("（康熙字典で数えた画数）"); "2026年12月10日".
std::string PrintHeading(const Shortlist& list);
std::string PrintedDate(std::chrono::year_month_day date);

// What the window says of the list's life, and of what was done to it.
inline constexpr std::string_view kShortlistNote =
    "残した候補はこのプログラムを閉じるまで覚えています。どこにも保存しません。";
std::string AddedAnnouncement(const Shortlist& list, std::size_t place);
std::string RemovedAnnouncement(std::string_view given, std::size_t left);
std::string MovedAnnouncement(const Shortlist& list, std::size_t place);
std::string ShortlistCount(std::size_t count);

}  // namespace quendrel
