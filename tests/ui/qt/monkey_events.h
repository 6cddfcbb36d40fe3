// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include <QString>

namespace quendrel {
class MainWindowView;
}

namespace quendrel::test {

enum class MonkeyAction : std::uint8_t {
  Type,         // `text` typed into the focused widget
  Commit,       // `text` committed there by an input method
  Assist,       // `text` set there as a whole by assistive technology
  Paste,        // `text` pasted there with Ctrl+V
  HugePaste,    // a 1 MiB text pasted there
  ClickButton,  // `which`: Command1, Command2, Command3
  ClickBox,     // `which`: Text1 to Text8
  Key,          // `which` indexes the keys a user presses between edits
  Menu,         // `which` indexes the ways through the two menus
};

struct MonkeyEvent {
  MonkeyAction action;
  int which = 0;
  QString text;
};

// The same seed gives the same events on every machine.
std::vector<MonkeyEvent> GenerateMonkeyEvents(std::uint64_t seed, std::size_t count);

std::string Describe(const MonkeyEvent& event);

struct MonkeyOutcome {
  bool aboutOpened = false;  // the way through the menus opened the About dialog
};

// Performs one event on a shown window as a user would, through its widgets and menus.
void Perform(MainWindowView& window, const MonkeyEvent& event, MonkeyOutcome& outcome);

// Whether the event may end the application: the exit button, clicked or pressed while it has the
// focus, and the exit menu item.
bool MayEndApplication(const MonkeyEvent& event);

// Whether the event is a way through the menus that opens the About dialog.
bool OpensAbout(const MonkeyEvent& event);

}  // namespace quendrel::test
