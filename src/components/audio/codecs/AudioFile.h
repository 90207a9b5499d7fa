#pragma once
// Audio file object: reader of what FFmpeg reads and writer of every output format
// (audio::outputFormats) (`AudioRead`, `AudioWrite`, `AudioFile1`, `AudioFileOut`, `AudioFileRec`,
// `AudioFilePlay`).
//
// Reading decodes whatever FFmpeg reads to blocks of 16-bit interleaved samples at the file's
// own rate and channels. Writing picks the format from the output name's extension, without
// regard to case (audio::outputFormatByExtension), whose writer is made from the settings set on
// the object before the file is created, and converts the blocks from the declared incoming format to the encoder's format
// when they differ.
//
// Contract: one thread at a time: the user-interface thread for the windows' objects, a worker
// for the objects of the conversion on every core and of the recording session (see the note on
// threads in AudioJob.h). A failed open or create sets status() below 0 and throws
// nothing; every other failure (writing to a full disk, finishing the file, an unknown
// extension, an invalid setting) throws ComponentError with a readable description. Closing is
// harmless when no file is open. A writer destroyed without Close() closes its file as it is.

#include "components/ComponentError.h"
#include "components/audio/settings/MP3Settings.h"
#include "components/audio/engine/SampleBlock.h"
#include "components/audio/codecs/Encoder.h"
#include "components/audio/settings/OutputSettings.h"

#include <QString>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

class QObject;
class Decoder;
class Resampler;

class AudioFile {
public:
    AudioFile();
    ~AudioFile();
    AudioFile(const AudioFile&) = delete;
    AudioFile& operator=(const AudioFile&) = delete;

    // Opens a file for reading. The two numbers are accepted for compatibility and unused.
    void OpenRead(const QString& path, int = 0, int = 1);
    // The most channels the files opened from now on are read with (Decoder::setChannelLimit):
    // 2 unless set, as playback wants; 8 reads every channel of a surround source.
    void setChannelLimit(int channels) { m_channelLimit = channels; }
    int channelLimit() const { return m_channelLimit; }
    void Close();
    // Creates a file for writing; the second number is accepted and unused.
    void Create(const QString& path, int = 0);
    void WriteBlock(const SampleBlock& block);
    // Reads up to `sampleCount` samples (whole frames; at least one frame); empty at the end.
    SampleBlock ReadBlock(int sampleCount);
    // The same in 32-bit samples, for sources deeper than 16 bits (sourceBits()).
    WideBlock ReadWideBlock(int sampleCount);
    // Bits per sample of the open source: 24 for a lossless source of more than 16, else 16.
    int sourceBits() const;
    // Whether the open writer keeps more than 16 bits (a FLAC of a deeper source); it then
    // takes WriteWideBlock.
    bool writesWide() const;
    void WriteWideBlock(const WideBlock& block);
    // Moves the reader to a frame; origin 3 counts from the start (the only origin offered).
    std::int64_t Seek(std::int64_t position, int origin = 3);

    // Why the MP3 encoder cannot write the settings as described (naming the possible
    // values); empty when it can.
    QString CheckMp3Format(const MP3Settings& settings) const { return lameRefusal(settings); }
    // Whether libvorbisenc can encode the combination (kbit/s, 0 = not set).
    bool CheckOggFormat(int rate, int channels, int nominal, int minimum, int maximum) const;
    // The true rate and channel count (1..8) of the blocks that will be written, and the bits per
    // sample of their source (a FLAC keeps up to 24 of them). Blocks of more than two channels
    // keep them all where Stereo is set for WAV or Ogg Vorbis (a bitrate then counts per pair of
    // channels), and in FLAC and Opus (whose bitrate counts per pair too); MP3 and a Mono
    // choice mix them down.
    void DeclareInputFormat(int sampleRate, int channels, int bits = 16);
    // The length in frames the source of the next file states (0: unknown; it may be wrong), for
    // FLAC's seek table. It applies to the next Create only.
    void DeclareInputLength(std::int64_t frames) { m_declaredFrames = std::max<std::int64_t>(frames, 0); }
    // Shows the PCM format chooser; the chosen format becomes the WAV format. Throws when
    // the chosen format cannot be written. Returns false when the user cancelled, and when no
    // chooser is installed (a program without windows).
    bool ChooseWavFormat(QObject* owner = nullptr);
    // The chooser is a dialog, which this library does not know; the window library installs
    // it. It returns the chosen format, or nothing when the user cancelled.
    using WavFormatChooserFn = std::function<std::optional<WavFormat>(const WavFormat& current, QObject* owner)>;
    static void setWavFormatChooser(WavFormatChooserFn chooser);
    // Shows the installed chooser starting from `current`: the chosen format, or nothing when
    // the user cancelled or no chooser is installed. Throws when the chosen format cannot be
    // written.
    static std::optional<WavFormat> chooseWavFormat(const WavFormat& current, QObject* owner);
    void SetPcmFormat(int sampleRate, int channels, int bitsPerSample);
    // Rate, bitrate (kbit/s) and channels for MP3 and Ogg Vorbis output. Nothing is refused
    // here: a combination MP3 cannot take fails the next MP3 file's creation with the reason,
    // and Ogg Vorbis at a rate where it sets no bitrate encodes at the nearest quality.
    void SetEncodingParameters(int sampleRate, int kbps, int channels);
    void UseMp3Settings(const MP3Settings& settings);
    void SetOggFormat(int rate, int channels, int nominal, int minimum, int maximum, int quality);
    // Takes the settings of every output format of a run.
    void useSettings(const OutputSettings& settings);

    std::int64_t length() const;  // sample frames of the open file
    int outputSampleRate() const;  // rate of the encoder of the last created (or next) file
    // The output format the next file of this kind gets: the MP3 settings' description when
    // MP3 settings were handed over last, otherwise the WAV format's.
    QString formatDescription() const;
    int status() const { return m_state.failed() ? -1 : 0; }
    int channels() const;
    int sampleRate() const;
    // Kept for callers that switch it on; the reader behaves the same either way.
    void setOption(bool on) { m_option = on; }
    bool option() const { return m_option; }

    // Takes over every writer setting of `other`, so that a
    // second object writes exactly as `other` would. Open files are not affected.
    void copySettingsFrom(const AudioFile& other);

    // Why the last open or create failed (status below 0).
    QString reason() const { return m_state.reason(); }
    // Why reading stopped before the end of the open file (damaged data); empty otherwise.
    QString readError() const;
    // Why the audio read so far from the open file is not whole (Decoder::damage()); empty
    // otherwise.
    QString readDamage() const;
    bool isReading() const;
    bool isWriting() const;
    // The settings the writer holds.
    const OutputSettings& settings() const { return m_settings; }
    const MP3Settings& mp3Settings() const { return m_settings.mp3; }
    const OggFormat& oggFormat() const { return m_settings.ogg; }
    const WavFormat& wavFormat() const { return m_settings.wav; }
    const FlacFormat& flacFormat() const { return m_settings.flac; }
    const OpusFormat& opusFormat() const { return m_settings.opus; }
    // The WMA profile the next .wma file is written in (WmaSettings::profiles); throws for a
    // number outside the table.
    void setWmaProfile(int number);

private:

    std::unique_ptr<Decoder> m_reader;
    std::unique_ptr<Encoder> m_writer;
    std::unique_ptr<Resampler> m_resampler;
    OutputSettings m_settings;
    PcmFormat m_declared{0, 0};  // 0: same as the encoder's
    int m_declaredBits = 16;
    std::int64_t m_declaredFrames = 0;
    int m_channelLimit = 2;
    PcmFormat m_incoming;        // what the open writer takes
    ComponentState m_state;      // how the last open or create went
    QString m_mp3Refusal;        // why the encoding parameters cannot be written as MP3
    bool m_mp3HandedLast = false;
    bool m_option = false;
};
