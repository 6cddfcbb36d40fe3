// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/fortune_catalogue.h"
#include "core/grids.h"
#include "core/name_shape.h"
#include "core/name_strokes.h"

// The one way a name is read, for the main window and for every candidate listed: the counts of
// its characters, its shape, the five numbers, and from three of them the appraisal.
namespace quendrel {

struct NameReading {
  NameCounts surname;
  NameCounts given;
  NameShape shape;
  GridValues grids;
};

// A name as a box holds it: its first three characters.
NameChars SplitName(std::string_view text);

NameReading ReadName(const NameCounts& surname, const NameCounts& given);
NameReading ReadName(const NameChars& surname, const NameChars& given, CountingRule rule = {});

// The grid value that chooses each theme row's fortune: 総格 for 未来 and 対人, 外格 for 仕事.
std::int32_t GridValues::* ThemeGrid(AppraisalTheme theme);

inline constexpr std::array<AppraisalTheme, 3> kAppraisalThemes = {
    AppraisalTheme::Future, AppraisalTheme::Work, AppraisalTheme::Relations};

// The remark by 人格 and the three theme rows, each by its number; a number with no fortune gives
// none.
struct Appraisal {
  std::optional<FortuneEntry> personality;
  std::array<std::optional<FortuneEntry>, kAppraisalThemes.size()> themes;

  [[nodiscard]] const std::optional<FortuneEntry>& theme(AppraisalTheme t) const {
    return themes.at(static_cast<std::size_t>(t));
  }
};

Appraisal Appraise(const GridValues& grids);

}  // namespace quendrel
