#pragma once
// Which files one run converts and where each output goes: the inputs expanded (folders with
// -r), each output named from the pattern under the output folder or beside its source, and
// the outputs that exist already skipped, kept for overwriting or given a free name.

#include "cli/Options.h"

#include <QList>
#include <QMap>
#include <QString>

#include <functional>

namespace cli {

struct PlannedFile {
    enum class Kind { Convert, Skip, Fail };
    Kind kind = Kind::Convert;
    QString source;
    QString output;
    QString reason;  // why it fails
};

// The tags a pattern names ("ARTIST", "ALBUM", "TITLE", "TRACKNUMBER"), as read from a source.
using TagReader = std::function<QMap<QString, QString>(const QString& path)>;

// The extensions a folder's files are converted by (lower case, without the dot).
QStringList convertedExtensions(bool extract);

// `pattern` for one source: placeholders replaced by values that cannot leave their folder.
QString expandPattern(const QString& pattern, const QString& source, const QString& relativeDir,
                      const QMap<QString, QString>& tags);

// The files of one run in order. An input that is missing, or a folder without -r, fails.
QList<PlannedFile> planFiles(const Options& options, const QString& extension, const TagReader& tags);

}  // namespace cli
