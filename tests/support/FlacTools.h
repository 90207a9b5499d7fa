#pragma once
// FLAC files as metaflac lists them, with each seek point checked against the bytes of the frame
// it points at.

#include <QString>
#include <QStringList>

namespace testing_support {

struct FlacMetadata {
    int seekPoints = -1;  // seek points that are not placeholders; -1: no SEEKTABLE block
    int placeholders = 0;
    int padding = -1;     // bytes of the PADDING block; -1: none
    QStringList faults;   // seek points that do not lead to a frame starting at their sample
    QString error;        // metaflac could not list the file
};

FlacMetadata inspectFlac(const QString& path);

}  // namespace testing_support
