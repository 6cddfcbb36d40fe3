// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace quendrel {

enum class FortuneTrend : std::uint8_t { SharpRise, Rise, Steady, Fall, SharpFall };

// The trend's own name, 急上昇 for SharpRise and so on.
std::string_view TrendName(FortuneTrend trend);

enum class AppraisalTheme : std::uint8_t { Future, Work, Relations };  // 未来, 仕事, 対人

struct FortuneEntry {
  std::int32_t Number;
  std::string_view FortuneName;
  FortuneTrend Trend;
  std::string_view Remark;
};

// The 55 fortunes, numbered 1 to 55 in order.
std::span<const FortuneEntry> FortuneCatalogue();

// The fortune of a grid value; none outside 1 to 55, 0 and negatives included.
std::optional<FortuneEntry> FindFortune(std::int32_t number);

// The fortune's name, an ideographic space, "当面の運勢は" and the ending of its trend.
std::string TrendLine(const FortuneEntry& entry, AppraisalTheme theme);

// Shown in place of a remark when 人格 has no fortune.
std::string_view ApologyText();

}  // namespace quendrel
