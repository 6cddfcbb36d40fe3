// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <span>
#include <string>

#include <QMainWindow>

#include "ui/counting_texts.h"
#include "ui/design/contrast.h"
#include "ui/main_window_model.h"
#include "ui/window_commands.h"

class QAction;

namespace quendrel {

class CandidatesWindow;
class ClientArea;
class ContrastPreference;

// The main window メイン as Qt widgets. It owns the model, shows it, and hands every click and
// edit to the model's handlers; it keeps no state of its own.
class MainWindowView final : public QMainWindow, private WindowPlatform {
 public:
  using EndApplication = std::function<void()>;

  // `endApplication` replaces the real exit where a test must survive the exit commands.
  explicit MainWindowView(EndApplication endApplication = {});

  [[nodiscard]] const MainWindowModel& model() const { return model_; }
  // The widget that shows an element; nullptr for the lines, which the client area draws.
  [[nodiscard]] QWidget* widgetOf(ElementId id) const { return widgets_.at(IndexOf(id)); }
  [[nodiscard]] QAction* actionOf(ElementId menuItem) const;
  [[nodiscard]] ClientArea* clientArea() const { return clientArea_; }
  // As the desktop asks for it now; the window and an open About dialog follow each change.
  [[nodiscard]] Contrast contrast() const;
  [[nodiscard]] const ContrastPreference& contrastPreference() const {
    return *contrastPreference_;
  }
  // 「名前の候補」, once it has been opened.
  [[nodiscard]] CandidatesWindow* candidates() const { return candidates_; }
  [[nodiscard]] QAction* candidatesAction() const { return candidatesAction_; }
  [[nodiscard]] QAction* schoolAction(std::size_t k) const { return schoolActions_.at(k); }

  // Puts a name into the boxes and reads it as 画数計算 and then 鑑　定 would, and raises the
  // window: how a name chosen elsewhere comes to be read in full.
  void appraise(const std::string& surname, const std::string& given);

 private:
  void endApplication() override;
  void showAboutModally() override;

  void createElements();
  void createMenus();
  QMenu* createCountingMenu(QMenu& menu);
  void connectCommands();
  void setTabOrder() const;
  void present(std::span<const ElementId> written);
  void present(ElementId id);
  void showContrast(Contrast contrast) const;
  void openCandidates();
  // Counts by `rule` in this window and in the candidates window, and shows it chosen in both.
  void chooseCounting(CountingRule rule);
  void calculate();
  void appraise();

  MainWindowModel model_;
  EndApplication endApplication_;
  ContrastPreference* contrastPreference_ = nullptr;
  ClientArea* clientArea_ = nullptr;
  std::array<QWidget*, kElementCount> widgets_{};
  QAction* exitAction_ = nullptr;
  QAction* versionAction_ = nullptr;
  QAction* candidatesAction_ = nullptr;
  std::array<QAction*, kSchoolChoices.size()> schoolActions_{};
  QAction* numeralsAction_ = nullptr;
  CandidatesWindow* candidates_ = nullptr;
};

}  // namespace quendrel
