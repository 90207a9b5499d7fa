#include "components/ui/SkinForm.h"

#include "components/ui/Skin.h"
#include "components/ui/SkinLabel.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTabWidget>

void skinControlsByKind(SkinControl& skin, QWidget* form, const QString& buttonSection) {
    for (QWidget* control : form->findChildren<QWidget*>()) {
        QString section;
        if (qobject_cast<QPushButton*>(control)) section = buttonSection;
        else if (qobject_cast<SkinLabel*>(control)) section = QStringLiteral("label");
        else if (qobject_cast<QGroupBox*>(control)) section = QStringLiteral("Frame");
        else if (qobject_cast<QCheckBox*>(control)) section = QStringLiteral("chechbox");
        else if (qobject_cast<QRadioButton*>(control)) section = QStringLiteral("Radio");
        else if (qobject_cast<QTabBar*>(control) && !qobject_cast<QTabWidget*>(control->parentWidget()))
            section = QStringLiteral("tab");
        if (!section.isEmpty()) skin.ApplySkinByName(control, section);
    }
}
