#pragma once
// A private session bus with mock desktop services (scripts/desktop-bus): the notification
// server, logind and the desktop portal's Inhibit as the test names them. The tests read what
// the mocks were asked, make a mock emit a signal, and listen to the dock entry's signal.

#include "components/desktop/DesktopSession.h"

#include <QDBusConnection>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>
#include <QTemporaryDir>
#include <QVariantList>
#include <QVariantMap>

#include <chrono>
#include <memory>

namespace testing_support {

// The LauncherEntry Update signals heard on a bus: their properties, in order.
class DockListener : public QObject {
    Q_OBJECT
public:
    QList<QVariantMap> updates;
    QStringList applications;
public Q_SLOTS:
    void update(const QString& application, const QVariantMap& properties);
};

class DesktopBus {
public:
    // Services: "notifications", "logind", "portal"; none: an empty bus.
    explicit DesktopBus(const QStringList& services);
    ~DesktopBus();
    DesktopBus(const DesktopBus&) = delete;
    DesktopBus& operator=(const DesktopBus&) = delete;

    // Empty when the bus and its services run; else why not.
    QString error() const { return m_error; }
    // A desktop session over this bus (as both the session and the system bus), noticing jobs
    // that took `noticeAfter` or longer.
    std::unique_ptr<desktop::Session> session(std::chrono::milliseconds noticeAfter) const;
    // The connection that session uses.
    QDBusConnection appConnection() const;

    // The arguments of each call of `method` the mock of `service` took on `path`.
    QList<QVariantList> calls(const QString& service, const QString& path, const QString& method) const;
    QList<QVariantList> notifications() const;  // Notify calls
    QList<QVariantList> portalInhibits() const;
    // The portal requests closed so far (their paths).
    QStringList portalRequestsClosed() const;
    QList<QVariantList> logindInhibits() const;
    // Inhibitors logind holds now (their descriptors still open).
    int logindHeld() const;
    // The notification server says that notification `id` was clicked.
    void clickNotification(uint id) const;
    // Listens for the dock entry's Update signal.
    void listenToDock(DockListener& listener) const;

private:
    QTemporaryDir m_dir;
    QString m_error;
    QDBusConnection m_bus{QString()};     // the test's
    QDBusConnection m_appBus{QString()};  // the desktop session's under test
    QString m_name;
};

}  // namespace testing_support
