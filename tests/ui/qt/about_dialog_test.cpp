// SPDX-License-Identifier: MIT
#include "ui/qt/about_dialog.h"

#include <cmath>
#include <functional>
#include <string>

#include <QAccessible>
#include <QApplication>
#include <QImage>
#include <QLabel>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "tests/ui/qt/qt_printers.h"
#include "ui/qt/text_fitting.h"

namespace quendrel {
namespace {

// Long enough for a slow machine, short enough that a broken key only costs a moment.
constexpr int kSafetyMilliseconds = 3000;

std::string Text(QSize size) {
  return std::to_string(size.width()) + "x" + std::to_string(size.height());
}

std::string Text(QRect rect) {
  return std::to_string(rect.x()) + "," + std::to_string(rect.y()) + " " + Text(rect.size());
}

QLabel* Label(const frmAbout& dialog, const char* name) {
  return dialog.findChild<QLabel*>(QString::fromLatin1(name));
}

// Runs the dialog modally and does action once it is open. A safety timer ends a dialog the
// action failed to close, so a broken dialog fails the test instead of hanging it.
struct ExecOutcome {
  int result;
  bool closedBySafetyTimer;
};
ExecOutcome ExecWhile(frmAbout& dialog, const std::function<void()>& action) {
  bool timedOut = false;
  QTimer::singleShot(0, &dialog, action);
  QTimer::singleShot(kSafetyMilliseconds, &dialog, [&] {
    timedOut = true;
    dialog.done(-1);
  });
  const int result = dialog.exec();
  return {result, timedOut};
}

TEST(AboutDialogTest, ShowsTheApplicationNameAndVersion) {
  // A second dialog must load its texts again rather than rely on the first having done it.
  // Built as under a screen reader, which asks for every text's interface as it is set.
  QAccessible::setActive(true);
  for (int opening = 1; opening <= 2; ++opening) {
    SCOPED_TRACE("opening " + std::to_string(opening));
    const frmAbout dialog;
    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("quendrelのﾊﾞｰｼﾞｮﾝ情報"));
    EXPECT_EQ(dialog.lblTitle()->text(), QStringLiteral("quendrel"));
    EXPECT_EQ(dialog.lblVersion()->text(), QStringLiteral("ﾊﾞｰｼﾞｮﾝ 1.0.0"));
    ASSERT_NE(Label(dialog, "lblDescription"), nullptr);
    ASSERT_NE(Label(dialog, "lblDisclaimer"), nullptr);
    EXPECT_TRUE(Label(dialog, "lblDescription")->text().contains(QStringLiteral("姓名判断")));
    EXPECT_TRUE(Label(dialog, "lblDisclaimer")->text().contains(QStringLiteral("MIT")));
    // As a screen reader meets it: the caption as the name, then every text once, in order.
    EXPECT_EQ(dialog.accessibleName(), dialog.windowTitle());
    const QString heard = dialog.accessibleDescription();
    EXPECT_TRUE(heard.startsWith(QStringLiteral("quendrel\nﾊﾞｰｼﾞｮﾝ 1.0.0\n自分の姓は")));
    EXPECT_TRUE(heard.endsWith(QStringLiteral("issue tracker へどうぞ。"))) << heard.toStdString();
    for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
      const QAccessibleInterface* text = QAccessible::queryAccessibleInterface(Label(dialog, name));
      EXPECT_EQ(text->role(), QAccessible::Paragraph) << name;
      EXPECT_TRUE(text->relations().isEmpty()) << name;
    }
  }
  QAccessible::setActive(false);
}

TEST(AboutDialogTest, KeepsItsDesignedGeometry) {
  const frmAbout dialog;
  const QSize client(382, 237);
  EXPECT_EQ(Text(dialog.minimumSize()), Text(client));
  EXPECT_EQ(Text(dialog.maximumSize()), Text(client));
  EXPECT_EQ(Text(dialog.size()), Text(client));

  const struct {
    const char* name;
    QRect geometry;
  } kElements[] = {
      {"picIcon", {16, 16, 36, 36}},         {"lblTitle", {70, 16, 259, 32}},
      {"lblVersion", {70, 52, 259, 15}},     {"lblDescription", {70, 75, 259, 78}},
      {"lblDisclaimer", {17, 175, 258, 55}}, {"cmdOK", {284, 175, 87, 23}},
  };
  for (const auto& element : kElements) {
    const auto* widget = dialog.findChild<QWidget*>(QString::fromLatin1(element.name));
    EXPECT_EQ(widget ? Text(widget->geometry()) : "missing", Text(element.geometry))
        << element.name;
  }
}

// Whether any of a label's text is drawn below its bottom edge: grabbed four times as tall, where
// it wraps the same, the rows beyond its own height must be blank.
bool InkBelow(QLabel& label) {
  const QSize designed = label.size();
  label.resize(designed.width(), designed.height() * 4);
  const QImage image = label.grab().toImage();
  label.resize(designed);
  const QRgb ground = image.pixel(image.width() - 1, image.height() - 1);
  for (auto y = static_cast<int>(std::ceil(designed.height() * image.devicePixelRatio()));
       y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      if (image.pixel(x, y) != ground) {
        return true;
      }
    }
  }
  return false;
}

// Run at every quarter step of scale from 1 to 3.
TEST(AboutDialogTest, EveryCaptionFitsItsLabel) {
  frmAbout dialog;
  for (const char* name : {"lblTitle", "lblVersion", "lblDescription", "lblDisclaimer"}) {
    QLabel* label = Label(dialog, name);
    ASSERT_NE(label, nullptr) << name;
    EXPECT_FALSE(InkBelow(*label)) << name << " in " << Text(label->contentsRect());
  }
}

// Run at every quarter step of scale from 1 to 3.
TEST(AboutDialogTest, ShowsTheIconInBothSizesAtTheScreensResolution) {
  const frmAbout dialog;
  const QList<QSize> sizes = dialog.windowIcon().availableSizes();
  EXPECT_TRUE(sizes.contains(QSize(16, 16)) && sizes.contains(QSize(32, 32)));
  const QPixmap shown = Label(dialog, "picIcon")->pixmap();
  EXPECT_EQ(shown.devicePixelRatio(), dialog.devicePixelRatioF());
  EXPECT_EQ(Text(shown.size()), Text(QSize(32, 32) * dialog.devicePixelRatioF()));
}

// The whole text shows, and one pixel more would not have fitted: fitted again from there, the
// label comes back to the same size.
TEST(AboutDialogTest, FitsATextTooLongForItsLabelByTheLargestFontThatHoldsIt) {
  for (const int designed : {12, 14, 20}) {
    const frmAbout dialog;
    QLabel& label = *Label(dialog, "lblDescription");
    QFont font = label.font();
    font.setPixelSize(designed);
    label.setFont(font);
    FitTextToLabel(label);
    const int fitted = label.font().pixelSize();
    EXPECT_FALSE(InkBelow(label)) << designed << " px became " << fitted;
    if (fitted < designed) {
      font.setPixelSize(fitted + 1);
      label.setFont(font);
      FitTextToLabel(label);
      EXPECT_EQ(label.font().pixelSize(), fitted) << designed << " px";
    }
    if (designed == 20) {
      EXPECT_LT(fitted, designed) << "the description does not fit at 20 px";
    }
  }
}

TEST(AboutDialogTest, OkIsTheDefaultButtonAndHasTheFocus) {
  frmAbout dialog;
  EXPECT_TRUE(dialog.cmdOK()->isDefault());
  const auto name = [](const QWidget* widget) {
    return widget != nullptr ? widget->objectName().toStdString() : std::string("nothing");
  };
  std::string focusedOnOpening;
  std::string focusedAfterTab;
  const ExecOutcome outcome = ExecWhile(dialog, [&] {
    focusedOnOpening = name(dialog.focusWidget());
    QTest::keyClick(dialog.focusWidget() != nullptr ? dialog.focusWidget() : &dialog, Qt::Key_Tab);
    focusedAfterTab = name(dialog.focusWidget());
    dialog.accept();
  });
  EXPECT_FALSE(outcome.closedBySafetyTimer);
  EXPECT_EQ(focusedOnOpening, "cmdOK");
  EXPECT_EQ(focusedAfterTab, "picIcon");
}

TEST(AboutDialogTest, ClosesOnEnterEscAndOk) {
  const struct {
    const char* what;
    std::function<void(frmAbout&)> act;
  } kWays[] = {
      {"Enter",
       [](frmAbout& d) {
         QTest::keyClick(d.focusWidget() != nullptr ? d.focusWidget() : &d, Qt::Key_Return);
       }},
      {"Esc",
       [](frmAbout& d) {
         QTest::keyClick(d.focusWidget() != nullptr ? d.focusWidget() : &d, Qt::Key_Escape);
       }},
      {"click on OK", [](frmAbout& d) { QTest::mouseClick(d.cmdOK(), Qt::LeftButton); }},
  };
  for (const auto& way : kWays) {
    SCOPED_TRACE(way.what);
    frmAbout dialog;
    const ExecOutcome outcome = ExecWhile(dialog, [&] { way.act(dialog); });
    EXPECT_FALSE(outcome.closedBySafetyTimer) << "the dialog stayed open";
    EXPECT_TRUE(outcome.result == QDialog::Accepted || outcome.result == QDialog::Rejected)
        << "result " << outcome.result;
  }
}

TEST(AboutDialogTest, DrawsAnEtchedSeparatorAboveTheButton) {
  frmAbout dialog;
  const QImage image = dialog.grab().toImage();
  const struct {
    int y;
    QRgb colour;
  } kRows[] = {{163, qRgb(0x80, 0x80, 0x80)}, {164, qRgb(0xFF, 0xFF, 0xFF)}};
  for (const auto& row : kRows) {
    int wrong = 0;
    int firstWrong = -1;
    for (int x = 50; x <= 300; ++x) {
      if ((image.pixel(x, row.y) | 0xFF000000) != row.colour) {
        firstWrong = wrong++ == 0 ? x : firstWrong;
      }
    }
    EXPECT_EQ(wrong, 0) << "row " << row.y << " off colour from x=" << firstWrong << ", want "
                        << std::hex << row.colour;
  }
}

}  // namespace
}  // namespace quendrel
