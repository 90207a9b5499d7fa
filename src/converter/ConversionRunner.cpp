#include "converter/ConversionRunner.h"

#include "components/audio/AudioFile.h"
#include "components/audio/AudioInfo.h"
#include "components/audio/FileEndpoints.h"
#include "components/audio/WMAFile.h"
#include "converter/ConverterRules.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <filesystem>

namespace converter {
namespace {

// True when the two paths name one file (links and letter case as the file system sees them).
bool sameFile(const QString& a, const QString& b) {
    std::error_code ec;
    const bool same = std::filesystem::equivalent(std::filesystem::path(a.toStdString()),
                                                  std::filesystem::path(b.toStdString()), ec);
    return !ec && same;
}

bool removeForced(const QString& path) {
    QFile file(path);
    file.setPermissions(file.permissions() | QFileDevice::WriteOwner | QFileDevice::WriteUser);
    return file.remove();
}

}  // namespace

QString outputClaimKey(const QString& path) {
    const QFileInfo info(QDir::cleanPath(path));
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return (folder.isEmpty() ? info.absolutePath() : folder) + QLatin1Char('/') + info.fileName();
}

ConversionRunner::ConversionRunner(RunHost& host, RunComponents components)
    : m_host(host), m_components(components) {}

void ConversionRunner::setOptions(bool preserveTags, bool deleteSource) {
    m_preserveTags = preserveTags;
    m_deleteSource = deleteSource;
}

void ConversionRunner::reportFailures() {
    if (m_failures.isEmpty()) return;
    const QList<FailedFile> failures = std::exchange(m_failures, {});
    m_host.runFailures(failures);
}

void ConversionRunner::run(const RunSnapshot& snapshot) {
    setOptions(snapshot.preserveTags, snapshot.deleteSource);
    m_stopped = m_endRun = false;
    m_host.setBusy(true);
    // Output path → the source that writes it in this run.
    QHash<QString, QString> claimed;
    for (int i = 0; i < snapshot.entries.size(); ++i) {
        if (m_host.cancelRequested() || m_stopped || m_endRun) break;
        if (!snapshot.wholeList && !snapshot.entries[i].selected) continue;
        processEntry(snapshot, i, claimed);
    }
    if (m_stopped) return;
    m_host.setBusy(false);
    reportFailures();
}

void ConversionRunner::processEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed) {
    const QString& p = snapshot.entries[index].source;
    const QString& q = snapshot.entries[index].output;
    const bool cd = isCdTrack(p);
    if (snapshot.sameFolder && cd) {
        m_host.runMessage(QStringLiteral("File '") + p + QStringLiteral("' is on a CD. Please choose another folder"), false);
        return;
    }
    if (snapshot.deleteSource && cd) {
        m_host.runMessage(QStringLiteral("File '") + p + QStringLiteral("' is on a CD. Can't delete this file"), false);
        return;
    }
    if (!QFileInfo(p).isFile()) {
        m_host.runMessage(QStringLiteral("File '") + p + QStringLiteral("' is not exist."), false);
        return;
    }
    // Reading a file while writing it would destroy it.
    if (sameFile(p, q)) {
        m_host.runMessage(QStringLiteral("File '") + p + QStringLiteral("' would be overwritten by its own output."), false);
        return;
    }
    // Writing one output twice would lose the first file's audio (and, with deletion, its source).
    const QString key = outputClaimKey(q);
    if (const auto earlier = claimed.constFind(key); earlier != claimed.constEnd()) {
        fail(p, QStringLiteral("File '") + p + QStringLiteral("' would overwrite the output of '") + *earlier +
                    QStringLiteral("'. Rename it first."));
        return;
    }
    claimed.insert(key, p);

    m_host.fileStarted(index + 1);
    const QString& format = snapshot.formatKey;
    const QString e = QFileInfo(p).suffix().toLower();
    const bool inWMA = e == QStringLiteral("wma");
    if (format == QStringLiteral("MP3") || format == QStringLiteral("WAV") || format == QStringLiteral("OGG")) {
        if (cd) fail(p, QStringLiteral("Reading CD tracks is not available."));
        else convertFile(p, q, inWMA, false);
    } else if (format == QStringLiteral("WMA")) {
        if (!m_components.wmaReader.WMASupported()) {
            m_host.runMessage(
                QStringLiteral("WMA format is NOT supported in your system, the wma codec may not be installed.!"), true);
            m_host.setBusy(false);
            m_host.fileEnded();
            m_endRun = true;
            return;
        }
        if (cd) fail(p, QStringLiteral("Reading CD tracks is not available."));
        else convertFile(p, q, inWMA, true);
    }
    if (m_stopped) return;
    m_host.fileEnded();
}

void ConversionRunner::progress(const audio::JobProgress& progress) {
    m_host.fileProgress(progress.percent());
    if (!m_host.letEventsRun()) {
        // The program is ending: the files are closed and nothing else is touched.
        m_stopped = true;
        m_job->cancel();
        return;
    }
    m_host.timePanels(progress.fraction());
    if (m_host.cancelRequested()) m_job->cancel();
}

bool ConversionRunner::convertFile(const QString& p, const QString& q, bool inWMA, bool outWMA) {
    m_host.fileProgress(0);
    audio::AudioFileSource fileSource(m_components.reader, p);
    audio::WmaFileSource wmaSource(m_components.wmaReader, p);
    audio::AudioFileSink fileSink(m_components.writer, q);
    audio::WmaFileSink wmaSink(m_components.wmaWriter, q);
    audio::AudioSource& source = inWMA ? static_cast<audio::AudioSource&>(wmaSource) : fileSource;
    audio::AudioSink& sink = outWMA ? static_cast<audio::AudioSink&>(wmaSink) : fileSink;

    audio::AudioJob job(source, sink, *this);
    m_job = &job;
    const audio::JobOutcome outcome = job.run();
    m_job = nullptr;
    if (m_stopped) return false;
    switch (outcome.end) {
    case audio::JobEnd::Cancelled:
        // The partial output stays on disk; the source is kept.
        m_host.setBusy(false);
        m_host.fileEnded();
        return false;
    case audio::JobEnd::Failed:
        m_host.setBusy(false);
        m_host.fileProgress(0);
        fail(p, outcome.reason);
        return false;
    case audio::JobEnd::Written:
        break;
    }
    m_host.fileProgress(100);
    // A source whose tags could not be carried over is kept, so they are not lost.
    if (m_preserveTags) {
        try {
            m_components.tags.ReadTags(p);
            m_components.tags.WriteTags(q);
        } catch (const ComponentError& e) {
            fail(p, QStringLiteral("The tags could not be copied (the source is kept): ") + e.description());
            return true;
        }
    }
    if (m_deleteSource && !removeForced(p)) fail(p, QStringLiteral("The source file could not be deleted."));
    return true;
}

}  // namespace converter
