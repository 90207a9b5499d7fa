#pragma once
// The desktop services (components/desktop) for a window: a job of the window, and the session
// kept awake. The window is raised when its job's notification is clicked; a window gone by
// then is not touched.

#include "components/desktop/Inhibition.h"
#include "components/desktop/LongJob.h"

#include <memory>

class QWidget;

namespace ui {

// The program's desktop session (on the session and system buses, named after the desktop
// entry the program was started with).
desktop::Session& desktopSession();

// A job of `window`; see desktop::LongJob.
std::unique_ptr<desktop::LongJob> desktopJob(QWidget* window, const QString& reason, const QString& summary);

// Keeps the session awake until the result is destroyed.
std::unique_ptr<desktop::Inhibition> keepAwake(const QString& reason);

}  // namespace ui
