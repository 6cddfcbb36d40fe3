// SPDX-License-Identifier: MIT
#include "ui/qt/text_box.h"

#include <algorithm>
#include <utility>

#include <QApplication>
#include <QDropEvent>
#include <QMenu>
#include <QValidator>

#include "ui/box_edit.h"
#include "ui/design/element.h"
#include "ui/design/layout.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/text_box_style.h"

namespace quendrel {
namespace {

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

TextBox::TextBox(ElementId id, QWidget* parent)
    : QLineEdit(parent), id_(id), inputMethod_(LayoutOf(id).inputMethod != InputMethod::Off) {
  setAttribute(Qt::WA_InputMethodEnabled, inputMethod_);
  auto* style = new TextBoxStyle(QApplication::style()->name());
  style->setParent(this);  // a widget does not own its style; this one goes with its box
  setStyle(style);
  // Qt reports the first caret position a box ever has as a caret move, which an empty box would
  // send on its first focus, just before the focus itself; Orca 43 follows such a caret silently
  // and then ignores the focus. Placing the caret now, unheard, leaves that focus a plain one.
  setCursorPosition(0);
  if (DefinitionOf(id).maxCharacters != 0) {
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
  beginEdit(start, start + selectionLength());
  const bool handled = QLineEdit::event(event);
  // A source that moves its text away would lose what the box did not take.
  if (refused_ && event->type() == QEvent::Drop) {
    static_cast<QDropEvent*>(event)->setDropAction(Qt::CopyAction);
  }
  insertPending();
  return handled;
}

void TextBox::edit(int start, int end, const QString& inserted) {
  const auto size = static_cast<int>(text().size());
  start = std::clamp(start, 0, size);
  end = std::clamp(end, start, size);
  setSelection(start, end - start);
  beginEdit(start, end);
  insert(inserted);
  insertPending();
}

void TextBox::beginEdit(qsizetype start, qsizetype end) {
  before_ = {.text = text(), .start = start, .end = end};
  pending_.reset();
  refused_ = false;
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
  const EditOutcome outcome = TakeEdit(id_, {.text = Utf16(before_.text),
                                             .start = static_cast<std::size_t>(before_.start),
                                             .end = static_cast<std::size_t>(before_.end),
                                             .attempt = Utf16(attempt),
                                             .caret = static_cast<std::size_t>(caret)});
  if (outcome.taken) {
    return true;
  }
  refused_ = true;
  if (!outcome.kept.empty()) {
    pending_ = FromUtf16(outcome.kept);
  }
  return false;
}

void TextBox::insertPending() {
  if (const std::optional<QString> fitting = std::exchange(pending_, std::nullopt)) {
    insert(*fitting);
  }
}

}  // namespace quendrel
