#include "converter/ProgressInStatusBar.h"

#include "components/ComponentError.h"
#include "converter/frmAudioConverter.h"

#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QListWidget>
#include <QProgressBar>
#include <QPushButton>
#include <QStatusBar>
#include <QToolBar>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <limits>
#include <optional>

namespace ProgressInStatusBar {
namespace {

using Clock = std::chrono::steady_clock;

// When the current file started; set by ShowFileProgress only. A monotonic clock, so that a
// change of the wall clock cannot make the elapsed time negative.
std::optional<Clock::time_point> FileStartTime;

void setPanelText(QLabel* panel, const QString& text) {
    if (panel && panel->text() != text) panel->setText(text);
}

void setControlsEnabled(frmAudioConverter& window, bool enabled) {
    if (window.cmdConvert) window.cmdConvert->setEnabled(enabled);
    if (window.frameMain) window.frameMain->setEnabled(enabled);
    if (window.tbToolBar) window.tbToolBar->setEnabled(enabled);
}

// The panel label `panelIndex` (1-based) of the status bar: the converter window's own panels
// when the status bar is its sbStatus, otherwise the status bar's own labels in order.
QLabel* findPanel(QStatusBar* statusBar, int panelIndex, QWidget* formWindow, QWidget* control) {
    if (panelIndex < 1) return nullptr;
    if (auto* converter = qobject_cast<frmAudioConverter*>(formWindow); converter && converter->sbStatus == statusBar) {
        const int panelCount = static_cast<int>(std::size(converter->sbPanel));
        return panelIndex <= panelCount ? converter->sbPanel[panelIndex - 1] : nullptr;
    }
    int index = 0;
    for (QLabel* label : statusBar->findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label == control) continue;
        if (++index == panelIndex) return label;
    }
    return nullptr;
}

// The panel's rectangle in the status bar's coordinates, after pending layout work (a panel
// text just changed may still move the panels).
QRect panelRect(QStatusBar* statusBar, QLabel* panel) {
    if (!panel) return {};
    if (QLayout* top = statusBar->window()->layout()) top->activate();
    if (QLayout* own = statusBar->layout()) own->activate();
    const QPoint topLeft = statusBar->isAncestorOf(panel)
                               ? panel->mapTo(statusBar, QPoint(0, 0))
                               : statusBar->mapFromGlobal(panel->mapToGlobal(QPoint(0, 0)));
    return {topLeft, panel->size()};
}

}  // namespace

void ShowFileProgress(frmAudioConverter& window, std::int32_t fileNumber) {
    // Counts the whole list, also when only the selected entries are converted.
    const int total = window.lstFiles ? window.lstFiles->count() : 0;
    setPanelText(window.sbPanel[0], FileCountText(fileNumber, total));
    setPanelText(window.sbPanel[1], ElapsedText(0));
    setPanelText(window.sbPanel[2], RemainingText(0));
    ShowRunResult(window, {}, {});
    PlaceInStatusBarPanel(true, window.pbProgressBar, window.sbStatus, 4, &window);
    setControlsEnabled(window, false);
    window.setProgress(0);
    FileStartTime = Clock::now();
}

void ResetStatusBar(frmAudioConverter& window) {
    setPanelText(window.sbPanel[0], ReadyText());
    setPanelText(window.sbPanel[1], QString());
    setPanelText(window.sbPanel[2], QString());
    PlaceInStatusBarPanel(false, window.pbProgressBar, window.sbStatus, 4, &window);
    setControlsEnabled(window, true);
    window.setProgress(0);
}

void ShowRunResult(frmAudioConverter& window, const QString& summary, const QString& details) {
    setPanelText(window.sbPanel[3], summary);
    window.sbPanel[3]->setToolTip(details);
}

QString FormatTime(std::int32_t milliseconds) {
    // Whole seconds, cut toward zero; a negative time shows as a minus sign and its magnitude
    // (splitting a negative figure into minutes and seconds separately would give "-1:-01").
    const std::int64_t totalSeconds = std::llabs(static_cast<std::int64_t>(milliseconds)) / 1000;
    const std::int64_t minutes = totalSeconds / 60;
    const std::int64_t seconds = totalSeconds % 60;
    const QString sign = milliseconds < 0 && totalSeconds > 0 ? QStringLiteral("-") : QString();
    return sign + QString::number(minutes) + QLatin1Char(':') + QStringLiteral("%1").arg(seconds, 2, 10, QLatin1Char('0'));
}

QString ReadyText() {
    //: Status bar: no conversion is running
    return QCoreApplication::translate("ProgressInStatusBar", "Ready");
}

QString FileCountText(int fileNumber, int total) {
    return QCoreApplication::translate("ProgressInStatusBar", "File %1 of %2").arg(fileNumber).arg(total);
}

QString ElapsedText(std::int32_t milliseconds) {
    return QCoreApplication::translate("ProgressInStatusBar", "Elapsed: %1").arg(FormatTime(milliseconds));
}

QString RemainingText(std::int32_t milliseconds) {
    return QCoreApplication::translate("ProgressInStatusBar", "Remaining: %1").arg(FormatTime(milliseconds));
}

void PlaceInStatusBarPanel(bool show, QWidget* control, QStatusBar* statusBar, int panelIndex, QWidget* formWindow) {
    if (!control) return;
    if (show) {
        if (!statusBar) return;
        const QRect rect = panelRect(statusBar, findPanel(statusBar, panelIndex, formWindow, control));
        control->setParent(statusBar);
        control->setGeometry(rect);
        if (auto* bar = qobject_cast<QProgressBar*>(control)) bar->setValue(0);
        control->raise();
        control->show();
    } else {
        control->setParent(formWindow);
        control->hide();
    }
}

void UpdateTimePanels(frmAudioConverter& window, std::int32_t elapsedSeconds, double fractionDone) {
    // A time too long for the panel shows as the longest it can hold.
    std::int32_t elapsedMs = 0;
    if (__builtin_mul_overflow(elapsedSeconds, 1000, &elapsedMs)) elapsedMs = std::numeric_limits<std::int32_t>::max();
    setPanelText(window.sbPanel[1], ElapsedText(elapsedMs));

    // Nothing done yet (or no figure): the remaining time is unknown, the panel keeps its text.
    if (std::isnan(fractionDone) || fractionDone <= 0) return;
    // Past the end the linear estimate turns negative; the file is done.
    const std::int32_t remaining = std::max(RemainingMilliseconds(elapsedSeconds, fractionDone), 0);
    setPanelText(window.sbPanel[2], RemainingText(remaining));
}

std::int32_t ElapsedSeconds() {
    if (!FileStartTime) return 0;
    // Counts the whole-second boundaries of the clock passed since the start.
    using std::chrono::duration_cast;
    using std::chrono::seconds;
    const auto start = duration_cast<seconds>(FileStartTime->time_since_epoch()).count();
    const auto now = duration_cast<seconds>(Clock::now().time_since_epoch()).count();
    const auto elapsed = now - start;
    if (elapsed > std::numeric_limits<std::int32_t>::max()) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(elapsed);
}

std::int32_t RemainingMilliseconds(std::int32_t elapsedSeconds, double fractionDone) {
    const double elapsed = elapsedSeconds;
    // Rounds to nearest, halves to even (the default rounding mode).
    const double remaining = std::nearbyint((elapsed / fractionDone - elapsed) * 1000.0);
    // A stated length far beyond the true one (a header that lies) makes the estimate huge or
    // undefined; the panel then shows the longest time it can hold, and the file goes on.
    constexpr auto longest = static_cast<double>(std::numeric_limits<std::int32_t>::max());
    if (std::isnan(remaining)) return std::numeric_limits<std::int32_t>::max();
    return static_cast<std::int32_t>(std::clamp(remaining, 0.0, longest));
}

}  // namespace ProgressInStatusBar
