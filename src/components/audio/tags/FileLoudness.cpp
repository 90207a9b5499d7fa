#include "components/audio/tags/FileLoudness.h"

#include "components/audio/codecs/ChannelLayout.h"
#include "components/audio/codecs/Decoder.h"

#include <QCoreApplication>

#include <vector>

namespace audio {
namespace {

// Frames decoded and measured at a time: about 1.5 s of CD audio, a few milliseconds of work.
constexpr std::size_t kFrames = 65536;

}  // namespace

FileLoudness measureFile(const QString& path, const std::function<bool()>& between) {
    FileLoudness result;
    try {
        Decoder decoder;
        decoder.setChannelLimit(channel_layout::kMaxChannels);  // every channel the file holds
        decoder.open(path);
        LoudnessMeter meter(decoder.sampleRate(), decoder.channels());
        std::vector<std::int16_t> samples(kFrames * static_cast<std::size_t>(decoder.channels()));
        for (;;) {
            const std::size_t frames = decoder.read(samples.data(), kFrames);
            if (frames == 0) break;
            meter.add(samples.data(), frames);
            if (between && !between()) throw ComponentError(QCoreApplication::translate("Loudness", "the measurement was stopped"));
        }
        const QString damage = decoder.failure().isEmpty() ? decoder.damage() : decoder.failure();
        if (!damage.isEmpty()) throw ComponentError(damage);
        result.measurement = meter.measurement();
    } catch (const ComponentError& e) {
        result.error = e.description();
    }
    return result;
}

}  // namespace audio
