#include "components/net/DiscLookup.h"

#include "components/audio/cd/CdTrackTags.h"
#include "components/net/Cddb.h"
#include "components/net/HttpGet.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

#include <algorithm>

namespace net {
namespace {

QString joinReasons(const QStringList& reasons) { return reasons.join(QLatin1Char(' ')); }

// A record holds some kilobytes (a few blocks of 9 bytes a track); the limit leaves room.
constexpr qint64 kRecordLimit = 1 << 20;
// Cached records are fetched again after this long.
constexpr qint64 kRecordLifeSeconds = 7 * 24 * 3600;

bool isFresh(const QDateTime& fetchedAt, const QDateTime& now) {
    const qint64 age = fetchedAt.secsTo(now);
    return age >= 0 && age < kRecordLifeSeconds;
}

// The record kept in the cache file; nothing when there is none or it is damaged (it is then
// fetched again).
std::optional<RecordFetch> readCachedRecord(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
    RecordFetch out;
    out.record = accuraterip::parseRecord(file.readAll());
    if (!out.record.error.isEmpty()) return std::nullopt;
    out.found = out.cached = true;
    return out;
}

// The record on the server; `bytes` receives it as sent, for the cache.
RecordFetch fetchRecord(const accuraterip::DiscIds& ids, const GrabSettings& settings, QByteArray& bytes) {
    RecordFetch out;
    QString server = settings.accurateRipServer.trimmed();
    while (server.endsWith(u'/')) server.chop(1);
    const HttpAnswer answer = httpGet(QUrl(server + QLatin1Char('/') + ids.serverPath()), {settings.cddbTimeOut, 0, 0, kRecordLimit});
    if (answer.status == 404) {
        out.notKnown = true;
        return out;
    }
    if (!answer.ok()) {
        out.error = !answer.error.isEmpty()
                        ? answer.error
                        : QCoreApplication::translate("AccurateRip", "The AccurateRip server answered with HTTP status %1.").arg(answer.status);
        return out;
    }
    out.record = accuraterip::parseRecord(answer.body);
    if (!out.record.error.isEmpty()) {
        out.error = out.record.error;
        return out;
    }
    out.found = true;
    bytes = answer.body;
    return out;
}

}  // namespace

DiscLookup lookupDisc(const DiscToc& toc, const std::optional<DiscInfo>& cdText, DiscInfoSource source,
                      const GrabSettings& settings, const QString& cdplayerIniPath) {
    DiscLookup out;
    if (toc.trackStarts.empty()) {
        out.result.error = QCoreApplication::translate("DiscLookup", "There is no audio disc to look up.");
        return out;
    }
    QStringList reasons;
    if (source != DiscInfoSource::OnLine) {
        DiscInfoResult local = readCdplayerIni(toc, cdplayerIniPath);
        if (local.found || source == DiscInfoSource::LocalIniOnly) {
            out.result = local;
            return out;
        }
        reasons << local.error;
        if (cdText) {
            out.result.found = true;
            out.result.info = *cdText;
            out.result.info.source = QStringLiteral("CD-Text");
            writeCdplayerIni(toc, out.result.info, cdplayerIniPath);
            return out;
        }
        reasons << QCoreApplication::translate("DiscLookup", "The disc has no CD-Text.");
    }
    if (settings.useMusicBrainz) {
        ReleaseLookup mb = lookupMusicBrainz(toc, settings);
        if (mb.releases.size() == 1) {
            out.result = finishRelease(mb.releases.front(), toc, settings, cdplayerIniPath);
            return out;
        }
        if (mb.releases.size() > 1) {
            out.releases = std::move(mb.releases);
            return out;
        }
        reasons << mb.error;
    }
    DiscInfoResult cddb = lookupDiscInfo(toc, DiscInfoSource::OnLine, settings, cdplayerIniPath);
    if (!cddb.found) {
        reasons << cddb.error;
        cddb.error = joinReasons(reasons);
    }
    out.result = cddb;
    return out;
}

DiscInfoResult finishRelease(const Release& release, const DiscToc& toc, const GrabSettings& settings,
                             const QString& cdplayerIniPath) {
    DiscInfoResult r;
    r.found = true;
    r.info = release.info;
    if (!r.info.releaseId.isEmpty()) {
        // A cover that cannot be had is left out.
        const CoverFetch fetched = fetchFrontCover(r.info.releaseId, settings);
        const QByteArray& cover = fetched.image;
        if (fetched.found) {
            const QDir folder(QFileInfo(cdplayerIniPath).absolutePath() + QStringLiteral("/covers"));
            const QString path = folder.filePath(r.info.releaseId + QLatin1Char('.') + coverFileSuffix(cover));
            QSaveFile file(path);
            if (QDir().mkpath(folder.path()) && file.open(QIODevice::WriteOnly) && file.write(cover) == cover.size() &&
                file.commit())
                r.info.coverPath = path;
        }
    }
    if (!writeCdplayerIni(toc, r.info, cdplayerIniPath))
        r.error = QCoreApplication::translate("DiscLookup", "cdplayer.ini could not be written: %1").arg(cdplayerIniPath);
    return r;
}

QString defaultAccurateRipCache() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/velloria/accuraterip");
}

RecordFetch fetchAccurateRip(const accuraterip::DiscIds& ids, const GrabSettings& settings, const QString& cacheFolder,
                             bool refresh) {
    if (ids.tracks == 0) {
        RecordFetch none;
        none.error = QCoreApplication::translate("AccurateRip", "There is no audio disc.");
        return none;
    }
    const QString cached = QDir(cacheFolder).filePath(ids.fileName());
    const std::optional<RecordFetch> kept = readCachedRecord(cached);
    if (kept && !refresh && isFresh(QFileInfo(cached).lastModified(), QDateTime::currentDateTime())) return *kept;
    QByteArray bytes;
    RecordFetch fetched = fetchRecord(ids, settings, bytes);
    if (fetched.found) {
        QSaveFile save(cached);
        if (QDir().mkpath(cacheFolder) && save.open(QIODevice::WriteOnly)) {
            save.write(bytes);
            save.commit();
        }
        return fetched;
    }
    // An old record is better than none.
    return kept ? *kept : fetched;
}

DiscVerdicts verifyTracks(const accuraterip::DiscIds& ids, const std::vector<TrackChecksums>& tracks,
                          const GrabSettings& settings, const QString& cacheFolder) {
    const auto verdictsOf = [&](const RecordFetch& got) {
        DiscVerdicts out;
        if (!got.found && !got.notKnown) {
            out.error = got.error;
            return out;
        }
        out.found = true;
        const accuraterip::Record* record = got.found ? &got.record : nullptr;
        for (const TrackChecksums& t : tracks) out.verdicts.push_back(accuraterip::verify(record, ids, t.track, t.v1, t.v2));
        return out;
    };
    const RecordFetch got = fetchAccurateRip(ids, settings, cacheFolder);
    DiscVerdicts verdicts = verdictsOf(got);
    const bool allMatched = std::all_of(verdicts.verdicts.begin(), verdicts.verdicts.end(), [](const accuraterip::Verdict& v) {
        return v.kind == accuraterip::Verdict::Kind::Matched;
    });
    if (!got.cached || allMatched) return verdicts;
    const RecordFetch again = fetchAccurateRip(ids, settings, cacheFolder, true);
    return again.cached ? verdicts : verdictsOf(again);
}

}  // namespace net
