// Entry point of every test executable: a QApplication on the offscreen platform, the
// program's files taken from the build tree, and no real modal box ever shown.
#include "support/ForkedProcesses.h"
#include "support/TestSupport.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing_support::keepForkedProcessesApart();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Each test executable starts with its own empty settings folder.
    testing_support::TempConfigHome configHome;
    QApplication app(argc, argv);
    ui::setProgramDir(testing_support::programDirForTests());
    // A box that no test expected is answered with its default button and fails the test.
    ui::setMsgBoxResponder([](const ui::MsgBoxRequest& request) {
        ADD_FAILURE() << "unexpected message box: " << request.text.toStdString();
        return ui::msgBoxDefaultAnswer(request);
    });
    ui::setFileDialogResponder([](const ui::FileDialogRequest& request) {
        ADD_FAILURE() << "unexpected file dialog: " << request.title.toStdString();
        return ui::FileDialogResult{};
    });
    ui::setOpenFileResponder([](const QString& path) {
        ADD_FAILURE() << "unexpected opening of " << path.toStdString();
        return false;
    });
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
