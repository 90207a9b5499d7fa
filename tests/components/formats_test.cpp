// The lists of formats that cannot read the format tables at run time (the shell completion, the
// manual page, the desktop entry, the README) name every format the tables hold.
#include "components/audio/Formats.h"

#include <QFile>

#include <gtest/gtest.h>

#include <functional>

namespace {

using audio::InputKind;

QString sourceFile(const char* path) {
    QFile file(QStringLiteral(VELLORIA_TEST_SOURCE_DIR "/") + QLatin1String(path));
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

QStringList outputs(const std::function<QString(const audio::OutputFormat&)>& token) {
    QStringList list;
    for (const audio::OutputFormat& f : audio::outputFormats()) list << token(f);
    return list;
}

QStringList decodedNames() {
    QStringList names;
    for (const audio::InputFormat& f : audio::inputFormats())
        if (f.kind == InputKind::Decoded) names << f.name;
    return names;
}

TEST(FormatRegistry, EveryListOutsideTheCodeNamesEveryFormat) {
    const QStringList extensions = outputs([](const audio::OutputFormat& f) { return QLatin1String(f.extension); });
    QStringList mimeTypes;
    for (const audio::InputFormat& f : audio::inputFormats()) mimeTypes << f.mimeTypes;
    QStringList readable = audio::readableExtensions();
    for (const QString& extension : audio::readableExtensions()) readable << extension.toUpper();
    const struct {
        const char* file;
        const char* after;   // the list follows the last occurrence of this
        const char* before;  // and ends at the first occurrence of this
        QStringList named;   // what it names
        const char* separator;  // the list is exactly `named` so separated; null: it holds each
    } lists[] = {
        {"packaging/velloria-convert.bash-completion", "--format)\n            COMPREPLY=($(compgen -W \"", "\"",
         extensions, " "},
        {"packaging/velloria-convert.bash-completion", "compgen -f -X '!*.@(", ")",
         readable, "|"},
        {"packaging/velloria-convert.1", "\\fIFORMAT\\fR\n", "\n",
         outputs([](const audio::OutputFormat& f) { return QStringLiteral("\\fB%1\\fR").arg(QLatin1String(f.extension)); }),
         nullptr},
        {"packaging/velloria-convert.1", "\\fB\\-\\-recursive\\fR\nConvert the ", " files", decodedNames(), nullptr},
        {"packaging/org.brindlewood.Velloria.desktop", "MimeType=", ";\n", mimeTypes, ";"},
        {"README.md", "audio converter (", " files and", decodedNames(), nullptr},
        {"README.md", "from the file manager; ", " inputs are read", decodedNames(), nullptr},
        {"README.md", "at first), pick ", " with its channels",
         outputs([](const audio::OutputFormat& f) { return QLatin1String(f.name); }), nullptr},
        {"README.md", "is written as `NAME_Audio", ", with a progress bar",
         outputs([](const audio::OutputFormat& f) { return QLatin1Char('.') + QLatin1String(f.key); }), nullptr},
        {"README.md", "`-f, --format ", "` |", extensions, "\\|"},
        {"README.md", "`-r, --recursive` | convert the ", " files under", decodedNames(), nullptr},
    };
    for (const auto& list : lists) {
        const QString text = sourceFile(list.file);
        const qsizetype start = text.lastIndexOf(QLatin1String(list.after));
        ASSERT_GE(start, 0) << list.file << ": " << list.after;
        const qsizetype from = start + qsizetype(qstrlen(list.after));
        const QString found = text.mid(from, text.indexOf(QLatin1String(list.before), from) - from);
        if (list.separator) {
            EXPECT_EQ(found.toStdString(), list.named.join(QLatin1String(list.separator)).toStdString()) << list.file;
            continue;
        }
        for (const QString& named : list.named)
            EXPECT_TRUE(found.contains(named)) << list.file << " leaves out " << named.toStdString() << " in \""
                                               << found.toStdString() << "\"";
    }
}

}  // namespace
