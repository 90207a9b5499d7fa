#include "components/desktop/Inhibition.h"

#include <QDBusMessage>
#include <QDBusObjectPath>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QDBusUnixFileDescriptor>
#include <QVariantMap>

#include <optional>

namespace desktop {

// Shared with the answers still on their way: an inhibition released before its answer came
// is released as the answer comes.
struct Inhibition::State {
    QDBusConnection session;
    QDBusConnection system;
    QString who;
    QString reason;
    bool released = false;
    QString request;                               // the portal's request to close
    std::optional<QDBusUnixFileDescriptor> held;   // logind's descriptor to close
};

namespace {

void closeRequest(const Inhibition::State& state) {
    state.session.send(QDBusMessage::createMethodCall(QStringLiteral("org.freedesktop.portal.Desktop"), state.request,
                                                      QStringLiteral("org.freedesktop.portal.Request"),
                                                      QStringLiteral("Close")));
}

template <typename Answer>
void whenAnswered(QDBusConnection& bus, const QDBusMessage& call, Answer answer) {
    auto* watcher = new QDBusPendingCallWatcher(bus.asyncCall(call));
    QObject::connect(watcher, &QDBusPendingCallWatcher::finished, watcher, [answer](QDBusPendingCallWatcher* w) {
        answer(*w);
        w->deleteLater();
    });
}

void askLogind(const std::shared_ptr<Inhibition::State>& state) {
    if (state->released || !state->system.isConnected()) return;
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.login1"), QStringLiteral("/org/freedesktop/login1"),
        QStringLiteral("org.freedesktop.login1.Manager"), QStringLiteral("Inhibit"));
    call << QStringLiteral("sleep:idle") << state->who << state->reason << QStringLiteral("block");
    whenAnswered(state->system, call, [state](const QDBusPendingCallWatcher& w) {
        const QDBusPendingReply<QDBusUnixFileDescriptor> reply = w;
        // Released already: the descriptor closes as the answer goes.
        if (!reply.isError() && !state->released) state->held = reply.value();
    });
}

void askPortal(const std::shared_ptr<Inhibition::State>& state) {
    if (!state->session.isConnected()) {
        askLogind(state);
        return;
    }
    QDBusMessage call = QDBusMessage::createMethodCall(
        QStringLiteral("org.freedesktop.portal.Desktop"), QStringLiteral("/org/freedesktop/portal/desktop"),
        QStringLiteral("org.freedesktop.portal.Inhibit"), QStringLiteral("Inhibit"));
    call << QString() << kPortalSuspendAndIdle << QVariantMap{{QStringLiteral("reason"), state->reason}};
    whenAnswered(state->session, call, [state](const QDBusPendingCallWatcher& w) {
        const QDBusPendingReply<QDBusObjectPath> reply = w;
        if (reply.isError()) {
            askLogind(state);
            return;
        }
        state->request = reply.value().path();
        if (state->released) closeRequest(*state);
    });
}

}  // namespace

Inhibition::Inhibition(QDBusConnection session, QDBusConnection system, const QString& who, const QString& reason)
    : m_state(std::make_shared<State>(State{std::move(session), std::move(system), who, reason, false, {}, {}})) {
    askPortal(m_state);
}

Inhibition::~Inhibition() {
    m_state->released = true;
    if (!m_state->request.isEmpty()) closeRequest(*m_state);
    m_state->held.reset();
}

}  // namespace desktop
