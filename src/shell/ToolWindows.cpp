#include "shell/ToolWindows.h"

#include "converter/frmAudioConverter.h"
#include "extractor/AEfrmmain.h"

namespace tools {
namespace {

QPointer<frmAudioConverter> g_converter;
QPointer<AEfrmmain> g_extractor;

template <typename Window>
Window* showSingle(QPointer<Window>& slot) {
    if (!slot) slot = new Window(nullptr);
    slot->show();
    if (slot->isMinimized()) slot->showNormal();
    slot->raise();
    slot->activateWindow();
    return slot;
}

}  // namespace

frmAudioConverter* showAudioConverter() { return showSingle(g_converter); }
AEfrmmain* showAudioExtractor() { return showSingle(g_extractor); }
frmAudioConverter* audioConverter() { return g_converter; }
AEfrmmain* audioExtractor() { return g_extractor; }

void destroyAll() {
    delete g_converter.data();
    delete g_extractor.data();
}

}  // namespace tools
