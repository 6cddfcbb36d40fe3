// SPDX-License-Identifier: MIT
#pragma once

#include <functional>
#include <string>

#include <QWidget>

#include "core/shortlist.h"

class QLabel;
class QLineEdit;
class QListView;
class QPushButton;

namespace quendrel {

class ShortlistModel;
class TextBox;

// The page 「残した候補」: the names a user keeps, each as a card side by side with the others,
// read with the window's surname. A name is kept from the other pages, typed here, or taken from
// the main window; it can be moved, removed, printed and copied.
class ShortlistPage final : public QWidget {
 public:
  using Appraise = std::function<void(const std::string& surname, const std::string& given)>;
  using CurrentGiven = std::function<std::string()>;
  // Whether the dictionary gives a name a reading (hiragana) as a given name.
  using Recorded = std::function<bool(const std::string& given, const std::string& kana)>;

  ShortlistPage(Appraise appraise, CurrentGiven currentGiven, Recorded recorded, QWidget* parent);

  void setSurname(const std::string& surname, const NameCounts& counts, CountingRule rule = {});
  // Keeps a name with its readings ("・" between), or finds it kept, and says so through
  // `announcer`.
  void add(const std::string& given, const std::string& reading, QWidget& announcer);

  [[nodiscard]] const Shortlist& list() const { return list_; }
  [[nodiscard]] QListView* view() const { return view_; }

 private:
  void createControls();
  [[nodiscard]] int current() const;
  void setCurrent(int place);
  void removeCurrent();
  void moveCurrent(int by);
  void appraiseCurrent();
  void print();
  void copy();
  void showState();

  Appraise appraise_;
  CurrentGiven currentGiven_;
  Recorded recorded_;
  Shortlist list_;
  ShortlistModel* model_ = nullptr;
  TextBox* given_ = nullptr;
  QLineEdit* reading_ = nullptr;
  QLabel* count_ = nullptr;
  QListView* view_ = nullptr;
  QPushButton* earlier_ = nullptr;
  QPushButton* later_ = nullptr;
  QPushButton* remove_ = nullptr;
  QPushButton* appraiseButton_ = nullptr;
  QPushButton* print_ = nullptr;
  QPushButton* copy_ = nullptr;
};

}  // namespace quendrel
