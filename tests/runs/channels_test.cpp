// Surround sources through the conversion run, checked with ffprobe and ffmpeg's own decoders:
// FLAC, WAV, Ogg Vorbis and Opus keep every channel in their format's layout, each carrying the
// source channel it should; MP3, WMA and a Mono choice mix down with the ITU coefficients. And
// the FLAC outputs' seek table and padding, checked with metaflac, flac and ffmpeg.
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/settings/OutputSettings.h"
#include "support/ConfigHome.h"
#include "support/FlacTools.h"
#include "support/LoudnessTools.h"
#include "support/RunHosts.h"
#include "support/Signals.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>

using namespace testing_support;

namespace {

const QString kConverterKey = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");
constexpr int kRate = 48000;

class SurroundRuns : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    // The run of `sources` into `format` on `workers` cores with the stored settings (none
    // stored: the first start's), changed by `change`, with loudness tags when asked; the outputs,
    // in order.
    QStringList convert(const QStringList& sources, const QString& format, int workers,
                        const std::function<void(OutputSettings&)>& change = {}, bool loudness = false) {
        converter::RunSnapshot snapshot;
        snapshot.formatKey = format;
        snapshot.wholeList = true;
        snapshot.workers = workers;
        snapshot.loudnessTags = loudness;
        snapshot.settings = OutputSettings::load(kConverterKey);
        if (change) change(snapshot.settings);
        QStringList outputs;
        for (const QString& source : sources) {
            outputs << dir.filePath(QStringLiteral("%1-%2.%3").arg(QFileInfo(source).fileName(), format, format.toLower()));
            snapshot.entries.push_back({source, outputs.back(), false});
        }
        const RecordingRunHost host = runConversion(snapshot);
        EXPECT_TRUE(host.messages.isEmpty() && host.failures.isEmpty())
            << host.log.join(QLatin1Char('\n')).toStdString();
        return outputs;
    }
    TempConfigHome config;
    QTemporaryDir dir;
};

struct Source {
    const char* name;
    const char* layout;
    int channels;
};
const Source kSources[] = {{"five.wav", "5.1", 6}, {"seven.flac", "7.1", 8}};

// What each format makes of them: the layout ffprobe names for 6 and for 8 kept channels (FFmpeg's
// FLAC decoder calls FLAC's 5.1 "5.1(side)"), or a mix to stereo.
struct Kept {
    const char* format;
    const char* layout6;
    const char* layout8;
};

TEST_F(SurroundRuns, FlacWavOggAndOpusKeepEveryChannelInTheirLayout) {
    QStringList sources;
    for (const Source& s : kSources) {
        sources << dir.filePath(QLatin1String(s.name));
        ASSERT_EQ(makeChannelTones(sources.back(), QLatin1String(s.layout), s.channels, 3.0), QString());
    }
    const Kept kept[] = {{"FLAC", "5.1(side)", "7.1"}, {"WAV", "5.1", "7.1"}, {"OGG", "5.1", "7.1"}, {"OPUS", "5.1", "7.1"}};
    for (const Kept& k : kept) {
        const QStringList outputs = convert(sources, QLatin1String(k.format), 2);
        for (int i = 0; i < outputs.size(); ++i) {
            const Source& s = kSources[i];
            SCOPED_TRACE(outputs[i].toStdString());
            EXPECT_EQ(probeAudio(outputs[i], QStringLiteral("channels,channel_layout")),
                      QStringList({QString::number(s.channels), QLatin1String(s.channels == 6 ? k.layout6 : k.layout8)}));
            const SampleBlock in = ffmpegDecode(sources[i], kRate, s.channels);
            const SampleBlock out = ffmpegDecode(outputs[i], kRate, s.channels);
            for (int c = 0; c < s.channels; ++c)
                EXPECT_GT(bestCorrelation(in, s.channels, out, s.channels, c, 600), 0.95) << "channel " << c;
        }
    }
    // FLAC is lossless in every channel, also one at a time and from a source read by the WMA
    // reader (a name ending in .wma).
    const QString named = dir.filePath(QStringLiteral("five-flac.wma"));
    ASSERT_TRUE(QFile::copy(convert({sources[0]}, QStringLiteral("FLAC"), 1).value(0), named));
    const QString again = convert({named}, QStringLiteral("FLAC"), 1).value(0);
    EXPECT_TRUE(ffmpegDecode(again, kRate, 6) == ffmpegDecode(sources[0], kRate, 6)) << "not lossless";
}

// The correlation of each output channel with each source channel when every source channel
// holds a tone of its own at the same level: a mix's coefficients, normalised.
std::vector<double> expectedCorrelations(const std::vector<double>& coefficients) {
    double sum = 0;
    for (double c : coefficients) sum += c * c;
    std::vector<double> out;
    for (double c : coefficients) out.push_back(c / std::sqrt(sum));
    return out;
}

// MP3 and WMA hold stereo: front and centre and surrounds of each side, the centre and surrounds
// at -3 dB, no LFE; their loudness tags are those of the file written (as an independent scanner
// finds in it), not of the surround source.
// Ogg Vorbis set to Mono mixes down as ffmpeg does.
TEST_F(SurroundRuns, Mp3WmaAndAMonoChoiceMixDownWithTheItuCoefficients) {
    const double h = std::sqrt(0.5);
    struct Mix {
        Source source;
        std::vector<double> left;  // per source channel, WAVE order; the right side mirrors it
    };
    const Mix mixes[] = {{kSources[0], {1, 0, h, 0, h, 0}}, {kSources[1], {1, 0, h, 0, h, 0, h, 0}}};
    QStringList formats{QStringLiteral("MP3")};
    if (wmaEncoderAvailable()) formats << QStringLiteral("WMA");
    for (const Mix& mix : mixes) {
        const int n = mix.source.channels;
        const QString source = dir.filePath(QLatin1String(mix.source.name));
        ASSERT_EQ(makeChannelTones(source, QLatin1String(mix.source.layout), n, 3.0), QString());
        const SampleBlock in = ffmpegDecode(source, kRate, n);
        for (const QString& format : formats) {
            const QString output = convert({source}, format, 2, {}, true).value(0);
            SCOPED_TRACE(output.toStdString());
            const std::vector<ScannerRow> scanned = scanWithLoudgain({output});
            ASSERT_EQ(scanned.size(), 2u);
            EXPECT_EQ(probeAudio(output, QStringLiteral("channels")), QStringList{QStringLiteral("2")});
            const QString tagged = readTagsForTest(output).value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).value(0);
            EXPECT_NEAR(tagged.section(QLatin1Char(' '), 0, 0).toDouble(), scanned[0].gain, 0.1);
            const SampleBlock out = ffmpegDecode(output, kRate, 2);
            const std::vector<double> left = expectedCorrelations(mix.left);
            for (int c = 0; c < n; ++c) {
                const int mirrored = c == 0 || c == 1 || c >= 4 ? c ^ 1 : c;  // left and right swap sides
                const SampleBlock only = [&] {
                    SampleBlock one(in.size() / static_cast<std::size_t>(n));
                    for (std::size_t i = 0; i < one.size(); ++i) one[i] = in[i * static_cast<std::size_t>(n) + static_cast<std::size_t>(c)];
                    return one;
                }();
                EXPECT_NEAR(bestCorrelation(only, 1, out, 2, 0, 600), left[std::size_t(c)], 0.06) << "left, source " << c;
                EXPECT_NEAR(bestCorrelation(only, 1, out, 2, 1, 600), left[std::size_t(mirrored)], 0.06) << "right, source " << c;
            }
        }
    }
    const QString five = dir.filePath(QLatin1String(kSources[0].name));
    const QString mono = convert({five}, QStringLiteral("OGG"), 1, [](OutputSettings& s) { s.ogg.channels = 1; }).value(0);
    EXPECT_EQ(probeAudio(mono, QStringLiteral("channels")), QStringList{QStringLiteral("1")});
    EXPECT_GT(bestCorrelation(ffmpegDecode(five, kRate, 1), 1, ffmpegDecode(mono, kRate, 1), 1, 0, 600), 0.98);
}

// Ten minutes of FLAC: a seek point every 10 s, each leading to the frame of its sample, and
// 8192 bytes of padding that tags written afterwards use, so the audio stays where it was; the
// file tests whole, and decoding from a point in the middle gives the source's samples there.
TEST_F(SurroundRuns, FlacOutputsHaveASeekTableAndPaddingForTags) {
    const QString source = dir.filePath(QStringLiteral("long.wav"));
    QProcess sox;
    sox.start(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("8000"), QStringLiteral("-c"),
                                      QStringLiteral("1"), QStringLiteral("-b"), QStringLiteral("16"), source, QStringLiteral("synth"),
                                      QStringLiteral("600"), QStringLiteral("pinknoise"), QStringLiteral("vol"), QStringLiteral("0.3")});
    ASSERT_TRUE(sox.waitForFinished(120000) && sox.exitCode() == 0) << sox.readAllStandardError().toStdString();
    const QString output = convert({source}, QStringLiteral("FLAC"), 1).value(0);
    const FlacMetadata written = inspectFlac(output);
    ASSERT_TRUE(written.error.isEmpty()) << written.error.toStdString();
    EXPECT_EQ(written.seekPoints, 60);
    EXPECT_EQ(written.placeholders, 0);
    EXPECT_TRUE(written.faults.isEmpty()) << written.faults.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(written.padding, 8192);

    const QString audio = decodedAudioMd5(output);
    const qint64 size = QFileInfo(output).size();
    AudioInfo tags;
    tags.setProperties({{QStringLiteral("TITLE"), {QStringLiteral("Long")}}, {QStringLiteral("ARTIST"), {QStringLiteral("Ödön")}}});
    tags.WriteTags(output);
    EXPECT_EQ(QFileInfo(output).size(), size) << "the tags did not fit into the padding";
    EXPECT_EQ(decodedAudioMd5(output), audio);
    const FlacMetadata tagged = inspectFlac(output);
    EXPECT_EQ(tagged.seekPoints, 60);
    EXPECT_TRUE(tagged.faults.isEmpty()) << tagged.faults.join(QLatin1Char('\n')).toStdString();
    QProcess flac;
    flac.start(QStringLiteral("flac"), {QStringLiteral("-t"), QStringLiteral("-s"), output});
    EXPECT_TRUE(flac.waitForFinished(120000) && flac.exitCode() == 0) << flac.readAllStandardError().toStdString();

    const auto from = [](const QString& path) {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-ss"), QStringLiteral("371.25"),
                                                QStringLiteral("-i"), path, QStringLiteral("-t"), QStringLiteral("0.5"),
                                                QStringLiteral("-f"), QStringLiteral("s16le"), QStringLiteral("-")});
        ffmpeg.waitForFinished(60000);
        return ffmpeg.readAllStandardOutput();
    };
    const QByteArray expected = from(source);
    EXPECT_EQ(expected.size(), 8000);
    EXPECT_TRUE(from(output) == expected) << "seeking landed elsewhere";
}

}  // namespace
