// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <string>
#include <string_view>

#include "ui/design/element.h"
#include "ui/window_state.h"

namespace quendrel {

// The main window メイン without any toolkit: every named element with the properties commands
// change, and the state the two commands share. It is the single source of truth; a view shows
// it and hears of every write through the change listener.
class MainWindowModel {
 public:
  using ChangeListener = std::function<void(ElementId)>;

  MainWindowModel();

  // A text box's text or any other element's caption.
  [[nodiscard]] const std::string& text(ElementId id) const;
  [[nodiscard]] bool isVisible(ElementId id) const;

  // The text must fit the box, as every edit of the box keeps it (ui/box_edit.h).
  void setText(ElementId id, std::string_view text);
  void setCaption(ElementId id, std::string_view caption);
  void setVisible(ElementId id, bool visible);

  // Called after every write, whether or not the value changed.
  void setChangeListener(ChangeListener listener);

  [[nodiscard]] WindowState& state() { return state_; }
  [[nodiscard]] const WindowState& state() const { return state_; }

 private:
  Element& element(ElementId id) { return elements_.at(IndexOf(id)); }
  [[nodiscard]] const Element& element(ElementId id) const { return elements_.at(IndexOf(id)); }
  void changed(ElementId id) const;

  std::array<Element, kElementCount> elements_;
  WindowState state_;
  ChangeListener listener_;
};

}  // namespace quendrel
