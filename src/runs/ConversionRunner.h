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
#include "components/audio/tags/FileLoudness.h"
#include "components/audio/tags/Loudness.h"
#include "components/audio/cd/CdTypes.h"
#include "components/audio/settings/OutputSettings.h"
#include "components/audio/engine/RunObserver.h"

#include <QHash>
#include <QList>
#include <QString>

#include <functional>
#include <optional>

class AudioFile;
class QObject;
namespace accuraterip {
struct Verdict;
}
class AudioInfo;
class CdGrabber;
class WMAFile;

namespace converter {

class PartJob;  // one file converted on a worker thread (ParallelRun.cpp)
struct VerificationTally;

struct RunEntry {
    QString source;
    QString output;
    bool selected = false;
};

struct RunSnapshot {
    QList<RunEntry> entries;
    QString formatKey;  // "MP3", "WAV", "OGG", "WMA", "FLAC" or "OPUS"
    bool sameFolder = false;
    bool wholeList = false;
    bool deleteSource = false;
    bool preserveTags = false;
    // Files converted at once: 1 converts one file after another. More run on worker threads,
    // with exactly the outcome of one at a time.
    int workers = 1;
    // Outputs only ever appear whole: files convert through part files even one at a time, a
    // cancel drops the partial output instead of leaving it under its name, and a file whose
    // conversion failed is reported without a second attempt into its output. For programs that
    // may be stopped at any moment (the command line), where a later run skips existing outputs.
    bool wholeOutputsOnly = false;
    // What every output format is written with.
    OutputSettings settings;
    // Measure every output and tag it with its track and album loudness (ReplayGain; R128 gains
    // in Opus). An album is the files of the run that share a source folder: it gets album values
    // only when every one of its files has its output at the end of the run, and then all of
    // them get the same values, measured over all of them.
    bool loudnessTags = false;
    // Sources whose outputs exist already and are not converted again (the command line skips
    // them): with loudness tags they belong to their albums, measured from their output files,
    // which get the album values too.
    QList<RunEntry> existing;
    // Sources the caller failed before the run: their albums are not whole.
    QStringList notConverted;
};

using FailedFile = audio::FailedFile;

// The AccurateRip verification of a run's CD tracks, once at the run's end.
// One CD track as its verification found it.
struct TrackVerdict {
    QString source;    // "…/Track02.cda"
    QString verdict;   // "Accurately ripped (confidence 5, AccurateRip v2)", …
    bool mismatch = false;
};

struct VerificationReport {
    QString text;     // "AccurateRip results:", then a line per track, or per disc that has no record
    QString summary;  // the same in one line, for a status bar
    bool attention = false;  // a track does not match or had error blocks
    QList<TrackVerdict> tracks;  // each track that has a verdict, in the order written
};

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
};

struct RunComponents {
    AudioFile& reader;
    AudioFile& writer;
    WMAFile& wmaReader;
    WMAFile& wmaWriter;
    AudioInfo& tags;
    CdGrabber* grabber = nullptr;  // reads CD tracks; none: CD tracks cannot be converted
    QString cdplayerIni;           // where disc information found earlier is kept
};

class ConversionRunner : private audio::JobListener {
public:
    ConversionRunner(RunHost& host, RunComponents components);

    // The walk over the list: every processed entry in order, until cancelled.
    void run(const RunSnapshot& snapshot);
    // One ordinary file from `p` to `q`, with the snapshot's tag and deletion choices. True when
    // the whole output was written.
    // Every output is written under a part name beside it (partFileFor) and given its tags there;
    // only a whole, tagged output is put in place. A failure leaves nothing under `q`; a cancel
    // puts the partial output in place (drops it with RunSnapshot::wholeOutputsOnly).
    bool convertFile(const QString& p, const QString& q, bool inWMA, bool outWMA);
    // One CD track (a "TrackNN.cda" entry under a drive's root text) from `p` to `q`. True when
    // the whole track was written.
    bool convertCdTrack(const QString& p, const QString& q, bool outWMA);
    bool selectDriveOf(CdGrabber& grabber, const QString& p);
    void followGrabberEvents(CdGrabber& grabber, QObject& context);
    // Writes the disc information known for the grabber's disc (knownDiscInfo) and what the disc
    // holds into `path` as the tags of track `track`; why it could not, or nothing.
    QString tagFromDiscInformation(const CdGrabber& grabber, int track, const QString& path);
    // The failures collected since the last report, and their report to the host.
    const QList<FailedFile>& failures() const { return m_failures; }
    void reportFailures();
    // CD tracks written in a run are verified with AccurateRip at its end, their records kept in
    // `cacheFolder` (none: not verified, the default).
    void verifyWithAccurateRip(const QString& cacheFolder) { m_accurateRipCache = cacheFolder; }
    // The AccurateRip verdict of every CD track written in this run, once at its end.
    void reportAccurateRip();
    // The choices and the writers' settings convertFile applies (run() takes them from its
    // snapshot).
    void setOptions(bool preserveTags, bool deleteSource);
    void useSettings(const OutputSettings& settings);
    // The program is ending: the run stopped and touched nothing more.
    bool stopped() const { return m_stopped; }

private:
    // What an entry comes to once the checks that need no conversion have run.
    struct EntryPlan {
        enum class Kind { Skip, Message, Refuse, Convert };
        Kind kind = Kind::Skip;
        QString text;  // the message (Message) or the reason it fails (Refuse)
        bool cd = false;
        bool inWMA = false;
    };
    void progress(const audio::JobProgress& progress) override;
    void finished(const audio::JobOutcome&) override {}
    void processEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed);
    EntryPlan planEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed) const;
    // Converts a planned entry here, on the calling thread, with the status bar on it.
    void convertPlanned(const RunSnapshot& snapshot, int index, const EntryPlan& plan);
    // Tags a part file; the reason it failed, or nothing.
    using Tagger = std::function<QString(const QString& part)>;
    // Once `part` holds the whole output of `p`: its tags (copied or from the disc) and track
    // loudness go into it, then it is put in place as `q`, counted into its album, and the
    // source deleted as asked. False (the part removed, the source kept, nothing under `q`)
    // when any step failed.
    bool completeOutput(const QString& p, const QString& part, const QString& q, const audio::FileLoudness& loudness,
                        const Tagger& tagger);
    QString copyTags(const QString& p, const QString& part);
    // The loudness of a written part file, measured here with the message loop running.
    audio::FileLoudness measureHere(const QString& part);
    // A cancelled output: in place as it is, or dropped when only whole outputs may appear.
    void settleUnfinished(const QString& part, const QString& q);
    bool trackReadWhole(const QString& p, const QString& q, const QString& part, const audio::JobOutcome& outcome,
                        bool openFailed, const QString& openError, const std::function<void()>& reportErrorBlocks);
    // An entry that the run processed to its end (written, refused or failed, not cancelled):
    // when it was its album's last, the album's values go into each of the album's outputs, or,
    // when one of its files has no output, into none.
    void entryEnded(const QString& p);
    void countAlbums(const RunSnapshot& snapshot);
    struct Album;
    void finishAlbum(const QString& folder, Album& album);
    void runParallel(const RunSnapshot& snapshot);
    bool followJob(PartJob& job, int number, const QString& q, const std::function<void()>& planAhead);
    void commitJob(PartJob& job, const QString& p, const QString& q);
    void fail(const QString& path, const QString& reason) { m_failures.push_back({path, reason}); }

    RunHost& m_host;
    RunComponents m_components;
    audio::AudioJob* m_job = nullptr;  // the job in progress
    QList<FailedFile> m_failures;
    bool m_preserveTags = false;
    bool m_deleteSource = false;
    bool m_stopped = false;
    bool m_wholeOutputsOnly = false;
    bool m_endRun = false;  // WMA cannot be written here: no later entry is processed
    // The CD track being read was aborted for a cancel.
    bool m_cdAborted = false;
    bool m_cdTrack = false;  // the job in progress reads a CD track
    int m_partIndex = 0;        // tells the part files of the run's entries apart
    bool m_entryWritten = false;  // the entry being processed has its output in place
    // Loudness tags: the albums of the run (the entries of one source folder), each with the
    // entries still to end, the outputs written so far and those that existed before.
    struct Album {
        int pending = 0;
        AlbumLoudness loudness;
        QStringList outputs;
        QStringList existing;
        QString missing;  // a source of the album that has no output
    };
    bool m_loudness = false;
    QHash<QString, Album> m_albums;
    // The CD tracks written in this run, with their AccurateRip checksums.
    struct RippedTrack {
        QString source;
        DiscToc toc;
        int track = 0;
        std::uint32_t v1 = 0, v2 = 0;
        int errorBlocks = 0;
    };
    QList<RippedTrack> m_ripped;
    QString m_accurateRipCache;
    static QString verdictLine(const RippedTrack& t, const accuraterip::Verdict& verdict, VerificationTally& tally,
                               QList<TrackVerdict>& verdicts);
};

// The hidden file beside `output` that a conversion running at the same time as others writes
// first; it becomes `output` by an atomic rename. `entry` tells the entries of one run apart.
QString partFileFor(const QString& output, int entry);
// Replaces `to` with `from` in one step, so that no half-written file is ever seen under `to`.
bool replaceWith(const QString& from, const QString& to);
// Removes the part files in `folder` that programs no longer running have left behind.
void removeLeftoverParts(const QString& folder);

// The key under which an output path is claimed within one run: two texts that name the
// same place (a doubled "/", a "." part, a linked folder) give the same key.
QString outputClaimKey(const QString& path);

}  // namespace converter
