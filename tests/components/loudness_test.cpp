// Loudness measurement against an independent scanner and libebur128's own gating and true
// peak, tag values, and loudness tags written into every output format and read back.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/tags/LoudnessTags.h"
#include "support/CoreSupport.h"
#include "support/LoudnessTools.h"
#include "support/Signals.h"

#include <ebur128.h>

#include <QFileInfo>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstdio>

namespace {

using namespace testing_support;

struct TestSignal {
    QString name;
    int rate;
    int channels;
    SampleBlock samples;
};

// Different loudness, rates and channel counts: music whose quiet end after a pause the
// relative gate drops, and clipped noise whose true peak lies above its samples.
std::vector<TestSignal> signalSet() {
    SampleBlock gapped = musicFrames(44100, 2, 44100 * 3, 0.025, 2);
    gapped.resize(gapped.size() + 44100 * 2 * 2);
    for (std::int16_t v : musicFrames(44100, 2, 44100 * 2)) gapped.push_back(static_cast<std::int16_t>(v / 20));
    return {{QStringLiteral("music.wav"), 44100, 2, musicFrames(44100, 2, 44100 * 6)},
            {QStringLiteral("tone-mono.wav"), 48000, 1, sineTone(48000, 1, 997, 48000 * 5, 1500)},
            {QStringLiteral("gapped.wav"), 44100, 2, gapped},
            {QStringLiteral("noise.wav"), 44100, 2, musicFrames(44100, 2, 44100 * 4, 0.6, 3)}};
}

TrackMeasurement measure(const TestSignal& s, std::size_t blockFrames = 4096) {
    LoudnessMeter meter(s.rate, s.channels);
    const std::size_t step = blockFrames * static_cast<std::size_t>(s.channels);
    for (std::size_t i = 0; i < s.samples.size(); i += step)
        meter.add(SampleBlock(s.samples.begin() + static_cast<long>(i),
                              s.samples.begin() + static_cast<long>(std::min(i + step, s.samples.size()))));
    return meter.measurement();
}

TEST(Loudness, AgreesWithLoudgainAndWithLibebur128ForAnyBlockSize) {
    QTemporaryDir dir;
    QStringList files;
    std::vector<ebur128_state*> states;
    AlbumLoudness album;
    std::vector<Loudness> results;
    for (const TestSignal& s : signalSet()) {
        SCOPED_TRACE(s.name.toStdString());
        files.append(dir.filePath(s.name));
        ASSERT_EQ(writeAudioFile(files.back(), s.samples, s.rate, s.channels), QString());
        // libebur128 gating and oversampling a whole track itself is the exact reference.
        states.push_back(ebur128_init(static_cast<unsigned>(s.channels), static_cast<unsigned long>(s.rate),
                                      EBUR128_MODE_I | EBUR128_MODE_TRUE_PEAK));
        ebur128_add_frames_short(states.back(), s.samples.data(), s.samples.size() / static_cast<std::size_t>(s.channels));
        double lufs = 0, peak = 0;
        ebur128_loudness_global(states.back(), &lufs);
        for (unsigned c = 0; c < static_cast<unsigned>(s.channels); ++c) {
            double p = 0;
            ebur128_true_peak(states.back(), c, &p);
            peak = std::max(peak, p);
        }
        const TrackMeasurement whole = measure(s, 1u << 24);
        EXPECT_NEAR(whole.loudness().lufs, lufs, 1e-4);
        EXPECT_EQ(whole.loudness().peak, peak) << "the stretches not oversampled cannot hold it";
        for (std::size_t blockFrames : {1u, 997u, 4410u}) {
            const Loudness inBlocks = measure(s, blockFrames).loudness();
            EXPECT_TRUE(inBlocks.lufs == whole.loudness().lufs && inBlocks.peak == whole.loudness().peak) << blockFrames;
        }
        EXPECT_LT(whole.bytes(), 32 * 1024u) << "a finished track keeps no audio";
        results.push_back(whole.loudness());
        album.add(whole);
    }
    double albumLufs = 0;
    ebur128_loudness_global_multiple(states.data(), states.size(), &albumLufs);
    for (ebur128_state*& st : states) ebur128_destroy(&st);
    EXPECT_NEAR(album.loudness().lufs, albumLufs, 1e-4);
    results.push_back(album.loudness());

    const std::vector<ScannerRow> reference = scanWithLoudgain(files);
    ASSERT_EQ(reference.size(), results.size());
    for (std::size_t i = 0; i < results.size(); ++i) {
        const double gain = loudness_tags::replayGain(results[i]).section(QLatin1Char(' '), 0, 0).toDouble();
        const double peakDb = 20 * std::log10(results[i].peak / reference[i].peak);
        std::printf("%-14s gain %7.2f dB (loudgain %7.2f), peak %.6f (loudgain %.6f)\n",
                    qPrintable(QFileInfo(reference[i].file).fileName()), gain, reference[i].gain, results[i].peak,
                    reference[i].peak);
        EXPECT_NEAR(gain, reference[i].gain, 0.1) << reference[i].file.toStdString();
        EXPECT_NEAR(peakDb, 0.0, 0.1) << reference[i].file.toStdString();
    }
    EXPECT_GT(results[3].peak, 1.0) << "clipped noise peaks between its samples";
}

// ffmpeg's own meter's integrated loudness of a file.
double ffmpegLoudness(const QString& path) {
    QProcess ffmpeg;
    ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-nostats"), QStringLiteral("-i"), path, QStringLiteral("-af"),
                                            QStringLiteral("ebur128"), QStringLiteral("-f"), QStringLiteral("null"), QStringLiteral("-")});
    ffmpeg.waitForFinished(120000);
    const QString log = QString::fromUtf8(ffmpeg.readAllStandardError());
    static const QRegularExpression integrated(QStringLiteral("I:\\s+(-?[0-9.]+) LUFS"));
    QRegularExpressionMatchIterator it = integrated.globalMatch(log);
    double lufs = NAN;
    while (it.hasNext()) lufs = it.next().captured(1).toDouble();  // the summary's comes last
    return lufs;
}

// More than two channels are weighted per BS.1770: the LFE left out, surrounds at +1.5 dB. Each
// channel alone against the front left, and whole 5.1 and 7.1 files against ffmpeg's meter.
TEST(Loudness, SurroundChannelsAreWeightedPerBs1770) {
    constexpr int kRate = 48000;
    const double surround = 10 * std::log10(1.41);
    for (const int channels : {6, 8}) {
        const auto alone = [&](int channel) {
            SampleBlock block(kRate * 3 * static_cast<std::size_t>(channels));
            const SampleBlock tone = sineTone(kRate, 1, 997, kRate * 3, 8000);
            for (std::size_t i = 0; i < tone.size(); ++i) block[i * std::size_t(channels) + std::size_t(channel)] = tone[i];
            return measure({QStringLiteral("alone"), kRate, channels, block}).loudness();
        };
        const double front = alone(0).lufs;
        // WAVE order: FL FR FC LFE BL BR (SL SR).
        const std::vector<double> offsets = {0, 0, 0, -HUGE_VAL, surround, surround, surround, surround};
        for (int c = 0; c < channels; ++c) {
            const Loudness l = alone(c);
            if (std::isinf(offsets[std::size_t(c)])) EXPECT_FALSE(l.hasGain()) << channels << " channels, the LFE";
            else EXPECT_NEAR(l.lufs - front, offsets[std::size_t(c)], 0.01) << channels << " channels, channel " << c;
        }
    }
    QTemporaryDir dir;
    for (const auto& [layout, channels] : {std::pair{"5.1", 6}, std::pair{"7.1", 8}}) {
        const QString path = dir.filePath(QLatin1String(layout) + QStringLiteral(".wav"));
        ASSERT_EQ(makeChannelTones(path, QLatin1String(layout), channels, 5.0), QString());
        AudioFile reader;
        reader.setChannelLimit(8);
        reader.OpenRead(path);
        ASSERT_EQ(reader.channels(), channels);
        LoudnessMeter meter(kRate, channels);
        for (SampleBlock block = reader.ReadBlock(kRate); !block.empty(); block = reader.ReadBlock(kRate)) meter.add(block);
        EXPECT_NEAR(meter.loudness().lufs, ffmpegLoudness(path), 0.15) << layout;
    }
}

TEST(Loudness, SilenceAndTooShortHaveNoGainAndAddNothingToTheirAlbum) {
    const std::vector<TestSignal> quiet{{QStringLiteral("zeros"), 44100, 2, SampleBlock(44100 * 2 * 3)},
                                        {QStringLiteral("0.3 s"), 44100, 2, sineTone(44100, 2, 440, 13230)},
                                        {QStringLiteral("-80 dBFS"), 48000, 1, sineTone(48000, 1, 440, 48000 * 2, 3)}};
    AlbumLoudness album, silentAlbum;
    album.add(measure(signalSet()[0]));
    for (const TestSignal& s : quiet) {
        const TrackMeasurement m = measure(s);
        EXPECT_FALSE(m.loudness().hasGain()) << s.name.toStdString();
        EXPECT_EQ(loudness_tags::replayGain(m.loudness()), QString()) << s.name.toStdString();
        album.add(m);
        silentAlbum.add(m);
    }
    EXPECT_EQ(album.loudness().lufs, measure(signalSet()[0]).loudness().lufs);
    EXPECT_FALSE(silentAlbum.loudness().hasGain());
    EXPECT_EQ(silentAlbum.loudness().peak, measure(quiet[1]).loudness().peak) << "the largest of its tracks'";
}

TEST(Loudness, TagValuesAndRejectedInput) {
    struct Case {
        double lufs, peak;
        const char *gain, *peakText;
        int r128;
    };
    for (const Case& c : {Case{-11.48, 0.9885471, "-6.52 dB", "0.988547", -2949},
                          Case{-17.996, 1.5, "0.00 dB", "1.500000", -1281}, Case{-200, 0, "182.00 dB", "0.000000", 32767},
                          Case{150, 1, "-168.00 dB", "1.000000", -32768}}) {
        EXPECT_EQ(loudness_tags::replayGain({c.lufs, c.peak}), QLatin1String(c.gain));
        EXPECT_EQ(loudness_tags::replayPeak({c.lufs, c.peak}), QLatin1String(c.peakText));
        EXPECT_EQ(loudness_tags::r128Gain({c.lufs, c.peak}), c.r128) << c.lufs;
    }
    expectComponentError([] { LoudnessMeter(44100, 0); }, {QStringLiteral("44100 Hz"), QStringLiteral("0 channels")});
    expectComponentError([] { LoudnessMeter(44100, 2).add(SampleBlock(3)); }, {QStringLiteral("3 samples")});
}

TEST(LoudnessTags, EachFormatGetsItsTagsReplacedOnEveryWriteWithTheAudioUntouched) {
    QTemporaryDir dir;
    const Loudness first{-20.0, 0.5}, second{-11.48, 0.9885471}, album{-14.0, 1.25};
    for (const QString& name : {QStringLiteral("a.wav"), QStringLiteral("Überschrift 北京.mp3"), QStringLiteral("c.ogg"),
                                QStringLiteral("d.flac"), QStringLiteral("e.wma"), QStringLiteral("f.opus")}) {
        SCOPED_TRACE(name.toStdString());
        const QString path = dir.filePath(name);
        ASSERT_EQ(makeTaggableFile(path, musicFrames(44100, 2, 44100), 44100, 2), QString());
        AudioInfo old;  // tags carried from a source that had loudness tags of its own
        old.setProperties({{QStringLiteral("TITLE"), {QStringLiteral("Kept")}},
                           {QStringLiteral("REPLAYGAIN_TRACK_GAIN"), {QStringLiteral("9.99 dB")}},
                           {QStringLiteral("REPLAYGAIN_ALBUM_PEAK"), {QStringLiteral("0.1")}}});
        old.WriteTags(path);
        const QString audio = decodedAudioMd5(path);
        loudness_tags::writeTrack(path, first);
        loudness_tags::writeTrack(path, second);
        loudness_tags::writeAlbum(path, album);
        QMap<QString, QStringList> tags = readTagsForTest(path);
        EXPECT_EQ(decodedAudioMd5(path), audio);
        EXPECT_EQ(tags.take(QStringLiteral("TITLE")), QStringList{QStringLiteral("Kept")});
        tags.removeIf([](auto tag) { return !tag.key().contains(QLatin1String("_GAIN")) && !tag.key().contains(QLatin1String("_PEAK")); });
        using Tags = QMap<QString, QStringList>;
        const Tags expected = name.endsWith(QLatin1String(".opus"))
                                  ? Tags{{QStringLiteral("R128_TRACK_GAIN"), {QStringLiteral("-2949")}},
                                         {QStringLiteral("R128_ALBUM_GAIN"), {QStringLiteral("-2304")}}}
                                  : Tags{{QStringLiteral("REPLAYGAIN_TRACK_GAIN"), {QStringLiteral("-6.52 dB")}},
                                         {QStringLiteral("REPLAYGAIN_TRACK_PEAK"), {QStringLiteral("0.988547")}},
                                         {QStringLiteral("REPLAYGAIN_ALBUM_GAIN"), {QStringLiteral("-4.00 dB")}},
                                         {QStringLiteral("REPLAYGAIN_ALBUM_PEAK"), {QStringLiteral("1.250000")}}};
        EXPECT_EQ(tags, expected);
        loudness_tags::writeTrack(path, Loudness{});  // silence: the old gain goes
        tags = readTagsForTest(path);
        EXPECT_FALSE(tags.contains(QStringLiteral("REPLAYGAIN_TRACK_GAIN")) || tags.contains(QStringLiteral("R128_TRACK_GAIN")));
    }
    const QString opus = dir.filePath(QStringLiteral("f.opus"));
    ASSERT_TRUE(setOpusHeaderGain(opus, 256));
    loudness_tags::writeTrack(opus, second);
    EXPECT_EQ(readTagsForTest(opus).value(QStringLiteral("R128_TRACK_GAIN")), QStringList{QStringLiteral("-3205")})
        << "relative to the header's output gain";
}

TEST(LoudnessTags, FilesThatCannotTakeThemAreNamedInTheError) {
    QTemporaryDir dir;
    const QString text = dir.filePath(QStringLiteral("notes.mp3")), aiff = dir.filePath(QStringLiteral("x.aiff"));
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write("not audio") > 0);
    file.close();
    ASSERT_EQ(std::system(qPrintable(QStringLiteral("sox -n -r 8000 '%1' synth 0.5 sine 300").arg(aiff))), 0);
    for (const QString& path : {dir.filePath(QStringLiteral("missing.flac")), text, aiff})
        expectComponentError([&] { loudness_tags::writeTrack(path, {-20, 0.5}); }, {QFileInfo(path).fileName()});
}

}  // namespace
