// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

#include <QLineEdit>
#include <QString>

#include "ui/design/element_id.h"
#include "ui/qt/accessibility.h"

namespace quendrel {

// A text box of the main window, with its two switches.
//
// The input method: QLineEdit answers an input method's Qt::ImEnabled query from isEnabled()
// alone, whatever Qt::WA_InputMethodEnabled says, so a box with it switched off answers here.
//
// The character limit, as ui/box_edit.h rules it. Qt's own maxLength counts UTF-16 units and
// would split 𠮷 or か゛; so a validator refuses any edit that the box does not take whole, Qt
// undoes it within its own undo history, and what the box keeps of the inserted text goes in as
// an edit of its own.
class TextBox final : public QLineEdit, public OwnAccessibleInterface {
 public:
  TextBox(ElementId id, QWidget* parent);

  // Made in text_box_interface.cpp.
  [[nodiscard]] QAccessibleInterface* createAccessibleInterface() override;

  // Replaces [start, end) of the text as the user's edit would, under the same limit: for
  // assistive technology, which edits by offsets rather than by keys.
  void edit(int start, int end, const QString& inserted);

  using QLineEdit::inputMethodQuery;
  [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;

 protected:
  bool event(QEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;

 private:
  class Limit;

  // The box as an edit finds it: its text and the range that the edit replaces.
  struct Before {
    QString text;
    qsizetype start = 0;
    qsizetype end = 0;
  };

  void beginEdit(qsizetype start, qsizetype end);
  [[nodiscard]] bool admits(const QString& attempt, qsizetype caret);
  void insertPending();

  ElementId id_;
  bool inputMethod_;
  Before before_;
  // What fits of the text of a refused edit, to go in once Qt has undone the edit.
  std::optional<QString> pending_;
  bool refused_ = false;
};

}  // namespace quendrel
