// A CUE sheet beside its album's audio file, added to the real converter window: one entry per
// track, converted as shnsplit cuts them; sheets whose file is missing or short are refused.
#include "components/audio/tags/AudioInfo.h"
#include "converter/frmAudioConverter.h"
#include "support/CueAlbums.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class SheetWindow : public ::testing::Test {
protected:
    void SetUp() override {
        window = std::make_unique<frmAudioConverter>();
        window->Splash1->Hide();
        window->show();
        window->optOtherFolder->click();
        window->txtFolder->setText(out.path());
        const int wav = window->imgcmbConvertTo->findData(QStringLiteral("WAV"));
        window->imgcmbConvertTo->setCurrentIndex(wav);
        Q_EMIT window->imgcmbConvertTo->activated(wav);
    }
    TempConfigHome config;
    QTemporaryDir in;
    QTemporaryDir out;
    std::unique_ptr<frmAudioConverter> window;
};

}  // namespace

TEST_F(SheetWindow, AFlacSheetListsItsTracksAndConvertsThemAsShnsplitCutsThem) {
    const CueAlbum album = makeCueAlbum(in.path(), QStringLiteral("flac"), {262, 274, 214}, 44100, 1234);
    ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
    QString error;
    const QStringList reference = shnsplitTracks(album.sheet, album.audio, in.filePath(QStringLiteral("shn")), &error);
    ASSERT_EQ(reference.size(), 3) << error.toStdString();

    FileDialogRecorder dialogs;
    dialogs.queueLocal({album.sheet});
    window->AddFiles();
    ASSERT_EQ(window->lstFiles->count(), 3);
    EXPECT_EQ(window->lstFiles->item(2)->text(), album.sheet + QStringLiteral("/Track 03"));
    window->SelectAll();
    window->chkPreserveIDTags->setChecked(true);
    window->setPreserveIDTags(true);
    MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(QLatin1Char('|')).toStdString();
    for (int n = 1; n <= 3; ++n) {
        const QString written = out.filePath(QStringLiteral("0%1 - Song %1.WAV").arg(n));
        const ReadBack ours = readBack(written), theirs = readBack(reference[n - 1]);
        EXPECT_EQ(ours.frames(), theirs.frames()) << n;
        EXPECT_TRUE(ours.samples == theirs.samples) << "track " << n << " differs from shnsplit's";
        AudioInfo tags;
        tags.ReadTags(written);
        EXPECT_EQ(tags.properties().value(QStringLiteral("TITLE")), QStringList{QStringLiteral("Song %1").arg(n)});
    }
}

TEST_F(SheetWindow, SheetsWithAMissingOrShortFileAreRefusedWithTheirReason) {
    const CueAlbum album = makeCueAlbum(in.path(), QStringLiteral("wav"), {150, 150});
    ASSERT_TRUE(album.error.isEmpty()) << album.error.toStdString();
    struct Case {
        QByteArray text;
        const char* reason;
    };
    const QList<Case> cases{
        {"FILE \"other.flac\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\n", "The audio file other.flac that album.cue names is missing."},
        {"FILE \"album.wav\" WAVE\nTRACK 01 AUDIO\nINDEX 01 00:00:00\nTRACK 02 AUDIO\nINDEX 01 00:05:00\n",
         "The audio file album.wav is too short for album.cue: it ends at 00:04:00, and track 2 starts at 00:05:00."},
    };
    for (const Case& c : cases) {
        QFile sheet(album.sheet);
        ASSERT_TRUE(sheet.open(QIODevice::WriteOnly | QIODevice::Truncate));
        sheet.write(c.text);
        sheet.close();
        MsgBoxRecorder boxes;
        window->addPaths({album.sheet});
        EXPECT_EQ(window->lstFiles->count(), 0);
        ASSERT_EQ(boxes.texts().size(), 1);
        EXPECT_TRUE(boxes.texts()[0].endsWith(QLatin1String(c.reason))) << boxes.texts()[0].toStdString();
    }
}
