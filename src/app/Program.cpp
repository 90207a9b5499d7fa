#include "app/Program.h"

#include "components/ComponentError.h"
#include "app/ToolWindows.h"
#include "shell/WindowServices.h"
#include "app/frmmainpro.h"

#include <QApplication>
#include <QPointer>

int runProgram(const QStringList& files) {
    ui::resetProgramEnding();
    QPointer<frmmainpro> launcher = new frmmainpro;
    try {
        launcher->Form_Load();
    } catch (const ComponentError& e) {
        delete launcher.data();
        ui::MsgBox(e.description(), ui::MsgButtons::OK, ui::MsgIcon::Critical);
        return 1;
    } catch (const std::exception& e) {
        delete launcher.data();
        ui::MsgBox(QString::fromLocal8Bit(e.what()), ui::MsgButtons::OK, ui::MsgIcon::Critical);
        return 1;
    }
    launcher->show();
    if (!files.isEmpty()) launcher->openFiles(files);
    // A converter that could not load has ended the program before its event loop ran.
    const int rc = ui::programEnding() ? 1 : QApplication::exec();
    // The program ends at once: what is left is destroyed without any close handling.
    delete launcher.data();
    tools::destroyAll();
    return rc;
}
