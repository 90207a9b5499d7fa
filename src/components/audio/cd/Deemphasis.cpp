#include "components/audio/cd/Deemphasis.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace audio {
namespace {

// The shelf's design (the cookbook high-shelf biquad).
constexpr double kRate = 44100.0;
constexpr double kGainDb = -9.477;
constexpr double kCorner = 5283.0;
constexpr double kSlope = 0.4845;

}  // namespace

Deemphasis::Deemphasis(int channels) : m_states(std::size_t(std::max(channels, 1))) {
    const double a = std::pow(10.0, kGainDb / 40.0);
    const double w = 2.0 * std::numbers::pi * kCorner / kRate;
    const double cosw = std::cos(w);
    const double alpha = std::sin(w) / 2.0 * std::sqrt((a + 1.0 / a) * (1.0 / kSlope - 1.0) + 2.0);
    const double root = 2.0 * std::sqrt(a) * alpha;
    const double a0 = (a + 1.0) - (a - 1.0) * cosw + root;
    m_c[0] = a * ((a + 1.0) + (a - 1.0) * cosw + root) / a0;
    m_c[1] = -2.0 * a * ((a - 1.0) + (a + 1.0) * cosw) / a0;
    m_c[2] = a * ((a + 1.0) + (a - 1.0) * cosw - root) / a0;
    m_c[3] = 2.0 * ((a - 1.0) - (a + 1.0) * cosw) / a0;
    m_c[4] = ((a + 1.0) - (a - 1.0) * cosw - root) / a0;
}

void Deemphasis::process(SampleBlock& block) {
    for (std::int16_t& value : block) {
        State& s = m_states[m_channel];
        m_channel = (m_channel + 1) % m_states.size();
        const double x = value;
        const double y = m_c[0] * x + m_c[1] * s.x1 + m_c[2] * s.x2 - m_c[3] * s.y1 - m_c[4] * s.y2;
        s.x2 = s.x1;
        s.x1 = x;
        s.y2 = s.y1;
        s.y1 = y;
        value = std::int16_t(std::clamp(std::lround(y), -32768L, 32767L));
    }
}

}  // namespace audio
