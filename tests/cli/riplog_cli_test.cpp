// velloria-convert --cd writes the rip log beside the tracks, with --test-and-copy both reads'
// CRC32s, and tells where the log is; --test-and-copy belongs with --cd.
#include "cli/ConsoleRun.h"
#include "cli/Options.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/store/CRegister.h"
#include "support/CdImages.h"
#include "support/CliRuns.h"
#include "support/ConfigHome.h"
#include "support/RipLogTools.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

const QString kConverterKey = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");

TEST(RipLogOptions, TestAndCopyGoesWithCd) {
    const struct {
        const char* line;
        const char* error;  // empty: understood
        bool testAndCopy;
    } cases[] = {{"--cd disc.cue --test-and-copy", "", true},
                 {"--cd disc.cue", "", false},
                 {"--test-and-copy a.wav", "--test-and-copy needs --cd", true}};
    for (const auto& c : cases) {
        const cli::ParseResult r = cli::parseArguments(QString::fromUtf8(c.line).split(QLatin1Char(' ')));
        EXPECT_EQ(r.error, QString::fromUtf8(c.error)) << c.line;
        EXPECT_EQ(r.options.testAndCopy, c.testAndCopy) << c.line;
    }
    EXPECT_TRUE(cli::usageText().contains(QStringLiteral("--test-and-copy")));
}

TEST(RipLogProgram, RipsADiscImageWithTheLogBesideItsTracks) {
    QTemporaryDir dir;
    const TempConfigHome config;
    // No AccurateRip server is reachable from the tests: verification off, as stored.
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kConverterKey, QStringLiteral("AccurateRip Verify"), QStringLiteral("0"));
    const CdImage image = writeReferenceDisc(dir.path(), true);
    const CommandResult rip = runCommand({QStringLiteral("--cd"), image.cue, QStringLiteral("--tracks"), QStringLiteral("1,3"),
                                          QStringLiteral("--test-and-copy"), QStringLiteral("-f"), QStringLiteral("flac"),
                                          QStringLiteral("-o"), QStringLiteral("ripped"), QStringLiteral("--json")},
                                         dir.path(), config.path());
    ASSERT_EQ(rip.exitCode, 0) << rip.err.toStdString();
    const QString logPath = dir.filePath(QStringLiteral("ripped/Text Album.log"));
    // The log is told as an event of its own.
    bool told = false;
    for (const QString& line : rip.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QJsonObject o = QJsonDocument::fromJson(line.toUtf8()).object();
        if (o.value(QStringLiteral("event")).toString() == QStringLiteral("ripLog"))
            told = o.value(QStringLiteral("path")).toString() == logPath;
    }
    EXPECT_TRUE(told) << rip.out.toStdString();
    const QString text = readText(logPath);
    ASSERT_FALSE(text.isEmpty());
    EXPECT_EQ(logField(text, QStringLiteral("Program")), QStringLiteral("Velloria " VELLORIA_TEST_VERSION));
    EXPECT_EQ(logField(text, QStringLiteral("Test and copy")), QStringLiteral("on"));
    EXPECT_EQ(logField(text, QStringLiteral("Tracks ripped")), QStringLiteral("2 of 2"));
    for (const int t : {1, 3}) {
        const QString track = QStringLiteral("Track %1").arg(t);
        const QString crc = zlibCrc32(image.tracks[std::size_t(t - 1)]);
        EXPECT_EQ(logField(text, QStringLiteral("Test CRC32"), track), crc) << t;
        EXPECT_EQ(logField(text, QStringLiteral("Copy CRC32"), track), crc) << t;
        EXPECT_TRUE(logField(text, QStringLiteral("File"), track).endsWith(QStringLiteral(".flac")));
    }
    EXPECT_EQ(logField(text, QStringLiteral("Result"), QStringLiteral("Track 2")), QString());  // not asked for
    EXPECT_TRUE(text.trimmed().endsWith(QStringLiteral(": ") + sha256sumOfAllButLastLine(logPath)));
    // The JSON as Python's json module reads it: both tracks' CRC32s, and the digest of the text.
    QProcess python;
    python.start(QStringLiteral("python3"),
                 {QStringLiteral("-c"),
                  QStringLiteral("import json, sys\nd = json.load(open(sys.argv[1]))\n"
                                 "print(' '.join(t['testCrc32'] + '/' + t['copyCrc32'] for t in d['tracks']), d['logSha256'])"),
                  dir.filePath(QStringLiteral("ripped/Text Album.json"))});
    ASSERT_TRUE(python.waitForFinished(30000));
    const QString crc1 = zlibCrc32(image.tracks[0]), crc3 = zlibCrc32(image.tracks[2]);
    EXPECT_EQ(QString::fromUtf8(python.readAllStandardOutput()).trimmed(),
              QStringLiteral("%1/%1 %2/%2 %3").arg(crc1, crc3, sha256sumOfAllButLastLine(logPath)));
}

// In process, over a disc that reads a sector differently every time: the run's two reads of the
// track differ, which makes the rip inexact (exit status 3); the same rip of a clean disc is exact.
TEST(RipLogProgram, TestAndCopyReadsThatDifferMakeTheRipInexact) {
    QTemporaryDir dir;
    const CdImage image = writeReferenceDisc(dir.path());
    CdGrabber grabber(nullptr, dir.filePath(QStringLiteral("stubs")), false);
    ASSERT_GE(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
    GrabSettings grab;
    grab.readMode = 1;
    grab.safeMode = false;
    grab.testAndCopy = true;
    grabber.setSettings(grab);
    cli::Options options;
    options.quiet = true;
    options.outputDir = dir.path();
    cli::RunSettings settings;
    settings.format = cli::formatByName(QStringLiteral("wav"));
    settings.preserveTags = false;
    ASSERT_NE(settings.format, nullptr);
    for (const bool scratched : {false, true}) {
        SCOPED_TRACE(scratched);
        const QString folder = dir.filePath(scratched ? QStringLiteral("scratched") : QStringLiteral("clean"));
        ASSERT_TRUE(QDir().mkpath(folder));
        auto layer = std::make_shared<ScratchedDisc>();
        if (scratched) layer->misreads = {{image.starts[1] + 50, -1}};
        grabber.setDriveLayer(layer);
        const QList<cli::PlannedFile> plan{
            {cli::PlannedFile::Kind::Convert, grabber.RootText() + QStringLiteral("Track02.cda"), folder + QStringLiteral("/two.wav"), {}}};
        EXPECT_EQ(cli::runPlan(options, settings, plan, {&grabber, {}, {}}), scratched ? 3 : 0);
        const QString text = readText(folder + QStringLiteral("/Disc 0b000e03.log"));
        EXPECT_EQ(logField(text, QStringLiteral("Test and copy"), QStringLiteral("Track 2")),
                  scratched ? QStringLiteral("differ") : QStringLiteral("same"));
    }
}

}  // namespace
