#pragma once
// The CUE sheet of a rip, built from the disc's layout (CdGrabber::layout), the disc
// information known for it and the files the rip wrote: one file per track, laid out as rippers
// lay it out (a track's pre-gap is its INDEX 00 at the end of the previous track's file, which
// holds it, and its INDEX 01 starts its own file), or the whole disc in one file. Data tracks
// and the hidden audio before track 1 have no place in a sheet of audio files; a pre-gap that no
// written file holds becomes a PREGAP (silence a player or burner puts there). Qt Core only.

#include "components/audio/cd/CdTypes.h"
#include "components/audio/cd/CueSheet.h"

#include <QMap>
#include <QString>

#include <optional>

namespace converter {

class RipCueSheet {
public:
    RipCueSheet(DiscLayout layout, std::optional<DiscInfo> info);

    // The audio tracks a sheet lists, in disc order.
    std::vector<TrackLayout> audioTracks() const;
    // One file per track: track number → the file holding it, named as the sheet names it
    // (relative to the sheet's folder). Tracks without a file are left out.
    cue::Sheet perTrack(const QMap<int, QString>& files) const;
    // The tracks one file holds: the audio hidden before track 1 (track 0), when the disc has it,
    // then every audio track.
    std::vector<TrackLayout> oneFileTracks() const;
    // Every audio track in `file`, which starts where the first of oneFileTracks() starts (the
    // hidden audio is track 1's INDEX 00) and holds the audio up to the end of the last one.
    cue::Sheet oneFile(const QString& file) const;

    // The name a rip's sheet and its one file get, without an extension: "<artist> - <album>",
    // made a safe file name as output names are (runs/NamePattern), a double quote a single one.
    QString discName() const;
    // The one file of a rip whose first track's output would have been `trackOutput`, written in
    // format `formatKey`: beside it, named discName(), a WAV file when WAV is the format and a
    // FLAC file otherwise (its extension in the case of `trackOutput`'s).
    QString oneFilePath(const QString& trackOutput, const QString& formatKey) const;
    // The tags of the one file: ALBUM, ARTIST, ALBUMARTIST, GENRE and DATE of the disc, and the
    // sheet itself as CUESHEET, which players of disc images read for the tracks' titles,
    // performers, ISRCs and positions.
    QMap<QString, QStringList> oneFileTags(const cue::Sheet& sheet) const;

    // The sheet's FILE type for a file: "MP3", "AIFF", else "WAVE" (what rippers write for any
    // other audio file, and what the sheets' readers accept).
    static QString fileType(const QString& file);

private:
    cue::Sheet discSheet() const;
    cue::Track track(const TrackLayout& t) const;

    DiscLayout m_layout;
    std::optional<DiscInfo> m_info;
};

}  // namespace converter
