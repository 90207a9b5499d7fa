#include "ripping/ACfrmGrab.h"

#include "components/audio/cd/CdGrabber.h"
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/net/DiscLookup.h"
#include "components/ui/Skin.h"
#include "components/store/WindowSettings.h"
#include "ripping/ReleaseChoice.h"
#include "runs/ReadOffsetFinder.h"
#include "shell/WindowServices.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

const QString kSkinSection = QStringLiteral("Small Form");

// The hourglass for the lifetime of the object, also when a skin or grabber call throws.
struct Hourglass {
    Hourglass() { ui::setScreenPointer(ui::Pointer::Hourglass); }
    ~Hourglass() { ui::setScreenPointer(ui::Pointer::Default); }
    Hourglass(const Hourglass&) = delete;
    Hourglass& operator=(const Hourglass&) = delete;
};

QRadioButton* makeOption(QWidget* parent, const char* name, const QString& caption) {
    auto* option = new QRadioButton(caption, parent);
    option->setObjectName(QLatin1String(name));
    return option;
}

QSpinBox* makeSpin(QWidget* parent, const char* name, GrabSettings::Range range, int step) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(range.minimum, range.maximum);
    spin->setSingleStep(step);
    return spin;
}

QLineEdit* makeText(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

}  // namespace

QString GrabDialogOwner::cdplayerIniPath() const { return defaultCdplayerIniPath(); }
QString GrabDialogOwner::currentDriveName() const { return cdGrabber() ? cdGrabber()->driveName() : QString(); }
QString GrabDialogOwner::accurateRipCache() const { return net::defaultAccurateRipCache(); }

QString ACfrmGrab::defaultAgentName() { return QStringLiteral("Audio Converter"); }
QString ACfrmGrab::defaultEmail() { return QStringLiteral("support@brindlewood.example"); }

ACfrmGrab::ACfrmGrab(GrabDialogOwner& owner) : SettingsDialog(owner.ownerWindow()), m_owner(owner) {
    setObjectName(QStringLiteral("ACfrmGrab"));
    setWindowTitle(tr("Ripping Options"));
    buildControls();
    Form_Load();
}

void ACfrmGrab::buildControls() {
    QGroupBox* grabGroup = buildGrabOptions();
    QGroupBox* cddbGroup = buildCddbOptions();
    QGroupBox* arGroup = buildAccurateRipOptions();
    cmdOk = new QPushButton(tr("&Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(14, 14, 14, 12);
    grid->setSpacing(10);
    grid->addWidget(grabGroup, 0, 0);
    grid->addWidget(cddbGroup, 0, 1, 2, 1);
    grid->addWidget(arGroup, 1, 0);
    grid->addLayout(buttonRow({cmdOk, cmdCancel}), 2, 0, 1, 2);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    // "clicked" is the user's choice; options set by the dialog itself stay quiet.
    connect(m_readModes, &QButtonGroup::idClicked, this, &ACfrmGrab::readMode_Click);
    connect(udDriveSpeed, &QSpinBox::valueChanged, this, &ACfrmGrab::udDriveSpeed_Change);
    connect(udRetries, &QSpinBox::valueChanged, this, &ACfrmGrab::udRetries_Change);
    connect(udSpinUpTime, &QSpinBox::valueChanged, this, &ACfrmGrab::udSpinUpTime_Change);
    connect(udTimeOut, &QSpinBox::valueChanged, this, &ACfrmGrab::udTimeOut_Change);
    connect(GetCDDBButton, &QPushButton::clicked, this, &ACfrmGrab::GetCDDBButton_Click);
    connect(cmdDetectOffset, &QPushButton::clicked, this, &ACfrmGrab::cmdDetectOffset_Click);
    connect(cmdOk, &QPushButton::clicked, this, &ACfrmGrab::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ACfrmGrab::cmdCancel_Click);
}

QGroupBox* ACfrmGrab::buildGrabOptions() {
    auto* group = new QGroupBox(tr("Grab Options"), this);
    group->setObjectName(QStringLiteral("fraGrabOptions"));
    optBurst = makeOption(group, "optBurst", tr("Burst Mode (Fast, no Error Correction)"));
    optSynch = makeOption(group, "optSynch", tr("Synch Mode (Correct Jitter Errors)"));
    optSecure = makeOption(group, "optSecure", tr("Secure Mode (Double Precision Error Correction)"));
    optParanoid = makeOption(group, "optParanoid", tr("Paranoid Mode (Small Blocks Read, drive cache disable)"));
    optBurst->setChecked(true);
    m_readModes = new QButtonGroup(this);
    int mode = GrabSettings::kReadModes.minimum;
    for (QRadioButton* option : {optBurst, optSynch, optSecure, optParanoid}) m_readModes->addButton(option, mode++);

    auto* speedBefore = new QLabel(tr("Extraction Speed Low or Equal:"), group);
    txtDriveSpeed = udDriveSpeed = makeSpin(group, "txtDriveSpeed", GrabSettings::kDriveSpeeds, 4);
    auto* speedAfter = new QLabel(tr("x 176 kB/sec"), group);
    auto* retriesLabel = new QLabel(tr("Retries on Read or Synch Error:"), group);
    txtGrabRetriesOnError = udRetries = makeSpin(group, "txtGrabRetriesOnError", GrabSettings::kRetries, 1);
    auto* actionLabel = new QLabel(tr("Action on error:"), group);
    cmbErrorAction = new QComboBox(group);
    cmbErrorAction->setObjectName(QStringLiteral("cmbErrorAction"));
    chkDeEmphasise = new QCheckBox(tr("De-emphasise"), group);
    chkDeEmphasise->setObjectName(QStringLiteral("chkDeEmphasise"));
    chkDeEmphasise->setToolTip(tr("Undo the pre-emphasis of tracks mastered with it (50/15 µs) "
                                  "instead of keeping the disc's audio as it is, tagged as such"));
    // Each field is announced by its own label rather than by the title of its group.
    speedBefore->setBuddy(txtDriveSpeed);
    retriesLabel->setBuddy(txtGrabRetriesOnError);
    actionLabel->setBuddy(cmbErrorAction);

    auto* grid = new QGridLayout(group);
    int row = 0;
    for (QAbstractButton* option : m_readModes->buttons()) grid->addWidget(option, row++, 0, 1, 3);
    grid->addWidget(speedBefore, row, 0);
    grid->addWidget(txtDriveSpeed, row, 1);
    grid->addWidget(speedAfter, row++, 2);
    grid->addWidget(retriesLabel, row, 0);
    grid->addWidget(txtGrabRetriesOnError, row++, 1);
    grid->addWidget(actionLabel, row, 0);
    grid->addWidget(cmbErrorAction, row++, 1, 1, 2);
    grid->addWidget(chkDeEmphasise, row++, 0, 1, 3);
    chkOneFile = new QCheckBox(tr("Rip the disc as one file"), group);
    chkOneFile->setObjectName(QStringLiteral("chkOneFile"));
    grid->addWidget(chkOneFile, row++, 0, 1, 3);
    chkTestAndCopy = new QCheckBox(tr("Test and copy"), group);
    chkTestAndCopy->setObjectName(QStringLiteral("chkTestAndCopy"));
    chkTestAndCopy->setToolTip(tr("Read each track twice and compare the CRC32s of the two reads"));
    grid->addWidget(chkTestAndCopy, row++, 0, 1, 3);
    grid->setRowStretch(row, 1);
    return group;
}

QGroupBox* ACfrmGrab::buildCddbOptions() {
    auto* group = new QGroupBox(tr("CDDB"), this);
    group->setObjectName(QStringLiteral("fraCDDB"));
    chkDriveLockTray = new QCheckBox(tr("Lock CD Tray During Grab"), group);
    chkDriveLockTray->setObjectName(QStringLiteral("chkDriveLockTray"));
    chkSafeMode = new QCheckBox(tr("Mode Safe"), group);
    chkSafeMode->setObjectName(QStringLiteral("chkSafeMode"));
    auto* spinUpLabel = new QLabel(tr("Spin Up during:"), group);
    txtSpinUpTime = udSpinUpTime = makeSpin(group, "txtSpinUpTime", GrabSettings::kMilliseconds, 500);
    spinUpLabel->setBuddy(txtSpinUpTime);
    optCDDBAny = makeOption(group, "optCDDBAny", tr("Get CDDB from any available source"));
    optCDDBOnLine = makeOption(group, "optCDDBOnLine", tr("Get CDDB info from On-Line Data Base"));
    optCDPLAYERINI = makeOption(group, "optCDPLAYERINI", tr("Use only cdplayer.ini"));
    optCDDBAny->setChecked(true);
    // Codes of the saved value: one more than the look-up's source code.
    m_cddbSources = new QButtonGroup(this);
    m_cddbSources->addButton(optCDDBAny, sourceCode(DiscInfoSource::Any));
    m_cddbSources->addButton(optCDDBOnLine, sourceCode(DiscInfoSource::OnLine));
    m_cddbSources->addButton(optCDPLAYERINI, sourceCode(DiscInfoSource::LocalIniOnly));

    auto* grid = new QGridLayout(group);
    int row = 0;
    grid->addWidget(chkDriveLockTray, row, 0, 1, 2);
    grid->addWidget(chkSafeMode, row++, 2, 1, 2);
    grid->addWidget(spinUpLabel, row, 0);
    grid->addWidget(txtSpinUpTime, row++, 1);
    for (QAbstractButton* option : m_cddbSources->buttons()) grid->addWidget(option, row++, 0, 1, 4);
    addLookUpFields(group, grid, row);
    return group;
}

void ACfrmGrab::addLookUpFields(QGroupBox* group, QGridLayout* grid, int row) {
    const auto field = [&](const char* name, const QString& caption) {
        auto* label = new QLabel(caption, group);
        QLineEdit* edit = makeText(group, name);
        label->setBuddy(edit);
        grid->addWidget(label, row, 0);
        grid->addWidget(edit, row++, 1, 1, 3);
        return edit;
    };
    ServerAddr = field("ServerAddr", tr("CDDB Server:"));
    CGIAddr = field("CGIAddr", tr("CGI Script:"));
    Agent = field("Agent", tr("Agent Name:"));
    EMail = field("EMail", tr("User E-mail:"));
    auto* timeOutLabel = new QLabel(tr("TimeOut:"), group);
    txtCDDBTimeOut = udTimeOut = makeSpin(group, "txtCDDBTimeOut", GrabSettings::kMilliseconds, 500);
    timeOutLabel->setBuddy(txtCDDBTimeOut);
    GetCDDBButton = new QPushButton(tr("Get Disk Info"), group);
    GetCDDBButton->setObjectName(QStringLiteral("GetCDDBButton"));
    chkMusicBrainz = new QCheckBox(tr("Use MusicBrainz"), group);
    chkMusicBrainz->setObjectName(QStringLiteral("chkMusicBrainz"));
    chkMusicBrainz->setChecked(true);
    chkNameTracks = new QCheckBox(tr("Name CD tracks from the disc information"), group);
    chkNameTracks->setObjectName(QStringLiteral("chkNameTracks"));
    // A list, so that every skin draws it as its other lists.
    lstDiscInfo = new QListWidget(group);
    lstDiscInfo->setObjectName(QStringLiteral("lstDiscInfo"));
    lstDiscInfo->setSelectionMode(QAbstractItemView::NoSelection);
    lstDiscInfo->setAccessibleName(tr("Disc information found"));
    lstDiscInfo->setFixedHeight(150);

    grid->addWidget(timeOutLabel, row, 0);
    grid->addWidget(txtCDDBTimeOut, row, 1);
    grid->addWidget(GetCDDBButton, row++, 3);
    grid->addWidget(chkMusicBrainz, row++, 0, 1, 4);
    grid->addWidget(chkNameTracks, row++, 0, 1, 4);
    grid->addWidget(lstDiscInfo, row, 0, 1, 4);
}

QGroupBox* ACfrmGrab::buildAccurateRipOptions() {
    auto* group = new QGroupBox(tr("AccurateRip"), this);
    group->setObjectName(QStringLiteral("fraAccurateRip"));
    chkAccurateRip = new QCheckBox(tr("Verify CD tracks with AccurateRip"), group);
    chkAccurateRip->setObjectName(QStringLiteral("chkAccurateRip"));
    chkAccurateRip->setChecked(true);
    auto* offsetLabel = new QLabel(tr("Drive read offset:"), group);
    txtReadOffset = makeSpin(group, "txtReadOffset", GrabSettings::kReadOffsets, 1);
    auto* offsetAfter = new QLabel(tr("samples"), group);
    cmdDetectOffset = new QPushButton(tr("Detect"), group);
    cmdDetectOffset->setObjectName(QStringLiteral("cmdDetectOffset"));
    cmdDetectOffset->setToolTip(tr("Find the drive's read offset from the disc in it (a disc in AccurateRip)"));
    lblOffsetFound = new QLabel(group);
    lblOffsetFound->setObjectName(QStringLiteral("lblOffsetFound"));
    lblOffsetFound->setWordWrap(true);
    lblOffsetFound->setFixedWidth(330);
    auto* arServerLabel = new QLabel(tr("AccurateRip server:"), group);
    ARServerAddr = makeText(group, "ARServerAddr");
    ARServerAddr->setText(GrabSettings().accurateRipServer);
    offsetLabel->setBuddy(txtReadOffset);
    arServerLabel->setBuddy(ARServerAddr);
    auto* grid = new QGridLayout(group);
    grid->addWidget(chkAccurateRip, 0, 0, 1, 4);
    grid->addWidget(offsetLabel, 1, 0);
    grid->addWidget(txtReadOffset, 1, 1);
    grid->addWidget(offsetAfter, 1, 2);
    grid->addWidget(cmdDetectOffset, 1, 3);
    grid->addWidget(lblOffsetFound, 2, 0, 1, 4);
    grid->addWidget(arServerLabel, 3, 0);
    grid->addWidget(ARServerAddr, 3, 1, 1, 3);
    return group;
}

void ACfrmGrab::Form_Load() {
    const Hourglass hourglass;
    m_owner.skin().ApplySkinByName(this, kSkinSection);
    m_owner.SkinForm(this);

    GrabSettings s = m_owner.grabberSettings();
    {
        const QSignalBlocker b1(udDriveSpeed), b2(udSpinUpTime), b3(udRetries), b4(udTimeOut);
        udDriveSpeed->setValue(s.driveSpeed);
        udSpinUpTime->setValue(s.spinUpTime);
        udRetries->setValue(s.retries);
        ServerAddr->setText(s.cddbServer);
        CGIAddr->setText(s.cddbScript);
        s.agentName = defaultAgentName();
        s.email = defaultEmail();
        s.cddbTimeOut = 7000;
        m_owner.setGrabberSettings(s);
        udTimeOut->setValue(m_owner.grabberSettings().cddbTimeOut);
    }
    changeGrabber([](GrabSettings& g) { g.readMode = 1; });
    //: What the grabber does with a block it cannot read
    cmbErrorAction->addItems({tr("Stop grab"), tr("Insert silence"), tr("Cut block"), tr("Error correction")});
    cmbErrorAction->setCurrentIndex(0);
    RefreshCD();
    LoadGrab();
    Apply();
}

void ACfrmGrab::changeGrabber(const std::function<void(GrabSettings&)>& change) {
    GrabSettings s = m_owner.grabberSettings();
    change(s);
    m_owner.setGrabberSettings(s);
}

void ACfrmGrab::selectOption(QButtonGroup* group, int code) {
    if (QAbstractButton* option = group->button(code)) {
        option->setChecked(true);
        return;
    }
    // An exclusive group keeps one option checked; clearing them all needs it open briefly.
    group->setExclusive(false);
    for (QAbstractButton* option : group->buttons()) option->setChecked(false);
    group->setExclusive(true);
}

void ACfrmGrab::showNumbers(const GrabSettings& s) {
    const QSignalBlocker b1(udDriveSpeed), b2(udSpinUpTime), b3(udRetries);
    txtGrabRetriesOnError->setValue(s.retries);
    txtSpinUpTime->setValue(s.spinUpTime);
    txtDriveSpeed->setValue(s.driveSpeed);
}

void ACfrmGrab::showCddbTexts(const GrabSettings& s) {
    ServerAddr->setText(s.cddbServer);
    CGIAddr->setText(s.cddbScript);
    Agent->setText(s.agentName);
    EMail->setText(s.email);
}

void ACfrmGrab::RefreshCD() {
    GetCDDBButton->setEnabled(false);
    repaint();
    m_owner.reReadDrive();
    const GrabSettings s = m_owner.grabberSettings();
    showNumbers(s);
    selectOption(m_readModes, s.readMode);
    showCddbTexts(s);
    GetCDDBButton->setEnabled(true);
}

void ACfrmGrab::readMode_Click(int mode) {
    changeGrabber([mode](GrabSettings& g) { g.readMode = mode; });
    // A read mode can change the grabber's other reading settings.
    showNumbers(m_owner.grabberSettings());
}

void ACfrmGrab::udDriveSpeed_Change() {
    changeGrabber([this](GrabSettings& g) { g.driveSpeed = udDriveSpeed->value(); });
    const QSignalBlocker block(udDriveSpeed);
    txtDriveSpeed->setValue(m_owner.grabberSettings().driveSpeed);
}

void ACfrmGrab::udRetries_Change() {
    changeGrabber([this](GrabSettings& g) { g.retries = udRetries->value(); });
    const QSignalBlocker block(udRetries);
    txtGrabRetriesOnError->setValue(m_owner.grabberSettings().retries);
}

void ACfrmGrab::udSpinUpTime_Change() {
    changeGrabber([this](GrabSettings& g) { g.spinUpTime = udSpinUpTime->value(); });
    const QSignalBlocker block(udSpinUpTime);
    txtSpinUpTime->setValue(m_owner.grabberSettings().spinUpTime);
}

void ACfrmGrab::udTimeOut_Change() {
    changeGrabber([this](GrabSettings& g) { g.cddbTimeOut = udTimeOut->value(); });
    const QSignalBlocker block(udTimeOut);
    txtCDDBTimeOut->setValue(m_owner.grabberSettings().cddbTimeOut);
}

void ACfrmGrab::GetCDDBButton_Click() {
    // The look-up uses what the boxes show: the time-out and the four CDDB texts go to the
    // grabber first (Cancel reloads the saved ones).
    changeGrabber([this](GrabSettings& g) {
        g.cddbTimeOut = txtCDDBTimeOut->value();
        g.cddbServer = ServerAddr->text();
        g.cddbScript = CGIAddr->text();
        g.agentName = Agent->text();
        g.email = EMail->text();
    });
    // The look-up codes are one less than the saved ones.
    const int code = m_cddbSources->checkedId();
    if (code >= 1 && code <= 3) {
        const DiscToc toc = m_owner.currentToc();
        DiscInfoResult result;
        if (toc.trackStarts.empty()) {
            result.error = tr("There is no audio disc in the drive.");
        } else {
            const std::optional<DiscInfoResult> found = lookUpDisc(toc, static_cast<DiscInfoSource>(code - 1));
            if (!found) return;  // the program is ending, or no release was chosen
            result = *found;
        }
        if (result.found) {
            m_owner.discInfoFound(result.info);
            showDiscInfo(foundText(result.info));
        } else {
            ui::MsgBox(tr("No disc information was found.\n\n%1").arg(result.error), ui::MsgButtons::OK,
                       ui::MsgIcon::Exclamation);
        }
    }
    const GrabSettings s = m_owner.grabberSettings();
    showCddbTexts(s);
    const QSignalBlocker block(udTimeOut);
    txtCDDBTimeOut->setValue(s.cddbTimeOut);
}

// The look-up beside the event loop, so that the windows stay drawn; the hourglass stays and the
// button waits for its end. A MusicBrainz answer of several releases asks which one. Nothing when
// the program is ending or no release was chosen (the window is then as it was).
std::optional<DiscInfoResult> ACfrmGrab::lookUpDisc(const DiscToc& toc, DiscInfoSource source) {
    const QPointer<ACfrmGrab> self(this);
    GetCDDBButton->setEnabled(false);
    GrabSettings settings = m_owner.grabberSettings();
    settings.useMusicBrainz = chkMusicBrainz->isChecked();
    const QString ini = m_owner.cdplayerIniPath();
    const std::optional<DiscInfo> cdText = m_owner.currentCdText();
    std::optional<net::DiscLookup> answer;
    {
        const Hourglass hourglass;
        answer = whileEventsRun<net::DiscLookup>(
            [toc, cdText, source, settings, ini] { return net::lookupDisc(toc, cdText, source, settings, ini); });
    }
    if (!self || !answer) return std::nullopt;
    DiscInfoResult result = answer->result;
    if (!answer->releases.empty()) {
        const int picked = ReleaseChoice::choose(this, answer->releases);
        if (!self) return std::nullopt;
        if (picked < 0) {
            GetCDDBButton->setEnabled(true);
            return std::nullopt;
        }
        const net::Release release = answer->releases[std::size_t(picked)];
        const Hourglass hourglass;
        const auto finished = whileEventsRun<DiscInfoResult>(
            [release, toc, settings, ini] { return net::finishRelease(release, toc, settings, ini); });
        if (!self || !finished) return std::nullopt;
        result = *finished;
    }
    GetCDDBButton->setEnabled(true);
    return result;
}

// The offset found from the disc in the selected drive: the look-ups beside the event loop, the
// reading on this thread (the grabber's) with the events let run between reads. A detected
// offset becomes the drive's (Ok keeps it); any other finding changes nothing.
void ACfrmGrab::cmdDetectOffset_Click() {
    CdGrabber* grabber = m_owner.cdGrabber();
    const DiscToc toc = m_owner.currentToc();
    if (!grabber || toc.trackStarts.empty()) {
        lblOffsetFound->setText(tr("There is no audio disc in the drive."));
        return;
    }
    const QPointer<ACfrmGrab> self(this);
    const GrabSettings settings = shown();
    const QString drive = m_owner.currentDriveName();
    const QString cache = m_owner.accurateRipCache();
    cmdDetectOffset->setEnabled(false);
    lblOffsetFound->setText(tr("Detecting the read offset …"));
    std::optional<converter::OffsetFinding> finding;
    {
        const Hourglass hourglass;
        const auto lookups = whileEventsRun<converter::OffsetLookups>(
            [toc, drive, settings, cache] { return converter::lookUpForOffset(toc, drive, settings, cache); });
        if (!self || !lookups) return;
        finding = converter::findReadOffset(*grabber, *lookups, drive, [self] { return ui::DoEvents() && !self.isNull(); });
    }
    if (!self) return;
    cmdDetectOffset->setEnabled(true);
    lblOffsetFound->setText(finding->text());
    GrabSettings kept = shown();
    if (converter::keepFinding(kept, *finding)) {
        txtReadOffset->setValue(finding->offset);
        const GrabSettings s = shown();
        changeGrabber([&s](GrabSettings& g) { g.driveOffsets = s.driveOffsets; });
    }
}

void ACfrmGrab::showDiscInfo(const QString& text) {
    lstDiscInfo->clear();
    lstDiscInfo->addItems(text.split(QLatin1Char('\n'), Qt::SkipEmptyParts));
}

QString ACfrmGrab::discInfoShown() const {
    QStringList lines;
    for (int i = 0; i < lstDiscInfo->count(); ++i) lines << lstDiscInfo->item(i)->text();
    return lines.join(QLatin1Char('\n'));
}

QString ACfrmGrab::foundText(const DiscInfo& info) {
    //: %1 names where the information came from (a server, CD-Text, cdplayer.ini)
    QString text = tr("Disc information from %1:\n\nArtist: %2\nAlbum: %3\n").arg(info.source, info.artist, info.album);
    for (int i = 0; i < info.trackTitles.size(); ++i)
        text += QStringLiteral("\n%1 - %2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(info.trackTitles[i]);
    return text;
}

int ACfrmGrab::sourceCode(DiscInfoSource source) { return static_cast<int>(source) + 1; }

GrabSettings ACfrmGrab::shown() const {
    GrabSettings g = m_owner.grabberSettings();
    // With no option selected the saved read mode and source stand.
    g.readMode = m_readModes->checkedId() > 0 ? m_readModes->checkedId() : m_saved.readMode;
    g.discInfoSource = m_cddbSources->checkedId() > 0 ? static_cast<DiscInfoSource>(m_cddbSources->checkedId() - 1)
                                                      : m_saved.discInfoSource;
    g.errorAction = cmbErrorAction->currentIndex();
    g.spinUpTime = udSpinUpTime->value();
    g.retries = udRetries->value();
    g.driveSpeed = udDriveSpeed->value();
    g.cddbTimeOut = udTimeOut->value();
    g.lockTray = chkDriveLockTray->isChecked();
    g.safeMode = chkSafeMode->isChecked();
    g.testAndCopy = chkTestAndCopy->isChecked();
    g.cddbServer = ServerAddr->text();
    g.cddbScript = CGIAddr->text();
    g.agentName = Agent->text();
    g.email = EMail->text();
    g.useMusicBrainz = chkMusicBrainz->isChecked();
    g.nameTracks = chkNameTracks->isChecked();
    g.verifyAccurateRip = chkAccurateRip->isChecked();
    g.oneFile = chkOneFile->isChecked();
    g.accurateRipServer = ARServerAddr->text();
    // The field is the selected drive's offset: its own once it differs from the default.
    // Values without a control of their own stay as last loaded or saved.
    g.readOffset = m_saved.readOffset;
    g.driveOffsets = m_saved.driveOffsets;
    g.driveOffsetsUrl = m_saved.driveOffsetsUrl;
    const QString drive = m_owner.currentDriveName();
    if (drive.isEmpty()) g.readOffset = txtReadOffset->value();
    else if (g.driveOffsets.count(drive) || txtReadOffset->value() != g.readOffset) g.driveOffsets[drive] = txtReadOffset->value();
    g.deEmphasise = chkDeEmphasise->isChecked();
    return g;
}

void ACfrmGrab::showSettings(const GrabSettings& s) {
    selectOption(m_readModes, s.readMode);
    selectOption(m_cddbSources, sourceCode(s.discInfoSource));
    cmbErrorAction->setCurrentIndex(s.errorAction);
    {
        const QSignalBlocker b1(udSpinUpTime), b2(udTimeOut), b3(udRetries), b4(udDriveSpeed);
        txtSpinUpTime->setValue(s.spinUpTime);
        txtCDDBTimeOut->setValue(s.cddbTimeOut);
        txtGrabRetriesOnError->setValue(s.retries);
        txtDriveSpeed->setValue(s.driveSpeed);
    }
    chkDriveLockTray->setChecked(s.lockTray);
    chkSafeMode->setChecked(s.safeMode);
    chkTestAndCopy->setChecked(s.testAndCopy);
    showCddbTexts(s);
    chkMusicBrainz->setChecked(s.useMusicBrainz);
    chkNameTracks->setChecked(s.nameTracks);
    chkAccurateRip->setChecked(s.verifyAccurateRip);
    chkOneFile->setChecked(s.oneFile);
    ARServerAddr->setText(s.accurateRipServer);
    txtReadOffset->setValue(s.offsetFor(m_owner.currentDriveName()).samples);
    chkDeEmphasise->setChecked(s.deEmphasise);
}

void ACfrmGrab::SaveGrab() {
    m_saved = shown();
    m_saved.save(ConverterWindowSettings::key());
}

// The boxes show the grabber's look-up texts; a text saved empty leaves them.
void ACfrmGrab::LoadGrab() {
    m_saved = GrabSettings::load(ConverterWindowSettings::key(), shown());
    showSettings(m_saved);
}

void ACfrmGrab::Apply() {
    GrabSettings g = shown();
    g.readMode = m_saved.readMode;
    g.discInfoSource = m_saved.discInfoSource;
    m_owner.setGrabberSettings(g);
}

void ACfrmGrab::cmdOk_Click() {
    SaveGrab();
    Apply();
    accept();  // hides; the dialog and its state stay
}

void ACfrmGrab::cmdCancel_Click() { cancel(); }

// Cancel, Escape and the close box put the grabber back to the saved configuration and hide.
void ACfrmGrab::cancel() {
    LoadGrab();
    Apply();
    QDialog::reject();
}
