#include "converter/ConversionRunner.h"

#include "components/audio/LoudnessTags.h"
#include "components/audio/MeasuredSink.h"

#include "components/audio/AudioFile.h"
#include "components/audio/AccurateRip.h"
#include "components/audio/AudioInfo.h"
#include "components/audio/CdGrabber.h"
#include "components/audio/CdTrackSource.h"
#include "components/audio/ChannelLayout.h"
#include "components/audio/DiscInfoLookup.h"
#include "components/audio/FileEndpoints.h"
#include "components/audio/FileOps.h"
#include "components/audio/WMAFile.h"
#include "components/net/DiscLookup.h"
#include "converter/ConverterRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <chrono>
#include <cmath>
#include <future>

namespace converter {
namespace {

using audio::removeForced;
using audio::sameFile;

// After switching to the next drive, the message loop runs this many times so that the
// drive's change notifications are handled before its root text is compared.
constexpr int kDriveSwitchPasses = 9;
// The progress bar at the start of a CD track: above 0, so that it shows as started before the
// first block arrives.
constexpr double kGrabStartPercent = 0.0002;
// 16-bit values asked of the grabber per read: five seconds of CD audio (44 100 frames of two
// values a second).
constexpr int kCdBlockValues = 441000;

}  // namespace

QString outputClaimKey(const QString& path) {
    const QFileInfo info(QDir::cleanPath(path));
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

ConversionRunner::ConversionRunner(RunHost& host, RunComponents components)
    : m_host(host), m_components(components) {}

void ConversionRunner::setOptions(bool preserveTags, bool deleteSource) {
    m_preserveTags = preserveTags;
    m_deleteSource = deleteSource;
}

void ConversionRunner::useSettings(const OutputSettings& settings) {
    m_components.writer.useSettings(settings);
    // A number that is no profile leaves the WMA writer's own.
    if (settings.wmaProfile >= 0 && settings.wmaProfile < WmaSettings::profileCount())
        m_components.wmaWriter.setWMProfile(settings.wmaProfile);
}

void ConversionRunner::reportFailures() {
    if (m_failures.isEmpty()) return;
    const QList<FailedFile> failures = std::exchange(m_failures, {});
    m_host.runFailures(failures);
}

void ConversionRunner::run(const RunSnapshot& snapshot) {
    setOptions(snapshot.preserveTags, snapshot.deleteSource);
    useSettings(snapshot.settings);
    m_stopped = m_endRun = false;
    countAlbums(snapshot);
    QSet<QString> folders;
    for (const RunEntry& entry : snapshot.entries)
        if (!entry.output.isEmpty()) folders.insert(QFileInfo(entry.output).absolutePath());
    for (const QString& folder : std::as_const(folders)) removeLeftoverParts(folder);
    m_wholeOutputsOnly = snapshot.wholeOutputsOnly;
    m_host.setBusy(true);
    if (snapshot.workers > 1 || snapshot.wholeOutputsOnly) {
        runParallel(snapshot);
    } else {
        // Output path → the source that writes it in this run.
        QHash<QString, QString> claimed;
        for (int i = 0; i < snapshot.entries.size(); ++i) {
            if (m_host.cancelRequested() || m_stopped || m_endRun) break;
            if (!snapshot.wholeList && !snapshot.entries[i].selected) continue;
            processEntry(snapshot, i, claimed);
            if (!m_host.cancelRequested() && !m_stopped && !m_endRun) entryEnded(snapshot.entries[i].source);
        }
    }
    if (m_stopped) return;
    reportAccurateRip();
    if (m_stopped) return;
    m_host.setBusy(false);
    reportFailures();
}

void ConversionRunner::reportAccurateRip() {
    const QList<RippedTrack> ripped = std::exchange(m_ripped, {});
    if (ripped.isEmpty() || m_accurateRipCache.isEmpty() || !m_components.grabber) return;
    const GrabSettings settings = m_components.grabber->settings();
    const QString cache = m_accurateRipCache;
    QStringList lines{QStringLiteral("AccurateRip results:")};
    // One record per disc; the tracks of a disc in the order they were written.
    QList<QString> discs;
    for (const RippedTrack& t : ripped)
        if (!discs.contains(accuraterip::discIds(t.toc).fileName())) discs << accuraterip::discIds(t.toc).fileName();
    for (const QString& disc : std::as_const(discs)) {
        QList<RippedTrack> tracks;
        for (const RippedTrack& t : ripped)
            if (accuraterip::discIds(t.toc).fileName() == disc) tracks << t;
        const accuraterip::DiscIds ids = accuraterip::discIds(tracks.front().toc);
        // Fetched beside the message loop, so that the window stays live.
        auto fetch = std::async(std::launch::async, [ids, settings, cache] { return net::fetchAccurateRip(ids, settings, cache); });
        while (fetch.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            const bool live = m_host.waitForWorkers(50, [&fetch](int ms) { fetch.wait_for(std::chrono::milliseconds(ms)); });
            if (!live) {
                m_stopped = true;
                return;
            }
        }
        const net::RecordFetch got = fetch.get();
        if (got.kind == net::RecordFetch::Kind::Failed) {
            lines << QStringLiteral("The AccurateRip record of disc %1 could not be fetched: %2").arg(ids.fileName(), got.error);
            continue;
        }
        const accuraterip::Record* record = got.kind == net::RecordFetch::Kind::Found ? &got.record : nullptr;
        for (const RippedTrack& t : std::as_const(tracks))
            lines << QStringLiteral("Track %1 (%2): %3")
                         .arg(t.track)
                         .arg(QFileInfo(t.source).fileName(), accuraterip::verify(record, ids, t.track, t.v1, t.v2).text());
    }
    m_host.runMessage(lines.join(QLatin1Char('\n')), false);
}

ConversionRunner::EntryPlan ConversionRunner::planEntry(const RunSnapshot& snapshot, int index,
                                                        QHash<QString, QString>& claimed) const {
    using Kind = EntryPlan::Kind;
    const QString& p = snapshot.entries[index].source;
    const QString& q = snapshot.entries[index].output;
    const bool cd = isCdTrack(p);
    if (snapshot.sameFolder && cd)
        return {Kind::Message, QStringLiteral("File '") + p + QStringLiteral("' is on a CD. Please choose another folder")};
    if (snapshot.deleteSource && cd)
        return {Kind::Message, QStringLiteral("File '") + p + QStringLiteral("' is on a CD. Can't delete this file")};
    if (!QFileInfo(p).isFile()) return {Kind::Message, QStringLiteral("File '") + p + QStringLiteral("' is not exist.")};
    // Reading a file while writing it would destroy it.
    if (sameFile(p, q))
        return {Kind::Message, QStringLiteral("File '") + p + QStringLiteral("' would be overwritten by its own output.")};
    // Writing one output twice would lose the first file's audio (and, with deletion, its source).
    const QString key = outputClaimKey(q);
    if (const auto earlier = claimed.constFind(key); earlier != claimed.constEnd())
        return {Kind::Refuse, QStringLiteral("File '") + p + QStringLiteral("' would overwrite the output of '") + *earlier +
                                  QStringLiteral("'. Rename it first.")};
    claimed.insert(key, p);
    return {Kind::Convert, {}, cd, readsWma(p)};
}

void ConversionRunner::processEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed) {
    const EntryPlan plan = planEntry(snapshot, index, claimed);
    switch (plan.kind) {
    case EntryPlan::Kind::Skip: return;
    case EntryPlan::Kind::Message: m_host.runMessage(plan.text, false); return;
    case EntryPlan::Kind::Refuse: fail(snapshot.entries[index].source, plan.text); return;
    case EntryPlan::Kind::Convert: convertPlanned(snapshot, index, plan); return;
    }
}

void ConversionRunner::convertPlanned(const RunSnapshot& snapshot, int index, const EntryPlan& plan) {
    const QString& p = snapshot.entries[index].source;
    const QString& q = snapshot.entries[index].output;
    m_host.fileStarted(index + 1);
    const QString& format = snapshot.formatKey;
    if (format == QStringLiteral("MP3") || format == QStringLiteral("WAV") || format == QStringLiteral("OGG") ||
        format == QStringLiteral("FLAC") || format == QStringLiteral("OPUS")) {
        if (plan.cd) convertCdTrack(p, q, false);
        else convertFile(p, q, plan.inWMA, false);
    } else if (writesWma(format)) {
        if (!m_components.wmaReader.WMASupported()) {
            m_host.runMessage(
                QStringLiteral("WMA format is NOT supported in your system, the wma codec may not be installed.!"), true);
            m_host.setBusy(false);
            m_host.fileEnded();
            m_endRun = true;
            return;
        }
        if (plan.cd) convertCdTrack(p, q, true);
        else convertFile(p, q, plan.inWMA, true);
    }
    if (m_stopped) return;
    m_host.fileEnded();
}

void ConversionRunner::progress(const audio::JobProgress& progress) {
    // A CD track's bar counts whole percents, from 1 on.
    if (m_cdTrack)
        m_host.fileProgress(std::max(1.0, std::nearbyint(progress.percent())));
    else
        m_host.fileProgress(progress.percent());
    if (!m_host.letEventsRun()) {
        // The program is ending: the files are closed and nothing else is touched.
        m_stopped = true;
        m_job->cancel();
        return;
    }
    m_host.timePanels(progress.fraction());
    if (m_host.cancelRequested()) m_job->cancel();
}

bool ConversionRunner::convertFile(const QString& p, const QString& q, bool inWMA, bool outWMA) {
    m_host.fileProgress(0);
    // Every channel is read; the writer mixes down for a format that holds fewer.
    m_components.reader.setChannelLimit(channel_layout::kMaxChannels);
    m_components.wmaReader.setChannelLimit(channel_layout::kMaxChannels);
    audio::AudioFileSource fileSource(m_components.reader, p);
    audio::WmaFileSource wmaSource(m_components.wmaReader, p);
    audio::AudioFileSink fileSink(m_components.writer, q);
    audio::WmaFileSink wmaSink(m_components.wmaWriter, q);
    audio::AudioSource& source = inWMA ? static_cast<audio::AudioSource&>(wmaSource) : fileSource;
    audio::MeasuredSink sink(outWMA ? static_cast<audio::AudioSink&>(wmaSink) : fileSink, m_loudness);

    audio::AudioJob job(source, sink, *this);
    m_job = &job;
    const audio::JobOutcome outcome = job.run();
    m_job = nullptr;
    if (m_stopped) return false;
    switch (outcome.end) {
    case audio::JobEnd::Cancelled:
        // The partial output stays on disk; the source is kept.
        m_host.setBusy(false);
        m_host.fileEnded();
        return false;
    case audio::JobEnd::Failed:
        m_host.setBusy(false);
        m_host.fileProgress(0);
        fail(p, outcome.reason);
        return false;
    case audio::JobEnd::Written:
        break;
    }
    afterWritten(p, q, sink.measurement(), sink.measureError());
    return true;
}

void ConversionRunner::afterWritten(const QString& p, const QString& q, const std::optional<TrackMeasurement>& loudness,
                                    const QString& measureError) {
    m_host.fileProgress(100);
    // A source whose tags could not be carried over is kept, so they are not lost.
    if (m_preserveTags) {
        try {
            m_components.tags.ReadTags(p);
            m_components.tags.WriteTags(q);
        } catch (const ComponentError& e) {
            fail(p, QStringLiteral("The tags could not be copied (the source is kept): ") + e.description());
            return;
        }
    }
    // Copied tags may bring the source's loudness tags along: those of the output follow them.
    if (!tagLoudness(p, q, loudness, measureError)) return;
    if (m_deleteSource && !removeForced(p)) fail(p, QStringLiteral("The source file could not be deleted."));
}

void ConversionRunner::countAlbums(const RunSnapshot& snapshot) {
    m_loudness = snapshot.loudnessTags;
    m_albums.clear();
    if (!m_loudness) return;
    for (const RunEntry& entry : snapshot.entries)
        if (snapshot.wholeList || entry.selected) ++m_albums[QFileInfo(entry.source).absolutePath()].pending;
}

bool ConversionRunner::tagLoudness(const QString& p, const QString& q, const std::optional<TrackMeasurement>& loudness,
                                   const QString& measureError) {
    if (!m_loudness) return true;
    try {
        if (!loudness) throw ComponentError(measureError.isEmpty() ? QStringLiteral("nothing was measured") : measureError);
        loudness_tags::writeTrack(q, loudness->loudness());
    } catch (const ComponentError& e) {
        fail(p, QStringLiteral("The loudness tags could not be written (the source is kept): ") + e.description());
        return false;
    }
    Album& album = m_albums[QFileInfo(p).absolutePath()];
    album.loudness.add(*loudness);
    album.outputs << q;
    return true;
}

void ConversionRunner::entryEnded(const QString& p) {
    if (!m_loudness) return;
    const auto album = m_albums.find(QFileInfo(p).absolutePath());
    if (album == m_albums.end() || --album->pending > 0) return;
    // Only a whole album gets album values: a cancelled run never reaches this for its album.
    const Loudness loudness = album->loudness.loudness();
    for (const QString& q : std::as_const(album->outputs)) {
        try {
            loudness_tags::writeAlbum(q, loudness);
        } catch (const ComponentError& e) {
            fail(q, QStringLiteral("The album loudness tags could not be written: ") + e.description());
        }
    }
    m_albums.erase(album);
}


// The drive whose root text the entry starts with; the search starts at the current drive.
// False when the program is ending.
bool ConversionRunner::selectDriveOf(CdGrabber& grabber, const QString& p) {
    for (int k = 1; k <= grabber.DriveCount(); ++k) {
        const QString root = grabber.RootText();
        if (!root.isEmpty() && p.startsWith(root)) break;
        grabber.setCurrentDrive(grabber.CurrentDrive() + 1);
        for (int pass = 0; pass < kDriveSwitchPasses; ++pass) {
            if (!m_host.letEventsRun()) {
                m_stopped = true;
                return false;
            }
        }
    }
    return true;
}

// The grabber's events arrive while a block is read: they let the window stay live and turn
// a cancel into an abort of the read. The grabber counts the error blocks itself: its read
// errors are single attempts, not blocks.
void ConversionRunner::followGrabberEvents(CdGrabber& grabber, QObject& context) {
    // The connections outlive this function: they hold what they need by value.
    const auto abortOnCancel = [this, &grabber] {
        if (m_host.cancelRequested()) {
            m_cdAborted = true;
            grabber.Abort();
        }
    };
    QObject::connect(&grabber, &CdGrabber::Progress, &context, [this, abortOnCancel](int percent) {
        if (m_host.progressShown() != percent) m_host.fileProgress(percent);
        if (!m_host.letEventsRun()) m_stopped = true;
        abortOnCancel();
    });
    QObject::connect(&grabber, &CdGrabber::ReadError, &context, [this, abortOnCancel] {
        if (!m_host.letEventsRun()) m_stopped = true;
        abortOnCancel();
    });
    QObject::connect(&grabber, &CdGrabber::ReadFinished, &context, [this, abortOnCancel](int result) {
        if (result == CdGrabber::FinishedFailed)
            m_host.runMessage(QStringLiteral("An error occures when ReadTrack works! Probably need re-read!"), false);
        abortOnCancel();
    });
}

// The disc information found for this disc (kept in cdplayer.ini by "Get Disk Info") tags the
// track's output.
void ConversionRunner::tagFromDiscInformation(const CdGrabber& grabber, int track, const QString& p, const QString& q) {
    if (m_components.cdplayerIni.isEmpty()) return;
    const DiscInfoResult disc = readCdplayerIni(grabber.toc(), m_components.cdplayerIni);
    if (!disc.found) return;
    QMap<QString, QStringList> properties;
    const auto put = [&](const char* key, const QString& value) {
        if (!value.isEmpty()) properties.insert(QLatin1String(key), {value});
    };
    put("ARTIST", disc.info.artist);
    put("ALBUM", disc.info.album);
    put("TITLE", disc.info.trackTitles.value(track - 1));
    put("TRACKNUMBER", QString::number(track));
    put("GENRE", disc.info.genre);
    if (!disc.info.date.isEmpty()) put("DATE", disc.info.date);
    else if (disc.info.year > 0) put("DATE", QString::number(disc.info.year));
    put("MUSICBRAINZ_ALBUMID", disc.info.releaseId);
    put("MUSICBRAINZ_ARTISTID", disc.info.artistId);
    put("MUSICBRAINZ_TRACKID", disc.info.recordingIds.value(track - 1));
    QList<AudioInfo::Picture> pictures;
    if (!disc.info.coverPath.isEmpty()) {
        QFile cover(disc.info.coverPath);
        if (cover.open(QIODevice::ReadOnly)) {
            const QByteArray data = cover.readAll();
            const QString mime = data.startsWith("\x89PNG") ? QStringLiteral("image/png") : QStringLiteral("image/jpeg");
            pictures.push_back({data, mime, QStringLiteral("Front Cover")});
        }
    }
    try {
        m_components.tags.setProperties(properties);
        m_components.tags.setPictures(pictures);
        m_components.tags.WriteTags(q);
    } catch (const ComponentError& e) {
        fail(p, QStringLiteral("The disc information could not be written as tags: ") + e.description());
    }
}

bool ConversionRunner::convertCdTrack(const QString& p, const QString& q, bool outWMA) {
    CdGrabber* grabber = m_components.grabber;
    if (!grabber) {
        fail(p, QStringLiteral("Reading CD tracks is not available."));
        return false;
    }
    // The blocks the grabber really replaced, cut or corrected in the track just read.
    const auto reportErrorBlocks = [&] {
        const QString text = errorBlocksMessage(grabber->errorBlocks(), grabber->settings().errorAction);
        if (!text.isEmpty()) m_host.runMessage(text, false);
    };
    if (grabber->Busy()) {
        m_host.cancelRun();
        grabber->Abort();
        reportErrorBlocks();
        return false;
    }
    if (!selectDriveOf(*grabber, p)) return false;
    grabber->ReRead();
    // A cancel asked for before the track starts is kept: it ends the run as any other.
    m_host.fileProgress(kGrabStartPercent);
    m_cdAborted = false;
    const std::optional<int> track = trackNumberOf(p);
    if (!track) {
        fail(p, QStringLiteral("The track number cannot be read from the name '%1'.").arg(QFileInfo(p).fileName()));
        return false;
    }

    QObject context;  // the grabber's events reach this track only while it is read
    followGrabberEvents(*grabber, context);

    // CD audio is 44 100 Hz stereo; the writer is told so. The whole track is read.
    // The AccurateRip checksums are taken of what is read, as it is read.
    const DiscToc toc = grabber->toc();
    struct TrackSource : audio::CdTrackSource {
        TrackSource(CdGrabber& g, int number, const DiscToc& discToc) : CdTrackSource(g, number), track(number), toc(discToc) {}
        int track;
        DiscToc toc;
        bool openFailed = false;
        std::optional<accuraterip::TrackSum> sum;
        std::int64_t frames = 0;
        bool open() override {
            openFailed = !CdTrackSource::open();
            frames = statedFrames();
            if (!openFailed) sum.emplace(frames, track == 1, track == toc.trackCount());
            return !openFailed;
        }
        SampleBlock read(int samples) override {
            SampleBlock block = CdTrackSource::read(samples);
            if (sum) sum->add(block.data(), block.size());
            return block;
        }
    } source(*grabber, *track, toc);

    // Written under a part name when only whole outputs may appear, and put in place when whole.
    const QString target = m_wholeOutputsOnly ? partFileFor(q, *track) : q;
    audio::AudioFileSink fileSink(m_components.writer, target);
    audio::WmaFileSink wmaSink(m_components.wmaWriter, target);
    audio::MeasuredSink sink(outWMA ? static_cast<audio::AudioSink&>(wmaSink) : fileSink, m_loudness);
    audio::AudioJob job(source, sink, *this, kCdBlockValues);
    m_job = &job;
    m_cdTrack = true;
    const audio::JobOutcome outcome = job.run();
    m_cdTrack = false;
    m_job = nullptr;
    if (target != q && !(outcome.written() && !m_cdAborted && replaceWith(target, q))) {
        QFile::remove(target);
        if (outcome.written() && !m_cdAborted && !m_stopped) {
            fail(p, QStringLiteral("The output could not be put in place of '%1'.").arg(q));
            return false;
        }
    }
    if (m_stopped) return false;
    if (source.openFailed) {
        // The grabber's reason on a second line.
        const QString reason = source.error().isEmpty() ? QString() : QLatin1Char('\n') + source.error();
        m_host.runMessage(QStringLiteral("Open Track Error!.") + reason, false);
        reportErrorBlocks();
        return false;
    }
    reportErrorBlocks();
    if (outcome.end == audio::JobEnd::Cancelled || m_cdAborted) {
        m_host.cancelRun();
        m_host.setBusy(false);
        m_host.fileEnded();
        return false;
    }
    if (outcome.end == audio::JobEnd::Failed) {
        m_host.setBusy(false);
        m_host.fileProgress(0);
        fail(p, outcome.reason);
        return false;
    }
    m_host.fileProgress(100);
    if (source.sum && source.sum->framesSeen() == source.frames)
        m_ripped.push_back({p, toc, *track, source.sum->v1(), source.sum->v2()});
    if (m_preserveTags) tagFromDiscInformation(*grabber, *track, p, q);
    tagLoudness(p, q, sink.measurement(), sink.measureError());
    return true;
}

}  // namespace converter
