#pragma once
// One run of velloria-convert: the planned files converted by the converter's own run, and
// what the user is told. On a terminal, one progress line on stderr; otherwise one result line
// per file on stdout (or one JSON object per event with --json); failures always on stderr.

#include "cli/Options.h"
#include "cli/Plan.h"
#include "cli/RunSettings.h"

#include <QList>
#include <QTranslator>

#include <atomic>

class CdGrabber;

namespace cli {

// With --json the output is for scripts, and every text stays English whatever catalogue is
// installed: installed last, this translator is asked first and answers with the English text.
class EnglishTexts : public QTranslator {
public:
    bool isEmpty() const override { return false; }
    QString translate(const char*, const char* source, const char* = nullptr, int = -1) const override {
        return QString::fromUtf8(source);
    }
};

// Set from a signal handler: the run stops after dropping the output it is writing.
extern std::atomic<bool> g_interrupted;

// What a run of CD tracks reads through: the grabber, where disc information is kept, and the
// AccurateRip cache folder (empty: the tracks are not verified).
struct DiscRun {
    CdGrabber* grabber = nullptr;
    QString cdplayerIni;
    QString accurateRipCache;
};

// Runs the plan; the exit status (0 every file written or skipped, 1 some failed).
int runPlan(const Options& options, const RunSettings& settings, const QList<PlannedFile>& plan, const DiscRun& disc = {});

// The sound tracks of the planned videos, each written as the extractor window writes it into
// a hidden folder beside its output and moved into place when whole; the exit status. The
// format and bitrate are the extractor's stored ones unless the options give them.
int runExtraction(const Options& options, const QList<PlannedFile>& plan, const QString& formatKey);

// Creates `folder` and the folders above it when missing; the system's reason when it could
// not, or nothing.
QString makeFolder(const QString& folder);

// The extractor window's stored format ("MP3", "WAV", ...).
QString storedExtractorFormat();

}  // namespace cli
