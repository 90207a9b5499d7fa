#include "converter/frmAudioConverter.h"
#include "recorder/ACMainRecord.h"

#include "components/ui/SkinForm.h"
#include "components/ui/SkinLabel.h"
#include "runs/ConverterRules.h"
#include "components/audio/cd/CueTracks.h"
#include "converter/ExtentListWidget.h"
#include "converter/Icons.h"
#include "converter/ProgressInStatusBar.h"
#include "shell/ACfrmAbout.h"
#include "shell/BrowseForFolder.h"
#include "components/store/WindowSettings.h"
#include "shell/WindowServices.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QDropEvent>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

struct ToolbarButton {
    const char* key;
    const char* caption;
    const char* icon;  // under skins/icons; empty: the style's own
};
constexpr ToolbarButton kToolbar[] = {
    {"AddMusicFiles", QT_TRANSLATE_NOOP("frmAudioConverter", "Add"), "add.svg"},
    {"RemoveMusicFiles", QT_TRANSLATE_NOOP("frmAudioConverter", "Remove"), "remove.svg"},
    {"Convert", QT_TRANSLATE_NOOP("frmAudioConverter", "Convert"), "convert.svg"},
    {"About", QT_TRANSLATE_NOOP("frmAudioConverter", "About"), "about.svg"},
    {"Help", QT_TRANSLATE_NOOP("frmAudioConverter", "Help"), "help.svg"},
    {"Exit", QT_TRANSLATE_NOOP("frmAudioConverter", "Exit"), "exit.svg"},
};

}  // namespace

frmAudioConverter::frmAudioConverter(QWidget* parent)
    : QMainWindow(parent), Skin1(makeSkinControl()), Splash1(makeSplashControl()), AudioGrabber1(std::make_unique<CdGrabber>()) {
    setObjectName(QStringLiteral("frmAudioConverter"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Audio Converter"));
    buildControls();
    try {
        Form_Load();
    } catch (...) {
        ui::setScreenPointer(ui::Pointer::Default);
        throw;
    }
}

frmAudioConverter::~frmAudioConverter() = default;

void frmAudioConverter::buildControls() {
    auto* central = new QWidget(this);
    central->setObjectName(QStringLiteral("central"));
    auto* column = new QVBoxLayout(central);
    column->setContentsMargins(12, 10, 12, 8);
    column->setSpacing(10);
    column->addWidget(buildFileGroup(central), 1);
    column->addLayout(buildFormatRow(central));
    setCentralWidget(central);
    buildToolBar();
    buildStatusBar();
    buildPopupMenu();
    connectControls();
    resize(880, 600);
}

// The "Files to convert" group: the list, the output folder, and the run's options.
QGroupBox* frmAudioConverter::buildFileGroup(QWidget* central) {
    frameMain = new QGroupBox(tr("Files to convert"), central);
    frameMain->setObjectName(QStringLiteral("frameMain"));
    auto* grid = new QGridLayout(frameMain);
    grid->setColumnStretch(1, 1);

    lstFiles = new ExtentListWidget(frameMain);
    lstFiles->setObjectName(QStringLiteral("lstFiles"));
    lstFiles->setSelectionMode(QAbstractItemView::ExtendedSelection);
    lstFiles->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    lstFiles->setMinimumHeight(180);
    lstFiles->setAcceptDrops(true);
    lstFiles->viewport()->setAcceptDrops(true);
    lstFiles->setToolTip(tr("Add files with Ctrl+O or by dropping them here"));
    lstTemp = new QListWidget(frameMain);
    lstTemp->setObjectName(QStringLiteral("lstTemp"));
    lstTemp->hide();
    ListOut = new QListWidget(frameMain);
    ListOut->setObjectName(QStringLiteral("ListOut"));
    ListOut->hide();
    grid->addWidget(lstFiles, 0, 0, 1, 4);

    optSameFolder = new QRadioButton(tr("Output to same folder as original"), frameMain);
    optSameFolder->setObjectName(QStringLiteral("optSameFolder"));
    optOtherFolder = new QRadioButton(tr("Folder:"), frameMain);
    optOtherFolder->setObjectName(QStringLiteral("optOtherFolder"));
    txtFolder = new QLineEdit(frameMain);
    txtFolder->setObjectName(QStringLiteral("txtFolder"));
    cmdBrowse = new QPushButton(tr("Browse..."), frameMain);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    grid->addWidget(optSameFolder, 1, 0, 1, 4);
    grid->addWidget(optOtherFolder, 2, 0);
    grid->addWidget(txtFolder, 2, 1, 1, 2);
    grid->addWidget(cmdBrowse, 2, 3);

    chkDeleteSourceFiles = new QCheckBox(tr("Delete source file(s) after conversion"), frameMain);
    chkDeleteSourceFiles->setObjectName(QStringLiteral("chkDeleteSourceFiles"));
    chkPreserveIDTags = new QCheckBox(tr("Preserve ID Tags"), frameMain);
    chkPreserveIDTags->setObjectName(QStringLiteral("chkPreserveIDTags"));
    cmdConfigureCDParameters = new QPushButton(tr("Configure CD Parameters"), frameMain);
    cmdConfigureCDParameters->setObjectName(QStringLiteral("cmdConfigureCDParameters"));
    cmdRenameOutputFiles = new QPushButton(tr("Rename Output Files..."), frameMain);
    cmdRenameOutputFiles->setObjectName(QStringLiteral("cmdRenameOutputFiles"));
    grid->addWidget(chkDeleteSourceFiles, 3, 0, 1, 2);
    grid->addWidget(cmdConfigureCDParameters, 3, 2, 1, 2);
    grid->addWidget(chkPreserveIDTags, 4, 0, 1, 2);
    grid->addWidget(cmdRenameOutputFiles, 4, 2, 1, 2);
    chkParallel = new QCheckBox(tr("Use every processor core"), frameMain);
    chkParallel->setObjectName(QStringLiteral("chkParallel"));
    chkParallel->setToolTip(tr("Convert several files at once; the results are the same as one at a time"));
    grid->addWidget(chkParallel, 5, 0, 1, 2);
    chkLoudnessTags = new QCheckBox(tr("Write loudness tags (ReplayGain)"), frameMain);
    chkLoudnessTags->setObjectName(QStringLiteral("chkLoudnessTags"));
    chkLoudnessTags->setToolTip(tr("Measure each output and each album (the files of one source folder) "
                                   "and tag them so that players play them at one level"));
    grid->addWidget(chkLoudnessTags, 5, 2, 1, 2);
    buildPatternRow(grid, 6);
    return frameMain;
}

// "Name outputs by pattern", its pattern box and the preview of the names it gives.
void frmAudioConverter::buildPatternRow(QGridLayout* grid, int row) {
    chkNamePattern = new QCheckBox(tr("Name outputs by pattern"), frameMain);
    chkNamePattern->setObjectName(QStringLiteral("chkNamePattern"));
    txtPattern = new QLineEdit(frameMain);
    txtPattern->setObjectName(QStringLiteral("txtPattern"));
    txtPattern->setAccessibleName(tr("Output name pattern"));
    //: The field names in braces are what the pattern takes: keep them as they are
    txtPattern->setToolTip(tr("Fields: {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} "
                              "{name}; a \"/\" makes a folder"));
    lblPatternPreview = new QLabel(frameMain);
    lblPatternPreview->setObjectName(QStringLiteral("lblPatternPreview"));
    lblPatternPreview->setTextFormat(Qt::PlainText);
    grid->addWidget(chkNamePattern, row, 0, 1, 1);
    grid->addWidget(txtPattern, row, 1, 1, 3);
    grid->addWidget(lblPatternPreview, row + 1, 1, 1, 3);
}

// The row under the group: the output format with its settings, Record, Cancel and Convert.
QHBoxLayout* frmAudioConverter::buildFormatRow(QWidget* central) {
    auto* row = new QHBoxLayout;
    SkinLabel1 = new SkinLabel(tr("Convert to:"), central);
    imgcmbConvertTo = new QComboBox(central);
    imgcmbConvertTo->setObjectName(QStringLiteral("imgcmbConvertTo"));
    imgcmbConvertTo->setMinimumWidth(230);
    cmdConfigure = new QPushButton(tr("Configure..."), central);
    cmdConfigure->setObjectName(QStringLiteral("cmdConfigure"));
    cmRecord = new QPushButton(tr("Record"), central);
    cmRecord->setObjectName(QStringLiteral("cmRecord"));
    cmdCancel = new QPushButton(tr("Cancel"), central);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdConvert = new QPushButton(tr("Convert >>"), central);
    cmdConvert->setObjectName(QStringLiteral("cmdConvert"));
    cmdConvert->setDefault(true);
    row->addWidget(SkinLabel1);
    row->addWidget(imgcmbConvertTo);
    row->addWidget(cmdConfigure);
    row->addStretch(1);
    row->addWidget(cmRecord);
    row->addWidget(cmdCancel);
    row->addWidget(cmdConvert);
    // Screen readers name a field by its label; without one they take the title of the group
    // around it, which for the folder box is "Files to convert".
    lstFiles->setAccessibleName(frameMain->title());
    txtFolder->setAccessibleName(optOtherFolder->text());
    SkinLabel1->setBuddy(imgcmbConvertTo);
    return row;
}

void frmAudioConverter::buildToolBar() {
    tbToolBar = new QToolBar(tr("Commands"), this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
    for (const ToolbarButton& b : kToolbar) {
        QAction* action = tbToolBar->addAction(tr(b.caption));
        const QString key = QString::fromLatin1(b.key);
        action->setData(key);
        action->setObjectName(key);
        connect(action, &QAction::triggered, this, [this, key] { tbToolBar_ButtonClick(key); });
    }
    addToolBar(Qt::TopToolBarArea, tbToolBar);

}

// The status bar's four panels and the progress bar that covers panel 4 during a run.
void frmAudioConverter::buildStatusBar() {
    sbStatus = new QStatusBar(this);
    sbStatus->setObjectName(QStringLiteral("sbStatus"));
    sbStatus->setSizeGripEnabled(true);
    // Panels of one inch, widened where the font needs more room for the longest text
    // they show; panel 4 takes the rest of the bar.
    const int inch = ui::twipsToPixelsX(1440);
    for (int i = 0; i < 4; ++i) {
        sbPanel[i] = new QLabel(sbStatus);
        sbPanel[i]->setObjectName(QStringLiteral("sbPanel%1").arg(i + 1));
        sbPanel[i]->setMinimumWidth(inch);
        sbStatus->addPermanentWidget(sbPanel[i], i == 3 ? 1 : 0);
    }
    constexpr std::int32_t longestTime = (999 * 60 + 59) * 1000;
    const QString longest[] = {ProgressInStatusBar::FileCountText(9999, 9999), ProgressInStatusBar::ElapsedText(longestTime),
                               ProgressInStatusBar::RemainingText(longestTime)};
    for (int i = 0; i < 3; ++i)
        sbPanel[i]->setFixedWidth(std::max(inch, sbPanel[i]->fontMetrics().horizontalAdvance(longest[i]) + 12));
    setStatusBar(sbStatus);
    pbProgressBar = new QProgressBar(this);
    pbProgressBar->setObjectName(QStringLiteral("pbProgressBar"));
    pbProgressBar->setRange(0, 1000);  // tenths of a percent, so that 42.5 shows as 42.5
    //: The progress bar's text: %p is the percentage done
    pbProgressBar->setFormat(tr("%p%"));
    pbProgressBar->hide();

}

void frmAudioConverter::buildPopupMenu() {
    mnuPopup = new QMenu(QStringLiteral("PopupMenu"), this);
    mnuPopup->setObjectName(QStringLiteral("mnuPopup"));
    mnuPopupAdd = mnuPopup->addAction(tr("Add"));
    mnuPopupRemove = mnuPopup->addAction(tr("Remove"));
    mnuPopup->addSeparator();
    mnuPlay = mnuPopup->addAction(tr("Play"));
    mnuPopup->addSeparator();
    mnuPopupMoveUp = mnuPopup->addAction(tr("Move Up"));
    mnuPopupMoveDown = mnuPopup->addAction(tr("Move Down"));

}

void frmAudioConverter::connectControls() {
    connect(cmdBrowse, &QPushButton::clicked, this, &frmAudioConverter::cmdBrowse_Click);
    connect(optOtherFolder, &QRadioButton::clicked, this, &frmAudioConverter::optOtherFolder_Click);
    connect(txtFolder, &QLineEdit::textEdited, this, &frmAudioConverter::txtFolder_Change);
    connect(optSameFolder, &QRadioButton::clicked, this, &frmAudioConverter::optSameFolder_Click);
    connect(chkNamePattern, &QCheckBox::toggled, this, &frmAudioConverter::chkNamePattern_Click);
    connect(txtPattern, &QLineEdit::textChanged, this, &frmAudioConverter::txtPattern_Change);
    connect(lstFiles->model(), &QAbstractItemModel::rowsInserted, this, &frmAudioConverter::updatePatternPreview);
    connect(lstFiles->model(), &QAbstractItemModel::rowsRemoved, this, &frmAudioConverter::updatePatternPreview);
    connect(chkDeleteSourceFiles, &QCheckBox::clicked, this, &frmAudioConverter::chkDeleteSourceFiles_Click);
    connect(chkPreserveIDTags, &QCheckBox::clicked, this, &frmAudioConverter::chkPreserveIDTags_Click);
    connect(imgcmbConvertTo, &QComboBox::activated, this, &frmAudioConverter::imgcmbConvertTo_Click);
    connect(cmdConfigure, &QPushButton::clicked, this, &frmAudioConverter::cmdConfigure_Click);
    connect(cmdConfigureCDParameters, &QPushButton::clicked, this, &frmAudioConverter::cmdConfigureCDParameters_Click);
    connect(cmRecord, &QPushButton::clicked, this, &frmAudioConverter::cmRecord_Click);
    connect(mnuPlay, &QAction::triggered, this, &frmAudioConverter::mnuPlay_Click);
    AudioPlayer1 = std::make_unique<sound::AudioPlayer>();
    connect(AudioPlayer1.get(), &sound::AudioPlayer::Timer, this, &frmAudioConverter::AudioPlayer1_Timer);
    m_preview = std::make_unique<sound::FilePlayback>(AudioFile1, *AudioPlayer1);
    connect(m_preview.get(), &sound::FilePlayback::ended, this, &frmAudioConverter::AudioPlayer1_EndPlay);
    connect(cmdRenameOutputFiles, &QPushButton::clicked, this, &frmAudioConverter::cmdRenameOutputFiles_Click);
    connect(cmdConvert, &QPushButton::clicked, this, &frmAudioConverter::cmdConvert_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmAudioConverter::cmdCancel_Click);
    connect(mnuPopupAdd, &QAction::triggered, this, &frmAudioConverter::AddFiles);
    connect(mnuPopupRemove, &QAction::triggered, this, &frmAudioConverter::RemoveSelectedFiles);
    connect(mnuPopupMoveUp, &QAction::triggered, this, &frmAudioConverter::MoveUp);
    connect(mnuPopupMoveDown, &QAction::triggered, this, &frmAudioConverter::MoveDown);
    connect(Skin1.get(), &SkinControl::Click, this, &frmAudioConverter::Skin1_Click);
    connect(AudioGrabber1.get(), &CdGrabber::DiscChanged, this, &frmAudioConverter::AudioGrabber1_DiscChanged);
    lstFiles->installEventFilter(this);
    lstFiles->viewport()->installEventFilter(this);
}

void frmAudioConverter::Form_Load() {
    // The components are members, created with the window.
    // The window's look.
    Skin1->LoadSkin(ui::programFile(QStringLiteral("\\Main2.skn")));
    Skin1->ApplySkin(this);
    // A longer translation widens the window rather than cutting a button's text.
    for (QPushButton* button : {cmdConfigure, cmRecord, cmdCancel, cmdConvert}) {
        button->ensurePolished();
        button->setMinimumWidth(button->sizeHint().width());
    }
    Splash1->LoadSplash(ui::programFile(QStringLiteral("\\TarnAC.spl")));
    bPlaying = false;
    AudioFile1.setOption(true);
    //: The program's short title, on its message boxes
    ui::setAppTitle(tr("Audio Conv."));
    ui::setScreenPointer(ui::Pointer::Hourglass);
    Splash1->Display(0);
    // Toolbar images by key.
    for (QAction* action : tbToolBar->actions()) {
        for (const ToolbarButton& b : kToolbar) {
            if (action->data().toString() != QLatin1String(b.key)) continue;
            const QString file = ui::programFile(QStringLiteral("\\skins\\icons\\") + QLatin1String(b.icon));
            action->setIcon(QIcon(file));
        }
    }
    sbPanel[0]->setText(ProgressInStatusBar::ReadyText());
    for (int i = 1; i < 4; ++i) sbPanel[i]->clear();
    pbProgressBar->hide();
    FillFormatList(imgcmbConvertTo);
    LoadSettings();
    // The ripping options load hidden, so that their stored choices reach the grabber. A stored
    // MP3 preset is in the output settings from the start.
    grabDialog();
    if (const Mp3Choice mp3 = Mp3Choice::load(registryKey()); mp3.preset > 0) mp3.applyTo(m_settings.mp3);
    imgcmbConvertTo_Click();
    txtFolder->setText(sOutputFolder);
    setConfigureCDParametersEnabled(false);
    ui::setScreenPointer(ui::Pointer::Default);
}

// ---- Settings ----------------------------------------------------------------------------

void frmAudioConverter::LoadSettings() {
    ConverterWindowSettings defaults;
    defaults.outputFolder = converter::defaultOutputFolder();
    const ConverterWindowSettings stored = ConverterWindowSettings::load(defaults, imgcmbConvertTo->count());
    sOutputFolder = stored.outputFolder;
    iOutputFormat = static_cast<std::int16_t>(stored.outputFormat);
    bCustomFolder = stored.customFolder;
    bPreserveTags = stored.preserveTags;
    bDeleteSource = stored.deleteSource;
    chkParallel->setChecked(stored.parallel);
    chkLoudnessTags->setChecked(stored.loudnessTags);
    txtPattern->setText(stored.pattern);
    chkNamePattern->setChecked(stored.namePattern);
    chkNamePattern_Click();
    optOtherFolder->setChecked(bCustomFolder);
    optSameFolder->setChecked(!optOtherFolder->isChecked());
    chkPreserveIDTags->setChecked(bPreserveTags);
    chkDeleteSourceFiles->setChecked(bDeleteSource);
    imgcmbConvertTo->setCurrentIndex(iOutputFormat - 1);
}

void frmAudioConverter::SaveSettings() {
    ConverterWindowSettings s;
    s.outputFolder = sOutputFolder;
    s.outputFormat = iOutputFormat;
    s.customFolder = bCustomFolder;
    s.preserveTags = bPreserveTags;
    s.deleteSource = bDeleteSource;
    s.parallel = chkParallel->isChecked();
    s.loudnessTags = chkLoudnessTags->isChecked();
    s.namePattern = chkNamePattern->isChecked();
    s.pattern = txtPattern->text().trimmed().isEmpty() ? ConverterWindowSettings().pattern : txtPattern->text();
    s.save();
}

void frmAudioConverter::closeEvent(QCloseEvent* event) {
    // A run in progress stops at its next block; the window closes when it has.
    if (m_running) {
        bCancel = true;
        m_closeAfterRun = true;
        event->ignore();
        return;
    }
    // A preview ends with the window; its player must not reach a window that is gone.
    if (bPlaying) StopPreview();
    SaveSettings();
    m_unloaded = true;
    event->accept();
}

// ---- Properties --------------------------------------------------------------------------

void frmAudioConverter::setDeleteSourceFiles(bool value) {
    if (value == bDeleteSource) return;
    bDeleteSource = value;
    chkDeleteSourceFiles->setChecked(value);
}

void frmAudioConverter::setPreserveIDTags(bool value) {
    bPreserveTags = value;
    chkPreserveIDTags->setChecked(value);
}

void frmAudioConverter::setOutputToCustomFolder(bool value) {
    bCustomFolder = value;
    optOtherFolder->setChecked(value);
    optSameFolder->setChecked(!value);
}

QString frmAudioConverter::CustomOutputFolder() const { return txtFolder->text(); }

void frmAudioConverter::setCustomOutputFolder(const QString& value) {
    txtFolder->setText(value);
    sOutputFolder = value;
}

void frmAudioConverter::setConfigureCDParametersEnabled(bool bEnabled) {
    bCDParamsEnabled = bEnabled;
    cmdConfigureCDParameters->setVisible(bEnabled);
    // Shown while a CD track is listed, but there are no ripping options to open yet.
    cmdConfigureCDParameters->setEnabled(bEnabled);
}

void frmAudioConverter::setProgress(double dProgress) {
    const double shown = dProgress < 0 ? 0.0 : dProgress > 100 ? 100.0 : dProgress;
    pbProgressBar->setValue(static_cast<int>(std::lrint(shown * 10)));
}

double frmAudioConverter::progressValue() const { return pbProgressBar->value() / 10.0; }

void frmAudioConverter::SkinForm(QWidget* form) { skinControlsByKind(*Skin1, form, QStringLiteral("DefaultButt")); }

// ---- Commands ----------------------------------------------------------------------------

void frmAudioConverter::cmdBrowse_Click() {
    const QString folder = BrowseForFolder(this);
    if (!folder.isEmpty()) setCustomOutputFolder(folder);
    ListOut->clear();
}

void frmAudioConverter::optOtherFolder_Click() {
    setOutputToCustomFolder(optOtherFolder->isChecked());
    ListOut->clear();
}

void frmAudioConverter::txtFolder_Change() {
    // A typed folder is used by the next conversion, so the names computed for another are gone.
    ListOut->clear();
}

void frmAudioConverter::optSameFolder_Click() {
    setOutputToCustomFolder(!optSameFolder->isChecked());
    ListOut->clear();
}

void frmAudioConverter::chkNamePattern_Click() {
    txtPattern->setEnabled(chkNamePattern->isChecked());
    ListOut->clear();
    updatePatternPreview();
}

void frmAudioConverter::txtPattern_Change() {
    ListOut->clear();
    updatePatternPreview();
}

void frmAudioConverter::chkDeleteSourceFiles_Click() { setDeleteSourceFiles(chkDeleteSourceFiles->isChecked()); }
void frmAudioConverter::chkPreserveIDTags_Click() { setPreserveIDTags(chkPreserveIDTags->isChecked()); }

void frmAudioConverter::imgcmbConvertTo_Click() {
    // The outputs of a run in progress are fixed: the format stays until it ends.
    if (m_running) {
        imgcmbConvertTo->setCurrentIndex(iOutputFormat - 1);
        return;
    }
    setCursor(Qt::WaitCursor);
    iOutputFormat = static_cast<std::int16_t>(imgcmbConvertTo->currentIndex() + 1);
    m_dialogs.formatChosen(imgcmbConvertTo->currentData().toString());
    unsetCursor();
    ListOut->clear();
}

void frmAudioConverter::cmdConfigure_Click() {
    // Settings changed during a run would reach only some of its files.
    if (m_running) return;
    m_dialogs.showModal(imgcmbConvertTo->currentData().toString());
}

QString frmAudioConverter::registryKey() const { return ConverterWindowSettings::key(); }

void frmAudioConverter::cmdConfigureCDParameters_Click() { grabDialog().exec(); }

ACfrmGrab& frmAudioConverter::grabDialog() {
    if (!m_grab || m_grab->isUnloaded()) m_grab = new ACfrmGrab(*this);
    return *m_grab;
}

// A disc went in or out: the ripping options show the drive as it is now. During a run the
// re-read waits for the run's end, so that the track being read is never touched.
void frmAudioConverter::AudioGrabber1_DiscChanged() {
    if (m_running) {
        m_discChangedInRun = true;
        return;
    }
    grabDialog().RefreshCD();
}

void frmAudioConverter::cmRecord_Click() {
    // One recorder, modeless and without an owner: it outlives this window, so a recording or
    // a playback goes on when the converter closes, and a converter opened again finds it.
    if (!m_recorder) {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* open = qobject_cast<ACMainRecord*>(window)) m_recorder = open;
    }
    if (!m_recorder) {
        auto* recorder = new ACMainRecord(Skin1.get());
        recorder->setAttribute(Qt::WA_DeleteOnClose);
        m_recorder = recorder;
    }
    m_recorder->show();
    m_recorder->raise();
    m_recorder->activateWindow();
}

void frmAudioConverter::cmdCancel_Click() { bCancel = true; }

void frmAudioConverter::openHelp(const QString& fixedName) {
    // A missing help file shows nothing from this window.
    ui::openWithDefaultApplication(ui::programFile(fixedName));
}

void frmAudioConverter::showAbout() {
    ACfrmAbout about(this);
    about.exec();
}

void frmAudioConverter::tbToolBar_ButtonClick(const QString& key) {
    if (key == QStringLiteral("AddMusicFiles")) AddFiles();
    else if (key == QStringLiteral("RemoveMusicFiles")) RemoveSelectedFiles();
    else if (key == QStringLiteral("Convert")) cmdConvert_Click();
    else if (key == QStringLiteral("About")) showAbout();
    else if (key == QStringLiteral("Help")) openHelp(QStringLiteral("\\help.html"));
    else {
        SaveSettings();
        close();
    }
}

void frmAudioConverter::Skin1_Click(const SkinObject& source) {
    // The skin's buttons stay usable during a run: what would change the list or start
    // another run is refused then.
    if (m_running) return;
    const QString& name = source.Name;
    if (name == QStringLiteral("Add")) AddFiles();
    else if (name == QStringLiteral("Remove")) RemoveSelectedFiles();
    else if (name == QStringLiteral("Convert")) cmdConvert_Click();
    else if (name == QStringLiteral("Record")) cmRecord_Click();
    else if (name == QStringLiteral("Help")) openHelp(QStringLiteral("\\AChelp.html"));
    else if (name == QStringLiteral("About")) showAbout();
}

// ---- File list ---------------------------------------------------------------------------

QStringList frmAudioConverter::GetArrayOfFilenames(const QString& sFilenames) {
    return converter::splitDialogResult(sFilenames);
}

void frmAudioConverter::AddFiles() {
    ui::FileDialogRequest request;
    request.kind = ui::FileDialogRequest::Kind::OpenFiles;
    request.owner = this;
    request.title = tr("Open Input Audio File");
    request.filter = converter::openDialogFilter();
    request.multiSelect = true;
    // The track folders of every drive with an audio disc and of every opened disc image.
    const int current = AudioGrabber1->CurrentDrive();
    for (int i = 0; i < AudioGrabber1->DriveCount(); ++i) {
        AudioGrabber1->setCurrentDrive(i);
        if (!AudioGrabber1->RootText().isEmpty()) request.sidebar << QUrl::fromLocalFile(AudioGrabber1->RootText());
    }
    AudioGrabber1->setCurrentDrive(current);
    const ui::FileDialogResult result = ui::FileDialog(request);
    const QString text = result.accepted ? converter::dialogResultText(result.urls) : QString();
    if (text.isEmpty()) return;  // cancelled: nothing changes
    addPaths(GetArrayOfFilenames(text));
}

QStringList frmAudioConverter::imageTracks(const QString& image) {
    // A sheet that names audio files is cut here; only raw images become a drive.
    if (cue::isSheetPath(image) && !cue::isDiscImageSheet(image)) {
        const cue::AudioSheet sheet = cue::readAudioSheet(image);
        if (!sheet.refusal.isEmpty())
            ui::MsgBox(tr("The CUE sheet '%1' could not be opened: %2").arg(image, sheet.refusal), ui::MsgButtons::OK,
                       ui::MsgIcon::Exclamation);
        return cue::trackEntries(sheet);
    }
    if (AudioGrabber1->OpenImage(image) < 0) {
        ui::MsgBox(tr("The disc image '%1' could not be opened: %2").arg(image, AudioGrabber1->reason()),
                   ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return {};
    }
    const QDir folder(AudioGrabber1->RootText());
    QStringList tracks;
    for (const QString& name : folder.entryList({QStringLiteral("Track*.cda")}, QDir::Files, QDir::Name))
        tracks << AudioGrabber1->RootText() + name;
    return tracks;
}

void frmAudioConverter::addPaths(const QStringList& paths) {
    // A disc image stands for its audio tracks.
    QStringList entries;
    for (const QString& path : paths) {
        const QString suffix = QFileInfo(path).suffix().toLower();
        if (suffix == QStringLiteral("cue") || suffix == QStringLiteral("toc") || suffix == QStringLiteral("nrg"))
            entries << imageTracks(path);
        else
            entries << path;
    }
    for (const QString& path : entries)
        if (!IsInList(path)) AddItemWithExtent(path);
    UpdateCDParametersButton();
    ListOut->clear();
}

bool frmAudioConverter::IsInList(const QString& path) const {
    for (int i = 0; i < lstFiles->count(); ++i)
        if (lstFiles->item(i)->text() == path) return true;
    return false;
}

int frmAudioConverter::AddItemWithExtent(const QString& line) {
    const int width = lstFiles->fontMetrics().horizontalAdvance(line) + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    if (width > m_extent) {
        m_extent = width;
        static_cast<ExtentListWidget*>(lstFiles)->setHorizontalExtent(m_extent);
    }
    lstFiles->addItem(line);
    return lstFiles->count() - 1;
}

void frmAudioConverter::RemoveSelectedFiles() {
    if (lstFiles->selectedItems().isEmpty()) {
        ui::MsgBox(tr("You must select on the audio file that you want to delete it"), ui::MsgButtons::OK,
                   ui::MsgIcon::None);
        return;
    }
    for (int i = lstFiles->count() - 1; i >= 0; --i)
        if (lstFiles->item(i)->isSelected()) delete lstFiles->takeItem(i);
    UpdateCDParametersButton();
    ListOut->clear();
}

namespace {
QStringList entriesOf(const QListWidget* list) {
    QStringList out;
    for (int i = 0; i < list->count(); ++i) out << list->item(i)->text();
    return out;
}
int highestSelected(const QListWidget* list) {
    for (int i = list->count() - 1; i >= 0; --i)
        if (list->item(i)->isSelected()) return i;
    return -1;
}
}  // namespace

void frmAudioConverter::MoveUp() {
    lstTemp->clear();
    if (lstFiles->count() > 0 && lstFiles->item(0)->isSelected()) return;
    const auto moved = converter::movedUp(entriesOf(lstFiles), highestSelected(lstFiles));
    if (!moved) return;
    lstTemp->addItems(*moved);
    lstFiles->clear();
    for (const QString& line : *moved) AddItemWithExtent(line);
    ListOut->clear();
}

void frmAudioConverter::MoveDown() {
    lstTemp->clear();
    const int last = lstFiles->count() - 1;
    if (last >= 0 && lstFiles->item(last)->isSelected()) return;
    const auto moved = converter::movedDown(entriesOf(lstFiles), highestSelected(lstFiles));
    if (!moved) return;
    lstTemp->addItems(*moved);
    lstFiles->clear();
    for (const QString& line : *moved) AddItemWithExtent(line);
    ListOut->clear();
}

void frmAudioConverter::SelectAll() {
    for (int i = 0; i < lstFiles->count(); ++i) lstFiles->item(i)->setSelected(true);
}

void frmAudioConverter::UpdateCDParametersButton() {
    bool anyCd = false;
    for (int i = 0; i < lstFiles->count() && !anyCd; ++i) anyCd = converter::isCdTrack(lstFiles->item(i)->text());
    setConfigureCDParametersEnabled(anyCd);
}

void frmAudioConverter::UpdatePopupMenu() {
    const qsizetype selected = lstFiles->selectedItems().size();
    mnuPopupMoveDown->setEnabled(selected > 0);
    mnuPopupMoveUp->setEnabled(selected > 0);
    mnuPopupRemove->setEnabled(selected > 0);
    if (bPlaying) {
        mnuPlay->setText(tr("Stop"));
        mnuPlay->setEnabled(true);
    } else {
        mnuPlay->setText(tr("Play"));
        mnuPlay->setEnabled(selected == 1);
    }
    mnuPopupAdd->setEnabled(true);
}

void frmAudioConverter::showPopupMenu(const QPoint& globalPos) {
    UpdatePopupMenu();
    mnuPopup->popup(globalPos);
}

bool frmAudioConverter::lstFiles_KeyDown(int key, Qt::KeyboardModifiers shift) {
    // Only Ctrl on its own counts; keys without Ctrl do nothing here.
    if (shift != Qt::ControlModifier) return false;
    if (m_running) return true;
    switch (key) {
    case Qt::Key_O: AddFiles(); return true;
    case Qt::Key_D: RemoveSelectedFiles(); return true;
    case Qt::Key_P: cmdConvert_Click(); return true;
    case Qt::Key_A: SelectAll(); return true;
    default: return false;
    }
}

bool frmAudioConverter::eventFilter(QObject* watched, QEvent* event) {
    if (watched == lstFiles && event->type() == QEvent::KeyPress) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers shift = key->modifiers() & ~Qt::KeypadModifier;
        if (lstFiles_KeyDown(key->key(), shift)) return true;
    }
    if (watched == lstFiles->viewport()) {
        switch (event->type()) {
        case QEvent::MouseButtonRelease: {
            auto* mouse = static_cast<QMouseEvent*>(event);
            if (mouse->button() == Qt::RightButton && mouse->buttons() == Qt::NoButton) {
                showPopupMenu(mouse->globalPosition().toPoint());
                return true;
            }
            break;
        }
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto* drag = static_cast<QDropEvent*>(event);
            if (drag->mimeData()->hasUrls()) {
                drag->acceptProposedAction();
                return true;
            }
            break;
        }
        case QEvent::Drop: {
            auto* drop = static_cast<QDropEvent*>(event);
            if (m_running) return true;
            QStringList paths;
            for (const QUrl& url : drop->mimeData()->urls())
                if (url.isLocalFile()) paths << url.toLocalFile();
            if (!paths.isEmpty()) {
                addPaths(paths);
                drop->acceptProposedAction();
            }
            return true;
        }
        default: break;
        }
    }
    return QMainWindow::eventFilter(watched, event);
}
