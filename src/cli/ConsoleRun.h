#pragma once
// One run of velloria-convert: the planned files converted by the converter's own run, and
// what the user is told. On a terminal, one progress line on stderr; otherwise one result line
// per file on stdout (or one JSON object per event with --json); failures always on stderr.

#include "cli/Options.h"
#include "cli/Plan.h"
#include "cli/RunSettings.h"

#include <QList>

#include <atomic>

namespace cli {

// Set from a signal handler: the run stops after dropping the output it is writing.
extern std::atomic<bool> g_interrupted;

// Runs the plan; the exit status (0 every file written or skipped, 1 some failed).
int runPlan(const Options& options, const RunSettings& settings, const QList<PlannedFile>& plan);

}  // namespace cli
