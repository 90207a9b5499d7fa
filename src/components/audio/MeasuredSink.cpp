#include "components/audio/MeasuredSink.h"

namespace audio {

bool MeasuredSink::create(int sampleRate, int channels) {
    if (!m_sink.create(sampleRate, channels)) return false;
    m_meter.reset();
    m_measureError.clear();
    if (m_measure) {
        try {
            m_meter.emplace(sampleRate, channels);
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
        m_meter->add(block);
    } catch (const ComponentError& e) {
        m_measureError = e.description();
        m_meter.reset();
    }
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
