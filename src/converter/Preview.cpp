// Preview playback: the list's popup menu plays the focused entry through the preview reader
// and the preview player, one second per block with two blocks in flight, and shows the
// playing time in panel 2 of the status bar.
#include "components/ComponentError.h"
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
        mnuPlay->setText(QStringLiteral("Play"));
        return;
    }
    QListWidgetItem* focused = lstFiles->currentItem();
    const QString path = focused ? focused->text() : QString();
    if (path.isEmpty()) return;
    QString why;
    if (!StartPreview(path, &why)) {
        // Nothing plays: say so, and keep offering "Play".
        ui::MsgBox(QStringLiteral("The file cannot be played:\n") + path + QStringLiteral("\n") + why,
                   ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        mnuPlay->setText(QStringLiteral("Play"));
        return;
    }
    mnuPlay->setText(QStringLiteral("Stop"));
    bPlaying = true;
}

bool frmAudioConverter::StartPreview(const QString& path, QString* why) {
    auto fail = [&](const QString& reason) {
        AudioFile1.Close();
        if (why) *why = reason;
        return false;
    };
    if (path.isEmpty()) return fail(QStringLiteral("No file was chosen."));
    try {
        AudioFile1.OpenRead(path, 0, 1);
        if (AudioFile1.status() < 0) return fail(AudioFile1.lastError());
        if (AudioFile1.length() == 0) return fail(QStringLiteral("The file holds no sound."));
        AudioPlayer1->prepare(AudioFile1.sampleRate(), AudioFile1.channels());
    } catch (const ComponentError& e) {
        return fail(e.description());
    }
    StartSamples = 0;
    PreviewBlockSamples = AudioPlayer1->samplesForMs(1000);
    AudioPlayer1->start();
    if (AudioPlayer1->status() >= 1) return fail(AudioPlayer1->errorText());
    bPlaying = true;
    FeedPreview();
    FeedPreview();
    return true;
}

void frmAudioConverter::FeedPreview() {
    if (!bPlaying) return;
    SampleBlock block;
    try {
        block = AudioFile1.ReadBlock(PreviewBlockSamples);
    } catch (const ComponentError&) {
        // Damaged data ends the preview where it starts: the player plays what it holds.
        block.clear();
    }
    if (block.size() >= 2) AudioPlayer1->queue(block);
}

void frmAudioConverter::StopPreview() {
    AudioPlayer1->stop();
    AudioFile1.Close();
    sbPanel[1]->setText(QString());
    bPlaying = false;
}

void frmAudioConverter::AudioPlayer1_EndArrayPlay() { FeedPreview(); }

void frmAudioConverter::AudioPlayer1_EndPlay() {
    // The player raises this only for a playback that ran out, never after a stop on request.
    if (bPlaying) mnuPlay_Click();
}

void frmAudioConverter::AudioPlayer1_Timer(qint64 CurrentSamples, int, int) {
    if (!bPlaying) return;
    const auto t = static_cast<std::int32_t>(AudioPlayer1->msForSamples(CurrentSamples + StartSamples));
    sbPanel[1]->setText(sound::timeText(t));
    ui::DoEvents();
}
