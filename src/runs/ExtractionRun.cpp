#include "runs/ExtractionRun.h"

#include "components/audio/Formats.h"
#include "components/audio/engine/FileEndpoints.h"
#include "components/audio/engine/FileOps.h"
#include "components/audio/codecs/VideoTrackSource.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

#include <algorithm>
#include <cmath>

namespace extractor {
namespace {

QString quoted(const QString& path) { return QStringLiteral("\"%1\"").arg(QDir::toNativeSeparators(path)); }

using audio::removeForced;
using audio::sameFile;

// A list's text as a whole number, any fraction dropped; `refusal` (marked for translation in
// "ExtractionRun") says, with the text as %1, that it is none.
int wholeNumber(const QString& text, const char* refusal) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (!ok || !std::isfinite(value) || std::abs(value) > 1e9)
        throw ComponentError(QCoreApplication::translate("ExtractionRun", refusal).arg(text));
    return static_cast<int>(std::trunc(value));
}

// The format the list's text names, in any case; empty names MP3.
const audio::OutputFormat* formatNamed(const QString& text) {
    if (text.isEmpty()) return audio::outputFormat(QStringLiteral("MP3"));
    for (const audio::OutputFormat& f : audio::outputFormats())
        if (text.compare(QLatin1String(f.key), Qt::CaseInsensitive) == 0) return &f;
    return nullptr;
}

}  // namespace

QString outputPath(const QString& input, const QString& format, bool sameFolder, const QString& folder) {
    const QString key = format.isEmpty() ? QStringLiteral("MP3") : format;
    const QString name = input.mid(input.lastIndexOf(QLatin1Char('/')) + 1);
    const QString stem = audio::nameWithoutExtension(input);
    if (sameFolder || folder.isEmpty()) return input.left(input.size() - name.size()) + stem + QStringLiteral("_Audio.") + key;
    return folder + QLatin1Char('/') + stem + QLatin1Char('.') + key;
}

std::optional<Buttons> buttonsAfter(RunEnd end) {
    switch (end) {
    case RunEnd::Stopped: return std::nullopt;
    case RunEnd::Failed: return Buttons{true, true, false};
    default: return Buttons{};
    }
}

QString defaultOutputFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::MusicLocation) + QStringLiteral("/Extracted audio");
}

// The writer of the run's mode, prepared as the mode asks: the lists' rate, bit rate and
// channels for MP3, WAV and Ogg Vorbis; the WMA profile for WMA. Either writer is told the
// format the reader truly delivers: with Stereo listed, a surround sound track keeps its channels
// in WAV, Ogg Vorbis, FLAC and Opus.
class ExtractionRun::Sink : public audio::AudioSink {
public:
    Sink(ExtractionRun& run, const QString& output, bool overwrite, bool wav, int kbps)
        : m_run(run), m_file(run.m_components->AudioFileOut, output), m_overwrite(overwrite), m_wav(wav), m_kbps(kbps) {}

    void sourceFrames(std::int64_t frames) override { m_file.sourceFrames(frames); }
    bool create(int sampleRate, int channels) override {
        Components& c = *m_run.m_components;
        ExtractionHost& host = m_run.m_host;
        try {
            if (!m_run.m_fixed) {
                const int listed = std::min(channels, 2);  // Stereo, for surround kept
                if (m_wav) c.AudioFileOut.SetPcmFormat(sampleRate, listed, 16);
                c.AudioFileOut.SetEncodingParameters(sampleRate, m_kbps, listed);
                if (m_overwrite && !(m_run.pass() && m_run.pass())) return false;
                if (!m_file.create(sampleRate, channels)) return false;
                // A cancel asked for before a new file was created ends the run at its first pass.
                if (m_overwrite) host.setCancelRequested(false);
                else if (host.cancelRequested()) m_run.m_job->cancel();
                return true;
            }
            if (!m_overwrite && !(m_run.pass() && m_run.pass())) return false;
            c.AudioFileOut.SetPcmFormat(m_run.m_fixed->sampleRate, m_run.m_fixed->channels, 16);
            for (int i = 0; i < (m_overwrite ? 4 : 2); ++i)
                if (!m_run.pass()) return false;
            if (!m_file.create(sampleRate, channels)) return false;
            host.setCancelRequested(false);
            return true;
        } catch (const ComponentError& e) {
            m_error = e.description();
            return false;
        }
    }
    bool write(const SampleBlock& block) override { return m_file.write(block); }
    bool close() override { return m_file.close(); }
    QString error() const override {
        if (!m_error.isEmpty()) return m_error;
        return m_file.error();
    }

private:
    ExtractionRun& m_run;
    audio::AudioFileSink m_file;
    bool m_overwrite;
    bool m_wav;
    int m_kbps;
    QString m_error;
};

ExtractionRun::ExtractionRun(ExtractionHost& host, std::shared_ptr<Components> components)
    : m_host(host), m_components(std::move(components)) {}

RunEnd ExtractionRun::run(const RunRequest& request) {
    m_output.clear();
    m_failure.clear();
    m_stopped = m_cancelAtPassEnd = false;
    const audio::OutputFormat* format = formatNamed(request.format);
    m_fixed = format && format->fixedFormat ? std::optional(format->fixedFormat(request.settings)) : std::nullopt;
    m_host.setCancelRequested(false);
    try {
        return prepareAndCopy(request);
    } catch (const ComponentError& e) {
        if (m_stopped) return stop();
        return fail(e.description());
    }
}

bool ExtractionRun::pass() {
    if (m_stopped) return false;
    if (m_host.letEventsRun()) return true;
    m_stopped = true;
    if (m_job) m_job->cancel();
    return false;
}

bool ExtractionRun::gone() {
    if (!m_stopped && m_host.present()) return false;
    m_stopped = true;
    if (m_job) m_job->cancel();
    return true;
}

RunEnd ExtractionRun::prepareAndCopy(const RunRequest& request) {
    if (const std::optional<RunEnd> end = prepare(request)) return *end;
    Components& c = *m_components;
    const QString& input = request.input;
    const int kbps = setUpReader(request);
    c.VideoFileIn.Open(input);  // its parse events move the bar; a failed open fails the job below
    m_host.fileProgress(0);

    const bool overwrite = QFileInfo::exists(m_output);
    const bool refused = overwrite && !m_host.confirmOverwrite();
    if (gone()) return stop();
    if (refused) {
        c.VideoFileIn.Close();
        return RunEnd::OverwriteRefused;
    }

    audio::VideoTrackSource source(c.VideoFileIn, input);
    Sink sink(*this, m_output, overwrite, m_output.endsWith(QStringLiteral(".WAV"), Qt::CaseInsensitive), kbps);
    audio::AudioJob job(source, sink, *this, kBlockSamples);
    m_job = &job;
    const audio::JobOutcome outcome = job.run();
    m_job = nullptr;
    return copied(request, outcome);
}

// Checks the input and the output folder, names the output and closes what an earlier run
// left open. An end when the run cannot go on; nothing when it can.
std::optional<RunEnd> ExtractionRun::prepare(const RunRequest& request) {
    m_host.fileStarted(1);
    const QString& input = request.input;
    if (!QFileInfo(input).isFile()) {
        m_host.runMessage(QCoreApplication::translate("ExtractionRun", " the input file doesn't exist"), false);
        return RunEnd::InputMissing;
    }
    m_output = outputPath(input, request.format, request.sameFolder, request.folder);
    // The chosen folder is made when it is missing (the default one does not exist on a fresh
    // account).
    if (!request.sameFolder && !request.folder.isEmpty() && !QFileInfo(request.folder).isDir() &&
        !QDir().mkpath(request.folder))
        return fail(QCoreApplication::translate("ExtractionRun", "The folder %1 could not be created.").arg(quoted(request.folder)));
    if (!pass() || !pass()) return stop();

    // What a run cancelled earlier may have left open is closed before anything else.
    Components& c = *m_components;
    c.VideoFileIn.Close();
    c.AudioFileOut.useSettings(request.settings);

    // Writing over the video while reading it would destroy it.
    if (sameFile(input, m_output))
        throw ComponentError(QCoreApplication::translate("ExtractionRun",
                                                         "The output file %1 would replace the video itself. "
                                                         "Choose another folder or output format.")
                                 .arg(quoted(m_output)));
    return std::nullopt;
}

// How the run ends once the job has: the video is deleted, when asked, only after a whole copy.
RunEnd ExtractionRun::copied(const RunRequest& request, const audio::JobOutcome& outcome) {
    if (m_stopped) return stop();
    switch (outcome.end) {
    case audio::JobEnd::Failed:
        return fail(outcome.reason);
    case audio::JobEnd::Cancelled:
        // The partial output stays on disk; the video is kept.
        m_host.fileProgress(0);
        m_host.fileEnded();
        if (!m_cancelAtPassEnd) return RunEnd::CancelledAtPassStart;
        m_host.setCancelRequested(false);
        return RunEnd::CancelledAtPassEnd;
    case audio::JobEnd::Written:
        break;
    }
    // Only now, with every block written and the output closed without error, may the video go.
    if (request.deleteSource && !removeForced(request.input))
        return fail(QCoreApplication::translate("ExtractionRun", "The video file %1 could not be deleted.").arg(quoted(request.input)));
    m_host.fileProgress(0);
    m_host.fileEnded();
    return RunEnd::Written;
}

// The reader delivers what the writer is set up for: the lists' rate and channels, or the WMA
// profile's. MP3 and WMA hold at most stereo; the other formats keep a surround sound track's
// channels. Returns the bit rate listed (0 for WMA).
int ExtractionRun::setUpReader(const RunRequest& request) {
    Components& c = *m_components;
    int rate = 0;
    int channels = 0;
    int kbps = 0;
    if (m_fixed) {
        rate = m_fixed->sampleRate;
        channels = m_fixed->channels;
    } else {
        rate = wholeNumber(request.frequency, QT_TRANSLATE_NOOP("ExtractionRun", "The frequency \"%1\" is not a number."));
        kbps = wholeNumber(request.bitRate, QT_TRANSLATE_NOOP("ExtractionRun", "The bit rate \"%1\" is not a number."));
        channels = request.channelsIndex + 1;
        if (channels < 1 || channels > 2)
            throw ComponentError(QCoreApplication::translate("ExtractionRun", "Choose Mono or Stereo as the channels."));
    }
    c.VideoFileIn.SetAudioFormat(rate, channels);
    const audio::OutputFormat* format = formatNamed(request.format);
    c.VideoFileIn.KeepSurround(!format || format->maxChannels > 2);
    return kbps;
}

void ExtractionRun::progress(const audio::JobProgress& progress) {
    if (gone()) return;
    Components& c = *m_components;
    // A file that states no length (a live or streamed recording) is read to its end; the bar
    // then follows the bytes read.
    const auto percentOf = [](double fraction) { return static_cast<int>(std::nearbyint(std::clamp(fraction, 0.0, 1.0) * 100.0)); };
    if (m_fixed) {
        const std::int64_t count = c.VideoFileIn.AudioSampleCount();
        const std::int64_t written = std::min(progress.done / std::max(1, c.VideoFileIn.AudioChannels()),
                                              std::max<std::int64_t>(count, 0));
        m_host.fileProgress(count > 0 ? percentOf(static_cast<double>(written) / static_cast<double>(count))
                                     : percentOf(c.VideoFileIn.BytesReadFraction()));
        if (!pass()) return;
    } else {
        const double duration = c.VideoFileIn.AudioDuration();
        m_host.fileProgress(duration > 0 ? percentOf(c.VideoFileIn.AudioPosition() / duration)
                                        : percentOf(c.VideoFileIn.BytesReadFraction()));
        if (gone()) return;
    }
    if (m_host.cancelRequested()) {
        m_cancelAtPassEnd = true;
        m_job->cancel();
        return;
    }
    if (!pass()) return;
    // Seen before the next block is read.
    if (m_host.cancelRequested()) m_job->cancel();
}

RunEnd ExtractionRun::fail(const QString& description) {
    m_failure = description;
    Components& c = *m_components;
    try {
        c.VideoFileIn.Close();
        c.AudioFileOut.Close();
    } catch (const ComponentError&) {
        // The message below is about the first failure.
    }
    //: A message box: %1 says why the sound track could not be extracted
    m_host.runMessage(QCoreApplication::translate("ExtractionRun", "Error: %1").arg(description), false);
    m_host.fileProgress(0);
    m_host.fileEnded();
    return RunEnd::Failed;
}

RunEnd ExtractionRun::stop() {
    // Nothing of the window is touched; the files are closed as they are.
    Components& c = *m_components;
    try {
        c.VideoFileIn.Close();
        c.AudioFileOut.Close();
    } catch (const ComponentError&) {
    }
    return RunEnd::Stopped;
}

}  // namespace extractor
