#include "components/sound/AudioPlayer.h"

#include "components/sound/SoundClock.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QElapsedTimer>
#include <QMediaDevices>

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>

namespace sound {

namespace {
// Sound the server holds ahead of what is heard; the worker, which no busy window holds back,
// tops it up every kFeedMs.
constexpr int kServerBufferMs = 250;
// How often the worker tops the server up: many times within its buffer, so it never runs dry.
constexpr int kFeedMs = 10;
// Time from leaving the server's buffer to being heard, at most, on the outputs it drives.
constexpr int kOutputLatencyMs = 150;
constexpr qsizetype kValueBytes = sizeof(std::int16_t);
constexpr qint64 kMicrosecondsPerSecond = 1000000;
}  // namespace

// Lives on the device thread: owns the sound output and copies queued blocks into it as the
// sound server makes room, every few milliseconds, whatever the user-interface thread does.
class PlaybackWorker : public QObject {
public:
    explicit PlaybackWorker(AudioPlayer* player) : m_player(player) {}

    // Device thread. Empty when sound plays, otherwise why not.
    QString begin(int rate, int channels, quint64 run)
    {
        end();
        const QAudioDevice device = QMediaDevices::defaultAudioOutput();
        if (device.isNull())
            return QStringLiteral("No sound output device is available (is a sound server running?).");
        m_sink = new QAudioSink(device, SoundDevice::int16Format(rate, channels), this);
        m_sink->setBufferSize(static_cast<qsizetype>(sound::samplesForMs(rate, channels, kServerBufferMs)) * kValueBytes);
        m_io = m_sink->start();
        if (!m_io || m_sink->error() != QAudio::NoError || m_sink->state() == QAudio::StoppedState) {
            end();
            return QStringLiteral("The sound output could not be opened (%1 Hz, %2 channels).").arg(rate).arg(channels);
        }
        m_channels = channels;
        m_rate = rate;
        m_run = run;
        m_framesWritten = 0;
        m_offset = 0;
        m_fedSinceStart = false;
        m_sinceWrite.start();
        m_heldMs = 0;
        m_starvedSent = false;
        m_drainedSent = false;
        m_draining.store(false);
        m_feedTimer = new QTimer(this);
        m_feedTimer->setTimerType(Qt::PreciseTimer);
        connect(m_feedTimer, &QTimer::timeout, this, [this] { feed(); });
        m_feedTimer->start(kFeedMs);
        return {};
    }

    // Device thread.
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
    void queue(SampleBlock block, quint64 run)
    {
        std::lock_guard lock(m_mutex);
        if (run != m_queueRun) {
            m_queue.clear();
            m_queueRun = run;
        }
        m_queue.push_back(std::move(block));
        m_draining.store(false);
    }
    // Any thread: nothing more is coming, so an empty queue ends the playback.
    void setDraining() { m_draining.store(true); }

private:
    // Device thread.
    void feed()
    {
        if (!m_sink || !m_io)
            return;
        qsizetype room = m_sink->bytesFree() / kValueBytes / m_channels * m_channels;
        int taken = 0;
        bool empty = false;
        bool wrote = false;
        while (room > 0) {
            std::lock_guard lock(m_mutex);
            if (m_queue.empty() || m_queueRun != m_run) {
                empty = true;
                break;
            }
            SampleBlock& front = m_queue.front();
            const auto count = std::min<qsizetype>(room, static_cast<qsizetype>(front.size()) - m_offset);
            const qint64 written = m_io->write(reinterpret_cast<const char*>(front.data() + m_offset), count * kValueBytes);
            if (written <= 0)
                break;
            const auto values = static_cast<qsizetype>(written / kValueBytes);
            m_player->m_history.append(front.data() + m_offset, static_cast<std::size_t>(values));
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
            m_heldMs = sound::msForFrames(m_rate, held / kValueBytes / m_channels);
        }
        const qint64 heard = m_sink->processedUSecs() * m_rate / kMicrosecondsPerSecond;
        m_player->m_frames.store(std::min<std::int64_t>(heard, m_framesWritten));
        AudioPlayer* player = m_player;
        for (int i = 0; i < taken; ++i)
            player->deliver(m_run, [player] { Q_EMIT player->EndArrayPlay(); });
        if (empty && m_fedSinceStart && !m_starvedSent) {
            m_starvedSent = true;
            player->deliver(m_run, [player, run = m_run] { player->starved(run); });
        }
        // Everything queued has been heard and nothing more is coming: playback has ended. The
        // server's reported position runs ahead of the loudspeaker by the output's latency, so
        // the end is taken from the time the last write needed to drain.
        const bool allHeard = m_sinceWrite.elapsed() > m_heldMs + kOutputLatencyMs;
        if (empty && m_draining.load() && !m_drainedSent && allHeard) {
            m_drainedSent = true;
            player->deliver(m_run, [player] {
                player->stop();
                Q_EMIT player->EndPlay();
            });
        }
    }

    AudioPlayer* m_player;
    QAudioSink* m_sink = nullptr;
    QIODevice* m_io = nullptr;
    QTimer* m_feedTimer = nullptr;
    std::mutex m_mutex;
    std::deque<SampleBlock> m_queue;
    quint64 m_queueRun = 0;
    quint64 m_run = 0;
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
};

AudioPlayer::AudioPlayer(QObject* parent) : SoundDevice(QStringLiteral("velloria-player"), parent)
{
    m_worker = new PlaybackWorker(this);
    adopt(m_worker);
}

AudioPlayer::~AudioPlayer()
{
    stop();
}

void AudioPlayer::start()
{
    stop();
    beginRun([this, rate = sampleRate(), count = channels()](quint64 run) { return m_worker->begin(rate, count, run); });
}

void AudioPlayer::stop()
{
    endRun([this] {
        m_worker->end();
        m_frames.store(0);
    });
}

void AudioPlayer::queue(const SampleBlock& block)
{
    if (isPlaying() && !block.empty())
        m_worker->queue(block, currentRun());
}

void AudioPlayer::starved(quint64 run)
{
    Q_EMIT RequestOnLoadArray();
    // The handler may have queued more, or stopped the player.
    if (run == currentRun() && isPlaying())
        m_worker->setDraining();
}

}  // namespace sound
