#pragma once
// File operations the runs share where a source's safety depends on them.

#include <QString>

namespace audio {

// True when the two paths name one file (links and letter case as the file system sees them);
// false when either does not exist.
bool sameFile(const QString& a, const QString& b);

// Deletes a file, also when it is read-only; false when it could not be deleted.
bool removeForced(const QString& path);

}  // namespace audio
