// The converter window driven offscreen: start-up and stored settings, commands, file list
// editing, keys, the popup menu, drops, and skinning of other windows.
#include "components/ui/SkinLabel.h"
#include "runs/ConverterRules.h"
#include "converter/frmAudioConverter.h"
#include "ripping/ACfrmGrab.h"
#include "shell/ACfrmAbout.h"
#include "components/store/CRegister.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDialog>
#include <QDir>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStatusBar>
#include <QScrollBar>
#include <QTest>
#include <QToolButton>
#include <QTimer>
#include <QToolBar>

#include <gtest/gtest.h>

namespace {

const QString kKey = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");

QString stored(const QString& name) {
    return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, QStringLiteral("<missing>"));
}
void store(const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, value);
}

QStringList entries(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}

class ConverterWindow : public ::testing::Test {
protected:
    void TearDown() override {
        delete window.data();
        ui::setAppTitle(QStringLiteral("Velloria"));
    }
    frmAudioConverter& open() {
        window = new frmAudioConverter;
        window->Splash1->Hide();
        window->show();
        return *window;
    }
    void fill(const QStringList& paths) { window->addPaths(paths); }
    void select(std::initializer_list<int> rows) {
        window->lstFiles->clearSelection();
        for (int r : rows) window->lstFiles->item(r)->setSelected(true);
    }

    testing_support::TempConfigHome config;
    QPointer<frmAudioConverter> window;
};

// ---- Start-up and settings -----------------------------------------------------------------

TEST_F(ConverterWindow, FirstStartUsesTheDefaults) {
    frmAudioConverter& w = open();
    EXPECT_EQ(ui::appTitle(), QStringLiteral("Audio Conv."));
    EXPECT_EQ(ui::screenPointer(), ui::Pointer::Default);
    EXPECT_EQ(w.imgcmbConvertTo->currentIndex(), 1);
    EXPECT_EQ(w.imgcmbConvertTo->currentData().toString(), QStringLiteral("MP3"));
    EXPECT_TRUE(w.optOtherFolder->isChecked());
    EXPECT_FALSE(w.optSameFolder->isChecked());
    EXPECT_EQ(w.txtFolder->text(), converter::defaultOutputFolder());
    EXPECT_TRUE(w.chkPreserveIDTags->isChecked());
    EXPECT_FALSE(w.chkDeleteSourceFiles->isChecked());
    EXPECT_FALSE(w.cmdConfigureCDParameters->isVisible());
    EXPECT_EQ(w.sbPanel[0]->text(), QStringLiteral("Ready"));
    EXPECT_TRUE(w.sbPanel[1]->text().isEmpty());
    EXPECT_FALSE(w.pbProgressBar->isVisible());
    // The skin's band with its buttons is there.
    for (const char* name : {"Add", "Remove", "Convert", "Record", "Help", "About"})
        EXPECT_NE(w.findChild<QWidget*>(QString::fromLatin1(name)), nullptr) << name;
}

TEST_F(ConverterWindow, StoredSameFolderStillShowsTheStoredFolder) {
    store(QStringLiteral("Output to Custom Folder"), QStringLiteral("0"));
    store(QStringLiteral("Output Folder"), QStringLiteral("/srv/music out"));
    store(QStringLiteral("Last Output Format"), QStringLiteral("3"));
    store(QStringLiteral("Delete Source Files"), QStringLiteral("-1"));
    frmAudioConverter& w = open();
    EXPECT_TRUE(w.optSameFolder->isChecked());
    EXPECT_EQ(w.txtFolder->text(), QStringLiteral("/srv/music out"));
    EXPECT_EQ(w.imgcmbConvertTo->currentData().toString(), QStringLiteral("OGG"));
    EXPECT_TRUE(w.chkDeleteSourceFiles->isChecked());
    EXPECT_TRUE(w.DeleteSourceFiles());
}

class BrokenStoredText : public ConverterWindow, public ::testing::WithParamInterface<const char*> {};

TEST_P(BrokenStoredText, CountsAsMissing) {
    for (const char* name : {"Last Output Format", "Output to Custom Folder", "Preserve ID Tags", "Delete Source Files"})
        store(QString::fromLatin1(name), QString::fromLatin1(GetParam()));
    frmAudioConverter& w = open();
    EXPECT_EQ(w.imgcmbConvertTo->currentData().toString(), QStringLiteral("MP3"));
    EXPECT_TRUE(w.optOtherFolder->isChecked());
    EXPECT_TRUE(w.chkPreserveIDTags->isChecked());
    EXPECT_FALSE(w.chkDeleteSourceFiles->isChecked());
}

INSTANTIATE_TEST_SUITE_P(Texts, BrokenStoredText, ::testing::Values("abc", "", "2.5", "1e3 "));

TEST_F(ConverterWindow, OutOfRangeFormatIndexCountsAsMissing) {
    for (const char* index : {"0", "7", "-3", "99999"}) {
        store(QStringLiteral("Last Output Format"), QString::fromLatin1(index));
        frmAudioConverter& w = open();
        EXPECT_EQ(w.imgcmbConvertTo->currentIndex(), 1) << index;
        delete window.data();
    }
}

TEST_F(ConverterWindow, BrowsedFolderIsStoredButATypedOneIsNot) {
    frmAudioConverter& w = open();
    testing_support::FileDialogRecorder dialogs;
    const QString chosen = config.path();
    dialogs.queueLocal({chosen});
    w.cmdBrowse->click();
    EXPECT_EQ(w.txtFolder->text(), chosen);
    w.txtFolder->setText(QStringLiteral("/typed/elsewhere"));
    EXPECT_EQ(w.CustomOutputFolder(), QStringLiteral("/typed/elsewhere"));
    w.SaveSettings();
    EXPECT_EQ(stored(QStringLiteral("Output Folder")), chosen);
    // A cancelled picker keeps the folder.
    dialogs.queueCancel();
    w.cmdBrowse->click();
    EXPECT_EQ(w.txtFolder->text(), QStringLiteral("/typed/elsewhere"));
}

TEST_F(ConverterWindow, ToolbarExitSavesAndUnloads) {
    frmAudioConverter& w = open();
    EXPECT_TRUE(w.chkParallel->isChecked());  // every core, unless the user says otherwise
    w.chkParallel->click();
    w.chkDeleteSourceFiles->click();
    w.optSameFolder->click();
    w.imgcmbConvertTo->setCurrentIndex(3);
    Q_EMIT w.imgcmbConvertTo->activated(3);
    w.tbToolBar_ButtonClick(QStringLiteral("Exit"));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(window.isNull());
    EXPECT_EQ(stored(QStringLiteral("Delete Source Files")), QStringLiteral("-1"));
    EXPECT_EQ(stored(QStringLiteral("Output to Custom Folder")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("Last Output Format")), QStringLiteral("4"));
    EXPECT_EQ(stored(QStringLiteral("Preserve ID Tags")), QStringLiteral("-1"));
    EXPECT_EQ(stored(QStringLiteral("Parallel")), QStringLiteral("0"));
    EXPECT_EQ(stored(QStringLiteral("Output Folder")), converter::defaultOutputFolder());
}

TEST_F(ConverterWindow, ProgressIsClampedToItsRange) {
    frmAudioConverter& w = open();
    w.setProgress(-5);
    EXPECT_EQ(w.progressValue(), 0.0);
    w.setProgress(150);
    EXPECT_EQ(w.progressValue(), 100.0);
    w.setProgress(42.5);
    EXPECT_EQ(w.progressValue(), 42.5);
}

// ---- Output names are discarded by every change ----------------------------------------------

using Change = void (*)(frmAudioConverter&);

class ChangeClearsOutputNames : public ConverterWindow, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangeClearsOutputNames, ListOutIsEmptied) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("/m/a.wav"), QStringLiteral("/m/b.wav"), QStringLiteral("/m/c.wav")});
    w.ListOut->addItems({QStringLiteral("/o/A.MP3"), QStringLiteral("/o/B.MP3"), QStringLiteral("/o/C.MP3")});
    w.lstFiles->item(1)->setSelected(true);
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueCancel();
    GetParam()(w);
    EXPECT_EQ(w.ListOut->count(), 0);
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangeClearsOutputNames,
    ::testing::Values([](frmAudioConverter& w) { w.addPaths({QStringLiteral("/m/d.wav")}); },
                      [](frmAudioConverter& w) { w.addPaths({QStringLiteral("/m/a.wav")}); },  // all duplicates
                      [](frmAudioConverter& w) { w.RemoveSelectedFiles(); }, [](frmAudioConverter& w) { w.MoveUp(); },
                      [](frmAudioConverter& w) { w.MoveDown(); },
                      [](frmAudioConverter& w) { Q_EMIT w.imgcmbConvertTo->activated(0); },
                      [](frmAudioConverter& w) { w.optSameFolder->click(); },
                      [](frmAudioConverter& w) { w.optOtherFolder->click(); },
                      [](frmAudioConverter& w) { w.cmdBrowse->click(); },
                      [](frmAudioConverter& w) { QTest::keyClicks(w.txtFolder, QStringLiteral("/typed")); }));

TEST_F(ConverterWindow, CancelledOpenDialogKeepsOutputNames) {
    frmAudioConverter& w = open();
    w.ListOut->addItem(QStringLiteral("/o/A.MP3"));
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueCancel();
    w.AddFiles();
    EXPECT_EQ(w.ListOut->count(), 1);
}

// ---- Adding and removing -------------------------------------------------------------------

TEST_F(ConverterWindow, OpenDialogAddsInOrderAndRefusesExactDuplicates) {
    frmAudioConverter& w = open();
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({QStringLiteral("/m/b.mp3"), QStringLiteral("/m/a.wav")});
    dialogs.queueLocal({QStringLiteral("/m/a.wav"), QStringLiteral("/m/A.wav")});
    w.AddFiles();
    w.AddFiles();
    EXPECT_EQ(entries(w.lstFiles),
              (QStringList{QStringLiteral("/m/b.mp3"), QStringLiteral("/m/a.wav"), QStringLiteral("/m/A.wav")}));
    ASSERT_EQ(dialogs.requests().size(), 2);
    const ui::FileDialogRequest& r = dialogs.requests().first();
    EXPECT_EQ(r.title, QStringLiteral("Open Input Audio File"));
    EXPECT_TRUE(r.multiSelect);
    EXPECT_EQ(r.filter, converter::openDialogFilter());
}

TEST_F(ConverterWindow, MultipleSelectionInTheRootHasOneSeparator) {
    frmAudioConverter& w = open();
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({QStringLiteral("/a.wav"), QStringLiteral("/b.wav")});
    w.AddFiles();
    EXPECT_EQ(entries(w.lstFiles), (QStringList{QStringLiteral("/a.wav"), QStringLiteral("/b.wav")}));
}

TEST_F(ConverterWindow, RemoveWithNothingSelectedExplainsAndKeepsTheList) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("/m/a.wav")});
    w.lstFiles->clearSelection();
    testing_support::MsgBoxRecorder boxes;
    w.RemoveSelectedFiles();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_EQ(boxes.texts().first(), QStringLiteral("You must select on the audio file that you want to delete it"));
    EXPECT_EQ(boxes.boxes().first().buttons, ui::MsgButtons::OK);
    EXPECT_EQ(boxes.boxes().first().icon, ui::MsgIcon::None);
    EXPECT_EQ(boxes.boxes().first().caption, QStringLiteral("Audio Conv."));
    EXPECT_EQ(w.lstFiles->count(), 1);
}

TEST_F(ConverterWindow, RemoveTakesEverySelectedEntry) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c"), QStringLiteral("d")});
    select({0, 2, 3});
    w.RemoveSelectedFiles();
    EXPECT_EQ(entries(w.lstFiles), QStringList{QStringLiteral("b")});
}

TEST_F(ConverterWindow, CdButtonFollowsTheListedTracks) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("/m/a.wav")});
    EXPECT_FALSE(w.cmdConfigureCDParameters->isVisible());
    fill({QStringLiteral("/run/cd/Track01.CDA")});
    EXPECT_TRUE(w.cmdConfigureCDParameters->isVisible());
    EXPECT_TRUE(w.cmdConfigureCDParameters->isEnabled());
    // It opens the ripping options modally, owned by the window.
    QWidget* shown = nullptr;
    QTimer::singleShot(0, &w, [&] {
        shown = QApplication::activeModalWidget();
        if (auto* grab = qobject_cast<ACfrmGrab*>(shown)) grab->cmdCancel->click();
    });
    w.cmdConfigureCDParameters->click();
    ASSERT_NE(qobject_cast<ACfrmGrab*>(shown), nullptr);
    EXPECT_EQ(shown->parentWidget(), &w);
    select({1});
    w.RemoveSelectedFiles();
    EXPECT_FALSE(w.cmdConfigureCDParameters->isVisible());
}

// Removing the widest entry keeps the list's sideways scroll range: the extent never shrinks.
TEST_F(ConverterWindow, TheListKeepsItsWidestScrollRangeAfterRemovals) {
    frmAudioConverter& w = open();
    w.resize(600, 500);
    fill({QStringLiteral("/m/a.wav")});
    QCoreApplication::processEvents();
    EXPECT_EQ(w.lstFiles->horizontalScrollBar()->maximum(), 0);
    fill({QStringLiteral("/very/long/path/") + QString(300, QLatin1Char('x')) + QStringLiteral(".wav")});
    QCoreApplication::processEvents();
    const int wide = w.lstFiles->horizontalScrollBar()->maximum();
    EXPECT_GT(wide, 0);
    select({1});
    w.RemoveSelectedFiles();
    QCoreApplication::processEvents();
    const int after = w.lstFiles->horizontalScrollBar()->maximum();
    EXPECT_GT(after, wide / 2);
    EXPECT_GE(after, w.horizontalExtent() - w.lstFiles->viewport()->width());
}

// ---- Reordering ----------------------------------------------------------------------------

TEST_F(ConverterWindow, MoveUpActsOnTheHighestSelectedEntryOnly) {
    frmAudioConverter& w = open();
    const QStringList four{QStringLiteral("e0"), QStringLiteral("e1"), QStringLiteral("e2"), QStringLiteral("e3")};
    fill(four);
    select({0, 3});
    w.MoveUp();
    EXPECT_EQ(entries(w.lstFiles), four);
    select({2, 3});
    w.MoveUp();
    EXPECT_EQ(entries(w.lstFiles), (QStringList{QStringLiteral("e0"), QStringLiteral("e1"), QStringLiteral("e3"),
                                                QStringLiteral("e2")}));
    EXPECT_TRUE(w.lstFiles->selectedItems().isEmpty());
    select({1});
    w.MoveDown();
    EXPECT_EQ(entries(w.lstFiles), (QStringList{QStringLiteral("e0"), QStringLiteral("e3"), QStringLiteral("e1"),
                                                QStringLiteral("e2")}));
    select({1, 3});
    w.MoveDown();  // the last entry is selected: nothing moves
    EXPECT_EQ(entries(w.lstFiles).last(), QStringLiteral("e2"));
}

// ---- Keys, popup menu, drops ---------------------------------------------------------------

TEST_F(ConverterWindow, OnlyCtrlAloneTriggersTheListKeys) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("a"), QStringLiteral("b")});
    w.lstFiles->setFocus();
    testing_support::FileDialogRecorder dialogs;
    QTest::keyClick(w.lstFiles, Qt::Key_O, Qt::ControlModifier | Qt::ShiftModifier);
    QTest::keyClick(w.lstFiles, Qt::Key_O);
    QTest::keyClick(w.lstFiles, Qt::Key_O, Qt::AltModifier);
    EXPECT_TRUE(dialogs.requests().isEmpty());
    QTest::keyClick(w.lstFiles, Qt::Key_O, Qt::ControlModifier);
    EXPECT_EQ(dialogs.requests().size(), 1);

    w.lstFiles->clearSelection();
    QTest::keyClick(w.lstFiles, Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(w.lstFiles->selectedItems().size(), 2);
    // Ctrl+P is Convert: with nothing selected it asks about the whole list (answered No).
    w.lstFiles->clearSelection();
    w.txtFolder->setText(config.path());
    testing_support::MsgBoxRecorder boxes;
    QTest::keyClick(w.lstFiles, Qt::Key_P, Qt::ControlModifier);
    QTest::keyClick(w.lstFiles, Qt::Key_P);
    EXPECT_EQ(boxes.texts(), QStringList{QStringLiteral("No files selected, Convert the whole list?!")});
    w.SelectAll();
    QTest::keyClick(w.lstFiles, Qt::Key_D, Qt::ControlModifier);
    EXPECT_EQ(w.lstFiles->count(), 0);
}

TEST_F(ConverterWindow, PopupEnablingFollowsTheSelection) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("a"), QStringLiteral("b")});
    w.lstFiles->clearSelection();
    w.UpdatePopupMenu();
    EXPECT_TRUE(w.mnuPopupAdd->isEnabled());
    EXPECT_FALSE(w.mnuPopupRemove->isEnabled());
    EXPECT_FALSE(w.mnuPopupMoveUp->isEnabled());
    EXPECT_FALSE(w.mnuPlay->isEnabled());
    select({1});
    w.UpdatePopupMenu();
    // One entry can be played; Record (the window's and the skin's) opens the recorder.
    EXPECT_TRUE(w.mnuPlay->isEnabled());
    auto* skinRecord = w.findChild<QToolButton*>(QStringLiteral("Record"));
    ASSERT_NE(skinRecord, nullptr);
    skinRecord->click();
    ASSERT_NE(w.recorderWindow(), nullptr);
    EXPECT_EQ(w.recorderWindow()->windowTitle(), QStringLiteral("Recorder"));
    EXPECT_TRUE(w.recorderWindow()->isVisible());
    QPointer<QWidget> recorder = w.recorderWindow();
    w.cmRecord->click();
    EXPECT_EQ(w.recorderWindow(), recorder.data());  // one recorder at a time
    EXPECT_EQ(recorder->parentWidget(), nullptr);     // a window of its own
    EXPECT_TRUE(w.mnuPopupMoveDown->isEnabled());
    select({0, 1});
    w.UpdatePopupMenu();
    EXPECT_FALSE(w.mnuPlay->isEnabled());
    EXPECT_TRUE(w.mnuPopupRemove->isEnabled());
    EXPECT_EQ(w.mnuPlay->text(), QStringLiteral("Play"));
    delete recorder.data();
}

TEST_F(ConverterWindow, RightButtonReleaseOpensThePopupAtThePointer) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("a")});
    QTest::mouseRelease(w.lstFiles->viewport(), Qt::RightButton, {}, QPoint(10, 10));
    EXPECT_TRUE(w.mnuPopup->isVisible());
    w.mnuPopup->hide();
    QTest::mouseRelease(w.lstFiles->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_FALSE(w.mnuPopup->isVisible());
}

TEST_F(ConverterWindow, DroppedFilesAreAddedByTheDialogsRules) {
    frmAudioConverter& w = open();
    fill({QStringLiteral("/m/a.wav")});
    w.ListOut->addItem(QStringLiteral("/o/A.MP3"));
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(QStringLiteral("/m/a.wav")), QUrl::fromLocalFile(QStringLiteral("/run/cd/Track02.cda")),
                  QUrl(QStringLiteral("https://example.org/x.mp3"))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.lstFiles->viewport(), &enter);
    EXPECT_TRUE(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(w.lstFiles->viewport(), &drop);
    EXPECT_EQ(entries(w.lstFiles), (QStringList{QStringLiteral("/m/a.wav"), QStringLiteral("/run/cd/Track02.cda")}));
    EXPECT_EQ(w.ListOut->count(), 0);
    EXPECT_TRUE(w.cmdConfigureCDParameters->isVisible());
}

// ---- Commands ------------------------------------------------------------------------------

TEST_F(ConverterWindow, HelpButtonsOpenTheirOwnPages) {
    frmAudioConverter& w = open();
    testing_support::OpenFileRecorder opened;
    w.tbToolBar_ButtonClick(QStringLiteral("Help"));
    Q_EMIT w.Skin1->Click(SkinObject{QStringLiteral("Help")});
    Q_EMIT w.Skin1->Click(SkinObject{QStringLiteral("help")});  // names compare exactly
    ASSERT_EQ(opened.opened.size(), 2);
    EXPECT_EQ(opened.opened[0], ui::programFile(QStringLiteral("\\help.html")));
    EXPECT_EQ(opened.opened[1], ui::programFile(QStringLiteral("\\AChelp.html")));
}

TEST_F(ConverterWindow, AboutOpensModallyOwnedByTheWindow) {
    frmAudioConverter& w = open();
    QString caption;
    QWidget* owner = nullptr;
    QTimer::singleShot(0, [&] {
        auto* about = qobject_cast<ACfrmAbout*>(QApplication::activeModalWidget());
        ASSERT_NE(about, nullptr);
        caption = about->windowTitle();
        owner = about->parentWidget();
        about->close();
    });
    Q_EMIT w.Skin1->Click(SkinObject{QStringLiteral("About")});
    EXPECT_EQ(caption, QStringLiteral("About Audio Conv."));
    EXPECT_EQ(owner, &w);
}

TEST_F(ConverterWindow, SkinAddAndToolbarRemoveEditTheList) {
    frmAudioConverter& w = open();
    testing_support::FileDialogRecorder dialogs;
    dialogs.queueLocal({QStringLiteral("/m/x.ogg")});
    Q_EMIT w.Skin1->Click(SkinObject{QStringLiteral("Add")});
    EXPECT_EQ(entries(w.lstFiles), QStringList{QStringLiteral("/m/x.ogg")});
    select({0});
    w.tbToolBar_ButtonClick(QStringLiteral("RemoveMusicFiles"));
    EXPECT_EQ(w.lstFiles->count(), 0);
}

TEST_F(ConverterWindow, ConfigureOpensTheSelectedFormatsDialogModally) {
    frmAudioConverter& w = open();
    const QList<QPair<QString, QString>> dialogOf{{QStringLiteral("MP3"), QStringLiteral("ACfrmMP3")},
                                                  {QStringLiteral("OGG"), QStringLiteral("ACfrmOgg")},
                                                  {QStringLiteral("WAV"), QStringLiteral("ACfrmWav")},
                                                  {QStringLiteral("WMA"), QStringLiteral("ACfrmWma")}};
    for (const auto& [key, dialog] : dialogOf) {
        const int index = w.imgcmbConvertTo->findData(key);
        w.imgcmbConvertTo->setCurrentIndex(index);
        Q_EMIT w.imgcmbConvertTo->activated(index);
        QString shown;
        QWidget* owner = nullptr;
        QTimer::singleShot(0, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            shown = modal->objectName();
            owner = modal->parentWidget();
            modal->hide();
        });
        w.cmdConfigure->click();
        EXPECT_EQ(shown, dialog);
        EXPECT_EQ(owner, &w);
    }
}

TEST_F(ConverterWindow, ChoosingAFormatAppliesItsStoredSettings) {
    frmAudioConverter& w = open();
    // The MP3 settings were loaded at start into the output settings.
    ASSERT_NE(w.dialogs().MP3Lame(), nullptr);
    EXPECT_EQ(w.dialogs().MP3Lame()->bitrate(), 96);
    // Choosing WAV starts again from CD quality.
    w.outputSettings().wav = WavFormat{8000, 1, 8};
    const int wav = w.imgcmbConvertTo->findData(QStringLiteral("WAV"));
    w.imgcmbConvertTo->setCurrentIndex(wav);
    Q_EMIT w.imgcmbConvertTo->activated(wav);
    EXPECT_EQ(w.outputSettings().wav.sampleRate, 44100);
    EXPECT_EQ(w.outputSettings().wav.channels, 2);
    EXPECT_EQ(w.outputSettings().wav.bits, 16);
    // Choosing OGG puts the stored Ogg choice (quality 5 on by default) in the output settings.
    store(QStringLiteral("OGG Quality"), QStringLiteral("800"));
    const int ogg = w.imgcmbConvertTo->findData(QStringLiteral("OGG"));
    w.imgcmbConvertTo->setCurrentIndex(ogg);
    Q_EMIT w.imgcmbConvertTo->activated(ogg);
    EXPECT_EQ(w.outputSettings().ogg.quality, 800);
}

TEST_F(ConverterWindow, SkinFormStylesAnotherWindowsControlsByKind) {
    frmAudioConverter& w = open();
    QDialog dialog;
    auto* button = new QPushButton(QStringLiteral("Ok"), &dialog);
    auto* frame = new QGroupBox(QStringLiteral("Frame"), &dialog);
    auto* check = new QCheckBox(&dialog);
    auto* option = new QRadioButton(&dialog);
    auto* skinned = new SkinLabel(QStringLiteral("x"), &dialog);
    auto* plain = new QLabel(QStringLiteral("y"), &dialog);
    auto* edit = new QLineEdit(&dialog);
    w.SkinForm(&dialog);
    EXPECT_EQ(button->property("skinElement").toString(), QStringLiteral("DefaultButt"));
    EXPECT_EQ(frame->property("skinElement").toString(), QStringLiteral("Frame"));
    EXPECT_EQ(check->property("skinElement").toString(), QStringLiteral("chechbox"));
    EXPECT_EQ(option->property("skinElement").toString(), QStringLiteral("Radio"));
    EXPECT_EQ(skinned->property("skinElement").toString(), QStringLiteral("label"));
    EXPECT_FALSE(plain->property("skinElement").isValid());
    EXPECT_FALSE(edit->property("skinElement").isValid());
}

}  // namespace
