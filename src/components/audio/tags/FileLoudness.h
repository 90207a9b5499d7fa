#pragma once
// The loudness of a finished file as players hear it: the file is decoded (every channel, at the
// rate it decodes at) and measured, so that the gain describes what was written after every
// channel and rate conversion and after a lossy encoder, and agrees with scanners run on the file.
//
// Contract: any thread, one file per call; the file is only read. `between` (optional) is
// called between blocks on the calling thread; returning false stops the measurement, which
// then fails. A file that cannot be decoded whole fails with the reason.

#include "components/audio/tags/Loudness.h"

#include <QString>

#include <functional>
#include <optional>

namespace audio {

struct FileLoudness {
    std::optional<TrackMeasurement> measurement;  // nothing when it failed
    QString error;                                // why it failed
};

FileLoudness measureFile(const QString& path, const std::function<bool()>& between = {});

}  // namespace audio
