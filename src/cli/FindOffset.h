#pragma once
// velloria-convert --cd DEVICE --find-offset: the drive's read offset found from the disc in it
// (runs/ReadOffsetFinder), printed, and kept as the drive's own in the ripping options when
// detected. A disc image is read as a drive would be, but names no drive: nothing is kept.

#include <QString>

namespace cli {

// 0 when an offset was detected, 1 otherwise.
int findOffset(const QString& cd);

}  // namespace cli
