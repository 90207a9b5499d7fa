#pragma once
// MP3 encoder settings dialog, in its converter (`ACfrmMP3`) and extractor (`AEfrmMP3`)
// variants: one of eleven presets or the manual settings (frequency, channel mode, bitrate,
// encoder quality and, in the part to the right that the window shows when widened, filters,
// VBR coding and expert switches). It edits the owner's MP3 settings object `MP3Lame` (the MP3
// part of its output settings, which outlives the dialog); the five main choices are stored in
// the registry as an Mp3Choice.
//
// Each up-down with its text box is one QSpinBox: `udX` and `tX`/`txtX` point to the same
// widget (its arrows are the up-down, its text the text box), so enabling one enables both.
//
// Lifecycle: constructing runs the load handling (skin, settings object, ShowEncoderSettings,
// LoadMP3). "Ok" hides the window; "Cancel", Escape and the close box unload it (close and
// deleteLater); SettingsDialogs::mp3() then creates a new one.
//
// Apply() puts the controls on the settings object only when the encoder can write them as
// shown; otherwise the object keeps its settings and refusedValues() says why (with the
// possible values). "Apply" and "Ok" show that reason, store nothing, and "Ok" keeps the
// window open.

#include "components/audio/settings/OutputSettings.h"
#include "encoders/EncoderDialogOwner.h"

#include "components/ui/SettingsDialog.h"
#include <QStringList>

#include <array>
#include <functional>

class MP3Settings;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSlider;
class QSpinBox;
class QTabBar;
class QTabWidget;

// What differs between the converter's and the extractor's dialog.
struct Mp3DialogVariant {
    const char* formName;
    const char* title;
    int loadWidth;      // twips
    int advancedWidth;  // twips, "&Advanced Options"
    int hiddenWidth;    // twips, "&Hide Advanced Options" (and a preset, where it narrows)
    bool narrowOnPreset;
    bool tabStrip;          // a tab strip switching three frames instead of a tab control
    bool skinnedVbrLabels;  // "VBR Quality:" and "Targed bitrate for ABR:" as skin labels
    bool defaultButton;
    bool ownControlWalk;         // skins controls itself rather than through the owner

    static const Mp3DialogVariant& of(DialogTool tool);
};

class frmMP3Settings : public SettingsDialog {
    Q_OBJECT
public:
    void load() override { LoadMP3(); }
    void save() override { SaveMP3(); }
    bool apply() override { return Apply(); }
    // Runs the load handling on the owner's MP3 settings. Skin failures are passed to the caller.
    explicit frmMP3Settings(EncoderDialogOwner& owner);
    ~frmMP3Settings() override;

    // ---- Public operations ----
    // False when the encoder cannot write what the controls show (see refusedValues()).
    bool Apply();
    void SaveMP3();
    void LoadMP3();
    void ShowEncoderSettings();
    MP3Settings* MP3Lame() const { return m_mp3Lame; }
    // The stored choices the controls show.
    Mp3Choice shownChoice() const;

    const Mp3DialogVariant& variant() const { return m_variant; }
    // True once "Cancel" has unloaded the window (its deletion may still be pending).
    // What the settings object refused in the last Apply(): its descriptions.
    const QStringList& refusedValues() const { return m_refused; }

    // The bitrate table shared by both bitrate sliders (kbit/s at positions 0..14).
    static const std::array<int, 15>& bitrateTable();

    // ---- Controls (created in this order; skinning by kind follows it) ----
    QLabel* lblPreset;  // "Preset:"
    QComboBox* cmbPreset;
    QLabel* lblCurPresetCaption;  // "Current Preset:"
    QLabel* lblCurPreset;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;
    QPushButton* Command1;  // "&Hide Advanced Options"
    QPushButton* cmdDefault;  // extractor only; null in the converter
    QGroupBox* Frame1;  // the manual settings
    QPushButton* cmdAdvancedOptions;
    QLabel* lblFrequency;  // "Sampling Frequency"
    QComboBox* cmbFrequency;
    QGroupBox* fraQuality;  // "Encoder Quality"
    QSlider* sldrQuality;
    QLabel* lblChMode;  // "Channels Mode"
    QComboBox* cmbChMode;
    QGroupBox* fraBitrate;  // "Bitrate"; its caption shows the current bitrate
    QSlider* sldrBitrate;

    // The advanced part: a tab control (converter) or a tab strip with three frames
    // (extractor); the pages are "Filtering", "VBR", "Expert".
    QTabWidget* tabMP3;  // null in the extractor
    QTabBar* TabStrip1;  // null in the converter
    std::array<QWidget*, 3> fraPages;

    QGroupBox* fraLowPass;  // "LowPass Filter"
    QCheckBox* chLFilt;
    QSpinBox* udLFiltF;
    QSpinBox* tLFiltF;  // same widget as udLFiltF
    QLabel* lblLFiltW;
    QSpinBox* udLFiltW;
    QSpinBox* tLFiltW;
    QGroupBox* fraHighPass;  // "HighPass Filter"
    QCheckBox* chHFilt;
    QSpinBox* udHFiltF;
    QSpinBox* tHFiltF;
    QLabel* lblHFiltW;
    QSpinBox* udHFiltW;
    QSpinBox* tHFiltW;

    QLabel* lblCodingMethod;  // "Coding Method:"
    QComboBox* cmbVBRCodingMethod;
    QLabel* lblVbrQuality;  // "VBR Quality:" (a SkinLabel in the extractor)
    QSpinBox* udVbrQuality;
    QSpinBox* txtVbrQuality;
    QLabel* lblAbrBitrate;  // "Targed bitrate for ABR:" (a SkinLabel in the extractor)
    QSpinBox* udAbrBitrate;
    QSpinBox* txtAbrBitrate;
    QGroupBox* fraMaxVbrBitrate;  // "Maximum VBR Bitrate"
    QSlider* sldrVbrBitrate;
    QLabel* lblVbrBitrate;
    QGroupBox* fraAdvanced;  // "Advanced"
    QCheckBox* chStrictlyEnforceMinBitrate;
    QCheckBox* chWriteVBRHeader;

    QCheckBox* chStrictlyISOCompliance;
    QCheckBox* chShortBlocks;
    QCheckBox* chBitReservoir;
    QCheckBox* chBlockType;
    QCheckBox* chErrorProtection;
    QLabel* lblATHControl;  // "ATH Control:"
    QComboBox* cmbATHControl;
    QLabel* lblEmphasis;  // "De-emphasis :"
    QComboBox* cmbEmphasis;

    // ---- Handlers ----
    void cmbPreset_Click();
    void sldrBitrate_Scroll();
    void sldrVbrBitrate_Scroll();
    void sldrQuality_Scroll();
    void cmbVBRCodingMethod_Click();
    void chHFilt_Click();
    void chLFilt_Click();
    void cmdAdvancedOptions_Click();
    void Command1_Click();
    void cmdApply_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void TabStrip1_Click();
    void cmdDefault_Click();

    // Escape and the close box unload the window, as "Cancel" does.

protected:
    void showEvent(QShowEvent* event) override;

private:
    void createControls();
    void createPresetControls();
    void createManualControls();
    void createPages();
    void createFilterControls();
    void createVbrControls();
    void createExpertControls();
    void layOut();
    QWidget* layOutLeftPart();
    void layOutManual();
    void layOutFilteringPage();
    void layOutVbrPage();
    void layOutExpertPage();
    QWidget* layOutRightPart();
    void connectHandlers();
    void setWidthTwips(int twips);
    void fitHeight();
    int textOverflow() const;
    int m_widthTwips = 0;  // the width last set
    int m_grown = 0;       // added to the set widths for a longer translation
    void selectPreset(int index);
    void showChoice(const Mp3Choice& choice);
    void selectCodingMethod(int index);
    void setFilterEnabled(QCheckBox* check, QSpinBox* frequencyBox, QSpinBox* widthBox, QLabel* widthLabel);
    void set(const std::function<void()>& write);
    bool applyChecked();

    EncoderDialogOwner& m_owner;
    const Mp3DialogVariant& m_variant;
    MP3Settings* m_mp3Lame;
    QWidget* m_leftPart = nullptr;
    QWidget* m_rightPart = nullptr;
    QStringList m_refused;
};
