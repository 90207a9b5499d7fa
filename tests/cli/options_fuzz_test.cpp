// The kept corpus of the command line fuzz target, replayed through its body.
#include "support/FuzzCorpus.h"
#include "targets/Targets.h"

#include <gtest/gtest.h>

TEST(FuzzCorpus, CommandLines) { testing_support::replayFuzzCorpus(QStringLiteral("cli_options"), fuzz_targets::cliOptions); }
