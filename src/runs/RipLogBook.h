#pragma once
// The rip logs of a conversion run: the CD tracks the run is to read, grouped by disc, each
// track's record as its read ends, the AccurateRip verdicts at the run's end, and then one log
// per disc written beside its first track (components/audio/cd/RipLog). A rip that failed or was
// cancelled gets its log too, saying so; tracks the run never reached are listed as not ripped.
//
// NOTE ON THREADS: the run's thread only, as the grabber it reads the disc's facts from.

#include "components/audio/cd/RipLog.h"
#include "components/audio/engine/RunObserver.h"
#include "runs/RunPlan.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

class CdGrabber;

namespace converter {

struct VerificationReport;

class RipLogBook {
public:
    // The run's CD-track entries (those it converts), grouped by the folder of their drive.
    void plan(const RunSnapshot& snapshot);
    bool active() const { return !m_discs.isEmpty(); }
    // Entry `p` is read from the grabber's current drive: its disc's facts are taken the first
    // time one of its tracks is.
    void trackStarted(const QString& p, const CdGrabber& grabber, const QString& cdplayerIni);
    // A track of a listed disc that the run did not list (one file holds it) is added to its log.
    void trackEnded(const QString& p, const riplog::TrackRecord& record);
    // The verdicts of the run's verification; `enabled` false: the run did not verify.
    void verified(const VerificationReport& report, bool enabled);

    struct Outcome {
        QStringList written;  // the logs' paths
        QStringList errors;   // why a log could not be written
    };
    // Writes each disc's log. `failures` are the run's, for the entries it refused before reading;
    // `cancelled`: the run was cancelled or stopped. A disc none of whose tracks was started gets
    // its facts from `grabber` (when given) and is left out without it.
    Outcome write(const QList<audio::FailedFile>& failures, bool cancelled, CdGrabber* grabber, const QString& cdplayerIni);

    // Where a drive's read offset came from (CdGrabber::appliedOffset), as the log says it.
    static QString offsetSource(const GrabSettings::DriveOffset& applied, bool image);

private:
    struct Disc {
        QString root;           // the folder of the drive's track entries
        QStringList entries;    // in run order
        QStringList outputs;
        std::optional<riplog::Log> log;  // the disc's facts, once taken
        QList<std::optional<riplog::TrackRecord>> records;
    };
    Disc* discOf(const QString& p);
    static riplog::Log discFacts(const CdGrabber& grabber, const QString& cdplayerIni);
    static riplog::Log::End ending(const riplog::Log& log, bool cancelled);
    void settle(Disc& disc, const QList<audio::FailedFile>& failures);

    QList<Disc> m_discs;
    QString m_accurateRipNote;
};

}  // namespace converter
