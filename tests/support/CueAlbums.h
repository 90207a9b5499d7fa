#pragma once
// Albums as one audio file with a CUE sheet beside it, as other rippers leave them, and the
// tracks Debian's shnsplit cuts from them: the independent reference for the converter's cuts.

#include "components/audio/engine/SampleBlock.h"

#include <QString>
#include <QStringList>

#include <cstdint>
#include <vector>

namespace testing_support {

struct CueAlbum {
    QString sheet;  // <folder>/album.cue
    QString audio;  // <folder>/album.<extension>
    int rate = 44100;
    int channels = 2;
    SampleBlock samples;               // what was encoded
    std::vector<std::int64_t> starts;  // each track's INDEX 01, in CD frames
    QString error;                     // why it could not be made; empty when it was
};

// Tracks of `trackFrames` CD frames each (the last also gets `tailSamples` more sample frames) of
// a music-like signal, as <folder>/album.<extension> ("flac" through the flac tool, "wav", "ogg"),
// with a sheet naming the album ("Album", "Band") and its tracks ("Song 1", ...), each track but
// the first with a pre-gap (INDEX 00) of two seconds, or half the track before it when that is shorter.
CueAlbum makeCueAlbum(const QString& folder, const QString& extension, const std::vector<std::int64_t>& trackFrames,
                      int rate = 44100, std::int64_t tailSamples = 0);

// The sheet's text for `album`: FILE "album.<extension>" WAVE, then the tracks.
QByteArray cueAlbumText(const CueAlbum& album, const QString& fileName);

// shnsplit's WAV tracks of `audio` cut at `sheet`'s break points into `folder`, in track order;
// empty, with `error`, when it fails.
QStringList shnsplitTracks(const QString& sheet, const QString& audio, const QString& folder, QString* error);

}  // namespace testing_support
