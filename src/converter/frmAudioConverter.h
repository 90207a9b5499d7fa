#pragma once
// The audio converter's main window: the list of input files, the output format and folder,
// the delete-source and preserve-tags switches, the commands, and the status-bar progress.
// One instance per program run (the launcher's tool-window registry keeps it); shown modeless
// without an owner; closing it unloads it (its settings are saved, then it is destroyed).
//
// The window owns the components the converter shares. Rules that need no window (file-name
// splitting, reordering, times, settings texts) live in ConverterRules.h.

#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdGrabber.h"
#include "components/ui/Skin.h"
#include "components/ui/Splash.h"
#include "components/audio/codecs/WMAFile.h"
#include "components/sound/AudioPlayer.h"
#include "components/sound/FilePlayback.h"
#include "runs/ConversionRunner.h"
#include "encoders/EncoderDialogOwner.h"
#include "ripping/ACfrmGrab.h"
#include "encoders/SettingsDialogs.h"

#include <QMainWindow>
#include <QPair>
#include <QPointer>

#include <cstdint>
#include <memory>

class QAction;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QHBoxLayout;
class QGridLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QProgressBar;
class QPushButton;
class QRadioButton;
class QStatusBar;
class QToolBar;
class SkinLabel;
class ACfrmOverWrite;

class frmAudioConverter : public QMainWindow, public EncoderDialogOwner, public GrabDialogOwner {
    Q_OBJECT
public:
    explicit frmAudioConverter(QWidget* parent = nullptr);
    ~frmAudioConverter() override;

    // ---- Controls (created in this order; skinning by kind follows it) ----
    QGroupBox* frameMain;
    QListWidget* lstFiles;
    QListWidget* lstTemp;   // hidden scratch list used while reordering
    QListWidget* ListOut;   // hidden: output path i belongs to entry i of lstFiles
    QRadioButton* optSameFolder;
    QRadioButton* optOtherFolder;
    QLineEdit* txtFolder;
    QPushButton* cmdBrowse;
    QCheckBox* chkDeleteSourceFiles;
    QCheckBox* chkPreserveIDTags;
    QCheckBox* chkParallel;  // "Use every processor core", stored with the window's choices
    QCheckBox* chkLoudnessTags;  // "Write loudness tags (ReplayGain)", stored with the window's choices
    QCheckBox* chkNamePattern;   // "Name outputs by pattern", off by default; stored
    QLineEdit* txtPattern;       // the pattern's tag fields, as velloria-convert -p takes them
    QLabel* lblPatternPreview;   // the first three outputs of the list as the pattern names them
    QPushButton* cmdConfigureCDParameters;
    QPushButton* cmdRenameOutputFiles;
    SkinLabel* SkinLabel1;  // "Convert to:"
    QComboBox* imgcmbConvertTo;  // items carry their output format's key as data
    QPushButton* cmdConfigure;
    QPushButton* cmdConvert;
    QPushButton* cmdCancel;
    QPushButton* cmRecord;
    QToolBar* tbToolBar;    // actions carry their key ("AddMusicFiles", …) as data
    QStatusBar* sbStatus;
    QLabel* sbPanel[4];     // the four panels, 1-based in the texts: sbPanel[0] is panel 1
    QProgressBar* pbProgressBar;
    QMenu* mnuPopup;
    QAction* mnuPopupAdd;
    QAction* mnuPopupRemove;
    QAction* mnuPlay;
    QAction* mnuPopupMoveUp;
    QAction* mnuPopupMoveDown;

    // ---- Components the converter shares ----
    std::unique_ptr<SkinControl> Skin1;
    std::unique_ptr<SplashControl> Splash1;
    AudioFile AudioRead;
    AudioFile AudioWrite;
    AudioFile AudioFile1;
    WMAFile WMAFileR;
    WMAFile WMAFileW;
    ::AudioInfo AudioInfo;  // tag copying
    std::unique_ptr<CdGrabber> AudioGrabber1;  // reads CD tracks and disc images
    std::unique_ptr<sound::AudioPlayer> AudioPlayer1;  // plays the preview

    // ---- Public properties ----
    bool DeleteSourceFiles() const { return bDeleteSource; }
    void setDeleteSourceFiles(bool value);
    bool PreserveIDTags() const { return bPreserveTags; }
    void setPreserveIDTags(bool value);
    bool OutputToCustomFolder() const { return bCustomFolder; }
    void setOutputToCustomFolder(bool value);
    QString CustomOutputFolder() const;
    void setCustomOutputFolder(const QString& value);
    void setConfigureCDParametersEnabled(bool bEnabled);
    // Clamped to 0..100 and shown on the progress bar.
    void setProgress(double dProgress);
    double progressValue() const;

    // Skins every control of another window by kind with this window's skin.
    void SkinForm(QWidget* form) override;
    void AddFiles();
    static QStringList GetArrayOfFilenames(const QString& sFilenames);

    // ---- File list editing ----
    bool IsInList(const QString& path) const;
    int AddItemWithExtent(const QString& line);
    void RemoveSelectedFiles();
    void MoveUp();
    void MoveDown();
    void SelectAll();
    void UpdateCDParametersButton();
    // Adds paths by the dialog's rules (duplicates refused, output names discarded); a disc
    // image (.cue, .toc, .nrg) or a CUE sheet of audio files adds one entry per audio track.
    void addPaths(const QStringList& paths);
    // Opens a disc image as a drive and returns its tracks' entries, or the track entries of a
    // CUE sheet that names audio files (cue::trackEntry); empty, with a message, when it cannot
    // be opened.
    QStringList imageTracks(const QString& image);
    int horizontalExtent() const { return m_extent; }

    // ---- Settings ----
    void LoadSettings();
    void SaveSettings();
    int outputFormatIndex() const { return iOutputFormat; }
    QString outputFolderSetting() const { return sOutputFolder; }
    bool cancelRequested() const { return bCancel; }
    void setCancelRequested(bool value) { bCancel = value; }
    bool isPlaying() const { return bPlaying; }

    // ---- Handlers ----
    void cmdBrowse_Click();
    void optOtherFolder_Click();
    void optSameFolder_Click();
    void txtFolder_Change();
    void chkNamePattern_Click();
    void txtPattern_Change();
    void chkDeleteSourceFiles_Click();
    void chkPreserveIDTags_Click();
    void imgcmbConvertTo_Click();
    void cmdConfigure_Click();
    void cmdConfigureCDParameters_Click();
    void cmRecord_Click();
    void cmdRenameOutputFiles_Click();
    void cmdConvert_Click();
    void cmdCancel_Click();
    void tbToolBar_ButtonClick(const QString& key);
    void Skin1_Click(const SkinObject& source);
    // Sets the popup menu's enabling from the selection and the preview state.
    void UpdatePopupMenu();
    void showPopupMenu(const QPoint& globalPos);
    // Handles the list's keys; true when the key was one of its shortcuts.
    bool lstFiles_KeyDown(int key, Qt::KeyboardModifiers shift);

    // ---- Preview ----
    void mnuPlay_Click();
    // Opens the file and starts playing it; false, with the reason, when nothing plays.
    bool StartPreview(const QString& path, QString* why = nullptr);
    void StopPreview();
    void AudioPlayer1_Timer(qint64 CurrentSamples, int LevelLeft, int LevelRight);
    // The preview has played to its end.
    void AudioPlayer1_EndPlay();
    int previewBlockSamples() const { return m_preview->blockSamples(); }
    // The recorder, opened by Record; null until then or once it is closed.
    QWidget* recorderWindow() const { return m_recorder; }

    // ---- The conversion run ----
    // Output path of every entry into ListOut, from the folder choice and format now.
    void fillListOut();
    // The output of entry `i` of lstFiles by the choices shown now.
    QString outputOf(int i) const;
    // The names the pattern gives the first three entries, under the pattern box.
    void updatePatternPreview();
    // Lists the outputs that exist and asks about them; sets bConvertCancelled or
    // bOverwriteConfirmed. Returns the number listed.
    int CheckFiles();
    void StartConversion();
    static bool IsCDTrack(const QString& path);
    bool runInProgress() const { return m_running; }
    bool wholeList() const { return bWholeList; }
    ACfrmOverWrite& overwriteDialog();
    // The run as Convert found it: entries, outputs, format key and the two check boxes.
    converter::RunSnapshot runSnapshot() const;

    // ---- The encoder settings dialogs, and what they need of this window ----
    SettingsDialogs& dialogs() { return m_dialogs; }
    DialogTool tool() const override { return DialogTool::Converter; }
    QWidget* ownerWindow() override { return this; }
    OutputSettings& outputSettings() override { return m_settings; }
    SkinControl& skin() override { return *Skin1; }
    QString registryKey() const override;
    QString dialogSkinSection() const override { return QStringLiteral("Small Form"); }

    // ---- The ripping options, and what they need of this window ----
    // The ripping options, loaded (hidden) on first use.
    ACfrmGrab& grabDialog();
    GrabSettings grabberSettings() const override { return AudioGrabber1->settings(); }
    void setGrabberSettings(const GrabSettings& settings) override { AudioGrabber1->setSettings(settings); }
    void reReadDrive() override { AudioGrabber1->ReRead(); }
    DiscToc currentToc() const override { return AudioGrabber1->toc(); }
    CdGrabber* cdGrabber() const override { return AudioGrabber1.get(); }
    void discInfoFound(const DiscInfo& info) override;
    std::optional<DiscInfo> currentCdText() const override;
    // Where AccurateRip records are kept; empty when CD tracks are not to be verified.
    QString accurateRipCache() const;
    // The disc information last found by "Get Disk Info"; used to tag CD track outputs.
    const DiscInfo& discInfo() const { return m_discInfo; }
    void AudioGrabber1_DiscChanged();

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void buildControls();
    QGroupBox* buildFileGroup(QWidget* central);
    void buildPatternRow(QGridLayout* grid, int row);
    QHBoxLayout* buildFormatRow(QWidget* central);
    void buildToolBar();
    void buildStatusBar();
    void buildPopupMenu();
    void connectControls();
    void openHelp(const QString& fixedName);
    void showAbout();

    QString sOutputFolder;
    std::int16_t iOutputFormat = 2;
    bool bCustomFolder = true;
    bool bPreserveTags = true;
    bool bDeleteSource = false;
    bool bCDParamsEnabled = false;
    bool bCancel = false;
    bool bWholeList = false;
    bool bPlaying = false;
    // Feeds the preview file to AudioPlayer1; declared after both, so it goes first.
    std::unique_ptr<sound::FilePlayback> m_preview;
    QPointer<QWidget> m_recorder;
    bool m_unloaded = false;
    bool m_running = false;        // a conversion run is in progress
    bool m_closeAfterRun = false;  // the window was closed during a run
    bool m_discChangedInRun = false;  // a disc changed during the run: refresh once it has ended
    QPointer<ACfrmOverWrite> m_overwrite;
    QPointer<ACfrmGrab> m_grab;
    DiscInfo m_discInfo;
    OutputSettings m_settings;  // what the next run writes with; the settings dialogs edit it
    SettingsDialogs m_dialogs{*this};

    converter::RunComponents runComponents();
    // The disc information kept in cdplayer.ini for the disc that holds a CD track entry.
    std::optional<DiscInfo> discInfoOf(const QString& cdTrack) const;
    int m_extent = 0;  // the widest horizontal extent so far, in pixels; never shrinks
};
