#pragma once
// The channel layouts audio is read and written in. Each count of 1 to 8 channels has one
// standard layout: the one FLAC assigns by default and WAVE files state with a channel mask
// (WAVEFORMATEXTENSIBLE). Samples are interleaved in WAVE order, the order of the mask's bits.
// Ogg Vorbis and Opus (mapping family 1) define the same layouts in an order of their own.
//
//   1 mono (C)          4 quad (FL FR BL BR)         7 6.1 (FL FR FC LFE BC SL SR)
//   2 stereo (FL FR)    5 5.0 (FL FR FC BL BR)       8 7.1 (FL FR FC LFE BL BR SL SR)
//   3 3.0 (FL FR FC)    6 5.1 (FL FR FC LFE BL BR)

#include <cstdint>
#include <span>

namespace channel_layout {

// The most channels anything is read or written with; sources of more are mixed down.
inline constexpr int kMaxChannels = 8;

// WAVE speaker bits; FFmpeg's AV_CH_* bits are the same.
enum Speaker : std::uint64_t {
    FrontLeft = 0x1,
    FrontRight = 0x2,
    FrontCenter = 0x4,
    LowFrequency = 0x8,
    BackLeft = 0x10,
    BackRight = 0x20,
    BackCenter = 0x100,
    SideLeft = 0x200,
    SideRight = 0x400,
};

// The channel mask of the standard layout of `channels` (1..kMaxChannels); 0 for other counts.
std::uint64_t standardMask(int channels);
// The speaker of channel `index` (WAVE order) of the standard layout of `channels`.
Speaker speakerAt(int channels, int index);
// For each channel of an Ogg Vorbis or Opus stream of `channels`, in that stream's order, the
// WAVE-order channel it carries (the identity for mono and stereo).
std::span<const int> vorbisOrder(int channels);

}  // namespace channel_layout
