// cdplayer.ini read for a disc, and the disc's entry written into it.
#include "FuzzSupport.h"

#include "components/net/Cddb.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Core);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeInput(data, size, QStringLiteral("cdplayer.ini"));
    // The disc whose id (1e020803) the seeds use: three tracks.
    DiscToc toc;
    toc.trackStarts = {0, 13000, 26000};
    toc.leadOut = 39000;
    GrabSettings settings;
    const DiscInfoResult found = lookupDiscInfo(toc, DiscInfoSource::LocalIniOnly, settings, path);
    DiscInfo info = found.info;
    info.artist += QStringLiteral("\n[x]");
    writeCdplayerIni(toc, info, path);
    const DiscInfoResult again = readCdplayerIni(toc, path);
    // What was just written reads back.
    if (!again.found || again.info.trackTitles.size() != 3) __builtin_trap();
    return 0;
}
