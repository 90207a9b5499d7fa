// The recorder's rules and the parts of its window that need no sound server: the state table,
// the recording formats every menu choice writes, the file dialogs and their refusals.
#include "components/audio/codecs/AudioFile.h"
#include "recorder/ACMainRecord.h"
#include "recorder/RecorderRules.h"
#include "recorder/RecordingSession.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>
#include <QToolButton>
#include <QUrl>

#include <gtest/gtest.h>

using namespace testing_support;
using recorder::Transport;

TEST(RecorderRules, StatesExtensionsAndCaptions)
{
    struct Row { Transport state; const char* status; bool play, pause, stop, rec; };
    const Row rows[] = {
        {Transport::Idle, "Stop", true, false, false, true},
        {Transport::Playing, "Playing.....", false, true, true, false},
        {Transport::Paused, "Pause.....", false, true, true, false},
        {Transport::Recording, "Recording.....", false, false, true, false},
    };
    for (const Row& r : rows) {
        const recorder::TransportLook look = recorder::lookOf(r.state);
        EXPECT_STREQ(look.status, r.status);
        EXPECT_EQ(std::tuple(look.play, look.pause, look.stop, look.rec), std::tuple(r.play, r.pause, r.stop, r.rec))
            << r.status;
    }
    EXPECT_EQ(recorder::recordingPath(QStringLiteral("/m/take"), 1), QStringLiteral("/m/take.wav"));
    EXPECT_EQ(recorder::recordingPath(QStringLiteral("/m/take"), 2), QStringLiteral("/m/take.mp3"));
    EXPECT_EQ(recorder::recordingPath(QStringLiteral("/m/take"), 3), QStringLiteral("/m/take.ogg"));
    EXPECT_EQ(recorder::recordingPath(QStringLiteral("/m/take.WAV"), 3), QStringLiteral("/m/take.WAV"));
    EXPECT_EQ(recorder::recordingPath(QStringLiteral("/m.d/take"), 2), QStringLiteral("/m.d/take.mp3"));
    EXPECT_EQ(recorder::frequencyCaption(1), QStringLiteral(" 8000 Hz"));
    EXPECT_EQ(recorder::frequencyCaption(9), QStringLiteral("48000 Hz"));
}

// Every rate and channel count the menus offer records into each of the three file types.
TEST(RecorderRules, EveryMenuFormatWritesEachFileType)
{
    QTemporaryDir dir;
    for (int rate : recorder::kFrequencies) {
        for (int channels : {1, 2}) {
            for (const char* ext : {"wav", "mp3", "ogg"}) {
                AudioFile file;
                recorder::applyRecordingFormat(file, rate, channels);
                recorder::RecordingSession session(file);
                const QString path = dir.filePath(QStringLiteral("r%1_%2.%3").arg(rate).arg(channels).arg(QLatin1String(ext)));
                ASSERT_TRUE(session.begin(path, rate, channels)) << path.toStdString() << ": " << session.error().toStdString();
                session.push(sineTone(rate, channels, 440, static_cast<std::size_t>(rate / 2)));
                EXPECT_TRUE(session.finish().written()) << path.toStdString();
                const ReadBack back = readBack(path);
                EXPECT_EQ(back.rate, rate) << path.toStdString();
                EXPECT_EQ(back.channels, channels) << path.toStdString();
                EXPECT_NEAR(back.seconds(), 0.5, 0.1) << path.toStdString();
            }
        }
    }
}

class RecorderWindow : public ::testing::Test {
protected:
    void SetUp() override { window = std::make_unique<ACMainRecord>(nullptr); }
    QString panel(int i) const { return window->StatusBar1[i]->text(); }
    std::unique_ptr<ACMainRecord> window;
    QTemporaryDir dir;
};

TEST_F(RecorderWindow, LoadsIdleWithCdQualityAndMenusSetTheFormat)
{
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Recorder"));
    EXPECT_EQ(panel(0), QStringLiteral("Stop"));
    EXPECT_EQ(panel(1), QStringLiteral("Time:"));
    EXPECT_TRUE(window->playButton->isEnabled());
    EXPECT_FALSE(window->pausButton->isEnabled());
    EXPECT_FALSE(window->stopButton->isEnabled());
    EXPECT_TRUE(window->recButton->isEnabled());
    for (int i = 0; i < 9; ++i) EXPECT_EQ(window->mnufreqItems[i]->isChecked(), i == 7) << i;
    EXPECT_TRUE(window->mnuStereo->isChecked());
    EXPECT_FALSE(window->mnuMono->isChecked());
    EXPECT_EQ(window->AudioFileRec->wavFormat().sampleRate, 44100);

    window->mnufreqItems[2]->trigger();
    window->mnuMono->trigger();
    EXPECT_EQ(window->recordingRate(), 12000);
    EXPECT_EQ(window->recordingChannels(), 1);
    EXPECT_EQ(window->AudioFileRec->wavFormat().sampleRate, 12000);
    EXPECT_EQ(window->AudioFileRec->wavFormat().channels, 1);
    EXPECT_TRUE(window->mnufreqItems[2]->isChecked());
    EXPECT_FALSE(window->mnufreqItems[7]->isChecked());

    MsgBoxRecorder boxes;
    window->SelectFrequency(10);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("Error")});
    for (QAction* a : window->mnufreqItems) EXPECT_FALSE(a->isChecked());
}

TEST_F(RecorderWindow, DialogsThatAreCancelledOrRefusedChangeNothing)
{
    const QString existing = dir.filePath(QStringLiteral("keep.wav"));
    ASSERT_TRUE(writeAudioFile(existing, sineTone(44100, 2, 440, 4410), 44100, 2).isEmpty());
    const QByteArray before = [&] { QFile f(existing); f.open(QIODevice::ReadOnly); return f.readAll(); }();

    FileDialogRecorder dialogs;
    MsgBoxRecorder boxes;
    dialogs.queueCancel();
    window->playButton->click();
    dialogs.queueCancel();
    window->recButton->click();
    // An existing file, and Cancel to the replace question.
    dialogs.queueLocal({existing}, 1);
    boxes.queue(ui::MsgResult::Cancel);
    window->recButton->click();
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("This file already exists do you want to replace it")});
    ASSERT_EQ(dialogs.requests().size(), 3);
    EXPECT_EQ(dialogs.requests()[0].title, QStringLiteral("Play"));
    EXPECT_EQ(dialogs.requests()[0].kind, ui::FileDialogRequest::Kind::OpenFiles);
    EXPECT_EQ(dialogs.requests()[1].title, QStringLiteral("Record"));
    EXPECT_EQ(dialogs.requests()[1].kind, ui::FileDialogRequest::Kind::SaveFile);
    EXPECT_EQ(dialogs.requests()[1].filter, recorder::fileFilter());
    EXPECT_EQ(window->transport(), Transport::Idle);
    QFile f(existing);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), before);
}

TEST_F(RecorderWindow, FilesThatCannotBeUsedAreNamedAndTheWindowStaysIdle)
{
    FileDialogRecorder dialogs;
    MsgBoxRecorder boxes;
    // A folder that does not exist cannot take a recording.
    const QString missing = dir.filePath(QStringLiteral("no/such/folder/take.wav"));
    dialogs.queueLocal({missing}, 1);
    window->recButton->click();
    // A text file named like a sound file cannot be played.
    const QString fake = dir.filePath(QStringLiteral("fake.wav"));
    QFile text(fake);
    ASSERT_TRUE(text.open(QIODevice::WriteOnly));
    text.write("this is not a sound file\n");
    text.close();
    dialogs.queueLocal({fake}, 1);
    window->playButton->click();

    ASSERT_EQ(boxes.texts().size(), 2);
    EXPECT_TRUE(boxes.texts()[0].startsWith(QStringLiteral("Cannot record into this file:\n") + missing));
    EXPECT_TRUE(boxes.texts()[1].startsWith(QStringLiteral("The file cannot be played:\n") + fake));
    EXPECT_EQ(window->transport(), Transport::Idle);
    EXPECT_EQ(panel(0), QStringLiteral("Stop"));
    EXPECT_TRUE(window->recButton->isEnabled());
    EXPECT_TRUE(window->playButton->isEnabled());
}
