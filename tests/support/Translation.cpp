#include "support/Translation.h"

#include <QCoreApplication>

namespace testing_support {

BracketingTranslator::BracketingTranslator(const QStringList& contexts) : m_contexts(contexts) {
    QCoreApplication::installTranslator(this);
}

BracketingTranslator::~BracketingTranslator() { QCoreApplication::removeTranslator(this); }

QString BracketingTranslator::translate(const char* context, const char* sourceText, const char*, int) const {
    if (!m_contexts.isEmpty() && !m_contexts.contains(QLatin1String(context))) return {};
    return QLatin1Char('[') + QString::fromUtf8(sourceText) + QLatin1Char(']');
}

}  // namespace testing_support
