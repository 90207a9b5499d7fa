#include "runs/ConversionRunner.h"

#include "components/audio/tags/LoudnessTags.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/cd/AccurateRip.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackSource.h"
#include "components/audio/cd/CdTrackTags.h"
#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/engine/FileOps.h"
#include "components/audio/codecs/WMAFile.h"
#include "components/net/DiscLookup.h"
#include "runs/ConverterRules.h"

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

// A CD track as a job's source, with its AccurateRip checksums taken of what is read, as it is
// read.
struct ChecksummedTrack : audio::CdTrackSource {
    ChecksummedTrack(CdGrabber& g, int number, const DiscToc& discToc) : CdTrackSource(g, number), track(number), toc(discToc) {}
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
};

// A writer's message names the part file it wrote; the user knows the output's own name.
QString inPlaceOf(QString reason, const QString& part, const QString& q) { return reason.replace(part, q); }

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
            m_entryWritten = false;
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
    VerificationTally tally;
    QList<TrackVerdict> verdicts;
    // One record per disc; the tracks of a disc in the order they were written.
    QList<QString> discs;
    for (const RippedTrack& t : ripped)
        if (!discs.contains(accuraterip::discIds(t.toc).fileName())) discs << accuraterip::discIds(t.toc).fileName();
    for (const QString& disc : std::as_const(discs)) {
        QList<RippedTrack> tracks;
        std::vector<net::TrackChecksums> sums;
        for (const RippedTrack& t : ripped)
            if (accuraterip::discIds(t.toc).fileName() == disc) {
                tracks << t;
                sums.push_back({t.track, t.v1, t.v2});
            }
        const accuraterip::DiscIds ids = accuraterip::discIds(tracks.front().toc);
        // Verified beside the message loop, so that the window stays live.
        auto verify = std::async(std::launch::async, [=] { return net::verifyTracks(ids, sums, settings, cache); });
        while (verify.wait_for(std::chrono::seconds(0)) != std::future_status::ready) {
            const bool live = m_host.waitForWorkers(50, [&verify](int ms) { verify.wait_for(std::chrono::milliseconds(ms)); });
            if (!live) {
                m_stopped = true;
                return;
            }
        }
        const net::DiscVerdicts got = verify.get();
        if (got.verdicts.empty()) {
            lines << QStringLiteral("The AccurateRip record of disc %1 could not be fetched: %2").arg(ids.fileName(), got.error);
            tally.unverified += int(tracks.size());
            if (tally.reason.isEmpty()) tally.reason = got.error;
        }
        for (qsizetype i = 0; i < tracks.size() && i < qsizetype(got.verdicts.size()); ++i)
            lines << verdictLine(tracks[i], got.verdicts[std::size_t(i)], tally, verdicts);
    }
    m_host.verificationEnded({lines.join(QLatin1Char('\n')), verificationSummary(tally), tally.attention(), verdicts});
}

// "Track 2 (Track02.cda): Accurately ripped (…)", counted into `tally`.
QString ConversionRunner::verdictLine(const RippedTrack& t, const accuraterip::Verdict& verdict, VerificationTally& tally,
                                     QList<TrackVerdict>& verdicts) {
    using Kind = accuraterip::Verdict::Kind;
    verdicts.push_back({t.source, verdict.text(), verdict.kind == Kind::Mismatch});
    (verdict.kind == Kind::Matched ? tally.matched : verdict.kind == Kind::Mismatch ? tally.mismatched : tally.unknown) += 1;
    QString line = QStringLiteral("Track %1 (%2): %3").arg(t.track).arg(QFileInfo(t.source).fileName(), verdict.text());
    if (t.errorBlocks > 0) {
        ++tally.withErrorBlocks;
        line += QStringLiteral(", %1 error blocks").arg(t.errorBlocks);
    }
    return line;
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
    m_partIndex = index;
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
    const QString part = partFileFor(q, m_partIndex);
    // Every channel is read; the writer mixes down for a format that holds fewer.
    m_components.reader.setChannelLimit(channel_layout::kMaxChannels);
    m_components.wmaReader.setChannelLimit(channel_layout::kMaxChannels);
    audio::AudioFileSource fileSource(m_components.reader, p);
    audio::WmaFileSource wmaSource(m_components.wmaReader, p);
    audio::AudioFileSink fileSink(m_components.writer, part);
    audio::WmaFileSink wmaSink(m_components.wmaWriter, part);
    audio::AudioSource& source = inWMA ? static_cast<audio::AudioSource&>(wmaSource) : fileSource;
    audio::AudioSink& sink = outWMA ? static_cast<audio::AudioSink&>(wmaSink) : fileSink;

    audio::AudioJob job(source, sink, *this);
    m_job = &job;
    const audio::JobOutcome outcome = job.run();
    m_job = nullptr;
    if (m_stopped || outcome.end == audio::JobEnd::Cancelled) {
        // The source is kept.
        settleUnfinished(part, q);
        if (m_stopped) return false;
        m_host.setBusy(false);
        m_host.fileEnded();
        return false;
    }
    if (outcome.end == audio::JobEnd::Failed) {
        QFile::remove(part);
        m_host.setBusy(false);
        m_host.fileProgress(0);
        fail(p, inPlaceOf(outcome.reason, part, q));
        return false;
    }
    const audio::FileLoudness loudness = measureHere(part);
    if (m_stopped) {
        settleUnfinished(part, q);
        return false;
    }
    return completeOutput(p, part, q, loudness, [this, p](const QString& written) { return copyTags(p, written); });
}

void ConversionRunner::settleUnfinished(const QString& part, const QString& q) {
    if (m_wholeOutputsOnly || !replaceWith(part, q)) QFile::remove(part);
}

audio::FileLoudness ConversionRunner::measureHere(const QString& part) {
    if (!m_loudness) return {};
    return audio::measureFile(part, [this] {
        if (m_host.letEventsRun()) return true;
        m_stopped = true;
        return false;
    });
}

QString ConversionRunner::copyTags(const QString& p, const QString& part) {
    if (!m_preserveTags) return {};
    try {
        m_components.tags.ReadTags(p);
        m_components.tags.WriteTags(part);
    } catch (const ComponentError& e) {
        return QStringLiteral("The tags could not be copied (the source is kept): ") + e.description();
    }
    return {};
}

bool ConversionRunner::completeOutput(const QString& p, const QString& part, const QString& q,
                                      const audio::FileLoudness& loudness, const Tagger& tagger) {
    m_host.fileProgress(100);
    const auto drop = [&](const QString& reason) {
        QFile::remove(part);
        fail(p, inPlaceOf(reason, part, q));
        return false;
    };
    // Copied tags may bring the source's loudness tags along: those of the output follow them.
    if (const QString refused = tagger ? tagger(part) : QString(); !refused.isEmpty()) return drop(refused);
    if (m_loudness) {
        try {
            if (!loudness.measurement)
                throw ComponentError(loudness.error.isEmpty() ? QStringLiteral("nothing was measured") : loudness.error);
            loudness_tags::writeTrack(part, loudness.measurement->loudness());
        } catch (const ComponentError& e) {
            return drop(QStringLiteral("The loudness tags could not be written (the source is kept): ") + e.description());
        }
    }
    // Renaming would replace even a file the user may not write.
    const QFileInfo existing(q);
    if ((existing.exists() && !existing.isWritable()) || !replaceWith(part, q)) {
        m_host.setBusy(false);
        m_host.fileProgress(0);
        return drop(QStringLiteral("The output could not be put in place of '%1'.").arg(q));
    }
    m_entryWritten = true;
    m_host.outputWritten(p, q);
    if (m_loudness) {
        Album& album = m_albums[QFileInfo(p).absolutePath()];
        album.loudness.add(*loudness.measurement);
        album.outputs << q;
    }
    if (m_deleteSource)
        if (const QString reason = audio::removeSource(p); !reason.isEmpty())
            fail(p, QStringLiteral("The source file could not be deleted: %1").arg(reason));
    return true;
}

void ConversionRunner::countAlbums(const RunSnapshot& snapshot) {
    m_loudness = snapshot.loudnessTags;
    m_albums.clear();
    if (!m_loudness) return;
    const auto albumOf = [this](const QString& source) -> Album& { return m_albums[QFileInfo(source).absolutePath()]; };
    for (const RunEntry& entry : snapshot.entries)
        if (snapshot.wholeList || entry.selected) ++albumOf(entry.source).pending;
    for (const RunEntry& entry : snapshot.existing) albumOf(entry.source).existing << entry.output;
    for (const QString& source : snapshot.notConverted) albumOf(source).missing = source;
    // An album the run converts nothing of keeps the values its outputs have.
    for (auto album = m_albums.begin(); album != m_albums.end();)
        album = album->pending == 0 ? m_albums.erase(album) : std::next(album);
}

void ConversionRunner::entryEnded(const QString& p) {
    if (!m_loudness) return;
    const QString folder = QFileInfo(p).absolutePath();
    const auto album = m_albums.find(folder);
    if (album == m_albums.end()) return;
    if (!m_entryWritten && album->missing.isEmpty()) album->missing = p;
    if (--album->pending > 0) return;
    // Only a whole album gets album values: a cancelled run never reaches this for its album.
    finishAlbum(folder, *album);
    m_albums.erase(album);
}

// Outputs that existed before the run are measured from their files; one that cannot be leaves
// the album without values, as a file that was not converted does.
void ConversionRunner::finishAlbum(const QString& folder, Album& album) {
    for (const QString& q : std::as_const(album.existing)) {
        if (!album.missing.isEmpty()) break;
        const audio::FileLoudness measured = measureHere(q);
        if (m_stopped) return;
        if (measured.measurement) album.loudness.add(*measured.measurement);
        else album.missing = q;
    }
    const QStringList outputs = album.outputs + album.existing;
    const Loudness loudness = album.loudness.loudness();
    for (const QString& q : outputs) {
        try {
            if (album.missing.isEmpty()) loudness_tags::writeAlbum(q, loudness);
            else if (QFileInfo::exists(q)) loudness_tags::removeAlbum(q);
        } catch (const ComponentError& e) {
            fail(q, QStringLiteral("The album loudness tags could not be written: ") + e.description());
        }
    }
    if (!album.missing.isEmpty())
        fail(folder, QStringLiteral("No album loudness tags were written for this folder: '%1' has no whole output.")
                         .arg(album.missing));
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

// The disc information found for this disc (kept in cdplayer.ini by "Get Disk Info", else the
// disc's CD-Text) and what the disc itself holds tag the track's output.
QString ConversionRunner::tagFromDiscInformation(const CdGrabber& grabber, int track, const QString& path) {
    const std::optional<DiscInfo> info = knownDiscInfo(grabber, m_components.cdplayerIni);
    try {
        m_components.tags.setProperties(cdTrackTags(info ? &*info : nullptr, track, discFacts(grabber, track)));
        m_components.tags.setPictures(info ? coverPictures(*info) : QList<AudioInfo::Picture>());
        m_components.tags.WriteTags(path);
    } catch (const ComponentError& e) {
        return QStringLiteral("The disc information could not be written as tags: ") + e.description();
    }
    return {};
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

    // CD audio is 44 100 Hz stereo; the writer is told so. The whole track is read, under a part
    // name, and put in place when whole and tagged.
    const DiscToc toc = grabber->toc();
    ChecksummedTrack source(*grabber, *track, toc);
    const QString part = partFileFor(q, *track);
    audio::AudioFileSink fileSink(m_components.writer, part);
    audio::WmaFileSink wmaSink(m_components.wmaWriter, part);
    audio::AudioJob job(source, outWMA ? static_cast<audio::AudioSink&>(wmaSink) : fileSink, *this, kCdBlockValues);
    m_job = &job;
    m_cdTrack = true;
    const audio::JobOutcome outcome = job.run();
    m_cdTrack = false;
    m_job = nullptr;
    if (!trackReadWhole(p, q, part, outcome, source.openFailed, source.error(), reportErrorBlocks)) return false;
    const audio::FileLoudness loudness = measureHere(part);
    if (m_stopped) {
        settleUnfinished(part, q);
        return false;
    }
    const int number = *track;
    const Tagger tagger = [this, grabber, number](const QString& written) {
        return m_preserveTags ? tagFromDiscInformation(*grabber, number, written) : QString();
    };
    if (!completeOutput(p, part, q, loudness, tagger)) return false;
    m_host.cdTrackWritten(p, grabber->errorBlocks());
    if (source.sum && source.sum->framesSeen() == source.frames)
        m_ripped.push_back({p, toc, *track, source.sum->v1(), source.sum->v2(), grabber->errorBlocks()});
    return true;
}

// What a CD track's job left: true when `part` holds the whole track. Otherwise the part is
// dropped (or, for a cancel, settled as a cancelled file's output is), and the track's end is
// told as the window has always told it.
bool ConversionRunner::trackReadWhole(const QString& p, const QString& q, const QString& part, const audio::JobOutcome& outcome,
                                      bool openFailed, const QString& openError, const std::function<void()>& reportErrorBlocks) {
    const bool whole = outcome.written() && !m_cdAborted && !m_stopped;
    if (!whole) {
        if (outcome.end == audio::JobEnd::Failed || openFailed) QFile::remove(part);
        else settleUnfinished(part, q);
    }
    if (m_stopped) return false;
    if (openFailed) {
        // The grabber's reason on a second line.
        const QString reason = openError.isEmpty() ? QString() : QLatin1Char('\n') + openError;
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
        fail(p, inPlaceOf(outcome.reason, part, q));
        return false;
    }
    return true;
}

}  // namespace converter
