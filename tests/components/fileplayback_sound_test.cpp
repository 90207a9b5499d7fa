// Playing a file through the player as the preview and the recorder's playback do: the whole
// file is heard once, a pause keeps the place, damaged data ends playback with its reason, and
// a file that cannot play says why.
#include "components/audio/codecs/AudioFile.h"
#include "components/sound/AudioPlayer.h"
#include "components/sound/AudioRecorder.h"
#include "components/sound/FilePlayback.h"
#include "support/Damage.h"
#include "support/Signals.h"
#include "support/SoundServer.h"
#include "support/CoreSupport.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

struct Playback {
    AudioFile reader;
    sound::AudioPlayer player;
    sound::FilePlayback feed{reader, player};
    int ends = 0;
    Playback() { QObject::connect(&feed, &sound::FilePlayback::ended, [this] { ++ends; }); }
};

}  // namespace

TEST(FilePlayback, AFileThatCannotPlaySaysWhyAndStaysClosed)
{
    QTemporaryDir dir;
    const QString silent = dir.filePath(QStringLiteral("empty.wav"));
    ASSERT_EQ(writeAudioFile(silent, {}, 44100, 2), QString());
    const std::pair<QString, const char*> cases[] = {
        {QString(), "No file was chosen."},
        {dir.filePath(QStringLiteral("missing.wav")), "does not exist"},
        {silent, "contains no audio"},
    };
    for (const auto& [path, reason] : cases) {
        Playback p;
        EXPECT_FALSE(p.feed.start(path));
        EXPECT_TRUE(p.feed.reason().contains(QLatin1String(reason))) << p.feed.reason().toStdString();
        EXPECT_FALSE(p.feed.isActive());
        EXPECT_FALSE(p.player.isPlaying());
        EXPECT_FALSE(p.reader.isReading());
    }
}

TEST(FilePlayback, TheWholeFileIsHeardOnceThenItEnds)
{
    REQUIRE_SOUND_SERVER();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("three.wav"));
    const SampleBlock music = musicTone(44100, 2, 3.0);
    ASSERT_EQ(writeAudioFile(path, music, 44100, 2), QString());
    sound::AudioRecorder recorder;
    recorder.prepare(44100, 2);
    recorder.start();
    ASSERT_EQ(recorder.status(), 0) << recorder.reason().toStdString();
    Playback p;
    ASSERT_TRUE(p.feed.start(path)) << p.feed.reason().toStdString();
    EXPECT_EQ(p.feed.blockSamples(), 88200);
    ASSERT_TRUE(waitFor([&] { return p.ends > 0; }, 30000));
    waitFor([] { return false; }, 300);  // the tail reaches the recorder
    recorder.stop();
    SampleBlock recorded;
    for (SampleBlock b = recorder.takeBlock(); !b.empty(); b = recorder.takeBlock())
        recorded.insert(recorded.end(), b.begin(), b.end());
    EXPECT_EQ(p.ends, 1);
    EXPECT_FALSE(p.feed.isActive());
    EXPECT_FALSE(p.reader.isReading());
    EXPECT_TRUE(p.feed.reason().isEmpty());
    std::size_t loudFrames = 0;
    const SampleBlock heard = fromOnset(recorded, 2, &loudFrames);
    EXPECT_NEAR(static_cast<double>(loudFrames) / 44100.0, 3.0, 0.2);
    EXPECT_GT(bestCorrelation(music, 2, heard, 2, 0, 1000), 0.9);
}

TEST(FilePlayback, APauseKeepsThePlaceAndDamagedDataEndsWithItsReason)
{
    REQUIRE_SOUND_SERVER();
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("damaged.mp3"));
    ASSERT_EQ(writeAudioFile(path, musicTone(44100, 2, 20.0), 44100, 2), QString());
    // About 1.5 s play; the decoder gives up on the damaged frames that follow.
    ASSERT_GT(damageMp3Frames(path, 60), 700);
    Playback p;
    ASSERT_TRUE(p.feed.start(path)) << p.feed.reason().toStdString();
    ASSERT_TRUE(waitFor([&] { return p.player.currentPosition() > 11025; }));
    p.feed.pause();
    EXPECT_TRUE(p.feed.isPaused());
    EXPECT_FALSE(p.player.isPlaying());
    EXPECT_GT(p.feed.startFrame(), 11025);
    waitFor([] { return false; }, 1000);
    EXPECT_EQ(p.ends, 0);  // nothing ends while paused
    p.feed.resume();
    EXPECT_TRUE(p.player.isPlaying());
    ASSERT_TRUE(waitFor([&] { return p.ends > 0; }, 30000));
    EXPECT_EQ(p.ends, 1);
    EXPECT_TRUE(p.feed.reason().contains(QStringLiteral("could not be decoded"))) << p.feed.reason().toStdString();
}
