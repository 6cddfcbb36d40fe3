// SPDX-License-Identifier: MIT
#include "ui/qt/contrast_preference.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusVariant>
#include <QStringList>
#include <QTimer>
#include <QVariantMap>
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
#include <QAccessibilityHints>
#include <QGuiApplication>
#include <QStyleHints>
#endif

namespace quendrel {
namespace {

constexpr QLatin1String kService("org.freedesktop.portal.Desktop");
constexpr QLatin1String kPath("/org/freedesktop/portal/desktop");
constexpr QLatin1String kSettings("org.freedesktop.portal.Settings");
constexpr QLatin1String kAppearance("org.freedesktop.appearance");
constexpr QLatin1String kGnomeAccess("org.gnome.desktop.a11y.interface");
// A portal that has not answered by then is broken; the window stays as designed.
constexpr int kReadTimeoutMs = 5000;

// Some portals wrap a setting's value in one variant more than the signature says.
QVariant Unwrapped(QVariant value) {
  while (value.userType() == qMetaTypeId<QDBusVariant>()) {
    value = value.value<QDBusVariant>().variant();
  }
  return value;
}

}  // namespace

ContrastPreference::ContrastPreference(QObject* parent) : QObject(parent) {
#if QT_VERSION >= QT_VERSION_CHECK(6, 10, 0)
  const QAccessibilityHints* hints = QGuiApplication::styleHints()->accessibility();
  qtContrast_ = hints->contrastPreference() == Qt::ContrastPreference::HighContrast;
  connect(hints, &QAccessibilityHints::contrastPreferenceChanged, this,
          [this](Qt::ContrastPreference preference) {
            qtContrast_ = preference == Qt::ContrastPreference::HighContrast;
            report();
          });
#endif
  contrast_ = qtContrast_ ? Contrast::High : Contrast::Designed;
  // Connecting to the session bus can take a while where there is none to find, so it waits until
  // the event loop runs, after the window has been shown.
  QTimer::singleShot(0, this, &ContrastPreference::askThePortal);
}

void ContrastPreference::askThePortal() {
  QDBusConnection bus = QDBusConnection::sessionBus();
  if (!bus.isConnected()) {
    return;
  }
  // QtDBus finds the slot by its parameters' types, which must be known to the meta-type system
  // first; nothing else in the program names QDBusVariant before this.
  qRegisterMetaType<QDBusVariant>();
  bus.connect(kService, kPath, kSettings, QStringLiteral("SettingChanged"), this,
              SLOT(settingChanged(QString, QString, QDBusVariant)));
  QDBusMessage call =
      QDBusMessage::createMethodCall(kService, kPath, kSettings, QStringLiteral("ReadAll"));
  call << QStringList{kAppearance, kGnomeAccess};
  auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call, kReadTimeoutMs), this);
  connect(watcher, &QDBusPendingCallWatcher::finished, this, &ContrastPreference::readAll);
}

// The answer is a{sa{sv}}: for each namespace asked, its keys and values.
void ContrastPreference::readAll(QDBusPendingCallWatcher* call) {
  call->deleteLater();
  const QDBusMessage reply = call->reply();
  if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty()) {
    return;
  }
  const auto settings = reply.arguments().constFirst().value<QDBusArgument>();
  settings.beginMap();
  while (!settings.atEnd()) {
    QString group;
    QVariantMap values;
    settings.beginMapEntry();
    settings >> group >> values;
    settings.endMapEntry();
    for (auto value = values.cbegin(); value != values.cend(); ++value) {
      take(group, value.key(), value.value());
    }
  }
  settings.endMap();
  report();
}

void ContrastPreference::settingChanged(const QString& group, const QString& key,
                                        const QDBusVariant& value) {
  take(group, key, value.variant());
  report();
}

void ContrastPreference::take(const QString& group, const QString& key, const QVariant& value) {
  if (group == kAppearance && key == QLatin1String("contrast")) {
    portalContrast_ = Unwrapped(value).toUInt() == 1;
  } else if (group == kGnomeAccess && key == QLatin1String("high-contrast")) {
    gnomeContrast_ = Unwrapped(value).toBool();
  }
}

void ContrastPreference::report() {
  const Contrast now =
      portalContrast_ || gnomeContrast_ || qtContrast_ ? Contrast::High : Contrast::Designed;
  if (now != contrast_) {
    contrast_ = now;
    Q_EMIT changed(now);
  }
}

}  // namespace quendrel
