// The extraction run without its window, over videos that ffmpeg makes: the output name
// rule, the output in each format at the rate and channels chosen, the overwrite question,
// cancel at either point of a pass, the button states each ending leaves, and the rule that
// the video goes only after its whole sound track was written.
#include "components/audio/settings/MP3Settings.h"
#include "runs/ExtractionRun.h"
#include "support/Damage.h"
#include "support/RunHosts.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <functional>
#include <memory>

using namespace extractor;
using namespace testing_support;

namespace {

QStringList args(std::initializer_list<const char*> list) {
    QStringList out;
    for (const char* a : list) out << QLatin1String(a);
    return out;
}

using RecordingHost = RecordingExtractionHost;

class Extraction : public ::testing::Test {
public:
    static void SetUpTestSuite() {
        dir = std::make_unique<QTemporaryDir>();
        sound48 = dir->filePath(QStringLiteral("sound48.wav"));
        ASSERT_EQ(writeAudioFile(sound48, musicTone(48000, 2, 4.0), 48000, 2), QString());
        master = dir->filePath(QStringLiteral("master.mp4"));
        ASSERT_EQ(makeVideo(master, sound48, args({"-c:a", "aac", "-b:a", "192k"})), QString());
    }
    static void TearDownTestSuite() { dir.reset(); }

    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        components = std::make_shared<Components>();
        MP3Settings mp3;
        components->AudioFileOut.UseMp3Settings(mp3);
    }

    // A fresh copy of the 4-second AAC video under `name`.
    QString video(const QString& name = QStringLiteral("movie.mp4")) {
        const QString p = work.filePath(name);
        QFile::remove(p);
        EXPECT_TRUE(QFile::copy(master, p));
        return p;
    }
    RunRequest request(const QString& input, const QString& format = QStringLiteral("MP3")) {
        RunRequest r;
        r.input = input;
        r.format = format;
        r.channelsIndex = 1;  // Stereo
        r.bitRate = QStringLiteral("128");
        r.frequency = QStringLiteral("44100");
        return r;
    }
    RunEnd run(const RunRequest& r) {
        ExtractionRun extraction(host, components);
        lastEnd = extraction.run(r);
        output = extraction.output();
        return lastEnd;
    }
    // The output matches ffmpeg's own decode of the video at the output's rate and channels.
    void expectSoundOf(const QString& input, const QString& out, int rate, int channels) {
        const ReadBack got = readBack(out);
        ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();
        EXPECT_EQ(got.rate, rate);
        EXPECT_EQ(got.channels, channels);
        const SampleBlock reference = ffmpegDecode(input, rate, channels);
        const double seconds = static_cast<double>(reference.size()) / channels / rate;
        EXPECT_NEAR(seconds, 4.0, 0.1);
        EXPECT_NEAR(got.seconds(), seconds, 0.1);
        for (int ch = 0; ch < channels; ++ch)
            EXPECT_GT(bestCorrelation(got.samples, channels, reference, channels, ch), 0.9) << "channel " << ch;
    }
    // The buttons the window sets after the last run's end.
    void expectButtons(bool extract, bool settings, bool cancel) const {
        const std::optional<Buttons> buttons = buttonsAfter(lastEnd);
        ASSERT_TRUE(buttons.has_value());
        EXPECT_EQ(buttons->extract, extract);
        EXPECT_EQ(buttons->settings, settings);
        EXPECT_EQ(buttons->cancel, cancel);
    }

    static inline std::unique_ptr<QTemporaryDir> dir;
    static inline QString sound48;
    static inline QString master;
    QTemporaryDir work;
    std::shared_ptr<Components> components;
    RecordingHost host;
    QString output;
    RunEnd lastEnd = RunEnd::Stopped;
};

TEST(ExtractionNames, FollowTheNameRule) {
    const struct {
        const char* input;
        const char* format;
        bool sameFolder;
        const char* folder;
        const char* output;
    } cases[] = {
        // Beside the video its extension, whatever its length, gives way to "_Audio." + key.
        {"/v/movie.avi", "MP3", true, "", "/v/movie_Audio.MP3"},
        {"/v/clip.webm", "MP3", true, "", "/v/clip_Audio.MP3"},
        {"/v/clip.mpeg", "OGG", true, "", "/v/clip_Audio.OGG"},
        {"/v/a.qt", "WAV", true, "", "/v/a_Audio.WAV"},
        {"/v.d/film", "WAV", true, "", "/v.d/film_Audio.WAV"},
        {"/v/.avi", "MP3", true, "", "/v/.avi_Audio.MP3"},
        // An empty format is MP3; a chosen but empty folder writes beside the video.
        {"/v/movie.avi", "", false, "", "/v/movie_Audio.MP3"},
        // Into a folder: the name without its extension and the key.
        {"/v/movie.avi", "WAV", false, "/out", "/out/movie.WAV"},
        {"/v/my.holiday.mp4", "WMA", false, "/out/", "/out//my.holiday.WMA"},
        {"/v/.avi", "MP3", false, "/out", "/out/.avi.MP3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outputPath(QLatin1String(c.input), QLatin1String(c.format), c.sameFolder, QLatin1String(c.folder)),
                  QLatin1String(c.output))
            << c.input;
}

// The must-show path: AAC at 48 kHz in MP4, out as MP3 at 44 100 Hz stereo 128 kbit/s, then as
// mono WAV at 22 050 Hz and as Ogg Vorbis, each at the right speed.
TEST_F(Extraction, WritesEachFormatAtTheChosenRateAndChannels) {
    const QString in = video();
    ASSERT_EQ(run(request(in)), RunEnd::Written);
    EXPECT_EQ(output, work.filePath(QStringLiteral("movie_Audio.MP3")));
    expectSoundOf(in, output, 44100, 2);
    EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join(QLatin1Char('|')).toStdString();
    expectButtons(true, true, true);
    EXPECT_EQ(host.bar, 0);
    EXPECT_EQ(*std::max_element(host.bars.begin(), host.bars.end()), 100);
    EXPECT_TRUE(QFile::exists(in));

    RunRequest wav = request(in, QStringLiteral("WAV"));
    wav.channelsIndex = 0;
    wav.frequency = QStringLiteral("22050");
    wav.sameFolder = false;
    wav.folder = work.filePath(QStringLiteral("out"));
    QDir().mkpath(wav.folder);
    ASSERT_EQ(run(wav), RunEnd::Written);
    EXPECT_EQ(output, wav.folder + QStringLiteral("/movie.WAV"));
    expectSoundOf(in, output, 22050, 1);

    ASSERT_EQ(run(request(in, QStringLiteral("OGG"))), RunEnd::Written);
    expectSoundOf(in, output, 44100, 2);
}

// Every rate of the frequency list, in each format held to that format's own rules: WAV and Ogg
// Vorbis write them all (Vorbis at the nearest quality where it sets no bitrate), MP3 refuses
// the rates MPEG has not, naming those it has. A bitrate Vorbis cannot hold at a rate it does
// manage is refused naming the bitrates it takes. Whole videos whose sound ends before the
// picture, and live recordings that state no length, extract whole; the video then goes when
// deletion is asked for.
TEST_F(Extraction, EveryListedRateInEveryFormatAndEveryWholeVideo) {
    const QString in = video();
    struct RateCase {
        const char* format;
        const char* channels;  // list position: 0 Mono, 1 Stereo
        const char* bitRate;
        const char* refusal;  // what the message names; nullptr when the file is written
    };
    QList<std::pair<QString, RateCase>> cases;
    for (const char* rate : {"96000", "88200", "48000", "44100", "32000", "24000", "22050", "16000", "12000", "11025",
                             "8000", "6000"}) {
        const bool mpeg = QByteArray(rate) != "96000" && QByteArray(rate) != "88200" && QByteArray(rate) != "6000";
        cases.append({QLatin1String(rate), RateCase{"WAV", "1", "64", nullptr}});
        cases.append({QLatin1String(rate), RateCase{"OGG", "1", "64", nullptr}});
        cases.append({QLatin1String(rate), RateCase{"MP3", "1", "64", mpeg ? nullptr : "8000..48000 Hz"}});
    }
    cases.append({QStringLiteral("11025"), RateCase{"OGG", "0", "128", "16 to 48 kbit/s"}});
    for (const auto& [rate, c] : cases) {
        SCOPED_TRACE((QLatin1String(c.format) + QLatin1Char(' ') + rate + QStringLiteral(" Hz ") + QLatin1String(c.bitRate) +
                      QStringLiteral(" kbit/s channels ") + QLatin1String(c.channels))
                         .toStdString());
        host.messages.clear();
        RunRequest r = request(in, QLatin1String(c.format));
        r.frequency = rate;
        r.bitRate = QLatin1String(c.bitRate);
        r.channelsIndex = QByteArray(c.channels).toInt();
        if (c.refusal) {
            EXPECT_EQ(run(r), RunEnd::Failed);
            ASSERT_EQ(host.messages.size(), 1);
            EXPECT_TRUE(host.messages[0].contains(QLatin1String(c.refusal))) << host.messages[0].toStdString();
            EXPECT_FALSE(host.messages[0].contains(QLatin1String(QByteArray(c.format) == "MP3" ? "Vorbis" : "MP3")))
                << host.messages[0].toStdString();
            continue;
        }
        ASSERT_EQ(run(r), RunEnd::Written) << host.messages.join(QLatin1Char('|')).toStdString();
        const ReadBack got = readBack(output);
        ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();
        EXPECT_EQ(got.rate, rate.toInt());
        EXPECT_EQ(got.channels, 2);
        EXPECT_NEAR(got.seconds(), 4.0, 0.15);
    }

    const QString sound = work.filePath(QStringLiteral("sound.wav"));
    ASSERT_EQ(writeAudioFile(sound, musicTone(44100, 2, 2.0), 44100, 2), QString());
    struct VideoCase {
        const char* name;
        QStringList audioArgs;
        QStringList videoArgs;
        double pictureSeconds;
    };
    const QStringList mpeg4 = args({"-c:v", "mpeg4"});
    const VideoCase videos[] = {
        {"half.mkv", args({"-c:a", "libvorbis"}), mpeg4, 4.0},
        {"half.webm", args({"-c:a", "libopus"}), args({"-c:v", "libvpx", "-deadline", "realtime"}), 4.0},
        {"live.mkv", args({"-c:a", "libvorbis"}), args({"-c:v", "mpeg4", "-live", "1"}), 0},
    };
    for (const VideoCase& v : videos) {
        for (const char* format : {"MP3", "WAV", "OGG"}) {
            SCOPED_TRACE(std::string(v.name) + " to " + format);
            const QString path = work.filePath(QLatin1String(v.name));
            ASSERT_EQ(makeVideo(path, sound, v.audioArgs, v.videoArgs, v.pictureSeconds), QString());
            host.messages.clear();
            host.bars.clear();
            RunRequest r = request(path, QLatin1String(format));
            r.deleteSource = true;
            ASSERT_EQ(run(r), RunEnd::Written) << host.messages.join(QLatin1Char('|')).toStdString();
            EXPECT_TRUE(host.messages.isEmpty());
            EXPECT_FALSE(QFile::exists(path));
            EXPECT_GE(*std::max_element(host.bars.begin(), host.bars.end()), 45);  // half the stated length, or the bytes read
            const ReadBack got = readBack(output);
            ASSERT_TRUE(got.error.isEmpty()) << got.error.toStdString();
            EXPECT_NEAR(got.seconds(), 2.0, 0.1);
        }
    }
}

// A missing output folder is made with its parents; one that cannot be made is named, and
// nothing else happens.
TEST_F(Extraction, MakesTheChosenFolderOrSaysWhyNot) {
    const QString in = video();
    RunRequest r = request(in, QStringLiteral("WAV"));
    r.sameFolder = false;
    r.folder = work.filePath(QStringLiteral("Music/Extracted audio"));
    ASSERT_EQ(run(r), RunEnd::Written);
    EXPECT_EQ(output, r.folder + QStringLiteral("/movie.WAV"));
    EXPECT_NEAR(readBack(output).seconds(), 4.0, 0.1);

    QFile blocker(work.filePath(QStringLiteral("plain")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    r.folder = work.filePath(QStringLiteral("plain/sub"));
    r.deleteSource = true;
    EXPECT_EQ(run(r), RunEnd::Failed);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].contains(QStringLiteral("could not be created"))) << host.messages[0].toStdString();
    EXPECT_TRUE(QFile::exists(in));
    expectButtons(true, true, false);
}

TEST_F(Extraction, AsksBeforeOverwritingAndKeepsTheFileOnNo) {
    const QString in = video();
    const QString existing = work.filePath(QStringLiteral("movie_Audio.MP3"));
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("an older extraction");
    f.close();

    host.overwriteAnswer = false;
    EXPECT_EQ(run(request(in)), RunEnd::OverwriteRefused);
    EXPECT_EQ(host.questions, 1);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("an older extraction"));
    f.close();
    expectButtons(true, true, true);
    EXPECT_TRUE(host.barShown);
    EXPECT_EQ(host.bar, 0);

    host.overwriteAnswer = true;
    EXPECT_EQ(run(request(in)), RunEnd::Written);
    EXPECT_EQ(host.questions, 2);
    expectSoundOf(in, existing, 44100, 2);
}

// A cancel seen after a block was written (the bar has just moved) clears the request; one
// seen before the next block is read keeps it. Either way the partial output stays, the
// video is kept although deletion is asked for, and the buttons are all enabled.
TEST_F(Extraction, CancelsAtEitherPointOfAPassInBothModes) {
    struct Case {
        const char* format;
        bool atPassEnd;
    };
    for (const Case c : {Case{"MP3", true}, Case{"MP3", false}, Case{"WMA", true}, Case{"WMA", false}}) {
        SCOPED_TRACE(std::string(c.format) + (c.atPassEnd ? " at the end of a pass" : " at the start of a pass"));
        const QString in = video();
        RunRequest r = request(in, QLatin1String(c.format));
        r.deleteSource = true;
        // The bar moves once a pass, after the block was written; a WMA pass then lets events
        // run twice, an ordinary one once. The last of them comes before the next block is read.
        const int lastPassEvent = QLatin1String(c.format) == QLatin1String("WMA") ? 2 : 1;
        int blocks = 0;
        int passEvents = 0;
        host.onBar = [&](RecordingHost& h, int) {
            passEvents = 0;
            if (++blocks == 10 && c.atPassEnd) h.cancelFlag = true;
        };
        host.onPass = [&](RecordingHost& h) {
            if (blocks == 10 && ++passEvents == lastPassEvent && !c.atPassEnd) h.cancelFlag = true;
        };
        EXPECT_EQ(run(r), c.atPassEnd ? RunEnd::CancelledAtPassEnd : RunEnd::CancelledAtPassStart);
        EXPECT_EQ(host.cancelFlag, !c.atPassEnd);
        expectButtons(true, true, true);
        EXPECT_EQ(host.bar, 0);
        EXPECT_TRUE(QFile::exists(in));
        const ReadBack partial = readBack(output);
        EXPECT_TRUE(partial.error.isEmpty()) << partial.error.toStdString();
        EXPECT_GT(partial.seconds(), 0.1);
        EXPECT_LT(partial.seconds(), 2.0);
        EXPECT_FALSE(components->VideoFileIn.isOpen());
        EXPECT_EQ(components->WMAoutFile.state(), 0);
        host.onBar = {};
        host.onPass = {};
        QFile::remove(output);
    }
}

// Videos the run cannot read, or that are cut short, end with "Error: " and a reason, the buttons as the failure
// leaves them, and the video kept although deletion is asked for; nothing hangs, in either
// mode. A missing input is only reported.
TEST_F(Extraction, ReportsVideosItCannotReadAndKeepsThem) {
    const QString silent = work.filePath(QStringLiteral("silent.mp4"));
    ASSERT_EQ(makeVideo(silent, {}, {}), QString());
    const QString text = work.filePath(QStringLiteral("notes.avi"));
    QFile f(text);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(QByteArray("not a film\n").repeated(500));
    f.close();
    // A video cut in half states the whole length; the WMA loop used to wait for that count.
    const QString longSound = work.filePath(QStringLiteral("long.wav"));
    ASSERT_EQ(writeAudioFile(longSound, musicTone(44100, 2, 8.0), 44100, 2), QString());
    const QString whole = work.filePath(QStringLiteral("whole.mkv"));
    ASSERT_EQ(makeVideo(whole, longSound, args({"-c:a", "libvorbis"})), QString());
    const QString cut = work.filePath(QStringLiteral("cut.mkv"));
    {
        QFile in(whole);
        ASSERT_TRUE(in.open(QIODevice::ReadOnly));
        QFile out(cut);
        ASSERT_TRUE(out.open(QIODevice::WriteOnly));
        out.write(in.read(in.size() / 2));
    }

    struct Case {
        QString input;
        const char* format;
        const char* mentions;
    };
    for (const Case& c : {Case{silent, "MP3", "no audio"}, Case{silent, "WMA", "no audio"}, Case{text, "MP3", "notes.avi"},
                          Case{cut, "MP3", "incomplete"}, Case{cut, "WMA", "incomplete"}}) {
        SCOPED_TRACE((QFileInfo(c.input).fileName() + QLatin1Char(' ') + QLatin1String(c.format)).toStdString());
        host.messages.clear();
        RunRequest r = request(c.input, QLatin1String(c.format));
        r.deleteSource = true;
        EXPECT_EQ(run(r), RunEnd::Failed);
        ASSERT_EQ(host.messages.size(), 1);
        EXPECT_TRUE(host.messages[0].startsWith(QStringLiteral("Error: "))) << host.messages[0].toStdString();
        EXPECT_TRUE(host.messages[0].contains(QLatin1String(c.mentions))) << host.messages[0].toStdString();
        expectButtons(true, true, false);
        EXPECT_EQ(host.bar, 0);
        EXPECT_TRUE(QFile::exists(c.input));
    }

    host.messages.clear();
    EXPECT_EQ(run(request(work.filePath(QStringLiteral("gone.mp4")))), RunEnd::InputMissing);
    EXPECT_EQ(host.messages, QStringList{QStringLiteral(" the input file doesn't exist")});
    expectButtons(true, true, true);
}

// The video is deleted only after the output was written and closed without error: a disk
// that fills up keeps it; a whole output removes it, read-only or not.
TEST_F(Extraction, DeletesTheVideoOnlyAfterAWholeOutput) {
    const QString in = video();
    RunRequest r = request(in, QStringLiteral("WAV"));
    r.deleteSource = true;
    {
        FileSizeLimit full(100 * 1024);
        EXPECT_EQ(run(r), RunEnd::Failed);
    }
    EXPECT_TRUE(QFile::exists(in));
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].startsWith(QStringLiteral("Error: ")));

    QFile::setPermissions(in, QFileDevice::ReadOwner);
    host.overwriteAnswer = true;
    EXPECT_EQ(run(r), RunEnd::Written);
    EXPECT_FALSE(QFile::exists(in));
    expectSoundOf(master, output, 44100, 2);
}

// Writing the output over the video being read would destroy it.
TEST_F(Extraction, NeverWritesOverTheVideoItself) {
    const QString in = video(QStringLiteral("song.MP3"));
    RunRequest r = request(in);
    r.sameFolder = false;
    r.folder = work.path();
    r.deleteSource = true;
    EXPECT_EQ(run(r), RunEnd::Failed);
    EXPECT_EQ(host.questions, 0);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].contains(QStringLiteral("would replace the video"))) << host.messages[0].toStdString();
    QFile copy(in), original(master);
    ASSERT_TRUE(copy.open(QIODevice::ReadOnly) && original.open(QIODevice::ReadOnly));
    EXPECT_EQ(copy.readAll(), original.readAll());
}

// A 5.1 sound track (AC3 with side channels) keeps its six channels in FLAC, Opus, WAV and Ogg
// Vorbis with Stereo listed, each carrying its own channel as ffmpeg decodes the video; MP3 and WMA
// get stereo, and Mono is mono in any format.
TEST_F(Extraction, KeepsASurroundSoundTrackWhereTheFormatHoldsIt) {
    const QString tones = work.filePath(QStringLiteral("tones.wav"));
    ASSERT_EQ(makeChannelTones(tones, QStringLiteral("5.1(side)"), 6, 3.0), QString());
    const QString in = work.filePath(QStringLiteral("surround.mkv"));
    ASSERT_EQ(makeVideo(in, tones, args({"-c:a", "ac3", "-b:a", "448k"})), QString());
    struct Case {
        const char* format;
        int channelsIndex;
        int channels;
        const char* layout;
    };
    std::vector<Case> cases = {{"FLAC", 1, 6, "5.1(side)"}, {"OPUS", 1, 6, "5.1"}, {"WAV", 1, 6, "5.1"},
                               {"OGG", 1, 6, "5.1"},        {"MP3", 1, 2, "stereo"}, {"FLAC", 0, 1, "mono"}};
    if (wmaEncoderAvailable()) cases.push_back({"WMA", 1, 2, ""});
    const SampleBlock reference = ffmpegDecode(in, 44100, 6);
    for (const Case& c : cases) {
        RunRequest r = request(in, QLatin1String(c.format));
        r.channelsIndex = c.channelsIndex;
        ASSERT_EQ(run(r), RunEnd::Written) << c.format << ": " << host.messages.join(QLatin1Char('|')).toStdString();
        SCOPED_TRACE(output.toStdString());
        QStringList expected{QString::number(c.channels)};
        if (*c.layout) expected << QLatin1String(c.layout);
        EXPECT_EQ(probeAudio(output, *c.layout ? QStringLiteral("channels,channel_layout") : QStringLiteral("channels")), expected);
        if (c.channels != 6) continue;
        const SampleBlock out = ffmpegDecode(output, 44100, 6);
        for (int ch = 0; ch < 6; ++ch) EXPECT_GT(bestCorrelation(reference, 6, out, 6, ch, 600), 0.95) << "channel " << ch;
    }
}

// When the window goes away under a run, the run stops at its next check, leaves the host
// alone from then on, keeps the partial output and never deletes the video.
TEST_F(Extraction, StopsWithoutTouchingAWindowClosedUnderIt) {
    for (const char* format : {"MP3", "WMA"}) {
        SCOPED_TRACE(format);
        const QString in = video();
        RunRequest r = request(in, QLatin1String(format));
        r.deleteSource = true;
        int blocks = 0;
        host.onBar = [&](RecordingHost& h, int) {
            if (++blocks == 5) h.gone = true;
        };
        host.messages.clear();
        EXPECT_EQ(run(r), RunEnd::Stopped);
        EXPECT_EQ(host.touchedWhileGone, 0);
        EXPECT_TRUE(host.messages.isEmpty());
        EXPECT_TRUE(QFile::exists(in));
        EXPECT_GT(readBack(output).seconds(), 0.0);
        EXPECT_FALSE(components->VideoFileIn.isOpen());
        EXPECT_EQ(components->WMAoutFile.state(), 0);
        host.gone = false;
        host.onBar = {};
        QFile::remove(output);
    }
}

}  // namespace
