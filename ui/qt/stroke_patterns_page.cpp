// SPDX-License-Identifier: MIT
#include "ui/qt/stroke_patterns_page.h"

#include <algorithm>

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "core/characters.h"
#include "core/name_characters.h"
#include "ui/candidate_texts.h"
#include "ui/qt/list_widgets.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/stroke_pattern_model.h"
#include "ui/reading_check_texts.h"
#include "ui/stroke_pattern_texts.h"

namespace quendrel {
namespace {

constexpr std::array<std::string_view, 4> kLengthChoices = {"すべて", "1文字", "2文字", "3文字"};

// Where a character that must be used fits the pattern: the first position of its count that
// no other such character has taken.
void ChooseContained(const std::array<QListWidget*, kNameLength>& positions, std::size_t length,
                     const std::string& containing) {
  std::array<bool, kNameLength> taken{};
  for (const std::string& character : FirstCharacters(containing, kNameLength)) {
    for (std::size_t k = 0; k < length; ++k) {
      const QList<QListWidgetItem*> found =
          taken.at(k) ? QList<QListWidgetItem*>{}
                      : positions.at(k)->findItems(ToQString(character), Qt::MatchStartsWith);
      const auto exact = std::ranges::find_if(found, [&character](const QListWidgetItem* item) {
        return item->data(Qt::UserRole).toString() == ToQString(character);
      });
      if (exact != found.end()) {
        positions.at(k)->setCurrentItem(*exact);
        taken.at(k) = true;
        break;
      }
    }
  }
}

}  // namespace

StrokePatternsPage::StrokePatternsPage(Keep keep, Appraise appraise, QWidget* parent)
    : QWidget(parent), keep_(std::move(keep)), appraise_(std::move(appraise)) {
  createControls();
}

void StrokePatternsPage::createControls() {
  auto* layout = new QVBoxLayout(this);
  auto* filters = new QHBoxLayout;
  length_ = new QComboBox(this);
  for (const std::string_view choice : kLengthChoices) {
    length_->addItem(ToQString(choice));
  }
  containing_ = new QLineEdit(this);
  containing_->setMaxLength(static_cast<int>(kNameLength) * 2);
  filters->addWidget(BuddyLabel("文字数(&C)", length_, this));
  filters->addWidget(length_);
  filters->addWidget(BuddyLabel("使う字(&K)", containing_, this));
  filters->addWidget(containing_, 1);
  filters->addStretch(2);
  layout->addLayout(filters);
  layout->addWidget(WrappedLabel(PatternRule(), this));

  model_ = new StrokePatternModel(patterns_, this);
  table_ = ListTable(model_, "画数の組み合わせ", this);
  auto* heading = new QHBoxLayout;
  heading->addWidget(BuddyLabel("組み合わせ(&L)", table_, this));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("pattern count"));
  heading->addWidget(count_, 1);
  layout->addLayout(heading);
  layout->addWidget(table_, 3);

  auto* characters = new QGridLayout;
  for (std::size_t k = 0; k < kNameLength; ++k) {
    auto* list = new QListWidget(this);
    // A character's readings wrap within the list, rather than run past its right edge.
    list->setWordWrap(true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setResizeMode(QListView::Adjust);
    positions_.at(k) = list;
    captions_.at(k) = BuddyLabel(PositionCaption(k, 1), list, this);
    characters->addWidget(captions_.at(k), 0, static_cast<int>(k));
    characters->addWidget(list, 1, static_cast<int>(k));
    connect(list, &QListWidget::currentRowChanged, this, [this] { showComposed(); });
  }
  layout->addLayout(characters, 2);

  auto* actions = new QHBoxLayout;
  composed_ = new QLabel(this);
  composed_->setObjectName(QStringLiteral("composed"));
  reading_ = new QLineEdit(this);
  reading_->setObjectName(QStringLiteral("組み合わせのよみ"));
  reading_->setPlaceholderText(QStringLiteral("ひらがなかカタカナ"));
  reading_->setMaxLength(kLongestTypedReading);
  keepButton_ = new QPushButton(QStringLiteral("候補に残す(&R)"), this);
  appraiseButton_ = new QPushButton(QStringLiteral("この名前で鑑定(&A)"), this);
  actions->addWidget(composed_);
  actions->addWidget(BuddyLabel("よみ(&Y)", reading_, this));
  actions->addWidget(reading_);
  actions->addWidget(keepButton_);
  actions->addWidget(appraiseButton_);
  actions->addStretch();
  layout->addLayout(actions);
  readingCheck_ = WrappedLabel({}, this);
  readingCheck_->setObjectName(QStringLiteral("組み合わせの読み方"));
  readingCheck_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  // The outcome and what it means: room for both whatever the list above would take.
  readingCheck_->setMinimumHeight(2 * readingCheck_->fontMetrics().lineSpacing());
  readingCheck_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  layout->addWidget(readingCheck_);

  const auto filter = [this] {
    const PatternFilter chosen{length_->currentIndex(), ToUtf8(containing_->text())};
    model_->reset([&chosen](StrokePatterns& patterns) { patterns.setFilter(chosen); });
  };
  connect(length_, &QComboBox::currentIndexChanged, this, filter);
  connect(containing_, &QLineEdit::textChanged, this, filter);
  connect(model_, &QAbstractItemModel::modelReset, this, [this] {
    count_->setText(ToQString(MatchCount(patterns_.size())));
    FitColumns(*table_);
    showPattern();
  });
  connect(table_->selectionModel(), &QItemSelectionModel::currentRowChanged, this,
          [this] { showPattern(); });
  connect(reading_, &QLineEdit::textChanged, this, [this] { showComposed(); });
  connect(keepButton_, &QPushButton::clicked, this,
          [this] { keep_(composed(), typedReading(), *keepButton_); });
  connect(appraiseButton_, &QPushButton::clicked, this, [this] { appraise_(composed()); });
}

void StrokePatternsPage::setSurname(const NameCounts& surname) {
  model_->reset([&surname](StrokePatterns& patterns) { patterns.setSurname(surname); });
}

void StrokePatternsPage::countNames(const NameDictionary& dictionary) {
  use_ = CharacterUse{dictionary};
  dictionary_ = &dictionary;
  model_->reset([&dictionary](StrokePatterns& patterns) { patterns.countNames(dictionary); });
}

void StrokePatternsPage::setCounting(CountingRule rule) {
  model_->reset([this, rule](StrokePatterns& patterns) {
    patterns = StrokePatterns{rule};
    if (dictionary_ != nullptr) {
      patterns.countNames(*dictionary_);
    }
    patterns.setFilter({length_->currentIndex(), ToUtf8(containing_->text())});
  });
}

void StrokePatternsPage::showPattern() {
  const QModelIndex current = table_->currentIndex();
  const bool chosen = current.isValid() && std::cmp_less(current.row(), patterns_.size());
  const StrokePattern* pattern =
      chosen ? &patterns_[static_cast<std::size_t>(current.row())] : nullptr;
  for (std::size_t k = 0; k < kNameLength; ++k) {
    QListWidget& list = *positions_.at(k);
    const bool used = pattern != nullptr && k < pattern->length;
    list.clear();
    list.setVisible(used);
    captions_.at(k)->setVisible(used);
    if (!used) {
      continue;
    }
    const int strokes = pattern->strokes.at(k);
    // The list is named by its caption, and both are named anew with the count: a screen reader
    // would otherwise hear an unnamed list, or the count it had first.
    const std::string caption = PositionCaption(k, strokes);
    const QString heard = ToQString(caption.substr(0, caption.find("(&")));
    captions_.at(k)->setText(ToQString(caption));
    captions_.at(k)->setAccessibleName(heard);
    list.setAccessibleName(heard);
    for (const NameCharacter* character :
         use_.ordered(NameCharactersWithCount(strokes, patterns_.rule()), k)) {
      auto* item = new QListWidgetItem(ToQString(CharacterItem(*character)), &list);
      item->setData(Qt::UserRole, ToQString(character->character));
    }
    list.setCurrentRow(0);
  }
  if (pattern != nullptr) {
    ChooseContained(positions_, pattern->length, ToUtf8(containing_->text()));
  }
  showComposed();
}

std::string StrokePatternsPage::composed() const {
  std::string name;
  for (const QListWidget* list : positions_) {
    if (list->isVisibleTo(this) && list->currentItem() != nullptr) {
      name += ToUtf8(list->currentItem()->data(Qt::UserRole).toString());
    }
  }
  return name;
}

std::string StrokePatternsPage::typedReading() const {
  return FoldKana(ToUtf8(reading_->text().simplified()));
}

void StrokePatternsPage::showComposed() {
  const std::string name = composed();
  composed_->setText(ToQString("名前：" + name));
  const std::string kana = typedReading();
  if (name.empty() || kana.empty()) {
    readingCheck_->setText(ToQString(kTypeAReading));
  } else {
    const bool recorded = dictionary_ != nullptr && dictionary_->records(name, kana);
    readingCheck_->setText(ToQString(ReadingCheckLines(name, std::array{kana}, recorded) + "\n" +
                                     FitAdvice(ExplainReading(name, kana))));
  }
  keepButton_->setEnabled(!name.empty());
  appraiseButton_->setEnabled(!name.empty());
}

}  // namespace quendrel
