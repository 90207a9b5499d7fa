#include "recorder/ACMainRecord.h"

#include "components/sound/SoundClock.h"
#include "components/ui/Skin.h"
#include "components/ui/Visualisation.h"
#include "shell/DesktopJobs.h"
#include "shell/WindowServices.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>
#include <QToolButton>
#include <QVBoxLayout>

using recorder::Transport;

namespace {
// The recorder hands over a second of sound at a time, each written as it comes.
constexpr int kRecordBlockMs = 1000;
}  // namespace

ACMainRecord::ACMainRecord(SkinControl* skin, QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("ACMainRecord"));
    setWindowTitle(tr("Recorder"));
    buildControls();
    Form_Load(skin);
}

ACMainRecord::~ACMainRecord() {
    // Destroyed without a close (the program ends): the recording still gets what was captured.
    if (Recording) finishRecording();
}

void ACMainRecord::buildControls() {
    buildTransport();
    buildStatusBar();
    buildMenus();
    connectHandlers();
    resize(460, 300);
}

// The visualisation over a row of transport buttons.
void ACMainRecord::buildTransport() {
    auto* central = new QWidget(this);
    auto* layout = new QVBoxLayout(central);
    layout->setContentsMargins(10, 10, 10, 6);
    layout->setSpacing(8);
    av1 = new Visualisation(central);
    av1->setObjectName(QStringLiteral("av1"));
    av1->setMinimumSize(320, 130);
    layout->addWidget(av1, 1);

    auto* row = new QHBoxLayout;
    row->setSpacing(6);
    auto button = [&](const char* name, const char* icon, const QString& tip) {
        auto* b = new QToolButton(central);
        b->setObjectName(QLatin1String(name));
        b->setIcon(QIcon(ui::programFile(QStringLiteral("\\skins\\icons\\") + QLatin1String(icon))));
        b->setIconSize(QSize(26, 26));
        b->setToolTip(tip);
        b->setAccessibleName(tip);  // a picture button: screen readers say its tooltip
        b->setAutoRaise(true);
        row->addWidget(b);
        return b;
    };
    playButton = button("playButton", "rec_play.svg", tr("Play a file"));
    pausButton = button("pausButton", "rec_pause.svg", tr("Pause or resume"));
    //: A button: stops playing or recording
    stopButton = button("stopButton", "rec_stop.svg", tr("Stop", "button"));
    recButton = button("recButton", "rec_record.svg", tr("Record into a file"));
    row->addStretch(1);
    layout->addLayout(row);
    setCentralWidget(central);
}

// The state and the time.
void ACMainRecord::buildStatusBar() {
    auto* bar = new QStatusBar(this);
    bar->setObjectName(QStringLiteral("StatusBar1"));
    bar->setSizeGripEnabled(false);
    StatusBar1[0] = new QLabel(bar);
    StatusBar1[0]->setObjectName(QStringLiteral("Status"));
    StatusBar1[1] = new QLabel(tr("Time:"), bar);
    StatusBar1[1]->setFixedWidth(ui::twipsToPixelsX(1440) + 20);
    bar->addWidget(StatusBar1[0], 1);
    bar->addWidget(StatusBar1[1], 0);
    setStatusBar(bar);
}

// "Visual", "Frequency" and "Channels"; each frequency item selects its rate.
void ACMainRecord::buildMenus() {
    mnuVisual = menuBar()->addMenu(tr("Visual"));
    mnuLinear = mnuVisual->addAction(tr("Linear"));
    mnuNormal = mnuVisual->addAction(tr("Normal"));
    mnuFire = mnuVisual->addAction(tr("Fire"));
    menuGlass = mnuVisual->addAction(tr("Glass"));
    mnuKryptonite = mnuVisual->addAction(tr("Kryptonite"));
    mnufreq = menuBar()->addMenu(tr("Frequency"));
    for (int i = 0; i < 9; ++i) {
        mnufreqItems[i] = mnufreq->addAction(recorder::frequencyCaption(i + 1));
        mnufreqItems[i]->setObjectName(QStringLiteral("mnufreq%1").arg(i + 1));
        mnufreqItems[i]->setCheckable(true);
        connect(mnufreqItems[i], &QAction::triggered, this, [this, i] { SelectFrequency(i + 1); });
    }
    mnuChannels = menuBar()->addMenu(tr("Channels"));
    mnuStereo = mnuChannels->addAction(tr("Stereo"));
    mnuMono = mnuChannels->addAction(tr("Mono"));
    mnuStereo->setCheckable(true);
    mnuMono->setCheckable(true);
}

void ACMainRecord::connectHandlers() {
    const std::pair<QAction*, int> styles[] = {
        {mnuLinear, 1}, {mnuNormal, 2}, {mnuFire, 3}, {menuGlass, 4}, {mnuKryptonite, 5}};
    for (const auto& [action, code] : styles)
        connect(action, &QAction::triggered, this, [this, code = code] { selectStyle(code); });
    connect(mnuStereo, &QAction::triggered, this, &ACMainRecord::mnuStereo_Click);
    connect(mnuMono, &QAction::triggered, this, &ACMainRecord::mnuMono_Click);
    connect(playButton, &QToolButton::clicked, this, &ACMainRecord::playButton_Click);
    connect(pausButton, &QToolButton::clicked, this, &ACMainRecord::pausButton_Click);
    connect(stopButton, &QToolButton::clicked, this, &ACMainRecord::stopButton_Click);
    connect(recButton, &QToolButton::clicked, this, &ACMainRecord::recButton_Click);
    connect(av1, &Visualisation::clicked, this, [this](QPoint at) { mnuVisual->popup(at); });
}

void ACMainRecord::Form_Load(SkinControl* skin) {
    if (skin) skin->ApplySkinByName(this, QStringLiteral("Small Form"));
    AudioFileRec = std::make_unique<AudioFile>();
    AudioFilePlay = std::make_unique<AudioFile>();
    AudioRecord = std::make_unique<sound::AudioRecorder>();
    AudioPlayer1 = std::make_unique<sound::AudioPlayer>();
    m_playback = std::make_unique<sound::FilePlayback>(*AudioFilePlay, *AudioPlayer1);
    connect(m_playback.get(), &sound::FilePlayback::ended, this, &ACMainRecord::stopButton_Click);
    connect(AudioPlayer1.get(), &sound::AudioPlayer::Timer, this, &ACMainRecord::AudioPlayer1_Timer);
    connect(AudioRecord.get(), &sound::AudioRecorder::EndArrayRecord, this, &ACMainRecord::AudioRecord_EndArrayRecord);
    connect(AudioRecord.get(), &sound::AudioRecorder::Timer, this, &ACMainRecord::AudioRecord_Timer);
    m_session = std::make_unique<recorder::RecordingSession>(*AudioFileRec);
    // A fresh recorder records CD-quality stereo; the menus show it.
    SelectFrequency(8);
    mnuStereo_Click();
    showState(Transport::Idle);
}

Transport ACMainRecord::transport() const {
    if (Recording) return Transport::Recording;
    if (Playing) return flgPause ? Transport::Paused : Transport::Playing;
    return Transport::Idle;
}

void ACMainRecord::showState(Transport state) {
    const recorder::TransportLook look = recorder::lookOf(state);
    StatusBar1[0]->setText(QCoreApplication::translate("ACMainRecord", look.status));
    playButton->setEnabled(look.play);
    pausButton->setEnabled(look.pause);
    stopButton->setEnabled(look.stop);
    recButton->setEnabled(look.rec);
    // The format cannot change under a running recording.
    mnufreq->setEnabled(state != Transport::Recording);
    mnuChannels->setEnabled(state != Transport::Recording);
}

void ACMainRecord::showTime(std::int64_t ms) { StatusBar1[1]->setText(sound::timeText(ms)); }

// ---- Files -----------------------------------------------------------------------------------

QString ACMainRecord::ChooseFile(const QString& title, bool forOpen) {
    ui::FileDialogRequest request;
    request.kind = forOpen ? ui::FileDialogRequest::Kind::OpenFiles : ui::FileDialogRequest::Kind::SaveFile;
    request.owner = this;
    request.title = title;
    request.directory = QDir::homePath();
    request.filter = recorder::fileFilter();
    request.filterIndex = 1;
    const ui::FileDialogResult result = ui::FileDialog(request);
    if (!result.accepted || result.urls.isEmpty()) return {};
    QString name = result.urls.first().toLocalFile();
    if (forOpen) return name;
    name = recorder::recordingPath(name, result.filterIndex);
    if (QFile::exists(name)
        && ui::MsgBox(tr("This file already exists do you want to replace it"), ui::MsgButtons::OKCancel)
               == ui::MsgResult::Cancel)
        return {};
    return name;
}

// ---- Playback --------------------------------------------------------------------------------

void ACMainRecord::playButton_Click() {
    //: The title of the file dialog that chooses a file to play
    const QString name = ChooseFile(tr("Play"), true);
    if (name.isEmpty() || !QFile::exists(name) || Playing) return;
    QString why;
    if (!StartPlayback(name, &why)) {
        // Nothing plays: say why, and stay ready for the next file.
        ui::MsgBox(tr("The file cannot be played:\n%1\n%2").arg(name, why),
                   ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return;
    }
    Playing = true;
    flgPause = false;
    showState(Transport::Playing);
}

bool ACMainRecord::StartPlayback(const QString& fileName, QString* why) {
    if (!m_playback->start(fileName)) {
        *why = m_playback->reason();
        return false;
    }
    av1->setSampleRate(AudioFilePlay->sampleRate());
    Playing = true;
    return true;
}

void ACMainRecord::StopPlayback() {
    m_playback->stop();
    Playing = false;
}

void ACMainRecord::TogglePause() {
    if (!Playing) return;
    flgPause = !flgPause;
    if (flgPause) m_playback->pause();
    else m_playback->resume();
    showState(transport());
}

// ---- Recording -------------------------------------------------------------------------------

void ACMainRecord::recButton_Click() {
    //: The title of the file dialog that chooses the file to record into
    const QString name = ChooseFile(tr("Record"), false);
    if (name.isEmpty()) return;
    if (!m_session->begin(name, m_rate, m_channels)) {
        ui::MsgBox(tr("Cannot record into this file:\n%1\n%2").arg(name, m_session->error()),
                   ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
        return;
    }
    AudioRecord->prepare(m_rate, m_channels);
    AudioRecord->setBlockSize(AudioRecord->samplesForMs(kRecordBlockMs));
    AudioRecord->start();
    if (AudioRecord->status() < 0) {
        // Nothing can be recorded: the file that was just begun holds nothing worth keeping.
        m_session->finish();
        QFile::remove(name);
        ui::MsgBox(tr("Recording could not start:\n%1").arg(AudioRecord->reason()), ui::MsgButtons::OK,
                   ui::MsgIcon::Exclamation);
        return;
    }
    m_recordingPath = name;
    av1->setSampleRate(m_rate);
    Recording = true;
    //: Why the computer is kept from sleeping, as the desktop shows it
    m_awake = ui::keepAwake(tr("Recording sound"));
    showState(Transport::Recording);
}

void ACMainRecord::AudioRecord_EndArrayRecord(int) {
    SampleBlock block = AudioRecord->takeBlock();
    if (block.empty() || !Recording) return;
    m_lastBlock = block;
    m_session->push(std::move(block));
    // The file took no more sound (a full disk, its folder gone): the recording ends here, with
    // the message saying why, rather than piling up sound that can no longer be written.
    if (m_session->ended()) stopButton_Click();
}

void ACMainRecord::finishRecording() {
    AudioRecord->stop();
    ui::DoEvents();
    // Everything the recorder still holds goes into the file before it closes.
    for (SampleBlock block = AudioRecord->takeBlock(); !block.empty(); block = AudioRecord->takeBlock()) {
        m_lastBlock = block;
        m_session->push(std::move(block));
    }
    const audio::JobOutcome outcome = m_session->finish();
    Recording = false;
    m_awake.reset();
    if (!outcome.written())
        ui::MsgBox(tr("The recording could not be written completely:\n%1\n%2").arg(m_recordingPath, outcome.reason),
                   ui::MsgButtons::OK, ui::MsgIcon::Exclamation);
}

void ACMainRecord::stopButton_Click() {
    if (m_stopping) return;
    m_stopping = true;
    if (Recording) {
        finishRecording();
        av1->draw(m_lastBlock, m_channels);
    } else if (Playing) {
        StopPlayback();
    }
    flgPause = false;
    showState(Transport::Idle);
    StatusBar1[1]->setText(tr("Time:"));
    av1->draw(SampleBlock(1, 0), 1);
    m_stopping = false;
}

// ---- Timers ------------------------------------------------------------------------------------

void ACMainRecord::AudioPlayer1_Timer(qint64 CurrentSamples, int, int) {
    if (!Playing || flgPause) return;
    showTime(AudioPlayer1->msForSamples(CurrentSamples + m_playback->startFrame()));
    const int channels = AudioFilePlay->channels();
    av1->draw(AudioPlayer1->latestSamples(av1->wantedSamples() * channels), channels);
    ui::DoEvents();
}

void ACMainRecord::AudioRecord_Timer(qint64 CurrentSamples, int, int) {
    if (!Recording) return;
    showTime(AudioRecord->msForSamples(CurrentSamples));
    av1->draw(AudioRecord->latestSamples(av1->wantedSamples() * m_channels), m_channels);
    ui::DoEvents();
}

// ---- Menus -------------------------------------------------------------------------------------

void ACMainRecord::SelectFrequency(int item) {
    for (QAction* a : mnufreqItems) a->setChecked(false);
    if (item < 1 || item > 9) {
        ui::MsgBox(tr("Error"));
        return;
    }
    mnufreqItems[item - 1]->setChecked(true);
    m_rate = recorder::kFrequencies[static_cast<std::size_t>(item - 1)];
    applyFormat();
}

void ACMainRecord::mnuStereo_Click() {
    mnuStereo->setChecked(true);
    mnuMono->setChecked(false);
    m_channels = 2;
    applyFormat();
}

void ACMainRecord::mnuMono_Click() {
    mnuStereo->setChecked(false);
    mnuMono->setChecked(true);
    m_channels = 1;
    applyFormat();
}

void ACMainRecord::applyFormat() {
    if (AudioFileRec) recorder::applyRecordingFormat(*AudioFileRec, m_rate, m_channels);
}

void ACMainRecord::selectStyle(int code) {
    av1->setStyle(code);
    av1->switchOn();
}

void ACMainRecord::closeEvent(QCloseEvent* event) {
    // A recording keeps what the recorder still holds; a playback simply stops.
    if (Recording) finishRecording();
    if (Playing) StopPlayback();
    AudioFilePlay->Close();
    event->accept();
}
