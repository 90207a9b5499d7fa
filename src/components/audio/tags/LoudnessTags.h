#pragma once
// Writing loudness tags into a finished output file, in the form players read for its format:
//   Ogg Vorbis, FLAC    Vorbis comments REPLAYGAIN_TRACK_GAIN, _TRACK_PEAK, _ALBUM_GAIN, _ALBUM_PEAK
//   MP3, WAV            ID3v2 TXXX frames with those names as descriptions (in WAV, the "id3 "
//                       chunk the program already keeps its tags in; the RIFF INFO chunk has no
//                       field for them)
//   WMA                 ASF attributes with those names
//   Ogg Opus            R128_TRACK_GAIN / R128_ALBUM_GAIN only (Q7.8 at -23 LUFS, relative to
//                       the header's output gain); every REPLAYGAIN_* comment is removed
//
// Contract: any thread, one call per file at a time. writeTrack() is called when a file is
// done and writes the track's values; writeAlbum() is a second, later call once the album is
// complete. Each replaces the values of its scope already present (in any letter case), so
// writing twice leaves one of each. A loudness without a gain (silence) writes no gain and
// removes an old one; the peak is still written. Only tags change, never the audio. A missing
// file, a format without loudness tags or a failed save throws ComponentError naming the file.

#include "components/ComponentError.h"
#include "components/audio/tags/Loudness.h"

#include <QString>

namespace TagLib::Ogg::Opus {
class File;
}

namespace loudness_tags {

void writeTrack(const QString& path, const Loudness& track);
void writeAlbum(const QString& path, const Loudness& album);
// Removes the album values (gain and peak; Opus: the R128 album gain), for an album that is not
// whole.
void removeAlbum(const QString& path);

// The output gain of an Ogg Opus file's header (Q7.8 dB), which decoders apply before any R128
// gain; 0 when the header cannot be read.
int opusHeaderGain(TagLib::Ogg::Opus::File& file);

}  // namespace loudness_tags
