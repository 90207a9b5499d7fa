#pragma once
// Tests that need the desktop's sound server run against the private one that scripts/test
// starts (scripts/sound-server). Without it they are skipped, unless VELLORIA_REQUIRE_SOUND is
// set, as the test script does: then a missing server fails them.

#include "components/audio/engine/SampleBlock.h"

#include <gtest/gtest.h>

#include <cstddef>

namespace testing_support {

// True when a sound output and input are available.
bool soundDevicesPresent();

// Plays `signal` through a player of its own, fed as it asks, until it has been heard.
void play(const SampleBlock& signal, int rate, int channels);

// The part of a recording from shortly before its first loud frame on; `loudFrames` is the
// span from its first loud frame to its last.
SampleBlock fromOnset(const SampleBlock& s, int channels, std::size_t* loudFrames);

}  // namespace testing_support

#define REQUIRE_SOUND_SERVER()                                                                    \
    do {                                                                                          \
        if (!testing_support::soundDevicesPresent()) {                                            \
            if (qEnvironmentVariableIsSet("VELLORIA_REQUIRE_SOUND"))                               \
                FAIL() << "no sound server: start one with scripts/sound-server";                 \
            GTEST_SKIP() << "no sound server (scripts/sound-server starts one)";                  \
        }                                                                                         \
    } while (0)
