// SPDX-License-Identifier: MIT
// The text box as a screen reader meets it.
#include <QAccessibleWidget>
#include <QFontMetrics>

#include "ui/qt/text_box.h"

namespace quendrel {
namespace {

// A text box answers as Qt's own interface for a line edit does (which Qt does not export, so
// this one stands in for all of it), but for two things: a reader's edits are the user's, under
// the box's limit, where Qt's set the whole text; and its runs of text attributes.
class TextBoxInterface final : public QAccessibleWidget,
                               public QAccessibleTextInterface,
                               public QAccessibleEditableTextInterface {
 public:
  explicit TextBoxInterface(TextBox* box) : QAccessibleWidget(box, QAccessible::EditableText) {}

  void* interface_cast(QAccessible::InterfaceType type) override {
    if (type == QAccessible::TextInterface) {
      return static_cast<QAccessibleTextInterface*>(this);
    }
    if (type == QAccessible::EditableTextInterface) {
      return static_cast<QAccessibleEditableTextInterface*>(this);
    }
    return QAccessibleWidget::interface_cast(type);
  }
  [[nodiscard]] QString text(QAccessible::Text type) const override {
    return type == QAccessible::Value ? box().text() : QAccessibleWidget::text(type);
  }
  [[nodiscard]] QAccessible::State state() const override {
    QAccessible::State state = QAccessibleWidget::state();
    state.editable = !box().isReadOnly();
    state.readOnly = box().isReadOnly();
    state.selectableText = true;
    return state;
  }

  void selection(int index, int* start, int* end) const override {
    *start = *end = 0;
    if (index == 0 && box().hasSelectedText()) {
      *start = box().selectionStart();
      *end = box().selectionEnd();
    }
  }
  [[nodiscard]] int selectionCount() const override { return box().hasSelectedText() ? 1 : 0; }
  void addSelection(int start, int end) override { setSelection(0, start, end); }
  void removeSelection(int /*index*/) override { box().deselect(); }
  void setSelection(int /*index*/, int start, int end) override {
    box().setSelection(start, end - start);
  }
  [[nodiscard]] int cursorPosition() const override { return box().cursorPosition(); }
  void setCursorPosition(int position) override { box().setCursorPosition(position); }
  [[nodiscard]] QString text(int start, int end) const override {
    return box().text().mid(start, end - start);
  }
  [[nodiscard]] int characterCount() const override {
    return static_cast<int>(box().text().size());
  }
  // About where the box draws the character: left-aligned after QLineEdit's margin of two pixels,
  // close enough for a reader's review, which needs the line and the order.
  [[nodiscard]] QRect characterRect(int offset) const override {
    const QString text = box().text();
    if (offset < 0 || offset >= text.size()) {
      return {};
    }
    const QFontMetrics metrics(box().font());
    const QRect contents = box().contentsRect().marginsRemoved(box().textMargins());
    constexpr int kMargin = 2;
    const QRect place(contents.x() + kMargin + metrics.horizontalAdvance(text.left(offset)),
                      contents.y() + ((contents.height() - metrics.height()) / 2),
                      metrics.horizontalAdvance(text.mid(offset, 1)), metrics.height());
    return {box().mapToGlobal(place.topLeft()), place.size()};
  }
  [[nodiscard]] int offsetAtPoint(const QPoint& point) const override {
    return box().cursorPositionAt(box().mapFromGlobal(point));
  }
  void scrollToSubstring(int /*start*/, int end) override { box().setCursorPosition(end); }
  // Qt 6.4 to 6.11 (QAccessibleLineEdit::attributes) answer every offset with an empty run, from
  // which Orca 43 builds its runs and drops the last character ("長谷 selected" for 長谷川); no
  // upstream report is known. A box has no attributes, so its one run is its whole text.
  [[nodiscard]] QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  void deleteText(int start, int end) override { box().edit(start, end, {}); }
  void insertText(int offset, const QString& text) override { box().edit(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    box().edit(start, end, text);
  }

 private:
  [[nodiscard]] TextBox& box() const { return *static_cast<TextBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* TextBox::createAccessibleInterface() {
  return new TextBoxInterface(this);
}

}  // namespace quendrel
