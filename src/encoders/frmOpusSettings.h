#pragma once
// Opus settings dialog, "Opus Settings" (`ACfrmOpus` in the converter, `AEfrmOpus` in the
// extractor): the editor of OpusSettings. The bitrate (6..512 kbit/s, 128 at first), the
// bitrate mode (VBR, constrained VBR, CBR) and the encoder complexity (0..10, 10 at first).
// Opus is encoded at 48 kHz with the source's rate recorded as the original one. Loading shows
// the stored settings and hands them to the owner's output settings; "&Ok" hands on and stores
// the shown settings and hides the window, "&Cancel" unloads it.

#include "components/audio/settings/OutputSettings.h"
#include "encoders/EncoderDialogOwner.h"

#include "components/ui/SettingsDialog.h"

class QComboBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;

class frmOpusSettings : public SettingsDialog {
    Q_OBJECT
public:
    explicit frmOpusSettings(EncoderDialogOwner& owner);
    void load() override { LoadOPUS(); }
    void save() override { SaveOPUS(); }
    bool apply() override;

    QLabel* lblBitrateCaption;     // "Bitrate:"; skinned labels in the extractor
    QSpinBox* txtBitrate;          // kbit/s
    QLabel* lblModeCaption;        // "Mode:"
    QComboBox* cmbMode;            // 0 "VBR", 1 "Constrained VBR", 2 "CBR"
    QLabel* lblComplexityCaption;  // "Complexity:"
    QSlider* sldrComplexity;       // 0..10
    QLabel* lblComplexity;
    QLabel* lblOpus;               // the format written
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    OpusSettings shown() const;
    void LoadOPUS();
    void SaveOPUS();
    void showDescription();
    void cmdOk_Click();
    void cmdCancel_Click() { unload(); }

private:
    void createControls(bool skinnedCaptions);
    void connectHandlers();
    void layOut();

    EncoderDialogOwner& m_owner;
};
