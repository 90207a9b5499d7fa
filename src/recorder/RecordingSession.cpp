#include "recorder/RecordingSession.h"

#include "components/audio/engine/FileEndpoints.h"

#include <QCoreApplication>

#include <future>

namespace recorder {
namespace {

// The file sink, telling the starting thread whether the file could be created.
class ReportingSink : public audio::AudioFileSink {
public:
    ReportingSink(AudioFile& writer, const QString& path, std::promise<QString>& created)
        : audio::AudioFileSink(writer, path), m_created(created) {}
    bool create(int sampleRate, int channels) override
    {
        const bool ok = audio::AudioFileSink::create(sampleRate, channels);
        m_created.set_value(ok ? QString() : error());
        m_told = true;
        return ok;
    }

    // A job that ends before creating its output still answers the waiting thread.
    ~ReportingSink() override
    {
        if (!m_told)
            m_created.set_value(QCoreApplication::translate("RecordingSession", "The recording file could not be created."));
    }

private:
    std::promise<QString>& m_created;
    bool m_told = false;
};

class NoProgress : public audio::JobListener {
public:
    void progress(const audio::JobProgress&) override {}
    void finished(const audio::JobOutcome&) override {}
};

}  // namespace

RecordingSession::~RecordingSession()
{
    if (running())
        finish();
}

bool RecordingSession::begin(const QString& path, int rate, int channels)
{
    if (running())
        finish();
    m_outcome = {};
    m_ended = false;
    m_source = std::make_unique<audio::QueuedSource>(rate, channels);
    std::promise<QString> created;
    std::future<QString> createdResult = created.get_future();
    m_thread = std::thread([this, path, &created] {
        ReportingSink sink(m_writer, path, created);
        NoProgress listener;
        audio::AudioJob job(*m_source, sink, listener);
        m_outcome = job.run();
        // Blocks pushed from now on would only pile up in memory.
        m_source->finish();
        m_ended = true;
    });
    const QString error = createdResult.get();
    if (!error.isEmpty()) {
        m_thread.join();
        m_outcome.reason = error;
        return false;
    }
    return true;
}

void RecordingSession::push(SampleBlock block)
{
    if (m_source)
        m_source->push(std::move(block));
}

audio::JobOutcome RecordingSession::finish()
{
    if (!running())
        return m_outcome;
    m_source->finish();
    m_thread.join();
    return m_outcome;
}

}  // namespace recorder
