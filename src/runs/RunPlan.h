#pragma once
// The plan of a conversion run: the snapshot of the list it converts (entries, their outputs,
// the format and the choices taken when Convert was pressed), and what each entry comes to
// before anything is converted (a message, a refusal, or a conversion).

#include "components/audio/settings/OutputSettings.h"
#include "runs/RunText.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

namespace converter {

struct RunEntry {
    QString source;
    QString output;
    bool selected = false;
};

struct RunSnapshot {
    QList<RunEntry> entries;
    QString formatKey;  // an output format's key (audio::outputFormats)
    bool sameFolder = false;
    bool wholeList = false;
    bool deleteSource = false;
    bool preserveTags = false;
    // Files converted at once: 1 converts one file after another. More run on worker threads,
    // with exactly the outcome of one at a time.
    int workers = 1;
    // Outputs only ever appear whole: files convert through part files even one at a time, a
    // cancel drops the partial output instead of leaving it under its name, and a file whose
    // conversion failed is reported without a second attempt into its output. For programs that
    // may be stopped at any moment (the command line), where a later run skips existing outputs.
    bool wholeOutputsOnly = false;
    // What every output format is written with.
    OutputSettings settings;
    // Measure every output and tag it with its track and album loudness (ReplayGain; R128 gains
    // in Opus). An album is the files of the run that share a source folder: it gets album values
    // only when every one of its files has its output at the end of the run, and then all of
    // them get the same values, measured over all of them.
    bool loudnessTags = false;
    // Sources whose outputs exist already and are not converted again (the command line skips
    // them): with loudness tags they belong to their albums, measured from their output files,
    // which get the album values too.
    QList<RunEntry> existing;
    // Sources the caller failed before the run: their albums are not whole.
    QStringList notConverted;
};

// What an entry comes to once the checks that need no conversion have run.
struct EntryPlan {
    enum class Kind { Skip, Message, Refuse, Convert };
    Kind kind = Kind::Skip;
    RunText text;  // the message (Message) or the reason it fails (Refuse)
    bool cd = false;
};

// Entry `index` of `snapshot`, its output claimed in `claimed` (output key → the source that
// writes it in this run) when it is to be converted.
EntryPlan planEntry(const RunSnapshot& snapshot, int index, QHash<QString, QString>& claimed);

// The folders the run writes into (where part files of ended programs are removed first).
QStringList outputFolders(const RunSnapshot& snapshot);

// The key under which an output path is claimed within one run: two texts that name the
// same place (a doubled "/", a "." part, a linked folder) give the same key.
QString outputClaimKey(const QString& path);

}  // namespace converter
