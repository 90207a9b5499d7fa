// The Ogg Vorbis settings dialog on a real writer and a real skin, in both variants; also the
// test owner and the helpers the WAV and WMA dialog tests share.
#include "components/audio/codecs/AudioFile.h"
#include "components/ui/Skin.h"
#include "components/ui/SkinForm.h"
#include "components/audio/codecs/WMAFile.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "components/store/CRegister.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QTimer>
#include <QWidget>

#include "support/DialogTestOwner.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace testing_support;

using namespace Qt::StringLiterals;

namespace {

class OggDialog : public ::testing::TestWithParam<DialogTool> {
protected:
    testing_support::TempConfigHome config;
    std::unique_ptr<EncoderDialogOwner> owner = makeDialogTestOwner(GetParam());
    SettingsDialogs dialogs{*owner};
    OutputSettings& settings = testOwner(*owner).settings;
};

TEST_P(OggDialog, FirstStartShowsTheStoredDefaults) {
    frmOggSettings& dlg = dialogs.ogg();
    EXPECT_EQ(dlg.objectName(), GetParam() == DialogTool::Converter ? u"ACfrmOgg"_s : u"AEfrmOgg"_s);
    EXPECT_EQ(dlg.windowTitle(), u"OGG Vorbis Settings"_s);
    EXPECT_EQ(dlg.parentWidget(), owner->ownerWindow());
    QStringList items;
    for (int i = 0; i < dlg.cmbFrequency->count(); ++i) items << dlg.cmbFrequency->itemText(i);
    EXPECT_EQ(items, QStringList({u"  8 000 Hz"_s, u"11 025 Hz"_s, u"12 000 Hz "_s, u"16 000 Hz"_s, u"22 050 Hz"_s, u"24 000 Hz"_s,
                                  u"32 000 Hz"_s, u"44 100 Hz"_s, u"48 000 Hz"_s}));
    // Nothing stored: CD quality at quality 3.00.
    EXPECT_EQ(dlg.cmbFrequency->currentText(), u"44 100 Hz"_s);
    EXPECT_EQ(dlg.cmbChMode->currentText(), u"Stereo"_s);
    for (QSlider* s : {dlg.sldrBitrate, dlg.sldrMinBitrate, dlg.sldrMaxBitrate}) EXPECT_EQ(s->value(), 9);
    EXPECT_EQ(dlg.BitRate(), 128);
    EXPECT_EQ(dlg.MinBitrate(), 128);
    EXPECT_EQ(dlg.MaxBitrate(), 128);
    EXPECT_EQ(dlg.lblBitrate->text(), u"Current nominal bitrate: 128 kbit"_s);
    EXPECT_EQ(dlg.lblMinBitrate->text(), u"Current min bitrate: 128 kbit"_s);
    EXPECT_EQ(dlg.lblMaxBitrate->text(), u"Current max bitrate: 128 kbit"_s);
    EXPECT_FALSE(dlg.chVbr->isChecked());
    EXPECT_TRUE(dlg.chQuality->isChecked());
    EXPECT_EQ(dlg.sldrQuality->value(), 300);
    EXPECT_EQ(dlg.Quality(), 300);
    EXPECT_EQ(dlg.sldrQuality->maximum(), 1000);
    EXPECT_EQ(dlg.sldrQuality->tickInterval(), 100);
}

// Choosing Ogg Vorbis as output applies the first-start settings: quality 3.00 at 44 100 Hz.
TEST_P(OggDialog, ChoosingOggAtFirstStartAppliesWithoutComplaint) {
    dialogs.formatChosen(QStringLiteral("OGG"));
    const OggFormat& f = settings.ogg;
    EXPECT_EQ(f.sampleRate, 44100);
    EXPECT_EQ(f.channels, 2);
    EXPECT_EQ(f.quality, 300);
    EXPECT_EQ(f.minKbps, 0);
    EXPECT_EQ(f.maxKbps, 0);
}

TEST_P(OggDialog, LoadingSkipsUnusableValuesAndCarriesStoredPositionsIntoTheState) {
    storeValue(*owner, u"OGG Freq"_s, u"12"_s);
    storeValue(*owner, u"OGG Channels"_s, u"0"_s);
    storeValue(*owner, u"OGG Bitrate"_s, u"14"_s);
    storeValue(*owner, u"OGG VBR Enabled"_s, u"1"_s);
    storeValue(*owner, u"OGG Quality Enabled"_s, u"0"_s);
    storeValue(*owner, u"OGG MinBitrate"_s, u"x3"_s);  // not a number: the default 9
    storeValue(*owner, u"OGG MaxBitrate"_s, u"12"_s);
    storeValue(*owner, u"OGG Quality"_s, u"1001"_s);  // beyond the slider: skipped
    frmOggSettings& dlg = dialogs.ogg();
    EXPECT_EQ(dlg.cmbFrequency->currentText(), u"22 050 Hz"_s);
    EXPECT_EQ(dlg.cmbChMode->currentText(), u"Mono"_s);
    EXPECT_EQ(dlg.BitRate(), 320);
    EXPECT_EQ(dlg.lblBitrate->text(), u"Current nominal bitrate: 320 kbit"_s);
    EXPECT_TRUE(dlg.VbrEnabled());
    EXPECT_FALSE(dlg.QualityEnabled());
    EXPECT_EQ(dlg.MinBitrate(), 128);
    EXPECT_EQ(dlg.MaxBitrate(), 224);
    EXPECT_EQ(dlg.lblMaxBitrate->text(), u"Current max bitrate: 224 kbit"_s);
    EXPECT_EQ(dlg.sldrQuality->value(), 300);
    EXPECT_EQ(dlg.Quality(), 300);
}

TEST_P(OggDialog, ApplyHandsOverTheChosenRateChannelsBitratesAndQuality) {
    frmOggSettings& dlg = dialogs.ogg();
    dlg.cmbFrequency->setCurrentIndex(7);  // 44 100 Hz
    dlg.cmbChMode->setCurrentIndex(0);
    dlg.sldrQuality->setValue(250);
    EXPECT_EQ(dlg.Quality(), 250);
    EXPECT_EQ(dlg.sldrQuality->toolTip(), u"2.5"_s);
    dlg.sldrBitrate->setValue(10);
    EXPECT_EQ(dlg.sldrBitrate->toolTip(), u"160"_s);
    EXPECT_EQ(dlg.lblBitrate->text(), u"Current nominal bitrate: 160 kbit"_s);
    ASSERT_TRUE(dlg.Apply());
    OggFormat f = settings.ogg;
    EXPECT_EQ(f.sampleRate, 44100);
    EXPECT_EQ(f.channels, 1);
    EXPECT_EQ(f.nominalKbps, 160);
    EXPECT_EQ(f.minKbps, 0);
    EXPECT_EQ(f.maxKbps, 0);
    EXPECT_EQ(f.quality, 250);

    // Managed bitrates: the minimum and maximum count only with "VBR Enabled".
    dlg.chQuality->setChecked(false);
    dlg.chVbr->setChecked(true);
    dlg.sldrMinBitrate->setValue(7);
    dlg.sldrMaxBitrate->setValue(11);
    EXPECT_EQ(dlg.lblMinBitrate->text(), u"Current min bitrate: 96 kbit"_s);
    ASSERT_TRUE(dlg.Apply());
    f = settings.ogg;
    EXPECT_EQ(f.nominalKbps, 160);
    EXPECT_EQ(f.minKbps, 96);
    EXPECT_EQ(f.maxKbps, 192);
    EXPECT_EQ(f.quality, 0);
}

TEST_P(OggDialog, RefusedFormatIsReportedOnceAndOkKeepsTheWindowOpen) {
    frmOggSettings& dlg = dialogs.ogg();
    dlg.show();
    const OggFormat before = settings.ogg;
    dlg.chQuality->setChecked(false);
    dlg.cmbFrequency->setCurrentIndex(0);  // 128 kbit/s stereo is too much for 8 000 Hz
    testing_support::MsgBoxRecorder boxes;
    dlg.cmdOk->click();
    ASSERT_EQ(boxes.texts(), QStringList{u"Incorrect format, try choosing a higher frequency.!"_s});
    EXPECT_EQ(boxes.boxes().front().icon, ui::MsgIcon::Exclamation);
    EXPECT_EQ(boxes.boxes().front().buttons, ui::MsgButtons::OK);
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(settings.ogg.sampleRate, before.sampleRate);
    EXPECT_EQ(storedValue(*owner, u"OGG Freq"_s), u"0"_s);  // saved before the check

    // "Apply" saves, reports again and reloads what it saved.
    boxes.clear();
    dlg.cmbChMode->setCurrentIndex(0);
    dlg.cmdApply->click();
    EXPECT_EQ(boxes.texts().size(), 1);
    EXPECT_EQ(storedValue(*owner, u"OGG Channels"_s), u"0"_s);
    EXPECT_EQ(storedValue(*owner, u"OGG Quality Enabled"_s), u"0"_s);
    EXPECT_EQ(dlg.cmbFrequency->currentIndex(), 0);
    EXPECT_EQ(dlg.cmbChMode->currentIndex(), 0);
    EXPECT_TRUE(dlg.isVisible());

    boxes.clear();
    dlg.cmbFrequency->setCurrentIndex(7);
    dlg.cmdOk->click();
    EXPECT_TRUE(boxes.texts().isEmpty());
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dialogs.loadedOgg(), &dlg);  // hidden, not unloaded
    EXPECT_EQ(settings.ogg.sampleRate, 44100);
}

TEST_P(OggDialog, CancelUnloadsWithoutSavingOrApplying) {
    QPointer<frmOggSettings> dlg = &dialogs.ogg();
    whenModalShown([dlg](QWidget* modal) {
        ASSERT_EQ(modal, dlg.data());
        dlg->sldrQuality->setValue(900);
        dlg->cmbChMode->setCurrentIndex(0);
        dlg->cmdCancel->click();
    });
    dialogs.showModal(QStringLiteral("OGG"));
    runDeferredDeletes();
    EXPECT_TRUE(dlg.isNull());
    EXPECT_EQ(storedValue(*owner, u"OGG Quality"_s), u"<none>"_s);
    EXPECT_EQ(settings.ogg.quality, OggFormat{}.quality);
    EXPECT_EQ(dialogs.ogg().Quality(), 300);  // loaded anew
}

INSTANTIATE_TEST_SUITE_P(Variants, OggDialog, ::testing::Values(DialogTool::Converter, DialogTool::Extractor),
                         variantName);

class OggDialogFiles : public ::testing::Test {
protected:
    testing_support::TempConfigHome config;
    QTemporaryDir dir;
    std::unique_ptr<EncoderDialogOwner> owner = makeDialogTestOwner(DialogTool::Converter);
    SettingsDialogs dialogs{*owner};

    // Chooses with the dialog's controls, confirms with "Ok" and writes 3 s.
    qint64 writeWith(int frequencyIndex, int quality, const QString& name) {
        frmOggSettings& dlg = dialogs.ogg();
        dlg.cmbFrequency->setCurrentIndex(frequencyIndex);
        dlg.chQuality->setChecked(true);
        dlg.sldrQuality->setValue(quality);
        dlg.cmdOk->click();
        const QString path = dir.filePath(name);
        writeThroughOwner(testOwner(*owner).written(), path, 3.0);
        return QFileInfo(path).size();
    }
};

TEST_F(OggDialogFiles, QualityAndFrequencyReachTheWrittenFile) {
    const qint64 high = writeWith(7, 800, QStringLiteral("high.ogg"));
    const qint64 low = writeWith(7, 100, QStringLiteral("low.ogg"));
    EXPECT_GT(high, 2 * low) << "quality 8: " << high << " bytes, quality 1: " << low << " bytes";

    writeWith(6, 300, QStringLiteral("rate.ogg"));
    AudioFile reader;
    reader.OpenRead(dir.filePath(QStringLiteral("rate.ogg")));
    ASSERT_GE(reader.status(), 0);
    EXPECT_EQ(reader.sampleRate(), 32000);
    EXPECT_EQ(reader.channels(), 2);
}

}  // namespace
