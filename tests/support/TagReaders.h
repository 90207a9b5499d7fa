#pragma once
// Tags as programs other than ours read them back: metaflac for FLAC, ffprobe for anything
// ffmpeg reads. A reader that fails adds a test failure and gives nothing.

#include <QMap>
#include <QString>
#include <QStringList>

namespace testing_support {

// Every Vorbis comment of a FLAC file, names upper-cased, values in their order.
QMap<QString, QStringList> metaflacTags(const QString& path);
// The container's tags as ffprobe names them ("album_artist", "track", "TXXX" descriptions, …).
QMap<QString, QString> ffprobeTags(const QString& path);

}  // namespace testing_support
