// The kept corpus of the name pattern fuzz target, replayed through its body.
#include "support/FuzzCorpus.h"
#include "targets/Targets.h"

#include <gtest/gtest.h>

TEST(FuzzCorpus, NamePatterns) { testing_support::replayFuzzCorpus(QStringLiteral("name_pattern"), fuzz_targets::namePattern); }
