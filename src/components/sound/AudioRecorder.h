#pragma once
// Audio recorder: captures 16-bit interleaved samples from the desktop's default sound input
// (PulseAudio or PipeWire through Qt Multimedia) and hands them over in blocks.
//
// Contract:
// - Every call, and every event, on the user-interface thread. Capture runs on the device
//   thread, so a busy user-interface thread loses no sound: finished blocks wait until they
//   are taken.
// - prepare(rate, channels), setBlockSize(values), start(); status() is then 0 while capturing,
//   or -1 when capture could not start (reason() says why). With no sound server or no
//   input device start() fails at once.
// - EndArrayRecord says a block of the set size is ready; takeBlock() returns the oldest ready
//   block, or an empty one. stop() makes the rest of the captured data one last ready block;
//   no event of that recording follows it, and its blocks wait to be taken.
// - Timer's CurrentSamples and currentPosition() count frames captured since start(), and keep
//   the count once stopped.

#include "components/sound/SoundDevice.h"

namespace sound {

class CaptureWorker;

class AudioRecorder : public SoundDevice {
    Q_OBJECT
public:
    explicit AudioRecorder(QObject* parent = nullptr);
    ~AudioRecorder() override;

    void setBlockSize(int values);
    int blockSize() const { return m_blockSize; }
    void start();
    void stop();
    // 0 while capturing after start(); -1 when start() failed.
    int status() const { return failed() ? -1 : 0; }
    SampleBlock takeBlock();
    bool isRecording() const { return running(); }

Q_SIGNALS:
    void EndArrayRecord(int nBlock);

private:
    friend class CaptureWorker;

    CaptureWorker* m_worker = nullptr;
    int m_blockSize = 88200;  // one second of CD-quality stereo until set
};

}  // namespace sound
