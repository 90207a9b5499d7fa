#pragma once
// A block of 16-bit signed PCM samples, channels interleaved. An empty block means that no
// more data follows.

#include <cstdint>
#include <vector>

using SampleBlock = std::vector<std::int16_t>;
