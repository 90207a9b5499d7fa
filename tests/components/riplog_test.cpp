// The rip log as text and JSON: every field where it belongs, the summary each kind of track
// leads to, the checksum line against coreutils' sha256sum and the CRC32 against Python's zlib.
#include "components/audio/cd/RipLog.h"
#include "support/CdImages.h"
#include "support/RipLogTools.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>
#include <QTimeZone>

#include <gtest/gtest.h>

#include <functional>

using namespace testing_support;
using End = riplog::TrackRecord::End;

namespace {

riplog::TrackRecord copiedTrack(int number, const char* file, std::uint32_t test, std::uint32_t copy, int peak) {
    riplog::TrackRecord t;
    t.number = number;
    t.end = End::Copied;
    t.file = QString::fromUtf8(file);
    t.testCrc = test;
    t.copyCrc = copy;
    t.peak = peak;
    return t;
}

// A drive's rip of a three-track disc with a data track after the audio: track 1 copied and
// matched, track 2 read with two error blocks, track 3 copied but its test read differs.
riplog::Log driveRip() {
    riplog::Log log;
    log.program = QStringLiteral("Velloria 9.9");
    log.date = QDateTime(QDate(2026, 12, 8), QTime(7, 30, 5), QTimeZone(3600));
    log.album = QStringLiteral("Morning Album");
    log.artist = QStringLiteral("The Testers");
    log.discId = QStringLiteral("0b000e03");
    log.source = QStringLiteral("/dev/sr0");
    log.vendor = QStringLiteral("HL-DT-ST");
    log.model = QStringLiteral("DVDRAM GH24NSD1");
    log.revision = QStringLiteral("LG00");
    log.readOffset = 6;
    log.readOffsetSource = QStringLiteral("the ripping options");
    log.readMode = 3;
    log.retries = 20;
    log.errorAction = 1;
    log.testAndCopy = true;
    log.layout.tracks = {{1, 0, 460, 0, true, false, false, false, {}},
                         {2, 610, 200, 150, true, true, true, false, {}},
                         {3, 810, 310, 0, true, false, false, false, {}},
                         {4, 12570, 3000, 0, false, false, false, false, {}}};
    log.layout.leadOut = 15570;
    log.layout.audioEnd = 1120;
    log.layout.catalog = QStringLiteral("0123456789012");
    riplog::TrackRecord one = copiedTrack(1, "01 - Dawn.flac", 0x1234ABCDu, 0x1234ABCDu, 30000);
    one.accurateRip = QStringLiteral("Accurately ripped (confidence 12, AccurateRip v2)");
    one.accurateRipMatched = true;
    one.accurateRipConfidence = 12;
    one.accurateRipVersion = 2;
    one.accurateRipV1 = 0x11111111u;
    one.accurateRipV2 = 0x4018E124u;
    riplog::TrackRecord two = copiedTrack(2, "02 - Noon.flac", 0xAAAAAAAAu, 0xAAAAAAAAu, 16000);
    two.errorSectors = {630, 631, 700};
    riplog::TrackRecord three = copiedTrack(3, "03 - Dusk.flac", 0x00000001u, 0x00000002u, 32768);
    log.tracks = {one, two, three};
    return log;
}

QString writeText(const QTemporaryDir& dir, const QString& text) {
    const QString path = dir.filePath(QStringLiteral("disc.log"));
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(text.toUtf8());
    return path;
}

TEST(RipLog, TheTextHoldsEveryFieldWhereItBelongs) {
    const QString text = riplog::text(driveRip());
    const struct {
        const char* field;
        const char* after;  // the section or track the field is read in
        const char* value;
    } fields[] = {
        {"Program", "", "Velloria 9.9"},
        {"Date", "", "2026-12-08T07:30:05+01:00"},
        {"Album", "", "Morning Album"},
        {"Disc id", "", "0b000e03"},
        {"Catalogue number", "", "0123456789012"},
        {"Rip", "", "completed"},
        {"Drive", "Drive", "/dev/sr0"},
        {"Vendor", "Drive", "HL-DT-ST"},
        {"Model", "Drive", "DVDRAM GH24NSD1"},
        {"Revision", "Drive", "LG00"},
        {"Read offset", "Drive", "6 samples (the ripping options)"},
        {"Read mode", "Drive", "Secure (3)"},
        {"Mode Safe", "Drive", "on"},
        {"Retries", "Drive", "20"},
        {"Error action", "Drive", "insert silence"},
        {"Drive cache defeated", "Drive", "yes"},
        {"Test and copy", "Drive", "on"},
        {"Lead-out", "Table of contents", "15570"},
        {"File", "Track 1", "01 - Dawn.flac"},
        {"Pre-gap", "Track 1", "00:00.00"},
        {"Peak", "Track 1", "91.6 % (30000)"},
        {"Test CRC32", "Track 1", "1234ABCD"},
        {"Copy CRC32", "Track 1", "1234ABCD"},
        {"AccurateRip", "Track 1", "Accurately ripped (confidence 12, AccurateRip v2) [v1 11111111, v2 4018E124]"},
        {"Error blocks", "Track 1", "none"},
        {"Result", "Track 1", "copied"},
        {"Pre-gap", "Track 2", "00:02.00"},
        {"AccurateRip", "Track 2", "not verified"},
        {"Error blocks", "Track 2", "3, at sectors 630-631 (at 00:00.20), 700 (at 00:01.15)"},
        {"Test and copy", "Track 3", "differ"},
        {"Peak", "Track 3", "100.0 % (32768)"},
        {"Tracks ripped", "Summary", "3 of 3"},
    };
    for (const auto& f : fields)
        EXPECT_EQ(logField(text, QLatin1String(f.field), QLatin1String(f.after)), QString::fromUtf8(f.value))
            << f.field << " after " << f.after << "\n" << text.toStdString();
    // The table of contents: start, length and pre-gap of every track, the data track marked, the
    // control flags of a track mastered with pre-emphasis that may be copied.
    EXPECT_TRUE(text.contains(QStringLiteral("      2  00:08.10  00:02.50  00:02.00           610      200  audio (PRE DCP)\n")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QStringLiteral("      4  02:47.45  00:40.00  00:00.00         12570     3000  data\n")));
    EXPECT_TRUE(text.contains(QStringLiteral("  Not all tracks accurately ripped\n    Track 2: 3 error blocks\n"
                                             "    Track 3: the test and copy CRCs differ\n\n")))
        << text.toStdString();

    // A disc image says so, and has no cache and no inquiry.
    riplog::Log image = driveRip();
    image.image = true;
    image.source = QStringLiteral("/discs/reference.cue");
    const QString imageText = riplog::text(image);
    EXPECT_EQ(logField(imageText, QStringLiteral("Disc image")), image.source);
    EXPECT_EQ(logField(imageText, QStringLiteral("Vendor")), QString());
    EXPECT_EQ(logField(imageText, QStringLiteral("Drive cache defeated")), QStringLiteral("not applicable (a disc image)"));
}

TEST(RipLog, TheSummaryNamesEveryTrackThatWasNotAccuratelyRipped) {
    const auto copied = [](int number) {
        riplog::TrackRecord t = copiedTrack(number, "t.wav", 1u, 1u, 100);
        t.accurateRip = QStringLiteral("Accurately ripped (confidence 3, AccurateRip v2)");
        t.accurateRipMatched = true;
        return t;
    };
    using Kind = riplog::Assessment::Kind;
    const struct {
        const char* name;
        std::function<void(riplog::TrackRecord&)> change;  // to track 2
        Kind kind;
        const char* line;  // the summary's one line; empty: none
    } cases[] = {
        {"every track matched", [](riplog::TrackRecord&) {}, Kind::Accurate, ""},
        {"not in the database",
         [](riplog::TrackRecord& t) {
             t.accurateRipMatched = false;
             t.accurateRip = QStringLiteral("Not in the AccurateRip database");
         },
         Kind::NoErrors, "Track 2: not in the AccurateRip database"},
        {"not verified",
         [](riplog::TrackRecord& t) {
             t.accurateRipMatched = false;
             t.accurateRip.clear();
         },
         Kind::NoErrors, "Track 2: not verified with AccurateRip"},
        {"mismatch",
         [](riplog::TrackRecord& t) {
             t.accurateRipMatched = false;
             t.accurateRipMismatch = true;
         },
         Kind::NotAccurate, "Track 2: does not match AccurateRip"},
        {"error blocks", [](riplog::TrackRecord& t) { t.errorSectors = {5}; }, Kind::NotAccurate, "Track 2: 1 error blocks"},
        {"crc differs", [](riplog::TrackRecord& t) { t.testCrc = 2u; }, Kind::NotAccurate,
         "Track 2: the test and copy CRCs differ"},
        {"no test read", [](riplog::TrackRecord& t) { t.testCrc.reset(); }, Kind::NotAccurate,
         "Track 2: the test and copy CRCs differ"},
        {"failed",
         [](riplog::TrackRecord& t) {
             t.end = End::Failed;
             t.reason = QStringLiteral("Sector 4 of track 2 could not be read");
         },
         Kind::NotAccurate, "Track 2: failed: Sector 4 of track 2 could not be read"},
        {"cancelled", [](riplog::TrackRecord& t) { t.end = End::Cancelled; }, Kind::NotAccurate,
         "Track 2: its read was cancelled"},
        {"not ripped", [](riplog::TrackRecord& t) { t.end = End::NotRipped; }, Kind::NotAccurate, "Track 2: not ripped"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        riplog::Log log;
        log.testAndCopy = true;
        log.tracks = {copied(1), copied(2), copied(3)};
        c.change(log.tracks[1]);
        const riplog::Assessment a = riplog::assess(log);
        EXPECT_EQ(a.kind, c.kind);
        EXPECT_EQ(a.lines, *c.line ? QStringList{QString::fromUtf8(c.line)} : QStringList());
        if (c.kind == Kind::Accurate) {
            EXPECT_EQ(a.headline, QStringLiteral("All tracks accurately ripped"));
        }
    }
    EXPECT_EQ(riplog::assess(riplog::Log{}).kind, Kind::NotAccurate);  // nothing ripped is no accurate rip
}

// The last line holds the SHA-256 of every byte before it, as coreutils computes it; one changed
// character anywhere above it shows.
TEST(RipLog, TheChecksumLineIsTheSha256OfEverythingBeforeIt) {
    QTemporaryDir dir;
    riplog::Log log = driveRip();
    log.album = QStringLiteral("Ünïcode — Album");
    const QString text = riplog::text(log);
    const QString path = writeText(dir, text);
    const QString lastLine = text.trimmed().section(QLatin1Char('\n'), -1);
    EXPECT_TRUE(lastLine.startsWith(QStringLiteral("Log checksum: SHA-256 of every byte before this line (head -n -1 LOG | sha256sum): ")));
    const QString independent = sha256sumOfAllButLastLine(path);
    ASSERT_EQ(independent.size(), 64);
    EXPECT_EQ(lastLine.section(QStringLiteral(": "), -1), independent);
    EXPECT_EQ(riplog::hashedPartDigest(text.toUtf8()), independent);
    EXPECT_TRUE(riplog::checksumHolds(text.toUtf8()));

    QString edited = text;
    edited.replace(QStringLiteral("Copy CRC32: 00000002"), QStringLiteral("Copy CRC32: 00000001"));
    ASSERT_NE(edited, text);
    const QString editedPath = writeText(dir, edited);
    EXPECT_NE(sha256sumOfAllButLastLine(editedPath), edited.trimmed().section(QStringLiteral(": "), -1));
    EXPECT_FALSE(riplog::checksumHolds(edited.toUtf8()));
    EXPECT_FALSE(riplog::checksumHolds(text.left(text.size() - 2).toUtf8()));  // the line cut short
}

TEST(RipLog, Crc32IsZlibsOverTheSamplesAsLittleEndianBytes) {
    for (const SampleBlock& samples : {cdNoise(3, 5), cdTone(2), SampleBlock{}, SampleBlock{-1, 0, 32767, -32768}}) {
        riplog::Crc32 whole, pieces;
        whole.add(samples.data(), samples.size());
        // Fed in uneven blocks, as a track is read.
        for (std::size_t at = 0; at < samples.size(); at += 1001) pieces.add(samples.data() + at, std::min<std::size_t>(1001, samples.size() - at));
        const QString expected = zlibCrc32(samples);
        ASSERT_EQ(expected.size(), 8);
        EXPECT_EQ(QStringLiteral("%1").arg(whole.value(), 8, 16, QLatin1Char('0')).toUpper(), expected);
        EXPECT_EQ(pieces.value(), whole.value());
    }
}

TEST(RipLog, TheJsonHoldsTheSameFacts) {
    const riplog::Log log = driveRip();
    const QJsonObject o = riplog::json(log, QStringLiteral("abc"));
    EXPECT_EQ(o.value(QStringLiteral("logSha256")).toString(), QStringLiteral("abc"));
    EXPECT_EQ(o.value(QStringLiteral("rip")).toString(), QStringLiteral("completed"));
    const QJsonObject drive = o.value(QStringLiteral("drive")).toObject();
    EXPECT_EQ(drive.value(QStringLiteral("model")).toString(), QStringLiteral("DVDRAM GH24NSD1"));
    EXPECT_EQ(drive.value(QStringLiteral("readOffset")).toInt(), 6);
    EXPECT_EQ(drive.value(QStringLiteral("cacheDefeated")).toBool(), true);
    const QJsonArray toc = o.value(QStringLiteral("toc")).toObject().value(QStringLiteral("tracks")).toArray();
    ASSERT_EQ(toc.size(), 4);
    EXPECT_EQ(toc[1].toObject().value(QStringLiteral("pregap")).toInt(), 150);
    EXPECT_FALSE(toc[3].toObject().value(QStringLiteral("audio")).toBool());
    // Track 2's control flags, as a sheet names them.
    EXPECT_EQ(toc[1].toObject().value(QStringLiteral("flags")).toArray(), (QJsonArray{QStringLiteral("PRE"), QStringLiteral("DCP")}));
    const QJsonArray tracks = o.value(QStringLiteral("tracks")).toArray();
    ASSERT_EQ(tracks.size(), 3);
    const QJsonObject two = tracks[1].toObject();
    EXPECT_EQ(two.value(QStringLiteral("errorBlocks")).toInt(), 3);
    EXPECT_EQ(two.value(QStringLiteral("errorSectors")).toArray(), (QJsonArray{630, 631, 700}));
    EXPECT_EQ(tracks[0].toObject().value(QStringLiteral("accurateRip")).toObject().value(QStringLiteral("confidence")).toInt(), 12);
    EXPECT_EQ(tracks[2].toObject().value(QStringLiteral("testCrc32")).toString(), QStringLiteral("00000001"));
    EXPECT_EQ(o.value(QStringLiteral("summary")).toObject().value(QStringLiteral("result")).toString(), QStringLiteral("notAccurate"));
}

// The log is named after the album (the disc id without one), never outside its folder, and an
// earlier log is kept.
TEST(RipLog, NamedAfterTheAlbumAndAnEarlierLogIsKept) {
    const struct {
        const char* album;
        const char* expected;
    } names[] = {{"Morning Album", "Morning Album"}, {"AC/DC", "AC_DC"}, {"..", "__"}, {"  ", "Disc 0b000e03"}, {"", "Disc 0b000e03"}};
    for (const auto& n : names) {
        riplog::Log log;
        log.album = QString::fromUtf8(n.album);
        log.discId = QStringLiteral("0b000e03");
        EXPECT_EQ(riplog::baseName(log), QString::fromUtf8(n.expected)) << n.album;
    }
    QTemporaryDir dir;
    const riplog::Log log = driveRip();
    const riplog::Written first = riplog::write(log, dir.path());
    ASSERT_TRUE(first.error.isEmpty()) << first.error.toStdString();
    EXPECT_EQ(first.logPath, dir.filePath(QStringLiteral("Morning Album.log")));
    const riplog::Written second = riplog::write(log, dir.path());
    EXPECT_EQ(second.logPath, dir.filePath(QStringLiteral("Morning Album (2).log")));
    EXPECT_EQ(second.jsonPath, dir.filePath(QStringLiteral("Morning Album (2).json")));
    EXPECT_EQ(readJson(first.jsonPath).value(QStringLiteral("logSha256")).toString(), sha256sumOfAllButLastLine(first.logPath));
    // A folder that cannot be written: the reason, and nothing claimed.
    const riplog::Written refused = riplog::write(log, dir.filePath(QStringLiteral("missing/deeper")));
    EXPECT_TRUE(refused.error.startsWith(QStringLiteral("The rip log '"))) << refused.error.toStdString();
}

}  // namespace
