// What the program asks of the desktop, against a private bus with mock services: the
// notification at the end of a long job in an inactive window and its click, the session kept
// awake through the portal or logind and released however the job ends, the dock entry's
// progress, and nothing at all where no service runs.
#include "components/desktop/Inhibition.h"
#include "components/desktop/LongJob.h"
#include "support/CoreSupport.h"
#include "support/DesktopBus.h"

#include <gtest/gtest.h>

#include <chrono>

namespace {

using namespace std::chrono_literals;
using testing_support::DesktopBus;
using testing_support::waitFor;

const QStringList kAll{QStringLiteral("notifications"), QStringLiteral("logind"), QStringLiteral("portal")};

// A window whose activity the test sets and whose raising it counts.
struct FakeWindow {
    bool active = false;
    int raised = 0;
    desktop::JobWindow window() {
        return {[this] { return active; }, [this] { ++raised; }};
    }
};

std::unique_ptr<desktop::LongJob> job(desktop::Session* session, FakeWindow& window) {
    return std::make_unique<desktop::LongJob>(session, QStringLiteral("Converting audio files"),
                                              QStringLiteral("Conversion finished"), window.window());
}

TEST(DesktopOutcome, SaysHowManyFilesWereWrittenAndHowManyFailed) {
    struct Case {
        int written, failed;
        const char* text;
    };
    for (const Case& c : {Case{1, 0, "1 file written, 0 failed."}, Case{0, 1, "0 files written, 1 failed."},
                          Case{3, 2, "3 files written, 2 failed."}, Case{12, 0, "12 files written, 0 failed."}})
        EXPECT_EQ(desktop::outcomeText(c.written, c.failed), QLatin1String(c.text)) << c.written << "/" << c.failed;
}

class Desktop : public ::testing::Test {
protected:
    void start(const QStringList& services, std::chrono::milliseconds noticeAfter = 0ms) {
        bus = std::make_unique<DesktopBus>(services);
        ASSERT_EQ(bus->error(), QString());
        session = bus->session(noticeAfter);
    }
    std::unique_ptr<DesktopBus> bus;
    std::unique_ptr<desktop::Session> session;
    FakeWindow window;
};

TEST_F(Desktop, ALongJobInAnInactiveWindowEndsWithOneNotificationOfItsOutcome) {
    start(kAll);
    auto j = job(session.get(), window);
    j->fileWritten();
    j->fileWritten();
    j->filesFailed(1);
    j->ended();
    ASSERT_TRUE(waitFor([&] { return !bus->notifications().isEmpty(); }));
    const QList<QVariantList> sent = bus->notifications();
    ASSERT_EQ(sent.size(), 1);
    const QVariantList& n = sent.constFirst();
    ASSERT_EQ(n.size(), 8);
    EXPECT_EQ(n[0].toString(), QStringLiteral("Velloria"));
    EXPECT_EQ(n[1].toUInt(), 0U);
    EXPECT_EQ(n[3].toString(), QStringLiteral("Conversion finished"));
    EXPECT_EQ(n[4].toString(), QStringLiteral("2 files written, 1 failed."));
    EXPECT_TRUE(n[5].toStringList().contains(QStringLiteral("default")));
    EXPECT_EQ(n[6].toMap().value(QStringLiteral("desktop-entry")).toString(), QStringLiteral("org.example.Test"));
}

// Only a job that took long, in a window the user is not looking at, is worth a notification.
TEST_F(Desktop, AShortJobOrAnActiveWindowGetsNoNotification) {
    struct Case {
        std::chrono::milliseconds noticeAfter;
        bool active;
        int written;
        int expected;
    };
    for (const Case& c : {Case{0ms, false, 1, 1}, Case{1h, false, 1, 0}, Case{0ms, true, 1, 0}, Case{0ms, false, 0, 0}}) {
        start({QStringLiteral("notifications")}, c.noticeAfter);
        window.active = c.active;
        auto j = job(session.get(), window);
        for (int i = 0; i < c.written; ++i) j->fileWritten();
        j->ended();
        // A notification sent is on the bus before a call made after it is answered.
        job(session.get(), window)->ended();
        EXPECT_EQ(bus->notifications().size(), c.expected) << c.noticeAfter.count() << " " << c.active;
        session.reset();
        bus.reset();
    }
}

TEST_F(Desktop, ClickingTheNotificationRaisesTheWindow) {
    start(kAll);
    auto j = job(session.get(), window);
    j->fileWritten();
    j->ended();
    ASSERT_TRUE(waitFor([&] { return !bus->notifications().isEmpty(); }));
    // A click can be told apart from another's only once the id the server gave has come back:
    // clicked until it is (another id's click never raises the window).
    EXPECT_TRUE(waitFor([&] {
        bus->clickNotification(2);  // no notification of ours
        bus->clickNotification(1);
        return window.raised >= 1;
    }));
}

TEST_F(Desktop, TheSessionIsKeptAwakeThroughThePortalUntilTheJobEnds) {
    start(kAll);
    auto j = job(session.get(), window);
    ASSERT_TRUE(waitFor([&] { return bus->portalInhibits().size() == 1; }));
    const QVariantList call = bus->portalInhibits().constFirst();
    EXPECT_EQ(call[0].toString(), QString());
    EXPECT_EQ(call[1].toUInt(), desktop::kPortalSuspendAndIdle);
    EXPECT_EQ(call[2].toMap().value(QStringLiteral("reason")).toString(), QStringLiteral("Converting audio files"));
    waitFor([] { return false; }, 200);  // the request's path has come back
    EXPECT_TRUE(bus->portalRequestsClosed().isEmpty());
    j->ended();
    EXPECT_TRUE(waitFor([&] { return bus->portalRequestsClosed().size() == 1; }));
    EXPECT_TRUE(bus->logindInhibits().isEmpty());
}

// A cancelled or failed job, or one the program left, never calls ended(): its end releases.
TEST_F(Desktop, AJobThatEndsWithoutItsOutcomeReleasesTheSessionAndTheDock) {
    start(kAll);
    testing_support::DockListener dock;
    bus->listenToDock(dock);
    auto j = job(session.get(), window);
    j->fileProgress(40);
    ASSERT_TRUE(waitFor([&] { return bus->portalInhibits().size() == 1; }));
    waitFor([] { return false; }, 200);
    j.reset();
    EXPECT_TRUE(waitFor([&] { return bus->portalRequestsClosed().size() == 1; }));
    ASSERT_TRUE(waitFor([&] { return dock.updates.size() == 2; }));
    EXPECT_FALSE(dock.updates.constLast().value(QStringLiteral("progress-visible")).toBool());
    EXPECT_TRUE(bus->notifications().isEmpty());
}

TEST_F(Desktop, WithoutAPortalLogindHoldsTheSessionUntilTheJobEnds) {
    start({QStringLiteral("logind")});
    auto j = job(session.get(), window);
    ASSERT_TRUE(waitFor([&] { return bus->logindHeld() == 1; }));
    const QVariantList call = bus->logindInhibits().constFirst();
    EXPECT_EQ(call, (QVariantList{QStringLiteral("sleep:idle"), QStringLiteral("Velloria"),
                                  QStringLiteral("Converting audio files"), QStringLiteral("block")}));
    j->ended();
    EXPECT_TRUE(waitFor([&] { return bus->logindHeld() == 0; }));
    EXPECT_EQ(bus->logindInhibits().size(), 1);
}

// Released before logind answered: the descriptor is dropped as the answer comes.
TEST_F(Desktop, AnInhibitionReleasedBeforeItsAnswerIsNotKept) {
    start({QStringLiteral("logind")});
    // No session bus: logind is asked at once, without the portal's answer first.
    std::make_unique<desktop::Inhibition>(QDBusConnection(QString()), bus->appConnection(), QStringLiteral("Velloria"),
                                          QStringLiteral("Recording sound"))
        .reset();
    ASSERT_TRUE(waitFor([&] { return bus->logindInhibits().size() == 1; }));
    EXPECT_TRUE(waitFor([&] { return bus->logindHeld() == 0; }));
}

TEST_F(Desktop, TheDockShowsTheWholeJobsProgressAndClearsAtItsEnd) {
    start(kAll);
    testing_support::DockListener dock;
    bus->listenToDock(dock);
    auto j = job(session.get(), window);
    j->setFileCount(2);
    j->fileProgress(50);
    j->fileProgress(50.4);  // the same whole percent: not sent again
    j->fileEnded();
    j->fileProgress(0);
    j->fileProgress(100);
    j->ended();
    ASSERT_TRUE(waitFor([&] { return dock.updates.size() == 4; }));
    QList<double> shown;
    for (const QVariantMap& u : dock.updates.mid(0, 3)) {
        EXPECT_TRUE(u.value(QStringLiteral("progress-visible")).toBool());
        shown << u.value(QStringLiteral("progress")).toDouble();
    }
    EXPECT_EQ(shown, (QList<double>{0.25, 0.5, 1.0}));
    EXPECT_FALSE(dock.updates.constLast().value(QStringLiteral("progress-visible")).toBool());
    EXPECT_EQ(dock.applications.constFirst(), QStringLiteral("application://org.example.Test.desktop"));
}

// No service on the bus, or no bus at all: the job runs as it would without a desktop.
TEST_F(Desktop, WithoutServicesAJobRunsAndAsksNothing) {
    start({});
    auto j = job(session.get(), window);
    j->fileProgress(30);
    j->fileWritten();
    j->ended();
    waitFor([] { return false; }, 200);
    EXPECT_EQ(window.raised, 0);
    desktop::Session nowhere{QDBusConnection(QString()), QDBusConnection(QString()), QStringLiteral("x")};
    auto k = job(&nowhere, window);
    k->fileProgress(30);
    k->fileWritten();
    k->ended();
    auto none = job(nullptr, window);
    none->fileProgress(30);
    none->ended();
    EXPECT_EQ(window.raised, 0);
}

}  // namespace
