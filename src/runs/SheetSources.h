#pragma once
// What the runs do differently for a track of a CUE sheet that names audio files (an entry
// "<sheet>/Track NN", components/audio/cd/CueTracks.h): where it is read from, how its output
// is tagged, and when its sources may be deleted.

#include "components/audio/engine/AudioJob.h"
#include "runs/RunPlan.h"

#include <QHash>
#include <QSet>
#include <QString>
#include <QStringList>

#include <memory>

class AudioFile;
class AudioInfo;

namespace converter {

// The source of entry `p`: its track of a sheet, or the file read through `reader`.
std::unique_ptr<audio::AudioSource> sourceOf(AudioFile& reader, const QString& p);

// The files entry `p` reads: a track's audio files and its sheet, or `p` itself.
QStringList filesReadBy(const QString& p);

// Tags the written `part` of a sheet's track: the tags of its audio file, with the sheet's album,
// track, title and performers over them. Why it failed, or nothing.
QString writeSheetTags(AudioInfo& tags, const QString& p, const QString& part);

// A sheet's audio file holds every track of it: it may be deleted only once each track was
// written whole, and not while another entry of the run (the file itself, another sheet) reads
// it. Deletion of an ordinary source is not this class's business.
class SheetDeletion {
public:
    // The entries of the run, before it starts.
    void plan(const RunSnapshot& snapshot);
    // Track entry `p` was written whole: the files that may go now (the sheet's audio files and
    // the sheet itself, once every one of its tracks has been written in this run), else none.
    QStringList written(const QString& p);

private:
    QHash<QString, QSet<int>> m_written;   // sheet → its tracks written whole
    QHash<QString, QSet<QString>> m_readers;  // file → the sheets and sources of the run that read it
};

}  // namespace converter
