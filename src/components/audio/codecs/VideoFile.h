#pragma once
// Video file reader (`VideoFileIn`): opens any container FFmpeg reads (MP4, Matroska, WebM,
// AVI, ASF/WMV, QuickTime, MPEG), decodes its sound track and hands it out as blocks of
// 16-bit interleaved samples in the rate and channel count asked for, converting with
// libswresample. Video streams are skipped unread.
//
// Contract: user-interface thread. A failed open sets status() below 0 and reason() says
// why (no such file, not a video FFmpeg reads, no sound track, a sound track that cannot be
// decoded); nothing else about opening throws. ReadAudioBlock returns an empty block at the
// end of the sound track; when that end came early (damaged data, or a file whose data stops
// short of the length it states), readError() says so, so that a shortened file is never taken
// for a whole one. A sound track that ends before the picture, in a whole file, is whole. A file
// that states no length is read to the end of its data. Closing is harmless when no file is open.

#include "components/ComponentError.h"
#include "components/audio/engine/SampleBlock.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

class Decoder;
class Resampler;

class VideoFile {
public:
    VideoFile();
    ~VideoFile();
    VideoFile(const VideoFile&) = delete;
    VideoFile& operator=(const VideoFile&) = delete;

    // Raised while Open reads the container, with the furthest point of the file read so far
    // (0..100, never falling); the last event of a successful open is 100.
    std::function<void(int Percent)> ParsingVideoFile;

    // True when FFmpeg recognises the file as a container of video or sound.
    bool IsVideoFile(const QString& path) const;

    // The rate and channel count (1 or 2) of the blocks handed out; 0 keeps the sound track's
    // own. Takes effect at the next Open.
    void SetAudioFormat(int sampleRate, int channels);
    // Whether a sound track of more than two channels keeps them (up to 8, in the standard layout
    // of their count, ChannelLayout.h) where stereo or its own channels are asked for; otherwise
    // (the default) it is mixed down to stereo. Mono is mono either way. Takes effect at the
    // next Open.
    void KeepSurround(bool keep) { m_keepSurround = keep; }

    void Open(const QString& path);
    void Close();
    bool isOpen() const;
    QString fileName() const { return m_path; }

    // Up to `sampleCount` samples (whole frames); empty at the end of the sound track.
    SampleBlock ReadAudioBlock(int sampleCount);

    // The format handed out.
    int AudioChannels() const;
    int AudioSampleRate() const;
    // Seconds handed out so far, and the length of the sound track in seconds (0 when the
    // container states none).
    double AudioPosition() const;
    double AudioDuration() const;
    // The length of the sound track in frames of the format handed out.
    std::int64_t AudioSampleCount() const;
    // How much of the file has been read, 0..1: the progress of a file that states no length.
    double BytesReadFraction() const;

    int status() const { return m_state.failed() ? -1 : 0; }
    // Why the last open failed (status below 0).
    QString reason() const { return m_state.reason(); }
    QString readError() const { return m_readError; }

private:
    bool fill(std::size_t samples);
    void endOfTrack();

    std::unique_ptr<Decoder> m_decoder;
    std::unique_ptr<Resampler> m_resampler;
    std::vector<std::int16_t> m_queue;  // converted samples not yet handed out
    std::vector<std::int16_t> m_chunk;  // decoded samples in the sound track's own format
    QString m_path;
    QString m_readError;
    int m_wantedRate = 0;
    int m_wantedChannels = 0;
    bool m_keepSurround = false;
    int m_rate = 0;      // handed out
    int m_channels = 0;  // handed out
    std::int64_t m_delivered = 0;  // frames handed out
    bool m_ended = false;
    ComponentState m_state;  // how the last open went
};
