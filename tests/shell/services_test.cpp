// Window services, the folder picker and the converter's About box.
#include "shell/ACfrmAbout.h"
#include "shell/BrowseForFolder.h"
#include "shell/WindowServices.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

namespace {

using ui::MsgButtons;
using ui::MsgDefault;
using ui::MsgIcon;
using ui::MsgResult;

TEST(WindowServices, FiltersShowEachPatternOnceInQtForm) {
    const struct {
        const char* windows;
        const char* qt;
    } cases[] = {
        {"Audio|*.wav;*.mp3|All files|*.*", "Audio (*.wav *.mp3);;All files (*)"},
        {"Wave|*.wav", "Wave (*.wav)"},
        // A description that shows its patterns shows them once, in the form Qt reads.
        {"Wav files (*.wav)|*.wav", "Wav files (*.wav)"},
        {"All Supported files (*.wav;*.mp3;cda)|*.wav;*.mp3;*.cda", "All Supported files (*.wav *.mp3 *.cda)"},
        {"Mpeg files (*.mpg, *.mpeg)|*.mpg; *.mpeg|", "Mpeg files (*.mpg *.mpeg)"},
        {"All files (*.*)|*.*", "All files (*)"},
        // Parentheses that hold no pattern are part of the description.
        {"Sound (lossless)|*.wav", "Sound (lossless) (*.wav)"},
        // A trailing description without patterns is dropped rather than shown broken.
        {"Wave|*.wav|Odd", "Wave (*.wav)"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ui::qtFilterFromWindows(QString::fromUtf8(c.windows)).toStdString(), c.qt) << c.windows;
}

TEST(WindowServices, DefaultAnswerFollowsTheDefaultButton) {
    ui::MsgBoxRequest r;
    r.buttons = MsgButtons::YesNo;
    r.defaultButton = MsgDefault::Button2;
    EXPECT_EQ(ui::msgBoxDefaultAnswer(r), MsgResult::No);
    r.buttons = MsgButtons::YesNoCancel;
    r.defaultButton = MsgDefault::Button3;
    EXPECT_EQ(ui::msgBoxDefaultAnswer(r), MsgResult::Cancel);
    // A default beyond the box's buttons falls back to the first.
    r.buttons = MsgButtons::OK;
    EXPECT_EQ(ui::msgBoxDefaultAnswer(r), MsgResult::OK);
}

TEST(WindowServices, BoxesCarryTheApplicationTitleUnlessGivenOne) {
    testing_support::MsgBoxRecorder boxes;
    boxes.queue(MsgResult::No);
    EXPECT_EQ(ui::MsgBox(QStringLiteral("Convert?"), MsgButtons::YesNo, MsgIcon::Question), MsgResult::No);
    ui::setAppTitle(QStringLiteral("Audio Conv."));
    ui::MsgBox(QStringLiteral("Done"));
    ui::MsgBox(QStringLiteral("Own"), MsgButtons::OK, MsgIcon::None, MsgDefault::Button1, QStringLiteral("Mine"));
    ui::setAppTitle(QStringLiteral("Velloria"));
    ASSERT_EQ(boxes.boxes().size(), 3);
    EXPECT_EQ(boxes.boxes()[0].caption, QStringLiteral("Velloria"));
    EXPECT_EQ(boxes.boxes()[1].caption, QStringLiteral("Audio Conv."));
    EXPECT_EQ(boxes.boxes()[2].caption, QStringLiteral("Mine"));
}

// The real box, answered by clicking its buttons.
TEST(WindowServices, RealBoxShowsTextCaptionButtonsAndDefault) {
    const ui::MsgBoxResponder saved = ui::setMsgBoxResponder({});
    QString seenTitle, seenText;
    QString seenDefault;
    int buttons = 0;
    QTimer::singleShot(0, [&] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        ASSERT_NE(box, nullptr);
        seenTitle = box->windowTitle();
        seenText = box->text();
        buttons = static_cast<int>(box->buttons().size());
        if (box->defaultButton()) seenDefault = box->defaultButton()->text().remove(QLatin1Char('&'));
        box->button(QMessageBox::Cancel)->click();
    });
    const MsgResult answer =
        ui::MsgBox(QStringLiteral("Overwrite?"), MsgButtons::YesNoCancel, MsgIcon::Exclamation, MsgDefault::Button2);
    ui::setMsgBoxResponder(saved);
    EXPECT_EQ(answer, MsgResult::Cancel);
    EXPECT_EQ(seenTitle, QStringLiteral("Velloria"));
    EXPECT_EQ(seenText, QStringLiteral("Overwrite?"));
    EXPECT_EQ(buttons, 3);
    EXPECT_EQ(seenDefault, QStringLiteral("No"));
}

TEST(WindowServices, HourglassIsAStateNotAStack) {
    ui::setScreenPointer(ui::Pointer::Hourglass);
    ui::setScreenPointer(ui::Pointer::Hourglass);
    ASSERT_NE(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QGuiApplication::overrideCursor()->shape(), Qt::WaitCursor);
    ui::setScreenPointer(ui::Pointer::Default);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    ui::setScreenPointer(ui::Pointer::Default);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
}

TEST(WindowServices, TwipsFollowTheScreensLogicalDpi) {
    const double dpi = QGuiApplication::primaryScreen()->logicalDotsPerInchX();
    EXPECT_EQ(ui::twipsToPixelsX(1440), static_cast<int>(std::nearbyint(dpi)));
    EXPECT_EQ(ui::twipsToPixelsX(0), 0);
    if (dpi == 96.0) {
        EXPECT_EQ(ui::twipsToPixelsX(451), 30);  // 30.07
        EXPECT_EQ(ui::twipsToPixelsY(150), 10);
        EXPECT_EQ(ui::twipsToPixelsX(7.5), 0);   // half a pixel goes to the even neighbour
        EXPECT_EQ(ui::twipsToPixelsX(22.5), 2);
        EXPECT_DOUBLE_EQ(ui::pixelsToTwipsX(30), 450.0);
    }
}

TEST(WindowServices, ProgramFilesAreNamedFromTheProgramDirectory) {
    EXPECT_EQ(ui::programFile(QStringLiteral("\\Mask.skn")), ui::programDir() + QStringLiteral("/Mask.skn"));
    EXPECT_TRUE(QFileInfo::exists(ui::programFile(QStringLiteral("\\Mask.skn"))));
    for (const char* help : {"\\help.html", "\\AChelp.html", "\\AEHelp.html"})
        EXPECT_TRUE(QFileInfo::exists(ui::programFile(QString::fromLatin1(help)))) << help;
}

TEST(WindowServices, EndingIsSeenByMessageLoopPasses) {
    EXPECT_TRUE(ui::DoEvents());
    ui::EndProgram(0);
    EXPECT_FALSE(ui::DoEvents());
    ui::resetProgramEnding();
    EXPECT_TRUE(ui::DoEvents());
}

// ---- Folder picker -------------------------------------------------------------------------

TEST(FolderPicker, ReturnsALocalFolderAndEmptyTextOtherwise) {
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({QDir::tempPath()});
    dialogs.queueCancel();
    ui::FileDialogResult virtualPlace;
    virtualPlace.accepted = true;
    virtualPlace.urls << QUrl(QStringLiteral("trash:/"));
    dialogs.queue(virtualPlace);
    ui::FileDialogResult nothing;
    nothing.accepted = true;
    dialogs.queue(nothing);

    EXPECT_EQ(BrowseForFolder(nullptr), QDir::tempPath());
    EXPECT_EQ(BrowseForFolder(nullptr), QString());
    EXPECT_EQ(BrowseForFolder(nullptr), QString());
    EXPECT_EQ(BrowseForFolder(nullptr), QString());
    ASSERT_EQ(dialogs.requests().size(), 4);
    EXPECT_EQ(dialogs.requests()[0].title, QStringLiteral("Select a folder"));
    EXPECT_EQ(dialogs.requests()[0].kind, ui::FileDialogRequest::Kind::Folder);
    EXPECT_EQ(dialogs.requests()[0].directory, QDir::homePath());
}

// ---- About box -----------------------------------------------------------------------------

TEST(AboutBox, ShowsTitleVersionAndTheApplicationTitleInItsCaption) {
    ACfrmAbout box;
    EXPECT_EQ(box.windowTitle(), QStringLiteral("About Velloria"));
    EXPECT_EQ(box.lblTitle->text(), QStringLiteral("Audio Converter"));
    EXPECT_EQ(box.lblVersion->text(), QStringLiteral("6.0.0.3"));
    EXPECT_EQ(box.cmdOK->text(), QStringLiteral("OK"));
    EXPECT_EQ(box.cmdSysInfo->text(), QStringLiteral("System Info"));
    EXPECT_TRUE(box.Label1->text().isEmpty());
    ui::setAppTitle(QStringLiteral("Audio Conv."));
    ACfrmAbout converterBox;
    ui::setAppTitle(QStringLiteral("Velloria"));
    EXPECT_EQ(converterBox.windowTitle(), QStringLiteral("About Audio Conv."));
}

TEST(AboutBox, OkAndTheEmptyLabelCloseIt) {
    ACfrmAbout box;
    box.show();
    QTest::mouseClick(box.cmdOK, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
    box.show();
    QTest::mouseClick(box.Label1, Qt::LeftButton);
    EXPECT_FALSE(box.isVisible());
}

}  // namespace
