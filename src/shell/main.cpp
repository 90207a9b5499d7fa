#include "shell/Program.h"

#include <QApplication>

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Velloria"));
    QApplication::setOrganizationName(QStringLiteral("Brindlewood"));
    return runProgram();
}
