#pragma once
// The one shape of every output encoder (MP3, Ogg Vorbis, WAV, WMA, FLAC, Opus). An encoder takes blocks
// in its own format (format()): the audio file object converts to it beforehand.
//
// Contract: one thread at a time. open() creates the file and throws ComponentError with a
// readable description when it cannot (missing or read-only folder, unwritable format).
// write() and finish() throw ComponentError when the data cannot be written (full disk);
// a failed write is never reported as success. finish() flushes the encoder, completes the
// file's headers and closes it. An encoder destroyed without finish() closes its file as it is
// (a partial file stays on disk; callers decide whether to keep it).
//
// NOTE ON THREADS
// An encoder belongs to the AudioFile that made it and is called by one thread at a time,
// never by two at once: the user-interface thread when a run converts one file at a time, a
// worker of the parallel run's pool for the file it converts, the recording session's thread
// for a recording. It may pass to another thread only between calls. An encoder may run a
// thread of its own inside (the FLAC writer does): it starts it in open() and ends it in
// finish() or its destructor, so that its caller sees an object of one thread.

#include "components/ComponentError.h"
#include "components/audio/settings/MP3Settings.h"

#include <QString>

#include <cstddef>
#include <cstdio>
#include <cstdint>
#include <memory>

struct PcmFormat {
    int sampleRate = 44100;
    int channels = 2;
    bool operator==(const PcmFormat&) const = default;
};

class Encoder {
public:
    virtual ~Encoder() = default;
    virtual void open(const QString& path) = 0;
    virtual PcmFormat format() const = 0;
    // `frames` frames of format().channels interleaved samples.
    virtual void write(const std::int16_t* samples, std::size_t frames) = 0;
    // Bits per sample the encoder keeps: 16, or 24 for a FLAC of a deeper source.
    virtual int bits() const { return 16; }
    // `frames` frames of 32-bit samples (full scale at 2^31) from a source deeper than 16 bits;
    // an encoder that keeps 16 bits takes their top 16.
    virtual void writeWide(const std::int32_t* samples, std::size_t frames);
    virtual void finish() = 0;
    virtual QString description() const = 0;
};

// Ogg Vorbis: quality > 0 selects quality mode at quality/100 on Vorbis' 0..10 scale;
// otherwise managed bitrate with nominal, minimum and maximum in kbit/s (0 = not set).
struct OggFormat {
    int sampleRate = 44100;
    int channels = 2;
    int nominalKbps = 128;
    int minKbps = 0;
    int maxKbps = 0;
    int quality = 300;  // hundredths; 300 = quality 3
};

// PCM WAV: 8, 16, 24 or 32 bits; 1 to 8 channels (more than two in the standard layout of their
// count, stated with a WAVEFORMATEXTENSIBLE channel mask); 6000..96000 Hz.
struct WavFormat {
    int sampleRate = 44100;
    int channels = 2;
    int bits = 16;
};

// FLAC: lossless at the rate and channels of its input (up to 8, in FLAC's default assignment,
// which is the standard layout of their count); `bits` 16 or 24 (the source's depth),
// compression level 0..8, and the encoder's verify mode (every frame decoded again and compared
// while it is written). `totalFrames`, the length the source states (0: unknown), lays out a seek
// point every 10 seconds; every file gets padding for tags written later.
struct FlacFormat {
    int sampleRate = 44100;
    int channels = 2;
    int bits = 16;
    int level = 5;
    bool verify = false;
    std::int64_t totalFrames = 0;
};

// Opus: always 48 kHz inside; the input's rate is recorded as the original rate. 1 to 8 channels
// (more than two with channel mapping family 1); bitrate of the whole stream 6..512 kbit/s, or
// up to 256 kbit/s a channel; mode 0 VBR, 1 constrained VBR, 2 hard CBR; complexity 0..10.
struct OpusFormat {
    int sampleRate = 48000;  // of the input
    int channels = 2;
    int bitrateKbps = 128;
    int mode = 0;
    int complexity = 10;
};

// One WMA output profile.
struct WmaProfile {
    int bitrate;  // bit/s
    int sampleRate;
    int channels;
};

// Whether libvorbisenc can encode the combination (bitrates in kbit/s, 0 = not set).
bool vorbisCanEncode(int sampleRate, int channels, int nominalKbps, int minKbps, int maxKbps);
// The lowest and highest nominal bitrate (kbit/s) libvorbisenc manages at a rate and channel
// count; both 0 when it manages none there (very low and very high rates take only a quality).
struct VorbisBitrates {
    int minKbps = 0;
    int maxKbps = 0;
};
VorbisBitrates vorbisNominalRange(int sampleRate, int channels);
// The quality (hundredths, as OggFormat::quality) whose files come closest to a nominal
// bitrate; for rates at which no bitrate can be set.
int vorbisQualityFor(int nominalKbps, int channels);
// Why LAME cannot write the MP3 settings as described, naming the possible values; empty when
// it can.
QString lameRefusal(const MP3Settings& settings);
// Whether the WAV format can be written.
bool wavFormatSupported(const WavFormat& format);
// Whether FFmpeg's wmav2 encoder is present.
bool wmaEncoderAvailable();

std::unique_ptr<Encoder> makeLameEncoder(const MP3Settings& settings);
std::unique_ptr<Encoder> makeVorbisEncoder(const OggFormat& format);
std::unique_ptr<Encoder> makeWavEncoder(const WavFormat& format);
std::unique_ptr<Encoder> makeWmaEncoder(const WmaProfile& profile);
std::unique_ptr<Encoder> makeFlacEncoder(const FlacFormat& format);
std::unique_ptr<Encoder> makeOpusEncoder(const OpusFormat& format);
// Why the format cannot be written; empty when it can.
QString flacRefusal(const FlacFormat& format);
QString opusRefusal(const OpusFormat& format);

// Flushes and closes a file a writer wrote with stdio, taking it out of `file`; the system's
// error number when either failed, 0 otherwise.
int closeWrittenFile(std::FILE*& file);

// Descriptions shared by the writers and the dialogs.
QString channelsName(int channels);  // "Mono", "Stereo", "3 channels"
QString describeWav(const WavFormat& format);  // "44100 Hz, 16 bit, Stereo"
QString describeWma(const WmaProfile& profile);  // "128 kbit/s, 44100 Hz, Stereo"
QString describeFlac(const FlacFormat& format);  // "44100 Hz, 16 bit, Stereo, level 5"
QString describeOpus(const OpusFormat& format);  // "128 kbit/s VBR, Stereo, complexity 10"
