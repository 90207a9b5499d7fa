#pragma once
// A catalogue that "translates" every text of the given contexts by putting it between « and »,
// placeholders kept: a test can tell where a text was translated and where it stayed English.
// Installed for the lifetime of the object.

#include <QCoreApplication>
#include <QStringList>
#include <QTranslator>

namespace testing_support {

class MarkingTranslator : public QTranslator {
public:
    explicit MarkingTranslator(QStringList contexts) : m_contexts(std::move(contexts)) {
        QCoreApplication::installTranslator(this);
    }
    ~MarkingTranslator() override { QCoreApplication::removeTranslator(this); }

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* source, const char* = nullptr, int = -1) const override {
        if (!m_contexts.contains(QLatin1String(context))) return {};
        return QStringLiteral("«%1»").arg(QString::fromUtf8(source));
    }

private:
    QStringList m_contexts;
};

}  // namespace testing_support
