// The MP3 settings object and the LAME encoder: files written at test time are checked frame
// by frame (MPEG header bits) and by decoding them back with ffmpeg.
#include "components/audio/settings/MP3Settings.h"
#include "components/audio/codecs/Encoder.h"
#include "support/Signals.h"
#include "support/CoreSupport.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <lame/lame.h>

#include <gtest/gtest.h>

#include <sys/resource.h>
#include <unistd.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <functional>
#include <set>
#include <vector>

namespace {

using Samples = std::vector<std::int16_t>;
using testing_support::correlationAt;
using testing_support::musicTone;

// Sends file descriptor 2 into a temporary file while alive; text() gives what arrived.
class StderrCapture {
public:
    StderrCapture() {
        std::fflush(stderr);
        m_saved = dup(2);
        m_file = std::tmpfile();
        dup2(fileno(m_file), 2);
    }
    ~StderrCapture() { restore(); }
    StderrCapture(const StderrCapture&) = delete;
    StderrCapture& operator=(const StderrCapture&) = delete;
    QByteArray text() {
        restore();
        QByteArray out;
        std::rewind(m_file);
        char buffer[512];
        for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, m_file)) > 0;) out.append(buffer, static_cast<qsizetype>(n));
        return out;
    }

private:
    void restore() {
        if (m_saved < 0) return;
        std::fflush(stderr);
        dup2(m_saved, 2);
        close(m_saved);
        m_saved = -1;
    }
    int m_saved = -1;
    std::FILE* m_file = nullptr;
};

void encodeTo(const MP3Settings& settings, const QString& path, const Samples& pcm) {
    auto encoder = makeLameEncoder(settings);
    encoder->open(path);
    const auto channels = static_cast<std::size_t>(encoder->format().channels);
    const std::size_t frames = pcm.size() / channels;
    for (std::size_t at = 0; at < frames; at += 3000)
        encoder->write(pcm.data() + at * channels, std::min<std::size_t>(3000, frames - at));
    encoder->finish();
}


// One MPEG audio layer III frame header.
struct Frame {
    int version = 0;  // 1, 2 or 25 (MPEG-2.5)
    int kbps = 0;
    int rate = 0;
    bool crc = false;
    int mode = 0;  // header bits: 0 stereo, 1 joint, 2 dual, 3 mono
    int emphasis = 0;  // header bits: 0 none, 1 50/15 µs, 3 J.17
    bool midSide = false;  // joint stereo frame coded as mid/side
    int offset = 0;
    int length = 0;
};

// Walks the frames from the first byte (the writer puts no tag in front); fails the test at
// a byte that is not a frame header.
std::vector<Frame> parseFrames(const QByteArray& data) {
    static const int kbpsV1[] = {0, 32, 40, 48, 56, 64, 80, 96, 112, 128, 160, 192, 224, 256, 320};
    static const int kbpsV2[] = {0, 8, 16, 24, 32, 40, 48, 56, 64, 80, 96, 112, 128, 144, 160};
    static const int rates[] = {44100, 48000, 32000};
    std::vector<Frame> frames;
    int at = 0;
    while (at + 4 <= data.size()) {
        const auto* b = reinterpret_cast<const unsigned char*>(data.constData()) + at;
        const int versionBits = (b[1] >> 3) & 3, rateIndex = (b[2] >> 2) & 3, kbpsIndex = b[2] >> 4;
        if (b[0] != 0xFF || (b[1] & 0xE0) != 0xE0 || versionBits == 1 || ((b[1] >> 1) & 3) != 1 || rateIndex == 3 ||
            kbpsIndex == 0 || kbpsIndex == 15) {
            ADD_FAILURE() << "no MP3 frame header at byte " << at << " of " << data.size();
            break;
        }
        Frame f;
        f.version = versionBits == 3 ? 1 : versionBits == 2 ? 2 : 25;
        f.kbps = (f.version == 1 ? kbpsV1 : kbpsV2)[kbpsIndex];
        f.rate = rates[rateIndex] / (f.version == 1 ? 1 : f.version == 2 ? 2 : 4);
        f.crc = (b[1] & 1) == 0;
        f.mode = b[3] >> 6;
        f.emphasis = b[3] & 3;
        f.midSide = f.mode == 1 && (b[3] & 0x20) != 0;
        f.offset = at;
        f.length = (f.version == 1 ? 144000 : 72000) * f.kbps / f.rate + ((b[2] >> 1) & 1);
        frames.push_back(f);
        at += f.length;
    }
    return frames;
}

// "Xing" (VBR/ABR), "Info" (CBR) or empty: the tag in the first frame.
QByteArray firstFrameTag(const QByteArray& data, const std::vector<Frame>& frames) {
    if (frames.empty()) return {};
    const QByteArray first = data.mid(0, frames.front().length);
    for (const char* tag : {"Xing", "Info"})
        if (first.contains(tag)) return tag;
    return {};
}

Samples decode(const QString& path) {
    QProcess p;
    p.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                                       QStringLiteral("-f"), QStringLiteral("s16le"), QStringLiteral("-")});
    EXPECT_TRUE(p.waitForFinished(60000));
    const QByteArray raw = p.readAllStandardOutput();
    Samples out(static_cast<std::size_t>(raw.size()) / 2);
    std::memcpy(out.data(), raw.constData(), out.size() * 2);
    return out;
}

Samples downmix(const Samples& stereo) {
    Samples out(stereo.size() / 2);
    for (std::size_t i = 0; i < out.size(); ++i) out[i] = static_cast<std::int16_t>((stereo[2 * i] + stereo[2 * i + 1]) / 2);
    return out;
}

// What every frame of a written file must show.
struct Expected {
    int version;
    int rate;
    int channels;
    int mode;
    bool crc;
    int emphasis;
    int kbps;  // every audio frame; 0 for VBR/ABR
    QByteArray tag;  // "*": "Info" or none
    bool allMidSide = false;  // every frame mid/side, else some left/right
};

// Writes `settings` from a 1.5 s signal; checks the headers, the decoded sound and that LAME
// printed nothing.
void writeAndCheck(const MP3Settings& settings, const Expected& want, const QString& path) {
    const Samples pcm = musicTone(settings.sampleRate(), settings.channels(), 1.5);
    StderrCapture captured;
    encodeTo(settings, path, pcm);
    EXPECT_EQ(captured.text().toStdString(), "");

    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray data = f.readAll();
    const std::vector<Frame> frames = parseFrames(data);
    EXPECT_GT(frames.size(), 20u);
    const QByteArray tag = firstFrameTag(data, frames);
    if (want.tag != "*") {
        EXPECT_EQ(tag, want.tag);
    }
    std::set<int> bitrates;
    std::size_t midSide = 0;
    const std::size_t first = tag.isEmpty() ? 0 : 1;
    for (std::size_t i = first; i < frames.size(); ++i) {
        const Frame& fr = frames[i];
        SCOPED_TRACE(i);
        EXPECT_EQ(fr.version, want.version);
        EXPECT_EQ(fr.rate, want.rate);
        EXPECT_EQ(fr.mode, want.mode);
        EXPECT_EQ(fr.crc, want.crc);
        EXPECT_EQ(fr.emphasis, want.emphasis);
        if (want.kbps) {
            EXPECT_EQ(fr.kbps, want.kbps);
        }
        bitrates.insert(fr.kbps);
        midSide += fr.midSide;
        if (::testing::Test::HasFailure()) break;
    }
    if (want.mode == 1) {
        // The test signal's channels differ enough that free joint stereo keeps some frames
        // left/right; forced joint stereo codes every frame as mid/side.
        if (want.allMidSide) {
            EXPECT_EQ(midSide, frames.size() - first);
        } else {
            EXPECT_LT(midSide, frames.size() - first);
        }
    }
    if (!want.kbps) {
        EXPECT_GT(bitrates.size(), 1u) << "a VBR file with one bitrate";
        EXPECT_LE(*bitrates.rbegin(), settings.maxVbrBitrate());
    }

    // Decoded back, the file sounds like the input (mono files like its downmix). A file with
    // a LAME tag decodes to exactly the input's length; without one the encoder delay stays.
    const Samples back = decode(path);
    const Samples reference = settings.channels() == want.channels ? pcm : downmix(pcm);
    const int channels = want.channels;
    long lag = 0;
    if (tag.isEmpty()) {
        EXPECT_GE(back.size(), reference.size());
        for (long l = 1; l < 3000; ++l)
            if (correlationAt(reference, channels, back, channels, 0, l) >
                correlationAt(reference, channels, back, channels, 0, lag))
                lag = l;
    } else {
        EXPECT_EQ(back.size(), reference.size());
    }
    for (int c = 0; c < channels; ++c)
        EXPECT_GT(correlationAt(reference, channels, back, channels, c, lag), 0.95) << "channel " << c;
    if (channels == 2) {
        // The channels stay apart: the input's left is far from the decoded right.
        Samples swapped(back.size());
        for (std::size_t i = 0; i + 1 < back.size(); i += 2) swapped[i] = back[i + 1];
        EXPECT_LT(correlationAt(reference, 2, swapped, 2, 0, lag), 0.5);
    }
}

// ---- the settings object ----------------------------------------------------------------

TEST(Mp3Settings, FreshObjectHoldsLameDefaults) {
    lame_global_flags* g = lame_init();
    ASSERT_TRUE(g);
    lame_set_msgf(g, [](const char*, va_list) {});
    const MP3Settings s;
    EXPECT_EQ(s.vbrQuality(), lame_get_VBR_q(g));
    EXPECT_EQ(s.abrBitrate(), lame_get_VBR_mean_bitrate_kbps(g));
    EXPECT_EQ(s.writeVbrHeader(), lame_get_bWriteVbrTag(g) != 0);
    EXPECT_EQ(s.bitReservoir(), lame_get_disable_reservoir(g) == 0);
    EXPECT_EQ(s.blockTypesMayDiffer(), lame_get_allow_diff_short(g) != 0);
    EXPECT_EQ(s.crc(), lame_get_error_protection(g) != 0);
    EXPECT_EQ(s.channels(), lame_get_num_channels(g));
    ASSERT_EQ(lame_init_params(g), 0);
    // What LAME settles on for its unset values.
    EXPECT_EQ(s.sampleRate(), lame_get_out_samplerate(g));
    EXPECT_EQ(s.bitrate(), lame_get_brate(g));
    EXPECT_EQ(s.encoderQuality(), lame_get_quality(g));
    EXPECT_EQ(lame_get_mode(g), JOINT_STEREO);
    EXPECT_EQ(s.channelMode(), 2);
    EXPECT_EQ(s.codingMethod(), -1);
    EXPECT_EQ(lame_get_VBR(g), vbr_off);
    lame_close(g);
    EXPECT_EQ(s.description(), QStringLiteral("44100 Hz, Joint Stereo, 128 kbit/s CBR"));
    EXPECT_EQ(s.presetName(), QString());
}

TEST(Mp3Settings, DescriptionAndPresetName) {
    MP3Settings s;
    s.setSampleRate(22050);
    s.setChannels(1);
    s.setCodingMethod(2);
    s.setVbrQuality(2);
    s.setMaxVbrBitrate(160);
    EXPECT_EQ(s.description(), QStringLiteral("22050 Hz, Mono, VBR quality 2 (max 160 kbit/s)"));
    s = MP3Settings();
    s.setCodingMethod(4);
    s.setAbrBitrate(192);
    EXPECT_EQ(s.description(), QStringLiteral("44100 Hz, Joint Stereo, ABR 192 kbit/s"));
    s.setChannelMode(0);  // two channels downmixed
    EXPECT_TRUE(s.description().contains(QStringLiteral(", Mono, ")));

    s.setPreset(9);
    EXPECT_EQ(s.presetName(), QStringLiteral("CD"));
    EXPECT_EQ(s.description(), QStringLiteral("CD: 44100 Hz, Stereo, 192 kbit/s CBR"));
    EXPECT_EQ(s.codingMethod(), -1) << "a preset sets the whole configuration";
    s.setBitrate(192);  // unchanged value
    EXPECT_EQ(s.presetName(), QStringLiteral("CD"));
    s.setCrc(true);
    EXPECT_EQ(s.presetName(), QString());
    EXPECT_EQ(s.description(), QStringLiteral("44100 Hz, Stereo, 192 kbit/s CBR"));

    s.setLowpassFrequency(0);
    EXPECT_EQ(s.lowpassFrequency(), -1);
    s.setLowpassFrequency(48000);
    s.setHighpassWidth(48000);
    EXPECT_EQ(s.lowpassFrequency(), 48000);
}

struct InvalidValue {
    const char* name;
    std::function<void(MP3Settings&, int)> set;
    int value;
    const char* mentions;
};
void PrintTo(const InvalidValue& v, std::ostream* os) { *os << v.name; }

class Mp3SettingsInvalid : public ::testing::TestWithParam<InvalidValue> {};

TEST_P(Mp3SettingsInvalid, ThrowsAndKeepsTheObject) {
    const InvalidValue& p = GetParam();
    MP3Settings s;
    s.setPreset(4);
    const MP3Settings before = s;
    testing_support::expectComponentError([&] { p.set(s, p.value); }, {QLatin1String(p.mentions), QString::number(p.value)});
    EXPECT_EQ(s, before);
    EXPECT_EQ(s.presetName(), QStringLiteral("FM"));
}

INSTANTIATE_TEST_SUITE_P(
    Mp3, Mp3SettingsInvalid,
    ::testing::Values(
        InvalidValue{"Bitrate100", &MP3Settings::setBitrate, 100, "bitrate"},
        InvalidValue{"Bitrate0", &MP3Settings::setBitrate, 0, "bitrate"},
        InvalidValue{"Bitrate384", &MP3Settings::setBitrate, 384, "bitrate"},
        InvalidValue{"MaxVbr330", &MP3Settings::setMaxVbrBitrate, 330, "maximum VBR bitrate"},
        InvalidValue{"VbrQuality10", &MP3Settings::setVbrQuality, 10, "VBR quality"},
        InvalidValue{"VbrQualityNeg", &MP3Settings::setVbrQuality, -1, "VBR quality"},
        InvalidValue{"Method5", &MP3Settings::setCodingMethod, 5, "coding method"},
        InvalidValue{"MethodNeg2", &MP3Settings::setCodingMethod, -2, "coding method"},
        InvalidValue{"Abr7", &MP3Settings::setAbrBitrate, 7, "ABR bitrate"},
        InvalidValue{"Abr321", &MP3Settings::setAbrBitrate, 321, "ABR bitrate"},
        InvalidValue{"Mode7", &MP3Settings::setChannelMode, 7, "channel mode"},
        InvalidValue{"Quality10", &MP3Settings::setEncoderQuality, 10, "encoder quality"},
        InvalidValue{"Emphasis3", &MP3Settings::setDeEmphasis, 3, "de-emphasis"},
        InvalidValue{"Ath4", &MP3Settings::setAthControl, 4, "ATH control"},
        InvalidValue{"LowpassNeg2", &MP3Settings::setLowpassFrequency, -2, "lowpass frequency"},
        InvalidValue{"Lowpass48001", &MP3Settings::setLowpassFrequency, 48001, "lowpass frequency"},
        InvalidValue{"Highpass48001", &MP3Settings::setHighpassFrequency, 48001, "highpass frequency"},
        InvalidValue{"LowpassWidthNeg", &MP3Settings::setLowpassWidth, -1, "lowpass width"},
        InvalidValue{"HighpassWidth48001", &MP3Settings::setHighpassWidth, 48001, "highpass width"},
        InvalidValue{"Rate44000", &MP3Settings::setSampleRate, 44000, "sample rate"},
        InvalidValue{"Rate96000", &MP3Settings::setSampleRate, 96000, "sample rate"},
        InvalidValue{"Channels0", &MP3Settings::setChannels, 0, "channel count"},
        InvalidValue{"Channels3", &MP3Settings::setChannels, 3, "channel count"},
        InvalidValue{"Preset0", &MP3Settings::setPreset, 0, "preset"},
        InvalidValue{"Preset12", &MP3Settings::setPreset, 12, "preset"}),
    [](const auto& param) { return std::string(param.param.name); });

// ---- written files ----------------------------------------------------------------------

struct HeaderCase {
    const char* name;
    std::function<void(MP3Settings&)> configure;
    Expected want;
};
void PrintTo(const HeaderCase& c, std::ostream* os) { *os << c.name; }

class Mp3Header : public ::testing::TestWithParam<HeaderCase> {};

TEST_P(Mp3Header, FramesCarryTheSettings) {
    QTemporaryDir dir;
    MP3Settings s;
    GetParam().configure(s);
    writeAndCheck(s, GetParam().want, dir.filePath(QStringLiteral("out.mp3")));
}

INSTANTIATE_TEST_SUITE_P(
    Mp3, Mp3Header,
    ::testing::Values(
        HeaderCase{"Defaults", [](MP3Settings&) {}, {1, 44100, 2, 1, false, 0, 128, "Info"}},
        HeaderCase{"StereoCrc",
                   [](MP3Settings& s) {
                       s.setChannelMode(1);
                       s.setCrc(true);
                   },
                   {1, 44100, 2, 0, true, 0, 128, "Info"}},
        HeaderCase{"DualEmphasis5015",
                   [](MP3Settings& s) {
                       s.setChannelMode(4);
                       s.setDeEmphasis(1);
                       s.setSampleRate(48000);
                       s.setBitrate(256);
                   },
                   {1, 48000, 2, 2, false, 1, 256, "Info"}},
        HeaderCase{"ForcedJointJ17",
                   [](MP3Settings& s) {
                       s.setChannelMode(3);
                       s.setDeEmphasis(2);
                       s.setSampleRate(32000);
                       s.setBitrate(96);
                   },
                   {1, 32000, 2, 1, false, 3, 96, "Info", true}},
        HeaderCase{"MonoModeDownmixes", [](MP3Settings& s) { s.setChannelMode(0); }, {1, 44100, 1, 3, false, 0, 128, "Info"}},
        HeaderCase{"OneChannelIsMono",
                   [](MP3Settings& s) {
                       s.setChannels(1);
                       s.setBitrate(64);
                   },
                   {1, 44100, 1, 3, false, 0, 64, "Info"}},
        HeaderCase{"NoVbrHeader", [](MP3Settings& s) { s.setWriteVbrHeader(false); }, {1, 44100, 2, 1, false, 0, 128, ""}},
        HeaderCase{"Mpeg2Vbr",
                   [](MP3Settings& s) {
                       s.setSampleRate(22050);
                       s.setCodingMethod(2);
                       s.setVbrQuality(2);
                       s.setMaxVbrBitrate(160);
                   },
                   {2, 22050, 2, 1, false, 0, 0, "Xing"}},
        HeaderCase{"Mpeg1Abr",
                   [](MP3Settings& s) {
                       s.setSampleRate(48000);
                       s.setCodingMethod(4);
                       s.setAbrBitrate(150);
                   },
                   {1, 48000, 2, 1, false, 0, 0, "Xing"}},
        HeaderCase{"Mpeg25TopBitrate",
                   [](MP3Settings& s) {
                       s.setSampleRate(12000);
                       s.setChannels(1);
                       s.setBitrate(64);
                   },
                   {25, 12000, 1, 3, false, 0, 64, "Info"}},
        HeaderCase{"EveryOtherSwitch",
                   [](MP3Settings& s) {
                       s.setSampleRate(16000);
                       s.setBitrate(144);
                       s.setEncoderQuality(9);
                       s.setBitReservoir(false);
                       s.setBlockTypesMayDiffer(true);
                       s.setShortBlocks(false);
                       s.setStrictIso(true);
                       s.setAthControl(3);
                       s.setLowpassFrequency(6000);
                       s.setLowpassWidth(500);
                       s.setHighpassFrequency(80);
                       s.setHighpassWidth(40);
                   },
                   {2, 16000, 2, 1, false, 0, 144, "Info"}}),
    [](const auto& param) { return std::string(param.param.name); });

class Mp3Preset : public ::testing::TestWithParam<int> {};

TEST_P(Mp3Preset, WritesWhatItsDescriptionNames) {
    MP3Settings s;
    s.setPreset(GetParam());
    const QString name = MP3Settings::presetNames().at(GetParam() - 1);
    const QString text = s.description();
    ASSERT_TRUE(text.startsWith(name + QStringLiteral(": ") + QString::number(s.sampleRate()) + QStringLiteral(" Hz, ")))
        << text.toStdString();
    const bool mono = text.contains(QStringLiteral(", Mono, "));
    const bool cbr = text.endsWith(QStringLiteral(" kbit/s CBR"));
    EXPECT_TRUE(cbr || text.contains(QStringLiteral("VBR quality"))) << text.toStdString();

    const int rate = s.sampleRate();
    const int version = rate >= 32000 ? 1 : rate >= 16000 ? 2 : 25;
    const int modeBits = mono ? 3 : s.channelMode() == 1 ? 0 : 1;
    // LAME leaves the Info tag out of CBR files whose frames are too small to hold it
    // (the narrow speech presets); a VBR file always has its Xing tag.
    QTemporaryDir dir;
    writeAndCheck(s, {version, rate, mono ? 1 : 2, modeBits, false, 0, cbr ? s.bitrate() : 0, cbr ? "*" : "Xing"},
                  dir.filePath(QStringLiteral("preset.mp3")));
}

INSTANTIATE_TEST_SUITE_P(Mp3, Mp3Preset, ::testing::Range(1, 12), [](const auto& param) {
    return MP3Settings::presetNames().at(param.param - 1).toStdString();
});

// ---- refusals ---------------------------------------------------------------------------

TEST(Mp3Errors, BitrateOutsideTheRatesMpegVersionThrowsAtOpen) {
    struct Case {
        int rate;
        int method;
        int kbps;  // CBR, maximum VBR or ABR bitrate after `method`
        const char* mentions;
    };
    const Case cases[] = {
        {44100, -1, 8, "bitrate 8 kbit/s"},   {44100, -1, 144, "bitrate 144 kbit/s"},
        {22050, -1, 192, "bitrate 192 kbit/s"}, {8000, -1, 80, "bitrate 80 kbit/s"},
        {44100, 3, 144, "maximum VBR bitrate 144 kbit/s"}, {32000, 1, 16, "maximum VBR bitrate 16 kbit/s"},
        {22050, 4, 192, "ABR bitrate 192 kbit/s"}, {48000, 4, 24, "ABR bitrate 24 kbit/s"},
    };
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("refused.mp3"));
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mentions);
        MP3Settings s;
        s.setSampleRate(c.rate);
        s.setCodingMethod(c.method);
        if (c.method < 0) s.setBitrate(c.kbps);
        else if (c.method == 4) s.setAbrBitrate(c.kbps);
        else s.setMaxVbrBitrate(c.kbps);
        if (c.method == 4 && c.rate < 32000) s.setMaxVbrBitrate(160);  // so the ABR target is what fails
        testing_support::expectComponentError([&] { makeLameEncoder(s)->open(path); },
                    {QLatin1String(c.mentions), QStringLiteral("%1 Hz").arg(c.rate)});
        EXPECT_FALSE(QFile::exists(path));
    }
}

// A VBR ceiling above what the rate allows is no ceiling: the dialog's 320 kbit/s works at
// 22050 Hz, and no frame goes beyond the rate's highest bitrate.
TEST(Mp3Errors, VbrCeilingAboveTheRatesHighestBitrateIsLowered) {
    QTemporaryDir dir;
    MP3Settings s;
    s.setSampleRate(22050);
    s.setCodingMethod(3);
    s.setMaxVbrBitrate(320);
    auto encoder = makeLameEncoder(s);
    encoder->open(dir.filePath(QStringLiteral("ceiling.mp3")));
    const std::vector<std::int16_t> signal(22050 * 2, 0);
    encoder->write(signal.data(), 22050);
    encoder->finish();
    EXPECT_GT(QFileInfo(dir.filePath(QStringLiteral("ceiling.mp3"))).size(), 0);
}

TEST(Mp3Errors, MissingFolderAndMisuseThrow) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("absent/out.mp3"));
    auto encoder = makeLameEncoder(MP3Settings());
    testing_support::expectComponentError([&] { encoder->open(path); }, {path});
    const Samples pcm = musicTone(44100, 2, 0.1);
    testing_support::expectComponentError([&] { encoder->write(pcm.data(), 100); }, {QStringLiteral("not open")});
    testing_support::expectComponentError([&] { encoder->finish(); }, {QStringLiteral("not open")});
}

TEST(Mp3Errors, FullDiskThrows) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("full.mp3"));
    const Samples pcm = musicTone(44100, 2, 1.0);
    MP3Settings s;
    s.setBitrate(320);
    auto encoder = makeLameEncoder(s);
    encoder->open(path);

    // The file size limit stands in for a full disk: writes past it fail with EFBIG.
    rlimit saved{};
    ASSERT_EQ(getrlimit(RLIMIT_FSIZE, &saved), 0);
    rlimit small = saved;
    small.rlim_cur = 64 * 1024;
    const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
    ASSERT_EQ(setrlimit(RLIMIT_FSIZE, &small), 0);
    bool thrown = false;
    try {
        for (int second = 0; second < 5; ++second) encoder->write(pcm.data(), pcm.size() / 2);
        encoder->finish();
    } catch (const ComponentError& e) {
        thrown = true;
        EXPECT_TRUE(e.description().startsWith(QStringLiteral("Could not write to ") + path)) << e.description().toStdString();
    }
    setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, previousHandler);
    EXPECT_TRUE(thrown);
}

}  // namespace
