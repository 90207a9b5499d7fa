// A conversion run with CD tracks verifies them with AccurateRip at its end, against a local
// server; outputs named from the disc information. (Tags from MusicBrainz: the window's test.)
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/audio/settings/MP3Settings.h"
#include "runs/ConversionRunner.h"
#include "runs/ConverterRules.h"
#include "support/DiscServices.h"
#include "support/RunHosts.h"
#include "support/Signals.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace converter;
using namespace testing_support;

namespace {

class AccurateRipRun : public ::testing::Test {
public:
    void SetUp() override {
        image = writeReferenceDisc(dir.path());
        ASSERT_GE(grabber.OpenImage(image.cue), 0) << grabber.reason().toStdString();
    }
    QString track(int n) const { return grabber.RootText() + QStringLiteral("Track%1.cda").arg(n, 2, 10, QLatin1Char('0')); }
    // Tracks `numbers` to WAV, verified against `server` (with its time-out in ms, when given).
    void rip(const WebServer& server, QList<int> numbers, int timeOutMs = 0) {
        GrabSettings settings = settingsFor(server);
        if (timeOutMs > 0) settings.cddbTimeOut = timeOutMs;
        settings.readMode = 1;
        grabber.setSettings(settings);
        RunSnapshot s;
        for (int n : numbers)
            s.entries.push_back({track(n), dir.filePath(QStringLiteral("out%1.WAV").arg(n)), true});
        s.formatKey = QStringLiteral("WAV");
        host = RecordingRunHost();
        ConversionRunner runner(host, {reader, writer, tags, &grabber, dir.filePath(QStringLiteral("cdplayer.ini"))});
        runner.verifyWithAccurateRip(dir.filePath(QStringLiteral("cache%1").arg(++runs)));
        runner.run(s);
        ASSERT_TRUE(host.failures.isEmpty()) << host.failures.value(0).reason.toStdString();
    }

    QTemporaryDir dir;
    CdImage image;
    AudioFile reader, writer;
    AudioInfo tags;
    CdGrabber grabber{nullptr, dir.filePath(QStringLiteral("stubs")), false};
    RecordingRunHost host;
    int runs = 0;
};

// The record is built from the v2 checksums the independent reference gave for the reference
// disc (see the AccurateRip component test), not from our own code.
// Track `differing` has another checksum, from `otherRips` rips (0: an entry nobody confirmed).
QByteArray referenceRecord(int differing, int otherRips = 7) {
    const accuraterip::DiscIds ids = accuraterip::discIds(DiscToc{{0, 460, 660}, 1120});
    const std::uint32_t v2[] = {0x4018E124, 0x4BDA6A9E, 0xB00C68FA};
    accuraterip::Block block{ids, {}};
    for (int t = 0; t < 3; ++t)
        block.tracks.push_back({t + 1 == differing ? otherRips : 12, v2[t] ^ (t + 1 == differing ? 1u : 0u), 0});
    return accuraterip::recordBytes({block});
}

TEST_F(AccurateRipRun, EveryTrackGetsItsVerdictAtTheEndOfTheRun) {
    const struct {
        QByteArray record;  // empty: the server knows no such disc
        std::vector<const char*> verdicts;
        const char* summary;
        bool attention;  // a box in the window
    } cases[] = {
        {referenceRecord(0),
         {"Accurately ripped (confidence 12, AccurateRip v2)", "Accurately ripped (confidence 12, AccurateRip v2)",
          "Accurately ripped (confidence 12, AccurateRip v2)"},
         "AccurateRip: 3 of 3 tracks accurately ripped", false},
        {referenceRecord(2),
         {"Accurately ripped (confidence 12, AccurateRip v2)", "Does not match AccurateRip (7 other rips)",
          "Accurately ripped (confidence 12, AccurateRip v2)"},
         "AccurateRip: 2 of 3 tracks accurately ripped, 1 not matching", true},
        {recordOf(image, 3),
         {"Accurately ripped (confidence 3, AccurateRip v2)", "Accurately ripped (confidence 3, AccurateRip v2)",
          "Does not match AccurateRip (4 other rips)"},
         "AccurateRip: 2 of 3 tracks accurately ripped, 1 not matching", true},
        // An entry no rip confirms says nothing of the track: it is not a mismatch.
        {referenceRecord(2, 0),
         {"Accurately ripped (confidence 12, AccurateRip v2)", "Not in the AccurateRip database",
          "Accurately ripped (confidence 12, AccurateRip v2)"},
         "AccurateRip: 2 of 3 tracks accurately ripped, 1 not in the database", false},
        {{}, {"Not in the AccurateRip database", "Not in the AccurateRip database", "Not in the AccurateRip database"},
         "AccurateRip: 0 of 3 tracks accurately ripped, 3 not in the database", false},
    };
    for (const auto& c : cases) {
        WebServer server;
        serveReferenceDisc(server, c.record);
        ASSERT_TRUE(server.start());
        rip(server, {1, 2, 3});
        QStringList expected{QStringLiteral("AccurateRip results:")};
        for (int t = 1; t <= 3; ++t) expected << QStringLiteral("Track %1 (Track0%1.cda): %2").arg(t).arg(QString::fromUtf8(c.verdicts[std::size_t(t - 1)]));
        EXPECT_EQ(host.messages, QStringList{expected.join(QLatin1Char('\n'))});
        ASSERT_EQ(host.reports.size(), 1);
        EXPECT_EQ(host.reports[0].summary, QString::fromUtf8(c.summary));
        EXPECT_EQ(host.reports[0].attention, c.attention);
        // The rip itself is exact.
        EXPECT_TRUE(readBack(dir.filePath(QStringLiteral("out2.WAV"))).samples == image.tracks[1]);
    }
}

TEST_F(AccurateRipRun, AServerThatCannotBeReachedIsReportedAndChangesNothingElse) {
    WebServer server;
    ASSERT_TRUE(server.start());
    GrabSettings unreachable = settingsFor(server);
    unreachable.accurateRipServer = QStringLiteral("http://127.0.0.1:1/ar");
    grabber.setSettings(unreachable);
    RunSnapshot s;
    s.entries.push_back({track(2), dir.filePath(QStringLiteral("two.WAV")), true});
    s.formatKey = QStringLiteral("WAV");
    ConversionRunner runner(host, {reader, writer, tags, &grabber, {}});
    runner.verifyWithAccurateRip(dir.filePath(QStringLiteral("cache")));
    runner.run(s);
    EXPECT_TRUE(host.failures.isEmpty());
    ASSERT_EQ(host.messages.size(), 1);
    EXPECT_TRUE(host.messages[0].startsWith(
        QStringLiteral("AccurateRip results:\nThe AccurateRip record of disc dBAR-003-000008c0-00001cd5-0b000e03.bin could not be fetched: ")))
        << host.messages[0].toStdString();
    EXPECT_TRUE(readBack(dir.filePath(QStringLiteral("two.WAV"))).samples == image.tracks[1]);
    // Why there is no verdict is no reason for a box of its own.
    ASSERT_EQ(host.reports.size(), 1);
    EXPECT_FALSE(host.reports[0].attention);
    EXPECT_TRUE(host.reports[0].summary.startsWith(QStringLiteral("AccurateRip: not verified, 127.0.0.1 could not be reached")))
        << host.reports[0].summary.toStdString();

    // A run without verification says nothing of it; a run of files alone neither.
    host = RecordingRunHost();
    ConversionRunner quiet(host, {reader, writer, tags, &grabber, {}});
    quiet.run(s);
    EXPECT_TRUE(host.messages.isEmpty());
}

// A track read with error blocks is named in the report with their count, and needs a look even
// when it happens to match.
TEST_F(AccurateRipRun, ATrackWithErrorBlocksNeedsALook) {
    WebServer server;
    serveReferenceDisc(server, referenceRecord(0));
    ASSERT_TRUE(server.start());
    GrabSettings settings = settingsFor(server);
    settings.errorAction = 1;  // silence
    settings.retries = 0;
    grabber.setSettings(settings);
    auto scratched = std::make_shared<ScratchedDisc>();
    scratched->unreadable = {image.starts[1] + 20, image.starts[1] + 21};
    grabber.setDriveLayer(scratched);
    RunSnapshot s;
    s.entries.push_back({track(2), dir.filePath(QStringLiteral("two.WAV")), true});
    s.formatKey = QStringLiteral("WAV");
    ConversionRunner runner(host, {reader, writer, tags, &grabber, {}});
    runner.verifyWithAccurateRip(dir.filePath(QStringLiteral("cache")));
    runner.run(s);
    ASSERT_EQ(host.reports.size(), 1);
    EXPECT_EQ(host.reports[0].text, QStringLiteral("AccurateRip results:\nTrack 2 (Track02.cda): Does not match AccurateRip (12 "
                                                   "other rips), 2 error blocks"));
    EXPECT_EQ(host.reports[0].summary,
              QStringLiteral("AccurateRip: 0 of 1 track accurately ripped, 1 not matching, 1 with error blocks"));
    EXPECT_TRUE(host.reports[0].attention);
}

// Whatever an AccurateRip server does wrong, the tracks are written all the same, the report
// names AccurateRip and the reason, and nothing of the answer is kept in the cache.
TEST_F(AccurateRipRun, AMisbehavingServerLeavesTheTracksWrittenAndTheCacheEmpty) {
    for (const ServerFault& fault : serverFaults()) {
        SCOPED_TRACE(fault.name);
        WebServer server;
        server.serveEveryOtherPath(fault.answer);
        ASSERT_TRUE(server.start());
        rip(server, {2}, kFaultTimeOutMs);
        ASSERT_EQ(host.reports.size(), 1);
        const QString& text = host.reports[0].text;
        if (fault.accurateRip) {
            EXPECT_TRUE(text.startsWith(QStringLiteral("AccurateRip results:\nThe AccurateRip record of disc "
                                                       "dBAR-003-000008c0-00001cd5-0b000e03.bin could not be fetched: ")) &&
                        text.contains(QLatin1String(fault.accurateRip)))
                << text.toStdString();
            EXPECT_TRUE(host.reports[0].summary.startsWith(QStringLiteral("AccurateRip: not verified, ")));
        } else {
            EXPECT_EQ(text, QStringLiteral("AccurateRip results:\nTrack 2 (Track02.cda): Not in the AccurateRip database"));
        }
        EXPECT_FALSE(host.reports[0].attention);
        EXPECT_TRUE(readBack(dir.filePath(QStringLiteral("out2.WAV"))).samples == image.tracks[1]);
        EXPECT_EQ(QDir(dir.filePath(QStringLiteral("cache%1").arg(runs))).entryList(QDir::Files | QDir::Hidden), QStringList());
    }
}

TEST(NamedCdOutputs, ArtistAlbumAndTitleMakeTheNameAndCannotLeaveTheFolder) {
    DiscInfo info;
    info.artist = QStringLiteral("AC/DC");
    info.album = QStringLiteral("..");
    info.trackTitles = {QStringLiteral("Dawn"), QString(), QStringLiteral("  Noon  ")};
    const struct {
        int track;
        const char* expected;
    } cases[] = {{1, "/out/AC_DC/__/01 - Dawn.MP3"}, {2, "/out/AC_DC/__/02 - Track 02.MP3"}, {3, "/out/AC_DC/__/03 - Noon.MP3"},
                 {12, "/out/AC_DC/__/12 - Track 12.MP3"}};
    for (const auto& c : cases)
        EXPECT_EQ(namedCdTrackOutput(QStringLiteral("/out"), info, c.track, QStringLiteral("MP3")), QString::fromUtf8(c.expected));
    EXPECT_EQ(namedCdTrackOutput(QStringLiteral("/out/"), DiscInfo{}, 1, QStringLiteral("WAV")),
              QStringLiteral("/out/Unknown Artist/Unknown Album/01 - Track 01.WAV"));
}

}  // namespace
