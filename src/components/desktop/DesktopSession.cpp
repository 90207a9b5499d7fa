#include "components/desktop/DesktopSession.h"

#include "components/desktop/Inhibition.h"

#include <QCoreApplication>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QPointer>
#include <QStringList>
#include <QVariantMap>

#include <algorithm>
#include <cmath>

namespace desktop {
namespace {

const QString kNotifications = QStringLiteral("org.freedesktop.Notifications");
const QString kNotificationsPath = QStringLiteral("/org/freedesktop/Notifications");
const QString kLauncherInterface = QStringLiteral("com.canonical.Unity.LauncherEntry");
const QString kLauncherPath = QStringLiteral("/com/canonical/unity/launcherentry/velloria");
const QString kDefaultAction = QStringLiteral("default");

std::unique_ptr<Session>& sharedSlot() {
    static std::unique_ptr<Session> session;
    return session;
}

}  // namespace

QString programName() { return QStringLiteral("Velloria"); }

Session::Session(QDBusConnection session, QDBusConnection system, QString applicationId, QObject* parent)
    : QObject(parent), m_session(std::move(session)), m_system(std::move(system)),
      m_applicationId(std::move(applicationId)) {
    if (!m_session.isConnected()) return;
    m_session.connect(kNotifications, kNotificationsPath, kNotifications, QStringLiteral("ActionInvoked"), this,
                      SLOT(actionInvoked(uint, QString)));
    m_session.connect(kNotifications, kNotificationsPath, kNotifications, QStringLiteral("NotificationClosed"), this,
                      SLOT(notificationClosed(uint, uint)));
}

Session::~Session() {
    if (m_percentShown >= 0) clearProgress();
}

Session& Session::shared(const QString& applicationId) {
    std::unique_ptr<Session>& slot = sharedSlot();
    if (!slot) slot = std::make_unique<Session>(QDBusConnection::sessionBus(), QDBusConnection::systemBus(), applicationId);
    return *slot;
}

void Session::replaceShared(std::unique_ptr<Session> session) { sharedSlot() = std::move(session); }

void Session::notify(const QString& summary, const QString& body, std::function<void()> clicked) {
    if (!m_session.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(kNotifications, kNotificationsPath, kNotifications,
                                                       QStringLiteral("Notify"));
    const QVariantMap hints{{QStringLiteral("desktop-entry"), m_applicationId}};
    //: The notification's button that brings the job's window back.
    const QString show = QCoreApplication::translate("DesktopSession", "Show");
    call << programName() << 0U << m_applicationId << summary << body << QStringList{kDefaultAction, show} << hints
         << -1;
    auto* watcher = new QDBusPendingCallWatcher(m_session.asyncCall(call), this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [this, clicked = std::move(clicked)](QDBusPendingCallWatcher* w) {
        const QDBusPendingReply<uint> reply = *w;
        if (!reply.isError() && clicked) m_clicks.insert(reply.value(), clicked);
        w->deleteLater();
    });
}

void Session::actionInvoked(uint id, const QString& action) {
    if (action != kDefaultAction) return;
    const auto found = m_clicks.constFind(id);
    if (found != m_clicks.constEnd() && *found) (*found)();
}

void Session::notificationClosed(uint id, uint) { m_clicks.remove(id); }

void Session::showProgress(double fraction) {
    const int percent = static_cast<int>(std::floor(std::clamp(fraction, 0.0, 1.0) * 100.0));
    // The bus hears of each whole percent once, not of every block.
    if (percent == m_percentShown) return;
    m_percentShown = percent;
    sendProgress(percent / 100.0, true);
}

void Session::clearProgress() {
    m_percentShown = -1;
    sendProgress(0.0, false);
}

void Session::sendProgress(double fraction, bool visible) {
    if (!m_session.isConnected()) return;
    QDBusMessage update = QDBusMessage::createSignal(kLauncherPath, kLauncherInterface, QStringLiteral("Update"));
    const QVariantMap properties{{QStringLiteral("progress"), fraction}, {QStringLiteral("progress-visible"), visible}};
    update << QStringLiteral("application://%1.desktop").arg(m_applicationId) << properties;
    m_session.send(update);
}

std::unique_ptr<Inhibition> Session::inhibit(const QString& reason) {
    return std::make_unique<Inhibition>(m_session, m_system, programName(), reason);
}

}  // namespace desktop
