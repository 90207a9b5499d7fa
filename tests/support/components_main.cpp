// Entry point of the component tests: a QApplication (the skin and visualisation controls are
// widgets) on the offscreen platform and an empty settings folder of their own, without any of
// the program's windows.
#include "support/ConfigHome.h"
#include "support/ForkedProcesses.h"

#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing_support::keepForkedProcessesApart();
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    testing_support::TempConfigHome configHome;
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
