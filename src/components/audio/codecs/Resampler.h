#pragma once
// Converts 16-bit interleaved blocks between sample rates and channel counts, 1 to 8, each in
// the standard layout of its count (ChannelLayout.h), over libswresample.
//
// Contract: one thread at a time; convert() keeps the converter's delay inside and flush()
// returns the rest at the end. Throws ComponentError when the conversion cannot be set up.

#include "components/audio/codecs/Encoder.h"

#include <cstdint>
#include <memory>
#include <vector>

class Resampler {
public:
    Resampler(PcmFormat from, PcmFormat to);
    ~Resampler();
    Resampler(const Resampler&) = delete;
    Resampler& operator=(const Resampler&) = delete;

    // Converts `frames` frames of `from`; returns the frames of `to` ready so far.
    const std::vector<std::int16_t>& convert(const std::int16_t* samples, std::size_t frames);
    const std::vector<std::int16_t>& flush();

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};
