// What each settings dialog shows is what is written: every dialog, in both variants, is set
// to a choice other than its default, confirmed with its OK button, and a file written with
// the owner's writers is read back and compared with the dialog's own texts.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/codecs/Resampler.h"
#include "components/audio/codecs/WMAFile.h"
#include "components/ui/WavFormatChooser.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "support/DialogTestOwner.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtEndian>

#include <gtest/gtest.h>

using namespace testing_support;

namespace {

enum class Kind { Mp3, Ogg, Wav, Wma };

struct Case {
    Kind kind;
    DialogTool tool;
};

std::string caseName(const ::testing::TestParamInfo<Case>& info) {
    static const char* kinds[] = {"Mp3", "Ogg", "Wav", "Wma"};
    return std::string(kinds[static_cast<int>(info.param.kind)]) +
           (info.param.tool == DialogTool::Converter ? "Converter" : "Extractor");
}

// The rate and channel texts as the dialogs write them.
QString rateText(int hz) { return QStringLiteral("%1 %2 Hz").arg(hz / 1000).arg(hz % 1000, 3, 10, QLatin1Char('0')); }

class DialogLabels : public ::testing::TestWithParam<Case> {
protected:
    DialogLabels() : owner(GetParam().tool), dialogs(owner) {}

    // Runs `choose` on the dialog while it is shown modally for `key`.
    void showAndChoose(const QString& key, const std::function<void()>& choose) {
        QTimer::singleShot(0, owner.ownerWindow(), choose);
        dialogs.showModal(key);
    }
    QString write(const QString& name, int seconds = 2) {
        const QString path = dir.filePath(name);
        const SampleBlock signal = musicTone(44100, 2, seconds);
        if (name.endsWith(QStringLiteral(".wma"))) {
            // A run's WMA writer takes the profile of the output settings.
            WMAFile writer;
            writer.setWMProfile(owner.settings.wmaProfile);
            writer.DeclareInputFormat(44100, 2);
            writer.Create(path);
            EXPECT_GE(writer.status(), 0);
            writer.WriteBlock(signal);
            writer.Close();
            return path;
        }
        AudioFile& writer = owner.written();
        writer.DeclareInputFormat(44100, 2);
        writer.Create(path);
        EXPECT_GE(writer.status(), 0) << writer.reason().toStdString();
        writer.WriteBlock(signal);
        writer.Close();
        return path;
    }

    TempConfigHome config;
    DialogTestOwner owner;
    SettingsDialogs dialogs;
    QTemporaryDir dir;
};

TEST_P(DialogLabels, WhatTheDialogShowsIsWhatIsWritten) {
    switch (GetParam().kind) {
    case Kind::Mp3: {
        frmMP3Settings& dlg = dialogs.mp3();
        showAndChoose(QStringLiteral("MP3"), [&] {
            dlg.cmbFrequency->setCurrentText(QStringLiteral("22 050 Hz"));
            dlg.cmbChMode->setCurrentText(QStringLiteral("Mono"));
            dlg.sldrBitrate->setValue(8);
            dlg.cmdOK->click();
        });
        const QString path = write(QStringLiteral("out.mp3"));
        const ReadBack r = readBack(path);
        EXPECT_EQ(rateText(r.rate), dlg.cmbFrequency->currentText());
        EXPECT_EQ(r.channels, dlg.cmbChMode->currentText() == QStringLiteral("Mono") ? 1 : 2);
        const double kbps = static_cast<double>(QFileInfo(path).size()) * 8 / r.seconds() / 1000;
        EXPECT_EQ(dlg.fraBitrate->title(), QStringLiteral("Current bitrate: 112 kbit"));
        EXPECT_NEAR(kbps, 112, 6);
        break;
    }
    case Kind::Ogg: {
        frmOggSettings& dlg = dialogs.ogg();
        showAndChoose(QStringLiteral("OGG"), [&] {
            dlg.cmbFrequency->setCurrentText(QStringLiteral("32 000 Hz"));
            dlg.cmbChMode->setCurrentText(QStringLiteral("Mono"));
            dlg.cmdOk->click();
        });
        const ReadBack r = readBack(write(QStringLiteral("out.ogg")));
        EXPECT_EQ(rateText(r.rate), dlg.cmbFrequency->currentText());
        EXPECT_EQ(r.channels, 1);
        EXPECT_EQ(dlg.cmbChMode->currentText(), QStringLiteral("Mono"));
        // A rate other than the source's still carries the signal.
        EXPECT_NEAR(r.seconds(), 2.0, 0.05);
        Resampler toShown({44100, 2}, {r.rate, r.channels});
        const SampleBlock source = musicTone(44100, 2, 2);
        SampleBlock expected = toShown.convert(source.data(), source.size() / 2);
        const auto& rest = toShown.flush();
        expected.insert(expected.end(), rest.begin(), rest.end());
        EXPECT_GT(bestCorrelation(expected, r.channels, r.samples, r.channels), 0.9);
        break;
    }
    case Kind::Wav: {
        WavFormatChooser::install();
        frmWavSettings& dlg = dialogs.wav();
        showAndChoose(QStringLiteral("WAV"), [&] {
            QTimer::singleShot(0, [] {
                auto* chooser = qobject_cast<WavFormatChooser*>(QApplication::activeModalWidget());
                ASSERT_NE(chooser, nullptr);
                chooser->cmbRate->setCurrentIndex(chooser->cmbRate->findData(22050));
                chooser->cmbBits->setCurrentIndex(chooser->cmbBits->findData(8));
                chooser->cmbChannels->setCurrentIndex(0);
                chooser->accept();
            });
            dlg.cmdWAVChangeFormat->click();
            dlg.OKButton->click();
        });
        QFile file(write(QStringLiteral("out.wav")));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QByteArray header = file.read(44);
        const auto* h = reinterpret_cast<const uchar*>(header.constData());
        const WavFormat written{static_cast<int>(qFromLittleEndian<quint32>(h + 24)),
                                static_cast<int>(qFromLittleEndian<quint16>(h + 22)),
                                static_cast<int>(qFromLittleEndian<quint16>(h + 34))};
        EXPECT_EQ(describeWav(written), dlg.lblWav->text());
        EXPECT_EQ(dlg.lblWav->text(), QStringLiteral("22050 Hz, 8 bit, Mono"));
        break;
    }
    case Kind::Wma: {
        frmWmaSettings& dlg = dialogs.wma();
        showAndChoose(QStringLiteral("WMA"), [&] {
            dlg.txtWmaProfile->setValue(13);
            dlg.cmdOk->click();
        });
        const ReadBack r = readBack(write(QStringLiteral("out.wma")));
        const WmaProfile& shown = WMAFile::profiles()[13];
        EXPECT_EQ(dlg.lblWma->text(), describeWma(shown));
        EXPECT_EQ(r.rate, shown.sampleRate);
        EXPECT_EQ(r.channels, shown.channels);
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryDialog, DialogLabels,
                         ::testing::Values(Case{Kind::Mp3, DialogTool::Converter}, Case{Kind::Mp3, DialogTool::Extractor},
                                           Case{Kind::Ogg, DialogTool::Converter}, Case{Kind::Ogg, DialogTool::Extractor},
                                           Case{Kind::Wav, DialogTool::Converter}, Case{Kind::Wav, DialogTool::Extractor},
                                           Case{Kind::Wma, DialogTool::Converter}, Case{Kind::Wma, DialogTool::Extractor}),
                         caseName);

}  // namespace
