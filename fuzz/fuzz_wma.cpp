// A file opened and read through the WMA reader. The first byte picks the extension.
#include "FuzzSupport.h"

#include "components/audio/codecs/WMAFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QString ext = data[0] % 2 ? QStringLiteral("wma") : QStringLiteral("asf");
    const QString path = fuzz::writeInput(data + 1, size - 1, QStringLiteral("input.") + ext);
    WMAFile file;
    file.OpenRead(path);
    if (file.status() < 0) return 0;
    try {
        (void)file.length();
        for (int i = 0; i < 256 && !file.ReadBlock(8192).empty(); ++i) {
        }
        (void)file.readError();
    } catch (const ComponentError&) {
    }
    file.Close();
    return 0;
}
