#pragma once
// The ripping options the converter stored, read without their dialog (for a run without
// windows): read mode, error action, retries, drive speed, spin-up time, tray lock, safe mode,
// the drive's read offset, the look-ups' time-out and e-mail and the AccurateRip server, each with
// the dialog's default where nothing usable is stored.

#include "components/audio/cd/CdTypes.h"

#include <QString>

GrabSettings storedGrabSettings(const QString& key);
// Whether CD tracks are verified with AccurateRip ("Verify CD tracks with AccurateRip", on at first).
bool storedVerifyAccurateRip(const QString& key);
