// Entry point of the test executables without windows: a QCoreApplication and an empty
// settings folder of their own.
#include "support/ConfigHome.h"
#include "support/ForkedProcesses.h"

#include <QCoreApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    testing_support::keepForkedProcessesApart();
    testing_support::TempConfigHome configHome;
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
