#include "components/audio/engine/FileOps.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace audio {

namespace {
// Paths as the file system spells them (the locale's encoding), not as UTF-8.
std::filesystem::path nativePath(const QString& path) { return {QFile::encodeName(path).toStdString()}; }
}  // namespace

bool sameFile(const QString& a, const QString& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(nativePath(a), nativePath(b), ec);
    return !ec && same;
}

bool removeForced(const QString& path) { return removeSource(path).isEmpty(); }

QString removeSource(const QString& path) {
    // Permissions are those of a link's target: a link is removed as it is.
    if (!QFileInfo(path).isSymLink()) {
        QFile file(path);
        file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    }
    std::error_code ec;
    if (std::filesystem::remove(nativePath(path), ec)) return {};
    return ec ? QString::fromLocal8Bit(ec.message().c_str()) : QCoreApplication::translate("FileOps", "it does not exist");
}

QString nameWithoutExtension(const QString& path) {
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    // No dot, or only dots before the last one: a hidden name (".mp3", "..wav") has no extension.
    const bool noExtension = dot < 0 || name.left(dot).count(QLatin1Char('.')) == dot;
    return noExtension ? name : name.left(dot);
}

}  // namespace audio
