// SPDX-License-Identifier: MIT
#include "ui/shortlist_texts.h"

#include <algorithm>
#include <ranges>

#include "core/characters.h"
#include "ui/candidate_texts.h"
#include "ui/counting_texts.h"
#include "ui/reading_check_texts.h"

namespace quendrel {
namespace {

// A cell of the clipboard's text: a tab or a line break inside it would shift the columns.
std::string Tabular(std::string cell) {
  std::ranges::replace_if(cell, [](char c) { return c == '\t' || c == '\n' || c == '\r'; }, ' ');
  return cell;
}

std::string GivenCounts(const ShortlistedName& name) {
  return CountsCell(name.read.given.strokes, FirstCharacters(name.given, kNameLength).size());
}

std::vector<std::string> OtherCountings(const ShortlistedName& name,
                                        std::span<const ReadingField> fields,
                                        std::string_view between) {
  if (name.others.empty()) {
    return {"ほかの数え方でも同じ数"};
  }
  std::vector<std::string> lines;
  for (const OtherCounting& other : name.others) {
    std::string line = std::string{SchoolName(other.school)} + "では";
    for (const ReadingField field : fields) {
      line.append(field == fields.front() ? " " : between)
          .append(ReadingCellHeard(other.grids, field));
    }
    lines.push_back(std::move(line));
  }
  return lines;
}

}  // namespace

std::string_view HeaderOf(ShortlistField field) {
  constexpr std::array<std::string_view, 6> kHeaders = {"名",       "よみ",         "画数",
                                                        kFitHeader, "ほかの数え方", "鑑定"};
  return kHeaders.at(static_cast<std::size_t>(field));
}

std::string ShortlistCell(const ShortlistedName& name, ShortlistColumn column) {
  if (const auto* field = std::get_if<ReadingField>(&column)) {
    return ReadingCell(name.read.grids, *field);
  }
  switch (std::get<ShortlistField>(column)) {
    case ShortlistField::Given:
      return name.given;
    case ShortlistField::Reading:
      return name.reading;
    case ShortlistField::Strokes:
      return GivenCounts(name);
    case ShortlistField::Fit:
      return ReadingCheckLines(name.given, ReadingsOf(name), name.recorded);
    case ShortlistField::Others: {
      std::string lines;
      for (const std::string& line : OtherCountingLines(name)) {
        lines.append(lines.empty() ? "" : "\n").append(line);
      }
      return lines;
    }
    default:
      return std::string{name.appraisal.personality ? name.appraisal.personality->Remark
                                                    : ApologyText()};
  }
}

std::vector<std::string> OtherCountingLines(const ShortlistedName& name) {
  return OtherCountings(name, kReadingFields, "、");
}

std::vector<std::string> OtherCountingShortLines(const ShortlistedName& name) {
  constexpr std::array kShort = {ReadingField::Jinkaku, ReadingField::Soukaku};
  return OtherCountings(name, kShort, "・");
}

std::vector<std::string> ShortlistCheckLines(const ShortlistedName& name) {
  const std::vector<std::string> readings = ReadingsOf(name);
  std::string outcome = std::string{kFitHeader} + " ";
  if (readings.empty()) {
    return {outcome + "よみなし"};
  }
  const std::string recorded = name.recorded ? std::string{kRecordedReading} : std::string{};
  if (readings.size() == 1) {
    const ReadingExplanation explanation = ExplainReading(name.given, readings.front());
    return {outcome.append(FitName(explanation.fit)), ExplanationText(explanation), recorded};
  }
  std::vector<ReadingFit> fits;
  fits.reserve(readings.size());
  for (const std::string& kana : readings) {
    fits.push_back(CheckReading(name.given, kana));
  }
  std::vector<std::string> lines{outcome + std::to_string(readings.size()) + "通りの読み"};
  for (std::string& count : FitCounts(fits)) {
    if (lines.size() == 3) {
      lines.back().append("、").append(count);
    } else {
      lines.push_back(std::move(count));
    }
  }
  return lines;
}

std::vector<std::string> ReadingsOf(const ShortlistedName& name) {
  std::vector<std::string> readings;
  for (const auto part : std::views::split(name.reading, std::string_view{"・"})) {
    if (!part.empty()) {
      readings.emplace_back(part.begin(), part.end());
    }
  }
  return readings;
}

std::string ShortlistTrendLine(const ShortlistedName& name, AppraisalTheme theme) {
  const auto& fortune = name.appraisal.theme(theme);
  return fortune ? TrendLine(*fortune, theme) : std::string{};
}

std::string ShortlistSpeech(const Shortlist& list, std::size_t place) {
  const ShortlistedName& name = list[place];
  std::string said = list.surname();
  said.append(said.empty() ? "" : " ").append(name.given);
  if (!name.reading.empty()) {
    said.append("、")
        .append(name.reading)
        .append("。")
        .append(kFitHeader)
        .append(" ")
        .append(ShortlistCell(name, ShortlistField::Fit));
  }
  said.append("。画数 ").append(GivenCounts(name));
  for (const ReadingField field : kReadingFields) {
    said.append(field == ReadingField::Future ? "。" : "、")
        .append(ReadingCellHeard(name.read.grids, field));
  }
  for (const std::string& line : OtherCountingLines(name)) {
    said.append("。").append(line);
  }
  return said.append("。").append(ShortlistCell(name, ShortlistField::Remark));
}

std::string ShortlistText(const Shortlist& list) {
  const std::string note = CountingNote(list.counting());
  std::string text = note.empty() ? "姓" : note + "\n姓";
  for (const ShortlistColumn column : kShortlistColumns) {
    text.append("\t").append(HeaderOf(column));
  }
  text.append("\n");
  for (std::size_t place = 0; place < list.size(); ++place) {
    text.append(Tabular(list.surname()));
    for (const ShortlistColumn column : kShortlistColumns) {
      text.append("\t").append(Tabular(ShortlistCell(list[place], column)));
    }
    text.append("\n");
  }
  return text;
}

std::string PrintHeading(const Shortlist& list) {
  std::string heading = "名前の候補";
  if (!list.surname().empty()) {
    heading.append("\u3000").append(list.surname());
    if (!list.empty()) {
      const NameCounts& surname = list[0].read.surname;
      heading.append("（")
          .append(CountsCell(surname.strokes, FirstCharacters(list.surname(), kNameLength).size()))
          .append("）");
    }
  }
  return heading + CountingNote(list.counting());
}

std::string PrintedDate(std::chrono::year_month_day date) {
  return std::to_string(static_cast<int>(date.year())) + "年" +
         std::to_string(static_cast<unsigned>(date.month())) + "月" +
         std::to_string(static_cast<unsigned>(date.day())) + "日";
}

std::string ShortlistCount(std::size_t count) {
  return "残した候補 " + std::to_string(count) + "件";
}

std::string AddedAnnouncement(const Shortlist& list, std::size_t place) {
  return list[place].given + " を候補に残しました。" + ShortlistCount(list.size());
}

std::string RemovedAnnouncement(std::string_view given, std::size_t left) {
  return std::string{given} + " を候補から外しました。" + ShortlistCount(left);
}

std::string MovedAnnouncement(const Shortlist& list, std::size_t place) {
  return list[place].given + " " + std::to_string(place + 1) + "番目";
}

}  // namespace quendrel
