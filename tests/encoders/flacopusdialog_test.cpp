// The FLAC and Opus settings dialogs in both variants: what they load, store and hand on; and one
// dialog for every output format.
#include "components/audio/Formats.h"
#include "components/store/CRegister.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmFlacSettings.h"
#include "encoders/frmOpusSettings.h"
#include "support/DialogTestOwner.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

class FlacOpusDialogs : public ::testing::TestWithParam<DialogTool> {
protected:
    TempConfigHome config;
    std::unique_ptr<EncoderDialogOwner> owner = makeDialogTestOwner(GetParam());
    SettingsDialogs dialogs{*owner};
    OutputSettings& output() { return testOwner(*owner).settings; }
    QString stored(const char* name) {
        return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, owner->registryKey(), QLatin1String(name), QString());
    }
    void store(const char* name, const char* value) {
        CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, owner->registryKey(), QLatin1String(name), QLatin1String(value));
    }
};

// Loading shows the stored values (defaults where nothing usable is stored) and hands them on;
// Ok stores what is shown under the owner's key; Cancel stores nothing.
TEST_P(FlacOpusDialogs, LoadShowStoreAndHandOn) {
    store("FLAC Level", "11");  // out of range: the default
    store("OPUS Bitrate", "96");
    store("OPUS Mode", "1");
    frmFlacSettings& flac = dialogs.flac();
    frmOpusSettings& opus = dialogs.opus();
    EXPECT_EQ(flac.objectName(), GetParam() == DialogTool::Converter ? QStringLiteral("ACfrmFlac") : QStringLiteral("AEfrmFlac"));
    EXPECT_EQ(flac.sldrLevel->value(), 5);
    EXPECT_EQ(flac.lblLevel->text(), QStringLiteral("5 (default)"));
    EXPECT_EQ(opus.txtBitrate->value(), 96);
    EXPECT_EQ(opus.cmbMode->currentText(), QStringLiteral("Constrained VBR"));
    EXPECT_EQ(output().opus.bitrateKbps, 96);
    EXPECT_EQ(output().opus.mode, 1);

    flac.sldrLevel->setValue(8);
    flac.chkVerify->setChecked(true);
    flac.cmdOk->click();
    EXPECT_EQ(stored("FLAC Level"), QStringLiteral("8"));
    EXPECT_EQ(output().flac.level, 8);
    EXPECT_TRUE(output().flac.verify);

    opus.txtBitrate->setValue(32);
    opus.sldrComplexity->setValue(3);
    opus.cmdCancel->click();
    runDeferredDeletes();
    EXPECT_EQ(stored("OPUS Bitrate"), QStringLiteral("96"));
    EXPECT_EQ(output().opus.bitrateKbps, 96);
    frmOpusSettings& again = dialogs.opus();  // unloaded: made anew from the store
    again.sldrComplexity->setValue(3);
    again.cmdOk->click();
    EXPECT_EQ(OpusSettings::load(owner->registryKey()), (OpusSettings{96, 1, 3}));
    EXPECT_EQ(output().opus.complexity, 3);
}

// Every output format has a settings dialog: the one loaded once it was asked for.
TEST_P(FlacOpusDialogs, EveryOutputFormatHasADialog) {
    for (const audio::OutputFormat& format : audio::outputFormats()) {
        const QString key = QLatin1String(format.key);
        EXPECT_NE(dialogs.dialogFor(key), nullptr) << format.key;
        EXPECT_EQ(dialogs.loadedFor(key), dialogs.dialogFor(key)) << format.key;
    }
    EXPECT_EQ(dialogs.dialogFor(QStringLiteral("AAC")), nullptr);
}

INSTANTIATE_TEST_SUITE_P(BothTools, FlacOpusDialogs, ::testing::Values(DialogTool::Converter, DialogTool::Extractor));

}  // namespace
