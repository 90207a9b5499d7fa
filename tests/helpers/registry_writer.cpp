// Writes many values through CRegister, so that tests can run several at once and check
// that no program loses another's values.
// Usage: registry_writer <key path> <value-name prefix> <count> [start file]
// With a start file it waits until that file exists, so that two writers begin together.
// Exits 0 when every write reported success.
#include "components/store/CRegister.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QFileInfo>
#include <QThread>

#include <cstdio>

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 4) {
        std::fputs("usage: registry_writer <key path> <prefix> <count> [start file]\n", stderr);
        return 2;
    }
    if (args.size() > 4) {
        QDeadlineTimer limit(20000);
        while (!QFileInfo::exists(args[4]) && !limit.hasExpired()) QThread::msleep(1);
    }
    const QString& prefix = args[2];
    const int count = args[3].toInt();
    CRegister reg;
    int failures = 0;
    for (int i = 0; i < count; ++i) {
        const QString name = prefix + QString::number(i);
        if (!reg.REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, args[1], name, name + QStringLiteral(" value")))
            ++failures;
    }
    if (failures) std::fprintf(stderr, "%d writes failed\n", failures);
    return failures ? 1 : 0;
}
