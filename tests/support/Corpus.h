#pragma once
// The corrupt-input corpus (scripts/corrupt-corpus) for tests that feed every file of it
// through a tool, the fingerprints that show its files were left as they were, and a guard
// that fails the test program when one file hangs.

#include <QHash>
#include <QString>
#include <QStringList>

#include <condition_variable>
#include <mutex>
#include <thread>

namespace testing_support {

// The files of one folder of the corpus ("audio", "video" or "disc"), sorted; the corpus is
// made once per test program in a temporary folder. Empty (with a test failure) when the
// script fails.
QStringList corruptCorpus(const QString& kind);

// What a file holds now: its bytes' hash when it can be read, else its size and time.
QHash<QString, QByteArray> fingerprints(const QStringList& paths);
// Adds a test failure for each file whose fingerprint changed or that is gone.
void expectUnchanged(const QHash<QString, QByteArray>& before);

// While alive, ends the test program with a message naming `what` when `seconds` pass: a
// hang fails the test instead of stalling the suite (a hang guard, not a time limit on speed).
class HangGuard {
public:
    HangGuard(QString what, int seconds);
    ~HangGuard();
    HangGuard(const HangGuard&) = delete;
    HangGuard& operator=(const HangGuard&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_done;
    bool m_finished = false;
    std::thread m_thread;
};

}  // namespace testing_support
