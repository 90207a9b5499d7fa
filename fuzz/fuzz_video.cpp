// A video file opened through the video reader and its sound track read in the extractor's
// formats. The first byte picks the extension and the rate and channels asked for.
#include "FuzzSupport.h"

#include "components/audio/codecs/VideoFile.h"

#include <array>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const std::array<int, 4> rates{0, 8000, 44100, 48000};
    const QString path = fuzz::writeInput(data + 1, size - 1, QStringLiteral("input.") + fuzz::videoExtension(data[0]));
    VideoFile video;
    (void)video.IsVideoFile(path);
    video.SetAudioFormat(rates[(data[0] >> 3) % rates.size()], (data[0] >> 5) % 3);
    video.Open(path);
    if (video.status() < 0) return 0;
    (void)video.AudioDuration();
    (void)video.AudioSampleCount();
    for (int i = 0; i < 256 && !video.ReadAudioBlock(8192).empty(); ++i) {
    }
    (void)video.readError();
    video.Close();
    return 0;
}
