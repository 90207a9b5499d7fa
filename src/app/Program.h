#pragma once
// The program's main routine: loads and shows the launcher and runs the event loop until the
// program ends. A launcher that cannot start (a missing or malformed skin, splash or movie
// file) is reported in one message naming the file, and the result is 1.
// Files given (as the desktop passes them when it opens files with the program) are listed
// in the converter, which opens beside the launcher.

#include <QStringList>

int runProgram(const QStringList& files = {});
