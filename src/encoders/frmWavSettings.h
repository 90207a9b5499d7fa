#pragma once
// WAV settings dialog, "WAV Settings" (`ACfrmWav` in the converter, `AEfrmWav` in the
// extractor): the editor of the owner's WAV format. Shows the PCM format in which the owner's
// runs write WAV files, lets the user choose another one through the format chooser, and
// returns to CD quality (44100 Hz, 16 bit, stereo) in one click. The format lives in the
// owner's output settings alone: a choice takes effect at once, and neither "OK" (hide) nor
// "Cancel" (unload) undoes it.

#include "encoders/EncoderDialogOwner.h"

#include "components/ui/SettingsDialog.h"

class QLabel;
class QPushButton;

class frmWavSettings : public SettingsDialog {
    Q_OBJECT
public:
    bool apply() override {
        Apply();
        return true;
    }
    explicit frmWavSettings(EncoderDialogOwner& owner);

    QLabel* imgWavIcon;
    QLabel* lblFormat;  // "Format:"
    // The writer's WAV format; a skinned label in the extractor, where its name is `lblwav`.
    QLabel* lblWav;
    QLabel* lblwav;  // the same label as lblWav
    QPushButton* cmdWAVChangeFormat;
    QPushButton* cmdWAVToCDQuality;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    // Sets the owner's WAV format to CD quality, without a message.
    void Apply();

    void cmdWAVChangeFormat_Click();
    void cmdWAVToCDQuality_Click();
    void OKButton_Click();
    void CancelButton_Click();

protected:

private:
    void Form_Load();
    void showFormat();

    EncoderDialogOwner& m_owner;
};
