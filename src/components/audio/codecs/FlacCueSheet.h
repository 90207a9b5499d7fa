#pragma once
// A FLAC file's CUESHEET metadata block: the tracks and indexes of a CUE sheet whose every
// index lies in that one file, as libFLAC keeps them (sample positions, the catalogue number,
// ISRCs and the pre-emphasis flag of each track).

#include "components/audio/cd/CueSheet.h"

#include <QString>

namespace audio {

// Puts `sheet` into the FLAC file `path` as its CUESHEET block (replacing any it had), within
// the file's padding where it fits. `frames` is the file's length in sample frames (its
// lead-out). Why it could not, or nothing.
QString writeFlacCueSheet(const QString& path, const cue::Sheet& sheet, std::int64_t frames);

}  // namespace audio
