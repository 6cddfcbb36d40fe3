// SPDX-License-Identifier: MIT
#include "ui/qt/qt_translation.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

namespace quendrel {

void InstallQtTranslation() {
  // A catalogue also carries its language's writing direction, and Qt would mirror the window for
  // Arabic or Hebrew; the window is a fixed Japanese layout, drawn left to right in every locale.
  QGuiApplication::setLayoutDirection(Qt::LeftToRight);
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (translator->load(QLocale(), QStringLiteral("qtbase"), QStringLiteral("_"),
                       QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
    QCoreApplication::installTranslator(translator);
  }
}

}  // namespace quendrel
