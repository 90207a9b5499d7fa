#pragma once
// The converter's run without its window: it walks a snapshot of the list (entries, their
// outputs, the format key and the two check boxes taken when Convert was pressed), refuses
// the entries that cannot be converted, converts each of the others as one job of the audio
// job engine, copies tags and deletes sources as asked.
//
// Everything the user sees goes through RunHost: the run's message boxes and the summary of
// failed files are shown there and nowhere else, and the status-bar progress is driven from
// there. The run reads and writes through the components it is given, its writers set to the
// output settings of its snapshot.
//
// Threads: the run runs on the calling thread (the user-interface thread for the window) and
// lets the message loop run through its host: once per block when files convert one at a time,
// and while it waits for its workers when they convert on every core (ParallelRun.cpp). Anything
// may happen during those passes; the run checks its cancel request after each.

#include "components/audio/engine/AudioJob.h"
#include "components/audio/engine/PartFiles.h"
#include "components/audio/tags/FileLoudness.h"
#include "components/audio/tags/Loudness.h"
#include "components/audio/cd/CdTypes.h"
#include "components/audio/settings/OutputSettings.h"
#include "components/audio/engine/RunObserver.h"
#include "runs/AccurateRipVerifier.h"
#include "runs/AlbumLoudnessTagger.h"
#include "runs/RipCueSheet.h"
#include "runs/RipLogBook.h"
#include "runs/RunPlan.h"
#include "runs/RunText.h"
#include "runs/SheetSources.h"

#include <QHash>
#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <optional>

class AudioFile;
class AudioInfo;
class CdGrabber;

namespace converter {

class PartJob;  // one file converted on a worker thread (ParallelRun.cpp)
class CdTrackJob;

using FailedFile = audio::FailedFile;

// The window as the conversion run sees it: the run's events (audio::RunObserver) and the
// status bar's time panels, the pointer, and the waits of the run on every core.
class RunHost : public audio::RunObserver {
public:
    // The elapsed and remaining time panels for the fraction done (0: not known).
    virtual void timePanels(double fraction) = 0;
    // The hourglass pointer on or off.
    virtual void setBusy(bool busy) = 0;
    // Ends the run after the current entry, as the Cancel button does.
    virtual void cancelRun() = 0;
    // The progress bar's value, 0..100.
    virtual double progressShown() const = 0;
    // While files convert on worker threads: lets events run until wake() is called or `ms`
    // have passed; false when the program is ending. `block` waits on the workers themselves,
    // for a host whose thread has nothing else to serve (the default).
    virtual bool waitForWorkers(int ms, const std::function<void(int ms)>& block) {
        block(ms);
        return true;
    }
    // Ends a waitForWorkers early: a worker finished. Any thread.
    virtual void wake() {}
    // The whole, tagged output of `source` was put in place under its name `output` (before the
    // source is deleted, when it is).
    virtual void outputWritten(const QString& source, const QString& output) {
        Q_UNUSED(source);
        Q_UNUSED(output);
    }
    // The verification of the run's CD tracks; a host without a status bar shows it as a message.
    virtual void verificationEnded(const VerificationReport& report) { runMessage(report.text, false); }
    // A CD track was written whole; `errorBlocks` of its blocks could not be read exactly
    // (silenced, cut or corrected).
    virtual void cdTrackWritten(const QString& source, int errorBlocks) {
        Q_UNUSED(source);
        Q_UNUSED(errorBlocks);
    }
    // Test and copy: the two reads of a CD track written whole differ, as `text` says; the track
    // is not exact.
    virtual void testAndCopyDiffered(const QString& source, const QString& text) {
        Q_UNUSED(source);
        runMessage(text, false);
    }
    // The rip log of a disc read in the run was written to `path` (its JSON beside it).
    virtual void ripLogWritten(const QString& path) { Q_UNUSED(path); }
    // A disc's rip log could not be written, as `reason` says.
    virtual void ripLogFailed(const QString& reason) { runMessage(reason, false); }
};

struct RunComponents {
    AudioFile& reader;
    AudioFile& writer;
    AudioInfo& tags;
    CdGrabber* grabber = nullptr;  // reads CD tracks; none: CD tracks cannot be converted
    QString cdplayerIni;           // where disc information found earlier is kept
};

class ConversionRunner : private audio::JobListener {
public:
    ConversionRunner(RunHost& host, RunComponents components);
    // What the rip of a disc wrote beside its tracks, for the rip log: its CUE sheet and, when the
    // disc was ripped as one file (GrabSettings::oneFile), that file.
    struct DiscRipped {
        QString sheet;
        QString oneFile;
    };
    // The discs of the last run, in the order their sheets were written.
    const QList<DiscRipped>& discsRipped() const;

    // The walk over the list: every processed entry in order, until cancelled.
    void run(const RunSnapshot& snapshot);
    // One ordinary file from `p` to `q`, with the snapshot's tag and deletion choices. True when
    // the whole output was written.
    // Every output is written under a part name beside it (partFileFor) and given its tags there;
    // only a whole, tagged output is put in place. A failure leaves nothing under `q`; a cancel
    // puts the partial output in place (drops it with RunSnapshot::wholeOutputsOnly).
    bool convertFile(const QString& p, const QString& q);
    // One CD track (a "TrackNN.cda" entry under a drive's root text) from `p` to `q`. True when
    // the whole track was written.
    bool convertCdTrack(const QString& p, const QString& q);
    // The failures collected since the last report, and their report to the host.
    const QList<FailedFile>& failures() const { return m_failures; }
    void reportFailures();
    // CD tracks written in a run are verified with AccurateRip at its end, their records kept in
    // `cacheFolder` (none: not verified, the default).
    void verifyWithAccurateRip(const QString& cacheFolder) { m_verifier.setCacheFolder(cacheFolder); }
    // The AccurateRip verdict of every CD track written in this run, once at its end.
    void reportAccurateRip();
    // The choices and the writers' settings convertFile applies (run() takes them from its
    // snapshot).
    void setOptions(bool preserveTags, bool deleteSource);
    void useSettings(const OutputSettings& settings);
    // The program is ending: the run stopped and touched nothing more.
    bool stopped() const { return m_stopped; }

private:
    void progress(const audio::JobProgress& progress) override;
    void finished(const audio::JobOutcome&) override {}
    void processEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed);
    // Converts a planned entry here, on the calling thread, with the status bar on it.
    void convertPlanned(const RunSnapshot& snapshot, int index, const EntryPlan& plan);
    // Tags a part file; the reason it failed, or nothing.
    using Tagger = std::function<RunText(const QString& part)>;
    // Once `part` holds the whole output of `p`: its tags (copied or from the disc) and track
    // loudness go into it, then it is put in place as `q`, counted into its album, and the
    // source deleted as asked. False (the part removed, the source kept, nothing under `q`)
    // when any step failed.
    bool completeOutput(const QString& p, const QString& part, const QString& q, const audio::FileLoudness& loudness,
                        const Tagger& tagger);
    RunText copyTags(const QString& p, const QString& part);
    // The source of `p` deleted once its output is in place (a sheet's files once all its tracks are).
    void deleteSources(const QString& p);
    // The loudness of a written part file, measured here with the message loop running.
    audio::FileLoudness measureHere(const QString& part);
    // A cancelled output: in place as it is, or dropped when only whole outputs may appear.
    void settleUnfinished(const QString& part, const QString& q);
    // Whether `part` holds the whole track `cd` read; otherwise it is dropped or settled.
    bool trackReadWhole(const QString& p, const QString& q, const QString& part, const audio::JobOutcome& outcome,
                        const CdTrackJob& cd);
    // What reading CD audio into a part file left, when the part holds it whole and the run goes on.
    struct CdRead {
        audio::JobOutcome outcome;
        audio::FileLoudness loudness;
    };
    // Reads `source` (the audio of CD track job `cd`, entry `p`) into `part` for output `q`; nothing
    // when the part is not whole or the run stopped (the part is then dropped or settled).
    std::optional<CdRead> readCd(audio::AudioSource& source, CdTrackJob& cd, const QString& p, const QString& q,
                                 const QString& part);
    // The CD track's read, from its preparation to its output in place.
    bool ripCdTrack(CdTrackJob& cd, const QString& p, const QString& q);
    // Test and copy: the test read before the copy; false (the track failed or was cancelled)
    // when it could not be read whole.
    bool testCdTrack(CdTrackJob& cd, const QString& p);
    // The rip logs (RipLogBook): each CD track's record as its read ends, each disc's log at the
    // run's end.
    void recordCdTrack(const CdTrackJob& cd, const QString& p, const QString& q, bool written, qsizetype failuresBefore);
    void writeRipLogs();
    // An entry that the run processed to its end (written, refused or failed, not cancelled):
    // when it was its album's last, the album's values go into each of the album's outputs, or,
    // when one of its files has no output, into none.
    void entryEnded(const QString& p);
    // The run on every core (ParallelRun.cpp).
    struct Parallel;
    void runParallel(const RunSnapshot& snapshot);
    void planAhead(Parallel& run, int head);
    bool endEntry(Parallel& run, int head);
    bool followJob(PartJob& job, int number, const QString& q, const std::function<void()>& planAhead);
    void commitJob(PartJob& job, const QString& p, const QString& q);
    // A failure as the user reads it, its reason kept in English too for the rip log; a reason
    // from elsewhere is kept as it is.
    void fail(const QString& path, const RunText& reason) {
        m_failures.push_back({path, reason.shown});
        m_englishReasons.push_back(reason.english);
    }
    void fail(const QString& path, const QString& reason) { fail(path, asIs(reason)); }
    // CD rips (DiscRip.cpp): the disc of entry `p` as one file, the tracks each disc had written,
    // and each disc's CUE sheet, written at the run's end.
    struct DiscRips {
        struct Disc {
            RipCueSheet sheet;
            QString folder;            // where its sheet goes: its first file's
            QMap<int, QString> files;  // track → the file that holds it
            bool oneFile = false;      // ripped as one file, its sheet written beside it
        };
        std::map<QString, Disc> discs;  // by the drive's root text
        QList<DiscRipped> written;
        std::map<QString, riplog::TrackRecord> records;  // the rip log's records of the one files' tracks, by entry
    };
    bool ripDiscAsOneFile(const QString& p, const QString& q, CdTrackJob& cd);
    // Test and copy of a disc ripped as one file: the CRC32 of each of `tracks` read once; nothing
    // when a read failed (entry `p` then fails) or the run was cancelled or stopped.
    std::optional<std::map<int, std::uint32_t>> testReadDisc(CdGrabber& grabber, const std::vector<int>& tracks, const QString& p,
                                                             const CdTrackJob& cd);
    RunText tagOneFile(const QString& file, const RipCueSheet& sheet, const cue::Sheet& inFile, std::int64_t frames,
                       const std::optional<DiscInfo>& info);
    void trackRipped(const QString& q, int track);
    void writeCueSheets(const RunSnapshot& snapshot);

    // 16-bit values asked of the grabber per read: five seconds of CD audio (44 100 frames of two
    // values a second).
    static constexpr int kCdBlockValues = 441000;

    RunHost& m_host;
    RunComponents m_components;
    audio::AudioJob* m_job = nullptr;  // the job in progress
    QList<FailedFile> m_failures;
    QStringList m_englishReasons;  // of m_failures, in the same order
    bool m_preserveTags = false;
    bool m_deleteSource = false;
    bool m_stopped = false;
    bool m_wholeOutputsOnly = false;
    bool m_endRun = false;  // the format cannot be written here: no later entry is processed
    const CdTrackJob* m_cdTrack = nullptr;  // the CD track the job in progress reads
    int m_partIndex = 0;        // tells the part files of the run's entries apart
    bool m_entryWritten = false;  // the entry being processed has its output in place
    AlbumLoudnessTagger m_albums;
    SheetDeletion m_sheets;
    AccurateRipVerifier m_verifier;
    DiscRips m_discRips;
    QString m_formatKey;  // the run's output format
    RipLogBook m_ripLogs;
};

// The part files of a run (components/audio/engine/PartFiles).
using audio::partFileFor;
using audio::removeLeftoverParts;
using audio::replaceWith;

}  // namespace converter
