#pragma once
// What copied tags become in a file of another kind, so that they keep their meaning there.
// Works on property maps as TagLib gives them (upper-case names, "TRACKNUMBER", …); no files.
//
//   loudness       ReplayGain 2.0 (REPLAYGAIN_TRACK_GAIN/_PEAK, _ALBUM_GAIN/_PEAK, at -18 LUFS)
//                  in every kind but Opus; in Opus R128_TRACK_GAIN/R128_ALBUM_GAIN only (Q7.8 at
//                  -23 LUFS, relative to the output gain of the target's Opus header). A value is
//                  converted into the target's convention or dropped; Opus has no peaks. The
//                  source's own header gain plays no part: its decoded audio, which the target
//                  holds, already has that gain applied.
//   file facts     names that describe the source file rather than the music (its encoder and
//                  settings, its length, its channel mask, …) are dropped.
//   numbering      ID3 keeps "3/10" in TRACKNUMBER (DISCNUMBER); Vorbis comments keep
//                  TRACKNUMBER=3 and TRACKTOTAL=10 (DISCNUMBER, DISCTOTAL); ASF a track number
//                  alone and a disc as "1/2". Each is rewritten into the target's form.
//
// Everything else is carried unchanged.

#include <QMap>
#include <QString>
#include <QStringList>

namespace tag_conventions {

using Properties = QMap<QString, QStringList>;

// The tag family a file keeps its tags in. WAV counts as ID3: its tags live in its "id3 " chunk.
enum class TagKind { Id3, Vorbis, Opus, Asf, Other };

// `source` as read from a file of kind `from`, made fit for a file of kind `to`. For an Opus
// target, `targetHeaderGain` is the output gain of its header (Q7.8 dB).
Properties carried(const Properties& source, TagKind from, TagKind to, int targetHeaderGain = 0);

// True for a name that describes the source file rather than the music (any letter case).
bool describesFile(const QString& name);

}  // namespace tag_conventions
