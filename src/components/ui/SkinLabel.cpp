#include "components/ui/SkinLabel.h"

SkinLabel::SkinLabel(const QString& text, QWidget* parent) : QLabel(text, parent) {
    setObjectName(QStringLiteral("SkinLabel"));
}
