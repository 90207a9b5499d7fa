// The fuzz programs whose bodies live in targets/: FUZZ_ENTRY names the body (see Targets.h).
#include "FuzzSupport.h"
#include "targets/Targets.h"

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FUZZ_ENTRY(data, size);
    return 0;
}
