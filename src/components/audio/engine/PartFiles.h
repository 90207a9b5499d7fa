#pragma once
// Part files: every output is written first under a hidden name beside it, and becomes the
// output by one rename only when whole, so that no half-written file ever carries the output's
// name. The name holds the writing program's process id, so that a later run can tell the part
// files of a program that ended (killed, crashed) from those of one still writing.
//
//   "<folder>/.<name>.velloria-part-<pid>-<entry>.<extension>"   a part file
//   "<folder>/.<name>.velloria-part-<pid>-<entry>"               a part folder (an extraction
//                                                                 writes its file inside one)

#include <QString>

namespace audio {

// The part file of `output`; `entry` tells the outputs of one run apart.
QString partFileFor(const QString& output, int entry);
// The part folder of `output`, for a writer that names its own file inside a folder.
QString partFolderFor(const QString& output, int entry);
// Whether a file or folder name (without its folder) is a part file's or part folder's.
bool isPartName(const QString& name);
// Replaces `to` with `from` in one step (a rename), so that no half-written file is ever seen
// under `to`. False when it could not (another file system, a folder under `to`'s name, …).
bool replaceWith(const QString& from, const QString& to);
// Removes the part files and part folders in `folder` whose programs no longer run; those of
// running programs (this one included) are theirs and stay.
void removeLeftoverParts(const QString& folder);

}  // namespace audio
