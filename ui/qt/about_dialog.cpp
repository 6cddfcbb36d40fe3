// SPDX-License-Identifier: MIT
#include "ui/qt/about_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStringList>

#include "ui/about.h"
#include "ui/design/about_layout.h"
#include "ui/design/icon_figures.h"
#include "ui/design/layout.h"
#include "ui/qt/about_text.h"
#include "ui/qt/accessibility.h"
#include "ui/qt/application_icon.h"
#include "ui/qt/caption_ink.h"
#include "ui/qt/contrast_palette.h"
#include "ui/qt/contrast_preference.h"
#include "ui/qt/figure_painter.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/qt_strings.h"
#include "ui/qt/text_fitting.h"

namespace quendrel {
namespace {

QLabel* CreateLabel(QWidget* parent, QRect geometry, const QString& text = {}) {
  InstallAccessibility();  // before the first text is made
  auto* label = new AboutText(text, parent);
  label->setGeometry(geometry);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent, const ContrastPreference* contrast)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      picIcon_(new QLabel(this)),
      lblTitle_(CreateLabel(this, ToRect(about::kLblTitle))),
      lblVersion_(CreateLabel(this, ToRect(about::kLblVersion))),
      lblDescription_(
          CreateLabel(this, ToRect(about::kLblDescription), ToQString(AboutDescription()))),
      lblDisclaimer_(
          CreateLabel(this, ToRect(about::kLblDisclaimer), ToQString(AboutDisclaimer()))),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)),
      contrast_(contrast) {
  setObjectName(QStringLiteral("frmAbout"));
  setFixedSize(ToPixels(about::kClientWidth), ToPixels(about::kClientHeight));
  setFont(FontFor({}));
  setModal(true);
  setWindowIcon(ApplicationIcon(devicePixelRatioF()));

  picIcon_->setGeometry(ToRect(about::kPicIcon));
  picIcon_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  picIcon_->setPixmap(FigurePixmap(Icon32Figure(), devicePixelRatioF()));
  picIcon_->setFocusPolicy(Qt::TabFocus);
  picIcon_->setAccessibleName(QStringLiteral("quendrel のアイコン"));

  cmdOK_->setGeometry(ToRect(about::kCmdOK));
  cmdOK_->setDefault(true);
  showContrast();
  if (contrast_ != nullptr) {
    connect(contrast_, &ContrastPreference::changed, this, &frmAbout::showContrast);
  }
  // Esc already rejects a QDialog, so OK acts as the cancel button too.
  connect(cmdOK_, &QPushButton::clicked, this, &QDialog::accept);
  QWidget::setTabOrder(cmdOK_, picIcon_);
  cmdOK_->setFocus();

  lblTitle_->setObjectName(QStringLiteral("lblTitle"));
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  lblDescription_->setObjectName(QStringLiteral("lblDescription"));
  lblDisclaimer_->setObjectName(QStringLiteral("lblDisclaimer"));
  cmdOK_->setObjectName(QStringLiteral("cmdOK"));
  picIcon_->setObjectName(QStringLiteral("picIcon"));
  form_load();
  // The name is the caption alone, as the title bar shows it and as a screen reader reads the
  // window's title. On opening, Orca reads the name and the description, which holds every text:
  // of labels it reads only those of three words or more, and Japanese has no spaces between words.
  // Orca 48.1 and 51.1 read any dialog's description twice (their _generate_accessible_description
  // answers from its cache before asking whether the static text used it; no upstream report is
  // known). The other ways to them lose the caption and the role, or a label would be made up.
  QStringList heard;
  for (QLabel* label : {lblTitle_, lblVersion_, lblDescription_, lblDisclaimer_}) {
    FitTextToLabel(*label);
    heard.append(label->text());
  }
  setAccessibleName(windowTitle());
  setAccessibleDescription(heard.join(QLatin1Char('\n')));
}

Contrast frmAbout::contrast() const {
  return contrast_ != nullptr ? contrast_->contrast() : Contrast::Designed;
}

void frmAbout::showContrast() {
  ShowInContrast(*this, {about::kInk, about::kGround, about::kGround}, contrast());
  InkCaptionForFace(*cmdOK_);
}

void frmAbout::form_load() {
  const AboutTexts texts = quendrel::form_load();
  setWindowTitle(ToQString(texts.caption));
  lblVersion_->setText(ToQString(texts.version));
  lblTitle_->setText(ToQString(texts.title));
}

// The etched separator above the button.
void frmAbout::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  for (const about::SeparatorLine& line : {about::kSeparatorShadow, about::kSeparatorLight}) {
    // A line of width w covers the w pixels from its own downwards, as the design drew it.
    painter.fillRect(QRect(QPoint(ToPixels(line.x1), ToPixels(line.y)),
                           QPoint(ToPixels(line.x2), ToPixels(line.y) + line.width - 1)),
                     ToColor(Shown(line.colour, contrast())));
  }
}

}  // namespace quendrel
