#include "cli/Plan.h"

#include "components/audio/engine/FileOps.h"
#include "components/audio/Formats.h"
#include "components/audio/cd/CueTracks.h"
#include "components/audio/engine/PartFiles.h"
#include "runs/NamePattern.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QSet>
#include <QStringDecoder>

#include <algorithm>
#include <cstdio>
#include <filesystem>

namespace cli {
namespace {

// The folder of a file given on the command line, relative to where the command runs; empty
// for an absolute path or one that leaves that folder.
QString givenDir(const QString& input) {
    if (QDir::isAbsolutePath(input)) return {};
    const QString dir = QDir::cleanPath(QFileInfo(input).path());
    if (dir == QStringLiteral(".") || dir == QStringLiteral("..") || dir.startsWith(QStringLiteral("../"))) return {};
    return dir;
}

// The path `path` with a number added before its extension, free on disk and in `taken`.
QString freeName(const QString& path, const QSet<QString>& taken) {
    const QFileInfo info(path);
    for (int n = 1;; ++n) {
        const QString candidate = info.path() + QLatin1Char('/') + info.completeBaseName() +
                                  QStringLiteral(" (%1).").arg(n) + info.suffix();
        if (!QFileInfo::exists(candidate) && !taken.contains(candidate)) return candidate;
    }
}

}  // namespace

QStringList convertedExtensions(bool extract) {
    if (extract)
        return {QStringLiteral("mp4"), QStringLiteral("m4v"), QStringLiteral("mkv"), QStringLiteral("webm"),
                QStringLiteral("avi"), QStringLiteral("mov"), QStringLiteral("mpg"), QStringLiteral("mpeg"),
                QStringLiteral("wmv"), QStringLiteral("flv"), QStringLiteral("ogv")};
    return audio::readableExtensions();
}

namespace {

struct Source {
    QString path;
    QString relativeDir;
    bool found = false;  // found in a folder with -r, not named
};

// A name that was not valid UTF-8 on disk reads back with replacement characters and names
// no file: it is said so, never skipped in silence.
PlannedFile unreadableName(const QString& path) {
    if (path.contains(QChar(QChar::ReplacementCharacter)))
        return {PlannedFile::Kind::Fail, path, {},
                QCoreApplication::translate("velloria-convert", "its name is not valid UTF-8 and cannot be opened here: rename it")};
    return {PlannedFile::Kind::Fail, path, {}, QCoreApplication::translate("velloria-convert", "does not exist")};
}

// The tracks of the CUE sheets among `found` in place of the audio files they cut: a sheet
// beside its album's file says how that file divides into tracks, and converting the file whole
// as well would write the album twice. A sheet of a raw disc image is passed over (--cd reads
// those); one that cannot be read fails, naming why, and its audio file converts whole.
QStringList withSheetTracks(const QStringList& found, QList<PlannedFile>& failed) {
    QStringList tracks;
    QSet<QString> cut;
    for (const QString& path : found) {
        if (!cue::isSheetPath(path) || cue::isDiscImageSheet(path)) continue;
        const cue::AudioSheet sheet = cue::readAudioSheet(path);
        if (!sheet.refusal.isEmpty()) {
            failed.push_back({PlannedFile::Kind::Fail, path, {}, sheet.refusal});
            continue;
        }
        tracks << cue::trackEntries(sheet);
        for (const QString& file : sheet.files) cut.insert(QFileInfo(file).absoluteFilePath());
    }
    QStringList out;
    for (const QString& path : found)
        if (!cue::isSheetPath(path) && !cut.contains(QFileInfo(path).absoluteFilePath())) out << path;
    return out << tracks;
}

// The audio files under `input` in a stable order, each with its folder relative to `input`.
// The folder is walked by the names' own bytes, so that a name that is not valid UTF-8 (which
// Qt cannot open) is found and said, not passed over.
void scanFolder(const QString& input, const Options& options, QList<Source>& sources, QList<PlannedFile>& failed) {
    const QStringList extensions = convertedExtensions(options.extract);
    const QString outputRoot = options.outputDir.isEmpty() ? QString() : QFileInfo(options.outputDir).absoluteFilePath();
    const QDir root(QFileInfo(input).absoluteFilePath());
    QStringList found;
    std::error_code ec;
    namespace fs = std::filesystem;
    for (fs::recursive_directory_iterator it(QFile::encodeName(input).toStdString(), ec), end; !ec && it != end; it.increment(ec)) {
        if (!it->is_regular_file(ec)) continue;
        const std::string raw = it->path().string();
        QStringDecoder utf8(QStringDecoder::Utf8);
        const QString path = utf8.decode(QByteArrayView(raw.data(), static_cast<qsizetype>(raw.size())));
        const QFileInfo file(path);
        if (audio::isPartName(file.fileName())) continue;
        if (!extensions.contains(file.suffix().toLower()) && (options.extract || !cue::isSheetPath(path))) continue;
        if (utf8.hasError()) {
            failed << unreadableName(path);
            continue;
        }
        // The outputs of an earlier run under the folder are not converted again.
        if (!outputRoot.isEmpty() && file.absoluteFilePath().startsWith(outputRoot + QLatin1Char('/'))) continue;
        found << path;
    }
    found.sort();
    if (!options.extract) found = withSheetTracks(found, failed);
    for (const QString& path : found) {
        QString dir = root.relativeFilePath(QFileInfo(cue::sourceFolder(path)).absoluteFilePath());
        if (dir == QStringLiteral(".")) dir.clear();
        // Without -o every output goes beside its source: the tree needs no copy.
        sources.push_back({path, options.outputDir.isEmpty() ? QString() : dir, true});
    }
}

// What tells sources apart: the file's own path, or a sheet's with the track's number.
QString sourceKey(const QString& path) {
    if (const std::optional<cue::EntryRef> ref = cue::entryRef(path))
        return cue::trackEntry(QFileInfo(ref->sheet).canonicalFilePath(), ref->number);
    return QFileInfo(path).canonicalFilePath();
}

// Every source the inputs name, each file once however often it is named or found.
QList<Source> gatherSources(const Options& options, QList<PlannedFile>& failed) {
    QList<Source> sources;
    for (const QString& input : options.inputs) {
        const QFileInfo info(input);
        if (info.isFile() && cue::isSheetPath(input) && !options.extract && !cue::isDiscImageSheet(input)) {
            const cue::AudioSheet sheet = cue::readAudioSheet(input);
            if (!sheet.refusal.isEmpty()) failed.push_back({PlannedFile::Kind::Fail, input, {}, sheet.refusal});
            const QString dir = options.recursive && !options.outputDir.isEmpty() ? givenDir(input) : QString();
            for (const QString& entry : cue::trackEntries(sheet)) sources.push_back({entry, dir, false});
        } else if (info.isFile() && cue::isSheetPath(input) && !options.extract) {
            failed.push_back({PlannedFile::Kind::Fail, input, {},
                              QCoreApplication::translate("velloria-convert", "is the sheet of a disc image: rip it with --cd")});
        } else if (info.isFile()) {
            sources.push_back({input, options.recursive && !options.outputDir.isEmpty() ? givenDir(input) : QString(), false});
        } else if (info.isDir() && options.recursive) {
            scanFolder(input, options, sources, failed);
        } else if (info.isDir()) {
            failed.push_back({PlannedFile::Kind::Fail, input, {},
                              QCoreApplication::translate("velloria-convert", "is a folder (use -r to convert the files in it)")});
        } else {
            failed << unreadableName(input);
        }
    }
    QSet<QString> seen;
    QList<Source> once;
    for (const Source& source : std::as_const(sources))
        if (const QString key = sourceKey(source.path); !seen.contains(key)) {
            seen.insert(key);
            once << source;
        }
    return once;
}

QString absolute(const QString& path) { return QDir::cleanPath(QFileInfo(path).absoluteFilePath()); }

}  // namespace

QList<PlannedFile> planFiles(const Options& options, const QString& extension, const TagReader& tags) {
    QList<PlannedFile> plan;
    const QList<Source> sources = gatherSources(options, plan);
    const QString pattern = options.effectivePattern();
    const bool needsTags = naming::needsTags(pattern);
    QStringList outputs;
    QMultiHash<QString, QString> producers;  // an output, and the sources that would write it
    for (const Source& s : sources) {
        const QString base = options.outputDir.isEmpty() ? cue::sourceFolder(s.path) : options.outputDir;
        const QString name = naming::expandPattern(pattern, s.path, s.relativeDir, needsTags ? tags(s.path) : QMap<QString, QString>{});
        outputs << QDir::cleanPath(base + QLatin1Char('/') + name + QLatin1Char('.') + extension);
        producers.insert(absolute(outputs.back()), absolute(s.path));
    }
    QHash<QString, QString> taken;  // outputs of this run, with their sources
    for (qsizetype i = 0; i < sources.size(); ++i) {
        PlannedFile file{PlannedFile::Kind::Convert, sources[i].path, outputs[i], {}};
        const QStringList writers = producers.values(absolute(file.source));
        if (sources[i].found && std::any_of(writers.cbegin(), writers.cend(),
                                            [&](const QString& w) { return w != absolute(file.source); })) {
            continue;  // the output of another source, written by this run or an earlier one
        }
        if (audio::sameFile(file.source, file.output)) {
            // A file found in a folder that is its own output is already in the format asked for.
            if (sources[i].found) file.kind = PlannedFile::Kind::Skip;
            else file = {PlannedFile::Kind::Fail, file.source, file.output,
                         QCoreApplication::translate("velloria-convert", "would be overwritten by its own output")};
        } else if (taken.contains(file.output) && options.existing != Existing::Rename) {
            file.kind = PlannedFile::Kind::Fail;
            //: Option names and their values stay as they are
            file.reason = QCoreApplication::translate("velloria-convert",
                                                      "its output %1 is also the output of %2 (use --existing rename, or a "
                                                      "--pattern that tells them apart)")
                              .arg(file.output, taken.value(file.output));
        } else if (QFileInfo::exists(file.output) || taken.contains(file.output)) {
            if (options.existing == Existing::Skip && !taken.contains(file.output)) file.kind = PlannedFile::Kind::Skip;
            else if (options.existing == Existing::Rename) file.output = freeName(file.output, QSet<QString>(taken.keyBegin(), taken.keyEnd()));
        }
        if (file.kind == PlannedFile::Kind::Convert) taken.insert(file.output, file.source);
        plan.push_back(file);
    }
    return plan;
}

QList<PlannedFile> shardOf(const QList<PlannedFile>& plan, int shard, int shards) {
    if (shards <= 1) return plan;
    const auto total = static_cast<qint64>(plan.size());
    const qint64 from = total * (shard - 1) / shards, to = total * shard / shards;
    return plan.mid(from, to - from);
}

QString addListedInputs(Options& options) {
    if (options.filesFrom.isEmpty()) return {};
    QFile list(options.filesFrom);
    const bool opened = options.filesFrom == QStringLiteral("-") ? list.open(stdin, QIODevice::ReadOnly)
                                                                 : list.open(QIODevice::ReadOnly);
    if (!opened)
        return QCoreApplication::translate("velloria-convert", "the list '%1' cannot be read: %2").arg(options.filesFrom, list.errorString());
    const QByteArray bytes = list.readAll();
    for (const QByteArray& name : bytes.split(options.nullSeparated ? '\0' : '\n')) {
        const QByteArray trimmed = options.nullSeparated ? name : name.endsWith('\r') ? name.chopped(1) : name;
        if (!trimmed.isEmpty()) options.inputs << QFile::decodeName(trimmed);
    }
    return {};
}

}  // namespace cli
