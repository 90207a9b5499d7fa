// The text of a CUE sheet: commands in the order the readers of sheets expect them (CATALOG,
// PERFORMER and TITLE of the disc, then each track's FLAGS, TITLE, PERFORMER, ISRC, PREGAP and
// indexes), a FILE line wherever the file of the next index changes.
#include "components/audio/cd/CueSheet.h"

#include <algorithm>

namespace cue {
namespace {

constexpr std::int64_t kFramesPerSecond = 75;

// A sheet has no escapes: a double quote becomes a single one and a line break a space, so
// that a value never ends its line or its quotes early.
QString quoted(QString value) {
    value.replace(QLatin1Char('"'), QLatin1Char('\''));
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return QLatin1Char('"') + value + QLatin1Char('"');
}

// A bare value (a catalogue number, an ISRC, a flag) on one line.
QString bare(QString value) {
    value.replace(QLatin1Char('\r'), QLatin1Char(' '));
    value.replace(QLatin1Char('\n'), QLatin1Char(' '));
    return value.trimmed();
}

QString time(std::int64_t frames) {
    frames = std::max<std::int64_t>(frames, 0);
    return QStringLiteral("%1:%2:%3")
        .arg(frames / kFramesPerSecond / 60, 2, 10, QLatin1Char('0'))
        .arg(frames / kFramesPerSecond % 60, 2, 10, QLatin1Char('0'))
        .arg(frames % kFramesPerSecond, 2, 10, QLatin1Char('0'));
}

void line(QString& out, const char* indent, const QString& text) { out += QLatin1String(indent) + text + QLatin1Char('\n'); }

void field(QString& out, const char* indent, const char* command, const QString& value) {
    if (!value.isEmpty()) line(out, indent, QLatin1String(command) + QLatin1Char(' ') + quoted(value));
}

// A FILE line when `index` lies in another file than the one named last.
void fileOf(QString& out, const Index& index, QString& current, QString& currentType) {
    if (index.file == current && index.fileType == currentType) return;
    current = index.file;
    currentType = index.fileType.isEmpty() ? QStringLiteral("WAVE") : index.fileType;
    line(out, "", QStringLiteral("FILE ") + quoted(current) + QLatin1Char(' ') + bare(currentType));
}

void track(QString& out, const Track& t, QString& current, QString& currentType) {
    // A track whose first index opens a new file is preceded by that FILE line.
    if (!t.indexes.empty()) fileOf(out, t.indexes.front(), current, currentType);
    line(out, "  ", QStringLiteral("TRACK %1 %2").arg(t.number, 2, 10, QLatin1Char('0')).arg(bare(t.type)));
    if (!t.flags.isEmpty()) line(out, "    ", QStringLiteral("FLAGS ") + bare(t.flags.join(QLatin1Char(' '))));
    field(out, "    ", "TITLE", t.title);
    field(out, "    ", "PERFORMER", t.performer);
    if (!t.isrc.isEmpty()) line(out, "    ", QStringLiteral("ISRC ") + bare(t.isrc));
    if (t.pregap > 0) line(out, "    ", QStringLiteral("PREGAP ") + time(t.pregap));
    for (const Index& i : t.indexes) {
        fileOf(out, i, current, currentType);
        line(out, "    ", QStringLiteral("INDEX %1 %2").arg(i.number, 2, 10, QLatin1Char('0')).arg(time(i.frames)));
    }
}

}  // namespace

QByteArray text(const Sheet& sheet) {
    QString out;
    for (const QString& remark : sheet.remarks) line(out, "", QStringLiteral("REM ") + bare(remark));
    if (!sheet.catalog.isEmpty()) line(out, "", QStringLiteral("CATALOG ") + bare(sheet.catalog));
    field(out, "", "PERFORMER", sheet.performer);
    field(out, "", "TITLE", sheet.title);
    QString current, currentType;
    for (const Track& t : sheet.tracks) track(out, t, current, currentType);
    return out.toUtf8();
}

}  // namespace cue
