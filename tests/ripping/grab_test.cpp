// The ripping options on a real skin and the real settings store, with a converter-like owner
// whose grabber keeps the settings it is given (and adjusts some, as a grabber may); "Get
// Disk Info" against cdplayer.ini and a CDDB server on 127.0.0.1.
#include "components/audio/cd/LocalDiscInfo.h"
#include "components/ui/Skin.h"
#include "components/ui/SkinForm.h"
#include "ripping/ACfrmGrab.h"
#include "components/store/CRegister.h"
#include "shell/WindowServices.h"
#include "ripping/ReleaseChoice.h"
#include "support/CddbServer.h"
#include "support/DiscServices.h"
#include "support/TestSupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTest>
#include <QTimer>
#include <QTreeWidget>
#include <QApplication>
#include <QPlainTextEdit>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using testing_support::CddbServer;

namespace {

const QString kKey = u"\\Software\\Brindlewood\\Audioconverter"_s;

// The converter window as the dialog sees it. Its grabber reads no faster than 48x, and its
// paranoid mode raises the retries to at least 20.
class GrabTestOwner final : public GrabDialogOwner {
public:
    explicit GrabTestOwner(QString ini) : m_ini(std::move(ini)), m_skin(makeSkinControl()) {
        m_skin->LoadSkin(ui::programFile(u"\\Main2.skn"_s));
        grabber.cddbServer = u"cddb.grabber.example:8880"_s;
        grabber.email = u"grabber@example.org"_s;
        grabber.driveSpeed = 8;
    }
    QWidget* ownerWindow() override { return &window; }
    SkinControl& skin() override { return *m_skin; }
    void SkinForm(QWidget* form) override {
        ++skinFormCalls;
        skinControlsByKind(*m_skin, form, u"DefaultButt"_s);
    }
    GrabSettings grabberSettings() const override { return grabber; }
    void setGrabberSettings(const GrabSettings& s) override {
        grabber = s;
        grabber.driveSpeed = std::min(grabber.driveSpeed, 48);
        if (grabber.readMode == 4) grabber.retries = std::max(grabber.retries, 20);
    }
    void reReadDrive() override { ++driveReads; }
    DiscToc currentToc() const override { return toc; }
    void discInfoFound(const DiscInfo& info) override { found << info; }
    QString cdplayerIniPath() const override { return m_ini; }

    QWidget window;
    GrabSettings grabber;
    DiscToc toc;
    QList<DiscInfo> found;
    int skinFormCalls = 0;
    int driveReads = 0;

private:
    QString m_ini;
    std::unique_ptr<SkinControl> m_skin;
};

QString stored(const QString& name) {
    return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, u"<none>"_s);
}
void store(const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, kKey, name, value);
}

DiscToc twoTracks() {
    DiscToc toc;
    toc.trackStarts = {0, 15000};
    toc.leadOut = 30000;
    return toc;
}

class GrabDialog : public ::testing::Test {
protected:
    testing_support::TempConfigHome config;
    GrabTestOwner owner{config.path() + u"/Brindlewood/cdplayer.ini"_s};
    std::unique_ptr<ACfrmGrab> dlg;
    ACfrmGrab& load() {
        dlg = std::make_unique<ACfrmGrab>(owner);
        return *dlg;
    }
};

TEST_F(GrabDialog, FirstStartShowsAndAppliesTheDefaults) {
    ACfrmGrab& d = load();
    EXPECT_EQ(d.objectName(), u"ACfrmGrab"_s);
    EXPECT_EQ(d.windowTitle(), u"Ripping Options"_s);
    EXPECT_EQ(d.parentWidget(), &owner.window);
    EXPECT_FALSE(d.isVisible());
    EXPECT_EQ(owner.skinFormCalls, 1);
    EXPECT_EQ(owner.driveReads, 1);
    EXPECT_EQ(ui::screenPointer(), ui::Pointer::Default);
    EXPECT_EQ(d.optParanoid->text(), u"Paranoid Mode (Small Blocks Read, drive cache disable)"_s);
    EXPECT_EQ(d.GetCDDBButton->text(), u"Get Disk Info"_s);
    EXPECT_TRUE(d.GetCDDBButton->isEnabled());
    EXPECT_EQ(d.cmdOk->text(), u"&Ok"_s);
    QStringList actions;
    for (int i = 0; i < d.cmbErrorAction->count(); ++i) actions << d.cmbErrorAction->itemText(i);
    EXPECT_EQ(actions, QStringList({u"Stop grab"_s, u"Insert silence"_s, u"Cut block"_s, u"Error correction"_s}));
    const QList<std::tuple<QSpinBox*, int, int, int>> ranges{{d.udDriveSpeed, 1, 64, 4},
                                                             {d.udRetries, 0, 255, 1},
                                                             {d.udSpinUpTime, 0, 30000, 500},
                                                             {d.udTimeOut, 0, 30000, 500}};
    for (const auto& [spin, lo, hi, step] : ranges) {
        EXPECT_EQ(spin->minimum(), lo) << spin->objectName().toStdString();
        EXPECT_EQ(spin->maximum(), hi);
        EXPECT_EQ(spin->singleStep(), step);
    }

    EXPECT_TRUE(d.optBurst->isChecked());
    EXPECT_TRUE(d.optCDDBAny->isChecked());
    EXPECT_TRUE(d.chkDriveLockTray->isChecked());
    EXPECT_TRUE(d.chkSafeMode->isChecked());
    EXPECT_EQ(d.txtSpinUpTime->text(), u"1000"_s);
    EXPECT_EQ(d.txtCDDBTimeOut->text(), u"7000"_s);
    EXPECT_EQ(d.txtGrabRetriesOnError->text(), u"5"_s);
    EXPECT_EQ(d.txtDriveSpeed->text(), u"32"_s);
    EXPECT_EQ(d.cmbErrorAction->currentText(), u"Insert silence"_s);
    EXPECT_EQ(d.ServerAddr->text(), u"cddb.grabber.example:8880"_s);
    EXPECT_EQ(d.EMail->text(), ACfrmGrab::defaultEmail());
    EXPECT_EQ(d.Agent->text(), u"Audio Converter"_s);
    EXPECT_EQ(d.SavedReadMode(), 1);
    EXPECT_EQ(d.SavedCddbSource(), 1);

    GrabSettings expected;
    expected.cddbServer = u"cddb.grabber.example:8880"_s;
    expected.agentName = u"Audio Converter"_s;
    expected.email = ACfrmGrab::defaultEmail();
    EXPECT_EQ(owner.grabber, expected);
    EXPECT_EQ(stored(u"OGG Second Option"_s), u"<none>"_s);  // loading writes nothing
}

TEST_F(GrabDialog, OkSavesTheThirteenValuesWithTheirCodes) {
    ACfrmGrab& d = load();
    d.show();
    d.optCDPLAYERINI->click();
    d.optSecure->click();
    d.chkSafeMode->setChecked(false);
    d.udSpinUpTime->setValue(2500);
    d.cmbErrorAction->setCurrentIndex(3);
    d.ServerAddr->setText(u"cddb.example.net"_s);
    d.CGIAddr->setText(u"/~cddb/cddb.cgi"_s);
    d.cmdOk->click();
    EXPECT_FALSE(d.isVisible());
    const QList<std::pair<QString, QString>> values{
        {u"OGG First Option"_s, u"3"_s}, {u"OGG Second Option"_s, u"3"_s},
        {u"OGG Server"_s, u"cddb.example.net"_s}, {u"OGG Scirpt"_s, u"/~cddb/cddb.cgi"_s},
        {u"OGG Name"_s, u"Audio Converter"_s}, {u"OGG EMAIL"_s, ACfrmGrab::defaultEmail()},
        {u"OGG Lock"_s, u"1"_s}, {u"OGG Mode"_s, u"0"_s},
        {u"OGG Spin Up"_s, u"2500"_s}, {u"OGG TimeOut"_s, u"7000"_s},
        {u"OGG Retries"_s, u"5"_s}, {u"OGG Drive Speed"_s, u"32"_s},
        {u"Error Action"_s, u"3"_s}};
    for (const auto& [name, value] : values) EXPECT_EQ(stored(name), value) << name.toStdString();
    EXPECT_EQ(d.SavedReadMode(), 3);
    EXPECT_EQ(d.SavedCddbSource(), 3);
    EXPECT_EQ(owner.grabber.readMode, 3);
    EXPECT_EQ(owner.grabber.errorAction, 3);
    EXPECT_FALSE(owner.grabber.safeMode);
    EXPECT_EQ(owner.grabber.cddbScript, u"/~cddb/cddb.cgi"_s);

    // Loaded anew, the dialog shows and applies what was saved.
    owner.grabber = GrabSettings{};
    ACfrmGrab& again = load();
    EXPECT_TRUE(again.optCDPLAYERINI->isChecked());
    EXPECT_TRUE(again.optSecure->isChecked());
    EXPECT_EQ(again.txtSpinUpTime->text(), u"2500"_s);
    EXPECT_EQ(owner.grabber.readMode, 3);
    EXPECT_EQ(owner.grabber.cddbServer, u"cddb.example.net"_s);
}

TEST_F(GrabDialog, LoadTakesUsableValuesAndDefaultsTheRest) {
    store(u"OGG First Option"_s, u"2"_s);
    store(u"OGG Second Option"_s, u"9"_s);     // no such read mode: burst
    store(u"OGG Lock"_s, u"-1"_s);
    store(u"OGG Mode"_s, u"0"_s);
    store(u"OGG Spin Up"_s, u"70000"_s);       // beyond 16 bits: the default
    store(u"OGG TimeOut"_s, u"1500"_s);
    store(u"OGG Retries"_s, u"many"_s);        // not a number: the default
    store(u"OGG Drive Speed"_s, u"90"_s);      // beyond the spinner: the default
    store(u"Error Action"_s, u"2"_s);
    store(u"OGG Server"_s, QString());        // empty: the grabber's server stays
    ACfrmGrab& d = load();
    EXPECT_TRUE(d.optCDDBOnLine->isChecked());
    EXPECT_TRUE(d.optBurst->isChecked());
    EXPECT_EQ(d.SavedReadMode(), 1);
    EXPECT_TRUE(d.chkDriveLockTray->isChecked());
    EXPECT_FALSE(d.chkSafeMode->isChecked());
    EXPECT_EQ(d.txtSpinUpTime->text(), u"1000"_s);
    EXPECT_EQ(d.txtCDDBTimeOut->text(), u"1500"_s);
    EXPECT_EQ(d.txtGrabRetriesOnError->text(), u"5"_s);
    EXPECT_EQ(d.txtDriveSpeed->text(), u"32"_s);
    EXPECT_EQ(d.cmbErrorAction->currentIndex(), 2);
    EXPECT_EQ(d.ServerAddr->text(), u"cddb.grabber.example:8880"_s);
    EXPECT_EQ(owner.grabber.cddbTimeOut, 1500);
    EXPECT_EQ(owner.grabber.errorAction, 2);
}

TEST_F(GrabDialog, ClicksReachTheGrabberAtOnceAndCancelRestoresTheSavedConfiguration) {
    ACfrmGrab& d = load();
    d.show();
    d.optParanoid->click();
    EXPECT_EQ(owner.grabber.readMode, 4);
    EXPECT_EQ(d.txtGrabRetriesOnError->text(), u"20"_s);  // what the grabber made of it
    d.udDriveSpeed->setValue(52);
    EXPECT_EQ(owner.grabber.driveSpeed, 48);
    EXPECT_EQ(d.txtDriveSpeed->text(), u"48"_s);  // the box shows what the grabber took
    d.udTimeOut->stepUp();
    EXPECT_EQ(owner.grabber.cddbTimeOut, 7500);
    // Apply hands the saved read mode, not the selected one.
    d.Apply();
    EXPECT_EQ(owner.grabber.readMode, 1);

    // A server typed before any was saved stays in the box through Cancel and reaches the grabber.
    d.ServerAddr->setText(u"typed.example"_s);
    d.optParanoid->click();
    QTest::keyClick(&d, Qt::Key_Escape);
    EXPECT_FALSE(d.isVisible());
    EXPECT_TRUE(d.optBurst->isChecked());
    EXPECT_EQ(owner.grabber.readMode, 1);
    EXPECT_EQ(owner.grabber.driveSpeed, 32);
    EXPECT_EQ(owner.grabber.retries, 5);
    EXPECT_EQ(owner.grabber.cddbTimeOut, 7000);
    EXPECT_EQ(d.ServerAddr->text(), u"typed.example"_s);
    EXPECT_EQ(owner.grabber.cddbServer, u"typed.example"_s);
    EXPECT_EQ(stored(u"OGG Second Option"_s), u"<none>"_s);

    // Clearing the server and pressing Ok saves it empty; the next load keeps the grabber's.
    d.ServerAddr->clear();
    d.cmdOk->click();
    EXPECT_EQ(stored(u"OGG Server"_s), QString());
    owner.grabber.cddbServer = u"other.grabber.example"_s;
    EXPECT_EQ(load().ServerAddr->text(), u"other.grabber.example"_s);
}

// A fresh install shows and applies the grabber's public CDDB server and script path; a saved
// server stands instead, with its saved script even when empty (the CDDB protocol).
TEST_F(GrabDialog, TheDefaultCddbServerStandsUntilTheUserSavesAnother) {
    owner.grabber = GrabSettings{};
    EXPECT_EQ(load().ServerAddr->text(), u"gnudb.gnudb.org"_s);
    EXPECT_EQ(owner.grabber.cddbScript, u"/~cddb/cddb.cgi"_s);
    store(u"OGG Server"_s, u"cddb.example.net:8880"_s);
    store(u"OGG Scirpt"_s, QString());
    owner.grabber = GrabSettings{};
    EXPECT_EQ(load().ServerAddr->text(), u"cddb.example.net:8880"_s);
    EXPECT_EQ(owner.grabber.cddbServer, u"cddb.example.net:8880"_s);
    EXPECT_EQ(owner.grabber.cddbScript, QString());
}

TEST_F(GrabDialog, RefreshCdShowsTheGrabbersSettings) {
    ACfrmGrab& d = load();
    owner.grabber.readMode = 7;  // a mode the dialog does not know selects no option
    owner.grabber.retries = 9;
    owner.grabber.agentName = u"Other Agent"_s;
    d.RefreshCD();
    EXPECT_EQ(owner.driveReads, 2);
    EXPECT_FALSE(d.optBurst->isChecked() || d.optSynch->isChecked() || d.optSecure->isChecked() || d.optParanoid->isChecked());
    EXPECT_EQ(d.txtGrabRetriesOnError->text(), u"9"_s);
    EXPECT_EQ(d.Agent->text(), u"Other Agent"_s);
    EXPECT_TRUE(d.GetCDDBButton->isEnabled());
    // With no option selected, saving keeps the saved read mode.
    d.SaveGrab();
    EXPECT_EQ(stored(u"OGG Second Option"_s), u"1"_s);
}

TEST_F(GrabDialog, GetDiskInfoLooksUpTheChosenSourceAndReportsFailures) {
    owner.toc = twoTracks();
    DiscInfo local;
    local.artist = u"Canal Street Choir"_s;
    local.album = u"Lanterns"_s;
    local.trackTitles = {u"First Light"_s, u"Last Boat"_s};
    ASSERT_TRUE(writeCdplayerIni(owner.toc, local, owner.cdplayerIniPath()));
    ACfrmGrab& d = load();
    owner.grabber.musicBrainzServer = u"http://127.0.0.1:1"_s;  // refused at once: the CDDB server is next
    testing_support::MsgBoxRecorder boxes;

    // cdplayer.ini only: found without asking any server (the grabber's server does not exist).
    d.optCDPLAYERINI->click();
    d.GetCDDBButton->click();
    EXPECT_TRUE(boxes.texts().isEmpty());
    ASSERT_EQ(owner.found.size(), 1);
    EXPECT_EQ(owner.found.front().trackTitles, local.trackTitles);

    // On-line, with the server and time-out the boxes show, over HTTP with the script path the
    // grabber starts with. The server answers only once the test's event loop has run: the
    // look-up leaves it running, with the hourglass and the button off meanwhile.
    DiscInfo remote = local;
    remote.discId = cddbDiscId(owner.toc);
    remote.artist = u"Remote Choir"_s;
    CddbServer server(CddbServer::Mode::Http);
    server.addDisc(u"folk"_s, remote, owner.toc);
    server.holdAnswers();
    ASSERT_TRUE(server.start());
    d.optCDDBOnLine->click();
    d.ServerAddr->setText(server.address());
    EXPECT_EQ(d.CGIAddr->text(), u"/~cddb/cddb.cgi"_s);
    d.txtCDDBTimeOut->setValue(5000);
    bool eventsRan = false, hourglass = false, buttonOff = false;
    QTimer::singleShot(0, &d, [&] {
        eventsRan = true;
        hourglass = ui::screenPointer() == ui::Pointer::Hourglass;
        buttonOff = !d.GetCDDBButton->isEnabled();
        server.release();
    });
    d.GetCDDBButton->click();
    EXPECT_TRUE(eventsRan && hourglass && buttonOff);
    EXPECT_TRUE(d.GetCDDBButton->isEnabled());
    EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(u'|').toStdString();
    ASSERT_EQ(owner.found.size(), 2);
    EXPECT_EQ(owner.found.back().artist, u"Remote Choir"_s);
    EXPECT_EQ(owner.grabber.cddbTimeOut, 5000);
    EXPECT_EQ(d.ServerAddr->text(), server.address());

    // A disc the server does not know, and no disc at all, are reported.
    owner.toc.leadOut += 7500;
    d.GetCDDBButton->click();
    ASSERT_EQ(boxes.boxes().size(), 1);
    EXPECT_TRUE(boxes.texts().front().startsWith(u"No disc information was found."_s));
    EXPECT_TRUE(boxes.texts().front().contains(cddbDiscId(owner.toc))) << boxes.texts().front().toStdString();
    EXPECT_EQ(boxes.boxes().front().icon, ui::MsgIcon::Exclamation);
    owner.toc = DiscToc{};
    d.GetCDDBButton->click();
    ASSERT_EQ(boxes.boxes().size(), 2);
    EXPECT_TRUE(boxes.texts().back().contains(u"no audio disc"_s));
    EXPECT_EQ(owner.found.size(), 2);
    EXPECT_EQ(ui::screenPointer(), ui::Pointer::Default);
}

TEST_F(GrabDialog, DiscInformationAndAccurateRipOptionsAreSavedAndApplied) {
    ACfrmGrab& d = load();
    EXPECT_TRUE(d.chkMusicBrainz->isChecked());
    EXPECT_FALSE(d.chkNameTracks->isChecked());
    EXPECT_TRUE(d.chkAccurateRip->isChecked());
    EXPECT_EQ(d.txtReadOffset->value(), 0);
    EXPECT_EQ(d.ARServerAddr->text(), GrabSettings().accurateRipServer);
    EXPECT_FALSE(GrabSettings::load(kKey).nameTracks);
    EXPECT_TRUE(GrabSettings::load(kKey).verifyAccurateRip);
    d.chkMusicBrainz->setChecked(false);
    d.chkNameTracks->setChecked(true);
    d.chkAccurateRip->setChecked(false);
    d.txtReadOffset->setValue(-667);
    d.ARServerAddr->setText(u"http://ar.example/accuraterip"_s);
    d.cmdOk->click();
    const QList<std::pair<QString, QString>> values{{u"Use MusicBrainz"_s, u"0"_s},
                                                    {u"Name CD Tracks"_s, u"1"_s},
                                                    {u"AccurateRip Verify"_s, u"0"_s},
                                                    {u"AccurateRip Server"_s, u"http://ar.example/accuraterip"_s},
                                                    {u"Drive Read Offset"_s, u"-667"_s}};
    for (const auto& [name, value] : values) EXPECT_EQ(stored(name), value) << name.toStdString();
    EXPECT_FALSE(owner.grabber.useMusicBrainz);
    EXPECT_EQ(owner.grabber.readOffset, -667);
    EXPECT_EQ(owner.grabber.accurateRipServer, u"http://ar.example/accuraterip"_s);
    EXPECT_TRUE(GrabSettings::load(kKey).nameTracks);
    EXPECT_FALSE(GrabSettings::load(kKey).verifyAccurateRip);

    // Loaded anew: what was saved; an offset no drive has gives 0.
    store(u"Drive Read Offset"_s, u"9000"_s);
    owner.grabber = GrabSettings{};
    ACfrmGrab& again = load();
    EXPECT_FALSE(again.chkMusicBrainz->isChecked());
    EXPECT_TRUE(again.chkNameTracks->isChecked());
    EXPECT_EQ(again.txtReadOffset->value(), 0);
    EXPECT_EQ(owner.grabber.accurateRipServer, u"http://ar.example/accuraterip"_s);
}

// "De-emphasise" is off at first (archives keep the disc's audio), saved with OK, reaches the
// grabber, and comes back when the dialog is loaded anew.
TEST_F(GrabDialog, DeEmphasiseIsOffAtFirstAndSavedWhenChecked) {
    ACfrmGrab& d = load();
    EXPECT_EQ(d.chkDeEmphasise->text(), u"De-emphasise"_s);
    EXPECT_FALSE(d.chkDeEmphasise->isChecked());
    EXPECT_FALSE(owner.grabber.deEmphasise);
    QTest::mouseClick(d.chkDeEmphasise, Qt::LeftButton, {}, QPoint(4, d.chkDeEmphasise->height() / 2));
    ASSERT_TRUE(d.chkDeEmphasise->isChecked());
    d.cmdOk->click();
    EXPECT_EQ(stored(u"De-emphasise"_s), u"1"_s);
    EXPECT_TRUE(owner.grabber.deEmphasise);
    owner.grabber = GrabSettings{};
    EXPECT_TRUE(load().chkDeEmphasise->isChecked());
    EXPECT_TRUE(owner.grabber.deEmphasise);
    store(u"De-emphasise"_s, u"yes"_s);  // not a stored flag: the default
    EXPECT_FALSE(GrabSettings::load(kKey).deEmphasise);
}

TEST_F(GrabDialog, SeveralReleasesAreOfferedAndCancellingChangesNothing) {
    testing_support::WebServer server;
    testing_support::serveReferenceDisc(server, {});
    ASSERT_TRUE(server.start());
    owner.toc = DiscToc{{0, 460, 660}, 1120};
    ACfrmGrab& d = load();
    owner.grabber.musicBrainzServer = owner.grabber.coverArtServer = server.base();
    d.optCDDBOnLine->click();
    testing_support::MsgBoxRecorder boxes;
    for (const bool pick : {false, true}) {
        int rows = -1;
        QTimer answer;
        QObject::connect(&answer, &QTimer::timeout, [&] {
            auto* choice = qobject_cast<ReleaseChoice*>(QApplication::activeModalWidget());
            if (!choice) return;
            rows = choice->lstReleases->topLevelItemCount();
            choice->lstReleases->setCurrentItem(choice->lstReleases->topLevelItem(1));
            (pick ? choice->cmdOk : choice->cmdCancel)->click();
        });
        answer.start(10);
        d.GetCDDBButton->click();
        EXPECT_EQ(rows, 2);
        EXPECT_TRUE(d.GetCDDBButton->isEnabled());
        EXPECT_TRUE(boxes.texts().isEmpty()) << boxes.texts().join(u'|').toStdString();
        if (!pick) {
            EXPECT_TRUE(owner.found.isEmpty());
            EXPECT_FALSE(QFile::exists(owner.cdplayerIniPath()));
            EXPECT_TRUE(d.discInfoShown().isEmpty());
            continue;
        }
        // The second release: its second disc is this one.
        ASSERT_EQ(owner.found.size(), 1);
        EXPECT_EQ(owner.found.front().trackTitles.value(0), u"Bonus One"_s);
        EXPECT_EQ(readCdplayerIni(owner.toc, owner.cdplayerIniPath()).info.album, u"Morning Album (Deluxe)"_s);
        EXPECT_TRUE(d.discInfoShown().startsWith(u"Disc information from MusicBrainz:\nArtist: The Testers & Guest"_s))
            << d.discInfoShown().toStdString();
    }
}

// "Rip the disc as one file" is off at first, saved with the other options and applied to the
// grabber, which the conversion run asks.
TEST_F(GrabDialog, RipTheDiscAsOneFileIsSavedAndApplied) {
    ACfrmGrab& d = load();
    EXPECT_EQ(d.chkOneFile->text(), u"Rip the disc as one file"_s);
    EXPECT_FALSE(d.chkOneFile->isChecked());
    d.chkOneFile->setChecked(true);
    d.cmdOk->click();
    EXPECT_EQ(stored(u"Rip Disc As One File"_s), u"1"_s);
    EXPECT_TRUE(owner.grabber.oneFile);
    owner.grabber = GrabSettings{};
    EXPECT_TRUE(load().chkOneFile->isChecked());
    EXPECT_TRUE(owner.grabber.oneFile);
}

}  // namespace
