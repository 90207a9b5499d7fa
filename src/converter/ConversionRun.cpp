// The conversion run of the converter window: the Convert command, the output names, the
// existence check and the block loop over each file.
#include "converter/ACfrmOverWrite.h"
#include "converter/ConversionRunner.h"
#include "converter/ConverterRules.h"
#include "converter/ProgressInStatusBar.h"
#include "converter/frmAudioConverter.h"
#include "encoders/SettingsDialogs.h"
#include "shell/WindowServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QThread>

#include <utility>


namespace {

// The window as the run sees it: its message boxes, its status bar and its message loop.
class WindowRunHost : public converter::RunHost {
public:
    explicit WindowRunHost(frmAudioConverter& window) : m_window(window) {}

    void runMessage(const QString& text, bool critical) override {
        if (critical) ui::MsgBox(text, ui::MsgButtons::OK, ui::MsgIcon::Critical);
        else ui::MsgBox(text);
    }
    void runFailures(const QList<converter::FailedFile>& failures) override {
        QString text = QStringLiteral("These files could not be converted:");
        for (const converter::FailedFile& failed : failures)
            text += QStringLiteral("\n\n") + failed.path + QStringLiteral("\n") + failed.reason;
        ui::MsgBox(text, ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
    }
    void fileStarted(int number) override { ProgressInStatusBar::ShowFileProgress(m_window, number); }
    void fileEnded() override { ProgressInStatusBar::ResetStatusBar(m_window); }
    void fileProgress(double percent) override { m_window.setProgress(percent); }
    void timePanels(double fraction) override {
        ProgressInStatusBar::UpdateTimePanels(m_window, ProgressInStatusBar::ElapsedSeconds(), fraction);
    }
    // The window cannot go away during a run: closing it waits for the run's end.
    bool letEventsRun() override { return ui::DoEvents(); }
    bool cancelRequested() const override { return m_window.cancelRequested() || ui::programEnding(); }
    void setBusy(bool busy) override { ui::setScreenPointer(busy ? ui::Pointer::Hourglass : ui::Pointer::Default); }
    void cancelRun() override { m_window.setCancelRequested(true); }
    double progressShown() const override { return m_window.progressValue(); }

private:
    frmAudioConverter& m_window;
};

}  // namespace

bool frmAudioConverter::IsCDTrack(const QString& path) { return converter::isCdTrack(path); }

void frmAudioConverter::cmdConvert_Click() {
    // A run in progress is not started again (a skin button or a key could ask for it).
    if (m_running) return;
    const QString folder = txtFolder->text();
    const bool custom = optOtherFolder->isChecked();
    if (custom && folder.isEmpty()) {
        ui::MsgBox(QStringLiteral("You must select the output folder.!"), ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return;
    }
    // A missing folder is created, with any missing parents (a fresh account may have no
    // Music folder yet).
    if (custom && !QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        ui::MsgBox(QStringLiteral("The folder '") + folder + QStringLiteral("' could not be created."), ui::MsgButtons::OK,
                   ui::MsgIcon::Exclamation);
        return;
    }
    bWholeList = false;
    if (lstFiles->count() == 0) return;
    if (lstFiles->selectedItems().isEmpty()) {
        if (ui::MsgBox(QStringLiteral("No files selected, Convert the whole list?!"), ui::MsgButtons::YesNo,
                       ui::MsgIcon::Question, ui::MsgDefault::Button2) != ui::MsgResult::Yes)
            return;
        if (lstFiles->selectedItems().isEmpty()) bWholeList = true;
    }
    if (ListOut->count() == 0) fillListOut();
    CheckFiles();
    if (bConvertCancelled) return;
    bCancel = false;
    SaveSettings();
    dialogs().mp3();
    AudioWrite.UseMp3Settings(*dialogs().MP3Lame());
    StartConversion();
}

void frmAudioConverter::fillListOut() {
    ListOut->clear();
    const QString key = imgcmbConvertTo->currentData().toString();
    for (int i = 0; i < lstFiles->count(); ++i)
        ListOut->addItem(converter::outputPath(lstFiles->item(i)->text(), key, optSameFolder->isChecked(), txtFolder->text()));
}

ACfrmOverWrite& frmAudioConverter::overwriteDialog() {
    if (!m_overwrite) {
        m_overwrite = new ACfrmOverWrite(this, ListOut);
        Skin1->ApplySkinByName(m_overwrite, QStringLiteral("Small Form"));
    }
    return *m_overwrite;
}

int frmAudioConverter::CheckFiles() {
    for (;;) {
        bConvertCancelled = false;
        ACfrmOverWrite& dialog = overwriteDialog();
        dialog.clearOutputs();
        int count = 0;
        for (int i = 0; i < lstFiles->count() && i < ListOut->count(); ++i) {
            const QString out = ListOut->item(i)->text();
            if (QFileInfo::exists(out) && (bWholeList || lstFiles->item(i)->isSelected())) {
                dialog.addOutput(out);
                ++count;
            }
        }
        if (count == 0) return count;
        dialog.bMode = false;
        dialog.exec();
        // New names are checked in turn; the count of the first check is what is returned. A
        // program that is ending returns from every dialog at once: nothing is started then.
        if (ui::programEnding()) {
            bConvertCancelled = true;
            return count;
        }
        if (bOverwriteConfirmed || bConvertCancelled) return count;
    }
}

void frmAudioConverter::cmdRenameOutputFiles_Click() {
    if (m_running) return;
    if (ListOut->count() == 0) fillListOut();
    ACfrmOverWrite& dialog = overwriteDialog();
    dialog.clearOutputs();
    for (int i = 0; i < ListOut->count(); ++i) dialog.addOutput(ListOut->item(i)->text());
    dialog.bMode = true;
    dialog.exec();
}

converter::RunSnapshot frmAudioConverter::runSnapshot() const {
    converter::RunSnapshot snapshot;
    for (int i = 0; i < lstFiles->count(); ++i)
        snapshot.entries.push_back({lstFiles->item(i)->text(), i < ListOut->count() ? ListOut->item(i)->text() : QString(),
                                    lstFiles->item(i)->isSelected()});
    snapshot.formatKey = imgcmbConvertTo->currentData().toString();
    snapshot.sameFolder = optSameFolder->isChecked();
    snapshot.wholeList = bWholeList;
    snapshot.deleteSource = chkDeleteSourceFiles->isChecked();
    snapshot.preserveTags = chkPreserveIDTags->isChecked();
    snapshot.workers = chkParallel->isChecked() ? std::max(1, QThread::idealThreadCount()) : 1;
    return snapshot;
}

converter::RunComponents frmAudioConverter::runComponents() {
    return {AudioRead, AudioWrite, WMAFileR, WMAFileW, AudioInfo, AudioGrabber1.get(), cdplayerIniPath()};
}

void frmAudioConverter::StartConversion() {
    m_running = true;
    WindowRunHost host(*this);
    converter::ConversionRunner runner(host, runComponents());
    runner.run(runSnapshot());
    m_running = false;
    if (runner.stopped()) return;
    if (m_closeAfterRun) {
        close();
        return;
    }
    if (std::exchange(m_discChangedInRun, false)) AudioGrabber1_DiscChanged();
}

void frmAudioConverter::CopyTags(const QString& source, const QString& output) {
    AudioInfo.ReadTags(source);
    AudioInfo.WriteTags(output);
}

void frmAudioConverter::ConvertFile(const QString& p, const QString& q, bool inWMA, bool outWMA) {
    WindowRunHost host(*this);
    converter::ConversionRunner runner(host, runComponents());
    runner.setOptions(chkPreserveIDTags->isChecked(), chkDeleteSourceFiles->isChecked());
    runner.convertFile(p, q, inWMA, outWMA);
    if (!runner.stopped()) runner.reportFailures();
}
