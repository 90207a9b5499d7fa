#pragma once
// Conversions between sample counts and milliseconds for the sound devices, and the running-time
// text that the converter's preview and the recorder show in their status bars.

#include <QString>

#include <cstdint>

namespace sound {

// Frames of `sampleRate` Hz audio in `ms` milliseconds, times the channel count: the number of
// interleaved 16-bit values. 0 for a rate or channel count that is not positive.
std::int64_t samplesForMs(int sampleRate, int channels, std::int64_t ms);

// Milliseconds that `frames` sample frames last at `sampleRate` Hz, rounded down. Negative
// counts give 0.
std::int64_t msForFrames(int sampleRate, std::int64_t frames);

// "Time:" + minutes + ":" + two-digit seconds + "." + three-digit milliseconds, with no hour
// field: 65043 ms gives "Time:1:05.043". Negative times show as 0.
QString timeText(std::int64_t ms);

}  // namespace sound
