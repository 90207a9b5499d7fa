#pragma once
// Recording to a file as a job of the audio job engine: the recorder's blocks are handed to a
// queued source, and a job on its own thread encodes them into the recording file, so encoding
// never holds up the window. The file is created before begin() returns, so that a name that
// cannot be written is known at once.

#include "components/audio/engine/AudioJob.h"
#include "components/audio/engine/QueuedSource.h"

#include <QString>

#include <atomic>
#include <memory>
#include <thread>

class AudioFile;

namespace recorder {

class RecordingSession {
public:
    // Writes through `writer`, the window's recording file object, with the format set on it.
    explicit RecordingSession(AudioFile& writer) : m_writer(writer) {}
    ~RecordingSession();
    RecordingSession(const RecordingSession&) = delete;
    RecordingSession& operator=(const RecordingSession&) = delete;

    // Creates `path` for blocks of `rate` Hz and `channels` channels and starts writing. False
    // when the file cannot be created; error() then says why.
    bool begin(const QString& path, int rate, int channels);
    bool running() const { return m_thread.joinable(); }
    // True once the file stopped taking blocks before finish() was asked for (the disk is full,
    // its folder is gone): the recording should end, and finish() says why.
    bool ended() const { return m_ended.load(); }
    // Hands over a block of recorded sound.
    void push(SampleBlock block);
    // No more blocks: waits until everything handed over is written and the file is closed.
    audio::JobOutcome finish();
    QString error() const { return m_outcome.reason; }

private:
    AudioFile& m_writer;
    std::unique_ptr<audio::QueuedSource> m_source;
    std::thread m_thread;
    audio::JobOutcome m_outcome;
    std::atomic<bool> m_ended{false};
};

}  // namespace recorder
