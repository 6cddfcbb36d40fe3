// SPDX-License-Identifier: MIT
// Writes the application icon into the hicolor theme at build time, so the desktop shows what the
// window shows: quendrel_icon_export OUTPUT_DIR makes, under OUTPUT_DIR,
//   16x16 and 32x32:  the window's own pixel icons;
//   scalable:         an SVG of the icon's outlines, from the same description the window draws
//                     its icon from at high resolutions;
//   48x48 to 256x256: that SVG rendered.
#include <cstdio>
#include <string>

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QPainter>
#include <QString>
#include <QSvgRenderer>

#include "packaging/figure_svg.h"
#include "ui/design/icon_figures.h"
#include "ui/version.h"

namespace {

constexpr int kRenderedSizes[] = {48, 64, 128, 256};

QString IconPath(const QDir& themeDir, const QString& folder, const char* suffix) {
  return themeDir.filePath(folder + QStringLiteral("/apps/") +
                           QLatin1String(quendrel::kApplicationId.data(),
                                         static_cast<qsizetype>(quendrel::kApplicationId.size())) +
                           QLatin1String(suffix));
}

bool Failed(const QString& what) {
  std::fprintf(stderr, "quendrel_icon_export: %s\n", qPrintable(what));
  return false;
}

bool SavePng(const QDir& themeDir, int size, const QImage& image) {
  const QString folder = QStringLiteral("%1x%1").arg(size);
  const QString path = IconPath(themeDir, folder, ".png");
  // An image of another size would land in the wrong theme folder and be scaled by the desktop.
  if (image.size() != QSize(size, size)) {
    return Failed(
        QStringLiteral("the %1 px icon is %2x%3").arg(size).arg(image.width()).arg(image.height()));
  }
  if (!themeDir.mkpath(folder + QStringLiteral("/apps")) || !image.save(path, "PNG")) {
    return Failed(QStringLiteral("cannot write ") + path);
  }
  return true;
}

bool SaveSvg(const QDir& themeDir, const QByteArray& svg) {
  const QString path = IconPath(themeDir, QStringLiteral("scalable"), ".svg");
  QFile file(path);
  if (!themeDir.mkpath(QStringLiteral("scalable/apps")) || !file.open(QIODevice::WriteOnly) ||
      file.write(svg) != svg.size()) {
    return Failed(QStringLiteral("cannot write ") + path);
  }
  return true;
}

QImage Render(QSvgRenderer& renderer, int size) {
  QImage image(size, size, QImage::Format_ARGB32);
  image.fill(Qt::transparent);
  QPainter painter(&image);
  renderer.render(&painter);
  return image;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quendrel_icon_export OUTPUT_DIR\n");
    return 2;
  }
  const QDir themeDir(QString::fromLocal8Bit(argv[1]));
  bool written = SavePng(themeDir, 16, QImage(quendrel::Icon16())) &&
                 SavePng(themeDir, 32, QImage(quendrel::Icon32()));

  const std::string text = quendrel::FigureSvg(quendrel::Icon32Figure());
  const QByteArray svg(text.data(), static_cast<qsizetype>(text.size()));
  QSvgRenderer renderer(svg);
  if (!renderer.isValid()) {
    Failed(QStringLiteral("the SVG of the icon does not render"));
    return 1;
  }
  written = SaveSvg(themeDir, svg) && written;
  for (const int size : kRenderedSizes) {
    written = SavePng(themeDir, size, Render(renderer, size)) && written;
  }
  return written ? 0 : 1;
}
