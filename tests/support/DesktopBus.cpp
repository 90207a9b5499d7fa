#include "support/DesktopBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusReply>
#include <QDBusVariant>
#include <QProcess>

namespace testing_support {
namespace {

const QString kScript = QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/scripts/desktop-bus");
const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kPortal = QStringLiteral("org.freedesktop.portal.Desktop");
const QString kLogind = QStringLiteral("org.freedesktop.login1");

// A variant as the mock's call log holds it, arrays and maps demarshalled.
QVariant plain(const QVariant& v) {
    if (v.userType() == qMetaTypeId<QDBusVariant>()) return plain(v.value<QDBusVariant>().variant());
    if (v.userType() != qMetaTypeId<QDBusArgument>()) return v;
    const QDBusArgument arg = v.value<QDBusArgument>();
    if (arg.currentType() == QDBusArgument::MapType) {
        QVariantMap map = qdbus_cast<QVariantMap>(arg);
        for (QVariant& value : map) value = plain(value);
        return map;
    }
    return qdbus_cast<QStringList>(arg);
}

}  // namespace

void DockListener::update(const QString& application, const QVariantMap& properties) {
    applications << application;
    updates << properties;
}

DesktopBus::DesktopBus(const QStringList& services) {
    QProcess start;
    start.start(kScript, QStringList{QStringLiteral("start"), m_dir.path()} + services);
    if (!start.waitForFinished(60000) || start.exitCode() != 0) {
        m_error = QString::fromUtf8(start.readAllStandardError());
        if (m_error.isEmpty()) m_error = QStringLiteral("scripts/desktop-bus did not start");
        return;
    }
    const QString line = QString::fromUtf8(start.readAllStandardOutput()).trimmed().section(QLatin1Char('\n'), -1);
    m_name = QStringLiteral("velloria-test-%1").arg(reinterpret_cast<quintptr>(this));
    m_bus = QDBusConnection::connectToBus(line.section(QLatin1Char('='), 1), m_name);
    m_appBus = QDBusConnection::connectToBus(line.section(QLatin1Char('='), 1), m_name + QStringLiteral("-app"));
    if (!m_bus.isConnected() || !m_appBus.isConnected()) m_error = QStringLiteral("cannot connect to ") + line;
}

DesktopBus::~DesktopBus() {
    if (!m_name.isEmpty()) {
        QDBusConnection::disconnectFromBus(m_name);
        QDBusConnection::disconnectFromBus(m_name + QStringLiteral("-app"));
    }
    QProcess::execute(kScript, {QStringLiteral("stop"), m_dir.path()});
}

QDBusConnection DesktopBus::appConnection() const { return m_appBus; }

std::unique_ptr<desktop::Session> DesktopBus::session(std::chrono::milliseconds noticeAfter) const {
    auto s = std::make_unique<desktop::Session>(m_appBus, m_appBus, QStringLiteral("org.example.Test"));
    s->setNoticeAfter(noticeAfter);
    return s;
}

QList<QVariantList> DesktopBus::calls(const QString& service, const QString& path, const QString& method) const {
    QDBusMessage ask = QDBusMessage::createMethodCall(service, path, QStringLiteral("org.freedesktop.DBus.Mock"),
                                                      QStringLiteral("GetMethodCalls"));
    ask << method;
    const QDBusMessage answer = m_bus.call(ask);
    QList<QVariantList> out;
    if (answer.type() != QDBusMessage::ReplyMessage || answer.arguments().isEmpty()) return out;
    const QDBusArgument log = answer.arguments().constFirst().value<QDBusArgument>();
    log.beginArray();
    while (!log.atEnd()) {
        quint64 when = 0;
        QVariantList args;
        log.beginStructure();
        log >> when >> args;
        log.endStructure();
        for (QVariant& a : args) a = plain(a);
        out << args;
    }
    log.endArray();
    return out;
}

QList<QVariantList> DesktopBus::notifications() const {
    return calls(kNotifications, QStringLiteral("/org/freedesktop/Notifications"), QStringLiteral("Notify"));
}

QList<QVariantList> DesktopBus::portalInhibits() const {
    return calls(kPortal, QStringLiteral("/org/freedesktop/portal/desktop"), QStringLiteral("Inhibit"));
}

QStringList DesktopBus::portalRequestsClosed() const {
    QStringList closed;
    for (int i = 1; i <= portalInhibits().size(); ++i) {
        const QString path = QStringLiteral("/org/freedesktop/portal/desktop/request/1_1/t%1").arg(i);
        if (!calls(kPortal, path, QStringLiteral("Close")).isEmpty()) closed << path;
    }
    return closed;
}

QList<QVariantList> DesktopBus::logindInhibits() const {
    return calls(kLogind, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("Inhibit"));
}

int DesktopBus::logindHeld() const {
    const QDBusMessage answer = m_bus.call(QDBusMessage::createMethodCall(
        kLogind, QStringLiteral("/org/freedesktop/login1"), QStringLiteral("org.freedesktop.login1.Manager"),
        QStringLiteral("ListInhibitors")));
    if (answer.type() != QDBusMessage::ReplyMessage) return -1;
    const QDBusArgument list = answer.arguments().constFirst().value<QDBusArgument>();
    int count = 0;
    list.beginArray();
    while (!list.atEnd()) {
        QString what, who, why, mode;
        uint uid = 0, pid = 0;
        list.beginStructure();
        list >> what >> who >> why >> mode >> uid >> pid;
        list.endStructure();
        ++count;
    }
    list.endArray();
    return count;
}

void DesktopBus::clickNotification(uint id) const {
    QDBusMessage emitting = QDBusMessage::createMethodCall(kNotifications, QStringLiteral("/org/freedesktop/Notifications"),
                                                           QStringLiteral("org.freedesktop.DBus.Mock"),
                                                           QStringLiteral("EmitSignal"));
    emitting << kNotifications << QStringLiteral("ActionInvoked") << QStringLiteral("us")
             << QVariantList{QVariant::fromValue(QDBusVariant(id)), QVariant::fromValue(QDBusVariant(QStringLiteral("default")))};
    m_bus.call(emitting);
}

void DesktopBus::listenToDock(DockListener& listener) const {
    QDBusConnection bus = m_bus;
    bus.connect(QString(), QString(), QStringLiteral("com.canonical.Unity.LauncherEntry"), QStringLiteral("Update"),
                  &listener, SLOT(update(QString, QVariantMap)));
    // The bus has the match rule once it answers a call sent after it.
    bus.call(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.DBus"), QStringLiteral("/org/freedesktop/DBus"),
                                            QStringLiteral("org.freedesktop.DBus"), QStringLiteral("GetId")));
}

}  // namespace testing_support
