#include "ripping/ACfrmGrab.h"

#include "components/audio/cd/LocalDiscInfo.h"
#include "components/net/DiscLookup.h"
#include "components/ui/Skin.h"
#include "components/store/CRegister.h"
#include "components/store/StoredNumbers.h"
#include "ripping/ReleaseChoice.h"
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

const QString kKey = QStringLiteral("\\Software\\Brindlewood\\Audioconverter");
const QString kSkinSection = QStringLiteral("Small Form");

// The saved values, in the order SaveGrab writes and LoadGrab reads them.
const QString kCddbSourceValue = QStringLiteral("OGG First Option");
const QString kReadModeValue = QStringLiteral("OGG Second Option");
const QString kServerValue = QStringLiteral("OGG Server");
const QString kScriptValue = QStringLiteral("OGG Scirpt");
const QString kNameValue = QStringLiteral("OGG Name");
const QString kEmailValue = QStringLiteral("OGG EMAIL");
const QString kLockValue = QStringLiteral("OGG Lock");
const QString kModeValue = QStringLiteral("OGG Mode");
const QString kSpinUpValue = QStringLiteral("OGG Spin Up");
const QString kTimeOutValue = QStringLiteral("OGG TimeOut");
const QString kRetriesValue = QStringLiteral("OGG Retries");
const QString kDriveSpeedValue = QStringLiteral("OGG Drive Speed");
const QString kErrorActionValue = QStringLiteral("Error Action");
const QString kMusicBrainzValue = QStringLiteral("Use MusicBrainz");
const QString kNameTracksValue = QStringLiteral("Name CD Tracks");
const QString kAccurateRipValue = QStringLiteral("AccurateRip Verify");
const QString kAccurateRipServerValue = QStringLiteral("AccurateRip Server");
const QString kReadOffsetValue = QStringLiteral("Drive Read Offset");
// Read offsets of drives lie within a few thousand samples.
constexpr int kMaxReadOffset = 5000;

constexpr int kInt16Min = -32768;
constexpr int kInt16Max = 32767;

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

QSpinBox* makeSpin(QWidget* parent, const char* name, int minimum, int maximum, int step) {
    auto* spin = new QSpinBox(parent);
    spin->setObjectName(QLatin1String(name));
    spin->setRange(minimum, maximum);
    spin->setSingleStep(step);
    return spin;
}

QLineEdit* makeText(QWidget* parent, const char* name) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QLatin1String(name));
    return edit;
}

void saveText(const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, value);
}

// A saved number as a 16-bit integer; text that is not one gives the default.
int savedNumber(const QString& name, int defaultValue) {
    return stored::integer(kKey, name, defaultValue, kInt16Min, kInt16Max);
}

}  // namespace

QString GrabDialogOwner::cdplayerIniPath() const { return defaultCdplayerIniPath(); }

bool ACfrmGrab::savedNameTracks() { return stored::flag(stored::text(kKey, kNameTracksValue, QStringLiteral("0")), false); }
bool ACfrmGrab::savedVerifyAccurateRip() {
    return stored::flag(stored::text(kKey, kAccurateRipValue, QStringLiteral("1")), true);
}

QString ACfrmGrab::defaultAgentName() { return QStringLiteral("Audio Converter"); }
QString ACfrmGrab::defaultEmail() { return QStringLiteral("support@brindlewood.example"); }

ACfrmGrab::ACfrmGrab(GrabDialogOwner& owner) : SettingsDialog(owner.ownerWindow()), m_owner(owner) {
    setObjectName(QStringLiteral("ACfrmGrab"));
    setWindowTitle(QStringLiteral("Ripping Options"));
    buildControls();
    Form_Load();
}

void ACfrmGrab::buildControls() {
    auto* grabGroup = new QGroupBox(QStringLiteral("Grab Options"), this);
    grabGroup->setObjectName(QStringLiteral("fraGrabOptions"));
    auto* cddbGroup = new QGroupBox(QStringLiteral("CDDB"), this);
    cddbGroup->setObjectName(QStringLiteral("fraCDDB"));

    optBurst = makeOption(grabGroup, "optBurst", QStringLiteral("Burst Mode (Fast, no Error Correction)"));
    optSynch = makeOption(grabGroup, "optSynch", QStringLiteral("Synch Mode (Correct Jitter Errors)"));
    optSecure = makeOption(grabGroup, "optSecure", QStringLiteral("Secure Mode (Double Precision Error Correction)"));
    optParanoid = makeOption(grabGroup, "optParanoid", QStringLiteral("Paranoid Mode (Small Blocks Read, drive cache disable)"));
    optBurst->setChecked(true);
    auto* speedBefore = new QLabel(QStringLiteral("Extraction Speed Low or Equal:"), grabGroup);
    txtDriveSpeed = udDriveSpeed = makeSpin(grabGroup, "txtDriveSpeed", 1, 64, 4);
    auto* speedAfter = new QLabel(QStringLiteral("x 176 kB/sec"), grabGroup);
    auto* retriesLabel = new QLabel(QStringLiteral("Retries on Read or Synch Error:"), grabGroup);
    txtGrabRetriesOnError = udRetries = makeSpin(grabGroup, "txtGrabRetriesOnError", 0, 255, 1);
    auto* actionLabel = new QLabel(QStringLiteral("Action on error:"), grabGroup);
    cmbErrorAction = new QComboBox(grabGroup);
    cmbErrorAction->setObjectName(QStringLiteral("cmbErrorAction"));

    chkDriveLockTray = new QCheckBox(QStringLiteral("Lock CD Tray During Grab"), cddbGroup);
    chkDriveLockTray->setObjectName(QStringLiteral("chkDriveLockTray"));
    chkSafeMode = new QCheckBox(QStringLiteral("Mode Safe"), cddbGroup);
    chkSafeMode->setObjectName(QStringLiteral("chkSafeMode"));
    auto* spinUpLabel = new QLabel(QStringLiteral("Spin Up during:"), cddbGroup);
    txtSpinUpTime = udSpinUpTime = makeSpin(cddbGroup, "txtSpinUpTime", 0, 30000, 500);
    optCDDBAny = makeOption(cddbGroup, "optCDDBAny", QStringLiteral("Get CDDB from any available source"));
    optCDDBOnLine = makeOption(cddbGroup, "optCDDBOnLine", QStringLiteral("Get CDDB info from On-Line Data Base"));
    optCDPLAYERINI = makeOption(cddbGroup, "optCDPLAYERINI", QStringLiteral("Use only cdplayer.ini"));
    optCDDBAny->setChecked(true);
    auto* serverLabel = new QLabel(QStringLiteral("CDDB Server:"), cddbGroup);
    ServerAddr = makeText(cddbGroup, "ServerAddr");
    auto* scriptLabel = new QLabel(QStringLiteral("CGI Script:"), cddbGroup);
    CGIAddr = makeText(cddbGroup, "CGIAddr");
    auto* agentLabel = new QLabel(QStringLiteral("Agent Name:"), cddbGroup);
    Agent = makeText(cddbGroup, "Agent");
    auto* emailLabel = new QLabel(QStringLiteral("User E-mail:"), cddbGroup);
    EMail = makeText(cddbGroup, "EMail");
    auto* timeOutLabel = new QLabel(QStringLiteral("TimeOut:"), cddbGroup);
    txtCDDBTimeOut = udTimeOut = makeSpin(cddbGroup, "txtCDDBTimeOut", 0, 30000, 500);
    GetCDDBButton = new QPushButton(QStringLiteral("Get Disk Info"), cddbGroup);
    GetCDDBButton->setObjectName(QStringLiteral("GetCDDBButton"));
    chkMusicBrainz = new QCheckBox(QStringLiteral("Use MusicBrainz"), cddbGroup);
    chkMusicBrainz->setObjectName(QStringLiteral("chkMusicBrainz"));
    chkMusicBrainz->setChecked(true);
    chkNameTracks = new QCheckBox(QStringLiteral("Name CD tracks from the disc information"), cddbGroup);
    chkNameTracks->setObjectName(QStringLiteral("chkNameTracks"));
    // A list, so that every skin draws it as its other lists.
    lstDiscInfo = new QListWidget(cddbGroup);
    lstDiscInfo->setObjectName(QStringLiteral("lstDiscInfo"));
    lstDiscInfo->setSelectionMode(QAbstractItemView::NoSelection);
    lstDiscInfo->setAccessibleName(QStringLiteral("Disc information found"));
    lstDiscInfo->setFixedHeight(150);
    auto* arGroup = new QGroupBox(QStringLiteral("AccurateRip"), this);
    arGroup->setObjectName(QStringLiteral("fraAccurateRip"));
    chkAccurateRip = new QCheckBox(QStringLiteral("Verify CD tracks with AccurateRip"), arGroup);
    chkAccurateRip->setObjectName(QStringLiteral("chkAccurateRip"));
    chkAccurateRip->setChecked(true);
    auto* offsetLabel = new QLabel(QStringLiteral("Drive read offset:"), arGroup);
    txtReadOffset = makeSpin(arGroup, "txtReadOffset", -kMaxReadOffset, kMaxReadOffset, 1);
    auto* offsetAfter = new QLabel(QStringLiteral("samples"), arGroup);
    auto* arServerLabel = new QLabel(QStringLiteral("AccurateRip server:"), arGroup);
    ARServerAddr = makeText(arGroup, "ARServerAddr");
    ARServerAddr->setText(GrabSettings().accurateRipServer);
    offsetLabel->setBuddy(txtReadOffset);
    arServerLabel->setBuddy(ARServerAddr);
    auto* ar = new QGridLayout(arGroup);
    ar->addWidget(chkAccurateRip, 0, 0, 1, 3);
    ar->addWidget(offsetLabel, 1, 0);
    ar->addWidget(txtReadOffset, 1, 1);
    ar->addWidget(offsetAfter, 1, 2);
    ar->addWidget(arServerLabel, 2, 0);
    ar->addWidget(ARServerAddr, 2, 1, 1, 2);
    // Each field is announced by its own label rather than by the title of its group.
    const std::pair<QLabel*, QWidget*> labelled[] = {
        {speedBefore, txtDriveSpeed}, {retriesLabel, txtGrabRetriesOnError}, {actionLabel, cmbErrorAction},
        {spinUpLabel, txtSpinUpTime}, {serverLabel, ServerAddr}, {scriptLabel, CGIAddr},
        {agentLabel, Agent},          {emailLabel, EMail},       {timeOutLabel, txtCDDBTimeOut}};
    for (const auto& [label, field] : labelled) label->setBuddy(field);

    cmdOk = new QPushButton(QStringLiteral("&Ok"), this);
    cmdOk->setObjectName(QStringLiteral("cmdOk"));
    cmdOk->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));

    m_readModes = new QButtonGroup(this);
    m_readModes->addButton(optBurst, 1);
    m_readModes->addButton(optSynch, 2);
    m_readModes->addButton(optSecure, 3);
    m_readModes->addButton(optParanoid, 4);
    // Codes of the saved value: one more than the look-up's source code.
    m_cddbSources = new QButtonGroup(this);
    m_cddbSources->addButton(optCDDBAny, 1);
    m_cddbSources->addButton(optCDDBOnLine, 2);
    m_cddbSources->addButton(optCDPLAYERINI, 3);

    auto* grab = new QGridLayout(grabGroup);
    int row = 0;
    for (QRadioButton* option : {optBurst, optSynch, optSecure, optParanoid}) grab->addWidget(option, row++, 0, 1, 3);
    grab->addWidget(speedBefore, row, 0);
    grab->addWidget(txtDriveSpeed, row, 1);
    grab->addWidget(speedAfter, row++, 2);
    grab->addWidget(retriesLabel, row, 0);
    grab->addWidget(txtGrabRetriesOnError, row++, 1);
    grab->addWidget(actionLabel, row, 0);
    grab->addWidget(cmbErrorAction, row++, 1, 1, 2);
    grab->setRowStretch(row, 1);

    auto* cddb = new QGridLayout(cddbGroup);
    row = 0;
    cddb->addWidget(chkDriveLockTray, row, 0, 1, 2);
    cddb->addWidget(chkSafeMode, row++, 2, 1, 2);
    cddb->addWidget(spinUpLabel, row, 0);
    cddb->addWidget(txtSpinUpTime, row++, 1);
    for (QRadioButton* option : {optCDDBAny, optCDDBOnLine, optCDPLAYERINI}) cddb->addWidget(option, row++, 0, 1, 4);
    const std::pair<QLabel*, QWidget*> fields[] = {
        {serverLabel, ServerAddr}, {scriptLabel, CGIAddr}, {agentLabel, Agent}, {emailLabel, EMail}};
    for (const auto& [label, field] : fields) {
        cddb->addWidget(label, row, 0);
        cddb->addWidget(field, row++, 1, 1, 3);
    }
    cddb->addWidget(timeOutLabel, row, 0);
    cddb->addWidget(txtCDDBTimeOut, row, 1);
    cddb->addWidget(GetCDDBButton, row++, 3);
    cddb->addWidget(chkMusicBrainz, row++, 0, 1, 4);
    cddb->addWidget(chkNameTracks, row++, 0, 1, 4);
    cddb->addWidget(lstDiscInfo, row, 0, 1, 4);

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
    connect(cmdOk, &QPushButton::clicked, this, &ACfrmGrab::cmdOk_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ACfrmGrab::cmdCancel_Click);
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
    cmbErrorAction->addItems({QStringLiteral("Stop grab"), QStringLiteral("Insert silence"), QStringLiteral("Cut block"),
                              QStringLiteral("Error correction")});
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
            result.error = QStringLiteral("There is no audio disc in the drive.");
        } else {
            // The look-up runs beside the event loop, so that the windows stay drawn; the
            // hourglass stays and the button waits for its end.
            const QPointer<ACfrmGrab> self(this);
            GetCDDBButton->setEnabled(false);
            GrabSettings settings = m_owner.grabberSettings();
            settings.useMusicBrainz = chkMusicBrainz->isChecked();
            const QString ini = m_owner.cdplayerIniPath();
            const std::optional<DiscInfo> cdText = m_owner.currentCdText();
            const auto source = static_cast<DiscInfoSource>(code - 1);
            std::optional<net::DiscLookup> answer;
            {
                const Hourglass hourglass;
                answer = whileEventsRun<net::DiscLookup>(
                    [toc, cdText, source, settings, ini] { return net::lookupDisc(toc, cdText, source, settings, ini); });
            }
            if (!self || !answer) return;  // the program is ending
            result = answer->result;
            if (!answer->releases.empty()) {
                const int picked = ReleaseChoice::choose(this, answer->releases);
                if (!self) return;
                if (picked < 0) {
                    GetCDDBButton->setEnabled(true);
                    return;  // nothing chosen: nothing changes
                }
                const net::Release release = answer->releases[std::size_t(picked)];
                const Hourglass hourglass;
                const auto finished = whileEventsRun<DiscInfoResult>(
                    [release, toc, settings, ini] { return net::finishRelease(release, toc, settings, ini); });
                if (!self || !finished) return;
                result = *finished;
            }
            GetCDDBButton->setEnabled(true);
        }
        if (result.found) {
            m_owner.discInfoFound(result.info);
            showDiscInfo(foundText(result.info));
        } else {
            ui::MsgBox(QStringLiteral("No disc information was found.\n\n%1").arg(result.error), ui::MsgButtons::OK,
                       ui::MsgIcon::Exclamation);
        }
    }
    const GrabSettings s = m_owner.grabberSettings();
    showCddbTexts(s);
    const QSignalBlocker block(udTimeOut);
    txtCDDBTimeOut->setValue(s.cddbTimeOut);
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
    QString text = QStringLiteral("Disc information from %1:\n\nArtist: %2\nAlbum: %3\n").arg(info.source, info.artist, info.album);
    for (int i = 0; i < info.trackTitles.size(); ++i)
        text += QStringLiteral("\n%1 - %2").arg(i + 1, 2, 10, QLatin1Char('0')).arg(info.trackTitles[i]);
    return text;
}

void ACfrmGrab::SaveGrab() {
    if (m_cddbSources->checkedId() > 0) m_savedCddbSource = static_cast<std::int16_t>(m_cddbSources->checkedId());
    if (m_readModes->checkedId() > 0) m_savedReadMode = static_cast<std::int16_t>(m_readModes->checkedId());
    stored::save(kKey, kCddbSourceValue, m_savedCddbSource);
    stored::save(kKey, kReadModeValue, m_savedReadMode);
    saveText(kServerValue, ServerAddr->text());
    saveText(kScriptValue, CGIAddr->text());
    saveText(kNameValue, Agent->text());
    saveText(kEmailValue, EMail->text());
    stored::save(kKey, kLockValue, chkDriveLockTray->isChecked() ? 1 : 0);
    stored::save(kKey, kModeValue, chkSafeMode->isChecked() ? 1 : 0);
    saveText(kSpinUpValue, txtSpinUpTime->text());
    saveText(kTimeOutValue, txtCDDBTimeOut->text());
    saveText(kRetriesValue, txtGrabRetriesOnError->text());
    saveText(kDriveSpeedValue, txtDriveSpeed->text());
    stored::save(kKey, kErrorActionValue, cmbErrorAction->currentIndex());
    stored::save(kKey, kMusicBrainzValue, chkMusicBrainz->isChecked() ? 1 : 0);
    stored::save(kKey, kNameTracksValue, chkNameTracks->isChecked() ? 1 : 0);
    stored::save(kKey, kAccurateRipValue, chkAccurateRip->isChecked() ? 1 : 0);
    saveText(kAccurateRipServerValue, ARServerAddr->text());
    stored::save(kKey, kReadOffsetValue, txtReadOffset->value());
}

void ACfrmGrab::LoadGrab() {
    // A code or number that cannot be read, or that its control cannot show, gives the default.
    const int source = savedNumber(kCddbSourceValue, 1);
    const int mode = savedNumber(kReadModeValue, 1);
    const QString server = stored::text(kKey, kServerValue, QString());
    const QString script = stored::text(kKey, kScriptValue, QString());
    const QString name = stored::text(kKey, kNameValue, QString());
    const QString email = stored::text(kKey, kEmailValue, QString());
    const bool lock = stored::flag(stored::text(kKey, kLockValue, QStringLiteral("1")), true);
    const bool safe = stored::flag(stored::text(kKey, kModeValue, QStringLiteral("1")), true);
    const auto fieldValue = [](const QString& valueName, int defaultValue, const QSpinBox* spin) {
        const int n = savedNumber(valueName, defaultValue);
        return n >= spin->minimum() && n <= spin->maximum() ? n : defaultValue;
    };
    const int spinUp = fieldValue(kSpinUpValue, 1000, txtSpinUpTime);
    const int timeOut = fieldValue(kTimeOutValue, 7000, txtCDDBTimeOut);
    const int retries = fieldValue(kRetriesValue, 5, txtGrabRetriesOnError);
    const int speed = fieldValue(kDriveSpeedValue, 32, txtDriveSpeed);
    const int action = savedNumber(kErrorActionValue, 1);
    const bool musicBrainz = stored::flag(stored::text(kKey, kMusicBrainzValue, QStringLiteral("1")), true);
    const QString arServer = stored::text(kKey, kAccurateRipServerValue, QString());
    const int offset = fieldValue(kReadOffsetValue, 0, txtReadOffset);

    m_savedCddbSource = static_cast<std::int16_t>(source >= 1 && source <= 3 ? source : 1);
    m_savedReadMode = static_cast<std::int16_t>(mode >= 1 && mode <= 4 ? mode : 1);

    // An empty saved text counts as nothing saved: the box keeps what it shows. A saved server
    // keeps the script saved with it, an empty one too (the CDDB protocol), so that the
    // grabber's default script never goes to a server of the user's.
    if (!server.isEmpty()) ServerAddr->setText(server);
    if (!script.isEmpty() || !server.isEmpty()) CGIAddr->setText(script);
    if (!name.isEmpty()) Agent->setText(name);
    if (!email.isEmpty()) EMail->setText(email);
    chkDriveLockTray->setChecked(lock);
    chkSafeMode->setChecked(safe);
    {
        const QSignalBlocker b1(udSpinUpTime), b2(udTimeOut), b3(udRetries), b4(udDriveSpeed);
        txtSpinUpTime->setValue(spinUp);
        txtCDDBTimeOut->setValue(timeOut);
        txtGrabRetriesOnError->setValue(retries);
        txtDriveSpeed->setValue(speed);
    }
    cmbErrorAction->setCurrentIndex(action >= 0 && action < cmbErrorAction->count() ? action : 1);
    chkMusicBrainz->setChecked(musicBrainz);
    chkNameTracks->setChecked(savedNameTracks());
    chkAccurateRip->setChecked(savedVerifyAccurateRip());
    ARServerAddr->setText(arServer.isEmpty() ? GrabSettings().accurateRipServer : arServer);
    txtReadOffset->setValue(offset);
    selectOption(m_cddbSources, m_savedCddbSource);
    selectOption(m_readModes, m_savedReadMode);
}

void ACfrmGrab::Apply() {
    changeGrabber([this](GrabSettings& g) {
        g.errorAction = cmbErrorAction->currentIndex();
        g.readMode = m_savedReadMode;
        g.spinUpTime = udSpinUpTime->value();
        g.retries = udRetries->value();
        g.driveSpeed = udDriveSpeed->value();
        g.cddbTimeOut = udTimeOut->value();
        g.lockTray = chkDriveLockTray->isChecked();
        g.safeMode = chkSafeMode->isChecked();
        g.cddbServer = ServerAddr->text();
        g.cddbScript = CGIAddr->text();
        g.agentName = Agent->text();
        g.email = EMail->text();
        g.useMusicBrainz = chkMusicBrainz->isChecked();
        g.accurateRipServer = ARServerAddr->text();
        g.readOffset = txtReadOffset->value();
    });
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
