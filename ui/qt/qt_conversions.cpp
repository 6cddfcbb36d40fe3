// SPDX-License-Identifier: MIT
#include "ui/qt/qt_conversions.h"

#include <QFontDatabase>
#include <QImage>
#include <QStringList>

namespace quendrel {
namespace {

constexpr int kWindowFontCentipoints = 900;
constexpr int kCentipointsPerInch = 7200;
constexpr int kDesignDpi = 96;

// Asked for a family it lacks, fontconfig answers with its default font, which has other metrics;
// so the choice is made among the families that are really there.
QString DesignFamily() {
  static const QString family = [] {
    const QStringList installed = QFontDatabase::families();
    for (const QString& candidate :
         {QStringLiteral("ＭＳ Ｐゴシック"), QStringLiteral("IPAPGothic"),
          QStringLiteral("Noto Sans CJK JP")}) {
      if (installed.contains(candidate)) {
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
  font.setPixelSize((centipoints * kDesignDpi + kCentipointsPerInch / 2) / kCentipointsPerInch);
  font.setBold(design.bold);
  return font;
}

QPixmap ToPixmap(Xpm xpm) {
  return QPixmap::fromImage(QImage(xpm));
}

}  // namespace quendrel
