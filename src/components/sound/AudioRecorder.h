#pragma once
// Audio recorder: captures 16-bit interleaved samples from the desktop's default sound input
// (PulseAudio or PipeWire through Qt Multimedia) and hands them over in blocks.
//
// Contract:
// - Call from the user-interface thread; the events arrive on it. Capture runs on the
//   recorder's own thread, so a busy user-interface thread loses no sound: finished blocks wait
//   until they are taken.
// - prepare(rate, channels), setBlockSize(values), start(); status() is then negative when
//   capture could not start (errorText() says why). With no sound server or no input device
//   start() fails at once.
// - EndArrayRecord says a block of the set size is ready; takeBlock() returns the oldest ready
//   block, or an empty one. stop() makes the rest of the captured data one last ready block.
// - Timer's CurrentSamples counts frames captured since start().

#include "components/audio/SampleBlock.h"

#include <QObject>
#include <QString>
#include <QTimer>

#include <cstdint>

class QThread;

namespace sound {

class CaptureWorker;

class AudioRecorder : public QObject {
    Q_OBJECT
public:
    explicit AudioRecorder(QObject* parent = nullptr);
    ~AudioRecorder() override;

    void prepare(int sampleRate, int channels);
    void setBlockSize(int values);
    int blockSize() const { return m_blockSize; }
    void start();
    void stop();
    // 0 while capturing after start(); negative when start() failed.
    int status() const { return m_status; }
    QString errorText() const { return m_error; }
    SampleBlock takeBlock();

    int samplesForMs(int ms) const;
    std::int64_t msForSamples(std::int64_t frames) const;
    SampleBlock latestSamples(int count) const;
    std::int64_t currentPosition() const;
    int sampleRate() const { return m_rate; }
    int channels() const { return m_channels; }
    bool isRecording() const { return m_recording; }

Q_SIGNALS:
    void EndArrayRecord(int nBlock);
    void Timer(qint64 CurrentSamples, int LevelLeft, int LevelRight);

private:
    friend class CaptureWorker;
    void blockReady(quint64 generation, int number);
    void tick();

    QThread* m_thread = nullptr;
    CaptureWorker* m_worker = nullptr;
    QTimer m_timer;
    quint64 m_generation = 0;
    int m_rate = 44100;
    int m_channels = 2;
    int m_blockSize = 88200;
    int m_status = -1;
    bool m_recording = false;
    QString m_error;
};

}  // namespace sound
