// SPDX-License-Identifier: MIT
#include "ui/qt/qt_conversions.h"

#include <QFontDatabase>
#include <QImage>

namespace quendrel {
namespace {

constexpr int kWindowFontCentipoints = 900;
constexpr int kCentipointsPerInch = 7200;
constexpr int kDesignDpi = 96;

// Asked for a family it lacks, fontconfig answers with its default font, which has other metrics;
// so the choice is made among the families that are really there. fontconfig lists a family under
// its name in the user's language ("IPA Pゴシック" in a Japanese locale) and its other names as
// aliases, which hasFamily and setFamily resolve: each stand-in is found by any one of its names.
QString DesignFamily() {
  static const QString family = [] {
    for (const QString& candidate :
         {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
          QStringLiteral("Noto Sans CJK JP")}) {
      if (QFontDatabase::hasFamily(candidate)) {
        return candidate;
      }
    }
    return QString{};
  }();
  return family;
}

}  // namespace

QFont FontFor(FontSpec design) {
  QFont font;
  if (const QString family = DesignFamily(); !family.isEmpty()) {
    font.setFamily(family);
  }
  const int centipoints = design.centipoints == 0 ? kWindowFontCentipoints : design.centipoints;
  font.setPixelSize(((centipoints * kDesignDpi) + (kCentipointsPerInch / 2)) / kCentipointsPerInch);
  font.setBold(design.bold);
  return font;
}

QPixmap ToPixmap(Xpm xpm) {
  return QPixmap::fromImage(QImage(xpm));
}

}  // namespace quendrel
