#pragma once
// WMA settings dialog, "WMA Settings" (`ACfrmWma` in the converter, `AEfrmWma` in the
// extractor): the editor of WmaSettings. Chooses the WMA encoding profile by number with an
// up-down, shows the chosen profile's description, and on "&Ok" applies the number to the
// owner's output settings and stores it ("WMA Profile"). Where WMA cannot be encoded the
// description gives way to a notice.
//
// Profile numbers run from 0 to the profile count - 1, the numbers the WMA component accepts;
// the up-down never offers the count itself. "&Ok" hides the window, "&Cancel" unloads it.

#include "encoders/EncoderDialogOwner.h"

#include "components/ui/SettingsDialog.h"

#include <memory>

class QLabel;
class WMAFile;
class QPushButton;
class QSpinBox;

class frmWmaSettings : public SettingsDialog {
    Q_OBJECT
public:
    void load() override { LoadWMA(); }
    void save() override { SaveWMA(); }
    explicit frmWmaSettings(EncoderDialogOwner& owner);
    ~frmWmaSettings() override;

    QLabel* lblProfile;  // "WMA Profile:"; a skinned label in the extractor
    // The text box and its up-down are one spin box: its text is the text box's side, its
    // value the up-down's.
    QSpinBox* txtWmaProfile;
    QSpinBox* UpDown1;
    QLabel* lblWma;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    // The dialog's own WMA object: counts and describes the profiles and records the chosen
    // number. Created anew by each load.
    std::unique_ptr<WMAFile> WMAFile1;

    // Restores the stored profile number into the dialog and the owner's output settings.
    void LoadWMA();
    void SaveWMA();

    // Whether a WMA object can encode WMA here. Replaceable so that the notice shown on
    // systems without WMA support can be seen on any system; returns the previous check.
    using AvailabilityCheck = bool (*)(const WMAFile&);
    static AvailabilityCheck setAvailabilityCheck(AvailabilityCheck check);

    void UpDown1_Change();
    void cmdOk_Click();
    void cmdCancel_Click();

protected:

private:
    void Form_Load();
    void showUnsupported();
    void showProfile(int number);
    void handToOutput(int number);

    EncoderDialogOwner& m_owner;
    bool m_supported = true;
};
