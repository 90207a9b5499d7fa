#include "support/OffsetImages.h"

#include "components/audio/cd/AccurateRip.h"
#include "support/DiscServices.h"

namespace testing_support {

const char* const kTestDriveName = "TESTVEND MODEL X";

CdImage writeShiftedImage(const QString& dir, const QString& name, const CdImage& image, int offset) {
    SampleBlock disc;
    for (const SampleBlock& track : image.tracks) disc.insert(disc.end(), track.begin(), track.end());
    SampleBlock shifted(disc.size(), 0);
    const auto values = std::int64_t(disc.size());
    for (std::int64_t v = 0; v < values; ++v) {
        const std::int64_t from = v - 2 * std::int64_t(offset);
        if (from >= 0 && from < values) shifted[std::size_t(v)] = disc[std::size_t(from)];
    }
    std::vector<SampleBlock> tracks;
    std::size_t at = 0;
    for (const SampleBlock& track : image.tracks) {
        tracks.emplace_back(shifted.begin() + std::ptrdiff_t(at), shifted.begin() + std::ptrdiff_t(at + track.size()));
        at += track.size();
    }
    return writeCdImage(dir, name, std::move(tracks));
}

QByteArray frame450OnlyRecord(const CdImage& image) {
    accuraterip::Record record = accuraterip::parseRecord(recordOf(image));
    for (accuraterip::Block& block : record.blocks)
        for (accuraterip::TrackEntry& entry : block.tracks) entry.checksum ^= 0x00010000u;
    return accuraterip::recordBytes(record.blocks);
}

void serveDriveOffsets(WebServer& server, std::optional<int> listed) {
    std::vector<net::DriveOffsetEntry> entries{{QStringLiteral("PIONEER  - BD-RW   BDR-209D"), 667, 91},
                                               {QStringLiteral("- CDROM 52X"), -1164, 3}};
    if (listed) entries.push_back({QStringLiteral("TESTVEND - MODEL X"), *listed, 12});
    server.serve(QString::fromLatin1(kDriveOffsetsPath), {200, "application/octet-stream", net::driveOffsetBytes(entries)});
}

}  // namespace testing_support
