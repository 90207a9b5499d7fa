#pragma once
// De-emphasis of CD audio mastered with the 50/15 µs pre-emphasis (a track whose control bit
// says so): a high-shelf biquad of −9.477 dB at 5283 Hz, slope 0.4845, at 44100 Hz, which follows
// the analog 50/15 µs curve within 0.06 dB up to 20 kHz. Each channel is filtered on its own; the
// state carries over from block to block, so a track filtered in pieces comes out as in one.

#include "components/audio/engine/SampleBlock.h"

#include <array>
#include <vector>

namespace audio {

class Deemphasis {
public:
    explicit Deemphasis(int channels = 2);
    // Filters interleaved 16-bit values in place, rounded to the nearest value and clipped.
    void process(SampleBlock& block);

private:
    struct State {
        double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    };
    std::array<double, 5> m_c{};  // b0, b1, b2, a1, a2 (a0 = 1)
    std::vector<State> m_states;
    std::size_t m_channel = 0;  // the channel of the next value
};

}  // namespace audio
