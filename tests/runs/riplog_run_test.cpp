// The conversion run writes a rip log beside the tracks of every disc it reads: finished, failed
// and cancelled rips alike; test and copy reads every track twice and reports reads that differ.
// The CRC32s and peaks are checked against Python's zlib and array modules over the disc's own
// samples, the checksum line against coreutils' sha256sum.
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "runs/ConversionRunner.h"
#include "support/CdArchiveImages.h"
#include "support/CdImages.h"
#include "support/Damage.h"
#include "support/DiscServices.h"
#include "support/Translation.h"
#include "support/RipLogTools.h"
#include "support/RunHosts.h"
#include "support/Signals.h"
#include "support/WebServer.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QJsonArray>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

using namespace converter;
using namespace testing_support;

namespace {

using LogRunHost = RecordingRunHost;

class RipLogRun : public ::testing::Test {
public:
    void SetUp() override {
        image = writeReferenceDisc(dir.path(), true);  // its CD-Text names the album "Text Album"
        ASSERT_GE(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
        settings.readMode = 1;
    }
    QString track(int n) const { return grabber.RootText() + QStringLiteral("Track%1.cda").arg(n, 2, 10, QLatin1Char('0')); }
    QString out(const QString& name = {}) const { return dir.filePath(QStringLiteral("out/") + name); }
    // Tracks `numbers` to WAV in out/, verified against `server` when given.
    // Sector 20 of track 2 unreadable, with "stop" as the action on errors and no retries.
    void scratchTrackTwo(bool testAndCopy) {
        settings.errorAction = 0;
        settings.retries = 0;
        settings.testAndCopy = testAndCopy;
        auto scratched = std::make_shared<ScratchedDisc>();
        scratched->unreadable = {image.starts[1] + 20};
        grabber.setDriveLayer(scratched);
    }
    void rip(const QList<int>& numbers, const WebServer* server = nullptr) {
        QDir().mkpath(out());
        grabber.setSettings(settings);
        RunSnapshot s;
        for (int n : numbers) s.entries.push_back({track(n), out(QStringLiteral("out%1.WAV").arg(n)), true});
        s.formatKey = QStringLiteral("WAV");
        ConversionRunner runner(host, {reader, writer, tags, &grabber, dir.filePath(QStringLiteral("cdplayer.ini"))});
        if (server) runner.verifyWithAccurateRip(dir.filePath(QStringLiteral("cache")));
        runner.run(s);
    }
    // The one log the run wrote, as text.
    QString theLog() {
        EXPECT_EQ(host.ripLogs, QStringList{out(QStringLiteral("Text Album.log"))});
        return readText(out(QStringLiteral("Text Album.log")));
    }
    QString field(const QString& text, const char* name, int trackNumber = 0) const {
        return logField(text, QLatin1String(name), trackNumber ? QStringLiteral("Track %1").arg(trackNumber) : QString());
    }

    QTemporaryDir dir;
    CdImage image;
    AudioFile reader, writer;
    AudioInfo tags;
    CdGrabber grabber{nullptr, dir.filePath(QStringLiteral("stubs")), false};
    GrabSettings settings;
    LogRunHost host;
};

TEST_F(RipLogRun, AFinishedRipLogsTheDriveTheDiscAndEveryTrackAsRead) {
    WebServer server;
    serveReferenceDisc(server, recordOf(image));
    ASSERT_TRUE(server.start());
    settings = settingsFor(server);
    settings.readMode = 1;
    settings.testAndCopy = true;
    rip({1, 2, 3}, &server);
    ASSERT_TRUE(host.failures.isEmpty()) << host.failures.value(0).reason.toStdString();
    const QString text = theLog();
    const struct {
        const char* name;
        QString value;
    } header[] = {
        {"Program", QStringLiteral("Velloria " VELLORIA_TEST_VERSION)},
        {"Album", QStringLiteral("Text Album")},
        {"Artist", QStringLiteral("Text Artist")},
        {"Disc id", QStringLiteral("0b000e03")},
        {"Rip", QStringLiteral("completed")},
        {"Disc image", image.cue},
        {"Read offset", QStringLiteral("0 samples (a disc image is read as it is)")},
        {"Read mode", QStringLiteral("Burst (1)")},
        {"Mode Safe", QStringLiteral("on")},
        {"Retries", QStringLiteral("5")},
        {"Error action", QStringLiteral("insert silence")},
        {"Drive cache defeated", QStringLiteral("not applicable (a disc image)")},
        {"Test and copy", QStringLiteral("on")},
        {"Lead-out", QStringLiteral("1120")},
        {"Tracks ripped", QStringLiteral("3 of 3")},
    };
    for (const auto& h : header) EXPECT_EQ(field(text, h.name), h.value) << h.name;
    // When, with the offset from UTC.
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d(Z|[+-]\\d\\d:\\d\\d)$"))
                    .match(field(text, "Date"))
                    .hasMatch())
        << field(text, "Date").toStdString();
    EXPECT_LE(std::abs(QDateTime::fromString(field(text, "Date"), Qt::ISODate).secsTo(QDateTime::currentDateTime())), 600);
    EXPECT_TRUE(text.contains(QStringLiteral("      2  00:06.10  00:02.50  00:00.00           460      200  audio\n")));
    for (int t = 1; t <= 3; ++t) {
        SCOPED_TRACE(t);
        const SampleBlock& samples = image.tracks[std::size_t(t - 1)];
        const QString crc = zlibCrc32(samples);
        ASSERT_EQ(crc.size(), 8);
        EXPECT_EQ(field(text, "File", t), QStringLiteral("out%1.WAV").arg(t));
        EXPECT_EQ(field(text, "Test CRC32", t), crc);
        EXPECT_EQ(field(text, "Copy CRC32", t), crc);
        EXPECT_EQ(field(text, "Test and copy", t), QStringLiteral("same"));
        EXPECT_TRUE(field(text, "Peak", t).endsWith(QStringLiteral("(%1)").arg(pythonPeak(samples))));
        EXPECT_TRUE(field(text, "AccurateRip", t).startsWith(QStringLiteral("Accurately ripped (confidence 3, AccurateRip v2) [v1 ")));
        EXPECT_EQ(field(text, "Error blocks", t), QStringLiteral("none"));
        EXPECT_EQ(field(text, "Result", t), QStringLiteral("copied"));
    }
    EXPECT_TRUE(text.contains(QStringLiteral("\n  All tracks accurately ripped\n"))) << text.toStdString();
    EXPECT_TRUE(text.trimmed().endsWith(QStringLiteral(": ") + sha256sumOfAllButLastLine(out(QStringLiteral("Text Album.log")))));
    // The JSON beside it: the same facts, and the digest of the text.
    const QJsonObject json = readJson(out(QStringLiteral("Text Album.json")));
    EXPECT_EQ(json.value(QStringLiteral("logSha256")).toString(), sha256sumOfAllButLastLine(out(QStringLiteral("Text Album.log"))));
    const QJsonArray tracks = json.value(QStringLiteral("tracks")).toArray();
    ASSERT_EQ(tracks.size(), 3);
    EXPECT_EQ(tracks[2].toObject().value(QStringLiteral("copyCrc32")).toString(), zlibCrc32(image.tracks[2]));
    EXPECT_EQ(tracks[2].toObject().value(QStringLiteral("accurateRip")).toObject().value(QStringLiteral("confidence")).toInt(), 3);
    EXPECT_EQ(json.value(QStringLiteral("summary")).toObject().value(QStringLiteral("result")).toString(), QStringLiteral("accurate"));
}

// Sectors that cannot be read are named in the log by where they lie; the CRC32 is that of what
// was written.
TEST_F(RipLogRun, ErrorBlocksAreLoggedWhereTheyLie) {
    settings.errorAction = 1;  // silence
    settings.retries = 0;
    auto scratched = std::make_shared<ScratchedDisc>();
    scratched->unreadable = {image.starts[1] + 20, image.starts[1] + 21, image.starts[1] + 90};
    grabber.setDriveLayer(scratched);
    rip({2});
    const QString text = theLog();
    EXPECT_EQ(field(text, "Error blocks", 2), QStringLiteral("3, at sectors 480-481 (at 00:00.20), 550 (at 00:01.15)"));
    const ReadBack written = readBack(out(QStringLiteral("out2.WAV")));
    ASSERT_FALSE(written.samples.empty());
    EXPECT_EQ(field(text, "Copy CRC32", 2), zlibCrc32(written.samples));
    EXPECT_EQ(field(text, "Test CRC32", 2), QString());  // no test read asked for
    EXPECT_TRUE(field(text, "AccurateRip", 2).startsWith(QStringLiteral("not verified [v1 "))) << field(text, "AccurateRip", 2).toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("  Not all tracks accurately ripped\n    Track 2: 3 error blocks\n"))) << text.toStdString();
    EXPECT_EQ(logField(text, QStringLiteral("AccurateRip"), QStringLiteral("Summary")),
              QStringLiteral("not verified (verification is off in the ripping options)"));
    const QJsonObject json = readJson(out(QStringLiteral("Text Album.json")));
    EXPECT_EQ(json.value(QStringLiteral("tracks")).toArray()[0].toObject().value(QStringLiteral("errorSectors")).toArray(),
              (QJsonArray{480, 481, 550}));
}

// A read that has to stop fails its track: the log says the rip failed, and why, with or without
// a test read first; the other tracks are ripped and logged as always.
TEST_F(RipLogRun, AFailedRipWritesALogThatSaysSo) {
    for (const bool testAndCopy : {false, true}) {
        SCOPED_TRACE(testAndCopy);
        QDir(out()).removeRecursively();
        host = LogRunHost();
        scratchTrackTwo(testAndCopy);
        rip({1, 2, 3});
        ASSERT_EQ(host.failures.size(), 1);
        const QString text = theLog();
        EXPECT_EQ(field(text, "Rip"), QStringLiteral("failed"));
        const QString reason = QStringLiteral("Sector 20 of track 2 could not be read at all after 0 retries; the read was stopped.");
        EXPECT_EQ(field(text, "Result", 2), QStringLiteral("failed: ") + host.failures[0].reason);
        EXPECT_EQ(host.failures[0].reason, testAndCopy ? QStringLiteral("The test read failed: ") + reason : reason);
        EXPECT_EQ(field(text, "File", 2), QStringLiteral("(none)"));
        EXPECT_EQ(field(text, "Result", 3), QStringLiteral("copied"));
        EXPECT_EQ(field(text, "Copy CRC32", 3), zlibCrc32(image.tracks[2]));
        EXPECT_TRUE(text.contains(QStringLiteral("    Track 2: failed: ") + host.failures[0].reason + QLatin1Char('\n')));
        EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("out2.WAV"))));
    }
}

// The user reads a failure in their language; the log, which tools read, keeps it in English.
TEST_F(RipLogRun, AFailureIsShownTranslatedAndLoggedInEnglish) {
    const BracketingTranslator translated({QStringLiteral("ConversionRunner")});
    scratchTrackTwo(true);
    rip({2});
    ASSERT_EQ(host.failures.size(), 1);
    const QString reason = QStringLiteral("Sector 20 of track 2 could not be read at all after 0 retries; the read was stopped.");
    EXPECT_EQ(host.failures[0].reason, QStringLiteral("[The test read failed: %1]").arg(reason));
    EXPECT_EQ(field(theLog(), "Result", 2), QStringLiteral("failed: The test read failed: ") + reason);
}

// A cancel during a track's read, or before the first: the log says the rip was cancelled, which
// track's read was cut short, and which were never reached.
TEST_F(RipLogRun, ACancelledRipWritesALogThatSaysSo) {
    const struct {
        int cancelAtFile;  // 0: before the run's first track
        const char* results[3];
    } cases[] = {{2, {"copied", "cancelled", "not ripped"}}, {0, {"not ripped", "not ripped", "not ripped"}}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cancelAtFile);
        QDir(out()).removeRecursively();
        host = LogRunHost();
        if (c.cancelAtFile == 0) host.cancelAfterPasses = 0;
        host.onFileStarted = [&](int number) {
            if (number == c.cancelAtFile) host.cancelAfterPasses = host.passes;
        };
        rip({1, 2, 3});
        const QString text = theLog();
        EXPECT_EQ(field(text, "Rip"), QStringLiteral("cancelled"));
        for (int t = 1; t <= 3; ++t) EXPECT_EQ(field(text, "Result", t), QLatin1String(c.results[t - 1])) << t;
        EXPECT_TRUE(text.contains(QStringLiteral("  Not all tracks accurately ripped\n")));
        EXPECT_TRUE(text.contains(QStringLiteral("    Track 3: not ripped\n")));
        // The disc is described even when none of its tracks was started.
        EXPECT_EQ(field(text, "Lead-out"), QStringLiteral("1120"));
    }
}

// cuetools' breakpoints of a cue sheet with a pre-gap ("INDEX 00") before track 2, as sectors.
QList<int> cueBreakpoints(const QString& cue, const QString& gaps) {
    QProcess p;
    p.start(QStringLiteral("cuebreakpoints"), {gaps, cue});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) return {};
    QList<int> sectors;
    for (const QString& line : QString::fromLocal8Bit(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const QStringList parts = line.trimmed().split(QRegularExpression(QStringLiteral("[:.]")));
        if (parts.size() == 3) sectors << (parts[0].toInt() * 60 + parts[1].toInt()) * 75 + parts[2].toInt();
    }
    return sectors;
}

// The table of contents comes from the disc's layout: a pre-gap before track 2 shows as cuetools
// reads it from the cue sheet, and shortens track 1.
TEST_F(RipLogRun, TheTableOfContentsHoldsThePreGapsAsCuetoolsReadsThem) {
    QFile cue(image.cue);
    ASSERT_TRUE(cue.open(QIODevice::ReadOnly));
    QString sheet = QString::fromUtf8(cue.readAll());
    cue.close();
    sheet.replace(QStringLiteral("  TRACK 02 AUDIO\n"), QStringLiteral("  TRACK 02 AUDIO\n    INDEX 00 00:04:00\n"));
    ASSERT_TRUE(cue.open(QIODevice::WriteOnly | QIODevice::Truncate));
    cue.write(sheet.toUtf8());
    cue.close();
    ASSERT_GE(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();  // the sheet read anew
    const QList<int> index01 = cueBreakpoints(image.cue, QStringLiteral("--append-gaps"));
    const QList<int> index00 = cueBreakpoints(image.cue, QStringLiteral("--prepend-gaps"));
    ASSERT_EQ(index01.size(), 2);
    ASSERT_EQ(index00.size(), 2);
    rip({2});
    const QString text = theLog();
    const int pregap = index01[0] - index00[0];
    EXPECT_EQ(pregap, 160);
    EXPECT_EQ(field(text, "Pre-gap", 2), riplog::msf(pregap));
    EXPECT_TRUE(text.contains(QStringLiteral("      1  00:00.00  %1  00:00.00             0  %2  audio\n")
                                  .arg(riplog::msf(index00[0]))
                                  .arg(index00[0], 7)))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("      2  %1  %2  %3  %4  %5  audio\n")
                                  .arg(riplog::msf(index01[0]), riplog::msf(index01[1] - index01[0]), riplog::msf(pregap))
                                  .arg(index01[0], 12)
                                  .arg(index01[1] - index01[0], 7)))
        << text.toStdString();
}

// Outputs beside the track entries are refused (they would be on the CD): no log goes there either.
TEST_F(RipLogRun, NoLogGoesIntoTheDrivesFolderOfTracks) {
    grabber.setSettings(settings);
    RunSnapshot s;
    s.entries.push_back({track(2), grabber.RootText() + QStringLiteral("Track02.WAV"), true});
    s.formatKey = QStringLiteral("WAV");
    s.sameFolder = true;
    ConversionRunner runner(host, {reader, writer, tags, &grabber, {}});
    runner.run(s);
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].endsWith(QStringLiteral("is on a CD. Please choose another folder"))) << host.messages[0].toStdString();
    EXPECT_TRUE(host.ripLogs.isEmpty());
    EXPECT_EQ(QDir(grabber.RootText()).entryList({QStringLiteral("*.log"), QStringLiteral("*.json")}), QStringList());
}

// A disc with a data track first (mixed mode): the table of contents lists the data track as such,
// the gap before the first audio track and the catalogue number; each copy is the image's track.
TEST(RipLogDiscs, AMixedModeDiscListsItsDataTrackItsGapAndItsCatalogueNumber) {
    QTemporaryDir dir;
    const ArchiveImage image = writeArchiveImage(dir.path(), QStringLiteral("mixed"), mixedModeDisc());
    ASSERT_FALSE(image.cue.isEmpty());
    CdGrabber grabber(nullptr, dir.filePath(QStringLiteral("stubs")), false);
    ASSERT_GE(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
    GrabSettings settings;
    settings.readMode = 1;
    grabber.setSettings(settings);
    RunSnapshot s;
    for (int n : {2, 3})
        s.entries.push_back({grabber.RootText() + QStringLiteral("Track0%1.cda").arg(n), dir.filePath(QStringLiteral("out/t%1.WAV").arg(n)), true});
    s.formatKey = QStringLiteral("WAV");
    QDir().mkpath(dir.filePath(QStringLiteral("out")));
    RecordingRunHost host;
    AudioFile reader, writer;
    AudioInfo tags;
    ConversionRunner(host, {reader, writer, tags, &grabber, {}}).run(s);
    ASSERT_EQ(host.ripLogs, QStringList{dir.filePath(QStringLiteral("out/Mixed Album.log"))});
    const QString text = readText(host.ripLogs[0]);
    EXPECT_EQ(logField(text, QStringLiteral("Catalogue number")), image.disc.catalog);
    const auto row = [](int number, std::int32_t start, std::int32_t length, std::int32_t pregap, const char* type) {
        return QStringLiteral("  %1  %2  %3  %4  %5  %6  %7\n")
            .arg(number, 5)
            .arg(riplog::msf(start), riplog::msf(length), riplog::msf(pregap))
            .arg(start, 12)
            .arg(length, 7)
            .arg(QLatin1String(type));
    };
    EXPECT_TRUE(text.contains(row(1, 0, image.pregaps[1], 0, "data"))) << text.toStdString();
    EXPECT_TRUE(text.contains(row(2, image.starts[1], image.pregaps[2] - image.starts[1], image.starts[1] - image.pregaps[1], "audio")));
    EXPECT_TRUE(text.contains(row(3, image.starts[2], image.leadOut - image.starts[2], 0, "audio")));
    EXPECT_EQ(logField(text, QStringLiteral("Pre-gap"), QStringLiteral("Track 2")), QStringLiteral("00:02.00"));
    for (int n : {2, 3}) {
        EXPECT_EQ(logField(text, QStringLiteral("Copy CRC32"), QStringLiteral("Track %1").arg(n)), zlibCrc32(image.ripOf(n))) << n;
        EXPECT_EQ(logField(text, QStringLiteral("Result"), QStringLiteral("Track %1").arg(n)), QStringLiteral("copied"));
    }
}

// A log that cannot be written (the disk is full, say) is reported, and the tracks stay written.
TEST_F(RipLogRun, ALogThatCannotBeWrittenIsReported) {
    std::unique_ptr<FileSizeLimit> limit;
    host.onFileEnded = [&] { limit = std::make_unique<FileSizeLimit>(64); };
    rip({2});
    limit.reset();
    EXPECT_TRUE(host.ripLogs.isEmpty()) << "a log cut short was taken as written";
    ASSERT_EQ(host.ripLogFailures.size(), 1);
    EXPECT_TRUE(host.ripLogFailures[0].startsWith(QStringLiteral("The rip log '%1' could not be written: ").arg(out(QStringLiteral("Text Album.log")))))
        << host.ripLogFailures[0].toStdString();
    EXPECT_TRUE(host.failures.isEmpty());
    EXPECT_TRUE(readBack(out(QStringLiteral("out2.WAV"))).samples == image.tracks[1]);
    EXPECT_FALSE(QFileInfo::exists(out(QStringLiteral("Text Album.log"))));
}

// With test and copy the bar fills once for both reads: the test read its first half, the copy
// the second; it never goes back.
TEST_F(RipLogRun, TestAndCopyFillsTheProgressBarOnce) {
    settings.testAndCopy = true;
    QList<double> shown;
    host.onProgress = [&](double percent) { shown << percent; };
    rip({1});
    ASSERT_TRUE(host.failures.isEmpty());
    const auto firstHalf = std::find_if(shown.cbegin(), shown.cend(), [](double p) { return p > 0 && p < 50; });
    const auto secondHalf = std::find_if(shown.cbegin(), shown.cend(), [](double p) { return p > 50 && p < 100; });
    ASSERT_NE(firstHalf, shown.cend());
    ASSERT_NE(secondHalf, shown.cend());
    EXPECT_LT(firstHalf, secondHalf);
    EXPECT_TRUE(std::none_of(secondHalf, shown.cend(), [](double p) { return p < 50; }));
    EXPECT_EQ(shown.last(), 100.0);
    EXPECT_LE(*std::max_element(shown.cbegin(), shown.cend()), 100.0);
}

// Test and copy over a disc that reads a sector differently every time: the test read differs from
// the copy, the run's report says so, and the log holds both CRC32s, the copy's that of the file
// written.
TEST_F(RipLogRun, TestAndCopyOfAScratchedDiscReportsDifferingReads) {
    settings.safeMode = false;
    settings.testAndCopy = true;
    auto scratched = std::make_shared<ScratchedDisc>();
    scratched->misreads = {{image.starts[1] + 50, -1}};
    grabber.setDriveLayer(scratched);
    rip({1, 2});
    ASSERT_TRUE(host.failures.isEmpty());
    const ReadBack written = readBack(out(QStringLiteral("out2.WAV")));
    ASSERT_FALSE(written.samples.empty());
    const QString copy = zlibCrc32(written.samples);
    const QString text = theLog();
    const QString test = field(text, "Test CRC32", 2);
    EXPECT_EQ(field(text, "Copy CRC32", 2), copy);
    EXPECT_NE(test, copy);
    EXPECT_EQ(test.size(), 8);
    EXPECT_EQ(field(text, "Test and copy", 2), QStringLiteral("differ"));
    EXPECT_EQ(field(text, "Test and copy", 1), QStringLiteral("same"));
    EXPECT_EQ(field(text, "Copy CRC32", 1), zlibCrc32(image.tracks[0]));
    EXPECT_EQ(host.messages, QStringList{QStringLiteral("Track 2 (Track02.cda): the test and copy reads differ (test CRC32 %1, "
                                                        "copy CRC32 %2); the track may not be exact.")
                                             .arg(test, copy)});
    EXPECT_TRUE(text.contains(QStringLiteral("    Track 2: the test and copy CRCs differ\n"))) << text.toStdString();
}

}  // namespace
