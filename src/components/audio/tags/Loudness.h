#pragma once
// Loudness measurement for loudness tags (ReplayGain 2.0 and, for Opus, R128 gains): the
// integrated loudness of ITU-R BS.1770 (gated, in LUFS) and the true peak of each track, and
// of an album made of several tracks.
//
// Contract: a LoudnessMeter is fed the same 16-bit interleaved blocks its output's writer is
// fed, on one thread at a time; meters of different tracks may run on different threads.
// measurement() takes a small record of the track (4 bytes per 100 ms of sound and the peak,
// about 10 KB for four minutes, no audio buffers; a meter itself holds some 300 KB at 44.1 kHz
// stereo), so that a run can drop each meter when its file is done, keep the records of an
// album until its last file is done, and then combine them in an AlbumLoudness. An
// AlbumLoudness is used on one thread at a time (its owner guards it). Tracks of
// different rates and channel counts may share an album. Mono is measured as one channel
// (not as two), as BS.1770 and common scanners do; more than two channels are taken in the
// standard layout of their count (ChannelLayout.h), weighted per BS.1770 (LFE left out,
// surrounds at +1.5 dB).
//
// Silence: a track without one 400 ms block above the absolute gate (-70 LUFS), such as
// digital silence or a track shorter than 0.4 s, has no integrated loudness: Loudness::lufs is
// -HUGE_VAL and hasGain() is false. No gain tag is written for it (the tag writer removes an
// old one instead); its peak is still given. Such a track adds nothing to its album's
// loudness, and an album is silent only when all its tracks are.

#include "components/ComponentError.h"
#include "components/audio/engine/SampleBlock.h"

#include <QString>

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

struct Loudness {
    double lufs = -HUGE_VAL;  // integrated loudness; -HUGE_VAL when silent
    double peak = 0.0;        // true peak, linear, the largest over the channels (1.0 = full scale)
    bool hasGain() const { return std::isfinite(lufs); }
};

// A finished (or so far measured) track: the energies of its 400 ms gating blocks that pass
// the absolute gate, and its true peak.
class TrackMeasurement {
public:
    Loudness loudness() const;
    // Memory the record holds, for the run's planning and for tests.
    std::size_t bytes() const { return sizeof(*this) + m_blocks.capacity() * sizeof(float); }

private:
    friend class LoudnessMeter;
    friend class AlbumLoudness;
    std::vector<float> m_blocks;  // mean-square energies, channel weighted
    double m_peak = 0.0;
};

class LoudnessMeter {
public:
    // Throws ComponentError for a rate or channel count that cannot be measured.
    LoudnessMeter(int rate, int channels);
    ~LoudnessMeter();
    LoudnessMeter(LoudnessMeter&&) noexcept;
    LoudnessMeter& operator=(LoudnessMeter&&) noexcept;
    LoudnessMeter(const LoudnessMeter&) = delete;
    LoudnessMeter& operator=(const LoudnessMeter&) = delete;

    // `frames` frames of channels() interleaved samples.
    void add(const std::int16_t* samples, std::size_t frames);
    // A whole block as a writer gets it; an empty block (end of data) adds nothing. A block
    // that is not a whole number of frames throws ComponentError.
    void add(const SampleBlock& block);
    // 32-bit blocks (of sources deeper than 16 bits) are measured at their top 16 bits, which
    // leaves loudness and peak exact to far below a hundredth of a dB.
    void add(const WideBlock& block);

    TrackMeasurement measurement() const;
    Loudness loudness() const { return measurement().loudness(); }

    int rate() const { return m_rate; }
    int channels() const { return m_channels; }

private:
    struct State;
    std::unique_ptr<State> m_state;
    int m_rate = 0;
    int m_channels = 0;
};

// Several tracks measured as one: gating over all their blocks, peak the largest of theirs.
class AlbumLoudness {
public:
    void add(TrackMeasurement track);
    Loudness loudness() const;
    int tracks() const { return m_tracks; }

private:
    std::vector<float> m_blocks;
    double m_peak = 0.0;
    int m_tracks = 0;
};

// Tag values.
namespace loudness_tags {

inline constexpr double kReplayGainReference = -18.0;  // LUFS
inline constexpr double kR128Reference = -23.0;        // LUFS

// ReplayGain 2.0 gain, "-6.52 dB"; empty when the loudness has no gain (silence).
QString replayGain(const Loudness& loudness);
// ReplayGain peak, "0.988547".
QString replayPeak(const Loudness& loudness);
// Opus R128 gain in Q7.8 (1/256 dB) at -23 LUFS, clamped to 16 bits; `headerGain` is the
// output gain the Opus header already applies, in the same unit. Only when hasGain().
int r128Gain(const Loudness& loudness, int headerGain = 0);

}  // namespace loudness_tags
