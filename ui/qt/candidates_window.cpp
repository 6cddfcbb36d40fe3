// SPDX-License-Identifier: MIT
#include "ui/qt/candidates_window.h"

#include <algorithm>
#include <utility>

#include <QAccessibleWidget>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableView>
#include <QVBoxLayout>

#include "core/characters.h"
#include "core/name_reading.h"
#include "core/sex_estimate.h"
#include "ui/candidate_texts.h"
#include "ui/counting_texts.h"
#include "ui/dictionary_load_texts.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/candidate_table_model.h"
#include "ui/qt/choice_button.h"
#include "ui/qt/contrast_palette.h"
#include "ui/qt/contrast_preference.h"
#include "ui/qt/list_widgets.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/shortlist_page.h"
#include "ui/qt/stroke_patterns_page.h"
#include "ui/qt/text_box.h"
#include "ui/reading_check_texts.h"

namespace quendrel {
namespace {

// The lines a selected name's readings are checked in: two readings in full, how many more
// there are, and what the outcome means.
constexpr int kCheckLines = 4;

// The choices of 性別 and 文字数, in the order they are offered.
constexpr std::array<std::pair<SexChoice, std::string_view>, 3> kSexChoices = {{
    {SexChoice::Boy, "男の子(&B)"},
    {SexChoice::Girl, "女の子(&G)"},
    {SexChoice::Either, "どちらでも(&E)"},
}};
constexpr std::array<std::string_view, 4> kLengthChoices = {"すべて", "1文字", "2文字", "3文字"};

// Thousandths, as the load reports them.
constexpr int kWholeLoad = 1000;

}  // namespace

CandidatesWindow::CandidatesWindow(Appraise appraise, CurrentGiven currentGiven,
                                   ChooseCounting chooseCounting,
                                   const ContrastPreference& contrast, QWidget* parent)
    : QWidget(parent, Qt::Window),
      appraise_(std::move(appraise)),
      chooseCounting_(std::move(chooseCounting)) {
  setWindowTitle(QStringLiteral("名前の候補"));
  setObjectName(QStringLiteral("名前の候補"));
  // Closing the main window still ends the program while this one is open.
  setAttribute(Qt::WA_QuitOnClose, false);
  // The desktop's size in the main window's Japanese family, so that kanji take their Japanese
  // forms in every locale; fontconfig would otherwise choose by the user's language.
  QFont japanese = QApplication::font();
  japanese.setFamily(FontFor({}).family());
  setFont(japanese);
  createControls(std::move(currentGiven));
  setPalette(ThemedPalette(contrast.contrast()));
  connect(&contrast, &ContrastPreference::changed, this,
          [this](Contrast now) { setPalette(ThemedPalette(now)); });
  // Wide enough for every column of a three-character name with a few readings.
  const int em = fontMetrics().horizontalAdvance(QChar(u'名'));
  resize(QSize(em * 80, em * 42).expandedTo(sizeHint()));
}

CandidatesWindow::~CandidatesWindow() = default;

QAccessibleInterface* CandidatesWindow::createAccessibleInterface() {
  return new QAccessibleWidget(this, QAccessible::Window);
}

// The surname above the pages, which every page reads its names with.
void CandidatesWindow::createControls(CurrentGiven currentGiven) {
  auto* layout = new QVBoxLayout(this);
  auto* top = new QHBoxLayout;
  surname_ = new TextBox(ElementId::Text1, this);
  surname_->setAccessibleName(QStringLiteral("姓"));
  surname_->setObjectName(QStringLiteral("姓"));
  top->addWidget(BuddyLabel("姓(&S)", surname_, this));
  top->addWidget(surname_);
  top->addSpacing(fontMetrics().horizontalAdvance(QChar(u'名')));
  school_ = new QComboBox(this);
  school_->setObjectName(QStringLiteral("数え方"));
  for (const SchoolChoice& choice : kSchoolChoices) {
    school_->addItem(ToQString(choice.name));
  }
  top->addWidget(BuddyLabel(kCountingCaption, school_, this));
  top->addWidget(school_);
  numerals_ = new QCheckBox(ToQString(kNumeralsChoice), this);
  numerals_->setObjectName(QStringLiteral("漢数字を数の値で数える"));
  top->addWidget(numerals_);
  top->addStretch(3);
  layout->addLayout(top);

  pages_ = new QTabWidget(this);
  pages_->addTab(createListPage(), QStringLiteral("辞書から(&1)"));
  shortlist_ = new ShortlistPage(
      appraise_, std::move(currentGiven),
      [this](const std::string& given, const std::string& kana) {
        return load_ && load_->names.records(TruncateCharacters(given, kNameLength), kana);
      },
      pages_);
  patterns_ = new StrokePatternsPage(
      [this](const std::string& given, const std::string& reading, QWidget& announcer) {
        shortlist_->add(given, reading, announcer);
      },
      [this](const std::string& given) { appraise_(ToUtf8(surname_->text()), given); }, pages_);
  patterns_->setSurname({});
  pages_->addTab(patterns_, QStringLiteral("画数から(&2)"));
  pages_->addTab(shortlist_, QStringLiteral("残した候補(&3)"));
  layout->addWidget(pages_, 1);
  // The pages' stack is an unnamed pane, which a screen reader passes over as layout: the page's
  // tab names the page, and Qt's layered pane is spoken as a list of "0 items".
  HeardAsPane(*pages_->findChild<QStackedWidget*>());

  connect(surname_, &QLineEdit::textChanged, this, [this] { applySurname(); });
  connect(school_, &QComboBox::currentIndexChanged, this, [this] { chooseCounting(); });
  connect(numerals_, &QCheckBox::toggled, this, [this] { chooseCounting(); });
}

QWidget* CandidatesWindow::createListPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* filters = new QGridLayout;
  layout->addLayout(filters);

  auto* sexes = new QHBoxLayout;
  sex_ = new QButtonGroup(page);
  auto* sexCaption = new QLabel(QStringLiteral("性別"), page);
  sexes->addWidget(sexCaption);
  for (const auto& [choice, caption] : kSexChoices) {
    auto* button = new ChoiceButton(ToQString(caption), page);
    button->setObjectName(ToQString(caption.substr(0, caption.find('('))));
    button->setAccessibleDescription(QStringLiteral("性別"));
    sex_->addButton(button, static_cast<int>(choice));
    sexes->addWidget(button);
  }
  sex_->button(static_cast<int>(SexChoice::Either))->setChecked(true);
  sexes->addStretch();
  filters->addLayout(sexes, 0, 0, 1, 4);

  length_ = new QComboBox(this);
  for (const std::string_view choice : kLengthChoices) {
    length_->addItem(ToQString(choice));
  }
  filters->addWidget(BuddyLabel("文字数(&C)", length_, this), 0, 4);
  filters->addWidget(length_, 0, 5);
  ranking_ = new QComboBox(this);
  ranking_->setObjectName(QStringLiteral("並び順"));
  for (const RankingChoice& choice : kRankingChoices) {
    ranking_->addItem(ToQString(choice.name));
  }
  filters->addWidget(BuddyLabel(kRankingCaption, ranking_, this), 0, 6);
  filters->addWidget(ranking_, 0, 7);

  reading_ = new QLineEdit(this);
  reading_->setObjectName(QStringLiteral("よみ"));
  reading_->setPlaceholderText(QStringLiteral("ひらがなかカタカナ"));
  filters->addWidget(BuddyLabel("よみ(&Y)", reading_, this), 1, 0);
  filters->addWidget(reading_, 1, 1);
  containing_ = new QLineEdit(this);
  containing_->setObjectName(QStringLiteral("使う字"));
  containing_->setMaxLength(static_cast<int>(kNameLength) * 2);
  filters->addWidget(BuddyLabel("使う字(&K)", containing_, this), 1, 2);
  filters->addWidget(containing_, 1, 3);
  nameCharactersOnly_ = new QCheckBox(QStringLiteral("名前に使える字だけ(&O)"), this);
  nameCharactersOnly_->setChecked(true);
  filters->addWidget(nameCharactersOnly_, 1, 4, 1, 2);
  asReadOnly_ = new QCheckBox(ToQString(kAsReadOnly), this);
  asReadOnly_->setObjectName(QStringLiteral("字の読みどおりだけ"));
  filters->addWidget(asReadOnly_, 1, 6, 1, 2);
  filters->setColumnStretch(1, 1);
  filters->setColumnStretch(3, 3);

  rankingRule_ = WrappedLabel(kRankingChoices.front().rule, this);
  layout->addWidget(rankingRule_);
  layout->addWidget(WrappedLabel(SexRuleLine(), this));
  notes_ = new QLabel(this);
  notes_->setTextFormat(Qt::PlainText);
  notes_->setWordWrap(true);
  notes_->setObjectName(QStringLiteral("notes"));
  layout->addWidget(notes_);
  readAgain_ = new QPushButton(ToQString(kReadAgain), this);
  readAgain_->hide();
  layout->addWidget(readAgain_, 0, Qt::AlignLeft);

  model_ = new CandidateTableModel(this);
  table_ = ListTable(model_, "名前の候補", this);
  table_->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
  table_->setSortingEnabled(true);
  auto* heading = new QHBoxLayout;
  heading->addWidget(BuddyLabel("候補(&L)", table_, this));
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("count"));
  heading->addWidget(count_, 1);
  progress_ = new QProgressBar(this);
  progress_->setAccessibleName(QStringLiteral("辞書の読み込み"));
  heading->addWidget(progress_, 3);
  layout->addLayout(heading);
  layout->addWidget(table_, 1);
  readingCheck_ = WrappedLabel({}, this);
  readingCheck_->setObjectName(QStringLiteral("読み方"));
  readingCheck_->setMinimumHeight(kCheckLines * readingCheck_->fontMetrics().lineSpacing());
  readingCheck_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
  readingCheck_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  layout->addWidget(readingCheck_);

  auto* actions = new QHBoxLayout;
  keepButton_ = new QPushButton(QStringLiteral("候補に残す(&R)"), this);
  actions->addWidget(keepButton_);
  appraiseButton_ = new QPushButton(QStringLiteral("この名前で鑑定(&A)"), this);
  actions->addWidget(appraiseButton_);
  actions->addWidget(WrappedLabel(DictionaryCredit(), this), 1);
  layout->addLayout(actions);

  connect(sex_, &QButtonGroup::idClicked, this, [this] { applyFilter(); });
  connect(length_, &QComboBox::currentIndexChanged, this, [this] { applyFilter(); });
  connect(ranking_, &QComboBox::currentIndexChanged, this, [this] { applyRanking(); });
  connect(reading_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
  connect(containing_, &QLineEdit::textChanged, this, [this] { applyFilter(); });
  connect(nameCharactersOnly_, &QCheckBox::toggled, this, [this] { applyFilter(); });
  connect(asReadOnly_, &QCheckBox::toggled, this, [this] { applyFilter(); });
  connect(table_->selectionModel(), &QItemSelectionModel::currentChanged, this,
          [this] { showReadingCheck(); });
  connect(table_, &QAbstractItemView::activated, this, [this] { appraiseCurrent(); });
  connect(appraiseButton_, &QPushButton::clicked, this, [this] { appraiseCurrent(); });
  connect(keepButton_, &QPushButton::clicked, this, [this] { keepCurrent(); });
  connect(readAgain_, &QPushButton::clicked, this, [this] { readAgain(); });
  appraiseButton_->setEnabled(false);
  keepButton_->setEnabled(false);
  return page;
}

void CandidatesWindow::open(const std::string& surname) {
  surname_->setText(ToQString(TruncateCharacters(surname, kNameLength)));
  if (!list_ && !loader_.joinable()) {
    startLoading();
  }
  show();
  raise();
  activateWindow();
}

void CandidatesWindow::closeEvent(QCloseEvent* event) {
  loader_.request_stop();
  QWidget::closeEvent(event);
}

void CandidatesWindow::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
    close();
    return;
  }
  QWidget::keyPressEvent(event);
}

// The file is opened on the loader's thread too: a pipe with no writer, or a slow disk, keeps
// only the loader waiting.
void CandidatesWindow::startLoading() {
  progress_->setRange(0, kWholeLoad);
  progress_->setValue(0);
  progress_->show();
  readAgain_->hide();
  notes_->setText(ToQString(kLoading));
  loader_ = std::jthread{[this](const std::stop_token& stop) {
    const auto report = [this](int thousandths) {
      QMetaObject::invokeMethod(
          progress_, [this, thousandths] { progress_->setValue(thousandths); },
          Qt::QueuedConnection);
    };
    // Shared, as the queued call is copied on its way to the window's thread.
    auto load =
        std::make_shared<DictionaryLoad>(LoadNameDictionary(NameDictionaryPath(), stop, report));
    QMetaObject::invokeMethod(this, [this, load] { take(load); }, Qt::QueuedConnection);
  }};
}

void CandidatesWindow::take(std::shared_ptr<DictionaryLoad> load) {
  loader_.join();
  if (load->problem == LoadProblem::Stopped) {
    // Closed while it read; shown again since, it reads from the start.
    if (isVisible()) {
      startLoading();
    }
    return;
  }
  progress_->hide();
  const std::string notes = LoadNotes(*load);
  notes_->setText(ToQString(notes));
  readAgain_->setVisible(load->problem != LoadProblem::None);
  if (!HasNames(*load)) {
    Announce(*notes_, notes);
    return;
  }
  load_ = std::move(load);
  if (counting_ != CountingRule{}) {
    load_->names.recount(counting_);
  }
  patterns_->countNames(load_->names);
  list_.emplace(load_->names);
  list_->setFilter(filterShown());
  list_->setRanking(kRankingChoices.at(static_cast<std::size_t>(ranking_->currentIndex())).ranking);
  list_->setSurname(CountNameStrokes(SplitName(ToUtf8(surname_->text())), counting_));
  model_->setList(&*list_);
  FitColumns(*table_);
  appraiseButton_->setEnabled(true);
  keepButton_->setEnabled(true);
  showCount();
}

// The list of a file read in part goes until the new reading is done.
void CandidatesWindow::readAgain() {
  if (loader_.joinable()) {
    return;
  }
  model_->setList(nullptr);
  list_.reset();
  load_.reset();
  appraiseButton_->setEnabled(false);
  keepButton_->setEnabled(false);
  showCount();
  startLoading();
}

void CandidatesWindow::applySurname() {
  const std::string surname = ToUtf8(surname_->text());
  const NameCounts counts = CountNameStrokes(SplitName(surname), counting_);
  shortlist_->setSurname(surname, counts, counting_);
  patterns_->setSurname(counts);
  model_->reset([&counts](CandidateList& list) { list.setSurname(counts); });
}

void CandidatesWindow::chooseCounting() {
  chooseCounting_({kSchoolChoices.at(static_cast<std::size_t>(school_->currentIndex())).school,
                   numerals_->isChecked()});
}

// Every name is counted again and read with the surname counted alike; the window's title says
// how, where it is not the default.
void CandidatesWindow::setCounting(CountingRule rule) {
  const QSignalBlocker blockSchool(school_);
  const QSignalBlocker blockNumerals(numerals_);
  school_->setCurrentIndex(
      static_cast<int>(std::ranges::find(kSchoolChoices, rule.school, &SchoolChoice::school) -
                       kSchoolChoices.begin()));
  numerals_->setChecked(rule.numeralsAsValues);
  setWindowTitle(QStringLiteral("名前の候補") + ToQString(CountingNote(rule)));
  if (rule == counting_) {
    return;
  }
  counting_ = rule;
  if (load_) {
    load_->names.recount(rule);
  }
  patterns_->setCounting(rule);
  applySurname();
  showCount();
}

void CandidatesWindow::applyFilter() {
  const CandidateFilter filter = filterShown();
  model_->reset([&filter](CandidateList& list) { list.setFilter(filter); });
  showCount();
  showReadingCheck();
  Announce(*count_, ToUtf8(count_->text()));
}

void CandidatesWindow::applyRanking() {
  const RankingChoice& choice =
      kRankingChoices.at(static_cast<std::size_t>(ranking_->currentIndex()));
  rankingRule_->setText(ToQString(choice.rule));
  model_->reset([&choice](CandidateList& list) { list.setRanking(choice.ranking); });
  Announce(*ranking_, choice.rule);
}

CandidateFilter CandidatesWindow::filterShown() const {
  return {static_cast<SexChoice>(sex_->checkedId()),
          length_->currentIndex(),
          ToUtf8(reading_->text()),
          ToUtf8(containing_->text()),
          nameCharactersOnly_->isChecked(),
          asReadOnly_->isChecked() ? ReadingFit::AsRead : ReadingFit::Unexplained};
}

void CandidatesWindow::showReadingCheck() {
  const QModelIndex current = table_->currentIndex();
  readingCheck_->setText(
      list_ && current.isValid() && current.row() < static_cast<int>(list_->size())
          ? ToQString(CandidateReadingCheck(*list_, static_cast<std::size_t>(current.row())))
          : QString{});
}

void CandidatesWindow::showCount() {
  count_->setText(list_ ? ToQString(MatchCount(list_->size())) : QString{});
}

void CandidatesWindow::appraiseCurrent() {
  const QModelIndex current = table_->currentIndex();
  if (!list_ || !current.isValid()) {
    return;
  }
  appraise_(ToUtf8(surname_->text()),
            std::string{list_->name(static_cast<std::size_t>(current.row())).written});
}

void CandidatesWindow::keepCurrent() {
  const QModelIndex current = table_->currentIndex();
  if (!list_ || !current.isValid()) {
    return;
  }
  const NameDictionary::Name& name = list_->name(static_cast<std::size_t>(current.row()));
  shortlist_->add(std::string{name.written}, ReadingsFor(name, list_->filter()), *keepButton_);
}

}  // namespace quendrel
