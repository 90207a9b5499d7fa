#include "components/audio/cd/CdTrackTags.h"

#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"

#include <QFile>

std::optional<DiscInfo> knownDiscInfo(const CdGrabber& grabber, const QString& cdplayerIni) {
    if (!cdplayerIni.isEmpty()) {
        const DiscInfoResult stored = readCdplayerIni(grabber.toc(), cdplayerIni);
        if (stored.found) return stored.info;
    }
    bool found = false;
    DiscInfo text = grabber.cdText(&found);
    if (!found) return std::nullopt;
    text.source = QStringLiteral("CD-Text");
    return text;
}

DiscFacts discFacts(const CdGrabber& grabber, int track) {
    return {grabber.audioTrackCount(), musicBrainzDiscId(grabber.toc()), grabber.isrc(track),
            grabber.preEmphasis(track) && !grabber.settings().deEmphasise};
}

QMap<QString, QStringList> cdTrackTags(const DiscInfo* info, int track, const DiscFacts& disc) {
    QMap<QString, QStringList> tags;
    const auto put = [&](const char* key, const QString& value) {
        if (!value.isEmpty()) tags.insert(QLatin1String(key), {value});
    };
    const auto number = [](int n) { return n > 0 ? QString::number(n) : QString(); };
    const int i = track - 1;
    put("TRACKNUMBER", track == 0 ? QStringLiteral("0") : number(track));
    put("TRACKTOTAL", number(disc.trackTotal));
    put("MUSICBRAINZ_DISCID", disc.musicBrainzDiscId);
    put("ISRC", disc.isrc);
    if (disc.preEmphasis) put("PRE_EMPHASIS", QStringLiteral("1"));
    if (track == 0) put("TITLE", QStringLiteral("Hidden track"));
    if (!info) return tags;
    const QString trackArtist = info->trackArtists.value(i);
    put("ARTIST", trackArtist.isEmpty() ? info->artist : trackArtist);
    put("ALBUMARTIST", info->artist);
    put("ALBUM", info->album);
    if (track > 0) put("TITLE", info->trackTitles.value(i));
    put("GENRE", info->genre);
    put("DATE", info->date.isEmpty() ? number(info->year) : info->date);
    put("DISCNUMBER", number(info->discNumber));
    put("DISCTOTAL", number(info->discTotal));
    if (disc.isrc.isEmpty()) put("ISRC", info->isrcs.value(i));
    put("MUSICBRAINZ_ALBUMID", info->releaseId);
    put("MUSICBRAINZ_ALBUMARTISTID", info->artistId);
    const QString trackArtistId = info->trackArtistIds.value(i);
    put("MUSICBRAINZ_ARTISTID", trackArtistId.isEmpty() ? info->artistId : trackArtistId);
    put("MUSICBRAINZ_TRACKID", info->recordingIds.value(i));
    put("MUSICBRAINZ_RELEASETRACKID", info->releaseTrackIds.value(i));
    return tags;
}

QList<AudioInfo::Picture> coverPictures(const DiscInfo& info) {
    if (info.coverPath.isEmpty()) return {};
    QFile cover(info.coverPath);
    if (!cover.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = cover.readAll();
    const QString mime = coverMimeType(data);
    if (mime.isEmpty()) return {};
    return {{data, mime, QStringLiteral("Front Cover")}};
}

namespace {

struct PictureFormat {
    const char* mimeType;
    const char* suffix;
};

// Tags name a picture's format; players trust the name, so it comes from the bytes themselves.
const PictureFormat* pictureFormat(const QByteArray& b) {
    static const PictureFormat jpeg{"image/jpeg", "jpg"}, png{"image/png", "png"}, gif{"image/gif", "gif"},
        webp{"image/webp", "webp"};
    if (b.startsWith("\xff\xd8\xff")) return &jpeg;
    if (b.startsWith("\x89PNG\r\n\x1a\n")) return &png;
    if (b.startsWith("GIF87a") || b.startsWith("GIF89a")) return &gif;
    if (b.startsWith("RIFF") && b.mid(8, 4) == "WEBP") return &webp;
    return nullptr;
}

}  // namespace

QString coverMimeType(const QByteArray& bytes) {
    const PictureFormat* format = pictureFormat(bytes);
    return format ? QString::fromLatin1(format->mimeType) : QString();
}

QString coverFileSuffix(const QByteArray& bytes) {
    const PictureFormat* format = pictureFormat(bytes);
    return format ? QString::fromLatin1(format->suffix) : QString();
}
