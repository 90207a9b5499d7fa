#pragma once
// A source of blocks that another thread hands over as they arrive: a recording. A job that
// reads it waits for each block, and ends at the empty block after finish().

#include "components/audio/engine/AudioJob.h"

#include <condition_variable>
#include <deque>
#include <mutex>

namespace audio {

class QueuedSource : public AudioSource {
public:
    QueuedSource(int sampleRate, int channels) : m_rate(sampleRate), m_channels(channels) {}

    // Any thread. Blocks after finish() are dropped.
    void push(SampleBlock block);
    // No more blocks follow; the reader ends once it has read what was pushed.
    void finish();

    bool open() override { return true; }
    int sampleRate() const override { return m_rate; }
    int channels() const override { return m_channels; }
    std::int64_t statedFrames() const override { return 0; }
    SampleBlock read(int samples) override;
    void close() override {}
    QString error() const override { return {}; }

private:
    const int m_rate;
    const int m_channels;
    std::mutex m_mutex;
    std::condition_variable m_arrived;
    std::deque<SampleBlock> m_blocks;
    std::size_t m_offset = 0;  // values of the front block already read
    bool m_finished = false;
};

}  // namespace audio
