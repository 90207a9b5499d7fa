#include "converter/frmAudioConverter.h"

frmAudioConverter::frmAudioConverter(QWidget* parent) : QMainWindow(parent) {
    setObjectName(QStringLiteral("frmAudioConverter"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Audio Converter"));
    resize(760, 520);
}
