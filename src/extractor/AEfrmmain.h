#pragma once
// The audio extractor's main window, "Tarn Audio Extractor": one input video, the output
// folder, format, channels, bit rate and frequency, and the Extract Audio and Cancel buttons.
// One instance per program run, shown modeless without an owner; closing it (after the quit
// question) unloads it. Its settings live under "\Software\Brindlewood\Audioextractor".
//
// The window owns the extractor's components and offers its skin, writer and skinning of
// controls to the extractor's settings dialogs and About box. The run itself lives in
// ExtractionRun; the window only hands it a snapshot of the controls and shows what it says.

#include "components/ui/Skin.h"
#include "components/ui/Splash.h"
#include "encoders/EncoderDialogOwner.h"
#include "encoders/SettingsDialogs.h"
#include "runs/ExtractionRun.h"

#include <QPointer>
#include <QWidget>

#include <cstdint>
#include <memory>

class AEfrmabout;
class QCheckBox;
class QComboBox;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLineEdit;
class QProgressBar;
class QPushButton;
class QRadioButton;
class SkinLabel;

class AEfrmmain : public QWidget, public EncoderDialogOwner {
    Q_OBJECT
public:
    explicit AEfrmmain(QWidget* parent = nullptr);
    ~AEfrmmain() override;

    // ---- Controls (created in this order; skinning by kind follows it) ----
    QGroupBox* FrameInputFile;
    QLineEdit* txtFile;
    QPushButton* cmdFile;
    QGroupBox* FrameOptAudioFile;
    QRadioButton* optSameFolder;
    QRadioButton* optOtherFolder;
    QLineEdit* txtOutAudioFile;
    QPushButton* cmdOutAudioFile;
    QCheckBox* chkDeleteSourceFiles;
    SkinLabel* Skinlabelformat;
    QComboBox* format;
    QPushButton* cmdsetting;
    SkinLabel* SkinLabel1;
    QComboBox* ComboChannels;
    SkinLabel* SkinLabel2;
    QComboBox* ComboBitRate;
    SkinLabel* SkinLabel3;
    QComboBox* ComboFreq;
    QPushButton* cmdExtractAudio;
    QPushButton* cmdCancel;
    QProgressBar* pbProgressBar;

    // ---- Components ----
    std::unique_ptr<SkinControl> Skin;
    std::unique_ptr<SplashControl> Splash;
    // Shared with a run in progress, which may outlive the window.
    std::shared_ptr<extractor::Components> components;
    VideoFile& VideoFileIn;
    AudioFile& AudioFileOut;
    WMAFile& WMAoutFile;

    // The window state: it survives closing and reopening the window within one program run.
    struct State {
        std::int16_t iOtherFolder = 0;
        QString sOutFolder;
        std::int16_t iDeleteSource = 0;
        QString sFormat;
        QString sChannels;
        QString sBitRate;
        QString sFrequency;
        bool bCancel = false;
        QString InpFile;
    };
    static State& state();
    // Back to the state of a program that has just started (tests).
    static void resetState();

    // ---- Public operations ----
    void SkinForm(QWidget* frm) override;
    void LoadSettings();
    void SaveSettings();
    void InspectVideoFile();
    bool runInProgress() const { return m_running; }

    // ---- Handlers ----
    void cmdFile_Click();
    void cmdOutAudioFile_Click();
    void optSameFolder_Click();
    void optOtherFolder_Click();
    void chkDeleteSourceFiles_Click();
    void txtOutAudioFile_Change();
    void format_Click();
    void ComboChannels_Click();
    void ComboBitRate_Click();
    void ComboFreq_Click();
    void cmdsetting_Click();
    void cmdExtractAudio_Click();
    void cmdCancel_Click();
    void Skin_Click(const SkinObject& source);
    void VideoFileIn_ParsingVideoFile(int Percent);

    // ---- The settings dialogs and About box, and what they need of this window ----
    SettingsDialogs& dialogs() { return m_dialogs; }
    // The About box while it is open, or null.
    AEfrmabout* about() const;
    DialogTool tool() const override { return DialogTool::Extractor; }
    QWidget* ownerWindow() override { return this; }
    OutputSettings& outputSettings() override { return m_settings; }
    SkinControl& skin() override { return *Skin; }
    QString registryKey() const override;
    QString dialogSkinSection() const override { return QStringLiteral("mainform"); }

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    class Host;
    void buildControls();
    QGroupBox* buildInputFrame();
    QGroupBox* buildOutputFrame();
    // The format, channels, bit rate and frequency lists with their labels.
    QGridLayout* buildFormatRows();
    // The progress bar with the Extract and Cancel buttons.
    QHBoxLayout* buildCommands();
    void connectControls();
    void Form_Load();
    extractor::RunRequest runRequest() const;

    bool m_running = false;
    bool m_closed = false;  // the quit question was answered Yes
    QPointer<AEfrmabout> m_about;
    OutputSettings m_settings;  // what the next run writes with; the settings dialogs edit it
    SettingsDialogs m_dialogs{*this};
    VideoFile m_inspector;  // checks a chosen video while a run uses VideoFileIn
};
