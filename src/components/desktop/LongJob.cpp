#include "components/desktop/LongJob.h"

#include "components/desktop/Inhibition.h"

#include <QCoreApplication>

#include <algorithm>
#include <utility>

namespace desktop {

QString outcomeText(int written, int failed) {
    const QString files = written == 1 ? QCoreApplication::translate("LongJob", "1 file written")
                                       : QCoreApplication::translate("LongJob", "%1 files written").arg(written);
    //: Follows "3 files written": the files of the job that failed.
    return files + QCoreApplication::translate("LongJob", ", %1 failed.").arg(failed);
}

LongJob::LongJob(Session* session, const QString& reason, QString summary, JobWindow window)
    : m_session(session), m_summary(std::move(summary)), m_window(std::move(window)) {
    m_clock.start();
    if (m_session) m_awake = m_session->inhibit(reason);
}

LongJob::~LongJob() {
    m_awake.reset();
    if (m_session && !m_ended) m_session->clearProgress();
}

void LongJob::fileProgress(double percent) {
    if (!m_session) return;
    const double files = std::max(1, m_files);
    const double done = std::min<double>(m_filesEnded, files) + std::clamp(percent, 0.0, 100.0) / 100.0;
    m_session->showProgress(std::min(done / files, 1.0));
}

void LongJob::ended() {
    m_awake.reset();
    if (!m_session || std::exchange(m_ended, true)) return;
    m_session->clearProgress();
    // A job that wrote nothing and failed nothing (cancelled at once, refused) is not news.
    if (m_written + m_failed == 0) return;
    if (m_clock.elapsed() < m_session->noticeAfter().count()) return;
    if (m_window.active && m_window.active()) return;
    m_session->notify(m_summary, outcomeText(m_written, m_failed), m_window.raise);
}

}  // namespace desktop
