// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QDBusVirtualObject>
#include <QVariantMap>

namespace quendrel::test {

// A stand-in for the desktop portal's settings, on a session-bus connection of its own (a private
// bus: dbus-run-session). It answers ReadAll as Debian 12's portal does with GNOME's
// high-contrast setting on, and signals the changes it is told of, as the portal does.
class PortalStandIn final : public QDBusVirtualObject {
 public:
  PortalStandIn() {
    qDBusRegisterMetaType<QMap<QString, QVariantMap>>();
    bus_.registerVirtualObject(Path(), this);
    registered_ = bus_.registerService(QStringLiteral("org.freedesktop.portal.Desktop"));
  }

  // Whether it owns the portal's name: false without a session bus, or where a portal runs.
  [[nodiscard]] bool registered() const { return registered_; }

  [[nodiscard]] QString introspect(const QString& /*path*/) const override { return {}; }
  bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override {
    const QMap<QString, QVariantMap> settings = {
        {QStringLiteral("org.gnome.desktop.a11y.interface"), {{"high-contrast", true}}}};
    return message.member() == QLatin1String("ReadAll") &&
           connection.send(message.createReply(QVariant::fromValue(settings)));
  }

  bool change(const char* group, const char* key, const QVariant& value) {
    QDBusMessage signal =
        QDBusMessage::createSignal(Path(), QStringLiteral("org.freedesktop.portal.Settings"),
                                   QStringLiteral("SettingChanged"));
    signal << QString::fromUtf8(group) << QString::fromUtf8(key)
           << QVariant::fromValue(QDBusVariant(value));
    return bus_.send(signal);
  }

 private:
  static QString Path() { return QStringLiteral("/org/freedesktop/portal/desktop"); }

  QDBusConnection bus_ =
      QDBusConnection::connectToBus(QDBusConnection::SessionBus, QStringLiteral("portal"));
  bool registered_ = false;
};

}  // namespace quendrel::test
