#pragma once
// One job of a window as the desktop sees it (a conversion, a rip, an extraction): made when
// the job starts, it keeps the session awake and shows the job's progress on the dock entry;
// ended() notifies the user of a job that took long while its window was not active, and a
// click on that notification brings the window back. Destroyed, it releases the session and
// clears the dock entry, however the job ended (cancelled, failed, the program ending).
//
// The windows forward their run's events: how many files the job has, each file's progress and
// end, the files written and those that failed.

#include "components/desktop/DesktopSession.h"

#include <QElapsedTimer>
#include <QString>

#include <functional>
#include <memory>

namespace desktop {

// The window a job belongs to.
struct JobWindow {
    std::function<bool()> active;  // it is the active window
    std::function<void()> raise;   // shows it, raised and active
};

class LongJob {
public:
    // `reason` tells the desktop why it is kept awake ("Converting audio files"); `summary`
    // heads the notification ("Conversion finished"). No `session`: nothing is asked.
    LongJob(Session* session, const QString& reason, QString summary, JobWindow window);
    ~LongJob();
    LongJob(const LongJob&) = delete;
    LongJob& operator=(const LongJob&) = delete;

    void setFileCount(int count) { m_files = count; }
    // The current file is `percent` (0..100) done; the dock shows the whole job's share.
    void fileProgress(double percent);
    void fileEnded() { ++m_filesEnded; }
    void fileWritten() { ++m_written; }
    void filesFailed(int count) { m_failed += count; }
    // The job ended with its outcome (not called when the program is ending).
    void ended();

    int written() const { return m_written; }
    int failed() const { return m_failed; }

private:
    Session* m_session;
    QString m_summary;
    JobWindow m_window;
    std::unique_ptr<Inhibition> m_awake;
    QElapsedTimer m_clock;
    int m_files = 1;
    int m_filesEnded = 0;
    int m_written = 0;
    int m_failed = 0;
    bool m_ended = false;
};

// "3 files written, 1 failed": the body of a job's notification.
QString outcomeText(int written, int failed);

}  // namespace desktop
