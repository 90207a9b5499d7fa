#pragma once
// The most recent few seconds of a stream that a sound device played or captured, for the
// visualisation and the level meters. Thread-safe: the device's thread appends, the
// user-interface thread reads.

#include "components/audio/engine/SampleBlock.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace sound {

class SampleHistory {
public:
    // Keeps `capacity` interleaved values of `channels` channels.
    void reset(int channels, std::size_t capacity)
    {
        std::lock_guard lock(m_mutex);
        m_channels = std::max(1, channels);
        m_ring.assign(std::max<std::size_t>(capacity, 1), 0);
        m_total = 0;
    }

    void append(const std::int16_t* data, std::size_t count)
    {
        std::lock_guard lock(m_mutex);
        if (m_ring.empty())
            return;
        for (std::size_t i = 0; i < count; ++i)
            m_ring[(m_total + i) % m_ring.size()] = data[i];
        m_total += count;
    }

    // Up to `count` values (whole frames) that end at frame `endFrame` of the stream; fewer when
    // the history does not reach back that far.
    SampleBlock latest(int count, std::int64_t endFrame) const
    {
        std::lock_guard lock(m_mutex);
        if (count <= 0 || m_ring.empty())
            return {};
        const auto channels = static_cast<std::size_t>(m_channels);
        std::size_t end = std::min(m_total, static_cast<std::size_t>(std::max<std::int64_t>(endFrame, 0)) * channels);
        std::size_t want = static_cast<std::size_t>(count) / channels * channels;
        const std::size_t oldest = m_total > m_ring.size() ? m_total - m_ring.size() : 0;
        if (end < oldest)
            return {};
        want = std::min(want, end - oldest);
        SampleBlock out(want);
        for (std::size_t i = 0; i < want; ++i)
            out[i] = m_ring[(end - want + i) % m_ring.size()];
        return out;
    }

    // Peak levels (0..32767) of the left and right channel over `frames` frames ending at
    // `endFrame`; mono gives the same level twice.
    std::pair<int, int> levels(int frames, std::int64_t endFrame) const
    {
        const int channels = this->channels();
        const SampleBlock recent = latest(frames * channels, endFrame);
        int left = 0;
        int right = 0;
        for (std::size_t i = 0; i < recent.size(); ++i) {
            const int v = std::min(std::abs(static_cast<int>(recent[i])), 32767);
            if (channels == 1 || i % static_cast<std::size_t>(channels) == 0)
                left = std::max(left, v);
            if (channels == 1 || i % static_cast<std::size_t>(channels) == 1)
                right = std::max(right, v);
        }
        return {left, right};
    }

    int channels() const
    {
        std::lock_guard lock(m_mutex);
        return m_channels;
    }

private:
    mutable std::mutex m_mutex;
    std::vector<std::int16_t> m_ring;
    std::size_t m_total = 0;  // values appended since reset
    int m_channels = 1;
};

}  // namespace sound
