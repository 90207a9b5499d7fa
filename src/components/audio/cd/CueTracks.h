#pragma once
// The tracks of a CUE sheet whose FILE lines name audio files (FLAC, WAV, Ogg, anything the
// decoder reads), as inputs: each track is cut from its file at the sheet's INDEX 01 frames, up to
// the next track's INDEX 01 in the same file or to the file's end (a pre-gap stays with the track
// before it). A sheet of a raw image (BINARY, MOTOROLA, data tracks) is the grabber's instead.
//
// A track is listed as the entry "<sheet>/Track NN": a path below a file, which names nothing on
// disk, so it cannot be taken for an ordinary file. Qt Core only.

#include "components/audio/cd/CueSheet.h"

#include <QMap>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>
#include <vector>

namespace cue {

// Sample frames at `rate` for `frames` CD frames (75 a second), rounded down: 588 per frame at
// 44 100 Hz, 640 at 48 000 Hz.
constexpr std::int64_t samplesAt(std::int64_t frames, int rate) { return frames * rate / 75; }

struct AudioTrack {
    int number = 0;
    QString file;            // the audio file it is cut from, absolute
    std::int64_t start = 0;  // its INDEX 01 in that file, in CD frames
    std::int64_t end = -1;   // where it ends in that file, in CD frames; -1 at the file's end
    QString title;
    QString performer;
    QString isrc;
};

struct AudioSheet {
    QString path;  // the sheet
    QString title;
    QString performer;
    QString catalog;
    QStringList remarks;  // the sheet's REM lines ("DATE 1999", "GENRE Rock")
    std::vector<AudioTrack> tracks;
    QStringList files;  // the audio files it names, absolute, in the sheet's order
    QString refusal;    // why it gives no tracks (a message naming the file); empty when it does
    const AudioTrack* track(int number) const;
};

// Whether `path` is named as a CUE sheet (".cue" in any case).
bool isSheetPath(const QString& path);

// Whether the sheet at `path` describes a raw disc image for the grabber: a BINARY or MOTOROLA
// file, a .bin, .img or .raw file, or a track that is not audio. A sheet that cannot be read counts as an image when it
// mentions such a file, so the grabber gives its own reason.
bool isDiscImageSheet(const QString& path);

// The sheet at `path` with its tracks, each file opened to check that it is there, decodes, and
// reaches past the last index the sheet places in it (`checkFiles`; names need only the text).
// `refusal` says why not.
AudioSheet readAudioSheet(const QString& path, bool checkFiles = true);
// The entries of its tracks, in order.
QStringList trackEntries(const AudioSheet& sheet);

// The entry of track `number` of the sheet at `sheet`.
QString trackEntry(const QString& sheet, int number);
struct EntryRef {
    QString sheet;
    int number = 0;
};
// The sheet and track an entry names; nothing for any other path (an existing file included).
std::optional<EntryRef> entryRef(const QString& entry);
// The folder outputs beside the source go to: the sheet's for a track entry, else the file's.
QString sourceFolder(const QString& entry);
// A track's output name without extension: "NN - Title", "Track NN" without a title; safe as
// one file name ("/" and control characters become "_").
QString trackName(const AudioTrack& track);

// The tags a track's output gets: TITLE, ARTIST (the track's performer, else the album's), ALBUM,
// ALBUMARTIST, TRACKNUMBER, TRACKTOTAL, ISRC, and DATE and GENRE from REM lines, each where the
// sheet gives it.
QMap<QString, QStringList> trackTags(const AudioSheet& sheet, const AudioTrack& track);

}  // namespace cue
