// The output settings as stored values, and the conversion and extraction runs driven from them,
// with no window: this executable has a QCoreApplication and links no Qt Widgets.
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/settings/OutputSettings.h"
#include "components/store/CRegister.h"
#include "runs/ConverterRules.h"
#include "support/ConfigHome.h"
#include "support/Damage.h"
#include "support/LoudnessTools.h"
#include "support/RunHosts.h"
#include "support/Signals.h"
#include "support/TagTools.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>

using namespace testing_support;

namespace {

const QString kConverterKey = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");
const QString kExtractorKey = QStringLiteral("\\Software\\Brindlewood\\Audioextractor");

void store(const QString& key, const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, name, value);
}

TEST(OutputSettings, LoadFromStoredTexts) {
    struct Case {
        const char* name;
        const char* text;
        int Mp3Choice::*mp3;
        int OggSettings::*ogg;
        int expected;  // what the loaded field holds
    };
    // Unusable texts count as missing (MP3) or leave the value before loading (Ogg Vorbis).
    const Case cases[] = {
        {"MP3 Preset", "9", &Mp3Choice::preset, nullptr, 9},
        {"MP3 Preset", "12", &Mp3Choice::preset, nullptr, 0},
        {"MP3 Freq", " 3", &Mp3Choice::frequencyIndex, nullptr, 3},
        {"MP3 Freq", "x", &Mp3Choice::frequencyIndex, nullptr, 7},
        {"MP3 Bitrate", "15", &Mp3Choice::bitratePosition, nullptr, 7},
        {"MP3 EnqQual", "9", &Mp3Choice::qualityPosition, nullptr, 9},
        {"OGG Freq", "12", nullptr, &OggSettings::frequencyIndex, 4},
        {"OGG Freq", "", nullptr, &OggSettings::frequencyIndex, 4},
        {"OGG Channels", "0", nullptr, &OggSettings::channelsIndex, 0},
        {"OGG Bitrate", "14", nullptr, &OggSettings::bitratePosition, 14},
        {"OGG Quality", "1001", nullptr, &OggSettings::quality, 300},
        {"OGG Quality", "250", nullptr, &OggSettings::quality, 250},
    };
    for (const Case& c : cases) {
        TempConfigHome config;
        store(kConverterKey, QLatin1String(c.name), QLatin1String(c.text));
        const int got = c.mp3 ? Mp3Choice::load(kConverterKey).*c.mp3 : OggSettings::load(kConverterKey).*c.ogg;
        EXPECT_EQ(got, c.expected) << c.name << " = \"" << c.text << "\"";
    }
    TempConfigHome config;
    // Nothing stored: 44 100 Hz stereo at quality 3.00; WMA profile 2.
    EXPECT_EQ(OggSettings::load(kConverterKey).format().sampleRate, 44100);
    EXPECT_EQ(OggSettings::load(kConverterKey).format().quality, 300);
    EXPECT_EQ(WmaSettings::load(kConverterKey).profile, 2);
    store(kExtractorKey, QStringLiteral("WMA Profile"), QStringLiteral("14"));
    EXPECT_EQ(WmaSettings::load(kExtractorKey).profile, 2);
}

TEST(OutputSettings, SaveAndLoadKeepEveryValueUnderItsToolsKey) {
    TempConfigHome config;
    const Mp3Choice mp3{4, 2, 3, 14, 1};
    const OggSettings ogg{8, 0, 12, true, false, 3, 13, 725};
    mp3.save(kExtractorKey);
    ogg.save(kExtractorKey);
    WmaSettings{11}.save(kExtractorKey);
    EXPECT_EQ(Mp3Choice::load(kExtractorKey), mp3);
    EXPECT_EQ(OggSettings::load(kExtractorKey), ogg);
    EXPECT_EQ(WmaSettings::load(kExtractorKey).profile, 11);
    EXPECT_EQ(Mp3Choice::load(kConverterKey), Mp3Choice{});
    EXPECT_EQ(CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, kExtractorKey, QStringLiteral("OGG VBR Enabled"),
                                        QString()),
              QStringLiteral("1"));
}

TEST(OutputSettings, SayWhyACombinationCannotBeWritten) {
    OggSettings ogg;
    ogg.frequencyIndex = 0;  // 128 kbit/s managed at 8 000 Hz
    EXPECT_EQ(ogg.refusal(), QStringLiteral("Incorrect format, try choosing a higher frequency.!"));
    ogg.qualityEnabled = true;  // a quality encodes at every rate
    EXPECT_TRUE(ogg.refusal().isEmpty());
    EXPECT_FALSE(wav_settings::refusal(WavFormat{44100, 2, 12}).isEmpty());
    EXPECT_TRUE(wav_settings::refusal(wav_settings::cdQuality()).isEmpty());
    EXPECT_FALSE(WmaSettings{WmaSettings::profileCount()}.refusal().isEmpty());

    // An MP3 choice LAME cannot write leaves the settings as they were.
    MP3Settings mp3;
    const Mp3Choice tooMuch{0, 0, 1, 14, 5};  // 320 kbit/s at 8 000 Hz
    EXPECT_FALSE(tooMuch.applyTo(mp3).isEmpty());
    EXPECT_EQ(mp3, MP3Settings{});
    const Mp3Choice cd{9, 0, 0, 0, 0};
    EXPECT_TRUE(cd.applyTo(mp3).isEmpty());
    EXPECT_EQ(mp3.presetName(), QStringLiteral("CD"));
}

class Runs : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dir.isValid()); }
    QString source(const QString& name, int rate, double seconds) {
        const QString path = dir.filePath(name);
        EXPECT_EQ(writeAudioFile(path, musicTone(rate, 2, seconds), rate, 2), QString());
        return path;
    }
    // The converter's run of `snapshot` with components of its own; what its host saw. The cancel
    // request is seen from the given message-loop pass on (-1: never).
    static RecordingRunHost convert(const converter::RunSnapshot& snapshot, int cancelAfterPasses = -1) {
        return runConversion(snapshot, cancelAfterPasses);
    }
    // A run of the whole list into `format` with the stored settings.
    static converter::RunSnapshot wholeListInto(const QString& format, int workers = 1) {
        converter::RunSnapshot snapshot;
        snapshot.formatKey = format;
        snapshot.wholeList = true;
        snapshot.workers = workers;
        snapshot.settings = OutputSettings::load(kConverterKey);
        return snapshot;
    }
    TempConfigHome config;
    QTemporaryDir dir;
};

TEST_F(Runs, ConvertAListFromStoredSettings) {
    store(kConverterKey, QStringLiteral("MP3 Preset"), QStringLiteral("3"));  // "AM": 16 000 Hz mono
    converter::RunSnapshot snapshot;
    snapshot.formatKey = QStringLiteral("MP3");
    snapshot.wholeList = true;
    snapshot.workers = 2;
    snapshot.settings = OutputSettings::load(kConverterKey);
    for (const char* name : {"one", "two", "three"}) {
        const QString in = source(QLatin1String(name) + QStringLiteral(".wav"), 44100, 1.0);
        snapshot.entries.push_back({in, dir.filePath(QLatin1String(name) + QStringLiteral(".mp3")), false});
    }
    const RecordingRunHost host = convert(snapshot);
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join(QLatin1Char('\n')).toStdString();
    for (const converter::RunEntry& entry : snapshot.entries) {
        const ReadBack r = readBack(entry.output);
        EXPECT_EQ(r.rate, 16000) << entry.output.toStdString();
        EXPECT_EQ(r.channels, 1);
        EXPECT_NEAR(r.seconds(), 1.0, 0.1);
    }
}

TEST_F(Runs, ExtractAVideoFromStoredSettings) {
    if (!wmaEncoderAvailable()) GTEST_SKIP() << "no WMA encoder here";
    store(kExtractorKey, QStringLiteral("WMA Profile"), QStringLiteral("0"));  // 22 050 Hz mono
    const QString video = dir.filePath(QStringLiteral("movie.mkv"));
    ASSERT_EQ(makeVideo(video, source(QStringLiteral("sound.wav"), 48000, 2.0),
                        {QStringLiteral("-c:a"), QStringLiteral("libvorbis")}),
              QString());
    extractor::RunRequest request;
    request.input = video;
    request.format = QStringLiteral("WMA");
    request.settings = OutputSettings::load(kExtractorKey);
    RecordingExtractionHost host;
    extractor::ExtractionRun run(host, std::make_shared<extractor::Components>());
    ASSERT_EQ(run.run(request), extractor::RunEnd::Written) << host.messages.join(QLatin1Char('\n')).toStdString();
    const ReadBack r = readBack(run.output());
    EXPECT_EQ(r.rate, 22050);
    EXPECT_EQ(r.channels, 1);
    EXPECT_NEAR(r.seconds(), 2.0, 0.2);
}

// ffprobe's view of a file's first audio stream: codec, rate, channels.
QStringList probeStream(const QString& path) { return probeAudio(path, QStringLiteral("codec_name,sample_rate,channels")); }

// Every input format converts to FLAC and to Opus through the run on two cores, checked with
// ffmpeg's own decoders: codec, rate, channels, length within 20 ms, the sound itself, and the
// tags and the picture carried over.
TEST_F(Runs, EveryInputFormatConvertsToFlacAndOpus) {
    const QString wav = source(QStringLiteral("in.wav"), 44100, 2.0);
    AudioInfo::Picture cover{QByteArray("\x89PNG\r\n\x1a\n-cover-bytes", 20), QStringLiteral("image/png"),
                             QStringLiteral("Front"), 3};
    struct Input {
        const char* name;
        QStringList encode;  // ffmpeg's codec arguments; empty: the master WAV itself
    };
    QList<Input> inputs = {{"in.wav", {}},
                           {"in.mp3", {QStringLiteral("-c:a"), QStringLiteral("libmp3lame"), QStringLiteral("-b:a"), QStringLiteral("256k")}},
                           {"in.ogg", {QStringLiteral("-c:a"), QStringLiteral("libvorbis"), QStringLiteral("-q:a"), QStringLiteral("6")}},
                           {"in.flac", {QStringLiteral("-c:a"), QStringLiteral("flac")}},
                           {"in.opus", {QStringLiteral("-c:a"), QStringLiteral("libopus"), QStringLiteral("-b:a"), QStringLiteral("192k")}}};
    if (wmaEncoderAvailable()) inputs.push_back({"in.wma", {QStringLiteral("-c:a"), QStringLiteral("wmav2"), QStringLiteral("-b:a"), QStringLiteral("192k")}});
    for (const Input& input : inputs) {
        const QString path = dir.filePath(QLatin1String(input.name));
        if (!input.encode.isEmpty()) {
            QProcess ffmpeg;
            ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), wav,
                                                                   QStringLiteral("-map"), QStringLiteral("0:a")} +
                                                       input.encode + QStringList{path});
            ASSERT_TRUE(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0)
                << input.name << ffmpeg.readAllStandardError().toStdString();
        }
        AudioInfo tags;
        tags.setProperties({{QStringLiteral("TITLE"), {QString::fromLatin1(input.name)}},
                            {QStringLiteral("ARTIST"), {QStringLiteral("Ödön")}}});
        tags.setPictures({cover});
        tags.WriteTags(path);
    }
    for (const char* format : {"FLAC", "OPUS"}) {
        converter::RunSnapshot snapshot;
        snapshot.formatKey = QLatin1String(format);
        snapshot.wholeList = true;
        snapshot.workers = 2;
        snapshot.preserveTags = true;
        snapshot.settings = OutputSettings::load(kConverterKey);
        for (const Input& input : inputs)
            snapshot.entries.push_back({dir.filePath(QLatin1String(input.name)),
                                        dir.filePath(QStringLiteral("out-%1-%2.%1").arg(QLatin1String(format), QLatin1String(input.name).mid(3))), false});
        const RecordingRunHost host = convert(snapshot);
        EXPECT_TRUE(host.messages.isEmpty() && host.failures.isEmpty()) << host.messages.join(QLatin1Char('\n')).toStdString();
        const bool flac = snapshot.formatKey == QStringLiteral("FLAC");
        for (const converter::RunEntry& entry : snapshot.entries) {
            SCOPED_TRACE(entry.output.toStdString());
            // FLAC keeps the rate the source decodes at (Opus decodes at 48 kHz).
            const QString rate = flac ? probeStream(entry.source).value(1) : QStringLiteral("48000");
            EXPECT_EQ(probeStream(entry.output).join(QLatin1Char(',')).toStdString(),
                      QStringLiteral("%1,%2,2").arg(flac ? QStringLiteral("flac") : QStringLiteral("opus"), rate).toStdString());
            const SampleBlock in = ffmpegDecode(entry.source, 44100, 2);
            const SampleBlock out = ffmpegDecode(entry.output, 44100, 2);
            EXPECT_NEAR(double(out.size()) / 2 / 44100, double(in.size()) / 2 / 44100, 0.020);
            EXPECT_GT(bestCorrelation(in, 2, out, 2, 0, 200), 0.99);
            EXPECT_GT(bestCorrelation(in, 2, out, 2, 1, 200), 0.99);
            if (flac && entry.source.endsWith(QStringLiteral(".wav"))) {
                EXPECT_TRUE(in == out) << "not lossless";
            }
            AudioInfo carried;
            carried.ReadTags(entry.output);
            EXPECT_EQ(carried.properties().value(QStringLiteral("TITLE")), QStringList{QFileInfo(entry.source).fileName()});
            EXPECT_EQ(carried.properties().value(QStringLiteral("ARTIST")), QStringList{QStringLiteral("Ödön")});
            ASSERT_EQ(carried.pictures().size(), 1);
            EXPECT_EQ(carried.pictures()[0].data, cover.data);
        }
    }
    // And back: FLAC and Opus sources give their tags and picture to the other formats.
    QStringList back = {QStringLiteral("MP3"), QStringLiteral("OGG"), QStringLiteral("WAV")};
    if (wmaEncoderAvailable()) back << QStringLiteral("WMA");
    for (const QString& format : back) {
        converter::RunSnapshot snapshot;
        snapshot.formatKey = format;
        snapshot.wholeList = true;
        snapshot.preserveTags = true;
        snapshot.settings = OutputSettings::load(kConverterKey);
        for (const char* name : {"in.flac", "in.opus"})
            snapshot.entries.push_back({dir.filePath(QLatin1String(name)),
                                        dir.filePath(QStringLiteral("back-%1.%2").arg(QLatin1String(name).mid(3), format)), false});
        EXPECT_TRUE(convert(snapshot).failures.isEmpty());
        for (const converter::RunEntry& entry : snapshot.entries) {
            AudioInfo carried;
            carried.ReadTags(entry.output);
            EXPECT_EQ(carried.properties().value(QStringLiteral("TITLE")), QStringList{QFileInfo(entry.source).fileName()})
                << entry.output.toStdString();
            ASSERT_EQ(carried.pictures().size(), 1) << entry.output.toStdString();
            EXPECT_EQ(carried.pictures()[0].data, cover.data);
        }
    }
}

// A deeper source keeps its depth in FLAC (24 bits, every sample), on one core and on two, and a
// 16-bit output of it (Opus) still reads it.
TEST_F(Runs, FlacKeepsTwentyFourBitSourcesExactly) {
    const QString wav = dir.filePath(QStringLiteral("deep.wav"));
    QProcess sox;
    sox.start(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("96000"), QStringLiteral("-b"),
                                      QStringLiteral("24"), QStringLiteral("-c"), QStringLiteral("2"), wav, QStringLiteral("synth"),
                                      QStringLiteral("1.5"), QStringLiteral("pinknoise"), QStringLiteral("vol"), QStringLiteral("0.4")});
    ASSERT_TRUE(sox.waitForFinished(60000) && sox.exitCode() == 0) << sox.readAllStandardError().toStdString();
    const auto decode32 = [](const QString& path) {
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path,
                                                QStringLiteral("-f"), QStringLiteral("s32le"), QStringLiteral("-")});
        ffmpeg.waitForFinished(60000);
        return ffmpeg.readAllStandardOutput();
    };
    for (const int workers : {1, 2}) {
        converter::RunSnapshot snapshot;
        snapshot.formatKey = QStringLiteral("FLAC");
        snapshot.wholeList = true;
        snapshot.workers = workers;
        snapshot.settings = OutputSettings::load(kConverterKey);
        const QString out = dir.filePath(QStringLiteral("deep-%1.flac").arg(workers));
        snapshot.entries.push_back({wav, out, false});
        EXPECT_TRUE(convert(snapshot).failures.isEmpty());
        EXPECT_EQ(probeStream(out).join(QLatin1Char(',')), QStringLiteral("flac,96000,2"));
        QProcess bits;
        bits.start(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                               QStringLiteral("stream=bits_per_raw_sample"), QStringLiteral("-of"),
                                               QStringLiteral("csv=p=0"), out});
        bits.waitForFinished(60000);
        EXPECT_EQ(bits.readAllStandardOutput().trimmed(), QByteArray("24"));
        const QByteArray source = decode32(wav);
        EXPECT_GT(source.size(), 1000);
        EXPECT_TRUE(decode32(out) == source) << "the 24-bit samples were not kept";
    }
}

// Loudness tags through the run on one core and on two: three files of different loudness in one
// folder make an album, a fourth in another folder is an album of its own; the values agree with
// loudgain scanning the outputs; Opus gets R128 gains only. A cancelled run writes track values
// for what it finished and no album values.
TEST_F(Runs, LoudnessTagsAgreeWithAnIndependentScannerPerTrackAndPerAlbum) {
    QDir(dir.path()).mkpath(QStringLiteral("album"));
    QDir(dir.path()).mkpath(QStringLiteral("single"));
    QStringList sources;
    const double volumes[] = {0.9, 0.3, 0.08, 0.5};
    for (int i = 0; i < 4; ++i) {
        SampleBlock tone = musicTone(44100, 2, 3.0, unsigned(i + 1));
        for (std::int16_t& v : tone) v = static_cast<std::int16_t>(v * volumes[i] * 2);
        sources << dir.filePath(QStringLiteral("%1/%2.wav").arg(i < 3 ? QStringLiteral("album") : QStringLiteral("single")).arg(i));
        ASSERT_EQ(writeAudioFile(sources.back(), tone, 44100, 2), QString());
    }
    const auto convertAll = [&](const QString& format, int workers, int cancelAfterPasses) {
        converter::RunSnapshot snapshot;
        snapshot.formatKey = format;
        snapshot.wholeList = true;
        snapshot.workers = workers;
        snapshot.loudnessTags = true;
        snapshot.settings = OutputSettings::load(kConverterKey);
        for (const QString& source : sources)
            snapshot.entries.push_back({source, source.left(source.size() - 3) + QString::number(workers) + QLatin1Char('.') + format, false});
        const RecordingRunHost host = convert(snapshot, cancelAfterPasses);
        EXPECT_TRUE(host.failures.isEmpty()) << host.failedPaths().join(QLatin1Char(' ')).toStdString();
        QStringList outputs;
        for (const converter::RunEntry& entry : snapshot.entries) outputs << entry.output;
        return outputs;
    };
    const auto gain = [](const QString& text) { return text.section(QLatin1Char(' '), 0, 0).toDouble(); };
    for (const int workers : {1, 2}) {
        const QStringList outputs = convertAll(QStringLiteral("FLAC"), workers, -1);
        const std::vector<ScannerRow> album = scanWithLoudgain(outputs.mid(0, 3));
        ASSERT_EQ(album.size(), 4u);
        for (int i = 0; i < 4; ++i) {
            SCOPED_TRACE(outputs[i].toStdString());
            const QMap<QString, QStringList> tags = readTagsForTest(outputs[i]);
            const ScannerRow track = i < 3 ? album[std::size_t(i)] : scanWithLoudgain({outputs[3]}).at(0);
            EXPECT_NEAR(gain(tags.value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).value(0)), track.gain, 0.1);
            EXPECT_NEAR(tags.value(QStringLiteral("REPLAYGAIN_TRACK_PEAK")).value(0).toDouble(), track.peak, 0.01);
            // The album of the single file is that file.
            EXPECT_NEAR(gain(tags.value(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")).value(0)), i < 3 ? album[3].gain : track.gain, 0.1);
        }
        // Different loudness, different gains.
        EXPECT_GT(album[2].gain - album[0].gain, 10.0);
    }
    // Opus: R128 gains at -23 LUFS in Q7.8, nothing else (loudgain scans Opus at -23 LUFS too).
    const QStringList opus = convertAll(QStringLiteral("OPUS"), 2, -1);
    const std::vector<ScannerRow> scanned = scanWithLoudgain(opus.mid(0, 3));
    ASSERT_EQ(scanned.size(), 4u);
    const QMap<QString, QStringList> tags = readTagsForTest(opus[1]);
    EXPECT_FALSE(tags.contains(QStringLiteral("REPLAYGAIN_TRACK_GAIN")));
    EXPECT_NEAR(tags.value(QStringLiteral("R128_TRACK_GAIN")).value(0).toInt() / 256.0, scanned[1].gain, 0.1);
    EXPECT_NEAR(tags.value(QStringLiteral("R128_ALBUM_GAIN")).value(0).toInt() / 256.0, scanned[3].gain, 0.1);

    // Cancelled during the second file: the first has its track values, nobody album values.
    const QStringList cancelled = convertAll(QStringLiteral("OGG"), 1, 12);
    const QMap<QString, QStringList> first = readTagsForTest(cancelled[0]);
    EXPECT_TRUE(first.contains(QStringLiteral("REPLAYGAIN_TRACK_GAIN")));
    EXPECT_FALSE(first.contains(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")));
    EXPECT_FALSE(readTagsForTest(cancelled[1]).contains(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")));
}

// The track gain describes the output as players decode it: a mono 22 kHz and a 24-bit stereo
// 48 kHz source, up-mixed, down-mixed, resampled and lossily encoded, each within 0.1 dB of
// loudgain run on the output file (Opus: R128 at -23 LUFS, as loudgain scans Opus).
TEST_F(Runs, TrackGainsAgreeWithAScannerRunOnTheOutputs) {
    const QString mono = dir.filePath(QStringLiteral("mono22.wav"));
    ASSERT_EQ(writeAudioFile(mono, musicTone(22050, 1, 6.0), 22050, 1), QString());
    const QString deep = dir.filePath(QStringLiteral("deep48.wav"));
    QProcess sox;
    sox.start(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"), QStringLiteral("-b"),
                                      QStringLiteral("24"), QStringLiteral("-c"), QStringLiteral("2"), deep, QStringLiteral("synth"),
                                      QStringLiteral("6"), QStringLiteral("pinknoise"), QStringLiteral("vol"), QStringLiteral("0.5")});
    ASSERT_TRUE(sox.waitForFinished(60000) && sox.exitCode() == 0);
    struct Output {
        const char* key;
        const char* storedName;  // a stored setting for the case, or nothing
        const char* storedValue;
    };
    const Output outputs[] = {{"MP3", "MP3 Bitrate", "9"},  // 128 kbit/s, 44.1 kHz stereo
                              {"OGG", nullptr, nullptr},    {"OGG", "OGG Channels", "0"},  // mono
                              {"WAV", nullptr, nullptr},    {"FLAC", nullptr, nullptr},
                              {"OPUS", nullptr, nullptr}};
    int n = 0;
    for (const Output& output : outputs) {
        TempConfigHome settings;
        if (output.storedName) store(kConverterKey, QLatin1String(output.storedName), QLatin1String(output.storedValue));
        converter::RunSnapshot snapshot = wholeListInto(QLatin1String(output.key));
        snapshot.loudnessTags = true;
        for (const QString& in : {mono, deep})
            snapshot.entries.push_back({in, dir.filePath(QStringLiteral("g%1.%2").arg(n++).arg(snapshot.formatKey)), true});
        const RecordingRunHost host = convert(snapshot);
        ASSERT_TRUE(host.failures.isEmpty()) << host.failures.value(0).reason.toStdString();
        for (const converter::RunEntry& entry : snapshot.entries) {
            SCOPED_TRACE(entry.output.toStdString());
            const std::vector<ScannerRow> scanned = scanWithLoudgain({entry.output});
            ASSERT_EQ(scanned.size(), 2u);
            const QMap<QString, QStringList> tags = readTagsForTest(entry.output);
            const double ours = snapshot.formatKey == QStringLiteral("OPUS")
                                    ? tags.value(QStringLiteral("R128_TRACK_GAIN")).value(0).toInt() / 256.0
                                    : tags.value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).value(0).section(QLatin1Char(' '), 0, 0).toDouble();
            EXPECT_NEAR(ours, scanned[0].gain, 0.1);
        }
    }
}

// An album is whole or has no album values: a run stopped after two of six files and resumed
// with the two outputs as existing ones gives all six the album gain loudgain finds over the six;
// an album one of whose files fails gets album values nowhere, and the run says which file.
TEST_F(Runs, AlbumValuesCoverEveryTrackOrNone) {
    const auto album = [&](const QString& name, int tracks) {
        QStringList sources;
        QDir(dir.path()).mkpath(name);
        for (int i = 0; i < tracks; ++i) {
            SampleBlock tone = musicTone(44100, 2, 2.0, unsigned(i + 3));
            for (std::int16_t& v : tone) v = static_cast<std::int16_t>(v * (0.2 + 0.15 * i));
            sources << dir.filePath(QStringLiteral("%1/%2.wav").arg(name).arg(i));
            EXPECT_EQ(writeAudioFile(sources.back(), tone, 44100, 2), QString());
        }
        return sources;
    };
    const auto snapshotOf = [](const QStringList& sources) {
        converter::RunSnapshot snapshot = wholeListInto(QStringLiteral("OGG"));
        snapshot.loudnessTags = true;
        snapshot.wholeOutputsOnly = true;
        for (const QString& source : sources) snapshot.entries.push_back({source, source.left(source.size() - 3) + QStringLiteral("ogg"), true});
        return snapshot;
    };
    const auto albumGain = [](const QString& path) {
        return readTagsForTest(path).value(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")).value(0);
    };
    const QStringList six = album(QStringLiteral("six"), 6);
    converter::RunSnapshot first = snapshotOf(six);
    AudioFile reader, writer;
    AudioInfo tags;
    RecordingRunHost stopped;
    int ended = 0;
    stopped.onFileEnded = [&] {
        if (++ended == 2) stopped.cancelRun();
    };
    converter::ConversionRunner(stopped, {reader, writer, tags, nullptr, {}}).run(first);
    QStringList outputs;
    for (const converter::RunEntry& entry : first.entries) outputs << entry.output;
    ASSERT_TRUE(QFileInfo::exists(outputs[1]) && !QFileInfo::exists(outputs[2]));
    EXPECT_TRUE(albumGain(outputs[0]).isEmpty());

    converter::RunSnapshot resumed = snapshotOf(six.mid(2));
    resumed.existing = first.entries.mid(0, 2);
    EXPECT_TRUE(convert(resumed).failures.isEmpty());
    const std::vector<ScannerRow> scanned = scanWithLoudgain(outputs);
    ASSERT_EQ(scanned.size(), 7u);
    for (const QString& output : outputs) {
        SCOPED_TRACE(output.toStdString());
        EXPECT_NEAR(albumGain(output).section(QLatin1Char(' '), 0, 0).toDouble(), scanned[6].gain, 0.1);
    }

    // One file of three is damaged: no album values, and the failures say why.
    QStringList three = album(QStringLiteral("three"), 3);
    ASSERT_EQ(damagedSources()[0].make(source(QStringLiteral("long.wav"), 44100, 12.0), dir.filePath(QStringLiteral("three/1.flac"))),
              QString());
    three[1] = dir.filePath(QStringLiteral("three/1.flac"));
    const converter::RunSnapshot broken = snapshotOf(three);
    const RecordingRunHost host = convert(broken);
    ASSERT_EQ(host.failures.size(), 2);
    EXPECT_EQ(host.failures[1].path, dir.filePath(QStringLiteral("three")));
    EXPECT_TRUE(host.failures[1].reason.contains(three[1])) << host.failures[1].reason.toStdString();
    for (const int i : {0, 2}) {
        EXPECT_FALSE(readTagsForTest(broken.entries[i].output).value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).isEmpty());
        EXPECT_TRUE(albumGain(broken.entries[i].output).isEmpty());
    }
}

// Sources cut short or patched with garbage fail with the reason, on one core and on two, with
// deletion on: each source keeps its bytes, nothing appears under an output's name and no part
// file is left; a whole file beside them is converted and deleted.
TEST_F(Runs, DamagedSourcesFailWithTheirReasonAndAreKept) {
    const QString wav = source(QStringLiteral("whole.wav"), 44100, 12.0);
    for (const int workers : {1, 2}) {
        SCOPED_TRACE(workers);
        const QString folder = dir.filePath(QStringLiteral("run%1").arg(workers));
        QDir().mkpath(folder);
        converter::RunSnapshot snapshot = wholeListInto(QStringLiteral("MP3"), workers);
        snapshot.deleteSource = true;
        QMap<QString, QByteArray> sums;
        for (const DamagedSource& damaged : damagedSources()) {
            const QString path = folder + QLatin1Char('/') + QLatin1String(damaged.file);
            ASSERT_EQ(damaged.make(wav, path), QString());
            sums.insert(path, fileMd5(path));
            snapshot.entries.push_back({path, path + QStringLiteral(".MP3"), true});
        }
        const QString good = folder + QStringLiteral("/good.wav");
        ASSERT_TRUE(QFile::copy(wav, good));
        snapshot.entries.push_back({good, folder + QStringLiteral("/good.MP3"), true});
        const RecordingRunHost host = convert(snapshot);
        ASSERT_EQ(host.failures.size(), qsizetype(damagedSources().size()));
        for (std::size_t i = 0; i < damagedSources().size(); ++i) {
            const converter::RunEntry& entry = snapshot.entries[qsizetype(i)];
            EXPECT_EQ(host.failures[qsizetype(i)].path, entry.source);
            EXPECT_TRUE(host.failures[qsizetype(i)].reason.contains(QLatin1String(damagedSources()[i].says)))
                << host.failures[qsizetype(i)].reason.toStdString();
            EXPECT_EQ(fileMd5(entry.source), sums.value(entry.source)) << entry.source.toStdString();
            EXPECT_FALSE(QFileInfo::exists(entry.output)) << entry.output.toStdString();
        }
        EXPECT_FALSE(QFileInfo::exists(good));
        EXPECT_NEAR(readBack(folder + QStringLiteral("/good.MP3")).seconds(), 12.0, 0.1);
        EXPECT_EQ(QDir(folder).entryList({QStringLiteral(".*velloria-part*")}, QDir::Files | QDir::Hidden), QStringList());
    }
}

// Copied tags through the run on two cores (so into hidden part files): an Opus source's R128
// gain, over a header gain of +6 dB, becomes the ReplayGain gain loudgain measures on a
// lossless output; an MP3's "3/10" becomes a FLAC's TRACKNUMBER and TRACKTOTAL; neither source's encoder
// reaches an output; and a FLAC's ReplayGain gain becomes an Opus output's R128 gain.
TEST_F(Runs, CopiedTagsKeepTheirMeaningInEveryOutput) {
    const QString opus = makeWithTool(QStringLiteral("opusenc --quiet --title Song --comment TRACKNUMBER=3 {in} {out}"),
                                      dir.filePath(QStringLiteral("song.opus")));
    const QString mp3 = makeWithTool(QStringLiteral("lame --quiet --tt Other --tn 3/10 --tv TPOS=1/2 {in} {out}"),
                                     dir.filePath(QStringLiteral("other.mp3")));
    const QString flac = makeWithTool(QStringLiteral("flac -s -T TITLE=Third -T \"REPLAYGAIN_TRACK_GAIN=-2.50 dB\" {in} -o {out}"),
                                      dir.filePath(QStringLiteral("third.flac")));
    ASSERT_FALSE(opus.isEmpty() || mp3.isEmpty() || flac.isEmpty());
    ASSERT_TRUE(setOpusHeaderGain(opus, 6 * 256));
    // The source's true R128 gain: what loudgain finds in ffmpeg's decoding, at -23 LUFS.
    const QString decoded = dir.filePath(QStringLiteral("song-decoded.wav"));
    ASSERT_TRUE(runTool(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), opus, decoded}));
    const std::vector<ScannerRow> truth = scanWithLoudgain({decoded});
    ASSERT_FALSE(truth.empty());
    AudioInfo tags;
    tags.ReadTags(opus);
    QMap<QString, QStringList> withGain = tags.properties();
    withGain.insert(QStringLiteral("R128_TRACK_GAIN"), {QString::number(std::lround((truth[0].gain - 5.0) * 256))});
    tags.setProperties(withGain);  // the source's ENCODER stays in it
    tags.WriteTags(opus);

    const auto convertTo = [&](const QString& format, const QStringList& sources) {
        converter::RunSnapshot snapshot;
        snapshot.formatKey = format;
        snapshot.wholeList = true;
        snapshot.workers = 2;
        snapshot.preserveTags = true;
        snapshot.settings = OutputSettings::load(kConverterKey);
        QStringList outputs;
        for (const QString& source : sources) {
            outputs << converter::outputPath(source, format, false, dir.filePath(format));
            snapshot.entries.push_back({source, outputs.back(), false});
        }
        QDir(dir.path()).mkpath(format);
        EXPECT_TRUE(convert(snapshot).failures.isEmpty());
        return outputs;
    };
    const QStringList flacs = convertTo(QStringLiteral("FLAC"), {opus, mp3});
    const QMap<QString, QStringList> fromOpus = metaflacTags(flacs[0]);
    EXPECT_EQ(fromOpus.value(QStringLiteral("TRACKNUMBER")), QStringList{QStringLiteral("3")});
    EXPECT_FALSE(fromOpus.contains(QStringLiteral("ENCODER")) || fromOpus.contains(QStringLiteral("R128_TRACK_GAIN")))
        << tagLine(fromOpus).toStdString();
    const double carried = fromOpus.value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).value(0).section(QLatin1Char(' '), 0, 0).toDouble();
    EXPECT_NEAR(carried, scanWithLoudgain({flacs[0]}).at(0).gain, 0.1);
    EXPECT_EQ(tagLine(metaflacTags(flacs[1])), QStringLiteral("DISCNUMBER=1|DISCTOTAL=2|TITLE=Other|TRACKNUMBER=3|TRACKTOTAL=10"));

    const QStringList mp3s = convertTo(QStringLiteral("MP3"), {opus});
    const QMap<QString, QStringList> probed = ffprobeTags(mp3s[0]);
    EXPECT_EQ(probed.value(QStringLiteral("TRACK")), QStringList{QStringLiteral("3")});
    EXPECT_FALSE(probed.contains(QStringLiteral("ENCODER"))) << tagLine(probed).toStdString();
    // The stored MP3 settings change the sound a little, so the gain is the source's own.
    EXPECT_NEAR(probed.value(QStringLiteral("REPLAYGAIN_TRACK_GAIN")).value(0).section(QLatin1Char(' '), 0, 0).toDouble(),
                truth[0].gain, 0.01);

    const QStringList opuses = convertTo(QStringLiteral("OPUS"), {flac});
    EXPECT_EQ(tagLine(ffprobeTags(opuses[0])), QStringLiteral("R128_TRACK_GAIN=-1920|TITLE=Third"));
}

// Part files left in `folder` (hidden, named after their outputs).
QStringList partFilesIn(const QString& folder) {
    return QDir(folder).entryList({QStringLiteral(".*velloria-part*")}, QDir::AllEntries | QDir::Hidden | QDir::System);
}

// A run cancelled during its album's last file writes no album values, whatever moment the
// cancel comes at: when the file starts, at its first block, or as it ends; on one core and on two.
TEST_F(Runs, AnAlbumWhoseLastFileWasCancelledGetsNoAlbumValues) {
    const struct {
        const char* moment;
        std::function<void(RecordingRunHost&)> arrange;  // cancels during the third and last file
    } cases[] = {
        {"start", [](RecordingRunHost& h) { h.onFileStarted = [&h](int n) { if (n == 3) h.cancelRun(); }; }},
        {"first block",
         [](RecordingRunHost& h) {
             h.onFileStarted = [&h](int n) {
                 if (n == 3) h.onFirstBlock = [&h] { h.cancelRun(); };
             };
         }},
        {"end", [](RecordingRunHost& h) { h.onFileEnded = [&h, ended = 0]() mutable { if (++ended == 3) h.cancelRun(); }; }},
    };
    int n = 0;
    for (const int workers : {1, 2}) {
        for (const auto& c : cases) {
            SCOPED_TRACE(std::string(c.moment) + ", workers " + std::to_string(workers));
            const QString folder = dir.filePath(QStringLiteral("album%1").arg(n++));
            QDir().mkpath(folder);
            converter::RunSnapshot snapshot = wholeListInto(QStringLiteral("OGG"), workers);
            snapshot.loudnessTags = true;
            for (int i = 0; i < 3; ++i) {
                const QString in = folder + QStringLiteral("/%1.wav").arg(i);
                ASSERT_EQ(writeAudioFile(in, musicTone(44100, 2, 1.5, unsigned(i + 1)), 44100, 2), QString());
                snapshot.entries.push_back({in, folder + QStringLiteral("/%1.ogg").arg(i), true});
            }
            RecordingRunHost host;
            c.arrange(host);
            runConversion(snapshot, host);
            for (int i = 0; i < 3; ++i) {
                const QMap<QString, QStringList> tags = readTagsForTest(snapshot.entries[i].output);
                EXPECT_FALSE(tags.contains(QStringLiteral("REPLAYGAIN_ALBUM_GAIN"))) << i;
                if (i < 2) {
                    EXPECT_TRUE(tags.contains(QStringLiteral("REPLAYGAIN_TRACK_GAIN"))) << i;
                }
            }
        }
    }
}

// The host of a run on several cores that waits for a worker until it has ended, then runs
// `afterWait`: the file it follows is written and measured, its tags are still to come.
struct PatientHost : RecordingRunHost {
    std::function<void()> afterWait;
    bool waitForWorkers(int, const std::function<void(int ms)>& block) override {
        block(600000);
        if (afterWait) afterWait();
        return true;
    }
};

// A part file whose loudness tags cannot be written is no output: the source is kept with its
// bytes although deletion is on, nothing appears under the output's name, and the album beside it
// gets no album values. The part becomes a folder once it is written and measured: on one core at
// the second full bar (the first is the encoder's), on two once the run has waited for it.
TEST_F(Runs, AnOutputWhoseLoudnessTagsCannotBeWrittenKeepsItsSource) {
    for (const int workers : {1, 2}) {
        SCOPED_TRACE(workers);
        const QString folder = dir.filePath(QStringLiteral("tagless%1").arg(workers));
        QDir().mkpath(folder);
        converter::RunSnapshot snapshot = wholeListInto(QStringLiteral("OGG"), workers);
        snapshot.loudnessTags = true;
        snapshot.deleteSource = true;
        for (int i = 0; i < 2; ++i) {
            const QString in = folder + QStringLiteral("/%1.wav").arg(i);
            ASSERT_EQ(writeAudioFile(in, musicTone(44100, 2, i == 0 ? 10.0 : 1.0, unsigned(i + 1)), 44100, 2), QString());
            snapshot.entries.push_back({in, folder + QStringLiteral("/%1.ogg").arg(i), true});
        }
        const QByteArray sum = fileMd5(snapshot.entries[0].source);
        const QString part = converter::partFileFor(snapshot.entries[0].output, 0);
        bool replaced = false;
        const auto replace = [&] {
            if (replaced || !QFileInfo(part).isFile()) return;
            replaced = QFile::remove(part) && QDir().mkdir(part);
        };
        PatientHost host;
        if (workers == 1) {
            host.onProgress = [&, full = 0](double percent) mutable {
                if (percent >= 100 && ++full == 2) replace();
            };
        } else {
            host.afterWait = replace;
        }
        runConversion(snapshot, host);
        EXPECT_TRUE(replaced) << "the part file was not reached before its tags";
        EXPECT_EQ(host.failedPaths(), (QStringList{snapshot.entries[0].source, folder}));
        EXPECT_TRUE(host.failures.value(0).reason.startsWith(
            QStringLiteral("The loudness tags could not be written (the source is kept): Loudness tags cannot be written: ")))
            << host.failures.value(0).reason.toStdString();
        EXPECT_EQ(fileMd5(snapshot.entries[0].source), sum);
        EXPECT_FALSE(QFileInfo::exists(snapshot.entries[0].output));
        EXPECT_FALSE(QFileInfo::exists(snapshot.entries[1].source));
        const QMap<QString, QStringList> tags = readTagsForTest(snapshot.entries[1].output);
        EXPECT_TRUE(tags.contains(QStringLiteral("REPLAYGAIN_TRACK_GAIN")));
        EXPECT_FALSE(tags.contains(QStringLiteral("REPLAYGAIN_ALBUM_GAIN")));
        QDir().rmdir(part);
        EXPECT_EQ(partFilesIn(folder), QStringList());
    }
}

// An output that cannot be put in place (a folder has its name, and overwriting was allowed)
// keeps its source with deletion on: the reason names the output, the folder and what it holds
// stay, and no part file is left; on one core and on two.
TEST_F(Runs, ASourceIsKeptWhenItsOutputCannotBePutInPlace) {
    for (const int workers : {1, 2}) {
        SCOPED_TRACE(workers);
        const QString folder = dir.filePath(QStringLiteral("blocked%1").arg(workers));
        const QString out = folder + QStringLiteral("/song.MP3");
        QDir().mkpath(out);
        QFile inside(out + QStringLiteral("/keep.txt"));
        ASSERT_TRUE(inside.open(QIODevice::WriteOnly) && inside.write("kept") == 4);
        inside.close();
        const QString in = folder + QStringLiteral("/song.wav");
        ASSERT_EQ(writeAudioFile(in, musicTone(44100, 2, 1.0), 44100, 2), QString());
        const QByteArray sum = fileMd5(in);
        converter::RunSnapshot snapshot = wholeListInto(QStringLiteral("MP3"), workers);
        snapshot.deleteSource = true;
        snapshot.entries.push_back({in, out, true});
        const RecordingRunHost host = convert(snapshot);
        EXPECT_EQ(host.failedPaths(), QStringList{in});
        EXPECT_EQ(host.failures.value(0).reason, QStringLiteral("The output could not be put in place of '%1'.").arg(out));
        EXPECT_EQ(fileMd5(in), sum);
        EXPECT_TRUE(QFileInfo(out).isDir());
        EXPECT_TRUE(QFileInfo::exists(out + QStringLiteral("/keep.txt")));
        EXPECT_EQ(partFilesIn(folder), QStringList());
    }
}

// Two outputs named through a linked folder are one output: the second entry is refused, kept
// and listed, and the first one's audio is what the output holds; on one core and on two.
TEST_F(Runs, AnOutputNamedThroughALinkedFolderIsClaimedOnce) {
    for (const int workers : {1, 2}) {
        SCOPED_TRACE(workers);
        const QString folder = dir.filePath(QStringLiteral("linked%1").arg(workers));
        QDir().mkpath(folder + QStringLiteral("/out"));
        ASSERT_TRUE(QFile::link(folder + QStringLiteral("/out"), folder + QStringLiteral("/link")));
        const QString a = folder + QStringLiteral("/a.wav");
        const QString b = folder + QStringLiteral("/b.wav");
        ASSERT_EQ(writeAudioFile(a, musicTone(44100, 2, 1.0, 1), 44100, 2), QString());
        ASSERT_EQ(writeAudioFile(b, musicTone(44100, 2, 1.0, 2), 44100, 2), QString());
        converter::RunSnapshot snapshot = wholeListInto(QStringLiteral("MP3"), workers);
        snapshot.deleteSource = true;
        snapshot.entries.push_back({a, folder + QStringLiteral("/out/x.MP3"), true});
        snapshot.entries.push_back({b, folder + QStringLiteral("/link/x.MP3"), true});
        const SampleBlock audioOfA = readBack(a).samples;
        const RecordingRunHost host = convert(snapshot);
        EXPECT_EQ(host.failedPaths(), QStringList{b});
        EXPECT_EQ(host.failures.value(0).reason,
                  QStringLiteral("File '%1' would overwrite the output of '%2'. Rename it first.").arg(b, a));
        EXPECT_TRUE(QFileInfo::exists(b));
        EXPECT_FALSE(QFileInfo::exists(a));
        EXPECT_EQ(host.started, QList<int>{1});
        EXPECT_GT(bestCorrelation(audioOfA, 2, readBack(folder + QStringLiteral("/out/x.MP3")).samples, 2), 0.9);
        EXPECT_EQ(partFilesIn(folder + QStringLiteral("/out")), QStringList());
    }
}

// Nothing of Qt Widgets came in: the application is a core one.
TEST(RunsExecutable, HasNoWidgetApplication) {
    EXPECT_STREQ(QCoreApplication::instance()->metaObject()->className(), "QCoreApplication");
}

}  // namespace
