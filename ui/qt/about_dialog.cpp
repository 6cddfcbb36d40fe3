// SPDX-License-Identifier: MIT
#include "ui/qt/about_dialog.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>

#include "ui/about.h"
#include "ui/icon_figures.h"
#include "ui/layout.h"
#include "ui/qt/application_icon.h"
#include "ui/qt/caption_ink.h"
#include "ui/qt/figure_painter.h"
#include "ui/qt/qt_conversions.h"
#include "ui/qt/text_fitting.h"

namespace quendrel {
namespace {

// Twips, as the dialog was designed.
constexpr int kDialogWidth = 5730;
constexpr int kDialogHeight = 3555;

// The dialog was drawn black on a light desktop's control colour (Qt's light palette has it too);
// it keeps both in every theme, as the main window keeps its grey, so that its texts and its etched
// separator read as designed.
const QColor kGround(0xEF, 0xEF, 0xEF);
const QColor kInk(Qt::black);

QRect Twips(int left, int top, int width, int height) {
  return {ToPixels(left), ToPixels(top), ToPixels(width), ToPixels(height)};
}

QLabel* CreateLabel(QWidget* parent, QRect geometry, const QString& text = {}) {
  auto* label = new QLabel(text, parent);
  label->setGeometry(geometry);
  label->setTextFormat(Qt::PlainText);
  label->setWordWrap(true);
  label->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  return label;
}

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::CustomizeWindowHint |
                          Qt::WindowTitleHint | Qt::WindowCloseButtonHint),
      picIcon_(new QLabel(this)),
      lblTitle_(CreateLabel(this, Twips(1050, 240, 3885, 480))),
      lblVersion_(CreateLabel(this, Twips(1050, 780, 3885, 225))),
      lblDescription_(
          CreateLabel(this, Twips(1050, 1125, 3885, 1170), ToQString(AboutDescription()))),
      lblDisclaimer_(CreateLabel(this, Twips(255, 2625, 3870, 825), ToQString(AboutDisclaimer()))),
      cmdOK_(new QPushButton(QStringLiteral("OK"), this)) {
  setObjectName(QStringLiteral("frmAbout"));
  setFixedSize(ToPixels(kDialogWidth), ToPixels(kDialogHeight));
  setFont(FontFor({}));
  QPalette colours = palette();
  for (const auto role : {QPalette::Window, QPalette::Button}) {
    colours.setColor(role, kGround);
  }
  colours.setColor(QPalette::WindowText, kInk);
  setPalette(colours);
  setModal(true);
  setWindowIcon(ApplicationIcon(devicePixelRatioF()));

  picIcon_->setGeometry(Twips(240, 240, 540, 540));
  picIcon_->setAlignment(Qt::AlignTop | Qt::AlignLeft);
  picIcon_->setPixmap(FigurePixmap(Icon32Figure(), devicePixelRatioF()));
  picIcon_->setFocusPolicy(Qt::TabFocus);
  picIcon_->setAccessibleName(QStringLiteral("quendrel のアイコン"));

  cmdOK_->setGeometry(Twips(4260, 2625, 1310, 345));
  cmdOK_->setDefault(true);
  InkCaptionForFace(*cmdOK_);
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
  for (QLabel* label : {lblTitle_, lblVersion_, lblDescription_, lblDisclaimer_}) {
    FitTextToLabel(*label);
  }
}

void frmAbout::form_load() {
  const AboutTexts texts = quendrel::form_load();
  setWindowTitle(ToQString(texts.caption));
  lblVersion_->setText(ToQString(texts.version));
  lblTitle_->setText(ToQString(texts.title));
}

// The etched separator above the button: a grey line with a white one just below it.
void frmAbout::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  painter.fillRect(
      QRect(QPoint(ToPixels(90), ToPixels(2445)), QPoint(ToPixels(5654), ToPixels(2445))),
      QColor(128, 128, 128));
  painter.fillRect(
      QRect(QPoint(ToPixels(105), ToPixels(2460)), QPoint(ToPixels(5654), ToPixels(2460) + 1)),
      Qt::white);
}

}  // namespace quendrel
