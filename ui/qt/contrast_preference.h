// SPDX-License-Identifier: MIT
#pragma once

#include <QObject>

#include "ui/design/contrast.h"

class QDBusVariant;
class QDBusPendingCallWatcher;
class QString;
class QVariant;

namespace quendrel {

// The desktop's contrast preference, followed live. The XDG desktop portal gives it as
// org.freedesktop.appearance contrast (1 = higher; Debian 13's portals) or, from GNOME, as
// org.gnome.desktop.a11y.interface high-contrast (which Debian 12's portal passes on); Qt 6.10
// reads the first of these itself, under some platform themes only, so it is asked as well
// where it can be. The portal is asked without waiting: with no bus, no portal or a slow one, the
// window starts as designed and stays so until an answer says otherwise.
class ContrastPreference final : public QObject {
  Q_OBJECT

 private Q_SLOTS:
  void settingChanged(const QString& group, const QString& key, const QDBusVariant& value);

 Q_SIGNALS:
  // Each change of the preference, the first answer included.
  void changed(quendrel::Contrast contrast);

 public:
  explicit ContrastPreference(QObject* parent);

  [[nodiscard]] Contrast contrast() const { return contrast_; }

 private:
  void askThePortal();
  void readAll(QDBusPendingCallWatcher* call);
  void take(const QString& group, const QString& key, const QVariant& value);
  void report();

  bool portalContrast_ = false;             // org.freedesktop.appearance contrast
  bool gnomeContrast_ = false;              // org.gnome.desktop.a11y.interface high-contrast
  bool qtContrast_ = false;                 // Qt's own, from 6.10
  Contrast contrast_ = Contrast::Designed;  // as the three say together
};

}  // namespace quendrel
