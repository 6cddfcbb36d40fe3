// SPDX-License-Identifier: MIT
// The theme icons are written at build time: at 16 and 32 px the desktop must show exactly the
// pixels the window sets as its own icon; the scalable icon and its renderings must draw the same
// figure, so that reduced to 32 px they look like it.
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QString>
#include <QSvgRenderer>
#include <gtest/gtest.h>

#include "tests/ui/qt/bitmap_likeness.h"
#include "ui/design/icon_figures.h"
#include "ui/qt/qt_conversions.h"

namespace quendrel {
namespace {

using test::DifferingFromBitmap;

QString ThemeIcon(const QString& folder, const char* suffix) {
  return QStringLiteral(QUENDREL_THEME_DIR "/%1/apps/io.github.quendrel.Quendrel%2")
      .arg(folder, QLatin1String(suffix));
}

int DifferingPixels(const QImage& a, const QImage& b) {
  int count = 0;
  for (int y = 0; y < a.height(); ++y) {
    for (int x = 0; x < a.width(); ++x) {
      count += a.pixel(x, y) != b.pixel(x, y) ? 1 : 0;
    }
  }
  return count;
}

QImage Rendered(QSvgRenderer& svg, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  svg.render(&painter);
  return image;
}

TEST(ThemeIconsTest, HoldTheWindowIconPixels) {
  const struct {
    int size;
    Xpm xpm;
  } kIcons[] = {{16, Icon16()}, {32, Icon32()}};
  for (const auto& icon : kIcons) {
    const QString path = ThemeIcon(QStringLiteral("%1x%1").arg(icon.size), ".png");
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

// Reduced to 32 px, a drawing of the outlines may differ from the bitmap in its antialiased
// edges: at most one pixel in 16.
TEST(ThemeIconsTest, DrawTheIconFromItsOutlinesAtEveryLargerSize) {
  constexpr int kMostDiffering = 32 * 32 / 16;
  QSvgRenderer svg(ThemeIcon(QStringLiteral("scalable"), ".svg"));
  ASSERT_TRUE(svg.isValid());
  EXPECT_EQ(svg.viewBox(), QRect(0, 0, 32, 32));
  EXPECT_LE(DifferingFromBitmap(Icon32Figure(), Rendered(svg, 256)), kMostDiffering);
  for (const int size : {48, 64, 128, 256}) {
    const QString path = ThemeIcon(QStringLiteral("%1x%1").arg(size), ".png");
    SCOPED_TRACE(path.toStdString());
    QImage png;
    ASSERT_TRUE(png.load(path, "PNG"));
    EXPECT_EQ(png.size(), QSize(size, size));
    EXPECT_LE(DifferingFromBitmap(Icon32Figure(), png), kMostDiffering);
  }
}

}  // namespace
}  // namespace quendrel
