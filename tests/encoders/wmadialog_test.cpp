// The WMA settings dialog on real WMA objects, in both variants.
#include "components/audio/codecs/AudioFile.h"
#include "components/ui/SkinLabel.h"
#include "components/audio/codecs/WMAFile.h"
#include "encoders/SettingsDialogs.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "encoders/frmWmaSettings.h"
#include "support/TestSupport.h"

#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QSpinBox>

#include "support/DialogTestOwner.h"
#include "support/Signals.h"

#include <gtest/gtest.h>

using namespace testing_support;

using namespace Qt::StringLiterals;

namespace {

QString describeProfile(int number) {
    WMAFile file;
    file.setWMProfile(number);
    return file.formatDescription();
}

// Makes WMA look unavailable everywhere while alive.
class NoWmaHere {
public:
    NoWmaHere() : m_previous(frmWmaSettings::setAvailabilityCheck([](const WMAFile&) { return false; })) {}
    ~NoWmaHere() { frmWmaSettings::setAvailabilityCheck(m_previous); }
    NoWmaHere(const NoWmaHere&) = delete;
    NoWmaHere& operator=(const NoWmaHere&) = delete;

private:
    frmWmaSettings::AvailabilityCheck m_previous;
};

const QString kUnsupported = QStringLiteral("WMA is not Supported in your system,Install WMA codec.!");

class WmaDialog : public ::testing::TestWithParam<DialogTool> {
protected:
    testing_support::TempConfigHome config;
    std::unique_ptr<EncoderDialogOwner> owner = makeDialogTestOwner(GetParam());
    SettingsDialogs dialogs{*owner};
    bool converter() const { return GetParam() == DialogTool::Converter; }
    // The profile of the owner's WMA output.
    int outputProfile() { return testOwner(*owner).settings.wmaProfile; }
};

TEST_P(WmaDialog, OpensWithTheStoredDefaultAndItsDescription) {
    testOwner(*owner).settings.wmaProfile = 5;
    frmWmaSettings& dlg = dialogs.wma();
    EXPECT_EQ(dlg.objectName(), converter() ? u"ACfrmWma"_s : u"AEfrmWma"_s);
    EXPECT_EQ(dlg.windowTitle(), u"WMA Settings"_s);
    EXPECT_EQ(dlg.txtWmaProfile->text(), u"2"_s);
    EXPECT_EQ(dlg.lblWma->text(), describeProfile(2));
    EXPECT_EQ(dlg.WMAFile1->WMProfile(), 2);
    EXPECT_EQ(dlg.UpDown1->minimum(), 0);
    EXPECT_EQ(dlg.UpDown1->maximum(), dlg.WMAFile1->ProfileCount() - 1);
    EXPECT_EQ(qobject_cast<SkinLabel*>(dlg.lblProfile) != nullptr, !converter());
    EXPECT_EQ(dlg.lblProfile->text(), u"WMA Profile:"_s);
    // Loading hands the shown number to the writer, so that what is written is what is shown.
    EXPECT_EQ(outputProfile(), 2);
}

TEST_P(WmaDialog, UnusableStoredNumbersGiveTheDefault) {
    for (const QString& stored : {u"abc"_s, u"14"_s, u"-1"_s, u""_s}) {
        storeValue(*owner, u"WMA Profile"_s, stored);
        dialogs.wma().txtWmaProfile->setValue(7);
        dialogs.formatChosen(QStringLiteral("WMA"));
        EXPECT_EQ(dialogs.wma().txtWmaProfile->text(), u"2"_s) << stored.toStdString();
    }
    storeValue(*owner, u"WMA Profile"_s, u" 13"_s);
    dialogs.formatChosen(QStringLiteral("WMA"));
    EXPECT_EQ(dialogs.wma().lblWma->text(), describeProfile(13));
}

TEST_P(WmaDialog, WithoutWmaTheNoticeReplacesTheDescriptionAndOkKeepsNothing) {
    NoWmaHere noWma;
    storeValue(*owner, u"WMA Profile"_s, u"4"_s);
    frmWmaSettings& dlg = dialogs.wma();
    EXPECT_EQ(dlg.lblWma->text(), kUnsupported);
    EXPECT_EQ(dlg.UpDown1->maximum(), 0);
    const int before = outputProfile();
    dlg.cmdOk->click();
    EXPECT_EQ(outputProfile(), before);
    EXPECT_EQ(storedValue(*owner, u"WMA Profile"_s), u"4"_s);
    dialogs.formatChosen(QStringLiteral("WMA"));
    EXPECT_EQ(dlg.lblWma->text(), kUnsupported);
}

TEST_P(WmaDialog, SteppingDescribesAtOnceAndCancelLeavesTheOutput) {
    QPointer<frmWmaSettings> dlg = &dialogs.wma();
    const int before = outputProfile();
    whenModalShown([dlg](QWidget* modal) {
        ASSERT_EQ(modal, dlg.data());
        dlg->UpDown1->stepBy(1);
        EXPECT_EQ(dlg->txtWmaProfile->text(), u"3"_s);
        EXPECT_EQ(dlg->lblWma->text(), describeProfile(3));
        dlg->UpDown1->stepBy(-3);
        EXPECT_EQ(dlg->lblWma->text(), describeProfile(0));
        dlg->UpDown1->stepBy(-1);  // the first profile is the end
        EXPECT_EQ(dlg->txtWmaProfile->text(), u"0"_s);
        dlg->cmdCancel->click();
    });
    dialogs.showModal(QStringLiteral("WMA"));
    runDeferredDeletes();
    EXPECT_TRUE(dlg.isNull());
    EXPECT_EQ(outputProfile(), before);
    EXPECT_EQ(storedValue(*owner, u"WMA Profile"_s), u"<none>"_s);
}

TEST_P(WmaDialog, OkHandsTheNumberOnAndStoresIt) {
    frmWmaSettings& dlg = dialogs.wma();
    dlg.show();
    dlg.UpDown1->setValue(dlg.UpDown1->maximum());
    dlg.UpDown1->stepBy(1);  // the count itself is no profile
    const int last = dlg.WMAFile1->ProfileCount() - 1;
    EXPECT_EQ(dlg.txtWmaProfile->value(), last);
    dlg.cmdOk->click();
    EXPECT_EQ(outputProfile(), last);
    EXPECT_EQ(storedValue(*owner, u"WMA Profile"_s), QString::number(last));
    EXPECT_FALSE(dlg.isVisible());
    EXPECT_EQ(dialogs.loadedWma(), &dlg);
}

INSTANTIATE_TEST_SUITE_P(Variants, WmaDialog, ::testing::Values(DialogTool::Converter, DialogTool::Extractor),
                         variantName);

TEST(WmaDialogFiles, ChosenProfileReachesTheWrittenFile) {
    testing_support::TempConfigHome config;
    QTemporaryDir dir;
    auto owner = makeDialogTestOwner(DialogTool::Converter);
    SettingsDialogs dialogs{*owner};
    constexpr int profile = 8;
    const WmaProfile& expected = WMAFile::profiles()[profile];
    dialogs.wma().UpDown1->setValue(profile);
    dialogs.wma().cmdOk->click();

    constexpr double seconds = 5.0;
    const QString path = dir.filePath(QStringLiteral("out.wma"));
    WMAFile writer;  // a run's WMA writer, with the profile of the output settings
    writer.setWMProfile(testOwner(*owner).settings.wmaProfile);
    writer.DeclareInputFormat(44100, 2);
    writer.Create(path);
    ASSERT_GE(writer.status(), 0);
    writer.WriteBlock(musicTone(44100, 2, seconds));
    writer.Close();

    const double bitsPerSecond = static_cast<double>(QFileInfo(path).size()) * 8.0 / seconds;
    EXPECT_NEAR(bitsPerSecond, expected.bitrate, 0.15 * expected.bitrate);
    WMAFile reader;
    reader.OpenRead(path);
    ASSERT_GE(reader.status(), 0);
    EXPECT_EQ(reader.sampleRate(), expected.sampleRate);
    EXPECT_EQ(reader.channels(), expected.channels);
}

}  // namespace
