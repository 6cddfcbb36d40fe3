// SPDX-License-Identifier: MIT
#include "tests/ui/qt/monkey_events.h"

#include <array>
#include <cstdint>
#include <random>

#include <QAccessible>
#include <QApplication>
#include <QClipboard>
#include <QInputMethodEvent>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "core/stroke_table.h"
#include "tests/ui/qt/typing.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/main_window_view.h"

namespace quendrel::test {
namespace {

using enum ElementId;

// What hostile text is made of, besides the table's own characters.
const std::array<QString, 27> kHostilePieces = {
    QStringLiteral("あ"),
    QStringLiteral("カ"),
    QStringLiteral("𠮷"),
    QStringLiteral("葛\U000E0100"),
    QStringLiteral("か\u3099"),
    QStringLiteral("ｶﾞ"),
    QStringLiteral("ｱ"),
    QStringLiteral(" "),
    QStringLiteral("\u3000"),
    QString(QChar(0)),
    QStringLiteral("\u0001"),
    QStringLiteral("\u0007"),
    QStringLiteral("\u001B"),
    QStringLiteral("\u007F"),
    QStringLiteral("\u0085"),
    QStringLiteral("\n"),
    QStringLiteral("\u202E"),
    QStringLiteral("\u200F"),
    QStringLiteral("\u2066"),
    QStringLiteral("👨\u200D👩\u200D👧\u200D👦"),
    QStringLiteral("🇯🇵"),
    QStringLiteral("👍🏽"),
    QStringLiteral("1\uFE0F\u20E3"),
    QStringLiteral("\u0301"),
    QString(QChar(0xD800)),
    QString(QChar(0xDC00)),
    QStringLiteral("A"),
};

struct Key {
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  const char* name;
};

constexpr std::array<Key, 17> kKeys = {{
    {Qt::Key_Tab, Qt::NoModifier, "Tab"},
    {Qt::Key_Backtab, Qt::ShiftModifier, "Shift+Tab"},
    {Qt::Key_Return, Qt::NoModifier, "Return"},
    {Qt::Key_Enter, Qt::KeypadModifier, "Enter"},
    {Qt::Key_Escape, Qt::NoModifier, "Esc"},
    {Qt::Key_Space, Qt::NoModifier, "Space"},
    {Qt::Key_Backspace, Qt::NoModifier, "Backspace"},
    {Qt::Key_Delete, Qt::NoModifier, "Delete"},
    {Qt::Key_Left, Qt::NoModifier, "Left"},
    {Qt::Key_Right, Qt::NoModifier, "Right"},
    {Qt::Key_Home, Qt::NoModifier, "Home"},
    {Qt::Key_End, Qt::NoModifier, "End"},
    {Qt::Key_A, Qt::ControlModifier, "Ctrl+A"},
    {Qt::Key_Z, Qt::ControlModifier, "Ctrl+Z"},
    {Qt::Key_Y, Qt::ControlModifier, "Ctrl+Y"},
    {Qt::Key_X, Qt::ControlModifier, "Ctrl+X"},
    {Qt::Key_C, Qt::ControlModifier, "Ctrl+C"},
}};

constexpr std::array kButtons = {Command1, Command2, Command3};
constexpr std::array kBoxes = {Text1, Text2, Text3, Text4, Text5, Text6, Text7, Text8};

enum MenuWay : std::uint8_t {
  CloseMenu,
  ChooseExit,
  CloseHelp,
  AboutClosedByEnter,
  AboutClosedByEsc,
  AboutClosedByOk,
  AboutWithBlockedClicks,
  MenuTitleClicked,
  kMenuWays,
};

constexpr std::array<const char*, kMenuWays> kMenuWayNames = {
    "Alt+M Esc",
    "Alt+M X",
    "Alt+H Esc",
    "Alt+H A, Enter in About",
    "Alt+H A, Esc in About",
    "Alt+H A, OK clicked in About",
    "Alt+H A, Command1 and Command3 clicked behind About, Esc",
    "click on the メニュー title, Esc",
};

// Every hostile piece in turn until the text is 1 MiB as UTF-8, the form the model receives.
const QString& HugeText() {
  static const QString text = [] {
    QString built;
    qsizetype bytes = 0;
    for (std::size_t i = 0; bytes < (1 << 20); ++i) {
      const QString& piece = kHostilePieces.at(i % kHostilePieces.size());
      built += piece;
      bytes += piece.toUtf8().size();
    }
    return built;
  }();
  return text;
}

QString RandomText(std::mt19937_64& random, std::size_t pieces) {
  QString text;
  for (std::size_t i = 0; i < pieces; ++i) {
    if (random() % 2 == 0) {
      const auto table = StrokeTable();
      const char32_t c = table[random() % table.size()].character;
      text += QString::fromUcs4(&c, 1);
    } else {
      text += kHostilePieces.at(random() % kHostilePieces.size());
    }
  }
  return text;
}

MonkeyEvent RandomEvent(std::mt19937_64& random) {
  const auto pick = [&random](std::size_t n) { return static_cast<int>(random() % n); };
  const int roll = pick(1000);
  if (roll < 250) {
    return {MonkeyAction::Type, 0, RandomText(random, 1 + (random() % 4))};
  }
  if (roll < 280) {
    return {MonkeyAction::Commit, 0, RandomText(random, 1 + (random() % 4))};
  }
  if (roll < 300) {
    return {MonkeyAction::Assist, 0, RandomText(random, 1 + (random() % 8))};
  }
  if (roll < 400) {
    return {MonkeyAction::Paste, 0, RandomText(random, 1 + (random() % 8))};
  }
  if (roll < 401) {
    return {MonkeyAction::HugePaste, 0, {}};
  }
  if (roll < 600) {
    return {MonkeyAction::ClickButton, pick(kButtons.size()), {}};
  }
  if (roll < 700) {
    return {MonkeyAction::ClickBox, pick(kBoxes.size()), {}};
  }
  if (roll < 960) {
    return {MonkeyAction::Key, pick(kKeys.size()), {}};
  }
  return {MonkeyAction::Menu, pick(kMenuWays), {}};
}

QWidget* FocusOr(QWidget& window) {
  QWidget* focus = QApplication::focusWidget();
  return focus != nullptr ? focus : &window;
}

void Paste(QWidget& window, const QString& text) {
  QApplication::clipboard()->setText(text);
  QTest::keyClick(FocusOr(window), Qt::Key_V, Qt::ControlModifier);
}

// As AT-SPI's EditableText.SetTextContents does.
void SetAsAssistiveTechnology(QWidget& window, const QString& text) {
  QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(FocusOr(window));
  if (accessible != nullptr && accessible->editableTextInterface() != nullptr) {
    accessible->editableTextInterface()->replaceText(
        0, accessible->textInterface()->characterCount(), text);
  }
}

void ClickThroughWindowSystem(MainWindowView& window, ElementId id) {
  QWidget* widget = window.widgetOf(id);
  QTest::mouseClick(window.windowHandle(), Qt::LeftButton, {},
                    widget->mapTo(&window, widget->rect().center()));
}

// What is done inside the modal About dialog; it runs from the dialog's own event loop.
void ActInAbout(MainWindowView& window, int way) {
  QWidget* dialog = QApplication::activeModalWidget();
  auto* about = dynamic_cast<frmAbout*>(dialog);
  if (about == nullptr) {
    return;
  }
  switch (way) {
    case AboutClosedByEnter:
      QTest::keyClick(about, Qt::Key_Return);
      break;
    case AboutClosedByOk:
      QTest::mouseClick(about->cmdOK(), Qt::LeftButton);
      break;
    case AboutWithBlockedClicks:
      ClickThroughWindowSystem(window, Command1);
      ClickThroughWindowSystem(window, Command3);
      [[fallthrough]];
    default:
      QTest::keyClick(about, Qt::Key_Escape);
      break;
  }
  if (about->isVisible()) {
    about->reject();  // a way that failed to close it must not hang the run
  }
}

void UseMenus(MainWindowView& window, int way, MonkeyOutcome& outcome) {
  if (way == MenuTitleClicked) {
    QMenuBar* bar = window.menuBar();
    QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(bar->actions().at(0)).center());
  } else {
    const bool help = way >= CloseHelp;
    QTest::keyClick(&window, help ? Qt::Key_H : Qt::Key_M, Qt::AltModifier);
  }
  QWidget* popup = QApplication::activePopupWidget();
  if (popup == nullptr) {
    return;
  }
  if (way == ChooseExit) {
    QTest::keyClick(popup, Qt::Key_X);
    return;
  }
  if (way < AboutClosedByEnter || way == MenuTitleClicked) {
    QTest::keyClick(popup, Qt::Key_Escape);
    return;
  }
  QTimer inAbout;
  inAbout.setSingleShot(true);
  QObject::connect(&inAbout, &QTimer::timeout, &window, [&window, way, &outcome] {
    outcome.aboutOpened = QApplication::activeModalWidget() != nullptr;
    ActInAbout(window, way);
  });
  inAbout.start(0);
  QTest::keyClick(popup, Qt::Key_A);
  // A window manager hands activation back to the main window; the offscreen platform has none.
  window.activateWindow();
  QApplication::processEvents();  // where the window system reports it
}

QString Escaped(const QString& text) {
  QString shown;
  for (const char32_t c : text.toUcs4()) {
    const bool plain = c != U' ' && QChar::isPrint(c);
    shown += plain ? QString::fromUcs4(&c, 1)
                   : QStringLiteral("<U+%1>").arg(static_cast<uint>(c), 4, 16, QChar('0'));
  }
  return shown;
}

}  // namespace

std::vector<MonkeyEvent> GenerateMonkeyEvents(std::uint64_t seed, std::size_t count) {
  std::mt19937_64 random(seed);
  std::vector<MonkeyEvent> events;
  events.reserve(count);
  for (std::size_t i = 0; i < count; ++i) {
    events.push_back(RandomEvent(random));
  }
  return events;
}

std::string Describe(const MonkeyEvent& event) {
  const auto which = static_cast<std::size_t>(event.which);
  switch (event.action) {
    case MonkeyAction::Type:
      return "type " + Escaped(event.text).toStdString();
    case MonkeyAction::Commit:
      return "commit " + Escaped(event.text).toStdString();
    case MonkeyAction::Assist:
      return "set " + Escaped(event.text).toStdString() + " as assistive technology";
    case MonkeyAction::Paste:
      return "paste " + Escaped(event.text).toStdString();
    case MonkeyAction::HugePaste:
      return "paste 1 MiB of hostile text";
    case MonkeyAction::ClickButton:
      return "click " + std::string(DefinitionOf(kButtons.at(which)).name);
    case MonkeyAction::ClickBox:
      return "click " + std::string(DefinitionOf(kBoxes.at(which)).name);
    case MonkeyAction::Key:
      return std::string("press ") + kKeys.at(which).name;
    case MonkeyAction::Menu:
      return kMenuWayNames.at(which);
  }
  return {};
}

void Perform(MainWindowView& window, const MonkeyEvent& event, MonkeyOutcome& outcome) {
  const auto which = static_cast<std::size_t>(event.which);
  switch (event.action) {
    case MonkeyAction::Type:
      TypeText(FocusOr(window), event.text);
      break;
    case MonkeyAction::Commit: {
      QInputMethodEvent commit;
      commit.setCommitString(event.text);
      QApplication::sendEvent(FocusOr(window), &commit);
      break;
    }
    case MonkeyAction::Assist:
      SetAsAssistiveTechnology(window, event.text);
      break;
    case MonkeyAction::Paste:
      Paste(window, event.text);
      break;
    case MonkeyAction::HugePaste:
      Paste(window, HugeText());
      break;
    case MonkeyAction::ClickButton:
      QTest::mouseClick(window.widgetOf(kButtons.at(which)), Qt::LeftButton);
      break;
    case MonkeyAction::ClickBox:
      QTest::mouseClick(window.widgetOf(kBoxes.at(which)), Qt::LeftButton);
      break;
    case MonkeyAction::Key: {
      const Key& key = kKeys.at(which);
      QTest::keyClick(FocusOr(window), key.key, key.modifiers);
      break;
    }
    case MonkeyAction::Menu:
      UseMenus(window, event.which, outcome);
      break;
  }
}

bool MayEndApplication(const MonkeyEvent& event) {
  return (event.action == MonkeyAction::Menu && event.which == ChooseExit) ||
         (event.action == MonkeyAction::ClickButton && kButtons.at(event.which) == Command3) ||
         event.action == MonkeyAction::Key;
}

bool OpensAbout(const MonkeyEvent& event) {
  return event.action == MonkeyAction::Menu && event.which >= AboutClosedByEnter &&
         event.which <= AboutWithBlockedClicks;
}

}  // namespace quendrel::test
