#include "components/net/MusicBrainz.h"

#include "components/audio/cd/CdTrackTags.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/net/HttpGet.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QElapsedTimer>
#include <QThread>
#include <QUrl>

#include <algorithm>

namespace net {
namespace {

constexpr int kMusicBrainzGapMs = 1000;
constexpr int kBusyStatus = 503;
constexpr int kMaxRetries = 2;
constexpr int kDefaultRetryWaitMs = 1000;
constexpr int kMaxRetryWaitMs = 10000;
constexpr int kAnswerMs = 1000;  // left at least for the answer to a retry
// Covers take longer than the look-ups' small answers: some hundred kilobytes at 1200 pixels,
// the original up to tens of megabytes; one larger than kCoverLimit is left out.
constexpr int kCoverTimeOutMs = 20000;
constexpr int kOriginalCoverTimeOutMs = 90000;
constexpr qint64 kCoverLimit = 16 << 20;
// The releases of a disc, with their recordings, artists and labels, stay far below this.
constexpr qint64 kReleasesLimit = 4 << 20;

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

// One track of the medium into the disc information: its title, ids, ISRC and own artist (the
// track's credit, else its recording's; the release's when it has neither).
void addTrack(const QJsonObject& track, DiscInfo& info) {
    const QJsonObject recording = track.value(QLatin1String("recording")).toObject();
    QString title = track.value(QLatin1String("title")).toString();
    if (title.isEmpty()) title = recording.value(QLatin1String("title")).toString();
    info.trackTitles << title;
    info.recordingIds << recording.value(QLatin1String("id")).toString();
    info.releaseTrackIds << track.value(QLatin1String("id")).toString();
    QJsonArray credit = track.value(QLatin1String("artist-credit")).toArray();
    if (credit.isEmpty()) credit = recording.value(QLatin1String("artist-credit")).toArray();
    info.trackArtists << (credit.isEmpty() ? info.artist : creditText(credit));
    info.trackArtistIds << (credit.isEmpty() ? info.artistId : firstArtistId(credit));
    // A recording of several ISRCs does not say which this disc holds.
    const QJsonArray isrcs = recording.value(QLatin1String("isrcs")).toArray();
    info.isrcs << (isrcs.size() == 1 ? isrcs.first().toString() : QString());
}

// The release `r` as it holds the disc on `medium`, one of its `mediumCount` media.
Release releaseOf(const QJsonObject& r, const QJsonObject& medium, int mediumCount, const DiscToc& toc) {
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

    DiscInfo& info = release.info;
    info.discId = cddbDiscId(toc);
    info.source = QStringLiteral("MusicBrainz");
    info.album = release.title;
    info.artist = release.artist;
    info.date = release.date;
    info.year = release.date.left(4).toInt();
    info.releaseId = r.value(QLatin1String("id")).toString();
    info.artistId = firstArtistId(credit);
    info.discNumber = medium.value(QLatin1String("position")).toInt(1);
    info.discTotal = mediumCount;
    const QJsonArray tracks = medium.value(QLatin1String("tracks")).toArray();
    for (int i = 0; i < toc.trackCount(); ++i) addTrack(i < tracks.size() ? tracks[i].toObject() : QJsonObject(), info);
    return release;
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
        out.error = QCoreApplication::translate("MusicBrainz", "MusicBrainz sent an answer that is not JSON (%1).").arg(parseError.errorString());
        return out;
    }
    const QJsonArray releases = doc.object().value(QLatin1String("releases")).toArray();
    for (const QJsonValue& value : releases) {
        const QJsonObject r = value.toObject();
        const QJsonArray media = r.value(QLatin1String("media")).toArray();
        for (const QJsonValue& m : media)
            if (holdsDisc(m.toObject(), discId)) {
                out.releases.push_back(releaseOf(r, m.toObject(), int(media.size()), toc));
                break;
            }
    }
    out.found = !out.releases.empty();
    if (!out.found) out.error = QCoreApplication::translate("MusicBrainz", "MusicBrainz knows no release with disc id %1.").arg(discId);
    return out;
}

ReleaseLookup lookupMusicBrainz(const DiscToc& toc, const GrabSettings& settings) {
    ReleaseLookup out;
    const QString discId = musicBrainzDiscId(toc);
    if (discId.isEmpty()) {
        out.error = QCoreApplication::translate("DiscLookup", "There is no audio disc to look up.");
        return out;
    }
    const QUrl url(base(settings.musicBrainzServer) + QStringLiteral("/ws/2/discid/") + discId +
                   QStringLiteral("?inc=recordings+artist-credits+labels+isrcs&fmt=json"));
    QElapsedTimer clock;
    clock.start();
    const auto msLeft = [&] { return int(std::max<qint64>(0, settings.cddbTimeOut - clock.elapsed())); };
    const auto ask = [&](int timeOutMs) { return httpGet(url, {timeOutMs, 0, kMusicBrainzGapMs, kReleasesLimit}); };
    HttpAnswer answer = ask(settings.cddbTimeOut);
    for (int retries = 0;; ++retries) {
        const std::optional<int> wait = retryWait(answer, retries, msLeft());
        if (!wait) break;
        QThread::msleep(static_cast<unsigned long>(*wait));
        answer = ask(msLeft());
    }
    if (!answer.error.isEmpty()) {
        out.error = QCoreApplication::translate("MusicBrainz", "MusicBrainz could not be asked about disc %1: %2").arg(discId, answer.error);
        return out;
    }
    if (answer.status == 404) {
        out.error = QCoreApplication::translate("MusicBrainz", "MusicBrainz knows no release with disc id %1.").arg(discId);
        return out;
    }
    if (!answer.ok()) {
        out.error = QCoreApplication::translate("MusicBrainz", "MusicBrainz answered the look-up of disc %1 with HTTP status %2.").arg(discId).arg(answer.status);
        return out;
    }
    return parseDiscIdAnswer(answer.body, discId, toc);
}

bool isCoverPicture(const QByteArray& contentType, const QByteArray& body) {
    const bool statedPicture = contentType.isEmpty() || contentType.startsWith("image/") || contentType == "application/octet-stream";
    return statedPicture && !coverMimeType(body).isEmpty();
}

std::optional<int> retryWait(const HttpAnswer& answer, int retries, int msLeft) {
    if (answer.status != kBusyStatus || retries >= kMaxRetries) return std::nullopt;
    const int wait = std::min(answer.retryAfterMs >= 0 ? answer.retryAfterMs : kDefaultRetryWaitMs, kMaxRetryWaitMs);
    if (wait + kAnswerMs > msLeft) return std::nullopt;
    return wait;
}

CoverFetch fetchFrontCover(const QString& releaseId, const GrabSettings& settings) {
    const QString front = base(settings.coverArtServer) + QStringLiteral("/release/") + releaseId + QStringLiteral("/front");
    // The archive's 1200-pixel image is what tags carry; the original, often many megabytes, only
    // when the release has no such image.
    // A silent archive is given the look-ups' time-out; a picture that is coming, longer.
    const auto ask = [&](const QString& url, int wholeMs) {
        return httpGet(QUrl(url), {settings.cddbTimeOut, std::max(settings.cddbTimeOut * 2, wholeMs), 0, kCoverLimit});
    };
    HttpAnswer answer = ask(front + QStringLiteral("-1200"), kCoverTimeOutMs);
    if (answer.status == 404) answer = ask(front, kOriginalCoverTimeOutMs);
    CoverFetch out;
    if (!answer.error.isEmpty()) out.error = QCoreApplication::translate("MusicBrainz", "The cover archive could not be asked: %1").arg(answer.error);
    else if (answer.status == 404) out.error = QCoreApplication::translate("MusicBrainz", "The release has no front cover.");
    else if (!answer.ok() || answer.body.isEmpty())
        out.error = QCoreApplication::translate("MusicBrainz", "The cover archive answered with HTTP status %1.").arg(answer.status);
    else if (!isCoverPicture(answer.contentType, answer.body))
        out.error = QCoreApplication::translate("MusicBrainz", "The cover archive sent no picture but %1.").arg(QString::fromLatin1(answer.contentType));
    out.found = out.error.isEmpty();
    if (out.found) out.image = answer.body;
    return out;
}

}  // namespace net
