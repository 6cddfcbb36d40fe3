// SPDX-License-Identifier: MIT
#include "ui/reading_check_texts.h"

#include <algorithm>
#include <array>
#include <utility>

namespace quendrel {
namespace {

std::string_view KindName(ReadingKind kind) {
  constexpr std::array<std::string_view, 6> kKinds = {"音",   "訓",       "名乗り",
                                                      "かな", "読まない", "説明できない"};
  return kKinds.at(static_cast<std::size_t>(kind));
}

constexpr std::array<std::pair<std::uint8_t, std::string_view>, 5> kChanges = {{
    {kVoiced, "濁音"},
    {kSemiVoiced, "半濁音"},
    {kGeminated, "促音"},
    {kShortened, "短く"},
    {kPartial, "一部"},
}};

}  // namespace

std::string_view FitName(ReadingFit fit) {
  constexpr std::array<std::string_view, 3> kNames = {
      "字の読みどおり", "一部の読み・読まない字を含む", "字の読みで説明できない"};
  return kNames.at(static_cast<std::size_t>(fit));
}

std::string ExplanationText(const ReadingExplanation& explanation) {
  std::string text;
  for (const ReadingPart& part : explanation.parts) {
    text.append(text.empty() ? "" : "\u3000").append(part.written).append("：").append(part.kana);
    if (part.kind == ReadingKind::Kana) {
      continue;  // a kana reads as itself
    }
    text.append(part.kana.empty() ? "" : "（").append(KindName(part.kind));
    for (const auto& [bit, name] : kChanges) {
      if ((part.changes & bit) != 0) {
        text.append("・").append(name);
      }
    }
    text.append(part.kana.empty() ? "" : "）");
  }
  return text;
}

std::string FitAdvice(const ReadingExplanation& explanation) {
  switch (explanation.fit) {
    case ReadingFit::AsRead:
      return "どの字もその字の読みで読んでいます。";
    case ReadingFit::Loosely:
      return "字の読みの一部や読まない字で読んでいます。認められる読み方ですが、役所で尋ねられる"
             "ことがあります。";
    case ReadingFit::Unexplained:
      break;
  }
  std::string unexplained;
  for (const ReadingPart& part : explanation.parts) {
    if (part.kind == ReadingKind::Unexplained) {
      unexplained.append(unexplained.empty() ? "「" : "」「").append(part.kana);
    }
  }
  return (unexplained.empty() ? std::string{"この読み"} : unexplained + "」") +
         "は字の読みで説明できません。受け付けるかは役所が決め、根拠を求めることがあります。";
}

std::string ReadingCheckLine(std::string_view written, std::string_view kana) {
  const ReadingExplanation explanation = ExplainReading(written, kana);
  std::string line{kana};
  line.append("：").append(FitName(explanation.fit));
  if (!explanation.parts.empty()) {
    line.append("（").append(ExplanationText(explanation)).append("）");
  }
  return line;
}

std::vector<std::string> FitCounts(std::span<const ReadingFit> fits) {
  std::vector<std::string> counts;
  for (const ReadingFit fit : {ReadingFit::AsRead, ReadingFit::Loosely, ReadingFit::Unexplained}) {
    const auto count = std::ranges::count(fits, fit);
    if (count != 0) {
      counts.push_back(std::string{FitName(fit)} + " " + std::to_string(count));
    }
  }
  return counts;
}

std::string ReadingCheckLines(std::string_view written, std::span<const std::string> readings,
                              bool recorded) {
  std::string lines;
  for (const std::string& kana : readings) {
    lines.append(lines.empty() ? "" : "\u3000").append(ReadingCheckLine(written, kana));
  }
  if (recorded && !readings.empty()) {
    lines.append(readings.size() == 1 ? "、" : "。どれも").append(kRecordedReading);
  }
  return lines;
}

}  // namespace quendrel
