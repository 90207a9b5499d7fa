#include "extractor/AEfrmmain.h"

AEfrmmain::AEfrmmain(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("AEfrmmain"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Tarn Audio Extractor"));
    resize(560, 420);
}
