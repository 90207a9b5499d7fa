#include "components/audio/engine/AudioJob.h"

#include <algorithm>
#include <cmath>

namespace audio {

double JobProgress::fraction() const {
    if (total <= 0) return 0.0;
    return std::clamp(static_cast<double>(done) / static_cast<double>(total), 0.0, 1.0);
}

int blockSamplesFor(int sampleRate, int channels) {
    if (sampleRate <= 0 || channels <= 0) return 0;
    return static_cast<int>(std::nearbyint(sampleRate * (2.0 / channels)));
}

AudioJob::AudioJob(AudioSource& source, AudioSink& sink, JobListener& listener, int blockSamples)
    : m_source(source), m_sink(sink), m_listener(listener), m_blockSamples(blockSamples) {}

JobOutcome AudioJob::finish(JobOutcome outcome) {
    // The source first, then the writer; the writer's close finishes the file and can fail,
    // and a file that could not be finished was not written.
    m_source.close();
    const bool closed = m_sink.close();
    if (outcome.end == JobEnd::Written && !closed) {
        outcome.end = JobEnd::Failed;
        outcome.reason = m_sink.error().isEmpty() ? QStringLiteral("The output file could not be completed.")
                                                  : m_sink.error();
    }
    m_listener.finished(outcome);
    return outcome;
}

JobOutcome AudioJob::run() {
    JobOutcome outcome;
    if (!m_source.open()) {
        outcome.reason = m_source.error().isEmpty() ? QStringLiteral("The file could not be opened as audio.")
                                                    : m_source.error();
        return finish(outcome);
    }
    const int rate = m_source.sampleRate();
    const int channels = m_source.channels();
    if (rate <= 0 || channels <= 0) {
        outcome.reason = QStringLiteral("The source holds no audio.");
        return finish(outcome);
    }
    m_sink.sourceBits(m_source.bits());
    m_sink.sourceFrames(m_source.statedFrames());
    if (!m_sink.create(rate, channels)) {
        outcome.reason = m_sink.error().isEmpty() ? QStringLiteral("The output file could not be created.")
                                                  : m_sink.error();
        return finish(outcome);
    }

    const int blockSamples = m_blockSamples > 0 ? m_blockSamples : blockSamplesFor(rate, channels);
    const bool wide = m_source.bits() > 16 && m_sink.writesWide();
    JobProgress progress;
    progress.total = std::max<std::int64_t>(m_source.statedFrames(), 0) * channels;
    for (;;) {
        if (m_cancel.load()) {
            outcome.end = JobEnd::Cancelled;
            break;
        }
        // A writer that keeps a deep source's bits gets its 32-bit blocks.
        std::size_t samples = 0;
        bool written = true;
        if (wide) {
            const WideBlock block = m_source.readWide(blockSamples);
            samples = block.size();
            if (samples > 0) written = m_sink.writeWide(block);
        } else {
            const SampleBlock block = m_source.read(blockSamples);
            samples = block.size();
            if (samples > 0) written = m_sink.write(block);
        }
        if (samples == 0) {
            if (!m_source.error().isEmpty()) {
                outcome.reason = m_source.error();
                return finish(outcome);
            }
            outcome.end = JobEnd::Written;
            break;
        }
        if (!written) {
            outcome.reason = m_sink.error().isEmpty() ? QStringLiteral("The output file could not be written.")
                                                      : m_sink.error();
            return finish(outcome);
        }
        progress.done += static_cast<std::int64_t>(samples);
        outcome.samplesWritten = progress.done;
        m_listener.progress(progress);
    }
    return finish(outcome);
}

WideBlock AudioSource::readWide(int samples) {
    const SampleBlock block = read(samples);
    WideBlock wide(block.size());
    for (std::size_t i = 0; i < block.size(); ++i) wide[i] = static_cast<std::int32_t>(block[i]) * 65536;
    return wide;
}

bool AudioSink::writeWide(const WideBlock& block) {
    SampleBlock narrow(block.size());
    for (std::size_t i = 0; i < block.size(); ++i) narrow[i] = static_cast<std::int16_t>(block[i] >> 16);
    return write(narrow);
}

}  // namespace audio
