// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "ui/design/contrast.h"

class QLabel;
class QPushButton;

namespace quendrel {

// The About dialog: fixed frame, one OK button that is both default and cancel. Each opening
// constructs a new one, which loads its texts afresh.
class frmAbout final : public QDialog {
 public:
  explicit frmAbout(QWidget* parent = nullptr, Contrast contrast = Contrast::Designed);

  // Redraws it as the desktop now asks, while it is open too.
  void setContrast(Contrast contrast);

  [[nodiscard]] QLabel* lblTitle() const { return lblTitle_; }
  [[nodiscard]] QLabel* lblVersion() const { return lblVersion_; }
  [[nodiscard]] QPushButton* cmdOK() const { return cmdOK_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void form_load();

  QLabel* picIcon_;
  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QLabel* lblDescription_;
  QLabel* lblDisclaimer_;
  QPushButton* cmdOK_;
  Contrast contrast_ = Contrast::Designed;
};

}  // namespace quendrel
