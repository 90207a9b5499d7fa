// The conversion run on several cores. Files convert on worker threads, each into a hidden part
// file beside its output; an entry's part file becomes its output, and its tags and source
// deletion follow, only once every earlier entry has ended. Messages, failures, the status bar
// and what a cancel leaves behind are therefore those of a run that converts one file after
// another; only the time differs.
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/engine/PartFiles.h"
#include "components/audio/Formats.h"
#include "runs/ConversionRunner.h"


#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRunnable>
#include <QThreadPool>

#include <atomic>
#include <condition_variable>
#include <csignal>
#include <filesystem>
#include <functional>
#include <memory>
#include <mutex>
#include <vector>

#include <unistd.h>

namespace converter {
namespace {

// How long the run waits for its workers before it looks at the progress of the file the status
// bar follows again; a job that ends wakes it at once.
constexpr int kWorkerWaitMs = 50;
// A cancelled job ends at its next block; this only bounds the wait for one that hangs.
constexpr int kCancelWaitMs = 60000;

}  // namespace

// One file converted on a worker thread into its part file, with reader and writer objects of
// its own that carry the window's writer settings.
class PartJob : public QRunnable, private audio::JobListener {
public:
    PartJob(const RunComponents& components, QString source, QString part, bool measure, std::function<void()> ended)
        : m_source(std::move(source)), m_part(std::move(part)), m_measure(measure), m_ended(std::move(ended)) {
        setAutoDelete(false);
        m_reader.setChannelLimit(channel_layout::kMaxChannels);
        m_writer.copySettingsFrom(components.writer);
    }

    void run() override {
        const std::unique_ptr<audio::AudioSource> source = sourceOf(m_reader, m_source);
        audio::AudioFileSink sink(m_writer, m_part);
        audio::AudioJob job(*source, sink, *this);
        m_job = &job;
        if (m_cancel.load()) job.cancel();
        const audio::JobOutcome outcome = job.run();
        m_job = nullptr;
        // The written file is measured here, beside the other workers.
        audio::FileLoudness loudness;
        if (outcome.written() && m_measure) loudness = audio::measureFile(m_part);
        {
            std::lock_guard lock(m_mutex);
            m_outcome = outcome;
            m_loudness = std::move(loudness);
            m_finished = true;
            m_endedCondition.notify_all();
        }
        m_ended();
    }

    // Any thread; honoured at the next block.
    void cancel() { m_cancel.store(true); }
    bool finished() const {
        std::lock_guard lock(m_mutex);
        return m_finished;
    }
    // Waits up to `ms` for the job to end; true when it has.
    bool waitFinished(int ms) {
        std::unique_lock lock(m_mutex);
        return m_endedCondition.wait_for(lock, std::chrono::milliseconds(ms), [this] { return m_finished; });
    }
    audio::JobOutcome outcome() const {
        std::lock_guard lock(m_mutex);
        return m_outcome;
    }
    double fraction() const { return audio::JobProgress{m_done.load(), m_total.load()}.fraction(); }
    // The loudness of the written file, once the job has ended.
    audio::FileLoudness loudness() const {
        std::lock_guard lock(m_mutex);
        return m_loudness;
    }
    const QString& part() const { return m_part; }

private:
    void progress(const audio::JobProgress& progress) override {
        m_done.store(progress.done);
        m_total.store(progress.total);
        if (m_cancel.load() && m_job) m_job->cancel();
    }
    void finished(const audio::JobOutcome&) override {}

    AudioFile m_reader;
    AudioFile m_writer;
    const QString m_source;
    const QString m_part;
    const bool m_measure;
    const std::function<void()> m_ended;  // tells the run's thread that this job has ended
    audio::AudioJob* m_job = nullptr;
    std::atomic<bool> m_cancel{false};
    std::atomic<std::int64_t> m_done{0};
    std::atomic<std::int64_t> m_total{0};
    mutable std::mutex m_mutex;
    std::condition_variable m_endedCondition;
    audio::JobOutcome m_outcome;
    audio::FileLoudness m_loudness;
    bool m_finished = false;
};

// The status bar follows the entry's job (the earliest entry that has not ended) until it ends.
// The message loop runs at least once for every entry, as it does once per block when files
// convert one at a time, so a job that ended early still shows. False when the run ends here: at
// a cancel the entry keeps its partial output under its own name, as a run of one file at a time
// leaves it, and every later entry's work is dropped by the run.
bool ConversionRunner::followJob(PartJob& job, int number, const QString& q, const std::function<void()>& planAhead) {
    m_host.fileStarted(number);
    m_host.fileProgress(0);
    for (;;) {
        planAhead();
        if (!m_host.letEventsRun()) {
            m_stopped = true;
            break;
        }
        m_host.fileProgress(job.fraction() * 100.0);
        m_host.timePanels(job.fraction());
        if (job.finished()) return true;
        if (m_host.cancelRequested()) break;
        // The window waits in its event loop, so that it answers at once; a finishing job wakes
        // it to put its output in place and start the next.
        if (!m_host.waitForWorkers(kWorkerWaitMs, [&job](int ms) { job.waitFinished(ms); })) {
            m_stopped = true;
            break;
        }
    }
    job.cancel();
    job.waitFinished(kCancelWaitMs);
    settleUnfinished(job.part(), q);
    if (!m_stopped) {
        m_host.setBusy(false);
        m_host.fileEnded();
    }
    return false;
}

// Tags the entry's finished output and puts it in place, then deletes its source as asked; a job
// that failed leaves nothing, as one converted on this thread does.
void ConversionRunner::commitJob(PartJob& job, const QString& p, const QString& q) {
    audio::JobOutcome outcome = job.outcome();
    if (outcome.written()) {
        completeOutput(p, job.part(), q, job.loudness(), [this, p](const QString& part) { return copyTags(p, part); });
    } else {
        QFile::remove(job.part());
        m_host.setBusy(false);
        m_host.fileProgress(0);
        fail(p, outcome.reason.replace(job.part(), q));
    }
    m_host.fileEnded();
}

// The entries of a run on every core: what each comes to, the jobs started for them on the
// pool, and the outputs claimed so far.
struct ConversionRunner::Parallel {
    Parallel(const RunSnapshot& s, bool ready)
        : snapshot(s), n(static_cast<int>(s.entries.size())), plans(std::size_t(n)), jobs(std::size_t(n)),
          writerReady(ready) {
        pool.setMaxThreadCount(s.workers);
    }
    EntryPlan& plan(int i) { return plans[std::size_t(i)]; }
    PartJob* job(int i) const { return jobs[std::size_t(i)].get(); }
    bool skipped(int i) const { return !snapshot.wholeList && !snapshot.entries[i].selected; }

    const RunSnapshot& snapshot;
    const int n;
    std::vector<EntryPlan> plans;
    std::vector<std::unique_ptr<PartJob>> jobs;
    QHash<QString, QString> claimed;
    QSet<QString> outputsAhead;  // outputs of the planned entries, which later entries must not read early
    QThreadPool pool;
    int next = 0;  // the first entry not planned yet
    const bool writerReady;  // the format can be written here
};

// Plans entries in list order and starts the plain-file conversions among them, while a worker
// is free. An entry stays here, for the one-at-a-time way, when it reads a file that an earlier
// entry writes, when its output cannot be written over, or when it is a CD track.
void ConversionRunner::planAhead(Parallel& run, int head) {
    int running = 0;
    for (int i = head; i < run.next; ++i)
        if (run.job(i) && !run.job(i)->finished()) ++running;
    while (run.next < run.n && running < run.snapshot.workers) {
        const int i = run.next;
        const RunEntry& entry = run.snapshot.entries[i];
        if (run.skipped(i)) {
            ++run.next;
            continue;
        }
        if (i > head && run.outputsAhead.contains(outputClaimKey(entry.source))) break;
        EntryPlan& plan = run.plan(i);
        plan = planEntry(run.snapshot, i, run.claimed);
        if (plan.kind == EntryPlan::Kind::Convert) {
            run.outputsAhead.insert(outputClaimKey(entry.output));
            const QFileInfo out(entry.output);
            if (!plan.cd && run.writerReady && (!out.exists() || out.isWritable())) {
                run.jobs[std::size_t(i)] = std::make_unique<PartJob>(m_components, entry.source, partFileFor(entry.output, i),
                                                                     m_albums.active(),
                                                                     [this] { m_host.wake(); });
                run.pool.start(run.job(i));
                ++running;
            }
        }
        ++run.next;
    }
}

// Ends entry `head` here, on this thread; false when the run ends with it.
bool ConversionRunner::endEntry(Parallel& run, int head) {
    const EntryPlan& plan = run.plan(head);
    const QString& p = run.snapshot.entries[head].source;
    const QString& q = run.snapshot.entries[head].output;
    switch (plan.kind) {
    case EntryPlan::Kind::Message: m_host.runMessage(plan.text.shown, false); return true;
    case EntryPlan::Kind::Refuse: fail(p, plan.text); return true;
    case EntryPlan::Kind::Skip: return true;
    case EntryPlan::Kind::Convert: break;
    }
    PartJob* job = run.job(head);
    if (!job) {
        convertPlanned(run.snapshot, head, plan);
        return true;
    }
    if (!followJob(*job, head + 1, q, [&] { planAhead(run, head); })) return false;
    commitJob(*job, p, q);
    return !m_stopped;
}

void ConversionRunner::runParallel(const RunSnapshot& snapshot) {
    // A format that cannot be written here starts no job: its first entry ends the run.
    const audio::OutputFormat* format = audio::outputFormat(snapshot.formatKey);
    Parallel run(snapshot, !format || !format->unavailable || format->unavailable().isEmpty());
    for (int head = 0; head < run.n; ++head) {
        if (run.skipped(head)) continue;
        planAhead(run, head);
        if (m_host.cancelRequested() || m_stopped || m_endRun) break;
        m_entryWritten = false;
        if (!endEntry(run, head)) break;
        if (!m_host.cancelRequested() && !m_stopped && !m_endRun) entryEnded(snapshot.entries[head].source);
    }
    // Entries the run did not reach: their work is dropped.
    for (std::unique_ptr<PartJob>& job : run.jobs)
        if (job) job->cancel();
    run.pool.waitForDone();
    for (const std::unique_ptr<PartJob>& job : run.jobs)
        if (job && QFileInfo::exists(job->part())) QFile::remove(job->part());
}

}  // namespace converter
