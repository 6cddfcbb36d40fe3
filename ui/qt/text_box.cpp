// SPDX-License-Identifier: MIT
#include "ui/qt/text_box.h"

#include <string>
#include <string_view>
#include <utility>

#include <QDropEvent>
#include <QMenu>
#include <QValidator>

#include "ui/character_limit.h"
#include "ui/insertion.h"
#include "ui/qt/text_box_style.h"

namespace quendrel {
namespace {

// The box's text for the model: as it is, in UTF-16, to tell an edit apart, and in UTF-8 as the
// window hands text over, to count its characters.
std::u16string_view Utf16(const QString& text) {
  return {QStringView(text).utf16(), static_cast<std::size_t>(text.size())};
}

std::string Utf8(std::u16string_view text) {
  // Not QString::fromUtf16, which would take a leading U+FEFF or U+FFFE for a byte order mark.
  return QStringView(text.data(), static_cast<qsizetype>(text.size())).toUtf8().toStdString();
}

// The events by which a user edits the box; Qt also sends it queries, from inside its edits too.
bool MayEdit(const QEvent& event) {
  switch (event.type()) {
    case QEvent::KeyPress:
    case QEvent::InputMethod:
    case QEvent::Drop:
    case QEvent::MouseButtonRelease:  // pastes the selection on X11
    case QEvent::ContextMenu:
      return true;
    default:
      return false;
  }
}

}  // namespace

class TextBox::Limit final : public QValidator {
 public:
  explicit Limit(TextBox& box) : QValidator(&box), box_(box) {}

  State validate(QString& input, int& pos) const override {
    return box_.admits(input, pos) ? Acceptable : Invalid;
  }

 private:
  TextBox& box_;
};

TextBox::TextBox(bool inputMethod, std::size_t maxCharacters, QWidget* parent)
    : QLineEdit(parent), inputMethod_(inputMethod), maxCharacters_(maxCharacters) {
  setAttribute(Qt::WA_InputMethodEnabled, inputMethod);
  setStyle(TextBoxStyle::ForApplicationStyle());
  if (maxCharacters != 0) {
    setValidator(new Limit(*this));
    // Qt leaves the text as it was only when it undoes a refused edit.
    connect(this, &QLineEdit::textChanged, this, [this] { pending_.reset(); });
  }
}

QVariant TextBox::inputMethodQuery(Qt::InputMethodQuery query) const {
  if (query == Qt::ImEnabled && !inputMethod_) {
    return false;
  }
  return QLineEdit::inputMethodQuery(query);
}

bool TextBox::event(QEvent* event) {
  // ibus and fcitx5 pass keys straight through to a box that answers Qt::ImEnabled false; uim
  // sends every key to its engine whatever the box answers, and what it composes must not land
  // in a count box.
  if (!inputMethod_ && event->type() == QEvent::InputMethod) {
    return true;
  }
  if (!MayEdit(*event)) {
    return QLineEdit::event(event);
  }
  const qsizetype start = hasSelectedText() ? selectionStart() : cursorPosition();
  before_ = {.text = text(), .start = start, .end = start + selectionLength()};
  pending_.reset();
  refused_ = false;
  const bool handled = QLineEdit::event(event);
  // A source that moves its text away would lose what the box did not take.
  if (refused_ && event->type() == QEvent::Drop) {
    static_cast<QDropEvent*>(event)->setDropAction(Qt::CopyAction);
  }
  insertPending();
  return handled;
}

// The menu's commands run after the event that opened it.
void TextBox::contextMenuEvent(QContextMenuEvent* event) {
  QMenu* menu = createStandardContextMenu();
  menu->setAttribute(Qt::WA_DeleteOnClose);
  // A pop-up takes the application's default font, not the window's, as the menu bar's do.
  menu->setFont(window()->font());
  for (QAction* action : menu->actions()) {
    connect(action, &QAction::triggered, this, &TextBox::insertPending);
  }
  menu->popup(event->globalPos());
}

bool TextBox::admits(const QString& attempt, qsizetype caret) {
  if (!ExceedsCharacters(attempt.toStdString(), maxCharacters_)) {
    return true;
  }
  refused_ = true;
  if (const auto insertion = InsertionOf(
          Utf16(before_.text), static_cast<std::size_t>(before_.start),
          static_cast<std::size_t>(before_.end), Utf16(attempt), static_cast<std::size_t>(caret))) {
    const std::string fitting = FittingInsertion(Utf8(insertion->before), Utf8(insertion->inserted),
                                                 Utf8(insertion->after), maxCharacters_);
    if (!fitting.empty()) {
      pending_ = QString::fromStdString(fitting);
    }
  }
  return false;
}

void TextBox::insertPending() {
  if (const std::optional<QString> fitting = std::exchange(pending_, std::nullopt)) {
    insert(*fitting);
  }
}

}  // namespace quendrel
