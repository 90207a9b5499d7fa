// The converter window's runs on the desktop, against a private bus with mock services: the
// session kept awake for the run and let go at its end or cancel, the dock's progress, and the
// notification of a long run's outcome in an inactive window, whose click brings the window back.
#include "components/audio/cd/CdGrabber.h"
#include "components/desktop/DesktopSession.h"
#include "components/store/StoredNumbers.h"
#include "converter/frmAudioConverter.h"
#include "support/CdImages.h"
#include "support/CoreSupport.h"
#include "support/DesktopBus.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QListWidget>
#include <QLineEdit>
#include <QComboBox>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using testing_support::DesktopBus;
using testing_support::waitFor;

class DesktopRun : public ::testing::Test {
protected:
    void start(std::chrono::milliseconds noticeAfter) {
        bus = std::make_unique<DesktopBus>(
            QStringList{QStringLiteral("notifications"), QStringLiteral("logind"), QStringLiteral("portal")});
        ASSERT_EQ(bus->error(), QString());
        bus->listenToDock(dock);
        desktop::Session::replaceShared(bus->session(noticeAfter));
        stored::save(QStringLiteral("\\Software\\Brindlewood\\Audioconverter"), QStringLiteral("AccurateRip Verify"), 0);
        window = new frmAudioConverter;
        window->Splash1->Hide();
        window->optOtherFolder->click();
        window->txtFolder->setText(out.path());
        window->imgcmbConvertTo->setCurrentIndex(window->imgcmbConvertTo->findData(QStringLiteral("WAV")));
    }
    void TearDown() override {
        delete window.data();
        desktop::Session::replaceShared(nullptr);
        ui::setAppTitle(QStringLiteral("Velloria"));
    }
    // A sound file and a file that is no sound, both listed and selected.
    void listGoodAndBad(double seconds = 1.0) {
        const QString good = in.filePath(QStringLiteral("good.wav"));
        ASSERT_EQ(testing_support::writeAudioFile(good, testing_support::musicTone(44100, 2, seconds), 44100, 2), QString());
        QFile bad(in.filePath(QStringLiteral("bad.mp3")));
        ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
        bad.write("no sound here");
        bad.close();
        window->addPaths({good, bad.fileName()});
        window->SelectAll();
    }

    testing_support::TempConfigHome config;
    QTemporaryDir in;
    QTemporaryDir out;
    std::unique_ptr<DesktopBus> bus;
    testing_support::DockListener dock;
    QPointer<frmAudioConverter> window;
};

TEST_F(DesktopRun, ALongRunInAnInactiveWindowKeepsAwakeShowsProgressAndNotifiesItsOutcome) {
    start(0ms);
    listGoodAndBad();
    ASSERT_FALSE(window->isActiveWindow());
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    ASSERT_TRUE(waitFor([&] { return !bus->notifications().isEmpty(); }));
    const QVariantList n = bus->notifications().constFirst();
    EXPECT_EQ(n[3].toString(), QStringLiteral("Conversion finished"));
    EXPECT_EQ(n[4].toString(), QStringLiteral("1 file written, 1 failed."));
    EXPECT_EQ(bus->notifications().size(), 1);

    EXPECT_EQ(bus->portalInhibits().size(), 1);
    EXPECT_TRUE(waitFor([&] { return bus->portalRequestsClosed().size() == 1; }));
    ASSERT_TRUE(waitFor([&] { return !dock.updates.isEmpty() && !dock.updates.constLast().value(QStringLiteral("progress-visible")).toBool(); }));
    ASSERT_GE(dock.updates.size(), 2);
    EXPECT_TRUE(dock.updates.constFirst().value(QStringLiteral("progress-visible")).toBool());

    ASSERT_FALSE(window->isVisible());
    // Clicked until the notification's id has come back to the program.
    EXPECT_TRUE(waitFor([&] {
        bus->clickNotification(1);
        return window->isVisible();
    }));
}

// A short run, or one the user watched in the active window, ends without a notification;
// either way the session was kept awake and is let go.
TEST_F(DesktopRun, AShortRunOrAnActiveWindowIsNotNotified) {
    for (const bool activeWindow : {false, true}) {
        start(activeWindow ? 0ms : 1h);
        if (activeWindow) {
            window->show();
            window->activateWindow();
            ASSERT_TRUE(waitFor([&] { return window->isActiveWindow(); }));
        }
        listGoodAndBad();
        testing_support::MsgBoxRecorder boxes;
        window->cmdConvert->click();
        EXPECT_TRUE(waitFor([&] { return bus->portalRequestsClosed().size() == 1; })) << activeWindow;
        EXPECT_TRUE(bus->notifications().isEmpty()) << activeWindow;
        TearDown();
        QFile::remove(out.filePath(QStringLiteral("good.WAV")));
    }
}

TEST_F(DesktopRun, ACancelledRunLetsTheSessionGo) {
    start(0ms);
    listGoodAndBad(20.0);
    QTimer press;
    QObject::connect(&press, &QTimer::timeout, [&] {
        if (window->progressValue() > 0) {
            window->cmdCancel->click();
            press.stop();
        }
    });
    press.start(0);
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_EQ(bus->portalInhibits().size(), 1);
    EXPECT_TRUE(waitFor([&] { return bus->portalRequestsClosed().size() == 1; }));
    ASSERT_TRUE(waitFor([&] { return !dock.updates.isEmpty() && !dock.updates.constLast().value(QStringLiteral("progress-visible")).toBool(); }));
}

// A rip holds the session from its start and lets it go at its end, at a cancel and when a
// track fails (an unreadable sector with "stop" as the action on errors).
TEST_F(DesktopRun, ARipLetsTheSessionGoAtItsEndItsCancelAndItsFailure) {
    enum class End { Whole, Cancelled, Failed };
    for (const End end : {End::Whole, End::Cancelled, End::Failed}) {
        SCOPED_TRACE(int(end));
        start(1h);
        const QString folder = out.filePath(QString::number(int(end)));
        ASSERT_TRUE(QDir().mkpath(folder));
        window->txtFolder->setText(folder);
        const testing_support::CdImage image = testing_support::writeCdImage(
            in.path(), QStringLiteral("disc%1").arg(int(end)), {testing_support::cdNoise(150), testing_support::cdTone(1500)});
        GrabSettings settings = window->grabberSettings();
        settings.errorAction = 0;
        settings.retries = 0;
        window->setGrabberSettings(settings);
        auto scratched = std::make_shared<testing_support::ScratchedDisc>();
        if (end == End::Failed) scratched->unreadable = {image.starts[1] + 40};
        window->AudioGrabber1->setDriveLayer(scratched);
        window->addPaths({image.cue});
        ASSERT_EQ(window->lstFiles->count(), 2);
        window->SelectAll();
        QTimer press;
        QObject::connect(&press, &QTimer::timeout, [&] {
            if (window->progressValue() > 0) {
                window->cmdCancel->click();
                press.stop();
            }
        });
        if (end == End::Cancelled) press.start(0);
        testing_support::MsgBoxRecorder boxes;
        window->cmdConvert->click();
        EXPECT_EQ(bus->portalInhibits().size(), 1);
        EXPECT_TRUE(waitFor([&] { return bus->portalRequestsClosed().size() == 1; }));
        EXPECT_EQ(QFileInfo::exists(QDir(folder).filePath(QStringLiteral("Track02.WAV"))), end == End::Whole);
        TearDown();
    }
}

// No desktop services at all: the run converts as it always has.
TEST_F(DesktopRun, WithoutServicesTheRunConvertsAsBefore) {
    bus = std::make_unique<DesktopBus>(QStringList{});
    ASSERT_EQ(bus->error(), QString());
    desktop::Session::replaceShared(bus->session(0ms));
    window = new frmAudioConverter;
    window->Splash1->Hide();
    window->optOtherFolder->click();
    window->txtFolder->setText(out.path());
    window->imgcmbConvertTo->setCurrentIndex(window->imgcmbConvertTo->findData(QStringLiteral("WAV")));
    listGoodAndBad();
    testing_support::MsgBoxRecorder boxes;
    window->cmdConvert->click();
    EXPECT_TRUE(QFile::exists(out.filePath(QStringLiteral("good.WAV"))));
    EXPECT_EQ(boxes.texts().size(), 1);  // the failed file's report
}

}  // namespace
