#pragma once
// Test signals and read-back, written once for every test executable: tones, music-like
// signals, files written in the format their name names, whole files read back, and
// correlation between two signals.

#include "components/audio/engine/SampleBlock.h"

#include <QString>
#include <QStringList>

#include <cstddef>
#include <cstdint>

namespace testing_support {

// A pure sine of `hz` on every channel, at `amplitude` (full scale 32767).
SampleBlock sineTone(int rate, int channels, double hz, std::size_t frames, double amplitude = 12000);

// A music-like signal: two partials per channel (channel 0 at 440 Hz, channel 1 at 660 Hz) with
// a little seeded noise, so that channels can be told apart and correlation finds no false lag.
SampleBlock musicTone(int rate, int channels, double seconds, unsigned seed = 1);

// The same signal as an exact number of frames, with uniform noise peaking at `noise` (a
// fraction of full scale; the partials together peak at 0.42, and a louder sum is clipped).
// Much noise leaves encoders no redundancy to save bits on.
SampleBlock musicFrames(int rate, int channels, std::size_t frames, double noise = 0.025, unsigned seed = 1);

// A tone of its own on each of `channels` (up to 8; the fourth, the LFE of 5.1 to 7.1, low), at
// `amplitude` of full scale, so that channels can be told apart after a conversion.
SampleBlock channelTones(int rate, int channels, std::size_t frames, double amplitude = 0.25);

// Writes `samples` into `path` in the format its extension names (wav, mp3, ogg, wma), with
// settings that keep the signal (16-bit WAV, 192 kbit/s MP3, Ogg quality 5, WMA profile of
// the rate). Returns an empty text on success, otherwise what went wrong.
QString writeAudioFile(const QString& path, const SampleBlock& samples, int rate, int channels);

// A whole file decoded by the program's own reader.
struct ReadBack {
    int rate = 0;
    int channels = 0;
    SampleBlock samples;
    std::int64_t length = 0;  // frames the reader announced on opening
    QString error;            // why the file could not be opened; empty when it was
    double seconds() const;
    std::size_t frames() const;
};
ReadBack readBack(const QString& path);

// The best normalised correlation of channel `channel` of two signals at the same rate, over
// lags of up to `maxLag` frames (codecs delay their output by some frames). A signal with
// fewer channels is read at its last channel.
double bestCorrelation(const SampleBlock& a, int channelsA, const SampleBlock& b, int channelsB, int channel = 0,
                       int maxLag = 3000);

// The normalised correlation of channel `channel` of `a` with the same channel of `b` started
// `lag` frames later, over every frame both hold: for checking all channels at one lag.
double correlationAt(const SampleBlock& a, int channelsA, const SampleBlock& b, int channelsB, int channel, long lag = 0);

// Makes a short video with ffmpeg: a small moving test picture encoded with `videoArgs` and,
// when `soundWav` is not empty, that file's sound encoded with `audioArgs`, in the container
// the name's extension names. The picture lasts as long as the sound, or `pictureSeconds` when
// that is given (the sound then ends before the picture). Returns an empty text on success,
// otherwise ffmpeg's complaint.
QString makeVideo(const QString& path, const QString& soundWav, const QStringList& audioArgs,
                  const QStringList& videoArgs = {QStringLiteral("-c:v"), QStringLiteral("mpeg4")},
                  double pictureSeconds = 0);
// A video whose sound track is `seconds` of musicTone at 48 kHz stereo in AAC at 192 kbit/s (the
// sound also written beside it as `path`.wav). Empty on success, otherwise ffmpeg's complaint.
QString makeMusicVideo(const QString& path, double seconds);

// The sound track of a file as ffmpeg itself decodes it, converted to `rate` and `channels`.
SampleBlock ffmpegDecode(const QString& path, int rate, int channels);

// A file made by ffmpeg in the format its extension names, of `channels` in FFmpeg's `layout`
// ("5.1", "7.1", …), holding the tones of channelTones. Empty on success, otherwise ffmpeg's
// complaint.
QString makeChannelTones(const QString& path, const QString& layout, int channels, double seconds, int rate = 48000);

// ffprobe's values of the comma-separated stream `entries` ("channels,channel_layout") of the
// first audio stream of `path`, in ffprobe's order.
QStringList probeAudio(const QString& path, const QString& entries);

}  // namespace testing_support
