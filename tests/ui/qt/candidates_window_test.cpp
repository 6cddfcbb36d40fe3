// SPDX-License-Identifier: MIT
// 「名前の候補」 driven as a user drives it, over a small dictionary of the tests' own.
#include "ui/qt/candidates_window.h"

#include <array>
#include <fstream>

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QRadioButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/euc_jp.h"
#include "tests/ui/qt/typing.h"
#include "ui/qt/main_window_view.h"
#include "ui/qt/qt_strings.h"

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

  static QString cell(const CandidatesWindow& candidates, int row, int column) {
    const QAbstractItemModel& model = *candidates.table()->model();
    return model.data(model.index(row, column)).toString();
  }

  QTemporaryDir folder_;
  MainWindowView window_{[] {}};
};

TEST_F(CandidatesWindowTest, OpensFromTheMenuBeforeExit) {
  const QList<QAction*> items = window_.menuBar()->actions().front()->menu()->actions();
  ASSERT_EQ(items.size(), 2);
  EXPECT_EQ(items[0]->text(), QStringLiteral("名前の候補(&N)…"));
  EXPECT_EQ(items[1], window_.actionOf(メニュー終了));
  CandidatesWindow& candidates = open();
  window_.candidatesAction()->trigger();
  EXPECT_EQ(window_.candidates(), &candidates);  // one window, raised again
  EXPECT_TRUE(candidates.isVisible());
}

// Columns: 順位, 名前, よみ, 性別, 画数, 天格, 人格, 地格, 外格, 総格, 未来, 仕事, 対人.
TEST_F(CandidatesWindowTest, CarriesARowToTheMainWindowWhichReadsItAlike) {
  CandidatesWindow& candidates = open();
  ASSERT_TRUE(QTest::qWaitFor([&candidates] { return candidates.loaded(); }));
  candidates.findChild<QRadioButton*>(QStringLiteral("女の子"))->click();
  EXPECT_EQ(cell(candidates, 0, 1), QStringLiteral("さくら"));
  EXPECT_EQ(cell(candidates, 1, 1), QStringLiteral("蒼"));
  EXPECT_EQ(cell(candidates, 2, 1), QStringLiteral("翠"));
  EXPECT_EQ(candidates.findChild<QLabel*>(QStringLiteral("count"))->text(), QStringLiteral("6件"));

  QTableView& table = *candidates.table();
  table.setFocus();
  table.selectRow(1);
  QTest::keyClick(&table, Qt::Key_Return);
  EXPECT_EQ(window_.model().text(Text2), "蒼");
  for (int k = 0; k < 5; ++k) {  // 天格 to 総格
    EXPECT_EQ(ToQString(window_.model().text(kGridLabels[k])), cell(candidates, 1, 5 + k));
  }
  for (int k = 0; k < 3; ++k) {  // 未来, 仕事, 対人: the fortune's name begins the trend line
    const QString fortune = cell(candidates, 1, 10 + k).section(u' ', 0, 0);
    EXPECT_TRUE(ToQString(window_.model().text(kTrendLabels[k])).startsWith(fortune)) << k;
  }
}

TEST_F(CandidatesWindowTest, SaysHowToInstallAMissingDictionary) {
  qputenv("QUENDREL_ENAMDICT", "/nonexistent/enamdict");
  CandidatesWindow& candidates = open();
  EXPECT_FALSE(candidates.loaded());
  EXPECT_TRUE(candidates.findChild<QLabel*>(QStringLiteral("notes"))
                  ->text()
                  .contains(QStringLiteral("sudo apt install enamdict")));
}

}  // namespace
}  // namespace quendrel
