#pragma once
// A video's sound track as a source of the audio job engine, read through the video reader in
// the rate and channels the reader was asked for. A reader that already holds the file open
// (opened earlier to show parse progress) is used as it is.

#include "components/audio/engine/AudioJob.h"

class VideoFile;

namespace audio {

class VideoTrackSource : public AudioSource {
public:
    VideoTrackSource(VideoFile& reader, QString path) : m_reader(reader), m_path(std::move(path)) {}
    bool open() override;
    int sampleRate() const override;
    int channels() const override;
    std::int64_t statedFrames() const override;
    SampleBlock read(int samples) override;
    void close() override;
    QString error() const override { return m_error; }

private:
    VideoFile& m_reader;
    QString m_path;
    QString m_error;
};

}  // namespace audio
