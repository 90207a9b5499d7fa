// Disc look-ups over the network against local servers: MusicBrainz releases and covers, the
// order of the sources, failures that change nothing, and AccurateRip records with their cache.
#include "components/audio/cd/CdTrackTags.h"
#include "components/net/Cddb.h"
#include "components/net/DiscLookup.h"
#include "components/net/HttpGet.h"
#include "components/net/MusicBrainz.h"
#include "support/DiscServices.h"

#include <QDateTime>
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
        ASSERT_TRUE(got.found) << got.error.toStdString();
        EXPECT_EQ(got.record.blocks.size(), 2u);
    }
    EXPECT_EQ(server.requests().size(), 1);  // the second came from the cache
    EXPECT_TRUE(QFile::exists(QDir(cache).filePath(ids.fileName())));

    accuraterip::DiscIds unknown = ids;
    unknown.id1 += 1;
    EXPECT_TRUE(net::fetchAccurateRip(unknown, settingsFor(server), cache).notKnown);
    WebServer damaged;
    damaged.serve(QStringLiteral("/ar/") + unknown.serverPath(), {200, "application/octet-stream", "short"});
    ASSERT_TRUE(damaged.start());
    const net::RecordFetch bad = net::fetchAccurateRip(unknown, settingsFor(damaged), cache);
    EXPECT_FALSE(bad.found || bad.notKnown);
    EXPECT_FALSE(bad.error.isEmpty());
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

namespace {

// A compilation's tracks keep their own artists and ids; the disc knows its place in the release;
// cdplayer.ini keeps all of it beside the keys it always had.
TEST(DiscLookup, ACompilationGivesEveryTrackItsOwnArtistAndIsKeptWhole) {
    const net::ReleaseLookup found =
        net::parseDiscIdAnswer(compilationReleaseJson(), QString::fromLatin1(kReferenceDiscId), referenceToc());
    ASSERT_EQ(found.releases.size(), 1u) << found.error.toStdString();
    const DiscInfo& info = found.releases[0].info;
    EXPECT_EQ(info.artist, QStringLiteral("Various Artists"));
    const struct {
        const char* artist;
        const char* artistId;
        const char* isrc;
    } tracks[] = {{"The Larks", "a0000000-0000-4000-8000-000000000003", "GBMIX0100001"},
                  {"Sun Duo & Cloud", "a0000000-0000-4000-8000-000000000005", ""},  // two ISRCs: neither is sure
                  {"The Testers", "a0000000-0000-4000-8000-000000000007", "GBMIX0100003"}};
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(info.trackArtists.value(i), QString::fromUtf8(tracks[i].artist)) << i;
        EXPECT_EQ(info.trackArtistIds.value(i), QString::fromUtf8(tracks[i].artistId)) << i;
        EXPECT_EQ(info.isrcs.value(i), QString::fromUtf8(tracks[i].isrc)) << i;
        EXPECT_EQ(info.releaseTrackIds.value(i), compilationTrackId(i + 1)) << i;
    }
    EXPECT_EQ(info.discNumber, 1);
    EXPECT_EQ(info.discTotal, 2);

    QTemporaryDir dir;
    const QString ini = dir.filePath(QStringLiteral("cdplayer.ini"));
    ASSERT_TRUE(writeCdplayerIni(referenceToc(), info, ini));
    const DiscInfoResult kept = readCdplayerIni(referenceToc(), ini);
    ASSERT_TRUE(kept.found);
    EXPECT_EQ(kept.info.trackArtists, info.trackArtists);
    EXPECT_EQ(kept.info.trackArtistIds, info.trackArtistIds);
    EXPECT_EQ(kept.info.releaseTrackIds, info.releaseTrackIds);
    EXPECT_EQ(kept.info.isrcs, info.isrcs);
    EXPECT_EQ(kept.info.discNumber, 1);
    EXPECT_EQ(kept.info.discTotal, 2);
    QFile file(ini);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString text = QString::fromUtf8(file.readAll());
    for (const char* line : {"artist=Various Artists\r\n", "title=Morning Mix\r\n", "numtracks=3\r\n", "0=Dawn Chorus\r\n",
                             "mbtrack0=r4000000-0000-4000-8000-000000000001\r\n", "artist1=Sun Duo & Cloud\r\n",
                             "isrc2=GBMIX0100003\r\n", "discnumber=1\r\n", "disctotal=2\r\n"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
}

// The tags of a track from its disc's information and from what the disc itself holds.
TEST(CdTrackTags, EveryTagComesFromWhereItIsKnown) {
    DiscInfo info = net::parseDiscIdAnswer(compilationReleaseJson(), QString::fromLatin1(kReferenceDiscId), referenceToc())
                        .releases.at(0)
                        .info;
    const DiscFacts disc{3, QString::fromLatin1(kReferenceDiscId), {}};
    const struct {
        int track;
        DiscFacts facts;
        const char* key;
        const char* value;  // empty: no such tag
    } cases[] = {
        {1, disc, "ARTIST", "The Larks"},
        {1, disc, "ALBUMARTIST", "Various Artists"},
        {2, disc, "ARTIST", "Sun Duo & Cloud"},
        {2, disc, "TRACKNUMBER", "2"},
        {2, disc, "TRACKTOTAL", "3"},
        {2, disc, "DISCNUMBER", "1"},
        {2, disc, "DISCTOTAL", "2"},
        {2, disc, "DATE", "2010-03-01"},
        {1, disc, "ISRC", "GBMIX0100001"},
        {2, disc, "ISRC", ""},
        {1, {3, {}, QStringLiteral("GBDSC0000001")}, "ISRC", "GBDSC0000001"},  // the disc's own first
        {3, disc, "MUSICBRAINZ_RELEASETRACKID", "t4000000-0000-4000-8000-000000000003"},
        {3, disc, "MUSICBRAINZ_TRACKID", "r4000000-0000-4000-8000-000000000003"},
        {3, disc, "MUSICBRAINZ_ARTISTID", "a0000000-0000-4000-8000-000000000007"},
        {3, disc, "MUSICBRAINZ_ALBUMARTISTID", "a0000000-0000-4000-8000-000000000001"},
        {3, disc, "MUSICBRAINZ_ALBUMID", "0f0e0d0c-4444-4aaa-8bbb-000000000004"},
        {3, disc, "MUSICBRAINZ_DISCID", "jObrkwt9ee2eRhec1KFMgPp56d4-"},
    };
    for (const auto& c : cases) {
        const QStringList value = cdTrackTags(&info, c.track, c.facts).value(QLatin1String(c.key));
        EXPECT_EQ(value, *c.value ? QStringList{QString::fromUtf8(c.value)} : QStringList()) << c.track << " " << c.key;
    }
    // No information: the disc's own facts, and nothing made up.
    const QMap<QString, QStringList> bare = cdTrackTags(nullptr, 2, disc);
    EXPECT_EQ(bare.keys(), (QStringList{QStringLiteral("MUSICBRAINZ_DISCID"), QStringLiteral("TRACKNUMBER"), QStringLiteral("TRACKTOTAL")}));
    // CD-Text without a track performer: the disc's artist.
    DiscInfo text;
    text.artist = QStringLiteral("Text Artist");
    text.trackArtists = {QString(), QStringLiteral("Guest Voice")};
    EXPECT_EQ(cdTrackTags(&text, 1, disc).value(QStringLiteral("ARTIST")), QStringList{QStringLiteral("Text Artist")});
    EXPECT_EQ(cdTrackTags(&text, 2, disc).value(QStringLiteral("ARTIST")), QStringList{QStringLiteral("Guest Voice")});
}

}  // namespace

namespace {

// A busy MusicBrainz (503) is asked again after the time it asks for, at most twice, and only
// when the wait fits into the look-up's time-out.
TEST(DiscLookup, ABusyMusicBrainzIsAskedAgainAfterTheTimeItAsksFor) {
    using Answer = WebServer::Answer;
    const Answer found{200, "application/json", referenceReleasesJson()};
    const auto busy = [](const char* retryAfter) {
        return Answer{503, "text/plain", "busy", *retryAfter ? QByteArray("Retry-After: ") + retryAfter + "\r\n" : QByteArray()};
    };
    const struct {
        QList<Answer> answers;
        int timeOutMs;
        int requests;
        bool found;
    } cases[] = {
        {{busy("1"), found}, 5000, 2, true},
        {{busy(""), found}, 5000, 2, true},  // no Retry-After: a second
        {{busy("1"), busy("1"), busy("1"), found}, 8000, 3, false},
        {{busy("30"), found}, 5000, 1, false},  // the wait would outlast the time-out
    };
    for (const auto& c : cases) {
        WebServer server;
        server.serveInTurn(referenceLookupPath(), c.answers);
        ASSERT_TRUE(server.start());
        GrabSettings settings = settingsFor(server);
        settings.cddbTimeOut = c.timeOutMs;
        const net::ReleaseLookup got = net::lookupMusicBrainz(referenceToc(), settings);
        EXPECT_EQ(int(server.requests().size()), c.requests) << c.requests;
        EXPECT_EQ(!got.releases.empty(), c.found) << got.error.toStdString();
        if (!c.found) {
            EXPECT_TRUE(got.error.contains(QStringLiteral("HTTP status 503"))) << got.error.toStdString();
        }
    }
}

TEST(DiscLookup, RetryWaitsAreBoundedAndRetryAfterIsRead) {
    const auto answer = [](int status, int retryAfterMs) {
        net::HttpAnswer a;
        a.status = status;
        a.retryAfterMs = retryAfterMs;
        return a;
    };
    const struct {
        int status, retryAfterMs, retries, msLeft;
        std::optional<int> wait;
    } cases[] = {{503, 2000, 0, 7000, 2000}, {503, -1, 0, 7000, 1000},     {503, 60000, 0, 60000, 10000},
                 {503, 2000, 2, 7000, std::nullopt}, {503, 2000, 0, 2500, std::nullopt}, {500, 1000, 0, 7000, std::nullopt},
                 {404, 1000, 0, 7000, std::nullopt}};
    for (const auto& c : cases)
        EXPECT_EQ(net::retryWait(answer(c.status, c.retryAfterMs), c.retries, c.msLeft), c.wait)
            << c.status << " " << c.retryAfterMs << " " << c.retries << " " << c.msLeft;

    const QDateTime now = QDateTime::fromString(QStringLiteral("2024-05-01T10:00:00Z"), Qt::ISODate);
    const struct {
        const char* value;
        int ms;
    } headers[] = {{"3", 3000}, {" 0 ", 0}, {"Wed, 01 May 2024 10:00:05 GMT", 5000}, {"Wed, 01 May 2024 09:00:00 GMT", 0},
                   {"soon", -1}, {"-4", -1}};
    for (const auto& h : headers) EXPECT_EQ(net::retryAfterMs(h.value, now), h.ms) << h.value;
}

// The cover tags carry is the archive's 1200-pixel image; the original only for a release that
// has no such image.
TEST(DiscLookup, CoversAreTakenAt1200PixelsAndTheOriginalOnlyWithoutThem) {
    WebServer server;
    serveReferenceDisc(server, {});
    const QByteArray original = coverPicture() + "original";
    server.serve(QStringLiteral("/release/only-original/front"), {200, "image/png", original});
    ASSERT_TRUE(server.start());
    const struct {
        QString release;
        QByteArray cover;
        const char* error;
    } cases[] = {{QString::fromLatin1(kSingleReleaseId), coverPicture(), ""},
                 {QStringLiteral("only-original"), original, ""},
                 {QStringLiteral("no-cover"), {}, "The release has no front cover."}};
    for (const auto& c : cases) {
        const net::CoverFetch got = net::fetchFrontCover(c.release, settingsFor(server));
        EXPECT_EQ(got.image, c.cover) << c.release.toStdString();
        EXPECT_EQ(got.found, !c.cover.isEmpty());
        EXPECT_EQ(got.error, QString::fromUtf8(c.error));
    }
    QStringList asked;
    for (const WebServer::Request& r : server.requests()) asked << r.path;
    EXPECT_EQ(asked, (QStringList{QStringLiteral("/release/%1/front-1200").arg(QString::fromLatin1(kSingleReleaseId)),
                                  QStringLiteral("/release/only-original/front-1200"), QStringLiteral("/release/only-original/front"),
                                  QStringLiteral("/release/no-cover/front-1200"), QStringLiteral("/release/no-cover/front")}));
}

// A cached record is used while it is younger than a week and every track matches it; an older
// one, or one in which a track is missing or does not match, is fetched again, and still used
// when the server cannot be reached.
// Files under `folder`, hidden ones too.
QStringList filesIn(const QString& folder) {
    return QDir(folder).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot);
}

// Each misbehaving server through each look-up (CDDB over HTTP, MusicBrainz, the cover archive
// and AccurateRip): the look-up fails with the reason, under the name of the service; nothing of
// the answer is kept (cdplayer.ini, a cover file, the AccurateRip cache); a huge answer is
// refused long before its end; and a release goes on without its cover.
TEST(DiscLookup, MisbehavingServersAreReportedAndLeaveNothingBehind) {
    const DiscToc toc = referenceToc();
    const net::Release release =
        net::parseDiscIdAnswer(referenceReleasesJson(), QString::fromLatin1(kReferenceDiscId), toc).releases.at(0);
    for (const ServerFault& fault : serverFaults()) {
        SCOPED_TRACE(fault.name);
        WebServer server;
        server.serveEveryOtherPath(fault.answer);
        ASSERT_TRUE(server.start());
        GrabSettings settings = settingsFor(server);
        settings.cddbTimeOut = kFaultTimeOutMs;
        settings.cddbServer = server.base().mid(7);  // "127.0.0.1:<port>"
        settings.cddbScript = QStringLiteral("/~cddb/cddb.cgi");
        QTemporaryDir dir;
        const QString ini = dir.filePath(QStringLiteral("cdplayer.ini"));

        const DiscInfoResult cddb = lookupDiscInfo(toc, DiscInfoSource::OnLine, settings, ini);
        EXPECT_FALSE(cddb.found);
        EXPECT_TRUE(cddb.error.startsWith(QStringLiteral("The CDDB server ")) && cddb.error.contains(QLatin1String(fault.cddb)))
            << cddb.error.toStdString();
        const net::ReleaseLookup mb = net::lookupMusicBrainz(toc, settings);
        EXPECT_TRUE(mb.releases.empty());
        EXPECT_TRUE(mb.error.startsWith(QStringLiteral("MusicBrainz ")) && mb.error.contains(QLatin1String(fault.musicBrainz)))
            << mb.error.toStdString();
        EXPECT_FALSE(QFile::exists(ini));

        const net::CoverFetch cover = net::fetchFrontCover(release.info.releaseId, settings);
        const QString& coverError = cover.error;
        EXPECT_TRUE(cover.image.isEmpty() && !cover.found);
        EXPECT_TRUE((coverError.startsWith(QStringLiteral("The cover archive ")) ||
                     coverError.startsWith(QStringLiteral("The release "))) &&
                    coverError.contains(QLatin1String(fault.cover)))
            << coverError.toStdString();
        const DiscInfoResult finished = net::finishRelease(release, toc, settings, ini);
        EXPECT_TRUE(finished.found && finished.error.isEmpty()) << finished.error.toStdString();
        EXPECT_TRUE(finished.info.coverPath.isEmpty());
        EXPECT_EQ(filesIn(dir.filePath(QStringLiteral("covers"))), QStringList());

        const QString cache = dir.filePath(QStringLiteral("accuraterip"));
        const net::DiscVerdicts verdicts = net::verifyTracks(accuraterip::discIds(toc), {{2, 1, 2}}, settings, cache);
        if (fault.accurateRip) {
            EXPECT_TRUE(verdicts.verdicts.empty());
            EXPECT_TRUE(verdicts.error.contains(QLatin1String(fault.accurateRip))) << verdicts.error.toStdString();
        } else {
            EXPECT_TRUE(verdicts.error.isEmpty()) << verdicts.error.toStdString();
            ASSERT_EQ(verdicts.verdicts.size(), 1u);
            EXPECT_EQ(verdicts.verdicts[0].kind, accuraterip::Verdict::Kind::NotInDatabase);
        }
        EXPECT_EQ(filesIn(cache), QStringList());
        for (const WebServer::Request& r : server.requests())
            EXPECT_LT(r.bodySent, kHugeAnswer / 4) << r.path.toStdString();
    }
}

TEST(DiscLookup, CachedAccurateRipRecordsAreFetchedAgainWhenOldOrNotMatching) {
    QTemporaryDir dir;
    const CdImage image = writeReferenceDisc(dir.path());
    const accuraterip::DiscIds ids = accuraterip::discIds(referenceToc());
    using Kind = accuraterip::Verdict::Kind;
    const struct {
        QByteArray cached;  // empty: none
        int ageDays;
        QByteArray served;  // empty: the server cannot be reached
        int requests;
        Kind track3;
        int confidence3;
    } cases[] = {
        {recordOf(image, 0, 3), 1, recordOf(image, 0, 9), 0, Kind::Matched, 3},
        {recordOf(image, 0, 3), 8, recordOf(image, 0, 9), 1, Kind::Matched, 9},
        {recordOf(image, 3, 3), 1, recordOf(image, 0, 9), 1, Kind::Matched, 9},
        {recordOf(image, 3, 3), 1, {}, 0, Kind::Mismatch, 4},
        {recordOf(image, 0, 3), 8, {}, 0, Kind::Matched, 3},
        {{}, 0, recordOf(image, 0, 9), 1, Kind::Matched, 9},
        // A damaged record in the cache is no record: fetched again, though fresh.
        {recordOf(image, 0, 3).left(20), 1, recordOf(image, 0, 9), 1, Kind::Matched, 9},
    };
    int n = 0;
    for (const auto& c : cases) {
        SCOPED_TRACE(++n);
        const QString cache = dir.filePath(QStringLiteral("cache%1").arg(n));
        if (!c.cached.isEmpty()) {
            ASSERT_TRUE(QDir().mkpath(cache));
            QFile file(QDir(cache).filePath(ids.fileName()));
            ASSERT_TRUE(file.open(QIODevice::WriteOnly));
            file.write(c.cached);
            file.flush();
            file.setFileTime(QDateTime::currentDateTime().addDays(-c.ageDays), QFileDevice::FileModificationTime);
        }
        WebServer server;
        serveReferenceDisc(server, c.served);
        ASSERT_TRUE(server.start());
        GrabSettings settings = settingsFor(server);
        if (c.served.isEmpty()) settings.accurateRipServer = QStringLiteral("http://127.0.0.1:1/ar");
        const net::DiscVerdicts got = net::verifyTracks(ids, checksumsOf(image), settings, cache);
        ASSERT_EQ(got.verdicts.size(), 3u) << got.error.toStdString();
        EXPECT_EQ(got.verdicts[2].kind, c.track3);
        EXPECT_EQ(got.verdicts[2].confidence, c.confidence3);
        EXPECT_EQ(int(server.requests().size()), c.requests);
    }
    // Neither a record nor a server: no verdicts, and why. A damaged record in the cache is none.
    GrabSettings offline;
    offline.accurateRipServer = QStringLiteral("http://127.0.0.1:1/ar");
    offline.cddbTimeOut = 3000;
    const QString damaged = dir.filePath(QStringLiteral("damaged"));
    ASSERT_TRUE(QDir().mkpath(damaged));
    QFile file(QDir(damaged).filePath(ids.fileName()));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly) && file.write(recordOf(image, 0, 3).left(20)) == 20);
    file.close();
    for (const QString& cache : {dir.filePath(QStringLiteral("empty")), damaged}) {
        const net::DiscVerdicts none = net::verifyTracks(ids, checksumsOf(image), offline, cache);
        EXPECT_TRUE(none.verdicts.empty()) << cache.toStdString();
        EXPECT_TRUE(none.error.contains(QStringLiteral("could not be reached"))) << none.error.toStdString();
    }
}

}  // namespace
