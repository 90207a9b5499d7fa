#include "support/RipLogTools.h"

#include <QFile>
#include <QJsonDocument>
#include <QProcess>
#include <QTemporaryDir>

namespace testing_support {
namespace {

QString run(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) return {};
    return QString::fromLocal8Bit(p.readAllStandardOutput()).trimmed();
}

// The samples in a file of their own, 16-bit little-endian.
QString rawFile(const QTemporaryDir& dir, const SampleBlock& samples) {
    const QString path = dir.filePath(QStringLiteral("samples.raw"));
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly)) return {};
    QByteArray raw;
    raw.reserve(qsizetype(samples.size() * 2));
    for (std::int16_t v : samples) {
        raw.append(char(v & 0xff));
        raw.append(char((v >> 8) & 0xff));
    }
    f.write(raw);
    return path;
}

}  // namespace

QString sha256sumOfAllButLastLine(const QString& path) {
    const QString out = run(QStringLiteral("sh"), {QStringLiteral("-c"), QStringLiteral("head -n -1 \"$1\" | sha256sum"),
                                                   QStringLiteral("sh"), path});
    return out.section(QLatin1Char(' '), 0, 0);
}

QString zlibCrc32(const SampleBlock& samples) {
    QTemporaryDir dir;
    return run(QStringLiteral("python3"),
               {QStringLiteral("-c"), QStringLiteral("import sys, zlib; print('%08X' % zlib.crc32(open(sys.argv[1], 'rb').read()))"),
                rawFile(dir, samples)});
}

int pythonPeak(const SampleBlock& samples) {
    QTemporaryDir dir;
    const QString out = run(QStringLiteral("python3"),
                            {QStringLiteral("-c"),
                             QStringLiteral("import array, sys\na = array.array('h')\na.frombytes(open(sys.argv[1], 'rb').read())\n"
                                            "if sys.byteorder == 'big': a.byteswap()\nprint(max(abs(v) for v in a))"),
                             rawFile(dir, samples)});
    bool ok = false;
    const int peak = out.toInt(&ok);
    return ok ? peak : -1;
}

QString logField(const QString& text, const QString& field, const QString& after) {
    const QStringList lines = text.split(QLatin1Char('\n'));
    qsizetype i = 0;
    if (!after.isEmpty())
        while (i < lines.size() && lines[i].trimmed() != after.trimmed() && !lines[i].trimmed().startsWith(after)) ++i;
    const QString lead = field + QStringLiteral(": ");
    for (; i < lines.size(); ++i)
        if (lines[i].trimmed().startsWith(lead)) return lines[i].trimmed().mid(lead.size());
    return {};
}

QString readText(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QString::fromUtf8(f.readAll()) : QString();
}

QJsonObject readJson(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? QJsonDocument::fromJson(f.readAll()).object() : QJsonObject();
}

}  // namespace testing_support
