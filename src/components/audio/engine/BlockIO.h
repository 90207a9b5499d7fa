#pragma once
// The block paths shared by the audio file object and the WMA file object: opening a reader,
// reading whole frames from a decoder, and writing through an optional format conversion into
// an encoder.

#include "components/audio/engine/SampleBlock.h"
#include "components/audio/codecs/Encoder.h"

#include <QString>

#include <memory>

class ComponentState;
class Decoder;
class Resampler;

namespace audio_detail {

// Writes one block of `incoming` frames; converts first when a resampler is given. Throws
// ComponentError for a block that does not hold whole frames and for write failures.
void writeThrough(Encoder& encoder, Resampler* resampler, PcmFormat incoming, const SampleBlock& block);
// Drains the resampler into the encoder and finishes the file; both are gone afterwards even
// when finishing throws.
void finishThrough(std::unique_ptr<Encoder> encoder, std::unique_ptr<Resampler> resampler);
// Opens a decoder of `path` that hands out up to `channelLimit` channels (Decoder's limit) and
// records in `state` how that went; null when it failed.
std::unique_ptr<Decoder> openReader(const QString& path, ComponentState& state, int channelLimit);
// Reads up to `sampleCount` samples as whole frames (at least one frame); empty at the end.
SampleBlock readThrough(Decoder& decoder, int sampleCount);

}  // namespace audio_detail
