// Loudness as ITU-R BS.1770 measures it. Each channel is K-weighted here (the standard's two
// filters, in double precision, channels side by side so that their filters overlap in time) and
// its energy summed over 100 ms steps; four steps make a 400 ms block, the momentary loudness
// libebur128 gives (its results are the tests' reference). The integrated loudness is gated over
// the blocks kept per track (-70 LUFS absolute, -10 LU relative), so that a finished track needs
// no more than its blocks' energies and an album can be gated over all of them.
//
// The true peak is found here too, with the library's interpolator (a 49-tap Hann-windowed
// sinc, 4 times oversampled below 96 kHz, twice below 192 kHz), but only where it can matter:
// a stretch whose samples are too small for any interpolated value to exceed the peak found
// so far is skipped. Oversampling everything costs several times the rest of the measurement.
#include "components/audio/tags/Loudness.h"

#include "components/audio/codecs/ChannelLayout.h"

#include <QCoreApplication>

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
            m_work.resize(m_span + frames);
            // Scaling by a power of two is exact: the same values as a division in double.
            float* out = m_work.data() + m_span;
            for (std::size_t i = 0; i < frames; ++i) out[i] = static_cast<float>(samples[i * m_channels + c]) * (1.0f / 32768.0f);
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

// The BS.1770 weight of a channel of the standard layouts: the LFE is left out, and every
// surround (side, back) channel counts as a surround (+1.5 dB), as common meters do.
double channelWeight(channel_layout::Speaker speaker) {
    using namespace channel_layout;
    switch (speaker) {
    case FrontLeft:
    case FrontRight:
    case FrontCenter: return 1.0;
    case LowFrequency: return 0.0;
    case BackLeft:
    case SideLeft:
    case BackCenter:
    case BackRight:
    case SideRight: return 1.41;
    }
    return 0.0;
}

// One second-order section in direct form II transposed.
struct Biquad {
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double z1 = 0, z2 = 0;
    double operator()(double x) {
        const double y = b0 * x + z1;
        z1 = b1 * x - a1 * y + z2;
        z2 = b2 * x - a2 * y;
        return y;
    }
};

// BS.1770's K-weighting of one channel: the high-frequency shelf, then the high-pass, with the
// coefficients of the standard's analogue prototypes taken to the rate by the bilinear
// transform (at 48 kHz they are the standard's own).
struct KWeighting {
    Biquad shelf;
    Biquad highPass;
    KWeighting() = default;
    explicit KWeighting(int rate) {
        double k = std::tan(M_PI * 1681.974450955533 / rate);
        double q = 0.7071752369554196;
        const double vh = std::pow(10.0, 3.999843853973347 / 20.0);
        const double vb = std::pow(vh, 0.4996667741545416);
        double a0 = 1.0 + k / q + k * k;
        shelf.b0 = (vh + vb * k / q + k * k) / a0;
        shelf.b1 = 2.0 * (k * k - vh) / a0;
        shelf.b2 = (vh - vb * k / q + k * k) / a0;
        shelf.a1 = 2.0 * (k * k - 1.0) / a0;
        shelf.a2 = (1.0 - k / q + k * k) / a0;
        k = std::tan(M_PI * 38.13547087602444 / rate);
        q = 0.5003270373238773;
        a0 = 1.0 + k / q + k * k;
        highPass.b1 = -2.0;
        highPass.b2 = 1.0;
        highPass.a1 = 2.0 * (k * k - 1.0) / a0;
        highPass.a2 = (1.0 - k / q + k * k) / a0;
    }
    double operator()(double x) { return highPass(shelf(x)); }
};

}  // namespace

struct LoudnessMeter::State {
    std::optional<TruePeak> truePeak;
    std::vector<KWeighting> filters;  // one per channel
    std::vector<double> weights;      // one per channel
    std::size_t hop = 0;     // frames in 100 ms
    std::size_t needed = 0;  // frames until the next 100 ms step is complete
    double step = 0;         // weighted energy of the step so far
    std::array<double, 4> steps{};  // the last four steps: one 400 ms block
    std::size_t stepsDone = 0;
    std::vector<float> blocks;

    // K-weights `frames` frames and adds their weighted energy to the step.
    void weigh(const std::int16_t* samples, std::size_t frames);
    // A 100 ms step is complete: the 400 ms block ending with it is kept if it passes the gate.
    void endStep();
};

namespace {

// The sums of squares of `channels` K-weighted channels over `frames` frames, frame by frame so
// that the channels' filters run side by side; with the count known at compile time (mono,
// stereo) the filters' state stays in registers.
template <std::size_t Channels>
void weighFrames(KWeighting* filters, std::size_t channels, const std::int16_t* samples, std::size_t frames, double* sums) {
    const std::size_t n = Channels > 0 ? Channels : channels;
    std::array<KWeighting, Channels> local;
    if constexpr (Channels > 0)
        for (std::size_t c = 0; c < Channels; ++c) local[c] = filters[c];
    KWeighting* f = Channels > 0 ? local.data() : filters;
    for (std::size_t i = 0; i < frames; ++i)
        for (std::size_t c = 0; c < n; ++c) {
            const double y = f[c](samples[i * n + c] * (1.0 / 32768.0));
            sums[c] += y * y;
        }
    if constexpr (Channels > 0)
        for (std::size_t c = 0; c < Channels; ++c) filters[c] = local[c];
}

// Stereo, the common case: both channels' filters (the same coefficients) run in the two lanes
// of one vector, each lane computing exactly what weighFrames computes for its channel.
void weighStereo(KWeighting* filters, const std::int16_t* samples, std::size_t frames, double* sums) {
    using Pair = double __attribute__((vector_size(16)));
    const Biquad& a = filters[0].shelf;
    const Biquad& b = filters[0].highPass;
    Pair a1{filters[0].shelf.z1, filters[1].shelf.z1}, a2{filters[0].shelf.z2, filters[1].shelf.z2};
    Pair b1{filters[0].highPass.z1, filters[1].highPass.z1}, b2{filters[0].highPass.z2, filters[1].highPass.z2};
    Pair sum{0.0, 0.0};
    for (std::size_t i = 0; i < frames; ++i) {
        const Pair x{samples[2 * i] * (1.0 / 32768.0), samples[2 * i + 1] * (1.0 / 32768.0)};
        const Pair y = a.b0 * x + a1;
        a1 = a.b1 * x - a.a1 * y + a2;
        a2 = a.b2 * x - a.a2 * y;
        const Pair k = b.b0 * y + b1;
        b1 = b.b1 * y - b.a1 * k + b2;
        b2 = b.b2 * y - b.a2 * k;
        sum += k * k;
    }
    for (std::size_t c = 0; c < 2; ++c) {
        filters[c].shelf.z1 = a1[c];
        filters[c].shelf.z2 = a2[c];
        filters[c].highPass.z1 = b1[c];
        filters[c].highPass.z2 = b2[c];
        sums[c] += sum[c];
    }
}

}  // namespace

void LoudnessMeter::State::weigh(const std::int16_t* samples, std::size_t frames) {
    const std::size_t channels = filters.size();
    std::array<double, channel_layout::kMaxChannels> sums{};
    if (channels == 1) weighFrames<1>(filters.data(), channels, samples, frames, sums.data());
    else if (channels == 2) weighStereo(filters.data(), samples, frames, sums.data());
    else weighFrames<0>(filters.data(), channels, samples, frames, sums.data());
    for (std::size_t c = 0; c < channels; ++c) step += weights[c] * sums[c];
}

void LoudnessMeter::State::endStep() {
    steps[stepsDone++ % steps.size()] = step;
    step = 0;
    needed = hop;
    if (stepsDone < steps.size()) return;
    const double energy = (steps[0] + steps[1] + steps[2] + steps[3]) / static_cast<double>(4 * hop);
    if (energy >= kAbsoluteGate) blocks.push_back(static_cast<float>(energy));
}

LoudnessMeter::LoudnessMeter(int rate, int channels) : m_state(std::make_unique<State>()), m_rate(rate), m_channels(channels) {
    if (rate < 8000 || rate > 768000 || channels < 1 || channels > channel_layout::kMaxChannels)
        throw ComponentError(
            QCoreApplication::translate("Loudness", "Loudness cannot be measured at %1 Hz with %2 channels.").arg(rate).arg(channels));
    // Mono and stereo count every channel fully (mono is one channel); more channels are in WAVE
    // order of the standard layout of their count.
    m_state->filters.assign(static_cast<std::size_t>(channels), KWeighting(rate));
    for (int i = 0; i < channels; ++i)
        m_state->weights.push_back(channels > 2 ? channelWeight(channel_layout::speakerAt(channels, i)) : 1.0);
    m_state->truePeak.emplace(rate, channels);
    m_state->hop = static_cast<std::size_t>((rate + 5) / 10);
    m_state->needed = m_state->hop;
}

LoudnessMeter::~LoudnessMeter() = default;
LoudnessMeter::LoudnessMeter(LoudnessMeter&&) noexcept = default;
LoudnessMeter& LoudnessMeter::operator=(LoudnessMeter&&) noexcept = default;

void LoudnessMeter::add(const std::int16_t* samples, std::size_t frames) {
    State& s = *m_state;
    const auto channels = static_cast<std::size_t>(m_channels);
    s.truePeak->add(samples, frames);
    // Step by step, so that each 400 ms block holds exactly its four steps.
    while (frames > 0) {
        const std::size_t n = std::min(frames, s.needed);
        s.weigh(samples, n);
        samples += n * channels;
        frames -= n;
        s.needed -= n;
        if (s.needed == 0) s.endStep();
    }
}

void LoudnessMeter::add(const SampleBlock& block) {
    if (block.size() % static_cast<std::size_t>(m_channels) != 0)
        throw ComponentError(QCoreApplication::translate("Loudness", "A block of %1 samples is not a whole number of %2-channel frames.")
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
