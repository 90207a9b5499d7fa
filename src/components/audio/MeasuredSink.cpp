#include "components/audio/MeasuredSink.h"

#include "components/audio/Resampler.h"

namespace audio {

MeasuredSink::MeasuredSink(AudioSink& sink, bool measure) : m_sink(sink), m_measure(measure) {}
MeasuredSink::~MeasuredSink() = default;

bool MeasuredSink::create(int sampleRate, int channels) {
    if (!m_sink.create(sampleRate, channels)) return false;
    m_meter.reset();
    m_mix.reset();
    m_measureError.clear();
    m_channels = channels;
    if (m_measure) {
        try {
            const int written = m_sink.outputChannels();
            const bool mixed = channels > 2 && written > 0 && written < channels;
            if (mixed) m_mix = std::make_unique<Resampler>(PcmFormat{sampleRate, channels}, PcmFormat{sampleRate, written});
            m_meter.emplace(sampleRate, mixed ? written : channels);
        } catch (const ComponentError& e) {
            m_measureError = e.description();
        }
    }
    return true;
}

template <typename Block>
void MeasuredSink::measure(const Block& block) {
    if (!m_meter) return;
    try {
        if (m_mix) addMixed(block);
        else m_meter->add(block);
    } catch (const ComponentError& e) {
        m_measureError = e.description();
        m_meter.reset();
    }
}

void MeasuredSink::addMixed(const SampleBlock& block) {
    const std::vector<std::int16_t>& mixed = m_mix->convert(block.data(), block.size() / static_cast<std::size_t>(m_channels));
    m_meter->add(mixed.data(), mixed.size() / static_cast<std::size_t>(m_meter->channels()));
}

void MeasuredSink::addMixed(const WideBlock& block) {
    SampleBlock narrow(block.size());
    for (std::size_t i = 0; i < block.size(); ++i) narrow[i] = static_cast<std::int16_t>(block[i] >> 16);
    addMixed(narrow);
}

bool MeasuredSink::write(const SampleBlock& block) {
    measure(block);
    return m_sink.write(block);
}

bool MeasuredSink::writeWide(const WideBlock& block) {
    measure(block);
    return m_sink.writeWide(block);
}

std::optional<TrackMeasurement> MeasuredSink::measurement() const {
    if (!m_meter) return std::nullopt;
    return m_meter->measurement();
}

}  // namespace audio
