#include "components/audio/engine/BlockIO.h"

#include "components/ComponentError.h"

#include "components/audio/codecs/Decoder.h"
#include "components/audio/codecs/Resampler.h"

#include <QCoreApplication>

#include <algorithm>

namespace audio_detail {

std::unique_ptr<Decoder> openReader(const QString& path, ComponentState& state, int channelLimit) {
    auto reader = std::make_unique<Decoder>();
    reader->setChannelLimit(channelLimit);
    try {
        reader->open(path);
    } catch (const ComponentError& e) {
        state.fail(e.description());
        return nullptr;
    }
    state.succeed();
    return reader;
}


void writeThrough(Encoder& encoder, Resampler* resampler, PcmFormat incoming, const SampleBlock& block) {
    const auto channels = static_cast<std::size_t>(incoming.channels);
    if (block.size() % channels != 0)
        throw ComponentError(
            QCoreApplication::translate("AudioFile", "A block of %1 samples does not hold whole frames of %2 channels.")
                .arg(block.size())
                .arg(channels));
    const std::size_t frames = block.size() / channels;
    if (frames == 0) return;
    if (!resampler) {
        encoder.write(block.data(), frames);
        return;
    }
    const std::vector<std::int16_t>& out = resampler->convert(block.data(), frames);
    const auto outFrames = out.size() / static_cast<std::size_t>(encoder.format().channels);
    if (outFrames > 0) encoder.write(out.data(), outFrames);
}

void finishThrough(std::unique_ptr<Encoder> encoder, std::unique_ptr<Resampler> resampler) {
    if (!encoder) return;
    if (resampler) {
        const std::vector<std::int16_t>& rest = resampler->flush();
        const auto frames = rest.size() / static_cast<std::size_t>(encoder->format().channels);
        if (frames > 0) encoder->write(rest.data(), frames);
    }
    encoder->finish();
}

SampleBlock readThrough(Decoder& decoder, int sampleCount) {
    const int channels = decoder.channels();
    const auto frames = static_cast<std::size_t>(std::max(1, sampleCount / channels));
    SampleBlock block(frames * static_cast<std::size_t>(channels));
    const std::size_t got = decoder.read(block.data(), frames);
    block.resize(got * static_cast<std::size_t>(channels));
    return block;
}

}  // namespace audio_detail

