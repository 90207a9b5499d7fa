#pragma once
// Audio tracks of a disc one after another as one source of the audio job engine: the whole
// disc ripped into one file. Each track is read through the grabber as a track of its own is
// (CdTrackSource: from its INDEX 01 up to the next track's), so the tracks of a disc read in
// disc order give its audio without a gap or an overlap.

#include "components/audio/cd/CdTrackSource.h"

#include <memory>
#include <utility>
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
    // The track the last block read belongs to (a block never spans two).
    int currentTrack() const { return m_current; }
    // Those sectors of `track`, once it was read to its end, and where they lie (sectors from the
    // start of the disc, one per error block).
    int errorBlocks(int track) const;
    std::vector<std::int32_t> errorSectors(int track) const;

protected:
    // Track `track` was opened for reading; `frames` is its length.
    virtual void trackOpened(int track, std::int64_t frames) {
        Q_UNUSED(track);
        Q_UNUSED(frames);
    }

private:
    CdGrabber& m_grabber;
    std::vector<int> m_tracks;
    std::int64_t m_frames;
    std::size_t m_next = 0;  // the track read after the open one
    std::unique_ptr<CdTrackSource> m_track;
    QString m_error;
    int m_errorBlocks = 0;
    int m_current = 0;
    std::vector<std::pair<int, std::vector<std::int32_t>>> m_trackErrors;  // track → its error sectors, as tracks end

    bool openNext();
};

}  // namespace audio
