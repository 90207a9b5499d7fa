#pragma once
// Audio player: plays queued blocks of 16-bit interleaved samples on the desktop's default
// sound output (PulseAudio or PipeWire through Qt Multimedia).
//
// Contract:
// - Every call, and every event, on the user-interface thread. The sound itself is fed from
//   the device thread, so a busy user-interface thread never makes it stutter as long as one
//   block is queued ahead.
// - prepare(rate, channels), then start(); status() then tells whether sound plays (0) or why
//   not (below 0, reason()), as the recorder's and the audio files' status() do. With no sound server or no output device start() fails at once and
//   nothing else happens.
// - queue() hands over a block; EndArrayPlay follows when the player has taken all of it.
//   RequestOnLoadArray asks for data when nothing is left to play; if none is queued from its
//   handler, the player plays what it holds and raises EndPlay.
// - stop() ends playback on request: no event of that playback follows it, EndPlay included.
//   A later start() begins a new playback at position 0.
// - Positions and Timer's CurrentSamples count sample frames since the last start() (0 once
//   stopped); block sizes (samplesForMs) count interleaved values.

#include "components/sound/SoundDevice.h"

namespace sound {

class PlaybackWorker;

class AudioPlayer : public SoundDevice {
    Q_OBJECT
public:
    explicit AudioPlayer(QObject* parent = nullptr);
    ~AudioPlayer() override;

    void start();
    void stop();
    // 0 while playing after start(); below 0 when start() failed.
    int status() const { return failed() ? -1 : 0; }
    void queue(const SampleBlock& block);
    bool isPlaying() const { return running(); }

Q_SIGNALS:
    void EndArrayPlay();
    void RequestOnLoadArray();
    void EndPlay();

private:
    friend class PlaybackWorker;
    void starved(quint64 run);

    PlaybackWorker* m_worker = nullptr;
};

}  // namespace sound
