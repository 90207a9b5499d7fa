#include "components/sound/AudioRecorder.h"

#include "components/sound/SoundClock.h"

#include <QAudioDevice>
#include <QAudioSource>
#include <QMediaDevices>

#include <algorithm>
#include <deque>
#include <mutex>

namespace sound {

namespace {
// Sound the server keeps for the recorder while the device thread is busy elsewhere.
constexpr int kServerBufferMs = 500;
constexpr qsizetype kValueBytes = sizeof(std::int16_t);
}  // namespace

// Lives on the device thread: reads the sound input as it arrives and cuts it into blocks.
class CaptureWorker : public QObject {
public:
    explicit CaptureWorker(AudioRecorder* recorder) : m_recorder(recorder) {}

    // Device thread. Empty when capture runs, otherwise why not.
    QString begin(int rate, int channels, int blockSize, quint64 run)
    {
        end();
        {
            std::lock_guard lock(m_mutex);
            m_ready.clear();
            m_current.clear();
        }
        m_pending.clear();
        const QAudioDevice device = QMediaDevices::defaultAudioInput();
        if (device.isNull())
            return QStringLiteral("No sound input device is available (is a sound server running?).");
        m_source = new QAudioSource(device, SoundDevice::int16Format(rate, channels), this);
        m_source->setBufferSize(static_cast<qsizetype>(sound::samplesForMs(rate, channels, kServerBufferMs)) * kValueBytes);
        m_io = m_source->start();
        if (!m_io || m_source->error() != QAudio::NoError || m_source->state() == QAudio::StoppedState) {
            end();
            return QStringLiteral("The sound input could not be opened (%1 Hz, %2 channels).").arg(rate).arg(channels);
        }
        m_channels = channels;
        m_blockSize = std::max(blockSize / channels * channels, channels);
        m_run = run;
        m_blocks = 0;
        connect(m_io, &QIODevice::readyRead, this, [this] { pull(); });
        return {};
    }

    // Device thread. Takes what the input still holds, then makes the rest one last ready block.
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

    // Any thread.
    SampleBlock take()
    {
        std::lock_guard lock(m_mutex);
        if (m_ready.empty())
            return {};
        SampleBlock block = std::move(m_ready.front());
        m_ready.pop_front();
        return block;
    }

private:
    // Device thread.
    void pull()
    {
        if (!m_io)
            return;
        m_pending.append(m_io->readAll());
        const qsizetype frameBytes = kValueBytes * m_channels;
        const qsizetype usable = m_pending.size() / frameBytes * frameBytes;
        if (usable == 0)
            return;
        const auto* data = reinterpret_cast<const std::int16_t*>(m_pending.constData());
        const auto values = static_cast<std::size_t>(usable / kValueBytes);
        m_recorder->m_history.append(data, values);
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
        m_recorder->m_frames.fetch_add(static_cast<std::int64_t>(values) / m_channels);
        m_pending.remove(0, usable);
        AudioRecorder* recorder = m_recorder;
        for (int number : finished)
            recorder->deliver(m_run, [recorder, number] { Q_EMIT recorder->EndArrayRecord(number); });
    }

    AudioRecorder* m_recorder;
    QAudioSource* m_source = nullptr;
    QIODevice* m_io = nullptr;
    QByteArray m_pending;  // bytes read that do not yet make a whole frame
    std::mutex m_mutex;
    std::deque<SampleBlock> m_ready;
    SampleBlock m_current;
    int m_channels = 2;
    int m_blockSize = 0;  // values, set by begin()
    int m_blocks = 0;
    quint64 m_run = 0;
};

AudioRecorder::AudioRecorder(QObject* parent) : SoundDevice(QStringLiteral("velloria-recorder"), parent)
{
    m_worker = new CaptureWorker(this);
    adopt(m_worker);
}

AudioRecorder::~AudioRecorder()
{
    stop();
}

void AudioRecorder::setBlockSize(int values)
{
    m_blockSize = std::max(values, 1);
}

void AudioRecorder::start()
{
    stop();
    beginRun([this, rate = sampleRate(), count = channels(), block = m_blockSize](quint64 run) {
        return m_worker->begin(rate, count, block, run);
    });
}

void AudioRecorder::stop()
{
    endRun([this] { m_worker->end(); });
}

SampleBlock AudioRecorder::takeBlock()
{
    return m_worker->take();
}

}  // namespace sound
