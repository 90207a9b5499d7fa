// Tracks of CUE sheets that name audio files, through the conversion run without a window: their
// names, their tags, and when their audio file may be deleted.
#include "components/audio/cd/CueTracks.h"
#include "components/audio/tags/AudioInfo.h"
#include "runs/ConverterRules.h"
#include "runs/NamePattern.h"
#include "support/ConfigHome.h"
#include "support/CueAlbums.h"
#include "support/RunHosts.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class SheetRuns : public ::testing::Test {
protected:
    void SetUp() override {
        album = makeCueAlbum(dir.path(), QStringLiteral("flac"), {200, 180, 220});
        ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
        ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("out")));
    }
    // A WAV run of the sheet's tracks `selected` (all listed), their sources deleted; `whole`
    // lists the audio file itself after them.
    converter::RunSnapshot deletingRun(const QList<int>& selected, int workers, bool whole = false) const {
        converter::RunSnapshot s;
        s.formatKey = QStringLiteral("WAV");
        s.settings.wav = {44100, 2, 16};
        s.deleteSource = s.preserveTags = true;
        s.workers = workers;
        for (int n = 1; n <= 3; ++n) {
            const QString entry = cue::trackEntry(album.sheet, n);
            s.entries.push_back({entry, converter::outputPath(entry, s.formatKey, false, dir.filePath(QStringLiteral("out"))),
                                 selected.contains(n)});
        }
        if (whole) s.entries.push_back({album.audio, dir.filePath(QStringLiteral("out/album.WAV")), true});
        return s;
    }
    TempConfigHome config;
    QTemporaryDir dir;
    CueAlbum album;
};

}  // namespace

TEST_F(SheetRuns, TracksAreNamedAndTaggedFromTheSheet) {
    const QString entry = cue::trackEntry(album.sheet, 2);
    EXPECT_EQ(converter::outputPath(entry, QStringLiteral("MP3"), true, {}), dir.filePath(QStringLiteral("02 - Song 2.MP3")));
    EXPECT_EQ(converter::outputPath(entry, QStringLiteral("MP3"), false, QStringLiteral("/o")), QStringLiteral("/o/02 - Song 2.MP3"));
    const QMap<QString, QString> tags = naming::readPatternTags(entry);
    EXPECT_EQ(naming::expandPattern(QStringLiteral("{albumartist}/{album}/{track} {title} ({name})"), entry, {}, tags),
              QStringLiteral("Band/Album/02 Song 2 (02 - Song 2)"));

    converter::RunSnapshot s = deletingRun({2}, 1);
    s.deleteSource = false;
    const RecordingRunHost host = runConversion(s);
    ASSERT_TRUE(host.failures.isEmpty()) << host.failures.value(0).reason.toStdString() << host.messages.join(QLatin1Char(' ')).toStdString();
    AudioInfo written;
    written.ReadTags(s.entries[1].output);
    const auto tag = [&](const char* key) { return written.properties().value(QLatin1String(key)).value(0); };
    EXPECT_EQ(tag("TITLE"), QStringLiteral("Song 2"));
    EXPECT_EQ(tag("ARTIST"), QStringLiteral("Band"));
    EXPECT_EQ(tag("ALBUM"), QStringLiteral("Album"));
    EXPECT_EQ(tag("TRACKNUMBER").section(QLatin1Char('/'), 0, 0), QStringLiteral("2"));  // ID3 joins the total
    EXPECT_EQ(readBack(s.entries[1].output).frames(), std::size_t{180 * 588});
}

// The audio file holds every track: it goes only once each was written whole, on one core or many.
TEST_F(SheetRuns, TheAudioFileIsDeletedOnlyOnceEveryTrackIsWrittenWhole) {
    struct Case {
        const char* what;
        QList<int> selected;
        qint64 truncateTo;  // bytes the FLAC file is cut to before the run; 0: whole
        bool deleted;
        bool whole = false;  // the audio file is listed too, after the tracks
    };
    const QByteArray whole = [&] {
        QFile f(album.audio);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QByteArray sheet = [&] {
        QFile f(album.sheet);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    }();
    const QList<Case> cases{
        {"every track", {1, 2, 3}, 0, true},
        {"two of three tracks", {1, 2}, 0, false},
        {"the last track cut short", {1, 2, 3}, whole.size() * 8 / 10, false},
        // The file goes with its own entry, after it was read for that too.
        {"the audio file listed as well", {1, 2, 3}, 0, true, true},
    };
    for (const int workers : {1, 2}) {
        for (const Case& c : cases) {
            SCOPED_TRACE(std::string(c.what) + (workers > 1 ? " on two cores" : ""));
            QFile audio(album.audio), text(album.sheet);
            ASSERT_TRUE(audio.open(QIODevice::WriteOnly) && text.open(QIODevice::WriteOnly));
            audio.write(c.truncateTo ? whole.left(c.truncateTo) : whole);
            text.write(sheet);
            audio.close();
            text.close();
            const converter::RunSnapshot s = deletingRun(c.selected, workers, c.whole);
            const RecordingRunHost host = runConversion(s);
            EXPECT_EQ(QFileInfo::exists(album.audio), !c.deleted);
            EXPECT_EQ(QFileInfo::exists(album.sheet), !c.deleted);
            EXPECT_EQ(host.failures.isEmpty(), c.truncateTo == 0) << host.failedPaths().join(QLatin1Char(' ')).toStdString();
            EXPECT_TRUE(host.messages.isEmpty()) << host.messages.join(QLatin1Char(' ')).toStdString();
            if (c.whole) {
                EXPECT_EQ(readBack(s.entries[3].output).samples, album.samples);
            }
            if (c.truncateTo) {
                EXPECT_EQ(host.failedPaths(), QStringList{s.entries[2].source});
            }
            for (const int n : c.selected) {
                EXPECT_TRUE(QFileInfo::exists(s.entries[n - 1].output) || (c.truncateTo && n == 3)) << n;
            }
            for (const converter::RunEntry& e : s.entries) QFile::remove(e.output);
        }
    }
}

TEST_F(SheetRuns, AnOutputOverTheSheetsOwnFileIsRefused) {
    converter::RunSnapshot s;
    s.formatKey = QStringLiteral("FLAC");
    s.entries.push_back({cue::trackEntry(album.sheet, 1), album.audio, true});
    s.entries.push_back({cue::trackEntry(album.sheet, 2), album.sheet, true});
    const RecordingRunHost host = runConversion(s);
    ASSERT_EQ(host.messages.size(), 2);
    EXPECT_TRUE(host.messages[0].endsWith(QStringLiteral("would be overwritten by its own output."))) << host.messages[0].toStdString();
    EXPECT_EQ(readBack(album.audio).samples, album.samples);
}
