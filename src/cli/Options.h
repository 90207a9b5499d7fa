#pragma once
// The command line of velloria-convert as plain values: what the user asked for, checked for
// form (numbers, choices, ranges that need no format) before anything is read or written.
// Whether a value suits the chosen format is decided later, by the output settings.

#include "components/audio/Formats.h"

#include <QList>
#include <QString>
#include <QStringList>

#include <optional>

namespace cli {

// The output format -f names (its extension, exactly), or the converter window's stored "Last
// Output Format"; null for none.
const audio::OutputFormat* formatByName(const QString& name);
const audio::OutputFormat* formatByStoredIndex(int index);

enum class Existing { Skip, Overwrite, Rename };
enum class Mode { Stored, Cbr, Vbr, Abr };
enum class Action { Convert, Help, Version };

struct Options {
    Action action = Action::Convert;
    QStringList inputs;
    QString formatName;  // empty: the converter window's stored format
    std::optional<int> bitrate;
    std::optional<double> quality;
    Mode mode = Mode::Stored;
    QString outputDir;   // empty: beside each source
    QString pattern;     // empty: "{name}", or "{dir}/{name}" with -r
    bool recursive = false;
    Existing existing = Existing::Skip;
    int jobs = 0;        // 0: one per core
    bool deleteSource = false;
    bool noTags = false;
    bool replayGain = false;
    bool extract = false;
    QString cd;          // device or disc image
    QList<int> tracks;   // empty: every track
    bool testAndCopy = false;  // each CD track read twice, the two CRC32s compared
    bool findOffset = false;  // find the --cd drive's read offset instead of ripping
    bool oneFile = false;  // the whole disc into one FLAC (WAV with -f wav) file with its CUE sheet
    bool json = false;
    bool quiet = false;
    QString filesFrom;          // a file naming sources, one a line ("-": standard input)
    bool nullSeparated = false;  // its names end in NUL instead (-0)
    int shard = 0;               // convert only slice `shard` of `shards` (1-based); 0: all
    int shards = 0;
    std::optional<int> sampleRate;  // overrides the stored rate (MP3, Ogg Vorbis, WAV, --extract)
    std::optional<int> channels;    // 1 or 2, likewise

    // The pattern in force.
    QString effectivePattern() const;
};

struct ParseResult {
    Options options;
    QString error;  // a usage error; empty when the line was understood
};

// `arguments` without the program's name.
ParseResult parseArguments(const QStringList& arguments);

// "1-5,7" as track numbers in order, each once; nothing for a malformed list.
std::optional<QList<int>> parseTrackList(const QString& text);

// The placeholders a pattern may hold, and the first unknown one in `pattern` (empty: none).
QString unknownPlaceholder(const QString& pattern);

QString usageText();

}  // namespace cli
