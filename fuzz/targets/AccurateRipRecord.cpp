#include "Targets.h"

#include "components/audio/cd/AccurateRip.h"

namespace fuzz_targets {
namespace {

using accuraterip::Verdict;

// A verdict's own sense: a match names its version and the rips that agree, a mismatch the rips
// that disagree, and "not in the database" neither.
void requireSane(const Verdict& v, int confidenceLimit) {
    require(!v.text().isEmpty(), "a verdict without text");
    switch (v.kind) {
    case Verdict::Kind::Matched:
        require(v.version == 1 || v.version == 2, "a match without version 1 or 2");
        require(v.confidence > 0 && v.confidence <= confidenceLimit, "a match's confidence out of range");
        break;
    case Verdict::Kind::Mismatch:
        require(v.version == 0, "a mismatch with a version");
        require(v.confidence > 0 && v.confidence <= confidenceLimit, "a mismatch's confidence out of range");
        break;
    case Verdict::Kind::NotInDatabase:
        require(v.version == 0 && v.confidence == 0, "\"not in the database\" with a confidence");
        break;
    }
}

// Every track of every block (and one past the end), with that entry's checksum as v2, as v1 and
// as neither.
void verifyAll(const accuraterip::Record& record) {
    int total = 0;
    for (const accuraterip::Block& block : record.blocks)
        for (const accuraterip::TrackEntry& entry : block.tracks) total += entry.confidence;
    for (const accuraterip::Block& block : record.blocks) {
        for (int track = 0; track <= int(block.tracks.size()) + 1; ++track) {
            const bool inBlock = track >= 1 && track <= int(block.tracks.size());
            const std::uint32_t sum = inBlock ? block.tracks[std::size_t(track - 1)].checksum : 0;
            const Verdict asV2 = accuraterip::verify(&record, block.ids, track, ~sum, sum);
            const Verdict asV1 = accuraterip::verify(&record, block.ids, track, sum, ~sum);
            requireSane(asV2, total);
            requireSane(asV1, total);
            requireSane(accuraterip::verify(&record, block.ids, track, sum + 1, sum + 2), total);
            if (inBlock && block.tracks[std::size_t(track - 1)].confidence > 0) {
                require(asV2.kind == Verdict::Kind::Matched, "an entry's own checksum does not match as v2");
                require(asV1.kind == Verdict::Kind::Matched, "an entry's own checksum does not match as v1");
            }
            if (!inBlock && track > 0) {
                accuraterip::DiscIds other = block.ids;
                other.id1 ^= 1;
                requireSane(accuraterip::verify(&record, other, track, sum, sum), total);
            }
        }
    }
    require(accuraterip::verify(nullptr, {}, 1, 0, 0).kind == Verdict::Kind::NotInDatabase, "a verdict without a record");
}

}  // namespace

void accurateRipRecord(const std::uint8_t* data, std::size_t size) {
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const accuraterip::Record record = accuraterip::parseRecord(bytes);
    require(record.error.isEmpty() != record.blocks.empty(), "a record both with blocks and an error, or neither");
    for (const accuraterip::Block& block : record.blocks) {
        require(block.ids.tracks >= 1 && block.ids.tracks <= 255, "a block's track count out of range");
        require(int(block.tracks.size()) == block.ids.tracks, "a block whose entries disagree with its track count");
        for (const accuraterip::TrackEntry& entry : block.tracks)
            require(entry.confidence >= 0 && entry.confidence <= 255, "a confidence out of range");
    }
    if (record.error.isEmpty())
        require(accuraterip::recordBytes(record.blocks) == bytes, "a record written back differs from what was read");
    verifyAll(record);
}

}  // namespace fuzz_targets
