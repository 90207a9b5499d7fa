#include "components/sound/AudioPlayer.h"

#include "components/sound/SampleHistory.h"
#include "components/sound/SoundClock.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>
#include <QPointer>
#include <QThread>

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>

namespace sound {

// Sound the server holds ahead of what is heard; the worker, which no busy window holds back,
// tops it up every 10 ms.
constexpr int kServerBufferMs = 250;
// Time from leaving the server's buffer to being heard, at most, on the outputs it drives.
constexpr int kOutputLatencyMs = 150;

// Lives on the player's thread: owns the sound output and copies queued blocks into it as the
// sound server makes room, every few milliseconds, whatever the user-interface thread does.
class PlaybackWorker : public QObject {
public:
    explicit PlaybackWorker(AudioPlayer* player) : m_player(player) {}

    // On the worker's thread. Empty when sound plays, otherwise why not.
    QString begin(int rate, int channels, quint64 generation)
    {
        end();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return QStringLiteral("No sound output device is available (is a sound server running?).");
        QAudioFormat format;
        format.setSampleRate(rate);
        format.setChannelCount(channels);
        format.setSampleFormat(QAudioFormat::Int16);
        m_sink = new QAudioSink(device, format, this);
        m_sink->setBufferSize(static_cast<qsizetype>(sound::samplesForMs(rate, channels, kServerBufferMs) * 2));
        m_io = m_sink->start();
        if (!m_io || m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
            end();
            return QStringLiteral("The sound output could not be opened (%1 Hz, %2 channels).").arg(rate).arg(channels);
        }
        m_channels = channels;
        m_rate = rate;
        m_generation = generation;
        m_framesWritten = 0;
        m_offset = 0;
        m_fedSinceStart = false;
        m_sinceWrite.start();
        m_heldMs = 0;
        m_starvedSent = false;
        m_drainedSent = false;
        m_draining.store(false);
        m_position.store(0);
        history.reset(channels, static_cast<std::size_t>(sound::samplesForMs(rate, channels, 4000)));
        m_feedTimer = new QTimer(this);
        m_feedTimer->setTimerType(Qt::PreciseTimer);
        connect(m_feedTimer, &QTimer::timeout, this, [this] { feed(); });
        m_feedTimer->start(10);
        return {};
    }

    void end()
    {
        delete m_feedTimer;
        m_feedTimer = nullptr;
        if (m_sink) {
            m_sink->stop();
            delete m_sink;
            m_sink = nullptr;
        }
        m_io = nullptr;
        std::lock_guard lock(m_mutex);
        m_queue.clear();
    }

    // Any thread.
    void queue(SampleBlock block, quint64 generation)
    {
        std::lock_guard lock(m_mutex);
        if (generation != m_queueGeneration) {
            m_queue.clear();
            m_queueGeneration = generation;
        }
        m_queue.push_back(std::move(block));
        m_draining.store(false);
    }
    void setDraining() { m_draining.store(true); }
    std::int64_t position() const { return m_position.load(); }

    SampleHistory history;

private:
    void feed()
    {
        if (!m_sink || !m_io)
            return;
        qsizetype room = m_sink->bytesFree() / 2 / m_channels * m_channels;
        int taken = 0;
        bool empty = false;
        bool wrote = false;
        while (room > 0) {
            std::lock_guard lock(m_mutex);
            if (m_queue.empty() || m_queueGeneration != m_generation) {
                empty = true;
                break;
            }
            SampleBlock& front = m_queue.front();
            const auto count = std::min<qsizetype>(room, static_cast<qsizetype>(front.size()) - m_offset);
            const qint64 written = m_io->write(reinterpret_cast<const char*>(front.data() + m_offset), count * 2);
            if (written <= 0)
                break;
            const auto values = static_cast<qsizetype>(written / 2);
            history.append(front.data() + m_offset, static_cast<std::size_t>(values));
            m_offset += values;
            room -= values;
            m_framesWritten += values / m_channels;
            m_fedSinceStart = true;
            m_starvedSent = false;
            m_sinceWrite.start();
            wrote = true;
            if (m_offset >= static_cast<qsizetype>(front.size())) {
                m_queue.pop_front();
                m_offset = 0;
                ++taken;
            }
        }
        if (room > 0 && !empty) {
            std::lock_guard lock(m_mutex);
            empty = m_queue.empty();
        }
        // What the server still holds after this write is heard within that time, plus the
        // output's own latency.
        if (wrote) {
            const qsizetype held = std::max<qsizetype>(m_sink->bufferSize() - m_sink->bytesFree(), 0);
            m_heldMs = static_cast<qint64>(held / 2 / m_channels) * 1000 / m_rate;
        }
        const qint64 heard = m_sink->processedUSecs() * m_rate / 1000000;
        m_position.store(std::min<std::int64_t>(heard, m_framesWritten));
        const quint64 generation = m_generation;
        QPointer<AudioPlayer> player(m_player);
        for (int i = 0; i < taken; ++i)
            QMetaObject::invokeMethod(m_player, [player, generation] {
                if (player) player->blockTaken(generation);
            }, Qt::QueuedConnection);
        if (empty && m_fedSinceStart && !m_starvedSent) {
            m_starvedSent = true;
            QMetaObject::invokeMethod(m_player, [player, generation] {
                if (player) player->starved(generation);
            }, Qt::QueuedConnection);
        }
        // Everything queued has been heard and nothing more is coming: playback has ended. The
        // server's reported position runs ahead of the loudspeaker by the output's latency, so
        // the end is taken from the time the last write needed to drain.
        const bool allHeard = m_sinceWrite.elapsed() > m_heldMs + kOutputLatencyMs;
        if (empty && m_draining.load() && !m_drainedSent && allHeard) {
            m_drainedSent = true;
            QMetaObject::invokeMethod(m_player, [player, generation] {
                if (player) player->drained(generation);
            }, Qt::QueuedConnection);
        }
    }

    AudioPlayer* m_player;
    QAudioSink* m_sink = nullptr;
    QIODevice* m_io = nullptr;
    QTimer* m_feedTimer = nullptr;
    std::mutex m_mutex;
    std::deque<SampleBlock> m_queue;
    quint64 m_queueGeneration = 0;
    quint64 m_generation = 0;
    qsizetype m_offset = 0;  // values of the front block already written
    int m_channels = 2;
    int m_rate = 44100;
    std::int64_t m_framesWritten = 0;
    QElapsedTimer m_sinceWrite;
    qint64 m_heldMs = 0;  // sound in the server right after the last write
    bool m_fedSinceStart = false;
    bool m_starvedSent = false;
    bool m_drainedSent = false;
    std::atomic<bool> m_draining{false};
    std::atomic<std::int64_t> m_position{0};
};

AudioPlayer::AudioPlayer(QObject* parent) : QObject(parent)
{
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("velloria-player"));
    m_worker = new PlaybackWorker(this);
    m_worker->moveToThread(m_thread);
    m_thread->start(QThread::TimeCriticalPriority);
    m_timer.setInterval(100);
    connect(&m_timer, &QTimer::timeout, this, &AudioPlayer::tick);
}

AudioPlayer::~AudioPlayer()
{
    stop();
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { delete w; }, Qt::BlockingQueuedConnection);
    m_thread->quit();
    m_thread->wait();
    delete m_thread;
}

void AudioPlayer::prepare(int sampleRate, int channels)
{
    m_rate = sampleRate > 0 ? sampleRate : 44100;
    m_channels = std::clamp(channels, 1, 8);
}

void AudioPlayer::start()
{
    stop();
    ++m_generation;
    QString error;
    const int rate = m_rate;
    const int channels = m_channels;
    const quint64 generation = m_generation;
    QMetaObject::invokeMethod(m_worker, [&] { error = m_worker->begin(rate, channels, generation); },
                              Qt::BlockingQueuedConnection);
    m_error = error;
    m_status = error.isEmpty() ? 0 : 1;
    m_playing = error.isEmpty();
    if (m_playing)
        m_timer.start();
}

void AudioPlayer::stop()
{
    m_timer.stop();
    if (!m_playing)
        return;
    m_playing = false;
    // Events of this playback that are still on their way are dropped by their generation.
    ++m_generation;
    QMetaObject::invokeMethod(m_worker, [w = m_worker] { w->end(); }, Qt::BlockingQueuedConnection);
}

void AudioPlayer::queue(const SampleBlock& block)
{
    if (m_playing && !block.empty())
        m_worker->queue(block, m_generation);
}

int AudioPlayer::samplesForMs(int ms) const
{
    return static_cast<int>(sound::samplesForMs(m_rate, m_channels, ms));
}

std::int64_t AudioPlayer::msForSamples(std::int64_t frames) const
{
    return sound::msForFrames(m_rate, frames);
}

SampleBlock AudioPlayer::latestSamples(int count) const
{
    return m_worker->history.latest(count, currentPosition());
}

std::int64_t AudioPlayer::currentPosition() const
{
    return m_playing ? m_worker->position() : 0;
}

void AudioPlayer::blockTaken(quint64 generation)
{
    if (generation == m_generation && m_playing)
        Q_EMIT EndArrayPlay();
}

void AudioPlayer::starved(quint64 generation)
{
    if (generation != m_generation || !m_playing)
        return;
    Q_EMIT RequestOnLoadArray();
    // The handler may have queued more, or stopped the player.
    if (generation == m_generation && m_playing)
        m_worker->setDraining();
}

void AudioPlayer::drained(quint64 generation)
{
    if (generation != m_generation || !m_playing)
        return;
    stop();
    Q_EMIT EndPlay();
}

void AudioPlayer::tick()
{
    if (!m_playing)
        return;
    const std::int64_t position = currentPosition();
    const auto [left, right] = m_worker->history.levels(m_rate / 10, position);
    Q_EMIT Timer(position, left, right);
}

}  // namespace sound
