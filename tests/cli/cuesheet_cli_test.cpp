// velloria-convert with CUE sheets of audio files: named on the command line, and found with -r
// in place of the audio file they cut.
#include "support/CliRuns.h"
#include "support/ConfigHome.h"
#include "support/CueAlbums.h"
#include "support/Signals.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

TEST(CliSheets, AFolderWithASheetConvertsItsTracksNotItsWholeFile) {
    QTemporaryDir dir;
    TempConfigHome config;
    ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("in/album")));
    const CueAlbum album = makeCueAlbum(dir.filePath(QStringLiteral("in/album")), QStringLiteral("flac"), {120, 130, 140});
    ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
    ASSERT_EQ(writeAudioFile(dir.filePath(QStringLiteral("in/loose.wav")), musicTone(44100, 2, 0.5), 44100, 2), QString());
    const CommandResult r = runCommand({QStringLiteral("-f"), QStringLiteral("wav"), QStringLiteral("-r"), QStringLiteral("-o"),
                                        QStringLiteral("out"), QStringLiteral("in")},
                                       dir.path(), config.path());
    ASSERT_EQ(r.exitCode, 0) << r.err.toStdString();
    EXPECT_EQ(filesUnder(dir.filePath(QStringLiteral("out"))).keys(),
              (QStringList{QStringLiteral("album/01 - Song 1.wav"), QStringLiteral("album/02 - Song 2.wav"),
                           QStringLiteral("album/03 - Song 3.wav"), QStringLiteral("loose.wav")}));
    EXPECT_EQ(readBack(dir.filePath(QStringLiteral("out/album/02 - Song 2.wav"))).frames(), std::size_t{130 * 588});

    // A sheet named whose file is gone fails, naming it; nothing is written for it.
    QFile::remove(album.audio);
    const CommandResult gone = runCommand({QStringLiteral("-f"), QStringLiteral("wav"), QStringLiteral("-o"), QStringLiteral("again"),
                                           album.sheet},
                                          dir.path(), config.path());
    EXPECT_NE(gone.exitCode, 0);
    EXPECT_TRUE(gone.err.contains(QStringLiteral("The audio file album.flac that album.cue names is missing."))) << gone.err.toStdString();
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("again"))) &&
                 !QDir(dir.filePath(QStringLiteral("again"))).isEmpty());

    // A raw image's sheet is a disc for --cd, said so rather than decoded as noise.
    QFile image(album.sheet);
    ASSERT_TRUE(image.open(QIODevice::WriteOnly | QIODevice::Truncate));
    image.write("FILE \"album.bin\" BINARY\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n");
    image.close();
    const CommandResult raw = runCommand({QStringLiteral("-f"), QStringLiteral("wav"), album.sheet}, dir.path(), config.path());
    EXPECT_NE(raw.exitCode, 0);
    EXPECT_TRUE(raw.err.contains(QStringLiteral("is the sheet of a disc image: rip it with --cd"))) << raw.err.toStdString();
}
