// Disc look-ups over the network against local servers: MusicBrainz releases and covers, the
// order of the sources, failures that change nothing, and AccurateRip records with their cache.
#include "components/net/DiscLookup.h"
#include "components/net/HttpGet.h"
#include "support/DiscServices.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

using namespace testing_support;

DiscToc referenceToc() { return {{0, 460, 660}, 1120}; }

TEST(DiscLookup, MusicBrainzOffersTheReleasesThatHoldTheDiscWithTheRightMedium) {
    const net::ReleaseLookup found = net::parseDiscIdAnswer(referenceReleasesJson(), QString::fromLatin1(kReferenceDiscId),
                                                            referenceToc());
    ASSERT_EQ(found.releases.size(), 2u) << found.error.toStdString();
    const net::Release& single = found.releases[0];
    EXPECT_EQ(single.title, QStringLiteral("Morning Album"));
    EXPECT_EQ(single.artist, QStringLiteral("The Testers"));
    EXPECT_EQ(single.label, QStringLiteral("Loopback Records"));
    EXPECT_EQ(single.info.year, 2001);
    EXPECT_EQ(single.info.trackTitles, QStringList({QStringLiteral("Dawn"), QStringLiteral("Noon"), QStringLiteral("Dusk")}));
    EXPECT_EQ(single.info.recordingIds.value(2), QStringLiteral("r1000000-0000-4000-8000-000000000003"));
    EXPECT_EQ(single.info.artistId, QStringLiteral("a0000000-0000-4000-8000-000000000001"));
    EXPECT_EQ(single.info.discId, QStringLiteral("0b000e03"));
    // The second release has two media: this disc is the second.
    const net::Release& deluxe = found.releases[1];
    EXPECT_EQ(deluxe.artist, QStringLiteral("The Testers & Guest"));
    EXPECT_EQ(deluxe.info.discNumber, 2);
    EXPECT_EQ(deluxe.info.discTotal, 2);
    EXPECT_EQ(deluxe.info.trackTitles.value(0), QStringLiteral("Bonus One"));
    EXPECT_EQ(deluxe.info.recordingIds.value(0), QStringLiteral("r3000000-0000-4000-8000-000000000001"));
}

TEST(DiscLookup, FailuresSayWhyAndWriteNothing) {
    WebServer server;
    server.serve(referenceLookupPath(),
                 {503, "text/plain", "busy"});
    ASSERT_TRUE(server.start());
    WebServer silent(true);
    ASSERT_TRUE(silent.start());
    WebServer broken;
    broken.serve(referenceLookupPath(),
                 {200, "application/json", "{ not json"});
    ASSERT_TRUE(broken.start());
    WebServer empty;  // knows no disc: 404
    ASSERT_TRUE(empty.start());
    GrabSettings refused = settingsFor(server);
    refused.musicBrainzServer = QStringLiteral("http://127.0.0.1:1");
    GrabSettings slow = settingsFor(silent);
    slow.cddbTimeOut = 300;
    const struct {
        GrabSettings settings;
        const char* says;
    } cases[] = {{settingsFor(server), "HTTP status 503"},
                 {slow, "did not answer within 1 seconds"},
                 {settingsFor(broken), "not JSON"},
                 {settingsFor(empty), "knows no release with disc id jObrkwt9ee2eRhec1KFMgPp56d4-"},
                 {refused, "could not be reached"}};
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("cdplayer.ini"));
    for (const auto& c : cases) {
        const net::DiscLookup r = net::lookupDisc(referenceToc(), std::nullopt, DiscInfoSource::OnLine, c.settings, ini);
        EXPECT_FALSE(r.result.found) << c.says;
        EXPECT_TRUE(r.releases.empty()) << c.says;
        EXPECT_TRUE(r.result.error.contains(QString::fromUtf8(c.says))) << r.result.error.toStdString();
        EXPECT_TRUE(r.result.error.contains(QStringLiteral("No CDDB server is set."))) << r.result.error.toStdString();
    }
    EXPECT_FALSE(QFile::exists(ini));
}

TEST(DiscLookup, SourcesAreAskedInOrderAndWhatIsFoundIsKept) {
    WebServer server;
    serveReferenceDisc(server, {});
    ASSERT_TRUE(server.start());
    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("cdplayer.ini"));
    const DiscToc toc = referenceToc();
    DiscInfo text;
    text.artist = QStringLiteral("Text Artist");
    text.album = QStringLiteral("Text Album");
    text.trackTitles = QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")};

    // On-line: MusicBrainz, with two releases to pick from; nothing is written yet.
    net::DiscLookup online = net::lookupDisc(toc, text, DiscInfoSource::OnLine, settingsFor(server), ini);
    EXPECT_EQ(online.releases.size(), 2u);
    EXPECT_FALSE(QFile::exists(ini));
    const QList<WebServer::Request> asked = server.requests();
    ASSERT_EQ(asked.size(), 1);
    // The program names itself and its address, never its user.
    EXPECT_EQ(asked[0].userAgent, QStringLiteral("Velloria/" VELLORIA_TEST_VERSION " ( " VELLORIA_TEST_HOMEPAGE " )"));
    EXPECT_FALSE(asked[0].userAgent.contains(settingsFor(server).email));

    // Any source: CD-Text comes before MusicBrainz, and is kept in cdplayer.ini.
    net::DiscLookup any = net::lookupDisc(toc, text, DiscInfoSource::Any, settingsFor(server), ini);
    ASSERT_TRUE(any.result.found);
    EXPECT_EQ(any.result.info.source, QStringLiteral("CD-Text"));
    EXPECT_EQ(server.requests().size(), 1);

    // Picking the single release fetches its cover and replaces the entry; cdplayer.ini then
    // answers first.
    const DiscInfoResult picked = net::finishRelease(online.releases[0], toc, settingsFor(server), ini);
    ASSERT_TRUE(picked.found);
    EXPECT_TRUE(picked.error.isEmpty()) << picked.error.toStdString();
    QFile cover(picked.info.coverPath);
    ASSERT_TRUE(cover.open(QIODevice::ReadOnly)) << picked.info.coverPath.toStdString();
    EXPECT_EQ(cover.readAll(), coverPicture());
    const DiscInfoResult kept = readCdplayerIni(toc, ini);
    ASSERT_TRUE(kept.found);
    EXPECT_EQ(kept.info.album, QStringLiteral("Morning Album"));
    EXPECT_EQ(kept.info.date, QStringLiteral("2001-05-14"));
    EXPECT_EQ(kept.info.releaseId, QString::fromLatin1(kSingleReleaseId));
    EXPECT_EQ(kept.info.recordingIds, online.releases[0].info.recordingIds);
    EXPECT_EQ(kept.info.coverPath, picked.info.coverPath);
    net::DiscLookup again = net::lookupDisc(toc, text, DiscInfoSource::Any, settingsFor(server), ini);
    EXPECT_EQ(again.result.info.source, QStringLiteral("cdplayer.ini"));

    // A release without a cover is taken all the same.
    const DiscInfoResult deluxe = net::finishRelease(online.releases[1], toc, settingsFor(server), ini);
    EXPECT_TRUE(deluxe.found);
    EXPECT_TRUE(deluxe.info.coverPath.isEmpty());

    // "Use MusicBrainz" off: the CDDB server is next, and there is none here.
    GrabSettings noMb = settingsFor(server);
    noMb.useMusicBrainz = false;
    const int before = int(server.requests().size());
    EXPECT_FALSE(net::lookupDisc(toc, std::nullopt, DiscInfoSource::OnLine, noMb, ini).result.found);
    EXPECT_EQ(server.requests().size(), before);
}

TEST(DiscLookup, AccurateRipRecordsAreFetchedOnceAndAnUnknownDiscIsNoError) {
    QTemporaryDir dir;
    const CdImage image = writeReferenceDisc(dir.path());
    WebServer server;
    serveReferenceDisc(server, recordOf(image));
    ASSERT_TRUE(server.start());
    const QString cache = dir.filePath(QStringLiteral("cache"));
    const accuraterip::DiscIds ids = accuraterip::discIds(referenceToc());
    for (int pass = 0; pass < 2; ++pass) {
        const net::RecordFetch got = net::fetchAccurateRip(ids, settingsFor(server), cache);
        ASSERT_EQ(got.kind, net::RecordFetch::Kind::Found) << got.error.toStdString();
        EXPECT_EQ(got.record.blocks.size(), 2u);
    }
    EXPECT_EQ(server.requests().size(), 1);  // the second came from the cache
    EXPECT_TRUE(QFile::exists(QDir(cache).filePath(ids.fileName())));

    accuraterip::DiscIds unknown = ids;
    unknown.id1 += 1;
    EXPECT_EQ(net::fetchAccurateRip(unknown, settingsFor(server), cache).kind, net::RecordFetch::Kind::NotKnown);
    WebServer damaged;
    damaged.serve(QStringLiteral("/ar/") + unknown.serverPath(), {200, "application/octet-stream", "short"});
    ASSERT_TRUE(damaged.start());
    const net::RecordFetch bad = net::fetchAccurateRip(unknown, settingsFor(damaged), cache);
    EXPECT_EQ(bad.kind, net::RecordFetch::Kind::Failed);
    EXPECT_FALSE(QFile::exists(QDir(cache).filePath(unknown.fileName())));  // nothing damaged is kept
}

TEST(DiscLookup, RequestsToOneHostKeepTheirGap) {
    using namespace std::chrono;
    net::RequestPacer pacer;
    const auto t0 = net::RequestPacer::Clock::time_point{} + hours(1);
    const struct {
        const char* host;
        milliseconds at;
        milliseconds wait;
    } cases[] = {{"mb", 0ms, 0ms}, {"mb", 200ms, 800ms}, {"mb", 300ms, 1700ms}, {"other", 300ms, 0ms}, {"mb", 5000ms, 0ms}};
    for (const auto& c : cases)
        EXPECT_EQ(pacer.reserve(QString::fromLatin1(c.host), t0 + c.at, 1000), c.wait) << c.host << " " << c.at.count();
}

}  // namespace
