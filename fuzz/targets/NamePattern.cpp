#include "Targets.h"

#include "runs/NamePattern.h"

#include <QByteArray>
#include <QList>
#include <QMap>

#include <array>

namespace fuzz_targets {

void namePattern(const std::uint8_t* data, std::size_t size) {
    const QList<QByteArray> pieces = QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)).split('\xff');
    const auto piece = [&pieces](qsizetype i) { return QString::fromUtf8(pieces.value(i)); };
    static const std::array<const char*, 8> keys{"ARTIST",      "ALBUM",      "ALBUMARTIST", "TITLE",
                                                 "TRACKNUMBER", "DISCNUMBER", "DATE",        "GENRE"};
    QMap<QString, QString> tags;
    for (std::size_t k = 0; k < keys.size(); ++k)
        if (qsizetype(k) + 3 < pieces.size()) tags.insert(QLatin1String(keys[k]), piece(qsizetype(k) + 3));
    // The source and its folder come from the file system, whose names hold no NUL.
    QString source = piece(1);
    QString relativeDir = piece(2);
    source.remove(QChar(0));
    relativeDir.remove(QChar(0));
    requireSafeRelativePath(naming::expandPattern(piece(0), source, relativeDir, tags));
}

}  // namespace fuzz_targets
