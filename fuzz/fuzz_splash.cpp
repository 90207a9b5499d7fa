// A splash file loaded and shown. Pictures it names are looked up beside it, where the
// program's own splash pictures are.
#include "FuzzSupport.h"

#include "components/ui/Splash.h"

#include <QFile>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Widgets);
    QFile::link(QStringLiteral(VELLORIA_RESOURCE_DIR "/splash"), fuzz::workDir() + QStringLiteral("/splash"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeInput(data, size, QStringLiteral("input.spl"));
    const auto splash = makeSplashControl();
    try {
        splash->LoadSplash(path);
        (void)splash->caption();
        splash->Display(1);
        splash->Hide();
    } catch (const ComponentError&) {
    }
    return 0;
}
