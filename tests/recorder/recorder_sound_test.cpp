// The recorder window against a real sound server: a played file is recorded back in each file
// type, playback pauses and resumes where it was, plays to its end, and a window closed during
// a recording keeps everything the recorder had captured. A recording keeps the desktop session
// awake (a private bus with a mock portal) until it is stopped.
#include "components/desktop/DesktopSession.h"
#include "recorder/ACMainRecord.h"
#include "support/CoreSupport.h"
#include "support/DesktopBus.h"
#include "support/Signals.h"
#include "support/SoundServer.h"
#include "support/TestSupport.h"

#include <QLabel>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace testing_support;
using recorder::Transport;

namespace {

class RecorderOnSoundServer : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<ACMainRecord>(nullptr); }
    QString panel(int i) const { return window->StatusBar1[i]->text(); }
    std::unique_ptr<ACMainRecord> window;
    QTemporaryDir dir;
};

}  // namespace

TEST_F(RecorderOnSoundServer, RecordsAPlayedFileAsWavMp3AndOgg)
{
    REQUIRE_SOUND_SERVER();
    const int rate = 44100;
    const SampleBlock music = musicTone(rate, 2, 10.0);
    // The dialog's file type gives the extension when the name has none.
    for (int type : {1, 2, 3}) {
        const QString chosen = dir.filePath(QStringLiteral("take%1").arg(type));
        const QString path = chosen + QLatin1String(type == 1 ? ".wav" : type == 2 ? ".mp3" : ".ogg");
        FileDialogRecorder dialogs;
        dialogs.queueLocal({chosen}, type);
        window->recButton->click();
        ASSERT_EQ(window->transport(), Transport::Recording);
        EXPECT_EQ(panel(0), QStringLiteral("Recording....."));
        EXPECT_FALSE(window->playButton->isEnabled());
        EXPECT_TRUE(window->stopButton->isEnabled());
        play(music, rate, 2);
        EXPECT_GT(panel(1), QStringLiteral("Time:0:05")) << panel(1).toStdString();  // the clock ran
        window->stopButton->click();
        EXPECT_EQ(window->transport(), Transport::Idle);
        EXPECT_EQ(panel(0), QStringLiteral("Stop"));
        EXPECT_EQ(panel(1), QStringLiteral("Time:"));

        const ReadBack back = readBack(path);
        ASSERT_TRUE(back.error.isEmpty()) << path.toStdString() << ": " << back.error.toStdString();
        EXPECT_EQ(back.rate, rate);
        EXPECT_EQ(back.channels, 2);
        std::size_t loudFrames = 0;
        const SampleBlock heard = fromOnset(back.samples, 2, &loudFrames);
        const double seconds = static_cast<double>(loudFrames) / rate;
        EXPECT_NEAR(seconds, 10.0, 0.2) << path.toStdString();
        const double c0 = bestCorrelation(music, 2, heard, 2, 0, 2000);
        const double c1 = bestCorrelation(music, 2, heard, 2, 1, 2000);
        EXPECT_GT(c0, 0.9) << path.toStdString();
        EXPECT_GT(c1, 0.9) << path.toStdString();
        std::printf("recorded %s: file %.3f s, sound %.3f s, correlation %.4f / %.4f\n",
                    qPrintable(QFileInfo(path).fileName()), back.seconds(), seconds, c0, c1);
    }
}

TEST_F(RecorderOnSoundServer, PausesResumesWhereItWasAndPlaysToTheEnd)
{
    REQUIRE_SOUND_SERVER();
    const QString path = dir.filePath(QStringLiteral("four.wav"));
    ASSERT_TRUE(writeAudioFile(path, musicTone(44100, 2, 4.0), 44100, 2).isEmpty());
    FileDialogRecorder dialogs;
    dialogs.queueLocal({path}, 1);
    window->playButton->click();
    ASSERT_EQ(window->transport(), Transport::Playing);
    EXPECT_EQ(panel(0), QStringLiteral("Playing....."));
    EXPECT_FALSE(window->recButton->isEnabled());
    ASSERT_TRUE(waitFor([&] { return panel(1) >= QStringLiteral("Time:0:01.000"); }));

    window->pausButton->click();
    EXPECT_EQ(window->transport(), Transport::Paused);
    EXPECT_EQ(panel(0), QStringLiteral("Pause....."));
    EXPECT_TRUE(window->pausButton->isEnabled());
    const std::int32_t pausedAt = window->startSamples();
    EXPECT_GE(pausedAt, 44100);
    const QString shown = panel(1);
    waitFor([] { return false; }, 600);
    EXPECT_EQ(panel(1), shown);  // the time holds while paused

    window->pausButton->click();
    EXPECT_EQ(window->transport(), Transport::Playing);
    EXPECT_EQ(panel(0), QStringLiteral("Playing....."));
    // The time continues from the pause, not from the start.
    ASSERT_TRUE(waitFor([&] { return panel(1) != shown; }));
    EXPECT_GE(panel(1), shown);
    // Played to its end, the window returns to Idle as Stop leaves it.
    ASSERT_TRUE(waitFor([&] { return window->transport() == Transport::Idle; }, 30000));
    EXPECT_EQ(panel(0), QStringLiteral("Stop"));
    EXPECT_EQ(panel(1), QStringLiteral("Time:"));
    EXPECT_TRUE(window->playButton->isEnabled());
    EXPECT_FALSE(window->pausButton->isEnabled());

    // Pause, then Stop: the next playback starts unpaused.
    dialogs.queueLocal({path}, 1);
    window->playButton->click();
    window->pausButton->click();
    window->stopButton->click();
    EXPECT_EQ(window->transport(), Transport::Idle);
    dialogs.queueLocal({path}, 1);
    window->playButton->click();
    EXPECT_EQ(window->transport(), Transport::Playing);
    EXPECT_FALSE(window->isPaused());
    EXPECT_EQ(window->startSamples(), 0);
    window->stopButton->click();
}

TEST_F(RecorderOnSoundServer, ClosingDuringARecordingKeepsWhatWasCaptured)
{
    REQUIRE_SOUND_SERVER();
    const QString path = dir.filePath(QStringLiteral("closed.wav"));
    FileDialogRecorder dialogs;
    dialogs.queueLocal({path}, 1);
    window->recButton->click();
    ASSERT_EQ(window->transport(), Transport::Recording);
    // 2.5 s of sound: the last half second never fills a whole one-second block.
    play(musicTone(44100, 2, 2.5), 44100, 2);
    window->close();
    window.reset();
    const ReadBack back = readBack(path);
    ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
    std::size_t loudFrames = 0;
    fromOnset(back.samples, 2, &loudFrames);
    EXPECT_NEAR(static_cast<double>(loudFrames) / 44100.0, 2.5, 0.2);
}

TEST_F(RecorderOnSoundServer, ARecordingKeepsTheSessionAwakeUntilStopped)
{
    REQUIRE_SOUND_SERVER();
    const DesktopBus bus({QStringLiteral("portal")});
    ASSERT_EQ(bus.error(), QString());
    desktop::Session::replaceShared(bus.session(std::chrono::milliseconds(0)));
    const auto restore = qScopeGuard([] { desktop::Session::replaceShared(nullptr); });
    FileDialogRecorder dialogs;
    dialogs.queueLocal({dir.filePath(QStringLiteral("awake.wav"))}, 1);
    window->recButton->click();
    ASSERT_EQ(window->transport(), Transport::Recording);
    ASSERT_TRUE(waitFor([&] { return bus.portalInhibits().size() == 1; }));
    EXPECT_EQ(bus.portalInhibits().constFirst().value(2).toMap().value(QStringLiteral("reason")).toString(),
              QStringLiteral("Recording sound"));
    waitFor([] { return false; }, 500);
    EXPECT_TRUE(bus.portalRequestsClosed().isEmpty());  // held while it records

    window->stopButton->click();
    EXPECT_TRUE(waitFor([&] { return bus.portalRequestsClosed().size() == 1; }));
    EXPECT_EQ(bus.portalInhibits().size(), 1);
}
