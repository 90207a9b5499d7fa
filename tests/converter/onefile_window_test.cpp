// The disc ripped as one file through the real converter window, offscreen: "Rip the disc as one
// file" in the ripping options, the disc's tracks listed, Convert.
#include "components/store/StoredNumbers.h"
#include "converter/frmAudioConverter.h"
#include "ripping/ACfrmGrab.h"
#include "shell/WindowServices.h"
#include "support/ConfigHome.h"
#include "support/GappedDisc.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

TEST(OneFileWindow, TheListedDiscBecomesOneFlacFileWithItsSheet) {
    testing_support::TempConfigHome config;
    QTemporaryDir in, out;
    ASSERT_TRUE(in.isValid() && out.isValid());
    stored::save(QStringLiteral("\\Software\\Brindlewood\\Audioconverter"), QStringLiteral("AccurateRip Verify"), 0);
    const testing_support::GappedDisc disc = testing_support::writeGappedDisc(in.path());
    QPointer<frmAudioConverter> window = new frmAudioConverter;
    window->Splash1->Hide();
    window->show();
    window->optOtherFolder->click();
    window->txtFolder->setText(out.path());
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({disc.image.cue});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 3);
    ACfrmGrab& grab = window->grabDialog();
    grab.chkOneFile->setChecked(true);
    grab.cmdOk->click();
    window->SelectAll();
    const int flac = window->imgcmbConvertTo->findData(QStringLiteral("FLAC"));
    window->imgcmbConvertTo->setCurrentIndex(flac);
    Q_EMIT window->imgcmbConvertTo->activated(flac);
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    // Named from the disc's CD-Text, in the case of the window's outputs; the rip log beside them.
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name),
              (QStringList{QStringLiteral("Gap Album.json"), QStringLiteral("Gap Album.log"), QStringLiteral("Gap Artist - Gap Album.FLAC"),
                           QStringLiteral("Gap Artist - Gap Album.cue")}));
    QString error;
    EXPECT_TRUE(testing_support::decodeIndependently(out.filePath(QStringLiteral("Gap Artist - Gap Album.FLAC")), &error) == disc.audio)
        << error.toStdString();
    EXPECT_EQ(testing_support::cueBreakpoints(out.filePath(QStringLiteral("Gap Artist - Gap Album.cue")), QStringLiteral("--append-gaps"), &error),
              (QStringList{testing_support::breakpointText(disc.image.starts[1]), testing_support::breakpointText(disc.image.starts[2])}));
    delete window.data();
    ui::setAppTitle(QStringLiteral("Velloria"));
}

}  // namespace
