#include "cli/Plan.h"

#include "components/audio/FileOps.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QSet>

namespace cli {
namespace {

// A tag value as one path component: separators and control characters become "_", and a
// value that is only dots cannot name a folder above.
QString component(QString value, const QString& fallback) {
    value = value.trimmed();
    for (QChar& c : value)
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c.unicode() < 0x20) c = QLatin1Char('_');
    if (value.isEmpty()) return fallback;
    if (value.count(QLatin1Char('.')) == value.size()) return QString(value.size(), QLatin1Char('_'));
    return value;
}

// The folder of a file given on the command line, relative to where the command runs; empty
// for an absolute path or one that leaves that folder.
QString givenDir(const QString& input) {
    if (QDir::isAbsolutePath(input)) return {};
    const QString dir = QDir::cleanPath(QFileInfo(input).path());
    if (dir == QStringLiteral(".") || dir == QStringLiteral("..") || dir.startsWith(QStringLiteral("../"))) return {};
    return dir;
}

bool isPartFile(const QString& name) { return name.startsWith(QLatin1Char('.')) && name.contains(QStringLiteral(".velloria-part-")); }

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
    return {QStringLiteral("wav"), QStringLiteral("mp3"), QStringLiteral("ogg"), QStringLiteral("wma"), QStringLiteral("flac")};
}

QString expandPattern(const QString& pattern, const QString& source, const QString& relativeDir,
                      const QMap<QString, QString>& tags) {
    const QString name = audio::nameWithoutExtension(source);
    QString track = tags.value(QStringLiteral("TRACKNUMBER")).section(QLatin1Char('/'), 0, 0).trimmed();
    bool numeric = false;
    if (const int n = track.toInt(&numeric); numeric && n >= 0) track = QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
    QString out = pattern;
    out.replace(QStringLiteral("{artist}"), component(tags.value(QStringLiteral("ARTIST")), QStringLiteral("Unknown Artist")));
    out.replace(QStringLiteral("{album}"), component(tags.value(QStringLiteral("ALBUM")), QStringLiteral("Unknown Album")));
    out.replace(QStringLiteral("{title}"), component(tags.value(QStringLiteral("TITLE")), component(name, QStringLiteral("_"))));
    out.replace(QStringLiteral("{track}"), component(track, QStringLiteral("00")));
    out.replace(QStringLiteral("{name}"), component(name, QStringLiteral("_")));
    out.replace(QStringLiteral("{dir}"), relativeDir);
    // An empty {dir} leaves no empty folder name behind.
    QStringList parts = out.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    parts.removeAll(QStringLiteral("."));
    return parts.join(QLatin1Char('/'));
}

QList<PlannedFile> planFiles(const Options& options, const QString& extension, const TagReader& tags) {
    struct Source {
        QString path;
        QString relativeDir;
    };
    QList<Source> sources;
    QList<PlannedFile> failed;
    const QStringList extensions = convertedExtensions(options.extract);
    const QString outputRoot = options.outputDir.isEmpty() ? QString() : QFileInfo(options.outputDir).absoluteFilePath();
    for (const QString& input : options.inputs) {
        const QFileInfo info(input);
        if (info.isFile()) {
            sources.push_back({input, options.recursive ? givenDir(input) : QString()});
        } else if (info.isDir() && options.recursive) {
            const QDir root(info.absoluteFilePath());
            QStringList found;
            QDirIterator it(input, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
            while (it.hasNext()) {
                const QFileInfo file(it.next());
                if (isPartFile(file.fileName()) || !extensions.contains(file.suffix().toLower())) continue;
                // The outputs of an earlier run under the folder are not converted again.
                if (!outputRoot.isEmpty() &&
                    (file.absoluteFilePath().startsWith(outputRoot + QLatin1Char('/'))))
                    continue;
                found << file.filePath();
            }
            found.sort();
            for (const QString& path : found) {
                QString dir = root.relativeFilePath(QFileInfo(path).absolutePath());
                if (dir == QStringLiteral(".")) dir.clear();
                sources.push_back({path, dir});
            }
        } else if (info.isDir()) {
            failed.push_back({PlannedFile::Kind::Fail, input, {}, QStringLiteral("is a folder (use -r to convert the files in it)")});
        } else {
            failed.push_back({PlannedFile::Kind::Fail, input, {}, QStringLiteral("does not exist")});
        }
    }

    QList<PlannedFile> plan = failed;
    QSet<QString> taken;  // outputs of this run
    const QString pattern = options.effectivePattern();
    for (const Source& s : sources) {
        const QString base = options.outputDir.isEmpty() ? QFileInfo(s.path).path() : options.outputDir;
        const bool needsTags = pattern.contains(QStringLiteral("{artist}")) || pattern.contains(QStringLiteral("{album}")) ||
                               pattern.contains(QStringLiteral("{title}")) || pattern.contains(QStringLiteral("{track}"));
        const QString name = expandPattern(pattern, s.path, s.relativeDir, needsTags ? tags(s.path) : QMap<QString, QString>{});
        PlannedFile file{PlannedFile::Kind::Convert, s.path, QDir::cleanPath(base + QLatin1Char('/') + name + QLatin1Char('.') + extension), {}};
        if (audio::sameFile(file.source, file.output)) {
            file.kind = PlannedFile::Kind::Fail;
            file.reason = QStringLiteral("would be overwritten by its own output");
        } else if (QFileInfo::exists(file.output) || taken.contains(file.output)) {
            if (options.existing == Existing::Skip && !taken.contains(file.output)) file.kind = PlannedFile::Kind::Skip;
            else if (options.existing == Existing::Rename) file.output = freeName(file.output, taken);
        }
        if (file.kind == PlannedFile::Kind::Convert) taken.insert(file.output);
        plan.push_back(file);
    }
    return plan;
}

}  // namespace cli
