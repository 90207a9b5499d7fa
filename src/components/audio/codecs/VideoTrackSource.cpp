#include "components/audio/codecs/VideoTrackSource.h"

#include "components/audio/codecs/VideoFile.h"

#include <QCoreApplication>

namespace audio {

bool VideoTrackSource::open() {
    m_error.clear();
    // An open that already failed for this file is not tried again.
    if (m_reader.fileName() != m_path) m_reader.Open(m_path);
    if (m_reader.isOpen()) return true;
    m_error = m_reader.reason();
    if (m_error.isEmpty()) m_error = QCoreApplication::translate("VideoFile", "The video could not be opened.");
    return false;
}

int VideoTrackSource::sampleRate() const { return m_reader.AudioSampleRate(); }
int VideoTrackSource::channels() const { return m_reader.AudioChannels(); }
std::int64_t VideoTrackSource::statedFrames() const { return m_reader.AudioSampleCount(); }

SampleBlock VideoTrackSource::read(int samples) {
    SampleBlock block = m_reader.ReadAudioBlock(samples);
    if (block.empty()) m_error = m_reader.readError();
    return block;
}

void VideoTrackSource::close() { m_reader.Close(); }

}  // namespace audio
