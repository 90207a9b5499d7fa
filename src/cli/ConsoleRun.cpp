#include "cli/ConsoleRun.h"

#include "components/ComponentError.h"
#include "components/audio/codecs/AudioFile.h"
#include "components/audio/tags/AudioInfo.h"
#include "components/audio/engine/FileOps.h"
#include "components/audio/engine/PartFiles.h"
#include "components/store/WindowSettings.h"
#include "runs/ConversionRunner.h"
#include "runs/ExtractionRun.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QThread>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <filesystem>

#include <unistd.h>

namespace cli {

std::atomic<bool> g_interrupted{false};

namespace {

void write(std::FILE* stream, const QString& text) {
    const QByteArray bytes = text.toLocal8Bit();
    std::fwrite(bytes.constData(), 1, static_cast<std::size_t>(bytes.size()), stream);
    std::fflush(stream);
}

// One message of the program: its name, the text, and the end of the line.
void say(std::FILE* stream, const QString& text) { write(stream, QStringLiteral("velloria-convert: %1\n").arg(text)); }

QString folderNotCreated(const QString& folder, const QString& reason) {
    return QCoreApplication::translate("velloria-convert", "the folder '%1' could not be created: %2").arg(folder, reason);
}

QString clock(qint64 seconds) {
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

// What the user is told about each file, in the form the command was asked for: results on
// stdout, progress (on a terminal) and failures on stderr.
class Reporter {
public:
    Reporter(const Options& options, int total)
        : m_json(options.json), m_quiet(options.quiet), m_total(total),
          m_terminal(!options.json && !options.quiet && ::isatty(STDERR_FILENO)) {
        m_clock.start();
    }

    void started(const PlannedFile& file) {
        m_current = &file;
        m_percent = 0;
        if (m_json) event(QStringLiteral("started"), file);
        line(true);
    }
    void progress(double percent) {
        const int whole = static_cast<int>(percent);
        if (m_json && m_current && whole != static_cast<int>(m_percent)) {
            QJsonObject o = object(QStringLiteral("progress"), *m_current);
            o.insert(QStringLiteral("percent"), whole);
            json(o);
        }
        m_percent = percent;
        line(false);
    }
    // A CD track tells its error blocks (blocks not read exactly); other files none (-1).
    void written(const PlannedFile& file, int errorBlocks = -1) {
        ++m_done;
        ++m_written;
        clearLine();
        if (m_json) {
            QJsonObject o = object(QStringLiteral("written"), file);
            if (errorBlocks >= 0) o.insert(QStringLiteral("errorBlocks"), errorBlocks);
            json(o);
        } else if (!m_quiet) {
            const QString inexact =
                errorBlocks > 0 ? QCoreApplication::translate("velloria-convert", " (%1 error blocks)").arg(errorBlocks) : QString();
            //: A result line: %1 the source, %2 the output, %3 nothing or " (N error blocks)"
            write(stdout, QCoreApplication::translate("velloria-convert", "written %1 -> %2%3").arg(file.source, file.output, inexact) +
                              QLatin1Char('\n'));
        }
        line(true);
    }
    // A CD track's AccurateRip verdict.
    void verified(const converter::TrackVerdict& track) {
        if (!m_json) return;
        json({{QStringLiteral("event"), QStringLiteral("verified")}, {QStringLiteral("source"), track.source},
              {QStringLiteral("verdict"), track.verdict}, {QStringLiteral("accurate"), !track.mismatch}});
    }
    // A rip log written beside a disc's tracks.
    void ripLog(const QString& path) {
        clearLine();
        if (m_json) json({{QStringLiteral("event"), QStringLiteral("ripLog")}, {QStringLiteral("path"), path}});
        else if (!m_quiet)
            write(stdout, QCoreApplication::translate("velloria-convert", "rip log %1").arg(path) + QLatin1Char('\n'));
        line(true);
    }
    void skipped(const PlannedFile& file) {
        ++m_done;
        ++m_skipped;
        clearLine();
        if (m_json) {
            QJsonObject o = object(QStringLiteral("skipped"), file);
            o.insert(QStringLiteral("reason"), QStringLiteral("the output exists"));  // for scripts: stays English
            json(o);
        } else if (!m_quiet) {
            write(stdout, QCoreApplication::translate("velloria-convert", "skipped %1 (%2 exists)").arg(file.source, file.output) +
                              QLatin1Char('\n'));
        }
    }
    void failed(const QString& source, const QString& output, const QString& reason) {
        ++m_done;
        ++m_failed;
        clearLine();
        say(stderr, QCoreApplication::translate("velloria-convert", "failed: %1: %2").arg(source, reason));
        if (m_json) {
            QJsonObject o = object(QStringLiteral("failed"), {PlannedFile::Kind::Fail, source, output, {}});
            o.insert(QStringLiteral("reason"), reason);
            json(o);
        }
        line(true);
    }
    void message(const QString& text) {
        clearLine();
        say(stderr, text);
        line(true);
    }
    // On a terminal the run ends with one line that counts what it did.
    void finish() {
        clearLine();
        if (m_terminal)
            say(stderr, QCoreApplication::translate("velloria-convert", "%1 written, %2 skipped, %3 failed")
                            .arg(m_written)
                            .arg(m_skipped)
                            .arg(m_failed));
    }
    int failedCount() const { return m_failed; }

private:
    static QJsonObject object(const QString& name, const PlannedFile& file) {
        QJsonObject o{{QStringLiteral("event"), name}, {QStringLiteral("source"), file.source}};
        if (!file.output.isEmpty()) o.insert(QStringLiteral("output"), file.output);
        return o;
    }
    void event(const QString& name, const PlannedFile& file) { json(object(name, file)); }
    void json(const QJsonObject& o) { write(stdout, QString::fromUtf8(QJsonDocument(o).toJson(QJsonDocument::Compact)) + QLatin1Char('\n')); }

    // The progress line: files done of total, the current file, its percentage and the time
    // the whole run has left. Redrawn about five times a second.
    void line(bool now) {
        if (!m_terminal) return;
        const qint64 ms = m_clock.elapsed();
        if (!now && ms - m_drawnAt < 200) return;
        m_drawnAt = ms;
        QString text = QStringLiteral("[%1/%2]").arg(m_done).arg(m_total);
        if (m_current) text += QStringLiteral(" %1 %2%").arg(QFileInfo(m_current->source).fileName()).arg(static_cast<int>(m_percent));
        const double fraction = m_total > 0 ? (m_done + m_percent / 100.0) / m_total : 0;
        //: The time the run has left, after the progress line
        if (fraction > 0.01 && fraction < 1)
            text += QCoreApplication::translate("velloria-convert", " %1 left")
                        .arg(clock(static_cast<qint64>(static_cast<double>(ms) / 1000.0 * (1 - fraction) / fraction)));
        write(stderr, QStringLiteral("\r\033[K") + text);
        m_lineShown = true;
    }
    void clearLine() {
        if (!m_lineShown) return;
        write(stderr, QStringLiteral("\r\033[K"));
        m_lineShown = false;
    }

    const bool m_json;
    const bool m_quiet;
    const int m_total;
    const bool m_terminal;
    const PlannedFile* m_current = nullptr;
    double m_percent = 0;
    int m_done = 0;
    int m_written = 0;
    int m_skipped = 0;
    int m_failed = 0;
    QElapsedTimer m_clock;
    qint64 m_drawnAt = -1000;
    bool m_lineShown = false;
};

// The converter's run as the command sees it: each entry's end is told as written or failed
// the moment it is known; the failures the run reports at its end that were not told yet
// (outputs refused before converting) follow.
class ConsoleHost : public converter::RunHost {
public:
    ConsoleHost(Reporter& reporter, const QList<PlannedFile>& entries) : m_reporter(reporter), m_entries(entries) {
        m_ends.resize(entries.size());
    }
    void follow(const converter::ConversionRunner& runner) { m_runner = &runner; }

    void fileStarted(int number) override {
        m_index = number - 1;
        m_failuresBefore = m_runner->failures().size();
        m_reporter.started(m_entries[m_index]);
    }
    void fileProgress(double percent) override { m_reporter.progress(percent); }
    void outputWritten(const QString&, const QString& output) override { m_written.insert(output); }
    void cdTrackWritten(const QString& source, int errorBlocks) override {
        m_errorBlocks.insert(source, errorBlocks);
        if (errorBlocks > 0) m_inexact = true;
    }
    // The verdicts as the window's message gives them, and each as an event for --json.
    void verificationEnded(const converter::VerificationReport& report) override {
        m_reporter.message(report.text);
        for (const converter::TrackVerdict& track : report.tracks) {
            m_reporter.verified(track);
            if (track.mismatch) m_inexact = true;
        }
    }
    void testAndCopyDiffered(const QString&, const QString& text) override {
        m_reporter.message(text);
        m_inexact = true;
    }
    void ripLogWritten(const QString& path) override { m_reporter.ripLog(path); }
    void ripLogFailed(const QString& reason) override {
        m_reporter.message(reason);
        m_logFailed = true;
    }
    void fileEnded() override {
        if (m_index < 0 || m_ends[m_index] != End::None) return;
        const PlannedFile& file = m_entries[m_index];
        const QList<converter::FailedFile>& failures = m_runner->failures();
        if (failures.size() > m_failuresBefore) {
            const converter::FailedFile& f = failures.last();
            m_told.insert(f.path + QChar(u'\0') + f.reason);
            m_reporter.failed(file.source, file.output, f.reason);
            m_ends[m_index] = End::Failed;
        } else if (m_written.contains(file.output)) {
            m_reporter.written(file, m_errorBlocks.value(file.source, -1));
            m_ends[m_index] = End::Written;
        }
        m_index = -1;
    }
    // The run's messages name an entry that was not converted ("... is not exist.").
    void runMessage(const QString& text, bool) override { m_reporter.message(text); }
    void runFailures(const QList<converter::FailedFile>& failures) override {
        for (const converter::FailedFile& f : failures) {
            if (m_told.contains(f.path + QChar(u'\0') + f.reason)) continue;
            QString output;
            for (qsizetype i = 0; i < m_entries.size(); ++i)
                if (m_entries[i].source == f.path) {
                    output = m_entries[i].output;
                    if (m_ends[i] == End::None) m_ends[i] = End::Failed;
                }
            m_reporter.failed(f.path, output, f.reason);
        }
    }
    bool letEventsRun() override {
        QCoreApplication::processEvents();
        return true;
    }
    bool cancelRequested() const override { return g_interrupted.load() || m_cancelled; }
    void timePanels(double) override {}
    void setBusy(bool) override {}
    void cancelRun() override { m_cancelled = true; }
    double progressShown() const override { return 0; }

    // Entries that were neither written nor failed: a stop came first.
    int notConverted() const { return static_cast<int>(std::count(m_ends.cbegin(), m_ends.cend(), End::None)); }
    // A CD track was written with error blocks, its test and copy differ, or it does not match
    // AccurateRip.
    bool inexact() const { return m_inexact; }
    // A rip log could not be written.
    bool logFailed() const { return m_logFailed; }

private:
    enum class End { None, Written, Failed };
    Reporter& m_reporter;
    const QList<PlannedFile>& m_entries;
    const converter::ConversionRunner* m_runner = nullptr;
    QList<End> m_ends;
    QSet<QString> m_written;
    QHash<QString, int> m_errorBlocks;  // of the CD tracks written
    bool m_inexact = false;
    bool m_logFailed = false;
    QSet<QString> m_told;
    qsizetype m_index = -1;
    qsizetype m_failuresBefore = 0;
    bool m_cancelled = false;
};

// The extraction run as the command sees it: its one video's events, and the last message, which
// says why it ended (a failure's own reason is the run's).
class ExtractHost : public extractor::ExtractionHost {
public:
    explicit ExtractHost(Reporter& reporter) : m_reporter(reporter) {}
    void fileStarted(int) override {}
    void fileProgress(double percent) override { m_reporter.progress(percent); }
    void fileEnded() override {}
    void runMessage(const QString& text, bool) override { failure = text.trimmed(); }
    void runFailures(const QList<audio::FailedFile>&) override {}
    bool letEventsRun() override {
        QCoreApplication::processEvents();
        return true;
    }
    bool cancelRequested() const override { return g_interrupted.load() || m_cancel; }
    bool confirmOverwrite() override { return true; }  // its folder is its own and empty
    void setCancelRequested(bool requested) override { m_cancel = requested; }
    bool present() const override { return true; }

    QString failure;

private:
    Reporter& m_reporter;
    bool m_cancel = false;
};

}  // namespace

QString makeFolder(const QString& folder) {
    std::error_code ec;
    std::filesystem::create_directories(std::filesystem::path(QFile::encodeName(folder).toStdString()), ec);
    return ec ? QString::fromLocal8Bit(ec.message().c_str()) : QString();
}

QString storedExtractorFormat() { return ExtractorWindowSettings::load({}).format; }

namespace {

// What the extractor window stored, with the command line's overrides.
extractor::RunRequest extractionRequest(const Options& options, const QString& formatKey) {
    const ExtractorWindowSettings stored = ExtractorWindowSettings::load({});
    extractor::RunRequest request;
    request.format = formatKey;
    request.sameFolder = false;
    request.channelsIndex = stored.channels == QStringLiteral("Stereo") ? 1 : 0;
    request.bitRate = options.bitrate ? QString::number(*options.bitrate) : stored.bitRate;
    request.frequency = stored.frequency;
    if (options.sampleRate) request.frequency = QString::number(*options.sampleRate);
    if (options.channels) request.channelsIndex = *options.channels - 1;
    request.settings = OutputSettings::load(ExtractorWindowSettings::key());
    // The source is deleted here, once its output is in place.
    request.deleteSource = false;
    return request;
}

// One video's sound track extracted into a part folder and put in place as `file.output`; the
// video deleted after as asked.
void extractOne(const Options& options, const PlannedFile& file, extractor::RunRequest request, int index,
                Reporter& reporter) {
    const QString partFolder = audio::partFolderFor(file.output, index);
    if (const QString reason = makeFolder(partFolder); !reason.isEmpty()) {
        reporter.failed(file.source, file.output, folderNotCreated(partFolder, reason));
        return;
    }
    reporter.started(file);
    ExtractHost host(reporter);
    extractor::ExtractionRun run(host, std::make_shared<extractor::Components>());
    request.input = file.source;
    request.folder = partFolder;
    extractor::RunEnd end = extractor::RunEnd::Failed;
    try {
        end = run.run(request);
        if (end == extractor::RunEnd::Failed) host.failure = run.failure();
    } catch (const ComponentError& e) {
        host.failure = e.description();
    }
    bool inPlace = false;
    if (end == extractor::RunEnd::Written) {
        inPlace = audio::replaceWith(run.output(), file.output);
        if (!inPlace)
            host.failure = QCoreApplication::translate("velloria-convert", "the output could not be put in place of '%1'").arg(file.output);
    }
    QDir(partFolder).removeRecursively();
    if (inPlace) {
        const QString reason = options.deleteSource ? audio::removeSource(file.source) : QString();
        if (!reason.isEmpty())
            reporter.failed(file.source, file.output,
                            QCoreApplication::translate("velloria-convert", "the video could not be deleted: %1").arg(reason));
        else reporter.written(file);
    } else if (!g_interrupted.load()) {
        reporter.failed(
            file.source, file.output,
            host.failure.isEmpty() ? QCoreApplication::translate("velloria-convert", "the sound track was not written") : host.failure);
    }
}

}  // namespace

int runExtraction(const Options& options, const QList<PlannedFile>& plan, const QString& formatKey) {
    Reporter reporter(options, static_cast<int>(plan.size()));
    const extractor::RunRequest request = extractionRequest(options, formatKey);
    QSet<QString> cleaned;
    int index = 0;
    for (const PlannedFile& file : plan) {
        if (g_interrupted.load()) break;
        if (file.kind == PlannedFile::Kind::Skip) {
            reporter.skipped(file);
            continue;
        }
        if (file.kind == PlannedFile::Kind::Fail) {
            reporter.failed(file.source, file.output, file.reason);
            continue;
        }
        const QString folder = QFileInfo(file.output).absolutePath();
        if (!cleaned.contains(folder)) {
            cleaned.insert(folder);
            audio::removeLeftoverParts(folder);
        }
        extractOne(options, file, request, index++, reporter);
    }
    reporter.finish();
    if (g_interrupted.load()) {
        //: Option names and their values stay as they are
        say(stderr, QCoreApplication::translate("velloria-convert", "interrupted (run again with --existing skip to complete)"));
        return 1;
    }
    return reporter.failedCount() > 0 ? 1 : 0;
}

namespace {

// The planned files the run converts, in order; the others are told here. Skipped outputs still
// belong to their albums, and files that fail here leave theirs incomplete.
QList<PlannedFile> filesToConvert(const QList<PlannedFile>& plan, Reporter& reporter, converter::RunSnapshot& snapshot) {
    QList<PlannedFile> entries;
    for (const PlannedFile& file : plan) {
        switch (file.kind) {
        case PlannedFile::Kind::Skip:
            reporter.skipped(file);
            snapshot.existing.push_back({file.source, file.output, true});
            break;
        case PlannedFile::Kind::Fail:
            reporter.failed(file.source, file.output, file.reason);
            snapshot.notConverted << file.source;
            break;
        case PlannedFile::Kind::Convert:
            if (const QString folder = QFileInfo(file.output).absolutePath(), reason = makeFolder(folder); !reason.isEmpty()) {
                reporter.failed(file.source, file.output, folderNotCreated(folder, reason));
                snapshot.notConverted << file.source;
            } else {
                entries.push_back(file);
            }
            break;
        }
    }
    return entries;
}

}  // namespace

int runPlan(const Options& options, const RunSettings& settings, const QList<PlannedFile>& plan, const DiscRun& disc) {
    Reporter reporter(options, static_cast<int>(plan.size()));
    converter::RunSnapshot snapshot;
    const QList<PlannedFile> entries = filesToConvert(plan, reporter, snapshot);
    for (const PlannedFile& file : entries) snapshot.entries.push_back({file.source, file.output, true});
    snapshot.formatKey = QLatin1String(settings.format->key);
    snapshot.sameFolder = options.outputDir.isEmpty();
    snapshot.wholeList = true;
    snapshot.deleteSource = options.deleteSource;
    snapshot.preserveTags = settings.preserveTags;
    snapshot.workers = options.jobs > 0 ? options.jobs : std::max(1, QThread::idealThreadCount());
    snapshot.settings = settings.settings;
    snapshot.wholeOutputsOnly = true;
    snapshot.loudnessTags = options.replayGain;

    // Part files that killed runs left in any folder this run writes to, or skips in, go first.
    QSet<QString> folders;
    for (const PlannedFile& file : plan)
        if (!file.output.isEmpty()) folders.insert(QFileInfo(file.output).absolutePath());
    for (const QString& folder : std::as_const(folders)) audio::removeLeftoverParts(folder);

    AudioFile reader;
    AudioFile writer;
    AudioInfo tags;
    ConsoleHost host(reporter, entries);
    converter::ConversionRunner runner(host, {reader, writer, tags, disc.grabber, disc.cdplayerIni});
    runner.verifyWithAccurateRip(disc.accurateRipCache);
    host.follow(runner);
    if (!entries.isEmpty()) runner.run(snapshot);
    reporter.finish();

    const int notConverted = host.notConverted();
    if (g_interrupted.load()) {
        //: Option names and their values stay as they are
        say(stderr, QCoreApplication::translate("velloria-convert",
                                                "interrupted; %1 file(s) not converted (run again with --existing skip to complete)")
                        .arg(notConverted));
        return 1;
    }
    if (reporter.failedCount() > 0 || notConverted > 0 || host.logFailed()) return 1;
    return host.inexact() ? 3 : 0;
}

}  // namespace cli
