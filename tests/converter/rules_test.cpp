// The converter's window-free rules: dialog results, reordering, CD tracks, stored settings.
#include "runs/ConverterRules.h"
#include "shell/WindowServices.h"

#include <gtest/gtest.h>

namespace {

using namespace converter;

TEST(DialogResult, SingleSelectionIsKeptAndSeveralJoinTheirFolder) {
    EXPECT_EQ(splitDialogResult(QStringLiteral("/home/u/Music/a.wav")), QStringList{QStringLiteral("/home/u/Music/a.wav")});
    // A path that begins with two slashes stays as it is.
    EXPECT_EQ(splitDialogResult(QStringLiteral("//server/share/a.mp3")), QStringList{QStringLiteral("//server/share/a.mp3")});
    const QString multi = QStringLiteral("/home/u") + QChar(u'\0') + QStringLiteral("b.mp3") + QChar(u'\0') +
                          QStringLiteral("a.wav");
    EXPECT_EQ(splitDialogResult(multi), (QStringList{QStringLiteral("/home/u/b.mp3"), QStringLiteral("/home/u/a.wav")}));
    // In the root no second separator is added.
    const QString root = QStringLiteral("/") + QChar(u'\0') + QStringLiteral("a.wav") + QChar(u'\0') + QStringLiteral("b.ogg");
    EXPECT_EQ(splitDialogResult(root), (QStringList{QStringLiteral("/a.wav"), QStringLiteral("/b.ogg")}));
}

TEST(DialogResult, UrlsBecomeTheFolderAndNamesForm) {
    const QList<QUrl> two{QUrl::fromLocalFile(QStringLiteral("/m/x.wav")), QUrl::fromLocalFile(QStringLiteral("/m/y.wav"))};
    EXPECT_EQ(splitDialogResult(dialogResultText(two)), (QStringList{QStringLiteral("/m/x.wav"), QStringLiteral("/m/y.wav")}));
    EXPECT_EQ(dialogResultText({QUrl::fromLocalFile(QStringLiteral("/m/x.wav"))}), QStringLiteral("/m/x.wav"));
    // Places without a file-system path are not files to add.
    EXPECT_EQ(dialogResultText({QUrl(QStringLiteral("trash:/x.wav"))}), QString());
    EXPECT_EQ(dialogResultText({}), QString());
}

TEST(Reordering, TheHighestSelectedEntryMovesOnePlace) {
    const QStringList e{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")};
    EXPECT_EQ(*movedUp(e, 3), (QStringList{QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("d"), QStringLiteral("c")}));
    EXPECT_EQ(*movedDown(e, 0), (QStringList{QStringLiteral("b"), QStringLiteral("a"), QStringLiteral("c"), QStringLiteral("d")}));
    EXPECT_FALSE(movedUp(e, 0));
    EXPECT_FALSE(movedDown(e, 3));
    EXPECT_FALSE(movedUp(e, -1));  // nothing selected
    EXPECT_FALSE(movedDown({}, 0));
}

TEST(OutputNames, TheDefaultFolderIsInTheMusicFolder) {
    EXPECT_TRUE(defaultOutputFolder().endsWith(QStringLiteral("/Converted Music")));
}

TEST(CdTracks, TrackNumbersAreTheTwoDigitsBeforeTheExtension) {
    const std::pair<const char*, std::optional<int>> cases[] = {
        {"/run/velloria/cd0/Track01.cda", 1}, {"/run/velloria/img/TRACK12.CDA", 12}, {"Track05.cda", 5},
        {"/cd/Track1.cda", std::nullopt},     {"/cd/TrackAB.cda", std::nullopt},     {"/cd/Track01.wav", std::nullopt},
        {"1.cda", std::nullopt}};
    for (const auto& [path, number] : cases) EXPECT_EQ(trackNumberOf(QString::fromLatin1(path)), number) << path;
}

TEST(CdTracks, ErrorBlocksAreReportedByTheActionTaken) {
    EXPECT_EQ(errorBlocksMessage(4, 1), QStringLiteral("4 error blocks replaced with silence."));
    EXPECT_EQ(errorBlocksMessage(2, 2), QStringLiteral("2 error blocks cutted."));
    EXPECT_EQ(errorBlocksMessage(3, 3), QStringLiteral("3 error blocks corrected."));
    EXPECT_EQ(errorBlocksMessage(3, 0), QString());
    EXPECT_EQ(errorBlocksMessage(0, 1), QString());
}

TEST(CdTracks, TheVerificationIsSummedUpInOneLine) {
    const QString offline = QStringLiteral("127.0.0.1 could not be reached: Connection refused.");
    const struct {
        VerificationTally tally;
        const char* summary;
        bool attention;
    } cases[] = {
        {{3, 0, 0, 0, 0, {}}, "AccurateRip: 3 of 3 tracks accurately ripped", false},
        {{1, 0, 0, 0, 0, {}}, "AccurateRip: 1 of 1 track accurately ripped", false},
        {{2, 1, 0, 0, 0, {}}, "AccurateRip: 2 of 3 tracks accurately ripped, 1 not matching", true},
        {{0, 0, 3, 0, 0, {}}, "AccurateRip: 0 of 3 tracks accurately ripped, 3 not in the database", false},
        {{1, 0, 0, 0, 1, {}}, "AccurateRip: 1 of 1 track accurately ripped, 1 with error blocks", true},
        {{0, 0, 0, 2, 0, offline}, "AccurateRip: not verified, 127.0.0.1 could not be reached: "
                                   "Connection refused.", false},
        {{2, 0, 0, 1, 0, offline}, "AccurateRip: 2 of 3 tracks accurately ripped, 1 not verified (127.0.0.1 could not be "
                                   "reached: Connection refused.)", false},
        {{}, "", false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(verificationSummary(c.tally), QString::fromUtf8(c.summary));
        EXPECT_EQ(c.tally.attention(), c.attention) << c.summary;
    }
}

TEST(CdTracks, AreTheFilesEndingInCdaInAnyCase) {
    EXPECT_TRUE(isCdTrack(QStringLiteral("/run/cd/Track01.cda")));
    EXPECT_TRUE(isCdTrack(QStringLiteral("/run/cd/TRACK02.CDA")));
    EXPECT_FALSE(isCdTrack(QStringLiteral("/music/cda")));
    EXPECT_FALSE(isCdTrack(QStringLiteral("/music.cda/a.wav")));
    EXPECT_FALSE(isCdTrack(QStringLiteral("/music/a.cdax")));
}

// The source's extension gives way to the key, whatever its length; names of three-letter
// sources are what they always were.
TEST(OutputNames, TheExtensionTheSourceHasGivesWayToTheKey) {
    const struct {
        const char* input;
        bool sameFolder;
        const char* output;
    } cases[] = {
        {"/m/song.wav", true, "/m/song.MP3"},       {"/m/song.wav", false, "/out/song.MP3"},
        {"/m/a.wav", true, "/m/a.MP3"},             {"/m/b.ogg", true, "/m/b.MP3"},
        {"/m/song.wv", true, "/m/song.MP3"},        {"/m/a.mp", false, "/out/a.MP3"},
        {"/x/a.flac", true, "/x/a.MP3"},            {"/x/x.opus", true, "/x/x.MP3"},
        {"/m/clip.webm", false, "/out/clip.MP3"},   {"/m/tune.ac3x5", true, "/m/tune.MP3"},
        {"/m/live.2021.flac", true, "/m/live.2021.MP3"},
        // Dots in folders are not extensions.
        {"/x/a.b/cd", true, "/x/a.b/cd.MP3"},       {"/m.dir/x.wav", false, "/out/x.MP3"},
        {"/m.dir/notes", true, "/m.dir/notes.MP3"}, {"ab", true, "ab.MP3"},
        // A trailing dot is an empty extension; a hidden name has none and is kept whole.
        {"/m/song.", true, "/m/song.MP3"},          {"/m/.mp3", true, "/m/.mp3.MP3"},
        {"/m/.flac", false, "/out/.flac.MP3"},      {"/m/..wav", true, "/m/..wav.MP3"},
        {"/m/.hidden.wav", true, "/m/.hidden.MP3"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(outputPath(QString::fromUtf8(c.input), QStringLiteral("MP3"), c.sameFolder, QStringLiteral("/out")),
                  QString::fromUtf8(c.output))
            << c.input;
    // A folder text ending in a separator doubles it, which the file system reads as one.
    EXPECT_EQ(outputPath(QStringLiteral("/m/b.ogg"), QStringLiteral("WAV"), false, QStringLiteral("/out/")),
              QStringLiteral("/out//b.WAV"));
}

TEST(OpenDialog, ListsEveryReadableTypeUnderAllSupportedAndFlacAndOpusAfterTheClassicSix) {
    // As the file dialog shows them, each pattern once.
    EXPECT_EQ(ui::qtFilterFromWindows(openDialogFilter()).split(QStringLiteral(";;")),
              QStringList({QStringLiteral("All Supported files (*.wav *.mp3 *.ogg *.wma *.cda *.flac *.opus *.cue *.toc *.nrg)"),
                           QStringLiteral("Wav files (*.wav)"), QStringLiteral("MP3 files (*.mp3)"),
                           QStringLiteral("Ogg Vorbis files (*.ogg)"), QStringLiteral("WMA files (*.wma)"),
                           QStringLiteral("CD Audio files (*.cda)"), QStringLiteral("FLAC files (*.flac)"), QStringLiteral("Opus files (*.opus)"),
                           QStringLiteral("CD images (*.cue *.toc *.nrg)")}));
}

}  // namespace
