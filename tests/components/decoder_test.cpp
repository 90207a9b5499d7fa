// Decoder and Resampler over real files made at test time with sox, lame, oggenc and ffmpeg.
#include "components/audio/codecs/Decoder.h"
#include "components/audio/codecs/Resampler.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <malloc.h>
#include <sys/stat.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <vector>


namespace {

using testing_support::sineTone;

// Heap in use, small blocks and mapped ones alike.
std::size_t heapInUse() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

bool run(const QString& program, const QStringList& args) {
    QProcess process;
    process.start(program, args);
    if (!process.waitForFinished(120000)) return false;
    if (process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << process.readAllStandardError().toStdString();
        return false;
    }
    return true;
}

// A 16-bit PCM WAV of a sine per channel (left 440 Hz, right 660 Hz), or a sweep when asked.
QString makeWav(const QString& path, int rate, int channels, double seconds, bool sweep = false) {
    QStringList args{QStringLiteral("-n"), QStringLiteral("-r"), QString::number(rate), QStringLiteral("-c"),
                     QString::number(channels), QStringLiteral("-b"), QStringLiteral("16"), QStringLiteral("-t"),
                     QStringLiteral("wavpcm"), path, QStringLiteral("synth"), QString::number(seconds)};
    if (sweep)
        args << QStringLiteral("sine") << QStringLiteral("200-3000");
    else if (channels == 1)
        args << QStringLiteral("sine") << QStringLiteral("440");
    else
        args << QStringLiteral("sine") << QStringLiteral("440") << QStringLiteral("sine") << QStringLiteral("660");
    args << QStringLiteral("gain") << QStringLiteral("-3");
    return run(QStringLiteral("sox"), args) ? path : QString();
}

// Encodes a WAV into the format of the extension.
QString encode(const QString& wav, const QString& ext) {
    const QString out = wav.left(wav.size() - 3) + ext;
    bool ok = false;
    if (ext == QLatin1String("wav"))
        return wav;
    else if (ext == QLatin1String("mp3"))
        ok = run(QStringLiteral("lame"), {QStringLiteral("--quiet"), QStringLiteral("-b"), QStringLiteral("128"), wav, out});
    else if (ext == QLatin1String("ogg"))
        ok = run(QStringLiteral("oggenc"), {QStringLiteral("-Q"), wav, QStringLiteral("-o"), out});
    else if (ext == QLatin1String("wma"))
        ok = run(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"), wav,
                                            QStringLiteral("-c:a"), QStringLiteral("wmav2"), QStringLiteral("-b:a"), QStringLiteral("128k"), out});
    else if (ext == QLatin1String("flac"))
        ok = run(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-y"), QStringLiteral("-i"), wav, out});
    return ok ? out : QString();
}

std::vector<std::int16_t> readAll(Decoder& decoder, std::size_t block = 4096) {
    std::vector<std::int16_t> all;
    std::vector<std::int16_t> buffer(block * static_cast<std::size_t>(decoder.channels()));
    while (std::size_t got = decoder.read(buffer.data(), block))
        all.insert(all.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got) * decoder.channels());
    return all;
}

std::vector<std::int16_t> channel(const std::vector<std::int16_t>& samples, int channels, int which) {
    std::vector<std::int16_t> out;
    for (std::size_t i = static_cast<std::size_t>(which); i < samples.size(); i += static_cast<std::size_t>(channels))
        out.push_back(samples[i]);
    return out;
}

// The frequency of a sine from its upward crossings (with some hysteresis against codec
// noise), over the stretch between the first and the last so that silent padding is left out.
double frequency(const std::vector<std::int16_t>& mono, int rate) {
    std::int64_t crossings = 0;
    std::size_t first = 0;
    std::size_t last = 0;
    bool low = false;
    for (std::size_t i = 0; i < mono.size(); ++i) {
        if (mono[i] < -2000) low = true;
        if (low && mono[i] > 2000) {
            if (crossings++ == 0) first = i;
            last = i;
            low = false;
        }
    }
    return crossings < 2 ? 0.0 : static_cast<double>(crossings - 1) * rate / static_cast<double>(last - first);
}

// The offset (in frames, first channel) at which `part` best matches `whole` around `at`.
std::int64_t bestLag(const std::vector<std::int16_t>& whole, const std::vector<std::int16_t>& part, int channels,
                     std::int64_t at, std::int64_t range) {
    std::int64_t best = std::numeric_limits<std::int64_t>::max();
    double bestError = std::numeric_limits<double>::max();
    const auto frames = static_cast<std::int64_t>(part.size()) / channels;
    for (std::int64_t lag = -range; lag <= range; ++lag) {
        const std::int64_t start = at + lag;
        if (start < 0 || (start + frames) * channels > static_cast<std::int64_t>(whole.size())) continue;
        double error = 0;
        for (std::int64_t i = 0; i < frames; ++i) {
            const double diff = whole[static_cast<std::size_t>((start + i) * channels)] - part[static_cast<std::size_t>(i * channels)];
            error += diff * diff;
        }
        if (error < bestError) {
            bestError = error;
            best = lag;
        }
    }
    return best;
}

// ---------------------------------------------------------------------------------------------
// Resampler

TEST(DecoderResampler, MonoToStereoPutsTheSignalOnBothSides) {
    Resampler resampler({44100, 1}, {44100, 2});
    const auto source = sineTone(44100, 1, 440, 4410);
    std::vector<std::int16_t> out = resampler.convert(source.data(), 4410);
    const auto& rest = resampler.flush();
    out.insert(out.end(), rest.begin(), rest.end());
    ASSERT_EQ(out.size(), source.size() * 2);
    EXPECT_EQ(channel(out, 2, 0), source);
    EXPECT_EQ(channel(out, 2, 1), source);
}

TEST(DecoderResampler, StereoToMonoAverages) {
    Resampler resampler({22050, 2}, {22050, 1});
    const std::vector<std::int16_t> source{1000, 3000, -2000, -4000, 32767, 32767, -32768, -32768, 100, -100};
    std::vector<std::int16_t> out = resampler.convert(source.data(), 5);
    const auto& rest = resampler.flush();
    out.insert(out.end(), rest.begin(), rest.end());
    ASSERT_EQ(out.size(), 5u);
    const std::vector<std::int16_t> expected{2000, -3000, 32767, -32768, 0};
    for (std::size_t i = 0; i < 5; ++i) EXPECT_NEAR(out[i], expected[i], 1) << i;
}

struct RateCase {
    PcmFormat from;
    PcmFormat to;
};

class DecoderResamplerRates : public ::testing::TestWithParam<RateCase> {};

TEST_P(DecoderResamplerRates, KeepsLengthAndFrequencyAcrossSmallBlocks) {
    const RateCase c = GetParam();
    Resampler resampler(c.from, c.to);
    const std::size_t frames = static_cast<std::size_t>(c.from.sampleRate);  // one second
    const auto source = sineTone(c.from.sampleRate, c.from.channels, 1000, frames);
    std::vector<std::int16_t> out;
    // Uneven blocks: the delay kept inside must come out whole.
    for (std::size_t done = 0; done < frames;) {
        const std::size_t n = std::min<std::size_t>(frames - done, 777);
        const auto& part = resampler.convert(source.data() + done * static_cast<std::size_t>(c.from.channels), n);
        out.insert(out.end(), part.begin(), part.end());
        done += n;
    }
    const auto& rest = resampler.flush();
    out.insert(out.end(), rest.begin(), rest.end());
    ASSERT_EQ(out.size() % static_cast<std::size_t>(c.to.channels), 0u);
    const auto outFrames = static_cast<double>(out.size() / static_cast<std::size_t>(c.to.channels));
    EXPECT_NEAR(outFrames, c.to.sampleRate, 4.0);
    EXPECT_NEAR(frequency(channel(out, c.to.channels, 0), c.to.sampleRate), 1000.0, 5.0);
    EXPECT_TRUE(resampler.flush().empty());
}

INSTANTIATE_TEST_SUITE_P(Conversions, DecoderResamplerRates,
                         ::testing::Values(RateCase{{44100, 2}, {48000, 2}}, RateCase{{48000, 1}, {44100, 2}},
                                           RateCase{{22050, 2}, {44100, 1}}, RateCase{{44100, 2}, {8000, 2}},
                                           RateCase{{44100, 2}, {44100, 2}}));

TEST(DecoderResampler, RejectsFormatsItCannotConvert) {
    EXPECT_THROW(Resampler({44100, 9}, {44100, 2}), ComponentError);
    EXPECT_THROW(Resampler({44100, 2}, {44100, 0}), ComponentError);
    EXPECT_THROW(Resampler({0, 2}, {44100, 2}), ComponentError);
}

// Surround to stereo with the ITU coefficients (centre and surrounds at -3 dB, no LFE), scaled so
// that the loudest sum of a side stays full scale: one channel at a time, in WAVE order.
TEST(DecoderResampler, SurroundMixesToStereoWithTheItuCoefficients) {
    const double h = std::sqrt(0.5);
    struct Case {
        int channels;
        std::vector<double> left;  // per source channel; the right side mirrors it
    };
    for (const Case& c : {Case{6, {1, 0, h, 0, h, 0}}, Case{8, {1, 0, h, 0, h, 0, h, 0}}}) {
        double side = 0;
        for (double k : c.left) side += k;
        Resampler resampler({48000, c.channels}, {48000, 2});
        for (int source = 0; source < c.channels; ++source) {
            std::vector<std::int16_t> frame(static_cast<std::size_t>(c.channels), 0);
            frame[static_cast<std::size_t>(source)] = 10000;
            const std::vector<std::int16_t> out = resampler.convert(frame.data(), 1);
            ASSERT_EQ(out.size(), 2u);
            const int mirrored = source == 0 || source == 1 || source >= 4 ? source ^ 1 : source;
            EXPECT_NEAR(out[0], 10000 * c.left[std::size_t(source)] / side, 2) << c.channels << " channels, source " << source;
            EXPECT_NEAR(out[1], 10000 * c.left[std::size_t(mirrored)] / side, 2) << c.channels << " channels, source " << source;
        }
    }
}

// ---------------------------------------------------------------------------------------------
// Decoding each format

struct FormatCase {
    const char* ext;
    int rate;
    int channels;
    bool lossless;
    std::int64_t padding;  // frames the codec may add or the container may miscount
};

std::string formatName(const ::testing::TestParamInfo<FormatCase>& info) {
    return std::string(info.param.ext) + "_" + std::to_string(info.param.rate) + "_" +
           (info.param.channels == 1 ? "mono" : "stereo");
}

class DecoderFormats : public ::testing::TestWithParam<FormatCase> {
protected:
    QTemporaryDir dir;
};

TEST_P(DecoderFormats, ReadsTheWholeSignalInExactBlocks) {
    const FormatCase c = GetParam();
    const QString source = makeWav(dir.filePath(QStringLiteral("tone.wav")), c.rate, c.channels, 2.0);
    const QString path = encode(source, QString::fromLatin1(c.ext));
    ASSERT_FALSE(path.isEmpty());

    Decoder decoder;
    decoder.open(path);
    ASSERT_TRUE(decoder.isOpen());
    EXPECT_EQ(decoder.sampleRate(), c.rate);
    EXPECT_EQ(decoder.channels(), c.channels);
    const std::int64_t expected = 2 * std::int64_t{c.rate};
    EXPECT_NEAR(static_cast<double>(decoder.lengthFrames()), static_cast<double>(expected), static_cast<double>(c.padding));

    const std::size_t block = 1000;
    std::vector<std::int16_t> all;
    std::vector<std::int16_t> buffer(block * static_cast<std::size_t>(c.channels));
    bool sawShort = false;
    for (;;) {
        const std::size_t got = decoder.read(buffer.data(), block);
        if (got == 0) break;
        ASSERT_FALSE(sawShort) << "a short block came before the end";
        ASSERT_LE(got, block);
        sawShort = got < block;
        all.insert(all.end(), buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(got) * c.channels);
    }
    EXPECT_EQ(decoder.read(buffer.data(), block), 0u) << "reading past the end";
    const auto frames = static_cast<std::int64_t>(all.size()) / c.channels;
    EXPECT_EQ(decoder.position(), frames);
    if (c.lossless)
        EXPECT_EQ(frames, expected);
    else
        EXPECT_NEAR(static_cast<double>(frames), static_cast<double>(expected), static_cast<double>(c.padding));

    // The signal itself, channels in order (left 440 Hz, right 660 Hz).
    EXPECT_NEAR(frequency(channel(all, c.channels, 0), c.rate), 440.0, 6.0);
    if (c.channels == 2) {
        EXPECT_NEAR(frequency(channel(all, 2, 1), c.rate), 660.0, 6.0);
    }
    if (c.lossless) {
        Decoder reference;
        reference.open(source);
        EXPECT_EQ(readAll(reference), all);
    }
}

TEST_P(DecoderFormats, SeekingLandsWhereAStraightReadIs) {
    const FormatCase c = GetParam();
    const QString source = makeWav(dir.filePath(QStringLiteral("sweep.wav")), c.rate, c.channels, 6.0, true);
    const QString path = encode(source, QString::fromLatin1(c.ext));
    ASSERT_FALSE(path.isEmpty());

    Decoder straight;
    straight.open(path);
    const std::vector<std::int16_t> whole = readAll(straight);

    Decoder decoder;
    decoder.open(path);
    const std::size_t block = 2048;
    std::vector<std::int16_t> buffer(block * static_cast<std::size_t>(c.channels));
    // Far ahead (container seek), back (container seek), near the start (from the start), a
    // little ahead (decoded through), and at the very start.
    for (const double seconds : {4.5, 1.25, 0.2, 0.7, 0.0}) {
        const auto target = static_cast<std::int64_t>(seconds * c.rate);
        SCOPED_TRACE(seconds);
        EXPECT_EQ(decoder.seek(target), target);
        EXPECT_EQ(decoder.position(), target);
        ASSERT_EQ(decoder.read(buffer.data(), block), block);
        if (c.lossless) {
            const auto from = whole.begin() + static_cast<std::ptrdiff_t>(target) * c.channels;
            EXPECT_TRUE(std::equal(buffer.begin(), buffer.end(), from));
        } else {
            // Lossy containers time their packets coarsely (ASF in milliseconds).
            EXPECT_LE(std::abs(bestLag(whole, buffer, c.channels, target, 3000)), 64);
        }
    }
    // Beyond the end: the position stops at the end and reading ends.
    const std::int64_t end = decoder.seek(100 * std::int64_t{c.rate});
    EXPECT_NEAR(static_cast<double>(end), static_cast<double>(whole.size()) / c.channels, static_cast<double>(c.padding));
    EXPECT_EQ(decoder.read(buffer.data(), block), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    AllFormats, DecoderFormats,
    ::testing::Values(FormatCase{"wav", 44100, 2, true, 0}, FormatCase{"wav", 22050, 1, true, 0},
                      FormatCase{"flac", 44100, 1, true, 0}, FormatCase{"flac", 48000, 2, true, 0},
                      FormatCase{"mp3", 44100, 2, false, 2400}, FormatCase{"mp3", 22050, 1, false, 2400},
                      FormatCase{"ogg", 44100, 1, false, 2400}, FormatCase{"ogg", 48000, 2, false, 2400},
                      FormatCase{"wma", 44100, 2, false, 4096}, FormatCase{"wma", 22050, 1, false, 4096}),
    formatName);

// The channel limit: up to it a surround source keeps every channel exactly, as ffmpeg decodes
// them (a 5.1 with side channels as FLAC's 5.1); above it the source is mixed down as ffmpeg's
// own -ac mixes it. Unset, the limit is stereo.
TEST(DecoderChannels, KeepEveryChannelUpToTheLimitAndMixDownAboveIt) {
    QTemporaryDir dir;
    struct Case {
        const char* file;
        const char* layout;
        int sourceChannels;
        int limit;  // 0: not set
        int expected;
    };
    const Case cases[] = {{"five.wav", "5.1", 6, 0, 2},   {"five.wav", "5.1", 6, 1, 1},   {"five.wav", "5.1", 6, 8, 6},
                          {"side.flac", "5.1(side)", 6, 6, 6}, {"seven.flac", "7.1", 8, 8, 8}, {"seven.flac", "7.1", 8, 2, 2},
                          {"three.wav", "3.0", 3, 8, 3}};
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.file) + " read with a limit of " + std::to_string(c.limit));
        const QString path = dir.filePath(QLatin1String(c.file));
        if (!QFileInfo::exists(path)) {
            ASSERT_EQ(testing_support::makeChannelTones(path, QLatin1String(c.layout), c.sourceChannels, 1.0), QString());
        }
        Decoder decoder;
        if (c.limit > 0) decoder.setChannelLimit(c.limit);
        decoder.open(path);
        ASSERT_EQ(decoder.channels(), c.expected);
        const auto all = readAll(decoder);
        const SampleBlock reference = testing_support::ffmpegDecode(path, 48000, c.expected);
        ASSERT_EQ(all.size(), reference.size());
        int largest = 0;
        for (std::size_t i = 0; i < all.size(); ++i) largest = std::max(largest, std::abs(all[i] - reference[i]));
        EXPECT_LE(largest, c.expected < c.sourceChannels ? 1 : 0);
    }
}

// ---------------------------------------------------------------------------------------------
// Bad input

void writeFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    ASSERT_EQ(file.write(bytes), bytes.size());
}

QByteArray randomBytes(qsizetype size) {
    QByteArray bytes(size, Qt::Uninitialized);
    for (auto& b : bytes) b = static_cast<char>(QRandomGenerator::global()->bounded(256));
    return bytes;
}

QByteArray le32(std::uint32_t v) {
    QByteArray b(4, Qt::Uninitialized);
    for (int i = 0; i < 4; ++i) b[i] = static_cast<char>((v >> (8 * i)) & 0xFF);
    return b;
}

// A stereo 16-bit 44.1 kHz WAV holding `frames` frames of a sine, whose header claims
// `claimedBytes` of data.
QByteArray wavClaiming(std::uint32_t claimedBytes, std::size_t frames) {
    QByteArray fmt = le32(1 | (2u << 16)) + le32(44100) + le32(44100 * 4) + le32(4 | (16u << 16));
    const auto samples = sineTone(44100, 2, 440, frames);
    const QByteArray data(reinterpret_cast<const char*>(samples.data()), static_cast<qsizetype>(samples.size() * 2));
    return QByteArray("RIFF") + le32(claimedBytes + 36) + QByteArray("WAVEfmt ") + le32(16) + fmt +
           QByteArray("data") + le32(claimedBytes) + data;
}

enum class Expect { Throws, Ends, ThrowsOrEnds };

struct BadCase {
    const char* name;
    const char* file;  // file name inside the test folder
    Expect expect;
    // Makes the input at `path` inside `dir`; may leave nothing (a missing file).
    void (*make)(const QTemporaryDir& dir, const QString& path);
    std::int64_t minFrames = 0;  // at least this much is read when the file opens
    std::int64_t maxFrames = std::numeric_limits<std::int64_t>::max();
};

QString makeMp3(const QTemporaryDir& dir, double seconds) {
    return encode(makeWav(dir.filePath(QStringLiteral("good.wav")), 44100, 2, seconds), QStringLiteral("mp3"));
}

const BadCase kBadCases[] = {
    {"Missing", "missing.wav", Expect::Throws, [](const QTemporaryDir&, const QString&) {}},
    {"Folder", "folder.wav", Expect::Throws, [](const QTemporaryDir&, const QString& path) { QDir().mkpath(path); }},
    {"BelowAFile", "plain.wav/inner.wav", Expect::Throws,
     [](const QTemporaryDir& dir, const QString&) { writeFile(dir.filePath(QStringLiteral("plain.wav")), "x"); }},
    {"Empty", "empty.mp3", Expect::Throws, [](const QTemporaryDir&, const QString& path) { writeFile(path, {}); }},
    {"Pipe", "pipe.wav", Expect::Throws,
     [](const QTemporaryDir&, const QString& path) { ASSERT_EQ(mkfifo(QFile::encodeName(path).constData(), 0600), 0); }},
    {"RandomWav", "random.wav", Expect::ThrowsOrEnds,
     [](const QTemporaryDir&, const QString& path) { writeFile(path, randomBytes(100000)); }},
    {"RandomOgg", "random.ogg", Expect::ThrowsOrEnds,
     [](const QTemporaryDir&, const QString& path) { writeFile(path, randomBytes(100000)); }},
    {"RandomWma", "random.wma", Expect::ThrowsOrEnds,
     [](const QTemporaryDir&, const QString& path) { writeFile(path, randomBytes(100000)); }},
    {"RandomMp3", "random.mp3", Expect::ThrowsOrEnds,
     [](const QTemporaryDir&, const QString& path) { writeFile(path, randomBytes(100000)); }},
    {"TextAsMp3", "notes.mp3", Expect::Throws,
     [](const QTemporaryDir&, const QString& path) { writeFile(path, QByteArray("Just some words.\n").repeated(200)); }},
    {"ImageWithoutAudio", "picture.png", Expect::Throws,
     [](const QTemporaryDir&, const QString& path) {
         ASSERT_TRUE(run(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-f"),
                                                    QStringLiteral("lavfi"), QStringLiteral("-i"),
                                                    QStringLiteral("color=red:s=16x16"), QStringLiteral("-frames:v"),
                                                    QStringLiteral("1"), path}));
     }},
    {"TruncatedMp3", "cut.mp3", Expect::Ends,
     [](const QTemporaryDir& dir, const QString& path) {
         QFile good(makeMp3(dir, 4.0));
         ASSERT_TRUE(good.open(QIODevice::ReadOnly));
         const QByteArray bytes = good.readAll();
         writeFile(path, bytes.left(bytes.size() / 2 + 77));  // mid-frame
     },
     44100 * 3 / 2, 44100 * 5},
    {"CorruptMiddleMp3", "corrupt.mp3", Expect::Ends,
     [](const QTemporaryDir& dir, const QString& path) {
         QFile good(makeMp3(dir, 4.0));
         ASSERT_TRUE(good.open(QIODevice::ReadOnly));
         QByteArray bytes = good.readAll();
         bytes.replace(bytes.size() / 2, 6000, randomBytes(6000));
         writeFile(path, bytes);
     },
     44100 * 3, 44100 * 5},
    {"CorruptMiddleOgg", "corrupt.ogg", Expect::Ends,
     [](const QTemporaryDir& dir, const QString& path) {
         QFile good(encode(makeWav(dir.filePath(QStringLiteral("good.wav")), 44100, 2, 4.0), QStringLiteral("ogg")));
         ASSERT_TRUE(good.open(QIODevice::ReadOnly));
         QByteArray bytes = good.readAll();
         bytes.replace(bytes.size() / 2, 3000, randomBytes(3000));
         writeFile(path, bytes);
     },
     44100 * 2, 44100 * 5},
    {"WavClaimingFourGigabytes", "huge.wav", Expect::Ends,
     [](const QTemporaryDir&, const QString& path) { writeFile(path, wavClaiming(0xFFFFFF00u, 44100)); }, 44100, 44100},
    {"WavClaimingLessThanItHolds", "short.wav", Expect::Ends,
     [](const QTemporaryDir&, const QString& path) { writeFile(path, wavClaiming(22050 * 4, 44100)); }, 22050, 44100},
};

class DecoderBadInput : public ::testing::TestWithParam<BadCase> {};

TEST_P(DecoderBadInput, FailsWithADescriptionOrEndsCleanly) {
    const BadCase c = GetParam();
    QTemporaryDir dir;
    const QString path = dir.filePath(QString::fromLatin1(c.file));
    c.make(dir, path);
    if (::testing::Test::HasFatalFailure()) return;

    Decoder decoder;
    // The heap between reads: the decoder must not size its buffers by what a file claims.
    const std::size_t heapBefore = heapInUse();
    std::size_t heapPeak = heapBefore;
    bool threw = false;
    std::int64_t frames = 0;
    std::int64_t claimed = 0;
    try {
        decoder.open(path);
        claimed = decoder.lengthFrames();
        std::vector<std::int16_t> buffer(4096 * 2);
        // Bounded: a decoder that never ends fails here instead of hanging the run.
        for (int i = 0; i < 100000; ++i) {
            const std::size_t got = decoder.read(buffer.data(), 4096);
            if (got == 0) break;
            frames += static_cast<std::int64_t>(got);
            heapPeak = std::max(heapPeak, heapInUse());
        }
        EXPECT_EQ(decoder.read(buffer.data(), 4096), 0u) << "reading did not end";
    } catch (const ComponentError& error) {
        threw = true;
        EXPECT_TRUE(error.description().contains(QFileInfo(path).fileName())) << error.description().toStdString();
        EXPECT_FALSE(decoder.isOpen());
    }
    EXPECT_LT(heapPeak - heapBefore, std::size_t{32} << 20) << "buffers sized by the file's claims";

    if (c.expect == Expect::Throws) {
        EXPECT_TRUE(threw);
    }
    if (c.expect == Expect::Ends) {
        ASSERT_FALSE(threw);
        EXPECT_GE(frames, c.minFrames);
        EXPECT_LE(frames, c.maxFrames);
        // A length from a lying header stays within what the file can hold.
        EXPECT_LE(claimed, std::max<std::int64_t>(c.maxFrames, 44100 * 5));
    }
    if (!threw) {
        EXPECT_LT(frames, std::int64_t{44100} * 60) << "noise decoded from bytes that are not audio";
    }
}

INSTANTIATE_TEST_SUITE_P(Cases, DecoderBadInput, ::testing::ValuesIn(kBadCases),
                         [](const ::testing::TestParamInfo<BadCase>& param) { return std::string(param.param.name); });

TEST(DecoderErrors, DescriptionNamesTheFileAndTheReason) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.mp3"));
    writeFile(path, QByteArray("not audio at all").repeated(100));
    Decoder decoder;
    try {
        decoder.open(path);
        FAIL() << "opened text as audio";
    } catch (const ComponentError& error) {
        EXPECT_TRUE(error.description().startsWith(QStringLiteral("\"%1\" ").arg(path))) << error.description().toStdString();
    }
    // A failed open leaves a closed decoder that reads nothing.
    std::int16_t sample[2];
    EXPECT_EQ(decoder.read(sample, 1), 0u);
    EXPECT_EQ(decoder.seek(10), 0);
}

TEST(DecoderReopen, OpeningAnotherFileStartsAfresh) {
    QTemporaryDir dir;
    const QString first = makeWav(dir.filePath(QStringLiteral("one.wav")), 44100, 2, 1.0);
    const QString second = makeWav(dir.filePath(QStringLiteral("two.wav")), 22050, 1, 0.5);
    Decoder decoder;
    decoder.open(first);
    std::vector<std::int16_t> buffer(2000);
    ASSERT_EQ(decoder.read(buffer.data(), 1000), 1000u);
    decoder.open(second);
    EXPECT_EQ(decoder.position(), 0);
    EXPECT_EQ(decoder.channels(), 1);
    EXPECT_EQ(readAll(decoder).size(), 11025u);
    decoder.close();
    EXPECT_FALSE(decoder.isOpen());
    EXPECT_EQ(decoder.read(buffer.data(), 10), 0u);
}

}  // namespace
