#pragma once
// The tags of a ripped CD track: from the disc information known for its disc (its entry in
// cdplayer.ini, else the disc's CD-Text) and from what the disc itself holds (its audio track
// count, its MusicBrainz disc id, the track's ISRC). The converter window and velloria-convert
// --cd tag and name their outputs from the same information.

#include "components/audio/tags/AudioInfo.h"
#include "components/audio/cd/CdTypes.h"

#include <QList>
#include <QMap>
#include <QString>
#include <QStringList>

#include <optional>

class CdGrabber;

// What the disc itself says about one of its tracks, whatever information was found for it.
struct DiscFacts {
    int trackTotal = 0;         // the disc's audio tracks
    QString musicBrainzDiscId;  // from its table of contents
    QString isrc;               // the track's, when the disc holds one
    bool preEmphasis = false;   // the track is mastered with pre-emphasis and written as read
};

// The information known for the grabber's current disc: its entry in `cdplayerIni` (none when
// that is empty), else its CD-Text; nothing when neither has any.
std::optional<DiscInfo> knownDiscInfo(const CdGrabber& grabber, const QString& cdplayerIni);
// What the grabber's current disc holds for track `track` (numbered as on the disc); a track
// with pre-emphasis counts as written as read unless the grabber's settings de-emphasise it.
DiscFacts discFacts(const CdGrabber& grabber, int track);

// The properties of track `track` (counted from 1), each where known: TITLE, ARTIST (the track's
// own artist, the disc's when it has none), ALBUMARTIST, ALBUM, TRACKNUMBER, TRACKTOTAL,
// DISCNUMBER, DISCTOTAL, DATE, GENRE, ISRC (the disc's own first) and the MusicBrainz ids
// (MUSICBRAINZ_ALBUMID, _ARTISTID, _ALBUMARTISTID, _TRACKID, _RELEASETRACKID, _DISCID), and
// PRE_EMPHASIS "1" for a track that still carries its pre-emphasis. Track 0, the audio hidden
// before track 1, is TRACKNUMBER 0 with the TITLE "Hidden track".
// `info` may be null: the disc's own facts are tagged all the same.
QMap<QString, QStringList> cdTrackTags(const DiscInfo* info, int track, const DiscFacts& disc);

// The front cover saved for the disc as the tags' picture; none when it has none, it cannot be
// read or it is no picture.
QList<AudioInfo::Picture> coverPictures(const DiscInfo& info);

// A cover's MIME type by its first bytes: JPEG, PNG, GIF or WebP; empty for bytes that are none.
QString coverMimeType(const QByteArray& bytes);
// The extension a cover is saved with ("jpg", "png", "gif", "webp"); empty for no picture.
QString coverFileSuffix(const QByteArray& bytes);
