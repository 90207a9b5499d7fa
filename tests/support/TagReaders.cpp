#include "support/TagReaders.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>

#include <gtest/gtest.h>

namespace testing_support {
namespace {

QByteArray output(const QString& program, const QStringList& arguments) {
    QProcess p;
    p.start(program, arguments);
    if (!p.waitForFinished(60000) || p.exitStatus() != QProcess::NormalExit || p.exitCode() != 0) {
        ADD_FAILURE() << program.toStdString() << " failed: " << p.readAllStandardError().toStdString();
        return {};
    }
    return p.readAllStandardOutput();
}

}  // namespace

QMap<QString, QStringList> metaflacTags(const QString& path) {
    QMap<QString, QStringList> tags;
    const QString text = QString::fromUtf8(output(QStringLiteral("metaflac"), {QStringLiteral("--export-tags-to=-"), path}));
    for (const QString& line : text.split(QLatin1Char('\n'), Qt::SkipEmptyParts)) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq > 0) tags[line.left(eq).toUpper()] << line.mid(eq + 1);
    }
    return tags;
}

QMap<QString, QString> ffprobeTags(const QString& path) {
    const QByteArray json = output(QStringLiteral("ffprobe"), {QStringLiteral("-v"), QStringLiteral("error"), QStringLiteral("-show_entries"),
                                                               QStringLiteral("format_tags"), QStringLiteral("-of"), QStringLiteral("json"), path});
    QMap<QString, QString> tags;
    const QJsonObject found = QJsonDocument::fromJson(json).object().value(QStringLiteral("format")).toObject().value(QStringLiteral("tags")).toObject();
    for (auto it = found.begin(); it != found.end(); ++it) tags.insert(it.key(), it.value().toString());
    return tags;
}

}  // namespace testing_support
