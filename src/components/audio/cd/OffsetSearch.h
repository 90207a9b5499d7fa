#pragma once
// Finding a drive's read offset from a disc whose AccurateRip record is known: the frame-450
// checksum of each track (v1 over the 588 frames of its sector 450, see AccurateRip.h) is
// compared with the record's at every offset of a range, then the best offsets are confirmed by
// whole-track checksums (v1 or v2).
//
// The sectors around each track's sector 450 are read once, a span of 588 + (to - from) frames;
// the checksum at the next offset follows from the last one in constant time (slideFrame450),
// so the 10,001 offsets of -5000..5000 cost one pass over the span. A drive with offset O gives,
// at frame p of the disc, the frame the disc holds at p - O: the track's sector 450 is found
// O frames later in what the drive reads, as CdGrabber::readWindow reads it.
//
// Reads go through the grabber on its own thread (see CdGrabber's NOTE ON THREADS); `keepGoing`
// is called between reads, so that a window may let its events run, and ends the search when
// it returns false.

#include "components/audio/cd/AccurateRip.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

class CdGrabber;

namespace accuraterip {

// The frame-450 checksums of one track at offsets from..to: `values` holds the frames (16-bit
// stereo, interleaved) from the track's frame 450 × 588 + from on, 588 + to - from of them;
// the result's element i is the checksum at offset from + i.
std::vector<std::uint32_t> slideFrame450(const std::int16_t* values, int from, int to);

// An offset at which the frame-450 checksums of `tracks` (numbered from 1) match the record.
struct OffsetCandidate {
    int offset = 0;
    std::vector<int> tracks;
};

class OffsetSearch {
public:
    using KeepGoing = std::function<bool()>;
    // The grabber's current drive and its disc, whose record is `record`.
    OffsetSearch(CdGrabber& grabber, const Record& record, KeepGoing keepGoing = {});

    // The offsets of from..to at which frame-450 checksums match, most tracks first, then the
    // smallest offset. A track that cannot be read is left out; empty with error() set when
    // that left nothing to match, the disc changed or keepGoing said stop.
    std::vector<OffsetCandidate> candidates(int from, int to);
    // Tracks whose frame-450 checksum could be compared (long enough, listed in the record).
    int tracksCompared() const { return m_compared; }
    // The tracks (up to `wanted`) whose whole-track checksum at `offset` is one the record
    // lists; tracks away from the disc's edges and short ones are read first, and no more than
    // `wanted` + 2 are read, an unreadable one skipped. error() is set when fewer than `wanted`
    // confirm and a track could not be read, or when the disc changed or keepGoing said stop.
    std::vector<int> confirmingTracks(int offset, int wanted);
    // Tracks whose whole checksum the record lists (with a confidence).
    int tracksListed() const;
    // Why the last search or confirmation could not read the disc; empty when it could.
    const QString& error() const { return m_error; }

private:
    // The frames first..first+count of the disc (zeros outside it) into `out`; false when a
    // sector could not be read, the disc changed or keepGoing said stop.
    bool readFrames(std::int64_t first, std::int64_t count, std::vector<std::int16_t>& out);
    std::vector<const TrackEntry*> entries(int track) const;
    std::optional<TrackSum> wholeTrack(int track, int offset);

    CdGrabber& m_grabber;
    const Record& m_record;
    KeepGoing m_keepGoing;
    DiscToc m_toc;
    DiscIds m_ids;
    int m_compared = 0;
    bool m_stopped = false;  // keepGoing said stop, or the disc changed: nothing more is read
    QString m_error;
};

}  // namespace accuraterip
