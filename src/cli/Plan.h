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

// The files of one run in order, each source once however often it is named or found. An input
// that is missing (or whose name is not valid UTF-8), or a folder without -r, fails. Without -o
// every output goes beside its source; a file found with -r that is another source's output
// (of this run or an earlier one) is no source, and one that is its own output is skipped.
// Two sources with one output: the second fails naming the first, unless outputs are renamed.
QList<PlannedFile> planFiles(const Options& options, const QString& extension, const TagReader& tags);

// Slice `shard` (1-based) of `shards` equal slices of a plan, in its order.
QList<PlannedFile> shardOf(const QList<PlannedFile>& plan, int shard, int shards);

// Adds the sources named in --files-from (a file, or standard input for "-") to the inputs; why
// it could not be read, or nothing.
QString addListedInputs(Options& options);

}  // namespace cli
