#include "runs/ReadOffsetFinder.h"

#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/OffsetSearch.h"

#include <QCoreApplication>

namespace converter {
namespace {

// Offsets whose frame-450 checksums match that are read whole, best first.
constexpr int kCandidatesConfirmed = 3;
constexpr int kTracksWanted = 2;

// A reason put inside a sentence of the finding, without its own full stop.
QString clause(QString reason) {
    while (reason.endsWith(QLatin1Char('.'))) reason.chop(1);
    return reason;
}

QString tracks(int n) {
    return n == 1 ? QCoreApplication::translate("ReadOffsetFinder", "1 track")
                  : QCoreApplication::translate("ReadOffsetFinder", "%1 tracks").arg(n);
}

QString detection(const OffsetFinding& f) {
    switch (f.kind) {
    case OffsetFinding::Kind::Detected:
        //: %1 is the offset in samples, %2 a count of tracks
        return QCoreApplication::translate("ReadOffsetFinder", "Detected %1 (confirmed by %2)")
            .arg(signedOffset(f.offset), tracks(f.confirmedBy));
    case OffsetFinding::Kind::NotInDatabase:
        return QCoreApplication::translate("ReadOffsetFinder",
                                           "The disc is not in the AccurateRip database, so no read offset can be detected with "
                                           "it; try another disc");
    case OffsetFinding::Kind::NoMatch:
        if (f.tracksCompared == 0)
            return QCoreApplication::translate("ReadOffsetFinder",
                                               "No track of the disc reaches sector 450 with a checksum in its AccurateRip "
                                               "record, so no read offset can be detected with it; try another disc");
        //: %3 is a count of tracks
        return QCoreApplication::translate("ReadOffsetFinder",
                                           "No read offset from %1 to %2 matches the disc's AccurateRip record (%3 compared)")
            .arg(signedOffset(GrabSettings::kReadOffsets.minimum), signedOffset(GrabSettings::kReadOffsets.maximum),
                 tracks(f.tracksCompared));
    case OffsetFinding::Kind::Unconfirmed:
        //: %2 is a count of tracks
        return QCoreApplication::translate("ReadOffsetFinder",
                                           "Offset %1 matches the disc's AccurateRip record at sector 450 of %2, but no whole "
                                           "track matches: no read offset detected")
            .arg(signedOffset(f.offset), tracks(f.frame450Tracks));
    case OffsetFinding::Kind::Failed: break;
    }
    return QCoreApplication::translate("ReadOffsetFinder", "The read offset could not be detected: %1").arg(clause(f.reason));
}

QString listing(const OffsetFinding& f) {
    // The second clause of the finding; OffsetFinding::text() capitalises it after a full stop.
    if (f.driveName.isEmpty())
        return QCoreApplication::translate("ReadOffsetFinder", "a disc image names no drive to look up in the drive-offset list");
    if (!f.listReason.isEmpty())
        return QCoreApplication::translate("ReadOffsetFinder", "the drive-offset list could not be fetched: %1").arg(clause(f.listReason));
    if (!f.listed) return QCoreApplication::translate("ReadOffsetFinder", "the drive-offset list has no entry for %1").arg(f.driveName);
    const QString gives =
        QCoreApplication::translate("ReadOffsetFinder", "the drive-offset list gives %1 for %2").arg(signedOffset(*f.listed), f.driveName);
    if (f.kind == OffsetFinding::Kind::Detected && *f.listed != f.offset)
        return QCoreApplication::translate("ReadOffsetFinder", "%1, which does not agree: the detected offset is the one kept").arg(gives);
    return gives;
}

}  // namespace

QString signedOffset(int offset) { return offset > 0 ? QStringLiteral("+%1").arg(offset) : QString::number(offset); }

QString OffsetFinding::text() const {
    QString list = listing(*this);
    if (kind == Kind::Detected) return detection(*this) + QStringLiteral("; ") + list + QLatin1Char('.');
    list[0] = list[0].toUpper();
    return detection(*this) + QStringLiteral(". ") + list + QLatin1Char('.');
}

OffsetLookups lookUpForOffset(const DiscToc& toc, const QString& driveName, const GrabSettings& settings,
                              const QString& cacheFolder) {
    OffsetLookups out;
    out.record = net::fetchAccurateRip(accuraterip::discIds(toc), settings, cacheFolder);
    if (!driveName.isEmpty()) out.list = net::fetchDriveOffsets(settings);
    return out;
}

OffsetFinding findReadOffset(CdGrabber& grabber, const OffsetLookups& lookups, const QString& driveName,
                             const std::function<bool()>& keepGoing) {
    OffsetFinding f;
    f.driveName = driveName;
    if (lookups.list) {
        f.listReason = lookups.list->found ? QString() : lookups.list->error;
        if (lookups.list->found) f.listed = net::listedOffset(lookups.list->list, driveName);
    }
    if (lookups.record.notKnown) {
        f.kind = OffsetFinding::Kind::NotInDatabase;
        return f;
    }
    if (!lookups.record.found) {
        f.reason = lookups.record.error;
        return f;
    }
    accuraterip::OffsetSearch search(grabber, lookups.record.record, keepGoing);
    const std::vector<accuraterip::OffsetCandidate> candidates =
        search.candidates(GrabSettings::kReadOffsets.minimum, GrabSettings::kReadOffsets.maximum);
    f.tracksCompared = search.tracksCompared();
    f.kind = OffsetFinding::Kind::NoMatch;
    const int wanted = std::min(kTracksWanted, search.tracksListed());
    for (std::size_t c = 0; c < candidates.size() && c < std::size_t(kCandidatesConfirmed); ++c) {
        const std::vector<int> confirmed = search.confirmingTracks(candidates[c].offset, wanted);
        if (!search.error().isEmpty()) break;  // unreadable, stopped or changed: no answer to give
        if (c == 0 || int(confirmed.size()) >= wanted) {
            f.offset = candidates[c].offset;
            f.frame450Tracks = int(candidates[c].tracks.size());
            f.confirmedBy = int(confirmed.size());
            f.kind = wanted > 0 && int(confirmed.size()) >= wanted ? OffsetFinding::Kind::Detected
                                                                   : OffsetFinding::Kind::Unconfirmed;
        }
        if (f.kind == OffsetFinding::Kind::Detected) break;
    }
    if (!search.error().isEmpty()) {
        f.kind = OffsetFinding::Kind::Failed;
        f.reason = search.error();
    }
    return f;
}

bool keepFinding(GrabSettings& settings, const OffsetFinding& finding) {
    if (finding.kind != OffsetFinding::Kind::Detected || finding.driveName.isEmpty()) return false;
    settings.driveOffsets[finding.driveName] = finding.offset;
    return true;
}

}  // namespace converter
