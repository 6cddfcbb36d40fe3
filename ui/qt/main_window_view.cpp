// SPDX-License-Identifier: MIT
#include "ui/qt/main_window_view.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>

#include "ui/accessible_names.h"
#include "ui/appraisal.h"
#include "ui/candidate_texts.h"
#include "ui/design/layout.h"
#include "ui/design/picture_figures.h"
#include "ui/name_strip.h"
#include "ui/qt/about_dialog.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/application_icon.h"
#include "ui/qt/candidates_window.h"
#include "ui/qt/client_area.h"
#include "ui/qt/command_button.h"
#include "ui/qt/contrast_palette.h"
#include "ui/qt/contrast_preference.h"
#include "ui/qt/name_strip_label.h"
#include "ui/qt/picture_widget.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/text_box.h"
#include "ui/stroke_calculation.h"

namespace quendrel {
namespace {

using enum ElementId;

QString TextOf(const MainWindowModel& model, ElementId id) {
  return ToQString(model.text(id));
}

// The grounds and inks are the design's whatever the theme, or their high-contrast swaps; a text
// box keeps the theme's own ground and ink (Base and Text), which belong together.
void ShowElementInContrast(QWidget& widget, const ElementLayout& layout, Contrast contrast) {
  ShowInContrast(widget,
                 {layout.textColour.value_or(kWindowText), kWindowBackground,
                  layout.faceColour.value_or(kControlGrey)},
                 contrast);
}

QLabel* CreateLabel(const ElementLayout& layout, QWidget* parent) {
  auto* label = layout.id == Label3 ? new NameStripLabel(parent) : new QLabel(parent);
  label->setWordWrap(layout.id != Label3);
  label->setMargin(0);
  label->setIndent(0);
  label->setTextFormat(Qt::PlainText);
  label->setAlignment(Qt::AlignTop |
                      (layout.alignment == Alignment::Centre ? Qt::AlignHCenter : Qt::AlignLeft));
  label->setAutoFillBackground(!layout.transparent);
  if (layout.border) {
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    label->setLineWidth(1);
  }
  return label;
}

QWidget* CreateElement(const ElementLayout& layout, const MainWindowModel& model, QWidget* parent) {
  switch (DefinitionOf(layout.id).kind) {
    case ElementKind::TextBox:
      return new TextBox(layout.id, parent);
    case ElementKind::Label:
      return CreateLabel(layout, parent);
    case ElementKind::Picture:
      return new PictureWidget(PictureFigure(layout.id), parent);
    case ElementKind::CommandButton:
      return new CommandButton(TextOf(model, layout.id), parent);
    case ElementKind::Shape:
    case ElementKind::Line:
    case ElementKind::Menu:
    case ElementKind::MenuItem:
      return nullptr;  // drawn by the client area or the menu bar
  }
  return nullptr;
}

}  // namespace

MainWindowView::MainWindowView(EndApplication endApplication)
    : endApplication_(std::move(endApplication)) {
  setWindowTitle(ToQString(DefinitionOf(Label15).text));
  setWindowIcon(ApplicationIcon(devicePixelRatioF()));
  setFont(FontFor({}));
  InstallAccessibility();

  contrastPreference_ = new ContrastPreference(this);
  connect(contrastPreference_, &ContrastPreference::changed, this, &MainWindowView::showContrast);
  clientArea_ = new ClientArea(model_, *contrastPreference_, this);
  setCentralWidget(clientArea_);
  createElements();
  createMenus();
  connectCommands();
  setTabOrder();
  model_.setChangeListener([this](std::span<const ElementId> written) { present(written); });
  // Open at the designed client size; left to itself Qt would cap it at two thirds of a small
  // screen.
  resize(clientArea_->sizeHint() + QSize(0, menuBar()->sizeHint().height()));
  widgetOf(TabOrder().front())->setFocus();
}

QAction* MainWindowView::actionOf(ElementId menuItem) const {
  if (menuItem == メニュー終了) {
    return exitAction_;
  }
  return menuItem == メニューバージョン ? versionAction_ : nullptr;
}

void MainWindowView::createElements() {
  for (const ElementLayout& layout : ElementLayouts()) {
    QWidget* widget = CreateElement(layout, model_, clientArea_);
    if (widget == nullptr) {
      continue;
    }
    widgets_.at(IndexOf(layout.id)) = widget;
    widget->setGeometry(ToRect(layout));
    widget->setFont(FontFor(layout.font));
    ShowElementInContrast(*widget, layout, contrast());
    widget->setObjectName(ToQString(DefinitionOf(layout.id).name));
    MarkHeardWithItsValue(*widget, HeardWithItsValue(layout.id));
    widget->raise();  // the layouts run from the bottom of the stack up
    present(layout.id);
  }
}

void MainWindowView::createMenus() {
  QMenu* menu = menuBar()->addMenu(TextOf(model_, メニュー));
  menu->setObjectName(ToQString(DefinitionOf(メニュー).name));
  QMenu* counting = createCountingMenu(*menu);
  candidatesAction_ = menu->addAction(ToQString(kCandidatesMenuItem));
  exitAction_ = menu->addAction(TextOf(model_, メニュー終了));
  QMenu* help = menuBar()->addMenu(TextOf(model_, メニューヘルプ));
  help->setObjectName(ToQString(DefinitionOf(メニューヘルプ).name));
  versionAction_ = help->addAction(TextOf(model_, メニューバージョン));
  // A drop-down is a window of its own, to which Qt passes no font; it would fall back to the
  // application's default font while the menu bar shows the window's.
  for (QMenu* dropDown : {menu, counting, help}) {
    dropDown->setFont(font());
  }
}

// The schools as radio items, one checked, and the numerals as an option of any of them.
QMenu* MainWindowView::createCountingMenu(QMenu& menu) {
  QMenu* counting = menu.addMenu(ToQString(kCountingMenu));
  counting->setObjectName(QStringLiteral("数え方"));
  auto* schools = new QActionGroup(counting);
  for (std::size_t k = 0; k < kSchoolChoices.size(); ++k) {
    QAction* action = counting->addAction(ToQString(kSchoolChoices.at(k).menuItem));
    action->setCheckable(true);
    action->setChecked(kSchoolChoices.at(k).school == CountingRule{}.school);
    schools->addAction(action);
    schoolActions_.at(k) = action;
    connect(action, &QAction::triggered, this, [this, k] {
      chooseCounting({kSchoolChoices.at(k).school, numeralsAction_->isChecked()});
    });
  }
  counting->addSeparator();
  numeralsAction_ = counting->addAction(ToQString(kNumeralsChoice));
  numeralsAction_->setCheckable(true);
  connect(numeralsAction_, &QAction::triggered, this,
          [this](bool checked) { chooseCounting({model_.state().Counting.school, checked}); });
  return counting;
}

void MainWindowView::chooseCounting(CountingRule rule) {
  for (std::size_t k = 0; k < kSchoolChoices.size(); ++k) {
    schoolActions_.at(k)->setChecked(kSchoolChoices.at(k).school == rule.school);
  }
  numeralsAction_->setChecked(rule.numeralsAsValues);
  setWindowTitle(ToQString(DefinitionOf(Label15).text) + ToQString(CountingNote(rule)));
  if (rule != model_.state().Counting) {
    model_.perform([this, rule] { SetCounting(model_, rule); });
    // The numbers counted again are said as 画数計算 says them, where there are any.
    if (model_.state().Grids != GridValues{}) {
      Announce(*widgetOf(Command1), StrokeCalculationAnnouncement(model_));
    }
  }
  if (candidates_ != nullptr) {
    candidates_->setCounting(rule);
  }
}

void MainWindowView::connectCommands() {
  for (const ElementLayout& layout : ElementLayouts()) {
    const ElementId box = layout.id;
    if (DefinitionOf(box).kind != ElementKind::TextBox) {
      continue;
    }
    auto* edit = static_cast<QLineEdit*>(widgetOf(box));
    // Every change reaches the model, whoever made it: the user, undo, an input method or
    // assistive technology, which sets the text as a whole.
    connect(edit, &QLineEdit::textChanged, this, [this, box](const QString& text) {
      if (text != TextOf(model_, box)) {
        model_.setText(box, ToUtf8(text));
      }
    });
  }
  const auto onClick = [this](ElementId id, auto handler) {
    connect(static_cast<QPushButton*>(widgetOf(id)), &QPushButton::clicked, this, handler);
  };
  onClick(Command1, [this] { calculate(); });
  onClick(Command2, [this] { appraise(); });
  onClick(Command3, [this] { Command3_Click(*this); });
  connect(exitAction_, &QAction::triggered, this, [this] { メニュー終了_Click(*this); });
  connect(versionAction_, &QAction::triggered, this, [this] { メニューバージョン_Click(*this); });
  connect(candidatesAction_, &QAction::triggered, this, [this] { openCandidates(); });
}

void MainWindowView::calculate() {
  model_.perform([this] { Command1_Click(model_); });
  Announce(*widgetOf(Command1), StrokeCalculationAnnouncement(model_));
}

void MainWindowView::appraise() {
  model_.perform([this] { Command2_Click(model_); });
  Announce(*widgetOf(Command2), AppraisalAnnouncement(model_));
}

void MainWindowView::appraise(const std::string& surname, const std::string& given) {
  model_.perform([&] {
    model_.setText(Text1, surname);
    model_.setText(Text2, given);
    Command1_Click(model_);
    Command2_Click(model_);
  });
  Announce(*widgetOf(Command2), CarriedNameAnnouncement(model_));
  raise();
  activateWindow();
}

// One window for the whole run: opening it again raises it, with the surname the box holds now.
void MainWindowView::openCandidates() {
  if (candidates_ == nullptr) {
    candidates_ = new CandidatesWindow(
        [this](const std::string& surname, const std::string& given) { appraise(surname, given); },
        [this] { return model_.text(Text2); }, [this](CountingRule rule) { chooseCounting(rule); },
        *contrastPreference_, this);
    candidates_->setCounting(model_.state().Counting);
  }
  candidates_->open(model_.text(Text1));
}

void MainWindowView::setTabOrder() const {
  const std::vector<ElementId> order = TabOrder();
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(widgetOf(order[i - 1]), widgetOf(order[i]));
  }
}

void MainWindowView::present(std::span<const ElementId> written) {
  bool linesWritten = false;
  for (const ElementId id : written) {
    if (DefinitionOf(id).kind == ElementKind::Line) {
      linesWritten = true;
    } else {
      present(id);
    }
  }
  if (linesWritten) {
    clientArea_->update();
  }
}

void MainWindowView::present(ElementId id) {
  QWidget* widget = widgetOf(id);
  if (widget == nullptr) {
    return;
  }
  widget->setVisible(model_.isVisible(id));
  const QString text = TextOf(model_, id);
  if (auto* edit = qobject_cast<QLineEdit*>(widget); edit != nullptr && edit->text() != text) {
    edit->setText(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(id == Label3 ? ToQString(NameStripRows(model_.text(id))) : text);
  }
  if (const QString name = ToQString(AccessibleName(model_, id));
      widget->accessibleName() != name) {
    widget->setAccessibleName(name);
  }
  if (const QString description = ToQString(AccessibleDescription(model_, id));
      widget->accessibleDescription() != description) {
    widget->setAccessibleDescription(description);
    widget->setToolTip(description);
  }
}

Contrast MainWindowView::contrast() const {
  return contrastPreference_->contrast();
}

// The client area, the candidates window and an open About dialog follow the preference
// themselves.
void MainWindowView::showContrast(Contrast contrast) const {
  for (const ElementLayout& layout : ElementLayouts()) {
    if (QWidget* widget = widgetOf(layout.id)) {
      ShowElementInContrast(*widget, layout, contrast);
    }
  }
}

void MainWindowView::endApplication() {
  if (endApplication_) {
    endApplication_();
    return;
  }
  QCoreApplication::exit(0);
}

void MainWindowView::showAboutModally() {
  // A child of the main window: the window system keeps it above the window and places it over it.
  frmAbout about(this, contrastPreference_);
  about.exec();
}

}  // namespace quendrel
