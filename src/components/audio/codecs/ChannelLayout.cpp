#include "components/audio/codecs/ChannelLayout.h"

#include <array>

namespace channel_layout {
namespace {

constexpr std::uint64_t kFront = FrontLeft | FrontRight;
constexpr std::array<std::uint64_t, kMaxChannels> kMasks = {
    FrontCenter,
    kFront,
    kFront | FrontCenter,
    kFront | BackLeft | BackRight,
    kFront | FrontCenter | BackLeft | BackRight,
    kFront | FrontCenter | LowFrequency | BackLeft | BackRight,
    kFront | FrontCenter | LowFrequency | BackCenter | SideLeft | SideRight,
    kFront | FrontCenter | LowFrequency | BackLeft | BackRight | SideLeft | SideRight,
};

// The Vorbis I channel orders, as WAVE-order indices of the standard layouts above:
// 3 L C R; 4 FL FR RL RR; 5 FL C FR RL RR; 6 FL C FR RL RR LFE; 7 FL C FR SL SR RC LFE;
// 8 FL C FR SL SR RL RR LFE.
constexpr std::array<int, kMaxChannels> kIdentity = {0, 1, 2, 3, 4, 5, 6, 7};
constexpr std::array<std::array<int, kMaxChannels>, kMaxChannels> kVorbis = {{
    kIdentity,
    kIdentity,
    {0, 2, 1},
    kIdentity,
    {0, 2, 1, 3, 4},
    {0, 2, 1, 4, 5, 3},
    {0, 2, 1, 5, 6, 4, 3},
    {0, 2, 1, 6, 7, 4, 5, 3},
}};

bool standard(int channels) { return channels >= 1 && channels <= kMaxChannels; }

}  // namespace

std::uint64_t standardMask(int channels) {
    return standard(channels) ? kMasks[static_cast<std::size_t>(channels - 1)] : 0;
}

Speaker speakerAt(int channels, int index) {
    std::uint64_t mask = standardMask(channels);
    for (int i = 0; i < index && mask != 0; ++i) mask &= mask - 1;  // drops the lowest bit
    return static_cast<Speaker>(mask & (~mask + 1));
}

std::span<const int> vorbisOrder(int channels) {
    if (!standard(channels)) return {};
    return std::span<const int>(kVorbis[static_cast<std::size_t>(channels - 1)].data(),
                                static_cast<std::size_t>(channels));
}

}  // namespace channel_layout
