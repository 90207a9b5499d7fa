// The recorder window recording into a disk that fills: the recording stops by itself and
// the message names the file, rather than running on while nothing more can be kept.
#include "recorder/ACMainRecord.h"
#include "support/Damage.h"
#include "support/SoundServer.h"
#include "support/TestSupport.h"

#include <QTemporaryDir>
#include <QToolButton>

#include <gtest/gtest.h>

using namespace testing_support;
using recorder::Transport;

TEST(OutputFailureOnSoundServer, ARecordingIntoAFullDiskStopsByItselfWithAMessage) {
    REQUIRE_SOUND_SERVER();
    TempConfigHome config;
    QTemporaryDir dir;
    ACMainRecord window(nullptr);
    FileDialogRecorder dialogs;
    MsgBoxRecorder boxes;
    const QString path = dir.filePath(QStringLiteral("take.wav"));
    dialogs.queueLocal({path}, 1);
    FileSizeLimit full(64 * 1024);
    window.recButton->click();
    ASSERT_EQ(window.transport(), Transport::Recording);
    ASSERT_TRUE(waitFor([&] { return window.transport() == Transport::Idle; }, 30000));
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].startsWith(QStringLiteral("The recording could not be written completely:\n") + path))
        << boxes.texts()[0].toStdString();
    EXPECT_TRUE(window.recButton->isEnabled());
}
