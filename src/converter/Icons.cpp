#include "converter/Icons.h"

#include "components/audio/Formats.h"
#include "shell/WindowServices.h"

#include <QComboBox>
#include <QFile>
#include <QFileIconProvider>
#include <QFileInfo>
#include <QMimeDatabase>
#include <QPixmap>


namespace {

// Creates the empty sample file when nothing of that name is there. True only when this
// call created it, so that only such a file is removed afterwards. NewOnly refuses any
// existing entry, also a dangling link, so a user's file is never opened for writing.
bool createSampleFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::NewOnly)) return false;
    file.close();
    return true;
}

void removeSampleFile(const QString& path) {
    QFile::setPermissions(path, QFile::permissions(path) | QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(path);
}

// The icon drawn at `px` pixels, or a null icon when it draws nothing.
QIcon sized(const QIcon& icon, int px) {
    if (icon.isNull()) return {};
    const QPixmap pixmap = icon.pixmap(QSize(px, px));
    return pixmap.isNull() ? QIcon() : QIcon(pixmap);
}

}  // namespace

void FillFormatList(QComboBox* combo) {
    if (!combo) return;
    combo->clear();
    const QString dir = ui::programDir();
    // In stored index order: the list's position + 1 is what the window stores.
    for (const audio::OutputFormat* format : audio::converterFormatList()) {
        // The icon is that of the type of a file with the format's extension.
        const QString iconName = QStringLiteral("test.") + QLatin1String(format->extension);
        const QString samplePath = dir + QLatin1Char('/') + iconName;
        const bool created = createSampleFile(samplePath);

        const std::optional<QIcon> icon = GetFileIcon(iconName, 1);
        const QString text = format->shownCaption();
        const QString key = QString::fromLatin1(format->key);
        if (icon)
            combo->addItem(*icon, text, key);
        else
            combo->addItem(text, key);

        if (created) removeSampleFile(samplePath);
    }
}

std::optional<QIcon> GetFileIcon(const QString& fileName, int sizeCode) {
    const int px = sizeCode == 2 ? 32 : 16;
    const QMimeType mime = QMimeDatabase().mimeTypeForFile(fileName, QMimeDatabase::MatchExtension);
    QIcon icon = sized(QIcon::fromTheme(mime.iconName()), px);
    if (icon.isNull()) icon = sized(QIcon::fromTheme(mime.genericIconName()), px);
    const QFileIconProvider provider;
    if (icon.isNull()) icon = sized(provider.icon(QFileInfo(fileName)), px);
    // The provider gives nothing for a name that exists nowhere: the plain file icon then.
    if (icon.isNull()) icon = sized(provider.icon(QAbstractFileIconProvider::File), px);
    return IconToPicture(icon);
}

std::optional<QIcon> IconToPicture(const QIcon& icon) {
    if (icon.isNull()) return std::nullopt;
    return icon;
}
