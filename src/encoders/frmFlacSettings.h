#pragma once
// FLAC settings dialog, "FLAC Settings" (`ACfrmFlac` in the converter, `AEfrmFlac` in the
// extractor): the editor of FlacSettings. The compression level (0 fastest .. 8 smallest, 5 at
// first) on a slider and the encoder's verify mode; the rate, channels and bit depth are the
// source's. Loading shows the stored settings and hands them to the owner's output settings, so
// that what is written is what the dialog shows; "&Ok" hands on and stores the shown settings
// and hides the window, "&Cancel" unloads it.

#include "components/audio/settings/OutputSettings.h"
#include "encoders/EncoderDialogOwner.h"

#include "components/ui/SettingsDialog.h"

class QCheckBox;
class QLabel;
class QPushButton;
class QSlider;

class frmFlacSettings : public SettingsDialog {
    Q_OBJECT
public:
    explicit frmFlacSettings(EncoderDialogOwner& owner);
    void load() override { LoadFLAC(); }
    void save() override { SaveFLAC(); }
    bool apply() override;

    QLabel* lblLevelCaption;  // "Compression level:"; a skinned label in the extractor
    QSlider* sldrLevel;       // 0..8
    QLabel* lblLevel;         // the level and what it means
    QCheckBox* chkVerify;
    QLabel* lblFlac;          // what is kept of the source
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    FlacSettings shown() const;
    void LoadFLAC();
    void SaveFLAC();
    void sldrLevel_Scroll();
    void cmdOk_Click();
    void cmdCancel_Click() { unload(); }

private:
    EncoderDialogOwner& m_owner;
};
