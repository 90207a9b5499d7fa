#pragma once
// A block of 16-bit signed PCM samples, channels interleaved. An empty block means that no
// more data follows.

#include <cstdint>
#include <vector>

using SampleBlock = std::vector<std::int16_t>;
// The same with 32-bit samples (full scale at 2^31): the blocks of sources deeper than 16 bits
// on their way to a writer that keeps their depth.
using WideBlock = std::vector<std::int32_t>;
