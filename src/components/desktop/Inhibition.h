#pragma once
// The session kept awake: taken when made, released when destroyed, whether or not the
// desktop has answered yet. The desktop portal is asked first (Inhibit with the suspend and
// idle flags; released by closing its request); where it is not there, logind (Inhibit
// "sleep:idle" in block mode; released by closing the descriptor it returned); where neither
// is, nothing is held.

#include <QDBusConnection>
#include <QString>

#include <memory>

namespace desktop {

class Inhibition {
public:
    Inhibition(QDBusConnection session, QDBusConnection system, const QString& who, const QString& reason);
    ~Inhibition();
    Inhibition(const Inhibition&) = delete;
    Inhibition& operator=(const Inhibition&) = delete;

    struct State;

private:
    std::shared_ptr<State> m_state;
};

// The portal's flags for suspend and idle.
constexpr unsigned kPortalSuspendAndIdle = 4U | 8U;

}  // namespace desktop
