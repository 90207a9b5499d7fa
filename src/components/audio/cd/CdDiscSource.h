#pragma once
// Audio tracks of a disc one after another as one source of the audio job engine: the whole
// disc ripped into one file. Each track is read through the grabber as a track of its own is
// (CdTrackSource: from its INDEX 01 up to the next track's), so the tracks of a disc read in
// disc order give its audio without a gap or an overlap.

#include "components/audio/cd/CdTrackSource.h"

#include <memory>
#include <vector>

namespace audio {

class CdDiscSource : public AudioSource {
public:
    // `tracks` in disc order, numbered as on the disc; `frames` the length they add up to.
    CdDiscSource(CdGrabber& grabber, std::vector<int> tracks, std::int64_t frames);
    bool open() override;
    int sampleRate() const override;
    int channels() const override;
    std::int64_t statedFrames() const override { return m_frames; }
    SampleBlock read(int samples) override;
    void close() override;
    QString error() const override { return m_error; }
    // Sectors of the tracks read so far that the grabber's error action handled.
    int errorBlocks() const { return m_errorBlocks; }

private:
    CdGrabber& m_grabber;
    std::vector<int> m_tracks;
    std::int64_t m_frames;
    std::size_t m_next = 0;  // the track read after the open one
    std::unique_ptr<CdTrackSource> m_track;
    QString m_error;
    int m_errorBlocks = 0;
};

}  // namespace audio
