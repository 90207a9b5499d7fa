// The converter window rips a disc image with "Test and copy" chosen in the ripping options: the
// rip log lands beside the tracks, naming the image and both reads' CRC32s of every track.
#include "components/store/StoredNumbers.h"
#include "converter/frmAudioConverter.h"
#include "ripping/ACfrmGrab.h"
#include "support/CdImages.h"
#include "support/ConfigHome.h"
#include "support/RipLogTools.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QLineEdit>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kConverterKey = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");

TEST(RipLogWindow, TheConverterRipsAnImageWithTestAndCopyAndWritesItsLog) {
    testing_support::TempConfigHome config;
    QTemporaryDir in, out;
    // No AccurateRip server answers in the tests.
    stored::save(kConverterKey, QStringLiteral("AccurateRip Verify"), 0);
    QPointer<frmAudioConverter> window = new frmAudioConverter;
    window->Splash1->Hide();
    window->show();
    window->optOtherFolder->click();
    window->txtFolder->setText(out.path());
    const testing_support::CdImage image = testing_support::writeReferenceDisc(in.path(), true);
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 3);

    ACfrmGrab& grab = window->grabDialog();
    EXPECT_FALSE(grab.chkTestAndCopy->isChecked());  // off at first
    grab.chkTestAndCopy->setChecked(true);
    grab.cmdOk->click();
    EXPECT_EQ(stored::text(kConverterKey, QStringLiteral("Test And Copy"), QString()), QStringLiteral("1"));
    EXPECT_TRUE(window->grabberSettings().testAndCopy);

    window->SelectAll();
    const int wav = window->imgcmbConvertTo->findData(QStringLiteral("WAV"));
    window->imgcmbConvertTo->setCurrentIndex(wav);
    Q_EMIT window->imgcmbConvertTo->activated(wav);
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();

    const QString logPath = out.filePath(QStringLiteral("Text Album.log"));
    const QString text = testing_support::readText(logPath);
    ASSERT_FALSE(text.isEmpty()) << "no log at " << logPath.toStdString();
    using testing_support::logField;
    EXPECT_EQ(logField(text, QStringLiteral("Disc image")), image.cue);
    EXPECT_EQ(logField(text, QStringLiteral("Rip")), QStringLiteral("completed"));
    EXPECT_EQ(logField(text, QStringLiteral("Test and copy")), QStringLiteral("on"));
    for (int t = 1; t <= 3; ++t) {
        const QString track = QStringLiteral("Track %1").arg(t);
        const QString crc = testing_support::zlibCrc32(image.tracks[std::size_t(t - 1)]);
        EXPECT_EQ(logField(text, QStringLiteral("File"), track), QStringLiteral("Track0%1.WAV").arg(t));
        EXPECT_EQ(logField(text, QStringLiteral("Test CRC32"), track), crc) << t;
        EXPECT_EQ(logField(text, QStringLiteral("Copy CRC32"), track), crc) << t;
    }
    EXPECT_TRUE(text.trimmed().endsWith(QStringLiteral(": ") + testing_support::sha256sumOfAllButLastLine(logPath)));
    delete window.data();
}

}  // namespace
