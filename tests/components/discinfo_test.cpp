// Disc information look-ups: the CDDB disc id, cdplayer.ini read and written by our own code,
// and libcddb against a real CDDB server on 127.0.0.1 (CDDB protocol and HTTP), with a server
// that never answers for the time-out.
#include "components/net/Cddb.h"
#include "support/CddbServer.h"

#include <QFile>
#include <QTemporaryDir>

#include <cddb/cddb.h>

#include <gtest/gtest.h>

using testing_support::CddbServer;
using namespace Qt::StringLiterals;

namespace {

// Three tracks of a 24-minute disc (sectors from the start of the disc, pre-gap not counted).
DiscToc threeTracks() {
    DiscToc toc;
    toc.trackStarts = {0, 22350, 50205};
    toc.leadOut = 108000;
    return toc;
}

DiscInfo knownDisc() {
    DiscInfo info;
    info.discId = cddbDiscId(threeTracks());
    info.artist = u"Harbour Lights"_s;
    info.album = u"Tidal Rooms"_s;
    info.genre = u"Ambient"_s;
    info.year = 2003;
    info.trackTitles = {u"Low Water"_s, u"Salt Glass"_s, u"Ferry at Dawn"_s};
    return info;
}

class DiscInfoLookupTest : public ::testing::Test {
protected:
    QTemporaryDir dir;
    QString ini = dir.filePath(u"cfg/cdplayer.ini"_s);
    GrabSettings settings = cddbp();
    // The CDDB protocol unless a test asks for HTTP.
    static GrabSettings cddbp() {
        GrabSettings s;
        s.cddbScript.clear();
        return s;
    }

    void writeIni(const QByteArray& text) {
        ASSERT_TRUE(QDir().mkpath(dir.filePath(u"cfg"_s)));
        QFile f(ini);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(text);
    }
    QByteArray iniText() {
        QFile f(ini);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }
};

// Our id agrees with libcddb's own computation, on short and long discs.
TEST(CddbDiscId, MatchesLibcddb) {
    DiscToc longDisc;
    for (int i = 0; i < 17; ++i) longDisc.trackStarts.push_back(i * 19117 + (i ? 33 : 0));
    longDisc.leadOut = 17 * 19117 + 500;
    for (const DiscToc& toc : {threeTracks(), longDisc}) {
        cddb_disc_t* disc = cddb_disc_new();
        for (std::int32_t s : toc.trackStarts) {
            cddb_track_t* t = cddb_track_new();
            cddb_track_set_frame_offset(t, s + 150);
            cddb_disc_add_track(disc, t);
        }
        cddb_disc_set_length(disc, static_cast<unsigned>((toc.leadOut + 150) / 75));
        cddb_disc_calc_discid(disc);
        EXPECT_EQ(cddbDiscId(toc), u"%1"_s.arg(cddb_disc_get_discid(disc), 8, 16, QLatin1Char('0')));
        cddb_disc_destroy(disc);
    }
    EXPECT_TRUE(cddbDiscId(DiscToc{}).isEmpty());
}

TEST_F(DiscInfoLookupTest, ReadsAWindowsStyleCdplayerIni) {
    const QString id = cddbDiscId(threeTracks());
    writeIni("[Other]\r\nartist=Someone\r\n\r\n[" + id.toUpper().toUtf8() +
             "]\r\nEntryType=1\r\nArtist = Harbour Lights\r\ngenre=Caf\xe9\r\ntitle=Tidal Rooms\r\nnumtracks=3\r\n0=Low Water\r\n2=Ferry at Dawn\r\n");
    const DiscInfoResult r = lookupDiscInfo(threeTracks(), DiscInfoSource::LocalIniOnly, settings, ini);
    ASSERT_TRUE(r.found) << r.error.toStdString();
    EXPECT_EQ(r.info.discId, id);
    EXPECT_EQ(r.info.artist, u"Harbour Lights"_s);
    EXPECT_EQ(r.info.album, u"Tidal Rooms"_s);
    EXPECT_EQ(r.info.genre, u"Caf\u00e9"_s);  // a file in the Windows code page
    EXPECT_EQ(r.info.trackTitles, QStringList({u"Low Water"_s, QString(), u"Ferry at Dawn"_s}));

    // An entry with another track count belongs to another disc; a missing file finds nothing.
    writeIni("[" + id.toUtf8() + "]\nartist=X\nnumtracks=4\n");
    DiscInfoResult other = lookupDiscInfo(threeTracks(), DiscInfoSource::LocalIniOnly, settings, ini);
    EXPECT_FALSE(other.found);
    EXPECT_TRUE(other.error.contains(id)) << other.error.toStdString();
    EXPECT_FALSE(lookupDiscInfo(threeTracks(), DiscInfoSource::LocalIniOnly, settings, dir.filePath(u"none.ini"_s)).found);
    EXPECT_FALSE(lookupDiscInfo(DiscToc{}, DiscInfoSource::Any, settings, ini).found);
}

TEST_F(DiscInfoLookupTest, OnLineLookUpOverCddbpFillsTheInfoAndWritesCdplayerIni) {
    CddbServer server;
    server.addDisc(u"misc"_s, knownDisc(), threeTracks());
    ASSERT_TRUE(server.start());
    writeIni("[keepme]\r\nartist=Kept\r\n");
    settings.cddbServer = server.address();
    settings.agentName = u"Audio Converter"_s;
    settings.email = u"ripper@example.org"_s;

    const DiscInfoResult r = lookupDiscInfo(threeTracks(), DiscInfoSource::OnLine, settings, ini);
    ASSERT_TRUE(r.found) << r.error.toStdString();
    EXPECT_EQ(r.info.artist, u"Harbour Lights"_s);
    EXPECT_EQ(r.info.album, u"Tidal Rooms"_s);
    EXPECT_EQ(r.info.genre, u"Ambient"_s);
    EXPECT_EQ(r.info.year, 2003);
    EXPECT_EQ(r.info.trackTitles, knownDisc().trackTitles);
    // The agent name and e-mail reach the server's hello.
    const QStringList commands = server.commands();
    ASSERT_FALSE(commands.isEmpty());
    EXPECT_EQ(commands.front(), u"cddb hello ripper example.org Audio Converter 1.0"_s);

    // The entry is now in cdplayer.ini, beside what was there; a local look-up finds it.
    EXPECT_TRUE(iniText().contains("[keepme]\r\nartist=Kept"));
    const DiscInfoResult local = lookupDiscInfo(threeTracks(), DiscInfoSource::LocalIniOnly, settings, ini);
    ASSERT_TRUE(local.found);
    EXPECT_EQ(local.info.artist, r.info.artist);
    EXPECT_EQ(local.info.trackTitles, r.info.trackTitles);
    EXPECT_EQ(local.info.year, 2003);

    // "Any" takes cdplayer.ini first: the server is not asked again.
    const qsizetype asked = server.commands().size();
    EXPECT_TRUE(lookupDiscInfo(threeTracks(), DiscInfoSource::Any, settings, ini).found);
    EXPECT_EQ(server.commands().size(), asked);
    // Writing the same disc again replaces its section instead of adding one.
    ASSERT_TRUE(writeCdplayerIni(threeTracks(), r.info, ini));
    EXPECT_EQ(iniText().count((u"["_s + r.info.discId + u"]"_s).toUtf8()), 1);
}

// The settings a grabber starts with ask the public server over HTTP with its script path;
// with only the host replaced by a local server, that look-up works.
TEST_F(DiscInfoLookupTest, OnLineLookUpOverHttpUsesTheScriptPath) {
    settings = GrabSettings{};
    EXPECT_EQ(settings.cddbServer, u"gnudb.gnudb.org"_s);
    EXPECT_EQ(settings.cddbScript, u"/~cddb/cddb.cgi"_s);
    CddbServer server(CddbServer::Mode::Http);
    server.addDisc(u"misc"_s, knownDisc(), threeTracks());
    ASSERT_TRUE(server.start());
    settings.cddbServer = server.address();
    const DiscInfoResult r = lookupDiscInfo(threeTracks(), DiscInfoSource::Any, settings, ini);
    ASSERT_TRUE(r.found) << r.error.toStdString();
    EXPECT_EQ(r.info.trackTitles.value(2), u"Ferry at Dawn"_s);
    EXPECT_TRUE(server.commands().contains(u"GET /~cddb/cddb.cgi"_s));
}

TEST_F(DiscInfoLookupTest, FailedLookUpsReportAndChangeNothing) {
    writeIni("[keepme]\r\nartist=Kept\r\n");
    const QByteArray before = iniText();
    CddbServer server;  // knows no disc
    ASSERT_TRUE(server.start());
    settings.cddbServer = server.address();
    DiscInfoResult r = lookupDiscInfo(threeTracks(), DiscInfoSource::Any, settings, ini);
    EXPECT_FALSE(r.found);
    EXPECT_TRUE(r.error.contains(u"knows no disc"_s)) << r.error.toStdString();

    settings.cddbServer.clear();
    r = lookupDiscInfo(threeTracks(), DiscInfoSource::OnLine, settings, ini);
    EXPECT_FALSE(r.found);
    EXPECT_EQ(r.error, u"No CDDB server is set."_s);

    CddbServer silent(CddbServer::Mode::Silent);
    ASSERT_TRUE(silent.start());
    settings.cddbServer = silent.address();
    settings.cddbTimeOut = 1000;
    r = lookupDiscInfo(threeTracks(), DiscInfoSource::OnLine, settings, ini);
    EXPECT_FALSE(r.found);
    EXPECT_TRUE(r.error.contains(silent.address())) << r.error.toStdString();

    // A server that hangs up after the query: the look-up fails; SIGPIPE, raised by writing
    // the next command, does not end the program.
    CddbServer rude(CddbServer::Mode::HangUp);
    rude.addDisc(u"rock"_s, knownDisc(), threeTracks());
    ASSERT_TRUE(rude.start());
    settings.cddbServer = rude.address();
    r = lookupDiscInfo(threeTracks(), DiscInfoSource::OnLine, settings, ini);
    EXPECT_FALSE(r.found);
    EXPECT_TRUE(r.error.contains(rude.address())) << r.error.toStdString();
    EXPECT_EQ(iniText(), before);
}

}  // namespace
