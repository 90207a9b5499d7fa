#pragma once
// What the program asks of the desktop it runs on, over D-Bus: a notification when a long job
// ends (org.freedesktop.Notifications), the session kept awake while a job runs (the desktop
// portal's Inhibit, or logind's where there is no portal), and a job's progress on the
// program's dock entry (the LauncherEntry Update signal). Qt Core and Qt D-Bus only.
//
// Every request is sent without waiting for its answer, and a service that is not there only
// means that nothing happens: the jobs run exactly as they do without a desktop.
//
// Threads: the user-interface thread (the answers arrive through its event loop).

#include <QDBusConnection>
#include <QHash>
#include <QObject>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>

namespace desktop {

class Inhibition;

class Session : public QObject {
    Q_OBJECT
public:
    // `session` reaches the notification server, the portal and the dock; `system` reaches
    // logind. `applicationId` is the desktop entry's file name without ".desktop".
    Session(QDBusConnection session, QDBusConnection system, QString applicationId, QObject* parent = nullptr);
    ~Session() override;

    // The one the windows use; made on the session and system buses at the first call.
    // `applicationId` names the program's desktop entry then.
    static Session& shared(const QString& applicationId);
    // Puts `session` in place of the shared one (the tests' mock buses); none: made again.
    static void replaceShared(std::unique_ptr<Session> session);

    // A job that ran at least this long gets a notification at its end (30 seconds).
    std::chrono::milliseconds noticeAfter() const { return m_noticeAfter; }
    void setNoticeAfter(std::chrono::milliseconds after) { m_noticeAfter = after; }

    // Shows a notification; `clicked` runs when the user clicks it (its "default" action).
    void notify(const QString& summary, const QString& body, std::function<void()> clicked);
    // The dock entry's progress bar at `fraction` (0..1); clearProgress() hides it.
    void showProgress(double fraction);
    void clearProgress();
    // Keeps the session from suspending and going idle until the result is destroyed.
    std::unique_ptr<Inhibition> inhibit(const QString& reason);

    QDBusConnection sessionBus() const { return m_session; }
    QDBusConnection systemBus() const { return m_system; }
    QString applicationId() const { return m_applicationId; }

private Q_SLOTS:
    void actionInvoked(uint id, const QString& action);
    void notificationClosed(uint id, uint reason);

private:
    void sendProgress(double fraction, bool visible);

    QDBusConnection m_session;
    QDBusConnection m_system;
    QString m_applicationId;
    std::chrono::milliseconds m_noticeAfter{30000};
    QHash<uint, std::function<void()>> m_clicks;  // by notification id
    int m_percentShown = -1;                      // on the dock; -1: hidden
};

// The program's name as the desktop shows it beside a notification or an inhibition.
QString programName();

}  // namespace desktop
