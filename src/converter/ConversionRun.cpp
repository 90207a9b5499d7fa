// The conversion run of the converter window: the Convert command, the output names, the
// existence check and the block loop over each file.
#include "converter/ACfrmOverWrite.h"
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
#include <QPointer>
#include <QRadioButton>

#include <filesystem>

namespace {

// True when the two paths name one file (links and letter case as the file system sees them).
bool sameFile(const QString& a, const QString& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(std::filesystem::path(a.toStdString()),
                                                  std::filesystem::path(b.toStdString()), ec);
    return !ec && same;
}

bool removeForced(const QString& path) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return file.remove();
}

}  // namespace

bool frmAudioConverter::IsCDTrack(const QString& path) { return converter::isCdTrack(path); }

void frmAudioConverter::cmdConvert_Click() {
    // A run in progress is not started again (a skin button or a key could ask for it).
    if (m_running) return;
    // 1.
    const QString folder = txtFolder->text();
    const bool custom = optOtherFolder->isChecked();
    if (custom && folder.isEmpty()) {
        ui::MsgBox(QStringLiteral("You must select the output folder.!"), ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return;
    }
    // 2. A missing folder is created, with any missing parents (a fresh account may have no
    // Music folder yet).
    if (custom && !QFileInfo(folder).isDir() && !QDir().mkpath(folder)) {
        ui::MsgBox(QStringLiteral("The folder '") + folder + QStringLiteral("' could not be created."), ui::MsgButtons::OK,
                   ui::MsgIcon::Exclamation);
        return;
    }
    // 3.-5.
    bWholeList = false;
    if (lstFiles->count() == 0) return;
    if (lstFiles->selectedItems().isEmpty()) {
        if (ui::MsgBox(QStringLiteral("No files selected, Convert the whole list?!"), ui::MsgButtons::YesNo,
                       ui::MsgIcon::Question, ui::MsgDefault::Button2) != ui::MsgResult::Yes)
            return;
        if (lstFiles->selectedItems().isEmpty()) bWholeList = true;
    }
    // 6.-7.
    if (ListOut->count() == 0) fillListOut();
    CheckFiles();
    if (bConvertCancelled) return;
    // 8.-9.
    bCancel = false;
    SaveSettings();
    dialogs().mp3();
    AudioWrite.UseMp3Settings(*dialogs().MP3Lame());
    // 10.
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
        // New names are checked in turn; the count of the first check is what is returned.
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

void frmAudioConverter::StartConversion() {
    m_running = true;
    m_failures.clear();
    ui::setScreenPointer(ui::Pointer::Hourglass);
    const QPointer<frmAudioConverter> self(this);
    for (int i = 0; i < lstFiles->count(); ++i) {
        if (bCancel || ui::programEnding()) break;
        if (!bWholeList && !lstFiles->item(i)->isSelected()) continue;
        const QString p = lstFiles->item(i)->text();
        const bool cd = IsCDTrack(p);
        if (optSameFolder->isChecked() && cd) {
            ui::MsgBox(QStringLiteral("File '") + p + QStringLiteral("' is on a CD. Please choose another folder"));
            continue;
        }
        if (chkDeleteSourceFiles->isChecked() && cd) {
            ui::MsgBox(QStringLiteral("File '") + p + QStringLiteral("' is on a CD. Can't delete this file"));
            continue;
        }
        if (!QFileInfo(p).isFile()) {
            ui::MsgBox(QStringLiteral("File '") + p + QStringLiteral("' is not exist."));
            continue;
        }
        const QString q = i < ListOut->count() ? ListOut->item(i)->text() : QString();
        // Reading a file while writing it would destroy it.
        if (sameFile(p, q)) {
            ui::MsgBox(QStringLiteral("File '") + p + QStringLiteral("' would be overwritten by its own output."));
            continue;
        }
        ProgressInStatusBar::ShowFileProgress(*this, i + 1);
        const QString key = imgcmbConvertTo->currentData().toString();
        const QString e = QFileInfo(p).suffix().toLower();
        if (key == QStringLiteral("MP3") || key == QStringLiteral("WAV") || key == QStringLiteral("OGG")) {
            if (e == QStringLiteral("cda")) failCdTrack(p);
            else ConvertFile(p, q, e == QStringLiteral("wma"), false);
        } else if (key == QStringLiteral("WMA")) {
            if (!WMAFileR.WMASupported()) {
                ui::MsgBox(QStringLiteral("WMA format is NOT supported in your system, the wma codec may not be installed.!"),
                           ui::MsgButtons::OK, ui::MsgIcon::Critical);
                ui::setScreenPointer(ui::Pointer::Default);
                ProgressInStatusBar::ResetStatusBar(*this);
                break;
            }
            if (e == QStringLiteral("cda")) failCdTrack(p);
            else ConvertFile(p, q, e == QStringLiteral("wma"), true);
        }
        if (!self) return;
        ProgressInStatusBar::ResetStatusBar(*this);
    }
    ui::setScreenPointer(ui::Pointer::Default);
    m_running = false;
    reportFailures();
    if (m_closeAfterRun) close();
}

void frmAudioConverter::failCdTrack(const QString& p) {
    // CD tracks are read by the CD grabber, which this build does not have yet.
    m_failures << qMakePair(p, QStringLiteral("Reading CD tracks is not available."));
}

void frmAudioConverter::reportFailures() {
    if (m_failures.isEmpty()) return;
    QString text = QStringLiteral("These files could not be converted:");
    for (const auto& [path, reason] : m_failures) text += QStringLiteral("\n\n") + path + QStringLiteral("\n") + reason;
    m_failures.clear();
    ui::MsgBox(text, ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
}

void frmAudioConverter::CopyTags(const QString& source, const QString& output) {
    AudioInfo.ReadTags(source);
    AudioInfo.WriteTags(output);
}

void frmAudioConverter::ConvertFile(const QString& p, const QString& q, bool inWMA, bool outWMA) {
    setProgress(0);
    const auto closeAll = [&] {
        // Closing a writer finishes its file and can fail; the others still close.
        QString error;
        for (auto close : {std::function<void()>([&] { AudioRead.Close(); }), std::function<void()>([&] { AudioWrite.Close(); }),
                           std::function<void()>([&] { WMAFileW.Close(); }), std::function<void()>([&] { WMAFileR.Close(); })}) {
            try {
                close();
            } catch (const ComponentError& e) {
                if (error.isEmpty()) error = e.description();
            }
        }
        return error;
    };
    const auto fail = [&](const QString& reason) {
        closeAll();
        ui::setScreenPointer(ui::Pointer::Default);
        setProgress(0);
        m_failures << qMakePair(p, reason);
    };

    try {
        // 2. The input.
        int channels = 0;
        int rate = 0;
        double length = 0;
        if (inWMA) {
            WMAFileR.OpenRead(p);
            if (WMAFileR.status() < 0) return fail(QStringLiteral("The file could not be opened as audio."));
            length = static_cast<double>(WMAFileR.length());
            channels = WMAFileR.channels();
            rate = WMAFileR.sampleRate();
        } else {
            AudioRead.OpenRead(p, 0, 1);
            if (AudioRead.status() < 0) return fail(AudioRead.lastError());
            length = static_cast<double>(AudioRead.length());
            channels = AudioRead.channels();
            rate = AudioRead.sampleRate();
        }
        // 3. The output, told the true format of the blocks it will get.
        if (outWMA) {
            WMAFileW.DeclareInputFormat(rate, channels);
            WMAFileW.Create(q);
            if (WMAFileW.status() < 0) return fail(QStringLiteral("The output file could not be created."));
        } else {
            AudioWrite.DeclareInputFormat(rate, channels);
            AudioWrite.Create(q, 0);
            if (AudioWrite.status() < 0) return fail(AudioWrite.lastError());
        }
        // 4.-5. The block loop.
        const int blockSize = converter::blockSizeFor(rate, channels);
        const double total = channels * length;
        double done = 0;
        const QPointer<frmAudioConverter> self(this);
        for (;;) {
            const SampleBlock block = inWMA ? WMAFileR.ReadBlock(blockSize) : AudioRead.ReadBlock(blockSize);
            if (block.empty()) break;
            if (outWMA) WMAFileW.WriteBlock(block);
            else AudioWrite.WriteBlock(block);
            done = std::min(done + static_cast<double>(block.size()), total);
            setProgress(total > 0 ? done * 100 / total : 0);
            const bool running = ui::DoEvents();
            if (!self) return;
            if (!running) {
                closeAll();
                return;
            }
            if (total > 0 && done >= total) break;
            ProgressInStatusBar::UpdateTimePanels(*this, ProgressInStatusBar::ElapsedSeconds(),
                                                  total > 0 ? done / total : 0.0);
            if (bCancel) {
                // The partial output stays on disk; the source is kept.
                closeAll();
                ui::setScreenPointer(ui::Pointer::Default);
                ProgressInStatusBar::ResetStatusBar(*this);
                return;
            }
        }
        setProgress(100);
        // 7. The output counts as written only when it closed without an error.
        const QString closeError = closeAll();
        if (!closeError.isEmpty()) return fail(closeError);
    } catch (const ComponentError& e) {
        return fail(e.description());
    }
    // 8.-9. A source whose tags could not be carried over is kept, so they are not lost.
    if (chkPreserveIDTags->isChecked()) {
        try {
            CopyTags(p, q);
        } catch (const ComponentError& e) {
            m_failures << qMakePair(p, QStringLiteral("The tags could not be copied (the source is kept): ") + e.description());
            return;
        }
    }
    if (chkDeleteSourceFiles->isChecked() && !removeForced(p))
        m_failures << qMakePair(p, QStringLiteral("The source file could not be deleted."));
}
