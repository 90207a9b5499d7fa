#include "components/audio/FileOps.h"

#include <QFile>

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

bool removeForced(const QString& path) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return file.remove();
}

}  // namespace audio
