// SPDX-License-Identifier: MIT
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include <QString>
#include <QStringView>

#include "core/characters.h"

// The one place where Qt's strings meet the program's: UTF-8 for the model, and UTF-16 units for
// the rules of a box's edits, which count in the toolkit's units.
namespace quendrel {

inline QString ToQString(std::string_view utf8) {
  return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

// The text's own units, valid while the text lives and is not changed.
inline std::u16string_view Utf16(const QString& text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

// Unit for unit: QString::fromUtf16 would take a leading U+FEFF or U+FFFE for a byte order mark.
inline QString FromUtf16(std::u16string_view units) {
  return QStringView(units.data(), static_cast<qsizetype>(units.size())).toString();
}

// UTF-8 as the rules of the model read it; Qt's own conversion of a lone surrogate has changed
// between releases.
inline std::string ToUtf8(const QString& text) {
  return ToUtf8(Utf16(text));
}

}  // namespace quendrel
