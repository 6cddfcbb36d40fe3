// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>

#include "ui/design/contrast.h"

class QLabel;
class QPushButton;

namespace quendrel {

class ContrastPreference;

// The About dialog: fixed frame, one OK button that is both default and cancel. Each opening
// constructs a new one, which loads its texts afresh. It follows `contrast` while it is open;
// without one it is drawn as designed.
class frmAbout final : public QDialog {
 public:
  explicit frmAbout(QWidget* parent = nullptr, const ContrastPreference* contrast = nullptr);

  [[nodiscard]] QLabel* lblTitle() const { return lblTitle_; }
  [[nodiscard]] QLabel* lblVersion() const { return lblVersion_; }
  [[nodiscard]] QPushButton* cmdOK() const { return cmdOK_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void form_load();
  void showContrast();
  [[nodiscard]] Contrast contrast() const;

  QLabel* picIcon_;
  QLabel* lblTitle_;
  QLabel* lblVersion_;
  QLabel* lblDescription_;
  QLabel* lblDisclaimer_;
  QPushButton* cmdOK_;
  const ContrastPreference* contrast_;
};

}  // namespace quendrel
