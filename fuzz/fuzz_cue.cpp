// A disc image sheet opened as a drive and each of its tracks read a little. The first byte
// picks the kind (cue sheet, cdrdao TOC file or Nero image); the sheets name "image.bin", a
// data file of 300 sectors written beside them.
#include "FuzzSupport.h"

#include "components/audio/cd/CdGrabber.h"

#include <QFile>

#include <array>
#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    QFile bin(fuzz::workDir() + QStringLiteral("/image.bin"));
    if (bin.open(QIODevice::WriteOnly)) {
        QByteArray sector(2352, '\0');
        for (int i = 0; i < sector.size(); ++i) sector[i] = static_cast<char>((i * 37) & 0xff);
        for (int s = 0; s < 300; ++s) bin.write(sector);
    }
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) return 0;
    static const std::array<const char*, 3> kinds{"cue", "toc", "nrg"};
    const QString path = fuzz::writeInput(data + 1, size - 1,
                                          QStringLiteral("input.") + QString::fromLatin1(kinds[data[0] % kinds.size()]));
    CdGrabber grabber(nullptr, fuzz::workDir() + QStringLiteral("/stubs"), false);
    if (grabber.OpenImage(path) < 0) return 0;
    const DiscToc toc = grabber.toc();
    (void)grabber.RootText();
    for (int track = 1; track <= toc.trackCount() && track <= 4; ++track) {
        grabber.OpenTrack(track);
        if (grabber.LastError() < 0) continue;
        (void)grabber.TrackLength();
        for (int i = 0; i < 2; ++i) {
            int block = 588 * 2 * 4;
            if (grabber.ReadBlock(block).empty()) break;
        }
        grabber.CloseTrack();
    }
    return 0;
}
