// The ripping options' Detect button on a real grabber whose drive is an image made as a drive
// with a read offset of +667 reads the reference disc; the disc's record and the drive-offset
// list on a local server. The detected offset becomes the drive's own, kept by Ok.
#include "components/store/CRegister.h"
#include "components/store/WindowSettings.h"
#include "support/ConfigHome.h"
#include "support/DiscServices.h"
#include "support/OffsetImages.h"
#include "support/RipDialogOwner.h"

#include <QLabel>
#include <QPushButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

QString stored(const QString& name) {
    return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, ConverterWindowSettings::key(), name,
                                     QStringLiteral("<none>"));
}
void store(const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, ConverterWindowSettings::key(), name, value);
}

TEST(GrabDialogDetect, FindsTheDrivesOffsetAndOkKeepsItForThatDrive) {
    QTemporaryDir dir;
    const TempConfigHome config;
    const CdImage reference = writeReferenceDisc(dir.path());
    const CdImage drive = writeShiftedImage(dir.path(), QStringLiteral("drive"), reference, 667);
    WebServer server;
    serveReferenceDisc(server, recordOf(reference));
    serveDriveOffsets(server, 667);
    ASSERT_TRUE(server.start());
    store(QStringLiteral("AccurateRip Server"), settingsFor(server).accurateRipServer);
    store(QStringLiteral("AccurateRip Drive Offsets"), server.base() + QLatin1String(kDriveOffsetsPath));
    store(QStringLiteral("Drive Read Offset"), QStringLiteral("30"));  // the default, from before

    RipDialogOwner owner(dir.filePath(QStringLiteral("stubs")), dir.filePath(QStringLiteral("cache")));
    owner.driveName = QLatin1String(kTestDriveName);
    ASSERT_GE(owner.grabber.OpenImage(drive.cue), 0);
    ACfrmGrab dlg(owner);
    EXPECT_EQ(dlg.cmdDetectOffset->text(), QStringLiteral("Detect"));
    EXPECT_EQ(dlg.txtReadOffset->value(), 30);  // no offset of its own yet
    QTest::mouseClick(dlg.cmdDetectOffset, Qt::LeftButton);
    EXPECT_EQ(dlg.lblOffsetFound->text().toStdString(),
              "Detected +667 (confirmed by 2 tracks); the drive-offset list gives +667 for TESTVEND MODEL X.");
    EXPECT_TRUE(dlg.cmdDetectOffset->isEnabled());
    EXPECT_EQ(dlg.txtReadOffset->value(), 667);
    EXPECT_EQ(owner.grabber.settings().offsetFor(owner.driveName).samples, 667);
    EXPECT_EQ(stored(QStringLiteral("Drive Read Offsets")), QStringLiteral("<none>"));  // until Ok
    QTest::mouseClick(dlg.cmdOk, Qt::LeftButton);
    EXPECT_EQ(stored(QStringLiteral("Drive Read Offsets")), QStringLiteral("667 TESTVEND MODEL X"));
    EXPECT_EQ(stored(QStringLiteral("Drive Read Offset")), QStringLiteral("30"));

    // A disc AccurateRip does not know: said, and the offset stays.
    const CdImage unknown = writeCdImage(dir.path(), QStringLiteral("unknown"), {cdNoise(300, 3)});
    ASSERT_GE(owner.grabber.OpenImage(unknown.cue), 0);
    QTest::mouseClick(dlg.cmdDetectOffset, Qt::LeftButton);
    EXPECT_TRUE(dlg.lblOffsetFound->text().startsWith(QStringLiteral("The disc is not in the AccurateRip database")))
        << dlg.lblOffsetFound->text().toStdString();
    EXPECT_EQ(dlg.txtReadOffset->value(), 667);
    EXPECT_EQ(owner.grabber.settings().offsetFor(owner.driveName).samples, 667);
}

}  // namespace
