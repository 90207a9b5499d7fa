#pragma once
// Audio player: plays queued blocks of 16-bit interleaved samples on the desktop's default
// sound output (PulseAudio or PipeWire through Qt Multimedia).
//
// Contract:
// - Call from the user-interface thread; the events arrive on it. The sound itself is fed from
//   the player's own thread, so a busy user-interface thread never makes it stutter as long as
//   one block is queued ahead.
// - prepare(rate, channels), then start(); status() then tells whether sound plays (below 1)
//   or why not (1 or more, errorText()). With no sound server or no output device start() fails
//   at once and nothing else happens.
// - queue() hands over a block; EndArrayPlay follows when the player has taken all of it.
//   RequestOnLoadArray asks for data when nothing is left to play; if none is queued from its
//   handler, the player plays what it holds and raises EndPlay.
// - stop() ends playback on request: no event of that playback follows it, EndPlay included.
//   A later start() begins a new playback at position 0.
// - Positions and Timer's CurrentSamples count sample frames since the last start(); block
//   sizes (samplesForMs) count interleaved values.

#include "components/audio/SampleBlock.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>
#include <memory>

class QThread;

namespace sound {

class PlaybackWorker;

class AudioPlayer : public QObject {
    Q_OBJECT
public:
    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    void prepare(int sampleRate, int channels);
    void start();
    void stop();
    // Below 1 while playing after start(); 1 when start() failed.
    int status() const { return m_status; }
    QString errorText() const { return m_error; }
    void queue(const SampleBlock& block);

    // Interleaved values in `ms` milliseconds of the prepared format.
    int samplesForMs(int ms) const;
    // Milliseconds that `frames` frames of the prepared format last.
    std::int64_t msForSamples(std::int64_t frames) const;
    // The last `count` values (whole frames) heard, for display.
    SampleBlock latestSamples(int count) const;
    // Frames heard since the last start().
    std::int64_t currentPosition() const;
    int sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }
    bool isPlaying() const { return m_playing; }

Q_SIGNALS:
    // About every 100 ms while playing: the position and the peak levels (0..32767) of the last
    // tick.
    void Timer(qint64 CurrentSamples, int LevelLeft, int LevelRight);
    void EndArrayPlay();
    void RequestOnLoadArray();
    void EndPlay();

private:
    friend class PlaybackWorker;
    void blockTaken(quint64 generation);
    void starved(quint64 generation);
    void drained(quint64 generation);
    void tick();

    QThread* m_thread = nullptr;
    PlaybackWorker* m_worker = nullptr;
    QTimer m_timer;
    quint64 m_generation = 0;  // one per start(); events of an earlier playback are dropped
    int m_rate = 44100;
    int m_channels = 2;
    int m_status = 1;
    bool m_playing = false;
    QString m_error;
};

}  // namespace sound
