#include "support/CoreSupport.h"

#include "components/ComponentError.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace testing_support {

bool waitFor(const std::function<bool()>& condition, int limitMs) {
    QDeadlineTimer deadline(limitMs);
    while (!condition()) {
        if (deadline.hasExpired()) return condition();
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        QThread::msleep(5);
    }
    return true;
}

void expectComponentError(const std::function<void()>& call, const QStringList& mentions) {
    try {
        call();
        ADD_FAILURE() << "no error was raised";
    } catch (const ComponentError& e) {
        for (const QString& m : mentions)
            EXPECT_TRUE(e.description().contains(m)) << e.description().toStdString() << " lacks " << m.toStdString();
    }
}

QString programDirForTests() { return QStringLiteral(VELLORIA_TEST_PROGRAM_DIR); }


}  // namespace testing_support
