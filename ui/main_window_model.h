// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <bitset>
#include <functional>
#include <span>
#include <string>
#include <string_view>

#include "ui/design/element.h"
#include "ui/window_state.h"

namespace quendrel {

// The main window メイン without any toolkit: every named element with the properties commands
// change, and the state the two commands share. It is the single source of truth; a view shows
// it and hears of the writes through the change listener, once for each command.
class MainWindowModel {
 public:
  // The elements written, each once, in element order.
  using ChangeListener = std::function<void(std::span<const ElementId>)>;

  MainWindowModel();

  // A text box's text or any other element's caption.
  [[nodiscard]] const std::string& text(ElementId id) const;
  [[nodiscard]] bool isVisible(ElementId id) const;

  // The text must fit the box, as every edit of the box keeps it (ui/box_edit.h).
  void setText(ElementId id, std::string_view text);
  void setCaption(ElementId id, std::string_view caption);
  void setVisible(ElementId id, bool visible);

  // Called after every write, whether or not the value changed; within perform, once at its end.
  void setChangeListener(ChangeListener listener);

  // Runs a command, which may write any number of elements, and then tells the listener of them
  // all at once.
  void perform(const std::function<void()>& command);

  [[nodiscard]] WindowState& state() { return state_; }
  [[nodiscard]] const WindowState& state() const { return state_; }

 private:
  Element& element(ElementId id) { return elements_.at(IndexOf(id)); }
  [[nodiscard]] const Element& element(ElementId id) const { return elements_.at(IndexOf(id)); }
  void changed(ElementId id);
  void tell();

  std::array<Element, kElementCount> elements_;
  WindowState state_;
  ChangeListener listener_;
  std::bitset<kElementCount> written_;  // not yet told
  bool performing_ = false;
};

}  // namespace quendrel
