// Preview playback: the list's popup menu plays the focused entry through the preview reader
// and the preview player (fed by sound::FilePlayback), and shows the playing time in panel 2
// of the status bar.
#include "components/sound/SoundClock.h"
#include "converter/frmAudioConverter.h"
#include "shell/WindowServices.h"

#include <QAction>
#include <QLabel>
#include <QListWidget>

void frmAudioConverter::mnuPlay_Click() {
    if (bPlaying) {
        StopPreview();
        bPlaying = false;
        //: Popup menu of the file list: plays the focused file as a preview
        mnuPlay->setText(tr("Play"));
        return;
    }
    QListWidgetItem* focused = lstFiles->currentItem();
    const QString path = focused ? focused->text() : QString();
    if (path.isEmpty()) return;
    QString why;
    if (!StartPreview(path, &why)) {
        // Nothing plays: say so, and keep offering "Play".
        ui::MsgBox(tr("The file cannot be played:\n%1\n%2").arg(path, why), ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        mnuPlay->setText(tr("Play"));
        return;
    }
    //: Popup menu of the file list: stops the preview
    mnuPlay->setText(tr("Stop"));
    bPlaying = true;
}

bool frmAudioConverter::StartPreview(const QString& path, QString* why) {
    if (!m_preview->start(path)) {
        if (why) *why = m_preview->reason();
        return false;
    }
    bPlaying = true;
    return true;
}

void frmAudioConverter::StopPreview() {
    m_preview->stop();
    sbPanel[1]->setText(QString());
    bPlaying = false;
}

void frmAudioConverter::AudioPlayer1_EndPlay() {
    // Raised only for a preview that ran out, never after a stop on request.
    if (bPlaying) mnuPlay_Click();
}

void frmAudioConverter::AudioPlayer1_Timer(qint64 CurrentSamples, int, int) {
    if (!bPlaying) return;
    const std::int64_t frames = CurrentSamples + m_preview->startFrame();
    sbPanel[1]->setText(sound::timeText(AudioPlayer1->msForSamples(frames)));
    ui::DoEvents();
}
