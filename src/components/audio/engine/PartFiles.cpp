#include "components/audio/engine/PartFiles.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>

#include <signal.h>

namespace audio {
namespace {

const QString kPartMark = QStringLiteral(".velloria-part-");

QString partName(const QString& output, int entry) {
    const QFileInfo info(output);
    return info.absolutePath() + QStringLiteral("/.") + info.completeBaseName() + kPartMark +
           QString::number(QCoreApplication::applicationPid()) + QLatin1Char('-') + QString::number(entry);
}

// The process that wrote a part name; 0 when the name holds none.
qint64 writerOf(const QString& name) {
    const qsizetype at = name.indexOf(kPartMark);
    if (at < 0) return 0;
    const qsizetype from = at + kPartMark.size();
    bool ok = false;
    const qint64 pid = name.mid(from, name.indexOf(QLatin1Char('-'), from) - from).toLongLong(&ok);
    return ok && pid > 0 ? pid : 0;
}

bool stillRunning(qint64 pid) {
    if (pid == QCoreApplication::applicationPid()) return true;
    return ::kill(static_cast<pid_t>(pid), 0) == 0 || errno != ESRCH;
}

}  // namespace

QString partFileFor(const QString& output, int entry) {
    return partName(output, entry) + QLatin1Char('.') + QFileInfo(output).suffix();
}

QString partFolderFor(const QString& output, int entry) { return partName(output, entry); }

bool isPartName(const QString& name) { return name.startsWith(QLatin1Char('.')) && name.contains(kPartMark); }

bool replaceWith(const QString& from, const QString& to) {
    std::error_code ec;
    std::filesystem::rename(std::filesystem::path(QFile::encodeName(from).toStdString()),
                            std::filesystem::path(QFile::encodeName(to).toStdString()), ec);
    return !ec;
}

void removeLeftoverParts(const QString& folder) {
    const QDir dir(folder);
    const QStringList names = dir.entryList({QStringLiteral(".*") + kPartMark + QStringLiteral("*")},
                                            QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot);
    for (const QString& name : names) {
        const qint64 pid = writerOf(name);
        if (pid == 0 || stillRunning(pid)) continue;
        const QFileInfo info(dir.filePath(name));
        // A link is removed as itself, never followed.
        if (info.isDir() && !info.isSymLink()) QDir(info.filePath()).removeRecursively();
        else QFile::remove(info.filePath());
    }
}

}  // namespace audio
