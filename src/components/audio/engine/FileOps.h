#pragma once
// File operations the runs share where a source's safety depends on them, and the one rule
// every output name starts from.

#include <QString>

namespace audio {

// True when the two paths name one file (links and letter case as the file system sees them);
// false when either does not exist.
bool sameFile(const QString& a, const QString& b);

// Deletes a file, also when it is read-only; false when it could not be deleted. A symbolic link
// is removed itself: its target is neither removed nor changed.
bool removeForced(const QString& path);
// The same, giving the system's reason when the file could not be deleted (empty: deleted).
QString removeSource(const QString& path);

// The file name of `path` (after its last "/") without its extension, which runs from the
// name's last dot: "song.flac" and "song.wv" give "song", "x.tar.gz" gives "x.tar", and a dot in
// a folder ("a.b/song") is not one. A name with no dot but at its start keeps itself whole:
// ".mp3" is a hidden file without an extension, so an output named from it never becomes a
// bare ".MP3".
QString nameWithoutExtension(const QString& path);

}  // namespace audio
