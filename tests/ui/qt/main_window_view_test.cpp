// SPDX-License-Identifier: MIT
// The main window driven as a user drives it, judged by what it shows.
#include "ui/qt/main_window_view.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <set>
#include <string>
#include <vector>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QDropEvent>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QImage>
#include <QInputMethodEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QMenuBar>
#include <QMimeData>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <gtest/gtest.h>

#include "core/fortune_catalogue.h"
#include "tests/ui/qt/activation.h"
#include "tests/ui/qt/dark_palette.h"
#include "tests/ui/qt/portal_stand_in.h"
#include "tests/ui/qt/qt_printers.h"
#include "tests/ui/qt/typing.h"
#include "ui/design/layout.h"
#include "ui/design/picture_figures.h"
#include "ui/name_strip.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/candidates_window.h"
#include "ui/qt/client_area.h"
#include "ui/qt/name_strip_label.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/qt_strings.h"

namespace quendrel {
namespace {

using enum ElementId;
using test::TypeText;

class MainWindowViewTest : public ::testing::Test {
 protected:
  MainWindowViewTest() : window([this] { ++exits; }) {
    window.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    EXPECT_TRUE(test::Activate(window));
  }

  [[nodiscard]] QLineEdit* box(ElementId id) const {
    return qobject_cast<QLineEdit*>(window.widgetOf(id));
  }
  [[nodiscard]] QLabel* label(ElementId id) const {
    return qobject_cast<QLabel*>(window.widgetOf(id));
  }
  void click(ElementId id) const { QTest::mouseClick(window.widgetOf(id), Qt::LeftButton); }

  void calculate(const QString& surname, const QString& given) const {
    box(Text1)->clear();
    box(Text2)->clear();
    TypeText(box(Text1), surname);
    TypeText(box(Text2), given);
    click(Command1);
  }

  [[nodiscard]] QImage clientPixels() const { return window.clientArea()->grab().toImage(); }

  int exits = 0;
  MainWindowView window;
};

TEST_F(MainWindowViewTest, PlacesElementsWhereTheLayoutPutsThem) {
  struct Placement {
    ElementId id;
    QRect pixels;  // twips / 15
  };
  const std::vector<Placement> placements = {
      {Label15, {120, 8, 241, 33}},   {Label1, {40, 56, 65, 17}},
      {Text1, {32, 80, 73, 25}},      {Text2, {120, 80, 73, 25}},
      {Text3, {32, 104, 25, 18}},     {Text8, {168, 104, 25, 18}},
      {Command1, {80, 144, 81, 33}},  {Label3, {112, 192, 25, 129}},
      {Label4, {208, 200, 41, 17}},   {Label7, {40, 240, 25, 25}},
      {Label8, {128, 336, 33, 17}},   {Label13, {88, 336, 33, 17}},
      {Label18, {240, 96, 25, 17}},   {Label14, {280, 88, 129, 33}},
      {Label17, {280, 184, 129, 33}}, {Image1, {416, 88, 30, 30}},
      {Image10, {416, 136, 30, 30}},  {Image15, {416, 184, 30, 30}},
      {Command2, {312, 232, 81, 33}}, {Label21, {280, 288, 161, 105}},
      {Command3, {184, 360, 81, 33}},
  };
  for (const Placement& placement : placements) {
    EXPECT_EQ(window.widgetOf(placement.id)->geometry(), placement.pixels)
        << DefinitionOf(placement.id).name;
  }
  EXPECT_EQ(window.clientArea()->size(), QSize(458, 408));
  EXPECT_EQ(window.windowTitle(), "Quendrel");
  EXPECT_FALSE(window.windowIcon().isNull());
}

TEST_F(MainWindowViewTest, StacksTheValueLabelUnderTheRowHeadingItOverlaps) {
  // Label20 "対人" lies over the right end of Label4; the later sibling is drawn on top.
  const QObjectList& children = window.clientArea()->children();
  EXPECT_GT(children.indexOf(window.widgetOf(Label20)), children.indexOf(window.widgetOf(Label4)));
  EXPECT_GT(children.indexOf(window.widgetOf(Command3)), children.indexOf(window.widgetOf(Text1)));
}

TEST_F(MainWindowViewTest, ShowsTheCountsGridsAndNameStripOfTheTypedName) {
  calculate("山田", "太郎");
  const std::vector<std::pair<ElementId, QString>> shown = {
      {Text3, "3"},  {Text4, "5"},  {Text5, ""},    {Text6, "4"},   {Text7, "9"},   {Text8, ""},
      {Label4, "8"}, {Label5, "9"}, {Label6, "13"}, {Label7, "12"}, {Label8, "21"},
  };
  for (const auto& [id, text] : shown) {
    const QWidget* widget = window.widgetOf(id);
    const QString actual = DefinitionOf(id).kind == ElementKind::TextBox
                               ? qobject_cast<const QLineEdit*>(widget)->text()
                               : qobject_cast<const QLabel*>(widget)->text();
    EXPECT_EQ(actual, text) << DefinitionOf(id).name;
  }
  EXPECT_EQ(label(Label3)->text(), "山\n田\n  \n太\n郎") << "the filler takes a row";

  click(Command2);
  EXPECT_EQ(label(Label14)->text(), "実績運　当面の運勢は上昇するでしょう！");
  EXPECT_EQ(label(Label16)->text(), "挫折運　当面の運勢は下降するでしょう！");
  EXPECT_EQ(label(Label17)->text(), "実績運　当面の運勢は上昇するでしょう！");
  EXPECT_EQ(label(Label21)->text(), "繊細で鋭い神経が、自分や他人を傷つけることもあります。 ");
}

// What each row of the grabbed strip shows: the character of `name` (a space: nothing) that a
// strip showing only that character draws alike, else "?". A row's last two pixel lines are left
// out: the next row's character may rise into them.
QString DrawnRows(NameStripLabel& strip, const QString& name) {
  const auto row = [&strip](NameStripLabel& label, int index) {
    return label.grab().toImage().copy(0, index * strip.rowPitch(), strip.width(),
                                       strip.rowPitch() - 2);
  };
  NameStripLabel alone(nullptr);
  alone.setFont(strip.font());
  alone.setPalette(strip.palette());
  alone.setAutoFillBackground(true);
  alone.resize(strip.size());
  QString rows;
  for (int index = 0; (index + 1) * strip.rowPitch() <= strip.height(); ++index) {
    QChar seen('?');
    for (const QChar character : name) {
      alone.setText(character);
      seen = row(alone, 0) == row(strip, index) ? character : seen;
    }
    rows += seen;
  }
  return rows;
}

TEST_F(MainWindowViewTest, DrawsTheNameStripAndTheBracketsOfEachShape) {
  struct ShapeName {
    QString surname, given;
    QString rows;  // down the strip; a space is a row left empty
  };
  const std::vector<ShapeName> names = {
      {"長谷川", "由美子", "長谷川由美子"},
      {"長谷川", "太郎", "長谷川太郎 "},
      {"長谷川", "一", "長谷川一☆ "},
      {"山田", "由美子", "山田 由美子"},
      {"山田", "太郎", "山田 太郎 "},
      {"山田", "一", "山田 一☆ "},
      {"林", "由美子", "☆林 由美子"},
      {"林", "太郎", "☆林 太郎 "},
      {"林", "一", "☆林 一☆ "},
  };
  const QColor ground = ToColor(kWindowBackground);
  auto ink = [](const QImage& image, int twipsX, int twipsY) {
    return image.pixelColor(ToPixels(twipsX), ToPixels(twipsY)) == QColor(Qt::black);
  };
  QImage before = clientPixels();
  for (const LineLayout& line : LineLayouts()) {
    EXPECT_FALSE(ink(before, (line.x1 + line.x2) / 2, (line.y1 + line.y2) / 2))
        << DefinitionOf(line.id).name << " before any calculation";
  }
  auto* strip = dynamic_cast<NameStripLabel*>(window.widgetOf(Label3));
  ASSERT_NE(strip, nullptr);
  for (const ShapeName& name : names) {
    SCOPED_TRACE(name.surname + "/" + name.given);
    calculate(name.surname, name.given);
    EXPECT_EQ(DrawnRows(*strip, name.rows), name.rows);
    // Which lines a shape shows is the model's; the view draws what the model shows.
    const QImage pixels = clientPixels();
    for (const LineLayout& line : LineLayouts()) {
      const int midX = (line.x1 + line.x2) / 2;
      const int midY = (line.y1 + line.y2) / 2;
      EXPECT_EQ(ink(pixels, midX, midY), window.model().isVisible(line.id))
          << DefinitionOf(line.id).name;
      // One pixel wide: the pixels either side of a line are ground.
      const bool horizontal = line.y1 == line.y2;
      const int step = kTwipsPerPixel;
      EXPECT_EQ(pixels.pixelColor(ToPixels(midX + (horizontal ? 0 : step)),
                                  ToPixels(midY + (horizontal ? step : 0))),
                ground)
          << DefinitionOf(line.id).name;
    }
  }
}

TEST_F(MainWindowViewTest, ShowsOneRatingPicturePerRowInItsPixels) {
  const std::vector<ElementId> rows[] = {{Image1, Image2, Image3, Image4, Image5},
                                         {Image6, Image7, Image8, Image9, Image10},
                                         {Image11, Image12, Image13, Image14, Image15}};
  auto shownIn = [this](const std::vector<ElementId>& row) {
    const QImage pixels = clientPixels();
    const QRect place = ToRect(LayoutOf(row.front()));
    std::vector<ElementId> matching;
    for (const ElementId picture : row) {
      if (pixels.copy(place) ==
          QImage(PictureFigure(picture).bitmap).convertToFormat(pixels.format())) {
        matching.push_back(picture);
      }
    }
    return matching;
  };
  for (const auto& row : rows) {
    EXPECT_TRUE(shownIn(row).empty());
  }
  calculate("山田", "太郎");  // 外格 12 falls, 総格 21 rises
  click(Command2);
  EXPECT_EQ(shownIn(rows[0]), std::vector{Image4});
  EXPECT_EQ(shownIn(rows[1]), std::vector{Image10});
  EXPECT_EQ(shownIn(rows[2]), std::vector{Image12});
  calculate("長谷川", "由美子");
  for (const auto& row : rows) {
    EXPECT_TRUE(shownIn(row).empty()) << "a new calculation hides every picture";
  }
}

TEST_F(MainWindowViewTest, KeepsNameBoxesToThreeCharactersAsAReaderCountsThem) {
  enum class How : std::uint8_t { Type, Paste, Undo, Redo, Menu, Commit, Preedit, Drop, Assist };
  struct Edit {
    QString start;
    int selectFrom, selectTo;  // the caret alone where they are equal
    How how;
    QString text;
    QString shown;
    int caret;
  };
  const std::vector<Edit> edits = {
      {"山田太", 0, 0, How::Type, "X", "山田太", 0},
      {"山田太", 1, 1, How::Type, "X", "山田太", 1},
      {"山田太", 3, 3, How::Type, "X", "山田太", 3},
      {"山田太", 1, 2, How::Type, "X", "山X太", 2},
      {"山田", 2, 2, How::Type, "𠮷野", "山田𠮷", 4},  // four UTF-16 units, three characters
      {"かき𠮷", 2, 2, How::Type, "\u3099", "かき\u3099𠮷", 3},  // the mark joins き
      {"山田", 1, 1, How::Paste, "由美子", "山由田", 2},
      {"山田太", 1, 2, How::Paste, "中村", "山中太", 2},
      {"山\uFFFE", 1, 1, How::Paste, "田太", "山田\uFFFE", 2},  // not a byte order mark
      {"", 0, 0, How::Paste, "由美子です", "由美子", 3},
      {"山", 1, 1, How::Undo, "田太郎です", "山", 1},  // the cut paste
      {"山", 1, 1, How::Redo, "田太郎です", "山田太", 3},
      {"山", 1, 1, How::Menu, "田太郎", "山田太", 3},
      {"山田", 1, 1, How::Commit, "太郎", "山太田", 2},
      {"山田", 0, 0, How::Drop, "由美子", "由山田", 1},
      {"山田太", 3, 3, How::Preedit, "か", "山田太", 3},
      {"", 0, 0, How::Assist, "長谷川由美子", "長谷川", 3},  // as AT-SPI's SetTextContents
      {"長谷川", 0, 0, How::Assist, "田", "長谷川", 0},      // refused, as typing it is
      {"山田太", 1, 2, How::Assist, "中村", "山中太", 2},
      {"山田太", 1, 2, How::Assist, "", "山太", 1},  // a reader's deletion
  };
  QLineEdit* name = box(Text1);
  name->setFocus();
  for (const Edit& edit : edits) {
    SCOPED_TRACE(edit.start + " + " + edit.text);
    name->setText(edit.start);
    name->setSelection(edit.selectFrom, edit.selectTo - edit.selectFrom);
    QApplication::clipboard()->setText(edit.text);
    QInputMethodEvent input(edit.how == How::Preedit ? edit.text : QString(), {});
    QMimeData dragged;
    dragged.setText(edit.text);
    // Shift asks the source to move its text.
    QDragEnterEvent enter({1, 1}, Qt::CopyAction | Qt::MoveAction, &dragged, {}, Qt::ShiftModifier);
    QDropEvent drop({1, 1}, Qt::CopyAction | Qt::MoveAction, &dragged, {}, Qt::ShiftModifier);
    QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, name->mapToGlobal(QPoint()));
    switch (edit.how) {
      case How::Type:
        TypeText(name, edit.text);
        break;
      case How::Paste:
      case How::Undo:
      case How::Redo:
        QTest::keySequence(name, QKeySequence::Paste);
        if (edit.how != How::Paste) {
          QTest::keySequence(name, QKeySequence::Undo);
        }
        if (edit.how == How::Redo) {
          QTest::keySequence(name, QKeySequence::Redo);
        }
        break;
      case How::Menu:
        QApplication::sendEvent(name, &menuKey);
        for (QAction* action : QApplication::activePopupWidget()->actions()) {
          if (action->text().startsWith(QLineEdit::tr("&Paste"))) {
            action->trigger();
          }
        }
        QApplication::activePopupWidget()->close();
        break;
      case How::Commit:
        input.setCommitString(edit.text);
        [[fallthrough]];
      case How::Preedit:
        QApplication::sendEvent(name, &input);
        break;
      case How::Drop:
        QApplication::sendEvent(name, &enter);
        QApplication::sendEvent(name, &drop);
        EXPECT_EQ(drop.dropAction(), Qt::CopyAction) << "the source keeps what did not fit";
        break;
      case How::Assist:
        QAccessible::queryAccessibleInterface(name)->editableTextInterface()->replaceText(
            edit.selectFrom, edit.selectTo, edit.text);
        break;
    }
    EXPECT_EQ(name->text(), edit.shown);
    EXPECT_EQ(name->cursorPosition(), edit.caret);
    EXPECT_EQ(ToQString(window.model().text(Text1)), edit.shown);
  }
}

TEST_F(MainWindowViewTest, LeavesTheInputMethodOnOnlyInTheNameBoxes) {
  for (const ElementId id : {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8}) {
    // What an input method asks the focused box before it takes a key.
    QInputMethodQueryEvent query(Qt::ImEnabled);
    QApplication::sendEvent(window.widgetOf(id), &query);
    EXPECT_EQ(query.value(Qt::ImEnabled).toBool(), id == Text1 || id == Text2)
        << DefinitionOf(id).name;
    // uim composes even where the box declines; a count box takes none of it.
    QInputMethodEvent commit;
    commit.setCommitString("か");
    QApplication::sendEvent(window.widgetOf(id), &commit);
    EXPECT_EQ(box(id)->text() == "か", id == Text1 || id == Text2) << DefinitionOf(id).name;
  }
}

TEST_F(MainWindowViewTest, FitsEveryCaptionItMayShow) {
  // The ink must fit: the last line's descent below its lowest glyph may be clipped, as the
  // layout was designed for fonts whose cell is no taller than their size.
  auto fits = [](const QLabel* label, const QString& text) {
    const QRect room = label->contentsRect();
    const QFontMetrics metrics(label->font());
    const QRect needed = metrics.boundingRect(room, Qt::TextWordWrap | Qt::AlignTop, text);
    const int lines = std::max(1, needed.height() / metrics.lineSpacing());
    const int inkBottom = ((lines - 1) * metrics.lineSpacing()) + metrics.ascent() +
                          metrics.tightBoundingRect(text).bottom() + 1;
    return needed.width() <= room.width() && inkBottom <= room.height();
  };
  for (const ElementLayout& layout : ElementLayouts()) {
    if (const auto* fixed = qobject_cast<const QLabel*>(window.widgetOf(layout.id));
        fixed != nullptr && layout.id != Label3) {
      EXPECT_TRUE(fits(fixed, fixed->text())) << DefinitionOf(layout.id).name;
    }
  }
  for (const FortuneEntry& entry : FortuneCatalogue()) {
    EXPECT_TRUE(fits(label(Label16), ToQString(TrendLine(entry, AppraisalTheme::Work))))
        << entry.Number;
    EXPECT_TRUE(fits(label(Label14), ToQString(TrendLine(entry, AppraisalTheme::Future))))
        << entry.Number;
    EXPECT_TRUE(fits(label(Label21), ToQString(entry.Remark))) << entry.Number;
  }
  const auto* strip = dynamic_cast<const NameStripLabel*>(window.widgetOf(Label3));
  ASSERT_NE(strip, nullptr);
  for (const char* caption : {"＊画数計算＊", "長谷川由美子"}) {
    const QStringList rows = ToQString(NameStripRows(caption)).split('\n');
    EXPECT_LE(rows.size() * strip->rowPitch(), strip->height()) << caption;
    for (const QString& row : rows) {
      EXPECT_LE(QFontMetrics(strip->font()).horizontalAdvance(row), strip->width()) << row;
    }
  }
  for (const char* value : {"72", "96", "144"}) {
    for (const ElementId grid : {Label4, Label5, Label6, Label7, Label8}) {
      EXPECT_TRUE(fits(label(grid), value)) << DefinitionOf(grid).name << " " << value;
    }
  }
  for (const ElementId id : {Command1, Command2, Command3}) {
    const auto* button = qobject_cast<QPushButton*>(window.widgetOf(id));
    EXPECT_LT(QFontMetrics(button->font()).horizontalAdvance(button->text()), button->width());
  }
}

TEST_F(MainWindowViewTest, UsesTheDesignedFontsAtTheirPixelSizes) {
  const std::vector<std::pair<ElementId, int>> sizes = {
      {Text1, 21}, {Label15, 35}, {Label1, 16}, {Command1, 12}, {Label4, 13}, {Label14, 12}};
  for (const auto& [id, pixels] : sizes) {
    EXPECT_EQ(window.widgetOf(id)->font().pixelSize(), pixels) << DefinitionOf(id).name;
  }
  EXPECT_TRUE(window.widgetOf(Command1)->font().bold());
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, QPoint());
  QApplication::sendEvent(box(Text1), &menuKey);
  std::vector<QWidget*> menus = {QApplication::activePopupWidget()};
  for (const char* name : {"メニュー", "メニューヘルプ"}) {
    menus.push_back(window.menuBar()->findChild<QMenu*>(QString::fromUtf8(name)));
  }
  for (const QWidget* menu : menus) {
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->font().toString(), window.menuBar()->font().toString()) << menu->objectName();
  }
  menus.front()->close();
  // fontconfig names a family in the user's language: IPAPGothic is "IPA Pゴシック" in Japanese.
  const QString family = QFontInfo(window.widgetOf(Label3)->font()).family();
  EXPECT_TRUE(std::ranges::any_of(
      std::vector<QString>{"IPAPGothic", "ＭＳ Ｐゴシック", "Noto Sans CJK JP"},
      [&family](const QString& standIn) {
        return QFontDatabase::hasFamily(standIn) && QFontInfo(QFont(standIn)).family() == family;
      }))
      << family.toStdString();
}

TEST_F(MainWindowViewTest, OffersQtsEditCommandsInTheUsersLanguage) {
  QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, {}, QPoint());
  QApplication::sendEvent(box(Text1), &menuKey);
  QWidget* menu = QApplication::activePopupWidget();
  ASSERT_NE(menu, nullptr);
  const QString paste = QLocale().language() == QLocale::Japanese ? "貼り付け" : "&Paste";
  EXPECT_TRUE(std::ranges::any_of(menu->actions(), [&paste](const QAction* action) {
    return action->text().startsWith(paste);
  }));
  menu->close();
}

TEST_F(MainWindowViewTest, DrawsNameCharactersBeyondTheDesignedFontFromAFallbackFont) {
  // U+10FFFD is a private-use character that no font draws: it shows the missing-glyph box.
  const QString missing = QString::fromUcs4(U"\U0010FFFD");
  box(Text2)->setFocus();  // no caret in the grabbed box
  const auto boxPixels = [this](const QString& name) {
    box(Text1)->setText(name);
    return box(Text1)->grab().toImage();
  };
  EXPECT_NE(boxPixels("𠮷"), boxPixels(missing));
  auto* strip = dynamic_cast<NameStripLabel*>(window.widgetOf(Label3));
  ASSERT_NE(strip, nullptr);
  const auto stripPixels = [strip](const QString& name) {
    strip->setText(name);
    return strip->grab().toImage();
  };
  EXPECT_NE(stripPixels("𠮷"), stripPixels(missing));
}

TEST_F(MainWindowViewTest, TabsThroughTheBoxesAndButtonsInOrder) {
  const std::vector<ElementId> order = TabOrder();
  EXPECT_EQ(QApplication::focusWidget(), window.widgetOf(order.front()));
  for (std::size_t i = 1; i <= order.size(); ++i) {
    const ElementId next = order.at(i % order.size());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_EQ(QApplication::focusWidget(), window.widgetOf(next)) << DefinitionOf(next).name;
  }
}

TEST_F(MainWindowViewTest, PressesTheFocusedButtonByKeyboardAndNoButtonFromATextBox) {
  struct Press {
    ElementId focus;
    Qt::Key key;
    Qt::KeyboardModifiers modifiers;
    std::vector<ElementId> pressed;
  };
  const std::vector<Press> presses = {
      {Command1, Qt::Key_Return, Qt::NoModifier, {Command1}},
      {Command2, Qt::Key_Enter, Qt::KeypadModifier, {Command2}},
      {Command2, Qt::Key_Space, Qt::NoModifier, {Command2}},
      {Command3, Qt::Key_Return, Qt::NoModifier, {Command3}},
      {Command2, Qt::Key_Escape, Qt::NoModifier, {}},
      {Text1, Qt::Key_Return, Qt::NoModifier, {}},
      {Text2, Qt::Key_Enter, Qt::KeypadModifier, {}},
      {Text8, Qt::Key_Escape, Qt::NoModifier, {}},
  };
  std::vector<ElementId> pressed;
  for (const ElementId button : {Command1, Command2, Command3}) {
    QObject::connect(static_cast<QPushButton*>(window.widgetOf(button)), &QPushButton::clicked,
                     &window, [&pressed, button] { pressed.push_back(button); });
  }
  for (const Press& press : presses) {
    pressed.clear();
    window.widgetOf(press.focus)->setFocus();
    QTest::keyClick(window.widgetOf(press.focus), press.key, press.modifiers);
    EXPECT_EQ(pressed, press.pressed) << DefinitionOf(press.focus).name << " " << press.key;
  }
  EXPECT_EQ(exits, 1) << "only Return on 終　了 ended the program";
}

TEST_F(MainWindowViewTest, EndsFromTheExitButtonAndTheMenuAccessKeys) {
  click(Command3);
  EXPECT_EQ(exits, 1);
  QTest::keyClick(&window, Qt::Key_M, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr) << "Alt+M opens the menu";
  QTest::keyClick(popup, Qt::Key_X);
  EXPECT_EQ(exits, 2);
}

// Runs `whileOpen` once the About dialog is up, then closes it; fails rather than hangs.
// The action is kept by value: the timer fires after the caller's temporary is gone.
void WithAboutDialog(std::function<void(QWidget*)> whileOpen, bool& opened) {
  QTimer::singleShot(50, QApplication::instance(), [whileOpen = std::move(whileOpen), &opened] {
    QWidget* dialog = QApplication::activeModalWidget();
    opened = dialog != nullptr;
    if (dialog != nullptr) {
      whileOpen(dialog);
      dialog->close();
    }
  });
}

TEST_F(MainWindowViewTest, OpensTheModalAboutDialogFromItsAccessKeysAndStaysInertMeanwhile) {
  calculate("山田", "太郎");
  bool opened = false;
  QString caption;
  const QWindow* transientParent = nullptr;
  WithAboutDialog(
      [&](QWidget* dialog) {
        caption = dialog->windowTitle();
        transientParent = dialog->windowHandle()->transientParent();
        // Through the window system, as a real click comes, where modality blocks it.
        for (const ElementId button : {Command1, Command3}) {
          QWidget* widget = window.widgetOf(button);
          QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                            widget->mapTo(&window, widget->rect().center()));
        }
      },
      opened);
  box(Text1)->clear();
  QTest::keyClick(&window, Qt::Key_H, Qt::AltModifier);
  QWidget* popup = QApplication::activePopupWidget();
  ASSERT_NE(popup, nullptr) << "Alt+H opens the help menu";
  QTest::keyClick(popup, Qt::Key_A);
  EXPECT_TRUE(opened);
  EXPECT_EQ(caption, "quendrelのﾊﾞｰｼﾞｮﾝ情報");
  EXPECT_EQ(transientParent, window.windowHandle()) << "the window system keeps it above";
  EXPECT_EQ(exits, 0);
  EXPECT_EQ(box(Text3)->text(), "3") << "the main window kept what it showed";
  EXPECT_EQ(label(Label8)->text(), "21");
}

// The names themselves are the model's (AccessibleName's test); the view hands them on, kept
// current as each command changes them, and tells a screen reader which pictures show.
TEST_F(MainWindowViewTest, HandsScreenReadersTheNameOfWhatEachElementShows) {
  const auto heard = [this](ElementId id) {
    return QAccessible::queryAccessibleInterface(window.widgetOf(id));
  };
  struct Stage {
    const char *surname, *given;  // calculated and appraised unless empty
    std::vector<std::pair<ElementId, QString>> names;
  };
  const std::vector<Stage> stages = {
      {"",
       "",
       {{Text1, "姓"}, {Text8, "名の3文字目の画数"}, {Label3, "＊画数計算＊"}, {Label4, "天格"}}},
      {"長谷川",
       "由美子",
       {{Label3, "長谷川 由美子"},
        {Label8, "総格 35"},
        {Label14, "未来 繊細運\u3000当面の運勢は上昇するでしょう！"},
        {Image4, "上昇"}}},
      {"林", "一", {{Label3, "林 一"}, {Label7, "外格 0"}, {Label16, "仕事"}}},
  };
  for (const Stage& stage : stages) {
    if (*stage.surname != '\0') {
      calculate(QString::fromUtf8(stage.surname), QString::fromUtf8(stage.given));
      click(Command2);
    }
    for (const auto& [id, name] : stage.names) {
      EXPECT_EQ(heard(id)->text(QAccessible::Name), name)
          << stage.surname << ": " << DefinitionOf(id).name;
    }
  }
  calculate(QStringLiteral("佐々木"), QStringLiteral("蓮"));
  EXPECT_EQ(heard(Text4)->text(QAccessible::Description), "補助表の画数");
  EXPECT_EQ(window.widgetOf(Text6)->toolTip(), "補助表の画数");
  EXPECT_EQ(window.widgetOf(Text3)->toolTip(), "") << "佐 is the built-in table's";
  for (auto i = IndexOf(Image1); i <= IndexOf(Image15); ++i) {
    const auto picture = static_cast<ElementId>(i);
    EXPECT_EQ(heard(picture)->role(), QAccessible::Graphic);
    EXPECT_EQ(heard(picture)->state().invisible, !window.model().isVisible(picture)) << i;
  }
}

// WCAG's contrast ratio between two colours, from 1 to 21.
double Contrast(QRgb a, QRgb b) {
  const auto luminance = [](QRgb rgb) {
    const auto linear = [](int channel) {
      const double c = channel / 255.0;
      return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
    };
    return (0.2126 * linear(qRed(rgb))) + (0.7152 * linear(qGreen(rgb))) +
           (0.0722 * linear(qBlue(rgb)));
  };
  const auto [dark, light] = std::minmax({luminance(a), luminance(b)});
  return (light + 0.05) / (dark + 0.05);
}

// An area's ground: its commonest colour.
QRgb GroundOf(const QImage& image, const QRect& area) {
  std::map<QRgb, int> counts;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      ++counts[image.pixel(x, y) | 0xFF000000];
    }
  }
  return std::ranges::max_element(counts, {}, [](const auto& entry) { return entry.second; })
      ->first;
}

// The contrast of an element's ink with its ground, the ink being the colour that stands out
// from the ground most.
double InkContrast(const QImage& image, const QRect& area) {
  const QRgb ground = GroundOf(image, area);
  double most = 1;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) {
      most = std::max(most, Contrast(image.pixel(x, y) | 0xFF000000, ground));
    }
  }
  return most;
}

// Where each ink that the design fixes, or leaves to the system, shows: an element's area, shrunk
// by `inset` to keep a button's frame out, or a strip of the diagram or the About dialog.
struct InkCase {
  const char* what;
  const char* element;  // or nullptr for `area`
  int inset;
  QRect area;
  bool inAbout;
};
const InkCase kInks[] = {
    {"(姓)", "Label1", 0, {}, false},
    {"(名)", "Label2", 0, {}, false},
    {"name strip", "Label3", 0, {}, false},
    {"天格", "Label9", 0, {}, false},
    {"天格 value", "Label4", 0, {}, false},
    {"総格 value", "Label8", 0, {}, false},
    {"未来 trend", "Label14", 2, {}, false},
    {"仕事 trend", "Label16", 2, {}, false},
    {"対人 trend", "Label17", 2, {}, false},
    {"未来", "Label18", 0, {}, false},
    {"仕事", "Label19", 0, {}, false},
    {"対人", "Label20", 0, {}, false},
    {"remark", "Label21", 2, {}, false},
    {"画数計算", "Command1", 8, {}, false},
    {"鑑　定", "Command2", 8, {}, false},
    {"終　了", "Command3", 8, {}, false},
    {"left brackets", nullptr, 0, {87, 199, 18, 130}, false},
    {"right brackets", nullptr, 0, {143, 199, 18, 115}, false},
    {"About title", "lblTitle", 0, {}, true},
    {"About version", "lblVersion", 0, {}, true},
    {"About description", "lblDescription", 0, {}, true},
    {"About disclaimer", "lblDisclaimer", 0, {}, true},
    {"About separator", nullptr, 0, {20, 160, 300, 8}, true},
};

// 長谷川 由美子 calculated and appraised, with every text and line of the window showing.
void ShowResults(MainWindowView& window) {
  window.show();
  TypeText(window.widgetOf(Text1), QStringLiteral("長谷川"));
  TypeText(window.widgetOf(Text2), QStringLiteral("由美子"));
  QTest::mouseClick(window.widgetOf(Command1), Qt::LeftButton);
  QTest::mouseClick(window.widgetOf(Command2), Qt::LeftButton);
}

// Each ink of kInks: the image of its surface and its area there.
std::map<std::string, std::pair<QImage, QRect>> InksOf(const MainWindowView& window,
                                                       frmAbout& about) {
  std::map<std::string, std::pair<QImage, QRect>> inks;
  const QImage windowImage = window.clientArea()->grab().toImage();
  const QImage aboutImage = about.grab().toImage();
  for (const InkCase& c : kInks) {
    const QWidget& surface = c.inAbout ? static_cast<QWidget&>(about) : *window.clientArea();
    QRect area = c.area;
    if (c.element != nullptr) {
      area = surface.findChild<QWidget*>(QString::fromUtf8(c.element))
                 ->geometry()
                 .adjusted(c.inset, c.inset, -c.inset, -c.inset);
    }
    inks[c.what] = {c.inAbout ? aboutImage : windowImage, area};
  }
  return inks;
}

// The client area after a calculation and the About dialog, drawn as under a theme that sets
// `palette` for the application.
std::map<std::string, std::pair<QImage, QRect>> InksUnder(const QPalette& palette) {
  const QPalette before = QApplication::palette();
  QApplication::setPalette(palette);
  std::map<std::string, std::pair<QImage, QRect>> inks;
  {
    MainWindowView window([] {});
    ShowResults(window);
    frmAbout about(&window);
    inks = InksOf(window, about);
  }
  QApplication::setPalette(before);
  return inks;
}

// A dark theme sets near-white inks and a dark ground; the design's grounds stay, so the inks
// must not follow the theme onto them.
TEST(MainWindowColoursTest, KeepEveryInkAsReadableUnderADarkThemeAsUnderTheLightOne) {
  const auto light = InksUnder(QApplication::palette());
  const auto darkened = InksUnder(test::DarkPalette());
  for (const InkCase& c : kInks) {
    const auto& [lightImage, area] = light.at(c.what);
    const double designed = InkContrast(lightImage, area);
    const double themed = InkContrast(darkened.at(c.what).first, area);
    EXPECT_GE(themed, designed * 0.99) << c.what << ": " << themed << ":1 under a dark theme, "
                                       << designed << ":1 under the light one";
  }
}

// On a private session bus, under the stand-in portal: the window and its open About dialog follow
// each change of either setting at once, every text and line at 7:1 or more with it on, and drawn
// exactly as designed with it off.
TEST(MainWindowContrastTest, FollowTheDesktopsPreferenceBothWays) {
  if (qEnvironmentVariableIsEmpty("QUENDREL_PRIVATE_BUS")) {
    GTEST_SKIP() << "runs on a private session bus, as the ctest of that name does";
  }
  test::PortalStandIn portal;
  ASSERT_TRUE(portal.registered());
  MainWindowView window([] {});
  ShowResults(window);
  frmAbout about(&window, &window.contrastPreference());
  about.show();
  window.candidatesAction()->trigger();
  const QWidget& candidates = *window.candidates();
  const auto turnsTo = [&window](auto contrast, const char* after) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return window.contrast() == contrast; })) << after;
  };
  const auto expectHighContrast = [&](const char* after) {
    turnsTo(Contrast::High, after);
    for (const auto& [what, ink] : InksOf(window, about)) {
      EXPECT_GE(InkContrast(ink.first, ink.second), 7.0) << what << " after " << after;
    }
    EXPECT_EQ(candidates.palette().color(QPalette::Window), QColor(Qt::white)) << after;
  };
  const auto expectDesigned = [&](const char* after) {
    turnsTo(Contrast::Designed, after);
    MainWindowView designed([] {});
    ShowResults(designed);
    frmAbout designedAbout(&designed);
    EXPECT_EQ(window.clientArea()->grab().toImage(), designed.clientArea()->grab().toImage());
    EXPECT_EQ(about.grab().toImage(), designedAbout.grab().toImage()) << after;
    EXPECT_EQ(candidates.palette().color(QPalette::Window),
              QApplication::palette().color(QPalette::Window))
        << "the candidates window takes the theme's palette again after " << after;
  };
  expectHighContrast("the portal's first answer");
  ASSERT_TRUE(portal.change("org.gnome.desktop.a11y.interface", "high-contrast", false));
  expectDesigned("GNOME's high-contrast off");
  ASSERT_TRUE(portal.change("org.freedesktop.appearance", "contrast", 1U));
  expectHighContrast("the portal's contrast 1");
  ASSERT_TRUE(portal.change("org.freedesktop.appearance", "contrast", 0U));
  expectDesigned("the portal's contrast 0");
}

// The run under a desktop's dark theme tests nothing unless the theme took hold.
TEST(MainWindowColoursTest, RunUnderTheDesktopThemeThatTheEnvironmentNames) {
  const bool darkTheme = qEnvironmentVariable("GTK_THEME").endsWith(QStringLiteral(":dark"));
  EXPECT_EQ(QApplication::palette().color(QPalette::Window).lightnessF() < 0.5F, darkTheme);
}

// Whether a pixel stands out from the image's ground by at least `contrast`.
auto InkOf(const QImage& image, double contrast) {
  return [&image, contrast, ground = GroundOf(image, image.rect())](QPoint p) {
    return image.rect().contains(p) && Contrast(image.pixel(p) | 0xFF000000, ground) >= contrast;
  };
}

// The text boxes as a style draws them holding the longest texts they take, and the contrast of
// each button's caption with the face the style paints.
struct StyledDrawing {
  std::map<ElementId, QImage> boxes;
  std::map<std::string, double> captions;
};
StyledDrawing DrawnUnder(const QString& style) {
  const QString before = QApplication::style()->name();
  QApplication::setStyle(style);
  StyledDrawing drawn;
  {
    MainWindowView window([] {});
    window.show();
    for (const auto& [box, text] : {std::pair{Text1, "長谷川"}, {Text3, "24"}}) {
      auto* edit = qobject_cast<QLineEdit*>(window.widgetOf(box));
      edit->setText(QString::fromUtf8(text));
      edit->setCursorPosition(0);
      drawn.boxes[box] = edit->grab().toImage();
    }
    const frmAbout about(&window);
    const std::vector<QWidget*> buttons = {window.widgetOf(Command1), window.widgetOf(Command2),
                                           window.widgetOf(Command3), about.cmdOK()};
    for (QWidget* button : buttons) {
      const QImage image = button->grab().toImage();
      drawn.captions[button->objectName().toStdString()] =
          InkContrast(image, image.rect().adjusted(8, 5, -8, -5));
    }
  }
  QApplication::setStyle(before);
  return drawn;
}

// The styles that users choose, those of them that are installed.
std::vector<QString> InstalledStyles() {
  std::vector<QString> installed;
  for (const char* style : {"Fusion", "Windows", "Adwaita", "Adwaita-Dark", "HighContrast",
                            "HighContrastInverse", "Breeze"}) {
    if (QStyleFactory::keys().contains(QString::fromUtf8(style), Qt::CaseInsensitive)) {
      installed.push_back(QString::fromUtf8(style));
    } else {
      std::printf("%s is not installed; skipped\n", style);
    }
  }
  return installed;
}

// A style may paint button faces of its own colours, and a dark desktop theme darkens the
// styles' standard palettes; the captions must stay readable on the face that is painted.
TEST(MainWindowStylesTest, KeepTheCaptionsReadableInEveryInstalledStyle) {
  for (const QString& style : InstalledStyles()) {
    for (const auto& [button, contrast] : DrawnUnder(style).captions) {
      EXPECT_GE(contrast, 4.5) << style.toStdString() << ": the caption of " << button;  // AA
    }
  }
}

// Each style pads its boxes its own way; a box laid out for two pixels of frame must still show its
// text whole: every stroke of it as Fusion shows it, wherever the style puts the text.
TEST(MainWindowStylesTest, ShowTheNamesAndCountsWholeInEveryInstalledStyle) {
  const StyledDrawing fusion = DrawnUnder(QStringLiteral("Fusion"));
  for (const QString& style : InstalledStyles()) {
    const StyledDrawing drawn = DrawnUnder(style);
    for (const auto& [box, shownBox] : drawn.boxes) {
      // Strokes well inside Fusion's frame, and all that stands out under the style.
      const QImage& reference = fusion.boxes.at(box);
      const auto isStroke = InkOf(reference, 3);
      std::vector<QPoint> strokes;
      for (int y = 3; y < reference.height() - 3; ++y) {
        for (int x = 3; x < reference.width() - 3; ++x) {
          if (isStroke({x, y})) {
            strokes.emplace_back(x, y);
          }
        }
      }
      const auto isShown = InkOf(shownBox, 1.5);
      std::size_t best = 0;
      for (int dx = -12; dx <= 12; ++dx) {
        for (int dy = -4; dy <= 4; ++dy) {
          const auto shown =
              std::ranges::count_if(strokes, [&](QPoint p) { return isShown(p + QPoint(dx, dy)); });
          best = std::max(best, static_cast<std::size_t>(shown));
        }
      }
      EXPECT_GE(best, strokes.size() * 97 / 100)
          << style.toStdString() << ": " << DefinitionOf(box).name << " shows " << best << " of "
          << strokes.size() << " stroke pixels";
    }
  }
}

TEST(MainWindowExit, EndsTheEventLoopWithStatusZero) {
  for (const bool fromMenu : {false, true}) {
    MainWindowView window;
    window.show();
    QTimer::singleShot(0, &window, [&window, fromMenu] {
      if (fromMenu) {
        window.actionOf(メニュー終了)->trigger();
      } else {
        QTest::mouseClick(window.widgetOf(Command3), Qt::LeftButton);
      }
    });
    EXPECT_EQ(QApplication::exec(), 0) << (fromMenu ? "menu" : "button");
  }
}

TEST(MainWindowExit, EndsWhenTheWindowIsClosed) {
  MainWindowView window;
  window.show();
  QTimer::singleShot(0, &window, [&window] { window.close(); });
  EXPECT_EQ(QApplication::exec(), 0);
}

}  // namespace
}  // namespace quendrel
