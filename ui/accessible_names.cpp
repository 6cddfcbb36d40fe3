// SPDX-License-Identifier: MIT
#include "ui/accessible_names.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "core/name_reading.h"
#include "ui/result_rows.h"

namespace quendrel {
namespace {

using enum ElementId;

// Two parts with one space between, or the one that is there. A blank value is a full-width space.
std::string Joined(std::string_view first, std::string_view second) {
  if (second == "\u3000") {
    second = {};
  }
  std::string joined(first);
  if (!first.empty() && !second.empty()) {
    joined += ' ';
  }
  return joined.append(second);
}

// Appends a part of a list said in one breath, after a Japanese comma where it is not the first.
void AppendListed(std::string& said, std::string_view part) {
  said.append(said.empty() ? "" : "、").append(part);
}

// A name box by its name, a count box by its name and the place of its character.
std::optional<std::string> BoxName(ElementId id) {
  for (const NameBoxes& name : kNameBoxes) {
    if (name.name == id) {
      return std::string(name.heard);
    }
    for (std::size_t k = 0; k < name.counts.size(); ++k) {
      if (name.counts.at(k) == id) {
        return std::string(name.heard) + "の" + std::to_string(k + 1) + "文字目の画数";
      }
    }
  }
  return std::nullopt;
}

// The label that captions a value label or a trend line; none for anything else.
std::optional<ElementId> CaptionOf(ElementId id) {
  for (const GridRow& row : kGridRows) {
    if (row.valueLabel == id) {
      return row.caption;
    }
  }
  for (const ThemeRow& row : kThemeRows) {
    if (row.trendLabel == id) {
      return row.heading;
    }
  }
  return std::nullopt;
}

// A picture stands beside its row's trend line, which already says the row.
std::string PictureName(ElementId picture) {
  for (const ThemeRow& row : kThemeRows) {
    for (std::size_t trend = 0; trend < row.pictures.size(); ++trend) {
      if (row.pictures.at(trend) == picture) {
        return std::string(TrendName(static_cast<FortuneTrend>(trend)));
      }
    }
  }
  return {};
}

std::string FirstOf(const NameChars& chars, int count) {
  std::string name;
  for (std::size_t k = 0; std::cmp_less(k, count); ++k) {
    name += chars.at(k);
  }
  return name;
}

// The strip shows the characters of the name's shape, which the state of the last calculation
// holds; until then it shows its heading.
std::string NameStripName(const MainWindowModel& window) {
  const std::string& caption = window.text(Label3);
  if (caption == DefinitionOf(Label3).text) {
    return caption;
  }
  const WindowState& state = window.state();
  return Joined(FirstOf(state.SurnameChars, state.Shape.surname),
                FirstOf(state.GivenChars, state.Shape.given));
}

// The characters of both names that were read but have no count.
std::string Unknown(const WindowState& state) {
  std::string unknown;
  for (const NameBoxes& name : kNameBoxes) {
    for (std::size_t k = 0; k < kNameLength; ++k) {
      if (!(state.*name.chars).at(k).empty() && (state.*name.strokes).at(k) == 0) {
        AppendListed(unknown, (state.*name.chars).at(k));
      }
    }
  }
  return unknown;
}

}  // namespace

std::string AccessibleDescription(const MainWindowModel& window, ElementId id) {
  for (const NameBoxes& name : kNameBoxes) {
    for (std::size_t k = 0; k < kNameLength; ++k) {
      if (name.counts.at(k) == id &&
          (window.state().*name.sources).at(k) == StrokeSource::Supplement) {
        return "補助表の画数";
      }
    }
  }
  return {};
}

bool HeardWithItsValue(ElementId id) {
  return std::ranges::any_of(kGridRows, [id](const GridRow& row) { return row.caption == id; }) ||
         std::ranges::any_of(kThemeRows, [id](const ThemeRow& row) { return row.heading == id; });
}

std::string StrokeCalculationAnnouncement(const MainWindowModel& window) {
  std::string said;
  for (const GridRow& row : kGridRows) {
    AppendListed(said, Joined(window.text(row.caption), window.text(row.valueLabel)));
  }
  if (const std::string unknown = Unknown(window.state()); !unknown.empty()) {
    said += "。画数表にない文字 " + unknown;
  }
  return said;
}

std::string AppraisalAnnouncement(const MainWindowModel& window) {
  std::string said;
  for (const ThemeRow& row : kThemeRows) {
    AppendListed(said, window.text(row.heading));
    if (const auto fortune = FindFortune(window.state().Grids.*ThemeGrid(row.theme))) {
      said.append(" ").append(fortune->FortuneName).append(" ").append(TrendName(fortune->Trend));
    } else {
      said += " なし";
    }
  }
  return said + "。" + window.text(Label21);
}

std::string CarriedNameAnnouncement(const MainWindowModel& window) {
  return window.text(Text1) + " " + window.text(Text2) + "。" +
         StrokeCalculationAnnouncement(window) + "。" + AppraisalAnnouncement(window);
}

std::string AccessibleName(const MainWindowModel& window, ElementId id) {
  if (std::optional<std::string> name = BoxName(id)) {
    return *std::move(name);
  }
  if (const std::optional<ElementId> caption = CaptionOf(id)) {
    return Joined(window.text(*caption), window.text(id));
  }
  if (DefinitionOf(id).kind == ElementKind::Picture) {
    return PictureName(id);
  }
  return id == Label3 ? NameStripName(window) : std::string{};
}

}  // namespace quendrel
