#include "runs/RipLogBook.h"

#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/CdTrackTags.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "runs/AccurateRipVerifier.h"
#include "runs/ConverterRules.h"

#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace converter {

void RipLogBook::plan(const RunSnapshot& snapshot) {
    m_discs.clear();
    m_accurateRipNote.clear();
    for (const RunEntry& entry : snapshot.entries) {
        if ((!snapshot.wholeList && !entry.selected) || !isCdTrack(entry.source)) continue;
        const QString root = QFileInfo(entry.source).path();
        auto disc = std::find_if(m_discs.begin(), m_discs.end(), [&](const Disc& d) { return d.root == root; });
        if (disc == m_discs.end()) disc = m_discs.insert(m_discs.end(), Disc{root, {}, {}, std::nullopt, {}});
        disc->entries << entry.source;
        disc->outputs << entry.output;
        disc->records << std::nullopt;
    }
}

RipLogBook::Disc* RipLogBook::discOf(const QString& p) {
    for (Disc& disc : m_discs)
        if (disc.entries.contains(p)) return &disc;
    return nullptr;
}

void RipLogBook::trackStarted(const QString& p, const CdGrabber& grabber, const QString& cdplayerIni) {
    Disc* disc = discOf(p);
    if (disc && !disc->log) disc->log = discFacts(grabber, cdplayerIni);
}

void RipLogBook::trackEnded(const QString& p, const riplog::TrackRecord& record) {
    Disc* disc = discOf(p);
    if (!disc) {
        // A track the run did not list, read with a listed one of its disc (a disc ripped as one
        // file): it joins that disc's log.
        const QString root = QFileInfo(p).path();
        const auto listed = std::find_if(m_discs.begin(), m_discs.end(), [&](const Disc& d) { return d.root == root; });
        if (listed == m_discs.end()) return;
        disc = &*listed;
        disc->entries << p;
        disc->outputs << QString();
        disc->records << std::nullopt;
    }
    disc->records[disc->entries.indexOf(p)] = record;
}

void RipLogBook::verified(const VerificationReport& report, bool enabled) {
    if (!enabled) m_accurateRipNote = QStringLiteral("not verified (verification is off in the ripping options)");
    else if (!report.unverified.isEmpty()) m_accurateRipNote = QStringLiteral("a record could not be fetched: ") + report.unverified;
    for (const TrackVerdict& verdict : report.tracks) {
        Disc* disc = discOf(verdict.source);
        if (!disc) continue;
        std::optional<riplog::TrackRecord>& record = disc->records[disc->entries.indexOf(verdict.source)];
        if (!record) continue;
        record->accurateRip = verdict.verdict;
        record->accurateRipMatched = verdict.matched;
        record->accurateRipMismatch = verdict.mismatch;
        record->accurateRipConfidence = verdict.confidence;
        record->accurateRipVersion = verdict.version;
    }
}

QString RipLogBook::offsetSource(const GrabSettings::DriveOffset& applied, bool image) {
    if (image) return QStringLiteral("a disc image is read as it is");
    if (applied.origin == QLatin1String("default"))
        return QStringLiteral("the ripping options' offset for drives without one of their own");
    return QStringLiteral("the ripping options, ") + applied.origin;
}

riplog::Log RipLogBook::discFacts(const CdGrabber& grabber, const QString& cdplayerIni) {
    riplog::Log log;
    log.program = QStringLiteral("Velloria " VELLORIA_VERSION);
    // With its offset from UTC, so that the date says when wherever the log is read.
    const QDateTime now = QDateTime::currentDateTime();
    log.date = now.toOffsetFromUtc(now.offsetFromUtc());
    if (const std::optional<DiscInfo> info = knownDiscInfo(grabber, cdplayerIni)) {
        log.album = info->album;
        log.artist = info->artist;
    }
    log.discId = cddbDiscId(grabber.toc());
    log.image = grabber.driveIsImage();
    log.source = grabber.driveSource();
    const CdGrabber::DriveInquiry inquiry = grabber.driveInquiry();
    log.vendor = inquiry.vendor;
    log.model = inquiry.model;
    log.revision = inquiry.revision;
    const GrabSettings& s = grabber.settings();
    const GrabSettings::DriveOffset applied = grabber.appliedOffset();
    log.readOffset = log.image ? 0 : applied.samples;
    log.readOffsetSource = offsetSource(applied, log.image);
    log.readMode = s.readMode;
    log.safeMode = s.safeMode;
    log.retries = s.retries;
    log.errorAction = s.errorAction;
    log.testAndCopy = s.testAndCopy && !s.oneFile;  // the one-file rip reads the disc once
    log.layout = grabber.layout();
    return log;
}

// Entries the run never read are not ripped, or failed with the reason the run gave them.
void RipLogBook::settle(Disc& disc, const QList<audio::FailedFile>& failures) {
    for (qsizetype i = 0; i < disc.entries.size(); ++i) {
        if (disc.records[i]) continue;
        riplog::TrackRecord record;
        record.number = trackNumberOf(disc.entries[i]).value_or(0);
        for (const audio::FailedFile& f : failures)
            if (f.path == disc.entries[i]) {
                record.end = riplog::TrackRecord::End::Failed;
                record.reason = f.reason;
            }
        disc.records[i] = record;
    }
}

riplog::Log::End RipLogBook::ending(const riplog::Log& log, bool cancelled) {
    using End = riplog::TrackRecord::End;
    const auto any = [&log](End end) {
        return std::any_of(log.tracks.begin(), log.tracks.end(), [end](const riplog::TrackRecord& t) { return t.end == end; });
    };
    if (cancelled && (any(End::Cancelled) || any(End::NotRipped))) return riplog::Log::End::Cancelled;
    if (any(End::Failed) || any(End::Cancelled) || any(End::NotRipped)) return riplog::Log::End::Failed;
    return riplog::Log::End::Completed;
}

RipLogBook::Outcome RipLogBook::write(const QList<audio::FailedFile>& failures, bool cancelled, CdGrabber* grabber,
                                      const QString& cdplayerIni) {
    Outcome outcome;
    for (Disc& disc : m_discs) {
        if (!disc.log && grabber) {
            const int was = grabber->CurrentDrive();
            for (int i = 0; i < grabber->DriveCount() && !disc.log; ++i) {
                grabber->setCurrentDrive(i);
                if (grabber->RootText() == disc.root + QLatin1Char('/')) disc.log = discFacts(*grabber, cdplayerIni);
            }
            grabber->setCurrentDrive(was);
        }
        if (!disc.log) continue;
        settle(disc, failures);
        riplog::Log log = *disc.log;
        for (const std::optional<riplog::TrackRecord>& record : std::as_const(disc.records)) log.tracks.push_back(*record);
        log.accurateRipNote = m_accurateRipNote;
        log.end = ending(log, cancelled);
        const QString folder = QFileInfo(disc.outputs.value(0)).absolutePath();
        // Outputs meant for the drive's own folder of track entries were refused: nothing goes there.
        if (QDir(folder) == QDir(disc.root)) continue;
        QDir().mkpath(folder);
        const riplog::Written written = riplog::write(log, folder);
        if (written.error.isEmpty()) outcome.written << written.logPath;
        else outcome.errors << written.error;
    }
    return outcome;
}

}  // namespace converter
