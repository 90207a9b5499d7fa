#pragma once
// Runs a piece of work on a thread of its own while the calling thread's event loop goes on, so
// that a window stays live during a network look-up. Qt Core only.

#include <QEventLoop>
#include <QObject>
#include <QThread>

#include <functional>
#include <memory>
#include <mutex>
#include <optional>

// `work`'s result; nothing when the program ended first (its event loops were told to exit).
template <class T>
std::optional<T> whileEventsRun(std::function<T()> work) {
    // Shared with the thread, which may outlive this call when the program ends first.
    struct Outcome {
        std::mutex mutex;
        std::optional<T> result;
    };
    const auto outcome = std::make_shared<Outcome>();
    QThread* thread = QThread::create([outcome, work = std::move(work)] {
        T result = work();
        const std::lock_guard lock(outcome->mutex);
        outcome->result = std::move(result);
    });
    QEventLoop loop;
    QObject::connect(thread, &QThread::finished, &loop, &QEventLoop::quit);
    QObject::connect(thread, &QThread::finished, thread, &QObject::deleteLater);
    thread->start();
    loop.exec();
    const std::lock_guard lock(outcome->mutex);
    return outcome->result;
}
