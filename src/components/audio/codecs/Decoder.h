#pragma once
// Decoder of every input FFmpeg reads (WAV, MP3, Ogg Vorbis, WMA, FLAC, …) to 16-bit
// interleaved PCM at the file's own rate and channel count, up to a limit of channels (more are
// mixed down to the limit).
//
// Contract: one thread at a time. open() throws ComponentError with a readable description
// when the file is missing, unreadable, a folder, empty or holds no decodable audio. read()
// never throws for damaged data: a corrupt stretch is skipped, and a file that cannot go on
// ends (read returns 0) with failure() saying why. Memory stays bounded whatever the file
// claims about its size.

#include "components/ComponentError.h"

#include <QString>

#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>

class Decoder {
public:
    Decoder();
    ~Decoder();
    Decoder(const Decoder&) = delete;
    Decoder& operator=(const Decoder&) = delete;

    // The most channels read() hands out, 1..8 (2 unless set; values outside are taken to the
    // nearest), from the next open() on. A source of up to that many keeps every channel, in the
    // standard layout of its count in WAVE order (ChannelLayout.h; a source of another layout is
    // mixed into it); one of more is mixed down with libswresample's ITU coefficients (centre and
    // surrounds at -3 dB, LFE left out, scaled so that nothing clips).
    void setChannelLimit(int channels);
    int channelLimit() const;

    void open(const QString& path);
    // Called while open() reads the container, with the furthest point of the file read so
    // far (0..100, never falling); the video reader shows it as parse progress.
    void setOpenProgress(std::function<void(int percent)> callback);
    void close();
    bool isOpen() const;

    int sampleRate() const;
    int channels() const;
    // Length in sample frames, from the container's duration (0 when unknown).
    std::int64_t lengthFrames() const;

    // Reads up to `frames` frames into `out` (frames × channels samples); returns the frames
    // read, 0 at the end.
    std::size_t read(std::int16_t* out, std::size_t frames);
    // The same as 32-bit samples (full scale at 2^31), for sources deeper than 16 bits. Switching
    // between read() and readWide() restarts decoding at the current frame.
    std::size_t readWide(std::int32_t* out, std::size_t frames);
    // 24 for a lossless source of more than 16 bits per sample (PCM, FLAC, …), otherwise 16.
    int sourceBits() const;
    // Moves to a frame from the start; returns the new position.
    std::int64_t seek(std::int64_t frame);
    std::int64_t position() const;
    // Why reading stopped before the end of the file (too much damaged data); empty while
    // the file reads normally and after a normal end.
    QString failure() const;
    // Why the audio read so far is not whole, though reading may go on: frames that did not
    // decode or are missing ("damaged data at 0:13.2"), found once decoding went on after them;
    // or, at the end, decoding that stopped short of the length the file states reliably
    // ("decoding stopped at 0:02.4 of 0:40.0"; a length guessed from a bitrate states nothing)
    // or inside an Ogg page. Empty for a whole file. Players may play on; a conversion fails.
    QString damage() const;
    // How much of the file the reader has gone through, 0..1 (0 when its size is unknown); the
    // progress of a file that states no length.
    double bytesReadFraction() const;

    // The end, in seconds from the container's start, of the latest packet of any stream (sound,
    // picture, subtitles) that the file really holds; -1 when it cannot be read. Reading starts
    // near `near` seconds when the container can seek there. A file cut short ends early in every
    // stream; one whose sound merely ends before its picture does not.
    static double dataEndSeconds(const QString& path, double near = 0.0);

private:
    void setWide(bool wide);
    struct Impl;
    std::unique_ptr<Impl> d;
};
