#include "app/Program.h"
#include "components/i18n/Translations.h"

#include "shell/WindowServices.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velloria"));
    QApplication::setOrganizationName(QStringLiteral("Brindlewood"));
    i18n::installTranslations(app);
    // The desktop entry the windows belong to (its icon and name on Wayland).
    QGuiApplication::setDesktopFileName(QStringLiteral("org.brindlewood.Velloria"));
    QApplication::setWindowIcon(QIcon(ui::programFile(QStringLiteral("\\skins\\logo.svg"))));
    // Qt has taken its own options out; what is left are files to open in the converter.
    return runProgram(QCoreApplication::arguments().mid(1));
}
