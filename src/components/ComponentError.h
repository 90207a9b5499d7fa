#pragma once
// How components report failures. A failed open, create or start is kept as the component's
// state, a ComponentState, which its status() gives in the component's own numbering and its
// reason() gives in words. A look-up returns a LookupResult. Every other failure throws ComponentError, whose readable
// description the calling window shows to the user.

#include <QString>

#include <stdexcept>

class ComponentError : public std::runtime_error {
public:
    explicit ComponentError(const QString& description)
        : std::runtime_error(description.toStdString()), m_description(description) {}
    const QString& description() const noexcept { return m_description; }

private:
    QString m_description;
};

// How a look-up (a local file, a server) went: whether it found what it looked for and, when
// not, why. Each look-up's result carries what it found beside these; nothing is thrown.
struct LookupResult {
    bool found = false;
    QString error;  // why nothing was found; empty when found
};

// Whether the last open, create or start failed and, if so, why.
class ComponentState {
public:
    void succeed() {
        m_failed = false;
        m_reason.clear();
    }
    void fail(const QString& reason) {
        m_failed = true;
        m_reason = reason;
    }
    bool failed() const { return m_failed; }
    // Empty unless failed().
    const QString& reason() const { return m_reason; }

private:
    QString m_reason;
    bool m_failed = false;
};
