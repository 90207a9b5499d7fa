#pragma once
// The AccurateRip drive-offset list: the read offsets that rips sent to AccurateRip found for
// each drive model, published as one binary file (DriveOffsets.bin) at the address the
// settings give (GrabSettings::driveOffsetsUrl).
//
// The file is a flat array of 69-byte records, without header; every number little-endian:
//   bytes  0..1   the read offset in samples, a signed 16-bit number
//   bytes  2..33  the drive's name, ASCII padded with NUL bytes: "VENDOR - MODEL", the
//                 inquiry's vendor and model fields with their padding spaces kept
//                 ("PIONEER  - BD-RW   BDR-209D"), or "- MODEL" for a drive without vendor
//   byte  34      NUL, ending a name of the full 32 bytes
//   byte  35      the number of rips behind the offset, as open-source readers of the file take it
//   bytes 36..68  not used here
// A file that is not a whole number of records is damaged and refused; a record whose name is
// empty is left out. Names are compared with the drive's own ("VENDOR MODEL",
// CdGrabber::driveName) without regard to case, padding or the " - " between the two fields.
// The parser does no I/O; fetchDriveOffsets blocks (a worker thread, or the command line).

#include "components/ComponentError.h"
#include "components/audio/cd/CdTypes.h"

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

namespace net {

constexpr int kDriveOffsetRecord = 69;

struct DriveOffsetEntry {
    QString name;  // as the list spells it, padding simplified
    int offset = 0;
    int submissions = 0;
};

struct DriveOffsetList {
    std::vector<DriveOffsetEntry> entries;  // in the file's order
    QString error;  // why the bytes are no list; empty when they are one
};
DriveOffsetList parseDriveOffsets(const QByteArray& bytes);
// The bytes of a list (what the server sends), for tests; names longer than 32 bytes are cut.
QByteArray driveOffsetBytes(const std::vector<DriveOffsetEntry>& entries);

// The name as names are compared: upper case, the fields' padding and the " - " between them
// gone ("PIONEER BD-RW BDR-209D").
QString driveKey(const QString& name);
// The offset the list gives for `driveName` (the first entry of that name); nothing when it
// lists no such drive or the name is empty.
std::optional<int> listedOffset(const DriveOffsetList& list, const QString& driveName);

// The list from the server; found with the list, or not found with the reason.
struct DriveOffsetFetch : LookupResult {
    DriveOffsetList list;
};
DriveOffsetFetch fetchDriveOffsets(const GrabSettings& settings);

}  // namespace net
