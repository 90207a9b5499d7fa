#include "app/ToolWindows.h"

#include "converter/frmAudioConverter.h"
#include "extractor/AEfrmmain.h"
#include "recorder/ACMainRecord.h"

#include <QApplication>

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
    // A recorder has no owner: it may still be open after the converter that opened it.
    QList<QPointer<ACMainRecord>> recorders;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (auto* recorder = qobject_cast<ACMainRecord*>(window)) recorders << recorder;
    for (const QPointer<ACMainRecord>& recorder : recorders) delete recorder.data();
}

}  // namespace tools
