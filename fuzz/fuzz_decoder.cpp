// An audio file opened and read through the program's reader. The first byte picks the
// file's extension, the rest is the file.
#include "FuzzSupport.h"

#include "components/audio/codecs/AudioFile.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    const QString path = fuzz::writeInput(data + 1, size - 1, QStringLiteral("input.") + fuzz::audioExtension(data[0]));
    AudioFile file;
    file.OpenRead(path);
    if (file.status() < 0) return 0;
    try {
        // Whatever length the file states, a bounded number of blocks is read.
        for (int i = 0; i < 256 && !file.ReadBlock(8192).empty(); ++i) {
        }
        (void)file.readError();
        if (file.length() > 0) file.Seek(file.length() / 2);
        (void)file.ReadBlock(8192);
    } catch (const ComponentError&) {
    }
    file.Close();
    return 0;
}
