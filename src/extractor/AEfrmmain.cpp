#include "extractor/AEfrmmain.h"

#include "components/audio/Formats.h"
#include "components/ui/SkinForm.h"
#include "components/ui/SkinLabel.h"
#include "encoders/frmMP3Settings.h"
#include "encoders/frmOggSettings.h"
#include "encoders/frmWavSettings.h"
#include "extractor/AEfrmabout.h"
#include "shell/BrowseForFolder.h"
#include "components/store/WindowSettings.h"
#include "shell/DesktopJobs.h"
#include "shell/WindowServices.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QCoreApplication>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The video dialog's filters: each description with its patterns.
constexpr std::pair<const char*, const char*> kVideoFilters[] = {
    {QT_TRANSLATE_NOOP("AEfrmmain", "All files (*.*)"), "*.*"},
    {QT_TRANSLATE_NOOP("AEfrmmain", "AVI Files (*.avi)"), "*.avi"},
    {QT_TRANSLATE_NOOP("AEfrmmain", "Mpeg files (*.mpg, *.mpeg)"), "*.mpg; *.mpeg"},
    {QT_TRANSLATE_NOOP("AEfrmmain", "Windows Media files (*.wmv, *.wma, *.asf)"), "*.wmv; *.wma; *.asf"},
    {QT_TRANSLATE_NOOP("AEfrmmain", "Quick Time Files (*.mov, *.qt)"), "*.mov; *.qt"},
};

// "Desc|patterns|Desc2|patterns2|", as ui::FileDialog takes it.
QString videoFilter() {
    QString filter;
    for (const auto& [description, patterns] : kVideoFilters)
        filter += QCoreApplication::translate("AEfrmmain", description) + QLatin1Char('|') + QLatin1String(patterns) +
                  QLatin1Char('|');
    return filter;
}

// A list of `items`, none selected; `keys`, when given, are the items' stored values.
QComboBox* dropDownList(QWidget* parent, const char* name, const QStringList& items, const QStringList& keys = {}) {
    auto* combo = new QComboBox(parent);
    combo->setObjectName(QLatin1String(name));
    combo->setEditable(false);
    for (qsizetype i = 0; i < items.size(); ++i) combo->addItem(items[i], i < keys.size() ? keys[i] : QVariant());
    combo->setCurrentIndex(-1);
    return combo;
}

QComboBox* dropDownList(QWidget* parent, const char* name, std::initializer_list<const char*> items) {
    QStringList texts;
    for (const char* item : items) texts << QLatin1String(item);
    return dropDownList(parent, name, texts);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(false);
    return b;
}

// Selects the item with exactly this text; a text that is no item leaves the list as it is.
void selectText(QComboBox* combo, const QString& text) {
    const int index = combo->findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive);
    if (index >= 0) combo->setCurrentIndex(index);
}

// Selects the item whose stored value is `key`; a key that is no item leaves the list as it is.
void selectKey(QComboBox* combo, const QString& key) {
    const int index = combo->findData(key);
    if (index >= 0) combo->setCurrentIndex(index);
}

}  // namespace

// The window as the run sees it. A window closed under a run is never touched again: every
// call checks that it is still there and open.
class AEfrmmain::Host : public extractor::ExtractionHost {
public:
    explicit Host(AEfrmmain* window)
        : m_window(window),
          m_desktop(ui::desktopJob(window, AEfrmmain::tr("Extracting audio"), AEfrmmain::tr("Extraction finished"))) {}

    void runMessage(const QString& text, bool) override {
        if (alive()) ui::MsgBox(text, ui::MsgButtons::OK, ui::MsgIcon::None);
    }
    void runFailures(const QList<audio::FailedFile>&) override {}
    bool confirmOverwrite() override {
        return alive() && ui::MsgBox(AEfrmmain::tr("Do you want to overwrite the existing audio file"),
                                     ui::MsgButtons::YesNo, ui::MsgIcon::Question,
                                     ui::MsgDefault::Button2) == ui::MsgResult::Yes;
    }
    // A run in progress: the bar shows, Extract and the settings wait, Cancel is live.
    void fileStarted(int) override {
        if (!alive()) return;
        m_window->cmdsetting->setEnabled(false);
        m_window->pbProgressBar->show();
        m_window->cmdExtractAudio->setEnabled(false);
        m_window->cmdCancel->setEnabled(true);
    }
    void fileProgress(double percent) override {
        m_desktop->fileProgress(percent);
        if (alive()) m_window->pbProgressBar->setValue(std::clamp(static_cast<int>(percent), 0, 100));
    }
    void fileEnded() override {}
    bool cancelRequested() const override { return state().bCancel; }
    void setCancelRequested(bool requested) override {
        if (alive()) state().bCancel = requested;
    }
    bool letEventsRun() override { return alive() && ui::DoEvents() && alive(); }
    bool present() const override { return alive() && !ui::programEnding(); }
    // The run's end as the desktop hears of it (not when the window went away).
    void ended(extractor::RunEnd end) {
        if (end == extractor::RunEnd::Written) m_desktop->fileWritten();
        if (end == extractor::RunEnd::Failed) m_desktop->filesFailed(1);
        m_desktop->ended();
    }

private:
    bool alive() const { return m_window && !m_window->m_closed; }
    QPointer<AEfrmmain> m_window;
    std::unique_ptr<desktop::LongJob> m_desktop;
};

AEfrmmain::State& AEfrmmain::state() {
    static State s;
    return s;
}

void AEfrmmain::resetState() { state() = State(); }

AEfrmmain::AEfrmmain(QWidget* parent)
    : QWidget(parent),
      Skin(makeSkinControl()),
      Splash(makeSplashControl()),
      components(std::make_shared<extractor::Components>()),
      VideoFileIn(components->VideoFileIn),
      AudioFileOut(components->AudioFileOut),
      WMAoutFile(components->WMAoutFile) {
    setObjectName(QStringLiteral("AEfrmmain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Tarn Audio Extractor"));
    buildControls();
    Form_Load();
}

AEfrmmain::~AEfrmmain() = default;

QString AEfrmmain::registryKey() const { return ExtractorWindowSettings::key(); }

void AEfrmmain::buildControls() {
    QGroupBox* input = buildInputFrame();
    QGroupBox* output = buildOutputFrame();
    QGridLayout* options = buildFormatRows();
    QHBoxLayout* commands = buildCommands();
    auto* main = new QVBoxLayout(this);
    main->setContentsMargins(16, 12, 16, 14);
    main->setSpacing(10);
    main->addWidget(input);
    main->addWidget(output);
    main->addLayout(options);
    main->addStretch(1);
    main->addLayout(commands);
    connectControls();
    resize(600, 470);
}

QGroupBox* AEfrmmain::buildInputFrame() {
    FrameInputFile = new QGroupBox(tr("Input Video File:"), this);
    FrameInputFile->setObjectName(QStringLiteral("FrameInputFile"));
    txtFile = new QLineEdit(tr("Select Input Video File"), FrameInputFile);
    txtFile->setObjectName(QStringLiteral("txtFile"));
    cmdFile = button(FrameInputFile, "cmdFile", tr("Browse"));
    auto* row = new QHBoxLayout(FrameInputFile);
    row->addWidget(txtFile, 1);
    row->addWidget(cmdFile);
    return FrameInputFile;
}

QGroupBox* AEfrmmain::buildOutputFrame() {
    FrameOptAudioFile = new QGroupBox(tr("Output Audio File:"), this);
    FrameOptAudioFile->setObjectName(QStringLiteral("FrameOptAudioFile"));
    optSameFolder = new QRadioButton(tr("Output to same folder as original"), FrameOptAudioFile);
    optSameFolder->setObjectName(QStringLiteral("optSameFolder"));
    optSameFolder->setChecked(true);
    optOtherFolder = new QRadioButton(tr("Folder:"), FrameOptAudioFile);
    optOtherFolder->setObjectName(QStringLiteral("optOtherFolder"));
    txtOutAudioFile = new QLineEdit(tr("Select Output Audio File"), FrameOptAudioFile);
    txtOutAudioFile->setObjectName(QStringLiteral("txtOutAudioFile"));
    cmdOutAudioFile = button(FrameOptAudioFile, "cmdOutAudioFile", tr("Browse"));
    chkDeleteSourceFiles = new QCheckBox(tr("Delete source file(s) after Processing"), FrameOptAudioFile);
    chkDeleteSourceFiles->setObjectName(QStringLiteral("chkDeleteSourceFiles"));
    // Screen readers name a field by its label; without one they take the title of the group
    // around it.
    txtOutAudioFile->setAccessibleName(optOtherFolder->text());

    auto* grid = new QGridLayout(FrameOptAudioFile);
    grid->addWidget(optSameFolder, 0, 0, 1, 3);
    grid->addWidget(optOtherFolder, 1, 0);
    grid->addWidget(txtOutAudioFile, 1, 1);
    grid->addWidget(cmdOutAudioFile, 1, 2);
    grid->addWidget(chkDeleteSourceFiles, 2, 0, 1, 3);
    grid->setColumnStretch(1, 1);
    return FrameOptAudioFile;
}

QGridLayout* AEfrmmain::buildFormatRows() {
    Skinlabelformat = new SkinLabel(tr("Output Format"), this);
    Skinlabelformat->setObjectName(QStringLiteral("Skinlabelformat"));
    // The list shows the formats' keys: the stored value, and the outputs' extension.
    QStringList formats;
    for (const audio::OutputFormat* f : audio::extractorFormatList()) formats << QLatin1String(f->key);
    format = dropDownList(this, "format", formats);
    //: The button that opens the chosen format's settings.
    cmdsetting = button(this, "cmdsetting", tr("settings"));
    SkinLabel1 = new SkinLabel(tr("Channels:"), this);
    SkinLabel1->setObjectName(QStringLiteral("SkinLabel1"));
    // The stored choice is the English name.
    ComboChannels = dropDownList(this, "ComboChannels", {tr("Mono"), tr("Stereo")},
                                 {QStringLiteral("Mono"), QStringLiteral("Stereo")});
    SkinLabel2 = new SkinLabel(tr("BitRate [kbits/second]:"), this);
    SkinLabel2->setObjectName(QStringLiteral("SkinLabel2"));
    ComboBitRate = dropDownList(this, "ComboBitRate", {"320", "256", "224", "192", "160", "128", "112", "96", "80", "64"});
    SkinLabel3 = new SkinLabel(tr("Frequency [hertz]:"), this);
    SkinLabel3->setObjectName(QStringLiteral("SkinLabel3"));
    ComboFreq = dropDownList(this, "ComboFreq",
                             {"96000", "88200", "48000", "44100", "32000", "24000", "22050", "16000", "12000", "11025",
                              "8000", "6000"});

    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(12);
    grid->setVerticalSpacing(8);
    grid->addWidget(cmdsetting, 0, 2);
    const std::pair<SkinLabel*, QComboBox*> lists[] = {
        {Skinlabelformat, format}, {SkinLabel1, ComboChannels}, {SkinLabel2, ComboBitRate}, {SkinLabel3, ComboFreq}};
    int row = 0;
    for (const auto& [label, list] : lists) {
        label->setBuddy(list);
        grid->addWidget(label, row, 0);
        grid->addWidget(list, row++, 1);
    }
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(3, 1);
    return grid;
}

QHBoxLayout* AEfrmmain::buildCommands() {
    cmdExtractAudio = button(this, "cmdExtractAudio", tr("Extract Audio "));
    cmdExtractAudio->setDefault(true);
    cmdCancel = button(this, "cmdCancel", tr("Cancel"));
    cmdCancel->setEnabled(false);
    pbProgressBar = new QProgressBar(this);
    pbProgressBar->setObjectName(QStringLiteral("pbProgressBar"));
    pbProgressBar->setRange(0, 100);
    pbProgressBar->setValue(0);
    pbProgressBar->setTextVisible(false);
    // The progress bar keeps its place when hidden, so the buttons do not move.
    QSizePolicy keep = pbProgressBar->sizePolicy();
    keep.setRetainSizeWhenHidden(true);
    pbProgressBar->setSizePolicy(keep);
    auto* row = new QHBoxLayout;
    row->addWidget(pbProgressBar, 1);
    row->addWidget(cmdExtractAudio);
    row->addWidget(cmdCancel);
    return row;
}

void AEfrmmain::connectControls() {
    connect(cmdFile, &QPushButton::clicked, this, &AEfrmmain::cmdFile_Click);
    connect(cmdOutAudioFile, &QPushButton::clicked, this, &AEfrmmain::cmdOutAudioFile_Click);
    connect(optSameFolder, &QRadioButton::clicked, this, &AEfrmmain::optSameFolder_Click);
    connect(optOtherFolder, &QRadioButton::clicked, this, &AEfrmmain::optOtherFolder_Click);
    connect(chkDeleteSourceFiles, &QCheckBox::clicked, this, &AEfrmmain::chkDeleteSourceFiles_Click);
    connect(txtOutAudioFile, &QLineEdit::textChanged, this, &AEfrmmain::txtOutAudioFile_Change);
    connect(format, &QComboBox::currentIndexChanged, this, &AEfrmmain::format_Click);
    connect(ComboChannels, &QComboBox::currentIndexChanged, this, &AEfrmmain::ComboChannels_Click);
    connect(ComboBitRate, &QComboBox::currentIndexChanged, this, &AEfrmmain::ComboBitRate_Click);
    connect(ComboFreq, &QComboBox::currentIndexChanged, this, &AEfrmmain::ComboFreq_Click);
    connect(cmdsetting, &QPushButton::clicked, this, &AEfrmmain::cmdsetting_Click);
    connect(cmdExtractAudio, &QPushButton::clicked, this, &AEfrmmain::cmdExtractAudio_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &AEfrmmain::cmdCancel_Click);
    connect(Skin.get(), &SkinControl::Click, this, &AEfrmmain::Skin_Click);
}

void AEfrmmain::Form_Load() {
    State& s = state();
    // The splash shows on the first start, not when the window comes back after quitting.
    if (!s.bCancel) {
        Splash->LoadSplash(ui::programFile(QStringLiteral("\\AESplash.spl")));
        Splash->Display(0);
    }
    s.bCancel = false;
    Skin->LoadSkin(ui::programFile(QStringLiteral("\\AE.skn")));
    Skin->ApplySkinByName(this, QStringLiteral("mainform"));
    SkinForm(this);
    LoadSettings();
    if (s.iOtherFolder != 0) {
        optOtherFolder->setChecked(true);
        optOtherFolder_Click();
    }
    txtOutAudioFile->setText(s.sOutFolder);
    chkDeleteSourceFiles->setChecked(s.iDeleteSource != 0);
    // Selecting an item runs the list's click handling, which copies the same text back.
    const State stored = s;
    selectText(format, stored.sFormat);
    selectKey(ComboChannels, stored.sChannels);
    selectText(ComboBitRate, stored.sBitRate);
    selectText(ComboFreq, stored.sFrequency);
    pbProgressBar->hide();
    // The components were created with the window; the reader's parse events move the bar.
    QPointer<AEfrmmain> self(this);
    VideoFileIn.ParsingVideoFile = [self](int percent) {
        if (self) self->VideoFileIn_ParsingVideoFile(percent);
    };
    Splash->Hide();
    Splash->Hide(0);
}

// ---- Settings ----------------------------------------------------------------------------

void AEfrmmain::LoadSettings() {
    ExtractorWindowSettings defaults;
    defaults.outputFolder = extractor::defaultOutputFolder();
    const ExtractorWindowSettings stored = ExtractorWindowSettings::load(defaults);
    State& s = state();
    s.iOtherFolder = stored.otherFolder ? -1 : 0;
    s.sOutFolder = stored.outputFolder;
    s.iDeleteSource = stored.deleteSource ? 1 : 0;
    s.sFormat = stored.format;
    s.sChannels = stored.channels;
    s.sBitRate = stored.bitRate;
    s.sFrequency = stored.frequency;
}

void AEfrmmain::SaveSettings() {
    const State& s = state();
    ExtractorWindowSettings stored;
    stored.otherFolder = s.iOtherFolder != 0;
    stored.outputFolder = s.sOutFolder;
    stored.deleteSource = s.iDeleteSource != 0;
    stored.format = s.sFormat;
    stored.channels = s.sChannels;
    stored.bitRate = s.sBitRate;
    stored.frequency = s.sFrequency;
    stored.save();
}

// ---- Window state ------------------------------------------------------------------------

void AEfrmmain::optOtherFolder_Click() {
    optSameFolder->setChecked(false);
    state().iOtherFolder = optOtherFolder->isChecked() ? -1 : 0;
}

void AEfrmmain::optSameFolder_Click() {
    optOtherFolder->setChecked(false);
    state().iOtherFolder = 0;
}

void AEfrmmain::chkDeleteSourceFiles_Click() { state().iDeleteSource = chkDeleteSourceFiles->isChecked() ? 1 : 0; }
void AEfrmmain::txtOutAudioFile_Change() { state().sOutFolder = txtOutAudioFile->text(); }
void AEfrmmain::format_Click() { state().sFormat = format->currentText(); }
void AEfrmmain::ComboChannels_Click() { state().sChannels = ComboChannels->currentData().toString(); }
void AEfrmmain::ComboBitRate_Click() { state().sBitRate = ComboBitRate->currentText(); }
void AEfrmmain::ComboFreq_Click() { state().sFrequency = ComboFreq->currentText(); }

// ---- Input and output --------------------------------------------------------------------

void AEfrmmain::cmdFile_Click() {
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::OpenFiles;
    request.owner = this;
    request.title = tr("Open Video File");
    request.filter = videoFilter();
    request.filterIndex = 1;
    const ui::FileDialogResult result = ui::FileDialog(request);
    // Cancelling ends the choice quietly.
    if (!result.accepted || result.urls.isEmpty()) return;
    const QString name = result.urls.first().isLocalFile() ? result.urls.first().toLocalFile() : QString();
    if (name.isEmpty()) return;
    txtFile->setText(name);
    InspectVideoFile();
}

void AEfrmmain::InspectVideoFile() {
    QPointer<AEfrmmain> self(this);
    if (!ui::DoEvents() || !self) return;
    State& s = state();
    s.InpFile = txtFile->text();
    // While a run reads VideoFileIn, the choice is checked with a reader of its own.
    VideoFile& reader = m_running ? m_inspector : VideoFileIn;
    if (!reader.IsVideoFile(s.InpFile)) {
        ui::MsgBox(tr("Specified file is not a video file or format is not supported"), ui::MsgButtons::OK, ui::MsgIcon::None);
        return;
    }
    reader.Open(s.InpFile);
    pbProgressBar->setValue(0);
    reader.Close();
}

void AEfrmmain::VideoFileIn_ParsingVideoFile(int Percent) { pbProgressBar->setValue(std::min(Percent, 100)); }

void AEfrmmain::cmdOutAudioFile_Click() { txtOutAudioFile->setText(BrowseForFolder(this)); }

// ---- Settings dialogs, skin buttons, skinning ----------------------------------------------

void AEfrmmain::cmdsetting_Click() {
    SettingsDialog* dialog = m_dialogs.dialogFor(format->currentText());
    if (!dialog) return;
    dialog->show();
    dialog->raise();
    dialog->activateWindow();
}

void AEfrmmain::Skin_Click(const SkinObject& source) {
    if (source.Name == QStringLiteral("about")) {
        if (!m_about) m_about = new AEfrmabout(*this);
        m_about->show();
        m_about->raise();
        m_about->activateWindow();
    } else if (source.Name == QStringLiteral("help")) {
        ui::openWithDefaultApplication(ui::programFile(QStringLiteral("\\AEHelp.html")));
    }
}

AEfrmabout* AEfrmmain::about() const { return m_about; }

void AEfrmmain::SkinForm(QWidget* frm) { skinControlsByKind(*Skin, frm, QStringLiteral("button")); }

// ---- The run -----------------------------------------------------------------------------

extractor::RunRequest AEfrmmain::runRequest() const {
    extractor::RunRequest r;
    r.input = txtFile->text();
    r.format = format->currentText();
    r.sameFolder = optSameFolder->isChecked();
    r.folder = txtOutAudioFile->text();
    r.channelsIndex = ComboChannels->currentIndex();
    r.bitRate = ComboBitRate->currentText();
    r.frequency = ComboFreq->currentText();
    r.deleteSource = chkDeleteSourceFiles->isChecked();
    r.settings = m_settings;
    return r;
}

void AEfrmmain::cmdExtractAudio_Click() {
    if (m_running) return;
    // The stored settings of a format the lists do not set (WMA, FLAC, Opus) are written even
    // when its dialog has not been opened since the window loaded.
    const QString key = format->currentText();
    const audio::OutputFormat* chosen = audio::outputFormat(key);
    if (chosen && !chosen->setByExtractorLists && !m_dialogs.loadedFor(key)) m_settings.chooseFormat(key, registryKey());
    if (m_settings.wmaProfile >= 0 && m_settings.wmaProfile < WmaSettings::profileCount())
        WMAoutFile.setWMProfile(m_settings.wmaProfile);
    const extractor::RunRequest request = runRequest();
    QPointer<AEfrmmain> self(this);
    Host host(this);
    extractor::ExtractionRun run(host, components);
    m_running = true;
    const extractor::RunEnd end = run.run(request);
    const std::optional<extractor::Buttons> buttons = extractor::buttonsAfter(end);
    // The window may have been closed, even destroyed, while the run let events run.
    if (!self) return;
    if (buttons && !m_closed) host.ended(end);
    m_running = false;
    if (buttons && !m_closed) {
        cmdExtractAudio->setEnabled(buttons->extract);
        cmdsetting->setEnabled(buttons->settings);
        cmdCancel->setEnabled(buttons->cancel);
    }
}

void AEfrmmain::cmdCancel_Click() { state().bCancel = true; }

void AEfrmmain::closeEvent(QCloseEvent* event) {
    SaveSettings();
    if (ui::MsgBox(tr("Are you sure you want to quit ??"), ui::MsgButtons::YesNo, ui::MsgIcon::None) !=
        ui::MsgResult::Yes) {
        event->ignore();
        return;
    }
    state().bCancel = true;
    m_closed = true;
    // A run in progress closes the files itself at its next check.
    if (!m_running) {
        try {
            VideoFileIn.Close();
            AudioFileOut.Close();
        } catch (const ComponentError& e) {
            ui::MsgBox(e.description(), ui::MsgButtons::OK, ui::MsgIcon::Critical);
        }
    }
    if (m_about) m_about->close();
    event->accept();
}
