#pragma once
// Ogg Vorbis settings dialog, "OGG Vorbis Settings" (`ACfrmOgg` in the converter, `AEfrmOgg`
// in the extractor): the editor of OggSettings. Loads them from the registry into its
// controls, stores them, and applies them to the owner's output settings, with which its runs
// encode Ogg Vorbis.
//
// "Quality Enabled" makes the writer encode by quality; otherwise it manages the nominal
// bitrate, bounded by the minimum and maximum when "VBR Enabled" is checked. A combination the
// writer cannot encode is refused with a message, and "Ok" then keeps the window open.
//
// "Ok" hides the window after a successful apply; "Cancel" unloads it (close + deleteLater).

#include "components/audio/settings/OutputSettings.h"
#include "encoders/EncoderDialogOwner.h"

#include "components/ui/SettingsDialog.h"

class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;

class frmOggSettings : public SettingsDialog {
    Q_OBJECT
public:
    void load() override { LoadOGG(); }
    void save() override { SaveOGG(); }
    bool apply() override { return Apply(); }
    explicit frmOggSettings(EncoderDialogOwner& owner);

    // Group "Option"
    QCheckBox* chVbr;
    QCheckBox* chQuality;
    QSlider* sldrBitrate;  // positions 0..14 of the bitrate table
    QLabel* lblBitrate;
    // Group "VBR"
    QSlider* sldrMinBitrate;
    QLabel* lblMinBitrate;
    QSlider* sldrMaxBitrate;
    QLabel* lblMaxBitrate;
    QComboBox* cmbFrequency;  // item data: the rate in Hz
    QComboBox* cmbChMode;     // 0 "Mono", 1 "Stereo"
    QSlider* sldrQuality;     // 0..1000, hundredths of a quality step
    QPushButton* cmdApply;
    QPushButton* cmdCancel;
    QPushButton* cmdOk;

    // Checks the shown settings and, when they can be encoded, applies them to the owner's
    // output settings.
    bool Apply();
    // The settings the controls show.
    OggSettings shown() const;
    void SaveOGG();
    void LoadOGG();

    int BitRate() const { return m_bitRate; }
    int MinBitrate() const { return m_minBitrate; }
    int MaxBitrate() const { return m_maxBitrate; }
    int Quality() const { return m_quality; }
    bool VbrEnabled() const { return m_vbrEnabled; }
    bool QualityEnabled() const { return m_qualityEnabled; }

    // kbit/s of the bitrate sliders' positions 0..14.
    static int bitrateAt(int position);

    void sldrBitrate_Scroll();
    void sldrMinBitrate_Scroll();
    void sldrMaxBitrate_Scroll();
    void sldrQuality_Scroll();
    void chVbr_Click();
    void chQuality_Click();
    void cmdApply_Click();
    void cmdOk_Click();
    void cmdCancel_Click();

protected:

private:
    void Form_Load();
    // The window's five groups: "Option", "VBR", "Sampling Frequency", "Channels Mode" and
    // "Quality (Compression)".
    struct Groups {
        QGroupBox* option;
        QGroupBox* vbr;
        QGroupBox* frequency;
        QGroupBox* channels;
        QGroupBox* quality;
    };
    void buildControls();
    Groups createGroups();
    void createControls(const Groups& groups);
    void layOut(const Groups& groups);
    void connectHandlers();
    void showSettings(const OggSettings& settings);
    void showBitrates();
    void showPopup(QSlider* slider, const QString& text);

    EncoderDialogOwner& m_owner;
    int m_bitRate = 128;
    int m_minBitrate = 128;
    int m_maxBitrate = 128;
    int m_quality = 300;
    bool m_vbrEnabled = false;
    bool m_qualityEnabled = false;
};
