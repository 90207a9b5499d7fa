#pragma once
// The audio files the converter reads, by extension (lower case, without the dot): the list
// that velloria-convert -r looks for, and that the Add dialog's filter, the man page and the
// completion name (tests check that they agree).

#include <QString>
#include <QStringList>

namespace audio {

inline QStringList readableExtensions() {
    return {QStringLiteral("wav"), QStringLiteral("mp3"), QStringLiteral("ogg"),
            QStringLiteral("wma"), QStringLiteral("flac"), QStringLiteral("opus")};
}

}  // namespace audio
