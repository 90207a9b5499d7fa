#include "components/audio/engine/QueuedSource.h"

#include <algorithm>

namespace audio {

void QueuedSource::push(SampleBlock block)
{
    if (block.empty())
        return;
    {
        std::lock_guard lock(m_mutex);
        if (m_finished)
            return;
        m_blocks.push_back(std::move(block));
    }
    m_arrived.notify_one();
}

void QueuedSource::finish()
{
    {
        std::lock_guard lock(m_mutex);
        m_finished = true;
    }
    m_arrived.notify_one();
}

SampleBlock QueuedSource::read(int samples)
{
    std::unique_lock lock(m_mutex);
    m_arrived.wait(lock, [this] { return !m_blocks.empty() || m_finished; });
    if (m_blocks.empty())
        return {};
    SampleBlock& front = m_blocks.front();
    const std::size_t whole = static_cast<std::size_t>(std::max(samples, m_channels)) / static_cast<std::size_t>(m_channels)
                              * static_cast<std::size_t>(m_channels);
    const std::size_t n = std::min(whole, front.size() - m_offset);
    SampleBlock out(front.begin() + static_cast<long>(m_offset), front.begin() + static_cast<long>(m_offset + n));
    m_offset += n;
    if (m_offset >= front.size()) {
        m_blocks.pop_front();
        m_offset = 0;
    }
    return out;
}

}  // namespace audio
