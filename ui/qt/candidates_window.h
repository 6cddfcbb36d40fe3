// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <thread>

#include <QWidget>

#include "core/dictionary_load.h"
#include "core/name_finder.h"
#include "ui/qt/accessibility.h"

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QTabWidget;
class QTableView;

namespace quendrel {

class CandidateTableModel;
class ContrastPreference;
class ShortlistPage;
class StrokePatternsPage;
class TextBox;

// The window 「名前の候補」: for a surname, the given names of the installed dictionary, each read
// with it, ranked, filtered as the user types; the names made of characters by their counts; and
// the names a user keeps to compare. The dictionary is read the first time the window is shown,
// and again after a fault, off the user-interface thread; closing the window stops the reading.
class CandidatesWindow final : public QWidget, public OwnAccessibleInterface {
 public:
  // `appraise` shows a surname and given name in the main window with its full reading.
  using Appraise = std::function<void(const std::string& surname, const std::string& given)>;

  // `currentGiven` is the given name the main window holds now. The window follows `contrast`.
  using CurrentGiven = std::function<std::string()>;
  // `chooseCounting` makes a way of counting the program's; it comes back through setCounting.
  using ChooseCounting = std::function<void(CountingRule rule)>;

  CandidatesWindow(Appraise appraise, CurrentGiven currentGiven, ChooseCounting chooseCounting,
                   const ContrastPreference& contrast, QWidget* parent);
  ~CandidatesWindow() override;
  CandidatesWindow(const CandidatesWindow&) = delete;
  CandidatesWindow& operator=(const CandidatesWindow&) = delete;
  CandidatesWindow(CandidatesWindow&&) = delete;
  CandidatesWindow& operator=(CandidatesWindow&&) = delete;

  // Shows the window for a surname, reading the dictionary if it has not been read, and raises it.
  void open(const std::string& surname);

  // Counts every name, pattern and kept name by `rule` from now on, and shows it chosen.
  void setCounting(CountingRule rule);
  [[nodiscard]] QComboBox* school() const { return school_; }

  [[nodiscard]] bool loaded() const { return list_.has_value(); }
  [[nodiscard]] bool loading() const { return loader_.joinable(); }
  [[nodiscard]] QTableView* table() const { return table_; }
  [[nodiscard]] QTabWidget* pages() const { return pages_; }
  [[nodiscard]] ShortlistPage* shortlist() const { return shortlist_; }
  [[nodiscard]] StrokePatternsPage* patterns() const { return patterns_; }

  // A window to a screen reader, as a dialog or main window is; Qt gives a plain widget that is a
  // window the role of a filler, which Orca does not take for a top-level object.
  [[nodiscard]] QAccessibleInterface* createAccessibleInterface() override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  // Escape closes the window, as it does a dialog, where no control has taken it.
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void createControls(CurrentGiven currentGiven);
  QWidget* createListPage();
  void startLoading();
  void take(std::shared_ptr<DictionaryLoad> load);
  void readAgain();
  void applySurname();
  void chooseCounting();
  void applyFilter();
  void applyRanking();
  void appraiseCurrent();
  void keepCurrent();
  [[nodiscard]] CandidateFilter filterShown() const;
  void showCount();
  void showReadingCheck();

  Appraise appraise_;
  ChooseCounting chooseCounting_;
  CountingRule counting_;
  TextBox* surname_ = nullptr;
  QComboBox* school_ = nullptr;
  QCheckBox* numerals_ = nullptr;
  QButtonGroup* sex_ = nullptr;
  QComboBox* length_ = nullptr;
  QComboBox* ranking_ = nullptr;
  QLabel* rankingRule_ = nullptr;
  QLineEdit* reading_ = nullptr;
  QLineEdit* containing_ = nullptr;
  QCheckBox* nameCharactersOnly_ = nullptr;
  QCheckBox* asReadOnly_ = nullptr;
  QLabel* readingCheck_ = nullptr;
  QLabel* count_ = nullptr;
  QLabel* notes_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* readAgain_ = nullptr;
  QTableView* table_ = nullptr;
  QPushButton* appraiseButton_ = nullptr;
  QPushButton* keepButton_ = nullptr;
  QTabWidget* pages_ = nullptr;
  ShortlistPage* shortlist_ = nullptr;
  StrokePatternsPage* patterns_ = nullptr;
  CandidateTableModel* model_ = nullptr;

  std::shared_ptr<DictionaryLoad> load_;
  std::optional<CandidateList> list_;
  // Joined before the widgets go, so that it never reports to a window that is gone.
  std::jthread loader_;
};

}  // namespace quendrel
