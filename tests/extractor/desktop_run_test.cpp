// The extractor window's runs on the desktop, against a private bus with mock services: the
// session kept awake from the run's start to its end and let go after it ends or is cancelled,
// and the notification of a long extraction in an inactive window.
#include "components/desktop/DesktopSession.h"
#include "extractor/AEfrmmain.h"
#include "support/CoreSupport.h"
#include "support/DesktopBus.h"
#include "support/DialogTestOwner.h"
#include "support/Signals.h"
#include "support/TestSupport.h"

#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <chrono>
#include <optional>

namespace {

using namespace std::chrono_literals;
using testing_support::DesktopBus;
using testing_support::waitFor;

class ExtractorDesktop : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(work.isValid());
        movie = work.filePath(QStringLiteral("film.mp4"));
        ASSERT_EQ(testing_support::makeMusicVideo(movie, 10.0), QString());
    }
    // A fresh bus and window; every run counts as long.
    void start() {
        AEfrmmain::resetState();
        bus = std::make_unique<DesktopBus>(QStringList{QStringLiteral("notifications"), QStringLiteral("portal")});
        ASSERT_EQ(bus->error(), QString());
        desktop::Session::replaceShared(bus->session(0ms));
        window = new AEfrmmain;
        window->txtFile->setText(movie);
    }
    void TearDown() override {
        delete window.data();
        testing_support::runDeferredDeletes();
        desktop::Session::replaceShared(nullptr);
    }

    testing_support::TempConfigHome config;
    QTemporaryDir work;
    QString movie;
    std::unique_ptr<DesktopBus> bus;
    QPointer<AEfrmmain> window;
};

// The window is never shown, so it is not the active one: a long extraction that wrote its file
// is notified; a cancelled one wrote nothing and is not news.
TEST_F(ExtractorDesktop, AnExtractionKeepsTheSessionAwakeUntilItEndsOrIsCancelled) {
    struct Row {
        const char* name;
        bool cancel;
        int notifications;
    };
    for (const Row& row : {Row{"completed", false, 1}, Row{"cancelled", true, 0}}) {
        SCOPED_TRACE(row.name);
        start();
        const QString output = work.filePath(QStringLiteral("film_Audio.MP3"));
        QFile::remove(output);
        // What the desktop holds once a quarter of the sound is out (the bar also moves while
        // the video is read, before the output exists).
        std::optional<std::pair<qsizetype, qsizetype>> midway;
        QObject::connect(window->pbProgressBar, &QProgressBar::valueChanged, window, [&](int v) {
            if (midway || v < 25 || !QFile::exists(output)) return;
            midway.emplace(bus->portalInhibits().size(), bus->portalRequestsClosed().size());
            if (row.cancel) window->cmdCancel->click();
        });
        testing_support::MsgBoxRecorder boxes;
        window->cmdExtractAudio->click();

        ASSERT_TRUE(midway.has_value());
        EXPECT_EQ(midway->first, 1);   // taken at the start
        EXPECT_EQ(midway->second, 0);  // and still held
        EXPECT_TRUE(waitFor([&] { return bus->portalRequestsClosed().size() == 1; }));
        EXPECT_EQ(bus->portalInhibits().size(), 1);
        EXPECT_EQ(bus->portalInhibits().constFirst().value(2).toMap().value(QStringLiteral("reason")).toString(),
                  QStringLiteral("Extracting audio"));
        // A notification sent by mistake would come after the release.
        if (row.notifications == 0) waitFor([&] { return !bus->notifications().isEmpty(); }, 500);
        if (row.notifications > 0) {
            ASSERT_TRUE(waitFor([&] { return !bus->notifications().isEmpty(); }));
            const QVariantList n = bus->notifications().constFirst();
            EXPECT_EQ(n[3].toString(), QStringLiteral("Extraction finished"));
            EXPECT_EQ(n[4].toString(), QStringLiteral("1 file written, 0 failed."));
        }
        EXPECT_EQ(bus->notifications().size(), row.notifications);
        TearDown();
    }
}

}  // namespace
