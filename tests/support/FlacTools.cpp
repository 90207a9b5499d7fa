#include "support/FlacTools.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>

namespace testing_support {
namespace {

// The frame number of a fixed-blocksize FLAC frame header at `header` (sync 0xFFF8, two bytes of
// coded sizes, then the number in UTF-8-like coding); -1 when it is not such a header.
qint64 frameNumber(const QByteArray& header) {
    const auto byte = [&](int i) { return static_cast<unsigned char>(header.at(i)); };
    if (header.size() < 11 || byte(0) != 0xFF || byte(1) != 0xF8) return -1;
    const unsigned char lead = byte(4);
    int more = 0;
    while (more < 7 && (lead & (0x80 >> more))) ++more;  // leading ones: bytes in all
    if (more == 1) return -1;
    qint64 value = more == 0 ? lead : lead & (0xFF >> (more + 1));
    for (int i = 1; i < more; ++i) value = value << 6 | (byte(4 + i) & 0x3F);
    return value;
}

}  // namespace

FlacMetadata inspectFlac(const QString& path) {
    FlacMetadata result;
    QProcess metaflac;
    metaflac.start(QStringLiteral("metaflac"), {QStringLiteral("--list"), path});
    if (!metaflac.waitForFinished(60000) || metaflac.exitCode() != 0) {
        result.error = QString::fromLocal8Bit(metaflac.readAllStandardError());
        return result;
    }
    const QStringList lines = QString::fromUtf8(metaflac.readAllStandardOutput()).split(QLatin1Char('\n'));
    static const QRegularExpression point(QStringLiteral("point \\d+: sample_number=(\\d+), stream_offset=(\\d+)"));
    qint64 audioStart = 4, blocksize = 0;
    QList<std::pair<qint64, qint64>> points;  // sample, offset
    QString type;
    for (const QString& raw : lines) {
        const QString line = raw.trimmed();
        if (line.startsWith(QLatin1String("type: "))) type = line.section(QLatin1Char('('), 1).chopped(1);
        if (line.startsWith(QLatin1String("length: "))) {
            audioStart += 4 + line.mid(8).toLongLong();
            if (type == QLatin1String("PADDING")) result.padding = line.mid(8).toInt();
        }
        if (line.startsWith(QLatin1String("minimum blocksize: "))) blocksize = line.section(QLatin1Char(' '), 2, 2).toLongLong();
        if (line.startsWith(QLatin1String("seek points: "))) result.seekPoints = 0;
        if (line.endsWith(QLatin1String("PLACEHOLDER"))) ++result.placeholders;
        if (const QRegularExpressionMatch m = point.match(line); m.hasMatch())
            points.push_back({m.captured(1).toLongLong(), m.captured(2).toLongLong()});
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) result.error = file.errorString();
    for (const auto& [sample, offset] : points) {
        ++result.seekPoints;
        file.seek(audioStart + offset);
        if (frameNumber(file.read(16)) * blocksize != sample)
            result.faults << QStringLiteral("sample %1 at offset %2").arg(sample).arg(offset);
    }
    return result;
}

}  // namespace testing_support
