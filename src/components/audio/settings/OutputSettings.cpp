#include "components/audio/settings/OutputSettings.h"

#include "components/audio/Formats.h"
#include "components/audio/settings/SettingsTables.h"
#include "components/store/StoredNumbers.h"

#include <QCoreApplication>

#include <algorithm>

using settings_tables::bitrateAt;
using settings_tables::frequencyAt;
using settings_tables::kBitrates;
using settings_tables::kSamplingFrequencies;

namespace {

constexpr int kLastBitrate = static_cast<int>(kBitrates.size()) - 1;
constexpr int kLastFrequency = static_cast<int>(kSamplingFrequencies.size()) - 1;

const QString kMp3Preset = QStringLiteral("MP3 Preset");
const QString kMp3Freq = QStringLiteral("MP3 Freq");
const QString kMp3Channels = QStringLiteral("MP3 Channels");
const QString kMp3Bitrate = QStringLiteral("MP3 Bitrate");
const QString kMp3Quality = QStringLiteral("MP3 EnqQual");

const QString kOggFreq = QStringLiteral("OGG Freq");
const QString kOggChannels = QStringLiteral("OGG Channels");
const QString kOggBitrate = QStringLiteral("OGG Bitrate");
const QString kOggVbrEnabled = QStringLiteral("OGG VBR Enabled");
const QString kOggQualityEnabled = QStringLiteral("OGG Quality Enabled");
const QString kOggMinBitrate = QStringLiteral("OGG MinBitrate");
const QString kOggMaxBitrate = QStringLiteral("OGG MaxBitrate");
const QString kOggQuality = QStringLiteral("OGG Quality");

const QString kWmaProfile = QStringLiteral("WMA Profile");

const QString kFlacLevel = QStringLiteral("FLAC Level");
const QString kFlacVerify = QStringLiteral("FLAC Verify");
const QString kOpusBitrate = QStringLiteral("OPUS Bitrate");
const QString kOpusMode = QStringLiteral("OPUS Mode");
const QString kOpusComplexity = QStringLiteral("OPUS Complexity");

}  // namespace

// ---- MP3 ------------------------------------------------------------------------------------

Mp3Choice Mp3Choice::load(const QString& key) {
    const Mp3Choice d;
    Mp3Choice c;
    c.preset = stored::integer(key, kMp3Preset, d.preset, 0, static_cast<int>(MP3Settings::presetNames().size()));
    c.frequencyIndex = stored::integer(key, kMp3Freq, d.frequencyIndex, 0, kLastFrequency);
    c.channelModeIndex = stored::integer(key, kMp3Channels, d.channelModeIndex, 0, 4);
    c.bitratePosition = stored::integer(key, kMp3Bitrate, d.bitratePosition, 0, kLastBitrate);
    c.qualityPosition = stored::integer(key, kMp3Quality, d.qualityPosition, 0, 9);
    return c;
}

void Mp3Choice::save(const QString& key) const {
    stored::save(key, kMp3Preset, preset);
    stored::save(key, kMp3Freq, frequencyIndex);
    stored::save(key, kMp3Channels, channelModeIndex);
    stored::save(key, kMp3Bitrate, bitratePosition);
    stored::save(key, kMp3Quality, qualityPosition);
}

QStringList Mp3Choice::applyTo(MP3Settings& settings) const {
    QStringList refused;
    MP3Settings s = settings;
    const auto set = [&](auto write) {
        try {
            write();
        } catch (const ComponentError& e) {
            refused << e.description();
        }
    };
    if (preset > 0) {
        set([&] { s.setPreset(preset); });
    } else {
        set([&] { s.setSampleRate(frequencyAt(frequencyIndex, 44100)); });
        set([&] { s.setBitrate(bitrateAt(bitratePosition, 96)); });
        if (channelModeIndex == 0) {
            set([&] { s.setChannels(1); });
        } else {
            set([&] { s.setChannels(2); });
            set([&] { s.setChannelMode(channelModeIndex); });
        }
        // The filter widths LAME chooses itself (0) are those the settings window shows and
        // writes back: 5 Hz high-pass, 760 Hz low-pass.
        if (s.highpassWidth() == 0) s.setHighpassWidth(5);
        if (s.lowpassWidth() == 0) s.setLowpassWidth(760);
        set([&] { s.setEncoderQuality(qualityPosition); });
        if (refused.isEmpty())
            if (const QString refusal = lameRefusal(s); !refusal.isEmpty()) refused << refusal;
    }
    if (refused.isEmpty()) settings = s;
    return refused;
}

// ---- Ogg Vorbis -----------------------------------------------------------------------------

OggSettings OggSettings::load(const QString& key, const OggSettings& start) {
    OggSettings s = start;
    const auto position = [&](int& value, const QString& name, int defaultValue, int maximum) {
        if (auto stored = stored::inRange(key, name, defaultValue, 0, maximum)) value = *stored;
    };
    const auto flag = [&](const QString& name, bool defaultValue) {
        return stored::flag(stored::text(key, name, QString::number(defaultValue ? 1 : 0)), defaultValue);
    };
    // With nothing stored, 44 100 Hz stereo at quality 3.00.
    position(s.frequencyIndex, kOggFreq, 7, kLastFrequency);
    position(s.channelsIndex, kOggChannels, 1, 1);
    position(s.bitratePosition, kOggBitrate, 9, kLastBitrate);
    s.vbrEnabled = flag(kOggVbrEnabled, false);
    s.qualityEnabled = flag(kOggQualityEnabled, true);
    position(s.minBitratePosition, kOggMinBitrate, 9, kLastBitrate);
    position(s.maxBitratePosition, kOggMaxBitrate, 9, kLastBitrate);
    position(s.quality, kOggQuality, 300, 1000);
    return s;
}

void OggSettings::save(const QString& key) const {
    stored::save(key, kOggFreq, frequencyIndex);
    stored::save(key, kOggChannels, channelsIndex);
    stored::save(key, kOggBitrate, bitratePosition);
    stored::save(key, kOggVbrEnabled, vbrEnabled ? 1 : 0);
    stored::save(key, kOggQualityEnabled, qualityEnabled ? 1 : 0);
    stored::save(key, kOggMinBitrate, minBitratePosition);
    stored::save(key, kOggMaxBitrate, maxBitratePosition);
    stored::save(key, kOggQuality, quality);
}

int OggSettings::sampleRate() const { return frequencyAt(frequencyIndex, 22050); }
int OggSettings::bitrate() const { return bitrateAt(bitratePosition, 128); }
int OggSettings::minBitrate() const { return bitrateAt(minBitratePosition, 128); }
int OggSettings::maxBitrate() const { return bitrateAt(maxBitratePosition, 128); }

OggFormat OggSettings::format() const {
    // Quality 0 makes the writer manage the bitrates.
    return OggFormat{sampleRate(), channels(), bitrate(), vbrEnabled ? minBitrate() : 0, vbrEnabled ? maxBitrate() : 0,
                     qualityEnabled ? quality : 0};
}

QString OggSettings::refusal() const {
    const OggFormat f = format();
    if (f.quality != 0 || vorbisCanEncode(f.sampleRate, f.channels, f.nominalKbps, f.minKbps, f.maxKbps)) return {};
    return QCoreApplication::translate("OutputSettings", "Incorrect format, try choosing a higher frequency.!");
}

// ---- WAV ------------------------------------------------------------------------------------

QString wav_settings::refusal(const WavFormat& format) {
    if (wavFormatSupported(format)) return {};
    return QCoreApplication::translate("OutputSettings", "The format %1 cannot be written.").arg(describeWav(format));
}

// ---- WMA ------------------------------------------------------------------------------------

// Every entry was checked against FFmpeg's wmav2 encoder (the file carries the bitrate, rate
// and channels asked for). Number 2 is the default music profile.
const std::vector<WmaProfile>& WmaSettings::profiles() {
    static const std::vector<WmaProfile> table = {
        {32000, 22050, 1},   // 0  speech
        {48000, 32000, 2},   // 1
        {128000, 44100, 2},  // 2  music (default)
        {64000, 44100, 2},   // 3
        {96000, 44100, 2},   // 4
        {160000, 44100, 2},  // 5
        {192000, 44100, 2},  // 6
        {64000, 48000, 2},   // 7
        {96000, 48000, 2},   // 8
        {128000, 48000, 2},  // 9
        {160000, 48000, 2},  // 10
        {192000, 48000, 2},  // 11
        {24000, 16000, 1},   // 12 low-rate speech
        {48000, 44100, 1},   // 13
    };
    return table;
}

int WmaSettings::profileCount() { return static_cast<int>(profiles().size()); }

WmaSettings WmaSettings::load(const QString& key) {
    return WmaSettings{stored::integer(key, kWmaProfile, WmaSettings{}.profile, 0, profileCount() - 1)};
}

void WmaSettings::save(const QString& key) const { stored::save(key, kWmaProfile, profile); }

QString WmaSettings::refusal() const {
    if (profile < 0 || profile >= profileCount())
        return QCoreApplication::translate("OutputSettings", "There is no WMA profile %1 (profiles are 0 to %2).")
                   .arg(profile).arg(profileCount() - 1);
    if (!wmaEncoderAvailable()) return QCoreApplication::translate("OutputSettings", "WMA cannot be written on this system.");
    return {};
}

WmaProfile WmaSettings::format() const {
    return profiles().at(static_cast<std::size_t>(std::clamp(profile, 0, profileCount() - 1)));
}

// ---- FLAC and Opus --------------------------------------------------------------------------

FlacSettings FlacSettings::load(const QString& key) {
    const FlacSettings d;
    FlacSettings s;
    s.level = stored::integer(key, kFlacLevel, d.level, 0, 8);
    s.verify = stored::flag(stored::text(key, kFlacVerify, QStringLiteral("0")), d.verify);
    return s;
}

void FlacSettings::save(const QString& key) const {
    stored::save(key, kFlacLevel, level);
    stored::save(key, kFlacVerify, verify ? 1 : 0);
}

OpusSettings OpusSettings::load(const QString& key) {
    const OpusSettings d;
    OpusSettings s;
    s.bitrateKbps = stored::integer(key, kOpusBitrate, d.bitrateKbps, 6, 512);
    s.mode = stored::integer(key, kOpusMode, d.mode, 0, 2);
    s.complexity = stored::integer(key, kOpusComplexity, d.complexity, 0, 10);
    return s;
}

void OpusSettings::save(const QString& key) const {
    stored::save(key, kOpusBitrate, bitrateKbps);
    stored::save(key, kOpusMode, mode);
    stored::save(key, kOpusComplexity, complexity);
}

// ---- Every format ---------------------------------------------------------------------------

OutputSettings OutputSettings::load(const QString& key) {
    OutputSettings s;
    for (const audio::OutputFormat& format : audio::outputFormats()) format.chooseStored(s, key);
    return s;
}

QString OutputSettings::chooseFormat(const QString& formatKey, const QString& key) {
    const audio::OutputFormat* format = audio::outputFormat(formatKey);
    return format ? format->chooseStored(*this, key) : QString();
}
