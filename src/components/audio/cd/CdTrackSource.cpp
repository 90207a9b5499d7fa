#include "components/audio/cd/CdTrackSource.h"

#include "components/audio/cd/CdGrabber.h"

namespace audio {

bool CdTrackSource::open() {
    m_error.clear();
    m_grabber.OpenTrack(m_track);
    if (m_grabber.LastError() >= 0) return true;
    m_error = m_grabber.reason();
    return false;
}

int CdTrackSource::sampleRate() const { return CdGrabber::SampleRate; }
int CdTrackSource::channels() const { return CdGrabber::Channels; }
std::int64_t CdTrackSource::statedFrames() const { return m_grabber.TrackLength(); }

SampleBlock CdTrackSource::read(int samples) {
    int size = samples;
    SampleBlock block = m_grabber.ReadBlock(size);
    if (block.empty() && m_grabber.LastError() < 0) {
        m_error = m_grabber.reason();
        if (m_error.isEmpty()) m_error = CdGrabber::tr("Track %1 could not be read.").arg(m_track);
    }
    return block;
}

void CdTrackSource::close() { m_grabber.CloseTrack(); }

}  // namespace audio
