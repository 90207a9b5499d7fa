#include "shell/Program.h"

#include "shell/WindowServices.h"

#include <QApplication>
#include <QIcon>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velloria"));
    QApplication::setOrganizationName(QStringLiteral("Brindlewood"));
    QApplication::setWindowIcon(QIcon(ui::programFile(QStringLiteral("\\skins\\logo.svg"))));
    return runProgram();
}
