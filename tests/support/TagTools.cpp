#include "support/TagTools.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QtEndian>

#include <gtest/gtest.h>

namespace testing_support {

bool runTool(const QString& program, const QStringList& args, QByteArray* output) {
    QProcess process;
    process.start(program, args);
    if (process.waitForFinished(120000) && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0) {
        if (output) *output = process.readAllStandardOutput();
        return true;
    }
    ADD_FAILURE() << program.toStdString() << ' ' << args.join(QLatin1Char(' ')).toStdString()
                  << " failed: " << process.readAllStandardError().toStdString();
    return false;
}

QMap<QString, QStringList> tagMap(const QString& line) {
    QMap<QString, QStringList> map;
    for (const QString& pair : line.split(QLatin1Char('|'), Qt::SkipEmptyParts))
        map[pair.section(QLatin1Char('='), 0, 0)].append(pair.section(QLatin1Char('='), 1));
    return map;
}

QString makeWithTool(const QString& command, const QString& out, int channels) {
    const QString wav = out + QStringLiteral(".in.wav");
    if (!runTool(QStringLiteral("sox"), {QStringLiteral("-n"), QStringLiteral("-r"), QStringLiteral("44100"),
                                         QStringLiteral("-c"), QString::number(channels), QStringLiteral("-b"),
                                         QStringLiteral("16"), QStringLiteral("-t"),
                                         channels > 2 ? QStringLiteral("wav") : QStringLiteral("wavpcm"), wav,
                                         QStringLiteral("synth"), QStringLiteral("2"), QStringLiteral("sine"),
                                         QStringLiteral("440"), QStringLiteral("vol"), QStringLiteral("0.3")}))
        return {};
    QStringList args = QProcess::splitCommand(command);
    for (QString& arg : args) arg.replace(QStringLiteral("{in}"), wav).replace(QStringLiteral("{out}"), out);
    const QString program = args.takeFirst();
    const bool made = runTool(program, args);
    QFile::remove(wav);
    return made ? out : QString();
}

namespace {

void addTags(QMap<QString, QStringList>& tags, const QJsonObject& object) {
    for (auto it = object.begin(); it != object.end(); ++it) tags[it.key().toUpper()].append(it.value().toString());
}

}  // namespace

QMap<QString, QStringList> ffprobeTags(const QString& path) {
    QByteArray json;
    runTool(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                        QStringLiteral("format=format_name:format_tags:stream_tags"), QStringLiteral("-of"),
                                        QStringLiteral("json"), path},
            &json);
    const QJsonObject root = QJsonDocument::fromJson(json).object();
    const QJsonObject format = root.value(QStringLiteral("format")).toObject();
    QMap<QString, QStringList> tags;
    addTags(tags, format.value(QStringLiteral("tags")).toObject());
    // Elsewhere a stream's tags are the codec's own (LAME's header names its version).
    if (format.value(QStringLiteral("format_name")).toString() == QStringLiteral("ogg"))
        addTags(tags, root.value(QStringLiteral("streams")).toArray().at(0).toObject().value(QStringLiteral("tags")).toObject());
    return tags;
}

QMap<QString, QStringList> ffprobeWavId3Tags(const QString& wav) {
    QFile file(wav);
    if (!file.open(QIODevice::ReadOnly)) return {};
    const QByteArray riff = file.readAll();
    QByteArray tag;
    for (qsizetype at = 12; at + 8 <= riff.size() && tag.isEmpty();) {
        const QByteArray id = riff.mid(at, 4);
        const qsizetype size = qFromLittleEndian<quint32>(riff.constData() + at + 4);
        if (id == "ID3 " || id == "id3 ") tag = riff.mid(at + 8, size);
        at += 8 + size + (size & 1);
    }
    if (tag.isEmpty()) return {};
    const QString mp3 = makeWithTool(QStringLiteral("lame --quiet {in} {out}"), wav + QStringLiteral(".id3.mp3"));
    QFile spliced(mp3);
    if (mp3.isEmpty() || !spliced.open(QIODevice::ReadWrite)) return {};
    const QByteArray audio = spliced.readAll();
    spliced.seek(0);
    spliced.write(tag + audio);
    spliced.close();
    return ffprobeTags(mp3);
}

QString tagLine(const QMap<QString, QStringList>& map) {
    QStringList pairs;
    for (auto it = map.cbegin(); it != map.cend(); ++it)
        for (const QString& value : it.value()) pairs << it.key() + QLatin1Char('=') + value;
    return pairs.join(QLatin1Char('|'));
}

QMap<QString, QStringList> metaflacTags(const QString& path) {
    QByteArray text;
    runTool(QStringLiteral("metaflac"), {QStringLiteral("--export-tags-to=-"), path}, &text);
    QMap<QString, QStringList> tags;
    for (const QString& line : QString::fromUtf8(text).split(QLatin1Char('\n'), Qt::SkipEmptyParts))
        tags[line.section(QLatin1Char('='), 0, 0).toUpper()].append(line.section(QLatin1Char('='), 1));
    return tags;
}

}  // namespace testing_support
