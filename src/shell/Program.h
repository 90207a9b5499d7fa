#pragma once
// The program's main routine: loads and shows the launcher and runs the event loop until the
// program ends. A launcher that cannot start (a missing or malformed skin, splash or movie
// file) is reported in one message naming the file, and the result is 1.

int runProgram();
