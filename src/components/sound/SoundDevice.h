#pragma once
// What the player and the recorder share: a thread of their own on which the sound is moved,
// the prepared format, conversions between samples and milliseconds, the last seconds of
// sound for display, the Timer event and the state of the last start.
//
// NOTE ON THREADS
// Every public call comes from the user-interface thread (the thread that created the device),
// and every event (Timer, and the player's and the recorder's own) arrives on it. Each device
// owns a thread of its own (a QThread at time-critical priority, started when the device is
// made and ended when it is destroyed) and a worker that lives there and owns the Qt Multimedia
// sink or source. The user-interface thread reaches the worker only by blocking calls
// (beginRun, endRun, the destructor); the worker reaches the device only through deliver(),
// which queues the event to the user-interface thread and drops it once its run has ended,
// the sample history (locked) and the frame count (atomic), which either thread may use.

#include "components/ComponentError.h"
#include "components/audio/engine/SampleBlock.h"
#include "components/sound/SampleHistory.h"

#include <QAudioFormat>
#include <QObject>
#include <QString>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <cstdint>
#include <functional>

namespace sound {

class SoundDevice : public QObject {
    Q_OBJECT
public:
    ~SoundDevice() override;

    // The format of the next start(): a rate that is not positive gives 44100 Hz, the channel
    // count is held to 1..8.
    void prepare(int sampleRate, int channels);
    int sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }
    // Interleaved values in `ms` milliseconds of the prepared format.
    int samplesForMs(int ms) const;
    // Milliseconds that `frames` frames of the prepared format last.
    std::int64_t msForSamples(std::int64_t frames) const;
    // The last `count` values (whole frames) heard or captured, for display.
    SampleBlock latestSamples(int count) const;
    // Frames heard or captured since the last start().
    std::int64_t currentPosition() const { return m_frames.load(); }
    // Whether the last start() failed; reason() then says why.
    bool failed() const { return m_state.failed(); }
    QString reason() const { return m_state.reason(); }

Q_SIGNALS:
    // About every 100 ms while running: the position and the peak levels (0..32767) of the
    // last tick.
    void Timer(qint64 CurrentSamples, int LevelLeft, int LevelRight);

protected:
    explicit SoundDevice(const QString& threadName, QObject* parent);
    // Moves the worker onto the device thread; it is deleted there with the device.
    void adopt(QObject* worker);
    // Starts a run: `open` runs on the device thread with the run's number and returns why the
    // sound cannot flow, or nothing. True when the run began.
    bool beginRun(const std::function<QString(quint64 run)>& open);
    // Ends the run, if one is going: `close` runs on the device thread; no event of the run
    // arrives after this.
    void endRun(const std::function<void()>& close);
    bool running() const { return m_running; }
    // The number of the current run; an ended run's number never comes back.
    quint64 currentRun() const { return m_run; }
    // Device thread: runs `event` on the user-interface thread unless the run has ended by then.
    void deliver(quint64 run, std::function<void()> event);
    // The 16-bit format the device opens with.
    static QAudioFormat int16Format(int rate, int channels);

    SampleHistory m_history;
    std::atomic<std::int64_t> m_frames{0};  // written on the device thread

private:
    void tick();

    QThread m_thread;
    QObject* m_worker = nullptr;
    QTimer m_timer;
    ComponentState m_state;
    quint64 m_run = 0;  // one per start(); events of an earlier run are dropped
    int m_rate = 44100;
    int m_channels = 2;
    bool m_running = false;
};

}  // namespace sound
