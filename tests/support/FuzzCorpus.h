#pragma once
// The kept corpora of the fuzz targets (fuzz/corpus/<target>/), replayed by the tests through
// the same functions the fuzz programs call (fuzz/targets/Targets.h).

#include <QString>

#include <cstddef>
#include <cstdint>

namespace testing_support {

using FuzzEntry = void (*)(const std::uint8_t* data, std::size_t size);

// Feeds every file of fuzz/corpus/<target>/ to `entry`. A broken promise aborts the test
// program; a corpus without files, or one that cannot be read, is a test failure.
void replayFuzzCorpus(const QString& target, FuzzEntry entry);

}  // namespace testing_support
