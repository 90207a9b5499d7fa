#include "runs/ConversionRunner.h"

#include "components/audio/tags/LoudnessTags.h"

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/engine/FileOps.h"
#include "components/audio/Formats.h"
#include "components/audio/cd/CueTracks.h"
#include "runs/CdTrackJob.h"
#include "runs/ConverterRules.h"
#include "runs/SheetSources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <cmath>

namespace converter {
namespace {

// The progress bar at the start of a CD track: above 0, so that it shows as started before the
// first block arrives.
constexpr double kGrabStartPercent = 0.0002;

// A writer's message names the part file it wrote; the user knows the output's own name.
QString inPlaceOf(QString reason, const QString& part, const QString& q) { return reason.replace(part, q); }
RunText inPlaceOf(const RunText& reason, const QString& part, const QString& q) {
    return {inPlaceOf(reason.shown, part, q), inPlaceOf(reason.english, part, q)};
}

RunText text(const char* source, const QString& arg) { return runText("ConversionRunner", source, arg); }

}  // namespace

ConversionRunner::ConversionRunner(RunHost& host, RunComponents components)
    : m_host(host), m_components(components) {}

void ConversionRunner::setOptions(bool preserveTags, bool deleteSource) {
    m_preserveTags = preserveTags;
    m_deleteSource = deleteSource;
}

void ConversionRunner::useSettings(const OutputSettings& settings) {
    m_components.writer.useSettings(settings);
}

void ConversionRunner::reportFailures() {
    if (m_failures.isEmpty()) return;
    const QList<FailedFile> failures = std::exchange(m_failures, {});
    m_englishReasons.clear();
    m_host.runFailures(failures);
}

void ConversionRunner::run(const RunSnapshot& snapshot) {
    setOptions(snapshot.preserveTags, snapshot.deleteSource);
    useSettings(snapshot.settings);
    m_stopped = m_endRun = false;
    m_formatKey = snapshot.formatKey;
    m_discRips = {};
    m_albums.plan(snapshot);
    m_sheets.plan(snapshot);
    if (m_components.grabber) m_ripLogs.plan(snapshot);
    for (const QString& folder : outputFolders(snapshot)) removeLeftoverParts(folder);
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
    if (!m_stopped) {
        writeCueSheets(snapshot);
        reportAccurateRip();
    }
    writeRipLogs();
    if (m_stopped) return;
    m_host.setBusy(false);
    reportFailures();
}

void ConversionRunner::reportAccurateRip() {
    if (!m_components.grabber) return;
    const std::optional<VerificationReport> report = m_verifier.report(m_components.grabber->settings());
    if (!report) {
        m_stopped = true;
        return;
    }
    m_ripLogs.verified(*report, m_verifier.enabled());
    if (!report->text.isEmpty()) m_host.verificationEnded(*report);
}

// Each disc's log, beside its first track. A run the program ends writes the logs of the discs it
// read from, and asks the grabber nothing more.
void ConversionRunner::writeRipLogs() {
    if (!m_ripLogs.active()) return;
    const bool cancelled = m_stopped || m_host.cancelRequested();
    QList<FailedFile> failures;  // with their English reasons
    for (qsizetype i = 0; i < m_failures.size(); ++i) failures.push_back({m_failures[i].path, m_englishReasons.value(i)});
    const RipLogBook::Outcome outcome =
        m_ripLogs.write(failures, cancelled, m_stopped ? nullptr : m_components.grabber, m_components.cdplayerIni);
    m_ripLogs.plan({});
    if (m_stopped) return;
    for (const QString& path : outcome.written) m_host.ripLogWritten(path);
    for (const QString& reason : outcome.errors) m_host.ripLogFailed(reason);
}

void ConversionRunner::processEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed) {
    const EntryPlan plan = planEntry(snapshot, index, claimed);
    switch (plan.kind) {
    case EntryPlan::Kind::Skip: return;
    case EntryPlan::Kind::Message: m_host.runMessage(plan.text.shown, false); return;
    case EntryPlan::Kind::Refuse: fail(snapshot.entries[index].source, plan.text); return;
    case EntryPlan::Kind::Convert: convertPlanned(snapshot, index, plan); return;
    }
}

void ConversionRunner::convertPlanned(const RunSnapshot& snapshot, int index, const EntryPlan& plan) {
    const QString& p = snapshot.entries[index].source;
    const QString& q = snapshot.entries[index].output;
    m_host.fileStarted(index + 1);
    m_partIndex = index;
    // The writer of the format is the writer object's: it picks it from the output's extension.
    if (const audio::OutputFormat* format = audio::outputFormat(snapshot.formatKey)) {
        if (const QString unavailable = format->unavailable ? format->unavailable() : QString(); !unavailable.isEmpty()) {
            m_host.runMessage(unavailable, true);
            m_host.setBusy(false);
            m_host.fileEnded();
            m_endRun = true;
            return;
        }
        if (plan.cd) convertCdTrack(p, q);
        else convertFile(p, q);
    }
    if (m_stopped) return;
    m_host.fileEnded();
}

void ConversionRunner::progress(const audio::JobProgress& progress) {
    // A CD track's bar counts whole percents, from 1 on.
    if (m_cdTrack)
        m_host.fileProgress(std::max(1.0, std::nearbyint(m_cdTrack->shownPercent(progress.percent()))));
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

bool ConversionRunner::convertFile(const QString& p, const QString& q) {
    m_host.fileProgress(0);
    const QString part = partFileFor(q, m_partIndex);
    // Every channel is read; the writer mixes down for a format that holds fewer.
    m_components.reader.setChannelLimit(channel_layout::kMaxChannels);
    const std::unique_ptr<audio::AudioSource> source = sourceOf(m_components.reader, p);
    audio::AudioFileSink sink(m_components.writer, part);

    audio::AudioJob job(*source, sink, *this);
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
    if (!m_albums.active()) return {};
    return audio::measureFile(part, [this] {
        if (m_host.letEventsRun()) return true;
        m_stopped = true;
        return false;
    });
}

RunText ConversionRunner::copyTags(const QString& p, const QString& part) {
    if (!m_preserveTags) return {};
    if (cue::entryRef(p)) return asIs(writeSheetTags(m_components.tags, p, part));
    try {
        m_components.tags.ReadTags(p);
        m_components.tags.WriteTags(part);
    } catch (const ComponentError& e) {
        return text(QT_TRANSLATE_NOOP("ConversionRunner", "The tags could not be copied (the source is kept): %1"), e.description());
    }
    return {};
}

bool ConversionRunner::completeOutput(const QString& p, const QString& part, const QString& q,
                                      const audio::FileLoudness& loudness, const Tagger& tagger) {
    m_host.fileProgress(100);
    const auto drop = [&](const RunText& reason) {
        QFile::remove(part);
        fail(p, inPlaceOf(reason, part, q));
        return false;
    };
    // Copied tags may bring the source's loudness tags along: those of the output follow them.
    if (const RunText refused = tagger ? tagger(part) : RunText(); !refused.isEmpty()) return drop(refused);
    if (m_albums.active()) {
        std::optional<RunText> why;
        try {
            if (!loudness.measurement)
                why = loudness.error.isEmpty() ? runText("ConversionRunner", QT_TRANSLATE_NOOP("ConversionRunner", "nothing was measured"))
                                               : asIs(loudness.error);
            else
                loudness_tags::writeTrack(part, loudness.measurement->loudness());
        } catch (const ComponentError& e) {
            why = asIs(e.description());
        }
        if (why)
            return drop(runText("ConversionRunner",
                                QT_TRANSLATE_NOOP("ConversionRunner", "The loudness tags could not be written (the source is kept): %1"),
                                *why));
    }
    // Renaming would replace even a file the user may not write.
    const QFileInfo existing(q);
    if ((existing.exists() && !existing.isWritable()) || !replaceWith(part, q)) {
        m_host.setBusy(false);
        m_host.fileProgress(0);
        return drop(text(QT_TRANSLATE_NOOP("ConversionRunner", "The output could not be put in place of '%1'."), q));
    }
    m_entryWritten = true;
    m_host.outputWritten(p, q);
    if (m_albums.active()) m_albums.written(p, q, *loudness.measurement);
    if (m_deleteSource) deleteSources(p);
    return true;
}

void ConversionRunner::deleteSources(const QString& p) {
    // A sheet's audio file goes only once every track of it is written whole.
    const QStringList files = cue::entryRef(p) ? m_sheets.written(p) : QStringList{p};
    for (const QString& file : files)
        if (const QString reason = audio::removeSource(file); !reason.isEmpty())
            fail(p, text(QT_TRANSLATE_NOOP("ConversionRunner", "The source file could not be deleted: %1"), reason));
}

void ConversionRunner::entryEnded(const QString& p) {
    const auto measure = [this](const QString& q) -> std::optional<audio::FileLoudness> {
        audio::FileLoudness measured = measureHere(q);
        if (m_stopped) return std::nullopt;
        return measured;
    };
    m_albums.ended(p, m_entryWritten, measure, [this](const QString& path, const QString& reason) { fail(path, reason); });
}

bool ConversionRunner::convertCdTrack(const QString& p, const QString& q) {
    CdGrabber* grabber = m_components.grabber;
    if (!grabber) {
        fail(p, runText("ConversionRunner", QT_TRANSLATE_NOOP("ConversionRunner", "Reading CD tracks is not available.")));
        return false;
    }
    CdTrackJob cd(m_host, *grabber);
    if (grabber->Busy()) {
        m_host.cancelRun();
        grabber->Abort();
        cd.reportErrorBlocks();
        return false;
    }
    const qsizetype failuresBefore = m_failures.size();
    const bool written = ripCdTrack(cd, p, q);
    recordCdTrack(cd, p, q, written, failuresBefore);
    return written;
}

bool ConversionRunner::ripCdTrack(CdTrackJob& cd, const QString& p, const QString& q) {
    const RunText refused = cd.prepare(p);
    if (cd.stopped()) {
        m_stopped = true;
        return false;
    }
    // A cancel asked for before the track starts is kept: it ends the run as any other.
    m_host.fileProgress(kGrabStartPercent);
    if (!refused.isEmpty()) {
        fail(p, refused);
        return false;
    }
    m_ripLogs.trackStarted(p, *m_components.grabber, m_components.cdplayerIni);
    if (m_components.grabber->settings().oneFile) return ripDiscAsOneFile(p, q, cd);
    if (m_components.grabber->settings().testAndCopy && !testCdTrack(cd, p)) return false;
    // CD audio is 44 100 Hz stereo; the writer is told so. The whole track is read, under a part
    // name, and put in place when whole and tagged.
    const QString part = partFileFor(q, cd.track());
    const std::optional<CdRead> read = readCd(cd.source(), cd, p, q, part);
    if (!read) return false;
    const Tagger tagger = [this, &cd](const QString& written) {
        return m_preserveTags ? cd.writeTags(m_components.tags, m_components.cdplayerIni, written) : RunText();
    };
    if (!completeOutput(p, part, q, read->loudness, tagger)) return false;
    m_host.cdTrackWritten(p, m_components.grabber->errorBlocks());
    if (const QString differ = cd.testAndCopyDifference(p); !differ.isEmpty()) m_host.testAndCopyDiffered(p, differ);
    trackRipped(q, cd.track());
    if (const std::optional<RippedTrack> ripped = cd.ripped(p)) m_verifier.add(*ripped);
    return true;
}

std::optional<ConversionRunner::CdRead> ConversionRunner::readCd(audio::AudioSource& source, CdTrackJob& cd, const QString& p,
                                                                  const QString& q, const QString& part) {
    audio::AudioFileSink sink(m_components.writer, part);
    audio::AudioJob job(source, sink, *this, kCdBlockValues);
    m_job = &job;
    m_cdTrack = &cd;
    const audio::JobOutcome outcome = job.run();
    m_cdTrack = nullptr;
    m_job = nullptr;
    m_stopped = m_stopped || cd.stopped();
    if (!trackReadWhole(p, q, part, outcome, cd)) return std::nullopt;
    const audio::FileLoudness loudness = measureHere(part);
    if (m_stopped) {
        settleUnfinished(part, q);
        return std::nullopt;
    }
    return CdRead{outcome, loudness};
}

bool ConversionRunner::testCdTrack(CdTrackJob& cd, const QString& p) {
    if (cd.testRead()) return true;
    m_stopped = m_stopped || cd.stopped();
    if (m_stopped) return false;
    cd.reportErrorBlocks();
    m_host.setBusy(false);
    if (cd.aborted()) {
        m_host.cancelRun();
        m_host.fileEnded();
        return false;
    }
    m_host.fileProgress(0);
    fail(p, text(QT_TRANSLATE_NOOP("ConversionRunner", "The test read failed: %1"), cd.testError()));
    return false;
}

void ConversionRunner::recordCdTrack(const CdTrackJob& cd, const QString& p, const QString& q, bool written,
                                     qsizetype failuresBefore) {
    using End = riplog::TrackRecord::End;
    riplog::TrackRecord record = cd.record();
    // A track of a disc ripped as one file has its record from that file's read.
    if (const auto oneFile = m_discRips.records.find(p); written && oneFile != m_discRips.records.end()) record = oneFile->second;
    if (written) {
        record.end = End::Copied;
        // A disc ripped as one file: every track is in that file.
        const bool oneFile = m_components.grabber->settings().oneFile && !m_discRips.written.isEmpty();
        record.file = QFileInfo(oneFile ? m_discRips.written.back().oneFile : q).fileName();
    } else if (cd.aborted() || m_stopped || m_host.cancelRequested()) {
        record.end = End::Cancelled;
    } else {
        record.end = End::Failed;
        // In English: the rip log is read by tools.
        record.reason = m_failures.size() > failuresBefore ? m_englishReasons.last() : cd.openError();
        if (record.reason.isEmpty()) record.reason = QStringLiteral("The track could not be read.");
    }
    m_ripLogs.trackEnded(p, record);
}

// What a CD track's job left: true when `part` holds the whole track. Otherwise the part is
// dropped (or, for a cancel, settled as a cancelled file's output is), and the track's end is
// told as the window has always told it.
bool ConversionRunner::trackReadWhole(const QString& p, const QString& q, const QString& part, const audio::JobOutcome& outcome,
                                      const CdTrackJob& cd) {
    const bool openFailed = cd.openFailed();
    const bool whole = outcome.written() && !cd.aborted() && !m_stopped;
    if (!whole) {
        if (outcome.end == audio::JobEnd::Failed || openFailed) QFile::remove(part);
        else settleUnfinished(part, q);
    }
    if (m_stopped) return false;
    if (openFailed) {
        // The grabber's reason on a second line.
        const QString reason = cd.openError().isEmpty() ? QString() : QLatin1Char('\n') + cd.openError();
        m_host.runMessage(QCoreApplication::translate("ConversionRunner", "Open Track Error!.") + reason, false);
        cd.reportErrorBlocks();
        return false;
    }
    cd.reportErrorBlocks();
    if (outcome.end == audio::JobEnd::Cancelled || cd.aborted()) {
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
