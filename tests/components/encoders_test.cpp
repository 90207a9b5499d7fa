// The Ogg Vorbis, WAV and WMA writers and the WMA file object, checked on real files read
// back with ffmpeg/ffprobe.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/codecs/WMAFile.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/codecs/Encoder.h"
#include "support/FlacTools.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <csignal>
#include <cstring>
#include <functional>
#include <sys/resource.h>

namespace {

QByteArray runTool(const QString& program, const QStringList& args) {
    QProcess p;
    p.start(program, args);
    // The limit only guards against a hang.
    EXPECT_TRUE(p.waitForFinished(120000)) << program.toStdString();
    EXPECT_EQ(p.exitCode(), 0) << program.toStdString() << ": " << p.readAllStandardError().toStdString();
    return p.readAllStandardOutput();
}

// The file's audio decoded by ffmpeg to 16-bit interleaved samples in its own format.
std::vector<std::int16_t> decodeWithFfmpeg(const QString& path) {
    const QByteArray raw = runTool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"),
                                                             QStringLiteral("-i"), path, QStringLiteral("-f"),
                                                             QStringLiteral("s16le"), QStringLiteral("-")});
    std::vector<std::int16_t> samples(static_cast<std::size_t>(raw.size()) / 2);
    std::memcpy(samples.data(), raw.constData(), samples.size() * 2);
    return samples;
}

struct Probe {
    int sampleRate = 0;
    int channels = 0;
    qint64 bitRate = 0;
    double duration = 0;
};

Probe probe(const QString& path) {
    const QByteArray out = runTool(
        QStringLiteral("ffprobe"),
        {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"), QStringLiteral("a:0"),
         QStringLiteral("-show_entries"), QStringLiteral("stream=sample_rate,channels,bit_rate:format=duration"),
         QStringLiteral("-of"), QStringLiteral("default=nw=1"), path});
    Probe p;
    for (const QByteArray& line : out.split('\n')) {
        const QList<QByteArray> kv = line.split('=');
        if (kv.size() != 2)
            continue;
        if (kv[0] == "sample_rate")
            p.sampleRate = kv[1].toInt();
        else if (kv[0] == "channels")
            p.channels = kv[1].toInt();
        else if (kv[0] == "bit_rate")
            p.bitRate = kv[1].toLongLong();
        else if (kv[0] == "duration")
            p.duration = kv[1].toDouble();
    }
    return p;
}

// Sum of the audio packets' sizes over the duration: the bitrate the encoder really produced.
double packetBitrate(const QString& path, double seconds) {
    const QByteArray out = runTool(QStringLiteral("ffprobe"),
                                   {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-select_streams"),
                                    QStringLiteral("a:0"), QStringLiteral("-show_entries"), QStringLiteral("packet=size"),
                                    QStringLiteral("-of"), QStringLiteral("csv=p=0"), path});
    double bytes = 0;
    for (const QByteArray& line : out.split('\n'))
        bytes += line.trimmed().toDouble();
    return bytes * 8 / seconds;
}

// Music-like material, by default with enough noise that the encoders spend their bitrate.
std::vector<std::int16_t> material(int rate, int channels, std::size_t frames, double noise = 0.3) {
    return testing_support::musicFrames(rate, channels, frames, noise);
}

// Feeds the encoder in uneven blocks so that its own buffering is exercised.
void writeAll(Encoder& encoder, const std::vector<std::int16_t>& samples) {
    const auto channels = static_cast<std::size_t>(encoder.format().channels);
    const std::size_t frames = samples.size() / channels;
    std::size_t done = 0;
    for (std::size_t step = 777; done < frames; step = step * 3 % 5001 + 1) {
        const std::size_t n = std::min(step, frames - done);
        encoder.write(samples.data() + done * channels, n);
        done += n;
    }
}

// ---------------------------------------------------------------------------------------------
// WAV

struct RiffInfo {
    int formatTag = 0;
    int channels = 0;
    int sampleRate = 0;
    int blockAlign = 0;
    int bits = 0;
    qint64 dataSize = -1;
    bool riffSizeMatches = false;
};

RiffInfo parseRiff(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray d = f.readAll();
    auto u16 = [&](qsizetype at) { return int(quint8(d[at])) | int(quint8(d[at + 1])) << 8; };
    auto u32 = [&](qsizetype at) { return qint64(u16(at)) | qint64(u16(at + 2)) << 16; };
    RiffInfo info;
    if (d.size() < 12 || d.left(4) != "RIFF" || d.mid(8, 4) != "WAVE")
        return info;
    info.riffSizeMatches = u32(4) == d.size() - 8;
    for (qsizetype at = 12; at + 8 <= d.size();) {
        const QByteArray id = d.mid(at, 4);
        const qint64 size = u32(at + 4);
        if (id == "fmt ") {
            info.formatTag = u16(at + 8);
            info.channels = u16(at + 10);
            info.sampleRate = int(u32(at + 12));
            info.blockAlign = u16(at + 20);
            info.bits = u16(at + 22);
            if (info.formatTag == 0xFFFE)  // extensible: the sub-format's first two bytes
                info.formatTag = u16(at + 32);
        } else if (id == "data") {
            info.dataSize = size;
        }
        at += 8 + size + (size & 1);
    }
    return info;
}

using WavRoundTripParam = std::tuple<int, int>;  // rate, channels
class WavRoundTrip : public ::testing::TestWithParam<WavRoundTripParam> {};

TEST_P(WavRoundTrip, SixteenBitIsBitExactWithTheRightHeader) {
    const auto [rate, channels] = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.wav"));
    const std::size_t frames = std::size_t(rate) / 2 + 3;
    const auto input = material(rate, channels, frames);
    auto enc = makeWavEncoder({rate, channels, 16});
    EXPECT_EQ(enc->format(), (PcmFormat{rate, channels}));
    enc->open(path);
    writeAll(*enc, input);
    enc->finish();

    const RiffInfo info = parseRiff(path);
    EXPECT_TRUE(info.riffSizeMatches);
    EXPECT_EQ(info.formatTag, 1);
    EXPECT_EQ(info.sampleRate, rate);
    EXPECT_EQ(info.channels, channels);
    EXPECT_EQ(info.bits, 16);
    EXPECT_EQ(info.dataSize, qint64(input.size() * 2));
    EXPECT_EQ(QFileInfo(path).size(), 44 + info.dataSize) << "not the classic 44-byte header";
    EXPECT_EQ(decodeWithFfmpeg(path), input);
}

INSTANTIATE_TEST_SUITE_P(Wav, WavRoundTrip,
                         ::testing::Combine(::testing::Values(8000, 11025, 16000, 22050, 32000, 44100, 48000),
                                            ::testing::Values(1, 2)));

class WavWidths : public ::testing::TestWithParam<int> {};

TEST_P(WavWidths, HeaderAndSamplesMatchTheWidth) {
    const int bits = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("w.wav"));
    const auto input = material(22050, 1, 4001);  // at 8 bit an odd data size, padded in RIFF
    auto enc = makeWavEncoder({22050, 1, bits});
    enc->open(path);
    writeAll(*enc, input);
    enc->finish();

    const RiffInfo info = parseRiff(path);
    EXPECT_TRUE(info.riffSizeMatches);
    EXPECT_EQ(info.formatTag, 1);
    EXPECT_EQ(info.bits, bits);
    EXPECT_EQ(info.channels, 1);
    EXPECT_EQ(info.sampleRate, 22050);
    EXPECT_EQ(info.blockAlign, bits / 8);
    EXPECT_EQ(info.dataSize, qint64(input.size()) * bits / 8);

    // Wider files hold the 16-bit values exactly; 8 bit keeps the top byte.
    std::vector<std::int16_t> expected = input;
    if (bits == 8)
        for (auto& s : expected)
            s = static_cast<std::int16_t>((s >> 8) * 256);
    EXPECT_EQ(decodeWithFfmpeg(path), expected);
}

INSTANTIATE_TEST_SUITE_P(Wav, WavWidths, ::testing::Values(8, 16, 24, 32));

TEST(WavFormat, SupportedSetAndDescriptions) {
    EXPECT_TRUE(wavFormatSupported({96000, 2, 24}));
    EXPECT_TRUE(wavFormatSupported({8000, 1, 8}));
    EXPECT_FALSE(wavFormatSupported({44100, 2, 12}));
    EXPECT_TRUE(wavFormatSupported({44100, 3, 16}));
    EXPECT_TRUE(wavFormatSupported({48000, 8, 24}));
    EXPECT_FALSE(wavFormatSupported({44100, 9, 16}));
    EXPECT_TRUE(wavFormatSupported({6000, 1, 16}));
    EXPECT_FALSE(wavFormatSupported({5999, 1, 16}));
    EXPECT_FALSE(wavFormatSupported({96001, 2, 16}));
    EXPECT_THROW(makeWavEncoder({44100, 0, 16}), ComponentError);
    EXPECT_EQ(describeWav({44100, 2, 16}), QStringLiteral("44100 Hz, 16 bit, Stereo"));
    EXPECT_EQ(describeWav({8000, 1, 8}), QStringLiteral("8000 Hz, 8 bit, Mono"));
    EXPECT_EQ(makeWavEncoder({8000, 1, 8})->description(), QStringLiteral("8000 Hz, 8 bit, Mono"));
}

// ---------------------------------------------------------------------------------------------
// Ogg Vorbis

// Encodes `seconds` of material and returns the file's bitrate in kbit/s.
double oggKbps(const OggFormat& format, const QString& path, double seconds = 6) {
    auto enc = makeVorbisEncoder(format);
    enc->open(path);
    writeAll(*enc, material(format.sampleRate, format.channels, std::size_t(format.sampleRate * seconds)));
    enc->finish();
    return double(QFileInfo(path).size()) * 8 / seconds / 1000;
}

TEST(OggBitrate, QualityAndManagedBitrateShapeTheFile) {
    QTemporaryDir dir;
    const double high = oggKbps({44100, 2, 0, 0, 0, 800}, dir.filePath(QStringLiteral("q8.ogg")));
    const double low = oggKbps({44100, 2, 0, 0, 0, 100}, dir.filePath(QStringLiteral("q1.ogg")));
    EXPECT_GT(high, 2 * low) << high << " vs " << low;
    const double managed = oggKbps({44100, 2, 128, 0, 0, 0}, dir.filePath(QStringLiteral("n128.ogg")));
    EXPECT_NEAR(managed, 128, 128 * 0.15);
    const double capped = oggKbps({44100, 2, 0, 0, 96, 0}, dir.filePath(QStringLiteral("max96.ogg")));
    EXPECT_LT(capped, 96 * 1.05);
}

using OggFormatParam = std::tuple<int, int, int, int>;  // rate, channels, quality, nominal kbit/s
class OggFormatReachesFile : public ::testing::TestWithParam<OggFormatParam> {};

TEST_P(OggFormatReachesFile, RateChannelsAndEveryFrame) {
    const auto [rate, channels, quality, nominal] = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("f.ogg"));
    const std::size_t frames = std::size_t(rate) + 1234;
    auto enc = makeVorbisEncoder({rate, channels, nominal, 0, 0, quality});
    EXPECT_EQ(enc->format(), (PcmFormat{rate, channels}));
    enc->open(path);
    writeAll(*enc, material(rate, channels, frames));
    enc->finish();
    const Probe p = probe(path);
    EXPECT_EQ(p.sampleRate, rate);
    EXPECT_EQ(p.channels, channels);
    // The last page's granule position trims the output to what was written (oggdec honours it
    // also in a stream of one page, where ffmpeg does not).
    const QByteArray raw = runTool(QStringLiteral("oggdec"), {QStringLiteral("-Q"), QStringLiteral("-R"),
                                                              QStringLiteral("-o"), QStringLiteral("-"), path});
    EXPECT_EQ(std::size_t(raw.size()), frames * std::size_t(channels) * 2);
}

INSTANTIATE_TEST_SUITE_P(Ogg, OggFormatReachesFile,
                         ::testing::Values(OggFormatParam{44100, 2, 300, 0}, OggFormatParam{22050, 1, 500, 0},
                                           OggFormatParam{48000, 2, 0, 160}, OggFormatParam{8000, 1, 0, 24},
                                           OggFormatParam{32000, 2, 1000, 0}));

TEST(OggFormat, CanEncodeMatchesLibvorbisenc) {
    EXPECT_TRUE(vorbisCanEncode(44100, 2, 128, 0, 0));
    EXPECT_TRUE(vorbisCanEncode(22050, 1, 64, 0, 0));
    EXPECT_TRUE(vorbisCanEncode(48000, 2, 192, 0, 0));
    EXPECT_TRUE(vorbisCanEncode(44100, 2, 0, 96, 192));
    EXPECT_FALSE(vorbisCanEncode(8000, 2, 320, 0, 0));
    EXPECT_FALSE(vorbisCanEncode(0, 2, 128, 0, 0));
    EXPECT_FALSE(vorbisCanEncode(5000000, 2, 128, 0, 0));
    EXPECT_FALSE(vorbisCanEncode(44100, 0, 128, 0, 0));
    EXPECT_FALSE(vorbisCanEncode(44100, 2, 0, 0, 0));
    EXPECT_FALSE(vorbisCanEncode(44100, 2, 2147483, 0, 0));
    // The check and the encoder agree on a grid of common settings.
    for (int rate : {8000, 11025, 22050, 32000, 44100, 48000})
        for (int channels : {1, 2})
            for (int nominal : {24, 64, 128, 320}) {
                bool made = true;
                try {
                    makeVorbisEncoder({rate, channels, nominal, 0, 0, 0});
                } catch (const ComponentError&) {
                    made = false;
                }
                EXPECT_EQ(vorbisCanEncode(rate, channels, nominal, 0, 0), made) << rate << "/" << channels << "/" << nominal;
            }
}

TEST(OggFormat, RefusedCombinationThrowsNamingIt) {
    try {
        makeVorbisEncoder({8000, 2, 320, 0, 0, 0});
        ADD_FAILURE() << "no error";
    } catch (const ComponentError& e) {
        EXPECT_TRUE(e.description().contains(QStringLiteral("8000 Hz, Stereo, 320 kbit/s"))) << e.what();
    }
    EXPECT_THROW(makeVorbisEncoder({44100, 2, 0, 0, 0, 1200}), ComponentError);  // quality above 10
    EXPECT_EQ(makeVorbisEncoder({44100, 2, 0, 0, 0, 300})->description(),
              QStringLiteral("44100 Hz, Stereo, quality 3"));
    EXPECT_EQ(makeVorbisEncoder({44100, 2, 128, 0, 0, 0})->description(),
              QStringLiteral("44100 Hz, Stereo, 128 kbit/s"));
}

// ---------------------------------------------------------------------------------------------
// WMA

// Sign changes between clearly positive and clearly negative samples of one channel, and the
// first frame above the threshold (codec noise in silence stays below it).
struct ToneTrace {
    int crossings = 0;
    std::size_t onset = 0;
};

ToneTrace traceTone(const std::vector<std::int16_t>& s, int channels, std::size_t fromFrame, std::size_t toFrame) {
    ToneTrace t;
    int sign = 0;
    bool seen = false;
    const auto ch = static_cast<std::size_t>(channels);
    for (std::size_t i = fromFrame; i < toFrame && i * ch < s.size(); ++i) {
        const std::int16_t v = s[i * ch];
        const int now = v > 2000 ? 1 : v < -2000 ? -1 : 0;
        if (now == 0)
            continue;
        if (!seen)
            t.onset = i;
        seen = true;
        t.crossings += sign != 0 && now != sign;
        sign = now;
    }
    return t;
}

TEST(WmaEncoder, NoAudioIsLostAtEitherEnd) {
    if (!wmaEncoderAvailable())
        GTEST_SKIP() << "no wmav2 encoder";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("ends.wma"));
    // A 1 kHz tone over the first and the last 0.1 s, silence between; the length is no
    // multiple of a frame.
    const int rate = 44100;
    const std::size_t frames = 44100 + 1001, toneFrames = 4410;
    std::vector<std::int16_t> input = testing_support::sineTone(rate, 2, 1000, frames, 16000);
    std::fill(input.begin() + toneFrames * 2, input.end() - toneFrames * 2, 0);
    auto enc = makeWmaEncoder({128000, rate, 2});
    enc->open(path);
    writeAll(*enc, input);
    enc->finish();

    const auto decoded = decodeWithFfmpeg(path);
    ASSERT_GE(decoded.size(), input.size());
    // Both tones arrive whole and in place: 200 sign changes each, starting where they did.
    const ToneTrace head = traceTone(decoded, 2, 0, frames / 2);
    EXPECT_LE(head.onset, 8U);
    EXPECT_NEAR(head.crossings, 200, 4);
    const ToneTrace tail = traceTone(decoded, 2, frames / 2, decoded.size() / 2);
    EXPECT_NEAR(double(tail.onset), double(frames - toneFrames), 8);
    EXPECT_NEAR(tail.crossings, 200, 4);
}

TEST(WmaEncoder, RefusesWhatWmav2CannotTake) {
    if (!wmaEncoderAvailable())
        GTEST_SKIP() << "no wmav2 encoder";
    EXPECT_THROW(makeWmaEncoder({128000, 96000, 2}), ComponentError);
    EXPECT_THROW(makeWmaEncoder({128000, 44100, 3}), ComponentError);
    EXPECT_THROW(makeWmaEncoder({16000, 22050, 1}), ComponentError);
    EXPECT_EQ(describeWma({128000, 44100, 2}), QStringLiteral("128 kbit/s, 44100 Hz, Stereo"));
    EXPECT_EQ(describeWma({32000, 22050, 1}), QStringLiteral("32 kbit/s, 22050 Hz, Mono"));
}

class WmaProfiles : public ::testing::TestWithParam<int> {};

TEST_P(WmaProfiles, WrittenFileHasTheProfilesFormat) {
    if (!wmaEncoderAvailable())
        GTEST_SKIP() << "no wmav2 encoder";
    const int number = GetParam();
    const WmaProfile profile = WMAFile::profiles()[std::size_t(number)];
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("p.wma"));
    WMAFile file;
    file.setWMProfile(number);
    file.Create(path);
    ASSERT_EQ(file.status(), 0);
    EXPECT_GT(file.state(), 0);
    const auto input = material(profile.sampleRate, profile.channels, std::size_t(profile.sampleRate) * 2);
    file.WriteBlock(input);
    file.Close();
    EXPECT_EQ(file.state(), 0);

    const Probe p = probe(path);
    EXPECT_EQ(p.sampleRate, profile.sampleRate);
    EXPECT_EQ(p.channels, profile.channels);
    EXPECT_NEAR(double(p.bitRate), profile.bitrate, profile.bitrate * 0.1);
    EXPECT_NEAR(packetBitrate(path, p.duration), profile.bitrate, profile.bitrate * 0.1);
    // Little padding in the container: the file is the stream plus a few kilobytes of header.
    EXPECT_LT(double(QFileInfo(path).size()), p.duration * profile.bitrate / 8 * 1.05 + 8192);
    EXPECT_GE(decodeWithFfmpeg(path).size(), input.size());
}

INSTANTIATE_TEST_SUITE_P(Wma, WmaProfiles, ::testing::Range(0, int(WMAFile::profiles().size())));

TEST(WmaFile, StateWithoutAFile) {
    WMAFile file;
    ASSERT_GE(file.ProfileCount(), 12);
    EXPECT_EQ(file.WMProfile(), 2);
    EXPECT_EQ(file.formatFigure1(), 44100);
    EXPECT_EQ(file.formatFigure2(), 2);
    EXPECT_EQ(file.formatFigure3(), 16);
    EXPECT_EQ(file.formatDescription(), QStringLiteral("128 kbit/s, 44100 Hz, Stereo"));
    EXPECT_EQ(file.length(), file.WMASupported() ? 44100 : 0);
    EXPECT_EQ(file.state(), 0);
    EXPECT_NO_THROW(file.Close());
    EXPECT_THROW(file.WriteBlock(SampleBlock(4, 0)), ComponentError);
    EXPECT_THROW(file.ReadBlock(1024), ComponentError);
    EXPECT_THROW(file.setWMProfile(-1), ComponentError);
    EXPECT_THROW(file.setWMProfile(file.ProfileCount()), ComponentError);
    EXPECT_EQ(file.WMProfile(), 2);
    file.SetFormatWMA(0);
    EXPECT_EQ(file.formatDescription(), describeWma(WMAFile::profiles()[0]));
    EXPECT_EQ(file.length(), file.WMASupported() ? WMAFile::profiles()[0].sampleRate : 0);
}

TEST(WmaFile, ConvertsTheDeclaredFormatAndReadsBack) {
    if (!wmaEncoderAvailable())
        GTEST_SKIP() << "no wmav2 encoder";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("conv.wma"));
    WMAFile file;  // profile 2: 44100 Hz stereo
    file.DeclareInputFormat(22050, 1);
    file.Create(path);
    ASSERT_EQ(file.status(), 0);
    const auto input = material(22050, 1, 22050);
    file.WriteBlock(input);
    EXPECT_NO_THROW(file.WriteBlock(SampleBlock{}));  // an empty block only says that nothing follows
    file.Close();

    file.OpenRead(path);
    ASSERT_EQ(file.status(), 0);
    EXPECT_EQ(file.state(), 1);
    EXPECT_EQ(file.sampleRate(), 44100);
    EXPECT_EQ(file.channels(), 2);
    EXPECT_NEAR(double(file.length()), 44100, 44100 * 0.1);
    std::size_t total = 0;
    for (SampleBlock block = file.ReadBlock(1001); !block.empty(); block = file.ReadBlock(1001)) {
        EXPECT_EQ(block.size() % 2, 0U);
        EXPECT_LE(block.size(), 1000U);
        total += block.size() / 2;
    }
    EXPECT_GE(total, 44100U - 64);  // the converter's delay aside, one second arrived
    file.Close();
    EXPECT_EQ(file.state(), 0);
}

TEST(WmaFile, InputFormatMayChangeWhileWriting) {
    if (!wmaEncoderAvailable())
        GTEST_SKIP() << "no wmav2 encoder";
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("switch.wma"));
    WMAFile file;  // 44100 Hz stereo
    file.Create(path);
    ASSERT_EQ(file.status(), 0);
    file.WriteBlock(material(44100, 2, 22050));
    file.DeclareInputFormat(22050, 1);
    file.WriteBlock(material(22050, 1, 11025));
    EXPECT_NEAR(double(file.length()), 44100, 64);
    file.Close();
    const auto decoded = decodeWithFfmpeg(path);
    EXPECT_NEAR(double(decoded.size()) / 2, 44100, 2048 + 64);
    EXPECT_GE(decoded.size() / 2, 44100U - 64);
}

TEST(WmaFile, FailedOpenAndCreateSetStatusAndTheReason) {
    QTemporaryDir dir;
    WMAFile file;
    const QString missing = dir.filePath(QStringLiteral("missing.wma"));
    file.OpenRead(missing);
    EXPECT_LT(file.status(), 0);
    EXPECT_EQ(file.state(), 0);
    EXPECT_TRUE(file.reason().contains(QStringLiteral("does not exist"))) << file.reason().toStdString();
    // The engine's WMA source reports that reason rather than a general failure.
    audio::WmaFileSource source(file, missing);
    EXPECT_FALSE(source.open());
    EXPECT_EQ(source.error(), file.reason());
    file.Create(dir.filePath(QStringLiteral("no/such/folder/x.wma")));
    EXPECT_LT(file.status(), 0);
    EXPECT_EQ(file.state(), 0);
    EXPECT_FALSE(file.reason().isEmpty());
    ASSERT_TRUE(QDir(dir.path()).mkdir(QStringLiteral("taken.wma")));
    file.Create(dir.filePath(QStringLiteral("taken.wma")));  // a folder stands there
    EXPECT_LT(file.status(), 0);
    EXPECT_EQ(file.state(), 0);
    EXPECT_FALSE(file.reason().isEmpty());
    file.Create(dir.filePath(QStringLiteral("ok.wma")));
    EXPECT_EQ(file.status(), 0);
    EXPECT_TRUE(file.reason().isEmpty());
}

// ---------------------------------------------------------------------------------------------
// Failures common to the three encoders

struct EncoderCase {
    const char* name;
    std::function<std::unique_ptr<Encoder>()> make;
};

void PrintTo(const EncoderCase& c, std::ostream* os) { *os << c.name; }

class EncoderFailures : public ::testing::TestWithParam<EncoderCase> {};

// Limits the size of files this process writes, as a full disk would; restores on exit.
class FileSizeLimit {
public:
    explicit FileSizeLimit(rlim_t bytes) {
        getrlimit(RLIMIT_FSIZE, &m_old);
        m_oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit limit = m_old;
        limit.rlim_cur = bytes;
        setrlimit(RLIMIT_FSIZE, &limit);
    }
    ~FileSizeLimit() {
        setrlimit(RLIMIT_FSIZE, &m_old);
        std::signal(SIGXFSZ, m_oldHandler);
    }
    FileSizeLimit(const FileSizeLimit&) = delete;
    FileSizeLimit& operator=(const FileSizeLimit&) = delete;

private:
    rlimit m_old{};
    void (*m_oldHandler)(int) = nullptr;
};

TEST_P(EncoderFailures, FullDiskThrowsFromWriteOrFinish) {
    if (!std::string(GetParam().name).starts_with("Wma") || wmaEncoderAvailable()) {
        QTemporaryDir dir;
        auto enc = GetParam().make();
        const PcmFormat f = enc->format();
        const auto input = material(f.sampleRate, f.channels, std::size_t(f.sampleRate) * 10, 0.9);
        bool threw = false;
        {
            FileSizeLimit limit(48 * 1024);
            try {
                enc->open(dir.filePath(QStringLiteral("full")));
                writeAll(*enc, input);
                enc->finish();
            } catch (const ComponentError& e) {
                threw = true;
                EXPECT_FALSE(e.description().isEmpty());
            }
        }
        EXPECT_TRUE(threw) << "a write past the limit was reported as success";
    }
}

TEST_P(EncoderFailures, MissingFolderThrowsFromOpen) {
    if (std::string(GetParam().name).starts_with("Wma") && !wmaEncoderAvailable())
        GTEST_SKIP();
    QTemporaryDir dir;
    auto enc = GetParam().make();
    const QString path = dir.filePath(QStringLiteral("none/out"));
    try {
        enc->open(path);
        ADD_FAILURE() << "no error";
    } catch (const ComponentError& e) {
        EXPECT_TRUE(e.description().contains(path)) << e.what();
    }
    EXPECT_THROW(enc->write(nullptr, 0), ComponentError);
    EXPECT_THROW(enc->finish(), ComponentError);
}

TEST_P(EncoderFailures, DestroyedWithoutFinishLeavesThePartialFile) {
    if (std::string(GetParam().name).starts_with("Wma") && !wmaEncoderAvailable())
        GTEST_SKIP();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("partial"));
    {
        auto enc = GetParam().make();
        enc->open(path);
        writeAll(*enc, material(enc->format().sampleRate, enc->format().channels, 48000));
    }
    EXPECT_GT(QFileInfo(path).size(), 0);
}

// A job cancelled before its first block finishes its writer with nothing written: every writer
// says whether it could (an error, never an abort of the program).
TEST_P(EncoderFailures, FinishingWithoutASampleEndsOrFailsButNeverAborts) {
    if (std::string(GetParam().name).starts_with("Wma") && !wmaEncoderAvailable())
        GTEST_SKIP();
    QTemporaryDir dir;
    auto enc = GetParam().make();
    enc->open(dir.filePath(QStringLiteral("empty")));
    try {
        enc->finish();
    } catch (const ComponentError& e) {
        EXPECT_TRUE(e.description().contains(dir.filePath(QStringLiteral("empty")))) << e.what();
    }
}

auto caseName = [](const auto& tested) { return std::string(tested.param.name); };
INSTANTIATE_TEST_SUITE_P(Ogg, EncoderFailures,
                         ::testing::Values(EncoderCase{"Ogg", [] { return makeVorbisEncoder({44100, 2, 0, 0, 0, 1000}); }}),
                         caseName);
INSTANTIATE_TEST_SUITE_P(Wav, EncoderFailures,
                         ::testing::Values(EncoderCase{"Wav", [] { return makeWavEncoder({48000, 2, 16}); }}), caseName);
INSTANTIATE_TEST_SUITE_P(Wma, EncoderFailures,
                         ::testing::Values(EncoderCase{"Wma", [] { return makeWmaEncoder({192000, 48000, 2}); }}),
                         caseName);
INSTANTIATE_TEST_SUITE_P(FlacAndOpus, EncoderFailures,
                         ::testing::Values(EncoderCase{"Flac", [] { return makeFlacEncoder({44100, 2, 16, 5, true}); }},
                                           EncoderCase{"Opus", [] { return makeOpusEncoder({44100, 2, 512, 2, 10}); }}),
                         caseName);

// ---- FLAC and Opus ---------------------------------------------------------------------------

// FLAC keeps every sample, at 16 and 24 bits, at every level; the file states the source's
// format. 24-bit material is written through writeWide and compared with ffmpeg's 32-bit decode.
TEST(FlacEncoder, DecodesToExactlyTheSamplesItWasGiven) {
    struct Case {
        int rate, channels, bits, level;
        bool verify;
    };
    const Case cases[] = {{44100, 2, 16, 5, false}, {48000, 1, 16, 0, true}, {96000, 2, 24, 8, true}, {22050, 2, 24, 3, false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(describeFlac({c.rate, c.channels, c.bits, c.level, c.verify}).toStdString());
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.flac"));
        const auto input = material(c.rate, c.channels, std::size_t(c.rate) * 2 + 123);
        auto enc = makeFlacEncoder({c.rate, c.channels, c.bits, c.level, c.verify});
        enc->open(path);
        EXPECT_EQ(enc->bits(), c.bits);
        std::vector<std::int32_t> wide(input.size());
        // The low byte carries information only at 24 bits.
        for (std::size_t i = 0; i < input.size(); ++i)
            wide[i] = static_cast<std::int32_t>(input[i]) * 65536 + (c.bits == 24 ? static_cast<std::int32_t>((i * 37) % 256) * 256 : 0);
        if (c.bits == 24) enc->writeWide(wide.data(), input.size() / std::size_t(c.channels));
        else writeAll(*enc, input);
        enc->finish();
        const Probe p = probe(path);
        EXPECT_EQ(p.sampleRate, c.rate);
        EXPECT_EQ(p.channels, c.channels);
        const QByteArray raw = runTool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                                                                 QStringLiteral("-f"), QStringLiteral("s32le"), QStringLiteral("-")});
        std::vector<std::int32_t> decoded(static_cast<std::size_t>(raw.size()) / 4);
        std::memcpy(decoded.data(), raw.constData(), decoded.size() * 4);
        EXPECT_TRUE(decoded == wide) << "FLAC is not lossless here";
    }
}

// The seek table from the length the source states, checked point by point against the frames
// of the file: none without a length or with one beyond belief, and never a point that no frame
// reached when the source ends before its stated length. Padding is there in every case.
TEST(FlacEncoder, SeekPointsEveryTenSecondsOfTheStatedLength) {
    constexpr int kRate = 8000;
    constexpr std::int64_t kFrames = kRate * 35;
    struct Case {
        std::int64_t stated;
        int points;  // -1: no seek table
        int placeholders;
    };
    for (const Case& c : {Case{0, -1, 0}, Case{kFrames, 4, 0}, Case{kFrames * 2, 4, 3}, Case{kFrames / 2, 2, 0},
                        Case{std::int64_t{kRate} * 10 * 70000, -1, 0}}) {
        SCOPED_TRACE("stated " + std::to_string(c.stated));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.flac"));
        FlacFormat format{kRate, 1, 16, 5, false};
        format.totalFrames = c.stated;
        auto enc = makeFlacEncoder(format);
        enc->open(path);
        writeAll(*enc, material(kRate, 1, std::size_t(kFrames)));
        enc->finish();
        const testing_support::FlacMetadata metadata = testing_support::inspectFlac(path);
        ASSERT_TRUE(metadata.error.isEmpty()) << metadata.error.toStdString();
        EXPECT_EQ(metadata.seekPoints, c.points);
        EXPECT_EQ(metadata.placeholders, c.placeholders);
        EXPECT_TRUE(metadata.faults.isEmpty()) << metadata.faults.join(QLatin1Char('\n')).toStdString();
        EXPECT_EQ(metadata.padding, 8192);
        runTool(QStringLiteral("flac"), {QStringLiteral("-t"), QStringLiteral("-s"), path});
    }
}

// A bitrate set for stereo counts per pair of channels for a surround source, in Opus and in
// Ogg Vorbis set to Stereo, so that 5.1 is not starved of bits.
TEST(SurroundBitrates, CountPerPairOfChannels) {
    struct Case {
        const char* ext;
        const char* description;
    };
    for (const Case& c : {Case{"opus", "384 kbit/s CBR, 6 channels, complexity 10"},
                          Case{"ogg", "44100 Hz, 6 channels, 384 kbit/s"}}) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.") + QLatin1String(c.ext));
        AudioFile writer;
        OutputSettings settings;
        settings.opus = OpusFormat{48000, 2, 128, 2, 10};
        settings.ogg = OggFormat{44100, 2, 128, 0, 0, 0};
        writer.useSettings(settings);
        writer.DeclareInputFormat(48000, 6);
        writer.Create(path);
        ASSERT_GE(writer.status(), 0) << writer.reason().toStdString();
        EXPECT_EQ(writer.formatDescription(), QLatin1String(c.description));
        writer.WriteBlock(material(48000, 6, 48000 * 4));
        writer.Close();
        EXPECT_NEAR(packetBitrate(path, 4.0) / 1000, 384, 384 * 0.1) << c.ext;
    }
}

// Opus runs at 48 kHz inside; the file records the input's rate, and the pre-skip makes the
// decoded sound start and end where the input does.
TEST(OpusEncoder, KeepsTheLengthAndTheOriginalRate) {
    for (const int rate : {44100, 48000, 22050}) {
        for (const int mode : {0, 1, 2}) {
            SCOPED_TRACE(describeOpus({rate, 2, 96, mode, 10}).toStdString() + " at " + std::to_string(rate));
            QTemporaryDir dir;
            const QString path = dir.filePath(QStringLiteral("out.opus"));
            const auto input = testing_support::musicFrames(rate, 2, std::size_t(rate) * 3);
            auto enc = makeOpusEncoder({rate, 2, 96, mode, 10});
            enc->open(path);
            writeAll(*enc, input);
            enc->finish();
            const auto decoded = testing_support::ffmpegDecode(path, rate, 2);
            EXPECT_NEAR(double(decoded.size()) / 2 / rate, 3.0, 0.02);
            EXPECT_GT(testing_support::correlationAt(input, 2, decoded, 2, 0), 0.99);
            EXPECT_GT(testing_support::correlationAt(input, 2, decoded, 2, 1), 0.99);
            // The identification header's input rate (little-endian at byte 12 of "OpusHead").
            QFile file(path);
            ASSERT_TRUE(file.open(QIODevice::ReadOnly));
            const QByteArray head = file.read(4096);
            const qsizetype at = head.indexOf("OpusHead");
            ASSERT_GE(at, 0);
            quint32 inputRate = 0;
            std::memcpy(&inputRate, head.constData() + at + 12, 4);
            EXPECT_EQ(int(inputRate), rate);
            if (mode == 2) {
                EXPECT_NEAR(packetBitrate(path, 3.0), 96000, 4000);
            }
        }
    }
}

// A 44.1 kHz source is resampled to Opus' 48 kHz before encoding. Decoded at 48 kHz the file
// holds exactly the source's length at that rate (swresample rounds it up to a whole sample; the
// pre-skip and the final granule position trim the encoder's lookahead and padding), and a
// 1 kHz tone stays at 1 kHz.
TEST(OpusEncoder, ResampledSourceKeepsItsLengthAndPitch) {
    constexpr int kRate = 44100;
    constexpr double kPi = 3.14159265358979323846;
    for (const std::size_t frames : {std::size_t{kRate} * 2, std::size_t{kRate} * 2 + 1237, std::size_t{960}}) {
        SCOPED_TRACE(std::to_string(frames) + " frames");
        std::vector<std::int16_t> input(frames * 2);
        for (std::size_t i = 0; i < frames; ++i)
            input[2 * i] = input[2 * i + 1] =
                static_cast<std::int16_t>(std::lround(12000 * std::sin(2 * kPi * 1000 * double(i) / kRate)));
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("tone.opus"));
        auto enc = makeOpusEncoder({kRate, 2, 96, 0, 10});
        enc->open(path);
        writeAll(*enc, input);
        enc->finish();
        const auto decoded = testing_support::ffmpegDecode(path, 48000, 1);
        EXPECT_EQ(decoded.size(), (frames * 48000 + kRate - 1) / kRate);
        if (frames < std::size_t{kRate}) continue;
        // Upward zero crossings over the decoded file's second second.
        int crossings = 0;
        for (std::size_t i = 48000; i < 96000 && i < decoded.size(); ++i)
            if (decoded[i - 1] < 0 && decoded[i] >= 0) ++crossings;
        EXPECT_NEAR(crossings, 1000, 1);
    }
}

TEST(FlacAndOpus, RefuseWhatTheyCannotWrite) {
    EXPECT_EQ(flacRefusal({44100, 2, 16, 5, false}), QString());
    EXPECT_NE(flacRefusal({44100, 2, 20, 5, false}), QString());
    EXPECT_NE(flacRefusal({44100, 2, 16, 9, false}), QString());
    EXPECT_EQ(opusRefusal({44100, 2, 6, 0, 0}), QString());
    EXPECT_NE(opusRefusal({44100, 2, 5, 0, 10}), QString());
    EXPECT_NE(opusRefusal({44100, 2, 513, 0, 10}), QString());
    EXPECT_NE(opusRefusal({44100, 9, 128, 0, 10}), QString());
    // Surround takes up to 256 kbit/s a channel.
    EXPECT_EQ(opusRefusal({48000, 6, 1536, 0, 10}), QString());
    EXPECT_NE(opusRefusal({48000, 6, 1537, 0, 10}), QString());
    EXPECT_THROW(makeOpusEncoder({44100, 2, 128, 3, 10}), ComponentError);
    EXPECT_THROW(makeFlacEncoder({44100, 2, 16, -1, false}), ComponentError);
}

TEST(WmaFile, FullDiskThrowsFromWriteOrClose) {
    if (!wmaEncoderAvailable())
        GTEST_SKIP();
    QTemporaryDir dir;
    WMAFile file;
    file.DeclareInputFormat(22050, 2);
    bool threw = false;
    {
        FileSizeLimit limit(32 * 1024);
        file.Create(dir.filePath(QStringLiteral("full.wma")));
        ASSERT_EQ(file.status(), 0);
        try {
            file.WriteBlock(material(22050, 2, 22050 * 5, 0.9));
            file.Close();
        } catch (const ComponentError&) {
            threw = true;
        }
        EXPECT_NO_THROW(file.Close());
    }
    EXPECT_TRUE(threw);
    EXPECT_EQ(file.state(), 0);
}

}  // namespace
