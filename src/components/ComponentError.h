#pragma once
// The one exception type every outside component throws for a failure other than a failed
// open or create (those set a negative status instead). It carries a readable description
// that the calling window shows to the user.

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
