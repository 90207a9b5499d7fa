#include "components/net/MusicBrainz.h"

#include "components/audio/DiscInfoLookup.h"
#include "components/net/HttpGet.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QUrl>

namespace net {
namespace {

constexpr int kMusicBrainzGapMs = 1000;

// "Artist A & Artist B" from an artist credit: each name with its join phrase.
QString creditText(const QJsonArray& credit) {
    QString text;
    for (const QJsonValue& part : credit) {
        const QJsonObject o = part.toObject();
        text += o.value(QLatin1String("name")).toString() + o.value(QLatin1String("joinphrase")).toString();
    }
    return text.trimmed();
}

QString firstArtistId(const QJsonArray& credit) {
    return credit.isEmpty() ? QString()
                            : credit.first().toObject().value(QLatin1String("artist")).toObject().value(QLatin1String("id")).toString();
}

bool holdsDisc(const QJsonObject& medium, const QString& discId) {
    for (const QJsonValue& disc : medium.value(QLatin1String("discs")).toArray())
        if (disc.toObject().value(QLatin1String("id")).toString() == discId) return true;
    return false;
}

QString base(const QString& server) {
    QString s = server.trimmed();
    while (s.endsWith(u'/')) s.chop(1);
    return s;
}

}  // namespace

ReleaseLookup parseDiscIdAnswer(const QByteArray& json, const QString& discId, const DiscToc& toc) {
    ReleaseLookup out;
    QJsonParseError parseError;
    const QJsonDocument doc = QJsonDocument::fromJson(json, &parseError);
    if (!doc.isObject()) {
        out.error = QStringLiteral("MusicBrainz sent an answer that is not JSON (%1).").arg(parseError.errorString());
        return out;
    }
    const QJsonArray releases = doc.object().value(QLatin1String("releases")).toArray();
    for (const QJsonValue& value : releases) {
        const QJsonObject r = value.toObject();
        const QJsonArray media = r.value(QLatin1String("media")).toArray();
        QJsonObject medium;
        for (const QJsonValue& m : media)
            if (holdsDisc(m.toObject(), discId)) {
                medium = m.toObject();
                break;
            }
        if (medium.isEmpty()) continue;
        Release release;
        release.title = r.value(QLatin1String("title")).toString();
        const QJsonArray credit = r.value(QLatin1String("artist-credit")).toArray();
        release.artist = creditText(credit);
        release.date = r.value(QLatin1String("date")).toString();
        release.country = r.value(QLatin1String("country")).toString();
        const QJsonArray labels = r.value(QLatin1String("label-info")).toArray();
        if (!labels.isEmpty())
            release.label = labels.first().toObject().value(QLatin1String("label")).toObject().value(QLatin1String("name")).toString();
        release.format = medium.value(QLatin1String("format")).toString();
        release.mediumPosition = medium.value(QLatin1String("position")).toInt(1);
        release.mediumCount = int(media.size());

        DiscInfo& info = release.info;
        info.discId = cddbDiscId(toc);
        info.source = QStringLiteral("MusicBrainz");
        info.album = release.title;
        info.artist = release.artist;
        info.date = release.date;
        info.year = release.date.left(4).toInt();
        info.releaseId = r.value(QLatin1String("id")).toString();
        info.artistId = firstArtistId(credit);
        const QJsonArray tracks = medium.value(QLatin1String("tracks")).toArray();
        for (int i = 0; i < toc.trackCount(); ++i) {
            const QJsonObject track = i < tracks.size() ? tracks[i].toObject() : QJsonObject();
            const QJsonObject recording = track.value(QLatin1String("recording")).toObject();
            QString title = track.value(QLatin1String("title")).toString();
            if (title.isEmpty()) title = recording.value(QLatin1String("title")).toString();
            info.trackTitles << title;
            info.recordingIds << recording.value(QLatin1String("id")).toString();
        }
        out.releases.push_back(std::move(release));
    }
    if (out.releases.empty()) out.error = QStringLiteral("MusicBrainz knows no release with disc id %1.").arg(discId);
    return out;
}

ReleaseLookup lookupMusicBrainz(const DiscToc& toc, const GrabSettings& settings) {
    ReleaseLookup out;
    const QString discId = musicBrainzDiscId(toc);
    if (discId.isEmpty()) {
        out.error = QStringLiteral("There is no audio disc to look up.");
        return out;
    }
    const QUrl url(base(settings.musicBrainzServer) + QStringLiteral("/ws/2/discid/") + discId +
                   QStringLiteral("?inc=recordings+artist-credits+labels&fmt=json"));
    const HttpAnswer answer = httpGet(url, userAgent(settings.email), settings.cddbTimeOut, kMusicBrainzGapMs);
    if (!answer.error.isEmpty()) {
        out.error = QStringLiteral("MusicBrainz could not be asked about disc %1: %2").arg(discId, answer.error);
        return out;
    }
    if (answer.status == 404) {
        out.error = QStringLiteral("MusicBrainz knows no release with disc id %1.").arg(discId);
        return out;
    }
    if (!answer.ok()) {
        out.error = QStringLiteral("MusicBrainz answered the look-up of disc %1 with HTTP status %2.").arg(discId).arg(answer.status);
        return out;
    }
    return parseDiscIdAnswer(answer.body, discId, toc);
}

QByteArray fetchFrontCover(const QString& releaseId, const GrabSettings& settings, QString* error) {
    const QUrl url(base(settings.coverArtServer) + QStringLiteral("/release/") + releaseId + QStringLiteral("/front"));
    const HttpAnswer answer = httpGet(url, userAgent(settings.email), settings.cddbTimeOut);
    if (answer.ok() && !answer.body.isEmpty()) return answer.body;
    if (error)
        *error = !answer.error.isEmpty() ? answer.error
                 : answer.status == 404  ? QStringLiteral("The release has no front cover.")
                                         : QStringLiteral("The cover archive answered with HTTP status %1.").arg(answer.status);
    return {};
}

}  // namespace net
