// The recorder the converter's Record button opens is a window of its own: a recording goes on
// when the converter closes under it, and the file holds all of it once the recorder stops.
#include "converter/frmAudioConverter.h"
#include "recorder/ACMainRecord.h"
#include "support/Signals.h"
#include "support/SoundServer.h"
#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace testing_support;

TEST(RecordButton, ARecordingOutlivesTheConverterAndIsWholeWhenStopped) {
    REQUIRE_SOUND_SERVER();
    TempConfigHome config;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("kept.wav"));
    QPointer<frmAudioConverter> converter = new frmAudioConverter;
    converter->Splash1->Hide();
    converter->show();
    converter->cmRecord->click();
    QPointer<ACMainRecord> recorder = qobject_cast<ACMainRecord*>(converter->recorderWindow());
    ASSERT_FALSE(recorder.isNull());
    FileDialogRecorder dialogs;
    dialogs.queueLocal({path}, 1);
    recorder->recButton->click();
    ASSERT_EQ(recorder->transport(), recorder::Transport::Recording);

    // The converter closes once a second has been recorded, while the sound goes on.
    const int rate = 44100;
    bool closing = false;
    QObject::connect(recorder->AudioRecord.get(), &sound::AudioRecorder::Timer, converter,
                     [&](qint64 samples, int, int) {
                         if (samples < rate || closing) return;
                         closing = true;
                         converter->close();
                     });
    const SampleBlock music = musicTone(rate, 2, 3.0);
    play(music, rate, 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_TRUE(converter.isNull());
    ASSERT_FALSE(recorder.isNull());
    EXPECT_TRUE(recorder->isVisible());
    EXPECT_EQ(recorder->transport(), recorder::Transport::Recording);

    recorder->stopButton->click();
    const ReadBack back = readBack(path);
    ASSERT_TRUE(back.error.isEmpty()) << back.error.toStdString();
    std::size_t loudFrames = 0;
    const SampleBlock heard = fromOnset(back.samples, 2, &loudFrames);
    EXPECT_NEAR(static_cast<double>(loudFrames) / rate, 3.0, 0.2);
    EXPECT_GT(bestCorrelation(music, 2, heard, 2, 0, 2000), 0.9);
    delete recorder.data();
}
