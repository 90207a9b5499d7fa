#include "components/sound/AudioRecorder.h"

#include "components/sound/SampleHistory.h"
#include "components/sound/SoundClock.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSource>
#include <QMediaDevices>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>

namespace sound {

// Lives on the recorder's thread: reads the sound input as it arrives and cuts it into blocks.
class CaptureWorker : public QObject {
public:
    explicit CaptureWorker(AudioRecorder* recorder) : m_recorder(recorder) {}

    QString begin(int rate, int channels, int blockSize, quint64 generation)
    {
        end();
        {
            std::lock_guard lock(m_mutex);
            m_ready.clear();
            m_current.clear();
        }
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (device.isNull())
            return QStringLiteral("No sound input device is available (is a sound server running?).");
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelCount(channels);
        format.setSampleFormat(QAudioFormat::Int16);
        m_source = new QAudioSource(device, format, this);
        m_source->setBufferSize(static_cast<qsizetype>(sound::samplesForMs(rate, channels, 500) * 2));
        m_io = m_source->start();
        if (!m_io || m_source->error() != QAudio::NoError || m_source->state() == QAudio::StoppedState) {
            end();
            return QStringLiteral("The sound input could not be opened (%1 Hz, %2 channels).").arg(rate).arg(channels);
        }
        m_channels = channels;
        m_blockSize = std::max(blockSize / channels * channels, channels);
        m_generation = generation;
        m_blocks = 0;
        m_frames.store(0);
        history.reset(channels, static_cast<std::size_t>(sound::samplesForMs(rate, channels, 4000)));
        connect(m_io, &QIODevice::readyRead, this, [this] { pull(); });
        return {};
    }

    // Takes what the input still holds, then makes the rest one last ready block.
    void end()
    {
        if (m_source) {
            pull();
            m_source->stop();
            delete m_source;
            m_source = nullptr;
            m_io = nullptr;
            std::lock_guard lock(m_mutex);
            if (!m_current.empty())
                m_ready.push_back(std::exchange(m_current, {}));
        }
    }

    SampleBlock take()
    {
        std::lock_guard lock(m_mutex);
        if (m_ready.empty())
            return {};
        SampleBlock block = std::move(m_ready.front());
        m_ready.pop_front();
        return block;
    }

    std::int64_t frames() const { return m_frames.load(); }
    SampleHistory history;

private:
    void pull()
    {
        if (!m_io)
            return;
        const QByteArray bytes = m_io->readAll();
        m_pending.append(bytes);
        const qsizetype frameBytes = 2 * m_channels;
        const qsizetype usable = m_pending.size() / frameBytes * frameBytes;
        if (usable == 0)
            return;
        const auto* data = reinterpret_cast<const std::int16_t*>(m_pending.constData());
        const auto values = static_cast<std::size_t>(usable / 2);
        history.append(data, values);
        std::vector<int> finished;
        {
            std::lock_guard lock(m_mutex);
            for (std::size_t i = 0; i < values;) {
                const std::size_t n = std::min(values - i, static_cast<std::size_t>(m_blockSize) - m_current.size());
                m_current.insert(m_current.end(), data + i, data + i + n);
                i += n;
                if (m_current.size() >= static_cast<std::size_t>(m_blockSize)) {
                    m_ready.push_back(std::exchange(m_current, {}));
                    finished.push_back(++m_blocks);
                }
            }
        }
        m_frames.fetch_add(static_cast<std::int64_t>(values) / m_channels);
        m_pending.remove(0, usable);
        QPointer<AudioRecorder> recorder(m_recorder);
        const quint64 generation = m_generation;
        for (int number : finished)
            QMetaObject::invokeMethod(m_recorder, [recorder, generation, number] {
                if (recorder) recorder->blockReady(generation, number);
            }, Qt::QueuedConnection);
    }

    AudioRecorder* m_recorder;
    QAudioSource* m_source = nullptr;
    QIODevice* m_io = nullptr;
    QByteArray m_pending;
    std::mutex m_mutex;
    std::deque<SampleBlock> m_ready;
    SampleBlock m_current;
    int m_channels = 2;
    int m_blockSize = 88200;
    int m_blocks = 0;
    quint64 m_generation = 0;
    std::atomic<std::int64_t> m_frames{0};
};

AudioRecorder::AudioRecorder(QObject* parent) : QObject(parent)
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("velloria-recorder"));
    m_worker = new CaptureWorker(this);
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::TimeCriticalPriority);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &AudioRecorder::tick);
}

AudioRecorder::~AudioRecorder()
{
    stop();
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { delete w; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void AudioRecorder::prepare(int sampleRate, int channels)
{
    m_rate = sampleRate > 0 ? sampleRate : 44100;
    m_channels = std::clamp(channels, 1, 8);
}

void AudioRecorder::setBlockSize(int values)
{
    m_blockSize = std::max(values, 1);
}

void AudioRecorder::start()
{
    stop();
    ++m_generation;
    QString error;
    const int rate = m_rate;
    const int channels = m_channels;
    const int block = m_blockSize;
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(m_worker, [&] { error = m_worker->begin(rate, channels, block, generation); },
                              Qt::BlockingQueuedConnection);
    m_error = error;
    m_status = error.isEmpty() ? 0 : -1;
    m_recording = error.isEmpty();
    if (m_recording)
        m_timer.start();
}

void AudioRecorder::stop()
{
    m_timer.stop();
    if (!m_recording)
        return;
    m_recording = false;
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->end(); }, Qt::BlockingQueuedConnection);
}

SampleBlock AudioRecorder::takeBlock()
{
    return m_worker->take();
}

int AudioRecorder::samplesForMs(int ms) const
{
    return static_cast<int>(sound::samplesForMs(m_rate, m_channels, ms));
}

std::int64_t AudioRecorder::msForSamples(std::int64_t frames) const
{
    return sound::msForFrames(m_rate, frames);
}

SampleBlock AudioRecorder::latestSamples(int count) const
{
    return m_worker->history.latest(count, currentPosition());
}

std::int64_t AudioRecorder::currentPosition() const
{
    return m_worker->frames();
}

void AudioRecorder::blockReady(quint64 generation, int number)
{
    if (generation == m_generation)
        Q_EMIT EndArrayRecord(number);
}

void AudioRecorder::tick()
{
    if (!m_recording)
        return;
    const std::int64_t position = currentPosition();
    const auto [left, right] = m_worker->history.levels(m_rate / 10, position);
    Q_EMIT Timer(position, left, right);
}

}  // namespace sound
