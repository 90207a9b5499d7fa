#pragma once
// The status bar of the converter window as a progress display while one file is converted:
// panel 1 counts files, panel 2 shows the elapsed time, panel 3 the remaining time, and the
// progress bar covers panel 4. Called only by the conversion run.

#include <QString>

#include <cstdint>

class frmAudioConverter;
class QStatusBar;
class QWidget;

namespace ProgressInStatusBar {

// Puts the window's status bar into file mode for entry `fileNumber` (1-based) and disables
// cmdConvert, frameMain and tbToolBar. The last run's result leaves panel 4.
void ShowFileProgress(frmAudioConverter& window, std::int32_t fileNumber);
// Back to idle: "Ready", empty time panels, progress bar hidden, controls enabled.
void ResetStatusBar(frmAudioConverter& window);
// What the run came to (the AccurateRip verdicts) in panel 4 until the next run starts, with
// `details` as the panel's tooltip.
void ShowRunResult(frmAudioConverter& window, const QString& summary, const QString& details);
// Minutes, a colon and two-digit seconds; no hour field; tenths cut.
QString FormatTime(std::int32_t milliseconds);
// The panels' texts: "Ready", "File n of m", "Elapsed: m:ss" and "Remaining: m:ss".
QString ReadyText();
QString FileCountText(int fileNumber, int total);
QString ElapsedText(std::int32_t milliseconds);
QString RemainingText(std::int32_t milliseconds);
// Lays `control` over panel `panelIndex` (1-based) of the status bar and shows it with value
// 0, or gives it back to `formWindow` hidden.
void PlaceInStatusBarPanel(bool show, QWidget* control, QStatusBar* statusBar, int panelIndex, QWidget* formWindow);
// Refreshes panels 2 and 3 from the seconds since ShowFileProgress and the fraction done;
// a panel is written only when its text changes.
void UpdateTimePanels(frmAudioConverter& window, std::int32_t elapsedSeconds, double fractionDone);
// Whole seconds since the last ShowFileProgress.
std::int32_t ElapsedSeconds();
// The remaining milliseconds of the linear estimate, rounded half to even, clamped to
// 0 .. the largest 32-bit figure.
std::int32_t RemainingMilliseconds(std::int32_t elapsedSeconds, double fractionDone);

}  // namespace ProgressInStatusBar
