// A skin file loaded and applied to a window with a few controls. Pictures the skin names are
// looked up beside it, where the program's own skin pictures are.
#include "FuzzSupport.h"

#include "components/ui/Skin.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QWidget>

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Widgets);
    QFile::link(QStringLiteral(VELLORIA_RESOURCE_DIR "/skins"), fuzz::workDir() + QStringLiteral("/skins"));
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeInput(data, size, QStringLiteral("input.skn"));
    const auto skin = makeSkinControl();
    try {
        skin->LoadSkin(path);
        QWidget window;
        auto* button = new QPushButton(QStringLiteral("OK"), &window);
        auto* label = new QLabel(QStringLiteral("label"), &window);
        skin->ApplySkin(&window);
        for (const char* element : {"DefaultButt", "label", "Button"})
            if (skin->hasElement(QString::fromLatin1(element))) skin->ApplySkinByName(button, QString::fromLatin1(element));
        if (skin->hasElement(QStringLiteral("label"))) skin->ApplySkinByName(label, QStringLiteral("label"));
        window.resize(320, 240);
        (void)window.grab();
    } catch (const ComponentError&) {
    }
    return 0;
}
