#include "support/GappedDisc.h"

#include <QDir>
#include <QFile>
#include <QProcess>

namespace testing_support {
namespace {

QString msf(int sectors) {
    return QStringLiteral("%1:%2:%3")
        .arg(sectors / 75 / 60, 2, 10, QLatin1Char('0'))
        .arg(sectors / 75 % 60, 2, 10, QLatin1Char('0'))
        .arg(sectors % 75, 2, 10, QLatin1Char('0'));
}

QByteArray run(const QString& program, const QStringList& arguments, QString* error) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(120000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        if (error) *error = program + QStringLiteral(" failed: ") + QString::fromLocal8Bit(p.readAllStandardError());
        return {};
    }
    return p.readAllStandardOutput();
}

void append(SampleBlock& to, const SampleBlock& more) { to.insert(to.end(), more.begin(), more.end()); }

}  // namespace

GappedDisc writeGappedDisc(const QString& dir) {
    GappedDisc disc;
    disc.pregaps = {0, 75, 150};
    disc.isrcs = {QStringLiteral("GBVLR2400011"), QString(), QStringLiteral("GBVLR2400013")};
    disc.flags = {QStringLiteral("DCP"), QStringLiteral("PRE"), QStringLiteral("DCP PRE")};
    disc.catalog = QStringLiteral("0614223012347");
    // Each pre-gap holds quiet noise of its own, so that a misplaced gap shows.
    const SampleBlock bodies[] = {cdNoise(300, 21), cdTone(200, 523.0), cdSpeech(260)};
    QString cue = QStringLiteral("CATALOG %1\nPERFORMER \"Gap Artist\"\nTITLE \"Gap Album\"\nFILE \"gapped.bin\" BINARY\n").arg(disc.catalog);
    int sector = 0;
    for (int t = 0; t < 3; ++t) {
        const int gapSectors = disc.pregaps[std::size_t(t)];
        cue += QStringLiteral("  TRACK %1 AUDIO\n    FLAGS %2\n").arg(t + 1, 2, 10, QLatin1Char('0')).arg(disc.flags[t]);
        if (!disc.isrcs[t].isEmpty()) cue += QStringLiteral("    ISRC %1\n").arg(disc.isrcs[t]);
        if (gapSectors > 0) {
            cue += QStringLiteral("    INDEX 00 %1\n").arg(msf(sector));
            SampleBlock gap = cdNoise(gapSectors, 100u + unsigned(t));
            for (auto& v : gap) v = std::int16_t(v / 64);
            append(disc.audio, gap);
            sector += gapSectors;
        }
        cue += QStringLiteral("    INDEX 01 %1\n").arg(msf(sector));
        disc.image.starts.push_back(sector);
        append(disc.audio, bodies[t]);
        sector += int(bodies[t].size() / kCdSectorValues);
    }
    disc.image.leadOut = sector;
    disc.image.cue = QDir(dir).filePath(QStringLiteral("gapped.cue"));
    disc.image.bin = QDir(dir).filePath(QStringLiteral("gapped.bin"));
    QFile bin(disc.image.bin), sheet(disc.image.cue);
    QByteArray raw(qsizetype(disc.audio.size() * 2), Qt::Uninitialized);
    for (std::size_t i = 0; i < disc.audio.size(); ++i) {
        raw[qsizetype(2 * i)] = char(disc.audio[i] & 0xff);
        raw[qsizetype(2 * i + 1)] = char((disc.audio[i] >> 8) & 0xff);
    }
    if (bin.open(QIODevice::WriteOnly)) bin.write(raw);
    if (sheet.open(QIODevice::WriteOnly)) sheet.write(cue.toUtf8());
    return disc;
}

QString breakpointText(int sectors) {
    return QStringLiteral("%1:%2.%3").arg(sectors / 75 / 60).arg(sectors / 75 % 60, 2, 10, QLatin1Char('0')).arg(sectors % 75, 2, 10, QLatin1Char('0'));
}

QStringList cueBreakpoints(const QString& cue, const QString& gaps, QString* error) {
    const QByteArray out = run(QStringLiteral("cuebreakpoints"), {gaps, cue}, error);
    return QString::fromUtf8(out).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

QString cuePrint(const QString& cue, const QString& discFormat, const QString& trackFormat, QString* error) {
    return QString::fromUtf8(run(QStringLiteral("cueprint"), {QStringLiteral("-d"), discFormat, QStringLiteral("-t"), trackFormat, cue}, error));
}

SampleBlock decodeIndependently(const QString& path, QString* error) {
    const bool flac = path.endsWith(QLatin1String(".flac"), Qt::CaseInsensitive);
    const QByteArray raw =
        flac ? run(QStringLiteral("flac"), {QStringLiteral("-d"), QStringLiteral("-s"), QStringLiteral("-c"), QStringLiteral("--force-raw-format"),
                                              QStringLiteral("--endian=little"), QStringLiteral("--sign=signed"), path},
                   error)
             : run(QStringLiteral("ffmpeg"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-i"), path, QStringLiteral("-f"),
                                                QStringLiteral("s16le"), QStringLiteral("-ac"), QStringLiteral("2"), QStringLiteral("-")},
                   error);
    SampleBlock s(std::size_t(raw.size()) / 2);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = std::int16_t(std::uint8_t(raw[qsizetype(2 * i)]) | (std::uint8_t(raw[qsizetype(2 * i + 1)]) << 8));
    return s;
}

QString exportedCueSheet(const QString& flac, QString* error) {
    return QString::fromUtf8(run(QStringLiteral("metaflac"), {QStringLiteral("--export-cuesheet-to=-"), flac}, error));
}

QStringList flacTag(const QString& flac, const QString& name) {
    QString out = QString::fromUtf8(run(QStringLiteral("metaflac"), {QStringLiteral("--show-tag=") + name, flac}, nullptr));
    if (out.endsWith(QLatin1Char('\n'))) out.chop(1);
    QStringList values;
    // A value runs on over lines of its own until the next "NAME=".
    for (const QString& line : out.split(QLatin1Char('\n'))) {
        if (line.startsWith(name + QLatin1Char('='), Qt::CaseInsensitive)) values << line.mid(name.size() + 1);
        else if (!values.isEmpty()) values.last() += QLatin1Char('\n') + line;
    }
    return values;
}

}  // namespace testing_support
