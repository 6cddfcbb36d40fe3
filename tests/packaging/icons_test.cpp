// SPDX-License-Identifier: MIT
// The theme icons are written at build time; the desktop must show exactly the pixels the window
// sets as its own icon.
#include <QImage>
#include <QPixmap>
#include <QString>
#include <gtest/gtest.h>

#include "ui/pictures.h"
#include "ui/qt/qt_conversions.h"

namespace quendrel {
namespace {

int DifferingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
  }
  return count;
}

TEST(ThemeIconsTest, HoldTheWindowIconPixels) {
  const struct {
    int size;
    Xpm xpm;
  } kIcons[] = {{16, Icon16()}, {32, Icon32()}};
  for (const auto& icon : kIcons) {
    const QString path =
        QStringLiteral(QUENDREL_THEME_DIR "/%1x%1/apps/quendrel.png").arg(icon.size);
    SCOPED_TRACE(path.toStdString());
    QImage png;
    if (!png.load(path, "PNG")) {
      ADD_FAILURE() << "not a readable PNG";
      continue;
    }
    const QImage window = ToPixmap(icon.xpm).toImage().convertToFormat(QImage::Format_ARGB32);
    if (png.size() != QSize(icon.size, icon.size) || png.size() != window.size()) {
      ADD_FAILURE() << "the PNG is " << png.width() << "x" << png.height();
      continue;
    }
    EXPECT_EQ(DifferingPixels(png.convertToFormat(QImage::Format_ARGB32), window), 0);
  }
}

}  // namespace
}  // namespace quendrel
