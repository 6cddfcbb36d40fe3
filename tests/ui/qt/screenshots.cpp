// SPDX-License-Identifier: MIT
// Renders the main window and the About dialog to PNG files, driving them as a user would; once
// more under a dark theme's palette and under the Adwaita style; or in high contrast alone.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QLineEdit>
#include <QListView>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTest>

#include "core/dictionary_load.h"
#include "tests/ui/qt/dark_palette.h"
#include "tests/ui/qt/portal_stand_in.h"
#include "tests/ui/qt/typing.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/candidates_window.h"
#include "ui/qt/main_window_view.h"
#include "ui/qt/qt_translation.h"
#include "ui/qt/shortlist_page.h"
#include "ui/qt/shortlist_printout.h"
#include "ui/qt/stroke_patterns_page.h"

namespace {

using quendrel::ElementId;

bool Save(QWidget& widget, const QDir& folder, const QString& name) {
  const QString path = folder.filePath(name + QStringLiteral(".png"));
  const bool saved = widget.grab().save(path);
  std::printf("%s %s\n", saved ? "wrote" : "could not write", qPrintable(path));
  return saved;
}

QPushButton& ButtonOf(QWidget& window, const QString& text) {
  for (QPushButton* button : window.findChildren<QPushButton*>()) {
    if (button->text() == text) {
      return *button;
    }
  }
  std::fprintf(stderr, "no button %s\n", qPrintable(text));
  std::abort();
}

bool SaveCalculated(const QDir& folder, const QString& name, const QString& surname,
                    const QString& given) {
  quendrel::MainWindowView window;
  window.show();
  quendrel::test::TypeText(window.widgetOf(ElementId::Text1), surname);
  quendrel::test::TypeText(window.widgetOf(ElementId::Text2), given);
  QTest::mouseClick(window.widgetOf(ElementId::Command1), Qt::LeftButton);
  QTest::mouseClick(window.widgetOf(ElementId::Command2), Qt::LeftButton);
  return Save(window, folder, name);
}

// 「名前の候補」 for 佐藤 and girls, once the dictionary is read: the installed one, or the file
// QUENDREL_ENAMDICT names. Without one there is no list to show, and no picture. The wait is long
// for a sanitized build on a busy machine, which reads it ten times slower.
bool SaveCandidates(quendrel::MainWindowView& window, const QDir& folder, const QString& name) {
  if (!std::ifstream{quendrel::NameDictionaryPath()}) {
    std::printf("no name dictionary (enamdict) to read: no %s\n", qPrintable(name));
    return true;
  }
  window.candidatesAction()->trigger();
  quendrel::CandidatesWindow& candidates = *window.candidates();
  if (!QTest::qWaitFor([&candidates] { return candidates.loaded(); }, 60000)) {
    std::fprintf(stderr, "the dictionary was not read: no %s\n", qPrintable(name));
    return false;
  }
  auto* girls = candidates.findChild<QRadioButton*>(QStringLiteral("女の子"));
  girls->click();
  candidates.table()->setFocus();
  const bool listSaved = Save(candidates, folder, name);
  // Three names kept to compare: the first two of the list and one typed with its reading.
  QPushButton& keep = ButtonOf(*candidates.pages()->widget(0), QStringLiteral("候補に残す(&R)"));
  keep.click();
  candidates.table()->selectRow(1);
  keep.click();
  candidates.pages()->setCurrentWidget(candidates.shortlist());
  auto* given = candidates.shortlist()->findChild<QLineEdit*>();
  quendrel::test::TypeText(given, QStringLiteral("凛"));
  quendrel::test::TypeText(
      candidates.shortlist()->findChild<QLineEdit*>(QStringLiteral("残すよみ")),
      QStringLiteral("りん"));
  QTest::keyClick(given, Qt::Key_Return);
  candidates.shortlist()->view()->setFocus();
  const bool shortlistSaved = Save(candidates, folder, name + QStringLiteral("-shortlist"));
  QPrinter printer{QPrinter::HighResolution};
  quendrel::PrepareForShortlist(printer);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(folder.filePath(name + QStringLiteral("-printout.pdf")));
  quendrel::PrintShortlist(printer, candidates.shortlist()->list(),
                           std::chrono::year{2026} / 12 / 10);
  candidates.pages()->setCurrentWidget(candidates.patterns());
  candidates.patterns()->table()->setFocus();
  quendrel::test::TypeText(candidates.patterns()->reading(), QStringLiteral("まさかず"));
  const bool patternsSaved = Save(candidates, folder, name + QStringLiteral("-patterns"));
  candidates.pages()->setCurrentIndex(0);
  return listSaved && shortlistSaved && patternsSaved;
}

// The main window after a calculation and the About dialog over it, as the application now looks;
// with `highContrast`, once the desktop has asked for more contrast.
bool SaveLook(const QDir& folder, const QString& look, bool highContrast = false) {
  quendrel::MainWindowView window;
  window.show();
  if (highContrast &&
      !QTest::qWaitFor([&window] { return window.contrast() == quendrel::Contrast::High; })) {
    std::fprintf(stderr, "no portal asked for more contrast\n");
    return false;
  }
  quendrel::test::TypeText(window.widgetOf(ElementId::Text1), QStringLiteral("長谷川"));
  quendrel::test::TypeText(window.widgetOf(ElementId::Text2), QStringLiteral("由美子"));
  QTest::mouseClick(window.widgetOf(ElementId::Command1), Qt::LeftButton);
  QTest::mouseClick(window.widgetOf(ElementId::Command2), Qt::LeftButton);
  const bool candidatesSaved = SaveCandidates(window, folder, look + QStringLiteral("-candidates"));
  quendrel::frmAbout about(&window, &window.contrastPreference());
  about.show();
  const bool windowSaved = Save(window, folder, look + QStringLiteral("-main-window"));
  return Save(about, folder, look + QStringLiteral("-about")) && windowSaved && candidatesSaved;
}

}  // namespace

int main(int argc, char* argv[]) {
  const QApplication application(argc, argv);
  quendrel::InstallQtTranslation();
  const QDir folder(argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral("screenshots"));
  if (!folder.mkpath(QStringLiteral("."))) {
    std::fprintf(stderr, "cannot create %s\n", qPrintable(folder.path()));
    return 1;
  }
  // On a private session bus, `--high-contrast` renders that look alone, under the tests' stand-in
  // for a desktop portal that asks for it.
  if (argc > 2 && QString::fromLocal8Bit(argv[2]) == QStringLiteral("--high-contrast")) {
    const quendrel::test::PortalStandIn portal;
    return portal.registered() && SaveLook(folder, QStringLiteral("high-contrast"), true) ? 0 : 1;
  }
  bool ok = true;
  {
    quendrel::MainWindowView window;
    window.show();
    ok = Save(window, folder, QStringLiteral("main-window")) && ok;
  }
  ok = SaveCalculated(folder, QStringLiteral("yamada-taro"), QStringLiteral("山田"),
                      QStringLiteral("太郎")) &&
       ok;
  ok = SaveCalculated(folder, QStringLiteral("hayashi-hajime"), QStringLiteral("林"),
                      QStringLiteral("一")) &&
       ok;
  ok = SaveCalculated(folder, QStringLiteral("hasegawa-yumiko"), QStringLiteral("長谷川"),
                      QStringLiteral("由美子")) &&
       ok;
  ok = SaveCalculated(folder, QStringLiteral("sasaki-ren"), QStringLiteral("佐々木"),
                      QStringLiteral("蓮")) &&
       ok;
  {
    quendrel::MainWindowView window;
    window.show();
    quendrel::test::TypeText(window.widgetOf(ElementId::Text1), QStringLiteral("佐藤"));
    ok = SaveCandidates(window, folder, QStringLiteral("candidates")) && ok;
  }
  {
    quendrel::frmAbout about;
    about.show();
    ok = Save(about, folder, QStringLiteral("about")) && ok;
  }
  const QString style = QApplication::style()->name();
  if (QApplication::setStyle(QStringLiteral("Adwaita")) != nullptr) {
    ok = SaveLook(folder, QStringLiteral("adwaita")) && ok;
    QApplication::setStyle(style);
  } else {
    std::printf("the Adwaita style (adwaita-qt6) is not installed: no adwaita-* files\n");
  }
  QApplication::setPalette(quendrel::test::DarkPalette());
  ok = SaveLook(folder, QStringLiteral("dark")) && ok;
  return ok ? 0 : 1;
}
