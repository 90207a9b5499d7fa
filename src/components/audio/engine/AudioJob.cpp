#include "components/audio/engine/AudioJob.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace audio {
namespace {
// An endpoint's own error, or `fallback` (marked for translation) when it gave none.
QString reasonOr(const QString& error, const char* fallback) {
    return error.isEmpty() ? QCoreApplication::translate("AudioJob", fallback) : error;
}
}  // namespace

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
        outcome.reason = reasonOr(m_sink.error(), QT_TRANSLATE_NOOP("AudioJob", "The output file could not be completed."));
    }
    m_listener.finished(outcome);
    return outcome;
}

JobOutcome AudioJob::run() {
    JobOutcome outcome;
    outcome.reason = open();
    if (!outcome.reason.isEmpty()) return finish(outcome);
    return finish(copy());
}

QString AudioJob::open() {
    if (!m_source.open())
        return reasonOr(m_source.error(), QT_TRANSLATE_NOOP("AudioJob", "The file could not be opened as audio."));
    const int rate = m_source.sampleRate();
    const int channels = m_source.channels();
    if (rate <= 0 || channels <= 0) return QCoreApplication::translate("AudioJob", "The source holds no audio.");
    m_sink.sourceBits(m_source.bits());
    m_sink.sourceFrames(m_source.statedFrames());
    if (!m_sink.create(rate, channels))
        return reasonOr(m_sink.error(), QT_TRANSLATE_NOOP("AudioJob", "The output file could not be created."));
    return {};
}

JobOutcome AudioJob::copy() {
    const int rate = m_source.sampleRate();
    const int channels = m_source.channels();
    const int blockSamples = m_blockSamples > 0 ? m_blockSamples : blockSamplesFor(rate, channels);
    const bool wide = m_source.bits() > 16 && m_sink.writesWide();
    JobOutcome outcome;
    JobProgress progress;
    progress.total = std::max<std::int64_t>(m_source.statedFrames(), 0) * channels;
    for (;;) {
        if (m_cancel.load()) {
            outcome.end = JobEnd::Cancelled;
            return outcome;
        }
        bool written = true;
        const std::size_t samples = copyBlock(blockSamples, wide, written);
        if (samples == 0) {
            if (!m_source.error().isEmpty()) outcome.reason = m_source.error();
            else outcome.end = JobEnd::Written;
            return outcome;
        }
        if (!written) {
            outcome.reason = reasonOr(m_sink.error(), QT_TRANSLATE_NOOP("AudioJob", "The output file could not be written."));
            return outcome;
        }
        progress.done += static_cast<std::int64_t>(samples);
        outcome.samplesWritten = progress.done;
        m_listener.progress(progress);
    }
}

std::size_t AudioJob::copyBlock(int blockSamples, bool wide, bool& written) {
    // A writer that keeps a deep source's bits gets its 32-bit blocks.
    if (wide) {
        const WideBlock block = m_source.readWide(blockSamples);
        if (!block.empty()) written = m_sink.writeWide(block);
        return block.size();
    }
    const SampleBlock block = m_source.read(blockSamples);
    if (!block.empty()) written = m_sink.write(block);
    return block.size();
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
