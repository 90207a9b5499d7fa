#pragma once
// Tests that need the desktop's sound server run against the private one that scripts/test
// starts (scripts/sound-server). Without it they are skipped, unless VELLORIA_REQUIRE_SOUND is
// set, as the test script does: then a missing server fails them.

#include <gtest/gtest.h>

namespace testing_support {

// True when a sound output and input are available.
bool soundDevicesPresent();

}  // namespace testing_support

#define REQUIRE_SOUND_SERVER()                                                                    \
    do {                                                                                          \
        if (!testing_support::soundDevicesPresent()) {                                            \
            if (qEnvironmentVariableIsSet("VELLORIA_REQUIRE_SOUND"))                               \
                FAIL() << "no sound server: start one with scripts/sound-server";                 \
            GTEST_SKIP() << "no sound server (scripts/sound-server starts one)";                  \
        }                                                                                         \
    } while (0)
