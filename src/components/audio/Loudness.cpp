// Loudness with libebur128. The library measures momentary loudness and true peak; the
// integrated loudness is gated here over the 400 ms blocks kept per track, the same gates
// BS.1770 and the library apply (-70 LUFS absolute, -10 LU relative), so that a finished track
// needs no more than its blocks' energies and an album can be gated over all of them.
#include "components/audio/Loudness.h"

#include <ebur128.h>

#include <algorithm>
#include <limits>

namespace {

// BS.1770: loudness = -0.691 + 10 log10(mean square, channel weighted).
constexpr double kOffset = 0.691;
double toLoudness(double energy) { return energy > 0 ? 10.0 * std::log10(energy) - kOffset : -HUGE_VAL; }
double toEnergy(double lufs) { return std::pow(10.0, (lufs + kOffset) / 10.0); }

const double kAbsoluteGate = toEnergy(-70.0);
constexpr double kRelativeGate = 0.1;  // -10 LU

double gatedLoudness(const std::vector<float>& blocks) {
    if (blocks.empty()) return -HUGE_VAL;
    double sum = 0;
    for (const double block : blocks) sum += block;
    const double relative = sum / static_cast<double>(blocks.size()) * kRelativeGate;
    double gated = 0;
    std::size_t count = 0;
    for (const double block : blocks) {
        if (block >= relative) {
            gated += block;
            ++count;
        }
    }
    return count ? toLoudness(gated / static_cast<double>(count)) : -HUGE_VAL;
}

}  // namespace

struct LoudnessMeter::State {
    ebur128_state* meter = nullptr;
    std::size_t hop = 0;     // frames in 100 ms, as the library counts them
    std::size_t needed = 0;  // frames until the next 400 ms block is complete
    std::vector<float> blocks;
    ~State() {
        if (meter) ebur128_destroy(&meter);
    }
};

LoudnessMeter::LoudnessMeter(int rate, int channels) : m_state(std::make_unique<State>()), m_rate(rate), m_channels(channels) {
    if (rate < 8000 || rate > 768000 || channels < 1 || channels > 64)
        throw ComponentError(
            QStringLiteral("Loudness cannot be measured at %1 Hz with %2 channels.").arg(rate).arg(channels));
    m_state->meter = ebur128_init(static_cast<unsigned>(channels), static_cast<unsigned long>(rate),
                                  EBUR128_MODE_M | EBUR128_MODE_TRUE_PEAK);
    if (!m_state->meter) throw ComponentError(QStringLiteral("There is not enough memory to measure loudness."));
    m_state->hop = static_cast<std::size_t>((rate + 5) / 10);
    m_state->needed = 4 * m_state->hop;  // the first block needs 400 ms, each further one 100 ms
}

LoudnessMeter::~LoudnessMeter() = default;
LoudnessMeter::LoudnessMeter(LoudnessMeter&&) noexcept = default;
LoudnessMeter& LoudnessMeter::operator=(LoudnessMeter&&) noexcept = default;

void LoudnessMeter::add(const std::int16_t* samples, std::size_t frames) {
    State& s = *m_state;
    const auto channels = static_cast<std::size_t>(m_channels);
    // Fed up to each block's end, so that the momentary loudness read there is that block's.
    while (frames > 0) {
        const std::size_t n = std::min(frames, s.needed);
        if (ebur128_add_frames_short(s.meter, samples, n) != EBUR128_SUCCESS)
            throw ComponentError(QStringLiteral("There is not enough memory to measure loudness."));
        samples += n * channels;
        frames -= n;
        s.needed -= n;
        if (s.needed == 0) {
            s.needed = s.hop;
            double momentary = -HUGE_VAL;
            if (ebur128_loudness_momentary(s.meter, &momentary) == EBUR128_SUCCESS && std::isfinite(momentary)) {
                const double energy = toEnergy(momentary);
                if (energy >= kAbsoluteGate) s.blocks.push_back(static_cast<float>(energy));
            }
        }
    }
}

void LoudnessMeter::add(const SampleBlock& block) {
    if (block.size() % static_cast<std::size_t>(m_channels) != 0)
        throw ComponentError(QStringLiteral("A block of %1 samples is not a whole number of %2-channel frames.")
                                 .arg(block.size())
                                 .arg(m_channels));
    add(block.data(), block.size() / static_cast<std::size_t>(m_channels));
}

TrackMeasurement LoudnessMeter::measurement() const {
    TrackMeasurement result;
    result.m_blocks = m_state->blocks;
    for (unsigned c = 0; c < static_cast<unsigned>(m_channels); ++c) {
        double peak = 0;
        if (ebur128_true_peak(m_state->meter, c, &peak) == EBUR128_SUCCESS) result.m_peak = std::max(result.m_peak, peak);
    }
    return result;
}

Loudness TrackMeasurement::loudness() const { return {gatedLoudness(m_blocks), m_peak}; }

void AlbumLoudness::add(TrackMeasurement track) {
    m_blocks.insert(m_blocks.end(), track.m_blocks.begin(), track.m_blocks.end());
    m_peak = std::max(m_peak, track.m_peak);
    ++m_tracks;
}

Loudness AlbumLoudness::loudness() const { return {gatedLoudness(m_blocks), m_peak}; }

namespace loudness_tags {

QString replayGain(const Loudness& loudness) {
    if (!loudness.hasGain()) return {};
    QString text = QString::asprintf("%.2f dB", kReplayGainReference - loudness.lufs);
    if (text == QLatin1String("-0.00 dB")) text.remove(0, 1);
    return text;
}

QString replayPeak(const Loudness& loudness) { return QString::asprintf("%.6f", loudness.peak); }

int r128Gain(const Loudness& loudness, int headerGain) {
    const double gain = std::round((kR128Reference - loudness.lufs) * 256.0) - headerGain;
    return static_cast<int>(std::clamp(gain, double{std::numeric_limits<std::int16_t>::min()},
                                       double{std::numeric_limits<std::int16_t>::max()}));
}

}  // namespace loudness_tags
