// SPDX-License-Identifier: MIT
// Writes the window's icons as the PNG files of the hicolor theme, so the desktop shows the same
// pixels as the title bar: quendrel_icon_export OUTPUT_DIR makes OUTPUT_DIR/16x16/apps/quendrel.png
// and OUTPUT_DIR/32x32/apps/quendrel.png.
#include <cstdio>

#include <QDir>
#include <QImage>
#include <QString>

#include "ui/pictures.h"

namespace {

struct Icon {
  int size;
  quendrel::Xpm xpm;
};

bool Export(const QDir& themeDir, const Icon& icon) {
  const QImage image(icon.xpm);
  // An XPM of another size would land in the wrong theme folder and be scaled by the desktop.
  if (image.size() != QSize(icon.size, icon.size)) {
    std::fprintf(stderr, "quendrel_icon_export: the %d px icon is %dx%d\n", icon.size,
                 image.width(), image.height());
    return false;
  }
  const QString folder = QStringLiteral("%1x%1/apps").arg(icon.size);
  const QString path = themeDir.filePath(folder + QStringLiteral("/quendrel.png"));
  if (!themeDir.mkpath(folder) || !image.save(path, "PNG")) {
    std::fprintf(stderr, "quendrel_icon_export: cannot write %s\n", qPrintable(path));
    return false;
  }
  return true;
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: quendrel_icon_export OUTPUT_DIR\n");
    return 2;
  }
  const QDir themeDir(QString::fromLocal8Bit(argv[1]));
  bool written = true;
  for (const Icon& icon : {Icon{16, quendrel::Icon16()}, Icon{32, quendrel::Icon32()}}) {
    written = Export(themeDir, icon) && written;
  }
  return written ? 0 : 1;
}
