#include "components/audio/settings/MP3Settings.h"

#include <QCoreApplication>

#include <algorithm>
#include <array>
#include <iterator>

namespace {

constexpr std::array kMpegBitrates{8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160, 192, 224, 256, 320};
constexpr std::array kMpegRates{8000, 11025, 12000, 16000, 22050, 24000, 32000, 44100, 48000};

// One preset's whole configuration. Everything not listed takes the fresh object's value.
struct Preset {
    const char* name;
    int sampleRate;
    int channels;
    int channelMode;
    int codingMethod;
    int bitrate;  // CBR
    int vbrQuality;
    int maxVbrBitrate;
    int encoderQuality;
    int lowpass;  // -1: LAME's default for the rate and bitrate
};

// From narrow-band speech to transparent music. Every entry is a rate/bitrate pair that
// LAME writes as asked (checked by the encoder's tests).
//: The MP3 presets' names: kinds of sound, from telephone to studio quality.
constexpr std::array<Preset, 11> kPresets{{
    {QT_TRANSLATE_NOOP("MP3Settings", "Phone"), 8000, 1, 0, -1, 16, 4, 64, 3, 3200},
    {QT_TRANSLATE_NOOP("MP3Settings", "SW"), 11025, 1, 0, -1, 24, 4, 64, 3, 4500},
    {QT_TRANSLATE_NOOP("MP3Settings", "AM"), 16000, 1, 0, -1, 32, 4, 160, 3, 5500},
    {QT_TRANSLATE_NOOP("MP3Settings", "FM"), 22050, 2, 2, -1, 64, 4, 160, 3, -1},
    {QT_TRANSLATE_NOOP("MP3Settings", "Voice"), 32000, 1, 0, -1, 56, 4, 320, 3, -1},
    {QT_TRANSLATE_NOOP("MP3Settings", "Radio"), 44100, 2, 2, -1, 112, 4, 320, 3, -1},
    {QT_TRANSLATE_NOOP("MP3Settings", "Tape"), 44100, 2, 2, -1, 128, 4, 320, 3, -1},
    {QT_TRANSLATE_NOOP("MP3Settings", "HiFi"), 44100, 2, 2, -1, 160, 4, 320, 3, -1},
    {QT_TRANSLATE_NOOP("MP3Settings", "CD"), 44100, 2, 1, -1, 192, 4, 320, 3, -1},
    {QT_TRANSLATE_NOOP("MP3Settings", "Studio"), 44100, 2, 2, -1, 256, 4, 320, 3, -1},
    {QT_TRANSLATE_NOOP("MP3Settings", "R3Mix"), 44100, 2, 2, 3, 128, 1, 320, 2, 19500},
}};

template <typename C>
bool contains(const C& set, int value) {
    return std::find(std::begin(set), std::end(set), value) != std::end(set);
}

[[noreturn]] void refuse(const char* property, int value, const QString& allowed) {
    //: %1 an MP3 setting's name, %2 the value refused, %3 what it may be
    throw ComponentError(QCoreApplication::translate("MP3Settings", "The MP3 %1 %2 is not %3")
                             .arg(QCoreApplication::translate("MP3Settings", property))
                             .arg(value)
                             .arg(allowed));
}

void checkRange(const char* property, int value, int low, int high) {
    if (value < low || value > high)
        refuse(property, value, QCoreApplication::translate("MP3Settings", "one of %1..%2").arg(low).arg(high));
}

void checkBitrate(const char* property, int kbps) {
    if (!MP3Settings::isMpegBitrate(kbps))
        refuse(property, kbps, QCoreApplication::translate("MP3Settings", "an MPEG bitrate (8..320 kbit/s)"));
}

void checkFrequency(const char* property, int hz) {
    if (hz != -1 && hz != 0 && (hz < 1 || hz > 48000))
        refuse(property, hz, QCoreApplication::translate("MP3Settings", "-1 (no filter) or one of 1..48000 Hz"));
}

const char* modeName(int mode) {
    static constexpr std::array names{QT_TRANSLATE_NOOP("MP3Settings", "Mono"), QT_TRANSLATE_NOOP("MP3Settings", "Stereo"),
                                      QT_TRANSLATE_NOOP("MP3Settings", "Joint Stereo"),
                                      QT_TRANSLATE_NOOP("MP3Settings", "Forced Joint Stereo"),
                                      QT_TRANSLATE_NOOP("MP3Settings", "Dual Channels")};
    return names.at(static_cast<std::size_t>(mode));
}

// Assigns and forgets the preset name when the value changes.
template <typename T>
void assign(T& member, T value, QString& presetName) {
    if (member != value) {
        member = value;
        presetName.clear();
    }
}

}  // namespace

MP3Settings::MP3Settings() = default;

QStringList MP3Settings::presetNames() {
    QStringList names;
    for (const Preset& p : kPresets) names << QCoreApplication::translate("MP3Settings", p.name);
    return names;
}

bool MP3Settings::isMpegBitrate(int kbps) { return contains(kMpegBitrates, kbps); }

bool MP3Settings::isMpegSampleRate(int hz) { return contains(kMpegRates, hz); }

void MP3Settings::setPreset(int index) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "preset"), index, 1, static_cast<int>(kPresets.size()));
    const Preset& p = kPresets.at(static_cast<std::size_t>(index - 1));
    MP3Settings s;
    s.m_sampleRate = p.sampleRate;
    s.m_channels = p.channels;
    s.m_channelMode = p.channelMode;
    s.m_codingMethod = p.codingMethod;
    s.m_bitrate = p.bitrate;
    s.m_vbrQuality = p.vbrQuality;
    s.m_maxVbrBitrate = p.maxVbrBitrate;
    s.m_encoderQuality = p.encoderQuality;
    s.m_lowpassFrequency = p.lowpass;
    s.m_presetName = QLatin1String(p.name);
    *this = s;
}

void MP3Settings::setMaxVbrBitrate(int kbps) {
    checkBitrate(QT_TRANSLATE_NOOP("MP3Settings", "maximum VBR bitrate"), kbps);
    assign(m_maxVbrBitrate, kbps, m_presetName);
}

void MP3Settings::setVbrQuality(int q) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "VBR quality"), q, 0, 9);
    assign(m_vbrQuality, q, m_presetName);
}

void MP3Settings::setCodingMethod(int method) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "coding method"), method, -1, 4);
    assign(m_codingMethod, method, m_presetName);
}

void MP3Settings::setAbrBitrate(int kbps) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "ABR bitrate"), kbps, 8, 320);
    assign(m_abrBitrate, kbps, m_presetName);
}

void MP3Settings::setChannelMode(int mode) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "channel mode"), mode, 0, 4);
    assign(m_channelMode, mode, m_presetName);
}

void MP3Settings::setEncoderQuality(int q) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "encoder quality"), q, 0, 9);
    assign(m_encoderQuality, q, m_presetName);
}

void MP3Settings::setWriteVbrHeader(bool on) { assign(m_writeVbrHeader, on, m_presetName); }
void MP3Settings::setBitReservoir(bool on) { assign(m_bitReservoir, on, m_presetName); }
void MP3Settings::setBlockTypesMayDiffer(bool on) { assign(m_blockTypesMayDiffer, on, m_presetName); }
void MP3Settings::setShortBlocks(bool on) { assign(m_shortBlocks, on, m_presetName); }
void MP3Settings::setStrictIso(bool on) { assign(m_strictIso, on, m_presetName); }
void MP3Settings::setEnforceMinBitrate(bool on) { assign(m_enforceMinBitrate, on, m_presetName); }
void MP3Settings::setCrc(bool on) { assign(m_crc, on, m_presetName); }

void MP3Settings::setDeEmphasis(int index) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "de-emphasis"), index, 0, 2);
    assign(m_deEmphasis, index, m_presetName);
}

void MP3Settings::setAthControl(int index) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "ATH control"), index, 0, 3);
    assign(m_athControl, index, m_presetName);
}

// 0 reads as "no filter of the user's", the same as -1.
void MP3Settings::setLowpassFrequency(int hz) {
    checkFrequency(QT_TRANSLATE_NOOP("MP3Settings", "lowpass frequency"), hz);
    assign(m_lowpassFrequency, hz == 0 ? -1 : hz, m_presetName);
}

void MP3Settings::setHighpassFrequency(int hz) {
    checkFrequency(QT_TRANSLATE_NOOP("MP3Settings", "highpass frequency"), hz);
    assign(m_highpassFrequency, hz == 0 ? -1 : hz, m_presetName);
}

void MP3Settings::setLowpassWidth(int hz) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "lowpass width"), hz, 0, 48000);
    assign(m_lowpassWidth, hz, m_presetName);
}

void MP3Settings::setHighpassWidth(int hz) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "highpass width"), hz, 0, 48000);
    assign(m_highpassWidth, hz, m_presetName);
}

void MP3Settings::setSampleRate(int hz) {
    if (!isMpegSampleRate(hz))
        refuse(QT_TRANSLATE_NOOP("MP3Settings", "sample rate"), hz,
               QCoreApplication::translate("MP3Settings", "an MPEG sample rate (8000..48000 Hz)"));
    assign(m_sampleRate, hz, m_presetName);
}

void MP3Settings::setChannels(int count) {
    checkRange(QT_TRANSLATE_NOOP("MP3Settings", "channel count"), count, 1, 2);
    assign(m_channels, count, m_presetName);
}

void MP3Settings::setBitrate(int kbps) {
    checkBitrate(QT_TRANSLATE_NOOP("MP3Settings", "bitrate"), kbps);
    assign(m_bitrate, kbps, m_presetName);
}

QString MP3Settings::description() const {
    // One input channel, or the mono mode with two, writes a mono file.
    const bool mono = m_channels == 1 || m_channelMode == 0;
    QString text = QCoreApplication::translate("MP3Settings", "%1 Hz, %2, ")
                       .arg(m_sampleRate)
                       .arg(QCoreApplication::translate("MP3Settings", modeName(mono ? 0 : m_channelMode)));
    if (m_codingMethod < 0)
        text += QCoreApplication::translate("MP3Settings", "%1 kbit/s CBR").arg(m_bitrate);
    else if (m_codingMethod == 4)
        text += QCoreApplication::translate("MP3Settings", "ABR %1 kbit/s").arg(m_abrBitrate);
    else
        text += QCoreApplication::translate("MP3Settings", "VBR quality %1 (max %2 kbit/s)")
                    .arg(m_vbrQuality)
                    .arg(m_maxVbrBitrate);
    if (m_presetName.isEmpty()) return text;
    const QString preset = QCoreApplication::translate("MP3Settings", m_presetName.toLatin1().constData());
    //: An MP3 preset's name, then what it writes.
    return QCoreApplication::translate("MP3Settings", "%1: %2").arg(preset, text);
}
