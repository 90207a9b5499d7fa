// CUE sheets read from text, and the tracks of sheets that name audio files, cut against
// Debian's cuebreakpoints and shnsplit.
#include "components/audio/cd/CueSheet.h"
#include "components/audio/cd/CueTrackSource.h"
#include "components/audio/cd/CueTracks.h"
#include "support/CueAlbums.h"
#include "support/FuzzCorpus.h"
#include "support/Signals.h"
#include "targets/Targets.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

using namespace testing_support;

namespace {

const QByteArray kMultiFile =
    "REM COMMENT \"two  spaces\"\r\nCATALOG 0123456789012\r\n"
    "PERFORMER \"The Band\"\r\nTITLE \"Two Files\"\r\n"
    "FILE \"one.flac\" WAVE\r\n  TRACK 01 AUDIO\r\n    TITLE \"First\"\r\n    ISRC GBAAA0000001\r\n"
    "    FLAGS DCP PRE\r\n    INDEX 01 00:00:00\r\n"
    "  TRACK 02 AUDIO\r\n    TITLE \"Second\"\r\n    PERFORMER \"Guest\"\r\n    INDEX 00 03:58:40\r\n"
    "FILE \"two.flac\" WAVE\r\n    INDEX 01 00:00:00\r\n";

// The break points cuebreakpoints (cuetools) finds in `text`, as "M:SS.FF".
QStringList cuebreakpoints(const QByteArray& text) {
    QTemporaryDir dir;
    QFile f(dir.filePath(QStringLiteral("s.cue")));
    if (!f.open(QIODevice::WriteOnly)) return {QStringLiteral("cannot write")};
    f.write(text);
    f.close();
    QProcess p;
    p.start(QStringLiteral("cuebreakpoints"), {f.fileName()});
    p.waitForFinished();
    return QString::fromUtf8(p.readAllStandardOutput()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

// Every block a track entry's source gives.
SampleBlock readTrack(const QString& entry, QString* error = nullptr) {
    audio::CueTrackSource source(entry);
    SampleBlock all;
    if (!source.open()) {
        if (error) *error = source.error();
        return all;
    }
    for (SampleBlock b = source.read(44100); !b.empty(); b = source.read(44100)) all.insert(all.end(), b.begin(), b.end());
    if (error) *error = source.error();
    source.close();
    return all;
}

}  // namespace

TEST(CueSheet, ReadsAlbumTracksIndexesAndFilesOfEverySheetLine) {
    QString error;
    const cue::Sheet sheet = cue::parse(kMultiFile, &error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    EXPECT_EQ(sheet.catalog, QStringLiteral("0123456789012"));
    EXPECT_EQ(sheet.remarks, QStringList{QStringLiteral("COMMENT \"two  spaces\"")});
    EXPECT_EQ(sheet.title, QStringLiteral("Two Files"));
    EXPECT_EQ(sheet.performer, QStringLiteral("The Band"));
    ASSERT_EQ(sheet.tracks.size(), 2u);
    EXPECT_EQ(sheet.tracks[0].isrc, QStringLiteral("GBAAA0000001"));
    EXPECT_EQ(sheet.tracks[0].flags, (QStringList{QStringLiteral("DCP"), QStringLiteral("PRE")}));
    EXPECT_EQ(sheet.tracks[1].performer, QStringLiteral("Guest"));
    ASSERT_EQ(sheet.tracks[1].indexes.size(), 2u);
    // The pre-gap lies at the end of the first file, the track's start at the head of the second.
    EXPECT_EQ(sheet.tracks[1].indexes[0].file, QStringLiteral("one.flac"));
    EXPECT_EQ(sheet.tracks[1].indexes[0].frames, (3 * 60 + 58) * 75 + 40);
    EXPECT_EQ(sheet.tracks[1].start()->file, QStringLiteral("two.flac"));
    EXPECT_EQ(sheet.tracks[1].start()->fileType, QStringLiteral("WAVE"));
}

// What a rip writes (cue::text) reads back as the same sheet, awkward names and all.
TEST(CueSheet, WrittenSheetsReadBackWhole) {
    cue::Sheet sheet;
    sheet.catalog = QStringLiteral("0123456789012");
    sheet.title = QStringLiteral("  Spaced   Album ");
    sheet.performer = QStringLiteral("B\u00e4nd; \u65e5\u672c");
    sheet.remarks = QStringList{QStringLiteral("DISCID 1E020803"), QStringLiteral("COMMENT \"x  y\"")};
    for (int n = 1; n <= 3; ++n) {
        cue::Track t;
        t.number = n;
        t.title = n == 2 ? QStringLiteral("A \"quoted\"\nline") : QStringLiteral("Song %1").arg(n);
        t.isrc = n == 1 ? QStringLiteral("GBAAA0000001") : QString();
        t.flags = n == 3 ? QStringList{QStringLiteral("DCP"), QStringLiteral("PRE")} : QStringList{};
        t.pregap = n == 3 ? 150 : 0;
        const QString file = n == 3 ? QStringLiteral("two b.flac") : QStringLiteral("one.flac");
        if (n == 2) t.indexes.push_back({0, file, QStringLiteral("WAVE"), 16000});
        t.indexes.push_back({1, file, QStringLiteral("WAVE"), n == 3 ? 0 : (n - 1) * 16075});
        sheet.tracks.push_back(t);
    }
    QString error;
    const cue::Sheet back = cue::parse(cue::text(sheet), &error);
    ASSERT_EQ(back.tracks.size(), 3u) << error.toStdString();
    EXPECT_EQ(back.catalog, sheet.catalog);
    EXPECT_EQ(back.title, sheet.title);
    EXPECT_EQ(back.performer, sheet.performer);
    EXPECT_EQ(back.remarks, sheet.remarks);
    // A sheet has no escapes: the writer gives a double quote as a single one, a line break as a space.
    EXPECT_EQ(back.tracks[1].title, QStringLiteral("A 'quoted' line"));
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(back.tracks[i].isrc, sheet.tracks[i].isrc);
        EXPECT_EQ(back.tracks[i].flags, sheet.tracks[i].flags);
        EXPECT_EQ(back.tracks[i].pregap, sheet.tracks[i].pregap);
        ASSERT_EQ(back.tracks[i].indexes.size(), sheet.tracks[i].indexes.size());
        for (std::size_t k = 0; k < sheet.tracks[i].indexes.size(); ++k) {
            EXPECT_EQ(back.tracks[i].indexes[k].file, sheet.tracks[i].indexes[k].file);
            EXPECT_EQ(back.tracks[i].indexes[k].frames, sheet.tracks[i].indexes[k].frames);
        }
    }
}

TEST(CueSheet, StartsAgreeWithCuebreakpoints) {
    const QByteArray text = "\xef\xbb\xbfTITLE \"B\xc3\xa4nd\"\nFILE \"a.wav\" WAVE\n TRACK 01 AUDIO\n  INDEX 01 00:00:00\n"
                            " TRACK 02 AUDIO\n  INDEX 00 02:10:70\n  INDEX 01 02:12:74\n TRACK 03 AUDIO\n  INDEX 01 61:00:01\n";
    QString error;
    const cue::Sheet sheet = cue::parse(text, &error);
    ASSERT_EQ(sheet.tracks.size(), 3u) << error.toStdString();
    EXPECT_EQ(sheet.title, QStringLiteral("B\u00e4nd"));
    QStringList ours;
    for (std::size_t i = 1; i < sheet.tracks.size(); ++i) {
        const std::int64_t f = sheet.tracks[i].start()->frames;
        ours << QStringLiteral("%1:%2.%3").arg(f / 4500).arg(f / 75 % 60, 2, 10, QLatin1Char('0')).arg(f % 75, 2, 10, QLatin1Char('0'));
    }
    EXPECT_EQ(ours, cuebreakpoints(text));
}

TEST(CueSheet, OddButHarmlessTextStillReads) {
    struct Case {
        const char* what;
        QByteArray text;
        const char* title;  // the first track's
    };
    const QByteArray track = "FILE a.wav WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n";
    const QList<Case> cases{
        {"a quote left open", "FILE \"a b.wav WAVE\nTRACK 01 AUDIO\nTITLE \"Open\nINDEX 01 00:00:00\n", "Open"},
        {"Latin-1 text", track + "TITLE \"Caf\xe9\"\n", "Caf\u00e9"},
        {"unknown commands and blank lines", "SONGWRITER x\n\n\n" + track + "POSTGAP 00:02:00\nTITLE t\n", "t"},
        {"a title of a megabyte", track + "TITLE " + QByteArray(1 << 20, 'x') + "\n", nullptr},
        {"lower-case commands", "file a.wav wave\ntrack 01 audio\nindex 01 00:00:00\ntitle low\n", "low"},
    };
    for (const Case& c : cases) {
        QString error;
        const cue::Sheet sheet = cue::parse(c.text, &error);
        ASSERT_EQ(sheet.tracks.size(), 1u) << c.what << ": " << error.toStdString();
        if (c.title) {
            EXPECT_EQ(sheet.tracks[0].title, QString::fromUtf8(c.title)) << c.what;
        }
    }
}

TEST(CueSheet, TextThatIsNoSheetIsRefusedWithItsLine) {
    struct Case {
        QByteArray text;
        const char* reason;
    };
    const QByteArray head = "FILE a.wav WAVE\nTRACK 01 AUDIO\n";
    const QList<Case> cases{
        {"", "holds no TRACK"},
        {"TITLE x\nFILE a.wav WAVE\n", "holds no TRACK"},
        {"TRACK 01 AUDIO\nINDEX 01 00:00:00\n", "line 2: INDEX before any FILE"},
        {head + "INDEX 01 00:60:00\n", "line 3: INDEX 1 needs a time"},
        {head + "INDEX 01 00:00:75\n", "needs a time"},
        {head + "INDEX 01 1:2\n", "needs a time"},
        {head + "INDEX 01 99999999999999999999:00:00\n", "needs a time"},
        {head + "INDEX 01 -1:00:00\n", "needs a time"},
        {head + "INDEX 01\n", "needs a time"},
        {head + "INDEX x1 00:00:00\n", "INDEX needs a number"},
        {"FILE a.wav WAVE\nTRACK 00 AUDIO\n", "TRACK needs a number"},
        {"FILE a.wav WAVE\nTRACK 100 AUDIO\n", "TRACK needs a number"},
        {"FILE a.wav WAVE\nTRACK 01\n", "names no type"},
        {head + "INDEX 01 00:00:00\nTRACK 01 AUDIO\n", "track 1 follows track 1"},
        {head + "INDEX 00 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:01:00\n", "track 1 has no INDEX 01"},
        {head + "INDEX 00 00:00:00\n", "track 1 has no INDEX 01"},
        {head + "INDEX 01 00:00:00\nINDEX 01 00:01:00\n", "INDEX 1 of track 1 follows INDEX 1"},
        {"ISRC X\n" + head, "ISRC before any TRACK"},
        {head + "PREGAP 2s\n", "PREGAP needs a time"},
        {head + QByteArray("INDEX 01 00:00\0:00\n", 19), "NUL"},
        {"FILE\n", "FILE names no file"},
    };
    for (const Case& c : cases) {
        QString error;
        const cue::Sheet sheet = cue::parse(c.text, &error);
        EXPECT_TRUE(sheet.tracks.empty()) << c.text.toStdString();
        EXPECT_TRUE(error.contains(QLatin1String(c.reason))) << c.text.toStdString() << " gave: " << error.toStdString();
    }
}

TEST(CueSheet, KeptFuzzCorpusReplays) { replayFuzzCorpus(QStringLiteral("cue_sheet"), fuzz_targets::cueSheet); }

TEST(CueTracks, FlacTracksEqualShnsplitsSampleForSample) {
    QTemporaryDir dir;
    const CueAlbum album = makeCueAlbum(dir.path(), QStringLiteral("flac"), {262, 274, 214}, 44100, 301);
    ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
    EXPECT_FALSE(cue::isDiscImageSheet(album.sheet));
    const cue::AudioSheet sheet = cue::readAudioSheet(album.sheet);
    ASSERT_EQ(sheet.tracks.size(), 3u) << sheet.refusal.toStdString();
    QString error;
    const QStringList reference = shnsplitTracks(album.sheet, album.audio, dir.filePath(QStringLiteral("shn")), &error);
    ASSERT_EQ(reference.size(), 3) << error.toStdString();
    for (int n = 1; n <= 3; ++n) {
        const SampleBlock ours = readTrack(cue::trackEntry(album.sheet, n), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        const ReadBack theirs = readBack(reference[n - 1]);
        EXPECT_EQ(ours.size(), theirs.samples.size()) << "track " << n;
        EXPECT_TRUE(ours == theirs.samples) << "track " << n;
    }
}

// At 48 kHz a CD frame is 640 sample frames; WAV is lossless, so the cuts are the samples written.
TEST(CueTracks, WavTracksAtAnotherRateCutAtScaledFrames) {
    QTemporaryDir dir;
    const CueAlbum album = makeCueAlbum(dir.path(), QStringLiteral("wav"), {100, 151}, 48000, 17);
    ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
    QString error;
    const SampleBlock first = readTrack(cue::trackEntry(album.sheet, 1), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    const SampleBlock second = readTrack(cue::trackEntry(album.sheet, 2), &error);
    EXPECT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(first.size(), std::size_t{100 * 640 * 2});
    ASSERT_EQ(second.size(), std::size_t{(151 * 640 + 17) * 2});
    EXPECT_TRUE(std::equal(first.begin(), first.end(), album.samples.begin()));
    EXPECT_TRUE(std::equal(second.begin(), second.end(), album.samples.begin() + 100 * 640 * 2));
}

// One file per track, the pre-gap of each at the end of the file before: each track is its whole
// file, the gap with the track before it.
TEST(CueTracks, MultiFileSheetsCutEachFileWhole) {
    QTemporaryDir dir;
    const SampleBlock one = musicFrames(44100, 2, 300 * 588 + 5), two = musicFrames(44100, 2, 200 * 588, 0.1, 2);
    ASSERT_EQ(writeAudioFile(dir.filePath(QStringLiteral("1.wav")), one, 44100, 2), QString());
    ASSERT_EQ(writeAudioFile(dir.filePath(QStringLiteral("2.flac")), two, 44100, 2), QString());
    const QString sheet = dir.filePath(QStringLiteral("files.cue"));
    QFile f(sheet);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("FILE \"1.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 00 00:02:00\n"
            "FILE \"2.flac\" WAVE\nINDEX 01 00:00:00\n");
    f.close();
    QString error;
    EXPECT_TRUE(readTrack(cue::trackEntry(sheet, 1), &error) == one) << error.toStdString();
    EXPECT_TRUE(readTrack(cue::trackEntry(sheet, 2), &error) == two) << error.toStdString();
    EXPECT_EQ(cue::readAudioSheet(sheet).files.size(), 2);
}

// A 24-bit source is read in 32-bit blocks: its track is the stretch sox trims at the scaled frames.
TEST(CueTracks, DeepTracksReadWideAsSoxTrimsThem) {
    QTemporaryDir dir;
    const QString flac = dir.filePath(QStringLiteral("deep.flac")), sheet = dir.filePath(QStringLiteral("deep.cue"));
    ASSERT_EQ(QProcess::execute(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("48000"),
                                                       QStringLiteral("-c"), QStringLiteral("2"), QStringLiteral("-b"), QStringLiteral("24"), flac,
                                                       QStringLiteral("synth"), QStringLiteral("3"), QStringLiteral("pinknoise")}),
              0);
    QFile f(sheet);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("FILE deep.flac WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:01:37\n");
    f.close();
    audio::CueTrackSource source(cue::trackEntry(sheet, 2));
    ASSERT_TRUE(source.open()) << source.error().toStdString();
    ASSERT_EQ(source.bits(), 24);
    WideBlock ours;
    for (WideBlock b = source.readWide(48000); !b.empty(); b = source.readWide(48000)) ours.insert(ours.end(), b.begin(), b.end());
    QProcess sox;
    sox.start(QStringLiteral("sox"), {flac, QStringLiteral("-t"), QStringLiteral("s32"), QStringLiteral("-"), QStringLiteral("trim"),
                                      QStringLiteral("%1s").arg((75 + 37) * 640)});
    ASSERT_TRUE(sox.waitForFinished());
    const QByteArray theirs = sox.readAllStandardOutput();
    ASSERT_EQ(ours.size() * 4, std::size_t(theirs.size()));
    EXPECT_EQ(std::memcmp(ours.data(), theirs.constData(), std::size_t(theirs.size())), 0);
}

// Ogg Vorbis decodes to other samples; its cuts still fall at the sheet's frames.
TEST(CueTracks, OggTracksHaveTheSheetsLengths) {
    QTemporaryDir dir;
    const CueAlbum album = makeCueAlbum(dir.path(), QStringLiteral("ogg"), {300, 225, 160}, 44100);
    ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
    const std::size_t lengths[] = {300 * 588, 225 * 588, 160 * 588};
    std::size_t total = 0;
    for (int n = 1; n <= 3; ++n) {
        QString error;
        const SampleBlock track = readTrack(cue::trackEntry(album.sheet, n), &error);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_EQ(track.size() / 2, lengths[n - 1]) << "track " << n;
        total += track.size() / 2;
    }
    EXPECT_EQ(total, readBack(album.audio).frames());
}

TEST(CueTracks, MissingShortOrMisorderedFilesAreRefusedNamingThem) {
    QTemporaryDir dir;
    const CueAlbum album = makeCueAlbum(dir.path(), QStringLiteral("flac"), {150, 150}, 44100);
    ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
    const auto writeSheet = [&](const QByteArray& text) {
        QFile f(album.sheet);
        f.open(QIODevice::WriteOnly | QIODevice::Truncate);
        f.write(text);
    };
    struct Case {
        QByteArray text;
        const char* reason;
    };
    const QByteArray file = "FILE \"album.flac\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\n";
    const QList<Case> cases{
        {"FILE \"gone.flac\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", "The audio file gone.flac that album.cue names is missing."},
        {file + "INDEX 01 00:04:00\n", "The audio file album.flac is too short for album.cue: it ends at 00:04:00, and track 2 starts at 00:04:00."},
        {file + "INDEX 01 09:00:00\n", "track 2 starts at 09:00:00"},
        {"FILE \"album.flac\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:02:00\nTRACK 02 AUDIO\nINDEX 01 00:01:00\n",
         "album.cue cannot be cut into tracks: track 2 starts at 00:01:00, not after track 1 at 00:02:00"},
        {"TITLE x\n", "album.cue is not a CUE sheet that can be read: it holds no TRACK"},
        {"FILE \"album.cue\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", "The audio file album.cue that album.cue names cannot be read"},
    };
    for (const Case& c : cases) {
        writeSheet(c.text);
        const cue::AudioSheet sheet = cue::readAudioSheet(album.sheet);
        EXPECT_TRUE(sheet.tracks.empty()) << c.text.toStdString();
        EXPECT_TRUE(sheet.refusal.contains(QLatin1String(c.reason))) << sheet.refusal.toStdString();
        QString error;
        EXPECT_TRUE(readTrack(cue::trackEntry(album.sheet, 1), &error).empty());
        EXPECT_FALSE(error.isEmpty());
    }
    // A name that holds a placeholder of its own is named as it is.
    ASSERT_TRUE(QFile::rename(album.audio, QDir(dir.path()).filePath(QStringLiteral("a%1.flac"))));
    writeSheet("FILE \"a%1.flac\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:04:00\n");
    const QString refusal = cue::readAudioSheet(album.sheet).refusal;
    EXPECT_TRUE(refusal.startsWith(QLatin1String("The audio file a%1.flac is too short for album.cue: it ends at 00:04:00, and track 2 starts"))) << refusal.toStdString();
}

TEST(CueTracks, RawImagesStayTheGrabbersAndEntriesNameOnlySheetTracks) {
    QTemporaryDir dir;
    const QString sheet = dir.filePath(QStringLiteral("disc.cue"));
    QFile f(sheet);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("FILE \"disc.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
    f.close();
    EXPECT_TRUE(cue::isDiscImageSheet(sheet));
    for (const QByteArray& text : {QByteArray("FILE \"disc.bin\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n"),
                                   QByteArray("FILE a.wav WAVE\nTRACK 01 MODE1/2352\nINDEX 01 00:00:00\n"),
                                   QByteArray("FILE \"disc.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 1:2\n")}) {
        QFile other(dir.filePath(QStringLiteral("other.cue")));
        ASSERT_TRUE(other.open(QIODevice::WriteOnly | QIODevice::Truncate));
        other.write(text);
        other.close();
        EXPECT_TRUE(cue::isDiscImageSheet(other.fileName())) << text.toStdString();
    }
    const auto ref = cue::entryRef(cue::trackEntry(sheet, 7));
    ASSERT_TRUE(ref.has_value());
    EXPECT_EQ(ref->sheet, sheet);
    EXPECT_EQ(ref->number, 7);
    EXPECT_EQ(cue::sourceFolder(cue::trackEntry(sheet, 7)), dir.path());
    EXPECT_FALSE(cue::entryRef(dir.filePath(QStringLiteral("gone.cue/Track 01"))).has_value());
    EXPECT_FALSE(cue::entryRef(sheet).has_value());
    EXPECT_EQ(cue::trackName({3, {}, 0, -1, QStringLiteral("A/B\tC\x01"), {}, {}}), QStringLiteral("03 - A_B C_"));
    EXPECT_EQ(cue::trackName({3, {}, 0, -1, QStringLiteral(".."), {}, {}}), QStringLiteral("03 - __"));
    EXPECT_EQ(cue::trackName({12, {}, 0, -1, {}, {}, {}}), QStringLiteral("Track 12"));
}
