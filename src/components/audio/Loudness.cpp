// Loudness with libebur128. The library K-weights the sound and gives the momentary loudness;
// the integrated loudness is gated here over the 400 ms blocks kept per track, with the gates
// of BS.1770 and the library (-70 LUFS absolute, -10 LU relative), so that a finished track
// needs no more than its blocks' energies and an album can be gated over all of them.
//
// The true peak is found here too, with the library's interpolator (a 49-tap Hann-windowed
// sinc, 4 times oversampled below 96 kHz, twice below 192 kHz), but only where it can matter:
// a stretch whose samples are too small for any interpolated value to exceed the peak found
// so far is skipped. Oversampling everything costs several times the rest of the measurement.
#include "components/audio/Loudness.h"

#include "components/audio/ChannelLayout.h"

#include <ebur128.h>

#include <algorithm>
#include <array>
#include <optional>
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

// The largest interpolated value over all channels, with the sample peak.
class TruePeak {
public:
    TruePeak(int rate, int channels) : m_channels(static_cast<std::size_t>(channels)) {
        const int factor = rate < 96000 ? 4 : rate < 192000 ? 2 : 1;
        if (factor > 1) {
            constexpr int kTaps = 49;
            m_phases.resize(static_cast<std::size_t>(factor));
            for (int j = 0; j < kTaps; ++j) {
                const double m = j - (kTaps - 1) / 2.0;
                double c = std::abs(m) > 1e-6 ? std::sin(m * M_PI / factor) / (m * M_PI / factor) : 1.0;
                c *= 0.5 * (1 - std::cos(2 * M_PI * j / (kTaps - 1)));
                if (std::abs(c) > 1e-6) m_phases[static_cast<std::size_t>(j % factor)].push_back({j / factor, c});
            }
            for (const auto& phase : m_phases) {
                double sum = 0;
                for (const Tap& tap : phase) sum += std::abs(tap.coefficient);
                m_bound = std::max(m_bound, sum);
            }
            m_span = static_cast<std::size_t>((kTaps - 1) / factor);
        }
        m_history.assign(m_channels, std::vector<float>(m_span, 0.0f));
    }

    double peak() const { return m_peak; }

    void add(const std::int16_t* samples, std::size_t frames) {
        for (std::size_t c = 0; c < m_channels; ++c) {
            // The channel after the samples the filter still needs from earlier blocks.
            m_work.assign(m_history[c].begin(), m_history[c].end());
            for (std::size_t i = 0; i < frames; ++i)
                m_work.push_back(static_cast<float>(samples[i * m_channels + c] / 32768.0));
            scan();
            std::copy(m_work.end() - static_cast<long>(m_span), m_work.end(), m_history[c].begin());
        }
    }

private:
    struct Tap {
        int delay;
        double coefficient;
    };

    // Stretch by stretch; each phase's filter runs over a whole stretch at once, tap by tap,
    // which the compiler vectorises, with the sums in the library's order and precision.
    void scan() {
        const std::size_t size = m_work.size();
        m_work.resize(size + kStretch, 0.0f);  // the last stretch is computed whole, read in part
        for (std::size_t begin = m_span; begin < size; begin += kStretch) {
            const std::size_t count = std::min(kStretch, size - begin);
            float largest = 0;
            for (std::size_t i = begin - m_span; i < begin + count; ++i) largest = std::max(largest, std::abs(m_work[i]));
            m_peak = std::max(m_peak, double{largest});
            if (m_phases.empty() || double{largest} * m_bound <= m_peak) continue;
            const float* x = m_work.data() + begin;
            for (const auto& phase : m_phases) {
                std::array<double, kStretch> sums{};
                for (const Tap& tap : phase) {
                    const float* delayed = x - tap.delay;
                    for (std::size_t k = 0; k < kStretch; ++k) sums[k] += double{delayed[k]} * tap.coefficient;
                }
                for (std::size_t k = 0; k < count; ++k)
                    m_peak = std::max(m_peak, std::abs(double{static_cast<float>(sums[k])}));
            }
        }
        m_work.resize(size);
    }

    static constexpr std::size_t kStretch = 64;
    std::size_t m_channels;
    std::vector<std::vector<Tap>> m_phases;  // one filter per oversampled phase; none for sample peak only
    double m_bound = 1.0;                   // the largest gain of any phase
    std::size_t m_span = 0;                 // earlier samples each output needs
    std::vector<std::vector<float>> m_history;
    std::vector<float> m_work;
    double m_peak = 0;
};

// The BS.1770 weighting of a channel of the standard layouts: the LFE is left out, and every
// surround (side, back) channel counts as a surround, as common meters do.
int ebur128Channel(channel_layout::Speaker speaker) {
    using namespace channel_layout;
    switch (speaker) {
    case FrontLeft: return EBUR128_LEFT;
    case FrontRight: return EBUR128_RIGHT;
    case FrontCenter: return EBUR128_CENTER;
    case LowFrequency: return EBUR128_UNUSED;
    case BackLeft:
    case SideLeft:
    case BackCenter: return EBUR128_LEFT_SURROUND;
    case BackRight:
    case SideRight: return EBUR128_RIGHT_SURROUND;
    }
    return EBUR128_UNUSED;
}

}  // namespace

struct LoudnessMeter::State {
    std::optional<TruePeak> truePeak;
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
                                  EBUR128_MODE_M);
    if (!m_state->meter) throw ComponentError(QStringLiteral("There is not enough memory to measure loudness."));
    // Mono and stereo keep the library's map (mono is one channel); more channels are in WAVE
    // order of the standard layout of their count.
    if (channels > 2 && channels <= channel_layout::kMaxChannels)
        for (int i = 0; i < channels; ++i)
            ebur128_set_channel(m_state->meter, static_cast<unsigned>(i), ebur128Channel(channel_layout::speakerAt(channels, i)));
    m_state->truePeak.emplace(rate, channels);
    m_state->hop = static_cast<std::size_t>((rate + 5) / 10);
    m_state->needed = 4 * m_state->hop;  // the first block needs 400 ms, each further one 100 ms
}

LoudnessMeter::~LoudnessMeter() = default;
LoudnessMeter::LoudnessMeter(LoudnessMeter&&) noexcept = default;
LoudnessMeter& LoudnessMeter::operator=(LoudnessMeter&&) noexcept = default;

void LoudnessMeter::add(const std::int16_t* samples, std::size_t frames) {
    State& s = *m_state;
    const auto channels = static_cast<std::size_t>(m_channels);
    s.truePeak->add(samples, frames);
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

void LoudnessMeter::add(const WideBlock& block) {
    SampleBlock narrow(block.size());
    for (std::size_t i = 0; i < block.size(); ++i) narrow[i] = static_cast<std::int16_t>(block[i] >> 16);
    add(narrow);
}

TrackMeasurement LoudnessMeter::measurement() const {
    TrackMeasurement result;
    result.m_blocks = m_state->blocks;
    result.m_peak = m_state->truePeak->peak();
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
