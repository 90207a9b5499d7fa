#include "components/sound/SoundClock.h"

namespace sound {

std::int64_t samplesForMs(int sampleRate, int channels, std::int64_t ms)
{
    if (sampleRate <= 0 || channels <= 0 || ms <= 0)
        return 0;
    return ms * sampleRate / 1000 * channels;
}

std::int64_t msForFrames(int sampleRate, std::int64_t frames)
{
    if (sampleRate <= 0 || frames <= 0)
        return 0;
    return frames * 1000 / sampleRate;
}

QString timeText(std::int64_t ms)
{
    if (ms < 0)
        ms = 0;
    const std::int64_t minutes = ms / 60000;
    const std::int64_t seconds = ms / 1000 - 60 * minutes;
    const std::int64_t millis = ms % 1000;
    return QStringLiteral("Time:%1:%2.%3")
        .arg(minutes)
        .arg(seconds, 2, 10, QLatin1Char('0'))
        .arg(millis, 3, 10, QLatin1Char('0'));
}

}  // namespace sound
