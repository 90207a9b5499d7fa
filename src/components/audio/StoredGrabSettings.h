#pragma once
// The ripping options the converter stored, read without their dialog (for a run without
// windows): read mode, error action, retries, drive speed, spin-up time, tray lock, safe mode and
// the drive's read offset, each with the dialog's default where nothing usable is stored.

#include "components/audio/CdTypes.h"

#include <QString>

GrabSettings storedGrabSettings(const QString& key);
