// SPDX-License-Identifier: MIT
// 「名前の候補」 driven as a user drives it, over a small dictionary of the tests' own.
#include "ui/qt/candidates_window.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <sys/stat.h>

#include <QAbstractItemModelTester>
#include <QAccessible>
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/euc_jp.h"
#include "tests/ui/qt/activation.h"
#include "tests/ui/qt/typing.h"
#include "ui/candidate_texts.h"
#include "ui/qt/main_window_view.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/shortlist_page.h"
#include "ui/qt/shortlist_printout.h"
#include "ui/qt/stroke_patterns_page.h"
#include "ui/shortlist_texts.h"

namespace quendrel {
namespace {

using enum ElementId;

constexpr std::array<ElementId, 5> kGridLabels = {Label4, Label5, Label6, Label7, Label8};
constexpr std::array<ElementId, 3> kTrendLabels = {Label14, Label16, Label17};

class CandidatesWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    std::ofstream{folder_.filePath(QStringLiteral("enamdict")).toStdString(), std::ios::binary}
        << test::EucJp(test::kSmallDictionary);
    qputenv("QUENDREL_ENAMDICT", folder_.filePath(QStringLiteral("enamdict")).toLocal8Bit());
  }
  void TearDown() override { qunsetenv("QUENDREL_ENAMDICT"); }

  CandidatesWindow& open() {
    window_.show();
    test::TypeText(window_.widgetOf(Text1), QStringLiteral("佐藤"));
    window_.candidatesAction()->trigger();
    return *window_.candidates();
  }

  static QPushButton& button(QWidget& page, const QString& text) {
    for (QPushButton* button : page.findChildren<QPushButton*>()) {
      if (button->text() == text) {
        return *button;
      }
    }
    ADD_FAILURE() << text.toStdString();
    std::abort();
  }

  static QString cell(const CandidatesWindow& candidates, int row, int column) {
    const QAbstractItemModel& model = *candidates.table()->model();
    return model.data(model.index(row, column)).toString();
  }

  QTemporaryDir folder_;
  MainWindowView window_{[] {}};
};

TEST_F(CandidatesWindowTest, OpensFromTheMenuBeforeExit) {
  const QList<QAction*> items = window_.menuBar()->actions().front()->menu()->actions();
  ASSERT_EQ(items.size(), 3);
  EXPECT_EQ(items[0]->text(), QStringLiteral("数え方(&K)"));
  EXPECT_EQ(items[0]->menu()->actions().size(), 5);  // three schools, a line, the numerals
  EXPECT_EQ(items[1]->text(), QStringLiteral("名前の候補(&N)…"));
  EXPECT_EQ(items[2], window_.actionOf(メニュー終了));
  CandidatesWindow& candidates = open();
  window_.candidatesAction()->trigger();
  EXPECT_EQ(window_.candidates(), &candidates);  // one window, raised again
  EXPECT_TRUE(candidates.isVisible());

  // To a screen reader: a window, whose pages' stack is a pane, and whose sex is chosen by its
  // access key before the focus reaches it.
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&candidates)->role(), QAccessible::Window);
  QStackedWidget& stack = *candidates.pages()->findChild<QStackedWidget*>();
  EXPECT_EQ(QAccessible::queryAccessibleInterface(&stack)->role(), QAccessible::Pane);
  EXPECT_EQ(candidates.findChild<QLineEdit*>(QStringLiteral("よみ"))->accessibleName(),
            QStringLiteral("よみ"));
  auto* girl = candidates.findChild<QRadioButton*>(QStringLiteral("女の子"));
  ASSERT_TRUE(test::Activate(candidates));
  QTest::keyClick(&candidates, Qt::Key_G, Qt::AltModifier);
  EXPECT_TRUE(girl->isChecked());
  EXPECT_EQ(QApplication::focusWidget(), girl);

  QTest::keyClick(candidates.table(), Qt::Key_Escape);
  EXPECT_FALSE(candidates.isVisible());
}

// Columns: 順位, 名前, よみ, 性別, なじみ, 画数, 天格, 人格, 地格, 外格, 総格, 未来, 仕事, 対人.
TEST_F(CandidatesWindowTest, CarriesARowToTheMainWindowWhichReadsItAlike) {
  CandidatesWindow& candidates = open();
  ASSERT_TRUE(QTest::qWaitFor([&candidates] { return candidates.loaded(); }));
  candidates.findChild<QRadioButton*>(QStringLiteral("女の子"))->click();
  EXPECT_EQ(cell(candidates, 0, 1), QStringLiteral("凛"));  // おすすめ: familiar girls' names first
  EXPECT_EQ(cell(candidates, 1, 1), QStringLiteral("紬"));
  EXPECT_EQ(candidates.findChild<QLabel*>(QStringLiteral("count"))->text(), QStringLiteral("5件"));
  candidates.findChild<QComboBox*>(QStringLiteral("並び順"))->setCurrentIndex(1);  // 運勢順
  EXPECT_EQ(cell(candidates, 0, 1), QStringLiteral("さくら"));
  EXPECT_EQ(cell(candidates, 1, 1), QStringLiteral("蒼"));  // 翠 すい is estimated a boy's
  // 陽葵 ひまり and ひなた are not read as its characters are; the line under the list says why.
  candidates.findChild<QCheckBox*>(QStringLiteral("字の読みどおりだけ"))->click();
  EXPECT_EQ(candidates.findChild<QLabel*>(QStringLiteral("count"))->text(), QStringLiteral("4件"));
  candidates.findChild<QCheckBox*>(QStringLiteral("字の読みどおりだけ"))->click();
  candidates.findChild<QLineEdit*>(QStringLiteral("使う字"))->setText(QStringLiteral("葵"));
  candidates.table()->selectRow(0);
  EXPECT_TRUE(candidates.findChild<QLabel*>(QStringLiteral("読み方"))
                  ->text()
                  .contains(QStringLiteral(
                      "ひまり：字の読みで説明できない（陽：ひ（訓）　葵：まり（説明できない））")));
  candidates.findChild<QLineEdit*>(QStringLiteral("使う字"))->clear();

  // Counted as the Kangxi dictionary counts, in both windows, whichever chose it.
  window_.schoolAction(2)->trigger();
  EXPECT_EQ(candidates.school()->currentText(), QStringLiteral("康熙字典"));
  EXPECT_EQ(candidates.windowTitle(), QStringLiteral("名前の候補（康熙字典で数えた画数）"));
  const QString title = ToQString(DefinitionOf(Label15).text);
  EXPECT_EQ(window_.windowTitle(), title + QStringLiteral("（康熙字典で数えた画数）"));
  QTableView& table = *candidates.table();
  table.setFocus();
  int row = 0;
  while (row < 4 && cell(candidates, row, 1) != QStringLiteral("蒼")) {
    ++row;
  }
  table.selectRow(row);
  QTest::keyClick(&table, Qt::Key_Return);
  EXPECT_EQ(window_.model().text(Text2), "蒼");
  EXPECT_EQ(window_.model().text(Text4), "21");  // 藤: 艸 6 and 15
  EXPECT_EQ(window_.model().text(Text6), "16");  // 蒼: 艸 6 and 10
  const auto tenkaku = static_cast<int>(
      std::ranges::find(kCandidateColumns, CandidateColumn{ReadingField::Tenkaku}) -
      kCandidateColumns.begin());
  for (int k = 0; k < 5; ++k) {  // 天格 to 総格
    EXPECT_EQ(ToQString(window_.model().text(kGridLabels[k])), cell(candidates, row, tenkaku + k));
  }
  for (int k = 0; k < 3; ++k) {  // 未来, 仕事, 対人: the fortune's name begins the trend line
    const QString fortune = cell(candidates, row, tenkaku + 5 + k).section(u' ', 0, 0);
    EXPECT_TRUE(ToQString(window_.model().text(kTrendLabels[k])).startsWith(fortune)) << k;
  }
  candidates.school()->setCurrentIndex(0);
  EXPECT_TRUE(window_.schoolAction(0)->isChecked());
  EXPECT_EQ(window_.windowTitle(), title);  // the default, as the window always was
  EXPECT_EQ(window_.model().text(Text6), "13");
}

// One name from the list, one composed by counts and one typed, read again with another surname
// and compared, row by row, with the main window's reading of the same name.
TEST_F(CandidatesWindowTest, KeepsNamesFromEachPageAndReadsThemAsTheMainWindowDoes) {
  CandidatesWindow& candidates = open();
  ASSERT_TRUE(QTest::qWaitFor([&candidates] { return candidates.loaded(); }));
  candidates.table()->selectRow(1);
  button(*candidates.pages()->widget(0), QStringLiteral("候補に残す(&R)")).click();
  const QString listed = cell(candidates, 1, 1);
  StrokePatternsPage& patterns = *candidates.patterns();
  candidates.pages()->setCurrentWidget(&patterns);
  patterns.table()->selectRow(2);
  patterns.position(0)->setCurrentRow(1);
  const QString count = patterns.table()->currentIndex().siblingAtColumn(1).data().toString();
  EXPECT_EQ(patterns.position(0)->accessibleName(),
            QStringLiteral("1文字目 %1画").arg(count.section(u'・', 0, 0)));
  const std::string composed = patterns.composed();
  ASSERT_FALSE(composed.empty());
  test::TypeText(patterns.reading(), QStringLiteral("ア"));  // checked as the parent types it
  EXPECT_TRUE(patterns.readingCheck()->text().startsWith(QStringLiteral("あ："))) << composed;
  button(patterns, QStringLiteral("候補に残す(&R)")).click();
  ShortlistPage& shortlist = *candidates.shortlist();
  candidates.pages()->setCurrentWidget(&shortlist);
  test::TypeText(shortlist.findChild<QLineEdit*>(), QStringLiteral("澪"));
  test::TypeText(shortlist.findChild<QLineEdit*>(QStringLiteral("残すよみ")),
                 QStringLiteral("ミオ"));
  QTest::keyClick(shortlist.findChild<QLineEdit*>(), Qt::Key_Return);
  auto* surname = candidates.findChild<QLineEdit*>(QStringLiteral("姓"));
  surname->clear();
  test::TypeText(surname, QStringLiteral("鈴木"));
  // Counted as the Kangxi dictionary counts, numerals at their values, in both windows: the kept
  // names below read as the main window reads them, and 画数から lists, within its filter, the
  // characters that count so.
  patterns.findChild<QComboBox*>()->setCurrentIndex(2);  // 2文字
  candidates.school()->setCurrentIndex(2);
  candidates.findChild<QCheckBox*>(QStringLiteral("漢数字を数の値で数える"))->click();
  EXPECT_TRUE(window_.schoolAction(2)->isChecked());
  patterns.table()->selectRow(0);
  const QString counts = patterns.table()->currentIndex().siblingAtColumn(1).data().toString();
  ASSERT_EQ(counts.count(u'・'), 1) << counts.toStdString();
  const std::string first = ToUtf8(patterns.position(0)->item(0)->data(Qt::UserRole).toString());
  EXPECT_EQ(CountNameStrokes({first, "", ""}, {CountingSchool::Kangxi, true}).strokes[0],
            counts.section(u'・', 0, 0).toInt())
      << first;

  const Shortlist& list = shortlist.list();
  ASSERT_EQ(list.size(), 3U);
  EXPECT_EQ(ToQString(list[0].given), listed);
  EXPECT_EQ(list[1].given, composed);
  EXPECT_EQ(list[1].reading, "あ");
  EXPECT_EQ(list[2].given, "澪");
  EXPECT_TRUE(list[0].recorded);  // from the dictionary, as is its reading
  EXPECT_EQ(ShortlistCell(list[2], ShortlistField::Fit), "みお：字の読みどおり（澪：みお（訓））");
  for (std::size_t k = 0; k < list.size(); ++k) {
    window_.appraise("鈴木", list[k].given);
    const auto shown = [this](ElementId id) { return window_.model().text(id); };
    for (std::size_t g = 0; g < kGridLabels.size(); ++g) {
      EXPECT_EQ(ShortlistCell(list[k], kReadingFields.at(g)), shown(kGridLabels.at(g))) << k;
    }
    for (const AppraisalTheme theme : kAppraisalThemes) {
      EXPECT_EQ(ShortlistTrendLine(list[k], theme),
                shown(kTrendLabels.at(static_cast<std::size_t>(theme))))
          << k;
    }
    EXPECT_EQ(ShortlistCell(list[k], ShortlistField::Remark), shown(Label21)) << k;
    EXPECT_EQ(ShortlistCell(list[k], ShortlistField::Strokes).substr(0, shown(Text6).size()),
              shown(Text6))
        << k;
  }
  shortlist.view()->setFocus();
  shortlist.view()->setCurrentIndex(shortlist.view()->model()->index(0, 0));
  QTest::keyClick(shortlist.view(), Qt::Key_Right, Qt::ControlModifier);
  EXPECT_EQ(ToQString(list[1].given), listed);
  QTest::keyClick(shortlist.view(), Qt::Key_Delete);
  EXPECT_EQ(list.size(), 2U);
  EXPECT_EQ(list[0].given, composed);
}

// After a new order, surname or filter the name the user chose stays chosen while it is listed,
// else the first row is, and stays the first; the chosen pattern stays through a new surname.
TEST_F(CandidatesWindowTest, KeepsTheChosenRowThroughEveryNewList) {
  CandidatesWindow& candidates = open();
  ASSERT_TRUE(QTest::qWaitFor([&candidates] { return candidates.loaded(); }));
  QTableView& table = *candidates.table();
  candidates.findChild<QRadioButton*>(QStringLiteral("女の子"))->click();
  table.selectRow(2);
  QTableView& patterns = *candidates.patterns()->table();
  patterns.selectRow(2);
  const QString pattern = patterns.currentIndex().siblingAtColumn(1).data().toString();
  struct Change {
    std::function<void()> make;
    QString chosen;
  };
  const std::array<Change, 5> changes = {{
      {[&table] { table.sortByColumn(1, Qt::DescendingOrder); }, QStringLiteral("蒼")},
      {[&candidates] {
         candidates.findChild<QLineEdit*>(QStringLiteral("姓"))->setText(QStringLiteral("鈴木"));
       },
       QStringLiteral("蒼")},
      {[&candidates] { candidates.findChild<QRadioButton*>(QStringLiteral("男の子"))->click(); },
       QStringLiteral("蒼")},  // given to either
      {[&candidates] {
         candidates.pages()->widget(0)->findChild<QComboBox*>()->setCurrentIndex(2);
       },
       {}},  // 2文字
      {[&table] { table.sortByColumn(1, Qt::AscendingOrder); }, {}},
  }};
  for (const Change& change : changes) {
    change.make();
    const QModelIndex current = table.currentIndex();
    EXPECT_EQ(current.siblingAtColumn(1).data().toString(),
              change.chosen.isEmpty() ? cell(candidates, 0, 1) : change.chosen);
    EXPECT_TRUE(change.chosen.isEmpty() ? current.row() == 0 : current.row() != 0);
  }
  EXPECT_NE(patterns.currentIndex().row(), 0);
  EXPECT_EQ(patterns.currentIndex().siblingAtColumn(1).data().toString(), pattern);
}

// A name kept, moved, read with a new surname or removed says which rows it changed and leaves
// them current, without making the list anew.
TEST_F(CandidatesWindowTest, TellsTheShortlistsViewsWhichRowsChanged) {
  ShortlistPage page{{}, [] { return std::string{}; }, {}, nullptr};
  QAbstractItemModel& model = *page.view()->model();
  const QAbstractItemModelTester tester{&model,
                                        QAbstractItemModelTester::FailureReportingMode::Fatal};
  std::string told;
  const auto tell = [&told](std::string what, int row) {
    told += what.append(" ").append(std::to_string(row)).append(";");
  };
  QObject::connect(&model, &QAbstractItemModel::rowsInserted, &model,
                   [&tell](const QModelIndex&, int row) { tell("inserted", row); });
  QObject::connect(&model, &QAbstractItemModel::rowsRemoved, &model,
                   [&tell](const QModelIndex&, int row) { tell("removed", row); });
  QObject::connect(&model, &QAbstractItemModel::rowsMoved, &model,
                   [&tell](const QModelIndex&, int row, int, const QModelIndex&, int before) {
                     tell("moved " + std::to_string(row) + " before", before);
                   });
  QObject::connect(
      &model, &QAbstractItemModel::dataChanged, &model,
      [&tell](const QModelIndex&, const QModelIndex& last) { tell("changed to", last.row()); });
  QObject::connect(&model, &QAbstractItemModel::modelReset, &model, [&tell] { tell("reset", 0); });
  struct Step {
    std::function<void()> take;
    std::string told;
    std::string current;
  };
  const std::array<Step, 6> steps = {{
      {[&page] { page.add("陽葵", {}, page); }, "inserted 0;", "陽葵"},
      {[&page] { page.add("凛", {}, page); }, "inserted 1;", "凛"},
      {[&page] { page.add("陽葵", {}, page); }, "", "陽葵"},  // kept once
      {[&page] { button(page, QStringLiteral("後ろへ(&B)")).click(); }, "moved 0 before 2;",
       "陽葵"},
      {[&page] { page.setSurname("佐藤", CountNameStrokes(SplitName("佐藤"))); }, "changed to 1;",
       "陽葵"},
      {[&page] { button(page, QStringLiteral("外す(&D)")).click(); }, "removed 1;", "凛"},
  }};
  for (const Step& step : steps) {
    told.clear();
    step.take();
    EXPECT_EQ(told, step.told) << step.current;
    EXPECT_EQ(ToUtf8(page.view()->currentIndex().data().toString()), step.current);
  }
}

// Three names fit one page; sixty, at about twenty a page, run over three or more.
TEST_F(CandidatesWindowTest, PrintsTheShortlistOnA4Pages) {
  Shortlist list;
  list.setSurname("佐藤", CountNameStrokes(SplitName("佐藤")));
  const std::array<std::string_view, 3> given = {"陽葵", "凛", "蓮"};
  for (const std::string_view name : given) {
    list.add(name);
  }
  for (const int names : {3, 60}) {
    for (int k = static_cast<int>(list.size()); k < names; ++k) {
      list.add(std::string(given.at(static_cast<std::size_t>(k) % 3)) + std::to_string(k));
    }
    QPrinter printer{QPrinter::HighResolution};
    PrepareForShortlist(printer);
    printer.setOutputFormat(QPrinter::PdfFormat);
    const QString path = folder_.filePath(QStringLiteral("shortlist.pdf"));
    printer.setOutputFileName(path);
    PrintShortlist(printer, list, std::chrono::year{2026} / 12 / 10);
    QFile pdf{path};
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    const QByteArray bytes = pdf.readAll();
    const auto pages = bytes.count("/Type /Page\n");
    EXPECT_TRUE(names == 3 ? pages == 1 : pages >= 3) << names << " names, " << pages << " pages";
  }
}

// Each file that is no dictionary is answered with its path, and a file read in part is listed
// as far as it goes, until it is read again whole.
TEST_F(CandidatesWindowTest, AnswersEachBadFileAndReadsItAgain) {
  const QString cut = folder_.filePath(QStringLiteral("cut"));
  std::ofstream{cut.toStdString(), std::ios::binary} << test::EucJp("凛 [りん] /(f) Rin/\n蒼 [あ");
  const QString pipe = folder_.filePath(QStringLiteral("pipe"));
  ASSERT_EQ(mkfifo(pipe.toLocal8Bit().constData(), S_IRUSR | S_IWUSR), 0);
  struct BadFile {
    QString path, said;
    bool listed;
  };
  const std::array<BadFile, 5> files = {{
      {QStringLiteral("/nonexistent/enamdict"), QStringLiteral(" がありません。"), false},
      {folder_.path(), QStringLiteral(" はフォルダーで"), false},
      {QStringLiteral("/dev/zero"), QStringLiteral(" は装置で"), false},
      {pipe, QStringLiteral(" はパイプで"), false},  // no writer: opening it would wait for ever
      {cut, QStringLiteral(" は途中で切れていて"), true},
  }};
  CandidatesWindow& candidates = open();
  auto* notes = candidates.findChild<QLabel*>(QStringLiteral("notes"));
  QPushButton& again = button(candidates, QStringLiteral("辞書を読み直す(&D)"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !candidates.loading(); }));
  for (const BadFile& file : files) {
    qputenv("QUENDREL_ENAMDICT", file.path.toLocal8Bit());
    again.click();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !candidates.loading(); }));
    EXPECT_TRUE(notes->text().contains(file.path + file.said)) << notes->text().toStdString();
    EXPECT_EQ(candidates.loaded(), file.listed) << file.path.toStdString();
    EXPECT_TRUE(again.isVisibleTo(&candidates));
  }
  EXPECT_EQ(candidates.table()->model()->rowCount(), 1);  // 凛, the one whole line
  std::ofstream{cut.toStdString(), std::ios::binary} << test::EucJp(test::kSmallDictionary);
  again.click();
  ASSERT_TRUE(QTest::qWaitFor([&] { return candidates.loaded(); }));
  EXPECT_FALSE(again.isVisibleTo(&candidates));
}

// Closing the window, or the program, stops a load within a second; the main window answers
// all the while. A sparse file of zeros reads for seconds, as a device that never ends would.
TEST_F(CandidatesWindowTest, StopsReadingWhenClosed) {
  const QString endless = folder_.filePath(QStringLiteral("endless"));
  const std::ofstream created{endless.toStdString()};
  std::filesystem::resize_file(endless.toStdString(), std::uintmax_t{16} << 30U);
  qputenv("QUENDREL_ENAMDICT", endless.toLocal8Bit());
  CandidatesWindow& candidates = open();
  window_.activateWindow();
  QTest::mouseClick(window_.widgetOf(Command1), Qt::LeftButton);
  EXPECT_EQ(window_.model().text(Text3), "7");  // 佐, counted while the file is read
  ASSERT_TRUE(candidates.loading());
  QElapsedTimer stopping;
  stopping.start();
  candidates.close();
  EXPECT_TRUE(QTest::qWaitFor([&] { return !candidates.loading(); }, 1000));
  EXPECT_LT(stopping.elapsed(), 1000);

  auto program = std::make_unique<MainWindowView>([] {});
  program->candidatesAction()->trigger();
  ASSERT_TRUE(program->candidates()->loading());
  stopping.restart();
  program.reset();
  EXPECT_LT(stopping.elapsed(), 1000);
}

// Debian's ENAMDICT as a parent meets it: the first page of each sex holds no name of the other
// by its ending, and the names of today that it tags unclassified are among the boys'.
TEST_F(CandidatesWindowTest, ListsTheInstalledDictionarysNamesForTheRightSex) {
  if (!std::filesystem::exists(kInstalledDictionary)) {
    GTEST_SKIP() << kInstalledDictionary << " is missing: apt-get install enamdict";
  }
  qunsetenv("QUENDREL_ENAMDICT");
  CandidatesWindow& candidates = open();
  ASSERT_TRUE(QTest::qWaitFor([&] { return candidates.loaded(); }, 60000));
  const auto choose = [&candidates](const char* surname, const char* sex) {
    candidates.findChild<QLineEdit*>(QStringLiteral("姓"))->setText(QString::fromUtf8(surname));
    candidates.findChild<QRadioButton*>(QString::fromUtf8(sex))->click();
  };
  struct Case {
    const char* surname;
    const char* sex;
    std::array<const char*, 4> endings;
  };
  for (const Case& c : {Case{"佐藤", "女の子", {"一", "郎", "介", "彦"}},
                        Case{"鈴木", "男の子", {"子", "美", "奈", "香"}}}) {
    choose(c.surname, c.sex);
    for (int row = 0; row < 20; ++row) {
      const QString name = cell(candidates, row, 1);
      for (const char* ending : c.endings) {
        EXPECT_FALSE(name.endsWith(QString::fromUtf8(ending))) << c.surname << " " << row;
      }
    }
  }
  auto& reading = *candidates.findChild<QLineEdit*>(QStringLiteral("よみ"));
  for (const auto& [written, kana] : {std::pair{"陽翔", "はると"}, std::pair{"颯太", "そうた"}}) {
    reading.setText(QString::fromUtf8(kana));
    const QModelIndexList found = candidates.table()->model()->match(
        candidates.table()->model()->index(0, 1), Qt::DisplayRole, QString::fromUtf8(written), 1,
        Qt::MatchExactly);
    EXPECT_EQ(found.size(), 1) << written;
  }
}

}  // namespace
}  // namespace quendrel
