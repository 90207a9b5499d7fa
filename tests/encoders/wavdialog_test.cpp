// The WAV settings dialog on a real writer and its real format chooser, in both variants.
#include "components/audio/codecs/AudioFile.h"
#include "components/ui/SkinLabel.h"
#include "components/ui/WavFormatChooser.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "support/TestSupport.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QtEndian>

#include "support/DialogTestOwner.h"

#include <gtest/gtest.h>

using namespace testing_support;

using namespace Qt::StringLiterals;

namespace {

void selectData(QComboBox* box, int value) {
    const int index = box->findData(value);
    ASSERT_GE(index, 0) << "no entry " << value;
    box->setCurrentIndex(index);
}

// Answers the format chooser, once it is up, with the given format.
void chooseInChooser(int rate, int bits, int channels) {
    whenModalShown([=](QWidget* modal) {
        auto* chooser = qobject_cast<WavFormatChooser*>(modal);
        ASSERT_NE(chooser, nullptr) << "the modal window is " << modal->objectName().toStdString();
        selectData(chooser->cmbRate, rate);
        selectData(chooser->cmbBits, bits);
        selectData(chooser->cmbChannels, channels);
        chooser->accept();
    });
}

class WavDialog : public ::testing::TestWithParam<DialogTool> {
protected:
    testing_support::TempConfigHome config;
    std::unique_ptr<EncoderDialogOwner> owner = makeDialogTestOwner(GetParam());
    SettingsDialogs dialogs{*owner};
    OutputSettings& settings = testOwner(*owner).settings;
    bool converter() const { return GetParam() == DialogTool::Converter; }
};

TEST_P(WavDialog, ShowsTheWritersWavFormatInTheVariantsLabels) {
    settings.wav = WavFormat{22050, 1, 8};
    frmWavSettings& dlg = dialogs.wav();
    EXPECT_EQ(dlg.objectName(), converter() ? u"ACfrmWav"_s : u"AEfrmWav"_s);
    EXPECT_EQ(dlg.windowTitle(), u"WAV Settings"_s);
    EXPECT_EQ(dlg.lblWav->text(), u"22050 Hz, 8 bit, Mono"_s);
    EXPECT_EQ(dlg.lblWav->objectName(), converter() ? u"lblWav"_s : u"lblwav"_s);
    EXPECT_EQ(qobject_cast<SkinLabel*>(dlg.lblWav) != nullptr, !converter());
}

TEST_P(WavDialog, ChoosingWavAsOutputReturnsToCdQuality) {
    frmWavSettings& dlg = dialogs.wav();
    chooseInChooser(11025, 8, 1);
    dlg.cmdWAVChangeFormat->click();
    ASSERT_EQ(settings.wav.sampleRate, 11025);
    dialogs.formatChosen(QStringLiteral("WAV"));
    EXPECT_EQ(settings.wav.sampleRate, 44100);
    EXPECT_EQ(settings.wav.channels, 2);
    EXPECT_EQ(settings.wav.bits, 16);
    EXPECT_EQ(dlg.lblWav->text(), u"44100 Hz, 16 bit, Stereo"_s);
}

TEST_P(WavDialog, ToCdQualityReportsEveryTime) {
    frmWavSettings& dlg = dialogs.wav();
    testing_support::MsgBoxRecorder boxes;
    dlg.cmdWAVToCDQuality->click();
    dlg.cmdWAVToCDQuality->click();
    const QString message = converter() ? u"WAV Format set to CD quality"_s : u"Settings set to CD quality"_s;
    EXPECT_EQ(boxes.texts(), QStringList({message, message}));
    EXPECT_EQ(boxes.boxes().back().icon, ui::MsgIcon::None);
    EXPECT_EQ(boxes.boxes().back().buttons, ui::MsgButtons::OK);
    EXPECT_EQ(dlg.lblWav->text(), u"44100 Hz, 16 bit, Stereo"_s);
}

TEST_P(WavDialog, CancelAfterChangeFormatKeepsTheNewFormat) {
    QPointer<frmWavSettings> dlg = &dialogs.wav();
    dlg->show();
    chooseInChooser(22050, 24, 1);
    dlg->cmdWAVChangeFormat->click();
    EXPECT_EQ(dlg->lblWav->text(), u"22050 Hz, 24 bit, Mono"_s);
    dlg->CancelButton->click();
    runDeferredDeletes();
    EXPECT_TRUE(dlg.isNull());
    EXPECT_EQ(settings.wav.sampleRate, 22050);
    EXPECT_EQ(settings.wav.bits, 24);
    EXPECT_EQ(settings.wav.channels, 1);
}

TEST_P(WavDialog, UnusableChoiceIsReportedAndTheLabelStays) {
    frmWavSettings& dlg = dialogs.wav();
    whenModalShown([](QWidget* modal) {
        auto* chooser = qobject_cast<WavFormatChooser*>(modal);
        ASSERT_NE(chooser, nullptr);
        chooser->cmbBits->addItem(QStringLiteral("12 bit"), 12);
        selectData(chooser->cmbBits, 12);
        chooser->accept();
    });
    testing_support::MsgBoxRecorder boxes;
    dlg.cmdWAVChangeFormat->click();
    EXPECT_EQ(boxes.texts(), QStringList{u"The selected format is unavailable."_s});
    EXPECT_EQ(boxes.boxes().front().icon, ui::MsgIcon::None);
    EXPECT_EQ(dlg.lblWav->text(), u"44100 Hz, 16 bit, Stereo"_s);
    EXPECT_EQ(settings.wav.bits, 16);
}

INSTANTIATE_TEST_SUITE_P(Variants, WavDialog, ::testing::Values(DialogTool::Converter, DialogTool::Extractor),
                         variantName);

// The "fmt " chunk of a RIFF WAVE file: channels, rate, bits.
struct FmtChunk {
    int channels = 0;
    int rate = 0;
    int bits = 0;
};

FmtChunk readFmt(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray data = file.readAll();
    if (data.size() < 12 || !data.startsWith("RIFF") || data.mid(8, 4) != "WAVE") return {};
    const auto* bytes = reinterpret_cast<const uchar*>(data.constData());
    qsizetype pos = 12;
    while (pos + 8 <= data.size()) {
        const auto size = static_cast<qsizetype>(qFromLittleEndian<quint32>(bytes + pos + 4));
        if (data.mid(pos, 4) == "fmt " && pos + 8 + 16 <= data.size()) {
            const uchar* fmt = bytes + pos + 8;
            return {qFromLittleEndian<quint16>(fmt + 2), static_cast<int>(qFromLittleEndian<quint32>(fmt + 4)),
                    qFromLittleEndian<quint16>(fmt + 14)};
        }
        pos += 8 + size + (size & 1);
    }
    return {};
}

TEST(WavDialogFiles, ChosenFormatReachesTheWrittenFile) {
    testing_support::TempConfigHome config;
    QTemporaryDir dir;
    auto owner = makeDialogTestOwner(DialogTool::Extractor);
    SettingsDialogs dialogs{*owner};
    chooseInChooser(22050, 8, 1);
    dialogs.wav().cmdWAVChangeFormat->click();
    dialogs.wav().OKButton->click();
    const QString path = dir.filePath(QStringLiteral("out.wav"));
    writeThroughOwner(testOwner(*owner).written(), path, 1.0);
    const FmtChunk fmt = readFmt(path);
    EXPECT_EQ(fmt.channels, 1);
    EXPECT_EQ(fmt.bits, 8);
    EXPECT_EQ(fmt.rate, 22050);
}

}  // namespace
