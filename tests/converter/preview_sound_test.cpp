// Preview playback from the converter's popup menu against a real sound server: a file plays
// to its end, a stop on request stays stopped, closing the window ends the preview, and a file
// that cannot be played says so.
#include "converter/frmAudioConverter.h"
#include "support/Signals.h"
#include "support/SoundServer.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPointer>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class Preview : public ::testing::Test {
protected:
    void SetUp() override {
        window = new frmAudioConverter;
        window->Splash1->Hide();
        window->show();
    }
    void TearDown() override { delete window.data(); }
    // Lists `seconds` of music in a WAV file and focuses it.
    QString listed(const QString& name, double seconds) {
        const QString path = dir.filePath(name);
        EXPECT_TRUE(writeAudioFile(path, musicTone(44100, 2, seconds), 44100, 2).isEmpty());
        window->addPaths({path});
        window->lstFiles->setCurrentRow(window->lstFiles->count() - 1);
        return path;
    }
    QString time() const { return window->sbPanel[1]->text(); }

    TempConfigHome config;
    QTemporaryDir dir;
    QPointer<frmAudioConverter> window;
};

}  // namespace

// WAV and Opus (which decodes at 48 kHz) alike.
TEST_F(Preview, PlaysTheFocusedEntryToItsEndWithTheTimeShown) {
    REQUIRE_SOUND_SERVER();
    for (const auto& [name, blockSamples] : {std::pair{"short.wav", 88200}, std::pair{"short.opus", 96000}}) {
        SCOPED_TRACE(name);
        listed(QLatin1String(name), 2.5);
        window->mnuPlay->trigger();
        EXPECT_EQ(window->mnuPlay->text(), QStringLiteral("Stop"));
        EXPECT_TRUE(window->isPlaying());
        EXPECT_EQ(window->previewBlockSamples(), blockSamples);
        ASSERT_TRUE(waitFor([&] { return time() >= QStringLiteral("Time:0:01.000"); }));
        EXPECT_TRUE(time().startsWith(QStringLiteral("Time:0:0")));
        // The end of playback returns the item to "Play" and clears the time.
        ASSERT_TRUE(waitFor([&] { return !window->isPlaying(); }, 20000));
        EXPECT_EQ(window->mnuPlay->text(), QStringLiteral("Play"));
        EXPECT_EQ(time(), QString());
    }
}

TEST_F(Preview, AStopOnRequestStaysStopped) {
    REQUIRE_SOUND_SERVER();
    listed(QStringLiteral("long.wav"), 5.0);
    window->mnuPlay->trigger();
    ASSERT_TRUE(waitFor([&] { return time() >= QStringLiteral("Time:0:00.300"); }));
    window->mnuPlay->trigger();
    EXPECT_EQ(window->mnuPlay->text(), QStringLiteral("Play"));
    EXPECT_FALSE(window->isPlaying());
    // Past the two blocks that were in flight: nothing starts again.
    waitFor([] { return false; }, 2500);
    EXPECT_FALSE(window->isPlaying());
    EXPECT_FALSE(window->AudioPlayer1->isPlaying());
    EXPECT_EQ(window->mnuPlay->text(), QStringLiteral("Play"));
    EXPECT_EQ(time(), QString());
}

TEST_F(Preview, ClosingTheWindowEndsThePreview) {
    REQUIRE_SOUND_SERVER();
    listed(QStringLiteral("long.wav"), 5.0);
    window->mnuPlay->trigger();
    ASSERT_TRUE(window->AudioPlayer1->isPlaying());
    window->close();
    EXPECT_FALSE(window->AudioPlayer1->isPlaying());
    EXPECT_FALSE(window->isPlaying());
    // The window goes away on its own; no event of the preview reaches it meanwhile.
    waitFor([] { return false; }, 1500);
    EXPECT_TRUE(window.isNull() || !window->isPlaying());
}

TEST_F(Preview, AFileThatCannotBePlayedIsNamedAndTheItemStaysPlay) {
    const QString fake = dir.filePath(QStringLiteral("fake.mp3"));
    QFile text(fake);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("not a sound file at all, only text\n");
    text.close();
    window->addPaths({fake});
    window->lstFiles->setCurrentRow(0);
    MsgBoxRecorder boxes;
    window->mnuPlay->trigger();
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].startsWith(QStringLiteral("The file cannot be played:\n") + fake));
    EXPECT_EQ(window->mnuPlay->text(), QStringLiteral("Play"));
    EXPECT_FALSE(window->isPlaying());
}
