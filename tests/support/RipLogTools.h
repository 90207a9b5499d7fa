#pragma once
// Independent checks of a rip log: its SHA-256 as coreutils' sha256sum gives it over every line but
// the last (as the log itself says to check it), the CRC32 and peak of a track's samples as Python's
// zlib and array modules give them, and the fields of the log's text.
#include "components/audio/engine/SampleBlock.h"

#include <QJsonObject>
#include <QString>
#include <QStringList>

namespace testing_support {

// `head -n -1 <path> | sha256sum`: the digest, lowercase; empty when the tools failed.
QString sha256sumOfAllButLastLine(const QString& path);
// zlib.crc32 of the samples as 16-bit little-endian bytes, as eight upper-case hex digits.
QString zlibCrc32(const SampleBlock& samples);
// The largest sample magnitude, as Python's array module reads the samples.
int pythonPeak(const SampleBlock& samples);

// The value after "<field>: " on the first line that starts with it (leading spaces left out)
// at or after the line that starts with `after` (empty: from the top); empty when there is none.
QString logField(const QString& text, const QString& field, const QString& after = {});
// The file's text, and its JSON object.
QString readText(const QString& path);
QJsonObject readJson(const QString& path);

}  // namespace testing_support
