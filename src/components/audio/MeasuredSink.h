#pragma once
// A writer that measures the loudness of what it writes: it hands every block to the writer it
// wraps and feeds the same block to a loudness meter, so that an output's loudness comes from
// the samples already decoded for it, never from a second read of a file. Surround blocks that
// the writer mixes down are measured as it mixes them.
//
// Contract: the thread that runs the job. With measuring off it only passes everything on.
// measurement() is the written blocks' record once the job has ended; error() is the wrapped
// writer's, or why the loudness could not be measured (the output itself is still written).

#include "components/audio/AudioJob.h"
#include "components/audio/Loudness.h"

#include <memory>
#include <optional>

class Resampler;

namespace audio {

class MeasuredSink : public AudioSink {
public:
    MeasuredSink(AudioSink& sink, bool measure);
    ~MeasuredSink() override;

    void sourceBits(int bits) override { m_sink.sourceBits(bits); }
    void sourceFrames(std::int64_t frames) override { m_sink.sourceFrames(frames); }
    bool create(int sampleRate, int channels) override;
    int outputChannels() const override { return m_sink.outputChannels(); }
    bool write(const SampleBlock& block) override;
    bool writesWide() const override { return m_sink.writesWide(); }
    bool writeWide(const WideBlock& block) override;
    bool close() override { return m_sink.close(); }
    QString error() const override { return m_sink.error(); }

    // The record of what was written; nothing when measuring was off or failed.
    std::optional<TrackMeasurement> measurement() const;
    // Why the loudness could not be measured; empty otherwise.
    QString measureError() const { return m_measureError; }

private:
    template <typename Block>
    void measure(const Block& block);
    void addMixed(const SampleBlock& block);
    void addMixed(const WideBlock& block);

    AudioSink& m_sink;
    bool m_measure;
    std::optional<LoudnessMeter> m_meter;
    std::unique_ptr<Resampler> m_mix;  // the writer's mix of surround blocks to fewer channels
    int m_channels = 0;                 // of the blocks
    QString m_measureError;
};

}  // namespace audio
