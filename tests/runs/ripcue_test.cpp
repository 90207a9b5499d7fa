// The CUE sheets of rips, read back by cuetools, and the disc ripped as one file, decoded by
// flac and ffmpeg: a disc image with pre-gaps, ISRCs, a catalogue number and flags, ripped
// through the conversion run as the window and the command line rip.
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "runs/ConversionRunner.h"
#include "runs/RipCueSheet.h"
#include "support/GappedDisc.h"
#include "support/RipLogTools.h"
#include "support/RunHosts.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace converter;
using namespace testing_support;

namespace {

// The names of a folder's files without the rip log and its JSON, which every rip writes.
QStringList withoutRipLog(QStringList names) {
    names.removeIf([](const QString& n) { return n.endsWith(QLatin1String(".log")) || n.endsWith(QLatin1String(".json")); });
    return names;
}

class RipCue : public ::testing::Test {
public:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        disc = writeGappedDisc(dir.path());
        ASSERT_GE(grabber.OpenImage(disc.image.cue), 0) << grabber.reason().toStdString();
        DiscInfo info;
        info.artist = QStringLiteral("Gap Artist");
        info.album = QStringLiteral("Gap \"Live\" Album");
        info.year = 2025;
        info.trackTitles = {QStringLiteral("Noise"), QStringLiteral("Tone"), QStringLiteral("Speech")};
        info.trackArtists = {QString(), QStringLiteral("Guest"), QString()};
        ASSERT_TRUE(writeCdplayerIni(grabber.toc(), info, ini()));
        QDir().mkpath(out(QString()));
    }
    QString ini() const { return dir.filePath(QStringLiteral("cdplayer.ini")); }
    QString out(const QString& name) const { return dir.filePath(QStringLiteral("out/") + name); }
    // Every track of the disc into out/NN.<suffix>.
    void rip(const QString& key, const QString& suffix, bool oneFile) {
        GrabSettings settings = grabber.settings();
        settings.oneFile = oneFile;
        grabber.setSettings(settings);
        RunSnapshot s;
        for (int t = 1; t <= 3; ++t)
            s.entries.push_back({grabber.RootText() + QStringLiteral("Track%1.cda").arg(t, 2, 10, QLatin1Char('0')),
                                 out(QStringLiteral("%1%2.%3").arg(t, 2, 10, QLatin1Char('0')).arg(t == 3 ? QStringLiteral(" \"x\"") : QString(), suffix)), true});
        s.formatKey = key;
        s.preserveTags = true;
        ConversionRunner runner(host, {reader, writer, tags, &grabber, ini()});
        runner.run(s);
        ripped = runner.discsRipped();
    }
    // Sector 40 of track 3 cannot be read, and `errorAction` is taken for it without retries.
    void scratchTrack3(int errorAction) {
        GrabSettings settings = grabber.settings();
        settings.errorAction = errorAction;
        settings.retries = 0;
        grabber.setSettings(settings);
        auto scratched = std::make_shared<ScratchedDisc>();
        scratched->unreadable = {disc.image.starts[2] + 40};
        grabber.setDriveLayer(scratched);
    }
    SampleBlock sectors(int first, int last) const {
        return SampleBlock(disc.audio.begin() + std::ptrdiff_t(first) * kCdSectorValues,
                           disc.audio.begin() + std::ptrdiff_t(last) * kCdSectorValues);
    }
    static QString read(const QString& path) {
        QFile f(path);
        return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
    }

    QTemporaryDir dir;
    GappedDisc disc;
    CdGrabber grabber{nullptr, dir.filePath(QStringLiteral("stubs")), false};
    AudioFile reader, writer;
    AudioInfo tags;
    RecordingRunHost host;
    QList<ConversionRunner::DiscRipped> ripped;
};

// What the grabber reads of the image is what the sheet's layout is built from.
TEST_F(RipCue, TheImagesLayoutHasItsGapsIsrcsFlagsAndCatalogue) {
    const DiscLayout layout = grabber.layout();
    ASSERT_EQ(layout.tracks.size(), 3u);
    EXPECT_EQ(layout.catalog, disc.catalog);
    for (std::size_t t = 0; t < 3; ++t) {
        SCOPED_TRACE(t + 1);
        EXPECT_EQ(layout.tracks[t].start, disc.image.starts[t]);
        EXPECT_EQ(layout.tracks[t].pregap, disc.pregaps[t]);
        EXPECT_EQ(layout.tracks[t].isrc, disc.isrcs[qsizetype(t)]);
        EXPECT_EQ(layout.tracks[t].preEmphasis, disc.flags[qsizetype(t)].contains(QLatin1String("PRE")));
        EXPECT_EQ(layout.tracks[t].copyPermitted, disc.flags[qsizetype(t)].contains(QLatin1String("DCP")));
    }
}

// A track per file: the sheet beside them names each, a pre-gap as INDEX 00 at the end of the
// file before (cuebreakpoints finds it there), and the files in order are the disc's audio.
TEST_F(RipCue, ATrackPerFileRipWritesASheetCuetoolsReadWithTheDiscsGaps) {
    rip(QStringLiteral("WAV"), QStringLiteral("wav"), false);
    const QString sheet = out(QStringLiteral("Gap Artist - Gap 'Live' Album.cue"));
    // A name the sheet cannot hold is told; the sheet is written all the same.
    ASSERT_EQ(host.failedPaths(), QStringList{sheet});
    EXPECT_TRUE(host.failures[0].reason.contains(QStringLiteral("cannot name '03 \"x\".wav'"))) << host.failures[0].reason.toStdString();
    ASSERT_EQ(ripped.size(), 1);
    EXPECT_EQ(ripped[0].sheet, sheet);
    EXPECT_TRUE(ripped[0].oneFile.isEmpty());
    QString error;
    // Positions within the file before: the end of the previous track's own audio.
    EXPECT_EQ(cueBreakpoints(sheet, QStringLiteral("--prepend-gaps"), &error),
              (QStringList{breakpointText(disc.image.starts[1] - disc.pregaps[1] - disc.image.starts[0]),
                           breakpointText(disc.image.starts[2] - disc.pregaps[2] - disc.image.starts[1])}))
        << error.toStdString();
    EXPECT_EQ(cuePrint(sheet, QStringLiteral("%N|%P|%T\n"), QStringLiteral("%n|%p|%t|%i\n"), &error),
              QStringLiteral("3|Gap Artist|Gap 'Live' Album\n1|Gap Artist|Noise|GBVLR2400011\n2|Guest|Tone|\n"
                             "3|Gap Artist|Speech|GBVLR2400013\n"))
        << error.toStdString();
    const QString text = read(sheet);
    EXPECT_TRUE(text.startsWith(QStringLiteral("REM DATE 2025\nREM DISCID "))) << text.toStdString();
    for (const char* line : {"CATALOG 0614223012347\n", "FILE \"01.wav\" WAVE\n", "    FLAGS DCP\n", "    FLAGS PRE\n", "    FLAGS PRE DCP\n"})
        EXPECT_TRUE(text.contains(QLatin1String(line))) << line;
    SampleBlock rebuilt;
    for (const char* name : {"01.wav", "02.wav", "03 \"x\".wav"}) {
        const SampleBlock file = decodeIndependently(out(QLatin1String(name)), &error);
        rebuilt.insert(rebuilt.end(), file.begin(), file.end());
    }
    EXPECT_TRUE(rebuilt == disc.audio) << error.toStdString() << " " << rebuilt.size() << " of " << disc.audio.size();
}

// The disc as one FLAC file: flac decodes it to the disc's audio, the sheet beside it has the
// tracks at their places, and its CUESHEET block and CUESHEET tag hold the same tracks.
TEST_F(RipCue, TheDiscAsOneFlacFileHoldsItsAudioAndItsSheetTwice) {
    rip(QStringLiteral("FLAC"), QStringLiteral("flac"), true);
    ASSERT_TRUE(host.failures.isEmpty()) << host.failures.value(0).reason.toStdString();
    const QString flac = out(QStringLiteral("Gap Artist - Gap 'Live' Album.flac"));
    const QString sheet = out(QStringLiteral("Gap Artist - Gap 'Live' Album.cue"));
    ASSERT_EQ(ripped.size(), 1);
    EXPECT_EQ(ripped[0].sheet, sheet);
    EXPECT_EQ(ripped[0].oneFile, flac);
    EXPECT_EQ(withoutRipLog(QDir(out(QString())).entryList(QDir::Files, QDir::Name)),
              (QStringList{QFileInfo(sheet).fileName(), QFileInfo(flac).fileName()}));
    QString error;
    EXPECT_TRUE(decodeIndependently(flac, &error) == disc.audio) << error.toStdString();
    const QStringList starts{breakpointText(disc.image.starts[1]), breakpointText(disc.image.starts[2])};
    const QStringList gaps{breakpointText(disc.image.starts[1] - disc.pregaps[1]), breakpointText(disc.image.starts[2] - disc.pregaps[2])};
    EXPECT_EQ(cueBreakpoints(sheet, QStringLiteral("--append-gaps"), &error), starts) << error.toStdString();
    EXPECT_EQ(cueBreakpoints(sheet, QStringLiteral("--prepend-gaps"), &error), gaps) << error.toStdString();
    EXPECT_TRUE(read(sheet).contains(QStringLiteral("FILE \"Gap Artist - Gap 'Live' Album.flac\" WAVE\n")));

    // The block, as metaflac exports it, read by cuetools in turn.
    const QString exported = exportedCueSheet(flac, &error);
    ASSERT_FALSE(exported.isEmpty()) << error.toStdString();
    EXPECT_TRUE(exported.contains(QStringLiteral("CATALOG 0614223012347"))) << exported.toStdString();
    const QString exportedPath = dir.filePath(QStringLiteral("exported.cue"));
    QFile f(exportedPath);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(exported.toUtf8());
    f.close();
    EXPECT_EQ(cueBreakpoints(exportedPath, QStringLiteral("--append-gaps"), &error), starts);
    EXPECT_EQ(cueBreakpoints(exportedPath, QStringLiteral("--prepend-gaps"), &error), gaps);
    EXPECT_EQ(cuePrint(exportedPath, QStringLiteral("%N\n"), QStringLiteral("%n|%i\n"), &error),
              QStringLiteral("3\n1|GBVLR2400011\n2|\n3|GBVLR2400013\n"));
    EXPECT_EQ(flacTag(flac, QStringLiteral("CUESHEET")).value(0).trimmed(), read(sheet).trimmed());
    EXPECT_EQ(flacTag(flac, QStringLiteral("ALBUM")), QStringList{QStringLiteral("Gap \"Live\" Album")});
}

// With WAV as the format the one file is a WAV file; the sheet beside it names it.
TEST_F(RipCue, TheDiscAsOneFileIsWavWhenWavIsTheFormat) {
    rip(QStringLiteral("WAV"), QStringLiteral("WAV"), true);
    ASSERT_TRUE(host.failures.isEmpty()) << host.failures.value(0).reason.toStdString();
    const QString wav = out(QStringLiteral("Gap Artist - Gap 'Live' Album.WAV"));
    QString error;
    EXPECT_TRUE(decodeIndependently(wav, &error) == disc.audio) << error.toStdString();
    EXPECT_EQ(cueBreakpoints(out(QStringLiteral("Gap Artist - Gap 'Live' Album.cue")), QStringLiteral("--append-gaps"), &error),
              (QStringList{breakpointText(disc.image.starts[1]), breakpointText(disc.image.starts[2])}));
}

// A sector of track 3 that cannot be read, with "stop" as the action: the disc's one file fails,
// and neither a part of it nor a sheet is left behind.
TEST_F(RipCue, AnUnreadableSectorFailsTheOneFileAndLeavesNothing) {
    scratchTrack3(0);
    rip(QStringLiteral("FLAC"), QStringLiteral("flac"), true);
    EXPECT_EQ(host.failedPaths(), QStringList{grabber.RootText() + QStringLiteral("Track01.cda")});
    EXPECT_TRUE(ripped.isEmpty());
    // Only the rip's log stays, saying the rip failed.
    EXPECT_EQ(withoutRipLog(QDir(out(QString())).entryList(QDir::Files | QDir::Hidden)), QStringList());
}

// The same sector with "insert silence": the one file is written, and its log says where in
// which track the error block was.
TEST_F(RipCue, AnErrorBlockOfTheOneFileIsInItsTracksLogRecord) {
    scratchTrack3(1);
    rip(QStringLiteral("FLAC"), QStringLiteral("flac"), true);
    ASSERT_EQ(ripped.size(), 1);
    const QStringList logs = QDir(out(QString())).entryList({QStringLiteral("*.json")});
    ASSERT_EQ(logs.size(), 1);
    const QJsonArray tracks = readJson(out(logs[0])).value(QStringLiteral("tracks")).toArray();
    ASSERT_EQ(tracks.size(), 3);
    EXPECT_EQ(tracks[1].toObject().value(QStringLiteral("errorSectors")).toArray(), QJsonArray());
    EXPECT_EQ(tracks[2].toObject().value(QStringLiteral("errorSectors")).toArray(), (QJsonArray{disc.image.starts[2] + 40}));
}

// The layouts a disc's tracks may leave: a data track and a track whose file was not written
// leave no FILE; a pre-gap no written file holds becomes a PREGAP; flags from the control bits.
TEST(RipCueSheetText, TracksWithoutFilesAndGapsNoFileHolds) {
    DiscLayout layout;
    layout.tracks = {{1, 0, 1000, 0, true, false, true, false, QStringLiteral("USAAA0000001")},
                     {2, 1150, 500, 150, true, true, false, true, {}},
                     {3, 1800, 300, 150, true, false, false, false, {}},
                     {4, 13500, 9000, 0, false, false, false, false, {}}};
    layout.catalog = QStringLiteral("0000000000017");
    const RipCueSheet sheet(layout, std::nullopt);
    EXPECT_EQ(QString::fromUtf8(cue::text(sheet.perTrack({{1, QStringLiteral("a.flac")}, {3, QStringLiteral("c.mp3")}}))),
              QStringLiteral("CATALOG 0000000000017\n"
                             "FILE \"a.flac\" WAVE\n"
                             "  TRACK 01 AUDIO\n    FLAGS DCP\n    ISRC USAAA0000001\n    INDEX 01 00:00:00\n"
                             "FILE \"c.mp3\" MP3\n"
                             "  TRACK 03 AUDIO\n    PREGAP 00:02:00\n    INDEX 01 00:00:00\n"));
    EXPECT_EQ(QString::fromUtf8(cue::text(sheet.oneFile(QStringLiteral("d.wav")))).section(QLatin1String("TRACK 02"), 1),
              QStringLiteral(" AUDIO\n    FLAGS PRE 4CH\n    INDEX 00 00:13:25\n    INDEX 01 00:15:25\n"
                             "  TRACK 03 AUDIO\n    INDEX 00 00:22:00\n    INDEX 01 00:24:00\n"));
    EXPECT_EQ(sheet.discName(), QStringLiteral("Unknown Artist - Unknown Album"));
    // Audio hidden before track 1, ripped as track 0: its file holds track 1's pre-gap.
    DiscLayout hidden;
    hidden.tracks = {{0, 0, 600, 0, true, false, false, false, {}}, {1, 600, 400, 600, true, false, false, false, {}}};
    EXPECT_EQ(QString::fromUtf8(cue::text(RipCueSheet(hidden, std::nullopt).perTrack({{0, QStringLiteral("00.flac")}, {1, QStringLiteral("01.flac")}}))),
              QStringLiteral("FILE \"00.flac\" WAVE\n  TRACK 01 AUDIO\n    INDEX 00 00:00:00\n"
                             "FILE \"01.flac\" WAVE\n    INDEX 01 00:00:00\n"));
    // In one file it is the file's start: track 1's INDEX 00.
    EXPECT_EQ(QString::fromUtf8(cue::text(RipCueSheet(hidden, std::nullopt).oneFile(QStringLiteral("d.flac")))),
              QStringLiteral("FILE \"d.flac\" WAVE\n  TRACK 01 AUDIO\n    INDEX 00 00:00:00\n    INDEX 01 00:08:00\n"));
    EXPECT_EQ(sheet.oneFilePath(QStringLiteral("/m/x/01.MP3"), QStringLiteral("MP3")), QStringLiteral("/m/x/Unknown Artist - Unknown Album.FLAC"));
}

}  // namespace
