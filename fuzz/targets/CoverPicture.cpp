#include "Targets.h"

#include "components/audio/cd/CdTrackTags.h"
#include "components/net/MusicBrainz.h"

#include <QFile>
#include <QTemporaryDir>

#include <array>

namespace fuzz_targets {
namespace {

// The picture formats tags carry, by their first bytes, told apart here on their own so that
// the check is compared with something other than itself.
QString signatureType(const QByteArray& b) {
    if (b.startsWith("\xff\xd8\xff")) return QStringLiteral("image/jpeg");
    if (b.startsWith("\x89PNG\r\n\x1a\n")) return QStringLiteral("image/png");
    if (b.startsWith("GIF87a") || b.startsWith("GIF89a")) return QStringLiteral("image/gif");
    if (b.startsWith("RIFF") && b.mid(8, 4) == "WEBP") return QStringLiteral("image/webp");
    return {};
}

}  // namespace

void coverPicture(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return;
    static const QTemporaryDir folder;
    static const std::array<const char*, 8> types{"",          "image/jpeg", "image/png",     "image/gif",
                                                  "image/webp", "application/octet-stream", "text/html", "image/svg+xml"};
    const QByteArray contentType(types[data[0] % types.size()]);
    const QByteArray body(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    const QString type = signatureType(body);
    if (!net::isCoverPicture(contentType, body)) return;
    require(!type.isEmpty(), "bytes that are no picture are taken for a cover");
    require(contentType.isEmpty() || contentType.startsWith("image/") || contentType == "application/octet-stream",
            "a cover stated to be no picture is taken");

    DiscInfo info;
    info.coverPath = folder.path() + QStringLiteral("/cover.") + coverFileSuffix(body);
    QFile file(info.coverPath);
    require(file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(body) == body.size(), "the cover cannot be saved");
    file.close();
    const QList<AudioInfo::Picture> pictures = coverPictures(info);
    QFile::remove(info.coverPath);
    require(pictures.size() == 1 && pictures.first().data == body, "a saved cover is not embedded as it is");
    require(pictures.first().mimeType == type, "a cover is embedded with the type of another format");
    require(type.endsWith(coverFileSuffix(body) == QLatin1String("jpg") ? QStringLiteral("jpeg") : coverFileSuffix(body)),
            "a cover is saved with the extension of another format");
}

}  // namespace fuzz_targets
