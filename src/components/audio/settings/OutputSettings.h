#pragma once
// The settings of each output format as plain values. Each kind loads and saves itself under the
// names the settings dialogs have always stored (below the tool's registry key, so stored files
// keep working) and says whether what it holds can be written, and why not. The dialogs edit
// these; the runs take them in their snapshot and hand them to their writers. Qt Core only.
//
// Stored text that is not a whole number, or lies outside its list or slider, counts as missing
// (MP3, WMA) or is skipped, leaving the value before it (Ogg Vorbis).

#include "components/audio/codecs/Encoder.h"
#include "components/audio/settings/MP3Settings.h"

#include <QString>
#include <QStringList>

#include <vector>

// The five stored choices of the MP3 settings ("MP3 Preset", "MP3 Freq", "MP3 Channels",
// "MP3 Bitrate", "MP3 EnqQual"). The other MP3 properties are not stored: they stay on the
// settings object the choice is put on.
struct Mp3Choice {
    int preset = 0;            // 0: manual settings; 1..11 a preset of MP3Settings
    int frequencyIndex = 7;    // in settings_tables::kSamplingFrequencies ("44 100 Hz")
    int channelModeIndex = 1;  // 0 Mono, 1 Stereo, 2 Joint Stereo, 3 Forced Joint Stereo, 4 Dual
    int bitratePosition = 7;   // in settings_tables::kBitrates (96 kbit/s)
    int qualityPosition = 5;   // encoder quality 0 (best) .. 9

    static Mp3Choice load(const QString& key);
    void save(const QString& key) const;
    // Puts the choice on `settings`: a preset's whole configuration, or the manual rate,
    // channels, bitrate and encoder quality. When LAME could not write the result, `settings`
    // is left as it was and the reasons are returned.
    QStringList applyTo(MP3Settings& settings) const;

    bool operator==(const Mp3Choice&) const = default;
};

// The stored Ogg Vorbis settings ("OGG Freq", "OGG Channels", "OGG Bitrate", "OGG VBR Enabled",
// "OGG Quality Enabled", "OGG MinBitrate", "OGG MaxBitrate", "OGG Quality"). "Quality Enabled"
// encodes by quality; otherwise the nominal bitrate is managed, bounded by the minimum and
// maximum when "VBR Enabled" is on.
struct OggSettings {
    // What the dialog shows before anything is loaded.
    int frequencyIndex = 4;  // "22 050 Hz"
    int channelsIndex = 1;   // 0 Mono, 1 Stereo
    int bitratePosition = 9;  // 128 kbit/s
    bool vbrEnabled = false;
    bool qualityEnabled = false;
    int minBitratePosition = 9;
    int maxBitratePosition = 9;
    int quality = 300;  // hundredths, 0..1000

    // `start` (the values above unless given), each replaced by its stored value when that is
    // usable.
    static OggSettings load(const QString& key, const OggSettings& start);
    static OggSettings load(const QString& key) { return load(key, OggSettings{}); }
    void save(const QString& key) const;

    int sampleRate() const;
    int channels() const { return channelsIndex + 1; }
    int bitrate() const;
    int minBitrate() const;
    int maxBitrate() const;
    // What the writer encodes with: quality 0 when it manages the bitrates.
    OggFormat format() const;
    // Why libvorbisenc cannot encode the managed bitrates at this rate and channel count; empty
    // when it can (encoding by quality works everywhere).
    QString refusal() const;

    bool operator==(const OggSettings&) const = default;
};

// The WAV sample format: nothing of it is stored; choosing WAV as output starts from CD quality.
namespace wav_settings {
constexpr WavFormat cdQuality() { return WavFormat{44100, 2, 16}; }
// Why the format cannot be written; empty when it can.
QString refusal(const WavFormat& format);
}  // namespace wav_settings

// The WMA profile number ("WMA Profile"), 0 .. profile count - 1.
struct WmaSettings {
    int profile = 2;

    // The numbered profiles.
    static const std::vector<WmaProfile>& profiles();
    static int profileCount();
    // The stored number, or 2 where it is missing, not a number or not a profile.
    static WmaSettings load(const QString& key);
    void save(const QString& key) const;
    // Why WMA cannot be written with this number here; empty when it can.
    QString refusal() const;
    WmaProfile format() const;

    bool operator==(const WmaSettings&) const = default;
};

// The stored FLAC settings ("FLAC Level" 0..8, "FLAC Verify"). The rate, channels and depth
// are the source's.
struct FlacSettings {
    int level = 5;
    bool verify = false;

    static FlacSettings load(const QString& key);
    void save(const QString& key) const;
    FlacFormat format() const { return FlacFormat{44100, 2, 16, level, verify}; }

    bool operator==(const FlacSettings&) const = default;
};

// The stored Opus settings ("OPUS Bitrate" 6..512 kbit/s, "OPUS Mode" 0 VBR, 1 constrained VBR,
// 2 CBR, "OPUS Complexity" 0..10). The rate and channels are the source's.
struct OpusSettings {
    int bitrateKbps = 128;
    int mode = 0;
    int complexity = 10;

    static OpusSettings load(const QString& key);
    void save(const QString& key) const;
    OpusFormat format() const { return OpusFormat{48000, 2, bitrateKbps, mode, complexity}; }

    bool operator==(const OpusSettings&) const = default;
};

// Everything a writer needs for every output format: what a run takes in its snapshot.
struct OutputSettings {
    MP3Settings mp3;
    OggFormat ogg;
    WavFormat wav;
    int wmaProfile = 2;
    FlacFormat flac;
    OpusFormat opus;

    // The settings of a tool that has every output format chosen once from its stored choices
    // (a run without windows).
    static OutputSettings load(const QString& key);
    // What choosing the output format `formatKey` does (audio::OutputFormat::chooseStored): MP3
    // puts the stored MP3 choice on `mp3`, WAV returns to CD quality, Ogg Vorbis takes the stored
    // settings when they can be encoded, WMA the stored profile where WMA can be written, FLAC
    // and Opus their stored settings. Keys compare exactly; an unknown key does nothing. Returns
    // why the stored Ogg Vorbis settings were refused (empty otherwise).
    QString chooseFormat(const QString& formatKey, const QString& key);
};
