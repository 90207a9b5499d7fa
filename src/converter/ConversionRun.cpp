// The conversion run of the converter window: the Convert command, the output names, the
// existence check and the block loop over each file.
#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/net/DiscLookup.h"
#include "converter/ACfrmOverWrite.h"
#include "runs/ConversionRunner.h"
#include "runs/ConverterRules.h"
#include "runs/NamePattern.h"
#include "converter/ProgressInStatusBar.h"
#include "converter/StatusThrottle.h"
#include "converter/frmAudioConverter.h"
#include "ripping/ACfrmGrab.h"
#include "shell/DesktopJobs.h"
#include "shell/WindowServices.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QThread>
#include <QTimer>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <functional>

#include <utility>


namespace {

// The window as the run sees it: its message boxes, its status bar and its message loop. The
// status bar changes at most about ten times a second (see StatusThrottle), so that a run of
// many short files is not slowed down by painting and by what the accessibility bus is told;
// messages, failures and the end of the run always show the latest state first.
class WindowRunHost : public converter::RunHost {
public:
    explicit WindowRunHost(frmAudioConverter& window)
        : m_window(window),
          m_desktop(ui::desktopJob(&window, frmAudioConverter::tr("Converting audio files"),
                                   frmAudioConverter::tr("Conversion finished"))) {
        m_clock.start();
        m_fileClock.start();
        m_timer.setSingleShot(true);
        QObject::connect(&m_timer, &QTimer::timeout, [this] { show(); });
    }

    void runMessage(const QString& text, bool critical) override {
        flush();
        if (critical) ui::MsgBox(text, ui::MsgButtons::OK, ui::MsgIcon::Critical);
        else ui::MsgBox(text);
    }
    void runFailures(const QList<converter::FailedFile>& failures) override {
        flush();
        m_desktop->filesFailed(static_cast<int>(failures.size()));
        QString text = frmAudioConverter::tr("These files could not be converted:");
        for (const converter::FailedFile& failed : failures)
            text += QStringLiteral("\n\n") + failed.path + QStringLiteral("\n") + failed.reason;
        ui::MsgBox(text, ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
    }
    // The verdicts go to the status bar, as any run's end does; a box only when a track needs a
    // look (it does not match, or had error blocks), not when the server could not be reached.
    void verificationEnded(const converter::VerificationReport& report) override {
        flush();
        ProgressInStatusBar::ShowRunResult(m_window, report.summary, report.text);
        if (report.attention) ui::MsgBox(report.text, ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
    }
    void fileStarted(int number) override {
        m_fileClock.restart();
        m_throttle.fileStarted(number);
        show();
    }
    void fileEnded() override {
        m_desktop->fileEnded();
        m_throttle.fileEnded();
        show();
    }
    void fileProgress(double percent) override {
        m_desktop->fileProgress(percent);
        m_throttle.progress(percent);
        show();
    }
    void timePanels(double fraction) override {
        m_throttle.times(static_cast<std::int32_t>(std::min<qint64>(m_fileClock.elapsed() / 1000, INT32_MAX)), fraction);
        show();
    }
    // The window cannot go away during a run: closing it waits for the run's end.
    bool letEventsRun() override { return ui::DoEvents(); }
    bool waitForWorkers(int ms, const std::function<void(int)>&) override { return ui::WaitForEvents(ms); }
    void wake() override { ui::WakeEventWait(); }
    bool cancelRequested() const override { return m_window.cancelRequested() || ui::programEnding(); }
    void setBusy(bool busy) override { ui::setScreenPointer(busy ? ui::Pointer::Hourglass : ui::Pointer::Default); }
    void cancelRun() override { m_window.setCancelRequested(true); }
    double progressShown() const override { return m_throttle.pending().percent; }
    void outputWritten(const QString&, const QString&) override { m_desktop->fileWritten(); }
    desktop::LongJob& desktopJob() { return *m_desktop; }

    // Shows the latest state now, whatever the rate.
    void flush() {
        m_timer.stop();
        if (m_throttle.changed()) apply();
    }

private:
    void show() {
        const qint64 now = m_clock.elapsed();
        if (m_throttle.due(now)) apply();
        else if (m_throttle.changed() && !m_timer.isActive())
            m_timer.start(static_cast<int>(std::max<qint64>(1, m_throttle.waitMs(now))));
    }
    void apply() {
        const converter::StatusState was = m_throttle.shownState();
        const converter::StatusState& now = m_throttle.pending();
        if (now.fileMode && (!was.fileMode || was.fileNumber != now.fileNumber))
            ProgressInStatusBar::ShowFileProgress(m_window, now.fileNumber);
        else if (!now.fileMode && was.fileMode)
            ProgressInStatusBar::ResetStatusBar(m_window);
        if (m_window.progressValue() != now.percent) m_window.setProgress(now.percent);
        if (now.fileMode && (now.elapsedSeconds != was.elapsedSeconds || now.fraction != was.fraction))
            ProgressInStatusBar::UpdateTimePanels(m_window, now.elapsedSeconds, now.fraction);
        m_throttle.shown();
    }

    frmAudioConverter& m_window;
    converter::StatusThrottle m_throttle;
    QElapsedTimer m_clock;
    QElapsedTimer m_fileClock;  // since the current file started
    QTimer m_timer;             // shows a held-back change once its slot comes
    std::unique_ptr<desktop::LongJob> m_desktop;  // the session awake, the dock, the notice at the end
};

// The entries a run converts: the selected ones, or the whole list.
int filesToConvert(const converter::RunSnapshot& snapshot) {
    return static_cast<int>(std::count_if(snapshot.entries.cbegin(), snapshot.entries.cend(),
                                          [&](const converter::RunEntry& e) { return snapshot.wholeList || e.selected; }));
}

}  // namespace

bool frmAudioConverter::IsCDTrack(const QString& path) { return converter::isCdTrack(path); }

void frmAudioConverter::cmdConvert_Click() {
    // A run in progress is not started again (a skin button or a key could ask for it).
    if (m_running) return;
    const QString folder = txtFolder->text();
    const bool custom = optOtherFolder->isChecked();
    if (custom && folder.isEmpty()) {
        ui::MsgBox(tr("You must select the output folder.!"), ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return;
    }
    // A missing folder is created, with any missing parents (a fresh account may have no
    // Music folder yet).
    if (custom && !QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        ui::MsgBox(tr("The folder '%1' could not be created.").arg(folder), ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return;
    }
    bWholeList = false;
    if (lstFiles->count() == 0) return;
    if (lstFiles->selectedItems().isEmpty()) {
        if (ui::MsgBox(tr("No files selected, Convert the whole list?!"), ui::MsgButtons::YesNo,
                       ui::MsgIcon::Question, ui::MsgDefault::Button2) != ui::MsgResult::Yes)
            return;
        if (lstFiles->selectedItems().isEmpty()) bWholeList = true;
    }
    if (ListOut->count() == 0) fillListOut();
    CheckFiles();
    if (bConvertCancelled) return;
    bCancel = false;
    SaveSettings();
    // Outputs named from the disc information or by a pattern go into folders of their own.
    for (int i = 0; i < lstFiles->count() && i < ListOut->count(); ++i)
        if (chkNamePattern->isChecked() || converter::isCdTrack(lstFiles->item(i)->text()))
            QDir().mkpath(QFileInfo(ListOut->item(i)->text()).absolutePath());
    StartConversion();
}

void frmAudioConverter::fillListOut() {
    ListOut->clear();
    for (int i = 0; i < lstFiles->count(); ++i) ListOut->addItem(outputOf(i));
}

QString frmAudioConverter::outputOf(int i) const {
    const QString key = imgcmbConvertTo->currentData().toString();
    const QString p = lstFiles->item(i)->text();
    const bool sameFolder = optSameFolder->isChecked();
    if (converter::isCdTrack(p)) {
        if (GrabSettings::load(registryKey()).nameTracks && !sameFolder) {
            const std::optional<DiscInfo> info = discInfoOf(p);
            const std::optional<int> track = converter::trackNumberOf(p);
            if (info && track) return converter::namedCdTrackOutput(txtFolder->text(), *info, *track, key);
        }
    } else if (chkNamePattern->isChecked()) {
        return converter::patternOutputPath(p, key, sameFolder, txtFolder->text(), txtPattern->text(),
                                            naming::readPatternTags(p));
    }
    return converter::outputPath(p, key, sameFolder, txtFolder->text());
}

void frmAudioConverter::updatePatternPreview() {
    QStringList names;
    const QString key = imgcmbConvertTo->currentData().toString();
    for (int i = 0; chkNamePattern->isChecked() && i < lstFiles->count() && names.size() < 3; ++i) {
        const QString p = lstFiles->item(i)->text();
        if (converter::isCdTrack(p)) continue;
        // Shown relative to the output folder, beside the source's for the same-folder choice.
        const QDir folder = QFileInfo(converter::outputPath(p, key, true, {})).dir();
        names << folder.relativeFilePath(
            converter::patternOutputPath(p, key, true, {}, txtPattern->text(), naming::readPatternTags(p)));
    }
    lblPatternPreview->setText(names.join(QLatin1Char('\n')));
    lblPatternPreview->setVisible(!names.isEmpty());
}

std::optional<DiscInfo> frmAudioConverter::discInfoOf(const QString& cdTrack) const {
    CdGrabber& grabber = *AudioGrabber1;
    const int was = grabber.CurrentDrive();
    std::optional<DiscInfo> info;
    for (int i = 0; i < grabber.DriveCount() && !info; ++i) {
        grabber.setCurrentDrive(i);
        const QString root = grabber.RootText();
        if (root.isEmpty() || !cdTrack.startsWith(root)) continue;
        const DiscInfoResult found = readCdplayerIni(grabber.toc(), cdplayerIniPath());
        if (found.found) info = found.info;
    }
    grabber.setCurrentDrive(was);
    return info;
}

void frmAudioConverter::discInfoFound(const DiscInfo& info) {
    m_discInfo = info;
    // Outputs named from the disc information take the new names.
    ListOut->clear();
}

std::optional<DiscInfo> frmAudioConverter::currentCdText() const {
    bool found = false;
    const DiscInfo info = AudioGrabber1->cdText(&found);
    return found ? std::optional<DiscInfo>(info) : std::nullopt;
}

QString frmAudioConverter::accurateRipCache() const {
    return GrabSettings::load(registryKey()).verifyAccurateRip ? net::defaultAccurateRipCache() : QString();
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
    snapshot.loudnessTags = chkLoudnessTags->isChecked();
    snapshot.settings = m_settings;
    return snapshot;
}

converter::RunComponents frmAudioConverter::runComponents() {
    return {AudioRead, AudioWrite, AudioInfo, AudioGrabber1.get(), cdplayerIniPath()};
}

void frmAudioConverter::StartConversion() {
    m_running = true;
    WindowRunHost host(*this);
    converter::ConversionRunner runner(host, runComponents());
    runner.verifyWithAccurateRip(accurateRipCache());
    const converter::RunSnapshot snapshot = runSnapshot();
    host.desktopJob().setFileCount(filesToConvert(snapshot));
    runner.run(snapshot);
    host.flush();
    m_running = false;
    if (runner.stopped()) return;
    host.desktopJob().ended();
    if (m_closeAfterRun) {
        close();
        return;
    }
    if (std::exchange(m_discChangedInRun, false)) AudioGrabber1_DiscChanged();
}
