// The player and the recorder against a real sound server: what is played is recorded back,
// events stop with the playback they belong to, and no server means a clean failure.
#include "components/sound/AudioPlayer.h"
#include "components/sound/AudioRecorder.h"
#include "components/sound/SoundClock.h"
#include "support/Signals.h"
#include "support/SoundServer.h"
#include "support/CoreSupport.h"

#include <QCoreApplication>
#include <QProcess>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

// Plays `signal` in one-second blocks, fed as the player asks, while the recorder captures;
// returns what was recorded.
SampleBlock playAndRecord(const SampleBlock& signal, int rate, int channels, int* endPlays)
{
    sound::AudioRecorder recorder;
    recorder.prepare(rate, channels);
    recorder.setBlockSize(recorder.samplesForMs(1000));
    SampleBlock recorded;
    QObject::connect(&recorder, &sound::AudioRecorder::EndArrayRecord, [&](int) {
        const SampleBlock b = recorder.takeBlock();
        recorded.insert(recorded.end(), b.begin(), b.end());
    });
    recorder.start();
    EXPECT_EQ(recorder.status(), 0) << recorder.reason().toStdString();

    sound::AudioPlayer player;
    player.prepare(rate, channels);
    const auto block = static_cast<std::size_t>(player.samplesForMs(1000));
    std::size_t next = 0;
    auto feed = [&] {
        if (next >= signal.size())
            return;
        const std::size_t n = std::min(block, signal.size() - next);
        player.queue(SampleBlock(signal.begin() + static_cast<long>(next), signal.begin() + static_cast<long>(next + n)));
        next += n;
    };
    QObject::connect(&player, &sound::AudioPlayer::EndArrayPlay, feed);
    QObject::connect(&player, &sound::AudioPlayer::RequestOnLoadArray, feed);
    QObject::connect(&player, &sound::AudioPlayer::EndPlay, [&] { ++*endPlays; });
    player.start();
    EXPECT_EQ(player.status(), 0) << player.reason().toStdString();
    feed();
    feed();
    EXPECT_TRUE(waitFor([&] { return *endPlays > 0; }, 30000));
    waitFor([] { return false; }, 300);  // the tail reaches the recorder
    recorder.stop();
    for (SampleBlock b = recorder.takeBlock(); !b.empty(); b = recorder.takeBlock())
        recorded.insert(recorded.end(), b.begin(), b.end());
    return recorded;
}

std::size_t firstLoud(const SampleBlock& s)
{
    for (std::size_t i = 0; i < s.size(); ++i)
        if (std::abs(s[i]) > 2000)
            return i;
    return s.size();
}

}  // namespace

TEST(SoundDevices, WhatIsPlayedIsRecordedBack)
{
    REQUIRE_SOUND_SERVER();
    const int rate = 44100;
    const SampleBlock signal = musicTone(rate, 2, 3.0);
    int endPlays = 0;
    const SampleBlock recorded = playAndRecord(signal, rate, 2, &endPlays);
    EXPECT_EQ(endPlays, 1);
    ASSERT_EQ(recorded.size() % 2, 0u);
    // Align on the first loud frame of each, then look close by for the best lag.
    const std::size_t onset = firstLoud(recorded) / 2 * 2;
    ASSERT_LT(onset, recorded.size()) << "nothing was recorded";
    const std::size_t from = onset > 400 ? onset - 400 : 0;
    const SampleBlock heard(recorded.begin() + static_cast<long>(from), recorded.end());
    EXPECT_GT(bestCorrelation(signal, 2, heard, 2, 0, 1000), 0.9);
    EXPECT_GT(bestCorrelation(signal, 2, heard, 2, 1, 1000), 0.9);
    // Every second of the signal was heard, none lost and no gap: from the first loud frame to
    // the last one is the signal's length.
    std::size_t last = heard.size();
    while (last > 0 && std::abs(heard[last - 1]) <= 2000) --last;
    EXPECT_NEAR(static_cast<double>(last) / 2.0 / rate, 3.0, 0.2);
}

TEST(SoundDevices, StopOnRequestEndsEveryEventOfThatPlayback)
{
    REQUIRE_SOUND_SERVER();
    sound::AudioPlayer player;
    player.prepare(22050, 1);
    int events = 0;
    qint64 lastPosition = -1;
    bool monotonic = true;
    QObject::connect(&player, &sound::AudioPlayer::EndPlay, [&] { ++events; });
    QObject::connect(&player, &sound::AudioPlayer::EndArrayPlay, [&] { ++events; });
    QObject::connect(&player, &sound::AudioPlayer::Timer, [&](qint64 position, int, int) {
        monotonic = monotonic && position >= lastPosition;
        lastPosition = position;
    });
    player.start();
    ASSERT_EQ(player.status(), 0);
    player.queue(sineTone(22050, 1, 440, 11025));
    ASSERT_TRUE(waitFor([&] { return lastPosition > 0; }));
    EXPECT_TRUE(monotonic);
    player.stop();
    events = 0;
    waitFor([] { return false; }, 1200);  // past the end of the queued half second
    EXPECT_EQ(events, 0);
    EXPECT_EQ(player.currentPosition(), 0);

    // A new playback after a stop starts again at 0 and ends on its own.
    int ends = 0;
    QObject::connect(&player, &sound::AudioPlayer::EndPlay, [&] { ++ends; });
    player.start();
    player.queue(sineTone(22050, 1, 440, 2205));
    EXPECT_TRUE(waitFor([&] { return ends == 1; }));
}

TEST(SoundDevices, RecorderStopHandsOverWhatItStillHolds)
{
    REQUIRE_SOUND_SERVER();
    sound::AudioRecorder recorder;
    recorder.prepare(44100, 2);
    recorder.setBlockSize(recorder.samplesForMs(1000));
    int blocks = 0;
    QObject::connect(&recorder, &sound::AudioRecorder::EndArrayRecord, [&](int) { ++blocks; });
    recorder.start();
    ASSERT_EQ(recorder.status(), 0);
    ASSERT_TRUE(waitFor([&] { return recorder.currentPosition() > 4410; }));
    recorder.stop();
    std::size_t total = 0;
    for (SampleBlock b = recorder.takeBlock(); !b.empty(); b = recorder.takeBlock()) {
        EXPECT_EQ(b.size() % 2, 0u);
        total += b.size();
    }
    EXPECT_GE(total, 8820u);
    EXPECT_EQ(static_cast<std::int64_t>(total), recorder.currentPosition() * 2);
}

TEST(SoundDevices, WithoutASoundServerBothFailCleanly)
{
    QProcess probe;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:/nonexistent/velloria-no-server"));
    env.insert(QStringLiteral("PULSE_NO_AUTOSPAWN"), QStringLiteral("1"));
    probe.setProcessEnvironment(env);
    probe.start(QCoreApplication::applicationDirPath() + QStringLiteral("/helpers/sound_probe"), {});
    ASSERT_TRUE(probe.waitForFinished(60000));
    EXPECT_EQ(probe.exitCode(), 0);
    const QString out = QString::fromUtf8(probe.readAllStandardOutput());
    EXPECT_TRUE(out.contains(QStringLiteral("player -1 No sound output device"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("recorder -1 No sound input device"))) << out.toStdString();
    EXPECT_TRUE(out.contains(QStringLiteral("taken 0"))) << out.toStdString();
}

TEST(SoundClock, RunningTimeText)
{
    const std::pair<std::int64_t, const char*> cases[] = {
        {0, "Time:0:00.000"},      {9, "Time:0:00.009"},       {59500, "Time:0:59.500"},
        {65043, "Time:1:05.043"},  {125007, "Time:2:05.007"},  {600000, "Time:10:00.000"},
        {-5, "Time:0:00.000"},
    };
    for (const auto& [ms, text] : cases)
        EXPECT_EQ(sound::timeText(ms), QString::fromLatin1(text)) << ms;
    EXPECT_EQ(sound::samplesForMs(44100, 2, 1000), 88200);
    EXPECT_EQ(sound::msForFrames(44100, 44100 * 65 + 1897), 65043);
}
