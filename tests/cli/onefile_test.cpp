// velloria-convert --cd writes the disc's CUE sheet, and with --one-file the disc as one file:
// the real program on a disc image with pre-gaps, checked with cuetools, flac and metaflac.
#include "cli/Options.h"
#include "components/store/CRegister.h"
#include "support/CliRuns.h"
#include "support/ConfigHome.h"
#include "support/DiscServices.h"
#include "support/GappedDisc.h"
#include "support/RipLogTools.h"
#include "support/WebServer.h"

#include <QDir>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class CliOneFile : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        disc = writeGappedDisc(dir.path());
        // No AccurateRip server is reachable here.
        CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, QStringLiteral("\\Software\\Brindlewood\\Audioconverter"),
                                   QStringLiteral("AccurateRip Verify"), QStringLiteral("0"));
    }
    CommandResult convert(QStringList args, const QString& folder = QStringLiteral("out")) {
        args = QStringList{QStringLiteral("--cd"), disc.image.cue, QStringLiteral("-o"), folder} + args;
        return runCommand(args, dir.path(), config.path());
    }
    QString out(const QString& name) const { return dir.filePath(QStringLiteral("out/") + name); }

    TempConfigHome config;
    QTemporaryDir dir;
    GappedDisc disc;
};

TEST_F(CliOneFile, TheDiscAsOneFlacFileWithItsSheetAndTheTrackRipsSheet) {
    const CommandResult one = convert({QStringLiteral("--one-file"), QStringLiteral("-f"), QStringLiteral("mp3")});
    ASSERT_EQ(one.exitCode, 0) << one.err.toStdString();
    // Named from the disc's CD-Text.
    const QString flac = out(QStringLiteral("Gap Artist - Gap Album.flac"));
    const QString sheet = out(QStringLiteral("Gap Artist - Gap Album.cue"));
    // The rip log beside them.
    EXPECT_EQ(QDir(out(QString())).entryList(QDir::Files, QDir::Name),
              (QStringList{QStringLiteral("Gap Album.json"), QStringLiteral("Gap Album.log"), QFileInfo(sheet).fileName(), QFileInfo(flac).fileName()}));
    QString error;
    EXPECT_TRUE(decodeIndependently(flac, &error) == disc.audio) << error.toStdString();
    const QStringList starts{breakpointText(disc.image.starts[1]), breakpointText(disc.image.starts[2])};
    EXPECT_EQ(cueBreakpoints(sheet, QStringLiteral("--append-gaps"), &error), starts) << error.toStdString();
    // The log holds every track of the one file with the CRC32 zlib takes of its samples.
    const QJsonArray logged = readJson(out(QStringLiteral("Gap Album.json"))).value(QStringLiteral("tracks")).toArray();
    ASSERT_EQ(logged.size(), 3);
    for (int i = 0; i < 3; ++i) {
        const auto at = [&](int track) { return std::ptrdiff_t(track < 3 ? disc.image.starts[std::size_t(track)] * 1176 : std::ptrdiff_t(disc.audio.size())); };
        const SampleBlock track(disc.audio.begin() + at(i), disc.audio.begin() + at(i + 1));
        EXPECT_EQ(logged[i].toObject().value(QStringLiteral("copyCrc32")).toString(), zlibCrc32(track)) << "track " << i + 1;
        EXPECT_EQ(logged[i].toObject().value(QStringLiteral("file")).toString(), QFileInfo(flac).fileName());
    }
    EXPECT_TRUE(exportedCueSheet(flac, &error).contains(QStringLiteral("CATALOG 0614223012347"))) << error.toStdString();
    // With test and copy, each track's test CRC32 beside its copy's, equal.
    const CommandResult tested = convert({QStringLiteral("--one-file"), QStringLiteral("--test-and-copy")}, QStringLiteral("tested"));
    ASSERT_EQ(tested.exitCode, 0) << tested.err.toStdString();
    const QJsonArray testedTracks =
        readJson(dir.filePath(QStringLiteral("tested/Gap Album.json"))).value(QStringLiteral("tracks")).toArray();
    ASSERT_EQ(testedTracks.size(), 3);
    for (const QJsonValue& t : testedTracks) {
        EXPECT_FALSE(t.toObject().value(QStringLiteral("testCrc32")).toString().isEmpty());
        EXPECT_EQ(t.toObject().value(QStringLiteral("testCrc32")), t.toObject().value(QStringLiteral("copyCrc32")));
    }
    // Once there, it is skipped.
    const CommandResult again = convert({QStringLiteral("--one-file")});
    EXPECT_EQ(again.exitCode, 0) << again.err.toStdString();
    EXPECT_TRUE(again.out.contains(QStringLiteral("skipped"))) << again.out.toStdString();

    // A track per file: the sheet names the tracks written, and those skipped because they were there.
    const QString tracksFolder = dir.filePath(QStringLiteral("tracks"));
    const CommandResult tracks = convert({QStringLiteral("-f"), QStringLiteral("wav"), QStringLiteral("--tracks"), QStringLiteral("1,2")}, tracksFolder);
    ASSERT_EQ(tracks.exitCode, 0) << tracks.err.toStdString();
    const CommandResult rest = convert({QStringLiteral("-f"), QStringLiteral("wav")}, tracksFolder);
    ASSERT_EQ(rest.exitCode, 0) << rest.err.toStdString();
    const QString tracksSheet = tracksFolder + QStringLiteral("/Gap Artist - Gap Album.cue");
    EXPECT_EQ(cuePrint(tracksSheet, QStringLiteral("%N\n"), QStringLiteral("%n %i\n"), &error),
              QStringLiteral("3\n1 GBVLR2400011\n2 \n3 GBVLR2400013\n"))
        << error.toStdString();
    EXPECT_EQ(cueBreakpoints(tracksSheet, QStringLiteral("--prepend-gaps"), &error),
              (QStringList{breakpointText(disc.image.starts[1] - disc.pregaps[1] - disc.image.starts[0]),
                           breakpointText(disc.image.starts[2] - disc.pregaps[2] - disc.image.starts[1])}));
}

// The tracks in the one file are verified as tracks of their own are: the image's record (a
// local server) has track 3 differing, so the rip is not exact.
TEST_F(CliOneFile, TheTracksInTheOneFileAreVerifiedWithAccurateRip) {
    const CdImage image = writeReferenceDisc(dir.path(), true);
    WebServer server;
    serveReferenceDisc(server, recordOf(image, 3));
    ASSERT_TRUE(server.start());
    const QString key = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("AccurateRip Verify"), QStringLiteral("1"));
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, QStringLiteral("AccurateRip Server"), settingsFor(server).accurateRipServer);
    const CommandResult rip = runCommand({QStringLiteral("--cd"), image.cue, QStringLiteral("--one-file"), QStringLiteral("-o"), QStringLiteral("ar")},
                                         dir.path(), config.path());
    EXPECT_EQ(rip.exitCode, 3) << rip.err.toStdString();
    EXPECT_TRUE(rip.err.contains(QStringLiteral("Track 1 (Track01.cda): Accurately ripped (confidence 3, AccurateRip v2)"))) << rip.err.toStdString();
    EXPECT_TRUE(rip.err.contains(QStringLiteral("Track 2 (Track02.cda): Accurately ripped")));
    EXPECT_TRUE(rip.err.contains(QStringLiteral("Track 3 (Track03.cda): Does not match AccurateRip")));
    EXPECT_TRUE(QFileInfo::exists(dir.filePath(QStringLiteral("ar/Text Artist - Text Album.flac"))));
}

TEST(CliOneFileOptions, OneFileGoesWithAWholeDiscOnly) {
    const struct {
        const char* line;
        const char* error;
    } cases[] = {
        {"--one-file a.wav", "--one-file needs --cd"},
        {"--cd d.cue --one-file --tracks 2", "--one-file rips the whole disc: give no --tracks with it"},
        {"--cd d.cue --one-file --existing rename", "--one-file names its file after the disc: use --existing skip or overwrite with it"},
        {"--cd d.cue --one-file", ""},
    };
    for (const auto& c : cases) {
        const cli::ParseResult parsed = cli::parseArguments(QString::fromUtf8(c.line).split(QLatin1Char(' ')));
        EXPECT_EQ(parsed.error, QString::fromUtf8(c.error)) << c.line;
        EXPECT_TRUE(!parsed.error.isEmpty() || parsed.options.oneFile) << c.line;
    }
}

}  // namespace
