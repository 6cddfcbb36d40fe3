// SPDX-License-Identifier: MIT
#pragma once

#include <ostream>

#include <QString>

// Lets GoogleTest print QStrings in failure messages; QString lives in the global namespace, so
// argument-dependent lookup finds this there.
inline std::ostream& operator<<(std::ostream& out, const QString& text) {
  return out << text.toStdString();
}
