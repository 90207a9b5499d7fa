// Outputs named by a pattern of tags through the real converter window, against the same
// pattern given to velloria-convert -p.
#include "components/audio/tags/AudioInfo.h"
#include "components/store/WindowSettings.h"
#include "converter/frmAudioConverter.h"
#include "support/CliRuns.h"
#include "support/ConfigHome.h"
#include "support/LoudnessTools.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

const QString kPattern = QStringLiteral("{artist}/{album}/{track} - {title}");

// 40 short FLAC files over three artists and two albums each, tagged; two of them without an
// album, one whose artist holds a "/", and titles repeated across albums.
QStringList makeTaggedFiles(const QString& folder) {
    QStringList files;
    for (int i = 0; i < 40; ++i) {
        const QString path = folder + QStringLiteral("/in%1.flac").arg(i, 2, 10, QLatin1Char('0'));
        EXPECT_EQ(testing_support::makeTaggableFile(path, testing_support::musicTone(44100, 2, 0.2, unsigned(i + 1)), 44100, 2),
                  QString());
        QMap<QString, QStringList> tags{
            {QStringLiteral("ARTIST"), {i == 7 ? QStringLiteral("AC/DC") : QStringLiteral("Artist %1").arg(i % 3)}},
            {QStringLiteral("TITLE"), {QStringLiteral("Song %1").arg(i % 5)}},
            {QStringLiteral("TRACKNUMBER"), {QString::number(i + 1)}}};
        if (i != 11 && i != 12) tags.insert(QStringLiteral("ALBUM"), {QStringLiteral("Album %1").arg(i % 2)});
        AudioInfo info;
        info.setProperties(tags);
        info.WriteTags(path);
        files << path;
    }
    return files;
}

class NamedByPattern : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(in.isValid() && out.isValid());
        window = new frmAudioConverter;
        window->Splash1->Hide();
        window->show();
        window->optOtherFolder->click();
        window->txtFolder->setText(out.filePath(QStringLiteral("window")));
    }
    void TearDown() override { delete window.data(); }

    testing_support::TempConfigHome config;
    QTemporaryDir in;
    QTemporaryDir out;
    QPointer<frmAudioConverter> window;
};

TEST_F(NamedByPattern, TheWindowGivesTheTreeTheCommandLineGives) {
    const QStringList files = makeTaggedFiles(in.path());
    window->addPaths(files);
    // Off at first: the design's naming, and no preview.
    EXPECT_FALSE(window->chkNamePattern->isChecked());
    EXPECT_FALSE(window->lblPatternPreview->isVisible());
    const int flac = window->imgcmbConvertTo->findData(QStringLiteral("FLAC"));
    window->imgcmbConvertTo->setCurrentIndex(flac);
    Q_EMIT window->imgcmbConvertTo->activated(flac);
    window->chkNamePattern->click();
    window->txtPattern->setText(kPattern);
    EXPECT_EQ(window->lblPatternPreview->text(),
              QStringLiteral("Artist 0/Album 0/01 - Song 0.FLAC\nArtist 1/Album 1/02 - Song 1.FLAC\nArtist 2/Album 0/03 - Song 2.FLAC"));
    window->SelectAll();
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();

    const testing_support::CommandResult cli = testing_support::runCommand(
        QStringList{QStringLiteral("-f"), QStringLiteral("flac"), QStringLiteral("-p"), kPattern, QStringLiteral("-o"),
                    out.filePath(QStringLiteral("cli"))} + files,
        in.path(), config.path());
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();

    // The same names (the window writes the format's key as the extension, the command line
    // lower-case), each decoding to its source's audio.
    QStringList windowTree = testing_support::filesUnder(out.filePath(QStringLiteral("window"))).keys();
    const QStringList cliTree = testing_support::filesUnder(out.filePath(QStringLiteral("cli"))).keys();
    ASSERT_EQ(windowTree.size(), 40);
    for (QString& name : windowTree) name.replace(QStringLiteral(".FLAC"), QStringLiteral(".flac"));
    EXPECT_EQ(windowTree, cliTree);
    EXPECT_TRUE(windowTree.contains(QStringLiteral("AC_DC/Album 1/08 - Song 2.flac")));
    EXPECT_TRUE(windowTree.contains(QStringLiteral("Artist 2/Unknown Album/12 - Song 1.flac")));
    // Stored with the window's other choices.
    delete window.data();
    const ConverterWindowSettings stored = ConverterWindowSettings::load({}, 6);
    EXPECT_TRUE(stored.namePattern);
    EXPECT_EQ(stored.pattern, kPattern);
}

// Two files that the pattern gives one name: the second is refused as any other two outputs of
// one name are, and the first is converted whole.
TEST_F(NamedByPattern, TwoFilesOfOneNameAreRefusedAsAnyCollisionIs) {
    QStringList files = makeTaggedFiles(in.path()).mid(0, 2);
    window->addPaths(files);
    window->chkNamePattern->click();
    window->txtPattern->setText(QStringLiteral("{genre}"));  // neither has one: "Unknown Genre" twice
    EXPECT_EQ(window->lblPatternPreview->text(), QStringLiteral("Unknown Genre.MP3\nUnknown Genre.MP3"));
    window->SelectAll();
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    const QString all = boxes.texts().join(QLatin1Char('|'));
    EXPECT_TRUE(all.contains(QStringLiteral("would overwrite the output of"))) << all.toStdString();
    EXPECT_TRUE(QFileInfo(out.filePath(QStringLiteral("window/Unknown Genre.MP3"))).size() > 0);
    EXPECT_EQ(QDir(out.filePath(QStringLiteral("window"))).entryList(QDir::Files | QDir::Hidden).size(), 1);
}

}  // namespace
