#include "components/sound/SoundDevice.h"

#include "components/sound/SoundClock.h"

#include <algorithm>

namespace sound {

namespace {
// The rate of a format that names none: CD quality.
constexpr int kDefaultRate = 44100;
// The most channels of the sound servers' standard layouts (7.1).
constexpr int kMaxChannels = 8;
// How often Timer reports: ten times a second moves the meters and the clock smoothly.
constexpr int kTickMs = 100;
// Sound kept for display: the visualisation draws well under a second, and the rest covers a
// user-interface thread that falls behind.
constexpr int kHistoryMs = 4000;
}  // namespace

SoundDevice::SoundDevice(const QString& threadName, QObject* parent) : QObject(parent)
{
    m_thread.setObjectName(threadName);
    // Sound that misses its moment is heard as a gap, or lost from a recording.
    m_thread.start(QThread::TimeCriticalPriority);
    m_timer.setInterval(kTickMs);
    connect(&m_timer, &QTimer::timeout, this, &SoundDevice::tick);
}

SoundDevice::~SoundDevice()
{
    if (m_worker)
        QMetaObject::invokeMethod(m_worker, [w = m_worker] { delete w; }, Qt::BlockingQueuedConnection);
    m_thread.quit();
    m_thread.wait();
}

void SoundDevice::adopt(QObject* worker)
{
    m_worker = worker;
    m_worker->moveToThread(&m_thread);
}

void SoundDevice::prepare(int sampleRate, int channels)
{
    m_rate = sampleRate > 0 ? sampleRate : kDefaultRate;
    m_channels = std::clamp(channels, 1, kMaxChannels);
}

int SoundDevice::samplesForMs(int ms) const
{
    return static_cast<int>(sound::samplesForMs(m_rate, m_channels, ms));
}

std::int64_t SoundDevice::msForSamples(std::int64_t frames) const
{
    return sound::msForFrames(m_rate, frames);
}

SampleBlock SoundDevice::latestSamples(int count) const
{
    return m_history.latest(count, currentPosition());
}

QAudioFormat SoundDevice::int16Format(int rate, int channels)
{
    QAudioFormat format;
    format.setSampleRate(rate);
    format.setChannelCount(channels);
    format.setSampleFormat(QAudioFormat::Int16);
    return format;
}

bool SoundDevice::beginRun(const std::function<QString(quint64)>& open)
{
    const quint64 run = ++m_run;
    m_frames.store(0);
    m_history.reset(m_channels, static_cast<std::size_t>(samplesForMs(kHistoryMs)));
    QString error;
    QMetaObject::invokeMethod(m_worker, [&] { error = open(run); }, Qt::BlockingQueuedConnection);
    m_running = error.isEmpty();
    if (m_running) {
        m_state.succeed();
        m_timer.start();
    } else {
        m_state.fail(error);
    }
    return m_running;
}

void SoundDevice::endRun(const std::function<void()>& close)
{
    m_timer.stop();
    if (!m_running)
        return;
    m_running = false;
    ++m_run;
    QMetaObject::invokeMethod(m_worker, close, Qt::BlockingQueuedConnection);
}

void SoundDevice::deliver(quint64 run, std::function<void()> event)
{
    // Posted to this object, the call is dropped with it should the device go first.
    QMetaObject::invokeMethod(this, [this, run, event = std::move(event)] {
        if (run == m_run && m_running)
            event();
    }, Qt::QueuedConnection);
}

void SoundDevice::tick()
{
    if (!m_running)
        return;
    const std::int64_t position = currentPosition();
    const auto [left, right] = m_history.levels(static_cast<int>(samplesForMs(kTickMs) / m_channels), position);
    Q_EMIT Timer(position, left, right);
}

}  // namespace sound
