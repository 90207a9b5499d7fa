#include "support/CliRuns.h"

#include "support/CoreSupport.h"
#include "support/Signals.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>

namespace testing_support {

QString convertProgram() { return programDirForTests() + QStringLiteral("/velloria-convert"); }

CommandResult runCommand(const QStringList& arguments, const QString& workDir, const QString& configHome,
                         const QString& program) {
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), configHome);
    env.insert(QStringLiteral("XDG_CACHE_HOME"), configHome + QStringLiteral("/cache"));
    p.setProcessEnvironment(env);
    p.setWorkingDirectory(workDir);
    p.start(program.isEmpty() ? convertProgram() : program, arguments);
    CommandResult r;
    if (!p.waitForStarted() || !p.waitForFinished(-1)) return r;
    r.out = QString::fromLocal8Bit(p.readAllStandardOutput());
    r.err = QString::fromLocal8Bit(p.readAllStandardError());
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
    return r;
}

QStringList makeWavTree(const QString& root, int count, double seconds) {
    QStringList made;
    for (int i = 0; i < count; ++i) {
        // Three levels: the root, five folders, and a sub-folder in every other one.
        QString folder = i % 3 == 0 ? QString() : QStringLiteral("d%1/").arg(i % 5);
        if (i % 3 == 2) folder += QStringLiteral("sub/");
        const QString relative = folder + QStringLiteral("t%1.wav").arg(i, 2, 10, QLatin1Char('0'));
        QDir(root).mkpath(folder.isEmpty() ? QStringLiteral(".") : folder);
        const QString error = writeAudioFile(QDir(root).filePath(relative), musicTone(44100, 2, seconds, static_cast<unsigned>(i + 1)), 44100, 2);
        if (error.isEmpty()) made << relative;
    }
    return made;
}

QMap<QString, QByteArray> filesUnder(const QString& root) {
    QMap<QString, QByteArray> files;
    QDirIterator it(root, QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        QFile f(path);
        if (f.open(QIODevice::ReadOnly)) files.insert(QDir(root).relativeFilePath(path), f.readAll());
    }
    return files;
}

}  // namespace testing_support
