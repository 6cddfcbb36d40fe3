// SPDX-License-Identifier: MIT
// A long seeded run of random user events against the real window; after every event the window
// must keep every rule. QUENDREL_MONKEY_SEED and QUENDREL_MONKEY_EVENTS choose another run.
#include <chrono>
#include <cstdlib>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include "tests/support/shrink.h"
#include "tests/support/window_invariants.h"
#include "tests/ui/qt/activation.h"
#include "tests/ui/qt/monkey_events.h"
#include "ui/name_strip.h"
#include "ui/qt/main_window_view.h"
#include "ui/qt/qt_strings.h"

namespace quendrel::test {
namespace {

using enum ElementId;
using namespace std::chrono_literals;

constexpr std::uint64_t kDefaultSeed = 20261207;
constexpr std::size_t kDefaultEvents = 20000;

std::uint64_t FromEnvironment(const char* name, std::uint64_t fallback) {
  const char* value = std::getenv(name);  // NOLINT(concurrency-mt-unsafe): read before any thread
  return value != nullptr ? std::stoull(value) : fallback;
}

struct Failure {
  std::size_t step;
  std::vector<std::string> violations;
};

// The widgets must show what the model holds.
void CheckView(const MainWindowView& window, std::vector<std::string>& violations) {
  const MainWindowModel& model = window.model();
  for (std::size_t i = 0; i < kElementCount; ++i) {
    const auto id = static_cast<ElementId>(i);
    const QWidget* widget = window.widgetOf(id);
    if (widget == nullptr) {
      continue;
    }
    const std::string name(DefinitionOf(id).name);
    if (widget->isVisible() != model.isVisible(id)) {
      violations.push_back(name + ": shown otherwise than the model says");
    }
    const QString text = ToQString(id == Label3 ? NameStripRows(model.text(id)) : model.text(id));
    if (const auto* box = qobject_cast<const QLineEdit*>(widget);
        box != nullptr && box->text() != text) {
      violations.push_back(name + ": the box shows other text than the model holds");
    }
    if (const auto* label = qobject_cast<const QLabel*>(widget);
        label != nullptr && label->text() != text) {
      violations.push_back(name + ": the label shows other text than the model holds");
    }
  }
}

class MonkeyRun {
 public:
  MonkeyRun() : window_([this] { ++exits_; }) {
    window_.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&window_));
    EXPECT_TRUE(Activate(window_));
    observe(Command1, [this] { history_.onCalculation(); });
    observe(Command2, [this] { history_.onAppraisal(); });
  }

  std::optional<Failure> replay(const std::vector<MonkeyEvent>& events) {
    for (std::size_t step = 0; step < events.size(); ++step) {
      std::vector<std::string> violations = perform(events[step]);
      if (!violations.empty()) {
        return Failure{step, std::move(violations)};
      }
    }
    return std::nullopt;
  }

 private:
  // Connected after the window's own handlers, so the history changes once a command has run.
  void observe(ElementId button, std::function<void()> record) {
    QObject::connect(static_cast<QPushButton*>(window_.widgetOf(button)), &QPushButton::clicked,
                     &window_, [this, record = std::move(record)] {
                       commandBehindModal_ |= QApplication::activeModalWidget() != nullptr;
                       record();
                     });
  }

  std::vector<std::string> perform(const MonkeyEvent& event) {
    const int exitsBefore = exits_;
    MonkeyOutcome outcome;
    Perform(window_, event, outcome);
    std::vector<std::string> violations = InvariantViolations(window_.model(), history_);
    CheckView(window_, violations);
    if (exits_ != exitsBefore && !MayEndApplication(event)) {
      violations.emplace_back("the application was ended");
    }
    if (OpensAbout(event) && !outcome.aboutOpened) {
      violations.emplace_back("the About dialog did not open");
    }
    if (commandBehindModal_) {
      violations.emplace_back("a command ran behind the modal About dialog");
    }
    closeMenus();
    if (QApplication::activeModalWidget() != nullptr ||
        QApplication::activePopupWidget() != nullptr) {
      violations.emplace_back("a dialog or menu stayed open");
    }
    return violations;
  }

  // A key can reopen a menu that the menu bar still highlights; the user then leaves it with Esc.
  static void closeMenus() {
    for (int i = 0; i < 3 && QApplication::activePopupWidget() != nullptr; ++i) {
      QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_Escape);
    }
  }

  int exits_ = 0;
  bool commandBehindModal_ = false;
  WindowHistory history_;
  MainWindowView window_;
};

std::optional<Failure> Replay(const std::vector<MonkeyEvent>& events) {
  MonkeyRun run;
  return run.replay(events);
}

std::string Report(std::uint64_t seed, std::size_t count, const Failure& failure,
                   const std::vector<MonkeyEvent>& shortest) {
  std::ostringstream report;
  report << "seed " << seed << ", " << count << " events: rules broken after event "
         << failure.step + 1 << ":\n";
  for (const std::string& violation : failure.violations) {
    report << "  " << violation << "\n";
  }
  report << "Rerun with QUENDREL_MONKEY_SEED=" << seed << " QUENDREL_MONKEY_EVENTS=" << count
         << ". Shortest failing sequence (" << shortest.size() << " events):\n";
  for (const MonkeyEvent& event : shortest) {
    report << "  " << Describe(event) << "\n";
  }
  return report.str();
}

TEST(MonkeyTest, TheWindowKeepsEveryRuleThroughLongRandomUse) {
  const std::uint64_t seed = FromEnvironment("QUENDREL_MONKEY_SEED", kDefaultSeed);
  const std::size_t count = FromEnvironment("QUENDREL_MONKEY_EVENTS", kDefaultEvents);
  const std::vector<MonkeyEvent> events = GenerateMonkeyEvents(seed, count);
  const std::optional<Failure> failure = Replay(events);
  std::cout << "monkey: seed " << seed << ", " << count << " events\n";
  if (failure) {
    const std::vector<MonkeyEvent> prefix(events.begin(),
                                          events.begin() + static_cast<long>(failure->step) + 1);
    const auto fails = [](const std::vector<MonkeyEvent>& candidate) {
      return Replay(candidate).has_value();
    };
    ADD_FAILURE() << Report(seed, count, *failure, Shrink<MonkeyEvent>(prefix, fails, 120s));
  }
}

TEST(MonkeyTest, TheSameSeedGivesTheSameEvents) {
  const auto describe = [](std::uint64_t seed) {
    std::vector<std::string> described;
    for (const MonkeyEvent& event : GenerateMonkeyEvents(seed, 200)) {
      described.push_back(Describe(event));
    }
    return described;
  };
  EXPECT_EQ(describe(7), describe(7));
  EXPECT_NE(describe(7), describe(8));
}

}  // namespace
}  // namespace quendrel::test
