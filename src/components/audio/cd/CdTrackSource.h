#pragma once
// A CD track as a source of the audio job engine: reads one track of the grabber's current
// drive, 44100 Hz stereo, and fails the job when the grabber cannot read it.

#include "components/audio/engine/AudioJob.h"

class CdGrabber;

namespace audio {

class CdTrackSource : public AudioSource {
public:
    CdTrackSource(CdGrabber& grabber, int track) : m_grabber(grabber), m_track(track) {}
    bool open() override;
    int sampleRate() const override;
    int channels() const override;
    std::int64_t statedFrames() const override;
    SampleBlock read(int samples) override;
    void close() override;
    QString error() const override { return m_error; }

private:
    CdGrabber& m_grabber;
    int m_track;
    QString m_error;
};

}  // namespace audio
