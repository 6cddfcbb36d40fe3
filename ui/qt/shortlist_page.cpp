// SPDX-License-Identifier: MIT
#include "ui/qt/shortlist_page.h"

#include <chrono>

#include <QAction>
#include <QClipboard>
#include <QDate>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListView>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

#include "core/characters.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/list_widgets.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/shortlist_card.h"
#include "ui/qt/shortlist_model.h"
#include "ui/qt/shortlist_printout.h"
#include "ui/qt/text_box.h"
#include "ui/reading_check_texts.h"
#include "ui/shortlist_texts.h"

namespace quendrel {
namespace {

QPushButton* Button(std::string_view caption, QWidget* parent) {
  return new QPushButton(ToQString(caption), parent);
}

// A key that works while the list has the focus, as the button beside it does.
void AddKey(QListView& view, const QKeySequence& key, std::function<void()> act) {
  auto* action = new QAction(&view);
  action->setShortcut(key);
  action->setShortcutContext(Qt::WidgetShortcut);
  QObject::connect(action, &QAction::triggered, &view, std::move(act));
  view.addAction(action);
}

std::chrono::year_month_day Today() {
  const QDate today = QDate::currentDate();
  return {std::chrono::year{today.year()}, std::chrono::month{static_cast<unsigned>(today.month())},
          std::chrono::day{static_cast<unsigned>(today.day())}};
}

}  // namespace

ShortlistPage::ShortlistPage(Appraise appraise, CurrentGiven currentGiven, Recorded recorded,
                             QWidget* parent)
    : QWidget(parent),
      appraise_(std::move(appraise)),
      currentGiven_(std::move(currentGiven)),
      recorded_(std::move(recorded)) {
  createControls();
  showState();
}

void ShortlistPage::createControls() {
  auto* layout = new QVBoxLayout(this);
  auto* adding = new QHBoxLayout;
  given_ = new TextBox(ElementId::Text2, this);
  given_->setAccessibleName(QStringLiteral("名"));
  auto* givenCaption = new QLabel(QStringLiteral("名(&I)"), this);
  givenCaption->setBuddy(given_);
  givenCaption->setAccessibleName(QStringLiteral("名"));
  // A parent's own reading is checked against the characters as the dictionary's are.
  reading_ = new QLineEdit(this);
  reading_->setObjectName(QStringLiteral("残すよみ"));
  reading_->setPlaceholderText(QStringLiteral("ひらがなかカタカナ"));
  reading_->setMaxLength(kLongestTypedReading);
  auto* keepTyped = Button("この名を残す(&N)", this);
  auto* keepMain = Button("鑑定中の名を残す(&M)", this);
  adding->addWidget(givenCaption);
  adding->addWidget(given_);
  adding->addWidget(BuddyLabel("よみ(&Y)", reading_, this));
  adding->addWidget(reading_);
  adding->addWidget(keepTyped);
  adding->addWidget(keepMain);
  adding->addStretch();
  layout->addLayout(adding);

  auto* heading = new QHBoxLayout;
  view_ = new QListView(this);
  auto* caption = new QLabel(QStringLiteral("残した候補(&L)"), this);
  caption->setBuddy(view_);
  caption->setAccessibleName(QStringLiteral("残した候補"));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("shortlist count"));
  auto* note = new QLabel(ToQString(kShortlistNote), this);
  note->setWordWrap(true);
  heading->addWidget(caption);
  heading->addWidget(count_);
  heading->addWidget(note, 1);
  layout->addLayout(heading);

  model_ = new ShortlistModel(list_, this);
  view_->setModel(model_);
  view_->setItemDelegate(new ShortlistCardDelegate(view_));
  view_->setAccessibleName(QStringLiteral("残した候補"));
  view_->setFlow(QListView::LeftToRight);
  view_->setWrapping(false);
  view_->setUniformItemSizes(true);
  view_->setSpacing(fontMetrics().horizontalAdvance(QChar(u'名')) / 3);
  view_->setSelectionMode(QAbstractItemView::SingleSelection);
  view_->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
  layout->addWidget(view_, 1);

  auto* actions = new QHBoxLayout;
  earlier_ = Button("前へ(&F)", this);
  later_ = Button("後ろへ(&B)", this);
  remove_ = Button("外す(&D)", this);
  appraiseButton_ = Button("この名前で鑑定(&A)", this);
  print_ = Button("印刷…(&P)", this);
  copy_ = Button("コピー(&C)", this);
  for (QPushButton* button : {earlier_, later_, remove_, appraiseButton_}) {
    actions->addWidget(button);
  }
  actions->addStretch();
  actions->addWidget(print_);
  actions->addWidget(copy_);
  layout->addLayout(actions);

  const auto keepGiven = [this] {
    add(ToUtf8(given_->text()), FoldKana(ToUtf8(reading_->text().simplified())), *given_);
    given_->clear();
    reading_->clear();
  };
  connect(keepTyped, &QPushButton::clicked, this, keepGiven);
  connect(given_, &QLineEdit::returnPressed, this, keepGiven);
  connect(reading_, &QLineEdit::returnPressed, this, keepGiven);
  connect(keepMain, &QPushButton::clicked, this,
          [this, keepMain] { add(currentGiven_(), {}, *keepMain); });
  connect(earlier_, &QPushButton::clicked, this, [this] { moveCurrent(-1); });
  connect(later_, &QPushButton::clicked, this, [this] { moveCurrent(1); });
  connect(remove_, &QPushButton::clicked, this, [this] { removeCurrent(); });
  connect(appraiseButton_, &QPushButton::clicked, this, [this] { appraiseCurrent(); });
  connect(view_, &QAbstractItemView::activated, this, [this] { appraiseCurrent(); });
  connect(print_, &QPushButton::clicked, this, [this] { print(); });
  connect(copy_, &QPushButton::clicked, this, [this] { copy(); });
  AddKey(*view_, QKeySequence::Delete, [this] { removeCurrent(); });
  AddKey(*view_, QKeySequence(Qt::CTRL | Qt::Key_Left), [this] { moveCurrent(-1); });
  AddKey(*view_, QKeySequence(Qt::CTRL | Qt::Key_Right), [this] { moveCurrent(1); });
}

void ShortlistPage::setSurname(const std::string& surname, const NameCounts& counts,
                               CountingRule rule) {
  model_->update([&](Shortlist& list) { list.setSurname(surname, counts, rule); });
}

void ShortlistPage::add(const std::string& given, const std::string& reading, QWidget& announcer) {
  const std::optional<std::size_t> place = list_.placeFor(given);
  if (!place) {
    return;
  }
  if (*place == list_.size()) {
    ShortlistedName kept;
    kept.reading = reading;
    const std::vector<std::string> readings = ReadingsOf(kept);
    const bool recorded =
        !readings.empty() && std::ranges::all_of(readings, [&](const std::string& kana) {
          return recorded_(given, kana);
        });
    model_->insert(static_cast<int>(*place),
                   [&](Shortlist& list) { list.add(given, reading, recorded); });
  }
  setCurrent(static_cast<int>(*place));
  showState();
  Announce(announcer, AddedAnnouncement(list_, *place));
}

int ShortlistPage::current() const {
  const QModelIndex index = view_->currentIndex();
  return index.isValid() ? index.row() : -1;
}

void ShortlistPage::setCurrent(int place) {
  if (list_.empty()) {
    return;
  }
  const int row = std::clamp(place, 0, static_cast<int>(list_.size()) - 1);
  view_->setCurrentIndex(model_->index(row));
  view_->scrollTo(model_->index(row));
}

void ShortlistPage::removeCurrent() {
  const int place = current();
  if (place < 0) {
    return;
  }
  const std::string given = list_[static_cast<std::size_t>(place)].given;
  model_->remove(place, [place](Shortlist& list) { list.remove(static_cast<std::size_t>(place)); });
  setCurrent(place);
  showState();
  Announce(*view_, RemovedAnnouncement(given, list_.size()));
}

void ShortlistPage::moveCurrent(int by) {
  const int from = current();
  const int to = from + by;
  if (from < 0 || to < 0 || std::cmp_greater_equal(to, list_.size())) {
    return;
  }
  model_->move(from, to, [from, to](Shortlist& list) {
    list.move(static_cast<std::size_t>(from), static_cast<std::size_t>(to));
  });
  setCurrent(to);
  Announce(*view_, MovedAnnouncement(list_, static_cast<std::size_t>(to)));
}

void ShortlistPage::appraiseCurrent() {
  if (const int place = current(); place >= 0) {
    appraise_(list_.surname(), list_[static_cast<std::size_t>(place)].given);
  }
}

void ShortlistPage::print() {
  QPrinter printer{QPrinter::HighResolution};
  PrepareForShortlist(printer);
  QPrintDialog dialog{&printer, this};
  dialog.setWindowTitle(QStringLiteral("残した候補を印刷"));
  if (dialog.exec() == QDialog::Accepted) {
    PrintShortlist(printer, list_, Today());
  }
}

void ShortlistPage::copy() {
  QGuiApplication::clipboard()->setText(ToQString(ShortlistText(list_)));
  Announce(*copy_, ShortlistCount(list_.size()) + "をコピーしました");
}

void ShortlistPage::showState() {
  count_->setText(ToQString(std::to_string(list_.size()) + "件"));
  const bool any = !list_.empty();
  for (QPushButton* button : {earlier_, later_, remove_, appraiseButton_, print_, copy_}) {
    button->setEnabled(any);
  }
}

}  // namespace quendrel
