// The MP3 encoder settings dialog in both variants, on a real skin, real registry store and
// a real writer; the end-to-end cases write MP3 files and read them back.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/settings/MP3Settings.h"
#include "components/ui/Skin.h"
#include "components/ui/SkinForm.h"
#include "components/ui/SkinLabel.h"
#include "encoders/EncoderDialogOwner.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "components/store/CRegister.h"
#include "shell/WindowServices.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTabBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTimer>

#include "support/DialogTestOwner.h"

#include <gtest/gtest.h>

#include <memory>
#include <optional>

namespace {

using testing_support::TempConfigHome;
using testing_support::writeThroughOwner;

using TestOwner = testing_support::DialogTestOwner;

// A control's own enabled flag, whatever its frame or page says.
bool ownEnabled(const QWidget* w) { return !w->testAttribute(Qt::WA_ForceDisabled); }

// Moves a slider as the user drags it.
void userMove(QSlider* slider, int position) {
    slider->setSliderDown(true);
    slider->setSliderPosition(position);
    slider->setSliderDown(false);
}

int px(int twips) { return ui::twipsToPixelsX(twips); }

class Mp3DialogBase {
protected:
    explicit Mp3DialogBase(DialogTool tool) : owner(tool), dialogs(owner) {}

    frmMP3Settings& d() { return dialogs.mp3(); }
    const Mp3DialogVariant& variant() { return Mp3DialogVariant::of(owner.tool()); }
    void store(const char* name, const QString& value) {
        CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, owner.registryKey(), QLatin1String(name), value);
    }
    std::optional<QString> stored(const char* name) {
        return CRegister::readValue(CRegister::HKEY_LOCAL_MACHINE, owner.registryKey(), QLatin1String(name));
    }

    TempConfigHome config;
    TestOwner owner;
    SettingsDialogs dialogs;
};

class Mp3Dialog : public ::testing::TestWithParam<DialogTool>, public Mp3DialogBase {
protected:
    Mp3Dialog() : Mp3DialogBase(GetParam()) {}
};

std::string variantName(const ::testing::TestParamInfo<DialogTool>& info) {
    return info.param == DialogTool::Converter ? "Converter" : "Extractor";
}

TEST_P(Mp3Dialog, FirstStartShowsTheDefaults) {
    frmMP3Settings& dlg = d();
    EXPECT_EQ(dlg.objectName(), QLatin1String(variant().formName));
    EXPECT_EQ(dlg.cmbPreset->currentText(), QStringLiteral("None"));
    EXPECT_FALSE(dlg.Frame1->isHidden());
    EXPECT_EQ(dlg.cmbFrequency->currentText(), QStringLiteral("44 100 Hz"));
    EXPECT_EQ(dlg.cmbFrequency->itemText(0), QStringLiteral("  8 000 Hz"));
    EXPECT_EQ(dlg.cmbChMode->currentText(), QStringLiteral("Stereo"));
    EXPECT_EQ(dlg.sldrBitrate->value(), 7);
    EXPECT_EQ(frmMP3Settings::bitrateTable()[7], 96);
    EXPECT_EQ(dlg.sldrQuality->value(), 5);
    // The caption names the bitrate the slider stands at, which is what the encoder gets.
    EXPECT_EQ(dlg.fraBitrate->title(), QStringLiteral("Current bitrate: 96 kbit"));
    EXPECT_EQ(dlg.lblVbrBitrate->text(), QStringLiteral("Current bitrate: 320 kbit"));
    EXPECT_EQ(dlg.width(), px(variant().loadWidth));
    // The variant's own look: skinned labels and the owner's skinning in the extractor.
    EXPECT_EQ(qobject_cast<SkinLabel*>(dlg.lblVbrQuality) != nullptr, !owner.isConverter());
    EXPECT_EQ(owner.skinFormCalls, owner.isConverter() ? 0 : 1);
}

TEST_P(Mp3Dialog, PresetHidesTheManualGroupAndNoneShowsItAgain) {
    frmMP3Settings& dlg = d();
    dlg.cmbPreset->setCurrentIndex(9);
    EXPECT_TRUE(dlg.Frame1->isHidden());
    EXPECT_EQ(dlg.MP3Lame()->presetName(), QStringLiteral("CD"));
    EXPECT_EQ(owner.written().formatDescription(), dlg.MP3Lame()->description());
    EXPECT_EQ(dlg.lblCurPreset->text(), dlg.MP3Lame()->description());
    const int width = owner.isConverter() ? px(5550) : px(variant().loadWidth);
    EXPECT_EQ(dlg.width(), width);

    const MP3Settings before = *dlg.MP3Lame();
    dlg.cmbPreset->setCurrentIndex(0);
    EXPECT_FALSE(dlg.Frame1->isHidden());
    EXPECT_EQ(*dlg.MP3Lame(), before);
    EXPECT_EQ(dlg.MP3Lame()->presetName(), QStringLiteral("CD"));
    EXPECT_EQ(dlg.lblCurPreset->text(), before.description());
    EXPECT_EQ(dlg.width(), width);
}

TEST_P(Mp3Dialog, ApplyWritesTheManualSettings) {
    frmMP3Settings& dlg = d();
    MP3Settings& s = *dlg.MP3Lame();
    dlg.sldrBitrate->setValue(14);
    dlg.Apply();
    EXPECT_EQ(s.bitrate(), 320);
    dlg.sldrBitrate->setValue(7);
    dlg.Apply();
    EXPECT_EQ(s.bitrate(), 96);

    // Mono writes the count only; the mode stays what it was.
    const int modeBefore = s.channelMode();
    dlg.cmbChMode->setCurrentIndex(0);
    dlg.Apply();
    EXPECT_EQ(s.channels(), 1);
    EXPECT_EQ(s.channelMode(), modeBefore);
    dlg.cmbChMode->setCurrentText(QStringLiteral("Dual Channels"));
    dlg.Apply();
    EXPECT_EQ(s.channels(), 2);
    EXPECT_EQ(s.channelMode(), 4);

    dlg.chHFilt->setChecked(false);
    dlg.udHFiltF->setValue(500);
    dlg.udHFiltW->setValue(70);
    dlg.Apply();
    EXPECT_EQ(s.highpassFrequency(), -1);
    EXPECT_EQ(s.highpassWidth(), 70);
    dlg.chHFilt->setChecked(true);
    dlg.Apply();
    EXPECT_EQ(s.highpassFrequency(), 500);
    EXPECT_TRUE(dlg.refusedValues().isEmpty());
    // A run of either tool writes with MP3Lame as Apply() left it.
    EXPECT_EQ(owner.written().mp3Settings(), s);
}

TEST_P(Mp3Dialog, CodingMethodSetsTheVbrControls) {
    frmMP3Settings& dlg = d();
    MP3Settings& s = *dlg.MP3Lame();
    const QList<QWidget*> common{dlg.fraMaxVbrBitrate, dlg.fraAdvanced,     dlg.lblVbrBitrate,
                                 dlg.sldrVbrBitrate,   dlg.chWriteVBRHeader, dlg.chStrictlyEnforceMinBitrate};

    dlg.cmbVBRCodingMethod->setCurrentText(QStringLiteral("ABR"));
    dlg.Apply();
    EXPECT_EQ(s.codingMethod(), 4);
    EXPECT_TRUE(ownEnabled(dlg.udAbrBitrate) && ownEnabled(dlg.lblAbrBitrate));
    EXPECT_FALSE(ownEnabled(dlg.udVbrQuality) || ownEnabled(dlg.lblVbrQuality));
    for (QWidget* w : common) EXPECT_TRUE(ownEnabled(w)) << w->metaObject()->className();

    dlg.cmbVBRCodingMethod->setCurrentText(QStringLiteral("MTRH"));
    dlg.Apply();
    EXPECT_EQ(s.codingMethod(), 3);
    EXPECT_TRUE(ownEnabled(dlg.udVbrQuality) && ownEnabled(dlg.lblVbrQuality));
    EXPECT_FALSE(ownEnabled(dlg.udAbrBitrate) || ownEnabled(dlg.lblAbrBitrate));

    dlg.cmbVBRCodingMethod->setCurrentText(QStringLiteral("None"));
    dlg.Apply();
    EXPECT_EQ(s.codingMethod(), -1);
    for (QWidget* w : common) EXPECT_FALSE(ownEnabled(w));
    for (QWidget* w : {static_cast<QWidget*>(dlg.udVbrQuality), static_cast<QWidget*>(dlg.lblVbrQuality),
                       static_cast<QWidget*>(dlg.udAbrBitrate), static_cast<QWidget*>(dlg.lblAbrBitrate)})
        EXPECT_FALSE(ownEnabled(w));
}

TEST_P(Mp3Dialog, ShowsTheSettingsObjectsFiltersAndBitrates) {
    frmMP3Settings& dlg = d();
    MP3Settings& s = *dlg.MP3Lame();
    s.setLowpassFrequency(12000);
    s.setLowpassWidth(500);
    s.setBitrate(40);  // an MPEG bitrate the slider does not offer
    s.setChannelMode(4);
    s.setChannels(1);
    dlg.sldrBitrate->setValue(3);
    dlg.ShowEncoderSettings();
    EXPECT_EQ(dlg.cmbChMode->currentText(), QStringLiteral("Mono"));
    EXPECT_TRUE(dlg.chLFilt->isChecked());
    EXPECT_EQ(dlg.udLFiltF->value(), 12000);
    EXPECT_EQ(dlg.tLFiltW->value(), 500);
    EXPECT_TRUE(ownEnabled(dlg.udLFiltF) && ownEnabled(dlg.udLFiltW) && ownEnabled(dlg.lblLFiltW));
    EXPECT_EQ(dlg.sldrBitrate->value(), 3);
    EXPECT_EQ(dlg.fraBitrate->title(), QStringLiteral("Current bitrate: 40 kbit"));

    s.setLowpassFrequency(-1);
    s.setLowpassWidth(0);
    dlg.ShowEncoderSettings();
    EXPECT_FALSE(dlg.chLFilt->isChecked());
    EXPECT_EQ(dlg.udLFiltF->value(), 15160);
    EXPECT_EQ(dlg.udLFiltW->value(), 760);
    EXPECT_FALSE(ownEnabled(dlg.udLFiltF) || ownEnabled(dlg.udLFiltW) || ownEnabled(dlg.lblLFiltW));

    // The caption follows the slider whether the user or the code moves it.
    userMove(dlg.sldrBitrate, 14);
    EXPECT_EQ(dlg.fraBitrate->title(), QStringLiteral("Current bitrate: 320 kbit"));
    EXPECT_EQ(dlg.sldrBitrate->toolTip(), QStringLiteral("320"));
    dlg.sldrBitrate->setValue(0);
    EXPECT_EQ(dlg.fraBitrate->title(), QStringLiteral("Current bitrate: 8 kbit"));
}

TEST_P(Mp3Dialog, CancelUnloadsWithoutSavingAndTheObjectSurvives) {
    QPointer<frmMP3Settings> first = &d();
    MP3Settings* object = dialogs.MP3Lame();
    QTimer::singleShot(0, first, [&] {
        userMove(first->sldrQuality, 8);
        first->cmdCancel->click();
    });
    dialogs.showModal(QStringLiteral("MP3"));
    EXPECT_EQ(object->encoderQuality(), 8);
    EXPECT_FALSE(stored("MP3 EnqQual").has_value());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    // The next use loads a new window over the same object.
    frmMP3Settings& second = d();
    EXPECT_EQ(second.MP3Lame(), object);
    EXPECT_EQ(object->encoderQuality(), 8);
}

TEST_P(Mp3Dialog, OkStoresAppliesAndHides) {
    QPointer<frmMP3Settings> dlg = &d();
    QTimer::singleShot(0, dlg, [&] {
        dlg->cmbFrequency->setCurrentIndex(4);
        dlg->sldrBitrate->setValue(10);  // 160 kbit/s, the most 22 050 Hz takes
        dlg->cmdOK->click();
    });
    dialogs.showModal(QStringLiteral("MP3"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_FALSE(dlg.isNull());
    EXPECT_TRUE(dlg->isHidden());
    EXPECT_EQ(&d(), dlg.data());
    EXPECT_EQ(stored("MP3 Freq"), QStringLiteral("4"));
    EXPECT_EQ(stored("MP3 Bitrate"), QStringLiteral("10"));
    EXPECT_EQ(stored("MP3 Preset"), QStringLiteral("0"));
    EXPECT_EQ(dlg->MP3Lame()->sampleRate(), 22050);
    EXPECT_EQ(dlg->MP3Lame()->bitrate(), 160);
}

TEST_P(Mp3Dialog, StoredChoicesAreShownAndQualityTakesEffectThroughApply) {
    store("MP3 EnqQual", QStringLiteral("1"));
    store("MP3 Freq", QStringLiteral("2"));
    store("MP3 Channels", QStringLiteral("0"));
    store("MP3 Bitrate", QStringLiteral("6"));  // 64 kbit/s, the most 12 000 Hz takes
    frmMP3Settings& dlg = d();
    EXPECT_EQ(dlg.sldrQuality->value(), 1);
    EXPECT_EQ(dlg.cmbFrequency->currentText(), QStringLiteral("12 000 Hz "));
    EXPECT_TRUE(dlg.Apply());
    EXPECT_EQ(dlg.MP3Lame()->encoderQuality(), 1);
    EXPECT_EQ(dlg.MP3Lame()->sampleRate(), 12000);
    EXPECT_EQ(dlg.MP3Lame()->channels(), 1);
}

TEST_P(Mp3Dialog, AdvancedOptionsWidenAndHideNarrows) {
    frmMP3Settings& dlg = d();
    QWidget* pages = owner.isConverter() ? static_cast<QWidget*>(dlg.tabMP3) : dlg.TabStrip1;
    EXPECT_FALSE(pages->isVisibleTo(&dlg));
    dlg.cmdAdvancedOptions->click();
    EXPECT_EQ(dlg.width(), px(variant().advancedWidth));
    EXPECT_TRUE(pages->isVisibleTo(&dlg));
    dlg.Command1->click();
    EXPECT_EQ(dlg.width(), px(variant().hiddenWidth));
    EXPECT_FALSE(pages->isVisibleTo(&dlg));
}

// A combination the encoder would refuse is not taken: the object keeps what it had, and the
// reason names what is possible.
TEST_P(Mp3Dialog, CombinationsTheEncoderRefusesAreNotApplied) {
    frmMP3Settings& dlg = d();
    const MP3Settings before = *dlg.MP3Lame();
    dlg.cmbVBRCodingMethod->setCurrentText(QStringLiteral("ABR"));
    dlg.udAbrBitrate->setValue(4);  // the up-down allows it, LAME does not
    dlg.cmbChMode->setCurrentIndex(0);
    EXPECT_FALSE(dlg.Apply());
    EXPECT_EQ(*dlg.MP3Lame(), before);
    ASSERT_EQ(dlg.refusedValues().size(), 1);
    EXPECT_TRUE(dlg.refusedValues().front().contains(QStringLiteral("ABR")));

    dlg.cmbVBRCodingMethod->setCurrentIndex(0);  // CBR
    dlg.cmbFrequency->setCurrentText(QStringLiteral("  8 000 Hz"));
    EXPECT_EQ(dlg.sldrBitrate->value(), 7);  // 96 kbit/s
    EXPECT_FALSE(dlg.Apply());
    EXPECT_TRUE(dlg.refusedValues().front().contains(QStringLiteral("possible: 8, 16, 24, 32, 40, 48, 56, 64")))
        << dlg.refusedValues().front().toStdString();
}

// "Ok" explains a refused combination, stores nothing and stays open until it is mended.
TEST_P(Mp3Dialog, OkStaysOpenUntilTheCombinationCanBeWritten) {
    QPointer<frmMP3Settings> dlg = &d();
    testing_support::MsgBoxRecorder boxes;
    QTimer::singleShot(0, dlg, [&] {
        dlg->cmbFrequency->setCurrentText(QStringLiteral("  8 000 Hz"));
        dlg->cmdOK->click();
        EXPECT_TRUE(dlg->isVisible());
        EXPECT_FALSE(stored("MP3 Freq").has_value());
        dlg->sldrBitrate->setValue(6);  // 64 kbit/s
        dlg->cmdOK->click();
    });
    dialogs.showModal(QStringLiteral("MP3"));
    ASSERT_EQ(boxes.texts().size(), 1);
    EXPECT_TRUE(boxes.texts()[0].contains(QStringLiteral("96 kbit/s cannot be written at 8000 Hz")));
    EXPECT_FALSE(dlg->isVisible());
    EXPECT_EQ(dlg->MP3Lame()->sampleRate(), 8000);
    EXPECT_EQ(dlg->MP3Lame()->bitrate(), 64);
}

// Chooses mono 22 050 Hz, or a preset, in the dialog and writes a file with the writer.
TEST_P(Mp3Dialog, ChoicesReachTheWrittenFile) {
    QTemporaryDir dir;
    const auto writeAndRead = [&](const QString& name) {
        const QString path = dir.filePath(name);
        writeThroughOwner(owner.written(), path, 1.0);
        auto reader = std::make_unique<AudioFile>();
        reader->OpenRead(path);
        EXPECT_GE(reader->status(), 0);
        EXPECT_GT(reader->length(), 0);
        return reader;
    };

    frmMP3Settings& dlg = d();
    dlg.cmbFrequency->setCurrentText(QStringLiteral("22 050 Hz"));
    dlg.cmbChMode->setCurrentText(QStringLiteral("Mono"));
    dlg.cmdApply->click();
    auto manual = writeAndRead(QStringLiteral("manual.mp3"));
    EXPECT_EQ(manual->sampleRate(), 22050);
    EXPECT_EQ(manual->channels(), 1);

    dlg.cmbPreset->setCurrentText(QStringLiteral("AM"));  // 16 000 Hz mono, handed over at once
    auto preset = writeAndRead(QStringLiteral("preset.mp3"));
    EXPECT_EQ(preset->sampleRate(), 16000);
    EXPECT_EQ(preset->channels(), 1);
}

INSTANTIATE_TEST_SUITE_P(BothVariants, Mp3Dialog, ::testing::Values(DialogTool::Converter, DialogTool::Extractor),
                         variantName);

class Mp3DialogBrokenStore : public ::testing::TestWithParam<const char*>, public Mp3DialogBase {
protected:
    Mp3DialogBrokenStore() : Mp3DialogBase(DialogTool::Converter) {}
};

TEST_P(Mp3DialogBrokenStore, CountsAsMissing) {
    for (const char* name : {"MP3 Preset", "MP3 Freq", "MP3 Channels", "MP3 Bitrate", "MP3 EnqQual"})
        store(name, QLatin1String(GetParam()));
    frmMP3Settings& dlg = d();
    EXPECT_EQ(dlg.cmbPreset->currentIndex(), 0);
    EXPECT_EQ(dlg.cmbFrequency->currentIndex(), 7);
    EXPECT_EQ(dlg.cmbChMode->currentIndex(), 1);
    EXPECT_EQ(dlg.sldrBitrate->value(), 7);
    EXPECT_EQ(dlg.sldrQuality->value(), 5);
}

INSTANTIATE_TEST_SUITE_P(Texts, Mp3DialogBrokenStore, ::testing::Values("x", "99", "-1", ""));

class Mp3DialogExtractor : public ::testing::Test, public Mp3DialogBase {
protected:
    Mp3DialogExtractor() : Mp3DialogBase(DialogTool::Extractor) {}
};

TEST_F(Mp3DialogExtractor, DefaultButtonSelectsTheStoredDefaultsWithoutSaving) {
    frmMP3Settings& dlg = d();
    dlg.cmbPreset->setCurrentText(QStringLiteral("CD"));
    dlg.cmbFrequency->setCurrentIndex(0);
    dlg.cmbChMode->setCurrentIndex(4);
    dlg.sldrBitrate->setValue(14);
    dlg.sldrQuality->setValue(0);
    const MP3Settings before = *dlg.MP3Lame();
    dlg.cmdDefault->click();
    EXPECT_EQ(dlg.cmbPreset->currentIndex(), 0);
    EXPECT_FALSE(dlg.Frame1->isHidden());
    EXPECT_EQ(dlg.cmbFrequency->currentText(), QStringLiteral("44 100 Hz"));
    EXPECT_EQ(dlg.cmbChMode->currentText(), QStringLiteral("Stereo"));
    EXPECT_EQ(dlg.sldrBitrate->value(), 7);
    EXPECT_EQ(dlg.sldrQuality->value(), 5);
    EXPECT_EQ(*dlg.MP3Lame(), before);
    EXPECT_FALSE(stored("MP3 Preset").has_value());
}

TEST_F(Mp3DialogExtractor, TabStripShowsOneFrameAtATime) {
    frmMP3Settings& dlg = d();
    const auto shown = [&](std::size_t page) {
        for (std::size_t i = 0; i < dlg.fraPages.size(); ++i) {
            EXPECT_EQ(!dlg.fraPages[i]->isHidden(), i == page) << i;
            EXPECT_EQ(ownEnabled(dlg.fraPages[i]), i == page) << i;
        }
    };
    shown(0);
    dlg.TabStrip1->setCurrentIndex(2);
    shown(2);
    EXPECT_EQ(dlg.TabStrip1->tabText(1), QStringLiteral("VBR"));
}

}  // namespace
