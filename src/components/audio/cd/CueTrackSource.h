#pragma once
// One track of a CUE sheet that names audio files, as a job's source: its file decoded from the
// track's first sample to its last, exactly (the decoder seeks to the start frame and the source
// stops at the end frame). Qt Core only.
//
// Contract: as every AudioSource (AudioJob.h): one thread at a time, errors through error(). A
// file that ends before the track's end, or damaged data inside the track, fails the job.

#include "components/audio/cd/CueTracks.h"
#include "components/audio/engine/AudioJob.h"

#include <memory>

class Decoder;

namespace audio {

class CueTrackSource : public AudioSource {
public:
    // `entry` is a track entry (cue::trackEntry); the sheet is read again when the source opens.
    explicit CueTrackSource(QString entry);
    ~CueTrackSource() override;
    bool open() override;
    int sampleRate() const override;
    int channels() const override;
    std::int64_t statedFrames() const override;
    SampleBlock read(int samples) override;
    WideBlock readWide(int samples) override;
    void close() override;
    QString error() const override { return m_error; }
    int bits() const override;

private:
    // The frames a read of `samples` may take, 0 at the track's end.
    std::size_t framesFor(int samples) const;
    // After a read of `got` frames: the position moved on, or the reason the track ends early.
    void advance(std::size_t got);

    QString m_entry;
    QString m_error;
    std::unique_ptr<Decoder> m_decoder;
    int m_track = 0;
    std::int64_t m_position = 0;  // sample frames into the file
    std::int64_t m_end = -1;      // sample frames into the file; -1 at the file's end
    std::int64_t m_start = 0;
};

}  // namespace audio
