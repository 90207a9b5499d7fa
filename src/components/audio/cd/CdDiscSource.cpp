#include "components/audio/cd/CdDiscSource.h"

#include "components/audio/cd/CdGrabber.h"

namespace audio {

CdDiscSource::CdDiscSource(CdGrabber& grabber, std::vector<int> tracks, std::int64_t frames)
    : m_grabber(grabber), m_tracks(std::move(tracks)), m_frames(frames) {}

int CdDiscSource::sampleRate() const { return CdGrabber::SampleRate; }
int CdDiscSource::channels() const { return CdGrabber::Channels; }

bool CdDiscSource::open() {
    m_error.clear();
    m_next = 0;
    m_errorBlocks = 0;
    m_trackErrors.clear();
    if (m_tracks.empty()) {
        m_error = CdGrabber::tr("The disc has no audio track.");
        return false;
    }
    return openNext();
}

bool CdDiscSource::openNext() {
    m_current = m_tracks[m_next++];
    m_track = std::make_unique<CdTrackSource>(m_grabber, m_current);
    if (m_track->open()) {
        trackOpened(m_current, m_track->statedFrames());
        return true;
    }
    m_error = m_track->error();
    m_track.reset();
    return false;
}

int CdDiscSource::errorBlocks(int track) const { return int(errorSectors(track).size()); }

std::vector<std::int32_t> CdDiscSource::errorSectors(int track) const {
    for (const auto& [number, sectors] : m_trackErrors)
        if (number == track) return sectors;
    return {};
}

// A track's end opens the next one; the end of the last is the end of the source. A track that
// cannot be opened or read ends it with its reason.
SampleBlock CdDiscSource::read(int samples) {
    while (m_track) {
        SampleBlock block = m_track->read(samples);
        if (!block.empty()) return block;
        if (!m_track->error().isEmpty()) {
            m_error = m_track->error();
            return block;
        }
        m_track->close();
        m_track.reset();
        m_errorBlocks += m_grabber.errorBlocks();
        m_trackErrors.emplace_back(m_current, m_grabber.errorSectors());
        if (m_next >= m_tracks.size()) break;
        openNext();
    }
    return {};
}

void CdDiscSource::close() {
    if (m_track) m_track->close();
    m_track.reset();
}

}  // namespace audio
