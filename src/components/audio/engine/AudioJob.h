#pragma once
// The audio job engine: every tool that moves audio (file conversion, CD tracks, extraction,
// recording to a file) runs one job per output. A job copies a source of 16-bit interleaved
// blocks into a writer, block by block, tells its listener how far it is, and ends in exactly
// one of three ways: written, cancelled or failed with a reason.
//
// NOTE ON THREADS
// Velloria runs on these kinds of thread:
// - The user-interface thread owns every window, dialog and widget, the settings store's
//   writes, the message boxes, and the events of the CD grabber. A run that converts one file
//   at a time (ConversionRunner, ExtractionRun) runs its jobs on this thread and lets the
//   message loop run once per block through its host, so the window stays live; anything may
//   therefore happen between two blocks, and a run checks its cancel request and whether its
//   window is still there after every such pass.
// - Worker threads run jobs with objects of their own: the conversion on every core (a thread
//   pool; each file gets its own AudioFile or WMAFile reader and writer, copied from the
//   window's settings, and writes a part file that the user-interface thread puts in place),
//   and the recording session (one thread running the job from the recorder's queue into the
//   recording file). Audio objects (AudioFile, WMAFile, Decoder, encoders, VideoFile,
//   AudioInfo) are not shared: each belongs to one thread at a time and may be handed to
//   another only while no job uses it.
// - Sound-device threads (components/sound) own the Qt Multimedia sink or source; they talk to
//   the user-interface thread only through queued signals and locked queues.
// - Look-up threads run one blocking network look-up each while the calling thread's event loop
//   goes on, so that the window stays live; the caller waits for the result.
// - An encoder may encode on a thread of its own behind its write() calls (the FLAC writer).
// The mechanisms, and where each lives:
// - whileEventsRun (components/WhileEventsRun.h; a QThread::create per call, waited for in a
//   QEventLoop): the disc-information look-ups (components/net/Cddb.cpp,
//   ripping/ACfrmGrab.cpp) and the AccurateRip verification after a run's CD tracks
//   (runs/AccurateRipVerifier.cpp). It is the one way to run work beside the event loop.
// - QThreadPool with QRunnable jobs: the conversion on every core (runs/ParallelRun.cpp).
// - QThread with moveToThread: one thread per sound device (components/sound/SoundDevice.cpp).
// - std::thread: the recording session (recorder/RecordingSession.cpp) and the FLAC writer's
//   encoding thread (components/audio/codecs/FlacEncoder.cpp).
// What crosses threads: AudioJob::cancel() (any thread), JobProgress values, JobOutcome
// values once a job has ended, SampleBlock values (copied), and QueuedSource's blocks.
//
// Contract:
// - The end of the input is the source's empty block, never its stated length. The stated
//   length only feeds progress; a source that stops early because its data is damaged says so
//   through error(), and the job fails.
// - Cancel is honoured at a block boundary; cancel() may be called from any thread, including
//   from inside the listener's progress().
// - The job owns the close order: the source first, then the writer, on every path. An output
//   counts as written only when every block was written and the writer closed without an
//   error. A cancelled or failed job leaves whatever the writer had written on disk; callers
//   decide what to do with it, and never treat it as a whole file.
// - Errors are data: sources and sinks report them through error(), never by throwing, and
//   run() never throws. A job runs on the thread that calls run(), and its listener is called
//   on that thread.

#include "components/audio/engine/SampleBlock.h"

#include <QString>

#include <atomic>
#include <cstdint>

namespace audio {

// A source of sample blocks: a file reader, a CD track, a video's sound track, a recording.
class AudioSource {
public:
    virtual ~AudioSource() = default;
    // Opens the source; false when it cannot be read (error() says why).
    virtual bool open() = 0;
    // The true rate and channel count of the blocks read(); valid after open().
    virtual int sampleRate() const = 0;
    virtual int channels() const = 0;
    // The length in frames that the source states (a header, a table of contents); 0 when
    // unknown. It may be wrong in both directions.
    virtual std::int64_t statedFrames() const = 0;
    // Up to `samples` samples of whole frames; empty when no more data follows, either at the
    // true end or because reading failed (error() is then not empty).
    virtual SampleBlock read(int samples) = 0;
    // Closing is harmless when nothing is open.
    virtual void close() = 0;
    virtual QString error() const = 0;
    // Bits per sample of the source (valid after open()): more than 16 only for lossless sources
    // that hold more; those can also be read as 32-bit blocks.
    virtual int bits() const { return 16; }
    virtual WideBlock readWide(int samples);
};

// A writer of one output in a declared format (MP3, WAV, Ogg Vorbis or WMA as configured).
class AudioSink {
public:
    virtual ~AudioSink() = default;
    // Told before create() how many bits per sample the source holds, so that a writer that can
    // keep them (FLAC) is created for them.
    virtual void sourceBits(int) {}
    // Told before create() the length in frames the source states (0 when unknown; it may be
    // wrong), so that a writer that lays out an index of the whole file (FLAC's seek table) can.
    virtual void sourceFrames(std::int64_t) {}
    // Creates the output for blocks of the given rate and channels; false when it cannot.
    virtual bool create(int sampleRate, int channels) = 0;
    // The channels of the created output (fewer than the blocks' when its format mixes them
    // down); 0 when the writer cannot say.
    virtual int outputChannels() const { return 0; }
    // Whether the created output keeps more than 16 bits; the job then hands it writeWide()
    // blocks from the source's readWide().
    virtual bool writesWide() const { return false; }
    virtual bool writeWide(const WideBlock& block);
    // False when the block could not be written (a full disk).
    virtual bool write(const SampleBlock& block) = 0;
    // Finishes and closes the output; false when it could not be completed. Harmless when
    // nothing is open.
    virtual bool close() = 0;
    virtual QString error() const = 0;
};

enum class JobEnd { Written, Cancelled, Failed };

struct JobOutcome {
    JobEnd end = JobEnd::Failed;
    QString reason;                  // why the job failed; empty otherwise
    std::int64_t samplesWritten = 0;  // all channels counted
    bool written() const { return end == JobEnd::Written; }
};

// How far a job is: samples written so far and the stated total (all channels counted).
struct JobProgress {
    std::int64_t done = 0;
    std::int64_t total = 0;  // 0 when the source states no length
    // done / total clamped to 0..1; 0 when no total is known.
    double fraction() const;
    // The fraction as a percentage, 0..100.
    double percent() const { return fraction() * 100.0; }
};

class JobListener {
public:
    virtual ~JobListener() = default;
    // After every written block, on the thread that runs the job.
    virtual void progress(const JobProgress& progress) = 0;
    // Once, when the job has closed its source and writer.
    virtual void finished(const JobOutcome& outcome) = 0;
};

// The block size the tools read by, in samples: rate × (2 / channels), rounded half to even.
// That is half a second of stereo and two seconds of mono.
int blockSamplesFor(int sampleRate, int channels);

class AudioJob {
public:
    // `blockSamples` of 0 reads blocks of blockSamplesFor(rate, channels).
    AudioJob(AudioSource& source, AudioSink& sink, JobListener& listener, int blockSamples = 0);
    AudioJob(const AudioJob&) = delete;
    AudioJob& operator=(const AudioJob&) = delete;

    // Runs the job to its end on the calling thread and returns the outcome it reported.
    JobOutcome run();
    void cancel() { m_cancel.store(true); }
    bool cancelRequested() const { return m_cancel.load(); }

private:
    // Opens the source and creates the output for its rate and channels; why either failed,
    // or nothing.
    QString open();
    // Copies block by block until the source's end, a cancel or a failure; the source and
    // the output are still open.
    JobOutcome copy();
    // Reads one block and writes it (`written` false when the writer refused it); the samples
    // read, 0 at the end.
    std::size_t copyBlock(int blockSamples, bool wide, bool& written);
    JobOutcome finish(JobOutcome outcome);

    AudioSource& m_source;
    AudioSink& m_sink;
    JobListener& m_listener;
    int m_blockSamples;
    std::atomic<bool> m_cancel{false};
};

}  // namespace audio
