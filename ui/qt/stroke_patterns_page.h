// SPDX-License-Identifier: MIT
#pragma once

#include <array>
#include <functional>
#include <string>

#include <QWidget>

#include "core/character_use.h"
#include "core/name_dictionary.h"
#include "core/stroke_patterns.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableView;

namespace quendrel {

class StrokePatternModel;

// The page 「画数から」: for the window's surname, every pattern of given-name counts ranked as the
// candidates are, and for the chosen pattern the characters that fit each position, by their
// readings; one character a position composes a name to keep or to appraise, and a reading typed
// for it is checked against its characters.
class StrokePatternsPage final : public QWidget {
 public:
  // `keep` shortlists a given name with its reading, if any, and says so through the widget;
  // `appraise` reads it in full in the main window.
  using Keep =
      std::function<void(const std::string& given, const std::string& reading, QWidget& announcer)>;
  using Appraise = std::function<void(const std::string& given)>;

  StrokePatternsPage(Keep keep, Appraise appraise, QWidget* parent);

  void setSurname(const NameCounts& surname);
  void countNames(const NameDictionary& dictionary);
  // Makes the patterns again for the characters' counts under `rule`, with the dictionary's
  // names counted by it; none is listed until the surname is set again.
  void setCounting(CountingRule rule);

  [[nodiscard]] QTableView* table() const { return table_; }
  [[nodiscard]] QListWidget* position(std::size_t k) const { return positions_.at(k); }
  // The name that the chosen characters compose.
  [[nodiscard]] std::string composed() const;
  [[nodiscard]] QLineEdit* reading() const { return reading_; }
  [[nodiscard]] QLabel* readingCheck() const { return readingCheck_; }

 private:
  void createControls();
  void showPattern();
  void showComposed();
  [[nodiscard]] std::string typedReading() const;

  Keep keep_;
  Appraise appraise_;
  StrokePatterns patterns_;
  CharacterUse use_;
  const NameDictionary* dictionary_ = nullptr;
  StrokePatternModel* model_ = nullptr;
  QComboBox* length_ = nullptr;
  QLineEdit* containing_ = nullptr;
  QLabel* count_ = nullptr;
  QTableView* table_ = nullptr;
  std::array<QLabel*, kNameLength> captions_{};
  std::array<QListWidget*, kNameLength> positions_{};
  QLabel* composed_ = nullptr;
  QLineEdit* reading_ = nullptr;
  QLabel* readingCheck_ = nullptr;
  QPushButton* keepButton_ = nullptr;
  QPushButton* appraiseButton_ = nullptr;
};

}  // namespace quendrel
