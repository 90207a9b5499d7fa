#pragma once
// Ripping options dialog, "Ripping Options" (`ACfrmGrab`). Sets how the owner's CD grabber
// reads audio tracks (read mode, drive speed, retries, spin-up time, action on a read error,
// tray lock, safe mode) and where disc information comes from (any source, a CDDB server, or
// only cdplayer.ini), with the server, script path, agent name, e-mail and time-out. The
// dialog has no grabber of its own: every setting goes to the owner's grabber, and the
// configuration is kept in the registry.
//
// Read-mode clicks and spinner changes reach the grabber at once; "Ok" saves and applies,
// "Cancel" (also Escape and the close box) reloads the saved configuration and applies it, so
// that the grabber is back where it was. Both hide the dialog; it stays loaded.

#include "components/audio/cd/CdTypes.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/ui/SettingsDialog.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <optional>

class CdGrabber;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QWidget;
class SkinControl;

// What the ripping options need from the window that owns them (the converter window): its
// skin, its skinning of a dialog's controls, and its CD grabber.
class GrabDialogOwner {
public:
    virtual ~GrabDialogOwner() = default;
    // The owning window: parent of the dialog, owner of its modal run.
    virtual QWidget* ownerWindow() = 0;
    virtual SkinControl& skin() = 0;
    // Skins the dialog's controls by kind, as the converter window does.
    virtual void SkinForm(QWidget* form) = 0;
    // The grabber's settings; after setGrabberSettings they read back as the grabber took them.
    virtual GrabSettings grabberSettings() const = 0;
    virtual void setGrabberSettings(const GrabSettings& settings) = 0;
    // Re-reads the grabber's selected drive.
    virtual void reReadDrive() = 0;
    // The table of contents of the disc in the selected drive; no tracks when there is none.
    virtual DiscToc currentToc() const = 0;
    // Disc information found by "Get Disk Info".
    virtual void discInfoFound(const DiscInfo& info) = 0;
    // Where cdplayer.ini lives.
    virtual QString cdplayerIniPath() const;
    // The CD-Text of the disc in the selected drive, when it has some.
    virtual std::optional<DiscInfo> currentCdText() const { return std::nullopt; }
    // The grabber whose selected drive "Detect" reads; null: none.
    virtual CdGrabber* cdGrabber() const { return nullptr; }
    // The selected drive's name ("VENDOR MODEL", CdGrabber::driveName), under which its read
    // offset is kept; empty for a disc image or no drive: the field is then the default offset.
    virtual QString currentDriveName() const;
    // Where AccurateRip records are kept between look-ups.
    virtual QString accurateRipCache() const;
};

class ACfrmGrab : public SettingsDialog {
    Q_OBJECT
public:
    // Builds the dialog hidden and runs its load handling (the saved settings reach the grabber).
    explicit ACfrmGrab(GrabDialogOwner& owner);

    void load() override { LoadGrab(); }
    void save() override { SaveGrab(); }
    bool apply() override {
        Apply();
        return true;
    }

    // "Grab Options"
    QRadioButton* optBurst;
    QRadioButton* optSynch;
    QRadioButton* optSecure;
    QRadioButton* optParanoid;
    // Each numeric field is one spin box: its text is the text box, its value the spinner's.
    QSpinBox* txtDriveSpeed;
    QSpinBox* udDriveSpeed;
    QSpinBox* txtGrabRetriesOnError;
    QSpinBox* udRetries;
    QComboBox* cmbErrorAction;
    QCheckBox* chkTestAndCopy;
    QCheckBox* chkDeEmphasise;  // "De-emphasise": tracks mastered with pre-emphasis
    QCheckBox* chkOneFile;  // the disc into one file with its CUE sheet
    // "CDDB"
    QCheckBox* chkDriveLockTray;
    QCheckBox* chkSafeMode;
    QSpinBox* txtSpinUpTime;
    QSpinBox* udSpinUpTime;
    QRadioButton* optCDDBAny;
    QRadioButton* optCDDBOnLine;
    QRadioButton* optCDPLAYERINI;
    QLineEdit* ServerAddr;
    QLineEdit* CGIAddr;
    QLineEdit* Agent;
    QLineEdit* EMail;
    QSpinBox* txtCDDBTimeOut;
    QSpinBox* udTimeOut;
    QPushButton* GetCDDBButton;
    QCheckBox* chkMusicBrainz;
    QCheckBox* chkNameTracks;
    QListWidget* lstDiscInfo;  // what "Get Disk Info" found, a line an item
    // "AccurateRip"
    QCheckBox* chkAccurateRip;
    QSpinBox* txtReadOffset;     // the selected drive's offset (the default without a drive)
    QPushButton* cmdDetectOffset;  // "Detect": the offset found from the disc in the drive
    QLabel* lblOffsetFound;        // what "Detect" found
    QLineEdit* ARServerAddr;
    QPushButton* cmdOk;
    QPushButton* cmdCancel;

    // Re-reads the grabber's drive and shows the grabber's current settings.
    void RefreshCD();
    // Stores the settings the controls show, the selected read mode and source included.
    void SaveGrab();
    // Shows the stored settings, the read mode and source included.
    void LoadGrab();
    // Hands the dialog's settings (the saved read mode and source, not the selected ones) to
    // the grabber.
    void Apply();

    // The lines the list of disc information shows, and what it shows.
    void showDiscInfo(const QString& text);
    QString discInfoShown() const;

    // Read mode 1..4 and CDDB source 1..3 (any, on-line, cdplayer.ini) as last loaded or saved.
    std::int16_t SavedReadMode() const { return static_cast<std::int16_t>(m_saved.readMode); }
    std::int16_t SavedCddbSource() const { return static_cast<std::int16_t>(sourceCode(m_saved.discInfoSource)); }

    // The agent name and e-mail the grabber gets when the dialog loads.
    static QString defaultAgentName();
    static QString defaultEmail();

    void readMode_Click(int mode);
    void udDriveSpeed_Change();
    void udRetries_Change();
    void udSpinUpTime_Change();
    void udTimeOut_Change();
    void GetCDDBButton_Click();
    void cmdDetectOffset_Click();
    std::optional<DiscInfoResult> lookUpDisc(const DiscToc& toc, DiscInfoSource source);
    void cmdOk_Click();
    void cmdCancel_Click();

protected:
    void cancel() override;

private:
    void buildControls();
    QGroupBox* buildGrabOptions();
    QGroupBox* buildCddbOptions();
    // The look-up's texts, time-out, button, choices and findings, from `row` of the CDDB box.
    void addLookUpFields(QGroupBox* group, QGridLayout* grid, int row);
    QGroupBox* buildAccurateRipOptions();
    void Form_Load();
    // Selects the group's option with this code; any other code selects none.
    static void selectOption(QButtonGroup* group, int code);
    // The code of a look-up source among the CDDB options.
    static int sourceCode(DiscInfoSource source);
    // The grabber's settings with what the controls show put on them.
    GrabSettings shown() const;
    void showSettings(const GrabSettings& s);
    void showNumbers(const GrabSettings& s);
    void showCddbTexts(const GrabSettings& s);
    // The disc information found, as the user sees it.
    static QString foundText(const DiscInfo& info);
    void changeGrabber(const std::function<void(GrabSettings&)>& change);

    GrabDialogOwner& m_owner;
    QButtonGroup* m_readModes;
    QButtonGroup* m_cddbSources;
    GrabSettings m_saved;  // as last loaded or saved
};
