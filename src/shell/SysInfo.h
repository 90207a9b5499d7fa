#pragma once
// The About box's "System Info" command: finds a system information program and starts it.

#include <QString>

#include <cstdint>

// Reads one text value from the settings store (reading only, so a read-only store is
// fine). On success KeyVal holds the text and the result is true; when the key or value is
// missing KeyVal is empty and the result is false.
bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

// Starts the configured system information program: the program named in the store, else
// MSINFO32.EXE in the folder named in the store, else the first of the desktop's own tools
// found on PATH. Shows a message when none can be started.
void StartSysInfo();
