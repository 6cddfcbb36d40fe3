// SPDX-License-Identifier: MIT
#include "ui/qt/text_box_accessibility.h"

#include <QAccessibleWidget>
#include <QFontMetrics>

#include "ui/qt/text_box.h"

namespace quendrel {
namespace {

// Qt's interface for a QLineEdit is not exported, so this one stands in for all of it.
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
  [[nodiscard]] QString attributes(int /*offset*/, int* start, int* end) const override {
    *start = 0;
    *end = characterCount();
    return {};
  }

  // As the user's own edits, which the box refuses where they would overfill it.
  void deleteText(int start, int end) override { box().edit(start, end, {}); }
  void insertText(int offset, const QString& text) override { box().edit(offset, offset, text); }
  void replaceText(int start, int end, const QString& text) override {
    box().edit(start, end, text);
  }

 private:
  [[nodiscard]] TextBox& box() const { return *static_cast<TextBox*>(widget()); }
};

}  // namespace

QAccessibleInterface* TextBoxAccessibility(const QString& /*className*/, QObject* object) {
  auto* box = dynamic_cast<TextBox*>(object);
  // Qt's accessibility cache owns the interfaces that factories make.
  return box != nullptr ? new TextBoxInterface(box) : nullptr;
}

}  // namespace quendrel
