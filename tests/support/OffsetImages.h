#pragma once
// Stand-ins for a drive with a read offset: a disc image made as such a drive reads a disc, and
// AccurateRip records and drive-offset lists for the read offset finder's tests.

#include "components/net/DriveOffsets.h"
#include "support/CdImages.h"
#include "support/WebServer.h"

#include <QByteArray>
#include <QString>

#include <optional>

namespace testing_support {

// `image` as a drive with read offset `offset` reads it: its audio `offset` frames later
// (silence before it, the last frames lost) for a positive offset, earlier for a negative one.
// The same table of contents, written as `dir`/`name`.bin and .cue.
CdImage writeShiftedImage(const QString& dir, const QString& name, const CdImage& image, int offset);

// The image's AccurateRip record with its frame-450 checksums but every whole-track checksum
// changed: a record that matches at sector 450 and nowhere else.
QByteArray frame450OnlyRecord(const CdImage& image);

// The drive name the finder tests give their image, and the path the drive-offset list is
// served at.
extern const char* const kTestDriveName;
constexpr const char* kDriveOffsetsPath = "/ar/DriveOffsets.bin";
// Serves a drive-offset list of other drives and "TESTVEND - MODEL X" with `listed` (no entry for
// it when nullopt).
void serveDriveOffsets(WebServer& server, std::optional<int> listed);

}  // namespace testing_support

namespace testing_support {

// Counts the sectors the grabber's reads ask of the disc, and passes every read on.
struct CountingLayer : CdDriveLayer {
    long sectors = 0;
    long readAudio(std::int32_t lsn, long count, void* buffer, const DeviceRead& device) override {
        sectors += count;
        return device(lsn, count, buffer);
    }
};

}  // namespace testing_support
