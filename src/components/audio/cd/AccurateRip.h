#pragma once
// AccurateRip: the checksums that let a rip be compared with other people's rips of the same
// pressing, the disc's identifiers that name its record on the server, and the record itself.
//
// Checksums (v1 and v2) run over a track's 16-bit stereo frames taken as 32-bit words (left in
// the low half), each multiplied by its position in the track counted from 1; v1 keeps the low
// 32 bits of each product, v2 adds the high half too. The first 2939 frames of the first track
// and the last 2940 of the last are left out (the drive may not reach them). The frame-450
// checksum is v1 over the 588 frames of the track's sector 450, positions counted within that
// sector; it lets a record be matched whatever the drive's offset.
//
// A record ("dBAR" file) holds one or more blocks, each: track count (1 byte), the three disc
// identifiers (4 bytes each), then per track a confidence (1 byte), the checksum and the
// frame-450 checksum (4 bytes each); every number little-endian. Nothing here does any I/O.

#include "components/audio/cd/CdTypes.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <optional>
#include <vector>

namespace accuraterip {

// The disc's identifiers, from its table of contents: the audio tracks (an enhanced CD's or a
// mixed-mode disc's data track left out) with the disc's lead-out (the data session's), and
// the CDDB id of every track.
struct DiscIds {
    int tracks = 0;          // audio tracks
    std::uint32_t id1 = 0;   // sum of the audio track offsets and the lead-out
    std::uint32_t id2 = 0;   // sum of offset (at least 1) × place in the record, and lead-out × (tracks + 1)
    std::uint32_t cddb = 0;  // the CDDB disc id
    // "dBAR-<tracks>-<id1>-<id2>-<cddb>.bin"
    QString fileName() const;
    // The record's path on the server: "<id1 & f>/<id1>>4 & f>/<id1>>8 & f>/<file name>".
    QString serverPath() const;
};
DiscIds discIds(const DiscToc& toc);
// The place of audio track `number` (as on the disc) among the record's tracks, from 1: the
// data tracks count for nothing. 0 for a data track, track 0 and tracks the disc lacks.
int recordTrack(const DiscToc& toc, int number);

// The checksums of one track, fed with its frames in order.
class TrackSum {
public:
    // `frames`: the track's length; `first`/`last`: whether it is the disc's first or last track.
    TrackSum(std::int64_t frames, bool first, bool last);
    // Interleaved 16-bit stereo values; an odd value left over waits for its partner.
    void add(const std::int16_t* values, std::size_t count);
    std::uint32_t v1() const { return m_v1; }
    std::uint32_t v2() const { return m_v2; }
    std::uint32_t frame450() const { return m_frame450; }
    std::int64_t framesSeen() const { return m_position; }

private:
    std::int64_t m_checkFrom;  // positions counted from 1
    std::int64_t m_checkTo;
    std::int64_t m_position = 0;  // frames added so far
    std::uint32_t m_v1 = 0;
    std::uint32_t m_v2 = 0;
    std::uint32_t m_frame450 = 0;
    std::optional<std::int16_t> m_left;  // a left value waiting for its right one
};

struct TrackEntry {
    int confidence = 0;
    std::uint32_t checksum = 0;
    std::uint32_t frame450 = 0;
};
struct Block {
    DiscIds ids;
    std::vector<TrackEntry> tracks;
};
struct Record {
    std::vector<Block> blocks;
    QString error;  // why the bytes are no record; empty when they are one
};
Record parseRecord(const QByteArray& bytes);
// The bytes of a record (what the server sends), for the cache and for tests.
QByteArray recordBytes(const std::vector<Block>& blocks);

// What a record says of one track's checksums.
struct Verdict {
    enum class Kind { Matched, NotInDatabase, Mismatch };
    Kind kind = Kind::NotInDatabase;
    int confidence = 0;  // matching rips (Matched) or other rips of the track (Mismatch)
    int version = 0;     // 2 or 1 when matched
    // The line of the run's report: in English for the rip log, which stays English, and as
    // translated for a window or the console.
    QString text() const;
    QString shownText() const;

private:
    QString wording(bool translated) const;
};
// `track` counts from 1. Blocks for another disc (other identifiers) are left out; no record or
// no entry for the track is "not in the database".
Verdict verify(const Record* record, const DiscIds& ids, int track, std::uint32_t v1, std::uint32_t v2);

}  // namespace accuraterip
