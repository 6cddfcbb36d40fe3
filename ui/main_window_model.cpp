// SPDX-License-Identifier: MIT
#include "ui/main_window_model.h"

#include <cassert>
#include <utility>
#include <vector>

#include "core/characters.h"
#include "ui/box_edit.h"

namespace quendrel {

MainWindowModel::MainWindowModel() {
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const ElementDefinition& definition = DefinitionOf(static_cast<ElementId>(i));
    elements_.at(i) = Element{std::string{definition.text}, definition.visible};
  }
}

const std::string& MainWindowModel::text(ElementId id) const {
  return element(id).text;
}

bool MainWindowModel::isVisible(ElementId id) const {
  return element(id).visible;
}

void MainWindowModel::setText(ElementId id, std::string_view text) {
  assert(DefinitionOf(id).kind == ElementKind::TextBox);
  // Every edit of a box has kept to its limit already, by the rule of ui/box_edit.h.
  assert(!Overfills(id, ToUtf16(text)));
  element(id).text = text;
  changed(id);
}

void MainWindowModel::setCaption(ElementId id, std::string_view caption) {
  assert(DefinitionOf(id).kind == ElementKind::Label);
  element(id).text = caption;
  changed(id);
}

void MainWindowModel::setVisible(ElementId id, bool visible) {
  assert(DefinitionOf(id).kind == ElementKind::Picture ||
         DefinitionOf(id).kind == ElementKind::Line);
  element(id).visible = visible;
  changed(id);
}

void MainWindowModel::setChangeListener(ChangeListener listener) {
  listener_ = std::move(listener);
}

void MainWindowModel::perform(const std::function<void()>& command) {
  // A command within a command is told with it. No guard restores the flag: an exception out of a
  // command ends the program, as Qt's event loop lets none through.
  const bool outermost = !performing_;
  performing_ = true;
  command();
  if (outermost) {
    performing_ = false;
    tell();
  }
}

void MainWindowModel::changed(ElementId id) {
  written_.set(IndexOf(id));
  if (!performing_) {
    tell();
  }
}

void MainWindowModel::tell() {
  std::vector<ElementId> written;
  for (std::size_t i = 0; i < kElementCount; ++i) {
    if (written_.test(i)) {
      written.push_back(static_cast<ElementId>(i));
    }
  }
  written_.reset();
  if (listener_ && !written.empty()) {
    listener_(written);
  }
}

}  // namespace quendrel
