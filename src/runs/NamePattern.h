#pragma once
// Output names from a pattern of tag fields, for the converter window and velloria-convert -p
// alike. A pattern is a relative path whose fields are replaced by the source's values:
//
//   {artist} {album} {albumartist} {title} {track} {disc} {year} {genre} {name} {dir}
//
// {track} and {disc} have two digits at least; {year} is the date tag's year; {name} is the
// source's name without its extension; {dir} the source's folder relative to where it was found
// (the window has none). A tag value becomes one path component: it cannot make folders ("/"
// becomes "_") nor leave the output folder ("..", "." become "_"); a missing value gives the
// field's fallback ("Unknown Artist", …). The expanded path never holds an empty component, nor a
// control character outside {dir}; a pattern that leaves no component gives the source's name.

#include <QMap>
#include <QString>
#include <QStringList>

namespace naming {

// Every field a pattern may hold, with its braces, in the order above.
const QStringList& patternFields();

// `pattern` for one source, without an extension. `tags` are the source's tags by their
// common names (ARTIST, ALBUM, ALBUMARTIST, TITLE, TRACKNUMBER, DISCNUMBER, DATE, GENRE).
QString expandPattern(const QString& pattern, const QString& source, const QString& relativeDir,
                      const QMap<QString, QString>& tags);

// Whether `pattern` holds a field that comes from the source's tags (any but {name} and {dir}).
bool needsTags(const QString& pattern);

// The first value of each tag of an audio file; none for a file whose tags cannot be read.
QMap<QString, QString> readPatternTags(const QString& path);

}  // namespace naming
