#pragma once
// The read offset of the drive that holds a disc known to AccurateRip: the disc's record is
// fetched, the frame-450 checksums of its tracks are compared at every offset of
// GrabSettings::kReadOffsets and the best offset is confirmed by the whole-track checksums of
// two tracks (accuraterip::OffsetSearch); the drive's model is looked up in the AccurateRip
// drive-offset list beside it. The finding says both, and is kept for the drive only when
// detected and confirmed.
//
// The look-ups block (a worker thread: whileEventsRun, or the command line); the reading runs on
// the grabber's thread (CdGrabber's NOTE ON THREADS), calling `keepGoing` between reads.

#include "components/audio/cd/CdTypes.h"
#include "components/net/DiscLookup.h"
#include "components/net/DriveOffsets.h"

#include <QString>

#include <functional>
#include <optional>

class CdGrabber;

namespace converter {

struct OffsetFinding {
    enum class Kind {
        Detected,       // confirmed by whole-track checksums
        NotInDatabase,  // AccurateRip has no record of the disc
        NoMatch,        // no offset of the range matches the record's frame-450 checksums
        Unconfirmed,    // frame-450 checksums match, whole-track checksums do not
        Failed,         // the record could not be fetched or the disc not read
    };
    Kind kind = Kind::Failed;
    int offset = 0;          // Detected, Unconfirmed
    int confirmedBy = 0;     // Detected: tracks whose whole checksum matched
    int frame450Tracks = 0;  // tracks whose frame-450 checksum matched at the offset
    int tracksCompared = 0;  // NoMatch: tracks whose frame-450 checksum was compared
    QString reason;          // Failed: why
    QString driveName;       // "VENDOR MODEL"; empty for a disc image
    std::optional<int> listed;  // the drive-offset list's offset for the drive
    QString listReason;         // why the list could not be had
    // What the user reads: "Detected +667 (confirmed by 2 tracks); the drive-offset list
    // gives +667 for VENDOR MODEL.", and the like for every other outcome.
    QString text() const;
};

// An offset as it is shown: "+667", "-48", "0".
QString signedOffset(int offset);

struct OffsetLookups {
    net::RecordFetch record;
    std::optional<net::DriveOffsetFetch> list;  // nothing: no drive name to look up
};
// The disc's record (from `cacheFolder` or the server) and, for a named drive, the list.
OffsetLookups lookUpForOffset(const DiscToc& toc, const QString& driveName, const GrabSettings& settings,
                              const QString& cacheFolder);

// Reads the grabber's current disc with the look-ups' record; `driveName` is whose offset it is.
OffsetFinding findReadOffset(CdGrabber& grabber, const OffsetLookups& lookups, const QString& driveName,
                             const std::function<bool()>& keepGoing = {});

// Keeps a detected offset as the drive's own in `settings`; false, and nothing changed, for any
// other finding or without a drive name.
bool keepFinding(GrabSettings& settings, const OffsetFinding& finding);

}  // namespace converter
