// velloria-convert --cd IMAGE --find-offset: an image made as a drive with a read offset reads the
// reference disc, against the disc's record on a local AccurateRip server; a disc image names no
// drive, so nothing is kept.
#include "components/store/CRegister.h"
#include "components/store/WindowSettings.h"
#include "support/CliRuns.h"
#include "support/ConfigHome.h"
#include "support/DiscServices.h"
#include "support/OffsetImages.h"

#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

TEST(FindOffsetCommand, PrintsTheOffsetOfAShiftedImageAndKeepsNothingForIt) {
    QTemporaryDir dir;
    const TempConfigHome config;
    const CdImage reference = writeReferenceDisc(dir.path());
    const CdImage drive = writeShiftedImage(dir.path(), QStringLiteral("drive"), reference, 667);
    WebServer server;
    serveReferenceDisc(server, recordOf(reference));
    ASSERT_TRUE(server.start());
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, ConverterWindowSettings::key(), QStringLiteral("AccurateRip Server"),
                               settingsFor(server).accurateRipServer);
    const CommandResult found = runCommand({QStringLiteral("--cd"), drive.cue, QStringLiteral("--find-offset")}, dir.path(),
                                           config.path());
    EXPECT_EQ(found.exitCode, 0) << found.err.toStdString();
    EXPECT_EQ(found.out, QStringLiteral("Detected +667 (confirmed by 2 tracks); a disc image names no drive to look up in the "
                                        "drive-offset list.\n"));
    EXPECT_EQ(CRegister::readValue(CRegister::HKEY_LOCAL_MACHINE, ConverterWindowSettings::key(),
                                   QStringLiteral("Drive Read Offsets")),
              std::nullopt);

    // A disc the server does not know: said, exit status 1.
    const CdImage unknown = writeCdImage(dir.path(), QStringLiteral("unknown"), {cdNoise(300, 3)});
    const CommandResult none = runCommand({QStringLiteral("--cd"), unknown.cue, QStringLiteral("--find-offset")}, dir.path(),
                                          config.path());
    EXPECT_EQ(none.exitCode, 1);
    EXPECT_TRUE(none.out.startsWith(QStringLiteral("The disc is not in the AccurateRip database"))) << none.out.toStdString();
}

}  // namespace
