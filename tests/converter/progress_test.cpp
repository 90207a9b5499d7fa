// The converter window's status bar as a progress display: file counter, time panels, the
// progress bar laid over panel 4, and the controls locked while a file is converted.
#include "converter/ProgressInStatusBar.h"
#include "converter/StatusThrottle.h"
#include "converter/frmAudioConverter.h"
#include "support/TestSupport.h"

#include <QGroupBox>
#include <QLabel>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QTest>
#include <QToolBar>

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

using namespace ProgressInStatusBar;

namespace {

TEST(ProgressFormatTime, MinutesAndTwoDigitSecondsWithTenthsCut) {
    const std::pair<std::int32_t, const char*> cases[] = {
        {0, "0:00"},        {999, "0:00"},      {59999, "0:59"},  {65000, "1:05"},
        {3600000, "60:00"}, {-999, "0:00"},     {-1000, "-0:01"}, {-65000, "-1:05"},
        {std::numeric_limits<std::int32_t>::max(), "35791:23"},
        {std::numeric_limits<std::int32_t>::min(), "-35791:23"},
    };
    for (const auto& [ms, text] : cases) EXPECT_EQ(FormatTime(ms), QString::fromLatin1(text)) << ms;
}

TEST(ProgressRemaining, LinearEstimateRoundedHalfToEven) {
    EXPECT_EQ(RemainingMilliseconds(10, 0.25), 30000);
    EXPECT_EQ(RemainingMilliseconds(10, 1.0), 0);
    // Fractions whose estimate is exactly 62.5 and 187.5 ms.
    EXPECT_EQ(RemainingMilliseconds(1, 1.0 / (1.0 + 1.0 / 16)), 62);
    EXPECT_EQ(RemainingMilliseconds(1, 1.0 / (1.0 + 3.0 / 16)), 188);
    EXPECT_EQ(RemainingMilliseconds(2'000'000, 0.5), 2'000'000'000);
}

// The status bar's changes during a run: a short burst shows change by change (a small run
// looks as before), a long run of tiny files at most about ten times a second, and the latest
// state is always what is pending, so nothing is lost when it is finally shown.
TEST(ProgressThrottle, BurstsShowAtOnceLongRunsTenTimesASecond) {
    converter::StatusThrottle t;
    int shown = 0;
    const auto step = [&](std::int64_t now) {
        if (!t.due(now)) return false;
        t.shown();
        ++shown;
        return true;
    };
    EXPECT_FALSE(step(0));  // nothing changed
    for (int file = 1; file <= converter::StatusThrottle::kBurst; ++file) {
        t.fileStarted(file);
        EXPECT_TRUE(step(0)) << file;
    }
    t.progress(50);
    EXPECT_FALSE(step(0));
    EXPECT_EQ(t.waitMs(0), 100);
    EXPECT_FALSE(step(99));
    EXPECT_TRUE(step(100));
    EXPECT_EQ(t.shownState().percent, 50);

    // 2000 files in two seconds, each started, advanced and ended: about 20 updates get through.
    shown = 0;
    for (int i = 0; i < 2000; ++i) {
        const std::int64_t now = 1000 + i;
        t.fileStarted(11 + i);
        step(now);
        t.progress(100);
        t.times(0, 1.0);
        step(now);
        t.fileEnded();
        step(now);
    }
    EXPECT_LE(shown, 2 * static_cast<int>(converter::StatusThrottle::kPerSecond) + converter::StatusThrottle::kBurst);
    EXPECT_GE(shown, 2 * static_cast<int>(converter::StatusThrottle::kPerSecond));
    EXPECT_FALSE(t.pending().fileMode);  // the run's end is what is pending
}

TEST(ProgressRemaining, EstimateBeyond32BitsIsClampedToTheLongestTime) {
    constexpr std::int32_t longest = std::numeric_limits<std::int32_t>::max();
    EXPECT_EQ(RemainingMilliseconds(2'000'000, 0.4), longest);
    EXPECT_EQ(RemainingMilliseconds(1, 1e-12), longest);
    EXPECT_EQ(RemainingMilliseconds(10, 0.0), longest);
    EXPECT_EQ(RemainingMilliseconds(10, 2.0), 0);
}

// The real converter window, shown, with ten entries in its list.
class ProgressStatusBar : public ::testing::Test {
protected:
    void SetUp() override {
        for (int i = 1; i <= 10; ++i) w.lstFiles->addItem(QStringLiteral("/music/track%1.wav").arg(i));
        w.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&w));
    }

    QString panel(int n) const { return w.sbPanel[n - 1]->text(); }
    QRect panelRect(int n) const {
        return {w.sbPanel[n - 1]->mapTo(w.sbStatus, QPoint(0, 0)), w.sbPanel[n - 1]->size()};
    }
    void expectControlsEnabled(bool enabled) const {
        EXPECT_EQ(w.cmdConvert->isEnabled(), enabled);
        EXPECT_EQ(w.frameMain->isEnabled(), enabled);
        EXPECT_EQ(w.tbToolBar->isEnabled(), enabled);
    }

    frmAudioConverter w;
};

TEST_F(ProgressStatusBar, FileModeCountsTheWholeListAndCoversPanelFour) {
    w.lstFiles->item(6)->setSelected(true);  // only one entry selected: the count stays the list's
    w.setProgress(40);
    ShowFileProgress(w, 3);
    EXPECT_EQ(panel(1), QStringLiteral("File 3 of 10"));
    EXPECT_EQ(panel(2), QStringLiteral("Elapsed: 0:00"));
    EXPECT_EQ(panel(3), QStringLiteral("Remaining: 0:00"));
    EXPECT_EQ(w.pbProgressBar->parentWidget(), w.sbStatus);
    EXPECT_TRUE(w.pbProgressBar->isVisible());
    EXPECT_EQ(w.pbProgressBar->value(), 0);
    EXPECT_EQ(w.progressValue(), 0.0);
    QCoreApplication::processEvents();  // let any layout request from the new texts run
    EXPECT_FALSE(panelRect(4).isEmpty());
    EXPECT_EQ(w.pbProgressBar->geometry(), panelRect(4));
    expectControlsEnabled(false);

    ShowFileProgress(w, 7);
    EXPECT_EQ(panel(1), QStringLiteral("File 7 of 10"));
}

TEST_F(ProgressStatusBar, ResetGivesTheBarBackAndUnlocksTheControls) {
    ShowFileProgress(w, 1);
    UpdateTimePanels(w, 10, 0.25);
    w.setProgress(55);
    ResetStatusBar(w);
    EXPECT_EQ(panel(1), QStringLiteral("Ready"));
    EXPECT_EQ(panel(2), QString());
    EXPECT_EQ(panel(3), QString());
    EXPECT_EQ(w.pbProgressBar->parentWidget(), &w);
    EXPECT_FALSE(w.pbProgressBar->isVisible());
    EXPECT_EQ(w.progressValue(), 0.0);
    expectControlsEnabled(true);
}

TEST_F(ProgressStatusBar, ResizingDuringAFileLeavesTheBarWhereItWas) {
    ShowFileProgress(w, 2);
    const QRect placed = w.pbProgressBar->geometry();
    w.resize(w.width() + 300, w.height() + 100);
    QCoreApplication::processEvents();
    EXPECT_NE(panelRect(4), placed);  // the panel stretches with the window
    EXPECT_EQ(w.pbProgressBar->geometry(), placed);
}

TEST_F(ProgressStatusBar, TimePanelsFollowTheEstimate) {
    ShowFileProgress(w, 1);
    UpdateTimePanels(w, 10, 0.25);
    EXPECT_EQ(panel(2), QStringLiteral("Elapsed: 0:10"));
    EXPECT_EQ(panel(3), QStringLiteral("Remaining: 0:30"));
    // Nothing done yet: the remaining time is unknown and keeps its last figure.
    UpdateTimePanels(w, 12, 0.0);
    UpdateTimePanels(w, 12, std::nan(""));
    EXPECT_EQ(panel(2), QStringLiteral("Elapsed: 0:12"));
    EXPECT_EQ(panel(3), QStringLiteral("Remaining: 0:30"));
    UpdateTimePanels(w, 75, 1.0);
    EXPECT_EQ(panel(2), QStringLiteral("Elapsed: 1:15"));
    EXPECT_EQ(panel(3), QStringLiteral("Remaining: 0:00"));
    // A fraction past the end never shows a negative remaining time.
    UpdateTimePanels(w, 75, 1.5);
    EXPECT_EQ(panel(3), QStringLiteral("Remaining: 0:00"));
}

// A header that states a length far beyond the true one must not stop the file.
TEST_F(ProgressStatusBar, TimesTooLongForThePanelsAreClamped) {
    ShowFileProgress(w, 1);
    const std::int32_t tooLong = std::numeric_limits<std::int32_t>::max() / 1000 + 1;
    UpdateTimePanels(w, tooLong, 0.5);
    EXPECT_EQ(panel(2), QStringLiteral("Elapsed: 35791:23"));
    UpdateTimePanels(w, 3, 1e-9);
    EXPECT_EQ(panel(2), QStringLiteral("Elapsed: 0:03"));
    EXPECT_EQ(panel(3), QStringLiteral("Remaining: 35791:23"));
}

}  // namespace
